#include "ed/selection_geometry.h"

#include <algorithm>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbsymtb.h"
#include "ge/geplane.h"

namespace ed {

std::vector<AcDbObjectId> spaceEntities(AcDbDatabase* database, AcDbObjectId space) {
  std::vector<AcDbObjectId> ids;
  if (database == nullptr) return ids;
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, space, AcDb::kForRead) != Acad::eOk) return ids;
  for (const AcDbObjectId& id : record->entityIds())
    if (id.isValid() && !id.isErased()) ids.push_back(id);
  record->close();
  return ids;
}

AcDbObjectId currentSpace(AcDbDatabase* database) {
  return database ? database->modelSpaceId() : AcDbObjectId();
}

namespace {

struct Box {
  double xmin, ymin, xmax, ymax;
  bool contains(const AcGePoint3d& p) const {
    return p.x >= xmin && p.x <= xmax && p.y >= ymin && p.y <= ymax;
  }
};

bool extentsOf(const AcDbEntity* entity, Box& box) {
  AcDbExtents extents;
  if (entity->getGeomExtents(extents) != Acad::eOk || extents.isEmpty()) return false;
  box = {extents.minPoint().x, extents.minPoint().y, extents.maxPoint().x, extents.maxPoint().y};
  return true;
}

// A curve crosses the window when one of its points is inside or it meets a side.
bool curveCrosses(const AcDbCurve* curve, const Box& window) {
  AcGePoint3d start;
  if (curve->getStartPoint(start) == Acad::eOk && window.contains(start)) return true;
  const AcGePoint3d corners[4] = {{window.xmin, window.ymin, 0.0},
                                  {window.xmax, window.ymin, 0.0},
                                  {window.xmax, window.ymax, 0.0},
                                  {window.xmin, window.ymax, 0.0}};
  for (int i = 0; i < 4; ++i) {
    AcDbLine side(corners[i], corners[(i + 1) % 4]);
    AcGePoint3dArray points;
    // In plan: the curve's elevation must not hide a crossing.
    if (curve->intersectWith(&side, AcDb::kOnBothOperands, AcGePlane::kXYPlane, points) ==
            Acad::eOk &&
        points.length() > 0)
      return true;
  }
  return false;
}

}  // namespace

bool entityInWindow(const AcDbEntity* entity, const AcGePoint3d& corner1,
                    const AcGePoint3d& corner2, WindowKind kind) {
  Box window = {std::min(corner1.x, corner2.x), std::min(corner1.y, corner2.y),
                std::max(corner1.x, corner2.x), std::max(corner1.y, corner2.y)};
  Box box;
  if (!extentsOf(entity, box)) return false;
  bool inside = box.xmin >= window.xmin && box.xmax <= window.xmax && box.ymin >= window.ymin &&
                box.ymax <= window.ymax;
  if (inside || kind == WindowKind::kWindow) return inside;
  bool overlap = box.xmin <= window.xmax && box.xmax >= window.xmin && box.ymin <= window.ymax &&
                 box.ymax >= window.ymin;
  if (!overlap) return false;
  if (const AcDbCurve* curve = AcDbCurve::cast(entity)) return curveCrosses(curve, window);
  return true;
}

}  // namespace ed
