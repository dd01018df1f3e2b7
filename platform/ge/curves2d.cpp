// The host's 2D curves: lines, segments and circular arcs.
#include <algorithm>
#include <cmath>

#include "ge/angles.h"
#include "ge/gearc2d.h"
#include "ge/geline2d.h"
#include "ge/gelnsg2d.h"
#include "ge/gemat2d.h"
#include "ge/intersections.h"
#include "ge/linear_ent_members.h"
#include "ge/path_segment.h"

using ge::kPi;
using ge::kTwoPi;

// ---- AcGeCurve2d ----

void AcGeCurve2d::getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const {
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

// ---- AcGeLinearEnt2d ----

DEFINE_LINEAR_ENT_MEMBERS(2d)

void AcGeLinearEnt2d::getPerpLine(const AcGePoint2d& pnt, AcGeLine2d& perpLine) const {
  perpLine.set(pnt, vector_.perpVector());
}

bool AcGeLinearEnt2d::intersectWith(const AcGeLinearEnt2d& other, AcGePoint2d& pnt,
                                    const AcGeTol& tol) const {
  const double denom = vector_.crossProduct(other.vector_);
  if (isParallelTo(other, tol) || denom == 0.0) return false;
  const double s = (other.point_ - point_).crossProduct(other.vector_) / denom;
  const double t = (other.point_ - point_).crossProduct(vector_) / denom;
  AcGeInterval mine, theirs;
  getInterval(mine);
  other.getInterval(theirs);
  const double epsMine = tol.equalPoint() / std::max(vector_.length(), 1e-300);
  const double epsTheirs = tol.equalPoint() / std::max(other.vector_.length(), 1e-300);
  if (!mine.contains(s, epsMine) || !theirs.contains(t, epsTheirs)) return false;
  pnt = evalPoint(s);
  return true;
}

// ---- AcGeLine2d, AcGeLineSeg2d ----

const AcGeLine2d AcGeLine2d::kXAxis(AcGePoint2d(0, 0), AcGeVector2d(1, 0));
const AcGeLine2d AcGeLine2d::kYAxis(AcGePoint2d(0, 0), AcGeVector2d(0, 1));

void AcGeLineSeg2d::getBisector(AcGeLine2d& line) const {
  line.set(midPoint(), vector_.perpVector());
}

// ---- Points and matrices reflected in a line ----

AcGeMatrix2d& AcGeMatrix2d::setToMirroring(const AcGeLine2d& line) {
  // p' = 2 (foot of p on the line) - p
  setToIdentity();
  const AcGeVector2d u = line.direction();
  const AcGePoint2d o = line.pointOnLine();
  entry[0][0] = 2 * u.x * u.x - 1;
  entry[0][1] = 2 * u.x * u.y;
  entry[1][0] = 2 * u.x * u.y;
  entry[1][1] = 2 * u.y * u.y - 1;
  const AcGeVector2d ov = o.asVector();
  return setTranslation(ov - (*this * ov));
}

AcGeMatrix2d AcGeMatrix2d::mirroring(const AcGeLine2d& line) {
  return AcGeMatrix2d().setToMirroring(line);
}

AcGePoint2d& AcGePoint2d::mirror(const AcGeLine2d& line) {
  return transformBy(AcGeMatrix2d::mirroring(line));
}

// ---- AcGeCircArc2d ----

AcGeCircArc2d::AcGeCircArc2d() = default;

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& center, double radius) { set(center, radius); }

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& center, double radius, double startAngle,
                             double endAngle, const AcGeVector2d& refVec, bool isClockWise) {
  set(center, radius, startAngle, endAngle, refVec, isClockWise);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& point,
                             const AcGePoint2d& endPoint) {
  set(startPoint, point, endPoint);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint,
                             double bulge, bool bulgeFlag) {
  set(startPoint, endPoint, bulge, bulgeFlag);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& center, double radius) {
  return set(center, radius, 0.0, kTwoPi);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& center, double radius, double startAngle,
                                  double endAngle, const AcGeVector2d& refVec, bool isClockWise) {
  center_ = center;
  radius_ = radius;
  refVec_ = refVec.normal();
  clockwise_ = isClockWise;
  setAngles(startAngle, endAngle);
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& point,
                                  const AcGePoint2d& endPoint) {
  // The centre is where the bisectors of the two chords meet.
  const AcGeVector2d a = point - startPoint, b = endPoint - point;
  const double denom = 2.0 * a.crossProduct(b);
  if (denom == 0.0) return *this;  // collinear points: no arc
  const double sa = a.lengthSqrd(), sb = b.lengthSqrd();
  // Solve for the centre relative to `point`: c . a = -sa/2 (from start), c . b = sb/2.
  const AcGeVector2d c((-sa * 0.5 * b.y - sb * 0.5 * a.y) / (denom * 0.5),
                       (sb * 0.5 * a.x + sa * 0.5 * b.x) / (denom * 0.5));
  const AcGePoint2d center = point + c;
  const double radius = center.distanceTo(point);
  // Counter-clockwise when the points turn left.
  const bool clockwise = denom < 0.0;
  const AcGeVector2d toStart = startPoint - center, toEnd = endPoint - center;
  double sweep = toStart.angleTo(toEnd);
  if ((toStart.crossProduct(toEnd) < 0.0) != clockwise) sweep = kTwoPi - sweep;
  center_ = center;
  radius_ = radius;
  refVec_ = AcGeVector2d(1, 0);
  clockwise_ = clockwise;
  const double start = ge::normalizeAngle(clockwise ? -toStart.angle() : toStart.angle());
  startAng_ = start;
  endAng_ = start + sweep;
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint,
                                  double bulge, bool bulgeFlag) {
  const double chord = startPoint.distanceTo(endPoint);
  if (chord == 0.0 || bulge == 0.0) return *this;
  // A height h above the chord c is the polyline bulge 2h / c.
  const double b = bulgeFlag ? 2.0 * bulge / chord : bulge;
  const ge::PathSegment s = ge::PathSegment::fromBulge(startPoint, endPoint, b);
  const bool clockwise = s.sweep() < 0.0;
  const double start = ge::normalizeAngle(clockwise ? -s.startAngle() : s.startAngle());
  center_ = s.center();
  radius_ = s.radius();
  refVec_ = AcGeVector2d(1, 0);
  clockwise_ = clockwise;
  startAng_ = start;
  endAng_ = start + std::fabs(s.sweep());
  return *this;
}

