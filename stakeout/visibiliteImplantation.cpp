#include "stakeout/visibiliteImplantation.h"

#include <cmath>

#include "stakeout/calculsImplantation.h"

double hauteurAuDessusVisee(double x1, double y1, double x2, double y2, double x, double y) {
  // Strictly above: the cross product is negative. Touching the line does not count.
  if ((y1 - y) * (x2 - x1) - (y2 - y1) * (x1 - x) >= 0.0) return 0.0;
  // Work near the origin: subtracting half the rounded sums keeps large coordinates from eating
  // the digits of the projection.
  const double dx = std::floor(x1 + x2) / 2.0;
  const double dy = std::floor(y1 + y2) / 2.0;
  x1 -= dx;
  x2 -= dx;
  x -= dx;
  y1 -= dy;
  y2 -= dy;
  y -= dy;
  const double ux = x2 - x1;
  const double uy = y2 - y1;
  const double longueur2 = ux * ux + uy * uy;
  if (longueur2 == 0.0) return std::hypot(x - x1, y - y1);
  const double t = ((x - x1) * ux + (y - y1) * uy) / longueur2;
  return std::hypot(x - (x1 + t * ux), y - (y1 + t * uy));
}

void testerVisibilite(observationImplantation& point, const observationMiseEnStation& station,
                      double hauteurStation,
                      const std::vector<std::unique_ptr<obstacleImplantation>>& obstacles,
                      const terrainImplantation* terrain) {
  point.oublierVisibilite();
  if (terrain == nullptr || station.z() == kSansValeur) return;
  const double d = distanceHorizontale(station.x(), station.y(), point.x, point.y);
  if (d == kSansValeur) return;
  AcGePoint3d cible(point.x, point.y, point.z);
  if (cible.z == kSansValeur && !terrain->altitude(cible)) return;
  const AcGePoint3d depuis(station.x(), station.y(), station.z());
  std::vector<std::vector<AcGePoint3d>> profil;
  if (!terrain->profil(depuis, cible, profil)) return;

  const double y1 = station.z() + hauteurStation;
  const double y2 = cible.z + hauteurStation;
  double obstruction = 0.0;
  auto considerer = [&](const AcGePoint3d& sommet) {
    const double x = distanceHorizontale(depuis.x, depuis.y, sommet.x, sommet.y);
    const double h = hauteurAuDessusVisee(0.0, y1, d, y2, x, sommet.z);
    if (h > obstruction) obstruction = h;
  };
  for (const std::vector<AcGePoint3d>& polyligne : profil) {
    for (const AcGePoint3d& sommet : polyligne) considerer(sommet);
  }
  const AcGePoint2d versStation(depuis.x, depuis.y);
  const AcGePoint2d versPoint(cible.x, cible.y);
  for (const std::unique_ptr<obstacleImplantation>& obstacle : obstacles) {
    AcGePoint3dArray croisements;
    if (!obstacle->intersections(versPoint, versStation, croisements)) continue;
    for (int i = 0; i < croisements.length(); ++i) {
      AcGePoint3d sommet = croisements[i];
      // Where the terrain is unknown the obstacle's top is unknown too: it is left out.
      if (!terrain->altitude(sommet)) continue;
      sommet.z += obstacle->hauteur();
      considerer(sommet);
    }
  }
  point.visibiliteCalculee = 1;
  point.obstruction = obstruction;
}

bool estVisible(const observationImplantation& point, double hauteurMinimale) {
  return point.visibiliteCalculee != 0 && point.obstruction != kSansValeur &&
         point.obstruction <= hauteurMinimale;
}
