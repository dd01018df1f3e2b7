#include "ge/intersections.h"

#include <algorithm>
#include <cmath>

#include "ge/bulge_path.h"

namespace ge {
namespace {

void addUnique(std::vector<AcGePoint2d>& points, const AcGePoint2d& p, double tol) {
  for (const AcGePoint2d& q : points)
    if (q.distanceTo(p) <= tol) return;
  points.push_back(p);
}

bool isPointLike(const PathSegment& s, double tol) {
  return s.isLine() ? s.length() <= tol : s.radius() <= tol;
}

// Candidate points of the two carriers (lines, circles), before the bounds are checked.
void carrierPoints(const PathSegment& a, const PathSegment& b, double tol,
                   std::vector<AcGePoint2d>& out) {
  if (isPointLike(a, tol)) {
    out.push_back(a.start());
    return;
  }
  if (isPointLike(b, tol)) {
    out.push_back(b.start());
    return;
  }
  if (a.isLine() && b.isLine()) {
    const AcGeVector2d d1 = a.end() - a.start(), d2 = b.end() - b.start();
    const double denom = d1.crossProduct(d2);
    if (std::fabs(denom) <= 1e-13 * d1.length() * d2.length()) {
      // Parallel: collinear lines share the ends of their overlap.
      const double off = std::fabs(d1.normal().crossProduct(b.start() - a.start()));
      if (off <= tol) {
        out.push_back(a.start());
        out.push_back(a.end());
        out.push_back(b.start());
        out.push_back(b.end());
      }
      return;
    }
    const double s = (b.start() - a.start()).crossProduct(d2) / denom;
    out.push_back(a.start() + d1 * s);
    return;
  }
  if (a.isArc() != b.isArc()) {
    const PathSegment& ln = a.isLine() ? a : b;
    const PathSegment& ar = a.isLine() ? b : a;
    const AcGeVector2d u = (ln.end() - ln.start()).normal();
    const AcGePoint2d foot = ln.start() + u * (ar.center() - ln.start()).dotProduct(u);
    const double h = foot.distanceTo(ar.center());
    const double r = ar.radius();
    if (std::fabs(h - r) <= tol) {
      out.push_back(foot);  // tangent: one contact
    } else if (h < r) {
      const double w = std::sqrt(r * r - h * h);
      out.push_back(foot - u * w);
      out.push_back(foot + u * w);
    }
    return;
  }
  // Two circles.
  const AcGePoint2d c1 = a.center(), c2 = b.center();
  const double r1 = a.radius(), r2 = b.radius();
  const double d = c1.distanceTo(c2);
  if (d <= tol) {
    if (std::fabs(r1 - r2) <= tol) {
      // One circle: the arcs share the ends of their common parts.
      out.push_back(a.start());
      out.push_back(a.end());
      out.push_back(b.start());
      out.push_back(b.end());
    }
    return;
  }
  const AcGeVector2d u = (c2 - c1) / d;
  if (std::fabs(d - (r1 + r2)) <= tol) {
    out.push_back(c1 + u * r1);
    return;
  }
  if (std::fabs(d - std::fabs(r1 - r2)) <= tol) {
    out.push_back(c1 + u * (r1 >= r2 ? r1 : -r1));
    return;
  }
  if (d > r1 + r2 || d < std::fabs(r1 - r2)) return;
  const double along = (r1 * r1 - r2 * r2 + d * d) / (2.0 * d);
  const double h = std::sqrt(std::max(0.0, r1 * r1 - along * along));
  const AcGePoint2d base = c1 + u * along;
  out.push_back(base + u.perpVector() * h);
  out.push_back(base - u.perpVector() * h);
}

// Whether a carrier point with parameter t lies on the segment as prolonged; t is clamped to
// the segment where it lies within tolerance of an end that is not prolonged.
bool acceptParam(const PathSegment& s, SegmentExtension ext, double tol, double& t) {
  const double len = s.length();
  if (s.isArc() && (ext.atStart || ext.atEnd)) return true;
  const double eps = len > 0.0 ? tol / len : 0.0;
  if (!ext.atStart) {
    if (t < -eps) return false;
    if (t < 0.0) t = 0.0;
  }
  if (!ext.atEnd) {
    if (t > 1.0 + eps) return false;
    if (t > 1.0) t = 1.0;
  }
  return true;
}

bool boxesMeet(const PathSegment& a, const PathSegment& b, double tol) {
  AcGePoint2d amin, amax, bmin, bmax;
  a.extents(amin, amax);
  b.extents(bmin, bmax);
  return amin.x <= bmax.x + tol && bmin.x <= amax.x + tol && amin.y <= bmax.y + tol &&
         bmin.y <= amax.y + tol;
}

SegmentExtension pathSegmentExtension(const BulgePath& path, int i, bool extend) {
  SegmentExtension e;
  if (!extend || path.isClosed()) return e;
  e.atStart = (i == 0);
  e.atEnd = (i == path.numSegments() - 1);
  return e;
}

}  // namespace

std::vector<SegmentHit> intersectSegments(const PathSegment& a, SegmentExtension extendA,
                                          const PathSegment& b, SegmentExtension extendB,
                                          double tol) {
  std::vector<SegmentHit> hits;
  const bool prolonged = extendA.atStart || extendA.atEnd || extendB.atStart || extendB.atEnd;
  if (!prolonged && !boxesMeet(a, b, tol)) return hits;
  std::vector<AcGePoint2d> candidates;
  carrierPoints(a, b, tol, candidates);
  for (const AcGePoint2d& p : candidates) {
    double ta = isPointLike(a, tol) ? 0.0 : a.paramOf(p);
    double tb = isPointLike(b, tol) ? 0.0 : b.paramOf(p);
    if (!acceptParam(a, extendA, tol, ta) || !acceptParam(b, extendB, tol, tb)) continue;
    // A point-like operand must also lie on the other one.
    if (isPointLike(a, tol) || isPointLike(b, tol)) {
      const PathSegment& other = isPointLike(a, tol) ? b : a;
      const SegmentExtension ext = isPointLike(a, tol) ? extendB : extendA;
      const bool extended = ext.atStart || ext.atEnd;
      if (other.closestPoint(p, extended).distanceTo(p) > tol) continue;
    }
    bool repeated = false;
    for (const SegmentHit& h : hits) repeated = repeated || h.point.distanceTo(p) <= tol;
    if (!repeated) hits.push_back({p, ta, tb});
  }
  return hits;
}

std::vector<AcGePoint2d> intersectPaths(const BulgePath& a, const BulgePath& b, ExtendMode mode,
                                        double tol) {
  std::vector<AcGePoint2d> points;
  for (int i = 0; i < a.numSegments(); ++i) {
    if (a.segmentKind(i) == SegmentKind::kCoincident) continue;
    const PathSegment sa = a.segment(i);
    const SegmentExtension ea = pathSegmentExtension(a, i, extendsThis(mode));
    for (int j = 0; j < b.numSegments(); ++j) {
      if (b.segmentKind(j) == SegmentKind::kCoincident) continue;
      const SegmentExtension eb = pathSegmentExtension(b, j, extendsArg(mode));
      for (const SegmentHit& h : intersectSegments(sa, ea, b.segment(j), eb, tol))
        addUnique(points, h.point, tol);
    }
  }
  return points;
}

std::vector<AcGePoint2d> intersectPathWithSegment(const BulgePath& path, const PathSegment& seg,
                                                  ExtendMode mode, double tol) {
  std::vector<AcGePoint2d> points;
  const SegmentExtension es =
      extendsArg(mode) ? SegmentExtension::both() : SegmentExtension::none();
  for (int i = 0; i < path.numSegments(); ++i) {
    if (path.segmentKind(i) == SegmentKind::kCoincident) continue;
    const SegmentExtension ep = pathSegmentExtension(path, i, extendsThis(mode));
    for (const SegmentHit& h : intersectSegments(path.segment(i), ep, seg, es, tol))
      addUnique(points, h.point, tol);
  }
  return points;
}

std::vector<AcGePoint2d> intersectSegmentEntities(const PathSegment& a, const PathSegment& b,
                                                  ExtendMode mode, double tol) {
  std::vector<AcGePoint2d> points;
  const SegmentExtension ea = extendsThis(mode) ? SegmentExtension::both() : SegmentExtension();
  const SegmentExtension eb = extendsArg(mode) ? SegmentExtension::both() : SegmentExtension();
  for (const SegmentHit& h : intersectSegments(a, ea, b, eb, tol)) addUnique(points, h.point, tol);
  return points;
}

std::vector<PathSelfHit> selfIntersections(const BulgePath& path, double tol) {
  std::vector<PathSelfHit> hits;
  const int n = path.numSegments();
  const double endParam = path.endParam();
  // A parameter at the very end of a segment is written as the start of the next one.
  auto normalise = [&](int seg, double t) {
    double p = seg + t;
    if (path.isClosed() && p >= endParam) p -= endParam;
    return p;
  };
  auto addHit = [&](const AcGePoint2d& pt, double p1, double p2) {
    if (p1 > p2) std::swap(p1, p2);
    for (const PathSelfHit& h : hits)
      if (std::fabs(h.param1 - p1) < 1e-9 && std::fabs(h.param2 - p2) < 1e-9) return;
    hits.push_back({pt, p1, p2});
  };
  std::vector<PathSegment> segs(static_cast<size_t>(n));
  std::vector<Box2d> boxes(static_cast<size_t>(n));
  std::vector<bool> empty(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    segs[static_cast<size_t>(i)] = path.segment(i);
    boxes[static_cast<size_t>(i)] = boxOf(segs[static_cast<size_t>(i)]);
    empty[static_cast<size_t>(i)] = path.segmentKind(i) == SegmentKind::kCoincident;
  }
  for (int i = 0; i < n; ++i) {
    if (empty[static_cast<size_t>(i)]) continue;
    for (int j = i + 1; j < n; ++j) {
      if (empty[static_cast<size_t>(j)] ||
          !boxes[static_cast<size_t>(i)].overlaps(boxes[static_cast<size_t>(j)], tol))
        continue;
      const bool nextOf = (j == i + 1);
      const bool wraps = path.isClosed() && i == 0 && j == n - 1;
      for (const SegmentHit& h : intersectSegments(segs[static_cast<size_t>(i)], {},
                                                   segs[static_cast<size_t>(j)], {}, tol)) {
        // The joint shared by consecutive segments is not a crossing.
        const double ei = tol / std::max(segs[static_cast<size_t>(i)].length(), tol);
        const double ej = tol / std::max(segs[static_cast<size_t>(j)].length(), tol);
        if (nextOf && h.t1 >= 1.0 - ei && h.t2 <= ej) continue;
        if (wraps && h.t1 <= ei && h.t2 >= 1.0 - ej) continue;
        const double t1 = h.t1 >= 1.0 - ei ? 1.0 : (h.t1 <= ei ? 0.0 : h.t1);
        const double t2 = h.t2 >= 1.0 - ej ? 1.0 : (h.t2 <= ej ? 0.0 : h.t2);
        addHit(h.point, normalise(i, t1), normalise(j, t2));
      }
    }
  }
  return hits;
}

bool intersectLines3d(const AcGePoint3d& p1, const AcGeVector3d& d1, const AcGePoint3d& p2,
                      const AcGeVector3d& d2, AcGePoint3d& point, double tol, double* t1,
                      double* t2) {
  // Closest points of the two lines (least squares), accepted when they coincide within tol.
  const AcGeVector3d w = p1 - p2;
  const double a = d1.dotProduct(d1), b = d1.dotProduct(d2), c = d2.dotProduct(d2);
  const double d = d1.dotProduct(w), e = d2.dotProduct(w);
  const double den = a * c - b * b;
  if (a == 0.0 || c == 0.0 || den <= 1e-24 * a * c) return false;
  const double s = (b * e - c * d) / den;
  const double t = (a * e - b * d) / den;
  const AcGePoint3d q1 = p1 + d1 * s, q2 = p2 + d2 * t;
  if (q1.distanceTo(q2) > tol) return false;
  point = q1 + (q2 - q1) * 0.5;
  if (t1) *t1 = s;
  if (t2) *t2 = t;
  return true;
}

}  // namespace ge
