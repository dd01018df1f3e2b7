// Finding and completing the standard objects of a drawing: after a file is read, and for a new
// drawing (which is an empty database completed the same way).
#include "db/well_known.h"

#include <map>
#include <unordered_set>

#include "db/block_internal.h"
#include "db/change_notices.h"
#include "db/database_state.h"
#include "db/dbdict.h"
#include "db/dbgroup.h"
#include "db/dbproxy.h"
#include "db/dbsymtb.h"
#include "db/standard_objects.h"
#include "db/symbol_lookup.h"
#include "db/symbol_util.h"

namespace {

std::map<const AcDbDatabase*, PendingHeaderNames>& pendingNames() {
  static std::map<const AcDbDatabase*, PendingHeaderNames> names;
  return names;
}

template <class T>
AcDbSymbolTableRecord* makeRecord() {
  return new T();
}
template <class T>
AcDbObject* makeObject() {
  return new T();
}

AcDbSymbolTableRecord* makeContinuous() {
  auto* linetype = new AcDbLinetypeTableRecord();
  linetype->setComments(L"Solid line");
  return linetype;
}

AcDbSymbolTableRecord* makeStandardStyle() {
  auto* style = new AcDbTextStyleTableRecord();
  style->setFileName(L"txt");
  return style;
}

// The slot of each table kind in the database state, in the order tables are created for a new
// drawing.
struct TableKind {
  AcDbObjectId DatabaseState::*slot;
  AcRxClass* (*tableClass)();
  const char* recordType;
};
const TableKind kTableKinds[] = {
    {&DatabaseState::viewportTable, &AcDbViewportTable::desc, "VPORT"},
    {&DatabaseState::linetypeTable, &AcDbLinetypeTable::desc, "LTYPE"},
    {&DatabaseState::layerTable, &AcDbLayerTable::desc, "LAYER"},
    {&DatabaseState::textStyleTable, &AcDbTextStyleTable::desc, "STYLE"},
    {&DatabaseState::viewTable, &AcDbViewTable::desc, "VIEW"},
    {&DatabaseState::ucsTable, &AcDbUCSTable::desc, "UCS"},
    {&DatabaseState::regAppTable, &AcDbRegAppTable::desc, "APPID"},
    {&DatabaseState::dimStyleTable, &AcDbDimStyleTable::desc, "DIMSTYLE"},
    {&DatabaseState::blockTable, &AcDbBlockTable::desc, "BLOCK_RECORD"},
};

// The table of a kind: the one already known, else the first read, else a new one.
AcDbObjectId tableOfKind(AcDbDatabase* db, const TableKind& kind) {
  DatabaseState& state = db->state();
  AcDbObjectId& slot = state.*(kind.slot);
  if (isLiveId(slot) && peekObject<AcDbSymbolTable>(slot) != nullptr) return slot;
  for (AcDbStub& stub : state.stubs) {
    if (stub.object && !stub.erased && stub.object->isA() == kind.tableClass()) {
      slot = AcDbObjectId(&stub);
      return slot;
    }
  }
  slot = addClosedObject(db, AcDbSymbolTable::createForRecordType(kind.recordType), AcDbObjectId());
  return slot;
}

AcDbObjectId blockTableOf(AcDbDatabase* db) { return tableOfKind(db, kTableKinds[8]); }

// Records read from a file join their table in file order, whether or not the reader put them
// there.
void attachRecords(AcDbDatabase* db) {
  std::map<AcRxClass*, AcDbSymbolTable*> tableByRecordClass;
  std::unordered_set<AcDbObjectId> listed;
  for (const TableKind& kind : kTableKinds) {
    auto* table = peekObject<AcDbSymbolTable>(db->state().*(kind.slot));
    if (table == nullptr) continue;
    tableByRecordClass[table->recordClass()] = table;
    listed.insert(table->recordIds().begin(), table->recordIds().end());
  }
  for (AcDbStub& stub : db->state().stubs) {
    auto* record = stub.object ? AcDbSymbolTableRecord::cast(stub.object.get()) : nullptr;
    if (record == nullptr) continue;
    AcDbObjectId id(&stub);
    if (listed.count(id) != 0) continue;
    auto found = tableByRecordClass.find(record->isA());
    if (found == tableByRecordClass.end()) continue;
    found->second->appendRecordIdRaw(id);
    record->setOwnerIdRaw(found->second->objectId());
  }
}

void warn(AcDbDatabase* db, const std::string& message) {
  db->state().readReport.warnings.push_back(message);
}

std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += static_cast<char>(c < 128 ? c : '?');
  return out;
}

