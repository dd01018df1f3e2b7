#include "view/stroke_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTransform>
#include <cmath>

namespace gui {
namespace {
// Texts smaller than this on the screen show as their baseline (pixels).
constexpr double kSmallestText = 3.0;
// The pixel size the font is laid out at before the text is fitted to its box.
constexpr int kFontPixels = 32;
}  // namespace

QRectF ScreenMapping::window() const {
  QPointF a = toDrawing(QPointF(0, 0));
  QPointF b = toDrawing(QPointF(width, height));
  return QRectF(a, b).normalized();
}

void StrokePainter::setPen(QRgb color, double width) {
  if (color == penColor_ && width == penWidth_) return;
  penColor_ = color;
  penWidth_ = width;
  QPen pen{QColor::fromRgb(color)};
  pen.setWidthF(width);
  pen.setCosmetic(width == 0.0);
  painter_.setPen(pen);
}

void StrokePainter::draw(const Stroke& stroke) {
  if (stroke.points.empty()) return;
  if (stroke.kind == Stroke::kText) {
    drawText(stroke);
    return;
  }
  if (stroke.kind == Stroke::kPoint) {
    setPen(stroke.color, 0.0);
    QPointF p = map_.toScreen(stroke.points.front());
    // A point shows as a small cross, so that a node can be seen and picked.
    painter_.drawLine(QPointF(p.x() - 2, p.y()), QPointF(p.x() + 2, p.y()));
    painter_.drawLine(QPointF(p.x(), p.y() - 2), QPointF(p.x(), p.y() + 2));
    return;
  }
  double width = stroke.width / map_.unitsPerPixel;
  setPen(stroke.color, width >= 1.5 ? width : 0.0);
  buffer_.resize(static_cast<int>(stroke.points.size()));
  for (size_t i = 0; i < stroke.points.size(); ++i) buffer_[static_cast<int>(i)] = map_.toScreen(stroke.points[i]);
  if (stroke.closed)
    painter_.drawPolygon(buffer_);
  else
    painter_.drawPolyline(buffer_);
}

void StrokePainter::drawText(const Stroke& stroke) {
  if (stroke.points.size() < 4) return;
  QPointF bl = map_.toScreen(stroke.points[0]);
  QPointF br = map_.toScreen(stroke.points[1]);
  QPointF tl = map_.toScreen(stroke.points[3]);
  double height = std::hypot(tl.x() - bl.x(), tl.y() - bl.y());
  setPen(stroke.color, 0.0);
  if (height < kSmallestText) {
    painter_.drawLine(bl, br);
    return;
  }
  static const QFont font = [] {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(kFontPixels);
    return f;
  }();
  static const QFontMetricsF metrics(font);
  double advance = metrics.horizontalAdvance(stroke.text);
  double cap = metrics.capHeight();
  if (advance <= 0 || cap <= 0) return;
  // The font's box (baseline at y = 0, cap height up) fitted onto the text's box on the screen.
  QPointF ux = (br - bl) / advance;
  QPointF uy = (tl - bl) / cap;
  QTransform fit(ux.x(), ux.y(), -uy.x(), -uy.y(), bl.x(), bl.y());
  painter_.save();
  painter_.setTransform(fit, true);
  painter_.setFont(font);
  painter_.drawText(QPointF(0, 0), stroke.text);
  painter_.restore();
}

void StrokePainter::drawItem(const DisplayItem& item) {
  double w = item.bounds.width() / map_.unitsPerPixel;
  double h = item.bounds.height() / map_.unitsPerPixel;
  if (w < 1.5 && h < 1.5 && !item.strokes.empty()) {
    setPen(item.strokes.front().color, 0.0);
    painter_.drawPoint(map_.toScreen(item.bounds.center()));
    return;
  }
  draw(item.strokes);
}

}  // namespace gui
