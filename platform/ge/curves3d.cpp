// The host's 3D curves: lines, segments and circular arcs, and what planes and matrices do with
// lines.
#include <algorithm>
#include <cmath>

#include "ge/angles.h"
#include "ge/gearc3d.h"
#include "ge/geline3d.h"
#include "ge/gelnsg3d.h"
#include "ge/gemat3d.h"
#include "ge/geplane.h"
#include "ge/intersections.h"
#include "ge/linear_ent_members.h"

using ge::kPi;
using ge::kTwoPi;

// ---- AcGeBoundBlock3d ----

AcGeBoundBlock3d& AcGeBoundBlock3d::set(const AcGePoint3d& point1, const AcGePoint3d& point2) {
  min_.set(std::min(point1.x, point2.x), std::min(point1.y, point2.y), std::min(point1.z, point2.z));
  max_.set(std::max(point1.x, point2.x), std::max(point1.y, point2.y), std::max(point1.z, point2.z));
  empty_ = false;
  return *this;
}

AcGeBoundBlock3d& AcGeBoundBlock3d::extend(const AcGePoint3d& point) {
  if (empty_) return set(point, point);
  min_.set(std::min(min_.x, point.x), std::min(min_.y, point.y), std::min(min_.z, point.z));
  max_.set(std::max(max_.x, point.x), std::max(max_.y, point.y), std::max(max_.z, point.z));
  return *this;
}

AcGeBoundBlock3d& AcGeBoundBlock3d::extend(const AcGeBoundBlock3d& block) {
  if (block.empty_) return *this;
  extend(block.min_);
  return extend(block.max_);
}

AcGeBoundBlock3d& AcGeBoundBlock3d::swell(double distance) {
  if (empty_) return *this;
  const AcGeVector3d d(distance, distance, distance);
  min_ -= d;
  max_ += d;
  return *this;
}

bool AcGeBoundBlock3d::contains(const AcGePoint3d& p) const {
  return !empty_ && p.x >= min_.x && p.x <= max_.x && p.y >= min_.y && p.y <= max_.y &&
         p.z >= min_.z && p.z <= max_.z;
}

bool AcGeBoundBlock3d::isDisjoint(const AcGeBoundBlock3d& b) const {
  if (empty_ || b.empty_) return true;
  return b.min_.x > max_.x || b.max_.x < min_.x || b.min_.y > max_.y || b.max_.y < min_.y ||
         b.min_.z > max_.z || b.max_.z < min_.z;
}

// ---- AcGeCurve3d ----

void AcGeCurve3d::getSamplePoints(int numSample, AcGePoint3dArray& pointArray) const {
  pointArray.removeAll();
  AcGeInterval range;
  getInterval(range);
  if (numSample <= 0 || !range.isBounded()) return;
  if (numSample == 1) {
    pointArray.append(evalPoint(range.lowerBound()));
    return;
  }
  for (int i = 0; i < numSample; ++i)
    pointArray.append(evalPoint(range.lowerBound() + range.length() * i / (numSample - 1)));
}

// ---- AcGeLinearEnt3d ----

const AcGeLine3d AcGeLine3d::kXAxis(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0));
const AcGeLine3d AcGeLine3d::kYAxis(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0));
const AcGeLine3d AcGeLine3d::kZAxis(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, 1));

DEFINE_LINEAR_ENT_MEMBERS(3d)

void AcGeLinearEnt3d::getPerpPlane(const AcGePoint3d& pnt, AcGePlane& plane) const {
  plane.set(pnt, vector_);
}