// Layer linetypes given by names the linetype table did not have when the layer was read.
void resolveLayerLinetypes(AcDbDatabase* db) {
  auto* layers = peekObject<AcDbLayerTable>(db->layerTableId());
  if (layers == nullptr) return;
  for (const AcDbObjectId& id : layers->recordIds()) {
    auto* layer = peekObject<AcDbLayerTableRecord>(id);
    if (layer == nullptr || isLiveId(layer->linetypeObjectId())) continue;
    AcDbObjectId linetype;
    if (!layer->pendingLinetypeName().empty()) {
      linetype = findSymbolRecord(db, db->linetypeTableId(), layer->pendingLinetypeName());
      if (linetype.isNull()) {
        warn(db, "calque \"" + narrow(layer->name()) + "\" : type de ligne \"" +
                     narrow(layer->pendingLinetypeName()) + "\" non défini, Continuous utilisé");
      }
    }
    layer->resolvePendingLinetype(linetype.isNull() ? db->continuousLinetype() : linetype);
  }
}

// Points a layout block at its layout (opened for write, as any other change).
void linkLayout(AcDbObjectId blockId, AcDbObjectId layoutId) {
  AcDbBlockTableRecord* writable = nullptr;
  if (acdbOpenObject(writable, blockId, AcDb::kForWrite) != Acad::eOk) return;
  writable->setLayoutId(layoutId);
  writable->close();
}

// The block record a LAYOUT proxy names (its 330 item in the AcDbLayout subclass), by reference.
AcDbObjectId* layoutBlockItem(DxfItemList& items) {
  bool inLayout = false;
  for (DxfItem& item : items) {
    if (item.code == 100) inLayout = item.text == L"AcDbLayout";
    if (inLayout && item.code == 330) return &item.id;
  }
  return nullptr;
}

// The layout of a layout block: the one it names, else the LAYOUT whose block is this record,
// else the layout of that name whose block was lost (a damaged file), else a new one.
void ensureLayout(AcDbDatabase* db, AcDbObjectId layouts, AcDbObjectId blockId,
                  const std::wstring& name, int tabOrder) {
  auto* record = peekObject<AcDbBlockTableRecord>(blockId);
  auto* dictionary = peekObject<AcDbDictionary>(layouts);
  if (record == nullptr || dictionary == nullptr) return;
  if (isLiveId(record->getLayoutId())) return;
  AcDbObjectId orphan;
  for (const auto& entry : dictionary->entries()) {
    auto* layout = peekObject<AcDbProxyObject>(entry.second);
    if (layout == nullptr || !isLiveId(entry.second)) continue;
    DxfItemList items = layout->items();
    AcDbObjectId* block = layoutBlockItem(items);
    if (block != nullptr && *block == blockId) {
      linkLayout(blockId, entry.second);
      return;
    }
    if (block != nullptr && !isLiveId(*block) && foldSymbolName(entry.first) == foldSymbolName(name)) {
      orphan = entry.second;
    }
  }
  AcDbProxyObject* layout = nullptr;
  if (!orphan.isNull() && acdbOpenObject(layout, orphan, AcDb::kForWrite) == Acad::eOk) {
    DxfItemList items = layout->items();
    *layoutBlockItem(items) = blockId;
    layout->setItems(std::move(items));
    layout->close();
    linkLayout(blockId, orphan);
    return;
  }
  std::wstring unique = name;
  for (int n = 2; dictionary->has(unique.c_str()); ++n) unique = L"Layout" + std::to_wstring(n);
  createLayout(db, layouts, unique, tabOrder, blockId);
}

AcDbObjectId findRootDictionary(AcDbDatabase* db) {
  DatabaseState& state = db->state();
  if (isLiveId(state.namedObjects) && peekObject<AcDbDictionary>(state.namedObjects)) {
    return state.namedObjects;
  }
  // The root is the dictionary nobody owns (the first object of the OBJECTS section).
  for (AcDbStub& stub : state.stubs) {
    auto* dictionary = stub.object ? AcDbDictionary::cast(stub.object.get()) : nullptr;
    if (dictionary != nullptr && !stub.erased && dictionary->ownerId().isNull()) {
      return AcDbObjectId(&stub);
    }
  }
  return addClosedObject(db, new AcDbDictionary(), AcDbObjectId());
}

