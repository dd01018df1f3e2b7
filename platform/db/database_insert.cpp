// Inserting another drawing as a block definition: a deep copy of the source's model space into a
// block of this database, with the symbol records and nested blocks it uses. References are
// remapped through a source-to-destination id map; records this database already has by name keep
// their definitions here (the host's rule for merging).
#include <unordered_map>

#include "db/block_internal.h"
#include "db/database_state.h"
#include "db/dbblkref.h"
#include "db/dbdict.h"
#include "db/dbfiler.h"
#include "db/dbproxy.h"
#include "db/dbsymtb.h"
#include "db/dbxrecord.h"
#include "db/symbol_lookup.h"
#include "db/symbol_util.h"

namespace {

class Inserter {
 public:
  Inserter(AcDbDatabase* target, AcDbDatabase* source) : target_(target), source_(source) {}

  // Copies the source's model space entities into the record, in order.
  void copyModelSpace(AcDbBlockTableRecord* record) {
    map_[source_->modelSpaceId()] = record->objectId();
    map_[source_->namedObjectsDictionaryId()] = target_->namedObjectsDictionaryId();
    map_[source_->groupDictionaryId()] = target_->groupDictionaryId();
    const TableSlot slots[] = {
        {source_->blockTableId(), target_->blockTableId()},
        {source_->layerTableId(), target_->layerTableId()},
        {source_->textStyleTableId(), target_->textStyleTableId()},
        {source_->linetypeTableId(), target_->linetypeTableId()},
        {source_->regAppTableId(), target_->regAppTableId()},
        {source_->viewportTableId(), target_->viewportTableId()},
        {source_->viewTableId(), target_->viewTableId()},
        {source_->UCSTableId(), target_->UCSTableId()},
        {source_->dimStyleTableId(), target_->dimStyleTableId()},
    };
    for (const TableSlot& slot : slots) map_[slot.source] = slot.target;
    auto* space = peekObject<AcDbBlockTableRecord>(source_->modelSpaceId());
    if (space != nullptr) copyEntities(space, record);
  }

 private:
  struct TableSlot {
    AcDbObjectId source, target;
  };

  // Entities of one definition: every copy is created first, so that references among them
  // (in either direction) find their copies, and then filled.
  void copyEntities(const AcDbBlockTableRecord* from, AcDbBlockTableRecord* to) {
    std::vector<std::pair<AcDbObject*, AcDbObject*>> pending;
    for (const AcDbObjectId& id : from->entityIds()) {
      AcDbObject* entity = isLiveId(id) ? peekObject<AcDbObject>(id) : nullptr;
      if (entity == nullptr) continue;
      AcDbObject* copy = allocate(entity, to->objectId());
      if (copy == nullptr) continue;
      to->appendEntityIdRaw(copy->objectId());
      pending.emplace_back(entity, copy);
    }
    for (auto& [entity, copy] : pending) fill(entity, copy);
  }

  // A new, empty object of the same kind in the target, owned by `owner`, known to the id map.
  AcDbObject* allocate(const AcDbObject* original, AcDbObjectId owner) {
    AcDbObject* copy = nullptr;
    if (auto* proxy = AcDbProxyObject::cast(original)) {
      copy = AcDbProxyObject::create(proxy->originalDxfName());
    } else if (auto* proxyEntity = AcDbProxyEntity::cast(original)) {
      copy = AcDbProxyEntity::create(proxyEntity->originalDxfName());
    } else {
      copy = AcDbObject::cast(original->isA()->create());
    }
    if (copy == nullptr) return nullptr;
    AcDbObjectId id;
    if (target_->addAcDbObject(id, copy) != Acad::eOk) {
      delete copy;
      return nullptr;
    }
    copy->setOwnerIdRaw(owner);
    map_[original->objectId()] = id;
    created_.push_back(copy);
    return copy;
  }

  // The copy's items: the original's, with references mapped and the records they name present.
  void fill(const AcDbObject* original, AcDbObject* copy) {
    DxfItemListFiler out(source_, AcDbDxfFiler::kCopyFiler);
    original->dxfOutFields(&out);
    for (const DxfItem& item : original->xDataItems()) out.writeItem(item);
    DxfItemList items = out.takeItems();
    const bool isEntity = original->isKindOf(AcDbEntity::desc());
    if (auto* entity = AcDbEntity::cast(original)) {
      requireRecord(entity->layerId());
      requireRecord(entity->linetypeId());
    }
    if (auto* reference = AcDbBlockReference::cast(original)) requireRecord(reference->blockTableRecord());
    bool inXData = false;
    for (DxfItem& item : items) {
      if (item.code >= 1000) inXData = true;
      if (inXData) {
        mapXDataItem(item);
      } else if (item.kind == DxfKind::kId) {
        item.id = mapReference(item.id, original, copy->objectId());
      } else if (item.kind == DxfKind::kHandle && item.code != 5 && item.code != 105) {
        item = DxfItem::makeHandle(item.code, mapHandle(item.handle()));
      } else if (isEntity && item.kind == DxfKind::kString) {
        mapNamedRecord(item);
      }
    }
    AcDbObjectId owner = copy->ownerId();
    DxfItemListFiler in(target_, AcDbDxfFiler::kCopyFiler, std::move(items));
    copy->dxfInFields(&in);
    copy->setOwnerIdRaw(owner);
    if (auto* entity = AcDbEntity::cast(original)) copyFollowers(entity, AcDbEntity::cast(copy));
  }

