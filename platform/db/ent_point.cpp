// AcDbPoint and AcDbSequenceEnd (the one carries a position, the other nothing of its own).
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/ent_support.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_MEMBERS(AcDbPoint, AcDbEntity, "POINT");
ACRX_DEFINE_MEMBERS(AcDbSequenceEnd, AcDbEntity, "SEQEND");

AcDbPoint::AcDbPoint() = default;
AcDbPoint::AcDbPoint(const AcGePoint3d& position) : position_(position) {}

Acad::ErrorStatus AcDbPoint::setPosition(const AcGePoint3d& position) {
  assertWriteEnabled();
  position_ = position;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::setThickness(double thickness) {
  assertWriteEnabled();
  thickness_ = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  normal_ = normal.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::setEcsRotation(double angle) {
  assertWriteEnabled();
  ecsRotation_ = angle;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  extents.addPoint(position_);
  if (thickness_ != 0.0) extents.addPoint(position_ + normal_ * thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::transformBy(const AcGeMatrix3d& transform) {
  assertWriteEnabled();
  position_ = transform * position_;
  AcGeVector3d n = transform * normal_;
  if (!n.isZeroLength()) {
    thickness_ *= n.length();
    normal_ = n.normal();
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  bool every = entfile::writesEveryField(filer);
  filer->writeString(100, L"AcDbPoint");
  filer->writePoint3d(10, position_);
  if (thickness_ != 0.0 || every) filer->writeDouble(39, thickness_);
  if (!entgeom::isZAxis(normal_) || every) filer->writeVector3d(210, normal_);
  if (ecsRotation_ != 0.0 || every) entfile::writeAngle(filer, 50, ecsRotation_);
  return Acad::eOk;
}

bool AcDbPoint::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 10:
      position_ = entfile::pointOf(item);
      return true;
    case 39:
      thickness_ = entfile::realOf(item);
      return true;
    case 210:
      normal_ = entgeom::unitNormal(entfile::vectorOf(item));
      return true;
    case 50:
      ecsRotation_ = entfile::angleOf(item);
      return true;
    default:
      return AcDbEntity::dxfInItem(filer, item);
  }
}

AcDbSequenceEnd::AcDbSequenceEnd() = default;
