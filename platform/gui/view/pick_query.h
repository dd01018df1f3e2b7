// What lies near a point of the drawing, found through the display list's grid: the snap point
// nearest to it, the entity under the pick box.
#pragma once
#include <QPointF>
#include <optional>

#include "db/dbid.h"
#include "view/display_list.h"
#include "view/spatial_grid.h"

namespace gui {

// The snap point nearest to at within aperture (drawing units); none when there is none.
std::optional<SnapPoint> nearestSnap(const DisplayList& list, const SpatialGrid& grid, const QPointF& at,
                                     double aperture);

// The top-level entity under a pick box of half-size tolerance (drawing units) about at: of those
// the box touches, the latest drawn. Null when there is none.
AcDbObjectId entityUnderPickBox(const DisplayList& list, const SpatialGrid& grid, const QPointF& at,
                                double tolerance);

}  // namespace gui
