// Dictionaries: keyed entries in the order they were set, lookups without case, erased objects
// invisible.
#include "db/enum_items.h"
#include "db/change_notices.h"
#include "db/dbdict.h"
#include "db/dbfiler.h"
#include "db/symbol_util.h"

ACRX_DEFINE_MEMBERS(AcDbDictionary, AcDbObject, "DICTIONARY");

AcDbDictionary::AcDbDictionary() = default;
AcDbDictionary::~AcDbDictionary() = default;

long AcDbDictionary::find(const std::wstring& key) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (isLiveId(entries_[i].second) && sameSymbolName(entries_[i].first, key)) {
      return static_cast<long>(i);
    }
  }
  return -1;
}

long AcDbDictionary::findId(AcDbObjectId id) const {
  if (id.isNull()) return -1;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].second == id) return static_cast<long>(i);
  }
  return -1;
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* key, AcDbObject*& object,
                                        AcDb::OpenMode mode) const {
  object = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getAt(key, id);
  return es == Acad::eOk ? acdbOpenAcDbObject(object, id, mode) : es;
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* key, AcDbObjectId& id) const {
  id.setNull();
  if (key == nullptr) return Acad::eInvalidKey;
  long index = find(key);
  if (index < 0) return Acad::eKeyNotFound;
  id = entries_[static_cast<size_t>(index)].second;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId id, ACHAR*& key) const {
  key = nullptr;
  long index = findId(id);
  if (index < 0 || !isLiveId(id)) return Acad::eKeyNotFound;
  key = newHostString(entries_[static_cast<size_t>(index)].first);
  return Acad::eOk;
}

bool AcDbDictionary::has(const ACHAR* key) const { return key != nullptr && find(key) >= 0; }

bool AcDbDictionary::has(AcDbObjectId id) const { return isLiveId(id) && findId(id) >= 0; }

Adesk::UInt32 AcDbDictionary::numEntries() const {
  Adesk::UInt32 count = 0;
  for (const auto& entry : entries_) {
    if (isLiveId(entry.second)) ++count;
  }
  return count;
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key) {
  AcDbObjectId id;
  return remove(key, id);
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key, AcDbObjectId& id) {
  id.setNull();
  if (key == nullptr) return Acad::eInvalidKey;
  long index = find(key);
  if (index < 0) return Acad::eKeyNotFound;
  id = entries_[static_cast<size_t>(index)].second;
  return remove(id);
}

Acad::ErrorStatus AcDbDictionary::remove(AcDbObjectId id) {
  long index = findId(id);
  if (index < 0) return Acad::eKeyNotFound;
  assertWriteEnabled();
  entries_.erase(entries_.begin() + index);
  // The object stays in the database, no longer owned nor watched by this dictionary.
  if (AcDbObject* object = peekObject<AcDbObject>(id)) {
    if (object->ownerId() == objectId()) object->setOwnerIdRaw(AcDbObjectId());
    object->removePersistentReactor(objectId());
  }
  return Acad::eOk;
}

bool AcDbDictionary::setName(const ACHAR* oldKey, const ACHAR* newKey) {
  if (oldKey == nullptr || newKey == nullptr || *newKey == 0) return false;
  long index = find(oldKey);
  if (index < 0) return false;
  long clash = find(newKey);
  if (clash >= 0 && clash != index) return false;
  assertWriteEnabled();
  entries_[static_cast<size_t>(index)].first = newKey;
  return true;
}

