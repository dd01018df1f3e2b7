// Draws strokes (drawing units) on a painter through the placement of a view.
#pragma once
#include <QPainter>
#include <QPointF>
#include <vector>

#include "view/display_list.h"

namespace gui {

// The screen mapping of a view: pixels from the upper-left corner, y downwards.
struct ScreenMapping {
  double centerX = 0, centerY = 0;  // (drawing units)
  double unitsPerPixel = 1;
  double width = 1, height = 1;  // (pixels)
  QPointF toScreen(const QPointF& p) const {
    return QPointF(width / 2.0 + (p.x() - centerX) / unitsPerPixel,
                   height / 2.0 - (p.y() - centerY) / unitsPerPixel);
  }
  QPointF toDrawing(const QPointF& pixel) const {
    return QPointF(centerX + (pixel.x() - width / 2.0) * unitsPerPixel,
                   centerY - (pixel.y() - height / 2.0) * unitsPerPixel);
  }
  // The part of the drawing the screen shows (drawing units).
  QRectF window() const;
};

class StrokePainter {
 public:
  StrokePainter(QPainter& painter, const ScreenMapping& mapping) : painter_(painter), map_(mapping) {}
  void draw(const Stroke& stroke);
  void draw(const std::vector<Stroke>& strokes) {
    for (const Stroke& s : strokes) draw(s);
  }
  // An item smaller than a pixel or two shows as one dot.
  void drawItem(const DisplayItem& item);

 private:
  void setPen(QRgb color, double width);
  void drawText(const Stroke& stroke);

  QPainter& painter_;
  const ScreenMapping& map_;
  QPolygonF buffer_;
  QRgb penColor_ = 0;
  double penWidth_ = -1;
};

}  // namespace gui
