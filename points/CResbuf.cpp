#include "points/CResbuf.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "db/acutads.h"
#include "db/dbobject.h"

namespace {

constexpr int kChunk = 127;  // bytes per 310 item at most

}  // namespace

CResbuf::CResbuf(resbuf* chain) : tete_(chain) {
  for (queue_ = chain; queue_ != nullptr && queue_->rbnext != nullptr;) queue_ = queue_->rbnext;
  curseur_ = chain;
}

CResbuf::~CResbuf() { acutRelRb(tete_); }

resbuf* CResbuf::ajouter(int code) {
  resbuf* rb = acutNewRb(code);
  if (rb == nullptr) return nullptr;
  if (queue_ == nullptr) {
    tete_ = rb;
  } else {
    queue_->rbnext = rb;
  }
  queue_ = rb;
  if (debutLecture_) curseur_ = tete_;
  return rb;
}

int CResbuf::ajouterEntier(Adesk::Int32 valeur) {
  resbuf* rb = ajouter(90);
  if (rb != nullptr) rb->resval.rlong = valeur;
  return rb != nullptr;
}

int CResbuf::ajouterChaine(const wchar_t* texte) {
  resbuf* rb = ajouter(300);
  if (rb != nullptr) rb->resval.rstring = acutNewString(texte ? texte : L"");
  return rb != nullptr;
}

int CResbuf::ajouterOctets(const void* octets, int nombre) {
  if (nombre < 0 || (nombre > 0 && octets == nullptr) || !ajouterEntier(nombre)) return 0;
  queue_->restype = 92;
  const auto* source = static_cast<const unsigned char*>(octets);
  for (int fait = 0; fait < nombre;) {
    const int taille = std::min(kChunk, nombre - fait);
    resbuf* rb = ajouter(310);
    if (rb == nullptr) return 0;
    rb->resval.rbinary.clen = static_cast<short>(taille);
    rb->resval.rbinary.buf = static_cast<char*>(std::malloc(static_cast<size_t>(taille)));
    std::memcpy(rb->resval.rbinary.buf, source + fait, static_cast<size_t>(taille));
    fait += taille;
  }
  return 1;
}

int CResbuf::ajouterReel(double valeur) {
  resbuf* rb = ajouter(40);
  if (rb != nullptr) rb->resval.rreal = valeur;
  return rb != nullptr;
}

int CResbuf::ajouterId(AcDbObjectId id) {
  ads_name nom;
  if (id.isNull() || acdbGetAdsName(nom, id) != Acad::eOk) return ajouterEntier(kIdAbsent);
  resbuf* rb = ajouter(330);
  if (rb != nullptr) ads_name_set(nom, rb->resval.rlname);
  return rb != nullptr;
}

int CResbuf::lireEntier(Adesk::Int32& valeur) {
  if (curseur_ == nullptr || curseur_->restype != 90) return 0;
  valeur = curseur_->resval.rlong;
  curseur_ = curseur_->rbnext;
  debutLecture_ = false;
  return 1;
}

int CResbuf::lireChaine(std::wstring& texte) {
  if (curseur_ == nullptr || curseur_->restype != 300) return 0;
  texte = curseur_->resval.rstring ? curseur_->resval.rstring : L"";
  curseur_ = curseur_->rbnext;
  debutLecture_ = false;
  return 1;
}

int CResbuf::lireOctets(void* octets, int nombre) {
  const resbuf* rb = curseur_;
  if (rb == nullptr || rb->restype != 92 || rb->resval.rlong != nombre) return 0;
  auto* cible = static_cast<unsigned char*>(octets);
  int recus = 0;
  for (rb = rb->rbnext; recus < nombre; rb = rb->rbnext) {
    if (rb == nullptr || rb->restype != 310) return 0;
    const int taille = rb->resval.rbinary.clen;
    if (taille == 0) break;  // an empty chunk ends the block
    if (taille < 0 || recus + taille > nombre) return 0;
    std::memcpy(cible + recus, rb->resval.rbinary.buf, static_cast<size_t>(taille));
    recus += taille;
  }
  if (recus != nombre) return 0;
  curseur_ = rb;
  debutLecture_ = false;
  return 1;
}

int CResbuf::lireReel(double& valeur) {
  if (curseur_ == nullptr || curseur_->restype != 40) return 0;
  valeur = curseur_->resval.rreal;
  curseur_ = curseur_->rbnext;
  debutLecture_ = false;
  return 1;
}

int CResbuf::lireId(AcDbObjectId& id) {
  if (curseur_ == nullptr) return 0;
  if (curseur_->restype == 330) {
    // A reference the host cannot resolve reads as no object.
    if (acdbGetObjectId(id, curseur_->resval.rlname) != Acad::eOk) id = AcDbObjectId();
  } else if (curseur_->restype == 90 && curseur_->resval.rlong == kIdAbsent) {
    id = AcDbObjectId();
  } else {
    return 0;
  }
  curseur_ = curseur_->rbnext;
  debutLecture_ = false;
  return 1;
}
