#include "db/ent_paths.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "db/dbextents.h"
#include "db/ent_support.h"
#include "ge/angles.h"

namespace {
// Points farther than this from a curve's plane are not on it (drawing units, widened for large
// coordinates as the paths widen theirs).
double planeTolerance(double magnitude) { return ge::scaledTolerance(1e-9, magnitude); }
}  // namespace

// PlanarPathCurve.

PlanarPathCurve::PlanarPathCurve(ge::BulgePath path, const AcGeVector3d& normal, double elevation)
    : path_(std::move(path)), normal_(entgeom::unitNormal(normal)), elevation_(elevation) {}

AcGePoint3d PlanarPathCurve::toWorld(const AcGePoint2d& point) const {
  return entgeom::ocsToWorld(normal_, AcGePoint3d(point.x, point.y, elevation_));
}

AcGeVector3d PlanarPathCurve::toWorld(const AcGeVector2d& vector) const {
  AcGeVector3d x = entgeom::ocsXAxis(normal_);
  AcGeVector3d y = normal_.crossProduct(x);
  return x * vector.x + y * vector.y;
}

AcGePoint3d PlanarPathCurve::toPlane(const AcGePoint3d& point) const {
  AcGePoint3d p = entgeom::worldToOcs(normal_, point);
  p.z -= elevation_;
  return p;
}

Acad::ErrorStatus PlanarPathCurve::startParam(double& param) const {
  if (path_.numVertices() == 0) return Acad::eDegenerateGeometry;
  param = path_.startParam();
  return Acad::eOk;
}

Acad::ErrorStatus PlanarPathCurve::endParam(double& param) const {
  if (path_.numVertices() == 0) return Acad::eDegenerateGeometry;
  param = path_.endParam();
  return Acad::eOk;
}

Acad::ErrorStatus PlanarPathCurve::startPoint(AcGePoint3d& point) const {
  if (path_.numVertices() == 0) return Acad::eDegenerateGeometry;
  point = toWorld(path_.vertexAt(0));
  return Acad::eOk;
}

Acad::ErrorStatus PlanarPathCurve::endPoint(AcGePoint3d& point) const {
  if (path_.numVertices() == 0) return Acad::eDegenerateGeometry;
  point = toWorld(path_.numSegments() == 0 ? path_.vertexAt(0) : path_.endPoint());
  return Acad::eOk;
}

Acad::ErrorStatus PlanarPathCurve::pointAtParam(double param, AcGePoint3d& point) const {
  AcGePoint2d p;
  if (path_.numVertices() == 1 && std::fabs(param) < 1e-10) {
    point = toWorld(path_.vertexAt(0));
    return Acad::eOk;
  }
  if (!path_.pointAtParam(param, p)) return Acad::eInvalidInput;
  point = toWorld(p);
  return Acad::eOk;
}

Acad::ErrorStatus PlanarPathCurve::paramAtPoint(const AcGePoint3d& point, double& param) const {
  AcGePoint3d local = toPlane(point);
  if (std::fabs(local.z) > planeTolerance(std::max(std::fabs(point.x), std::fabs(point.y)))) {
    return Acad::eInvalidInput;
  }
  // Points computed from the curve carry rounding of the order of 1e-10 relative; accept them.
  AcGePoint2d p(local.x, local.y);
  double tol = path_.tolerance(1e-9);
  if (!path_.paramAtPoint(p, param, tol)) return Acad::eInvalidInput;
  return Acad::eOk;
}

