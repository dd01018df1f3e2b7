// c:JLDEPORTPNTS: the survey points within the capture distance of a curve move onto it.
#include <algorithm>
#include <cmath>
#include <cwchar>

#include "db/acutads.h"
#include "db/dbblkref.h"
#include "db/dbents.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "ge/gemat3d.h"
#include "host/CAcadUndoGroup.h"
#include "points/listePointsDuDessin.h"
#include "tools/commandesOutils.h"
#include "tools/deportPoints.h"
#include "tools/pointsTopo.h"

namespace {

double& distanceCapture() {
  static double distance = kDistanceCaptureInitiale;
  return distance;
}

}  // namespace

void oublierDistanceCapture() { distanceCapture() = kDistanceCaptureInitiale; }

double distanceCaptureRetenue(double reponse) { return std::max(std::fabs(reponse), 0.0001); }

void lispJlDeportPnts() {
  ads_name nom;
  ads_point pointe;
  AcDbObjectId idCourbe;
  AcDbEntity* entite = nullptr;
  const int choix = acedEntSel(L"\nSelectionnez le Chemin où projeter les points", nom, pointe);
  if (choix == RTCAN) return;
  bool courbe = false;
  if (choix == RTNORM && acdbGetObjectId(idCourbe, nom) == Acad::eOk &&
      acdbOpenObject(entite, idCourbe, AcDb::kForRead) == Acad::eOk) {
    courbe = entite->isKindOf(AcDbCurve::desc());
    entite->close();
  }
  if (!courbe) {
    acutPrintf(L"\nCe n'est pas une courbe, recommencez ");
    return;
  }
  wchar_t invite[64];
  std::swprintf(invite, std::size(invite), L"\nDistance :[%.4f]", std::fabs(distanceCapture()));
  double reponse = distanceCapture();
  const int lu = acedGetDist(nullptr, invite, &reponse);
  if (lu == RTNORM) distanceCapture() = distanceCaptureRetenue(reponse);
  else if (lu != RTNONE) return;

  CAcadUndoGroup annulation;
  for (const AcDbObjectId& id : selectionnerPointsTopo(false)) {
    AcDbBlockReference* bloc = nullptr;
    if (acdbOpenObject(bloc, id, AcDb::kForWrite) != Acad::eOk) continue;
    AcDbCurve* chemin = nullptr;
    if (acdbOpenObject(chemin, idCourbe, AcDb::kForRead) != Acad::eOk) {
      bloc->close();
      continue;
    }
    const AcGePoint3d p = bloc->position();
    AcGePoint3d c;
    // The point of the curve seen from above (projected along Z), so a 3D line gives its altitude
    // where the point stands.
    const bool trouve = chemin->getClosestPointTo(p, AcGeVector3d(0, 0, 1), c) == Acad::eOk ||
                        chemin->getClosestPointTo(p, c) == Acad::eOk;
    const bool proche = trouve &&
                        std::hypot(c.x - p.x, c.y - p.y) <= distanceCapture();
    chemin->close();
    if (proche) bloc->transformBy(AcGeMatrix3d::translation(c - p));
    const AcGePoint3d nouvelle = bloc->position();
    bloc->close();
    if (proche && tablesPoints != nullptr) tablesPoints->notifyPositionPoint(id, nouvelle, 3);
  }
}
