// Symbol tables and their records: blocks, layers, text styles, linetypes, registered applications,
// viewports, views, user coordinate systems and dimension styles. A table owns its records and finds
// them by name (case-insensitive); a block table record owns its entities.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "db/dbentity.h"
#include "db/dbobject.h"
#include "ge/gepnt3d.h"

#ifndef ACDB_MODEL_SPACE
#define ACDB_MODEL_SPACE L"*Model_Space"
#define ACDB_PAPER_SPACE L"*Paper_Space"
#endif

class AcDbSymbolTable;
class AcDbSymbolTableIterator;
class AcDbBlockTableRecordIterator;

// ---------------------------------------------------------------------------------------------
// Records.

class AcDbSymbolTableRecord : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);
  AcDbSymbolTableRecord();
  ~AcDbSymbolTableRecord() override;

  // A new copy of the name, which the caller frees with acutDelString.
  Acad::ErrorStatus getName(ACHAR*& name) const;
  // The record's own string, valid while the record is open and unchanged.
  Acad::ErrorStatus getName(const ACHAR*& name) const;
  // eInvalidSymbolTableName for an empty name or one with any of <>/\":;?*|,=` (a leading '*'
  // is allowed: anonymous blocks, "*Active"); eDuplicateRecordName when another record of the
  // owning table has that name.
  Acad::ErrorStatus setName(const ACHAR* name);
  // Dependent on an external reference ("XREF|NAME", flag 16).
  bool isDependent() const;
  bool isResolved() const;

  // Platform bookkeeping: the name and the standard flags (DXF 70) without the ceremony.
  const std::wstring& name() const { return name_; }
  void setNameRaw(const std::wstring& name) { name_ = name; }
  Adesk::Int16 symbolFlags() const { return flags_; }
  void setSymbolFlags(Adesk::Int16 flags) { flags_ = flags; }

  ACDB_DECLARE_FILING();
  // Writes the subclass marker, 2 name and 70 flags, as every record kind but blocks begins.
  void writeHeader(AcDbDxfFiler* filer, const wchar_t* subclass) const;

 private:
  std::wstring name_;
  Adesk::Int16 flags_ = 0;
};

// The BLOCK and ENDBLK items of a block definition in files: two entities owned by the block table
// record. The record holds the definition's data; these carry it in files and keep their handles.
class AcDbBlockBegin : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockBegin);
  AcDbBlockBegin();
  ~AcDbBlockBegin() override;

  // What a file gave for the definition (name, 70 flags, base point, 1 path, 4 description); the
  // owning record takes these values when a drawing is read.
  const std::wstring& blockName() const { return name_; }
  Adesk::Int16 blockFlags() const { return flags_; }
  const AcGePoint3d& basePoint() const { return origin_; }
  const std::wstring& pathName() const { return path_; }
  const std::wstring& comments() const { return comments_; }

  ACDB_DECLARE_FILING();

 private:
  std::wstring name_, path_, comments_;
  AcGePoint3d origin_;
  Adesk::Int16 flags_ = 0;
};

