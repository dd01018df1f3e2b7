// AcDb3dPolyline and AcDb3dPolylineVertex: straight segments through vertices in world coordinates.
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/dbpoly.h"
#include "db/ent_fields.h"
#include "db/ent_followers.h"
#include "db/ent_paths.h"
#include "db/ent_support.h"
#include "db/symbol_util.h"
#include "ge/gemat3d.h"

// AcDb3dPolylineVertex.

AcDb3dPolylineVertex::AcDb3dPolylineVertex() = default;
AcDb3dPolylineVertex::AcDb3dPolylineVertex(const AcGePoint3d& position) : position_(position) {}

AcDb::Vertex3dType AcDb3dPolylineVertex::vertexType() const {
  if (flags_ & 16) return AcDb::k3dControlVertex;
  if (flags_ & 8) return AcDb::k3dFitVertex;
  return AcDb::k3dSimpleVertex;
}

Acad::ErrorStatus AcDb3dPolylineVertex::setPosition(const AcGePoint3d& position) {
  return assignMember(position_, position);
}

Acad::ErrorStatus AcDb3dPolylineVertex::transformBy(const AcGeMatrix3d& transform) {
  return assignMember(position_, transform * position_);
}

Acad::ErrorStatus AcDb3dPolylineVertex::dxfOutFields(AcDbDxfFiler* filer) const {
  return entfile::writePositionVertex(AcDbVertex::dxfOutFields(filer), filer,
                                      L"AcDb3dPolylineVertex", position_, vertexFlags());
}

bool AcDb3dPolylineVertex::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 70:
      flags_ = entfile::intOf(item) | 32;
      return true;
    default:
      return entfile::readField(item, {Field::point(10, position_)}) ||
             AcDbVertex::dxfInItem(filer, item);
  }
}

// AcDb3dPolyline.

AcDb3dPolyline::AcDb3dPolyline() : followers_(std::make_unique<EntityFollowers>(this, true)) {}

AcDb3dPolyline::AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, bool closed)
    : AcDb3dPolyline() {
  if (closed) flags_ |= 1;
  setPolyType(type);
  for (const AcGePoint3d& p : vertices) followers_->append(new AcDb3dPolylineVertex(p), nullptr);
}

AcDb3dPolyline::~AcDb3dPolyline() = default;

PointChainCurve pointChainOf(const AcDb3dPolyline& polyline) {
  std::vector<AcGePoint3d> points;
  for (AcDbEntity* entity : polyline.followers().live()) {
    auto* vertex = AcDb3dPolylineVertex::cast(entity);
    // Control vertices of a spline-fit polyline are off the curve.
    if (vertex == nullptr || vertex->vertexType() == AcDb::k3dControlVertex) continue;
    points.push_back(vertex->position());
  }
  return PointChainCurve(std::move(points), polyline.isClosed());
}

AcDb::Poly3dType AcDb3dPolyline::polyType() const {
  if ((flags_ & 4) == 0) return AcDb::k3dSimplePoly;
  return curveType_ == 5 ? AcDb::k3dQuadSplinePoly : AcDb::k3dCubicSplinePoly;
}

// Only the type is recorded: the platform does not generate fitted vertices.
Acad::ErrorStatus AcDb3dPolyline::setPolyType(AcDb::Poly3dType type) {
  assertWriteEnabled();
  flags_ &= ~4;
  curveType_ = 0;
  if (type == AcDb::k3dQuadSplinePoly) {
    flags_ |= 4;
    curveType_ = 5;
  } else if (type == AcDb::k3dCubicSplinePoly) {
    flags_ |= 4;
    curveType_ = 6;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::makeClosed() {
  assertWriteEnabled();
  flags_ |= 1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::makeOpen() {
  assertWriteEnabled();
  flags_ &= ~1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDb3dPolylineVertex* vertex) {
  AcDbObjectId id;
  return appendVertex(id, vertex);
}

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDbObjectId& id, AcDb3dPolylineVertex* vertex) {
  assertWriteEnabled();
  return followers_->append(vertex, &id);
}

Acad::ErrorStatus AcDb3dPolyline::insertVertexAt(AcDbObjectId& newId, AcDbObjectId indexVertexId,
                                                 AcDb3dPolylineVertex* newVertex) {
  assertWriteEnabled();
  return followers_->insertAfterId(indexVertexId, newVertex, &newId);
}

Acad::ErrorStatus AcDb3dPolyline::openVertex(AcDb3dPolylineVertex*& vertex, AcDbObjectId id,
                                             AcDb::OpenMode mode, bool openErased) const {
  return followers_->open(vertex, id, mode, openErased);
}

AcDbObjectIterator* AcDb3dPolyline::vertexIterator() const { return followers_->iterator(); }

DEFINE_POLYLINE_CURVE_QUERIES(AcDb3dPolyline, pointChainOf)

Acad::ErrorStatus AcDb3dPolyline::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  PointChainCurve chain = pointChainOf(*this);
  if (chain.points().empty()) return Acad::eInvalidExtents;
  for (const AcGePoint3d& p : chain.points()) extents.addPoint(p);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::transformBy(const AcGeMatrix3d& transform) {
  assertWriteEnabled();
  return followers_->transformAll(transform);
}

bool AcDb3dPolyline::takesFollower(const AcDbEntity& follower) const {
  return AcDb3dPolylineVertex::cast(&follower) != nullptr;
}

Acad::ErrorStatus AcDb3dPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDb3dPolyline");
  filer->writeInt16(66, 1);
  filer->writePoint3d(10, AcGePoint3d::kOrigin);
  filer->writeInt16(70, flags_ | 8);
  if (curveType_ != 0 || entfile::writesEveryField(filer)) filer->writeInt16(75, curveType_);
  return Acad::eOk;
}

bool AcDb3dPolyline::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 66:
    case 10:
    case 30:
      return true;  // a placeholder point; the vertices carry the geometry
    case 70:
      flags_ = (entfile::intOf(item) & (1 | 4 | 128)) | 8;
      return true;
    default:
      return entfile::readField(item, {Field::integer(75, curveType_)}) ||
             AcDbCurve::dxfInItem(filer, item);
  }
}
