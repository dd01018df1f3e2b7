// Database reactors: the list each database keeps, and the notices sent to it.
#include "db/change_notices.h"

#include <algorithm>

#include "db/database_state.h"
#include "db/dbreactor.h"

void AcDbDatabaseReactor::objectAppended(const AcDbDatabase*, const AcDbObject*) {}
void AcDbDatabaseReactor::objectModified(const AcDbDatabase*, const AcDbObject*) {}
void AcDbDatabaseReactor::objectErased(const AcDbDatabase*, const AcDbObject*, bool) {}
void AcDbDatabaseReactor::goodbye(const AcDbDatabase*) {}

void AcDbDatabase::addReactor(AcDbDatabaseReactor* reactor) const {
  std::vector<AcDbDatabaseReactor*>& list = state_->reactors;
  if (reactor != nullptr && std::find(list.begin(), list.end(), reactor) == list.end()) list.push_back(reactor);
}

void AcDbDatabase::removeReactor(AcDbDatabaseReactor* reactor) const {
  std::vector<AcDbDatabaseReactor*>& list = state_->reactors;
  list.erase(std::remove(list.begin(), list.end(), reactor), list.end());
}

namespace {

// A reactor may add or remove reactors while it is told: each is told from a copy of the list.
template <class Tell>
void tellReactors(AcDbDatabase* database, Tell tell) {
  if (database == nullptr) return;
  const std::vector<AcDbDatabaseReactor*>& list = stateOf(database).reactors;
  if (list.empty()) return;
  std::vector<AcDbDatabaseReactor*> copy = list;
  for (AcDbDatabaseReactor* reactor : copy) tell(reactor);
}

}  // namespace

void noticeAppended(const AcDbObject* object) {
  AcDbDatabase* database = object->database();
  tellReactors(database, [&](AcDbDatabaseReactor* r) { r->objectAppended(database, object); });
}

void noticeModified(const AcDbObject* object) {
  AcDbDatabase* database = object->database();
  tellReactors(database, [&](AcDbDatabaseReactor* r) { r->objectModified(database, object); });
}

void setErasedFlag(AcDbStub* stub, bool erased) {
  if (stub == nullptr || stub->erased == erased) return;
  stub->erased = erased;
  const AcDbObject* object = stub->object.get();
  if (object == nullptr) return;
  tellReactors(stub->database, [&](AcDbDatabaseReactor* r) { r->objectErased(stub->database, object, erased); });
}

void noticeGoodbye(AcDbDatabase* database) {
  tellReactors(database, [&](AcDbDatabaseReactor* r) { r->goodbye(database); });
}
