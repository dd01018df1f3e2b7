// AcGePoint3d: a position in space.
#pragma once
#include "ge/gepnt2d.h"
#include "ge/gevec3d.h"

class AcGeMatrix3d;
class AcGePlane;
class AcGePlanarEnt;
class AcGeLine3d;

class AcGePoint3d {
 public:
  constexpr AcGePoint3d() = default;
  constexpr AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The point whose coordinates in the plane's coordinate system are p.
  AcGePoint3d(const AcGePlanarEnt& plane, const AcGePoint2d& p);

  static const AcGePoint3d kOrigin;

  AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
  AcGePoint3d operator*(double s) const { return {x * s, y * s, z * s}; }
  AcGePoint3d operator/(double s) const { return {x / s, y / s, z / s}; }
  AcGePoint3d& operator+=(const AcGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  AcGePoint3d& operator-=(const AcGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  AcGePoint3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
  AcGePoint3d& operator/=(double s) { x /= s; y /= s; z /= s; return *this; }

  AcGePoint3d& setToProduct(const AcGeMatrix3d& mat, const AcGePoint3d& p);
  AcGePoint3d& setToSum(const AcGePoint3d& p, const AcGeVector3d& v) { return *this = p + v; }
  AcGePoint3d& transformBy(const AcGeMatrix3d& leftSide);
  AcGePoint3d& rotateBy(double angle, const AcGeVector3d& axis,
                        const AcGePoint3d& wrtPoint = kOrigin);  // (radians), right-handed
  AcGePoint3d& mirror(const AcGePlane& plane);
  AcGePoint3d& scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint = kOrigin);

  // Projections onto a plane: along a direction, or orthogonally.
  AcGePoint3d project(const AcGePlane& plane, const AcGeVector3d& projectDirection) const;
  AcGePoint3d orthoProject(const AcGePlane& plane) const;
  // Coordinates in the plane's coordinate system (after orthogonal projection onto the plane).
  AcGePoint2d convert2d(const AcGePlanarEnt& plane) const;

  double distanceTo(const AcGePoint3d& p) const;
  AcGeVector3d asVector() const { return {x, y, z}; }

  bool isEqualTo(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const;
  // Compared with the global tolerance, as the host does.
  bool operator==(const AcGePoint3d& p) const { return isEqualTo(p); }
  bool operator!=(const AcGePoint3d& p) const { return !isEqualTo(p); }

  double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }
  AcGePoint3d& set(double xx, double yy, double zz) { x = xx; y = yy; z = zz; return *this; }
  AcGePoint3d& set(const AcGePlanarEnt& plane, const AcGePoint2d& p);

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline AcGePoint3d operator*(double s, const AcGePoint3d& p) { return p * s; }
AcGePoint3d operator*(const AcGeMatrix3d& mat, const AcGePoint3d& p);
