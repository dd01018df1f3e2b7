// The meshes of old-style polylines: polyface meshes (vertices, then faces that index them) and
// polygon meshes (an M by N grid of vertices).
#include <cstdlib>

#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/dbpoly.h"
#include "db/ent_fields.h"
#include "db/ent_followers.h"
#include "db/ent_support.h"
#include "db/symbol_util.h"
#include "ge/gemat3d.h"

namespace {

// Extents of the vertices of a mesh (faces add nothing: they index vertices).
Acad::ErrorStatus meshExtents(const EntityFollowers& followers, AcDbExtents& extents) {
  extents = AcDbExtents();
  for (AcDbEntity* e : followers.live()) {
    if (auto* v = AcDbPolyFaceMeshVertex::cast(e)) extents.addPoint(v->position());
    if (auto* v = AcDbPolygonMeshVertex::cast(e)) extents.addPoint(v->position());
  }
  return extents.isEmpty() ? Acad::eInvalidExtents : Acad::eOk;
}

}  // namespace

// AcDbPolyFaceMeshVertex.

AcDbPolyFaceMeshVertex::AcDbPolyFaceMeshVertex() = default;
AcDbPolyFaceMeshVertex::AcDbPolyFaceMeshVertex(const AcGePoint3d& position) : position_(position) {}

Acad::ErrorStatus AcDbPolyFaceMeshVertex::setPosition(const AcGePoint3d& position) {
  return assignMember(position_, position);
}

Acad::ErrorStatus AcDbPolyFaceMeshVertex::transformBy(const AcGeMatrix3d& transform) {
  return assignMember(position_, transform * position_);
}

Acad::ErrorStatus AcDbPolyFaceMeshVertex::dxfOutFields(AcDbDxfFiler* filer) const {
  return entfile::writePositionVertex(AcDbVertex::dxfOutFields(filer), filer,
                                      L"AcDbPolyFaceMeshVertex", position_, vertexFlags());
}

bool AcDbPolyFaceMeshVertex::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 70:
      return true;  // the kind's own flags
    default:
      return entfile::readField(item, {Field::point(10, position_)}) ||
             AcDbVertex::dxfInItem(filer, item);
  }
}

// AcDbFaceRecord.

AcDbFaceRecord::AcDbFaceRecord() = default;

AcDbFaceRecord::AcDbFaceRecord(Adesk::Int16 vtx0, Adesk::Int16 vtx1, Adesk::Int16 vtx2,
                               Adesk::Int16 vtx3)
    : indices_{vtx0, vtx1, vtx2, vtx3} {}

Acad::ErrorStatus AcDbFaceRecord::getVertexAt(Adesk::UInt16 corner,
                                              Adesk::Int16& vertexIndex) const {
  if (corner > 3) return Acad::eInvalidIndex;
  vertexIndex = static_cast<Adesk::Int16>(std::abs(indices_[corner]));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbFaceRecord::setVertexAt(Adesk::UInt16 corner, Adesk::Int16 vertexIndex) {
  if (corner > 3 || vertexIndex < 0) return Acad::eInvalidIndex;
  assertWriteEnabled();
  bool hidden = indices_[corner] < 0;
  indices_[corner] = static_cast<Adesk::Int16>(hidden ? -vertexIndex : vertexIndex);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbFaceRecord::isEdgeVisibleAt(Adesk::UInt16 corner, bool& visible) const {
  if (corner > 3) return Acad::eInvalidIndex;
  visible = indices_[corner] >= 0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbFaceRecord::makeEdgeVisibleAt(Adesk::UInt16 corner) {
  if (corner > 3) return Acad::eInvalidIndex;
  return assignMember(indices_[corner], static_cast<Adesk::Int16>(std::abs(indices_[corner])));
}

Acad::ErrorStatus AcDbFaceRecord::makeEdgeInvisibleAt(Adesk::UInt16 corner) {
  if (corner > 3) return Acad::eInvalidIndex;
  return assignMember(indices_[corner], static_cast<Adesk::Int16>(-std::abs(indices_[corner])));
}

Acad::ErrorStatus AcDbFaceRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbVertex::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  // Face records have no AcDbVertex level in files.
  filer->writeString(100, L"AcDbFaceRecord");
  filer->writePoint3d(10, AcGePoint3d::kOrigin);
  filer->writeInt16(70, vertexFlags());
  for (int i = 0; i < 4; ++i) {
    if (i < 3 || indices_[i] != 0) filer->writeInt16(71 + i, indices_[i]);
  }
  return Acad::eOk;
}

bool AcDbFaceRecord::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 10:
    case 70:
      return true;
    case 71:
    case 72:
    case 73:
    case 74:
      indices_[item.code - 71] = static_cast<Adesk::Int16>(entfile::intOf(item));
      return true;
    default:
      return AcDbVertex::dxfInItem(filer, item);
  }
}

