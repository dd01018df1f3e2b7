// Symbol tables: records by name, in order, and their iterators.
#include <cwctype>
#include <unordered_map>

#include "db/block_internal.h"
#include "db/database_state.h"
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "db/symbol_util.h"

ACRX_DEFINE_ABSTRACT_MEMBERS(AcDbSymbolTable, AcDbObject);
ACRX_DEFINE_MEMBERS(AcDbBlockTable, AcDbSymbolTable, "");
ACRX_DEFINE_MEMBERS(AcDbLayerTable, AcDbSymbolTable, "");
ACRX_DEFINE_MEMBERS(AcDbTextStyleTable, AcDbSymbolTable, "");
ACRX_DEFINE_MEMBERS(AcDbLinetypeTable, AcDbSymbolTable, "");
ACRX_DEFINE_MEMBERS(AcDbRegAppTable, AcDbSymbolTable, "");
ACRX_DEFINE_MEMBERS(AcDbViewportTable, AcDbSymbolTable, "");
ACRX_DEFINE_MEMBERS(AcDbViewTable, AcDbSymbolTable, "");
ACRX_DEFINE_MEMBERS(AcDbUCSTable, AcDbSymbolTable, "");
ACRX_DEFINE_MEMBERS(AcDbDimStyleTable, AcDbSymbolTable, "");

AcDbSymbolTable::AcDbSymbolTable() = default;
AcDbSymbolTable::~AcDbSymbolTable() = default;

struct AcDbSymbolTable::NameIndex {
  std::unordered_map<std::wstring, std::vector<AcDbObjectId>> byName;
  unsigned long long changes = 0;
  unsigned long long renames = 0;
};

const AcDbSymbolTable::NameIndex& AcDbSymbolTable::nameIndex() const {
  if (index_ && index_->changes == changes_ && index_->renames == symbolRenameCount()) return *index_;
  if (!index_) index_ = std::make_unique<NameIndex>();
  index_->byName.clear();
  for (const AcDbObjectId& recordId : records_) {
    if (auto* record = peekObject<AcDbSymbolTableRecord>(recordId)) {
      index_->byName[foldSymbolName(record->name())].push_back(recordId);
    }
  }
  index_->changes = changes_;
  index_->renames = symbolRenameCount();
  return *index_;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbObjectId& id,
                                         bool getErasedRecord) const {
  id.setNull();
  if (name == nullptr) return Acad::eInvalidInput;
  const NameIndex& index = nameIndex();
  auto found = index.byName.find(foldSymbolName(name));
  if (found == index.byName.end()) return Acad::eKeyNotFound;
  AcDbObjectId erasedMatch;
  for (const AcDbObjectId& recordId : found->second) {
    if (!recordId.isErased()) {
      id = recordId;
      return Acad::eOk;
    }
    if (getErasedRecord && erasedMatch.isNull()) erasedMatch = recordId;
  }
  id = erasedMatch;
  return id.isNull() ? Acad::eKeyNotFound : Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbSymbolTableRecord*& record,
                                         AcDb::OpenMode mode, bool openErasedRecord) const {
  record = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getAt(name, id, openErasedRecord);
  return es == Acad::eOk ? acdbOpenObject(record, id, mode, openErasedRecord) : es;
}

bool AcDbSymbolTable::has(const ACHAR* name) const {
  AcDbObjectId id;
  return getAt(name, id) == Acad::eOk;
}

bool AcDbSymbolTable::has(AcDbObjectId id) const {
  if (id.isNull() || id.isErased()) return false;
  for (const AcDbObjectId& recordId : records_) {
    if (recordId == id) return true;
  }
  return false;
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* record) { return addRecord(nullptr, record); }

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& id, AcDbSymbolTableRecord* record) {
  return addRecord(&id, record);
}

