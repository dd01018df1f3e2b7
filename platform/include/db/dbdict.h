// AcDbDictionary: named references to objects, the container of the named-object dictionary,
// extension dictionaries, groups and layouts. Keys are case-insensitive and unique; entries keep
// the order in which they were set. Entries whose object is erased are invisible.
#pragma once
#include <string>
#include <vector>

#include "db/dbobject.h"

class AcDbDictionary;

class AcDbDictionaryIterator {
 public:
  virtual ~AcDbDictionaryIterator();
  AcDbDictionaryIterator(const AcDbDictionaryIterator&) = delete;
  AcDbDictionaryIterator& operator=(const AcDbDictionaryIterator&) = delete;

  // The current entry's key (valid while the iterator lives) and object.
  const ACHAR* name() const;
  AcDbObjectId objectId() const;
  Acad::ErrorStatus getObject(AcDbObject*& object, AcDb::OpenMode mode);
  bool done() const;
  bool next();
  bool setPosition(AcDbObjectId id);

  // Platform: iterator over the entries of a dictionary as they are now.
  explicit AcDbDictionaryIterator(const AcDbDictionary* dictionary);

 private:
  void skipErased();
  std::vector<std::pair<std::wstring, AcDbObjectId>> entries_;
  size_t position_ = 0;
};

class AcDbDictionary : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDictionary);
  AcDbDictionary();
  ~AcDbDictionary() override;

  Acad::ErrorStatus getAt(const ACHAR* key, AcDbObject*& object, AcDb::OpenMode mode) const;
  Acad::ErrorStatus getAt(const ACHAR* key, AcDbObjectId& id) const;
  // The key of an object, a new copy the caller frees with acutDelString.
  Acad::ErrorStatus nameAt(AcDbObjectId id, ACHAR*& key) const;
  bool has(const ACHAR* key) const;
  bool has(AcDbObjectId id) const;
  Adesk::UInt32 numEntries() const;

  // Removes an entry; the object stays in the database, without an owner.
  Acad::ErrorStatus remove(const ACHAR* key);
  Acad::ErrorStatus remove(const ACHAR* key, AcDbObjectId& id);
  Acad::ErrorStatus remove(AcDbObjectId id);
  // Renames an entry; false when the old key is missing or the new one taken or invalid.
  bool setName(const ACHAR* oldKey, const ACHAR* newKey);
  // Sets an entry. A new object is added to the dictionary's database (left open for write for
  // the caller to close); the dictionary becomes its owner. A key "*" alone gives the next free
  // anonymous key "*A1", "*A2"… of this dictionary. An existing entry with that key is replaced
  // and its object erased.
  Acad::ErrorStatus setAt(const ACHAR* key, AcDbObject* value, AcDbObjectId& id);

  // Hard-owned entries (extension dictionaries) are written with 360, others with 350.
  bool isTreatElementsAsHard() const { return hard_; }
  void setTreatElementsAsHard(bool hard);
  AcDb::DuplicateRecordCloning mergeStyle() const { return mergeStyle_; }
  void setMergeStyle(AcDb::DuplicateRecordCloning style);

  // Entries in order, erased objects skipped. The caller deletes the iterator.
  AcDbDictionaryIterator* newIterator() const;

  // Platform bookkeeping: every entry as it stands (erased objects included), and adding one
  // without ownership changes (readers, copies).
  const std::vector<std::pair<std::wstring, AcDbObjectId>>& entries() const { return entries_; }
  void setAtRaw(const std::wstring& key, AcDbObjectId id);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  long find(const std::wstring& key) const;
  long findId(AcDbObjectId id) const;
  std::vector<std::pair<std::wstring, AcDbObjectId>> entries_;
  std::wstring pendingKey_;  // a 3 read, waiting for its 350/360
  AcDb::DuplicateRecordCloning mergeStyle_ = AcDb::kDrcIgnore;
  bool hard_ = false;
};
