// PathSegment: one piece of a 2D path, a straight line or a circular arc, with the parameter
// conventions of the host's polylines: t runs from 0 at the start to 1 at the end, linear in length
// on a line and linear in angle on an arc. Values of t outside [0, 1] denote points of the
// prolonged segment (the line beyond its ends, the rest of the arc's circle).
#pragma once
#include "ge/gepnt2d.h"
#include "ge/gevec2d.h"

namespace ge {

class PathSegment {
 public:
  PathSegment() = default;

  static PathSegment line(const AcGePoint2d& start, const AcGePoint2d& end);
  // The segment from start to end with the given bulge: tan(included angle / 4), positive when the
  // arc turns counter-clockwise. A zero bulge, or coincident ends, gives a line.
  static PathSegment fromBulge(const AcGePoint2d& start, const AcGePoint2d& end, double bulge);
  // An arc of the circle (center, radius) starting at startAngle and turning by sweep (radians,
  // positive counter-clockwise, |sweep| <= 2pi).
  static PathSegment arc(const AcGePoint2d& center, double radius, double startAngle, double sweep);
  static PathSegment circle(const AcGePoint2d& center, double radius);

  bool isArc() const { return isArc_; }
  bool isLine() const { return !isArc_; }
  bool isFullCircle() const;
  const AcGePoint2d& start() const { return start_; }
  const AcGePoint2d& end() const { return end_; }
  // Arc data (meaningless for lines).
  const AcGePoint2d& center() const { return center_; }
  double radius() const { return radius_; }
  double startAngle() const { return startAngle_; }
  double sweep() const { return sweep_; }  // signed (radians)
  bool isCounterClockwise() const { return sweep_ > 0.0; }
  double bulge() const;  // 0 for a line

  double length() const;
  AcGePoint2d pointAt(double t) const;
  AcGeVector2d derivativeAt(double t) const;  // d point / d t
  AcGeVector2d tangentAt(double t) const;     // unit, in the direction of travel
  // The parameter of a point on the segment's carrier (its line, or its circle): for an arc, of
  // the two values that denote the point, the one nearer to [0, 1].
  double paramOf(const AcGePoint2d& p) const;
  // The parameter of the point nearest p: on the segment (clamped to [0, 1]), or on its carrier
  // when extended.
  double closestParam(const AcGePoint2d& p, bool extended) const;
  AcGePoint2d closestPoint(const AcGePoint2d& p, bool extended = false) const {
    return pointAt(closestParam(p, extended));
  }
  double distanceTo(const AcGePoint2d& p) const { return closestPoint(p).distanceTo(p); }

  // The axis-aligned box of the segment, arcs by their true extremes.
  void extents(AcGePoint2d& min, AcGePoint2d& max) const;
  // Twice the signed area swept from the point `from` (the segment's share of a closed path's
  // area, times two): the shoelace term of the chord plus the circular segment of an arc. Taking
  // `from` near the path keeps the products small for coordinates far from the origin.
  double doubleAreaTerm(const AcGePoint2d& from = AcGePoint2d(0, 0)) const;

  PathSegment reversed() const;
  PathSegment part(double t0, double t1) const;  // the piece between two parameters

 private:
  bool isArc_ = false;
  AcGePoint2d start_;
  AcGePoint2d end_;
  AcGePoint2d center_;
  double radius_ = 0.0;
  double startAngle_ = 0.0;
  double sweep_ = 0.0;
};

// An axis-aligned box, for quick rejection before exact tests.
struct Box2d {
  AcGePoint2d min;
  AcGePoint2d max;
  bool overlaps(const Box2d& other, double tol) const {
    return min.x <= other.max.x + tol && other.min.x <= max.x + tol && min.y <= other.max.y + tol &&
           other.min.y <= max.y + tol;
  }
  double distanceTo(const AcGePoint2d& p) const;  // 0 inside
};
Box2d boxOf(const PathSegment& segment);

// A tolerance on point positions that grows with the size of coordinates, so that drawings placed
// in projected coordinates (millions of units) keep a meaningful test: the larger of the given
// tolerance and 1e-12 times the magnitude.
double scaledTolerance(double tol, double magnitude);
double magnitudeOf(const AcGePoint2d& p);

}  // namespace ge
