// AcDb2dPolyline and AcDb2dVertex. The vertices are entities the polyline owns
// (db/ent_followers.h); their positions are in the polyline's object coordinate system, at its
// elevation.
#include <algorithm>
#include <cmath>

#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/dbpoly.h"
#include "db/ent_fields.h"
#include "db/ent_followers.h"
#include "db/ent_paths.h"
#include "db/ent_support.h"
#include "db/symbol_util.h"
#include "ge/angles.h"
#include "ge/gemat3d.h"

// AcDb2dVertex (its run-time class is defined with the other vertex kinds).

AcDb2dVertex::AcDb2dVertex() = default;

AcDb2dVertex::AcDb2dVertex(const AcGePoint3d& position, double bulge, double startWidth,
                           double endWidth, double tangent, Adesk::Int32 vertexIdentifier)
    : position_(position),
      startWidth_(startWidth),
      endWidth_(endWidth),
      bulge_(bulge),
      tangent_(tangent),
      identifier_(vertexIdentifier) {}

AcDb::Vertex2dType AcDb2dVertex::vertexType() const {
  if (flags_ & 16) return AcDb::k2dSplineCtlVertex;
  if (flags_ & 8) return AcDb::k2dSplineFitVertex;
  if (flags_ & 1) return AcDb::k2dCurveFitVertex;
  return AcDb::k2dVertex;
}

Acad::ErrorStatus AcDb2dVertex::setPosition(const AcGePoint3d& position) {
  return assignMember(position_, position);
}

Acad::ErrorStatus AcDb2dVertex::setStartWidth(double width) {
  if (width < 0.0) return Acad::eInvalidInput;
  return assignMember(startWidth_, width);
}

Acad::ErrorStatus AcDb2dVertex::setEndWidth(double width) {
  if (width < 0.0) return Acad::eInvalidInput;
  return assignMember(endWidth_, width);
}

Acad::ErrorStatus AcDb2dVertex::useTangent() {
  assertWriteEnabled();
  flags_ |= 2;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::ignoreTangent() {
  assertWriteEnabled();
  flags_ &= ~2;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setTangent(double angle) {
  assertWriteEnabled();
  tangent_ = ge::normalizeAngle(angle);
  flags_ |= 2;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setVertexIdentifier(Adesk::Int32 identifier) {
  return assignMember(identifier_, identifier);
}

// On its own a vertex knows no coordinate system: its polyline moves it properly (transformBy of
// the polyline); this moves the stored position as it is.
Acad::ErrorStatus AcDb2dVertex::transformBy(const AcGeMatrix3d& transform) {
  return assignMember(position_, transform * position_);
}

Acad::ErrorStatus AcDb2dVertex::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbVertex::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  bool every = entfile::writesEveryField(filer);
  filer->writeString(100, L"AcDbVertex");
  filer->writeString(100, L"AcDb2dVertex");
  filer->writePoint3d(10, position_);
  entfile::writeUnlessZero(filer, 40, startWidth_);
  entfile::writeUnlessZero(filer, 41, endWidth_);
  entfile::writeUnlessZero(filer, 42, bulge_);
  filer->writeInt16(70, vertexFlags());
  if ((flags_ & 2) != 0 || every) entfile::writeAngle(filer, 50, tangent_);
  if (identifier_ != 0 || every) filer->writeInt32(91, identifier_);
  return Acad::eOk;
}

bool AcDb2dVertex::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  return entfile::readField(
             item, {Field::point(10, position_), Field::real(40, startWidth_),
                    Field::real(41, endWidth_), Field::real(42, bulge_), Field::integer(70, flags_),
                    Field::reducedAngle(50, tangent_), Field::integer(91, identifier_)}) ||
         AcDbVertex::dxfInItem(filer, item);
}

// AcDb2dPolyline.

AcDb2dPolyline::AcDb2dPolyline() : followers_(std::make_unique<EntityFollowers>(this, true)) {}

AcDb2dPolyline::AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices,
                               double elevation, bool closed, double defaultStartWidth,
                               double defaultEndWidth, const AcGeDoubleArray* bulges)
    : AcDb2dPolyline() {
  elevation_ = elevation;
  defaultStartWidth_ = defaultStartWidth;
  defaultEndWidth_ = defaultEndWidth;
  if (closed) flags_ |= 1;
  setPolyType(type);
  for (int i = 0; i < vertices.length(); ++i) {
    double bulge = (bulges != nullptr && i < bulges->length()) ? (*bulges)[i] : 0.0;
    const AcGePoint3d& p = vertices[i];
    followers_->append(new AcDb2dVertex(AcGePoint3d(p.x, p.y, elevation), bulge, defaultStartWidth,
                                        defaultEndWidth),
                       nullptr);
  }
}

AcDb2dPolyline::~AcDb2dPolyline() = default;

