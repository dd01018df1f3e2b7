#include "ge/path_segment.h"

#include <algorithm>
#include <cmath>

#include "ge/angles.h"

namespace ge {

double scaledTolerance(double tol, double magnitude) { return std::max(tol, 1e-12 * magnitude); }

double Box2d::distanceTo(const AcGePoint2d& p) const {
  const double dx = std::max({min.x - p.x, 0.0, p.x - max.x});
  const double dy = std::max({min.y - p.y, 0.0, p.y - max.y});
  return std::hypot(dx, dy);
}

Box2d boxOf(const PathSegment& segment) {
  Box2d box;
  segment.extents(box.min, box.max);
  return box;
}

double magnitudeOf(const AcGePoint2d& p) { return std::max(std::fabs(p.x), std::fabs(p.y)); }

PathSegment PathSegment::line(const AcGePoint2d& start, const AcGePoint2d& end) {
  PathSegment s;
  s.start_ = start;
  s.end_ = end;
  return s;
}

PathSegment PathSegment::fromBulge(const AcGePoint2d& start, const AcGePoint2d& end, double bulge) {
  const double chord = start.distanceTo(end);
  if (bulge == 0.0 || chord == 0.0 || !std::isfinite(bulge)) return line(start, end);
  // The centre lies on the chord's bisector, (chord / 2) (1 - b^2) / (2 b) to the left of the
  // chord (negative: to the right).
  const AcGeVector2d along = (end - start) / chord;
  const AcGeVector2d left = along.perpVector();
  const AcGePoint2d mid(0.5 * (start.x + end.x), 0.5 * (start.y + end.y));
  const AcGePoint2d center = mid + left * (0.5 * chord * (1.0 - bulge * bulge) / (2.0 * bulge));
  PathSegment s;
  s.isArc_ = true;
  s.start_ = start;
  s.end_ = end;
  s.center_ = center;
  s.radius_ = 0.5 * chord * (1.0 + bulge * bulge) / (2.0 * std::fabs(bulge));
  s.startAngle_ = std::atan2(start.y - center.y, start.x - center.x);
  s.sweep_ = 4.0 * std::atan(bulge);
  return s;
}

PathSegment PathSegment::arc(const AcGePoint2d& center, double radius, double startAngle,
                             double sweep) {
  PathSegment s;
  s.isArc_ = true;
  s.center_ = center;
  s.radius_ = radius;
  s.startAngle_ = startAngle;
  s.sweep_ = std::clamp(sweep, -kTwoPi, kTwoPi);
  s.start_ = center + AcGeVector2d(std::cos(startAngle), std::sin(startAngle)) * radius;
  s.end_ = center + AcGeVector2d(std::cos(startAngle + s.sweep_), std::sin(startAngle + s.sweep_)) *
                        radius;
  return s;
}

PathSegment PathSegment::circle(const AcGePoint2d& center, double radius) {
  return arc(center, radius, 0.0, kTwoPi);
}

bool PathSegment::isFullCircle() const {
  return isArc_ && std::fabs(std::fabs(sweep_) - kTwoPi) < 1e-12;
}

double PathSegment::bulge() const {
  if (!isArc_) return 0.0;
  return std::tan(sweep_ / 4.0);
}

double PathSegment::length() const {
  return isArc_ ? radius_ * std::fabs(sweep_) : start_.distanceTo(end_);
}

AcGePoint2d PathSegment::pointAt(double t) const {
  if (!isArc_) {
    if (t == 1.0) return end_;
    return start_ + (end_ - start_) * t;
  }
  if (t == 0.0) return start_;
  if (t == 1.0) return end_;
  const double a = startAngle_ + sweep_ * t;
  return center_ + AcGeVector2d(std::cos(a), std::sin(a)) * radius_;
}

AcGeVector2d PathSegment::derivativeAt(double t) const {
  if (!isArc_) return end_ - start_;
  const double a = startAngle_ + sweep_ * t;
  return AcGeVector2d(-std::sin(a), std::cos(a)) * (radius_ * sweep_);
}

AcGeVector2d PathSegment::tangentAt(double t) const {
  if (!isArc_) return (end_ - start_).normal();
  const double a = startAngle_ + sweep_ * t;
  const AcGeVector2d ccw(-std::sin(a), std::cos(a));
  return sweep_ >= 0.0 ? ccw : -ccw;
}

double PathSegment::paramOf(const AcGePoint2d& p) const {
  if (!isArc_) {
    const AcGeVector2d d = end_ - start_;
    const double len2 = d.lengthSqrd();
    return len2 > 0.0 ? (p - start_).dotProduct(d) / len2 : 0.0;
  }
  if (sweep_ == 0.0) return 0.0;
  const double phi = std::atan2(p.y - center_.y, p.x - center_.x);
  // Angle travelled from the start in the arc's own sense, in [0, 2pi).
  const double delta = normalizeAngle(sweep_ > 0.0 ? phi - startAngle_ : startAngle_ - phi);
  const double span = std::fabs(sweep_);
  if (delta <= span) return delta / span;
  // Beyond the end: either past the end or before the start, whichever is nearer.
  const double past = delta - span, before = kTwoPi - delta;
  return past <= before ? delta / span : -before / span;
}

double PathSegment::closestParam(const AcGePoint2d& p, bool extended) const {
  if (!isArc_) {
    const double t = paramOf(p);
    return extended ? t : std::clamp(t, 0.0, 1.0);
  }
  if (p.isEqualTo(center_, AcGeTol())) return 0.0;  // every point is nearest: take the start
  const double t = paramOf(p);
  if (extended || (t >= 0.0 && t <= 1.0)) return t;
  return p.distanceTo(start_) <= p.distanceTo(end_) ? 0.0 : 1.0;
}

void PathSegment::extents(AcGePoint2d& min, AcGePoint2d& max) const {
  min.set(std::min(start_.x, end_.x), std::min(start_.y, end_.y));
  max.set(std::max(start_.x, end_.x), std::max(start_.y, end_.y));
  if (!isArc_) return;
  // Each axis direction (0, 90, 180, 270 degrees) the arc passes through extends the box to the
  // circle.
  for (int k = 0; k < 4; ++k) {
    const double axis = k * (kPi / 2.0);
    const double delta = normalizeAngle(sweep_ > 0.0 ? axis - startAngle_ : startAngle_ - axis);
    if (delta > std::fabs(sweep_)) continue;
    const AcGePoint2d q(center_.x + radius_ * (k == 0 ? 1 : (k == 2 ? -1 : 0)),
                        center_.y + radius_ * (k == 1 ? 1 : (k == 3 ? -1 : 0)));
    min.set(std::min(min.x, q.x), std::min(min.y, q.y));
    max.set(std::max(max.x, q.x), std::max(max.y, q.y));
  }
}

double PathSegment::doubleAreaTerm(const AcGePoint2d& from) const {
  const AcGeVector2d a = start_ - from, b = end_ - from;
  double term = a.x * b.y - b.x * a.y;
  if (isArc_) term += radius_ * radius_ * (sweep_ - std::sin(sweep_));
  return term;
}

PathSegment PathSegment::reversed() const {
  if (!isArc_) return line(end_, start_);
  PathSegment s = *this;
  s.start_ = end_;
  s.end_ = start_;
  s.startAngle_ = startAngle_ + sweep_;
  s.sweep_ = -sweep_;
  return s;
}

PathSegment PathSegment::part(double t0, double t1) const {
  if (!isArc_) return line(pointAt(t0), pointAt(t1));
  PathSegment s = arc(center_, radius_, startAngle_ + sweep_ * t0, sweep_ * (t1 - t0));
  // Keep the exact end points where they are the segment's own.
  if (t0 == 0.0) s.start_ = start_;
  if (t0 == 1.0) s.start_ = end_;
  if (t1 == 1.0) s.end_ = end_;
  if (t1 == 0.0) s.end_ = start_;
  return s;
}

}  // namespace ge