  // Attributes and vertices follow their entity, with the closing marker.
  void copyFollowers(const AcDbEntity* original, AcDbEntity* copy) {
    AcDbObjectIdArray followers;
    original->subentityIds(followers);
    for (const AcDbObjectId& id : followers) {
      AcDbObject* follower = isLiveId(id) ? peekObject<AcDbObject>(id) : nullptr;
      if (follower == nullptr) continue;
      AcDbObject* followerCopy = allocate(follower, copy->objectId());
      if (followerCopy == nullptr) continue;
      fill(follower, followerCopy);
      copy->adoptSubentity(followerCopy->objectId());
    }
    AcDbObject* end = isLiveId(original->sequenceEndId()) ? peekObject<AcDbObject>(original->sequenceEndId())
                                                           : nullptr;
    if (end != nullptr) {
      if (AcDbObject* endCopy = allocate(end, copy->objectId())) {
        fill(end, endCopy);
        copy->setSequenceEndId(endCopy->objectId());
      }
    }
  }

  // A reference made by `from` (whose copy is `fromCopy`).
  AcDbObjectId mapReference(AcDbObjectId id, const AcDbObject* from, AcDbObjectId fromCopy) {
    if (id.isNull() || id.database() != source_) return AcDbObjectId();
    auto found = map_.find(id);
    if (found != map_.end()) return found->second;
    AcDbObject* object = isLiveId(id) ? peekObject<AcDbObject>(id) : nullptr;
    if (object == nullptr) return AcDbObjectId();
    if (AcDbSymbolTableRecord::cast(object) != nullptr) return requireRecord(id);
    // What the object owns (its extension dictionary, a dictionary's entries) comes along.
    if (object->ownerId() == from->objectId()) {
      AcDbObject* copy = allocate(object, fromCopy);
      if (copy == nullptr) return AcDbObjectId();
      fill(object, copy);
      return copy->objectId();
    }
    return AcDbObjectId();  // something outside what is copied: the copy does not keep it
  }

  AcDbHandle mapHandle(AcDbHandle handle) {
    AcDbObjectId id;
    if (handle.isNull() || source_->getAcDbObjectId(id, false, handle) != Acad::eOk) return AcDbHandle();
    auto found = map_.find(id);
    return found != map_.end() ? found->second.handle() : AcDbHandle();
  }

  // Extended data names its application (1001) and may name layers (1003) and objects (1005).
  void mapXDataItem(DxfItem& item) {
    if (item.code == 1001) requireNamed(source_->regAppTableId(), item.text);
    if (item.code == 1003) requireNamed(source_->layerTableId(), item.text);
    if (item.code == 1005) item = DxfItem::makeHandle(1005, mapHandle(item.handle()));
  }

  // Entities name some records by name: layer (8), linetype (6), text style (7), block (2) and
  // dimension style (3). Those the source defines are made present, and anonymous blocks, which
  // are renumbered here, are renamed.
  void mapNamedRecord(DxfItem& item) {
    AcDbObjectId table;
    switch (item.code) {
      case 8: table = source_->layerTableId(); break;
      case 6: table = source_->linetypeTableId(); break;
      case 7: table = source_->textStyleTableId(); break;
      case 2: table = source_->blockTableId(); break;
      case 3: table = source_->dimStyleTableId(); break;
      default: return;
    }
    AcDbObjectId copy = requireNamed(table, item.text);
    if (item.code == 2 && !copy.isNull()) item.text = symbolRecordName(copy);
  }

  AcDbObjectId requireNamed(AcDbObjectId sourceTable, const std::wstring& name) {
    AcDbObjectId id = findSymbolRecord(source_, sourceTable, name);
    return id.isNull() ? id : requireRecord(id);
  }

