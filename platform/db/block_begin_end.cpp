// The BLOCK and ENDBLK objects of block definitions. BLOCK writes the definition's data from its
// record, so that the record stays the one place that holds it.
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "db/symbol_util.h"

ACRX_DEFINE_MEMBERS(AcDbBlockBegin, AcDbEntity, "BLOCK");
ACRX_DEFINE_MEMBERS(AcDbBlockEnd, AcDbEntity, "ENDBLK");

AcDbBlockBegin::AcDbBlockBegin() = default;
AcDbBlockBegin::~AcDbBlockBegin() = default;

Acad::ErrorStatus AcDbBlockBegin::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbEntity::dxfOutFields(filer);
  filer->writeString(100, L"AcDbBlockBegin");
  std::wstring name = name_, path = path_, comments = comments_;
  AcGePoint3d origin = origin_;
  Adesk::Int16 flags = flags_;
  if (auto* record = peekObject<AcDbBlockTableRecord>(ownerId())) {
    name = record->name();
    path = record->pathNameText();
    comments = record->commentsText();
    origin = record->origin();
    flags = record->blockFlags();
  }
  filer->writeString(2, name);
  filer->writeInt16(70, flags);
  filer->writePoint3d(10, origin);
  filer->writeString(3, name);
  filer->writeString(1, path);
  if (!comments.empty()) filer->writeString(4, comments);
  return Acad::eOk;
}

bool AcDbBlockBegin::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 2: name_ = item.text; return true;
    case 3: if (name_.empty()) name_ = item.text; return true;
    case 70: flags_ = static_cast<Adesk::Int16>(item.integer); return true;
    case 10: origin_.set(item.point[0], item.point[1], item.point[2]); return true;
    case 1: path_ = item.text; return true;
    case 4: comments_ = item.text; return true;
    default: return AcDbEntity::dxfInItem(filer, item);
  }
}

AcDbBlockEnd::AcDbBlockEnd() = default;
AcDbBlockEnd::~AcDbBlockEnd() = default;

Acad::ErrorStatus AcDbBlockEnd::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbEntity::dxfOutFields(filer);
  filer->writeString(100, L"AcDbBlockEnd");
  return Acad::eOk;
}
