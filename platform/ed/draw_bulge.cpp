#include "ed/draw_bulge.h"

#include <cmath>

namespace ed::draw {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTiny = 1e-12;

}  // namespace

std::optional<double> tangentArcBulge(const AcGeVector3d& direction, const AcGePoint3d& from,
                                      const AcGePoint3d& to) {
  double cx = to.x - from.x, cy = to.y - from.y;
  if (std::hypot(cx, cy) < kTiny || std::hypot(direction.x, direction.y) < kTiny)
    return std::nullopt;
  // The angle from the tangent to the chord is half the included angle (tangent-chord angle), so
  // the bulge is tan(angle / 2).
  double angle = std::atan2(cy, cx) - std::atan2(direction.y, direction.x);
  angle = std::remainder(angle, 2.0 * kPi);
  if (std::fabs(std::fabs(angle) - kPi) < 1e-9) return std::nullopt;
  return std::tan(angle / 2.0);
}

AcGeVector3d segmentEndDirection(const AcGePoint3d& from, const AcGePoint3d& to, double bulge) {
  double cx = to.x - from.x, cy = to.y - from.y;
  double length = std::hypot(cx, cy);
  if (length < kTiny) return AcGeVector3d(0.0, 0.0, 0.0);
  // At the end of an arc the tangent is the chord turned by half the included angle.
  double turn = 2.0 * std::atan(bulge);
  double c = std::cos(turn), s = std::sin(turn);
  return AcGeVector3d((cx * c - cy * s) / length, (cx * s + cy * c) / length, 0.0);
}

}  // namespace ed::draw

namespace ed::draw {

std::optional<double> threePointArcBulge(const AcGePoint3d& from, const AcGePoint3d& through,
                                         const AcGePoint3d& to) {
  double ax = through.x - from.x, ay = through.y - from.y;
  double bx = to.x - through.x, by = to.y - through.y;
  double cross = ax * by - ay * bx;
  double lengths = std::hypot(ax, ay) * std::hypot(bx, by);
  if (lengths < kTiny || std::fabs(cross) < 1e-12 * lengths) return std::nullopt;
  // The turn at the middle point is half the included angle (inscribed angle theorem); the arc
  // turns the way the path does.
  double turn = std::atan2(cross, ax * bx + ay * by);
  return std::tan(turn / 2.0);
}

std::optional<double> radiusArcBulge(const AcGePoint3d& from, const AcGePoint3d& to,
                                     double radius) {
  double half = std::hypot(to.x - from.x, to.y - from.y) / 2.0;
  if (half < kTiny || radius < half) return std::nullopt;
  // sin(included / 2) = half chord / radius.
  return std::tan(std::asin(half / radius) / 2.0);
}

std::optional<double> includedAngleBulge(double angle) {
  if (std::fabs(angle) < kTiny || std::fabs(angle) >= 2.0 * kPi - 1e-9) return std::nullopt;
  return std::tan(angle / 4.0);
}

std::optional<ArcEnd> centeredArc(const AcGePoint3d& from, const AcGePoint3d& center,
                                  const AcGePoint3d& toward) {
  double radius = std::hypot(from.x - center.x, from.y - center.y);
  double rayLength = std::hypot(toward.x - center.x, toward.y - center.y);
  if (radius < kTiny || rayLength < kTiny) return std::nullopt;
  double start = std::atan2(from.y - center.y, from.x - center.x);
  double end = std::atan2(toward.y - center.y, toward.x - center.x);
  double swept = std::fmod(end - start + 4.0 * kPi, 2.0 * kPi);
  if (swept < 1e-12) return std::nullopt;
  AcGePoint3d endPoint(center.x + radius * std::cos(end), center.y + radius * std::sin(end),
                       from.z);
  return ArcEnd{endPoint, std::tan(swept / 4.0)};
}

}  // namespace ed::draw
