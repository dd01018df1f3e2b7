#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "ge/geassign.h"
#include "ge/geplane.h"
#include "ge/gepnt3d.h"
#include "ge/gevec2d.h"
#include "ge_test_util.h"

namespace {
constexpr double kPi = std::numbers::pi;
}

TEST(Vector2d, AnglesFromXAxisAndBetweenVectors) {
  EXPECT_NEAR(AcGeVector2d(1, 0).angle(), 0.0, 1e-15);
  EXPECT_NEAR(AcGeVector2d(-1, 1).angle(), 3 * kPi / 4, 1e-15);
  EXPECT_NEAR(AcGeVector2d(0, -1).angle(), 3 * kPi / 2, 1e-15);
  // Just below the X axis: close to 2pi, never negative.
  EXPECT_NEAR(AcGeVector2d(1, -1e-9).angle(), 2 * kPi - 1e-9, 1e-15);
  EXPECT_EQ(AcGeVector2d(1, -0.0).angle(), 0.0);

  // angleTo is unsigned, in [0, pi].
  EXPECT_NEAR(AcGeVector2d(1, 0).angleTo(AcGeVector2d(0, -1)), kPi / 2, 1e-15);
  EXPECT_NEAR(AcGeVector2d(1, 0).angleTo(AcGeVector2d(-1, 0)), kPi, 1e-15);
  EXPECT_NEAR(AcGeVector2d(3, 3).angleTo(AcGeVector2d(0, 2)), kPi / 4, 1e-15);
}

TEST(Vector2d, RotationNormalAndRelations) {
  AcGeVector2d v(2, 0);
  v.rotateBy(kPi / 2);
  EXPECT_NEAR(v.x, 0.0, 1e-15);
  EXPECT_NEAR(v.y, 2.0, 1e-15);
  EXPECT_TRUE(AcGeVector2d(3, 4).normal().isEqualTo(AcGeVector2d(0.6, 0.8)));
  EXPECT_EQ(AcGeVector2d(3, 4).perpVector().crossProduct(AcGeVector2d(3, 4)), -25.0);

  EXPECT_TRUE(AcGeVector2d(1, 1).isParallelTo(AcGeVector2d(-2, -2)));
  EXPECT_FALSE(AcGeVector2d(1, 1).isCodirectionalTo(AcGeVector2d(-2, -2)));
  EXPECT_TRUE(AcGeVector2d(1, 1).isPerpendicularTo(AcGeVector2d(-2, 2)));
  // A zero vector is neither parallel nor perpendicular to anything, and cannot be normalised.
  EXPECT_FALSE(AcGeVector2d(0, 0).isParallelTo(AcGeVector2d(1, 0)));
  AcGe::ErrorCondition flag = AcGe::kOk;
  AcGeVector2d zero;
  zero.normalize(AcGeContext::gTol, flag);
  EXPECT_EQ(flag, AcGe::k0This);
  EXPECT_TRUE(zero.isZeroLength());
}

TEST(Vector3d, SignedAngleAroundReference) {
  const AcGeVector3d x = AcGeVector3d::kXAxis, y = AcGeVector3d::kYAxis;
  EXPECT_NEAR(x.angleTo(y), kPi / 2, 1e-15);
  EXPECT_NEAR(x.angleTo(y, AcGeVector3d::kZAxis), kPi / 2, 1e-15);
  EXPECT_NEAR(x.angleTo(y, -AcGeVector3d::kZAxis), 3 * kPi / 2, 1e-15);
  EXPECT_NEAR(x.angleTo(x, AcGeVector3d::kZAxis), 0.0, 1e-15);
  EXPECT_NEAR(x.angleTo(-x, AcGeVector3d::kZAxis), kPi, 1e-15);

  // Angle on the XY plane of a vector with a Z component: only its projection counts.
  EXPECT_NEAR(AcGeVector3d(-1, -1, 5).angleOnPlane(AcGePlane::kXYPlane), 5 * kPi / 4, 1e-15);
}

