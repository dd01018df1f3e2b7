// The network of a least-squares adjustment: its points, its observations and what the
// computation made of them.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "points/pointDuDessin.h"  // kSansValeur
#include "ui/afxstr.h"


struct pointACalculer {
  CString nom;  // trimmed, upper case
  double x = kSansValeur;
  double y = kSansValeur;
  double z = kSansValeur;
  bool connuPlan = false;
  bool connuAltitude = false;
};

enum typeObservationMC : int8_t { kObsAngle = 0, kObsDistance = 1, kObsDenivelee = 2 };

struct observationMC {
  double poids = kSansValeur;  // kSansValeur: computed from the weight formulas
  double valeur = 0;           // angles in radians, distances and height differences in units
  int8_t type = kObsAngle;
  int32_t station = -1;
  int32_t visee = -1;
  int32_t reference = -1;  // -1 for a bearing (reference "NORD") and for non-angles
};

// One row of the design matrix: up to three points with the partial derivatives of the
// observation's computed value with respect to their X and Y.
struct ObservationReduite {
  int32_t point[3] = {-1, -1, -1};
  double dX[3] = {0, 0, 0};
  double dY[3] = {0, 0, 0};
};

enum uniteAngleMC { kGrades = 0, kDegres = 1, kRadians = 2 };

struct reseauMoindresCarres {
  std::vector<pointACalculer> points;
  std::vector<observationMC> observations;
  std::vector<bool> calcule;  // per point: unknown point that got coordinates
  int uniteAngle = kGrades;
  std::vector<CString> remarques;  // lines of the file that were set aside, and why

 private:
  std::unordered_map<std::wstring, int> indices_;  // upper-cased name -> index

 public:

  int chercherPoint(const CString& nom) const;  // -1 when absent; without regard to case
  int ajouterPoint(const pointACalculer& point);  // its index
  bool estConnuEnPlan(int indice) const {
    return points[indice].connuPlan || calcule[indice];
  }
};

// Reads the text of a ".mc" file (ANSI code page). False, with an empty network, when the file
// gave no point or no observation.
bool lireReseauMoindresCarres(const std::string& contenu, reseauMoindresCarres& reseau);
bool chargerFichierMoindresCarres(const std::wstring& chemin, reseauMoindresCarres& reseau);

// The data area: known points, points to compute, observations.
CString afficherDonnees(const reseauMoindresCarres& reseau);

// Angles in grades for what the user reads.
inline constexpr double kPi = 3.14159265358979323846;
inline double versGrades(double radians) { return radians * 200.0 / kPi; }
