// Sections of a drawing file: structure, header, classes, tables and non-graphical objects.
#include "dxf/dxf_reader.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "db/database_state.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "db/well_known.h"
#include "dxf/dxf_binary.h"
#include "dxf/dxf_drawing_reader.h"
#include "dxf/dxf_error.h"
#include "dxf/dxf_in_filer.h"
#include "dxf/dxf_messages.h"
#include "dxf/dxf_numbers.h"

namespace dxf {

namespace {

bool isGraphicalSection(std::string_view name) {
  return name == "TABLES" || name == "BLOCKS" || name == "ENTITIES" || name == "OBJECTS";
}

}  // namespace

DrawingReader::DrawingReader(AcDbDatabase* database, std::string_view text, bool releasableText)
    : db_(database),
      state_(database->state()),
      text_(text),
      tokens_(text),
      context_(database),
      releasableText_(releasableText) {}

void DrawingReader::releaseReadText() {
  // Whole pages well behind the current object, a few megabytes at a time. A page read again later
  // (a name seen early) comes back from the file: the mapping is private and never written.
  constexpr size_t kStep = size_t(2) << 20;
  const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
  size_t upTo = typeToken_.value.data() - text_.data();
  if (upTo < releasedUpTo_ + kStep + page) return;
  uintptr_t begin = reinterpret_cast<uintptr_t>(text_.data()) + releasedUpTo_;
  uintptr_t end = reinterpret_cast<uintptr_t>(text_.data()) + upTo - page;
  begin = (begin + page - 1) / page * page;
  end = end / page * page;
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
  releasedUpTo_ = upTo - page;
}

// A first pass over the whole text finds the handles the file gives its objects, so that a
// reference to a handle no object has is known as soon as it is read; it also finds the damage
// that stops a read (odd codes, a truncated pair) before anything is built.
void DrawingReader::scanHandles() {
  DxfTokenizer scan(text_);
  DxfToken token;
  std::string_view section, type;
  bool expectName = false, inObject = false, done = false;
  bool any = false;
  while (scan.next(token)) {
    any = true;
    if (token.code == 0) {
      type = trimBlanks(token.value);
      if (type == "EOF") break;  // what follows the end is never read
      expectName = type == "SECTION";
      inObject = !expectName && isGraphicalSection(section) && type != "ENDSEC";
      done = false;
      if (type == "ENDSEC") section = {};
      continue;
    }
    if (expectName) {
      if (token.code == 2) section = trimBlanks(token.value);
      expectName = false;
      continue;
    }
    if (!inObject || done) continue;
    if (token.code == 100) {
      done = true;
      continue;
    }
    bool isDimStyle = type == "DIMSTYLE";
    if ((token.code == 5 && !isDimStyle) || (token.code == 105 && isDimStyle)) {
      std::uint64_t handle = 0;
      if (parseHandle(token.value, handle) && handle != 0) {
        context_.defineHandle(handle);
        context_.noteLargestHandle(handle);
      }
      done = true;
    }
  }
  if (!any) throw DxfReadError(Acad::eDxfReadAborted, 0, msg::emptyFile());
  context_.sealDefinitions();
  // Every handle of the file gets its slot: the index is made the right size once.
  state_.byHandle.reserve(state_.byHandle.size() + context_.definedCount());
}

bool DrawingReader::nextObject() {
  if (replay_) {
    replay_ = false;
    return true;
  }
  DxfToken token;
  if (!tokens_.next(token)) return false;
  if (token.code != 0) {
    // Items before any "0" line: the structure is broken.
    throw DxfReadError(Acad::eBadDxfSequence, token.line, msg::expectedSection(trimBlanks(token.value)));
  }
  typeToken_ = token;
  type_ = trimBlanks(token.value);
  if (releasableText_) releaseReadText();
  object_.clear();
  while (tokens_.next(token)) {
    if (token.code == 0) {
      tokens_.pushBack();
      break;
    }
    object_.push_back(token);
  }
  return true;
}

void DrawingReader::unexpectedEnd(std::string_view where) const {
  throw DxfReadError(Acad::eDxfReadAborted, tokens_.line() - 1, msg::unexpectedEnd(where));
}

bool DrawingReader::sectionEnds() {
  if (typeIs("ENDSEC")) return true;
  if (typeIs("SECTION") || typeIs("EOF")) {
    // The section lacked its ENDSEC: close it and let the structure loop see this line again.
    context_.warn(typeToken_.line, msg::missingEndsec(section_));
    replay_ = true;
    return true;
  }
  return false;
}

void DrawingReader::read() {
  scanHandles();
  if (context_.largestDefinedHandle() + 1 > state_.nextHandle) {
    state_.nextHandle = context_.largestDefinedHandle() + 1;
  }
  bool anySection = false;
  while (nextObject()) {
    if (typeIs("EOF")) {
      sawEof_ = true;
      break;
    }
    if (!typeIs("SECTION")) {
      throw DxfReadError(Acad::eBadDxfSequence, typeToken_.line, msg::expectedSection(type_));
    }
    std::string_view name;
    if (!object_.empty() && object_[0].code == 2) name = trimBlanks(object_[0].value);
    anySection = true;
    section_ = name;
    readSection(name);
  }
  if (!anySection) throw DxfReadError(Acad::eDxfReadAborted, 0, msg::emptyFile());
  if (!sawEof_) context_.warn(tokens_.line() - 1, msg::missingEof());
  finish();
}

void DrawingReader::readSection(std::string_view name) {
  if (name == "HEADER") {
    readHeader();
  } else if (name == "CLASSES") {
    readClasses();
  } else if (name == "TABLES") {
    readTables();
  } else if (name == "BLOCKS") {
    readBlocks();
  } else if (name == "ENTITIES") {
    readEntities();
  } else if (name == "OBJECTS") {
    readObjects();
  } else {
    if (name == "THUMBNAILIMAGE" || name == "ACDSDATA") {
      context_.warn(typeToken_.line, msg::sectionSkipped(name));
    } else {
      context_.warn(typeToken_.line, msg::unknownSectionSkipped(name));
    }
    skipSection();
  }
}

void DrawingReader::skipSection() {
  std::string where = "section " + std::string(section_);
  while (true) {
    if (!nextObject()) unexpectedEnd(where);
    if (sectionEnds()) return;
  }
}

// Header: the section's own items, a run of "9 $NAME" each followed by its value items.

void DrawingReader::readHeader() {
  std::vector<DxfToken> items(object_.begin() + 1, object_.end());
  PendingHeaderNames names;
  size_t i = 0;
  while (i < items.size()) {
    if (items[i].code != 9) {
      context_.warn(items[i].line, msg::headerValueSkipped(items[i].code));
      ++i;
      continue;
    }
    std::string name(trimBlanks(items[i].value));
    size_t first = ++i;
    while (i < items.size() && items[i].code != 9) ++i;
    DxfFileInFiler filer(context_, items.data() + first, i - first);
    HeaderVariable variable;
    variable.name = name;
    DxfItem item;
    // A variable has one value (a point is one item); more means a lost "9 $NAME" line, and the
    // values after the first belong to no variable we know.
    while (filer.readItem(item) == Acad::eOk) {
      if (variable.items.empty()) {
        variable.items.push_back(item);
      } else {
        context_.warn(filer.currentLine(), msg::headerValueSkipped(item.code));
      }
    }
    if (!applyHeaderVariable(variable, names)) state_.otherHeaderVariables.push_back(std::move(variable));
  }
  setPendingHeaderNames(db_, names);
  while (true) {
    if (!nextObject()) unexpectedEnd("section HEADER");
    if (sectionEnds()) return;
    context_.warn(typeToken_.line, msg::objectSkipped(type_));
  }
}

bool DrawingReader::applyHeaderVariable(const HeaderVariable& variable, PendingHeaderNames& names) {
  if (variable.items.empty()) return false;
  const DxfItem& value = variable.items.front();
  const std::string& name = variable.name;
  if (name == "$ACADVER") {
    // R2007 (AC1021) and later files are UTF-8 whatever their code page says.
    std::string version(value.text.begin(), value.text.end());
    if (version >= "AC1021") context_.decoder().setUtf8();
    return false;
  }
  if (name == "$DWGCODEPAGE") {
    if (!context_.decoder().isUtf8()) {
      std::string page(value.text.begin(), value.text.end());
      context_.decoder().setCodePage(page);
    }
    return false;
  }
  if (name == "$HANDSEED" && value.kind == DxfKind::kHandle) {
    auto seed = static_cast<Adesk::UInt64>(value.integer);
    if (seed > state_.nextHandle) state_.nextHandle = seed;
    return true;
  }
  if (name == "$CLAYER" && value.kind == DxfKind::kString) names.clayer = value.text;
  else if (name == "$TEXTSTYLE" && value.kind == DxfKind::kString) names.textstyle = value.text;
  else if (name == "$CELTYPE" && value.kind == DxfKind::kString) names.celtype = value.text;
  else if (name == "$CECOLOR" && value.kind == DxfKind::kInt) state_.cecolor = static_cast<int>(value.integer);
  else if (name == "$TEXTSIZE" && value.kind == DxfKind::kReal) state_.textsize = value.real;
  else if (name == "$MIRRTEXT" && value.kind == DxfKind::kInt) state_.mirrtext = value.integer != 0;
  else if (name == "$INSUNITS" && value.kind == DxfKind::kInt) state_.insunits = static_cast<int>(value.integer);
  else if ((name == "$INSBASE" || name == "$EXTMIN" || name == "$EXTMAX") && value.kind == DxfKind::kPoint) {
    AcGePoint3d point(value.point[0], value.point[1], value.point[2]);
    (name == "$INSBASE" ? state_.insbase : name == "$EXTMIN" ? state_.extmin : state_.extmax) = point;
  } else {
    return false;
  }
  return true;
}

// Classes: kept as read, written back.

void DrawingReader::readClasses() {
  while (true) {
    if (!nextObject()) unexpectedEnd("section CLASSES");
    if (sectionEnds()) return;
    if (!typeIs("CLASS")) {
      context_.warn(typeToken_.line, msg::objectSkipped(type_));
      continue;
    }
    DxfFileInFiler filer(context_, object_.data(), object_.size());
    DxfItemList items;
    DxfItem item;
    while (filer.readItem(item) == Acad::eOk) items.push_back(item);
    state_.classes.push_back(std::move(items));
  }
}

// Tables: each TABLE object, then its records up to ENDTAB.

void DrawingReader::readTables() {
  sawTables_ = true;
  while (true) {
    if (!nextObject()) unexpectedEnd("section TABLES");
    if (sectionEnds()) return;
    if (typeIs("TABLE")) {
      readTable();
    } else {
      context_.warn(typeToken_.line, msg::objectSkipped(type_));
    }
  }
}

void DrawingReader::readTable() {
  std::string name;
  for (const DxfToken& token : object_) {
    if (token.code == 2) {
      name = std::string(trimBlanks(token.value));
      break;
    }
  }
  AcDbObjectId* slot = tableSlot(name);
  AcDbSymbolTable* table = nullptr;
  if (slot == nullptr) {
    context_.warn(typeToken_.line, msg::unknownTableSkipped(name));
  } else if (auto* existing = AcDbSymbolTable::cast(slot->isNull() ? nullptr : slot->stub()->object.get())) {
    table = existing;  // a second TABLE of the same kind adds its records to the first
  } else {
    std::unique_ptr<AcDbSymbolTable> created(AcDbSymbolTable::createForRecordType(name.c_str()));
    if (created) {
      table = created.get();
      *slot = placeAndRead(created.release());
    }
  }
  while (true) {
    if (!nextObject()) unexpectedEnd("table " + name);
    if (typeIs("ENDTAB")) return;
    if (typeIs("TABLE") || typeIs("ENDSEC") || typeIs("SECTION") || typeIs("EOF")) {
      context_.warn(typeToken_.line, msg::missingEndtab(name));
      replay_ = true;
      return;
    }
    if (table == nullptr) continue;  // the records of a table we could not keep (reported)
    AcRxClass* cls = AcRxClass::findByDxfName(std::string(type_).c_str());
    if (cls == nullptr || !cls->isDerivedFrom(table->recordClass())) {
      context_.warn(typeToken_.line, msg::objectSkipped(type_));
      continue;
    }
    auto* record = static_cast<AcDbObject*>(cls->create());
    if (record == nullptr) continue;
    AcDbObjectId id = placeAndRead(record);
    record->setOwnerIdRaw(table->objectId());
    table->appendRecordIdRaw(id);
  }
}

AcDbObjectId* DrawingReader::tableSlot(const std::string& name) {
  if (name == "VPORT") return &state_.viewportTable;
  if (name == "LTYPE") return &state_.linetypeTable;
  if (name == "LAYER") return &state_.layerTable;
  if (name == "STYLE") return &state_.textStyleTable;
  if (name == "VIEW") return &state_.viewTable;
  if (name == "UCS") return &state_.ucsTable;
  if (name == "APPID") return &state_.regAppTable;
  if (name == "DIMSTYLE") return &state_.dimStyleTable;
  if (name == "BLOCK_RECORD") return &state_.blockTable;
  return nullptr;
}

// Objects: every non-graphical object, the named-object dictionary first.

void DrawingReader::readObjects() {
  bool first = true;
  while (true) {
    if (!nextObject()) unexpectedEnd("section OBJECTS");
    if (sectionEnds()) return;
    AcDbObject* object = createObject(false);
    if (object == nullptr) continue;
    AcDbObjectId id = placeAndRead(object);
    if (first && typeIs("DICTIONARY") && state_.namedObjects.isNull()) state_.namedObjects = id;
    first = false;
  }
}

void DrawingReader::finish() {
  resolveWellKnownObjects(db_);
  dropSelfInsertions();
  for (const auto& [type, counted] : droppedOldEntities_) {
    context_.warn(counted.second, msg::oldEntitiesDropped(type, counted.first));
  }
}

}  // namespace dxf

namespace dxf {

void readDrawing(AcDbDatabase* database, std::string_view text, std::vector<std::string>& warnings,
                 bool releasableText) {
  std::string fromBinary;
  if (isBinaryDrawing(text)) {
    fromBinary = binaryDrawingToText(text);
    text = fromBinary;
    releasableText = false;
  }
  DrawingReader reader(database, text, releasableText);
  try {
    reader.read();
  } catch (...) {
    warnings = std::move(reader.warnings());
    throw;
  }
  warnings = std::move(reader.warnings());
}

}  // namespace dxf
