#include <cmath>

#include "ge/angles.h"
#include "ge/gemat3d.h"
#include "ge/geplane.h"
#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"
#include "ge/vector_members.h"

const AcGeVector3d AcGeVector3d::kIdentity(0.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kXAxis(1.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kYAxis(0.0, 1.0, 0.0);
const AcGeVector3d AcGeVector3d::kZAxis(0.0, 0.0, 1.0);
const AcGePoint3d AcGePoint3d::kOrigin(0.0, 0.0, 0.0);

AcGeVector3d operator*(const AcGeMatrix3d& m, const AcGeVector3d& v) {
  const auto& e = m.entry;
  return {e[0][0] * v.x + e[0][1] * v.y + e[0][2] * v.z,
          e[1][0] * v.x + e[1][1] * v.y + e[1][2] * v.z,
          e[2][0] * v.x + e[2][1] * v.y + e[2][2] * v.z};
}

AcGePoint3d operator*(const AcGeMatrix3d& m, const AcGePoint3d& p) {
  const auto& e = m.entry;
  double w = e[3][0] * p.x + e[3][1] * p.y + e[3][2] * p.z + e[3][3];
  if (w == 0.0) w = 1.0;
  return {(e[0][0] * p.x + e[0][1] * p.y + e[0][2] * p.z + e[0][3]) / w,
          (e[1][0] * p.x + e[1][1] * p.y + e[1][2] * p.z + e[1][3]) / w,
          (e[2][0] * p.x + e[2][1] * p.y + e[2][2] * p.z + e[2][3]) / w};
}

// ---- AcGeVector3d ----

AcGeVector3d::AcGeVector3d(const AcGePlanarEnt& plane, const AcGeVector2d& v) { set(plane, v); }

AcGeVector3d& AcGeVector3d::set(const AcGePlanarEnt& plane, const AcGeVector2d& v) {
  AcGePoint3d origin;
  AcGeVector3d u, w;
  plane.getCoordSystem(origin, u, w);
  return *this = u * v.x + w * v.y;
}

DEFINE_VECTOR_MEMBERS(3d)

AcGeVector3d& AcGeVector3d::rotateBy(double angle, const AcGeVector3d& axis) {
  return transformBy(AcGeMatrix3d::rotation(angle, axis));
}

AcGeVector3d& AcGeVector3d::mirror(const AcGeVector3d& normalToPlane) {
  const AcGeVector3d n = normalToPlane.normal();
  if (n.isZeroLength()) return *this;
  return *this -= n * (2.0 * dotProduct(n));
}

AcGeVector3d AcGeVector3d::project(const AcGeVector3d& planeNormal,
                                   const AcGeVector3d& projectDirection) const {
  const double denom = projectDirection.dotProduct(planeNormal);
  if (denom == 0.0) return *this;  // the direction lies in the plane: no projection exists
  return *this - projectDirection * (dotProduct(planeNormal) / denom);
}

AcGeVector3d AcGeVector3d::orthoProject(const AcGeVector3d& planeNormal) const {
  const AcGeVector3d n = planeNormal.normal();
  return *this - n * dotProduct(n);
}

AcGeVector2d AcGeVector3d::convert2d(const AcGePlanarEnt& plane) const {
  const AcGePoint3d origin = plane.pointOnPlane();
  return plane.paramOf(origin + *this) - AcGePoint2d::kOrigin;
}

double AcGeVector3d::angleTo(const AcGeVector3d& v) const {
  return std::atan2(crossProduct(v).length(), dotProduct(v));
}

double AcGeVector3d::angleTo(const AcGeVector3d& v, const AcGeVector3d& refVec) const {
  const double a = angleTo(v);
  if (refVec.dotProduct(crossProduct(v)) >= 0.0) return a;
  return ge::normalizeAngle(ge::kTwoPi - a);
}

double AcGeVector3d::angleOnPlane(const AcGePlanarEnt& plane) const {
  AcGePoint3d origin;
  AcGeVector3d u, w;
  plane.getCoordSystem(origin, u, w);
  const AcGeVector3d n = plane.normal();
  const AcGeVector3d p = orthoProject(n);
  const AcGeVector3d uu = u.normal();
  const AcGeVector3d vv = n.crossProduct(uu);
  return ge::normalizeAngle(std::atan2(p.dotProduct(vv), p.dotProduct(uu)));
}

double AcGeVector3d::length() const { return std::sqrt(lengthSqrd()); }

AcGeVector3d AcGeVector3d::perpVector() const {
  // Arbitrary axis algorithm (DXF reference): with N this vector normalised,
  // Ax = Wy x N when |Nx| < 1/64 and |Ny| < 1/64, else Wz x N.
  const AcGeVector3d n = normal();
  if (n.isZeroLength()) return kXAxis;
  constexpr double kLimit = 1.0 / 64.0;
  const AcGeVector3d ax = (std::fabs(n.x) < kLimit && std::fabs(n.y) < kLimit)
                              ? kYAxis.crossProduct(n)
                              : kZAxis.crossProduct(n);
  return ax.normal();
}

unsigned int AcGeVector3d::largestElement() const {
  const double ax = std::fabs(x), ay = std::fabs(y), az = std::fabs(z);
  if (ax >= ay && ax >= az) return 0;
  return ay >= az ? 1 : 2;
}

// ---- AcGePoint3d ----

AcGePoint3d::AcGePoint3d(const AcGePlanarEnt& plane, const AcGePoint2d& p) { set(plane, p); }

AcGePoint3d& AcGePoint3d::set(const AcGePlanarEnt& plane, const AcGePoint2d& p) {
  return *this = plane.evalPoint(p);
}

AcGePoint3d& AcGePoint3d::setToProduct(const AcGeMatrix3d& mat, const AcGePoint3d& p) {
  return *this = mat * p;
}

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& leftSide) {
  return *this = leftSide * *this;
}

AcGePoint3d& AcGePoint3d::rotateBy(double angle, const AcGeVector3d& axis,
                                   const AcGePoint3d& wrtPoint) {
  return transformBy(AcGeMatrix3d::rotation(angle, axis, wrtPoint));
}

AcGePoint3d& AcGePoint3d::mirror(const AcGePlane& plane) {
  return transformBy(AcGeMatrix3d::mirroring(plane));
}

AcGePoint3d& AcGePoint3d::scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint) {
  return *this = wrtPoint + (*this - wrtPoint) * scaleFactor;
}

AcGePoint3d AcGePoint3d::project(const AcGePlane& plane, const AcGeVector3d& dir) const {
  const AcGeVector3d n = plane.normal();
  const double denom = dir.dotProduct(n);
  if (denom == 0.0) return *this;  // the direction lies in the plane: no projection exists
  return *this - dir * ((*this - plane.pointOnPlane()).dotProduct(n) / denom);
}

AcGePoint3d AcGePoint3d::orthoProject(const AcGePlane& plane) const {
  return plane.closestPointTo(*this);
}

AcGePoint2d AcGePoint3d::convert2d(const AcGePlanarEnt& plane) const { return plane.paramOf(*this); }

double AcGePoint3d::distanceTo(const AcGePoint3d& p) const { return (*this - p).length(); }

bool AcGePoint3d::isEqualTo(const AcGePoint3d& p, const AcGeTol& tol) const {
  return distanceTo(p) <= tol.equalPoint();
}
