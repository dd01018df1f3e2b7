// Name lookups in a database's symbol tables without the open/close ceremony, for platform code
// (entities resolving layer names, extended data checking its application, readers).
#pragma once
#include <string>

#include "db/dbid.h"

class AcDbDatabase;

// The record of that name (case-insensitive) in the table, or null.
AcDbObjectId findSymbolRecord(AcDbDatabase* database, AcDbObjectId tableId, const std::wstring& name);
// The name of a symbol table record, or empty.
std::wstring symbolRecordName(AcDbObjectId recordId);
// The database an object belongs to, else the working database.
AcDbDatabase* databaseOrWorking(AcDbDatabase* database);
