#include "db/ent_curve_pieces.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "db/dbents.h"
#include "db/dbpl.h"
#include "db/ent_paths.h"
#include "db/ent_support.h"
#include "ge/angles.h"
#include "ge/geplane.h"
#include "ge/intersections.h"

namespace curvepieces {

AcGePoint3d Piece::pointAt(double t) const {
  if (!isArc) return start + (end - start) * t;
  double a = startAngle + sweep * t;
  return center + (xAxis * std::cos(a) + yAxis * std::sin(a)) * radius;
}

namespace {

Piece linePiece(const AcGePoint3d& a, const AcGePoint3d& b) {
  Piece p;
  p.start = a;
  p.end = b;
  return p;
}

Piece arcPiece(const AcGePoint3d& center, const AcGeVector3d& normal, double radius,
               double startAngle, double sweep) {
  Piece p;
  p.isArc = true;
  p.center = center;
  p.normal = entgeom::unitNormal(normal);
  p.xAxis = entgeom::ocsXAxis(p.normal);
  p.yAxis = p.normal.crossProduct(p.xAxis);
  p.radius = radius;
  p.startAngle = startAngle;
  p.sweep = sweep;
  p.start = p.pointAt(0.0);
  p.end = p.pointAt(1.0);
  return p;
}

// An open chain of pieces may be prolonged at its two ends only.
void markChainEnds(std::vector<Piece>& pieces, size_t first, bool closed) {
  if (closed || pieces.size() <= first) return;
  pieces[first].extendStart = true;
  pieces.back().extendEnd = true;
}

void addPlanarCurve(const PlanarPathCurve& curve, std::vector<Piece>& pieces) {
  const ge::BulgePath& path = curve.path();
  size_t first = pieces.size();
  for (int i = 0; i < path.numSegments(); ++i) {
    ge::PathSegment s = path.segment(i);
    if (s.isArc()) {
      pieces.push_back(arcPiece(curve.toWorld(s.center()), curve.normal(), s.radius(),
                                s.startAngle(), s.sweep()));
    } else {
      pieces.push_back(linePiece(curve.toWorld(s.start()), curve.toWorld(s.end())));
    }
  }
  markChainEnds(pieces, first, path.isClosed());
}

double magnitude(const std::vector<Piece>& pieces) {
  double m = 0.0;
  for (const Piece& p : pieces) {
    for (const AcGePoint3d& q : {p.start, p.end, p.center}) {
      m = std::max({m, std::fabs(q.x), std::fabs(q.y), std::fabs(q.z)});
    }
    m = std::max(m, p.radius);
  }
  return m;
}

ge::SegmentExtension extensionOf(const Piece& p, bool extend) {
  return {p.unboundedStart || (extend && p.extendStart), p.unboundedEnd || (extend && p.extendEnd)};
}

// A plane's frame: origin and two unit axes.
struct Frame {
  AcGePoint3d origin;
  AcGeVector3d u, v, n;
  AcGePoint2d map(const AcGePoint3d& p) const {
    AcGeVector3d d = p - origin;
    return AcGePoint2d(d.dotProduct(u), d.dotProduct(v));
  }
};

Frame frameOf(const AcGePoint3d& origin, const AcGeVector3d& normal) {
  Frame f;
  f.origin = origin;
  f.n = entgeom::unitNormal(normal);
  f.u = f.n.perpVector();
  f.v = f.n.crossProduct(f.u);
  return f;
}

// The piece seen in a plane (projected along its normal). Arcs keep their shape only in planes
// parallel to theirs: false otherwise.
bool toPlane(const Piece& p, const Frame& f, ge::PathSegment& out) {
  if (!p.isArc) {
    out = ge::PathSegment::line(f.map(p.start), f.map(p.end));
    return true;
  }
  double c = p.normal.dotProduct(f.n);
  if (std::fabs(std::fabs(c) - 1.0) > 1e-9) return false;
  AcGePoint2d center = f.map(p.center);
  AcGeVector3d startDir = p.xAxis * std::cos(p.startAngle) + p.yAxis * std::sin(p.startAngle);
  double start = std::atan2(startDir.dotProduct(f.v), startDir.dotProduct(f.u));
  out = ge::PathSegment::arc(center, p.radius, start, c > 0.0 ? p.sweep : -p.sweep);
  return true;
}

// The arc parameter of an angle about the arc's normal, when the angle lies on the arc (or on its
// circle, when the arc may be prolonged).
bool arcParam(const Piece& p, double angle, bool wholeCircle, double angularTol, double& t) {
  double span = std::fabs(p.sweep);
  double offset = ge::normalizeAngle(p.sweep >= 0.0 ? angle - p.startAngle : p.startAngle - angle);
  if (wholeCircle || offset <= span + angularTol) {
    t = span > 0.0 ? offset / span : 0.0;
    return true;
  }
  if (ge::kTwoPi - offset <= angularTol) {
    t = 0.0;
    return true;
  }
  return false;
}

bool lineParamAllowed(const Piece& p, bool extend, double s, double tol) {
  ge::SegmentExtension e = extensionOf(p, extend);
  double length = p.start.distanceTo(p.end);
  double slack = length > 0.0 ? tol / length : tol;
  return (e.atStart || s >= -slack) && (e.atEnd || s <= 1.0 + slack);
}

// Where a line piece meets an arc piece not in its plane: at most one point, where the line
// crosses the arc's plane.
void lineArcHits(const Piece& line, bool extendLine, const Piece& arc, bool extendArc, double tol,
                 bool lineFirst, std::vector<AcGePoint3d>& out) {
  AcGeVector3d d = line.end - line.start;
  double denom = d.dotProduct(arc.normal);
  if (std::fabs(denom) < 1e-15) return;
  double s = (arc.center - line.start).dotProduct(arc.normal) / denom;
  if (!lineParamAllowed(line, extendLine, s, tol)) return;
  AcGePoint3d x = line.start + d * s;
  AcGeVector3d r = x - arc.center;
  if (std::fabs(r.length() - arc.radius) > tol) return;
  double angle = std::atan2(r.dotProduct(arc.yAxis), r.dotProduct(arc.xAxis));
  ge::SegmentExtension e = extensionOf(arc, extendArc);
  double t = 0.0;
  if (!arcParam(arc, angle, e.atStart || e.atEnd, tol / std::max(arc.radius, tol), t)) return;
  out.push_back(lineFirst ? x : arc.pointAt(t));
}

// Two arcs in planes that cross: the points of the planes' common line on both circles.
void arcArcHits(const Piece& a, bool extendA, const Piece& b, bool extendB, double tol,
                std::vector<AcGePoint3d>& out) {
  AcGeVector3d dir = a.normal.crossProduct(b.normal);
  if (dir.length() < 1e-12) return;  // parallel planes
  double da = a.normal.dotProduct(a.center.asVector());
  double db = b.normal.dotProduct(b.center.asVector());
  double nn = a.normal.dotProduct(b.normal);
  double det = 1.0 - nn * nn;
  AcGePoint3d x0 =
      AcGePoint3d::kOrigin + (a.normal * (da - db * nn) + b.normal * (db - da * nn)) / det;
  AcGeVector3d u = dir.normal();
  // |x0 + s u - ca|^2 = ra^2
  AcGeVector3d w = x0 - a.center;
  double half = w.dotProduct(u);
  double disc = half * half - (w.lengthSqrd() - a.radius * a.radius);
  if (disc < -tol * a.radius) return;
  double root = std::sqrt(std::max(0.0, disc));
  for (double s : {-half - root, -half + root}) {
    AcGePoint3d x = x0 + u * s;
    AcGeVector3d ra = x - a.center, rb = x - b.center;
    if (std::fabs(rb.length() - b.radius) > tol) continue;
    double ta = 0.0, tb = 0.0;
    ge::SegmentExtension ea = extensionOf(a, extendA), eb = extensionOf(b, extendB);
    if (!arcParam(a, std::atan2(ra.dotProduct(a.yAxis), ra.dotProduct(a.xAxis)),
                  ea.atStart || ea.atEnd, tol / a.radius, ta)) {
      continue;
    }
    if (!arcParam(b, std::atan2(rb.dotProduct(b.yAxis), rb.dotProduct(b.xAxis)),
                  eb.atStart || eb.atEnd, tol / b.radius, tb)) {
      continue;
    }
    out.push_back(a.pointAt(ta));
    if (root == 0.0) break;
  }
}

// A plane holding both pieces, when there is one.
bool commonPlane(const Piece& a, const Piece& b, double tol, Frame& frame) {
  auto onPlane = [tol](const Frame& f, const Piece& p) {
    if (p.isArc) {
      return std::fabs(std::fabs(p.normal.dotProduct(f.n)) - 1.0) < 1e-9 &&
             std::fabs((p.center - f.origin).dotProduct(f.n)) <= tol;
    }
    return std::fabs((p.start - f.origin).dotProduct(f.n)) <= tol &&
           std::fabs((p.end - f.origin).dotProduct(f.n)) <= tol;
  };
  if (a.isArc || b.isArc) {
    const Piece& arc = a.isArc ? a : b;
    frame = frameOf(arc.center, arc.normal);
    return onPlane(frame, a) && onPlane(frame, b);
  }
  AcGeVector3d d1 = a.end - a.start, d2 = b.end - b.start;
  AcGeVector3d n = d1.crossProduct(d2);
  if (n.length() <= 1e-12 * std::max(1.0, d1.length() * d2.length())) {
    AcGeVector3d across = d1.crossProduct(b.start - a.start);
    n = across.length() > 1e-12 ? across : d1.perpVector();
  }
  frame = frameOf(a.start, n);
  return onPlane(frame, b);
}

void pairHits(const Piece& a, bool extendA, const Piece& b, bool extendB, double tol,
              std::vector<AcGePoint3d>& out) {
  Frame frame;
  if (commonPlane(a, b, tol, frame)) {
    ge::PathSegment sa, sb;
    if (!toPlane(a, frame, sa) || !toPlane(b, frame, sb)) return;
    for (const ge::SegmentHit& hit :
         ge::intersectSegments(sa, extensionOf(a, extendA), sb, extensionOf(b, extendB), tol)) {
      out.push_back(a.pointAt(hit.t1));
    }
    return;
  }
  if (!a.isArc && !b.isArc) return;  // skew lines
  if (!a.isArc) {
    lineArcHits(a, extendA, b, extendB, tol, true, out);
  } else if (!b.isArc) {
    lineArcHits(b, extendB, a, extendA, tol, false, out);
  } else {
    arcArcHits(a, extendA, b, extendB, tol, out);
  }
}

void appendUnique(AcGePoint3dArray& points, const AcGePoint3d& p, double tol) {
  for (const AcGePoint3d& q : points) {
    if (q.distanceTo(p) <= tol) return;
  }
  points.append(p);
}

}  // namespace

bool piecesOf(const AcDbEntity* entity, std::vector<Piece>& pieces) {
  pieces.clear();
  if (auto* line = AcDbLine::cast(entity)) {
    Piece p = linePiece(line->startPoint(), line->endPoint());
    p.extendStart = p.extendEnd = true;
    pieces.push_back(p);
  } else if (auto* ray = AcDbRay::cast(entity)) {
    Piece p = linePiece(ray->basePoint(), ray->secondPoint());
    p.unboundedEnd = true;
    pieces.push_back(p);
  } else if (auto* xline = AcDbXline::cast(entity)) {
    Piece p = linePiece(xline->basePoint(), xline->secondPoint());
    p.unboundedStart = p.unboundedEnd = true;
    pieces.push_back(p);
  } else if (auto* circle = AcDbCircle::cast(entity)) {
    pieces.push_back(
        arcPiece(circle->center(), circle->normal(), circle->radius(), 0.0, ge::kTwoPi));
  } else if (auto* arc = AcDbArc::cast(entity)) {
    Piece p =
        arcPiece(arc->center(), arc->normal(), arc->radius(), arc->startAngle(), arc->totalAngle());
    p.extendStart = p.extendEnd = true;
    pieces.push_back(p);
  } else if (auto* lw = AcDbPolyline::cast(entity)) {
    addPlanarCurve(planarCurveOf(*lw), pieces);
  } else if (auto* p2 = AcDb2dPolyline::cast(entity)) {
    addPlanarCurve(planarCurveOf(*p2), pieces);
  } else if (auto* p3 = AcDb3dPolyline::cast(entity)) {
    PointChainCurve chain = pointChainOf(*p3);
    const auto& pts = chain.points();
    for (int i = 0; i < chain.numSegments(); ++i) {
      pieces.push_back(
          linePiece(pts[static_cast<size_t>(i)], pts[static_cast<size_t>(i + 1) % pts.size()]));
    }
    markChainEnds(pieces, 0, chain.isClosed());
  } else {
    return false;
  }
  return true;
}

Acad::ErrorStatus intersect(const AcDbEntity* a, const AcDbEntity* b, AcDb::Intersect type,
                            const AcGePlane* projection, AcGePoint3dArray& points) {
  std::vector<Piece> pa, pb;
  if (!piecesOf(a, pa) || !piecesOf(b, pb)) return Acad::eNotApplicable;
  bool extendA = type == AcDb::kExtendThis || type == AcDb::kExtendBoth;
  bool extendB = type == AcDb::kExtendArg || type == AcDb::kExtendBoth;
  double tol = ge::scaledTolerance(1e-9, std::max(magnitude(pa), magnitude(pb)));
  std::vector<AcGePoint3d> found;
  if (projection != nullptr) {
    AcGePoint3d origin;
    AcGeVector3d u, v;
    projection->getCoordSystem(origin, u, v);
    Frame frame = frameOf(origin, projection->normal());
    frame.u = u.normal();
    frame.v = frame.n.crossProduct(frame.u);
    for (const Piece& x : pa) {
      ge::PathSegment sx;
      if (!toPlane(x, frame, sx)) return Acad::eNotImplementedYet;
      for (const Piece& y : pb) {
        ge::PathSegment sy;
        if (!toPlane(y, frame, sy)) return Acad::eNotImplementedYet;
        for (const ge::SegmentHit& hit :
             ge::intersectSegments(sx, extensionOf(x, extendA), sy, extensionOf(y, extendB), tol)) {
          found.push_back(x.pointAt(hit.t1));
        }
      }
    }
  } else {
    for (const Piece& x : pa) {
      for (const Piece& y : pb) pairHits(x, extendA, y, extendB, tol, found);
    }
  }
  for (const AcGePoint3d& p : found) appendUnique(points, p, tol * 10.0);
  return Acad::eOk;
}

namespace {

// Minimises the distance seen along the direction over a parameter interval of a function of t.
template <class Eval>
double refineMinimum(const Eval& distanceAt, double lo, double hi, int samples) {
  double bestT = lo;
  double best = std::numeric_limits<double>::max();
  for (int i = 0; i <= samples; ++i) {
    double t = lo + (hi - lo) * i / samples;
    double d = distanceAt(t);
    if (d < best) {
      best = d;
      bestT = t;
    }
  }
  double step = (hi - lo) / samples;
  double a = std::max(lo, bestT - step), b = std::min(hi, bestT + step);
  const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
  for (int i = 0; i < 100 && b - a > 1e-15 * std::max(1.0, std::fabs(b)); ++i) {
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    if (distanceAt(c) < distanceAt(d)) {
      b = d;
    } else {
      a = c;
    }
  }
  return (a + b) / 2.0;
}

}  // namespace

Acad::ErrorStatus closestAlongDirection(const AcDbCurve* curve, const AcGePoint3d& given,
                                        const AcGeVector3d& direction, bool extend,
                                        AcGePoint3d& closest) {
  auto seen = [&](const AcGePoint3d& p) {
    AcGeVector3d d = p - given;
    return (d - direction * d.dotProduct(direction)).length();
  };
  std::vector<Piece> pieces;
  if (!piecesOf(curve, pieces)) {
    double lo = 0.0, hi = 0.0;
    if (curve->getStartParam(lo) != Acad::eOk || curve->getEndParam(hi) != Acad::eOk) {
      return Acad::eNotApplicable;
    }
    auto at = [curve, &seen](double t) {
      AcGePoint3d p;
      curve->getPointAtParam(t, p);
      return seen(p);
    };
    double t = refineMinimum(at, lo, hi, 512);
    return curve->getPointAtParam(t, closest);
  }
  Frame frame = frameOf(given, direction);
  double best = std::numeric_limits<double>::max();
  for (const Piece& p : pieces) {
    ge::SegmentExtension e = extensionOf(p, extend);
    double t = 0.0;
    ge::PathSegment s;
    if (!p.isArc) {
      AcGePoint2d a = frame.map(p.start), b = frame.map(p.end);
      AcGeVector2d d = b - a;
      double len2 = d.lengthSqrd();
      t = len2 > 0.0 ? -(a.asVector().dotProduct(d)) / len2 : 0.0;
      if (!e.atStart) t = std::max(t, 0.0);
      if (!e.atEnd) t = std::min(t, 1.0);
    } else if (toPlane(p, frame, s)) {
      t = s.closestParam(AcGePoint2d(0.0, 0.0), e.atStart || e.atEnd);
    } else {
      bool whole = e.atStart || e.atEnd;
      double span = std::fabs(p.sweep);
      double hi = whole && span > 0.0 ? ge::kTwoPi / span : 1.0;
      t = refineMinimum([&](double x) { return seen(p.pointAt(x)); }, 0.0, hi, 256);
    }
    AcGePoint3d candidate = p.pointAt(t);
    double d = seen(candidate);
    if (d < best) {
      best = d;
      closest = candidate;
    }
  }
  return pieces.empty() ? Acad::eDegenerateGeometry : Acad::eOk;
}

}  // namespace curvepieces