namespace {

// "*U" (or "*D", "*X"… and "*A" for arrays): the host numbers anonymous blocks itself.
bool isAnonymousRequest(const std::wstring& name) {
  return name.size() == 2 && name[0] == L'*' && std::iswalpha(name[1]);
}

}  // namespace

Acad::ErrorStatus AcDbSymbolTable::addRecord(AcDbObjectId* idOut, AcDbSymbolTableRecord* record) {
  if (idOut != nullptr) idOut->setNull();
  if (record == nullptr) return Acad::eNullObjectPointer;
  if (!isDatabaseResident()) return Acad::eNoDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (record->isDatabaseResident()) return Acad::eAlreadyInDb;
  if (!record->isKindOf(recordClass())) return Acad::eWrongObjectType;

  std::wstring name = record->name();
  if (isAnonymousRequest(name) && isKindOf(AcDbBlockTable::desc())) {
    std::wstring prefix = foldSymbolName(name);
    for (int n = 1;; ++n) {
      std::wstring candidate = prefix + std::to_wstring(n);
      if (!has(candidate.c_str())) {
        name = candidate;
        break;
      }
    }
    record->setNameRaw(name);
  }
  if (!isValidSymbolName(name) && !(name.size() > 1 && name[0] == L'*')) {
    return Acad::eInvalidSymbolTableName;
  }
  if (has(name.c_str())) return Acad::eDuplicateRecordName;

  AcDbObjectId id;
  Acad::ErrorStatus es = database()->addAcDbObject(id, record);
  if (es != Acad::eOk) return es;
  record->setOwnerIdRaw(objectId());
  records_.push_back(id);
  ++changes_;
  if (auto* block = AcDbBlockTableRecord::cast(record)) createBlockMarkers(block);
  if (idOut != nullptr) *idOut = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning,
                                               bool skipDeleted) const {
  iterator = new AcDbSymbolTableIterator(this, atBeginning, skipDeleted);
  return Acad::eOk;
}

void AcDbSymbolTable::appendRecordIdRaw(AcDbObjectId id) {
  for (const AcDbObjectId& existing : records_) {
    if (existing == id) return;
  }
  records_.push_back(id);
  ++changes_;
}

void AcDbSymbolTable::removeRecordIdRaw(AcDbObjectId id) {
  for (auto it = records_.begin(); it != records_.end(); ++it) {
    if (*it == id) {
      records_.erase(it);
      ++changes_;
      return;
    }
  }
}

AcDbSymbolTable* AcDbSymbolTable::createForRecordType(const char* recordDxfName) {
  const std::string type = recordDxfName ? recordDxfName : "";
  if (type == "BLOCK_RECORD") return new AcDbBlockTable();
  if (type == "LAYER") return new AcDbLayerTable();
  if (type == "STYLE") return new AcDbTextStyleTable();
  if (type == "LTYPE") return new AcDbLinetypeTable();
  if (type == "APPID") return new AcDbRegAppTable();
  if (type == "VPORT") return new AcDbViewportTable();
  if (type == "VIEW") return new AcDbViewTable();
  if (type == "UCS") return new AcDbUCSTable();
  if (type == "DIMSTYLE") return new AcDbDimStyleTable();
  return nullptr;
}

Acad::ErrorStatus AcDbSymbolTable::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbObject::dxfOutFields(filer);
  filer->writeString(100, L"AcDbSymbolTable");
  int count = 0;
  for (const AcDbObjectId& id : records_) {
    if (isLiveId(id)) ++count;
  }
  filer->writeInt16(70, count);
  return Acad::eOk;
}

bool AcDbSymbolTable::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  // The count (70) and the DIMSTYLE table's own list (71, 340) follow from the records.
  if (item.code == 70 || item.code == 71 || item.code == 340) return true;
  return AcDbObject::dxfInItem(filer, item);
}

Acad::ErrorStatus AcDbDimStyleTable::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbSymbolTable::dxfOutFields(filer);
  filer->writeString(100, L"AcDbDimStyleTable");
  return Acad::eOk;
}

