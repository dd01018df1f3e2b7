#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "ge/gearc2d.h"
#include "ge/gearc3d.h"
#include "ge/geline2d.h"
#include "ge/geline3d.h"
#include "ge/gelnsg2d.h"
#include "ge/gelnsg3d.h"
#include "ge/gemat3d.h"
#include "ge/geplane.h"
#include "ge_test_util.h"

namespace {
constexpr double kPi = std::numbers::pi;
}

TEST(LineSeg2d, ParametersClosestPointsAndIntersection) {
  const AcGeLineSeg2d seg(AcGePoint2d(0, 0), AcGePoint2d(10, 0));
  EXPECT_PT2(seg.evalPoint(0.25), 2.5, 0, 1e-15);
  EXPECT_NEAR(seg.paramOf(AcGePoint2d(7, 3)), 0.7, 1e-15);
  EXPECT_PT2(seg.closestPointTo(AcGePoint2d(-4, 3)), 0, 0, 1e-15);  // clamped to the start
  const AcGeLine2d line(AcGePoint2d(0, 0), AcGeVector2d(1, 0));
  EXPECT_PT2(line.closestPointTo(AcGePoint2d(-4, 3)), -4, 0, 1e-15);  // unbounded
  EXPECT_NEAR(seg.length(), 10.0, 1e-15);

  AcGePoint2d p;
  EXPECT_TRUE(seg.intersectWith(AcGeLineSeg2d(AcGePoint2d(3, -1), AcGePoint2d(3, 1)), p));
  EXPECT_PT2(p, 3, 0, 1e-15);
  EXPECT_FALSE(seg.intersectWith(AcGeLineSeg2d(AcGePoint2d(13, -1), AcGePoint2d(13, 1)), p));
  EXPECT_TRUE(line.intersectWith(AcGeLineSeg2d(AcGePoint2d(13, -1), AcGePoint2d(13, 1)), p));
  EXPECT_TRUE(seg.isColinearTo(AcGeLine2d(AcGePoint2d(20, 0), AcGeVector2d(-3, 0))));

  AcGePoint2d q(3, 4);
  q.mirror(AcGeLine2d(AcGePoint2d(0, 1), AcGeVector2d(1, 0)));  // about y = 1
  EXPECT_PT2(q, 3, -2, 1e-15);
}

TEST(CircArc2d, ConstructionFromPointsAndBulges) {
  // Through (5, 0), (0, 5), (-5, 0): the upper half of the circle of radius 5, counter-clockwise.
  const AcGeCircArc2d upper(AcGePoint2d(5, 0), AcGePoint2d(0, 5), AcGePoint2d(-5, 0));
  EXPECT_PT2(upper.center(), 0, 0, 1e-12);
  EXPECT_NEAR(upper.radius(), 5.0, 1e-12);
  EXPECT_FALSE(upper.isClockWise());
  EXPECT_NEAR(upper.endAng() - upper.startAng(), kPi, 1e-12);
  EXPECT_NEAR(upper.bulge(), 1.0, 1e-12);
  // The same points the other way round: clockwise.
  const AcGeCircArc2d lowerCw(AcGePoint2d(-5, 0), AcGePoint2d(0, 5), AcGePoint2d(5, 0));
  EXPECT_TRUE(lowerCw.isClockWise());
  EXPECT_PT2(lowerCw.evalPoint(lowerCw.startAng() + kPi / 2), 0, 5, 1e-12);
  EXPECT_NEAR(lowerCw.bulge(), -1.0, 1e-12);

  // From a polyline bulge (flag false) and from the height above the chord (flag true).
  const AcGeCircArc2d byBulge(AcGePoint2d(0, 0), AcGePoint2d(10, 0), 1.0, false);
  EXPECT_PT2(byBulge.center(), 5, 0, 1e-12);
  EXPECT_PT2(byBulge.evalPoint(0.5 * (byBulge.startAng() + byBulge.endAng())), 5, -5, 1e-12);
  const AcGeCircArc2d byHeight(AcGePoint2d(0, 0), AcGePoint2d(8, 0), 2.0, true);
  EXPECT_NEAR(byHeight.radius(), 5.0, 1e-12);  // chord 8, height 2
  EXPECT_PT2(byHeight.center(), 4, 3, 1e-12);
}

