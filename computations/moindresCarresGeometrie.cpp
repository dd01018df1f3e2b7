#include "computations/moindresCarresGeometrie.h"

#include <cmath>

namespace {

// Below this (drawing units) two points are taken as one: no bearing joins them.
constexpr double kPointsConfondus = 1e-9;

}  // namespace

double reduireTour(double angle) {
  double a = std::fmod(angle, 2 * kPi);
  if (a < 0) a += 2 * kPi;
  return a >= 2 * kPi ? 0 : a;
}

double reduireDemiTour(double angle) {
  const double a = reduireTour(angle);
  return a > kPi ? a - 2 * kPi : a;
}

double gisement(pointPlan a, pointPlan b) {
  double g = kPi / 2 - std::atan2(b.y - a.y, b.x - a.x);
  if (g < 0) g += 2 * kPi;
  return g;
}

double distancePlan(pointPlan a, pointPlan b) { return std::hypot(b.x - a.x, b.y - a.y); }

pointPlan positionPoint(const reseauMoindresCarres& r, int i) { return {r.points[i].x, r.points[i].y}; }

double valeurCalculee(const reseauMoindresCarres& r, const observationMC& o, int remplace,
                      pointPlan position) {
  auto at = [&](int i) { return i == remplace ? position : positionPoint(r, i); };
  switch (o.type) {
    case kObsDistance: return distancePlan(at(o.station), at(o.visee));
    case kObsAngle: {
      const double vers = gisement(at(o.station), at(o.visee));
      if (o.reference < 0) return vers;
      return reduireTour(vers - gisement(at(o.station), at(o.reference)));
    }
    default: return o.valeur;
  }
}

namespace {

// Derivatives of the bearing s->t with respect to t (those of s are the opposites).
bool deriveesGisement(pointPlan s, pointPlan t, double& dX, double& dY) {
  const double q = (t.x - s.x) * (t.x - s.x) + (t.y - s.y) * (t.y - s.y);
  if (q < kPointsConfondus * kPointsConfondus) return false;
  dX = (t.y - s.y) / q;
  dY = -(t.x - s.x) / q;
  return true;
}

}  // namespace

bool deriver(const reseauMoindresCarres& r, const observationMC& o, ObservationReduite& ligne) {
  ligne = ObservationReduite();
  const pointPlan s = positionPoint(r, o.station);
  const pointPlan t = positionPoint(r, o.visee);
  if (o.type == kObsDistance) {
    const double d = distancePlan(s, t);
    if (d < kPointsConfondus) return false;
    ligne.point[0] = o.visee;
    ligne.dX[0] = (t.x - s.x) / d;
    ligne.dY[0] = (t.y - s.y) / d;
    ligne.point[1] = o.station;
    ligne.dX[1] = -ligne.dX[0];
    ligne.dY[1] = -ligne.dY[0];
    return true;
  }
  if (o.type != kObsAngle) return true;
  double tX, tY;
  if (!deriveesGisement(s, t, tX, tY)) return false;
  ligne.point[0] = o.station;
  ligne.dX[0] = -tX;
  ligne.dY[0] = -tY;
  ligne.point[1] = o.visee;
  ligne.dX[1] = tX;
  ligne.dY[1] = tY;
  if (o.reference >= 0) {
    double rX, rY;
    if (!deriveesGisement(s, positionPoint(r, o.reference), rX, rY)) return false;
    // The angle is the target's bearing minus the reference's.
    ligne.point[2] = o.reference;
    ligne.dX[2] = -rX;
    ligne.dY[2] = -rY;
    ligne.dX[0] += rX;
    ligne.dY[0] += rY;
  }
  return true;
}
