#include "db/ent_fields.h"

#include "db/ent_support.h"
#include "ge/angles.h"

namespace entfile {

void Field::readPoint(void* member, const DxfItem& item) {
  *static_cast<AcGePoint3d*>(member) = pointOf(item);
}
void Field::readVector(void* member, const DxfItem& item) {
  *static_cast<AcGeVector3d*>(member) = vectorOf(item);
}
void Field::readReal(void* member, const DxfItem& item) {
  *static_cast<double*>(member) = realOf(item);
}
void Field::readInt(void* member, const DxfItem& item) { *static_cast<int*>(member) = intOf(item); }
void Field::readInt16(void* member, const DxfItem& item) {
  *static_cast<Adesk::Int16*>(member) = static_cast<Adesk::Int16>(intOf(item));
}
void Field::readAngle(void* member, const DxfItem& item) {
  *static_cast<double*>(member) = angleOf(item);
}
void Field::readReduced(void* member, const DxfItem& item) {
  *static_cast<double*>(member) = ge::normalizeAngle(angleOf(item));
}
void Field::readNormal(void* member, const DxfItem& item) {
  *static_cast<AcGeVector3d*>(member) = entgeom::unitNormal(vectorOf(item));
}
void Field::readDirection(void* member, const DxfItem& item) {
  AcGeVector3d d = vectorOf(item);
  if (!d.isZeroLength()) *static_cast<AcGeVector3d*>(member) = d.normal();
}

bool readField(const DxfItem& item, std::initializer_list<Field> table) {
  for (const Field& field : table) {
    if (field.code() != item.code) continue;
    field.read(item);
    return true;
  }
  return false;
}

void writeUnlessZero(AcDbDxfFiler* filer, int code, double value) {
  if (value != 0.0 || writesEveryField(filer)) filer->writeDouble(code, value);
}

void writeNormal(AcDbDxfFiler* filer, const AcGeVector3d& normal) {
  if (!entgeom::isZAxis(normal) || writesEveryField(filer)) filer->writeVector3d(210, normal);
}

Acad::ErrorStatus writePositionVertex(Acad::ErrorStatus parentStatus, AcDbDxfFiler* filer,
                                      const wchar_t* marker, const AcGePoint3d& position,
                                      int flags) {
  if (parentStatus != Acad::eOk) return parentStatus;
  filer->writeString(100, L"AcDbVertex");
  filer->writeString(100, marker);
  filer->writePoint3d(10, position);
  filer->writeInt16(70, flags);
  return Acad::eOk;
}

}  // namespace entfile
