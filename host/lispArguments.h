// Reading the arguments of a LISP call: the chain acedGetArgs gives, walked one value at a time.
#pragma once
#include "db/adsdef.h"

class argumentsLisp {
 public:
  argumentsLisp();
  // The current argument (null past the end) and its type.
  const resbuf* courant() const { return courant_; }
  int type() const { return courant_ ? int(courant_->restype) : int(RTNONE); }
  bool estPoint() const { return type() == RTPOINT || type() == RT3DPOINT; }
  bool estNombre() const { return type() == RTREAL || type() == RTSHORT || type() == RTLONG; }
  double nombre() const;
  void suivant() {
    if (courant_ != nullptr) courant_ = courant_->rbnext;
  }
  // Skips a whole list (RTLB … RTLE, nested lists included) or one value.
  void sauteValeur();

 private:
  const resbuf* courant_;
};

// The values of a list result, built item by item for acedRetList; released by the destructor.
class listeResultat {
 public:
  listeResultat();
  ~listeResultat();
  listeResultat(const listeResultat&) = delete;
  listeResultat& operator=(const listeResultat&) = delete;
  void ajouterTexte(const wchar_t* texte);
  void ajouterReel(double valeur);
  void ajouterPoint(const ads_point point);
  void retourner();  // acedRetList of the values (the list of them)

 private:
  resbuf* ajouter(int type);
  resbuf* tete_;
  resbuf* queue_;
};
