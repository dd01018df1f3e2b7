#include "db/dbtag.h"

#include <cstring>

DxfKind dxfKindOfCode(int code) {
  // Coordinates are one point item under their x code; a lone y or z code reads as a real.
  if (dxfIsPointCode(code)) return DxfKind::kPoint;
  if (code < 0) return DxfKind::kString;
  if (code == 5 || code == 105) return DxfKind::kHandle;
  if (code <= 9) return DxfKind::kString;
  if (code <= 59) return DxfKind::kReal;
  if (code <= 99) return DxfKind::kInt;
  if (code <= 109) return DxfKind::kString;
  if (code <= 159) return DxfKind::kReal;
  if (code <= 179) return DxfKind::kInt;
  if (code <= 239) return DxfKind::kReal;
  if (code <= 289) return DxfKind::kInt;
  if (code <= 299) return DxfKind::kBool;
  if (code <= 309) return DxfKind::kString;
  if (code <= 319) return DxfKind::kBinary;
  if (code <= 329) return DxfKind::kHandle;
  if (code <= 369) return DxfKind::kId;
  if (code <= 389) return DxfKind::kInt;
  if (code <= 399) return DxfKind::kId;
  if (code <= 409) return DxfKind::kInt;
  if (code <= 419) return DxfKind::kString;
  if (code <= 429) return DxfKind::kInt;
  if (code <= 439) return DxfKind::kString;
  if (code <= 459) return DxfKind::kInt;
  if (code <= 469) return DxfKind::kReal;
  if (code <= 479) return DxfKind::kString;
  if (code <= 481) return DxfKind::kId;
  if (code <= 1003) return DxfKind::kString;
  if (code == 1004) return DxfKind::kBinary;
  if (code == 1005) return DxfKind::kHandle;
  if (code <= 1009) return DxfKind::kString;
  if (code <= 1059) return DxfKind::kReal;
  if (code <= 1071) return DxfKind::kInt;
  return DxfKind::kString;
}

bool dxfIsPointCode(int code) {
  return (code >= 10 && code <= 18) || (code >= 110 && code <= 112) || code == 210 ||
         (code >= 1010 && code <= 1013);
}

DxfItem DxfItem::makeString(int code, const std::wstring& text) {
  DxfItem item;
  item.code = code;
  item.kind = DxfKind::kString;
  item.text = text;
  return item;
}

DxfItem DxfItem::makeReal(int code, double value) {
  DxfItem item;
  item.code = code;
  item.kind = DxfKind::kReal;
  item.real = value;
  return item;
}

DxfItem DxfItem::makeInt(int code, Adesk::Int64 value) {
  DxfItem item;
  item.code = code;
  item.kind = DxfKind::kInt;
  item.integer = value;
  return item;
}

DxfItem DxfItem::makeBool(int code, bool value) {
  DxfItem item;
  item.code = code;
  item.kind = DxfKind::kBool;
  item.integer = value ? 1 : 0;
  return item;
}

DxfItem DxfItem::makePoint(int code, double x, double y, double z, int dim) {
  DxfItem item;
  item.code = code;
  item.kind = DxfKind::kPoint;
  item.point[0] = x;
  item.point[1] = y;
  item.point[2] = z;
  item.dim = static_cast<unsigned char>(dim == 2 ? 2 : 3);
  return item;
}

DxfItem DxfItem::makeId(int code, AcDbObjectId id) {
  DxfItem item;
  item.code = code;
  item.kind = DxfKind::kId;
  item.id = id;
  return item;
}

DxfItem DxfItem::makeHandle(int code, AcDbHandle handle) {
  DxfItem item;
  item.code = code;
  item.kind = DxfKind::kHandle;
  item.integer = static_cast<Adesk::Int64>(handle.value());
  return item;
}

DxfItem DxfItem::makeBinary(int code, const unsigned char* data, size_t size) {
  DxfItem item;
  item.code = code;
  item.kind = DxfKind::kBinary;
  item.bytes.assign(data, data + size);
  return item;
}

bool DxfItem::operator==(const DxfItem& other) const {
  if (code != other.code || kind != other.kind) return false;
  switch (kind) {
    case DxfKind::kString: return text == other.text;
    case DxfKind::kReal: return real == other.real;
    case DxfKind::kInt:
    case DxfKind::kBool:
    case DxfKind::kHandle: return integer == other.integer;
    case DxfKind::kPoint:
      return dim == other.dim && std::memcmp(point, other.point, sizeof point) == 0;
    case DxfKind::kId: return id == other.id;
    case DxfKind::kBinary: return bytes == other.bytes;
  }
  return false;
}