// Iterators.

namespace {

bool skippable(AcDbObjectId id, bool skipDeleted) {
  AcDbStub* stub = id.stub();
  if (stub == nullptr || !stub->object) return true;
  return skipDeleted && stub->erased;
}

}  // namespace

AcDbSymbolTableIterator::AcDbSymbolTableIterator(const AcDbSymbolTable* table, bool atBeginning,
                                                 bool skipDeleted)
    : ids_(table->recordIds()) {
  start(atBeginning, skipDeleted);
}

AcDbSymbolTableIterator::~AcDbSymbolTableIterator() = default;

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted) {
  position_ = atBeginning ? 0 : static_cast<long>(ids_.size()) - 1;
  skip(atBeginning, skipDeleted);
}

bool AcDbSymbolTableIterator::done() const {
  return position_ < 0 || position_ >= static_cast<long>(ids_.size());
}

void AcDbSymbolTableIterator::step(bool forward, bool skipDeleted) {
  if (done()) return;
  position_ += forward ? 1 : -1;
  skip(forward, skipDeleted);
}

void AcDbSymbolTableIterator::skip(bool forward, bool skipDeleted) {
  while (!done() && skippable(ids_[static_cast<size_t>(position_)], skipDeleted)) {
    position_ += forward ? 1 : -1;
  }
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const {
  if (done()) {
    id.setNull();
    return Acad::eIteratorDone;
  }
  id = ids_[static_cast<size_t>(position_)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecord(AcDbSymbolTableRecord*& record,
                                                     AcDb::OpenMode mode, bool openErased) const {
  record = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getRecordId(id);
  return es == Acad::eOk ? acdbOpenObject(record, id, mode, openErased) : es;
}

Acad::ErrorStatus AcDbSymbolTableIterator::seek(AcDbObjectId id) {
  for (size_t i = 0; i < ids_.size(); ++i) {
    if (ids_[i] == id) {
      position_ = static_cast<long>(i);
      return Acad::eOk;
    }
  }
  return Acad::eInvalidInput;
}

AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(const AcDbBlockTableRecord* record,
                                                           bool atBeginning, bool skipDeleted)
    : record_(record->objectId()), ids_(record->entityIds()) {
  start(atBeginning, skipDeleted);
}

AcDbBlockTableRecordIterator::~AcDbBlockTableRecordIterator() = default;

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted) {
  position_ = atBeginning ? 0 : static_cast<long>(ids_.size()) - 1;
  skip(atBeginning, skipDeleted);
}

bool AcDbBlockTableRecordIterator::done() const {
  return position_ < 0 || position_ >= static_cast<long>(ids_.size());
}

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted) {
  if (done()) return;
  position_ += forward ? 1 : -1;
  skip(forward, skipDeleted);
}

void AcDbBlockTableRecordIterator::skip(bool forward, bool skipDeleted) {
  while (!done() && skippable(ids_[static_cast<size_t>(position_)], skipDeleted)) {
    position_ += forward ? 1 : -1;
  }
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& id) const {
  if (done()) {
    id.setNull();
    return Acad::eIteratorDone;
  }
  id = ids_[static_cast<size_t>(position_)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                                          bool openErased) const {
  entity = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getEntityId(id);
  return es == Acad::eOk ? acdbOpenObject(entity, id, mode, openErased) : es;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::seek(AcDbObjectId id) {
  for (size_t i = 0; i < ids_.size(); ++i) {
    if (ids_[i] == id) {
      position_ = static_cast<long>(i);
      return Acad::eOk;
    }
  }
  return Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::seek(const AcDbEntity* entity) {
  return entity ? seek(entity->objectId()) : Acad::eNullEntityPointer;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::blockTableRecord(AcDbBlockTableRecord*& record,
                                                                 AcDb::OpenMode mode,
                                                                 bool openErased) const {
  return acdbOpenObject(record, record_, mode, openErased);
}
