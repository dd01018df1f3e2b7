#include "computations/moindresCarresLieux.h"

#include <cmath>

namespace {

// Tolerances of the constructions (drawing units, squared units, radians).
constexpr double kCentresConfondus = 1e-6;
constexpr double kTangence = 1e-6;
constexpr double kAnglePlat = 1e-6;
constexpr double kSurArc = 1e-5;

struct cercleSimple {
  pointPlan centre;
  double rayon;
};

std::vector<pointPlan> droiteDroite(const lieuPoint& d1, const lieuPoint& d2) {
  const double ux = d1.b.x - d1.a.x, uy = d1.b.y - d1.a.y;
  const double vx = d2.b.x - d2.a.x, vy = d2.b.y - d2.a.y;
  const double det = ux * vy - uy * vx;
  // Parallel when the sine of their angle is below 1e-12.
  if (std::fabs(det) <= 1e-12 * std::hypot(ux, uy) * std::hypot(vx, vy)) return {};
  const double t = ((d2.a.x - d1.a.x) * vy - (d2.a.y - d1.a.y) * vx) / det;
  return {{d1.a.x + t * ux, d1.a.y + t * uy}};
}

std::vector<pointPlan> droiteCercle(const lieuPoint& d, cercleSimple c) {
  const double ux = d.b.x - d.a.x, uy = d.b.y - d.a.y;
  const double n = std::hypot(ux, uy);
  if (n == 0) return {};
  const double ex = ux / n, ey = uy / n;
  // Foot of the perpendicular from the centre, then half the chord on each side.
  const double t = (c.centre.x - d.a.x) * ex + (c.centre.y - d.a.y) * ey;
  const pointPlan pied{d.a.x + t * ex, d.a.y + t * ey};
  const double h = std::hypot(c.centre.x - pied.x, c.centre.y - pied.y);
  double disc = c.rayon * c.rayon - h * h;
  if (disc < -kTangence) return {};
  if (disc <= 0) return {pied};
  const double s = std::sqrt(disc);
  return {{pied.x - s * ex, pied.y - s * ey}, {pied.x + s * ex, pied.y + s * ey}};
}

std::vector<pointPlan> cercleCercle(cercleSimple c1, cercleSimple c2) {
  const double dx = c2.centre.x - c1.centre.x, dy = c2.centre.y - c1.centre.y;
  if (std::fabs(dx) < kCentresConfondus && std::fabs(dy) < kCentresConfondus) return {};
  const double d = std::hypot(dx, dy);
  const double a = (d * d + c1.rayon * c1.rayon - c2.rayon * c2.rayon) / (2 * d);
  const double disc = c1.rayon * c1.rayon - a * a;
  const pointPlan m{c1.centre.x + a * dx / d, c1.centre.y + a * dy / d};
  if (disc < -kTangence) return {};
  if (disc <= 0) return {m};
  const double h = std::sqrt(disc);
  return {{m.x + h * dy / d, m.y - h * dx / d}, {m.x - h * dy / d, m.y + h * dx / d}};
}

// The two circles on which the chord RT is seen under the arc's angle or its supplement; the
// candidates of each are kept only when they see the chord under the arc's own angle.
std::vector<cercleSimple> cerclesArc(const lieuPoint& arc) {
  const double cx = (arc.b.x - arc.a.x) / 2, cy = (arc.b.y - arc.a.y) / 2;
  const double demiCorde = std::hypot(cx, cy);
  const pointPlan milieu{arc.a.x + cx, arc.a.y + cy};
  const double rayon = demiCorde / std::fabs(std::sin(arc.angle));
  const double h = demiCorde / std::tan(arc.angle);
  const double nx = -cy / demiCorde, ny = cx / demiCorde;
  std::vector<cercleSimple> cercles{{{milieu.x + h * nx, milieu.y + h * ny}, rayon}};
  if (std::fabs(h) > kCentresConfondus)
    cercles.push_back({{milieu.x - h * nx, milieu.y - h * ny}, rayon});
  return cercles;
}

bool surArc(const lieuPoint& arc, pointPlan p) {
  if (distancePlan(p, arc.a) < kCentresConfondus || distancePlan(p, arc.b) < kCentresConfondus)
    return false;
  const double vu = reduireTour(gisement(p, arc.b) - gisement(p, arc.a));
  return std::fabs(reduireDemiTour(vu - arc.angle)) < kSurArc;
}

std::vector<pointPlan> sansArc(const lieuPoint& l1, const lieuPoint& l2) {
  if (l1.type == lieuPoint::kDroite && l2.type == lieuPoint::kDroite) return droiteDroite(l1, l2);
  if (l1.type == lieuPoint::kDroite) return droiteCercle(l1, {l2.a, l2.rayon});
  if (l2.type == lieuPoint::kDroite) return droiteCercle(l2, {l1.a, l1.rayon});
  return cercleCercle({l1.a, l1.rayon}, {l2.a, l2.rayon});
}

}  // namespace

lieuPoint cercle(pointPlan centre, double rayon) {
  lieuPoint l;
  l.type = lieuPoint::kCercle;
  l.a = centre;
  l.rayon = rayon;
  return l;
}

lieuPoint droiteGisement(pointPlan origine, double g) {
  lieuPoint l;
  l.type = lieuPoint::kDroite;
  l.a = origine;
  l.b = {origine.x + 1000 * std::sin(g), origine.y + 1000 * std::cos(g)};
  return l;
}

lieuPoint droitePassantPar(pointPlan a, pointPlan b) { return droiteGisement(a, gisement(a, b)); }

lieuPoint arcCapable(pointPlan r, pointPlan t, double angle) {
  const double a = reduireTour(angle);
  if (a < kAnglePlat || std::fabs(a - kPi) < kAnglePlat || std::fabs(a - 2 * kPi) < kAnglePlat)
    return droitePassantPar(t, r);
  lieuPoint l;
  l.type = lieuPoint::kArc;
  l.a = r;
  l.b = t;
  l.angle = a;
  return l;
}

std::vector<pointPlan> intersecter(const lieuPoint& l1, const lieuPoint& l2) {
  if (l1.type != lieuPoint::kArc && l2.type != lieuPoint::kArc) return sansArc(l1, l2);
  // Each arc stands for its circles; the candidates must then lie on the arc itself.
  std::vector<lieuPoint> formes1{l1}, formes2{l2};
  auto enCercles = [](const lieuPoint& l) {
    std::vector<lieuPoint> formes;
    for (const cercleSimple& c : cerclesArc(l)) formes.push_back(cercle(c.centre, c.rayon));
    return formes;
  };
  if (l1.type == lieuPoint::kArc) formes1 = enCercles(l1);
  if (l2.type == lieuPoint::kArc) formes2 = enCercles(l2);
  std::vector<pointPlan> points;
  for (const lieuPoint& f1 : formes1)
    for (const lieuPoint& f2 : formes2)
      for (const pointPlan& p : sansArc(f1, f2)) {
        if (l1.type == lieuPoint::kArc && !surArc(l1, p)) continue;
        if (l2.type == lieuPoint::kArc && !surArc(l2, p)) continue;
        bool double_ = false;
        for (const pointPlan& q : points) double_ |= distancePlan(p, q) < kCentresConfondus;
        if (!double_) points.push_back(p);
      }
  if (points.size() > 2) points.resize(2);
  return points;
}
