// Internal: the arcs of polylines drawn tangent to what precedes them. Directions are in the XY
// plane; a bulge is tan(included angle / 4), positive counter-clockwise.
#pragma once
#include <optional>

#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"

namespace ed::draw {

// The bulge of the arc from `from` to `to` that leaves `from` along `direction`. None when the
// end point lies straight behind the start (the arc would be a whole circle) or on it.
std::optional<double> tangentArcBulge(const AcGeVector3d& direction, const AcGePoint3d& from,
                                      const AcGePoint3d& to);

// The direction of travel at the end of the segment from `from` to `to` with that bulge; null
// vector for a segment of no length.
AcGeVector3d segmentEndDirection(const AcGePoint3d& from, const AcGePoint3d& to, double bulge);

}  // namespace ed::draw

namespace ed::draw {

// The arc from `from` through `through` to `to`; none when the three points are aligned or two of
// them coincide.
std::optional<double> threePointArcBulge(const AcGePoint3d& from, const AcGePoint3d& through,
                                         const AcGePoint3d& to);

// The counter-clockwise arc of that radius (the shorter one) from `from` to `to`; none when the
// radius is shorter than half the chord.
std::optional<double> radiusArcBulge(const AcGePoint3d& from, const AcGePoint3d& to, double radius);

// The bulge of an arc of that included angle (radians, positive counter-clockwise); none for no
// angle or a whole turn.
std::optional<double> includedAngleBulge(double angle);

// The counter-clockwise arc about `center` from `from`, ending on the ray from the centre towards
// `toward`: its end point and bulge. None when a point is on the centre.
struct ArcEnd {
  AcGePoint3d end;
  double bulge;
};
std::optional<ArcEnd> centeredArc(const AcGePoint3d& from, const AcGePoint3d& center,
                                  const AcGePoint3d& toward);

}  // namespace ed::draw
