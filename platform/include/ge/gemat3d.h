// AcGeMatrix3d: an affine (or projective) transformation of space, as a 4x4 matrix acting on
// column vectors (x, y, z, 1). Products compose right to left: (A * B) applies B first.
#pragma once
#include "ge/gemat2d.h"
#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"

class AcGePlane;
class AcGeLine3d;

class AcGeMatrix3d {
 public:
  // The identity (constant-initialised, so that kIdentity is usable during static initialisation).
  constexpr AcGeMatrix3d()
      : entry{{1.0, 0.0, 0.0, 0.0}, {0.0, 1.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0}, {0.0, 0.0, 0.0, 1.0}} {}

  static const AcGeMatrix3d kIdentity;

  AcGeMatrix3d& setToIdentity();
  AcGeMatrix3d operator*(const AcGeMatrix3d& m) const;
  AcGeMatrix3d& operator*=(const AcGeMatrix3d& m) { return postMultBy(m); }
  AcGeMatrix3d& preMultBy(const AcGeMatrix3d& leftSide);    // this = leftSide * this
  AcGeMatrix3d& postMultBy(const AcGeMatrix3d& rightSide);  // this = this * rightSide
  AcGeMatrix3d& preMultiplyBy(const AcGeMatrix3d& leftSide) { return preMultBy(leftSide); }
  AcGeMatrix3d& postMultiplyBy(const AcGeMatrix3d& rightSide) { return postMultBy(rightSide); }
  AcGeMatrix3d& setToProduct(const AcGeMatrix3d& a, const AcGeMatrix3d& b) { return *this = a * b; }

  AcGeMatrix3d& invert();  // a singular matrix is left unchanged
  AcGeMatrix3d inverse() const;
  bool inverse(AcGeMatrix3d& result, double tol) const;  // false when singular
  AcGeMatrix3d& transposeIt();
  AcGeMatrix3d transpose() const;
  double det() const;
  bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isEqualTo(const AcGeMatrix3d& m, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeMatrix3d& m) const { return isEqualTo(m); }
  bool operator!=(const AcGeMatrix3d& m) const { return !isEqualTo(m); }
  // True when the linear part is a rotation (or reflection) times one scale factor.
  bool isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  double scale() const;  // the largest length of the images of the unit axes
  double norm() const;   // the largest absolute row sum

  AcGeMatrix3d& setTranslation(const AcGeVector3d& v);
  AcGeVector3d translation() const;

  // The matrix taking the world origin and axes to origin, xAxis, yAxis, zAxis.
  AcGeMatrix3d& setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                               const AcGeVector3d& yAxis, const AcGeVector3d& zAxis);
  void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                      AcGeVector3d& zAxis) const;

  AcGeMatrix3d& setToTranslation(const AcGeVector3d& v);
  // Right-handed rotation by angle (radians) about the axis through center.
  AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis,
                              const AcGePoint3d& center = AcGePoint3d::kOrigin);
  AcGeMatrix3d& setToScaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
  AcGeMatrix3d& setToMirroring(const AcGePlane& plane);
  AcGeMatrix3d& setToMirroring(const AcGePoint3d& point);
  AcGeMatrix3d& setToMirroring(const AcGeLine3d& line);
  // Parallel projection onto the plane along projectDir.
  AcGeMatrix3d& setToProjection(const AcGePlane& projectionPlane, const AcGeVector3d& projectDir);
  // Maps the "from" coordinate system onto the "to" one: a point with coordinates (a, b, c) in
  // the first goes to the point with the same coordinates in the second.
  AcGeMatrix3d& setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                   const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                   const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                   const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
  // The object coordinate system of planar entities with this normal, by the DXF arbitrary axis
  // algorithm: planeToWorld maps object coordinates to world ones, worldToPlane the reverse.
  AcGeMatrix3d& setToPlaneToWorld(const AcGeVector3d& normal);
  AcGeMatrix3d& setToWorldToPlane(const AcGeVector3d& normal);
  // The plane's own coordinate system (its origin and axes).
  AcGeMatrix3d& setToPlaneToWorld(const AcGePlane& plane);
  AcGeMatrix3d& setToWorldToPlane(const AcGePlane& plane);

  static AcGeMatrix3d translation(const AcGeVector3d& v);
  static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                               const AcGePoint3d& center = AcGePoint3d::kOrigin);
  static AcGeMatrix3d scaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
  static AcGeMatrix3d mirroring(const AcGePlane& plane);
  static AcGeMatrix3d mirroring(const AcGePoint3d& point);
  static AcGeMatrix3d mirroring(const AcGeLine3d& line);
  static AcGeMatrix3d projection(const AcGePlane& projectionPlane, const AcGeVector3d& projectDir);
  static AcGeMatrix3d alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                    const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                    const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                    const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
  static AcGeMatrix3d planeToWorld(const AcGeVector3d& normal);
  static AcGeMatrix3d worldToPlane(const AcGeVector3d& normal);
  static AcGeMatrix3d planeToWorld(const AcGePlane& plane);
  static AcGeMatrix3d worldToPlane(const AcGePlane& plane);

  double operator()(unsigned int row, unsigned int col) const { return entry[row][col]; }
  double& operator()(unsigned int row, unsigned int col) { return entry[row][col]; }

  double entry[4][4];
};
