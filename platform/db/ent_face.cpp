// AcDbFace: the 3D face, three or four corners in world coordinates.
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/ent_support.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_MEMBERS(AcDbFace, AcDbEntity, "3DFACE");

namespace {
int edgeFlags(bool e0, bool e1, bool e2, bool e3) {
  return (e0 ? 0 : 1) | (e1 ? 0 : 2) | (e2 ? 0 : 4) | (e3 ? 0 : 8);
}
}  // namespace

AcDbFace::AcDbFace() = default;

AcDbFace::AcDbFace(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2,
                   const AcGePoint3d& pt3, bool e0vis, bool e1vis, bool e2vis, bool e3vis)
    : corners_{pt0, pt1, pt2, pt3}, invisibleEdges_(edgeFlags(e0vis, e1vis, e2vis, e3vis)) {}

AcDbFace::AcDbFace(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2,
                   bool e0vis, bool e1vis, bool e2vis, bool e3vis)
    : corners_{pt0, pt1, pt2, pt2}, invisibleEdges_(edgeFlags(e0vis, e1vis, e2vis, e3vis)) {}

Acad::ErrorStatus AcDbFace::getVertexAt(Adesk::UInt16 index, AcGePoint3d& point) const {
  if (index > 3) return Acad::eInvalidIndex;
  point = corners_[index];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::setVertexAt(Adesk::UInt16 index, const AcGePoint3d& point) {
  if (index > 3) return Acad::eInvalidIndex;
  return assignMember(corners_[index], point);
}

Acad::ErrorStatus AcDbFace::isEdgeVisibleAt(Adesk::UInt16 index, bool& visible) const {
  if (index > 3) return Acad::eInvalidIndex;
  visible = (invisibleEdges_ & (1 << index)) == 0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::makeEdgeVisibleAt(Adesk::UInt16 index) {
  if (index > 3) return Acad::eInvalidIndex;
  assertWriteEnabled();
  invisibleEdges_ &= ~(1 << index);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::makeEdgeInvisibleAt(Adesk::UInt16 index) {
  if (index > 3) return Acad::eInvalidIndex;
  assertWriteEnabled();
  invisibleEdges_ |= 1 << index;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  for (const AcGePoint3d& corner : corners_) extents.addPoint(corner);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::transformBy(const AcGeMatrix3d& transform) {
  assertWriteEnabled();
  for (AcGePoint3d& corner : corners_) corner = transform * corner;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbFace");
  for (int i = 0; i < 4; ++i) filer->writePoint3d(10 + i, corners_[i]);
  if (invisibleEdges_ != 0 || entfile::writesEveryField(filer))
    filer->writeInt16(70, invisibleEdges_);
  return Acad::eOk;
}

bool AcDbFace::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 10:
    case 11:
    case 12:
    case 13: {
      corners_[item.code - 10] = entfile::pointOf(item);
      // A triangle may leave its fourth corner out: it repeats the third.
      if (item.code == 12) corners_[3] = corners_[2];
      return true;
    }
    case 70:
      invisibleEdges_ = entfile::intOf(item) & 15;
      return true;
    default:
      return AcDbEntity::dxfInItem(filer, item);
  }
}