  // The target's record for a source record: mapped already, the target's own of that name, or
  // a copy made now (a block with its entities).
  AcDbObjectId requireRecord(AcDbObjectId sourceId) {
    if (sourceId.isNull() || sourceId.database() != source_) return AcDbObjectId();
    auto found = map_.find(sourceId);
    if (found != map_.end()) return found->second;
    auto* record = peekObject<AcDbSymbolTableRecord>(sourceId);
    if (record == nullptr) return AcDbObjectId();
    AcDbObjectId targetTable = map_[record->ownerId()];
    auto* table = peekObject<AcDbSymbolTable>(targetTable);
    if (table == nullptr) return AcDbObjectId();
    auto* block = AcDbBlockTableRecord::cast(record);
    // Anonymous blocks are numbered by each drawing: the copy gets a number of its own.
    const bool anonymous = block != nullptr && block->isAnonymous();
    if (!anonymous) {
      AcDbObjectId existing = findSymbolRecord(target_, targetTable, record->name());
      if (!existing.isNull()) {
        map_[sourceId] = existing;
        return existing;
      }
    }
    // Dependencies named in the record's own items: a layer's linetype.
    if (auto* layer = AcDbLayerTableRecord::cast(record)) requireRecord(layer->linetypeObjectId());
    AcDbObject* copy = allocate(record, targetTable);
    if (copy == nullptr) return AcDbObjectId();
    fill(record, copy);
    auto* copiedRecord = AcDbSymbolTableRecord::cast(copy);
    if (anonymous) copiedRecord->setNameRaw(uniqueAnonymousName(table, record->name()));
    table->appendRecordIdRaw(copy->objectId());
    if (auto* copiedBlock = AcDbBlockTableRecord::cast(copy)) {
      copiedBlock->setOriginRaw(block->origin());
      copiedBlock->setCommentsRaw(block->commentsText());
      copiedBlock->setPathNameRaw(block->pathNameText());
      copiedBlock->setBlockFlagsRaw(block->blockFlags());
      copiedBlock->setLayoutId(AcDbObjectId());
      createBlockMarkers(copiedBlock);
      copyEntities(block, copiedBlock);
    }
    return copy->objectId();
  }

  std::wstring uniqueAnonymousName(AcDbSymbolTable* table, const std::wstring& name) {
    std::wstring prefix = foldSymbolName(name.substr(0, 2));
    for (int n = 1;; ++n) {
      std::wstring candidate = prefix + std::to_wstring(n);
      if (!table->has(candidate.c_str())) return candidate;
    }
  }

 public:
  // Every object made is left open for write by the database; close them all.
  void closeAll() {
    for (AcDbObject* object : created_) object->close();
    created_.clear();
  }

 private:
  AcDbDatabase* target_;
  AcDbDatabase* source_;
  std::unordered_map<AcDbObjectId, AcDbObjectId> map_;
  std::vector<AcDbObject*> created_;
};

}  // namespace

Acad::ErrorStatus AcDbDatabase::insert(AcDbObjectId& blockId, const ACHAR* blockName, AcDbDatabase* source,
                                       bool /*preserveSourceDatabase: the source is never changed*/) {
  blockId.setNull();
  if (source == nullptr) return Acad::eNullObjectPointer;
  if (source == this) return Acad::eSelfReference;
  if (blockName == nullptr || *blockName == 0) return Acad::eNullBlockName;
  if (!isValidSymbolName(blockName) || isLayoutBlockName(blockName)) return Acad::eInvalidBlockName;
  auto* table = peekObject<AcDbBlockTable>(blockTableId());
  if (table == nullptr || peekObject<AcDbBlockTableRecord>(source->modelSpaceId()) == nullptr) {
    return Acad::eNoDatabase;
  }

  // A definition of that name is redefined in place, so that its references show the new
  // contents, as inserting a drawing again under a block's name does in the host.
  AcDbObjectId recordId = findSymbolRecord(this, blockTableId(), blockName);
  AcDbBlockTableRecord* record = nullptr;
  if (!recordId.isNull()) {
    Acad::ErrorStatus es = acdbOpenObject(record, recordId, AcDb::kForWrite);
    if (es != Acad::eOk) return es;
    for (const AcDbObjectId& id : record->entityIds()) {
      AcDbObject* entity = nullptr;
      if (acdbOpenAcDbObject(entity, id, AcDb::kForWrite) == Acad::eOk) {
        entity->erase();
        entity->close();
      }
    }
    record->clearEntityIdsRaw();
  } else {
    AcDbBlockTable* writable = nullptr;
    Acad::ErrorStatus es = getBlockTable(writable, AcDb::kForWrite);
    if (es != Acad::eOk) return es;
    record = new AcDbBlockTableRecord();
    record->setNameRaw(blockName);
    es = writable->add(recordId, record);
    writable->close();
    if (es != Acad::eOk) {
      delete record;
      return es;
    }
  }
  record->setOrigin(source->insbase());

  Inserter inserter(this, source);
  inserter.copyModelSpace(record);
  inserter.closeAll();
  record->close();
  blockId = recordId;
  return Acad::eOk;
}
