// Offset of bulge paths. The method is the usual one for paths of lines and arcs:
//  1. offset every segment on its own (a line moves sideways, an arc keeps its centre and changes
//     its radius; an arc whose radius would fall to zero gives way to arcs about its ends);
//  2. join consecutive offsets at the intersection of their carriers nearest the gap between them,
//     prolonging or trimming them; where the carriers do not meet, by an arc of radius |distance|
//     about the original vertex;
//  3. cut this raw offset wherever it crosses itself (and, for an open path, where it crosses the
//     circles of radius |distance| about the path's ends);
//  4. keep the pieces that never come closer than |distance| to the original path and chain them
//     end to start into the resulting paths.
#include <algorithm>
#include <cmath>
#include <limits>

#include "ge/angles.h"
#include "ge/bulge_path.h"
#include "ge/intersections.h"

namespace ge {
namespace {

// The angle a reduced to (-pi, pi].
double wrapPi(double a) {
  double r = std::remainder(a, kTwoPi);
  if (r <= -kPi) r += kTwoPi;
  return r;
}

// An offset segment being joined to its neighbours: its ends move, an arc keeps its circle.
struct RawSegment {
  bool isArc = false;
  AcGePoint2d start;
  AcGePoint2d end;
  AcGePoint2d center;
  double radius = 0.0;
  double startAngle = 0.0;
  double sweep = 0.0;  // signed (radians)
  int source = -1;     // index of the original segment, -1 for an inserted join

  PathSegment carrier() const {
    if (!isArc) return PathSegment::line(start, end);
    return PathSegment::arc(center, radius, startAngle, sweep);
  }
  AcGeVector2d startTangent() const { return carrier().tangentAt(0.0); }
  AcGeVector2d endTangent() const { return carrier().tangentAt(1.0); }
  double bulge() const { return isArc ? std::tan(sweep / 4.0) : 0.0; }

