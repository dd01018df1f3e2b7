// AcDbPolyline: the lightweight polyline. Its geometry is a bulge path in the plane of its normal
// (ge/bulge_path.h); the curve queries work on that path (db/ent_paths.h).
#include <algorithm>
#include <cmath>

#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/dbpl.h"
#include "db/ent_fields.h"
#include "db/ent_paths.h"
#include "db/ent_support.h"
#include "ge/gearc2d.h"
#include "ge/gearc3d.h"
#include "ge/gelnsg2d.h"
#include "ge/gelnsg3d.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_MEMBERS(AcDbPolyline, AcDbCurve, "LWPOLYLINE");

AcDbPolyline::AcDbPolyline() = default;
AcDbPolyline::AcDbPolyline(unsigned int numVerts) { vertices_.reserve(numVerts); }

PlanarPathCurve planarCurveOf(const AcDbPolyline& polyline) {
  std::vector<ge::BulgeVertex> vertices;
  vertices.reserve(polyline.numVerts());
  for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
    AcGePoint2d p;
    double bulge = 0.0;
    polyline.getPointAt(i, p);
    polyline.getBulgeAt(i, bulge);
    vertices.push_back({p, bulge});
  }
  return PlanarPathCurve(ge::BulgePath(std::move(vertices), polyline.isClosed()), polyline.normal(),
                         polyline.elevation());
}

namespace {
// The width every segment shares, when they share one.
bool commonWidth(const std::vector<AcDbPolyline::Vertex>& vertices, double& width) {
  width = vertices.empty() ? 0.0 : vertices.front().startWidth;
  for (const auto& v : vertices) {
    if (v.startWidth != width || v.endWidth != width) return false;
  }
  return true;
}
}  // namespace