bool AcGeLinearEnt3d::intersectWith(const AcGeLinearEnt3d& other, AcGePoint3d& pnt,
                                    const AcGeTol& tol) const {
  if (isParallelTo(other, tol)) return false;
  double s = 0.0, t = 0.0;
  AcGePoint3d p;
  if (!ge::intersectLines3d(point_, vector_, other.point_, other.vector_, p, tol.equalPoint(), &s,
                            &t))
    return false;
  AcGeInterval mine, theirs;
  getInterval(mine);
  other.getInterval(theirs);
  const double epsMine = tol.equalPoint() / std::max(vector_.length(), 1e-300);
  const double epsTheirs = tol.equalPoint() / std::max(other.vector_.length(), 1e-300);
  if (!mine.contains(s, epsMine) || !theirs.contains(t, epsTheirs)) return false;
  pnt = p;
  return true;
}

bool AcGeLinearEnt3d::intersectWith(const AcGePlanarEnt& plane, AcGePoint3d& pnt,
                                    const AcGeTol& tol) const {
  return plane.intersectWith(*this, pnt, tol);
}

AcGePoint3d AcGeLinearEnt3d::closestPointTo(const AcGeLinearEnt3d& other, AcGePoint3d& pntOnOther,
                                            const AcGeTol& tol) const {
  // Alternate projections converge for bounded entities; for unbounded ones the closed form of
  // the common perpendicular gives the answer at once.
  const AcGeVector3d w = point_ - other.point_;
  const double a = vector_.dotProduct(vector_), b = vector_.dotProduct(other.vector_),
               c = other.vector_.dotProduct(other.vector_);
  const double d = vector_.dotProduct(w), e = other.vector_.dotProduct(w);
  const double den = a * c - b * b;
  double s = den > 1e-24 * a * c ? (b * e - c * d) / den : 0.0;
  s = clampParam(s);
  double t = other.clampParam(other.paramOf(evalPoint(s), tol));
  s = clampParam(paramOf(other.evalPoint(t), tol));
  t = other.clampParam(other.paramOf(evalPoint(s), tol));
  pntOnOther = other.evalPoint(t);
  return evalPoint(s);
}

AcGeBoundBlock3d AcGeLinearEnt3d::orthoBoundBlock() const {
  AcGeInterval range;
  getInterval(range);
  if (!range.isBounded()) return AcGeBoundBlock3d();  // unbounded: no finite box
  return AcGeBoundBlock3d(evalPoint(range.lowerBound()), evalPoint(range.upperBound()));
}

void AcGeLineSeg3d::getBisector(AcGePlane& plane) const { plane.set(midPoint(), vector_); }

// ---- Planes and lines ----

bool AcGePlanarEnt::isParallelTo(const AcGeLinearEnt3d& line, const AcGeTol& tol) const {
  return normal_.isPerpendicularTo(line.direction(), tol);
}

bool AcGePlanarEnt::intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& point,
                                  const AcGeTol& tol) const {
  const AcGeVector3d dir = line.evalPoint(1.0) - line.evalPoint(0.0);
  const double denom = dir.dotProduct(normal_);
  if (isParallelTo(line, tol) || denom == 0.0) return false;
  const double t = (origin_ - line.pointOnLine()).dotProduct(normal_) / denom;
  AcGeInterval range;
  line.getInterval(range);
  if (!range.contains(t, tol.equalPoint() / std::max(dir.length(), 1e-300))) return false;
  point = line.evalPoint(t);
  return true;
}

