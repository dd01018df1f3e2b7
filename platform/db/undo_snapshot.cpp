#include "db/undo_snapshot.h"

#include "db/change_notices.h"
#include "db/database_state.h"
#include "db/dbdict.h"
#include "db/dbentity.h"
#include "db/dbfiler.h"
#include "db/ent_followers.h"
#include "db/dbsymtb.h"

namespace {

void setReactors(AcDbObject* object, const std::vector<AcDbObjectId>& reactors) {
  for (const AcDbObjectId& id : std::vector<AcDbObjectId>(object->persistentReactorIds())) {
    object->removePersistentReactor(id);
  }
  for (const AcDbObjectId& id : reactors) object->addPersistentReactor(id);
}

void setMembers(AcDbObject* object, const std::vector<AcDbObjectId>& members) {
  if (auto* block = AcDbBlockTableRecord::cast(object)) {
    block->clearEntityIdsRaw();
    for (const AcDbObjectId& id : members) block->appendEntityIdRaw(id);
  } else if (auto* table = AcDbSymbolTable::cast(object)) {
    for (const AcDbObjectId& id : std::vector<AcDbObjectId>(table->recordIds())) {
      table->removeRecordIdRaw(id);
    }
    for (const AcDbObjectId& id : members) table->appendRecordIdRaw(id);
  }
}

void noteDependent(UndoSnapshot& snapshot, AcDbObjectId id) {
  AcDbStub* stub = id.stub();
  if (stub != nullptr && stub->object) snapshot.dependentsErased.emplace_back(stub, stub->erased);
}

void noteDependents(UndoSnapshot& snapshot, const AcDbObject* object) {
  if (auto* entity = AcDbEntity::cast(object)) {
    if (EntityFollowers* followers = followersOf(entity)) {
      AcDbObjectIdArray ids;
      followers->ids(ids);
      for (int i = 0; i < ids.length(); ++i) noteDependent(snapshot, ids[i]);
      noteDependent(snapshot, followers->sequenceEnd());
    }
  } else if (auto* dictionary = AcDbDictionary::cast(object)) {
    for (const auto& entry : dictionary->entries()) {
      AcDbStub* stub = entry.second.stub();
      if (stub != nullptr && stub->object && stub->object->ownerId() == object->objectId()) {
        noteDependent(snapshot, entry.second);
      }
    }
  }
}

}  // namespace

UndoSnapshot takeSnapshot(AcDbStub* stub) {
  UndoSnapshot snapshot;
  snapshot.stub = stub;
  const AcDbObject* object = stub->object.get();
  if (object == nullptr) return snapshot;
  // The undo filer gets every field, defaults included, so that reading the items back over a
  // changed object leaves nothing of the change.
  DxfItemListFiler out(stub->database, AcDbDxfFiler::kUndoFiler);
  object->dxfOutFields(&out);
  for (const DxfItem& item : object->xDataItems()) out.writeItem(item);
  snapshot.items = out.takeItems();
  snapshot.erased = stub->erased;
  snapshot.owner = object->ownerId();
  snapshot.extensionDictionary = object->extensionDictionary();
  snapshot.reactors = object->persistentReactorIds();
  if (auto* block = AcDbBlockTableRecord::cast(object)) {
    snapshot.hasMembers = true;
    snapshot.members = block->entityIds();
  } else if (auto* table = AcDbSymbolTable::cast(object)) {
    snapshot.hasMembers = true;
    snapshot.members = table->recordIds();
  }
  noteDependents(snapshot, object);
  return snapshot;
}

void restoreSnapshot(AcDbDatabase* database, const UndoSnapshot& snapshot) {
  AcDbStub* stub = snapshot.stub;
  if (stub == nullptr) return;
  if (snapshot.created) {
    setErasedFlag(stub, true);
    return;
  }
  AcDbObject* object = stub->object.get();
  if (object == nullptr) return;
  // Opened for write while its fields are read back, as any change must be (the journal ignores
  // openings while it reverts).
  object->beginOpen(AcDb::kForWrite);
  object->setXDataItems({});
  setReactors(object, {});
  DxfItemListFiler in(database, AcDbDxfFiler::kUndoFiler, snapshot.items);
  object->dxfInFields(&in);
  object->setOwnerIdRaw(snapshot.owner);
  object->setExtensionDictionaryRaw(snapshot.extensionDictionary);
  setReactors(object, snapshot.reactors);
  if (snapshot.hasMembers) setMembers(object, snapshot.members);
  setErasedFlag(stub, snapshot.erased);
  for (const auto& [dependent, erased] : snapshot.dependentsErased) setErasedFlag(dependent, erased);
  object->close();
}
