// Weighted least squares over sparse observation rows: normal equations solved by a dense
// Householder QR (the reference) or a sparse LDLT factorisation (large networks).
#pragma once
#include <vector>

#include "computations/moindresCarresCalcul.h"

// One observation equation: at most six unknowns with their coefficients, the observed minus
// computed value and the weight.
struct ligneSysteme {
  int colonne[6] = {0, 0, 0, 0, 0, 0};
  double coefficient[6] = {0, 0, 0, 0, 0, 0};
  int termes = 0;
  double l = 0;
  double poids = 0;

  void ajouter(int col, double coef) {
    colonne[termes] = col;
    coefficient[termes] = coef;
    ++termes;
  }
  // The residual of the row for the solution x: A·x − l.
  double residu(const std::vector<double>& x) const {
    double v = -l;
    for (int t = 0; t < termes; ++t) v += coefficient[t] * x[colonne[t]];
    return v;
  }
};

// Solves the normal equations of the rows for `inconnues` unknowns. On success logs the solution
// vector; on failure logs "Erreur lors de la résolution:" with the dense matrices AtP, AtPA and
// AtPL when the system is small enough to read.
bool resoudreMoindresCarres(const std::vector<ligneSysteme>& lignes, int inconnues,
                            methodeResolution methode, std::vector<double>& solution,
                            CString& journal);

// The matrices of a failed system are printed up to this many unknowns and observations.
inline constexpr int kInconnuesMaxAffichage = 30;
inline constexpr int kObservationsMaxAffichage = 120;