TEST(CircArc2d, ParametersClosestPointsAndIntersections) {
  const AcGeCircArc2d quarter(AcGePoint2d(0, 0), 5, 0, kPi / 2);
  EXPECT_NEAR(quarter.paramOf(AcGePoint2d(0, 7)), kPi / 2, 1e-12);
  EXPECT_PT2(quarter.closestPointTo(AcGePoint2d(6, 6)), 5 * std::sqrt(0.5), 5 * std::sqrt(0.5),
             1e-12);
  // Outside its span the nearer end answers.
  EXPECT_PT2(quarter.closestPointTo(AcGePoint2d(1, -9)), 5, 0, 1e-12);
  EXPECT_NEAR(quarter.length(), 2.5 * kPi, 1e-12);

  int n = 0;
  AcGePoint2d p1, p2;
  ASSERT_TRUE(quarter.intersectWith(AcGeLine2d(AcGePoint2d(0, 5), AcGeVector2d(1, 0)), n, p1, p2));
  EXPECT_EQ(n, 1);  // tangent at the end
  EXPECT_PT2(p1, 0, 5, 1e-12);
  EXPECT_FALSE(quarter.intersectWith(AcGeLineSeg2d(AcGePoint2d(-6, -3), AcGePoint2d(6, -3)), n, p1,
                                     p2));
  EXPECT_EQ(n, 0);
  ASSERT_TRUE(quarter.intersectWith(AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(10, 10)), n, p1,
                                    p2));
  EXPECT_EQ(n, 1);
  ASSERT_TRUE(AcGeCircArc2d(AcGePoint2d(0, 0), 5)
                  .intersectWith(AcGeCircArc2d(AcGePoint2d(8, 0), 5), n, p1, p2));
  EXPECT_EQ(n, 2);

  AcGeLine2d tangent;
  ASSERT_TRUE(quarter.tangent(AcGePoint2d(5, 0), tangent));
  EXPECT_PT2(AcGePoint2d::kOrigin + tangent.direction(), 0, 1, 1e-12);
}

TEST(CircArc2d, ExtentsCrossingTheAxes) {
  AcGePoint2d lo, hi;
  // 80 to 190 degrees: crosses 90 and 180.
  AcGeCircArc2d(AcGePoint2d(1, 1), 2, 80 * kPi / 180, 190 * kPi / 180).getExtents(lo, hi);
  EXPECT_PT2(lo, -1, 1 + 2 * std::sin(190 * kPi / 180), 1e-12);
  EXPECT_PT2(hi, 1 + 2 * std::cos(80 * kPi / 180), 3, 1e-12);
  // 350 to 10 degrees (through 0): crosses 0 only.
  AcGeCircArc2d(AcGePoint2d(0, 0), 1, -10 * kPi / 180, 10 * kPi / 180).getExtents(lo, hi);
  EXPECT_NEAR(hi.x, 1.0, 1e-12);
  EXPECT_NEAR(lo.x, std::cos(10 * kPi / 180), 1e-12);
  EXPECT_NEAR(hi.y, std::sin(10 * kPi / 180), 1e-12);
  // A full circle.
  AcGeCircArc2d(AcGePoint2d(0, 0), 3).getExtents(lo, hi);
  EXPECT_PT2(lo, -3, -3, 1e-12);
  EXPECT_PT2(hi, 3, 3, 1e-12);
}

