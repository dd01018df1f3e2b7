#include "db/dbfiler.h"
#include "ge/gepnt2d.h"
#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"

Acad::ErrorStatus AcDbDxfFiler::writeText(int code, std::wstring_view text) {
  return writeItem(DxfItem::makeString(code, std::wstring(text)));
}

Acad::ErrorStatus AcDbDxfFiler::writeItem(int code, const ACHAR* text) {
  return writeItem(DxfItem::makeString(code, text ? text : L""));
}

Acad::ErrorStatus AcDbDxfFiler::writeDouble(int code, double value) {
  return writeItem(DxfItem::makeReal(code, value));
}

Acad::ErrorStatus AcDbDxfFiler::writeInt16(int code, int value) {
  return writeItem(DxfItem::makeInt(code, static_cast<short>(value)));
}

Acad::ErrorStatus AcDbDxfFiler::writeInt32(int code, Adesk::Int32 value) {
  return writeItem(DxfItem::makeInt(code, value));
}

Acad::ErrorStatus AcDbDxfFiler::writeInt64(int code, Adesk::Int64 value) {
  return writeItem(DxfItem::makeInt(code, value));
}

Acad::ErrorStatus AcDbDxfFiler::writeBool(int code, bool value) {
  return writeItem(DxfItem::makeBool(code, value));
}

Acad::ErrorStatus AcDbDxfFiler::writePoint2d(int code, const AcGePoint2d& point) {
  return writeItem(DxfItem::makePoint(code, point.x, point.y, 0.0, 2));
}

Acad::ErrorStatus AcDbDxfFiler::writePoint3d(int code, const AcGePoint3d& point) {
  return writeItem(DxfItem::makePoint(code, point.x, point.y, point.z, 3));
}

Acad::ErrorStatus AcDbDxfFiler::writeVector3d(int code, const AcGeVector3d& vector) {
  return writeItem(DxfItem::makePoint(code, vector.x, vector.y, vector.z, 3));
}

Acad::ErrorStatus AcDbDxfFiler::writeObjectId(int code, const AcDbObjectId& id) {
  return writeItem(DxfItem::makeId(code, id));
}

Acad::ErrorStatus AcDbDxfFiler::writeHandle(int code, const AcDbHandle& handle) {
  return writeItem(DxfItem::makeHandle(code, handle));
}

Acad::ErrorStatus AcDbDxfFiler::writeBinaryChunk(int code, const unsigned char* data, size_t size) {
  return writeItem(DxfItem::makeBinary(code, data, size));
}

Acad::ErrorStatus DxfItemListFiler::readItem(DxfItem& item) {
  if (position_ >= items_.size()) return Acad::eEndOfObject;
  item = items_[position_++];
  if (item.code == 100) subclass_ = item.text;
  return Acad::eOk;
}

Acad::ErrorStatus DxfItemListFiler::pushBackItem() {
  if (position_ == 0) return Acad::eInvalidInput;
  --position_;
  return Acad::eOk;
}

Acad::ErrorStatus DxfItemListFiler::writeItem(const DxfItem& item) {
  items_.push_back(item);
  return Acad::eOk;
}
