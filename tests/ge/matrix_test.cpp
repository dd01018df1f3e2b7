#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "ge/gemat2d.h"
#include "ge/gemat3d.h"
#include "ge/geplane.h"
#include "ge/gescl3d.h"
#include "ge_test_util.h"

namespace {
constexpr double kPi = std::numbers::pi;
}

TEST(Matrix3d, InverseOfScaleAndTranslation) {
  AcGeMatrix3d m;
  m.entry[0][0] = 2;
  m.entry[1][1] = 4;
  m.entry[2][2] = 8;
  m.setTranslation(AcGeVector3d(1, 2, 3));
  const AcGeMatrix3d inv = m.inverse();
  EXPECT_NEAR(inv.entry[0][0], 0.5, 1e-15);
  EXPECT_NEAR(inv.entry[1][1], 0.25, 1e-15);
  EXPECT_NEAR(inv.entry[2][2], 0.125, 1e-15);
  EXPECT_PT3(inv.translation(), -0.5, -0.5, -0.375, 1e-15);
  EXPECT_TRUE((m * inv).isEqualTo(AcGeMatrix3d::kIdentity));
  EXPECT_NEAR(m.det(), 64.0, 1e-12);

  // A singular matrix is reported and left alone by invert().
  AcGeMatrix3d flat = AcGeMatrix3d::scaling(2.0);
  flat.entry[2][2] = 0.0;
  EXPECT_TRUE(flat.isSingular());
  AcGeMatrix3d unused;
  EXPECT_FALSE(flat.inverse(unused, 1e-12));
  const AcGeMatrix3d before = flat;
  EXPECT_TRUE(flat.invert().isEqualTo(before));
}

TEST(Matrix3d, CompositionAppliesRightOperandFirst) {
  const AcGeMatrix3d t = AcGeMatrix3d::translation(AcGeVector3d(1, 0, 0));
  const AcGeMatrix3d r = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis);
  const AcGePoint3d p(1, 0, 0);
  EXPECT_PT3((t * r) * p, 1, 1, 0, 1e-15);  // rotate, then translate
  EXPECT_PT3((r * t) * p, 0, 2, 0, 1e-15);  // translate, then rotate

  AcGeMatrix3d m = r;
  m.preMultBy(t);
  EXPECT_TRUE(m.isEqualTo(t * r));
  m = r;
  m.postMultBy(t);
  EXPECT_TRUE(m.isEqualTo(r * t));

  // Vectors ignore the translation.
  EXPECT_PT3((t * r) * AcGeVector3d(1, 0, 0), 0, 1, 0, 1e-15);

  // Rotation about an axis through another point.
  EXPECT_PT3(AcGeMatrix3d::rotation(kPi, AcGeVector3d::kZAxis, AcGePoint3d(1, 1, 0)) *
                 AcGePoint3d(2, 1, 5),
             0, 1, 5, 1e-15);
  // Scaling about a centre.
  EXPECT_PT3(AcGeMatrix3d::scaling(3, AcGePoint3d(1, 1, 1)) * AcGePoint3d(2, 1, 1), 4, 1, 1, 1e-15);
}

TEST(Matrix3d, Mirroring) {
  const AcGePlane planeX1(AcGePoint3d(1, 0, 0), AcGeVector3d(1, 0, 0));
  const AcGeMatrix3d m = AcGeMatrix3d::mirroring(planeX1);
  EXPECT_PT3(m * AcGePoint3d(3, 2, 5), -1, 2, 5, 1e-15);
  EXPECT_NEAR(m.det(), -1.0, 1e-15);
  EXPECT_TRUE(m.isUniScaledOrtho());
  EXPECT_TRUE((m * m).isEqualTo(AcGeMatrix3d::kIdentity));

  // An oblique plane: x = y mirrors (2, 0, 0) to (0, 2, 0).
  const AcGePlane diagonal(AcGePoint3d(0, 0, 0), AcGeVector3d(1, -1, 0));
  EXPECT_PT3(AcGeMatrix3d::mirroring(diagonal) * AcGePoint3d(2, 0, 7), 0, 2, 7, 1e-15);

  EXPECT_PT3(AcGeMatrix3d::mirroring(AcGePoint3d(1, 1, 1)) * AcGePoint3d(2, 3, 4), 0, -1, -2, 1e-15);
}

TEST(Matrix3d, AlignCoordSysAndCoordSystem) {
  // World axes onto a system at (10, 20, 0) turned a quarter turn.
  const AcGeMatrix3d m = AcGeMatrix3d::alignCoordSys(
      AcGePoint3d::kOrigin, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, AcGeVector3d::kZAxis,
      AcGePoint3d(10, 20, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0), AcGeVector3d::kZAxis);
  EXPECT_PT3(m * AcGePoint3d(1, 0, 0), 10, 21, 0, 1e-14);
  EXPECT_PT3(m * AcGePoint3d(0, 1, 3), 9, 20, 3, 1e-14);

  // From a system that is not the world: its origin goes to the target origin.
  const AcGeMatrix3d back = AcGeMatrix3d::alignCoordSys(
      AcGePoint3d(10, 20, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0), AcGeVector3d::kZAxis,
      AcGePoint3d::kOrigin, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, AcGeVector3d::kZAxis);
  EXPECT_TRUE((back * m).isEqualTo(AcGeMatrix3d::kIdentity));

  AcGePoint3d o;
  AcGeVector3d x, y, z;
  m.getCoordSystem(o, x, y, z);
  EXPECT_PT3(o, 10, 20, 0, 1e-14);
  EXPECT_PT3(x, 0, 1, 0, 1e-14);
  EXPECT_PT3(y, -1, 0, 0, 1e-14);
}

