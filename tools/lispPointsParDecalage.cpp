// C:pointsParDecalage: a parallel of a polyline through a picked point, with a survey point at
// each of its vertices whose original vertex carries one, raised by a height offset.
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbpl.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "host/CAcadUndoGroup.h"
#include "host/ajoutDessin.h"
#include "tools/commandesOutils.h"
#include "tools/pointsDecales.h"
#include "tools/pointsTopo.h"
#include "points/listePointsDuDessin.h"

namespace {

std::vector<AcGePoint2d> sommetsDe(const AcDbPolyline& polyligne) {
  std::vector<AcGePoint2d> sommets(polyligne.numVerts());
  for (unsigned int i = 0; i < polyligne.numVerts(); ++i) polyligne.getPointAt(i, sommets[i]);
  return sommets;
}

// The offset through the picked point, signed for the side; false when the closest point lies
// on no segment.
bool decalageParPoint(const AcDbPolyline& polyligne, const AcGePoint3d& pointe, double& decalage) {
  AcGePoint3d proche;
  if (polyligne.getClosestPointTo(pointe, proche) != Acad::eOk) return false;
  const AcGePoint2d proche2d(proche.x, proche.y);
  const unsigned int n = polyligne.numVerts();
  const unsigned int segments = polyligne.isClosed() ? n : (n > 0 ? n - 1 : 0);
  for (unsigned int i = 0; i < segments; ++i) {
    double parametre = 0.0;
    if (!polyligne.onSegAt(i, proche2d, parametre)) continue;
    AcGePoint2d debut, fin;
    double bulge = 0.0;
    polyligne.getPointAt(i, debut);
    polyligne.getPointAt((i + 1) % n, fin);
    polyligne.getBulgeAt(i, bulge);
    decalage = decalageSigne(debut, fin, bulge, AcGePoint2d(pointe.x, pointe.y), proche2d);
    return true;
  }
  return false;
}

void supprimerCourbes(AcDbVoidPtrArray& courbes) {
  for (int i = 0; i < courbes.length(); ++i) delete static_cast<AcDbEntity*>(courbes[i]);
  courbes.setLogicalLength(0);
}

}  // namespace

void lispPointsParDecalage() {
  ads_name nom;
  ads_point pointe;
  AcDbObjectId id;
  AcDbPolyline* polyligne = nullptr;
  const int choix = acedEntSel(L"\nSelectionnez la polyline", nom, pointe);
  if (choix == RTCAN) return;
  if (choix != RTNORM || acdbGetObjectId(id, nom) != Acad::eOk ||
      acdbOpenObject(polyligne, id, AcDb::kForRead) != Acad::eOk) {
    acutPrintf(L"\nCe n'est pas une polyline, recommencez ");
    return;
  }
  polyligne->close();

  double decalage = 0.0;
  for (;;) {
    ads_point passage;
    if (acedGetPoint(pointe, L"\nPoint de passage:", passage) != RTNORM) return;
    if (acdbOpenObject(polyligne, id, AcDb::kForRead) != Acad::eOk) return;
    const bool trouve =
        decalageParPoint(*polyligne, AcGePoint3d(passage[0], passage[1], passage[2]), decalage);
    polyligne->close();
    if (trouve) break;
  }

  wchar_t invite[64];
  std::swprintf(invite, std::size(invite), L"\nDistance :[%.4f]", std::fabs(decalage));
  double tape = std::fabs(decalage);
  const int reponse = acedGetReal(invite, &tape);
  if (reponse == RTNONE) tape = std::fabs(decalage);
  else if (reponse != RTNORM) return;
  decalage = std::copysign(std::max(std::fabs(tape), 0.0001), decalage);

  if (acdbOpenObject(polyligne, id, AcDb::kForRead) != Acad::eOk) return;
  AcDbVoidPtrArray courbes;
  polyligne->getOffsetCurves(decalage, courbes);
  AcDbPolyline* parallele =
      courbes.length() == 1 ? AcDbPolyline::cast(static_cast<AcDbEntity*>(courbes[0])) : nullptr;
  if (parallele == nullptr || parallele->numVerts() != polyligne->numVerts()) {
    polyligne->close();
    acutPrintf(L"\nEchec, cette polyline dégénère ");
    supprimerCourbes(courbes);
    return;
  }
  std::unique_ptr<AcDbPolyline> gardee(parallele);
  courbes.setLogicalLength(0);
  const std::vector<AcGePoint2d> ligne = sommetsDe(*polyligne);
  gardee->setPropertiesFrom(polyligne);
  polyligne->close();

  double hauteur = 0.0;
  if (acedGetReal(L"\nDecalage :", &hauteur) != RTNORM) return;

  CAcadUndoGroup annulation;
  listePointsDuDessin* table = tableCourante();
  if (table != nullptr && table->nbPoint() > 0) {
    acutPrintf(L"\nRaffaichir la table des points");
    creerPointsDecales(*table, ligne, sommetsDe(*gardee), hauteur);
  }
  ajouterAuDessin(acdbHostApplicationServices()->workingDatabase(), gardee.release(), false);
}
