// Writing a drawing file: the sections of an R2007 file from the contents of a database.
#include "dxf/dxf_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

#include "db/database_state.h"
#include "db/dbentity.h"
#include "db/dbsymtb.h"
#include "db/symbol_lookup.h"
#include "dxf/dxf_angles.h"
#include "dxf/dxf_classes.h"
#include "dxf/dxf_encoding.h"
#include "dxf/dxf_out_filer.h"
#include "dxf/dxf_tag_writer.h"

namespace dxf {

namespace {

// Header variables the writer writes itself, whatever the file that was read said.
const std::set<std::string> kWrittenVariables = {
    "$ACADVER", "$ACADMAINTVER", "$DWGCODEPAGE", "$INSBASE",  "$EXTMIN",  "$EXTMAX",
    "$MIRRTEXT", "$TEXTSIZE",    "$TEXTSTYLE",   "$CLAYER",   "$CELTYPE", "$CECOLOR",
    "$HANDSEED", "$INSUNITS"};

class DrawingWriter {
 public:
  DrawingWriter(AcDbDatabase* database, DxfTagWriter& tags, int precision)
      : db_(database), state_(database->state()), tags_(tags), filer_(database, tags, precision) {}

  void write() {
    completeSequences();
    countTypes();
    writeHeader();
    writeClasses();
    writeTables();
    writeBlocks();
    writeEntities();
    writeObjects();
    tags_.text(0, std::string_view("EOF"));
  }

 private:
  AcDbObject* live(AcDbObjectId id) const {
    return filer_.isLive(id) ? id.stub()->object.get() : nullptr;
  }

  void beginSection(const char* name) {
    tags_.text(0, std::string_view("SECTION"));
    tags_.text(2, std::string_view(name));
  }
  void endSection() { tags_.text(0, std::string_view("ENDSEC")); }

  // Header.

  void variable(const char* name) { tags_.text(9, std::string_view(name)); }
  void point(int code, const AcGePoint3d& p) {
    filer_.writeItem(DxfItem::makePoint(code, p.x, p.y, p.z));
  }

  void writeHeader() {
    beginSection("HEADER");
    variable("$ACADVER");
    tags_.text(1, std::string_view("AC1021"));
    variable("$ACADMAINTVER");
    tags_.integer(70, 25);
    variable("$DWGCODEPAGE");
    tags_.text(3, std::string_view("ANSI_1252"));
    variable("$INSBASE");
    point(10, state_.insbase);
    variable("$EXTMIN");
    point(10, state_.extmin);
    variable("$EXTMAX");
    point(10, state_.extmax);
    variable("$MIRRTEXT");
    tags_.integer(70, state_.mirrtext ? 1 : 0);
    variable("$TEXTSIZE");
    filer_.writeDouble(40, state_.textsize);
    variable("$TEXTSTYLE");
    tags_.text(7, recordName(state_.textstyle, L"Standard"));
    variable("$CLAYER");
    tags_.text(8, recordName(state_.clayer, L"0"));
    variable("$CELTYPE");
    tags_.text(6, recordName(state_.celtype, L"ByLayer"));
    variable("$CECOLOR");
    tags_.integer(62, state_.cecolor);
    variable("$HANDSEED");
    tags_.handle(5, db_->handseed().value());
    variable("$INSUNITS");
    tags_.integer(70, state_.insunits);
    for (const HeaderVariable& kept : state_.otherHeaderVariables) {
      if (kWrittenVariables.count(kept.name) != 0 || kept.items.empty()) continue;
      tags_.text(9, kept.name);
      for (const DxfItem& item : kept.items) filer_.writeItem(item);
    }
    endSection();
  }

  std::wstring recordName(AcDbObjectId id, const wchar_t* fallback) const {
    std::wstring name = live(id) ? symbolRecordName(id) : std::wstring();
    return name.empty() ? std::wstring(fallback) : name;
  }

  // Sequences: every run of followers ends with its SEQEND object. One that was lost (a polyline
  // built without it) is made now, before the header gives the next free handle.
  void completeSequences() {
    auto* table = AcDbBlockTable::cast(live(state_.blockTable));
    if (table == nullptr) return;
    AcRxClass* endClass = AcRxClass::findByDxfName("SEQEND");
    for (const AcDbObjectId& recordId : table->recordIds()) {
      auto* record = AcDbBlockTableRecord::cast(live(recordId));
      if (record == nullptr) continue;
      for (const AcDbObjectId& id : record->entityIds()) {
        auto* entity = AcDbEntity::cast(live(id));
        if (entity == nullptr || live(entity->sequenceEndId()) != nullptr || endClass == nullptr) continue;
        AcDbObjectIdArray followers;
        entity->subentityIds(followers);
        if (followers.isEmpty() && std::strcmp(entity->dxfName(), "POLYLINE") != 0) continue;
        auto* end = AcDbEntity::cast(static_cast<AcDbObject*>(endClass->create()));
        if (end == nullptr) continue;
        end->setLayer(entity->layerId(), false);
        AcDbStub* stub = state_.newStub();
        state_.place(stub, end);
        end->setOwnerIdRaw(id);
        entity->setSequenceEndId(AcDbObjectId(stub));
      }
    }
  }

