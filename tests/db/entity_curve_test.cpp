// Curve queries of the curve entities, against answers worked out by hand.
#include <cmath>
#include <numbers>

#include "db/dbpl.h"
#include "db/dbspline.h"
#include "db/entity_test_util.h"

using enttest::DrawingTest;
using enttest::expectNear;

namespace {

constexpr double kPi = std::numbers::pi;

AcGePoint3d pointAt(const AcDbCurve& curve, double param) {
  AcGePoint3d p;
  EXPECT_EQ(curve.getPointAtParam(param, p), Acad::eOk) << "param " << param;
  return p;
}

double paramAt(const AcDbCurve& curve, const AcGePoint3d& point) {
  double param = -1.0;
  EXPECT_EQ(curve.getParamAtPoint(point, param), Acad::eOk);
  return param;
}

double distAt(const AcDbCurve& curve, double param) {
  double dist = -1.0;
  EXPECT_EQ(curve.getDistAtParam(param, dist), Acad::eOk);
  return dist;
}

AcGePoint3d closest(const AcDbCurve& curve, const AcGePoint3d& given, bool extend = false) {
  AcGePoint3d p;
  EXPECT_EQ(curve.getClosestPointTo(given, p, extend), Acad::eOk);
  return p;
}

// A semicircle below the chord from (0,0) to (2,0) (bulge 1), then straight up to (2,2).
AcDbPolyline* hookPolyline(double elevation = 0.0) {
  auto* polyline = new AcDbPolyline();
  polyline->addVertexAt(0, AcGePoint2d(0, 0), 1.0);
  polyline->addVertexAt(1, AcGePoint2d(2, 0));
  polyline->addVertexAt(2, AcGePoint2d(2, 2));
  polyline->setElevation(elevation);
  return polyline;
}

// The same shape as vertices of an old-style 2D polyline.
AcDb2dPolyline* hook2dPolyline() {
  auto* polyline = new AcDb2dPolyline();
  polyline->appendVertex(new AcDb2dVertex(AcGePoint3d(0, 0, 0), 1.0));
  polyline->appendVertex(new AcDb2dVertex(AcGePoint3d(2, 0, 0)));
  polyline->appendVertex(new AcDb2dVertex(AcGePoint3d(2, 2, 0)));
  return polyline;
}

}  // namespace

TEST(CurveQueries, LineParametersAreDistances) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0));
  double end = 0.0;
  line.getEndParam(end);
  EXPECT_DOUBLE_EQ(end, 5.0);
  expectNear(pointAt(line, 2.5), AcGePoint3d(1.5, 2, 0));
  EXPECT_NEAR(paramAt(line, AcGePoint3d(3, 4, 0)), 5.0, 1e-12);
  double param = 0.0;
  EXPECT_EQ(line.getParamAtPoint(AcGePoint3d(1, 0, 0), param), Acad::eInvalidInput);
  AcGePoint3d beyond;
  EXPECT_EQ(line.getPointAtParam(5.1, beyond), Acad::eInvalidInput);
  AcGeVector3d deriv;
  line.getFirstDeriv(1.0, deriv);
  expectNear(deriv, AcGeVector3d(0.6, 0.8, 0));
  // Beyond the end: the end itself, or the point of the prolonged line.
  expectNear(closest(line, AcGePoint3d(5, 5, 0)), AcGePoint3d(3, 4, 0));
  expectNear(closest(line, AcGePoint3d(5, 5, 0), true), AcGePoint3d(4.2, 5.6, 0));
  // Seen from above, the point of a sloping line under a given point.
  AcDbLine slope(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 10));
  AcGePoint3d seen;
  ASSERT_EQ(slope.getClosestPointTo(AcGePoint3d(5, 3, 0), AcGeVector3d::kZAxis, seen), Acad::eOk);
  expectNear(seen, AcGePoint3d(5, 0, 5));
}

