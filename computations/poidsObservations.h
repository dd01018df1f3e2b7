// Weights of the observations of a network: fixed ones as given, the others from the formula of
// their kind, evaluated over the observation's own distances and angle.
#pragma once
#include "computations/formule.h"
#include "computations/moindresCarresDonnees.h"
#include "computations/poidsFormules.h"

class poidsReseau {
 public:
  // Formulas that do not parse, or that name an unknown variable, give weight 0; the log says
  // so once per formula, when an observation first needs it.
  poidsReseau(const formulesPoids& formules, CString& journal);

  double poids(const reseauMoindresCarres& reseau, const observationMC& obs);

 private:
  struct formuleUtilisee {
    formule expression;
    const wchar_t* genre;
    std::wstring texte;
    bool signale = false;
    bool utilisable = false;
  };
  double evaluer(formuleUtilisee& f);

  tableVariables variables_;
  formuleUtilisee angles_, gisements_, distances_;
  CString& journal_;
};
