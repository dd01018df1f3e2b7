#include "stakeout/pointsElementImplantation.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "db/dbblkref.h"
#include "db/dbents.h"
#include "db/dbpl.h"
#include "db/dbpoly.h"
#include "tools/clothoide.h"
#include "tools/clothoideEnregistrement.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRayonNul = 1e-8;
// An intermediate point this close to the end would only double it.
constexpr double kEcartFin = 1e-9;

// The arc of a polyline segment from its bulge (tan of a quarter of the signed sweep).
void pointsSegmentCourbe(const AcGePoint3d& debut, const AcGePoint3d& fin, double bulge,
                         const parametresImplantation& parametres,
                         std::vector<AcGePoint3d>& points) {
  const double balayage = 4.0 * std::atan(bulge);
  const double corde = std::hypot(fin.x - debut.x, fin.y - debut.y);
  if (corde == 0.0) return;
  const double rayon = corde / (2.0 * std::sin(std::fabs(balayage) / 2.0));
  // The centre lies off the chord's middle, to the left for a counter-clockwise arc.
  const double distanceCentre = rayon * std::cos(balayage / 2.0);
  const double ux = (fin.x - debut.x) / corde, uy = (fin.y - debut.y) / corde;
  const double signe = bulge > 0 ? 1.0 : -1.0;
  const AcGePoint3d centre((debut.x + fin.x) / 2 - signe * uy * distanceCentre,
                           (debut.y + fin.y) / 2 + signe * ux * distanceCentre, debut.z);
  const AcGePoint3d& depart = bulge > 0 ? debut : fin;
  const AcGePoint3d& arrivee = bulge > 0 ? fin : debut;
  std::vector<AcGePoint3d> arc;
  pointsArc(centre, rayon, std::atan2(depart.y - centre.y, depart.x - centre.x),
            std::atan2(arrivee.y - centre.y, arrivee.x - centre.x), parametres, arc);
  // Clockwise arcs are made counter-clockwise from their end, then turned back.
  if (bulge < 0) std::reverse(arc.begin(), arc.end());
  for (AcGePoint3d& p : arc) p.z = debut.z;
  if (!arc.empty()) {
    arc.front() = debut;
    arc.back() = fin;
  }
  points.insert(points.end(), arc.begin(), arc.end());
}

void pointsPolyligneLegere(const AcDbPolyline& polyligne, const parametresImplantation& parametres,
                           std::vector<AcGePoint3d>& points) {
  const unsigned int nombre = polyligne.numVerts();
  const unsigned int segments = polyligne.isClosed() ? nombre : (nombre > 0 ? nombre - 1 : 0);
  if (nombre == 1) {
    AcGePoint3d seul;
    polyligne.getPointAt(0, seul);
    points.push_back(seul);
  }
  for (unsigned int i = 0; i < segments; ++i) {
    AcGePoint3d debut, fin;
    double bulge = 0.0;
    polyligne.getPointAt(i, debut);
    polyligne.getPointAt((i + 1) % nombre, fin);
    polyligne.getBulgeAt(i, bulge);
    std::vector<AcGePoint3d> segment;
    if (bulge != 0.0) {
      pointsSegmentCourbe(debut, fin, bulge, parametres, segment);
    } else {
      pointsDroite(debut, fin, parametres, segment);
    }
    // Each segment starts where the previous one ended.
    if (!points.empty() && !segment.empty()) segment.erase(segment.begin());
    points.insert(points.end(), segment.begin(), segment.end());
  }
}