TEST(Matrix3d, ArbitraryAxisObjectCoordinateSystems) {
  const AcGePoint3d ocsPoint(1, 2, 3);
  // Normal +Z: the object coordinate system is the world.
  EXPECT_TRUE(AcGeMatrix3d::planeToWorld(AcGeVector3d(0, 0, 1)).isEqualTo(AcGeMatrix3d::kIdentity));
  // Normal -Z (a mirrored 2D entity): Ax = Wy x N = (-1, 0, 0), Ay = N x Ax = (0, 1, 0).
  EXPECT_PT3(AcGeMatrix3d::planeToWorld(AcGeVector3d(0, 0, -1)) * ocsPoint, -1, 2, -3, 1e-15);
  // Normal +X: Ax = Wz x N = (0, 1, 0), Ay = (0, 0, 1).
  EXPECT_PT3(AcGeMatrix3d::planeToWorld(AcGeVector3d(1, 0, 0)) * ocsPoint, 3, 1, 2, 1e-15);
  // The normal need not be a unit vector, and worldToPlane undoes planeToWorld.
  EXPECT_PT3(AcGeMatrix3d::worldToPlane(AcGeVector3d(5, 0, 0)) * AcGePoint3d(3, 1, 2), 1, 2, 3,
             1e-15);
  const AcGeVector3d oblique(1, 2, 2);
  EXPECT_TRUE((AcGeMatrix3d::worldToPlane(oblique) * AcGeMatrix3d::planeToWorld(oblique))
                  .isEqualTo(AcGeMatrix3d::kIdentity));
  EXPECT_TRUE(AcGeMatrix3d::planeToWorld(oblique).isUniScaledOrtho());
  EXPECT_NEAR(AcGeMatrix3d::planeToWorld(oblique).det(), 1.0, 1e-14);
}

TEST(Matrix3d, ScaleAndOrthogonality) {
  const AcGeMatrix3d uni = AcGeMatrix3d::rotation(0.3, AcGeVector3d(1, 1, 0)) *
                           AcGeMatrix3d::scaling(3.0);
  EXPECT_TRUE(uni.isUniScaledOrtho());
  EXPECT_NEAR(uni.scale(), 3.0, 1e-14);

  AcGeMatrix3d stretched;
  stretched.entry[0][0] = 2.0;
  EXPECT_FALSE(stretched.isUniScaledOrtho());
  EXPECT_TRUE(stretched.isScaledOrtho());

  AcGeMatrix3d sheared;
  sheared.entry[0][1] = 1.0;
  EXPECT_FALSE(sheared.isScaledOrtho());
}

TEST(Matrix2d, InverseRotationMirrorAndAlign) {
  const AcGeMatrix2d r = AcGeMatrix2d::rotation(kPi / 2, AcGePoint2d(1, 1));
  EXPECT_PT2(r * AcGePoint2d(2, 1), 1, 2, 1e-15);
  EXPECT_PT2(r.inverse() * AcGePoint2d(1, 2), 2, 1, 1e-15);
  EXPECT_NEAR(r.det(), 1.0, 1e-15);

  EXPECT_PT2(AcGeMatrix2d::mirroring(AcGePoint2d(1, 0)) * AcGePoint2d(3, 4), -1, -4, 1e-15);

  const AcGeMatrix2d a = AcGeMatrix2d::alignCoordSys(AcGePoint2d(1, 1), AcGeVector2d(1, 0),
                                                     AcGeVector2d(0, 1), AcGePoint2d(0, 0),
                                                     AcGeVector2d(0, 2), AcGeVector2d(-2, 0));
  EXPECT_PT2(a * AcGePoint2d(2, 1), 0, 2, 1e-15);
  EXPECT_PT2(a * AcGePoint2d(1, 2), -2, 0, 1e-15);
  EXPECT_NEAR(a.scale(), 2.0, 1e-15);
  EXPECT_TRUE(a.isUniScaledOrtho());
}

TEST(Scale3d, ExtractFromMatrix) {
  const AcGeMatrix3d m = AcGeMatrix3d::rotation(0.7, AcGeVector3d::kZAxis) *
                         AcGeMatrix3d(AcGeScale3d(2, 3, 4));
  AcGeScale3d s;
  s.extractScale(m);
  EXPECT_TRUE(s.isEqualTo(AcGeScale3d(2, 3, 4), AcGeTol()));
  AcGeMatrix3d mirrored = AcGeMatrix3d(AcGeScale3d(-2, 2, 2));
  s.extractScale(mirrored);
  EXPECT_NEAR(s.sx, -2.0, 1e-15);
}
