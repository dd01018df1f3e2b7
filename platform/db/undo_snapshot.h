// The saved state of one object for the undo journal, and putting it back.
#pragma once
#include <utility>
#include <vector>

#include "db/dbid.h"
#include "db/dbtag.h"

class AcDbDatabase;
class AcDbStub;

struct UndoSnapshot {
  AcDbStub* stub = nullptr;
  // Added during the step: undoing erases it (its id and handle stay taken).
  bool created = false;
  // State before the step: the object's items (the full copy set) and extended data, and what the
  // items leave out or cannot say: the erased flag, and an erased extension dictionary.
  DxfItemList items;
  bool erased = false;
  AcDbObjectId owner, extensionDictionary;
  std::vector<AcDbObjectId> reactors;
  // Containers whose member lists are kept outside their items: a block's entities, a table's
  // records.
  bool hasMembers = false;
  std::vector<AcDbObjectId> members;
  // Objects the owner erases or unerases along with itself without opening them (a polyline's
  // vertices and SEQEND, a block reference's attributes, what a dictionary owns under a key it
  // replaces): their erased flags.
  std::vector<std::pair<AcDbStub*, bool>> dependentsErased;
};

// The state of a database object now.
UndoSnapshot takeSnapshot(AcDbStub* stub);
// Puts the saved state back into the same object (which must be closed).
void restoreSnapshot(AcDbDatabase* database, const UndoSnapshot& snapshot);