// Members of groups read from files written without member reactors get them.
void linkGroupMembers(AcDbDatabase* db) {
  auto* groups = peekObject<AcDbDictionary>(db->groupDictionaryId());
  if (groups == nullptr) return;
  for (const auto& entry : groups->entries()) {
    auto* group = peekObject<AcDbGroup>(entry.second);
    if (group == nullptr) continue;
    AcDbObjectIdArray members;
    group->allEntityIds(members);
    for (const AcDbObjectId& member : members) {
      if (AcDbObject* object = peekObject<AcDbObject>(member)) object->addPersistentReactor(entry.second);
    }
  }
}

// R12 files name the layout blocks "$MODEL_SPACE" or "*MODEL_SPACE"; this database's names are
// the later ones.
std::wstring standardBlockName(const std::wstring& name) {
  const std::wstring folded = foldSymbolName(name);
  if (folded == L"$MODEL_SPACE" || folded == L"*MODEL_SPACE") return ACDB_MODEL_SPACE;
  if (folded == L"$PAPER_SPACE" || folded == L"*PAPER_SPACE") return ACDB_PAPER_SPACE;
  return name;
}

AcDbObjectId liveOr(AcDbObjectId id, AcDbObjectId fallback) { return isLiveId(id) ? id : fallback; }

}  // namespace

void setPendingHeaderNames(AcDbDatabase* database, const PendingHeaderNames& names) {
  pendingNames()[database] = names;
}

void resolveWellKnownObjects(AcDbDatabase* db) {
  DatabaseState& state = db->state();
  for (const TableKind& kind : kTableKinds) tableOfKind(db, kind);
  attachRecords(db);

  // Standard records, in the order of a new drawing's handles.
  state.byBlock = ensureSymbolRecord(db, state.linetypeTable, L"ByBlock", makeRecord<AcDbLinetypeTableRecord>);
  state.byLayer = ensureSymbolRecord(db, state.linetypeTable, L"ByLayer", makeRecord<AcDbLinetypeTableRecord>);
  state.continuous = ensureSymbolRecord(db, state.linetypeTable, L"Continuous", makeContinuous);
  const bool newLayerZero = findSymbolRecord(db, state.layerTable, L"0").isNull();
  state.layerZero = ensureSymbolRecord(db, state.layerTable, L"0", makeRecord<AcDbLayerTableRecord>);
  resolveLayerLinetypes(db);
  AcDbObjectId standardStyle = ensureSymbolRecord(db, state.textStyleTable, L"Standard", makeStandardStyle);
  ensureSymbolRecord(db, state.regAppTable, L"ACAD", makeRecord<AcDbRegAppTableRecord>);
  ensureSymbolRecord(db, state.dimStyleTable, L"Standard", makeStandardDimStyle);
  ensureSymbolRecord(db, state.viewportTable, L"*Active", makeActiveViewport);
  state.modelSpace = ensureSymbolRecord(db, state.blockTable, ACDB_MODEL_SPACE, makeRecord<AcDbBlockTableRecord>);
  state.paperSpace = ensureSymbolRecord(db, state.blockTable, ACDB_PAPER_SPACE, makeRecord<AcDbBlockTableRecord>);
  if (auto* blocks = peekObject<AcDbBlockTable>(state.blockTable)) {
    for (const AcDbObjectId& id : blocks->recordIds()) {
      auto* record = peekObject<AcDbBlockTableRecord>(id);
      if (record != nullptr && isLiveId(id)) createBlockMarkers(record);
    }
  }

  // The named-object dictionary and the entries the host and other readers count on.
  state.namedObjects = findRootDictionary(db);
  state.groupDictionary = ensureDictionaryEntry(db, state.namedObjects, L"ACAD_GROUP", makeObject<AcDbDictionary>);
  AcDbObjectId layouts =
      ensureDictionaryEntry(db, state.namedObjects, L"ACAD_LAYOUT", makeObject<AcDbDictionary>);
  AcDbObjectId mlineStyles =
      ensureDictionaryEntry(db, state.namedObjects, L"ACAD_MLINESTYLE", makeObject<AcDbDictionary>);
  AcDbObjectId plotStyles =
      ensureDictionaryEntry(db, state.namedObjects, L"ACAD_PLOTSTYLENAME", makeObject<AcDbDictionary>);
  ensureDictionaryEntry(db, mlineStyles, L"Standard", makeStandardMlineStyle);
  AcDbObjectId normal = AcDbObjectId();
  if (peekObject<AcDbDictionary>(plotStyles) != nullptr) {
    normal = ensureDictionaryEntry(db, plotStyles, L"Normal", makePlaceholder);
  }
  ensureLayout(db, layouts, state.modelSpace, L"Model", 0);
  ensureLayout(db, layouts, state.paperSpace, L"Layout1", 1);
  AcDbLayerTableRecord* zero = nullptr;
  if (newLayerZero && acdbOpenObject(zero, state.layerZero, AcDb::kForWrite) == Acad::eOk) {
    zero->setPlotStyleName(normal);
    zero->close();
  }
  linkGroupMembers(db);

  // Current settings: what the header named, else the standard records.
  PendingHeaderNames names;
  auto pending = pendingNames().find(db);
  if (pending != pendingNames().end()) {
    names = pending->second;
    pendingNames().erase(pending);
  }
  if (!names.clayer.empty()) state.clayer = findSymbolRecord(db, state.layerTable, names.clayer);
  if (!names.textstyle.empty()) state.textstyle = findSymbolRecord(db, state.textStyleTable, names.textstyle);
  if (!names.celtype.empty()) state.celtype = findSymbolRecord(db, state.linetypeTable, names.celtype);
  state.clayer = liveOr(state.clayer, state.layerZero);
  state.textstyle = liveOr(state.textstyle, standardStyle);
  state.celtype = liveOr(state.celtype, state.byLayer);
}

