// Entities of a drawing file: block definitions (BLOCK … ENDBLK), the entities of model and paper
// space, and the followers some entities carry (ATTRIB after an INSERT, VERTEX after a POLYLINE,
// each run closed by a SEQEND).
#include "db/block_nesting.h"
#include "db/database_state.h"
#include "db/dbdatabase.h"
#include "db/dbblkref.h"
#include "db/dbentity.h"
#include "db/dbsymtb.h"
#include "db/polyline_kinds.h"
#include "db/symbol_util.h"
#include "db/well_known.h"
#include "dxf/dxf_drawing_reader.h"
#include "dxf/dxf_error.h"
#include "dxf/dxf_messages.h"


namespace dxf {

namespace {

AcDbEntity* entityOf(AcDbObjectId id) {
  AcDbStub* stub = id.stub();
  return stub != nullptr ? AcDbEntity::cast(stub->object.get()) : nullptr;
}

}  // namespace

AcDbObject* DrawingReader::createEntity() {
  // One type name, four kinds told apart by the flags (70) of the polyline and of its vertices.
  if (typeIs("POLYLINE")) return createPolylineForFlags(static_cast<int>(intItem(70, 0)));
  if (typeIs("VERTEX")) {
    return createVertexForFlags(static_cast<int>(intItem(70, 0)), entityOf(sequence_.parent));
  }
  return createObject(true);
}

void DrawingReader::closeSequence(bool repaired) {
  if (sequence_.parent.isNull()) return;
  AcDbEntity* parent = entityOf(sequence_.parent);
  if (repaired && parent != nullptr) {
    context_.warn(sequence_.line, msg::missingSeqend(sequence_.parentType));
    AcRxClass* cls = AcRxClass::findByDxfName("SEQEND");
    auto* end = cls != nullptr ? AcDbEntity::cast(static_cast<AcDbObject*>(cls->create())) : nullptr;
    if (end != nullptr) {
      end->setLayer(parent->layerId(), false);
      AcDbObjectId id = placeNew(end);
      end->setOwnerIdRaw(sequence_.parent);
      parent->setSequenceEndId(id);
    }
  }
  sequence_ = Sequence();
}

AcDbObjectId DrawingReader::readEntity() {
  if (typeIs("SEQEND")) {
    if (sequence_.parent.isNull()) {
      context_.warn(typeToken_.line, msg::strayFollower(type_));
      return AcDbObjectId();
    }
    if (AcDbObject* end = createEntity()) {
      AcDbObjectId id = placeAndRead(end);
      end->setOwnerIdRaw(sequence_.parent);
      if (AcDbEntity* parent = entityOf(sequence_.parent)) parent->setSequenceEndId(id);
    }
    closeSequence(false);
    return AcDbObjectId();
  }
  if (!sequence_.parent.isNull()) {
    if (typeIs(sequence_.followerType)) {
      if (AcDbObject* follower = createEntity()) {
        AcDbObjectId id = placeAndRead(follower);
        follower->setOwnerIdRaw(sequence_.parent);
        AcDbEntity* parent = entityOf(sequence_.parent);
        if (parent == nullptr || !parent->adoptSubentity(id)) {
          context_.warn(typeToken_.line, msg::strayFollower(type_));
        }
      }
      return AcDbObjectId();
    }
    closeSequence(true);
  }
  if (typeIs("ATTRIB") || typeIs("VERTEX")) {
    context_.warn(typeToken_.line, msg::strayFollower(type_));
    return AcDbObjectId();
  }
  if (typeIs("BLOCK") || typeIs("ENDBLK")) {
    // Block markers outside the BLOCKS section frame nothing.
    context_.warn(typeToken_.line, msg::objectSkipped(type_));
    return AcDbObjectId();
  }
  AcDbObject* entity = createEntity();
  if (entity == nullptr) return AcDbObjectId();
  AcDbObjectId id = placeAndRead(entity);
  bool isPolyline = typeIs("POLYLINE");
  if (isPolyline || (typeIs("INSERT") && hasItem(66, 1))) {
    sequence_.parent = id;
    sequence_.parentType = std::string(type_);
    sequence_.followerType = isPolyline ? "VERTEX" : "ATTRIB";
    sequence_.line = typeToken_.line;
  }
  return id;
}

void DrawingReader::prepareForEntities() {
  // A file without tables (a bare R12 ENTITIES file) still needs layer 0, the standard
  // linetypes and the layouts before its entities resolve their names.
  if (!sawTables_ && state_.layerTable.isNull()) resolveWellKnownObjects(db_);
}

void DrawingReader::readBlocks() {
  prepareForEntities();
  while (true) {
    if (!nextObject()) unexpectedEnd("section BLOCKS");
    if (sectionEnds()) return;
    if (!typeIs("BLOCK")) {
      context_.warn(typeToken_.line, msg::entityOutsideBlock(type_));
      continue;
    }
    std::string name;
    for (const DxfToken& token : object_) {
      if (token.code == 2) {
        name = std::string(trimBlanks(token.value));
        break;
      }
    }
    AcDbObjectId begin;
    if (AcDbObject* object = createObject(true)) begin = placeAndRead(object);
    std::vector<AcDbObjectId> entities;
    size_t firstNested = nestedInserts_.size();
    AcDbObjectId end;
    while (true) {
      if (!nextObject()) unexpectedEnd("bloc " + name);
      if (typeIs("ENDBLK")) {
        closeSequence(true);
        if (AcDbObject* object = createObject(true)) end = placeAndRead(object);
        break;
      }
      if (typeIs("BLOCK") || typeIs("ENDSEC") || typeIs("SECTION") || typeIs("EOF")) {
        closeSequence(true);
        context_.warn(typeToken_.line, msg::blockWithoutEnd(name));
        replay_ = true;
        break;
      }
      AcDbObjectId id = readEntity();
      if (id.isNull()) continue;
      entities.push_back(id);
      if (typeIs("INSERT")) nestedInserts_.push_back({id, AcDbObjectId(), typeToken_.line});
    }
    AcDbObjectId record;
    if (!begin.isNull()) record = assembleBlockDefinition(db_, begin, entities, end);
    for (size_t i = firstNested; i < nestedInserts_.size(); ++i) nestedInserts_[i].container = record;
  }
}

void DrawingReader::dropSelfInsertions() {
  // One reference at a time, in file order: dropping the first reference of a cycle keeps the
  // others, which no longer make one.
  for (const NestedInsert& nested : nestedInserts_) {
    auto* reference = AcDbBlockReference::cast(entityOf(nested.reference));
    if (reference == nullptr || nested.container.isNull() || !isLiveId(nested.reference)) continue;
    if (!insertionIsSelfReference(reference->blockTableRecord(), nested.container)) continue;
    auto* record = peekObject<AcDbBlockTableRecord>(nested.container);
    context_.warn(nested.line, msg::selfInsertingBlock(record ? toUtf8(record->name()) : ""));
    nested.reference.stub()->erased = true;
  }
}

void DrawingReader::readEntities() {
  prepareForEntities();
  while (true) {
    if (!nextObject()) unexpectedEnd("section ENTITIES");
    if (sectionEnds()) {
      closeSequence(true);
      return;
    }
    bool paperSpace = hasItem(67, 1);
    AcDbObjectId id = readEntity();
    if (!id.isNull()) appendToLayout(db_, id, paperSpace);
  }
}

}  // namespace dxf
