// Linetype records: a description and a pattern of dashes, gaps and dots, each of which may carry
// a shape or a text.
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "db/symbol_util.h"

ACRX_DEFINE_MEMBERS(AcDbLinetypeTableRecord, AcDbSymbolTableRecord, "LTYPE");

AcDbLinetypeTableRecord::AcDbLinetypeTableRecord() = default;
AcDbLinetypeTableRecord::~AcDbLinetypeTableRecord() = default;

DEFINE_RECORD_TEXT_PROPERTY(AcDbLinetypeTableRecord, comments, setComments, comments_)

Acad::ErrorStatus AcDbLinetypeTableRecord::setPatternLength(double length) {
  if (length < 0.0) return Acad::eNegativeValueNotAllowed;
  return assignMember(patternLength_, length);
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setNumDashes(int count) {
  if (count < 0 || count > 12) return Acad::eOutOfRange;
  assertWriteEnabled();
  dashes_.resize(static_cast<size_t>(count));
  return Acad::eOk;
}

const AcDbLinetypeTableRecord::Dash* AcDbLinetypeTableRecord::dashAt(int index) const {
  return index >= 0 && index < numDashes() ? &dashes_[static_cast<size_t>(index)] : nullptr;
}

double AcDbLinetypeTableRecord::dashLengthAt(int index) const {
  const Dash* dash = dashAt(index);
  return dash ? dash->length : 0.0;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setDashLengthAt(int index, double length) {
  if (dashAt(index) == nullptr) return Acad::eInvalidIndex;
  assertWriteEnabled();
  dashes_[static_cast<size_t>(index)].length = length;
  return Acad::eOk;
}

int AcDbLinetypeTableRecord::shapeFlagsAt(int index) const {
  const Dash* dash = dashAt(index);
  return dash ? dash->flags : 0;
}

int AcDbLinetypeTableRecord::shapeNumberAt(int index) const {
  const Dash* dash = dashAt(index);
  return dash ? dash->shapeNumber : 0;
}

AcDbObjectId AcDbLinetypeTableRecord::shapeStyleAt(int index) const {
  const Dash* dash = dashAt(index);
  return dash ? dash->style : AcDbObjectId();
}

double AcDbLinetypeTableRecord::shapeScaleAt(int index) const {
  const Dash* dash = dashAt(index);
  return dash ? dash->scale : 1.0;
}

double AcDbLinetypeTableRecord::shapeRotationAt(int index) const {
  const Dash* dash = dashAt(index);
  return dash ? dash->rotation : 0.0;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::textAt(int index, const ACHAR*& text) const {
  const Dash* dash = dashAt(index);
  if (dash == nullptr) {
    text = L"";
    return Acad::eInvalidIndex;
  }
  text = dash->text.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbSymbolTableRecord::dxfOutFields(filer);
  writeHeader(filer, L"AcDbLinetypeTableRecord");
  filer->writeString(3, comments_);
  filer->writeInt16(72, alignment_);
  filer->writeInt16(73, numDashes());
  filer->writeDouble(40, patternLength_);
  for (const Dash& dash : dashes_) {
    filer->writeDouble(49, dash.length);
    filer->writeInt16(74, dash.flags);
    if (dash.flags == 0) continue;
    // 2: text, 4: shape; both carry a style, a scale, a rotation and an offset.
    filer->writeInt16(75, dash.shapeNumber);
    if (isLiveId(dash.style)) filer->writeObjectId(340, dash.style);
    filer->writeDouble(46, dash.scale);
    filer->writeDouble(50, dash.rotation);
    filer->writeDouble(44, dash.offsetX);
    filer->writeDouble(45, dash.offsetY);
    if (dash.flags & 2) filer->writeString(9, dash.text);
  }
  for (const DxfItem& item : otherItems_) filer->writeItem(item);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  dashes_.clear();
  otherItems_.clear();
  return AcDbSymbolTableRecord::dxfInFields(filer);
}

bool AcDbLinetypeTableRecord::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  Dash* last = dashes_.empty() ? nullptr : &dashes_.back();
  switch (item.code) {
    case 3: comments_ = item.text; return true;
    case 72: alignment_ = static_cast<int>(item.integer); return true;
    case 73: return true;  // the count follows from the 49 items
    case 40: patternLength_ = item.real; return true;
    case 49:
      dashes_.emplace_back();
      dashes_.back().length = item.real;
      return true;
    default:
      break;
  }
  if (last != nullptr) {
    switch (item.code) {
      case 74: last->flags = static_cast<int>(item.integer); return true;
      case 75: last->shapeNumber = static_cast<int>(item.integer); return true;
      case 340: last->style = item.id; return true;
      case 46: last->scale = item.real; return true;
      case 50: last->rotation = item.real; return true;
      case 44: last->offsetX = item.real; return true;
      case 45: last->offsetY = item.real; return true;
      case 9: last->text = item.text; return true;
      default: break;
    }
  }
  if (AcDbSymbolTableRecord::dxfInItem(filer, item)) return true;
  otherItems_.push_back(item);
  return true;
}
