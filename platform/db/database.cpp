// The object store of a drawing database: slots, handles, ids, entity names and the open/close
// protocol.
#include <cstdio>

#include "db/database_state.h"
#include "db/change_notices.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbobject.h"

// Fills a new database with the contents of a new drawing (database_defaults.cpp).
void buildDefaultDrawing(AcDbDatabase* database);

AcDbStub* DatabaseState::newStub() {
  while (byHandle.contains(nextHandle)) ++nextHandle;
  AcDbStub& stub = stubs.emplace_back();
  stub.database = owner;
  stub.handle = AcDbHandle(nextHandle);
  byHandle.insert(nextHandle, &stub);
  ++nextHandle;
  return &stub;
}

AcDbStub* DatabaseState::stubForHandle(AcDbHandle handle) {
  if (AcDbStub* found = byHandle.find(handle.value())) return found;
  AcDbStub& stub = stubs.emplace_back();
  stub.database = owner;
  stub.handle = handle;
  byHandle.insert(handle.value(), &stub);
  if (handle.value() >= nextHandle) nextHandle = handle.value() + 1;
  return &stub;
}

void DatabaseState::place(AcDbStub* stub, AcDbObject* object) {
  stub->object.reset(object);
  stub->erased = false;
  object->attachStub(stub);
}

AcDbDatabase::AcDbDatabase(bool buildDefault, bool /*noDocument*/)
    : state_(std::make_unique<DatabaseState>()) {
  state_->owner = this;
  state_->undo = std::make_unique<UndoJournal>(this);
  if (buildDefault) buildDefaultDrawing(this);
}

AcDbDatabase::~AcDbDatabase() {
  noticeGoodbye(this);
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  if (services->workingDatabase() == this) services->setWorkingDatabase(nullptr);
  // Objects may refer to each other while they go; detach them all before any is destroyed.
  for (AcDbStub& stub : state_->stubs) {
    if (stub.object) stub.object->attachStub(nullptr);
  }
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, AcDbObject* object) {
  if (object == nullptr) return Acad::eNullObjectPointer;
  if (object->isDatabaseResident()) return Acad::eAlreadyInDb;
  AcDbStub* stub = state_->newStub();
  state_->place(stub, object);
  state_->undo->noteAdded(stub);
  // A new object stays open for write until its creator closes it, as in the host.
  object->beginOpen(AcDb::kForWrite);
  id = AcDbObjectId(stub);
  noticeAppended(object);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObject* object) {
  AcDbObjectId id;
  return addAcDbObject(id, object);
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound,
                                                const AcDbHandle& handle, Adesk::UInt32) {
  id.setNull();
  if (handle.isNull()) return Acad::eNullHandle;
  if (AcDbStub* found = state_->byHandle.find(handle.value())) {
    id = AcDbObjectId(found);
    return Acad::eOk;
  }
  if (!createIfNotFound) return Acad::eUnknownHandle;
  id = AcDbObjectId(state_->stubForHandle(handle));
  return Acad::eOk;
}

AcDbHandle AcDbDatabase::handseed() const { return AcDbHandle(state_->nextHandle); }

int AcDbDatabase::openObjectCount() const { return state_->openObjects; }

std::vector<AcDbObjectId> AcDbDatabase::openObjectIds() const {
  std::vector<AcDbObjectId> ids;
  if (state_->openObjects == 0) return ids;
  for (AcDbStub& stub : state_->stubs) {
    if (stub.object && (stub.object->readerCount() > 0 || stub.object->hasWriter())) {
      ids.push_back(AcDbObjectId(&stub));
    }
  }
  return ids;
}

std::vector<AcDbObjectId> AcDbDatabase::allObjectIds() const {
  std::vector<AcDbObjectId> ids;
  ids.reserve(state_->stubs.size());
  for (AcDbStub& stub : state_->stubs) ids.push_back(AcDbObjectId(&stub));
  return ids;
}

const DrawingReadReport& AcDbDatabase::readReport() const { return state_->readReport; }
const std::string& AcDbDatabase::lastError() const { return state_->lastError; }

Acad::ErrorStatus AcDbDatabase::getFilename(const ACHAR*& fileName) const {
  fileName = state_->fileName.c_str();
  return Acad::eOk;
}

// Ids.

const AcDbObjectId AcDbObjectId::kNull;

bool AcDbObjectId::isValid() const { return stub_ != nullptr && stub_->object != nullptr; }
bool AcDbObjectId::isErased() const { return stub_ != nullptr && stub_->erased; }
AcDbDatabase* AcDbObjectId::database() const { return stub_ ? stub_->database : nullptr; }
AcDbHandle AcDbObjectId::handle() const { return stub_ ? stub_->handle : AcDbHandle(); }
AcRxClass* AcDbObjectId::objectClass() const {
  return (stub_ && stub_->object) ? stub_->object->isA() : nullptr;
}

// Entity names are the slot addresses, as the host's are its own object pointers.
Acad::ErrorStatus acdbGetAdsName(ads_name name, AcDbObjectId id) {
  name[0] = static_cast<Adesk::LongPtr>(id.asOldId());
  name[1] = 0;
  return id.isNull() ? Acad::eNullObjectId : Acad::eOk;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name) {
  id.setFromOldId(static_cast<Adesk::IntDbId>(name[0]));
  return id.isNull() ? Acad::eInvalidAdsName : Acad::eOk;
}

// Open and close.

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased) {
  object = nullptr;
  AcDbStub* stub = id.stub();
  if (stub == nullptr) return Acad::eNullObjectId;
  if (!stub->object) return Acad::eUnknownHandle;
  if (stub->erased && !openErased) return Acad::eWasErased;
  AcDbObject* target = stub->object.get();
  if (target->hasWriter()) return Acad::eWasOpenedForWrite;
  if (mode == AcDb::kForWrite && target->readerCount() > 0) return Acad::eWasOpenedForRead;
  if (mode == AcDb::kForRead && target->readerCount() >= 256) return Acad::eAtMaxReaders;
  target->beginOpen(mode == AcDb::kForNotify ? AcDb::kForRead : mode);
  object = target;
  return Acad::eOk;
}