Acad::ErrorStatus AcDbPolyline::addVertexAt(unsigned int index, const AcGePoint2d& point,
                                            double bulge, double startWidth, double endWidth,
                                            Adesk::Int32 identifier) {
  if (index > vertices_.size()) return Acad::eInvalidIndex;
  assertWriteEnabled();
  double common = 0.0;
  if (!commonWidth(vertices_, common)) common = 0.0;
  Vertex v;
  v.point = point;
  v.bulge = bulge;
  v.startWidth = startWidth < 0.0 ? common : startWidth;
  v.endWidth = endWidth < 0.0 ? common : endWidth;
  v.identifier = identifier;
  vertices_.insert(vertices_.begin() + index, v);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index) {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  assertWriteEnabled();
  vertices_.erase(vertices_.begin() + index);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& point) const {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  point = vertices_[index].point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& point) const {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  const AcGePoint2d& p = vertices_[index].point;
  point = entgeom::ocsToWorld(normal_, AcGePoint3d(p.x, p.y, elevation_));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setPointAt(unsigned int index, const AcGePoint2d& point) {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  return assignMember(vertices_[index].point, point);
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  bulge = vertices_[index].bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge) {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  return assignMember(vertices_[index].bulge, bulge);
}

Acad::ErrorStatus AcDbPolyline::getWidthsAt(unsigned int index, double& startWidth,
                                            double& endWidth) const {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  startWidth = vertices_[index].startWidth;
  endWidth = vertices_[index].endWidth;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setWidthsAt(unsigned int index, double startWidth,
                                            double endWidth) {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  if (startWidth < 0.0 || endWidth < 0.0) return Acad::eInvalidInput;
  assertWriteEnabled();
  vertices_[index].startWidth = startWidth;
  vertices_[index].endWidth = endWidth;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getVertexIdentifierAt(unsigned int index,
                                                      Adesk::Int32& identifier) const {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  identifier = vertices_[index].identifier;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setVertexIdentifierAt(unsigned int index, Adesk::Int32 identifier) {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  return assignMember(vertices_[index].identifier, identifier);
}

void AcDbPolyline::reset(bool reuse, unsigned int numVerts) {
  assertWriteEnabled();
  if (!reuse) {
    vertices_.clear();
  } else if (numVerts < vertices_.size()) {
    vertices_.resize(numVerts);
  }
}

AcDbPolyline::SegType AcDbPolyline::segType(unsigned int index) const {
  const size_t n = vertices_.size();
  if (n == 0 || index >= n) return kEmpty;
  if (n == 1) return kPoint;
  if (!closed_ && index == n - 1) return kEmpty;
  const AcGePoint2d& a = vertices_[index].point;
  const AcGePoint2d& b = vertices_[(index + 1) % n].point;
  if (a.isEqualTo(b)) return kCoincident;
  return vertices_[index].bulge != 0.0 ? kArc : kLine;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg2d& segment) const {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  SegType type = segType(index);
  if (type != kLine && type != kCoincident) return Acad::eNotApplicable;
  segment.set(vertices_[index].point, vertices_[(index + 1) % vertices_.size()].point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg3d& segment) const {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  SegType type = segType(index);
  if (type != kLine && type != kCoincident) return Acad::eNotApplicable;
  AcGePoint3d a, b;
  getPointAt(index, a);
  getPointAt(static_cast<unsigned int>((index + 1) % vertices_.size()), b);
  segment.set(a, b);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArcSegAt(unsigned int index, AcGeCircArc2d& arc) const {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  if (segType(index) != kArc) return Acad::eNotApplicable;
  arc = planarCurveOf(*this).path().arcSegmentAt(static_cast<int>(index));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArcSegAt(unsigned int index, AcGeCircArc3d& arc) const {
  if (index >= vertices_.size()) return Acad::eInvalidIndex;
  if (segType(index) != kArc) return Acad::eNotApplicable;
  PlanarPathCurve curve = planarCurveOf(*this);
  ge::PathSegment s = curve.path().segment(static_cast<int>(index));
  AcGeVector3d n = entgeom::unitNormal(normal_);
  AcGeVector3d x = entgeom::ocsXAxis(n);
  // Clockwise segments run counter-clockwise about the reversed normal, where angles change sign.
  if (s.sweep() >= 0.0) {
    arc.set(curve.toWorld(s.center()), n, x, s.radius(), s.startAngle(),
            s.startAngle() + s.sweep());
  } else {
    arc.set(curve.toWorld(s.center()), -n, x, s.radius(), -s.startAngle(),
            -s.startAngle() - s.sweep());
  }
  return Acad::eOk;
}

bool AcDbPolyline::onSegAt(unsigned int index, const AcGePoint2d& point, double& param) const {
  SegType type = segType(index);
  if (type != kLine && type != kArc) return false;
  ge::PathSegment s = planarCurveOf(*this).path().segment(static_cast<int>(index));
  double t = s.closestParam(point, false);
  double tol =
      ge::scaledTolerance(1e-9, std::max(ge::magnitudeOf(point), ge::magnitudeOf(s.start())));
  if (s.pointAt(t).distanceTo(point) > tol) return false;
  param = index + t;
  return true;
}

void AcDbPolyline::setClosed(bool closed) {
  assertWriteEnabled();
  closed_ = closed;
}

void AcDbPolyline::setPlinegen(bool plinegen) {
  assertWriteEnabled();
  plinegen_ = plinegen;
}

bool AcDbPolyline::isOnlyLines() const { return !hasBulges(); }

bool AcDbPolyline::hasBulges() const {
  return std::any_of(vertices_.begin(), vertices_.end(),
                     [](const Vertex& v) { return v.bulge != 0.0; });
}

bool AcDbPolyline::hasWidth() const {
  return std::any_of(vertices_.begin(), vertices_.end(),
                     [](const Vertex& v) { return v.startWidth != 0.0 || v.endWidth != 0.0; });
}

void AcDbPolyline::setElevation(double elevation) {
  assertWriteEnabled();
  elevation_ = elevation;
}

Acad::ErrorStatus AcDbPolyline::getConstantWidth(double& width) const {
  return commonWidth(vertices_, width) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbPolyline::setConstantWidth(double width) {
  if (width < 0.0) return Acad::eInvalidInput;
  assertWriteEnabled();
  constantWidth_ = width;
  for (Vertex& v : vertices_) v.startWidth = v.endWidth = width;
  return Acad::eOk;
}

void AcDbPolyline::getCoordSystem(AcGeMatrix3d& transform) const {
  transform = AcGeMatrix3d::planeToWorld(entgeom::unitNormal(normal_)) *
              AcGeMatrix3d::translation(AcGeVector3d(0.0, 0.0, elevation_));
}

// Curve queries.

DEFINE_POLYLINE_CURVE_QUERIES(AcDbPolyline, planarCurveOf)

Acad::ErrorStatus AcDbPolyline::getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const {
  if (vertices_.size() < 2) return Acad::eDegenerateGeometry;
  std::vector<ge::BulgePath> paths = planarCurveOf(*this).path().offset(distance);
  if (paths.empty()) return Acad::eInvalidOffset;
  for (const ge::BulgePath& path : paths) {
    auto* offset = new AcDbPolyline(static_cast<unsigned int>(path.numVertices()));
    offset->setPropertiesFrom(this);
    offset->normal_ = normal_;
    offset->elevation_ = elevation_;
    offset->thickness_ = thickness_;
    offset->plinegen_ = plinegen_;
    offset->closed_ = path.isClosed();
    for (const ge::BulgeVertex& v : path.vertices()) {
      Vertex vertex;
      vertex.point = v.point;
      vertex.bulge = v.bulge;
      offset->vertices_.push_back(vertex);
    }
    curves.append(offset);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  if (vertices_.empty()) return Acad::eInvalidExtents;
  planarCurveOf(*this).addExtents(extents);
  if (thickness_ != 0.0) {
    AcGeVector3d shift = entgeom::unitNormal(normal_) * thickness_;
    AcDbExtents top(extents.minPoint() + shift, extents.maxPoint() + shift);
    extents.addExt(top);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::transformBy(const AcGeMatrix3d& transform) {
  AcGeVector3d n = entgeom::unitNormal(normal_);
  AcGeVector3d u = entgeom::ocsXAxis(n);
  AcGeVector3d v = n.crossProduct(u);
  AcGeVector3d mu = transform * u, mv = transform * v;
  double scale = 0.0;
  bool similar = entgeom::uniformScaleInPlane(transform, n, scale);
  // Arcs stay arcs only under transforms that keep shapes in the polyline's plane.
  if (!similar && hasBulges()) return Acad::eCannotScaleNonUniformly;
  AcGeVector3d planeNormal = mu.crossProduct(mv);
  if (planeNormal.isZeroLength()) return Acad::eCannotScaleNonUniformly;
  // The new normal follows the old one (a mirror keeps it up and reverses the turn of the arcs).
  AcGeVector3d mapped = transform * n;
  AcGeVector3d newNormal = planeNormal.normal();
  bool reversed = false;
  if (!mapped.isZeroLength() && mapped.dotProduct(newNormal) < 0.0) {
    newNormal = -newNormal;
    reversed = true;
  }
  double widthScale = similar ? scale : std::sqrt(planeNormal.length());
  std::vector<AcGePoint3d> world;
  world.reserve(vertices_.size());
  for (unsigned int i = 0; i < vertices_.size(); ++i) {
    AcGePoint3d p;
    getPointAt(i, p);
    world.push_back(transform * p);
  }
  AcGePoint3d origin = transform * entgeom::ocsToWorld(n, AcGePoint3d(0.0, 0.0, elevation_));
  assertWriteEnabled();
  normal_ = newNormal;
  elevation_ = entgeom::worldToOcs(newNormal, origin).z;
  thickness_ *= mapped.isZeroLength() ? 1.0 : mapped.length();
  for (size_t i = 0; i < vertices_.size(); ++i) {
    AcGePoint3d local = entgeom::worldToOcs(newNormal, world[i]);
    vertices_[i].point.set(local.x, local.y);
    if (reversed) vertices_[i].bulge = -vertices_[i].bulge;
    vertices_[i].startWidth *= widthScale;
    vertices_[i].endWidth *= widthScale;
  }
  return Acad::eOk;
}

// Group codes.

Acad::ErrorStatus AcDbPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  bool every = entfile::writesEveryField(filer);
  filer->writeString(100, L"AcDbPolyline");
  filer->writeInt32(90, static_cast<Adesk::Int32>(vertices_.size()));
  filer->writeInt16(70, (closed_ ? 1 : 0) | (plinegen_ ? 128 : 0));
  double width = 0.0;
  bool constant = commonWidth(vertices_, width);
  if (constant && (width != 0.0 || every)) filer->writeDouble(43, width);
  entfile::writeUnlessZero(filer, 38, elevation_);
  entfile::writeUnlessZero(filer, 39, thickness_);
  for (const Vertex& v : vertices_) {
    filer->writePoint2d(10, v.point);
    if (!constant || every) {
      filer->writeDouble(40, v.startWidth);
      filer->writeDouble(41, v.endWidth);
    }
    if (v.bulge != 0.0 || every) filer->writeDouble(42, v.bulge);
    if (v.identifier != 0) filer->writeInt32(91, v.identifier);
  }
  entfile::writeNormal(filer, normal_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::dxfInFields(AcDbDxfFiler* filer) {
  readingVertices_ = false;
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  readingVertices_ = false;
  return es;
}

bool AcDbPolyline::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 90:
      vertices_.clear();
      vertices_.reserve(static_cast<size_t>(std::clamp(entfile::intOf(item), 0, 256)));
      readingVertices_ = true;
      return true;
    case 10: {
      // A vertex list replaces the vertices the polyline had.
      if (!readingVertices_) {
        vertices_.clear();
        readingVertices_ = true;
      }
      AcGePoint3d p = entfile::pointOf(item);
      Vertex v;
      v.point.set(p.x, p.y);
      v.startWidth = v.endWidth = constantWidth_;
      vertices_.push_back(v);
      return true;
    }
    case 40:
    case 41:
    case 42:
    case 91:
      // Widths, bulge and identifier of the vertex read last (nothing before the first vertex).
      if (!vertices_.empty()) {
        Vertex& v = vertices_.back();
        entfile::readField(item, {Field::real(40, v.startWidth), Field::real(41, v.endWidth),
                                  Field::real(42, v.bulge), Field::integer(91, v.identifier)});
      }
      return true;
    case 43:
      constantWidth_ = entfile::realOf(item);
      for (Vertex& v : vertices_) v.startWidth = v.endWidth = constantWidth_;
      return true;
    case 70: {
      int flags = entfile::intOf(item);
      closed_ = (flags & 1) != 0;
      plinegen_ = (flags & 128) != 0;
      return true;
    }
    default:
      return entfile::readField(item, {Field::real(38, elevation_), Field::real(39, thickness_),
                                       Field::normal(210, normal_)}) ||
             AcDbCurve::dxfInItem(filer, item);
  }
}
