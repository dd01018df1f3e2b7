// AcGeVector3d: a displacement in space.
#pragma once
#include "ge/gegbl.h"
#include "ge/getol.h"
#include "ge/gevec2d.h"

class AcGeMatrix3d;
class AcGePlanarEnt;

class AcGeVector3d {
 public:
  constexpr AcGeVector3d() = default;
  constexpr AcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The 3D vector whose coordinates in the plane's axes are v.
  AcGeVector3d(const AcGePlanarEnt& plane, const AcGeVector2d& v);

  static const AcGeVector3d kIdentity;  // the zero vector, additive identity
  static const AcGeVector3d kXAxis;
  static const AcGeVector3d kYAxis;
  static const AcGeVector3d kZAxis;

  AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  AcGeVector3d operator-() const { return {-x, -y, -z}; }
  AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
  AcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
  AcGeVector3d& operator+=(const AcGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  AcGeVector3d& operator-=(const AcGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  AcGeVector3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
  AcGeVector3d& operator/=(double s) { x /= s; y /= s; z /= s; return *this; }
  AcGeVector3d& setToSum(const AcGeVector3d& a, const AcGeVector3d& b) { return *this = a + b; }
  AcGeVector3d& setToProduct(const AcGeVector3d& v, double s) { return *this = v * s; }
  AcGeVector3d& setToProduct(const AcGeMatrix3d& mat, const AcGeVector3d& v);
  AcGeVector3d& negate() { x = -x; y = -y; z = -z; return *this; }
  AcGeVector3d& transformBy(const AcGeMatrix3d& leftSide);  // the translation part is ignored
  AcGeVector3d& rotateBy(double angle, const AcGeVector3d& axis);  // right-handed about axis
  AcGeVector3d& mirror(const AcGeVector3d& normalToPlane);

  // Projections onto the plane through the origin with the given normal.
  AcGeVector3d project(const AcGeVector3d& planeNormal, const AcGeVector3d& projectDirection) const;
  AcGeVector3d orthoProject(const AcGeVector3d& planeNormal) const;
  // Coordinates in the plane's axes (the vector is projected orthogonally onto the plane first).
  AcGeVector2d convert2d(const AcGePlanarEnt& plane) const;

  // Unsigned angle, in [0, pi] (radians).
  double angleTo(const AcGeVector3d& v) const;
  // Angle from this to v counter-clockwise seen from the tip of refVec, in [0, 2pi) (radians):
  // angleTo(v) when refVec.dotProduct(crossProduct(v)) >= 0, else 2pi - angleTo(v).
  double angleTo(const AcGeVector3d& v, const AcGeVector3d& refVec) const;
  // Angle of the projection of this vector on the plane, from the plane's first axis, counter-
  // clockwise about its normal, in [0, 2pi) (radians).
  double angleOnPlane(const AcGePlanarEnt& plane) const;

  double length() const;
  double lengthSqrd() const { return x * x + y * y + z * z; }
  double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  AcGeVector3d crossProduct(const AcGeVector3d& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
  }
  // A unit vector perpendicular to this one, chosen by the arbitrary axis algorithm (the X axis
  // of the object coordinate system whose normal is this vector).
  AcGeVector3d perpVector() const;
  AcGeVector3d normal(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeVector3d& normalize(const AcGeTol& tol = AcGeContext::gTol);
  AcGeVector3d& normalize(const AcGeTol& tol, AcGe::ErrorCondition& flag);
  unsigned int largestElement() const;

  bool isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isParallelTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isCodirectionalTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isEqualTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeVector3d& v) const { return isEqualTo(v); }
  bool operator!=(const AcGeVector3d& v) const { return !isEqualTo(v); }

  double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }
  AcGeVector3d& set(double xx, double yy, double zz) { x = xx; y = yy; z = zz; return *this; }
  AcGeVector3d& set(const AcGePlanarEnt& plane, const AcGeVector2d& v);

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline AcGeVector3d operator*(double s, const AcGeVector3d& v) { return v * s; }
AcGeVector3d operator*(const AcGeMatrix3d& mat, const AcGeVector3d& v);