template <typename Vertex>
void pointsSommets(AcDbObjectIterator* ouvert, std::vector<AcGePoint3d>& points) {
  const std::unique_ptr<AcDbObjectIterator> sommets(ouvert);
  if (!sommets) return;
  for (sommets->start(); !sommets->done(); sommets->step()) {
    Vertex* sommet = nullptr;
    if (acdbOpenObject(sommet, sommets->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    points.push_back(sommet->position());
    sommet->close();
  }
}

}  // namespace

void pointsDroite(const AcGePoint3d& debut, const AcGePoint3d& fin,
                  const parametresImplantation& parametres, std::vector<AcGePoint3d>& points) {
  points.push_back(debut);
  const double longueur = std::hypot(fin.x - debut.x, fin.y - debut.y);
  const double pas = parametres.distanceDroites;
  if (parametres.interpolerDroites != 0 && pas > 0.0 && longueur > pas) {
    for (long k = 1; k * pas < longueur - kEcartFin; ++k) {
      const double t = k * pas / longueur;
      points.emplace_back(debut.x + t * (fin.x - debut.x), debut.y + t * (fin.y - debut.y), debut.z);
    }
  }
  points.push_back(fin);
}

void pointsArc(const AcGePoint3d& centre, double rayon, double angleDebut, double angleFin,
               const parametresImplantation& parametres, std::vector<AcGePoint3d>& points) {
  if (!(rayon >= kRayonNul)) return;
  double balayage = std::fmod(angleFin - angleDebut, 2 * kPi);
  if (balayage < 0) balayage += 2 * kPi;
  const double valeur = parametres.valeurArcs;
  double pas = 0.0;
  if (parametres.modeArcs == kInterpolationErreurMax && rayon > valeur) {
    pas = 2.0 * std::acos(1.0 - valeur / rayon);  // the chord departs at most `valeur`
  } else {
    pas = valeur / rayon;
  }
  pas = std::min(pas, balayage / 2.0);
  auto surArc = [&](double angle) {
    return AcGePoint3d(centre.x + rayon * std::cos(angle), centre.y + rayon * std::sin(angle),
                       centre.z);
  };
  points.push_back(surArc(angleDebut));
  if (pas > 0.0) {
    for (long k = 1; k * pas < balayage - kEcartFin; ++k) points.push_back(surArc(angleDebut + k * pas));
  }
  points.push_back(surArc(angleDebut + balayage));
}

void pointsSurClothoide(const elementClothoide& element, const parametresImplantation& parametres,
                     std::vector<AcGePoint3d>& points) {
  const std::vector<AcGePoint2d> plans =
      parametres.modeClothoides == kInterpolationErreurMax
          ? element.echantillonnerErreurMax(parametres.valeurClothoides)
          : element.echantillonnerParPas(parametres.valeurClothoides);
  for (const AcGePoint2d& p : plans) points.emplace_back(p.x, p.y, 0.0);
}

std::vector<AcGePoint3d> pointsDeLEntite(AcDbObjectId id, const parametresImplantation& parametres) {
  std::vector<AcGePoint3d> points;
  elementClothoide clothoide;
  if (lireClothoidePolyligne(id, clothoide)) {
    pointsSurClothoide(clothoide, parametres, points);
    return points;
  }
  AcDbEntity* entite = nullptr;
  if (acdbOpenObject(entite, id, AcDb::kForRead) != Acad::eOk) return points;
  if (auto* point = AcDbPoint::cast(entite)) {
    points.push_back(point->position());
  } else if (auto* bloc = AcDbBlockReference::cast(entite)) {
    points.push_back(bloc->position());
  } else if (auto* ligne = AcDbLine::cast(entite)) {
    pointsDroite(ligne->startPoint(), ligne->endPoint(), parametres, points);
  } else if (auto* arc = AcDbArc::cast(entite)) {
    AcGePoint3d centre = arc->center();
    centre.z = 0.0;
    pointsArc(centre, arc->radius(), arc->startAngle(), arc->endAngle(), parametres, points);
  } else if (auto* legere = AcDbPolyline::cast(entite)) {
    pointsPolyligneLegere(*legere, parametres, points);
  } else if (auto* polyligne2d = AcDb2dPolyline::cast(entite)) {
    pointsSommets<AcDb2dVertex>(polyligne2d->vertexIterator(), points);
  } else if (auto* polyligne3d = AcDb3dPolyline::cast(entite)) {
    pointsSommets<AcDb3dPolylineVertex>(polyligne3d->vertexIterator(), points);
  }
  entite->close();
  return points;
}
