#include "stakeout/obstaclePonctuelImplantation.h"

#include <cmath>
#include <numbers>

#include "db/acutads.h"
#include "db/dbblkref.h"
#include "ed/acedgraph.h"
#include "stakeout/dessinImplantation.h"

namespace {
constexpr int kCotesCercleAffiche = 32;
}

void intersectionsCercleSegment(const AcGePoint2d& centre, double rayon, const AcGePoint2d& depuis,
                                const AcGePoint2d& vers, AcGePoint3dArray& points) {
  const double dx = vers.x - depuis.x;
  const double dy = vers.y - depuis.y;
  const double fx = depuis.x - centre.x;
  const double fy = depuis.y - centre.y;
  const double a = dx * dx + dy * dy;
  const double b = 2 * (fx * dx + fy * dy);
  const double c = fx * fx + fy * fy - rayon * rayon;
  if (a == 0.0 || !(rayon > 0.0)) return;
  const double discriminant = b * b - 4 * a * c;
  if (discriminant < 0) return;
  const double racine = std::sqrt(discriminant);
  // A tangent line touches once.
  const double entrees[2] = {(-b - racine) / (2 * a), (-b + racine) / (2 * a)};
  const int nombre = racine == 0.0 ? 1 : 2;
  for (int i = 0; i < nombre; ++i) {
    const double t = entrees[i];
    if (t >= 0.0 && t <= 1.0) points.append(AcGePoint3d(depuis.x + t * dx, depuis.y + t * dy, 0.0));
  }
}

void obstaclePonctuelImplantation::marquer() {
  resbuf* marque = acutBuildList(1001, kApplicationHauteursObjets, 1071, kMarqueObstaclePonctuel,
                                 1040, hauteur_, 1041, rayon_, 1071, static_cast<long>(couleur_), 0);
  ecrireMarque(marque);
  acutRelRb(marque);
}

bool obstaclePonctuelImplantation::lire(AcDbObjectId entite) {
  resbuf* marque = lireMarque(entite);
  const resbuf* items[5] = {};
  int nombre = 0;
  for (const resbuf* rb = marque; rb != nullptr; rb = rb->rbnext) {
    if (nombre < 5) items[nombre] = rb;
    ++nombre;
  }
  const bool valide = nombre == 5 && items[1]->restype == 1071 &&
                      items[1]->resval.rlong == kMarqueObstaclePonctuel &&
                      items[2]->restype == 1040 && items[3]->restype == 1041 &&
                      items[4]->restype == 1071;
  if (valide) {
    entite_ = entite;
    hauteur_ = items[2]->resval.rreal;
    rayon_ = items[3]->resval.rreal;
    couleur_ = static_cast<int>(items[4]->resval.rlong);
  }
  acutRelRb(marque);
  if (!valide) return false;
  // The centre is the block's insertion point unless the obstacle was placed elsewhere; the mark
  // does not keep it, so a read obstacle stands on the block.
  AcDbBlockReference* bloc = nullptr;
  if (acdbOpenObject(bloc, entite, AcDb::kForRead) == Acad::eOk) {
    centre_.set(bloc->position().x, bloc->position().y);
    bloc->close();
  }
  return true;
}

void obstaclePonctuelImplantation::afficher(int couleur) {
  if (couleur == 0) {
    acedRedraw(nullptr, 0);
    return;
  }
  for (int i = 0; i < kCotesCercleAffiche; ++i) {
    const double a1 = 2 * std::numbers::pi * i / kCotesCercleAffiche;
    const double a2 = 2 * std::numbers::pi * (i + 1) / kCotesCercleAffiche;
    const ads_point p1 = {centre_.x + rayon_ * std::cos(a1), centre_.y + rayon_ * std::sin(a1), 0};
    const ads_point p2 = {centre_.x + rayon_ * std::cos(a2), centre_.y + rayon_ * std::sin(a2), 0};
    acedGrDraw(p1, p2, couleur, 0);
  }
}

bool obstaclePonctuelImplantation::intersections(const AcGePoint2d& depuis, const AcGePoint2d& vers,
                                                 AcGePoint3dArray& points) const {
  const int avant = points.length();
  intersectionsCercleSegment(centre_, rayon_, depuis, vers, points);
  return points.length() > avant;
}
