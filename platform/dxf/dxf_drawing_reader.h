// The drawing reader's state across sections. Internal to the reader's sources.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "db/dbid.h"
#include "dxf/dxf_read_context.h"
#include "dxf/dxf_tokenizer.h"

class AcDbDatabase;
class AcDbEntity;
class AcDbObject;
class AcRxClass;
struct DatabaseState;
struct HeaderVariable;
struct PendingHeaderNames;

namespace dxf {

class DrawingReader {
 public:
  DrawingReader(AcDbDatabase* database, std::string_view text, bool releasableText = false);
  void read();
  std::vector<std::string>& warnings() { return context_.warnings(); }

 private:
  // Structure (dxf_reader.cpp).
  void scanHandles();
  // The next "0 TYPE" line and the object's items after it (into object_). False at the end of the
  // text.
  bool nextObject();
  bool typeIs(std::string_view name) const { return type_ == name; }
  // Closes a section: true on ENDSEC; on SECTION or EOF the section lacked its ENDSEC (repaired).
  bool sectionEnds();
  [[noreturn]] void unexpectedEnd(std::string_view where) const;
  void readSection(std::string_view name);
  void skipSection();
  void readHeader();
  // Applies a variable the database models; false for the others, which are kept as read.
  bool applyHeaderVariable(const HeaderVariable& variable, PendingHeaderNames& names);
  void readClasses();
  void readTables();
  void readTable();
  // The database's slot for a table of that record type, or null for an unknown table.
  AcDbObjectId* tableSlot(const std::string& name);
  void readObjects();
  void finish();

  // Objects (dxf_read_objects.cpp).
  // The handle the file gives the current object, 0 when it has none.
  std::uint64_t handleOfObject() const;
  // Puts the object in its slot (by the file's handle, or a new one) and reads its items.
  AcDbObjectId placeAndRead(AcDbObject* object);
  AcDbObjectId placeNew(AcDbObject* object);
  AcDbObject* createObject(bool entity);
  bool hasItem(int code, std::int64_t value) const;
  std::int64_t intItem(int code, std::int64_t fallback) const;

  // Entities and their followers (dxf_read_entities.cpp).
  AcDbObject* createEntity();
  void prepareForEntities();
  void readBlocks();
  // Reads the current entity; returns its id when it goes into the container (followers and
  // skipped entities give null).
  AcDbObjectId readEntity();
  void closeSequence(bool repaired);
  void readEntities();
  // Drops the references of block definitions that would make a block insert itself.
  void dropSelfInsertions();

  AcDbDatabase* db_;
  DatabaseState& state_;
  std::string_view text_;
  DxfTokenizer tokens_;
  DxfReadContext context_;

  // Current object.
  DxfToken typeToken_;
  std::string_view type_;
  std::vector<DxfToken> object_;

  std::string_view section_;
  bool sawTables_ = false;
  bool sawEof_ = false;
  bool replay_ = false;  // the current object is read again by the next nextObject()
  bool releasableText_;
  size_t releasedUpTo_ = 0;  // offset of the text below which its pages were given back
  void releaseReadText();

  // The entity whose followers (ATTRIB, VERTEX) are being read, until its SEQEND.
  struct Sequence {
    AcDbObjectId parent;
    std::string parentType;
    std::string followerType;
    int line = 0;
  } sequence_;

  // Each reference read inside a block definition, with its definition and its line.
  struct NestedInsert {
    AcDbObjectId reference;
    AcDbObjectId container;
    int line = 0;
  };
  std::vector<NestedInsert> nestedInserts_;
  // Entities of kinds not modelled, without subclass markers: how many of each, and the first line.
  std::map<std::string, std::pair<int, int>> droppedOldEntities_;
};

}  // namespace dxf