double AcGeCircArc2d::bulge() const {
  const double b = std::tan((endAng_ - startAng_) / 4.0);
  return clockwise_ ? -b : b;
}

void AcGeCircArc2d::setAngles(double startAngle, double endAngle) {
  double sweep = endAngle - startAngle;
  if (sweep <= 0.0 || sweep > kTwoPi) {
    sweep = ge::normalizeAngle(sweep);
    if (sweep == 0.0) sweep = kTwoPi;
  }
  startAng_ = startAngle;
  endAng_ = startAngle + sweep;
}

void AcGeCircArc2d::setToComplement() {
  const double sweep = endAng_ - startAng_;
  if (sweep >= kTwoPi) return;
  const double start = endAng_;
  startAng_ = start;
  endAng_ = start + (kTwoPi - sweep);
}

AcGeCircArc2d& AcGeCircArc2d::reverse() {
  // The same points, travelled from the end: measure angles the other way from the old end.
  const AcGeVector2d newRef = evalPoint(endAng_) - center_;
  const double sweep = endAng_ - startAng_;
  refVec_ = newRef.normal();
  clockwise_ = !clockwise_;
  startAng_ = 0.0;
  endAng_ = sweep;
  return *this;
}

AcGeVector2d AcGeCircArc2d::sideVec() const {
  const AcGeVector2d perp = refVec_.perpVector();
  return clockwise_ ? -perp : perp;
}

AcGePoint2d AcGeCircArc2d::evalPoint(double param) const {
  return center_ + (refVec_ * std::cos(param) + sideVec() * std::sin(param)) * radius_;
}

AcGePoint2d AcGeCircArc2d::evalPoint(double param, int numDeriv, AcGeVector2dArray& derivs) const {
  derivs.removeAll();
  const AcGeVector2d u = refVec_, v = sideVec();
  const double c = std::cos(param), s = std::sin(param);
  for (int k = 1; k <= numDeriv; ++k) {
    // d^k/dt^k (cos t, sin t) cycles through (-sin, cos), (-cos, -sin), (sin, -cos), (cos, sin).
    const int phase = k % 4;
    const double dc = phase == 1 ? -s : phase == 2 ? -c : phase == 3 ? s : c;
    const double ds = phase == 1 ? c : phase == 2 ? -s : phase == 3 ? -c : s;
    derivs.append((u * dc + v * ds) * radius_);
  }
  return evalPoint(param);
}

