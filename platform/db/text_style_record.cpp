// Text style records.
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "db/symbol_util.h"

ACRX_DEFINE_MEMBERS(AcDbTextStyleTableRecord, AcDbSymbolTableRecord, "STYLE");

AcDbTextStyleTableRecord::AcDbTextStyleTableRecord() = default;
AcDbTextStyleTableRecord::~AcDbTextStyleTableRecord() = default;

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size) {
  if (size < 0.0) return Acad::eNegativeValueNotAllowed;
  return assignMember(textSize_, size);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXScale(double scale) {
  if (scale <= 0.0) return Acad::eInvalidInput;
  return assignMember(xScale_, scale);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setObliquingAngle(double angle) {
  return assignMember(oblique_, angle);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setPriorSize(double size) {
  if (size < 0.0) return Acad::eNegativeValueNotAllowed;
  return assignMember(priorSize_, size);
}

void AcDbTextStyleTableRecord::setFlagBits(Adesk::UInt8 flags) {
  assertWriteEnabled();
  generation_ = flags;
}

bool AcDbTextStyleTableRecord::isShapeFile() const { return (symbolFlags() & 1) != 0; }

void AcDbTextStyleTableRecord::setIsShapeFile(bool shape) {
  assertWriteEnabled();
  setSymbolFlags(static_cast<Adesk::Int16>(shape ? (symbolFlags() | 1) : (symbolFlags() & ~1)));
}

bool AcDbTextStyleTableRecord::isVertical() const { return (symbolFlags() & 4) != 0; }

void AcDbTextStyleTableRecord::setIsVertical(bool vertical) {
  assertWriteEnabled();
  setSymbolFlags(static_cast<Adesk::Int16>(vertical ? (symbolFlags() | 4) : (symbolFlags() & ~4)));
}

DEFINE_RECORD_TEXT_PROPERTY(AcDbTextStyleTableRecord, fileName, setFileName, fileName_)

DEFINE_RECORD_TEXT_PROPERTY(AcDbTextStyleTableRecord, bigFontFileName, setBigFontFileName, bigFont_)

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbSymbolTableRecord::dxfOutFields(filer);
  writeHeader(filer, L"AcDbTextStyleTableRecord");
  filer->writeDouble(40, textSize_);
  filer->writeDouble(41, xScale_);
  filer->writeDouble(50, oblique_);  // radians; files give degrees, their filers convert
  filer->writeInt16(71, generation_);
  filer->writeDouble(42, priorSize_);
  filer->writeString(3, fileName_);
  filer->writeString(4, bigFont_);
  for (const DxfItem& item : otherItems_) filer->writeItem(item);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  otherItems_.clear();
  return AcDbSymbolTableRecord::dxfInFields(filer);
}

bool AcDbTextStyleTableRecord::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 40: textSize_ = item.real; return true;
    case 41: xScale_ = item.real; return true;
    case 50: oblique_ = item.real; return true;
    case 71: generation_ = static_cast<Adesk::UInt8>(item.integer); return true;
    case 42: priorSize_ = item.real; return true;
    case 3: fileName_ = item.text; return true;
    case 4: bigFont_ = item.text; return true;
    default:
      if (AcDbSymbolTableRecord::dxfInItem(filer, item)) return true;
      otherItems_.push_back(item);
      return true;
  }
}