class AcDbBlockEnd : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockEnd);
  AcDbBlockEnd();
  ~AcDbBlockEnd() override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);
  AcDbBlockTableRecord();
  ~AcDbBlockTableRecord() override;

  // Adds the entity to the record's database, owned by this record (open for write), and leaves
  // it open for write for the caller to close. An entity without a layer gets the database's
  // current settings first.
  Acad::ErrorStatus appendAcDbEntity(AcDbEntity* entity);
  Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
  // Iterates the entities in order, skipping erased ones unless asked.
  Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  // Base point of the definition (drawing units).
  AcGePoint3d origin() const { return origin_; }
  Acad::ErrorStatus setOrigin(const AcGePoint3d& origin);
  // Block description (DXF 4 on BLOCK).
  Acad::ErrorStatus comments(ACHAR*& text) const;
  Acad::ErrorStatus comments(const ACHAR*& text) const;
  Acad::ErrorStatus setComments(const ACHAR* text);
  // External reference path (DXF 1 on BLOCK).
  Acad::ErrorStatus pathName(ACHAR*& path) const;
  Acad::ErrorStatus pathName(const ACHAR*& path) const;
  Acad::ErrorStatus setPathName(const ACHAR* path);

  bool isAnonymous() const;
  // Model space, paper space and the other layout blocks (*Paper_Space0…).
  bool isLayout() const;
  bool hasAttributeDefinitions() const;
  bool hasPreviewIcon() const { return false; }
  bool isFromExternalReference() const;
  bool isFromOverlayReference() const;
  bool isDynamicBlock() const { return false; }
  // Block references in the database that use this definition (erased ones left out).
  Acad::ErrorStatus getBlockReferenceIds(AcDbObjectIdArray& ids, bool directOnly = true,
                                         bool forceValidity = false) const;
  Acad::ErrorStatus getErasedBlockReferenceIds(AcDbObjectIdArray& ids);

  // The LAYOUT object of a layout block (DXF 340), null otherwise.
  AcDbObjectId getLayoutId() const { return layoutId_; }
  Acad::ErrorStatus setLayoutId(AcDbObjectId layout);

  // Insertion units (DXF 70 on BLOCK_RECORD), explodability (280) and uniform scaling (281).
  int blockInsertUnits() const { return insertUnits_; }
  Acad::ErrorStatus setBlockInsertUnits(int units);
  bool explodable() const { return explodable_; }
  Acad::ErrorStatus setExplodable(bool explodable);
  bool blockScaling() const { return uniformScaling_; }

  // Platform bookkeeping: the BLOCK and ENDBLK objects, the entity list (erased ones included) and
  // the flags of the BLOCK item (1 anonymous, 2 has attributes, 4 external reference…).
  AcDbObjectId blockBeginId() const { return beginId_; }
  AcDbObjectId blockEndId() const { return endId_; }
  void setBlockBeginIdRaw(AcDbObjectId id) { beginId_ = id; }
  void setBlockEndIdRaw(AcDbObjectId id) { endId_ = id; }
  const std::vector<AcDbObjectId>& entityIds() const { return entities_; }
  void appendEntityIdRaw(AcDbObjectId id) { entities_.push_back(id); }
  void clearEntityIdsRaw() { entities_.clear(); }
  Adesk::Int16 blockFlags() const;
  void setBlockFlagsRaw(Adesk::Int16 flags) { blockFlags_ = flags; }
  const std::wstring& commentsText() const { return comments_; }
  const std::wstring& pathNameText() const { return path_; }
  void setOriginRaw(const AcGePoint3d& origin) { origin_ = origin; }
  void setCommentsRaw(const std::wstring& text) { comments_ = text; }
  void setPathNameRaw(const std::wstring& path) { path_ = path; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  std::vector<AcDbObjectId> entities_;
  AcDbObjectId beginId_, endId_, layoutId_;
  AcGePoint3d origin_;
  std::wstring comments_, path_;
  DxfItemList otherItems_;  // kept as read (preview data 310, BLKREFS…)
  Adesk::Int16 blockFlags_ = 0;
  int insertUnits_ = 0;
  bool explodable_ = true;
  bool uniformScaling_ = false;
  bool inReferenceGroup_ = false;  // reading a 102 {BLKREFS group, which is recomputed
};

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord);
  AcDbLayerTableRecord();
  ~AcDbLayerTableRecord() override;

  // Colour index 1-255 (files store it negative when the layer is off).
  Adesk::Int16 colorIndex() const { return colorIndex_; }
  Acad::ErrorStatus setColorIndex(Adesk::Int16 index);
  bool isOff() const { return off_; }
  void setIsOff(bool off);
  bool isFrozen() const;
  Acad::ErrorStatus setIsFrozen(bool frozen);
  bool isLocked() const;
  void setIsLocked(bool locked);
  bool VPDFLT() const;
  void setVPDFLT(bool frozen);
  AcDbObjectId linetypeObjectId() const;
  Acad::ErrorStatus setLinetypeObjectId(AcDbObjectId linetype);
  AcDb::LineWeight lineWeight() const { return lineWeight_; }
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight weight);
  bool isPlottable() const { return plottable_; }
  Acad::ErrorStatus setIsPlottable(bool plottable);
  // A new copy the caller frees with acutDelString (empty when the layer has none).
  ACHAR* description() const;
  Acad::ErrorStatus setDescription(const ACHAR* text);
  AcDbObjectId plotStyleNameId() const { return plotStyle_; }
  Acad::ErrorStatus setPlotStyleName(const AcDbObjectId& id);
  AcDbObjectId materialId() const { return material_; }
  Acad::ErrorStatus setMaterialId(AcDbObjectId id);
  // True colour (DXF 420, 0xRRGGBB), -1 for none.
  Adesk::Int32 trueColor() const { return trueColor_; }
  void setTrueColor(Adesk::Int32 rgb);

  // Platform bookkeeping: a linetype name read before its table could resolve it.
  const std::wstring& pendingLinetypeName() const { return pendingLinetype_; }
  void resolvePendingLinetype(AcDbObjectId linetype);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  AcDbObjectId linetype_, plotStyle_, material_;
  std::wstring pendingLinetype_;
  DxfItemList otherItems_;
  Adesk::Int32 trueColor_ = -1;
  AcDb::LineWeight lineWeight_ = AcDb::kLnWtByLwDefault;
  Adesk::Int16 colorIndex_ = 7;
  bool off_ = false;
  bool plottable_ = true;
};

class AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTextStyleTableRecord);
  AcDbTextStyleTableRecord();
  ~AcDbTextStyleTableRecord() override;

  // Fixed height (0: asked for at each text), width factor, obliquing angle (radians), last height
  // used.
  double textSize() const { return textSize_; }
  Acad::ErrorStatus setTextSize(double size);
  double xScale() const { return xScale_; }
  Acad::ErrorStatus setXScale(double scale);
  double obliquingAngle() const { return oblique_; }
  Acad::ErrorStatus setObliquingAngle(double angle);
  double priorSize() const { return priorSize_; }
  Acad::ErrorStatus setPriorSize(double size);
  // Text generation flags (DXF 71: 2 backwards, 4 upside down).
  Adesk::UInt8 flagBits() const { return generation_; }
  void setFlagBits(Adesk::UInt8 flags);
  bool isShapeFile() const;
  void setIsShapeFile(bool shape);
  bool isVertical() const;
  void setIsVertical(bool vertical);
  Acad::ErrorStatus fileName(ACHAR*& name) const;
  Acad::ErrorStatus fileName(const ACHAR*& name) const;
  Acad::ErrorStatus setFileName(const ACHAR* name);
  Acad::ErrorStatus bigFontFileName(ACHAR*& name) const;
  Acad::ErrorStatus bigFontFileName(const ACHAR*& name) const;
  Acad::ErrorStatus setBigFontFileName(const ACHAR* name);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  std::wstring fileName_, bigFont_;
  DxfItemList otherItems_;
  double textSize_ = 0.0, xScale_ = 1.0, oblique_ = 0.0, priorSize_ = 2.5;
  Adesk::UInt8 generation_ = 0;
};

class AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTableRecord);
  AcDbLinetypeTableRecord();
  ~AcDbLinetypeTableRecord() override;

  // The description shown to users ("Dashed __ __ __", DXF 3).
  Acad::ErrorStatus comments(ACHAR*& text) const;
  Acad::ErrorStatus comments(const ACHAR*& text) const;
  Acad::ErrorStatus setComments(const ACHAR* text);
  Acad::ErrorStatus asciiDescription(ACHAR*& text) const { return comments(text); }
  Acad::ErrorStatus asciiDescription(const ACHAR*& text) const { return comments(text); }
  Acad::ErrorStatus setAsciiDescription(const ACHAR* text) { return setComments(text); }
  // Total pattern length (drawing units), dashes (positive), gaps (negative), dots (0).
  double patternLength() const { return patternLength_; }
  Acad::ErrorStatus setPatternLength(double length);
  int numDashes() const { return static_cast<int>(dashes_.size()); }
  Acad::ErrorStatus setNumDashes(int count);
  double dashLengthAt(int index) const;
  Acad::ErrorStatus setDashLengthAt(int index, double length);
  // Shape or text embedded in a dash (DXF 74 flags, 75 shape number, 340 style, 46 scale,
  // 50 rotation, 44/45 offset, 9 text).
  int shapeFlagsAt(int index) const;
  int shapeNumberAt(int index) const;
  AcDbObjectId shapeStyleAt(int index) const;
  double shapeScaleAt(int index) const;
  double shapeRotationAt(int index) const;
  Acad::ErrorStatus textAt(int index, const ACHAR*& text) const;
  bool isScaledToFit() const { return alignment_ == 83; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  struct Dash {
    double length = 0.0;
    int flags = 0;
    int shapeNumber = 0;
    AcDbObjectId style;
    double scale = 1.0, rotation = 0.0, offsetX = 0.0, offsetY = 0.0;
    std::wstring text;
  };
  const Dash* dashAt(int index) const;
  std::wstring comments_;
  std::vector<Dash> dashes_;
  DxfItemList otherItems_;
  double patternLength_ = 0.0;
  int alignment_ = 65;  // 'A'
};

class AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegAppTableRecord);
  AcDbRegAppTableRecord();
  ~AcDbRegAppTableRecord() override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  DxfItemList otherItems_;
};

// Records that model their name and flags and keep the rest of their items as read.
class AcDbRawSymbolTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRawSymbolTableRecord);
  AcDbRawSymbolTableRecord();
  ~AcDbRawSymbolTableRecord() override;
  // Platform bookkeeping: the items after 2 and 70, as read or as built by code.
  const DxfItemList& otherItems() const { return otherItems_; }
  void setOtherItems(DxfItemList items) { otherItems_ = std::move(items); }
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();
  virtual const wchar_t* subclassMarker() const = 0;

 private:
  DxfItemList otherItems_;
};

class AcDbViewportTableRecord : public AcDbRawSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbViewportTableRecord);
  AcDbViewportTableRecord();
  ~AcDbViewportTableRecord() override;

 protected:
  const wchar_t* subclassMarker() const override { return L"AcDbViewportTableRecord"; }
};

class AcDbViewTableRecord : public AcDbRawSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbViewTableRecord);
  AcDbViewTableRecord();
  ~AcDbViewTableRecord() override;

 protected:
  const wchar_t* subclassMarker() const override { return L"AcDbViewTableRecord"; }
};

class AcDbUCSTableRecord : public AcDbRawSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbUCSTableRecord);
  AcDbUCSTableRecord();
  ~AcDbUCSTableRecord() override;

 protected:
  const wchar_t* subclassMarker() const override { return L"AcDbUCSTableRecord"; }
};

// Dimension styles write their handle with 105 instead of 5.
class AcDbDimStyleTableRecord : public AcDbRawSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimStyleTableRecord);
  AcDbDimStyleTableRecord();
  ~AcDbDimStyleTableRecord() override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  const wchar_t* subclassMarker() const override { return L"AcDbDimStyleTableRecord"; }
};

// ---------------------------------------------------------------------------------------------
// Iterators. Each walks the records (or entities) as they were when it started; erased ones are
// skipped when asked.

class AcDbSymbolTableIterator {
 public:
  virtual ~AcDbSymbolTableIterator();
  AcDbSymbolTableIterator(const AcDbSymbolTableIterator&) = delete;
  AcDbSymbolTableIterator& operator=(const AcDbSymbolTableIterator&) = delete;

  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
  Acad::ErrorStatus getRecord(AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                              bool openErased = false) const;
  Acad::ErrorStatus seek(AcDbObjectId id);

  // Platform: iterator over a table's records.
  AcDbSymbolTableIterator(const AcDbSymbolTable* table, bool atBeginning, bool skipDeleted);

 private:
  void skip(bool forward, bool skipDeleted);
  std::vector<AcDbObjectId> ids_;
  long position_ = 0;
};

