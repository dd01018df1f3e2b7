// The group codes an entity kind reads, as a table: each code with the member it fills and how the
// item's value becomes the member's. dxfInItem gives its table to readField instead of a switch
// case per code; codes that need more than an assignment stay in the kind's own code.
//
// Writing has its own helpers here for the fields a file leaves out at their default (zero, a
// normal along Z), which copies (clone, undo) write anyway.
#pragma once
#include <initializer_list>

#include "db/dbfiler.h"
#include "db/dbtag.h"
#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"

namespace entfile {

class Field {
 public:
  // A point, a vector, a real or an integer, as the item gives it (see entfile::pointOf,
  // vectorOf, realOf, intOf).
  static Field point(int code, AcGePoint3d& member) { return {code, &member, &readPoint}; }
  static Field vector(int code, AcGeVector3d& member) { return {code, &member, &readVector}; }
  static Field real(int code, double& member) { return {code, &member, &readReal}; }
  static Field integer(int code, int& member) { return {code, &member, &readInt}; }
  static Field integer(int code, Adesk::Int16& member) { return {code, &member, &readInt16}; }
  // An angle (radians) as filed, or reduced to [0, 2pi).
  static Field angle(int code, double& member) { return {code, &member, &readAngle}; }
  static Field reducedAngle(int code, double& member) { return {code, &member, &readReduced}; }
  // A normal: the unit vector of the item's, the Z axis for a zero vector.
  static Field normal(int code, AcGeVector3d& member) { return {code, &member, &readNormal}; }
  // A unit direction: a zero vector leaves the member as it was.
  static Field direction(int code, AcGeVector3d& member) { return {code, &member, &readDirection}; }

  // The same field that also sets a flag when it is read (a value that must be known to have come
  // from the item, such as a position the reader converts once the whole object is read).
  Field flagging(bool& readFlag) const {
    Field field = *this;
    field.flag_ = &readFlag;
    return field;
  }

  int code() const { return code_; }
  void read(const DxfItem& item) const {
    read_(member_, item);
    if (flag_ != nullptr) *flag_ = true;
  }

 private:
  using Reader = void (*)(void* member, const DxfItem& item);
  Field(int code, void* member, Reader reader) : code_(code), member_(member), read_(reader) {}
  static void readPoint(void* member, const DxfItem& item);
  static void readVector(void* member, const DxfItem& item);
  static void readReal(void* member, const DxfItem& item);
  static void readInt(void* member, const DxfItem& item);
  static void readInt16(void* member, const DxfItem& item);
  static void readAngle(void* member, const DxfItem& item);
  static void readReduced(void* member, const DxfItem& item);
  static void readNormal(void* member, const DxfItem& item);
  static void readDirection(void* member, const DxfItem& item);

  int code_;
  void* member_;  // of the type its reader was made for, by the factories above
  Reader read_;
  bool* flag_ = nullptr;
};

// Reads the item into the member its code stands for. False when the table has no such code (the
// item is then the parent level's).
bool readField(const DxfItem& item, std::initializer_list<Field> table);

// Writes a real that files leave out when it is zero (thickness, widths, elevation, angles).
void writeUnlessZero(AcDbDxfFiler* filer, int code, double value);
// Writes a normal (code 210), which files leave out when it is the Z axis.
void writeNormal(AcDbDxfFiler* filer, const AcGeVector3d& normal);

// Writes the levels of a vertex that is a position and flags (3D polyline and mesh vertices): the
// AcDbVertex marker, the kind's marker, 10 and 70. parentStatus is what writing the parent levels
// returned: after a failure nothing is written and it is returned.
Acad::ErrorStatus writePositionVertex(Acad::ErrorStatus parentStatus, AcDbDxfFiler* filer,
                                      const wchar_t* marker, const AcGePoint3d& position,
                                      int flags);

}  // namespace entfile
