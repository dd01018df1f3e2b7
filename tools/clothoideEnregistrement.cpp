#include "tools/clothoideEnregistrement.h"

#include <cmath>
#include <numbers>

#include "db/acdbads.h"
#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbentity.h"
#include "ed/aced.h"
#include "ge/gevec2d.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kCodePoint = 1011;

double angleNormalise(double angle) {
  angle = std::fmod(angle, 2.0 * kPi);
  if (angle > kPi) angle -= 2.0 * kPi;
  if (angle <= -kPi) angle += 2.0 * kPi;
  return angle;
}

// 1 / R, 0 for the infinite radius that a centre on its own end point stands for.
double courbure(const AcGePoint2d& point, const AcGePoint2d& centre) {
  const double rayon = point.distanceTo(centre);
  return rayon > 1e-12 ? 1.0 / rayon : 0.0;
}

// Intersection of the lines through a along u and through b along v.
bool intersectionDroites(const AcGePoint2d& a, const AcGeVector2d& u, const AcGePoint2d& b,
                         const AcGeVector2d& v, AcGePoint2d& resultat) {
  const double det = u.x * v.y - u.y * v.x;
  if (std::fabs(det) < 1e-15 * u.length() * v.length()) return false;
  const AcGeVector2d ab = b - a;
  const double t = (ab.x * v.y - ab.y * v.x) / det;
  resultat = a + u * t;
  return true;
}

}  // namespace

bool pointsDeClothoide(const elementClothoide& element, pointsClothoide& points) {
  const double s0 = element.longueurDebut();
  const double s1 = element.longueurFin();
  if (!element.pointA(s0, points.debut) || !element.pointA(s1, points.fin)) return false;
  const double t0 = element.tangenteA(s0);
  const double t1 = element.tangenteA(s1);
  if (!intersectionDroites(points.debut, AcGeVector2d(std::cos(t0), std::sin(t0)), points.fin,
                           AcGeVector2d(std::cos(t1), std::sin(t1)),
                           points.intersectionTangentes)) {
    return false;
  }
  if (!element.centreCourbureA(s0, points.centreDebut)) points.centreDebut = points.debut;
  if (!element.centreCourbureA(s1, points.centreFin)) points.centreFin = points.fin;
  return true;
}

// The deflection between the end tangents is |τ1 − τ0| = A²/2 · |1/R1² − 1/R0²| (τ = s²/2A² and
// s = A²/R), which gives A; the lengths follow from the radii and the frame from the start.
bool clothoideDepuisPoints(const pointsClothoide& points, elementClothoide& element) {
  const AcGeVector2d entree = points.intersectionTangentes - points.debut;
  const AcGeVector2d sortie = points.fin - points.intersectionTangentes;
  if (entree.length() < 1e-12 || sortie.length() < 1e-12) return false;
  const double directionEntree = std::atan2(entree.y, entree.x);
  const double deviation = angleNormalise(std::atan2(sortie.y, sortie.x) - directionEntree);
  const double k0 = courbure(points.debut, points.centreDebut);
  const double k1 = courbure(points.fin, points.centreFin);
  const double ecartCourbures = std::fabs(k1 * k1 - k0 * k0);
  if (std::fabs(deviation) < 1e-12 || ecartCourbures < 1e-300) return false;
  const double a2 = 2.0 * std::fabs(deviation) / ecartCourbures;
  const double a = std::sqrt(a2);
  const double s0 = a2 * k0;
  const double s1 = a2 * k1;
  if (!std::isfinite(a) || !std::isfinite(s0) || !std::isfinite(s1)) return false;
  // Travelling towards the origin turns the other way from the clothoid's own sense.
  const bool versOrigine = s1 < s0;
  const bool tourneAGauche = deviation > 0.0;
  const bool miroir = tourneAGauche == versOrigine;
  const double tau0 = s0 * s0 / (2.0 * a2);
  const double tangenteDebut = directionEntree + (versOrigine ? kPi : 0.0);
  element.setParametre(a);
  element.setLongueurs(s0, s1);
  element.setMiroir(miroir);
  element.setOrientation(tangenteDebut - (miroir ? -tau0 : tau0));
  element.setOrigine(AcGePoint2d::kOrigin);
  AcGePoint2d debutSansTranslation;
  if (!element.pointA(s0, debutSansTranslation)) return false;
  element.setOrigine(AcGePoint2d::kOrigin + (points.debut - debutSansTranslation));
  return true;
}

