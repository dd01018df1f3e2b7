#include "stakeout/obstacleLineaireImplantation.h"

#include "db/acutads.h"
#include "db/dbents.h"
#include "ed/acedgraph.h"
#include "ge/geplane.h"
#include "stakeout/dessinImplantation.h"

namespace {
constexpr int kPasAffichage = 64;
}

void obstacleLineaireImplantation::marquer() {
  resbuf* marque = acutBuildList(1001, kApplicationHauteursObjets, 1071, kMarqueObstacleLineaire,
                                 1040, hauteur_, 1071, static_cast<long>(couleur_), 0);
  ecrireMarque(marque);
  acutRelRb(marque);
}

bool obstacleLineaireImplantation::lire(AcDbObjectId entite) {
  resbuf* marque = lireMarque(entite);
  const resbuf* items[4] = {};
  int nombre = 0;
  for (const resbuf* rb = marque; rb != nullptr; rb = rb->rbnext) {
    if (nombre < 4) items[nombre] = rb;
    ++nombre;
  }
  const bool valide = nombre == 4 && items[1]->restype == 1071 &&
                      items[1]->resval.rlong == kMarqueObstacleLineaire &&
                      items[2]->restype == 1040 && items[3]->restype == 1071;
  if (valide) {
    entite_ = entite;
    hauteur_ = items[2]->resval.rreal;
    couleur_ = static_cast<int>(items[3]->resval.rlong);
  }
  acutRelRb(marque);
  return valide;
}

// The curve is shown as transient vectors along it.
void obstacleLineaireImplantation::afficher(int couleur) {
  if (couleur == 0) {
    acedRedraw(nullptr, 0);
    return;
  }
  AcDbCurve* courbe = nullptr;
  if (acdbOpenObject(courbe, entite_, AcDb::kForRead) != Acad::eOk) return;
  double debut = 0.0;
  double fin = 0.0;
  if (courbe->getStartParam(debut) == Acad::eOk && courbe->getEndParam(fin) == Acad::eOk) {
    AcGePoint3d precedent;
    courbe->getPointAtParam(debut, precedent);
    for (int i = 1; i <= kPasAffichage; ++i) {
      AcGePoint3d point;
      if (courbe->getPointAtParam(debut + (fin - debut) * i / kPasAffichage, point) != Acad::eOk) {
        continue;
      }
      const ads_point p1 = {precedent.x, precedent.y, 0.0};
      const ads_point p2 = {point.x, point.y, 0.0};
      acedGrDraw(p1, p2, couleur, 0);
      precedent = point;
    }
  }
  courbe->close();
}

bool obstacleLineaireImplantation::intersections(const AcGePoint2d& depuis, const AcGePoint2d& vers,
                                                 AcGePoint3dArray& points) const {
  AcDbEntity* courbe = nullptr;
  if (acdbOpenObject(courbe, entite_, AcDb::kForRead) != Acad::eOk) return false;
  AcDbLine visee(AcGePoint3d(depuis.x, depuis.y, 0.0), AcGePoint3d(vers.x, vers.y, 0.0));
  AcGePoint3dArray trouves;
  courbe->intersectWith(&visee, AcDb::kOnBothOperands, AcGePlane::kXYPlane, trouves);
  courbe->close();
  for (int i = 0; i < trouves.length(); ++i) {
    points.append(AcGePoint3d(trouves[i].x, trouves[i].y, 0.0));
  }
  return trouves.length() > 0;
}