bool AcGePlane::intersectWith(const AcGePlane& other, AcGeLine3d& line, const AcGeTol& tol) const {
  const AcGeVector3d dir = normal_.crossProduct(other.normal_);
  if (isParallelTo(other, tol) || dir.isZeroLength(tol)) return false;
  // The point of the line nearest to this plane's origin: solve n1.p = d1, n2.p = d2, dir.p = dir.o.
  const double d1 = normal_.dotProduct(origin_.asVector());
  const double d2 = other.normal_.dotProduct(other.origin_.asVector());
  const double d3 = dir.dotProduct(origin_.asVector());
  AcGeMatrix3d m;
  const AcGeVector3d rows[3] = {normal_, other.normal_, dir};
  for (int i = 0; i < 3; ++i)
    for (unsigned int j = 0; j < 3; ++j) m.entry[i][j] = rows[i][j];
  const AcGeMatrix3d inv = m.inverse();
  const AcGeVector3d p = inv * AcGeVector3d(d1, d2, d3);
  line.set(AcGePoint3d(p.x, p.y, p.z), dir.normal());
  return true;
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGeLine3d& line) {
  // p' = 2 (foot of p on the line) - p = (2 u u^T - I) p + 2 (o - (o.u) u)
  setToIdentity();
  const AcGeVector3d u = line.direction();
  for (unsigned int i = 0; i < 3; ++i)
    for (unsigned int j = 0; j < 3; ++j) entry[i][j] = 2.0 * u[i] * u[j] - (i == j ? 1.0 : 0.0);
  const AcGeVector3d o = line.pointOnLine().asVector();
  return setTranslation((o - u * o.dotProduct(u)) * 2.0);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGeLine3d& line) {
  return AcGeMatrix3d().setToMirroring(line);
}

// ---- AcGeCircArc3d ----

AcGeCircArc3d::AcGeCircArc3d() = default;

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& center, const AcGeVector3d& normal, double radius) {
  set(center, normal, radius);
}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& center, const AcGeVector3d& normal,
                             const AcGeVector3d& refVec, double radius, double startAngle,
                             double endAngle) {
  set(center, normal, refVec, radius, startAngle, endAngle);
}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& startPoint, const AcGePoint3d& pnt,
                             const AcGePoint3d& endPoint) {
  set(startPoint, pnt, endPoint);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& center, const AcGeVector3d& normal,
                                  double radius) {
  // The reference vector of a full circle follows the arbitrary axis algorithm, as the host's
  // circles do.
  return set(center, normal, normal.perpVector(), radius, 0.0, kTwoPi);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& center, const AcGeVector3d& normal,
                                  const AcGeVector3d& refVec, double radius, double startAngle,
                                  double endAngle) {
  center_ = center;
  radius_ = radius;
  setAxis(normal, refVec);
  setAngles(startAngle, endAngle);
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt,
                                  const AcGePoint3d& endPoint) {
  const AcGeVector3d a = pnt - startPoint, b = endPoint - pnt;
  const AcGeVector3d n = a.crossProduct(b);
  if (n.isZeroLength()) return *this;  // collinear points: no arc
  // Work in the plane of the three points, then come back to space.
  const AcGePlane plane(startPoint, a, n.crossProduct(a));
  const AcGePoint2d s2 = startPoint.convert2d(plane), m2 = pnt.convert2d(plane),
                    e2 = endPoint.convert2d(plane);
  const AcGeVector2d a2 = m2 - s2, b2 = e2 - m2;
  const double det = a2.crossProduct(b2);
  const double sa = a2.lengthSqrd(), sb = b2.lengthSqrd();
  const AcGeVector2d c((-sa * 0.5 * b2.y - sb * 0.5 * a2.y) / det,
                       (sb * 0.5 * a2.x + sa * 0.5 * b2.x) / det);
  const AcGePoint3d center = plane.evalPoint(m2 + c);
  // The normal n makes the points run counter-clockwise.
  const AcGeVector3d ref = startPoint - center;
  center_ = center;
  radius_ = ref.length();
  setAxis(n, ref);
  startAng_ = 0.0;
  endAng_ = ref.angleTo(endPoint - center, normal_);
  if (endAng_ <= 0.0) endAng_ = kTwoPi;
  return *this;
}

void AcGeCircArc3d::setAxis(const AcGeVector3d& normal, const AcGeVector3d& refVec) {
  normal_ = normal.normal();
  AcGeVector3d ref = refVec.orthoProject(normal_);
  if (ref.isZeroLength()) ref = normal_.perpVector();
  refVec_ = ref.normal();
}