AcDbObjectId assembleBlockDefinition(AcDbDatabase* db, AcDbObjectId blockBegin,
                                     const std::vector<AcDbObjectId>& entities, AcDbObjectId blockEnd) {
  auto* begin = peekObject<AcDbBlockBegin>(blockBegin);
  if (begin == nullptr) return AcDbObjectId();
  AcDbObjectId recordId = begin->ownerId();
  auto* record = peekObject<AcDbBlockTableRecord>(recordId);
  if (record == nullptr) {
    // Files without a BLOCK_RECORD table name their definitions only on BLOCK.
    AcDbObjectId table = blockTableOf(db);
    const std::wstring name = standardBlockName(begin->blockName());
    recordId = findSymbolRecord(db, table, name);
    record = peekObject<AcDbBlockTableRecord>(recordId);
    if (record == nullptr) {
      record = new AcDbBlockTableRecord();
      record->setNameRaw(name);
      recordId = addClosedObject(db, record, table);
      if (recordId.isNull()) return recordId;
      peekObject<AcDbBlockTable>(table)->appendRecordIdRaw(recordId);
    }
  }
  if (record->name().empty()) record->setNameRaw(standardBlockName(begin->blockName()));
  record->setOriginRaw(begin->basePoint());
  record->setCommentsRaw(begin->comments());
  record->setPathNameRaw(begin->pathName());
  record->setBlockFlagsRaw(begin->blockFlags());
  // Markers made for the record before its definition was read give way to the file's.
  auto replaceMarker = [](AcDbObjectId previous, AcDbObjectId read) {
    if (previous != read && isLiveId(previous)) setErasedFlag(previous.stub(), true);
  };
  replaceMarker(record->blockBeginId(), blockBegin);
  begin->setOwnerIdRaw(recordId);
  record->setBlockBeginIdRaw(blockBegin);
  if (AcDbObject* end = peekObject<AcDbObject>(blockEnd)) {
    replaceMarker(record->blockEndId(), blockEnd);
    end->setOwnerIdRaw(recordId);
    record->setBlockEndIdRaw(blockEnd);
  }
  for (const AcDbObjectId& id : entities) {
    AcDbObject* entity = peekObject<AcDbObject>(id);
    if (entity == nullptr) continue;
    entity->setOwnerIdRaw(recordId);
    record->appendEntityIdRaw(id);
  }
  return recordId;
}

void appendToLayout(AcDbDatabase* db, AcDbObjectId entityId, bool paperSpace) {
  AcDbObject* entity = peekObject<AcDbObject>(entityId);
  if (entity == nullptr) return;
  DatabaseState& state = db->state();
  AcDbObjectId& slot = paperSpace ? state.paperSpace : state.modelSpace;
  if (peekObject<AcDbBlockTableRecord>(slot) == nullptr) {
    slot = ensureSymbolRecord(db, blockTableOf(db), paperSpace ? ACDB_PAPER_SPACE : ACDB_MODEL_SPACE,
                              makeRecord<AcDbBlockTableRecord>);
  }
  auto* record = peekObject<AcDbBlockTableRecord>(slot);
  if (record == nullptr) return;
  entity->setOwnerIdRaw(slot);
  record->appendEntityIdRaw(entityId);
}