Acad::ErrorStatus PlanarPathCurve::distAtParam(double param, double& dist) const {
  return path_.distAtParam(param, dist) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus PlanarPathCurve::paramAtDist(double dist, double& param) const {
  return path_.paramAtDist(dist, param) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus PlanarPathCurve::firstDeriv(double param, AcGeVector3d& deriv) const {
  AcGeVector2d d;
  if (!path_.firstDerivative(param, d)) return Acad::eInvalidInput;
  deriv = toWorld(d);
  return Acad::eOk;
}

Acad::ErrorStatus PlanarPathCurve::closestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                                  bool extend) const {
  if (path_.numVertices() == 0) return Acad::eDegenerateGeometry;
  AcGePoint3d local = toPlane(given);
  closest = toWorld(path_.closestPointTo(AcGePoint2d(local.x, local.y), extend));
  return Acad::eOk;
}

Acad::ErrorStatus PlanarPathCurve::area(double& value) const {
  value = std::fabs(path_.signedArea());
  return Acad::eOk;
}

void PlanarPathCurve::addExtents(AcDbExtents& extents) const {
  if (path_.numVertices() == 0) return;
  if (path_.numSegments() == 0) {
    extents.addPoint(toWorld(path_.vertexAt(0)));
    return;
  }
  AcGeVector3d x = entgeom::ocsXAxis(normal_);
  AcGeVector3d y = normal_.crossProduct(x);
  for (int i = 0; i < path_.numSegments(); ++i) {
    ge::PathSegment s = path_.segment(i);
    extents.addPoint(toWorld(s.start()));
    extents.addPoint(toWorld(s.end()));
    if (s.isArc()) {
      entgeom::addArcExtents(extents, toWorld(s.center()), x, y, s.radius(), s.startAngle(),
                             s.sweep());
    }
  }
}

// PointChainCurve.

PointChainCurve::PointChainCurve(std::vector<AcGePoint3d> points, bool closed)
    : points_(std::move(points)), closed_(closed) {}

int PointChainCurve::numSegments() const {
  int n = static_cast<int>(points_.size());
  if (n < 2) return 0;
  return closed_ ? n : n - 1;
}

double PointChainCurve::tolerance() const {
  double magnitude = 0.0;
  for (const AcGePoint3d& p : points_) {
    magnitude = std::max({magnitude, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
  }
  return ge::scaledTolerance(1e-9, magnitude);
}

Acad::ErrorStatus PointChainCurve::startParam(double& param) const {
  if (points_.empty()) return Acad::eDegenerateGeometry;
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus PointChainCurve::endParam(double& param) const {
  if (points_.empty()) return Acad::eDegenerateGeometry;
  param = numSegments();
  return Acad::eOk;
}

Acad::ErrorStatus PointChainCurve::startPoint(AcGePoint3d& point) const {
  if (points_.empty()) return Acad::eDegenerateGeometry;
  point = points_.front();
  return Acad::eOk;
}

Acad::ErrorStatus PointChainCurve::endPoint(AcGePoint3d& point) const {
  if (points_.empty()) return Acad::eDegenerateGeometry;
  point = closed_ ? points_.front() : points_.back();
  return Acad::eOk;
}

Acad::ErrorStatus PointChainCurve::pointAtParam(double param, AcGePoint3d& point) const {
  const int n = numSegments();
  if (points_.empty() || param < -1e-10 || param > n + 1e-10) return Acad::eInvalidInput;
  if (n == 0) {
    point = points_.front();
    return Acad::eOk;
  }
  int i = std::clamp(static_cast<int>(std::floor(param)), 0, n - 1);
  double t = param - i;
  point = vertex(i) + (vertex(i + 1) - vertex(i)) * t;
  return Acad::eOk;
}

Acad::ErrorStatus PointChainCurve::paramAtPoint(const AcGePoint3d& point, double& param) const {
  AcGePoint3d closest;
  double best = std::numeric_limits<double>::max();
  for (int i = 0; i < numSegments(); ++i) {
    AcGeVector3d d = vertex(i + 1) - vertex(i);
    double len2 = d.lengthSqrd();
    double t = len2 > 0.0 ? std::clamp((point - vertex(i)).dotProduct(d) / len2, 0.0, 1.0) : 0.0;
    double dist = (vertex(i) + d * t).distanceTo(point);
    if (dist < best - 1e-15) {
      best = dist;
      param = i + t;
    }
  }
  if (numSegments() == 0 && !points_.empty()) {
    best = points_.front().distanceTo(point);
    param = 0.0;
  }
  return best <= tolerance() ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus PointChainCurve::distAtParam(double param, double& dist) const {
  const int n = numSegments();
  if (points_.empty() || param < -1e-10 || param > n + 1e-10) return Acad::eInvalidInput;
  dist = 0.0;
  for (int i = 0; i < n && i < param; ++i) {
    double part = std::min(1.0, param - i);
    dist += vertex(i).distanceTo(vertex(i + 1)) * part;
  }
  return Acad::eOk;
}

Acad::ErrorStatus PointChainCurve::paramAtDist(double dist, double& param) const {
  const int n = numSegments();
  if (points_.empty() || dist < -1e-10) return Acad::eInvalidInput;
  double run = 0.0;
  for (int i = 0; i < n; ++i) {
    double len = vertex(i).distanceTo(vertex(i + 1));
    if (dist <= run + len) {
      param = i + (len > 0.0 ? std::max(0.0, dist - run) / len : 0.0);
      return Acad::eOk;
    }
    run += len;
  }
  if (dist <= run + tolerance()) {
    param = n;
    return Acad::eOk;
  }
  return Acad::eInvalidInput;
}

Acad::ErrorStatus PointChainCurve::firstDeriv(double param, AcGeVector3d& deriv) const {
  const int n = numSegments();
  if (n == 0 || param < -1e-10 || param > n + 1e-10) return Acad::eInvalidInput;
  int i = std::clamp(static_cast<int>(std::floor(param)), 0, n - 1);
  deriv = vertex(i + 1) - vertex(i);
  return Acad::eOk;
}

Acad::ErrorStatus PointChainCurve::closestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                                  bool extend) const {
  if (points_.empty()) return Acad::eDegenerateGeometry;
  const int n = numSegments();
  closest = points_.front();
  double best = std::numeric_limits<double>::max();
  for (int i = 0; i < n; ++i) {
    AcGeVector3d d = vertex(i + 1) - vertex(i);
    double len2 = d.lengthSqrd();
    double t = len2 > 0.0 ? (given - vertex(i)).dotProduct(d) / len2 : 0.0;
    // An extended open chain prolongs its first segment backwards and its last one forwards.
    double low = (extend && !closed_ && i == 0) ? -std::numeric_limits<double>::infinity() : 0.0;
    double high =
        (extend && !closed_ && i == n - 1) ? std::numeric_limits<double>::infinity() : 1.0;
    t = std::clamp(t, low, high);
    AcGePoint3d p = vertex(i) + d * t;
    double dist = p.distanceTo(given);
    if (dist < best) {
      best = dist;
      closest = p;
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus PointChainCurve::area(double& value) const {
  if (points_.size() < 3) {
    value = 0.0;
    return Acad::eOk;
  }
  // Newell's normal: its length is twice the area of a planar polygon.
  AcGeVector3d newell;
  for (size_t i = 0; i < points_.size(); ++i) {
    const AcGePoint3d& a = points_[i];
    const AcGePoint3d& b = points_[(i + 1) % points_.size()];
    newell += AcGeVector3d((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x),
                           (a.x - b.x) * (a.y + b.y));
  }
  if (newell.isZeroLength()) {
    value = 0.0;
    return Acad::eOk;
  }
  AcGeVector3d n = newell.normal();
  double tol = tolerance() * 1e3;
  for (const AcGePoint3d& p : points_) {
    if (std::fabs((p - points_.front()).dotProduct(n)) > tol) return Acad::eNonPlanarEntity;
  }
  value = newell.length() / 2.0;
  return Acad::eOk;
}
