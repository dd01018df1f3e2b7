#include "view/pick_query.h"

#include <cmath>

#include "db/dbentity.h"
#include "ed/pick_geometry.h"

namespace gui {

std::optional<SnapPoint> nearestSnap(const DisplayList& list, const SpatialGrid& grid, const QPointF& at,
                                     double aperture) {
  QRectF box(at.x() - aperture, at.y() - aperture, 2 * aperture, 2 * aperture);
  std::optional<SnapPoint> best;
  double bestDistance = aperture;
  for (uint32_t index : grid.query(box)) {
    for (const SnapPoint& snap : list.items()[index].snaps) {
      double d = std::hypot(snap.at.x() - at.x(), snap.at.y() - at.y());
      if (d <= bestDistance) {
        bestDistance = d;
        best = snap;
      }
    }
  }
  return best;
}

AcDbObjectId entityUnderPickBox(const DisplayList& list, const SpatialGrid& grid, const QPointF& at,
                                double tolerance) {
  QRectF box(at.x() - tolerance, at.y() - tolerance, 2 * tolerance, 2 * tolerance);
  std::vector<uint32_t> candidates = grid.query(box);
  AcGePoint3d point(at.x(), at.y(), 0.0);
  for (size_t k = candidates.size(); k-- > 0;) {
    const DisplayItem& item = list.items()[candidates[k]];
    if (!item.bounds.adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(at)) continue;
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, item.id, AcDb::kForRead) != Acad::eOk) continue;
    bool under = ed::entityUnderPoint(entity, point, tolerance);
    entity->close();
    if (under) return item.id;
  }
  return AcDbObjectId::kNull;
}

}  // namespace gui
