// Traverses made from known coordinates, so that every angle unit can be checked against the
// stations it was measured on.
#pragma once
#include <cmath>
#include <numbers>
#include <vector>

#include "computations/angles.h"
#include "computations/polygonale.h"

struct stationVraie {
  const wchar_t* nom;
  double x, y, z;
};

inline double gisementUnite(const stationVraie& a, const stationVraie& b, int unite) {
  return gisementRadians(a.x, a.y, b.x, b.y) / versRadians(unite);
}

inline obsPolygonale rangee(const wchar_t* nom, double angle, double distance, double dz) {
  obsPolygonale o;
  std::wcsncpy(o.station, nom, kLongueurMaxNomStation);
  o.angle = angle;
  o.distance = distance;
  o.denivelee = dz;
  return o;
}

// The rows of the closed loop s[0] → s[1] → … → s[0], angles measured clockwise from the
// back-sight to the fore-sight; row k reaches s[(k+1) mod n].
inline std::vector<obsPolygonale> boucleMesuree(const std::vector<stationVraie>& s, int unite) {
  const size_t n = s.size();
  const double T = tourComplet(unite);
  std::vector<obsPolygonale> lignes;
  for (size_t k = 0; k < n; ++k) {
    const stationVraie& ici = s[k];
    const stationVraie& avant = s[(k + n - 1) % n];
    const stationVraie& apres = s[(k + 1) % n];
    const double angle =
        reduireModulo(gisementUnite(ici, apres, unite) - gisementUnite(ici, avant, unite), T);
    lignes.push_back(rangee(apres.nom, angle, std::hypot(apres.x - ici.x, apres.y - ici.y),
                            apres.z - ici.z));
  }
  return lignes;
}
