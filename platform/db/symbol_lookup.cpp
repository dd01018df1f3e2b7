// Name lookups in symbol tables for platform code.
#include "db/symbol_lookup.h"

#include "db/dbapserv.h"
#include "db/dbsymtb.h"
#include "db/symbol_util.h"

AcDbObjectId findSymbolRecord(AcDbDatabase* database, AcDbObjectId tableId, const std::wstring& name) {
  if (database == nullptr || tableId.database() != database) return AcDbObjectId();
  auto* table = peekObject<AcDbSymbolTable>(tableId);
  AcDbObjectId id;
  if (table != nullptr) table->getAt(name.c_str(), id);
  return id;
}

std::wstring symbolRecordName(AcDbObjectId recordId) {
  auto* record = peekObject<AcDbSymbolTableRecord>(recordId);
  return record ? record->name() : std::wstring();
}

AcDbDatabase* databaseOrWorking(AcDbDatabase* database) {
  return database ? database : acdbHostApplicationServices()->workingDatabase();
}