TEST(CurveQueries, ArcParametersAreAnglesFromTheStart) {
  AcDbArc arc(AcGePoint3d(0, 0, 0), 2.0, 0.0, kPi / 2);
  expectNear(pointAt(arc, kPi / 4), AcGePoint3d(std::sqrt(2.0), std::sqrt(2.0), 0));
  EXPECT_NEAR(distAt(arc, kPi / 2), kPi, 1e-12);
  double param = 0.0;
  arc.getParamAtDist(kPi / 2, param);
  EXPECT_NEAR(param, kPi / 4, 1e-12);
  // Off the arc: the nearer end; extended: the circle.
  expectNear(closest(arc, AcGePoint3d(-3, 0.5, 0)), AcGePoint3d(0, 2, 0));
  expectNear(closest(arc, AcGePoint3d(-3, 0, 0), true), AcGePoint3d(-2, 0, 0));
  double area = 0.0;
  arc.getArea(area);
  EXPECT_NEAR(area, 4.0 * (kPi / 2 - 1.0) / 2.0, 1e-12);

  // An arc through angle 0: its parameters run past 2 pi.
  AcDbArc across(AcGePoint3d(0, 0, 0), 2.0, 3 * kPi / 2, kPi / 2);
  double start = 0.0, end = 0.0;
  across.getStartParam(start);
  across.getEndParam(end);
  EXPECT_NEAR(start, 3 * kPi / 2, 1e-12);
  EXPECT_NEAR(end, 5 * kPi / 2, 1e-12);
  EXPECT_NEAR(paramAt(across, AcGePoint3d(2, 0, 0)), 2 * kPi, 1e-12);
  EXPECT_EQ(across.getParamAtPoint(AcGePoint3d(-2, 0, 0), param), Acad::eInvalidInput);

  // Angles are those of the object coordinate system of the normal: X is -X under -Z.
  AcDbArc under(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, -1), 1.0, 0.0, kPi / 2);
  AcGePoint3d p;
  under.getStartPoint(p);
  expectNear(p, AcGePoint3d(-1, 0, 0));
  under.getEndPoint(p);
  expectNear(p, AcGePoint3d(0, 1, 0));
}

TEST(CurveQueries, CircleRunsOnceAroundItsNormal) {
  AcDbCircle circle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 2.0);
  double end = 0.0, area = 0.0;
  circle.getEndParam(end);
  EXPECT_NEAR(end, 2 * kPi, 1e-15);
  EXPECT_NEAR(distAt(circle, kPi), 2 * kPi, 1e-12);
  expectNear(closest(circle, AcGePoint3d(1, 5, 7)), AcGePoint3d(1, 3, 0));
  EXPECT_NEAR(paramAt(circle, AcGePoint3d(1, -1, 0)), 3 * kPi / 2, 1e-12);
  circle.getArea(area);
  EXPECT_NEAR(area, 4 * kPi, 1e-12);
  EXPECT_TRUE(circle.isClosed());
}

TEST(CurveQueries, PolylineParametersCountSegments) {
  std::unique_ptr<AcDbPolyline> polyline(hookPolyline(3.0));
  double end = 0.0;
  polyline->getEndParam(end);
  EXPECT_EQ(end, 2.0);
  // Half way along the semicircle in angle: its lowest point.
  expectNear(pointAt(*polyline, 0.5), AcGePoint3d(1, -1, 3));
  EXPECT_NEAR(distAt(*polyline, 1.0), kPi, 1e-12);
  EXPECT_NEAR(distAt(*polyline, 1.5), kPi + 1.0, 1e-12);
  double param = 0.0;
  polyline->getParamAtDist(kPi / 2, param);
  EXPECT_NEAR(param, 0.5, 1e-12);
  EXPECT_NEAR(paramAt(*polyline, AcGePoint3d(2, 1, 3)), 1.5, 1e-12);
  // A point off the plane of the polyline is not on it.
  EXPECT_EQ(polyline->getParamAtPoint(AcGePoint3d(2, 1, 0), param), Acad::eInvalidInput);
  expectNear(closest(*polyline, AcGePoint3d(1, -3, 0)), AcGePoint3d(1, -1, 3));
  expectNear(closest(*polyline, AcGePoint3d(2, 5, 3)), AcGePoint3d(2, 2, 3));
  expectNear(closest(*polyline, AcGePoint3d(2, 5, 3), true), AcGePoint3d(2, 5, 3));
  AcGeVector3d deriv;
  polyline->getFirstDeriv(0.5, deriv);
  EXPECT_NEAR(deriv.y, 0.0, 1e-12);
  EXPECT_GT(deriv.x, 0.0);
  // The open polyline's area is that of the figure its chord closes: triangle plus half disc.
  double area = 0.0;
  polyline->getArea(area);
  EXPECT_NEAR(area, 2.0 + kPi / 2, 1e-12);

  EXPECT_EQ(polyline->segType(0), AcDbPolyline::kArc);
  EXPECT_EQ(polyline->segType(1), AcDbPolyline::kLine);
  EXPECT_EQ(polyline->segType(2), AcDbPolyline::kEmpty);
  EXPECT_TRUE(polyline->onSegAt(1, AcGePoint2d(2, 0.5), param));
  EXPECT_NEAR(param, 1.25, 1e-12);
  EXPECT_FALSE(polyline->onSegAt(0, AcGePoint2d(1, 0), param));  // the chord is not the arc
}