  // Moves the end to p (a point of the carrier). An arc changes its sweep by the smallest angle
  // that brings its end there; trimming past the start turns the segment backwards, and such
  // pieces are removed later as too close to the original.
  void setEnd(const AcGePoint2d& p) {
    if (isArc) {
      const double phi = std::atan2(p.y - center.y, p.x - center.x);
      sweep += wrapPi(phi - (startAngle + sweep));
      sweep = std::clamp(sweep, -kTwoPi, kTwoPi);
    }
    end = p;
  }
  void setStart(const AcGePoint2d& p) {
    if (isArc) {
      const double phi = std::atan2(p.y - center.y, p.x - center.x);
      const double delta = wrapPi(phi - startAngle);
      startAngle += delta;
      sweep = std::clamp(sweep - delta, -kTwoPi, kTwoPi);
    }
    start = p;
  }
};

RawSegment offsetSegment(const PathSegment& s, double distance, double tol, bool& collapsed) {
  RawSegment r;
  collapsed = false;
  if (s.isLine()) {
    const AcGeVector2d u = (s.end() - s.start()).normal();
    const AcGeVector2d right(u.y, -u.x);
    r.start = s.start() + right * distance;
    r.end = s.end() + right * distance;
    return r;
  }
  // Right of a counter-clockwise arc is away from its centre.
  const double radius = s.radius() + (s.sweep() > 0.0 ? distance : -distance);
  if (radius <= tol) {
    collapsed = true;
    return r;
  }
  r.isArc = true;
  r.center = s.center();
  r.radius = radius;
  r.startAngle = s.startAngle();
  r.sweep = s.sweep();
  const double a1 = s.startAngle() + s.sweep();
  r.start = s.center() + AcGeVector2d(std::cos(r.startAngle), std::sin(r.startAngle)) * radius;
  r.end = s.center() + AcGeVector2d(std::cos(a1), std::sin(a1)) * radius;
  return r;
}

// The round join about vertex v from a's end to b's start: it turns by the angle the path turns
// at v. Where the path doubles back, it goes round the far side of v.
RawSegment roundJoin(const RawSegment& a, const RawSegment& b, const AcGePoint2d& v,
                     double distance) {
  RawSegment j;
  j.isArc = true;
  j.center = v;
  j.radius = a.end.distanceTo(v);
  j.startAngle = std::atan2(a.end.y - v.y, a.end.x - v.x);
  const double endAngle = std::atan2(b.start.y - v.y, b.start.x - v.x);
  double sweep = wrapPi(endAngle - j.startAngle);
  // Doubling back, the offset to the right (positive distance) turns counter-clockwise round the
  // end, the offset to the left clockwise.
  if (std::fabs(std::fabs(sweep) - kPi) < 1e-9) sweep = distance > 0.0 ? kPi : -kPi;
  j.sweep = sweep;
  j.start = a.end;
  j.end = b.start;
  return j;
}

// The arc about center from one point to another of its circle that does not pass through
// `avoid` (a third point of the circle); the shorter one when avoid is not given.
RawSegment arcAvoiding(const AcGePoint2d& center, const AcGePoint2d& from, const AcGePoint2d& to,
                       const AcGePoint2d* avoid) {
  RawSegment r;
  r.isArc = true;
  r.center = center;
  r.radius = from.distanceTo(center);
  r.startAngle = std::atan2(from.y - center.y, from.x - center.x);
  const double ccw = normalizeAngle(std::atan2(to.y - center.y, to.x - center.x) - r.startAngle);
  if (avoid) {
    const double at = normalizeAngle(std::atan2(avoid->y - center.y, avoid->x - center.x) -
                                     r.startAngle);
    r.sweep = at < ccw ? ccw - kTwoPi : ccw;  // counter-clockwise unless that meets `avoid`
  } else {
    r.sweep = wrapPi(ccw);
  }
  r.start = from;
  r.end = to;
  return r;
}

// Joins a to b (b follows a), whose original segments meet at vertex. They are prolonged or
// trimmed to the intersection of their carriers nearest the gap between them, unless that would
// turn either of them backwards (trim a past its start or b past its end): then, as where the
// carriers do not meet, an arc about the vertex bridges the gap. Such arcs in a recess lie within
// |distance| of the original and cross the neighbouring offsets, so the loops they close are
// removed with the rest. True when a bridge must be inserted (returned in `inserted`).
bool join(RawSegment& a, RawSegment& b, const AcGePoint2d& vertex, double distance, double tol,
          RawSegment& inserted) {
  const AcGePoint2d mid(0.5 * (a.end.x + b.start.x), 0.5 * (a.end.y + b.start.y));
  if (a.end.distanceTo(b.start) <= tol) {
    a.setEnd(mid);
    b.setStart(mid);
    return false;
  }
  const PathSegment ca = a.carrier(), cb = b.carrier();
  const std::vector<SegmentHit> hits =
      intersectSegments(ca, SegmentExtension::both(), cb, SegmentExtension::both(), tol);
  const SegmentHit* best = nullptr;
  for (const SegmentHit& h : hits)
    if (!best || h.point.distanceTo(mid) < best->point.distanceTo(mid)) best = &h;
  constexpr double kMargin = 1e-9;
  if (best && ca.paramOf(best->point) > kMargin && cb.paramOf(best->point) < 1.0 - kMargin) {
    a.setEnd(best->point);
    b.setStart(best->point);
    return false;
  }
  inserted = roundJoin(a, b, vertex, distance);
  return true;
}

struct Slice {
  double from = 0.0;
  double to = 0.0;
  AcGePoint2d start;
  AcGePoint2d end;
  bool used = false;
};

// Merges consecutive collinear lines and consecutive arcs of one circle turning the same way.
void mergeContinuations(BulgePath& path, double tol) {
  bool changed = true;
  while (changed && path.numVertices() > 2) {
    changed = false;
    const int n = path.numVertices();
    const int first = path.isClosed() ? 0 : 1;
    const int last = path.isClosed() ? n - 1 : n - 2;
    for (int i = first; i <= last; ++i) {
      const int prev = (i - 1 + n) % n;
      const PathSegment a = path.segment(prev), b = path.segment(i);
      bool merge = false;
      double bulge = 0.0;
      if (a.isLine() && b.isLine()) {
        const AcGeVector2d da = a.end() - a.start(), db = b.end() - b.start();
        merge = da.dotProduct(db) > 0.0 &&
                std::fabs(da.normal().crossProduct(b.end() - a.start())) <= tol;
      } else if (a.isArc() && b.isArc()) {
        const double total = a.sweep() + b.sweep();
        merge = (a.sweep() > 0.0) == (b.sweep() > 0.0) && a.center().distanceTo(b.center()) <= tol &&
                std::fabs(a.radius() - b.radius()) <= tol && std::fabs(total) < kTwoPi - 1e-9;
        bulge = std::tan(total / 4.0);
      }
      if (!merge) continue;
      path.setBulgeAt(prev, bulge);
      path.removeVertexAt(i);
      changed = true;
      break;
    }
  }
}

// Makes a closed path start at the vertex at `point`, when it has one there: the offset of a
// closed path starts where the offset of its first segment does.
void startNear(BulgePath& path, const AcGePoint2d& point, double tol) {
  for (int i = 1; i < path.numVertices(); ++i) {
    if (path.vertexAt(i).distanceTo(point) > tol) continue;
    std::vector<BulgeVertex> v = path.vertices();
    std::rotate(v.begin(), v.begin() + i, v.end());
    path = BulgePath(std::move(v), true);
    return;
  }
}

// Steps 1 and 2: the offsets of the segments of src (without repeated vertices), joined.
BulgePath rawOffset(const BulgePath& src, double distance, double tol) {
  const int n = src.numSegments();
  const double dist = std::fabs(distance);
  // 1. Offset each segment. An arc offset towards its centre by its radius or more leaves only
  //    the circles of radius |distance| about its ends: it is replaced by an arc about each end,
  //    from the neighbouring offset to where those circles cross beyond the centre, keeping out
  //    of the other end's circle.
  std::vector<RawSegment> plain(static_cast<size_t>(n));
  std::vector<bool> collapsed(static_cast<size_t>(n), false);
  for (int i = 0; i < n; ++i) {
    bool gone = false;
    plain[static_cast<size_t>(i)] = offsetSegment(src.segment(i), distance, tol, gone);
    plain[static_cast<size_t>(i)].source = i;
    collapsed[static_cast<size_t>(i)] = gone;
  }
  auto neighbour = [&](int i) {  // index of a neighbouring segment, -1 at an open end
    if (i < 0) return src.isClosed() ? n - 1 : -1;
    if (i >= n) return src.isClosed() ? 0 : -1;
    return i;
  };
  std::vector<RawSegment> raw;
  for (int i = 0; i < n; ++i) {
    if (!collapsed[static_cast<size_t>(i)]) {
      raw.push_back(plain[static_cast<size_t>(i)]);
      continue;
    }
    const PathSegment s = src.segment(i);
    const AcGePoint2d a = s.start(), b = s.end(), c = s.center();
    const int before = neighbour(i - 1), after = neighbour(i + 1);
    const AcGePoint2d entry = (before >= 0 && !collapsed[static_cast<size_t>(before)])
                                  ? plain[static_cast<size_t>(before)].end
                                  : a + (c - a).normal() * dist;
    const AcGePoint2d exit = (after >= 0 && !collapsed[static_cast<size_t>(after)])
                                 ? plain[static_cast<size_t>(after)].start
                                 : b + (c - b).normal() * dist;
    // The circles about the ends cross twice: beyond the centre (where the replacement arcs meet)
    // and on the arc's side.
    const AcGePoint2d mid = s.pointAt(0.5);
    const std::vector<SegmentHit> hits = intersectSegments(
        PathSegment::circle(a, dist), {}, PathSegment::circle(b, dist), {}, tol);
    AcGePoint2d cross(0.5 * (a.x + b.x), 0.5 * (a.y + b.y));
    const AcGePoint2d* other = nullptr;
    if (hits.size() == 2) {
      const bool firstBeyond = hits[0].point.distanceTo(mid) > hits[1].point.distanceTo(mid);
      cross = hits[firstBeyond ? 0 : 1].point;
      other = &hits[firstBeyond ? 1 : 0].point;
    } else if (hits.size() == 1) {
      cross = hits[0].point;
    }
    RawSegment aroundStart = arcAvoiding(a, entry, cross, other);
    RawSegment aroundEnd = arcAvoiding(b, cross, exit, other);
    aroundStart.source = aroundEnd.source = i;
    raw.push_back(aroundStart);
    raw.push_back(aroundEnd);
  }

  // 2. Join consecutive offsets.
  std::vector<RawSegment> joined;
  const size_t m = raw.size();
  std::vector<RawSegment> insertedAfter(m);
  std::vector<bool> hasInserted(m, false);
  const size_t joints = m == 1 ? 0 : (src.isClosed() ? m : m - 1);
  for (size_t k = 0; k < joints; ++k) {
    RawSegment& a = raw[k];
    RawSegment& b = raw[(k + 1) % m];
    hasInserted[k] =
        join(a, b, src.segment(b.source).start(), distance, tol, insertedAfter[k]);
  }
  for (size_t k = 0; k < m; ++k) {
    joined.push_back(raw[k]);
    if (hasInserted[k]) joined.push_back(insertedAfter[k]);
  }
  // Segments reduced to a point by the joins (an arc about an end that met its neighbour at once)
  // are left out.
  std::vector<RawSegment> kept;
  for (const RawSegment& r : joined)
    if (r.start.distanceTo(r.end) > tol || (r.isArc && std::fabs(r.sweep) > kPi)) kept.push_back(r);
  if (kept.empty()) return BulgePath();
  BulgePath rawPath;
  for (const RawSegment& r : kept) rawPath.addVertex(r.start, r.bulge());
  if (src.isClosed()) {
    rawPath.setClosed(true);
  } else {
    rawPath.addVertex(kept.back().end);
  }
  return rawPath;

}

}  // namespace

std::vector<BulgePath> BulgePath::offset(double distance) const {
  std::vector<BulgePath> result;
  if (distance == 0.0 || !std::isfinite(distance)) return result;
  const double tol = tolerance(1e-9);
  BulgePath src = *this;
  src.removeRepeatedVertices(tol);
  const int n = src.numSegments();
  if (n == 0) return result;
  const double dist = std::fabs(distance);

  const BulgePath rawPath = rawOffset(src, distance, tol);
  if (rawPath.numSegments() == 0) return result;

  // 3. Cut where the raw offset crosses itself (and, when open, the circles about the ends).
  std::vector<double> cuts;
  for (const PathSelfHit& h : selfIntersections(rawPath, tol)) {
    cuts.push_back(h.param1);
    cuts.push_back(h.param2);
  }
  if (!src.isClosed()) {
    for (const AcGePoint2d& endPoint : {src.startPoint(), src.endPoint()}) {
      const PathSegment cap = PathSegment::circle(endPoint, dist);
      for (int i = 0; i < rawPath.numSegments(); ++i) {
        for (const SegmentHit& h : intersectSegments(rawPath.segment(i), {}, cap, {}, tol))
          cuts.push_back(i + h.t1);
      }
    }
    cuts.push_back(0.0);
    cuts.push_back(rawPath.endParam());
  }
  // Where the raw offset crosses the boundary of the band within |distance| of the original (the
  // offsets of every segment on both sides and the circles about every vertex): between two such
  // crossings it lies wholly inside the band or wholly outside it.
  std::vector<PathSegment> band;
  for (int i = 0; i < n; ++i) {
    const PathSegment s = src.segment(i);
    for (double side : {dist, -dist}) {
      bool gone = false;
      const RawSegment r = offsetSegment(s, side, tol, gone);
      if (!gone) band.push_back(r.carrier());
    }
  }
  for (const BulgeVertex& v : src.vertices()) band.push_back(PathSegment::circle(v.point, dist));
  std::vector<Box2d> bandBoxes;
  for (const PathSegment& b : band) bandBoxes.push_back(boxOf(b));
  std::vector<double> bandCrossings;
  for (int i = 0; i < rawPath.numSegments(); ++i) {
    if (rawPath.segmentKind(i) == SegmentKind::kCoincident) continue;
    const PathSegment seg = rawPath.segment(i);
    const Box2d box = boxOf(seg);
    for (size_t k = 0; k < band.size(); ++k) {
      if (!box.overlaps(bandBoxes[k], tol)) continue;
      for (const SegmentHit& h : intersectSegments(seg, {}, band[k], {}, tol))
        bandCrossings.push_back(i + h.t1);
    }
  }
  // Distances to the original, with its segments boxed for quick rejection.
  std::vector<PathSegment> srcSegments;
  std::vector<Box2d> srcBoxes;
  for (int i = 0; i < n; ++i) {
    srcSegments.push_back(src.segment(i));
    srcBoxes.push_back(boxOf(srcSegments.back()));
  }
  auto distanceToSource = [&](const AcGePoint2d& p) {
    double best = std::numeric_limits<double>::infinity();
    for (size_t k = 0; k < srcSegments.size(); ++k) {
      if (srcBoxes[k].distanceTo(p) >= best) continue;
      best = std::min(best, srcSegments[k].distanceTo(p));
    }
    return best;
  };
  std::sort(bandCrossings.begin(), bandCrossings.end());
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end(),
                         [](double x, double y) { return std::fabs(x - y) < 1e-9; }),
             cuts.end());

  std::vector<Slice> slices;
  const double total = rawPath.endParam();
  auto addSlice = [&](double from, double to) {
    if (to - from < 1e-9) return;
    Slice s;
    s.from = from;
    s.to = to;
    AcGePoint2d p;
    rawPath.pointAtParam(std::fmod(from, total), p);
    s.start = p;
    rawPath.pointAtParam(to > total ? to - total : to, p);
    s.end = p;
    slices.push_back(s);
  };
  if (src.isClosed() && cuts.empty()) {
    addSlice(0.0, total);
  } else {
    for (size_t k = 0; k + 1 < cuts.size(); ++k) addSlice(cuts[k], cuts[k + 1]);
    if (src.isClosed()) addSlice(cuts.back(), cuts.front() + total);
  }

  // 4. Keep the slices that stay |distance| away from the original.
  const double slack = std::max(1e-7 * dist, tol);
  auto farEnough = [&](double param) {
    AcGePoint2d p;
    rawPath.pointAtParam(param >= total ? param - total : param, p);
    return distanceToSource(p) >= dist - slack;
  };
  // A slice is kept when no part of it enters the band: the middle of every piece between its
  // vertices and band crossings lies |distance| or more from the original.
  auto valid = [&](const Slice& s) {
    std::vector<double> marks{s.from, s.to};
    for (double v = std::floor(s.from) + 1.0; v < s.to; v += 1.0) marks.push_back(v);
    for (double c : bandCrossings) {
      for (double shifted : {c, c + total})
        if (shifted > s.from && shifted < s.to) marks.push_back(shifted);
    }
    std::sort(marks.begin(), marks.end());
    for (size_t k = 0; k + 1 < marks.size(); ++k) {
      if (marks[k + 1] - marks[k] < 1e-12) continue;
      if (!farEnough(0.5 * (marks[k] + marks[k + 1]))) return false;
    }
    return true;
  };
  // Where pieces of the raw offset overlap (offsets of collinear edges facing each other), the
  // same piece appears twice: keep one.
  auto sameSlice = [&](const Slice& x, const Slice& y) {
    if (x.start.distanceTo(y.start) > tol * 100.0 || x.end.distanceTo(y.end) > tol * 100.0)
      return false;
    AcGePoint2d mx, my;
    rawPath.pointAtParam(std::fmod(0.5 * (x.from + x.to), total), mx);
    rawPath.pointAtParam(std::fmod(0.5 * (y.from + y.to), total), my);
    return mx.distanceTo(my) <= tol * 100.0;
  };
  std::vector<Slice> good;
  for (const Slice& s : slices) {
    if (!valid(s)) continue;
    bool repeated = false;
    for (const Slice& k : good) repeated = repeated || sameSlice(k, s);
    if (!repeated) good.push_back(s);
  }

  const double joinTol = std::max(tol * 100.0, 1e-9 * dist);
  for (size_t i = 0; i < good.size(); ++i) {
    if (good[i].used) continue;
    std::vector<size_t> chain{i};
    good[i].used = true;
    bool closedLoop = false;
    for (;;) {
      const Slice& tail = good[chain.back()];
      if (src.isClosed() && tail.end.distanceTo(good[chain.front()].start) <= joinTol) {
        closedLoop = true;
        break;
      }
      // The next piece starts where this one ends; among several, the nearest ahead on the raw
      // offset.
      size_t next = good.size();
      double bestAhead = std::numeric_limits<double>::infinity();
      for (size_t j = 0; j < good.size(); ++j) {
        if (good[j].used || good[j].start.distanceTo(tail.end) > joinTol) continue;
        double ahead = good[j].from - tail.to;
        if (src.isClosed()) ahead = std::fmod(std::fmod(ahead, total) + total, total);
        else if (ahead < -1e-9) ahead += 2.0 * total;  // behind: only as a last resort
        if (ahead < bestAhead) {
          bestAhead = ahead;
          next = j;
        }
      }
      if (next == good.size()) break;
      good[next].used = true;
      chain.push_back(next);
    }
    if (src.isClosed() && !closedLoop) continue;  // a stray piece of a degenerate overlap

    BulgePath out;
    for (size_t c : chain) {
      const BulgePath piece = rawPath.subPath(good[c].from, good[c].to);
      for (int v = 0; v < piece.numVertices(); ++v) {
        const bool lastOfPiece = v == piece.numVertices() - 1;
        if (lastOfPiece) continue;  // the next piece starts here (or the path ends below)
        out.addVertex(piece.vertexAt(v), piece.bulgeAt(v));
      }
      if (c == chain.back() && !closedLoop) out.addVertex(piece.vertexAt(piece.numVertices() - 1));
    }
    out.setClosed(closedLoop);
    out.removeRepeatedVertices(tol);
    mergeContinuations(out, tol);
    if (closedLoop) startNear(out, rawPath.vertexAt(0), joinTol);
    if (out.numSegments() > 0) result.push_back(out);
  }
  return result;
}

}  // namespace ge