resbuf* chaineClothoide(const elementClothoide& element) {
  pointsClothoide points;
  if (!pointsDeClothoide(element, points)) return nullptr;
  const ads_point debut = {points.debut.x, points.debut.y, 0.0};
  const ads_point fin = {points.fin.x, points.fin.y, 0.0};
  const ads_point tangentes = {points.intersectionTangentes.x, points.intersectionTangentes.y, 0.0};
  const ads_point centreDebut = {points.centreDebut.x, points.centreDebut.y, 0.0};
  const ads_point centreFin = {points.centreFin.x, points.centreFin.y, 0.0};
  return acutBuildList(1001, kApplicationClothoide, 1071, kMarqueurClothoide, kCodePoint, debut,
                       kCodePoint, fin, kCodePoint, tangentes, kCodePoint, centreDebut, kCodePoint,
                       centreFin, 0);
}

bool lireChaineClothoide(const resbuf* chaine, elementClothoide& element) {
  if (chaine == nullptr || chaine->restype != 1001) return false;
  const resbuf* item = chaine->rbnext;
  if (item == nullptr || item->restype != 1071 || item->resval.rlong != kMarqueurClothoide) {
    return false;
  }
  AcGePoint2d lus[5];
  for (AcGePoint2d& lu : lus) {
    item = item->rbnext;
    if (item == nullptr || item->restype != kCodePoint) return false;
    lu.set(item->resval.rpoint[0], item->resval.rpoint[1]);
    if (!std::isfinite(lu.x) || !std::isfinite(lu.y)) return false;
  }
  const pointsClothoide points{lus[0], lus[1], lus[2], lus[3], lus[4]};
  return clothoideDepuisPoints(points, element);
}

bool transformerClothoide(elementClothoide& element, const AcGeMatrix2d& transformation) {
  if (!transformation.isUniScaledOrtho()) return false;
  pointsClothoide points;
  if (!pointsDeClothoide(element, points)) return false;
  for (AcGePoint2d* point : {&points.debut, &points.fin, &points.intersectionTangentes,
                             &points.centreDebut, &points.centreFin}) {
    point->transformBy(transformation);
  }
  elementClothoide transforme;
  if (!clothoideDepuisPoints(points, transforme)) return false;
  element = transforme;
  return true;
}

bool lireClothoidePolyligne(AcDbObjectId polyligne, elementClothoide& element) {
  AcDbEntity* entite = nullptr;
  if (acdbOpenObject(entite, polyligne, AcDb::kForRead) != Acad::eOk) return false;
  resbuf* chaine = entite->xData(kApplicationClothoide);
  entite->close();
  const bool lu = lireChaineClothoide(chaine, element);
  acutRelRb(chaine);
  return lu;
}

bool ecrireClothoidePolyligne(AcDbObjectId polyligne, const elementClothoide& element) {
  resbuf* chaine = chaineClothoide(element);
  if (chaine == nullptr) return false;
  acdbRegApp(kApplicationClothoide);
  AcDbEntity* entite = nullptr;
  bool ecrit = false;
  if (acdbOpenObject(entite, polyligne, AcDb::kForWrite) == Acad::eOk) {
    ecrit = entite->setXData(chaine) == Acad::eOk;
    entite->close();
  }
  acutRelRb(chaine);
  return ecrit;
}

bool placerClothoidePolyligne(AcDbObjectId polyligne, const AcGeMatrix2d& transformation) {
  elementClothoide element;
  if (!lireClothoidePolyligne(polyligne, element)) return false;
  if (!transformerClothoide(element, transformation)) {
    acutPrintf(L"\nErreur CL1 !!!");
    return false;
  }
  return ecrireClothoidePolyligne(polyligne, element);
}