double AcGeCircArc2d::paramOf(const AcGePoint2d& pnt, const AcGeTol&) const {
  const AcGeVector2d d = pnt - center_;
  const double a = ge::normalizeAngle(std::atan2(d.dotProduct(sideVec()), d.dotProduct(refVec_)));
  // The representative of the angle within [startAng, startAng + 2pi).
  return startAng_ + ge::normalizeAngle(a - startAng_);
}

AcGePoint2d AcGeCircArc2d::closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  if (pnt.isEqualTo(center_, tol)) return startPoint();
  const double t = paramOf(pnt, tol);
  if (t <= endAng_) return evalPoint(t);
  const AcGePoint2d s = startPoint(), e = endPoint();
  return pnt.distanceTo(s) <= pnt.distanceTo(e) ? s : e;
}

double AcGeCircArc2d::length(double fromParam, double toParam, double) const {
  return radius_ * std::fabs(toParam - fromParam);
}

bool AcGeCircArc2d::isClosed(const AcGeTol& tol) const {
  return startPoint().isEqualTo(endPoint(), tol);
}

AcGeCircArc2d& AcGeCircArc2d::transformBy(const AcGeMatrix2d& xform) {
  // Similarities keep the arc circular; the radius scales with the first axis's image.
  const AcGePoint2d c = xform * center_;
  const AcGeVector2d ref = xform * refVec_;
  const AcGeVector2d side = xform * sideVec();
  radius_ *= ref.length();
  center_ = c;
  refVec_ = ref.normal();
  clockwise_ = ref.crossProduct(side) < 0.0;
  return *this;
}

namespace {
// The arc as a path segment, with its points in the same place.
ge::PathSegment asSegment(const AcGeCircArc2d& arc) {
  const AcGeVector2d toStart = arc.startPoint() - arc.center();
  const double sweep = arc.endAng() - arc.startAng();
  return ge::PathSegment::arc(arc.center(), arc.radius(), std::atan2(toStart.y, toStart.x),
                              arc.isClockWise() ? -sweep : sweep);
}
}  // namespace

bool AcGeCircArc2d::intersectWith(const AcGeLinearEnt2d& line, int& intn, AcGePoint2d& p1,
                                  AcGePoint2d& p2, const AcGeTol& tol) const {
  AcGeInterval range;
  line.getInterval(range);
  // Represent the (possibly unbounded) linear entity by a segment prolonged where unbounded.
  const AcGePoint2d a = line.evalPoint(range.isBoundedBelow() ? range.lowerBound() : 0.0);
  const AcGePoint2d b = line.evalPoint(range.isBoundedAbove() ? range.upperBound() : 1.0);
  const ge::SegmentExtension ext{!range.isBoundedBelow(), !range.isBoundedAbove()};
  const auto hits = ge::intersectSegments(asSegment(*this), {}, ge::PathSegment::line(a, b), ext,
                                          tol.equalPoint());
  intn = static_cast<int>(hits.size());
  if (intn > 0) p1 = hits[0].point;
  if (intn > 1) p2 = hits[1].point;
  return intn > 0;
}

bool AcGeCircArc2d::intersectWith(const AcGeCircArc2d& arc, int& intn, AcGePoint2d& p1,
                                  AcGePoint2d& p2, const AcGeTol& tol) const {
  const auto hits =
      ge::intersectSegments(asSegment(*this), {}, asSegment(arc), {}, tol.equalPoint());
  intn = static_cast<int>(std::min<size_t>(hits.size(), 2));
  if (intn > 0) p1 = hits[0].point;
  if (intn > 1) p2 = hits[1].point;
  return intn > 0;
}

bool AcGeCircArc2d::tangent(const AcGePoint2d& pnt, AcGeLine2d& line, const AcGeTol& tol) const {
  if (!isOn(pnt, tol)) return false;
  const AcGeVector2d radial = pnt - center_;
  const AcGeVector2d dir = clockwise_ ? -radial.perpVector() : radial.perpVector();
  line.set(pnt, dir.normal());
  return true;
}

bool AcGeCircArc2d::isInside(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return pnt.distanceTo(center_) < radius_ - tol.equalPoint();
}

void AcGeCircArc2d::getExtents(AcGePoint2d& min, AcGePoint2d& max) const {
  asSegment(*this).extents(min, max);
}
