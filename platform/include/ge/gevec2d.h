// AcGeVector2d: a displacement in the plane.
#pragma once
#include "ge/gegbl.h"
#include "ge/getol.h"

class AcGeMatrix2d;
class AcGeLinearEnt2d;

class AcGeVector2d {
 public:
  constexpr AcGeVector2d() = default;
  constexpr AcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

  static const AcGeVector2d kIdentity;  // the zero vector, additive identity
  static const AcGeVector2d kXAxis;
  static const AcGeVector2d kYAxis;

  // Arithmetic.
  AcGeVector2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
  AcGeVector2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
  AcGeVector2d operator-() const { return {-x, -y}; }
  AcGeVector2d operator*(double s) const { return {x * s, y * s}; }
  AcGeVector2d operator/(double s) const { return {x / s, y / s}; }
  AcGeVector2d& operator+=(const AcGeVector2d& v) { x += v.x; y += v.y; return *this; }
  AcGeVector2d& operator-=(const AcGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
  AcGeVector2d& operator*=(double s) { x *= s; y *= s; return *this; }
  AcGeVector2d& operator/=(double s) { x /= s; y /= s; return *this; }
  AcGeVector2d& setToSum(const AcGeVector2d& a, const AcGeVector2d& b) { return *this = a + b; }
  AcGeVector2d& setToProduct(const AcGeVector2d& v, double s) { return *this = v * s; }
  AcGeVector2d& setToProduct(const AcGeMatrix2d& mat, const AcGeVector2d& v);
  AcGeVector2d& negate() { x = -x; y = -y; return *this; }
  AcGeVector2d& transformBy(const AcGeMatrix2d& leftSide);
  AcGeVector2d& rotateBy(double angle);  // counter-clockwise (radians)
  AcGeVector2d& mirror(const AcGeVector2d& line);  // about the direction `line` through the origin

  // Geometry.
  double angle() const;  // from the X axis, counter-clockwise, in [0, 2pi) (radians)
  double angleTo(const AcGeVector2d& v) const;  // unsigned, in [0, pi] (radians)
  double length() const;
  double lengthSqrd() const { return x * x + y * y; }
  double dotProduct(const AcGeVector2d& v) const { return x * v.x + y * v.y; }
  // The z component of the cross product: positive when v is counter-clockwise from this.
  double crossProduct(const AcGeVector2d& v) const { return x * v.y - y * v.x; }
  AcGeVector2d perpVector() const { return {-y, x}; }  // rotated a quarter turn counter-clockwise
  AcGeVector2d normal(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeVector2d& normalize(const AcGeTol& tol = AcGeContext::gTol);
  AcGeVector2d& normalize(const AcGeTol& tol, AcGe::ErrorCondition& flag);

  bool isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isParallelTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isCodirectionalTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isEqualTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  // Compared with the global tolerance, as the host does.
  bool operator==(const AcGeVector2d& v) const { return isEqualTo(v); }
  bool operator!=(const AcGeVector2d& v) const { return !isEqualTo(v); }

  double operator[](unsigned int i) const { return i == 0 ? x : y; }
  double& operator[](unsigned int i) { return i == 0 ? x : y; }
  AcGeVector2d& set(double xx, double yy) { x = xx; y = yy; return *this; }

  double x = 0.0;
  double y = 0.0;
};

inline AcGeVector2d operator*(double s, const AcGeVector2d& v) { return v * s; }
AcGeVector2d operator*(const AcGeMatrix2d& mat, const AcGeVector2d& v);
