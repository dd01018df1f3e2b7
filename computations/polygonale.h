// Traverse adjustment: the angular misclosure spread equally over the angles, the coordinate
// misclosure in proportion to the leg lengths (compass rule), the height misclosure by one of
// four levelling modes. Pure computations; the report and the dialogs are built on the results.
#pragma once
#include <vector>

#include "computations/fichierObservations.h"

// One observation row as computed: station name (at most 19 characters), angle (unit of the
// traverse), distance and height difference (drawing units).
struct obsPolygonale {
  wchar_t station[kLongueurMaxNomStation + 1] = {};
  double angle = 0;
  double distance = 0;
  double denivelee = 0;
};

// The rows of a dialog or a file as numbers: the longest numeric prefix of each text, 0 when there
// is none; names cut to 19 characters.
std::vector<obsPolygonale> convertirLignes(const std::vector<ligneObservation>& lignes);

enum statutPolygonale : int {
  kPolygonaleCalculee = 0,
  kDonneesInsuffisantes = 1,  // fewer than 2 rows
  kDistanceTotaleNulle = 2,   // the coordinate misclosure cannot be shared out
  kValeursHorsLimites = 3,    // the numbers overflow: no result rather than an infinite one
};
// The message of a status that stops a computation; empty for kPolygonaleCalculee.
const wchar_t* messageStatut(int statut);

// The height adjustment shared by both traverse kinds.
struct nivellementPolygonale {
  double erreur = 0;                // E (drawing units)
  double sommeLongueurs = 0;        // ΣL (distances) or Σ√L (roots); 0 otherwise
  std::vector<double> longueurs;    // L_i or √L_i per leg (distances and roots modes)
  std::vector<double> corrections;  // per leg
  std::vector<double> deniveleesCorrigees;
};

// Closed traverse details, per row i unless said otherwise. Angles in the traverse's unit.
struct resultatPolygonaleFermee {
  std::vector<double> interieurs;          // I_i = T − a_i
  std::vector<double> interieursCorriges;  // I'_i
  std::vector<double> anglesCorriges;      // A'_i in [0, T)
  std::vector<double> gisements;           // G_i in [0, T)
  double somme = 0;                        // S
  double erreurAngulaire = 0;              // e
  double correctionAngulaire = 0;          // e/n
  std::vector<double> dx, dy, cx, cy;
  double distanceTotale = 0, sommeDx = 0, sommeDy = 0;
  nivellementPolygonale nivellement;
  // Adjusted stations in travel order; entry 0 is the start station, entry k the station of row
  // k−1.
  std::vector<double> x, y, z;
  std::vector<CString> noms;
};

// Open traverse details. Rows name the station each leg reaches; the last row's is the arrival.
struct resultatPolygonaleOuverte {
  std::vector<double> angles;               // reduced into [0, T)
  std::vector<double> gisementsBruts;       // G_i (not reduced)
  std::vector<double> gisementsCompenses;   // G'_i
  double gisementArriveeCalcule = 0;
  double erreurParAngle = 0;                // e
  std::vector<double> dx, dy, dxCorriges, dyCorriges;
  double distanceTotale = 0, erreurX = 0, erreurY = 0;
  nivellementPolygonale nivellement;
  // Every station, start (entry 0) to arrival (entry n).
  std::vector<double> x, y, z;
  std::vector<CString> noms;
};

// Each fills its result and returns a statut; the rows' height differences are replaced by the
// adjusted ones when a levelling mode is chosen.
int calculerPolygonaleFermee(const stationConnue& depart, int nivellement, int unite,
                             std::vector<obsPolygonale>& lignes, resultatPolygonaleFermee& r);
int calculerPolygonaleOuverte(const stationConnue& depart, const stationConnue& arrivee,
                              double fermeture, int nivellement, int unite,
                              std::vector<obsPolygonale>& lignes, resultatPolygonaleOuverte& r);

// The raw traverse (uncorrected angles, observed lengths) from the start station, one vertex per
// station: what "Dessiner la polygonale originelle" draws.
void polygonaleBrute(const stationConnue& depart, int unite, bool ouverte,
                     const std::vector<obsPolygonale>& lignes, std::vector<double>& x,
                     std::vector<double>& y);
