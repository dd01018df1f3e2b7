// Block table records: a block definition, the entities it owns, and the references to it.
#include "db/block_internal.h"
#include "db/block_nesting.h"
#include "db/database_state.h"
#include "db/dbblkref.h"
#include "db/dbents.h"
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "db/symbol_util.h"

ACRX_DEFINE_MEMBERS(AcDbBlockTableRecord, AcDbSymbolTableRecord, "BLOCK_RECORD");

bool isLayoutBlockName(const std::wstring& name) {
  std::wstring folded = foldSymbolName(name);
  return folded == L"*MODEL_SPACE" || folded.rfind(L"*PAPER_SPACE", 0) == 0;
}

void createBlockMarkers(AcDbBlockTableRecord* record) {
  AcDbDatabase* db = record->database();
  if (db == nullptr) return;
  auto place = [&](AcDbEntity* marker) {
    AcDbObjectId id;
    if (isLiveId(db->layerZero())) marker->setLayer(db->layerZero());
    if (db->addAcDbObject(id, marker) != Acad::eOk) {
      delete marker;
      return AcDbObjectId();
    }
    marker->setOwnerIdRaw(record->objectId());
    marker->close();
    return id;
  };
  if (!isLiveId(record->blockBeginId())) record->setBlockBeginIdRaw(place(new AcDbBlockBegin()));
  if (!isLiveId(record->blockEndId())) record->setBlockEndIdRaw(place(new AcDbBlockEnd()));
}