TEST(CircArc3d, PlaneParametersAndBox) {
  // An arc seen from below (normal -Z): angles run clockwise in plan.
  const AcGeCircArc3d arc(AcGePoint3d(0, 0, 2), AcGeVector3d(0, 0, -1), AcGeVector3d(1, 0, 0), 4,
                          0, kPi / 2);
  EXPECT_PT3(arc.endPoint(), 0, -4, 2, 1e-12);
  EXPECT_NEAR(arc.paramOf(AcGePoint3d(0, -9, 5)), kPi / 2, 1e-12);
  const AcGeBoundBlock3d box = arc.orthoBoundBlock();
  AcGePoint3d lo, hi;
  box.getMinMaxPoints(lo, hi);
  EXPECT_PT3(lo, 0, -4, 2, 1e-12);
  EXPECT_PT3(hi, 4, 0, 2, 1e-12);

  // Three points in space.
  const AcGeCircArc3d tilted(AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0), AcGePoint3d(-1, 0, 0));
  EXPECT_PT3(tilted.center(), 0, 0, 0, 1e-12);
  EXPECT_NEAR(tilted.endAng() - tilted.startAng(), kPi, 1e-12);
  EXPECT_PT3(tilted.normal(), 0, 0, 1, 1e-12);

  // A full circle in the XZ plane: a line of that plane meets it twice.
  const AcGeCircArc3d vertical(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0), 5);
  int n = 0;
  AcGePoint3d p1, p2;
  ASSERT_TRUE(vertical.intersectWith(AcGeLine3d(AcGePoint3d(3, 0, 0), AcGeVector3d(0, 0, 1)), n,
                                     p1, p2));
  EXPECT_EQ(n, 2);
  EXPECT_NEAR(std::fabs(p1.z), 4.0, 1e-12);
  // A line piercing the plane at a point of the circle: once.
  ASSERT_TRUE(vertical.intersectWith(AcGeLine3d(AcGePoint3d(3, -1, 4), AcGeVector3d(0, 1, 0)), n,
                                     p1, p2));
  EXPECT_EQ(n, 1);
  EXPECT_PT3(p1, 3, 0, 4, 1e-12);

  // Mirrored in the XZ plane the arc keeps its points.
  AcGeCircArc3d m = arc;
  m.transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0))));
  EXPECT_PT3(m.endPoint(), 0, 4, 2, 1e-12);
  EXPECT_PT3(m.startPoint(), 4, 0, 2, 1e-12);
}

TEST(Plane, LinesAndPlanes) {
  const AcGePlane plane(AcGePoint3d(0, 0, 3), AcGeVector3d(0, 0, 2));
  AcGePoint3d p;
  ASSERT_TRUE(plane.intersectWith(AcGeLine3d(AcGePoint3d(1, 1, 0), AcGeVector3d(1, 0, 1)), p));
  EXPECT_PT3(p, 4, 1, 3, 1e-12);
  EXPECT_FALSE(plane.intersectWith(AcGeLineSeg3d(AcGePoint3d(1, 1, 0), AcGePoint3d(2, 1, 1)), p));
  EXPECT_FALSE(plane.intersectWith(AcGeLine3d(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0)), p));

  AcGeLine3d common;
  ASSERT_TRUE(plane.intersectWith(AcGePlane(AcGePoint3d(5, 0, 0), AcGeVector3d(1, 0, 0)), common));
  EXPECT_TRUE(common.isOn(AcGePoint3d(5, 17, 3)));
  EXPECT_TRUE(common.direction().isParallelTo(AcGeVector3d::kYAxis));

  // Closest points of two skew segments.
  const AcGeLineSeg3d s1(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  const AcGeLineSeg3d s2(AcGePoint3d(5, -5, 2), AcGePoint3d(5, 5, 2));
  AcGePoint3d onOther;
  EXPECT_PT3(s1.closestPointTo(s2, onOther), 5, 0, 0, 1e-12);
  EXPECT_PT3(onOther, 5, 0, 2, 1e-12);
  EXPECT_FALSE(s1.intersectWith(s2, p));
  ASSERT_TRUE(s1.intersectWith(AcGeLineSeg3d(AcGePoint3d(5, -5, 0), AcGePoint3d(5, 5, 0)), p));
  EXPECT_PT3(p, 5, 0, 0, 1e-12);

  // Mirroring in a line of space: a half turn about it.
  EXPECT_PT3(AcGeMatrix3d::mirroring(AcGeLine3d(AcGePoint3d(0, 0, 1), AcGeVector3d(1, 0, 0))) *
                 AcGePoint3d(2, 3, 1),
             2, -3, 1, 1e-12);
}