Acad::ErrorStatus AcDbDictionary::setAt(const ACHAR* key, AcDbObject* value, AcDbObjectId& id) {
  id.setNull();
  if (value == nullptr) return Acad::eNullObjectPointer;
  if (key == nullptr || *key == 0) return Acad::eInvalidKey;
  AcDbDatabase* db = database();
  if (!value->isDatabaseResident() && db == nullptr) return Acad::eNoDatabase;
  if (value->isDatabaseResident() && db != nullptr && value->database() != db) {
    return Acad::eWrongDatabase;
  }
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;

  std::wstring name(key);
  if (name == L"*") {
    // Anonymous entries are numbered beyond every "*A<n>" key the dictionary holds.
    long highest = 0;
    for (const auto& entry : entries_) {
      const std::wstring folded = foldSymbolName(entry.first);
      if (folded.size() > 2 && folded.compare(0, 2, L"*A") == 0) {
        try {
          highest = std::max(highest, std::stol(folded.substr(2)));
        } catch (...) {
        }
      }
    }
    name = L"*A" + std::to_wstring(highest + 1);
  }

  if (!value->isDatabaseResident()) {
    Acad::ErrorStatus es = db->addAcDbObject(id, value);
    if (es != Acad::eOk) return es;
  } else {
    id = value->objectId();
  }

  long existing = find(name);
  if (existing >= 0) {
    AcDbObjectId previous = entries_[static_cast<size_t>(existing)].second;
    if (previous != id) {
      // The replaced object goes, as the host erases what a dictionary owned under that key.
      AcDbStub* stub = previous.stub();
      if (stub != nullptr && stub->object && stub->object->ownerId() == objectId()) setErasedFlag(stub, true);
    }
    entries_[static_cast<size_t>(existing)].second = id;
  } else {
    // An erased entry of the same key, or the same object under another key, gives way.
    const std::wstring folded = foldSymbolName(name);
    for (size_t i = 0; i < entries_.size();) {
      bool stale = !isLiveId(entries_[i].second) && foldSymbolName(entries_[i].first) == folded;
      if (stale || entries_[i].second == id) {
        entries_.erase(entries_.begin() + static_cast<long>(i));
      } else {
        ++i;
      }
    }
    entries_.emplace_back(name, id);
  }
  value->setOwnerIdRaw(objectId());
  value->addPersistentReactor(objectId());
  return Acad::eOk;
}

void AcDbDictionary::setTreatElementsAsHard(bool hard) {
  assertWriteEnabled();
  hard_ = hard;
}

void AcDbDictionary::setMergeStyle(AcDb::DuplicateRecordCloning style) {
  assertWriteEnabled();
  mergeStyle_ = style;
}

AcDbDictionaryIterator* AcDbDictionary::newIterator() const { return new AcDbDictionaryIterator(this); }

void AcDbDictionary::setAtRaw(const std::wstring& key, AcDbObjectId id) {
  for (auto& entry : entries_) {
    if (sameSymbolName(entry.first, key)) {
      entry.second = id;
      return;
    }
  }
  entries_.emplace_back(key, id);
}

Acad::ErrorStatus AcDbDictionary::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbObject::dxfOutFields(filer);
  filer->writeString(100, L"AcDbDictionary");
  if (hard_) filer->writeInt16(280, 1);
  filer->writeInt16(281, mergeStyle_);
  const int entryCode = hard_ ? 360 : 350;
  for (const auto& entry : entries_) {
    if (!isLiveId(entry.second)) continue;
    filer->writeString(3, entry.first);
    filer->writeObjectId(entryCode, entry.second);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::dxfInFields(AcDbDxfFiler* filer) {
  entries_.clear();
  pendingKey_.clear();
  return AcDbObject::dxfInFields(filer);
}

bool AcDbDictionary::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 280: hard_ = item.integer != 0; return true;
    case 281: mergeStyle_ = mergeStyleFromItem(item.integer); return true;
    case 3: pendingKey_ = item.text; return true;
    case 350:
    case 360:
      // Files written by the host use 360 in some dictionaries whatever 280 says.
      if (!item.id.isNull()) entries_.emplace_back(pendingKey_, item.id);
      pendingKey_.clear();
      return true;
    default: return AcDbObject::dxfInItem(filer, item);
  }
}

// Iterator.

AcDbDictionaryIterator::AcDbDictionaryIterator(const AcDbDictionary* dictionary) {
  for (const auto& entry : dictionary->entries()) {
    if (isLiveId(entry.second)) entries_.push_back(entry);
  }
}

AcDbDictionaryIterator::~AcDbDictionaryIterator() = default;

const ACHAR* AcDbDictionaryIterator::name() const {
  return done() ? L"" : entries_[position_].first.c_str();
}

AcDbObjectId AcDbDictionaryIterator::objectId() const {
  return done() ? AcDbObjectId() : entries_[position_].second;
}

Acad::ErrorStatus AcDbDictionaryIterator::getObject(AcDbObject*& object, AcDb::OpenMode mode) {
  object = nullptr;
  if (done()) return Acad::eIteratorDone;
  return acdbOpenAcDbObject(object, objectId(), mode);
}

bool AcDbDictionaryIterator::done() const { return position_ >= entries_.size(); }

bool AcDbDictionaryIterator::next() {
  if (!done()) ++position_;
  skipErased();
  return !done();
}

bool AcDbDictionaryIterator::setPosition(AcDbObjectId id) {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].second == id) {
      position_ = i;
      return true;
    }
  }
  return false;
}

// Objects erased while the iterator lives are passed over too.
void AcDbDictionaryIterator::skipErased() {
  while (!done() && !isLiveId(entries_[position_].second)) ++position_;
}