TEST_F(DrawingTest, OldStylePolylinesAnswerLikeLightweightOnes) {
  std::unique_ptr<AcDbPolyline> light(hookPolyline());
  AcDbObjectId id = add(hook2dPolyline());
  enttest::Opened<AcDb2dPolyline> heavy(id);
  for (double param : {0.0, 0.25, 0.5, 1.0, 1.75, 2.0}) {
    expectNear(pointAt(*heavy.get(), param), pointAt(*light, param));
    EXPECT_NEAR(distAt(*heavy.get(), param), distAt(*light, param), 1e-12);
  }
  double lightArea = 0.0, heavyArea = 0.0;
  light->getArea(lightArea);
  heavy->getArea(heavyArea);
  EXPECT_NEAR(heavyArea, lightArea, 1e-12);

  // A 3D polyline: straight segments through its vertices.
  AcDb3dPolyline chain(AcDb::k3dSimplePoly,
                       {AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0), AcGePoint3d(3, 4, 12)});
  double param = 0.0;
  chain.getParamAtDist(11.0, param);
  EXPECT_NEAR(param, 1.5, 1e-12);
  expectNear(pointAt(chain, 1.5), AcGePoint3d(3, 4, 6));
  EXPECT_NEAR(distAt(chain, 2.0), 17.0, 1e-12);
  expectNear(closest(chain, AcGePoint3d(3, 4, 20), true), AcGePoint3d(3, 4, 20));
  double area = 0.0;
  AcDb3dPolyline tilted(
      AcDb::k3dSimplePoly,
      {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 1), AcGePoint3d(0, 1, 1)},
      true);
  ASSERT_EQ(tilted.getArea(area), Acad::eOk);
  EXPECT_NEAR(area, std::sqrt(2.0), 1e-12);
  AcDb3dPolyline twisted(
      AcDb::k3dSimplePoly,
      {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 1), AcGePoint3d(0, 1, 0)},
      true);
  EXPECT_EQ(twisted.getArea(area), Acad::eNonPlanarEntity);
}

TEST(CurveQueries, SplineRunsThroughItsFitPoints) {
  AcDbSpline spline(
      {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 0), AcGePoint3d(3, 1, 0), AcGePoint3d(4, 4, 0)});
  AcGePoint3d start, end;
  spline.getStartPoint(start);
  spline.getEndPoint(end);
  expectNear(start, AcGePoint3d(0, 0, 0));
  expectNear(end, AcGePoint3d(4, 4, 0));
  double first = 0.0, last = 0.0;
  spline.getStartParam(first);
  spline.getEndParam(last);
  double length = distAt(spline, last);
  EXPECT_GT(length, std::sqrt(32.0));  // longer than its chord
  // Distances and parameters agree both ways.
  double param = 0.0;
  ASSERT_EQ(spline.getParamAtDist(length / 3, param), Acad::eOk);
  EXPECT_NEAR(distAt(spline, param), length / 3, 1e-8);
  EXPECT_NEAR(paramAt(spline, pointAt(spline, param)), param, 1e-8);
  EXPECT_TRUE(spline.isPlanar());
}

TEST(CurveQueries, RaysAndConstructionLinesRunWithoutEnd) {
  AcDbRay ray;
  ray.setBasePoint(AcGePoint3d(1, 1, 0));
  ray.setUnitDir(AcGeVector3d(0, 2, 0));
  AcGePoint3d p;
  EXPECT_EQ(ray.getEndPoint(p), Acad::eNotApplicable);
  expectNear(pointAt(ray, 10.0), AcGePoint3d(1, 11, 0));
  expectNear(closest(ray, AcGePoint3d(5, -3, 0)), AcGePoint3d(1, 1, 0));
  expectNear(closest(ray, AcGePoint3d(5, -3, 0), true), AcGePoint3d(1, -3, 0));
  AcDbXline xline;
  xline.setSecondPoint(AcGePoint3d(1, 0, 0));
  expectNear(closest(xline, AcGePoint3d(-7, 2, 0)), AcGePoint3d(-7, 0, 0));
  EXPECT_NEAR(paramAt(xline, AcGePoint3d(-7, 0, 0)), -7.0, 1e-12);
}