TEST(CircArc2d, ReverseComplementAndMirror) {
  AcGeCircArc2d arc(AcGePoint2d(1, 1), 2, 0, kPi / 2);
  AcGeCircArc2d back = arc;
  back.reverse();
  EXPECT_PT2(back.startPoint(), 1, 3, 1e-12);
  EXPECT_PT2(back.endPoint(), 3, 1, 1e-12);
  EXPECT_TRUE(back.isClockWise());
  EXPECT_NEAR(back.length(), arc.length(), 1e-12);

  AcGeCircArc2d rest = arc;
  rest.setToComplement();
  EXPECT_NEAR(rest.endAng() - rest.startAng(), 1.5 * kPi, 1e-12);
  EXPECT_PT2(rest.startPoint(), 1, 3, 1e-12);
  EXPECT_PT2(rest.evalPoint(rest.startAng() + kPi / 2), -1, 1, 1e-12);

  // Mirrored about the line y = 1 the arc runs clockwise through the reflected points.
  AcGeCircArc2d m = arc;
  m.transformBy(AcGeMatrix2d::mirroring(AcGeLine2d(AcGePoint2d(0, 1), AcGeVector2d(1, 0))));
  EXPECT_TRUE(m.isClockWise());
  EXPECT_PT2(m.startPoint(), 3, 1, 1e-12);
  EXPECT_PT2(m.endPoint(), 1, -1, 1e-12);
  EXPECT_PT2(m.evalPoint(0.5 * (m.startAng() + m.endAng())), 1 + std::sqrt(2.0), 1 - std::sqrt(2.0),
             1e-12);
}

TEST(Plane, ConstructionsAndCoordinates) {
  // Through three points: origin (1, 1, 1), axes towards the two others.
  const AcGePlane p3(AcGePoint3d(3, 1, 1), AcGePoint3d(1, 1, 1), AcGePoint3d(1, 1, 4));
  EXPECT_PT3(p3.normal(), 0, -1, 0, 1e-15);
  EXPECT_PT2(AcGePoint3d(2, 7, 2.5).convert2d(p3), 0.5, 0.5, 1e-15);
  double a, b, c, d;
  p3.getCoefficients(a, b, c, d);
  EXPECT_NEAR(a * 5 + b * 1 + c * 9 + d, 0.0, 1e-12);  // (5, 1, 9) lies in y = 1

  // From coefficients: 2z - 6 = 0.
  const AcGePlane z3(0, 0, 2, -6);
  EXPECT_PT3(z3.pointOnPlane(), 0, 0, 3, 1e-15);
  EXPECT_NEAR(z3.signedDistanceTo(AcGePoint3d(4, 4, 1)), -2.0, 1e-15);

  // A plane made from its normal has the object coordinate system's axes, so plane coordinates
  // and the world-to-plane matrix agree.
  const AcGeVector3d n(1, 2, 2);
  const AcGePlane byNormal(AcGePoint3d::kOrigin, n);
  const AcGePoint3d q(3, -1, 4);
  const AcGePoint3d inOcs = AcGeMatrix3d::worldToPlane(n) * q;
  EXPECT_PT2(q.convert2d(byNormal), inOcs.x, inOcs.y, 1e-14);
  EXPECT_NEAR(AcGeVector3d(1, 0, 0).angleOnPlane(byNormal),
              AcGeVector3d(1, 0, 0).convert2d(byNormal).angle(), 1e-14);

  // Parallel projection along a direction onto the plane z = 3.
  EXPECT_PT3(AcGeMatrix3d::projection(z3, AcGeVector3d(1, 0, 1)) * AcGePoint3d(0, 0, 0), 3, 0, 3,
             1e-15);
}

TEST(BoundBlock3d, GrowsFromEmpty) {
  AcGeBoundBlock3d box;
  EXPECT_TRUE(box.isEmpty());
  box.extend(AcGePoint3d(1, 2, 3)).extend(AcGePoint3d(-1, 5, 0));
  AcGePoint3d lo, hi;
  box.getMinMaxPoints(lo, hi);
  EXPECT_PT3(lo, -1, 2, 0, 0);
  EXPECT_PT3(hi, 1, 5, 3, 0);
  EXPECT_TRUE(box.contains(AcGePoint3d(0, 3, 1)));
  EXPECT_FALSE(box.contains(AcGePoint3d(0, 6, 1)));
  EXPECT_TRUE(box.isDisjoint(AcGeBoundBlock3d(AcGePoint3d(2, 0, 0), AcGePoint3d(3, 1, 1))));
  box.swell(1.0);
  EXPECT_FALSE(box.isDisjoint(AcGeBoundBlock3d(AcGePoint3d(2, 0, 0), AcGePoint3d(3, 1, 1))));
}
