#include "ge/genurb3d.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "ge/gemat3d.h"
#include "ge_test_util.h"

namespace {
constexpr double kPi = std::numbers::pi;

// The quadratic Bezier arch (0,0) (1,2) (2,0): y(t) = 4t(1-t), top at (1, 1).
AcGeNurbCurve3d arch() {
  const double knots[] = {0, 0, 0, 1, 1, 1};
  return AcGeNurbCurve3d(2, AcGeKnotVector(6, knots),
                         AcGePoint3dArray{{0, 0, 0}, {1, 2, 0}, {2, 0, 0}});
}

// The rational quarter of the unit circle from (1, 0) to (0, 1).
AcGeNurbCurve3d quarterCircle() {
  const double knots[] = {0, 0, 0, 1, 1, 1};
  return AcGeNurbCurve3d(2, AcGeKnotVector(6, knots),
                         AcGePoint3dArray{{1, 0, 0}, {1, 1, 0}, {0, 1, 0}},
                         AcGeDoubleArray{1.0, std::sqrt(0.5), 1.0});
}
}  // namespace

TEST(NurbCurve3d, EvaluationAndDerivatives) {
  const AcGeNurbCurve3d a = arch();
  EXPECT_PT3(a.evalPoint(0.5), 1, 1, 0, 1e-15);
  EXPECT_PT3(a.evalPoint(0.25), 0.5, 0.75, 0, 1e-15);
  AcGeVector3dArray d;
  a.evalPoint(0.0, 2, d);
  ASSERT_EQ(d.length(), 2);
  EXPECT_PT3(d[0], 2, 4, 0, 1e-14);   // 2 (P1 - P0)
  EXPECT_PT3(d[1], 0, -8, 0, 1e-14);  // 2 (P2 - 2 P1 + P0)
  EXPECT_FALSE(a.isRational());

  const AcGeNurbCurve3d q = quarterCircle();
  EXPECT_TRUE(q.isRational());
  for (double t : {0.0, 0.2, 0.5, 0.9, 1.0}) EXPECT_NEAR(q.evalPoint(t).asVector().length(), 1.0, 1e-14);
  EXPECT_PT3(q.evalPoint(0.5), std::sqrt(0.5), std::sqrt(0.5), 0, 1e-14);
  // The tangent at the start is vertical.
  q.evalPoint(0.0, 1, d);
  EXPECT_NEAR(d[0].x, 0.0, 1e-14);
  EXPECT_GT(d[0].y, 0.0);
  EXPECT_NEAR(q.length(), kPi / 2, 1e-9);
}

TEST(NurbCurve3d, ClosestPointsBoxAndReversal) {
  const AcGeNurbCurve3d q = quarterCircle();
  EXPECT_PT3(q.closestPointTo(AcGePoint3d(3, 3, 1)), std::sqrt(0.5), std::sqrt(0.5), 0, 1e-10);
  EXPECT_NEAR(q.paramOf(AcGePoint3d(0, 1, 0)), 1.0, 1e-12);
  EXPECT_PT3(q.closestPointTo(AcGePoint3d(2, -5, 0)), 1, 0, 0, 1e-12);

  // The box is the curve's, not its control polygon's (which reaches y = 2).
  AcGePoint3d lo, hi;
  arch().orthoBoundBlock().getMinMaxPoints(lo, hi);
  EXPECT_PT3(lo, 0, 0, 0, 1e-12);
  EXPECT_PT3(hi, 2, 1, 0, 1e-12);

  AcGeNurbCurve3d r = quarterCircle();
  r.reverseParam();
  EXPECT_PT3(r.startPoint(), 0, 1, 0, 1e-15);
  EXPECT_PT3(r.evalPoint(0.3), q.evalPoint(0.7).x, q.evalPoint(0.7).y, 0, 1e-14);

  AcGeNurbCurve3d moved = arch();
  moved.transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, 5)));
  EXPECT_PT3(moved.evalPoint(0.5), 1, 1, 5, 1e-15);

  AcGePoint3dArray pts;
  AcGeDoubleArray params;
  arch().getSamplePoints(0.0, 1.0, 1e-3, pts, params);
  ASSERT_EQ(pts.length(), params.length());
  EXPECT_GT(pts.length(), 5);
  for (int i = 0; i + 1 < pts.length(); ++i) {
    // The curve between two samples stays within the requested distance of their chord.
    const AcGePoint3d mid = arch().evalPoint(0.5 * (params[i] + params[i + 1]));
    const AcGeVector3d chord = pts[i + 1] - pts[i];
    EXPECT_LE((mid - pts[i]).crossProduct(chord).length() / chord.length(), 1e-3);
  }
}

TEST(NurbCurve3d, InterpolatesFitPoints) {
  const AcGePoint3dArray fit{{0, 0, 0}, {3, 4, 0}, {7, 1, 0}, {10, 5, 0}, {12, 0, 0}};
  const AcGeNurbCurve3d free(fit);
  EXPECT_EQ(free.degree(), 3);
  EXPECT_EQ(free.numControlPoints(), 7);
  EXPECT_EQ(free.numFitPoints(), 5);
  for (const AcGePoint3d& p : fit) EXPECT_LT(free.closestPointTo(p).distanceTo(p), 1e-9);
  EXPECT_PT3(free.startPoint(), 0, 0, 0, 1e-12);
  EXPECT_PT3(free.endPoint(), 12, 0, 0, 1e-12);

  // With end tangents the curve leaves and arrives along them.
  const AcGeNurbCurve3d tangent(fit, AcGeVector3d(0, 1, 0), AcGeVector3d(1, 0, 0));
  AcGeVector3dArray d;
  tangent.evalPoint(tangent.startParam(), 1, d);
  EXPECT_NEAR(d[0].normal().y, 1.0, 1e-12);
  tangent.evalPoint(tangent.endParam(), 1, d);
  EXPECT_NEAR(d[0].normal().x, 1.0, 1e-12);
  for (const AcGePoint3d& p : fit) EXPECT_LT(tangent.closestPointTo(p).distanceTo(p), 1e-9);

  // Collinear fit points give the straight line between them.
  const AcGeNurbCurve3d straight(AcGePoint3dArray{{0, 0, 0}, {1, 1, 0}, {3, 3, 0}});
  for (double t : {0.1, 0.5, 0.77}) {
    const AcGePoint3d p = straight.evalPoint(t);
    EXPECT_NEAR(p.x, p.y, 1e-12);
  }
  EXPECT_NEAR(straight.length(), 3 * std::sqrt(2.0), 1e-9);
}
