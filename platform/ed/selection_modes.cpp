// The selection modes that need no answer: all, window, crossing, last, previous, a point, a
// handle.
#include <algorithm>

#include "db/dbdatabase.h"
#include "db/dbentity.h"
#include "db/dbsymtb.h"
#include "ed/acedsel.h"
#include "ed/pick_geometry.h"
#include "ed/selection_geometry.h"
#include "ed/selection_prompt.h"
#include "ed/ssget_filter.h"

namespace ed {

namespace {

template <typename Test>
std::vector<AcDbObjectId> keep(const SelectionContext& context,
                               const std::vector<AcDbObjectId>& ids, Test test) {
  std::vector<AcDbObjectId> kept;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
    bool ok = test(entity) && (context.filter == nullptr || context.filter->matches(entity));
    entity->close();
    if (ok) kept.push_back(id);
  }
  return kept;
}

bool any(const AcDbEntity*) { return true; }

// Entities owned by model or paper space (not attributes, vertices or block contents).
bool inSpace(AcDbDatabase* db, const AcDbEntity* entity) {
  AcDbObjectId owner = entity->ownerId();
  return owner == db->modelSpaceId() || owner == db->paperSpaceId();
}

}  // namespace

std::vector<AcDbObjectId> allEntities(const SelectionContext& context, bool everySpace) {
  AcDbDatabase* db = context.database;
  if (db == nullptr) return {};
  if (!everySpace) return keep(context, spaceEntities(db, currentSpace(db)), any);
  // Every space, in the order the entities were made.
  std::vector<AcDbObjectId> ids;
  for (const AcDbObjectId& id : db->allObjectIds())
    if (id.isValid() && !id.isErased()) ids.push_back(id);
  return keep(context, ids, [db](const AcDbEntity* e) {
    return inSpace(db, e) && AcDbBlockBegin::cast(e) == nullptr && AcDbBlockEnd::cast(e) == nullptr;
  });
}

std::vector<AcDbObjectId> windowEntities(const SelectionContext& context,
                                         const AcGePoint3d& corner1, const AcGePoint3d& corner2,
                                         bool crossing) {
  AcDbDatabase* db = context.database;
  if (db == nullptr) return {};
  WindowKind kind = crossing ? WindowKind::kCrossing : WindowKind::kWindow;
  return keep(context, spaceEntities(db, currentSpace(db)),
              [&](const AcDbEntity* e) { return entityInWindow(e, corner1, corner2, kind); });
}

std::vector<AcDbObjectId> lastEntity(const SelectionContext& context) {
  AcDbDatabase* db = context.database;
  if (db == nullptr) return {};
  std::vector<AcDbObjectId> ids = spaceEntities(db, currentSpace(db));
  if (ids.empty()) return {};
  return keep(context, {ids.back()}, any);
}

std::vector<AcDbObjectId> previousEntities(const SelectionContext& context) {
  AcDbDatabase* db = context.database;
  if (db == nullptr) return {};
  std::vector<AcDbObjectId> ids;
  for (const AcDbObjectId& id : previousSelection())
    if (id.isValid() && !id.isErased() && id.database() == db) ids.push_back(id);
  return keep(context, ids, any);
}

std::vector<AcDbObjectId> entityAt(const SelectionContext& context, const AcGePoint3d& point) {
  AcDbObjectId id = entityAtPoint(context.database, point);
  if (id.isNull()) return {};
  return keep(context, {id}, any);
}

std::vector<AcDbObjectId> entityByHandle(const SelectionContext& context,
                                         const std::wstring& text) {
  AcDbDatabase* db = context.database;
  if (db == nullptr || text.size() < 2 || text[0] != L'#') return {};
  AcDbObjectId id;
  if (db->getAcDbObjectId(id, false, AcDbHandle(text.substr(1).c_str())) != Acad::eOk ||
      id.isNull() || id.isErased())
    return {};
  return keep(context, {id}, [db](const AcDbEntity* e) { return inSpace(db, e); });
}

}  // namespace ed