  // Classes.

  void countTypes() {
    // By class first: a name is made once per kind, not once per object.
    // The same pass keeps the objects the OBJECTS section may write: one visit of each object.
    std::unordered_map<const AcRxClass*, long> byClass;
    for (AcDbStub& stub : state_.stubs) {
      if (!stub.object || stub.erased) continue;
      AcRxClass* cls = stub.object->isA();
      ++byClass[cls];
      if (!cls->isDerivedFrom(AcDbEntity::desc()) && !cls->isDerivedFrom(AcDbSymbolTable::desc()) &&
          !cls->isDerivedFrom(AcDbSymbolTableRecord::desc())) {
        nonGraphical_.push_back(&stub);
      }
    }
    for (const auto& [cls, count] : byClass) typeCounts_[cls->dxfName()] += count;
  }

  void writeClasses() {
    beginSection("CLASSES");
    std::set<std::wstring> written;
    for (const DxfItemList& kept : state_.classes) {
      std::wstring name;
      for (const DxfItem& item : kept) {
        if (item.code == 1) name = item.text;
      }
      if (name.empty() || !written.insert(name).second) continue;
      tags_.text(0, std::string_view("CLASS"));
      std::string narrow = toUtf8(name);
      for (const DxfItem& item : kept) {
        if (item.code == 91) {
          tags_.integer(91, typeCounts_[narrow]);
        } else {
          filer_.writeItem(item);
        }
      }
    }
    for (const auto& [type, count] : typeCounts_) {
      const DxfClassInfo* info = findDxfClass(type);
      if (info == nullptr) continue;
      std::wstring name(type.begin(), type.end());
      if (!written.insert(name).second) continue;
      tags_.text(0, std::string_view("CLASS"));
      tags_.text(1, std::string_view(info->dxfName));
      tags_.text(2, std::string_view(info->className));
      tags_.text(3, std::string_view(info->appName));
      tags_.integer(90, info->proxyFlags);
      tags_.integer(91, count);
      tags_.integer(280, 0);
      tags_.integer(281, info->isEntity ? 1 : 0);
    }
    endSection();
  }

  // Objects.

  void writeObject(const AcDbObject* object) {
    filer_.beginObject(writesAnglesInDegrees(object->isA()));
    tags_.text(0, std::string_view(object->dxfName()));
    object->dxfOutFields(&filer_);
    for (const DxfItem& item : object->xDataItems()) filer_.writeItem(item);
  }

  void writeEntity(const AcDbEntity* entity) {
    writeObject(entity);
    bool announced = filer_.announcedFollowers();
    AcDbObjectIdArray followers;
    entity->subentityIds(followers);
    bool any = false;
    for (const AcDbObjectId& id : followers) {
      if (AcDbObject* follower = live(id)) {
        writeObject(follower);
        any = true;
      }
    }
    bool isPolyline = std::strcmp(entity->dxfName(), "POLYLINE") == 0;
    if (!(announced || any || isPolyline)) return;
    if (AcDbObject* end = live(entity->sequenceEndId())) {
      writeObject(end);
    } else {
      // A sequence must be closed even when its end marker was lost.
      tags_.text(0, std::string_view("SEQEND"));
      filer_.writeObjectId(330, entity->objectId());
      tags_.text(100, std::string_view("AcDbEntity"));
      tags_.text(8, entity->layerName());
    }
  }

  void writeEntitiesOf(const AcDbBlockTableRecord* record) {
    for (const AcDbObjectId& id : record->entityIds()) {
      if (AcDbEntity* entity = AcDbEntity::cast(live(id))) writeEntity(entity);
    }
  }

  // Tables.

  void writeTable(AcDbObjectId tableId) {
    auto* table = AcDbSymbolTable::cast(live(tableId));
    if (table == nullptr) return;
    filer_.beginObject();
    tags_.text(0, std::string_view("TABLE"));
    tags_.text(2, std::string_view(table->recordDxfName()));
    table->dxfOutFields(&filer_);
    for (const DxfItem& item : table->xDataItems()) filer_.writeItem(item);
    for (const AcDbObjectId& id : table->recordIds()) {
      if (AcDbObject* record = live(id)) writeObject(record);
    }
    tags_.text(0, std::string_view("ENDTAB"));
  }

