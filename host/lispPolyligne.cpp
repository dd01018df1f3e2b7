// getsegtype: the segment of a lightweight polyline under a point.
#include <cmath>

#include "db/dbpl.h"
#include "host/lispArguments.h"
#include "host/lispUtilitaires.h"
#include "lisp/acedads.h"

namespace {

constexpr double kBulgeDroit = 1e-7;  // below it the segment is straight

struct segment {
  AcGePoint3d debut;
  AcGePoint3d fin;
  double bulge = 0.0;
};

bool segmentSous(AcDbObjectId id, const AcGePoint3d& donne, segment& s) {
  AcDbPolyline* polyligne = nullptr;
  if (acdbOpenObject(polyligne, id, AcDb::kForRead) != Acad::eOk) return false;
  bool trouve = false;
  AcGePoint3d proche;
  double parametre = 0.0;
  const unsigned int nombre = polyligne->numVerts();
  if (nombre >= 2 && polyligne->getClosestPointTo(donne, polyligne->normal(), proche) == Acad::eOk &&
      polyligne->getParamAtPoint(proche, parametre) == Acad::eOk) {
    unsigned int i = static_cast<unsigned int>(std::floor(parametre));
    if (i >= nombre) i = nombre - 1;
    const unsigned int suivant = i == nombre - 1 ? 0 : i + 1;
    AcGePoint2d a, b;
    polyligne->getPointAt(i, a);
    polyligne->getPointAt(suivant, b);
    polyligne->getBulgeAt(i, s.bulge);
    s.debut.set(a.x, a.y, 0.0);
    s.fin.set(b.x, b.y, 0.0);
    trouve = true;
  }
  polyligne->close();
  return trouve;
}

}  // namespace

void lispGetSegType() {
  argumentsLisp args;
  AcDbObjectId id;
  if (args.type() != RTENAME || acdbGetObjectId(id, args.courant()->resval.rlname) != Acad::eOk) {
    acedRetNil();
    return;
  }
  args.suivant();
  if (!args.estPoint()) {
    acedRetNil();
    return;
  }
  const double* p = args.courant()->resval.rpoint;
  segment s;
  if (!segmentSous(id, AcGePoint3d(p[0], p[1], args.type() == RT3DPOINT ? p[2] : 0.0), s)) {
    acedRetNil();
    return;
  }
  listeResultat resultat;
  const bool droit = std::fabs(s.bulge) < kBulgeDroit;
  resultat.ajouterTexte(droit ? L"LINE" : L"ARC");
  ads_point debut = {s.debut.x, s.debut.y, 0.0};
  ads_point fin = {s.fin.x, s.fin.y, 0.0};
  resultat.ajouterPoint(debut);
  resultat.ajouterPoint(fin);
  if (!droit) resultat.ajouterReel(s.bulge);
  resultat.retourner();
}