void AcGeCircArc3d::setAngles(double startAngle, double endAngle) {
  double sweep = endAngle - startAngle;
  if (sweep <= 0.0 || sweep > kTwoPi) {
    sweep = ge::normalizeAngle(sweep);
    if (sweep == 0.0) sweep = kTwoPi;
  }
  startAng_ = startAngle;
  endAng_ = startAngle + sweep;
}

void AcGeCircArc3d::getPlane(AcGePlane& plane) const {
  plane.set(center_, refVec_, normal_.crossProduct(refVec_));
}

AcGePoint3d AcGeCircArc3d::evalPoint(double param) const {
  const AcGeVector3d side = normal_.crossProduct(refVec_);
  return center_ + (refVec_ * std::cos(param) + side * std::sin(param)) * radius_;
}

AcGePoint3d AcGeCircArc3d::evalPoint(double param, int numDeriv, AcGeVector3dArray& derivs) const {
  derivs.removeAll();
  const AcGeVector3d u = refVec_, v = normal_.crossProduct(refVec_);
  const double c = std::cos(param), s = std::sin(param);
  for (int k = 1; k <= numDeriv; ++k) {
    const int phase = k % 4;
    const double dc = phase == 1 ? -s : phase == 2 ? -c : phase == 3 ? s : c;
    const double ds = phase == 1 ? c : phase == 2 ? -s : phase == 3 ? -c : s;
    derivs.append((u * dc + v * ds) * radius_);
  }
  return evalPoint(param);
}

double AcGeCircArc3d::paramOf(const AcGePoint3d& pnt, const AcGeTol&) const {
  const AcGeVector3d d = pnt - center_;
  const AcGeVector3d side = normal_.crossProduct(refVec_);
  const double a = ge::normalizeAngle(std::atan2(d.dotProduct(side), d.dotProduct(refVec_)));
  return startAng_ + ge::normalizeAngle(a - startAng_);
}

AcGePoint3d AcGeCircArc3d::closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  const AcGeVector3d d = (pnt - center_).orthoProject(normal_);
  if (d.isZeroLength(tol)) return startPoint();
  const double t = paramOf(pnt, tol);
  if (t <= endAng_) return evalPoint(t);
  const AcGePoint3d s = startPoint(), e = endPoint();
  return pnt.distanceTo(s) <= pnt.distanceTo(e) ? s : e;
}

double AcGeCircArc3d::length(double fromParam, double toParam, double) const {
  return radius_ * std::fabs(toParam - fromParam);
}

bool AcGeCircArc3d::isClosed(const AcGeTol& tol) const {
  return startPoint().isEqualTo(endPoint(), tol);
}

AcGeCircArc3d& AcGeCircArc3d::transformBy(const AcGeMatrix3d& xform) {
  const AcGeVector3d side = normal_.crossProduct(refVec_);
  const AcGeVector3d u = xform * refVec_, v = xform * side;
  center_ = xform * center_;
  radius_ *= u.length();
  refVec_ = u.normal();
  normal_ = u.crossProduct(v).normal();  // a mirror turns the normal over, keeping the points
  return *this;
}

AcGeBoundBlock3d AcGeCircArc3d::orthoBoundBlock() const {
  AcGeBoundBlock3d box(startPoint(), endPoint());
  const AcGeVector3d u = refVec_, v = normal_.crossProduct(refVec_);
  // Along each axis, x(a) = cx + r (ux cos a + vx sin a) is extreme at a = atan2(vx, ux) (+ pi).
  for (unsigned int axis = 0; axis < 3; ++axis) {
    if (u[axis] == 0.0 && v[axis] == 0.0) continue;
    const double a0 = std::atan2(v[axis], u[axis]);
    for (double a : {a0, a0 + kPi}) {
      const double rel = ge::normalizeAngle(a - startAng_);
      if (rel <= endAng_ - startAng_) box.extend(evalPoint(startAng_ + rel));
    }
  }
  return box;
}

