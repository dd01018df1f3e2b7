// The live entities of a database's model space that are of one class, in drawing order.
#pragma once
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbsymtb.h"

template <class T>
std::vector<AcDbObjectId> modelSpaceEntitiesOf(AcDbDatabase* database) {
  std::vector<AcDbObjectId> ids;
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, database->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return ids;
  AcDbBlockTableRecordIterator* it = nullptr;
  space->newIterator(it);
  for (; !it->done(); it->step()) {
    AcDbEntity* entity = nullptr;
    if (it->getEntity(entity, AcDb::kForRead) != Acad::eOk) continue;
    if (T::cast(entity)) ids.push_back(entity->objectId());
    entity->close();
  }
  delete it;
  space->close();
  return ids;
}