AcDbBlockTableRecord::AcDbBlockTableRecord() = default;
AcDbBlockTableRecord::~AcDbBlockTableRecord() = default;

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* entity) {
  AcDbObjectId id;
  return appendAcDbEntity(id, entity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity) {
  id.setNull();
  if (entity == nullptr) return Acad::eNullEntityPointer;
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (entity->isDatabaseResident()) return Acad::eAlreadyInDb;
  // A block may not insert itself, directly or through the blocks it inserts.
  if (auto* reference = AcDbBlockReference::cast(entity);
      reference && insertionIsSelfReference(reference->blockTableRecord(), objectId())) {
    return Acad::eSelfReference;
  }
  // An entity nobody gave properties to takes the drawing's current ones.
  if (entity->layerId().isNull()) entity->setDatabaseDefaults(db);
  Acad::ErrorStatus es = db->addAcDbObject(id, entity);
  if (es != Acad::eOk) return es;
  entity->setOwnerId(objectId());
  entities_.push_back(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& iterator,
                                                    bool atBeginning, bool skipDeleted) const {
  iterator = new AcDbBlockTableRecordIterator(this, atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& origin) {
  return assignMember(origin_, origin);
}

DEFINE_RECORD_TEXT_PROPERTY(AcDbBlockTableRecord, comments, setComments, comments_)

DEFINE_RECORD_TEXT_PROPERTY(AcDbBlockTableRecord, pathName, setPathName, path_)

bool AcDbBlockTableRecord::isAnonymous() const {
  if (isLayoutBlockName(name())) return false;
  return (blockFlags_ & 1) != 0 || (!name().empty() && name()[0] == L'*');
}

bool AcDbBlockTableRecord::isLayout() const {
  return isLayoutBlockName(name()) || isLiveId(layoutId_);
}

bool AcDbBlockTableRecord::hasAttributeDefinitions() const {
  for (const AcDbObjectId& id : entities_) {
    if (isLiveId(id) && peekObject<AcDbAttributeDefinition>(id) != nullptr) return true;
  }
  return false;
}

bool AcDbBlockTableRecord::isFromExternalReference() const { return (blockFlags_ & 4) != 0; }
bool AcDbBlockTableRecord::isFromOverlayReference() const { return (blockFlags_ & 8) != 0; }

namespace {

// References to a definition in the whole database, erased ones or live ones.
void collectReferences(AcDbDatabase* db, AcDbObjectId block, bool erased, AcDbObjectIdArray& ids) {
  for (AcDbStub& stub : db->state().stubs) {
    if (!stub.object || stub.erased != erased) continue;
    auto* reference = AcDbBlockReference::cast(stub.object.get());
    if (reference != nullptr && reference->blockTableRecord() == block) ids.append(AcDbObjectId(&stub));
  }
}

}  // namespace

Acad::ErrorStatus AcDbBlockTableRecord::getBlockReferenceIds(AcDbObjectIdArray& ids, bool directOnly,
                                                             bool) const {
  ids.removeAll();
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  collectReferences(db, objectId(), false, ids);
  if (directOnly) return Acad::eOk;
  // Nested use: references to the definitions that hold a reference to this one, and so on.
  std::vector<AcDbObjectId> visited{objectId()};
  for (int i = 0; i < ids.length(); ++i) {
    auto* reference = peekObject<AcDbEntity>(ids[i]);
    AcDbObjectId holder = reference ? reference->ownerId() : AcDbObjectId();
    auto* holderRecord = peekObject<AcDbBlockTableRecord>(holder);
    if (holderRecord == nullptr || holderRecord->isLayout()) continue;
    bool seen = false;
    for (const AcDbObjectId& v : visited) seen = seen || v == holder;
    if (seen) continue;
    visited.push_back(holder);
    AcDbObjectIdArray more;
    collectReferences(db, holder, false, more);
    ids.append(more);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::getErasedBlockReferenceIds(AcDbObjectIdArray& ids) {
  ids.removeAll();
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  collectReferences(db, objectId(), true, ids);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setLayoutId(AcDbObjectId layout) {
  return assignMember(layoutId_, layout);
}

Acad::ErrorStatus AcDbBlockTableRecord::setBlockInsertUnits(int units) {
  if (units < 0 || units > 20) return Acad::eOutOfRange;
  return assignMember(insertUnits_, units);
}

Acad::ErrorStatus AcDbBlockTableRecord::setExplodable(bool explodable) {
  return assignMember(explodable_, explodable);
}

Adesk::Int16 AcDbBlockTableRecord::blockFlags() const {
  // Anonymity and attribute definitions follow from the record as it is now.
  int flags = blockFlags_ & ~3;
  if (isAnonymous()) flags |= 1;
  if (hasAttributeDefinitions()) flags |= 2;
  return static_cast<Adesk::Int16>(flags);
}

Acad::ErrorStatus AcDbBlockTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbSymbolTableRecord::dxfOutFields(filer);
  filer->writeString(100, L"AcDbBlockTableRecord");
  filer->writeString(2, name());
  filer->writeObjectId(340, isLiveId(layoutId_) ? layoutId_ : AcDbObjectId());
  filer->writeInt16(70, insertUnits_);
  filer->writeInt16(280, explodable_ ? 1 : 0);
  filer->writeInt16(281, uniformScaling_ ? 1 : 0);
  for (const DxfItem& item : otherItems_) filer->writeItem(item);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  otherItems_.clear();
  inReferenceGroup_ = false;
  return AcDbSymbolTableRecord::dxfInFields(filer);
}

bool AcDbBlockTableRecord::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  if (inReferenceGroup_) {
    if (item.code == 102 && item.text == L"}") inReferenceGroup_ = false;
    return true;
  }
  switch (item.code) {
    case 102:
      if (item.text == L"{BLKREFS") {
        inReferenceGroup_ = true;
        return true;
      }
      break;
    case 340: layoutId_ = item.id; return true;
    case 70: insertUnits_ = static_cast<int>(item.integer); return true;  // not the flags here
    case 280: explodable_ = item.integer != 0; return true;
    case 281: uniformScaling_ = item.integer != 0; return true;
    default: break;
  }
  if (AcDbSymbolTableRecord::dxfInItem(filer, item)) return true;
  otherItems_.push_back(item);
  return true;
}
