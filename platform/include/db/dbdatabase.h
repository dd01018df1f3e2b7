// AcDbDatabase: one drawing in memory. It owns every object of the drawing, gives out ids and
// handles, and reads and writes drawing files (DXF; a ".dwg" name is read as a drawing file).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "db/acadstrc.h"
#include "db/acdb.h"
#include "db/dbid.h"
#include "db/dbtag.h"

class AcDbObject;
class AcDbDatabaseReactor;
class UndoJournal;
class AcDbBlockTable;
class AcDbLayerTable;
class AcDbTextStyleTable;
class AcDbLinetypeTable;
class AcDbRegAppTable;
class AcDbViewportTable;
class AcDbViewTable;
class AcDbUCSTable;
class AcDbDimStyleTable;
class AcDbSymbolTable;
class AcDbDictionary;
class AcGePoint3d;
struct DatabaseState;

// What reading a drawing file repaired or skipped, one line each ("line 120: …").
struct DrawingReadReport {
  std::vector<std::string> warnings;
};

class AcDbDatabase {
 public:
  // A database with the contents of a new drawing (layer "0", linetypes ByBlock, ByLayer and
  // Continuous, text style "Standard", model and paper space, the named-object dictionary with
  // its group dictionary), or an empty one to be filled by a reader.
  explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
  ~AcDbDatabase();
  AcDbDatabase(const AcDbDatabase&) = delete;
  AcDbDatabase& operator=(const AcDbDatabase&) = delete;

  // Reactors told of what happens to the objects (db/dbreactor.h); the database does not own them.
  void addReactor(AcDbDatabaseReactor* reactor) const;
  void removeReactor(AcDbDatabaseReactor* reactor) const;

  // Objects.
  Acad::ErrorStatus addAcDbObject(AcDbObjectId& id, AcDbObject* object);
  Acad::ErrorStatus addAcDbObject(AcDbObject* object);
  Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound, const AcDbHandle& handle,
                                    Adesk::UInt32 xRefId = 0);
  AcDbHandle handseed() const;

  // Symbol tables.
  Acad::ErrorStatus getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getTextStyleTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getLinetypeTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getRegAppTable(AcDbRegAppTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getViewportTable(AcDbViewportTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getViewTable(AcDbViewTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getUCSTable(AcDbUCSTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getDimStyleTable(AcDbDimStyleTable*& table, AcDb::OpenMode mode);
  AcDbObjectId blockTableId() const;
  AcDbObjectId layerTableId() const;
  AcDbObjectId textStyleTableId() const;
  AcDbObjectId linetypeTableId() const;
  AcDbObjectId regAppTableId() const;
  AcDbObjectId viewportTableId() const;
  AcDbObjectId viewTableId() const;
  AcDbObjectId UCSTableId() const;
  AcDbObjectId dimStyleTableId() const;

  // Dictionaries.
  Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode);
  Acad::ErrorStatus getGroupDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode);
  AcDbObjectId namedObjectsDictionaryId() const;
  AcDbObjectId groupDictionaryId() const;

  // Well-known records and current settings.
  AcDbObjectId modelSpaceId() const;
  AcDbObjectId paperSpaceId() const;
  AcDbObjectId layerZero() const;
  AcDbObjectId byLayerLinetype() const;
  AcDbObjectId byBlockLinetype() const;
  AcDbObjectId continuousLinetype() const;
  AcDbObjectId clayer() const;
  Acad::ErrorStatus setClayer(AcDbObjectId layer);
  AcDbObjectId textstyle() const;
  Acad::ErrorStatus setTextstyle(AcDbObjectId style);
  AcDbObjectId celtype() const;
  Acad::ErrorStatus setCeltype(AcDbObjectId linetype);
  int cecolorIndex() const;
  void setCecolorIndex(int colorIndex);
  double textsize() const;
  Acad::ErrorStatus setTextsize(double size);
  bool mirrtext() const;
  void setMirrtext(bool mirror);
  AcGePoint3d insbase() const;
  Acad::ErrorStatus setInsbase(const AcGePoint3d& base);
  AcGePoint3d extmin() const;
  AcGePoint3d extmax() const;
  // Recomputes EXTMIN/EXTMAX from the entities of model space.
  Acad::ErrorStatus updateExt(bool doBestFit = false);
  int insunits() const;
  void setInsunits(int units);

  // Block insertion. Copies the whole of another drawing as a new block definition named
  // blockName (its model space becomes the block's entities; layers, styles, linetypes and other
  // blocks it uses come along, existing names keep their definitions here). The source drawing is
  // left intact.
  Acad::ErrorStatus insert(AcDbObjectId& blockId, const ACHAR* blockName, AcDbDatabase* source,
                           bool preserveSourceDatabase = true);

  // Files. readDwgFile reads a drawing file: a name ending in ".dwg" that does not exist is looked
  // for with ".dxf" instead. dxfIn reads a DXF file into this (empty) database. saveAs and dxfOut
  // write DXF R2007; saveAs writes beside the target and then renames it into place.
  Acad::ErrorStatus readDwgFile(const ACHAR* fileName);
  Acad::ErrorStatus dxfIn(const ACHAR* fileName, const ACHAR* logFileName = nullptr);
  Acad::ErrorStatus dxfOut(const ACHAR* fileName, int precision = 16,
                           AcDb::AcDbDwgVersion version = AcDb::kDHL_CURRENT);
  Acad::ErrorStatus saveAs(const ACHAR* fileName);
  Acad::ErrorStatus getFilename(const ACHAR*& fileName) const;
  // What the last read repaired or found wrong ("line N: …"); the first error when it failed.
  const DrawingReadReport& readReport() const;
  const std::string& lastError() const;

  // Undo recording: off while disabled (the journal keeps its steps but records nothing new).
  void disableUndoRecording(bool disable);
  bool undoRecording() const;

  // Platform bookkeeping, not part of the host's interface.
  UndoJournal& undoJournal();
  DatabaseState& state() { return *state_; }
  const DatabaseState& state() const { return *state_; }
  // Number of objects of this database open right now, and which.
  int openObjectCount() const;
  std::vector<AcDbObjectId> openObjectIds() const;
  // Every object slot in creation order (erased ones included).
  std::vector<AcDbObjectId> allObjectIds() const;

 private:
  std::unique_ptr<DatabaseState> state_;
};
