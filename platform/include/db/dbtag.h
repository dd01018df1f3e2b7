// DxfItem: one group-code item, the unit in which every object writes and reads itself (drawing
// files, extended data, extension records, and the group-code lists of the LISP interface).
#pragma once
#include <string>
#include <vector>

#include "adesk.h"
#include "db/dbid.h"

enum class DxfKind : unsigned char {
  kString,   // text (0-9, 100-102, 300-309, 410-419, 430-439, 470-479, 999, 1000-1003)
  kReal,     // 38-59, 110-149 with no coordinates, 460-469, 1040-1042
  kInt,      // 60-99, 160-179, 270-289, 370-389, 400-409, 420-429, 440-459, 1060-1071
  kBool,     // 290-299
  kPoint,    // 10-18, 110-112, 210, 1010-1013 (x, y and z merged into one item)
  kHandle,   // 5, 105, 320-329, 1005: a handle kept as a handle
  kId,       // 330-369, 390-399, 480-481: a reference to another object
  kBinary,   // 310-319, 1004
};

// The kind of value a group code carries, by the ranges of the drawing exchange format.
DxfKind dxfKindOfCode(int code);
// True for the codes that begin a coordinate (10-18, 110-112, 210, 1010-1013).
bool dxfIsPointCode(int code);

struct DxfItem {
  int code = 0;
  DxfKind kind = DxfKind::kString;
  unsigned char dim = 3;  // points: 2 or 3 coordinates given
  double real = 0.0;
  Adesk::Int64 integer = 0;  // kInt, kBool, kHandle (the handle's value)
  double point[3] = {0.0, 0.0, 0.0};
  AcDbObjectId id;
  std::wstring text;
  std::vector<unsigned char> bytes;

  static DxfItem makeString(int code, const std::wstring& text);
  static DxfItem makeReal(int code, double value);
  static DxfItem makeInt(int code, Adesk::Int64 value);
  static DxfItem makeBool(int code, bool value);
  static DxfItem makePoint(int code, double x, double y, double z, int dim = 3);
  static DxfItem makeId(int code, AcDbObjectId id);
  static DxfItem makeHandle(int code, AcDbHandle handle);
  static DxfItem makeBinary(int code, const unsigned char* data, size_t size);

  AcDbHandle handle() const { return AcDbHandle(static_cast<Adesk::UInt64>(integer)); }
  bool operator==(const DxfItem& other) const;
};

typedef std::vector<DxfItem> DxfItemList;
