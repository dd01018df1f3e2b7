// c:projpoly: a polyline redrawn straight through the survey points and point entities found
// within the search distance of it, in their order along it.
#include <algorithm>
#include <cmath>
#include <vector>

#include "db/acutads.h"
#include "db/dbblkref.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbpl.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "host/CAcadUndoGroup.h"
#include "tools/commandesOutils.h"
#include "tools/pointsTopo.h"
#include "tools/projectionPolyligne.h"

namespace {

constexpr double kDistanceRecherche = 2.0;
constexpr double kMargeSelection = 5.0;  // (drawing units) round the offsets

// The window that holds the polyline's offsets at the search distance on both sides.
AcDbExtents zoneDeRecherche(const AcDbPolyline& polyligne, double distance) {
  AcDbExtents zone;
  bool trouvee = false;
  for (double cote : {distance, -distance}) {
    AcDbVoidPtrArray courbes;
    if (distance > 0.0 && polyligne.getOffsetCurves(cote, courbes) == Acad::eOk) {
      for (int i = 0; i < courbes.length(); ++i) {
        auto* courbe = static_cast<AcDbEntity*>(courbes[i]);
        AcDbExtents emprise;
        if (courbe->getGeomExtents(emprise) == Acad::eOk) {
          zone.addExt(emprise);
          trouvee = true;
        }
        delete courbe;
      }
    }
  }
  AcDbExtents propre;
  if (polyligne.getGeomExtents(propre) == Acad::eOk) zone.addExt(propre);
  // Offsets that could not be made: the polyline's own extents grown by the distance.
  const double marge = kMargeSelection + (trouvee ? 0.0 : std::max(distance, 0.0));
  zone.set(zone.minPoint() - AcGeVector3d(marge, marge, 0), zone.maxPoint() + AcGeVector3d(marge, marge, 0));
  return zone;
}

// Where the point falls along the polyline. An open polyline is extended at each end along its
// tangent there (a straight extension, also after an arc: the arc's whole circle would catch
// points far from the line): before 0 on the first extension, past the end parameter on the last.
bool projeter(const AcDbPolyline& polyligne, const AcGePoint3d& point, pointProjete& projete) {
  AcGePoint3d surCourbe;
  double parametre = 0.0, debut = 0.0, fin = 0.0;
  if (polyligne.getClosestPointTo(point, surCourbe, false) != Acad::eOk ||
      polyligne.getParamAtPoint(surCourbe, parametre) != Acad::eOk ||
      polyligne.getStartParam(debut) != Acad::eOk || polyligne.getEndParam(fin) != Acad::eOk) {
    return false;
  }
  AcGePoint3d proche = surCourbe;
  if (!polyligne.isClosed() && fin > debut) {
    const bool auDebut = parametre <= debut + 1e-9, aLaFin = parametre >= fin - 1e-9;
    if (auDebut || aLaFin) {
      const double bout = auDebut ? debut : fin;
      AcGeVector3d tangente;
      AcGePoint3d extremite;
      polyligne.getFirstDeriv(bout, tangente);
      polyligne.getPointAtParam(bout, extremite);
      const double longueur = tangente.length();  // one segment's length per unit of parameter
      if (longueur > 1e-12) {
        const double s = (point - extremite).dotProduct(tangente / longueur);
        if ((auDebut && s < 0.0) || (aLaFin && s > 0.0)) {
          proche = extremite + tangente * (s / longueur);
          parametre = bout + s / longueur;
        }
      }
    }
  }
  projete.x = point.x;
  projete.y = point.y;
  projete.parametre = parametre;
  projete.distance = std::hypot(point.x - proche.x, point.y - proche.y);
  return true;
}

std::vector<AcGePoint3d> pointsCandidats(const AcDbExtents& zone) {
  std::vector<AcGePoint3d> points;
  ads_point coin1 = {zone.minPoint().x, zone.minPoint().y, 0.0};
  ads_point coin2 = {zone.maxPoint().x, zone.maxPoint().y, 0.0};
  ads_name selection;
  if (acedSSGet(L"C", coin1, coin2, nullptr, selection) != RTNORM) return points;
  std::vector<AcDbObjectId> ids;
  ed::selectionSetIds(selection, ids);
  acedSSFree(selection);
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* entite = nullptr;
    if (acdbOpenObject(entite, id, AcDb::kForRead) != Acad::eOk) continue;
    if (const auto* point = AcDbPoint::cast(entite)) {
      points.push_back(point->position());
    } else if (const auto* bloc = AcDbBlockReference::cast(entite); bloc && estPointTopo(*bloc)) {
      points.push_back(bloc->position());
    }
    entite->close();
  }
  return points;
}

void reconstruire(AcDbPolyline& polyligne, const std::vector<pointProjete>& sommets) {
  const auto n = static_cast<unsigned int>(sommets.size());
  while (polyligne.numVerts() > n) polyligne.removeVertexAt(polyligne.numVerts() - 1);
  for (unsigned int i = 0; i < n; ++i) {
    const AcGePoint2d sommet(sommets[i].x, sommets[i].y);
    if (i < polyligne.numVerts()) {
      polyligne.setPointAt(i, sommet);
    } else {
      polyligne.addVertexAt(i, sommet);
    }
  }
  for (unsigned int i = 0; i < n; ++i) polyligne.setBulgeAt(i, 0.0);
}

}  // namespace

void lispProjPoly() {
  CAcadUndoGroup annulation;
  ads_name nom;
  ads_point pointe;
  const int choix = acedEntSel(L"\nSelectionnez la polyline à projeter ", nom, pointe);
  if (choix == RTCAN) return;
  AcDbObjectId id;
  AcDbPolyline* polyligne = nullptr;
  if (choix != RTNORM || acdbGetObjectId(id, nom) != Acad::eOk ||
      acdbOpenObject(polyligne, id, AcDb::kForRead) != Acad::eOk) {
    acutPrintf(L"\nSelectionnez une polyline ");
    return;
  }
  polyligne->close();
  double distance = kDistanceRecherche;
  const int reponse = acedGetDist(nullptr, L"\nDistance de recherche <2.0>:", &distance);
  if (reponse == RTNONE) distance = kDistanceRecherche;
  else if (reponse != RTNORM) return;

  if (acdbOpenObject(polyligne, id, AcDb::kForRead) != Acad::eOk) return;
  const AcDbExtents zone = zoneDeRecherche(*polyligne, std::fabs(distance));
  polyligne->close();
  const std::vector<AcGePoint3d> points = pointsCandidats(zone);

  if (acdbOpenObject(polyligne, id, AcDb::kForWrite) != Acad::eOk) return;
  std::vector<pointProjete> candidats;
  for (const AcGePoint3d& point : points) {
    pointProjete projete{};
    if (projeter(*polyligne, point, projete)) candidats.push_back(projete);
  }
  const std::vector<pointProjete> sommets = sommetsProjection(std::move(candidats), distance);
  if (!sommets.empty()) reconstruire(*polyligne, sommets);
  polyligne->close();
}