// AcDbPolyFaceMesh.

AcDbPolyFaceMesh::AcDbPolyFaceMesh() : followers_(std::make_unique<EntityFollowers>(this, true)) {}
AcDbPolyFaceMesh::~AcDbPolyFaceMesh() = default;

Adesk::Int16 AcDbPolyFaceMesh::numVertices() const {
  int n = 0;
  for (AcDbEntity* e : followers_->live()) n += AcDbPolyFaceMeshVertex::cast(e) != nullptr ? 1 : 0;
  return static_cast<Adesk::Int16>(n);
}

Adesk::Int16 AcDbPolyFaceMesh::numFaces() const {
  int n = 0;
  for (AcDbEntity* e : followers_->live()) n += AcDbFaceRecord::cast(e) != nullptr ? 1 : 0;
  return static_cast<Adesk::Int16>(n);
}

Acad::ErrorStatus AcDbPolyFaceMesh::appendVertex(AcDbPolyFaceMeshVertex* vertex) {
  AcDbObjectId id;
  return appendVertex(id, vertex);
}

Acad::ErrorStatus AcDbPolyFaceMesh::appendVertex(AcDbObjectId& id, AcDbPolyFaceMeshVertex* vertex) {
  if (numFaces() > 0) return Acad::eVertexAfterFace;
  assertWriteEnabled();
  return followers_->append(vertex, &id);
}

Acad::ErrorStatus AcDbPolyFaceMesh::appendFaceRecord(AcDbFaceRecord* face) {
  AcDbObjectId id;
  return appendFaceRecord(id, face);
}

Acad::ErrorStatus AcDbPolyFaceMesh::appendFaceRecord(AcDbObjectId& id, AcDbFaceRecord* face) {
  if (face == nullptr) return Acad::eNullEntityPointer;
  Adesk::Int16 count = numVertices();
  for (Adesk::UInt16 corner = 0; corner < 4; ++corner) {
    Adesk::Int16 index = 0;
    face->getVertexAt(corner, index);
    if (index > count || (index == 0 && corner < 3)) return Acad::eInvalidFaceVertexIndex;
  }
  assertWriteEnabled();
  return followers_->append(face, &id);
}

Acad::ErrorStatus AcDbPolyFaceMesh::openVertex(AcDbVertex*& vertex, AcDbObjectId id,
                                               AcDb::OpenMode mode, bool openErased) const {
  return followers_->open(vertex, id, mode, openErased);
}

AcDbObjectIterator* AcDbPolyFaceMesh::vertexIterator() const { return followers_->iterator(); }

Acad::ErrorStatus AcDbPolyFaceMesh::getGeomExtents(AcDbExtents& extents) const {
  return meshExtents(*followers_, extents);
}

Acad::ErrorStatus AcDbPolyFaceMesh::transformBy(const AcGeMatrix3d& transform) {
  assertWriteEnabled();
  return followers_->transformAll(transform);
}

