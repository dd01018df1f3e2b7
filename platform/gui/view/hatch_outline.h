// The boundary of a hatch, read from its group codes (hatches are kept as proxies): the view
// shows hatches by their outlines.
#pragma once
#include <QPointF>
#include <vector>

#include "db/dbtag.h"

namespace gui {

struct HatchLoop {
  std::vector<QPointF> points;  // (drawing units)
  bool closed = true;
};

// The boundary paths of a hatch's items: polyline paths (bulges followed) and edge paths of
// lines and circular arcs; ellipse and spline edges are drawn by their end points.
std::vector<HatchLoop> hatchOutline(const DxfItemList& items);

}  // namespace gui
