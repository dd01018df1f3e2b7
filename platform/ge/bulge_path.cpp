#include "ge/bulge_path.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "ge/angles.h"
#include "ge/gemat2d.h"

namespace ge {

namespace {
// Slack on parameter and distance ranges, so that values computed at the very ends pass.
constexpr double kParamSlack = 1e-10;
}  // namespace

BulgePath::BulgePath(std::vector<BulgeVertex> vertices, bool closed)
    : vertices_(std::move(vertices)), closed_(closed) {}

void BulgePath::addVertex(const AcGePoint2d& point, double bulge) {
  vertices_.push_back({point, bulge});
}

void BulgePath::insertVertexAt(int i, const AcGePoint2d& point, double bulge) {
  vertices_.insert(vertices_.begin() + i, BulgeVertex{point, bulge});
}

void BulgePath::removeVertexAt(int i) { vertices_.erase(vertices_.begin() + i); }

void BulgePath::setVertexAt(int i, const AcGePoint2d& point) {
  vertices_[static_cast<size_t>(i)].point = point;
}

void BulgePath::setBulgeAt(int i, double bulge) { vertices_[static_cast<size_t>(i)].bulge = bulge; }

int BulgePath::numSegments() const {
  const int n = numVertices();
  if (n < 2) return 0;
  return closed_ ? n : n - 1;
}

SegmentKind BulgePath::segmentKind(int i) const {
  const int n = numVertices();
  if (n == 0) return SegmentKind::kEmpty;
  if (n == 1) return SegmentKind::kPoint;
  const AcGePoint2d& a = vertexAt(i);
  const AcGePoint2d& b = vertexAt((i + 1) % n);
  if (a.isEqualTo(b)) return SegmentKind::kCoincident;
  return bulgeAt(i) != 0.0 ? SegmentKind::kArc : SegmentKind::kLine;
}

PathSegment BulgePath::segment(int i) const {
  const int n = numVertices();
  return PathSegment::fromBulge(vertexAt(i), vertexAt((i + 1) % n), bulgeAt(i));
}

AcGeLineSeg2d BulgePath::lineSegmentAt(int i) const {
  const int n = numVertices();
  return AcGeLineSeg2d(vertexAt(i), vertexAt((i + 1) % n));
}

AcGeCircArc2d BulgePath::arcSegmentAt(int i) const {
  const PathSegment s = segment(i);
  if (!s.isArc()) return AcGeCircArc2d();
  // Counter-clockwise arcs measure angles counter-clockwise from the X axis; clockwise ones
  // clockwise, so that both run from startAng to endAng with a positive difference.
  const bool clockwise = s.sweep() < 0.0;
  const double start = normalizeAngle(clockwise ? -s.startAngle() : s.startAngle());
  return AcGeCircArc2d(s.center(), s.radius(), start, start + std::fabs(s.sweep()),
                       AcGeVector2d(1, 0), clockwise);
}

double BulgePath::endParam() const {
  const int n = numVertices();
  if (n < 2) return 0.0;
  return closed_ ? n : n - 1;
}

AcGePoint2d BulgePath::startPoint() const {
  return vertices_.empty() ? AcGePoint2d() : vertices_.front().point;
}

AcGePoint2d BulgePath::endPoint() const {
  if (vertices_.empty()) return AcGePoint2d();
  return closed_ ? vertices_.front().point : vertices_.back().point;
}

double BulgePath::length() const {
  double sum = 0.0;
  for (int i = 0; i < numSegments(); ++i) sum += segment(i).length();
  return sum;
}

void BulgePath::locate(double param, int& seg, double& t) const {
  const int n = numSegments();
  seg = std::clamp(static_cast<int>(std::floor(param)), 0, n - 1);
  t = param - seg;
}

bool BulgePath::pointAtParam(double param, AcGePoint2d& point) const {
  if (numVertices() == 1 && std::fabs(param) <= kParamSlack) {
    point = vertexAt(0);
    return true;
  }
  if (numSegments() == 0 || param < -kParamSlack || param > endParam() + kParamSlack) return false;
  int seg;
  double t;
  locate(param, seg, t);
  point = segment(seg).pointAt(std::clamp(t, 0.0, 1.0));
  return true;
}

bool BulgePath::paramAtPoint(const AcGePoint2d& point, double& param, double tol) const {
  const double limit = tolerance(tol);
  if (numVertices() == 1) {
    if (point.distanceTo(vertexAt(0)) > limit) return false;
    param = 0.0;
    return true;
  }
  double best = std::numeric_limits<double>::infinity();
  double bestParam = 0.0;
  for (int i = 0; i < numSegments(); ++i) {
    const PathSegment s = segment(i);
    const double t = s.closestParam(point, false);
    const double d = s.pointAt(t).distanceTo(point);
    if (d < best) {
      best = d;
      bestParam = i + t;
    }
  }
  if (best > limit) return false;
  if (closed_ && bestParam >= endParam()) bestParam = 0.0;  // the start of a closed path is 0
  param = bestParam;
  return true;
}

bool BulgePath::distAtParam(double param, double& dist) const {
  if (numSegments() == 0 || param < -kParamSlack || param > endParam() + kParamSlack) return false;
  int seg;
  double t;
  locate(param, seg, t);
  double sum = 0.0;
  for (int i = 0; i < seg; ++i) sum += segment(i).length();
  dist = sum + segment(seg).length() * std::clamp(t, 0.0, 1.0);
  return true;
}

bool BulgePath::paramAtDist(double dist, double& param) const {
  const double total = length();
  if (numSegments() == 0 || dist < -kParamSlack * std::max(1.0, total) ||
      dist > total + kParamSlack * std::max(1.0, total))
    return false;
  double rest = std::max(dist, 0.0);
  const int n = numSegments();
  for (int i = 0; i < n; ++i) {
    const double len = segment(i).length();
    if (rest <= len || i == n - 1) {
      param = i + (len > 0.0 ? std::min(rest / len, 1.0) : 0.0);
      return true;
    }
    rest -= len;
  }
  return false;
}

bool BulgePath::firstDerivative(double param, AcGeVector2d& deriv) const {
  if (numSegments() == 0 || param < -kParamSlack || param > endParam() + kParamSlack) return false;
  int seg;
  double t;
  locate(param, seg, t);
  deriv = segment(seg).derivativeAt(std::clamp(t, 0.0, 1.0));
  return true;
}

bool BulgePath::secondDerivative(double param, AcGeVector2d& deriv) const {
  if (numSegments() == 0 || param < -kParamSlack || param > endParam() + kParamSlack) return false;
  int seg;
  double t;
  locate(param, seg, t);
  const PathSegment s = segment(seg);
  if (!s.isArc()) {
    deriv.set(0.0, 0.0);
    return true;
  }
  // Point = C + r (cos a, sin a) with a = a0 + sweep t: the second derivative points to the centre.
  deriv = (s.pointAt(std::clamp(t, 0.0, 1.0)) - s.center()) * (-s.sweep() * s.sweep());
  return true;
}

AcGePoint2d BulgePath::closestPointTo(const AcGePoint2d& point, bool extend, double* param) const {
  if (numVertices() == 1 || numSegments() == 0) {
    if (param) *param = 0.0;
    return startPoint();
  }
  const int n = numSegments();
  double best = std::numeric_limits<double>::infinity();
  AcGePoint2d bestPoint;
  double bestParam = 0.0;
  for (int i = 0; i < n; ++i) {
    const PathSegment s = segment(i);
    const bool prolongStart = extend && !closed_ && i == 0;
    const bool prolongEnd = extend && !closed_ && i == n - 1;
    double t;
    if (s.isArc()) {
      t = s.closestParam(point, prolongStart || prolongEnd);  // prolonged: anywhere on the circle
    } else {
      t = s.paramOf(point);
      if (!prolongStart) t = std::max(t, 0.0);
      if (!prolongEnd) t = std::min(t, 1.0);
    }
    const AcGePoint2d q = s.pointAt(t);
    const double d = q.distanceTo(point);
    if (d < best) {
      best = d;
      bestPoint = q;
      bestParam = i + t;
    }
  }
  if (closed_ && bestParam >= endParam()) bestParam = 0.0;
  if (param) *param = bestParam;
  return bestPoint;
}

double BulgePath::distanceTo(const AcGePoint2d& point) const {
  return closestPointTo(point).distanceTo(point);
}

double BulgePath::signedArea() const {
  // Measured from the first vertex: the closing chord of an open path then adds nothing.
  const AcGePoint2d from = startPoint();
  double twice = 0.0;
  for (int i = 0; i < numSegments(); ++i) twice += segment(i).doubleAreaTerm(from);
  return 0.5 * twice;
}

bool BulgePath::extents(AcGePoint2d& min, AcGePoint2d& max) const {
  if (vertices_.empty()) return false;
  min = max = vertexAt(0);
  for (int i = 0; i < numSegments(); ++i) {
    AcGePoint2d lo, hi;
    segment(i).extents(lo, hi);
    min.set(std::min(min.x, lo.x), std::min(min.y, lo.y));
    max.set(std::max(max.x, hi.x), std::max(max.y, hi.y));
  }
  return true;
}

void BulgePath::reverse() {
  const int n = numVertices();
  if (n < 2) return;
  std::vector<BulgeVertex> r(static_cast<size_t>(n));
  for (int k = 0; k < n; ++k) {
    r[static_cast<size_t>(k)].point = vertexAt(n - 1 - k);
    // New segment k is the old segment n - 2 - k travelled backwards (modulo n when closed).
    const int old = n - 2 - k;
    if (old >= 0) r[static_cast<size_t>(k)].bulge = -bulgeAt(old);
    else if (closed_) r[static_cast<size_t>(k)].bulge = -bulgeAt(old + n);
  }
  vertices_ = std::move(r);
}

bool BulgePath::transformBy(const AcGeMatrix2d& xform) {
  if (!xform.isUniScaledOrtho()) return false;
  const bool mirrors = xform.det() < 0.0;
  for (BulgeVertex& v : vertices_) {
    v.point.transformBy(xform);
    if (mirrors) v.bulge = -v.bulge;
  }
  return true;
}

double BulgePath::tolerance(double tol) const {
  double magnitude = 0.0;
  for (const BulgeVertex& v : vertices_) magnitude = std::max(magnitude, magnitudeOf(v.point));
  return scaledTolerance(tol, magnitude);
}

BulgePath BulgePath::subPath(double fromParam, double toParam) const {
  BulgePath out;
  const int n = numSegments();
  if (n == 0 || toParam <= fromParam) {
    AcGePoint2d p;
    if (pointAtParam(fromParam, p)) out.addVertex(p);
    return out;
  }
  int s = static_cast<int>(std::floor(fromParam));
  if (!closed_) s = std::clamp(s, 0, n - 1);
  AcGePoint2d last;
  for (double from = fromParam; from < toParam - 1e-12; ++s, from = s) {
    const int index = ((s % n) + n) % n;
    const double t0 = std::clamp(from - s, 0.0, 1.0);
    const double t1 = std::clamp(toParam - s, 0.0, 1.0);
    if (t1 - t0 <= 1e-12) continue;
    const PathSegment piece = segment(index).part(t0, t1);
    out.addVertex(piece.start(), piece.bulge());
    last = piece.end();
  }
  out.addVertex(last);
  return out;
}

void BulgePath::removeRepeatedVertices(double tol) {
  std::vector<BulgeVertex> kept;
  for (const BulgeVertex& v : vertices_) {
    if (!kept.empty() && kept.back().point.distanceTo(v.point) <= tol) {
      kept.back().bulge = v.bulge;  // the zero-length segment goes; the next one stays
      continue;
    }
    kept.push_back(v);
  }
  if (closed_ && kept.size() > 1 && kept.back().point.distanceTo(kept.front().point) <= tol)
    kept.pop_back();
  vertices_ = std::move(kept);
}

}  // namespace ge
