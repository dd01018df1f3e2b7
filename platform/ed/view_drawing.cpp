// What a drawing says about its view: its extents, its limits and the view it was saved with.
#include <cmath>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbsymtb.h"
#include "ed/view.h"
#include "ed/view_drawing.h"
#include "ed/view_header.h"

namespace ed {

namespace {

// The active viewport record a new drawing is given: it describes no view of its own, so a
// drawing that has exactly this one opens at its extents instead.
constexpr double kUnsetViewHeight = 1000.0;

bool findItem(const DxfItemList& items, int code, const DxfItem*& found) {
  for (const DxfItem& item : items) {
    if (item.code == code) {
      found = &item;
      return true;
    }
  }
  return false;
}

}  // namespace

bool modelSpaceExtents(AcDbDatabase* database, AcGePoint3d& min, AcGePoint3d& max) {
  if (database == nullptr) return false;
  AcDbBlockTableRecord* model = nullptr;
  if (acdbOpenObject(model, database->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return false;
  std::vector<AcDbObjectId> ids = model->entityIds();
  model->close();
  AcDbExtents total;
  for (const AcDbObjectId& id : ids) {
    if (id.isNull() || id.isErased()) continue;
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
    AcDbExtents extents;
    if (entity->getGeomExtents(extents) == Acad::eOk && !extents.isEmpty()) total.addExt(extents);
    entity->close();
  }
  if (total.isEmpty()) return false;
  min = total.minPoint();
  max = total.maxPoint();
  return true;
}

void drawingLimits(AcDbDatabase* database, AcGePoint2d& min, AcGePoint2d& max) {
  AcGePoint3d low = headerPoint(database, "$LIMMIN", AcGePoint3d(0.0, 0.0, 0.0));
  AcGePoint3d high = headerPoint(database, "$LIMMAX", AcGePoint3d(12.0, 9.0, 0.0));
  min.set(low.x, low.y);
  max.set(high.x, high.y);
}

bool savedView(AcDbDatabase* database, AcApViewState::Placement& placement) {
  if (database == nullptr) return false;
  AcDbViewportTable* table = nullptr;
  if (database->getViewportTable(table, AcDb::kForRead) != Acad::eOk) return false;
  AcDbViewportTableRecord* active = nullptr;
  Acad::ErrorStatus es = table->getAt(L"*Active", active, AcDb::kForRead);
  table->close();
  if (es != Acad::eOk) return false;
  DxfItemList items = active->otherItems();
  active->close();
  const DxfItem* center = nullptr;
  const DxfItem* height = nullptr;
  if (!findItem(items, 12, center) || !findItem(items, 40, height)) return false;
  if (!std::isfinite(height->real) || height->real <= 0.0) return false;
  // The centre is given in display coordinates, which for a plan view are world coordinates
  // counted from the view's target point.
  double targetX = 0.0, targetY = 0.0;
  const DxfItem* target = nullptr;
  if (findItem(items, 17, target)) {
    targetX = target->point[0];
    targetY = target->point[1];
  }
  AcGePoint3d c(center->point[0] + targetX, center->point[1] + targetY, 0.0);
  if (!std::isfinite(c.x) || !std::isfinite(c.y)) return false;
  if (height->real == kUnsetViewHeight && c.x == 0.0 && c.y == 0.0) return false;
  placement.center = c;
  placement.height = height->real;
  return true;
}

}  // namespace ed
