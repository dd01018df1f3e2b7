// What the database tells its reactors, in one place: every change of an object's erased flag
// goes through setErasedFlag so that none is missed. Platform code only.
#pragma once

class AcDbDatabase;
class AcDbObject;
class AcDbStub;

void noticeAppended(const AcDbObject* object);
void noticeModified(const AcDbObject* object);
// Sets the flag of a loaded or unloaded slot; its reactors hear of it when the flag changes and
// the slot holds an object.
void setErasedFlag(AcDbStub* stub, bool erased);
// The database is going: its reactors are told, while its objects are still there.
void noticeGoodbye(AcDbDatabase* database);