PlanarPathCurve planarCurveOf(const AcDb2dPolyline& polyline) {
  std::vector<ge::BulgeVertex> vertices;
  for (AcDbEntity* entity : polyline.followers().live()) {
    auto* vertex = AcDb2dVertex::cast(entity);
    // The frame of a spline-fit polyline steers the curve without lying on it.
    if (vertex == nullptr || vertex->vertexType() == AcDb::k2dSplineCtlVertex) continue;
    vertices.push_back({AcGePoint2d(vertex->position().x, vertex->position().y), vertex->bulge()});
  }
  return PlanarPathCurve(ge::BulgePath(std::move(vertices), polyline.isClosed()), polyline.normal(),
                         polyline.elevation());
}

AcDb::Poly2dType AcDb2dPolyline::polyType() const {
  if (flags_ & 2) return AcDb::k2dFitCurvePoly;
  if (flags_ & 4) return curveType_ == 5 ? AcDb::k2dQuadSplinePoly : AcDb::k2dCubicSplinePoly;
  return AcDb::k2dSimplePoly;
}

// Only the type is recorded: the platform does not generate fitted vertices.
Acad::ErrorStatus AcDb2dPolyline::setPolyType(AcDb::Poly2dType type) {
  assertWriteEnabled();
  flags_ &= ~(2 | 4);
  curveType_ = 0;
  switch (type) {
    case AcDb::k2dFitCurvePoly:
      flags_ |= 2;
      break;
    case AcDb::k2dQuadSplinePoly:
      flags_ |= 4;
      curveType_ = 5;
      break;
    case AcDb::k2dCubicSplinePoly:
      flags_ |= 4;
      curveType_ = 6;
      break;
    default:
      break;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::makeClosed() {
  assertWriteEnabled();
  flags_ |= 1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::makeOpen() {
  assertWriteEnabled();
  flags_ &= ~1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultStartWidth(double width) {
  if (width < 0.0) return Acad::eInvalidInput;
  return assignMember(defaultStartWidth_, width);
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultEndWidth(double width) {
  if (width < 0.0) return Acad::eInvalidInput;
  return assignMember(defaultEndWidth_, width);
}

Acad::ErrorStatus AcDb2dPolyline::setElevation(double elevation) {
  assertWriteEnabled();
  elevation_ = elevation;
  followers_->modifyEach([elevation](AcDbEntity* e) {
    if (auto* v = AcDb2dVertex::cast(e)) {
      AcGePoint3d p = v->position();
      v->setPosition(AcGePoint3d(p.x, p.y, elevation));
    }
  });
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setLinetypeGenerationOn() {
  assertWriteEnabled();
  flags_ |= 128;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setLinetypeGenerationOff() {
  assertWriteEnabled();
  flags_ &= ~128;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::constantWidth(double& width) const {
  std::vector<AcDbEntity*> vertices = followers_->live();
  width = defaultStartWidth_;
  bool first = true;
  for (AcDbEntity* e : vertices) {
    auto* v = AcDb2dVertex::cast(e);
    if (v == nullptr) continue;
    if (first) width = v->startWidth();
    first = false;
    if (v->startWidth() != width || v->endWidth() != width) {
      width = 0.0;
      return Acad::eInvalidInput;
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setConstantWidth(double width) {
  if (width < 0.0) return Acad::eInvalidInput;
  assertWriteEnabled();
  defaultStartWidth_ = defaultEndWidth_ = width;
  return followers_->modifyEach([width](AcDbEntity* e) {
    if (auto* v = AcDb2dVertex::cast(e)) {
      v->setStartWidth(width);
      v->setEndWidth(width);
    }
  });
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDb2dVertex* vertex) {
  AcDbObjectId id;
  return appendVertex(id, vertex);
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDbObjectId& id, AcDb2dVertex* vertex) {
  assertWriteEnabled();
  return followers_->append(vertex, &id);
}

Acad::ErrorStatus AcDb2dPolyline::insertVertexAt(const AcDb2dVertex* indexVertex,
                                                 AcDb2dVertex* newVertex) {
  assertWriteEnabled();
  return followers_->insertAfter(
      indexVertex != nullptr ? indexVertex : static_cast<const AcDbEntity*>(this), newVertex,
      nullptr);
}

Acad::ErrorStatus AcDb2dPolyline::insertVertexAt(AcDbObjectId& newId, AcDbObjectId indexVertexId,
                                                 AcDb2dVertex* newVertex) {
  assertWriteEnabled();
  return followers_->insertAfterId(indexVertexId, newVertex, &newId);
}

Acad::ErrorStatus AcDb2dPolyline::openVertex(AcDb2dVertex*& vertex, AcDbObjectId id,
                                             AcDb::OpenMode mode, bool openErased) const {
  return followers_->open(vertex, id, mode, openErased);
}

AcDbObjectIterator* AcDb2dPolyline::vertexIterator() const { return followers_->iterator(); }

AcGePoint3d AcDb2dPolyline::vertexPosition(const AcDb2dVertex& vertex) const {
  AcGePoint3d p = vertex.position();
  return entgeom::ocsToWorld(normal_, AcGePoint3d(p.x, p.y, elevation_));
}

// Curve queries.

DEFINE_POLYLINE_CURVE_QUERIES(AcDb2dPolyline, planarCurveOf)

Acad::ErrorStatus AcDb2dPolyline::getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const {
  PlanarPathCurve curve = planarCurveOf(*this);
  if (curve.path().numSegments() == 0) return Acad::eDegenerateGeometry;
  std::vector<ge::BulgePath> paths = curve.path().offset(distance);
  if (paths.empty()) return Acad::eInvalidOffset;
  for (const ge::BulgePath& path : paths) {
    auto* offset = new AcDb2dPolyline();
    offset->setPropertiesFrom(this);
    offset->normal_ = normal_;
    offset->elevation_ = elevation_;
    offset->thickness_ = thickness_;
    offset->flags_ = (flags_ & 128) | (path.isClosed() ? 1 : 0);
    for (const ge::BulgeVertex& v : path.vertices()) {
      auto* vertex = new AcDb2dVertex(AcGePoint3d(v.point.x, v.point.y, elevation_), v.bulge);
      vertex->setPropertiesFrom(this);
      offset->followers_->append(vertex, nullptr);
    }
    curves.append(offset);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  PlanarPathCurve curve = planarCurveOf(*this);
  if (curve.path().numVertices() == 0) return Acad::eInvalidExtents;
  curve.addExtents(extents);
  if (thickness_ != 0.0) {
    AcGeVector3d shift = entgeom::unitNormal(normal_) * thickness_;
    extents.addExt(AcDbExtents(extents.minPoint() + shift, extents.maxPoint() + shift));
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::transformBy(const AcGeMatrix3d& transform) {
  AcGeVector3d n = entgeom::unitNormal(normal_);
  double scale = 0.0;
  if (!entgeom::uniformScaleInPlane(transform, n, scale)) return Acad::eCannotScaleNonUniformly;
  AcGeVector3d mapped = transform * n;
  if (mapped.isZeroLength()) return Acad::eCannotScaleNonUniformly;
  AcGeVector3d newNormal = mapped.normal();
  bool reversed = entgeom::isMirroring(transform);
  AcGePoint3d origin = transform * entgeom::ocsToWorld(n, AcGePoint3d(0.0, 0.0, elevation_));
  double newElevation = entgeom::worldToOcs(newNormal, origin).z;
  AcGeVector3d oldNormal = n;
  double oldElevation = elevation_;
  assertWriteEnabled();
  Acad::ErrorStatus es = followers_->modifyEach([&](AcDbEntity* e) {
    auto* v = AcDb2dVertex::cast(e);
    if (v == nullptr) return;
    AcGePoint3d p = v->position();
    AcGePoint3d world =
        transform * entgeom::ocsToWorld(oldNormal, AcGePoint3d(p.x, p.y, oldElevation));
    AcGePoint3d local = entgeom::worldToOcs(newNormal, world);
    v->setPosition(AcGePoint3d(local.x, local.y, newElevation));
    if (reversed) v->setBulge(-v->bulge());
    v->setStartWidth(v->startWidth() * scale);
    v->setEndWidth(v->endWidth() * scale);
  });
  normal_ = newNormal;
  elevation_ = newElevation;
  thickness_ *= mapped.length();
  defaultStartWidth_ *= scale;
  defaultEndWidth_ *= scale;
  return es;
}

bool AcDb2dPolyline::takesFollower(const AcDbEntity& follower) const {
  return AcDb2dVertex::cast(&follower) != nullptr;
}

Acad::ErrorStatus AcDb2dPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  bool every = entfile::writesEveryField(filer);
  filer->writeString(100, L"AcDb2dPolyline");
  filer->writeInt16(66, 1);
  filer->writePoint3d(10, AcGePoint3d(0.0, 0.0, elevation_));
  entfile::writeUnlessZero(filer, 39, thickness_);
  filer->writeInt16(70, flags_);
  entfile::writeUnlessZero(filer, 40, defaultStartWidth_);
  entfile::writeUnlessZero(filer, 41, defaultEndWidth_);
  if (curveType_ != 0 || every) filer->writeInt16(75, curveType_);
  entfile::writeNormal(filer, normal_);
  return Acad::eOk;
}

bool AcDb2dPolyline::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 66:
      return true;  // followers come anyway
    case 10:
      elevation_ = entfile::pointOf(item).z;
      return true;
    case 70:
      flags_ = entfile::intOf(item) & (1 | 2 | 4 | 128);
      return true;
    default:
      return entfile::readField(
                 item, {Field::real(30, elevation_), Field::real(39, thickness_),
                        Field::real(40, defaultStartWidth_), Field::real(41, defaultEndWidth_),
                        Field::integer(75, curveType_), Field::normal(210, normal_)}) ||
             AcDbCurve::dxfInItem(filer, item);
  }
}