#define ACDB_TYPED_TABLE_ITERATOR(ITERATOR, RECORD)                                             \
  class ITERATOR : public AcDbSymbolTableIterator {                                             \
   public:                                                                                      \
    using AcDbSymbolTableIterator::AcDbSymbolTableIterator;                                     \
    using AcDbSymbolTableIterator::getRecord;                                                   \
    Acad::ErrorStatus getRecord(RECORD*& record, AcDb::OpenMode mode,                           \
                                bool openErased = false) const {                                \
      record = nullptr;                                                                         \
      AcDbObjectId id;                                                                          \
      Acad::ErrorStatus es = getRecordId(id);                                                   \
      return es == Acad::eOk ? acdbOpenObject(record, id, mode, openErased) : es;               \
    }                                                                                           \
  }

ACDB_TYPED_TABLE_ITERATOR(AcDbBlockTableIterator, AcDbBlockTableRecord);
ACDB_TYPED_TABLE_ITERATOR(AcDbLayerTableIterator, AcDbLayerTableRecord);
ACDB_TYPED_TABLE_ITERATOR(AcDbTextStyleTableIterator, AcDbTextStyleTableRecord);
ACDB_TYPED_TABLE_ITERATOR(AcDbLinetypeTableIterator, AcDbLinetypeTableRecord);
ACDB_TYPED_TABLE_ITERATOR(AcDbRegAppTableIterator, AcDbRegAppTableRecord);
ACDB_TYPED_TABLE_ITERATOR(AcDbViewportTableIterator, AcDbViewportTableRecord);
ACDB_TYPED_TABLE_ITERATOR(AcDbViewTableIterator, AcDbViewTableRecord);
ACDB_TYPED_TABLE_ITERATOR(AcDbUCSTableIterator, AcDbUCSTableRecord);
ACDB_TYPED_TABLE_ITERATOR(AcDbDimStyleTableIterator, AcDbDimStyleTableRecord);

class AcDbBlockTableRecordIterator {
 public:
  ~AcDbBlockTableRecordIterator();
  AcDbBlockTableRecordIterator(const AcDbBlockTableRecordIterator&) = delete;
  AcDbBlockTableRecordIterator& operator=(const AcDbBlockTableRecordIterator&) = delete;

  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getEntityId(AcDbObjectId& id) const;
  Acad::ErrorStatus getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                              bool openErased = false) const;
  Acad::ErrorStatus seek(AcDbObjectId id);
  Acad::ErrorStatus seek(const AcDbEntity* entity);
  Acad::ErrorStatus blockTableRecord(AcDbBlockTableRecord*& record, AcDb::OpenMode mode,
                                     bool openErased = false) const;

  // Platform: iterator over a record's entities.
  AcDbBlockTableRecordIterator(const AcDbBlockTableRecord* record, bool atBeginning,
                               bool skipDeleted);

 private:
  void skip(bool forward, bool skipDeleted);
  AcDbObjectId record_;
  std::vector<AcDbObjectId> ids_;
  long position_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Tables.

class AcDbSymbolTable : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTable);
  AcDbSymbolTable();
  ~AcDbSymbolTable() override;

  // The record of that name (case-insensitive); erased records only when asked.
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbObjectId& id, bool getErasedRecord = false) const;
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                          bool openErasedRecord = false) const;
  bool has(const ACHAR* name) const;
  bool has(AcDbObjectId id) const;
  // Adds a new record (with a valid name not yet used) to the table's database; the record stays
  // open for write for the caller to close. The table must be open for write.
  Acad::ErrorStatus add(AcDbSymbolTableRecord* record);
  Acad::ErrorStatus add(AcDbObjectId& id, AcDbSymbolTableRecord* record);
  Acad::ErrorStatus newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  // Platform bookkeeping. The record type name in files ("LAYER"), which is also the table's name
  // in the TABLES section; the records in order (erased ones included); adding a record read from
  // a file.
  virtual const char* recordDxfName() const = 0;
  virtual AcRxClass* recordClass() const = 0;
  const std::vector<AcDbObjectId>& recordIds() const { return records_; }
  void appendRecordIdRaw(AcDbObjectId id);
  void removeRecordIdRaw(AcDbObjectId id);
  // A new empty table for a record type name ("LAYER", "BLOCK_RECORD"…), or null.
  static AcDbSymbolTable* createForRecordType(const char* recordDxfName);

  ACDB_DECLARE_FILING();
  Acad::ErrorStatus addRecord(AcDbObjectId* id, AcDbSymbolTableRecord* record);

 private:
  struct NameIndex;
  const NameIndex& nameIndex() const;

  std::vector<AcDbObjectId> records_;
  // Folded name -> records of that name, rebuilt when records come or go or any record is renamed;
  // readers look up every entity's layer by name, so a scan per lookup would not do.
  mutable std::unique_ptr<NameIndex> index_;
  unsigned long long changes_ = 0;
};

