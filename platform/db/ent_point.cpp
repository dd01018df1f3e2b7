// AcDbPoint and AcDbSequenceEnd (the one carries a position, the other nothing of its own).
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/ent_fields.h"
#include "db/ent_support.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_MEMBERS(AcDbPoint, AcDbEntity, "POINT");
ACRX_DEFINE_MEMBERS(AcDbSequenceEnd, AcDbEntity, "SEQEND");

AcDbPoint::AcDbPoint() = default;
AcDbPoint::AcDbPoint(const AcGePoint3d& position) : position_(position) {}

Acad::ErrorStatus AcDbPoint::setPosition(const AcGePoint3d& position) {
  return assignMember(position_, position);
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
  entgeom::transformNormal(transform, normal_, thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbPoint");
  filer->writePoint3d(10, position_);
  entfile::writeUnlessZero(filer, 39, thickness_);
  entfile::writeNormal(filer, normal_);
  if (ecsRotation_ != 0.0 || entfile::writesEveryField(filer))
    entfile::writeAngle(filer, 50, ecsRotation_);
  return Acad::eOk;
}

bool AcDbPoint::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  return entfile::readField(item, {Field::point(10, position_), Field::real(39, thickness_),
                                   Field::normal(210, normal_), Field::angle(50, ecsRotation_)}) ||
         AcDbEntity::dxfInItem(filer, item);
}

AcDbSequenceEnd::AcDbSequenceEnd() = default;
