#include "tools/clothoide.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ge/gevec2d.h"
#include "tools/clothoideFresnel.h"

namespace {
constexpr double kRacinePi = 1.7724538509055160273;  // √π
// Below this length the curvature is taken as zero (no centre).
constexpr double kLongueurNulle = 1e-12;
// Interior points where the departure of a chord from the curve is measured; the margin covers
// the maximum falling between two of them.
constexpr int kPointsControleCorde = 15;  // odd, so that the middle is one of them
// Reduction of the step while a chord departs too far from the curve.
constexpr double kReductionPas = 0.9;
constexpr double kMargeErreur = 0.99;
}  // namespace

void elementClothoide::setOrigine(const AcGePoint2d& origine) {
  origine_ = origine;
  matricesValides_ = false;
}

void elementClothoide::setOrientation(double orientation) {
  orientation_ = orientation;
  matricesValides_ = false;
}

void elementClothoide::setMiroir(bool miroir) {
  miroir_ = miroir;
  matricesValides_ = false;
}

void elementClothoide::construireMatrices() const {
  const AcGeVector2d axeX(std::cos(orientation_), std::sin(orientation_));
  AcGeVector2d axeY(-axeX.y, axeX.x);
  if (miroir_) axeY = -axeY;
  localVersDessin_.setCoordSystem(origine_, axeX, axeY);
  dessinVersLocal_ = localVersDessin_.inverse();
  matricesValides_ = true;
}

const AcGeMatrix2d& elementClothoide::localVersDessin() const {
  if (!matricesValides_) construireMatrices();
  return localVersDessin_;
}

const AcGeMatrix2d& elementClothoide::dessinVersLocal() const {
  if (!matricesValides_) construireMatrices();
  return dessinVersLocal_;
}

// x = A√π C(t), y = A√π S(t) with t = s / (A√π).
bool elementClothoide::pointLocal(double s, AcGePoint2d& point) const {
  if (a_ == 0.0 || !std::isfinite(a_) || !std::isfinite(s)) return false;
  const double echelle = a_ * kRacinePi;
  double c = 0.0;
  double sn = 0.0;
  if (!integralesFresnel(s / echelle, c, sn)) return false;
  point.set(echelle * c, echelle * sn);
  return true;
}

bool elementClothoide::pointA(double s, AcGePoint2d& point) const {
  AcGePoint2d local;
  if (!pointLocal(s, local)) return false;
  point = local.transformBy(localVersDessin());
  // Extreme parameters read from a drawing can overflow the placement: no point rather than NaN.
  return std::isfinite(point.x) && std::isfinite(point.y);
}

double elementClothoide::rayonA(double s) const {
  if (a_ == 0.0 || std::fabs(s) <= kLongueurNulle) return 0.0;
  return a_ * a_ / std::fabs(s);
}

double elementClothoide::tangenteA(double s) const {
  const double tau = a_ == 0.0 ? 0.0 : s * s / (2.0 * a_ * a_);
  return orientation_ + (miroir_ ? -tau : tau);
}

bool elementClothoide::centreCourbureA(double s, AcGePoint2d& centre) const {
  if (s <= kLongueurNulle) return false;
  AcGePoint2d local;
  if (!pointLocal(s, local)) return false;
  const double rayon = a_ * a_ / s;
  const double tau = s * s / (2.0 * a_ * a_);
  local += AcGeVector2d(-std::sin(tau), std::cos(tau)) * rayon;
  centre = local.transformBy(localVersDessin());
  return true;
}

std::vector<AcGePoint2d> elementClothoide::echantillonnerParPas(double pas) const {
  std::vector<AcGePoint2d> points;
  if (a_ == 0.0 || !(pas > 0.0)) return points;
  const double longueur = std::fabs(s1_ - s0_);
  const double sens = s1_ >= s0_ ? 1.0 : -1.0;
  // A step closer than a thousandth of itself to the end would only double the end point.
  const double dernier = longueur - pas * 1e-3;
  AcGePoint2d point;
  for (long k = 0; k * pas < dernier; ++k) {
    if (pointA(s0_ + sens * k * pas, point)) points.push_back(point);
  }
  if (pointA(s1_, point)) points.push_back(point);
  return points;
}

double elementClothoide::ecartCorde(double debut, double fin) const {
  AcGePoint2d a;
  AcGePoint2d b;
  if (!pointLocal(debut, a) || !pointLocal(fin, b)) return 0.0;
  const AcGeVector2d corde = b - a;
  const double longueurCorde = corde.length();
  double ecart = 0.0;
  for (int i = 1; i <= kPointsControleCorde; ++i) {
    AcGePoint2d p;
    if (!pointLocal(debut + (fin - debut) * i / (kPointsControleCorde + 1), p)) continue;
    const AcGeVector2d ap = p - a;
    const double distance = longueurCorde > 0.0
                                ? std::fabs(corde.x * ap.y - corde.y * ap.x) / longueurCorde
                                : ap.length();
    if (distance > ecart) ecart = distance;
  }
  return ecart;
}

std::vector<AcGePoint2d> elementClothoide::echantillonnerErreurMax(double erreurMax) const {
  std::vector<AcGePoint2d> points;
  if (a_ == 0.0 || !(erreurMax > 0.0)) return points;
  const double sens = s1_ >= s0_ ? 1.0 : -1.0;
  const double longueur = std::fabs(s1_ - s0_);
  AcGePoint2d point;
  if (pointA(s0_, point)) points.push_back(point);
  double parcouru = 0.0;
  // Floors the step so that a sharp curve against a tiny error still ends.
  const double pasMinimum = std::max(longueur * 1e-6, 1e-9);
  while (parcouru < longueur) {
    double pas = longueur - parcouru;
    const double debut = s0_ + sens * parcouru;
    while (pas > pasMinimum && ecartCorde(debut, debut + sens * pas) > kMargeErreur * erreurMax) {
      pas *= kReductionPas;
    }
    pas = std::max(pas, pasMinimum);
    parcouru = std::min(longueur, parcouru + pas);
    if (pointA(s0_ + sens * parcouru, point)) points.push_back(point);
  }
  return points;
}