bool AcDbPolyFaceMesh::takesFollower(const AcDbEntity& follower) const {
  return AcDbPolyFaceMeshVertex::cast(&follower) != nullptr ||
         AcDbFaceRecord::cast(&follower) != nullptr;
}

Acad::ErrorStatus AcDbPolyFaceMesh::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbPolyFaceMesh");
  filer->writeInt16(66, 1);
  filer->writePoint3d(10, AcGePoint3d::kOrigin);
  filer->writeInt16(70, 64);
  filer->writeInt16(71, numVertices());
  filer->writeInt16(72, numFaces());
  return Acad::eOk;
}

bool AcDbPolyFaceMesh::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 66:
    case 10:
    case 30:
    case 70:
    case 71:  // the counts follow from the vertices and faces
    case 72:
      return true;
    default:
      return AcDbEntity::dxfInItem(filer, item);
  }
}

// AcDbPolygonMeshVertex.

AcDbPolygonMeshVertex::AcDbPolygonMeshVertex() = default;
AcDbPolygonMeshVertex::AcDbPolygonMeshVertex(const AcGePoint3d& position) : position_(position) {}

Acad::ErrorStatus AcDbPolygonMeshVertex::setPosition(const AcGePoint3d& position) {
  return assignMember(position_, position);
}

Acad::ErrorStatus AcDbPolygonMeshVertex::transformBy(const AcGeMatrix3d& transform) {
  return assignMember(position_, transform * position_);
}

Acad::ErrorStatus AcDbPolygonMeshVertex::dxfOutFields(AcDbDxfFiler* filer) const {
  return entfile::writePositionVertex(AcDbVertex::dxfOutFields(filer), filer,
                                      L"AcDbPolygonMeshVertex", position_, vertexFlags());
}

bool AcDbPolygonMeshVertex::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 70:
      flags_ = entfile::intOf(item) | 64;
      return true;
    default:
      return entfile::readField(item, {Field::point(10, position_)}) ||
             AcDbVertex::dxfInItem(filer, item);
  }
}

// AcDbPolygonMesh.

AcDbPolygonMesh::AcDbPolygonMesh() : followers_(std::make_unique<EntityFollowers>(this, true)) {}

AcDbPolygonMesh::AcDbPolygonMesh(AcDb::PolyMeshType type, Adesk::Int16 mSize, Adesk::Int16 nSize,
                                 const AcGePoint3dArray& vertices, bool mClosed, bool nClosed)
    : AcDbPolygonMesh() {
  mSize_ = mSize;
  nSize_ = nSize;
  if (mClosed) flags_ |= 1;
  if (nClosed) flags_ |= 32;
  setPolyMeshType(type);
  for (const AcGePoint3d& p : vertices) followers_->append(new AcDbPolygonMeshVertex(p), nullptr);
}

AcDbPolygonMesh::~AcDbPolygonMesh() = default;

AcDb::PolyMeshType AcDbPolygonMesh::polyMeshType() const {
  switch (surfaceType_) {
    case 5:
      return AcDb::kQuadSurfaceMesh;
    case 6:
      return AcDb::kCubicSurfaceMesh;
    case 8:
      return AcDb::kBezierSurfaceMesh;
    default:
      return AcDb::kSimpleMesh;
  }
}

