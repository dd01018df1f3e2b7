// AcDbDatabaseReactor: told of what happens to the objects of a database it is added to
// (AcDbDatabase::addReactor). A view that keeps a picture of the drawing uses it to redraw only
// what changed. The database does not own its reactors; a reactor is removed before it goes, or
// forgets the database when told goodbye.
#pragma once
#include "rx/rxobject.h"

class AcDbDatabase;
class AcDbObject;

class AcDbDatabaseReactor : public AcRxObject {
 public:
  // A new object was added (it is still open for write by its creator).
  virtual void objectAppended(const AcDbDatabase* database, const AcDbObject* object);
  // An object opened for write was closed (undo brings objects back this way too).
  virtual void objectModified(const AcDbDatabase* database, const AcDbObject* object);
  // An object was erased, or unerased when erased is false.
  virtual void objectErased(const AcDbDatabase* database, const AcDbObject* object, bool erased = true);
  // The database is being destroyed.
  virtual void goodbye(const AcDbDatabase* database);
};