TEST(Vector3d, RotationProjectionAndCrossProduct) {
  AcGeVector3d v(1, 0, 0);
  v.rotateBy(kPi / 2, AcGeVector3d(0, 0, 1));
  EXPECT_PT3(v, 0, 1, 0, 1e-15);
  v.rotateBy(kPi / 2, AcGeVector3d(1, 0, 0));
  EXPECT_PT3(v, 0, 0, 1, 1e-15);
  EXPECT_PT3(AcGeVector3d(1, 2, 3).crossProduct(AcGeVector3d(4, 5, 6)), -3, 6, -3, 0);
  EXPECT_PT3(AcGeVector3d(1, 2, 3).orthoProject(AcGeVector3d(0, 0, 2)), 1, 2, 0, 1e-15);
  EXPECT_PT3(AcGeVector3d(1, 2, 3).mirror(AcGeVector3d(0, 1, 0)), 1, -2, 3, 1e-15);
  EXPECT_EQ(AcGeVector3d(1, -7, 3).largestElement(), 1u);
}

TEST(Vector3d, PerpVectorFollowsArbitraryAxis) {
  EXPECT_PT3(AcGeVector3d(0, 0, 1).perpVector(), 1, 0, 0, 1e-15);
  EXPECT_PT3(AcGeVector3d(0, 0, -1).perpVector(), -1, 0, 0, 1e-15);
  EXPECT_PT3(AcGeVector3d(1, 0, 0).perpVector(), 0, 1, 0, 1e-15);
  // Just inside the 1/64 limit the Y axis is used, just outside the Z axis.
  EXPECT_NEAR(AcGeVector3d(0.015, 0, 1).perpVector().y, 0.0, 1e-15);
  EXPECT_NEAR(AcGeVector3d(0.016, 0, 1).perpVector().x, 0.0, 1e-15);
}

TEST(Tolerance, GlobalTolerancesGovernEquality) {
  const AcGePoint3d a(1, 2, 3);
  EXPECT_TRUE(a == AcGePoint3d(1, 2, 3 + 5e-11));
  EXPECT_FALSE(a == AcGePoint3d(1, 2, 3 + 1e-9));

  AcGeTol loose;
  loose.setEqualPoint(1e-3);
  EXPECT_TRUE(a.isEqualTo(AcGePoint3d(1.0005, 2, 3), loose));

  const AcGeTol saved = AcGeContext::gTol;
  AcGeContext::gTol.setEqualPoint(1e-3);
  EXPECT_TRUE(a == AcGePoint3d(1.0005, 2, 3));
  AcGeContext::gTol = saved;
  EXPECT_FALSE(a == AcGePoint3d(1.0005, 2, 3));
}

TEST(Point3d, PlaneCoordinatesAndProjection) {
  // A plane whose axes are the world Y and Z axes, through (5, 0, 0).
  const AcGePlane plane(AcGePoint3d(5, 0, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(0, 0, 1));
  const AcGePoint3d p(7, 2, 3);
  EXPECT_PT2(p.convert2d(plane), 2, 3, 1e-15);
  EXPECT_PT3(AcGePoint3d(plane, AcGePoint2d(2, 3)), 5, 2, 3, 1e-15);
  EXPECT_PT3(p.orthoProject(plane), 5, 2, 3, 1e-15);
  EXPECT_PT3(p.project(plane, AcGeVector3d(1, 1, 0)), 5, 0, 3, 1e-15);
  EXPECT_NEAR(plane.signedDistanceTo(p), 2.0, 1e-15);

  AcGePoint3d q(2, 0, 0);
  q.rotateBy(kPi, AcGeVector3d::kZAxis, AcGePoint3d(1, 1, 0));
  EXPECT_PT3(q, 0, 2, 0, 1e-15);
}

TEST(Point3d, SharesLayoutWithPlainArrays) {
  double ads[3] = {1.5, 2.5, 3.5};
  AcGePoint3d& p = asPnt3d(ads);
  p.x = 9;
  EXPECT_EQ(ads[0], 9.0);
  EXPECT_EQ(asDblArray(p)[2], 3.5);
}