// Only the type is recorded: the platform does not generate the smoothed surface.
Acad::ErrorStatus AcDbPolygonMesh::setPolyMeshType(AcDb::PolyMeshType type) {
  assertWriteEnabled();
  static const int kSurfaceTypes[] = {0, 5, 6, 8};
  surfaceType_ =
      kSurfaceTypes[type >= AcDb::kSimpleMesh && type <= AcDb::kBezierSurfaceMesh ? type : 0];
  flags_ = surfaceType_ != 0 ? (flags_ | 4) : (flags_ & ~4);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolygonMesh::setMSize(Adesk::Int16 size) {
  if (size < 2) return Acad::eInvalidInput;
  return assignMember(mSize_, size);
}

Acad::ErrorStatus AcDbPolygonMesh::setNSize(Adesk::Int16 size) {
  if (size < 2) return Acad::eInvalidInput;
  return assignMember(nSize_, size);
}

Acad::ErrorStatus AcDbPolygonMesh::makeMClosed() {
  assertWriteEnabled();
  flags_ |= 1;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbPolygonMesh::makeMOpen() {
  assertWriteEnabled();
  flags_ &= ~1;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbPolygonMesh::makeNClosed() {
  assertWriteEnabled();
  flags_ |= 32;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbPolygonMesh::makeNOpen() {
  assertWriteEnabled();
  flags_ &= ~32;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbPolygonMesh::setMSurfaceDensity(Adesk::Int16 density) {
  return assignMember(mDensity_, density);
}

Acad::ErrorStatus AcDbPolygonMesh::setNSurfaceDensity(Adesk::Int16 density) {
  return assignMember(nDensity_, density);
}

Acad::ErrorStatus AcDbPolygonMesh::appendVertex(AcDbPolygonMeshVertex* vertex) {
  AcDbObjectId id;
  return appendVertex(id, vertex);
}

Acad::ErrorStatus AcDbPolygonMesh::appendVertex(AcDbObjectId& id, AcDbPolygonMeshVertex* vertex) {
  assertWriteEnabled();
  return followers_->append(vertex, &id);
}

Acad::ErrorStatus AcDbPolygonMesh::openVertex(AcDbPolygonMeshVertex*& vertex, AcDbObjectId id,
                                              AcDb::OpenMode mode, bool openErased) const {
  return followers_->open(vertex, id, mode, openErased);
}

AcDbObjectIterator* AcDbPolygonMesh::vertexIterator() const { return followers_->iterator(); }

Acad::ErrorStatus AcDbPolygonMesh::getGeomExtents(AcDbExtents& extents) const {
  return meshExtents(*followers_, extents);
}

Acad::ErrorStatus AcDbPolygonMesh::transformBy(const AcGeMatrix3d& transform) {
  assertWriteEnabled();
  return followers_->transformAll(transform);
}

bool AcDbPolygonMesh::takesFollower(const AcDbEntity& follower) const {
  return AcDbPolygonMeshVertex::cast(&follower) != nullptr;
}

Acad::ErrorStatus AcDbPolygonMesh::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  bool every = entfile::writesEveryField(filer);
  filer->writeString(100, L"AcDbPolygonMesh");
  filer->writeInt16(66, 1);
  filer->writePoint3d(10, AcGePoint3d::kOrigin);
  filer->writeInt16(70, flags_ | 16);
  filer->writeInt16(71, mSize_);
  filer->writeInt16(72, nSize_);
  if (mDensity_ != 0 || every) filer->writeInt16(73, mDensity_);
  if (nDensity_ != 0 || every) filer->writeInt16(74, nDensity_);
  if (surfaceType_ != 0 || every) filer->writeInt16(75, surfaceType_);
  return Acad::eOk;
}

bool AcDbPolygonMesh::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 66:
    case 10:
    case 30:
      return true;
    case 70:
      flags_ = (entfile::intOf(item) & (1 | 4 | 32 | 128)) | 16;
      return true;
    case 71:
      mSize_ = static_cast<Adesk::Int16>(entfile::intOf(item));
      return true;
    case 72:
      nSize_ = static_cast<Adesk::Int16>(entfile::intOf(item));
      return true;
    case 73:
      mDensity_ = static_cast<Adesk::Int16>(entfile::intOf(item));
      return true;
    case 74:
      nDensity_ = static_cast<Adesk::Int16>(entfile::intOf(item));
      return true;
    default:
      return entfile::readField(item, {Field::integer(75, surfaceType_)}) ||
             AcDbEntity::dxfInItem(filer, item);
  }
}