namespace {
// Builds the plane coordinate frame of an arc for 2D work.
AcGePlane arcPlane(const AcGeCircArc3d& arc) {
  AcGePlane p;
  arc.getPlane(p);
  return p;
}

ge::PathSegment arcIn2d(const AcGeCircArc3d& arc, const AcGePlane& plane) {
  const AcGePoint2d c = arc.center().convert2d(plane);
  const AcGePoint2d s = arc.startPoint().convert2d(plane);
  double sweep = arc.endAng() - arc.startAng();
  // The arc turns counter-clockwise about its own normal; seen in the plane's axes it turns the
  // other way when the normals are opposite.
  if (arc.normal().dotProduct(plane.normal()) < 0.0) sweep = -sweep;
  return ge::PathSegment::arc(c, arc.radius(), std::atan2(s.y - c.y, s.x - c.x), sweep);
}
}  // namespace

bool AcGeCircArc3d::intersectWith(const AcGeLinearEnt3d& line, int& intn, AcGePoint3d& p1,
                                  AcGePoint3d& p2, const AcGeTol& tol) const {
  intn = 0;
  const AcGePlane plane = arcPlane(*this);
  AcGeInterval range;
  line.getInterval(range);
  const AcGePoint3d a = line.evalPoint(range.isBoundedBelow() ? range.lowerBound() : 0.0);
  const AcGePoint3d b = line.evalPoint(range.isBoundedAbove() ? range.upperBound() : 1.0);
  std::vector<AcGePoint3d> found;
  if (plane.isOn(a, tol) && plane.isOn(b, tol)) {
    // In the arc's plane: a 2D problem.
    const ge::SegmentExtension ext{!range.isBoundedBelow(), !range.isBoundedAbove()};
    for (const auto& h : ge::intersectSegments(
             arcIn2d(*this, plane), {},
             ge::PathSegment::line(a.convert2d(plane), b.convert2d(plane)), ext,
             tol.equalPoint()))
      found.push_back(plane.evalPoint(h.point));
  } else {
    AcGePoint3d p;
    if (plane.intersectWith(line, p, tol) && isOn(p, tol)) found.push_back(p);
  }
  intn = static_cast<int>(found.size());
  if (intn > 0) p1 = found[0];
  if (intn > 1) p2 = found[1];
  return intn > 0;
}

bool AcGeCircArc3d::intersectWith(const AcGeCircArc3d& arc, int& intn, AcGePoint3d& p1,
                                  AcGePoint3d& p2, const AcGeTol& tol) const {
  intn = 0;
  const AcGePlane plane = arcPlane(*this);
  AcGePlane other;
  arc.getPlane(other);
  if (!plane.isCoplanarTo(other, tol)) {
    // Different planes: the arcs can only meet on the planes' common line.
    AcGeLine3d common;
    if (!plane.intersectWith(other, common, tol)) return false;
    AcGePoint3d q1, q2;
    int n = 0;
    intersectWith(common, n, q1, q2, tol);
    const AcGePoint3d qs[2] = {q1, q2};
    for (int i = 0; i < n; ++i) {
      if (!arc.isOn(qs[i], tol)) continue;
      (intn == 0 ? p1 : p2) = qs[i];
      ++intn;
    }
    return intn > 0;
  }
  const auto hits = ge::intersectSegments(arcIn2d(*this, plane), {}, arcIn2d(arc, plane), {},
                                          tol.equalPoint());
  intn = static_cast<int>(std::min<size_t>(hits.size(), 2));
  if (intn > 0) p1 = plane.evalPoint(hits[0].point);
  if (intn > 1) p2 = plane.evalPoint(hits[1].point);
  return intn > 0;
}

bool AcGeCircArc3d::tangent(const AcGePoint3d& pnt, AcGeLine3d& line, const AcGeTol& tol) const {
  if (!isOn(pnt, tol)) return false;
  line.set(pnt, normal_.crossProduct(pnt - center_).normal());
  return true;
}
