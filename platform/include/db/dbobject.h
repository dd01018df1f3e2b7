// AcDbObject: the base of every object a drawing database holds. It carries the object's identity,
// its owner, its open state, its extension dictionary, its persistent reactors and its extended
// data, and writes and reads its own group codes.
#pragma once
#include <vector>

#include "db/acadstrc.h"
#include "db/acdb.h"
#include "db/adsdef.h"
#include "db/dbid.h"
#include "db/dbtag.h"
#include "rx/rxobject.h"

class AcDbDxfFiler;

class AcDbObject : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbObject);
  AcDbObject();
  ~AcDbObject() override;
  AcDbObject(const AcDbObject&) = delete;
  AcDbObject& operator=(const AcDbObject&) = delete;

  // Identity and ownership.
  AcDbObjectId objectId() const;
  AcDbObjectId ownerId() const { return ownerId_; }
  virtual Acad::ErrorStatus setOwnerId(AcDbObjectId owner);
  void getAcDbHandle(AcDbHandle& handle) const;
  AcDbHandle objectHandle() const;
  AcDbDatabase* database() const;
  bool isDatabaseResident() const { return stub_ != nullptr; }

  // Open state.
  Acad::ErrorStatus close();
  Acad::ErrorStatus cancel() { return close(); }
  Acad::ErrorStatus upgradeOpen();
  Acad::ErrorStatus downgradeOpen();
  bool isReadEnabled() const;
  bool isWriteEnabled() const;
  bool isNotifyEnabled() const { return false; }
  bool isErased() const;
  bool isNewObject() const { return stub_ == nullptr; }
  // Setters call this; a change to a database object that is not open for write is a defect of the
  // caller and is reported on standard error (the host would stop on an assertion).
  void assertWriteEnabled() const;
  void assertReadEnabled() const {}

  virtual Acad::ErrorStatus erase(bool erasing = true);

  // Extension dictionary.
  AcDbObjectId extensionDictionary() const { return extensionDictionary_; }
  Acad::ErrorStatus createExtensionDictionary();
  Acad::ErrorStatus releaseExtensionDictionary();

  // Persistent reactors (object ids only).
  void addPersistentReactor(AcDbObjectId id);
  Acad::ErrorStatus removePersistentReactor(AcDbObjectId id);
  const std::vector<AcDbObjectId>& persistentReactorIds() const { return reactors_; }

  // Extended data. xData returns a new chain (1001 name, then its items) for one application, or for
  // all of them when regappName is null; the caller releases it with acutRelRb. setXData replaces
  // the data of each application named in the chain; an application with no items is removed.
  // Each application must be registered in the database first (eRegappIdNotFound otherwise).
  resbuf* xData(const ACHAR* regappName = nullptr) const;
  Acad::ErrorStatus setXData(const resbuf* chain);
  const DxfItemList& xDataItems() const { return xdata_; }
  // Replaces all extended data with items read from a file (1001 groups and their items).
  void setXDataItems(DxfItemList items) { xdata_ = std::move(items); }

  // Serialisation. dxfOutFields writes everything from the handle to the last subclass item,
  // extended data excepted; dxfInFields reads the same, and extended data when present.
  virtual Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const;
  virtual Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer);
  // Type name in drawing files.
  const char* dxfName() const { return isA()->dxfName(); }

  // Copies the state of another object of the same class through the filer (used by deepClone and
  // the undo journal): everything but identity and ownership.
  Acad::ErrorStatus copyFrom(const AcRxObject* other);

  // Platform bookkeeping, not part of the host's interface.
  AcDbStub* stub() const { return stub_; }
  void attachStub(AcDbStub* stub) { stub_ = stub; }
  void setOwnerIdRaw(AcDbObjectId owner) { ownerId_ = owner; }
  void setExtensionDictionaryRaw(AcDbObjectId id) { extensionDictionary_ = id; }
  int readerCount() const { return readers_; }
  bool hasWriter() const { return writer_; }
  void beginOpen(AcDb::OpenMode mode);

 protected:
  // Reads one item of this class's own data. Returns false when the item belongs to none of the
  // class's levels (then it is skipped). Classes chain to their parent's dxfInItem.
  virtual bool dxfInItem(AcDbDxfFiler* filer, const DxfItem& item);
  // What a plain setter does: the object must be open for write (see assertWriteEnabled), then the
  // member takes the value.
  template <class T, class V>
  Acad::ErrorStatus assignMember(T& member, const V& value) {
    assertWriteEnabled();
    member = value;
    return Acad::eOk;
  }

 private:
  AcDbStub* stub_ = nullptr;
  AcDbObjectId ownerId_;
  AcDbObjectId extensionDictionary_;
  std::vector<AcDbObjectId> reactors_;
  DxfItemList xdata_;
  unsigned short readers_ = 0;
  bool writer_ = false;
};

// Declaration macros for the overrides that many classes declare alike, so that a class shows only
// what is its own. ACDB_DECLARE_FILING() stands last in a public section: it declares dxfOutFields
// there, then opens the protected section with dxfInItem (which dxfInFields calls for each item).
// A class that also overrides dxfInFields declares it before the macro.
#define ACDB_DECLARE_FILING()                                         \
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override; \
                                                                      \
 protected:                                                           \
  bool dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) override

// Opens an object by id. kForRead succeeds unless the object is open for write
// (eWasOpenedForWrite); kForWrite needs no other opening at all (eWasOpenedForRead /
// eWasOpenedForWrite). Erased objects give eWasErased unless openErased.
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased = false);

template <class T>
Acad::ErrorStatus acdbOpenObject(T*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false) {
  object = nullptr;
  AcDbObject* opened = nullptr;
  Acad::ErrorStatus es = acdbOpenAcDbObject(opened, id, mode, openErased);
  if (es != Acad::eOk) return es;
  object = T::cast(opened);
  if (object == nullptr) {
    opened->close();
    return Acad::eNotThatKindOfClass;
  }
  return Acad::eOk;
}

// Entity names of the LISP and C interfaces.
Acad::ErrorStatus acdbGetAdsName(ads_name name, AcDbObjectId id);
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name);
