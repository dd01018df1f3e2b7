// AcDbObjectId: the session identity of a database object. It designates the object's slot in its
// database, which exists before the object is loaded and after it is erased.
#pragma once
#include <functional>

#include "acarray.h"
#include "adesk.h"
#include "db/dbhandle.h"

class AcDbDatabase;
class AcDbStub;
class AcRxClass;

class AcDbObjectId {
 public:
  AcDbObjectId() = default;
  explicit AcDbObjectId(AcDbStub* stub) : stub_(stub) {}
  static const AcDbObjectId kNull;

  bool isNull() const { return stub_ == nullptr; }
  void setNull() { stub_ = nullptr; }
  // Not null, and its object exists (loaded, erased or not).
  bool isValid() const;
  bool isErased() const;
  bool isEffectivelyErased() const { return isErased(); }
  AcDbDatabase* database() const;
  AcDbDatabase* originalDatabase() const { return database(); }
  AcDbHandle handle() const;
  AcRxClass* objectClass() const;

  Adesk::IntDbId asOldId() const { return reinterpret_cast<Adesk::IntDbId>(stub_); }
  AcDbObjectId& setFromOldId(Adesk::IntDbId oldId) {
    stub_ = reinterpret_cast<AcDbStub*>(oldId);
    return *this;
  }
  AcDbStub* stub() const { return stub_; }

  bool operator==(const AcDbObjectId& other) const { return stub_ == other.stub_; }
  bool operator!=(const AcDbObjectId& other) const { return stub_ != other.stub_; }
  bool operator<(const AcDbObjectId& other) const { return stub_ < other.stub_; }
  bool operator>(const AcDbObjectId& other) const { return stub_ > other.stub_; }
  bool operator!() const { return isNull(); }

 private:
  AcDbStub* stub_ = nullptr;
};

typedef AcDbObjectId AcDbHardOwnershipId;
typedef AcDbObjectId AcDbSoftOwnershipId;
typedef AcDbObjectId AcDbHardPointerId;
typedef AcDbObjectId AcDbSoftPointerId;
typedef AcArray<AcDbObjectId> AcDbObjectIdArray;

template <>
struct std::hash<AcDbObjectId> {
  size_t operator()(const AcDbObjectId& id) const noexcept {
    return std::hash<const void*>()(id.stub());
  }
};
