#include "host/lispArguments.h"

#include "db/acutads.h"
#include "lisp/acedads.h"

argumentsLisp::argumentsLisp() : courant_(acedGetArgs()) {}

double argumentsLisp::nombre() const {
  switch (type()) {
    case RTREAL: return courant_->resval.rreal;
    case RTSHORT: return courant_->resval.rint;
    case RTLONG: return courant_->resval.rlong;
    default: return 0.0;
  }
}

void argumentsLisp::sauteValeur() {
  if (type() != RTLB) {
    suivant();
    return;
  }
  int profondeur = 0;
  do {
    if (type() == RTLB) ++profondeur;
    if (type() == RTLE) --profondeur;
    suivant();
  } while (courant_ != nullptr && profondeur > 0);
}

listeResultat::listeResultat() : tete_(nullptr), queue_(nullptr) {}

listeResultat::~listeResultat() { acutRelRb(tete_); }

resbuf* listeResultat::ajouter(int type) {
  resbuf* nouveau = acutNewRb(type);
  if (queue_ == nullptr) {
    tete_ = nouveau;
  } else {
    queue_->rbnext = nouveau;
  }
  queue_ = nouveau;
  return nouveau;
}

void listeResultat::ajouterTexte(const wchar_t* texte) {
  ajouter(RTSTR)->resval.rstring = acutNewString(texte);
}

void listeResultat::ajouterReel(double valeur) { ajouter(RTREAL)->resval.rreal = valeur; }

void listeResultat::ajouterPoint(const ads_point point) {
  resbuf* rb = ajouter(RT3DPOINT);
  ads_point_set(point, rb->resval.rpoint);
}

void listeResultat::retourner() { acedRetList(tete_); }
