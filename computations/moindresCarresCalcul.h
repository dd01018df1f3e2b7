// The steps of a least-squares adjustment of a network. Every step writes its log lines
// (separated by "\r\n") into `journal`; no step ever leaves a NaN in the network.
#pragma once
#include "computations/moindresCarresDonnees.h"
#include "computations/poidsFormules.h"

enum class methodeResolution {
  automatique,  // dense QR up to kInconnuesMaxDense unknowns, sparse Cholesky beyond
  qrDense,
  choleskyCreux,
};

// The normal equations of up to this many unknowns are solved by the dense Householder QR; larger
// ones by a sparse LDLT factorisation with a fill-reducing ordering.
inline constexpr int kInconnuesMaxDense = 300;

// Step 1: sorts by type and removes observations equivalent to an earlier one.
void supprimerObservationsEquivalentes(reseauMoindresCarres& reseau, CString& journal);
// Step 2: approximate positions of the unknown points from loci of their observations.
void calculerCoordonneesApprochees(reseauMoindresCarres& reseau, CString& journal);
// Steps 3 and 4: one adjustment from the current coordinates; true when it could be solved.
bool ajusterPlanimetrie(reseauMoindresCarres& reseau, const formulesPoids& formules,
                        CString& journal, methodeResolution methode = methodeResolution::automatique);
// "Solution": steps 1 to 4 from the data.
bool resoudreReseau(reseauMoindresCarres& reseau, const formulesPoids& formules, CString& journal,
                    methodeResolution methode = methodeResolution::automatique);
// "Altitudes": approximate altitudes from the height differences, then their adjustment.
bool calculerAltitudes(reseauMoindresCarres& reseau, CString& journal,
                       methodeResolution methode = methodeResolution::automatique);

void ajouterLigne(CString& journal, const CString& ligne);