  void writeTables() {
    beginSection("TABLES");
    for (AcDbObjectId id : {state_.viewportTable, state_.linetypeTable, state_.layerTable,
                            state_.textStyleTable, state_.viewTable, state_.ucsTable,
                            state_.regAppTable, state_.dimStyleTable, state_.blockTable}) {
      writeTable(id);
    }
    endSection();
  }

  // Blocks.

  void writeBlocks() {
    beginSection("BLOCKS");
    auto* table = AcDbBlockTable::cast(live(state_.blockTable));
    if (table != nullptr) {
      for (const AcDbObjectId& id : table->recordIds()) {
        auto* record = AcDbBlockTableRecord::cast(live(id));
        if (record == nullptr) continue;
        if (AcDbObject* begin = live(record->blockBeginId())) {
          writeObject(begin);
        } else {
          writeSyntheticBlockBegin(record);
        }
        // Model space and the active paper space keep their entities in ENTITIES.
        if (id != state_.modelSpace && id != state_.paperSpace) writeEntitiesOf(record);
        if (AcDbObject* end = live(record->blockEndId())) {
          writeObject(end);
        } else {
          tags_.text(0, std::string_view("ENDBLK"));
          filer_.writeObjectId(330, record->objectId());
          tags_.text(100, std::string_view("AcDbEntity"));
          tags_.text(8, std::string_view("0"));
          tags_.text(100, std::string_view("AcDbBlockEnd"));
        }
      }
    }
    endSection();
  }

  // A record built without its BLOCK object still needs one in the file.
  void writeSyntheticBlockBegin(const AcDbBlockTableRecord* record) {
    filer_.beginObject();
    tags_.text(0, std::string_view("BLOCK"));
    filer_.writeObjectId(330, record->objectId());
    tags_.text(100, std::string_view("AcDbEntity"));
    tags_.text(8, std::string_view("0"));
    tags_.text(100, std::string_view("AcDbBlockBegin"));
    tags_.text(2, record->name());
    tags_.integer(70, record->blockFlags());
    point(10, record->origin());
    tags_.text(3, record->name());
    tags_.text(1, record->pathNameText());
    if (!record->commentsText().empty()) tags_.text(4, record->commentsText());
  }

  void writeEntities() {
    beginSection("ENTITIES");
    for (AcDbObjectId id : {state_.modelSpace, state_.paperSpace}) {
      if (auto* record = AcDbBlockTableRecord::cast(live(id))) writeEntitiesOf(record);
    }
    endSection();
  }

  // Objects section.

  // An object whose owner chain reaches an erased object goes with it.
  bool ownedByErased(const AcDbObject* object) const {
    AcDbObjectId owner = object->ownerId();
    for (int depth = 0; depth < 64 && !owner.isNull(); ++depth) {
      AcDbStub* stub = owner.stub();
      if (stub->erased) return true;
      if (!stub->object) return false;
      owner = stub->object->ownerId();
    }
    return false;
  }

  // The named-object dictionary first, then the others by handle: the same drawing gives the same
  // section whatever order its objects were made in (read from a file, or completed after).
  void writeObjects() {
    beginSection("OBJECTS");
    if (AcDbObject* root = live(state_.namedObjects)) writeObject(root);
    std::vector<AcDbStub*> objects;
    for (AcDbStub* stub : nonGraphical_) {
      AcDbObject* object = stub->object.get();
      if (object == nullptr || stub->erased || AcDbObjectId(stub) == state_.namedObjects) continue;
      if (ownedByErased(object)) continue;
      objects.push_back(stub);
    }
    std::sort(objects.begin(), objects.end(),
              [](const AcDbStub* a, const AcDbStub* b) { return a->handle < b->handle; });
    for (AcDbStub* stub : objects) writeObject(stub->object.get());
    endSection();
  }

  AcDbDatabase* db_;
  DatabaseState& state_;
  DxfTagWriter& tags_;
  DxfFileOutFiler filer_;
  std::map<std::string, long> typeCounts_;
  // Objects neither entities nor tables nor records, as countTypes found them.
  std::vector<AcDbStub*> nonGraphical_;
};

}  // namespace

bool writeDrawing(AcDbDatabase* database, std::FILE* file, int precision, std::string& error) {
  DxfTagWriter tags(file);
  DrawingWriter(database, tags, precision).write();
  if (!tags.flush() || std::fflush(file) != 0) {
    error = std::strerror(errno != 0 ? errno : EIO);
    return false;
  }
  return true;
}

std::string writeDrawingToString(AcDbDatabase* database, int precision) {
  DxfTagWriter tags(nullptr);
  DrawingWriter(database, tags, precision).write();
  return tags.buffer();
}

}  // namespace dxf
