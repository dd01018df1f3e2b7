// Inner state of a drawing database: the object slots, the handle index and the drawing-wide
// settings. Platform code only.
#pragma once
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbobject.h"
#include "db/dbundo.h"
#include "db/handle_index.h"
#include "ge/gepnt3d.h"

// The slot of one object: what an AcDbObjectId points to. It exists as soon as a handle is known
// (a reference read before its object), holds the object once loaded or added, and stays after the
// object is erased so that ids never dangle.
class AcDbStub {
 public:
  AcDbDatabase* database = nullptr;
  AcDbHandle handle;
  std::unique_ptr<AcDbObject> object;
  bool erased = false;
};

// A header variable kept as read from a file, for variables the database does not model.
struct HeaderVariable {
  std::string name;  // "$LUNITS"
  DxfItemList items;
};

struct DatabaseState {
  AcDbDatabase* owner = nullptr;
  std::deque<AcDbStub> stubs;
  HandleIndex byHandle;
  Adesk::UInt64 nextHandle = 1;
  int openObjects = 0;

  // Tables, dictionaries and well-known records.
  AcDbObjectId blockTable, layerTable, textStyleTable, linetypeTable, regAppTable, viewportTable,
      viewTable, ucsTable, dimStyleTable;
  AcDbObjectId namedObjects, groupDictionary;
  AcDbObjectId modelSpace, paperSpace, layerZero, byLayer, byBlock, continuous;

  // Current settings (header variables the database models).
  AcDbObjectId clayer, textstyle, celtype;
  int cecolor = 256;
  double textsize = 2.5;
  bool mirrtext = false;
  AcGePoint3d insbase, extmin, extmax;
  int insunits = 0;
  // Header variables read from a file and written back as they were.
  std::vector<HeaderVariable> otherHeaderVariables;
  // The CLASSES section as read (written back, completed with the classes the writer needs).
  std::vector<DxfItemList> classes;

  std::wstring fileName;
  DrawingReadReport readReport;
  std::string lastError;

  // Told of appended, modified and erased objects (db/change_notices.h).
  std::vector<AcDbDatabaseReactor*> reactors;

  // What the commands changed, for undo (always present once the database is built).
  std::unique_ptr<UndoJournal> undo;

  // New slot with the next free handle.
  AcDbStub* newStub();
  // Slot for a handle, created empty when unknown.
  AcDbStub* stubForHandle(AcDbHandle handle);
  // Takes ownership of the object and places it in the slot.
  void place(AcDbStub* stub, AcDbObject* object);
};

inline DatabaseState& stateOf(AcDbDatabase* database) { return database->state(); }