// The typed interface every concrete table adds: getAt, add and newIterator with its own record
// and iterator types.
#define ACDB_TYPED_TABLE_MEMBERS(RECORD, ITERATOR)                                               \
  using AcDbSymbolTable::getAt;                                                                  \
  using AcDbSymbolTable::add;                                                                    \
  using AcDbSymbolTable::newIterator;                                                            \
  Acad::ErrorStatus getAt(const ACHAR* name, RECORD*& record, AcDb::OpenMode mode,               \
                          bool openErasedRecord = false) const {                                 \
    record = nullptr;                                                                            \
    AcDbObjectId id;                                                                             \
    Acad::ErrorStatus es = getAt(name, id, openErasedRecord);                                    \
    return es == Acad::eOk ? acdbOpenObject(record, id, mode, openErasedRecord) : es;            \
  }                                                                                              \
  Acad::ErrorStatus add(RECORD* record) { return addRecord(nullptr, record); }                   \
  Acad::ErrorStatus add(AcDbObjectId& id, RECORD* record) { return addRecord(&id, record); }     \
  Acad::ErrorStatus newIterator(ITERATOR*& iterator, bool atBeginning = true,                    \
                                bool skipDeleted = true) const {                                 \
    iterator = new ITERATOR(this, atBeginning, skipDeleted);                                     \
    return Acad::eOk;                                                                            \
  }                                                                                              \
  AcRxClass* recordClass() const override { return RECORD::desc(); }

class AcDbBlockTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTable);
  ACDB_TYPED_TABLE_MEMBERS(AcDbBlockTableRecord, AcDbBlockTableIterator)
  const char* recordDxfName() const override { return "BLOCK_RECORD"; }
};

class AcDbLayerTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTable);
  ACDB_TYPED_TABLE_MEMBERS(AcDbLayerTableRecord, AcDbLayerTableIterator)
  const char* recordDxfName() const override { return "LAYER"; }
};

class AcDbTextStyleTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTextStyleTable);
  ACDB_TYPED_TABLE_MEMBERS(AcDbTextStyleTableRecord, AcDbTextStyleTableIterator)
  const char* recordDxfName() const override { return "STYLE"; }
};

class AcDbLinetypeTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTable);
  ACDB_TYPED_TABLE_MEMBERS(AcDbLinetypeTableRecord, AcDbLinetypeTableIterator)
  const char* recordDxfName() const override { return "LTYPE"; }
};

class AcDbRegAppTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegAppTable);
  ACDB_TYPED_TABLE_MEMBERS(AcDbRegAppTableRecord, AcDbRegAppTableIterator)
  const char* recordDxfName() const override { return "APPID"; }
};

class AcDbViewportTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbViewportTable);
  ACDB_TYPED_TABLE_MEMBERS(AcDbViewportTableRecord, AcDbViewportTableIterator)
  const char* recordDxfName() const override { return "VPORT"; }
};

class AcDbViewTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbViewTable);
  ACDB_TYPED_TABLE_MEMBERS(AcDbViewTableRecord, AcDbViewTableIterator)
  const char* recordDxfName() const override { return "VIEW"; }
};

class AcDbUCSTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbUCSTable);
  ACDB_TYPED_TABLE_MEMBERS(AcDbUCSTableRecord, AcDbUCSTableIterator)
  const char* recordDxfName() const override { return "UCS"; }
};

// The DIMSTYLE table adds its own subclass marker after the count.
class AcDbDimStyleTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimStyleTable);
  ACDB_TYPED_TABLE_MEMBERS(AcDbDimStyleTableRecord, AcDbDimStyleTableIterator)
  const char* recordDxfName() const override { return "DIMSTYLE"; }
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};
