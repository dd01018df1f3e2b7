#include "codification/commandesCodification.h"

#include <algorithm>

#include "codification/CDlgTabCodification.h"
#include "codification/attributCode.h"
#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/acedgraph.h"
#include "lisp/acedads.h"

namespace {

std::vector<pointCode> blocsDuDessin() {
  std::vector<pointCode> points;
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  AcDbBlockTableRecord* espace = nullptr;
  if (dessin == nullptr ||
      acdbOpenObject(espace, dessin->modelSpaceId(), AcDb::kForRead) != Acad::eOk) {
    return points;
  }
  AcDbBlockTableRecordIterator* entites = nullptr;
  if (espace->newIterator(entites) == Acad::eOk) {
    for (; !entites->done(); entites->step()) {
      AcDbObjectId id;
      AcDbBlockReference* bloc = nullptr;
      if (entites->getEntityId(id) != Acad::eOk ||
          acdbOpenObject(bloc, id, AcDb::kForRead) != Acad::eOk) {
        continue;
      }
      pointCode point{bloc->position().x, bloc->position().y, bloc->position().z, 0};
      bloc->close();
      if (lireAttributCode(id, point.code)) points.push_back(point);
    }
    delete entites;
  }
  espace->close();
  return points;
}

sourcePointsCode& source() {
  static sourcePointsCode courante = blocsDuDessin;
  return courante;
}

int& couleur() {
  static int derniere = 0;  // kept for the whole run of the host
  return derniere;
}

// 5 screen pixels in drawing units.
double demiTailleCroix() {
  resbuf hauteur{};
  resbuf ecran{};
  if (acedGetVar(L"VIEWSIZE", &hauteur) != RTNORM || acedGetVar(L"SCREENSIZE", &ecran) != RTNORM) {
    return 0.0;
  }
  const double pixels = std::min(ecran.resval.rpoint[0], ecran.resval.rpoint[1]);
  return pixels > 0.0 ? hauteur.resval.rreal * 5.0 / pixels : 0.0;
}

}  // namespace

void commandeVCodification() { editerTableCodification(); }

void setSourcePointsCode(sourcePointsCode nouvelle) {
  source() = nouvelle != nullptr ? nouvelle : blocsDuDessin;
}

void oublierCouleurVCode() { couleur() = 0; }

void lispVCode() {
  const double h = demiTailleCroix();
  int code = 0;
  if (acedGetInt(L"\nCode des points a visualiser:", &code) != RTNORM) {
    acedRetNil();
    return;
  }
  if (++couleur() == 8) couleur() = 1;
  for (const pointCode& point : source()()) {
    if (point.code != code) continue;
    const ads_point gauche = {point.x - h, point.y, point.z};
    const ads_point droite = {point.x + h, point.y, point.z};
    const ads_point bas = {point.x, point.y - h, point.z};
    const ads_point haut = {point.x, point.y + h, point.z};
    acedGrDraw(gauche, droite, couleur(), 0);
    acedGrDraw(bas, haut, couleur(), 0);
  }
}
