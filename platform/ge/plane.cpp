#include <cmath>

#include "ge/gemat3d.h"
#include "ge/geplane.h"

// ---- AcGePlanarEnt ----

AcGePlanarEnt::AcGePlanarEnt()
    : origin_(0, 0, 0), uAxis_(1, 0, 0), vAxis_(0, 1, 0), normal_(0, 0, 1) {}

AcGePlanarEnt::AcGePlanarEnt(const AcGePoint3d& origin, const AcGeVector3d& uAxis,
                             const AcGeVector3d& vAxis) {
  setFrame(origin, uAxis, vAxis);
}

void AcGePlanarEnt::setFrame(const AcGePoint3d& origin, const AcGeVector3d& uAxis,
                             const AcGeVector3d& vAxis) {
  origin_ = origin;
  uAxis_ = uAxis;
  vAxis_ = vAxis;
  normal_ = uAxis.crossProduct(vAxis).normal();
}

void AcGePlanarEnt::setFrame(const AcGePoint3d& origin, const AcGeVector3d& normal) {
  const AcGeVector3d n = normal.normal();
  const AcGeVector3d u = n.perpVector();
  origin_ = origin;
  uAxis_ = u;
  vAxis_ = n.crossProduct(u).normal();
  normal_ = n;
}

void AcGePlanarEnt::getCoefficients(double& a, double& b, double& c, double& d) const {
  a = normal_.x;
  b = normal_.y;
  c = normal_.z;
  d = -normal_.dotProduct(origin_.asVector());
}

void AcGePlanarEnt::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& axis1,
                                   AcGeVector3d& axis2) const {
  origin = origin_;
  axis1 = uAxis_;
  axis2 = vAxis_;
}

AcGePoint3d AcGePlanarEnt::evalPoint(const AcGePoint2d& param) const {
  return origin_ + uAxis_ * param.x + vAxis_ * param.y;
}

AcGePoint2d AcGePlanarEnt::paramOf(const AcGePoint3d& point, const AcGeTol&) const {
  // Solve d = u a + v b in the least-squares sense (the axes need not be orthogonal).
  const AcGeVector3d d = point - origin_;
  const double uu = uAxis_.dotProduct(uAxis_), uv = uAxis_.dotProduct(vAxis_),
               vv = vAxis_.dotProduct(vAxis_);
  const double du = d.dotProduct(uAxis_), dv = d.dotProduct(vAxis_);
  const double den = uu * vv - uv * uv;
  if (den == 0.0) return {0.0, 0.0};
  return {(du * vv - dv * uv) / den, (dv * uu - du * uv) / den};
}

AcGePoint3d AcGePlanarEnt::closestPointTo(const AcGePoint3d& point) const {
  return point - normal_ * (point - origin_).dotProduct(normal_);
}

double AcGePlanarEnt::distanceTo(const AcGePoint3d& point) const {
  return std::fabs((point - origin_).dotProduct(normal_));
}

bool AcGePlanarEnt::isOn(const AcGePoint3d& point, const AcGeTol& tol) const {
  return distanceTo(point) <= tol.equalPoint();
}

bool AcGePlanarEnt::isParallelTo(const AcGePlanarEnt& other, const AcGeTol& tol) const {
  return normal_.isParallelTo(other.normal_, tol);
}

bool AcGePlanarEnt::isPerpendicularTo(const AcGePlanarEnt& other, const AcGeTol& tol) const {
  return normal_.isPerpendicularTo(other.normal_, tol);
}

bool AcGePlanarEnt::isCoplanarTo(const AcGePlanarEnt& other, const AcGeTol& tol) const {
  return isParallelTo(other, tol) && isOn(other.origin_, tol);
}

// ---- AcGePlane ----

const AcGePlane AcGePlane::kXYPlane(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0),
                                    AcGeVector3d(0, 1, 0));
const AcGePlane AcGePlane::kYZPlane(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0),
                                    AcGeVector3d(0, 0, 1));
const AcGePlane AcGePlane::kZXPlane(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, 1),
                                    AcGeVector3d(1, 0, 0));

AcGePlane::AcGePlane() = default;

AcGePlane::AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& normal) { set(origin, normal); }

AcGePlane::AcGePlane(const AcGePoint3d& pntU, const AcGePoint3d& origin, const AcGePoint3d& pntV) {
  set(pntU, origin, pntV);
}

AcGePlane::AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& uAxis,
                     const AcGeVector3d& vAxis) {
  set(origin, uAxis, vAxis);
}

AcGePlane::AcGePlane(double a, double b, double c, double d) { set(a, b, c, d); }

AcGePlane& AcGePlane::set(const AcGePoint3d& origin, const AcGeVector3d& normal) {
  setFrame(origin, normal);
  return *this;
}

AcGePlane& AcGePlane::set(const AcGePoint3d& pntU, const AcGePoint3d& origin,
                          const AcGePoint3d& pntV) {
  setFrame(origin, pntU - origin, pntV - origin);
  return *this;
}

AcGePlane& AcGePlane::set(const AcGePoint3d& origin, const AcGeVector3d& uAxis,
                          const AcGeVector3d& vAxis) {
  setFrame(origin, uAxis, vAxis);
  return *this;
}

AcGePlane& AcGePlane::set(double a, double b, double c, double d) {
  // The point of the plane nearest the world origin.
  const AcGeVector3d n(a, b, c);
  const double len2 = n.lengthSqrd();
  const AcGePoint3d origin = len2 > 0.0 ? AcGePoint3d::kOrigin - n * (d / len2) : AcGePoint3d();
  setFrame(origin, n);
  return *this;
}

double AcGePlane::signedDistanceTo(const AcGePoint3d& point) const {
  return (point - origin_).dotProduct(normal_);
}

AcGePlane& AcGePlane::transformBy(const AcGeMatrix3d& xform) {
  const AcGePoint3d o = xform * origin_;
  setFrame(o, xform * uAxis_, xform * vAxis_);
  return *this;
}
