#include "view/drawing_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "ed/view.h"
#include "rx/acdocman.h"

namespace gui {
namespace {
// One notch of the wheel magnifies by this.
constexpr double kWheelFactor = 1.25;
}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
}

void DrawingView::setDocument(AcApDocument* document) {
  document_ = document;
  if (document_ != nullptr) ed::View::of(document_);  // sets the view up from the drawing
  syncScreen();
  rebuild();
}

void DrawingView::syncScreen() {
  if (document_ == nullptr) return;
  ed::View::of(document_).setScreenSize(std::max(1, width()), std::max(1, height()));
}

void DrawingView::rebuild() {
  list_.build(document_ ? document_->database() : nullptr);
  QRectF area = list_.extents();
  grid_.reset(area, list_.items().size());
  indexFrom(0);
  update();
}

void DrawingView::addNewEntities() {
  if (document_ == nullptr) return;
  size_t first = list_.appendNew(document_->database());
  indexFrom(first);
  if (first < list_.items().size()) update();
}

void DrawingView::indexFrom(size_t first) {
  const std::vector<DisplayItem>& items = list_.items();
  for (size_t i = first; i < items.size(); ++i) grid_.insert(static_cast<uint32_t>(i), items[i].bounds);
}

ScreenMapping DrawingView::mapping() const {
  ScreenMapping m;
  m.width = std::max(1, width());
  m.height = std::max(1, height());
  if (document_ == nullptr) return m;
  ed::View view = ed::View::of(document_);
  m.centerX = view.center().x;
  m.centerY = view.center().y;
  m.unitsPerPixel = view.unitsPerPixel() > 0 ? view.unitsPerPixel() : 1.0;
  return m;
}

void DrawingView::zoomExtents() {
  if (document_ == nullptr) return;
  syncScreen();
  ed::View::of(document_).zoomExtents();
  emit placementChanged();
  update();
}

void DrawingView::zoomWindow(const QPointF& pixel1, const QPointF& pixel2) {
  if (document_ == nullptr) return;
  QPointF a = toDrawing(pixel1), b = toDrawing(pixel2);
  ed::View::of(document_).zoomWindow(AcGePoint3d(a.x(), a.y(), 0), AcGePoint3d(b.x(), b.y(), 0));
  emit placementChanged();
  update();
}

void DrawingView::zoomAbout(const QPointF& pixel, double factor) {
  if (document_ == nullptr || !(factor > 0)) return;
  ed::View view = ed::View::of(document_);
  QPointF at = toDrawing(pixel);
  AcGePoint3d c = view.center();
  AcGePoint3d center(at.x() - (at.x() - c.x) / factor, at.y() - (at.y() - c.y) / factor, c.z);
  view.zoomCenter(center, view.height() / factor);
  emit placementChanged();
  update();
}

void DrawingView::pan(const QPointF& pixels) {
  if (document_ == nullptr) return;
  AcApViewState& state = document_->viewState();
  double unit = mapping().unitsPerPixel;
  state.placement.center.x -= pixels.x() * unit;
  state.placement.center.y += pixels.y() * unit;
  emit placementChanged();
  update();
}

void DrawingView::paintDrawing(QPainter& painter) {
  painter.fillRect(QRect(0, 0, width(), height()), background());
  painter.setBrush(Qt::NoBrush);
  ScreenMapping map = mapping();
  lastDrawn_ = 0;
  if (document_ != nullptr) {
    StrokePainter strokes(painter, map);
    const std::vector<DisplayItem>& items = list_.items();
    QRectF window = map.window();
    for (uint32_t index : grid_.query(window)) {
      const DisplayItem& item = items[index];
      if (!item.bounds.intersects(window) && !window.contains(item.bounds.topLeft())) continue;
      strokes.drawItem(item);
      ++lastDrawn_;
    }
  }
  if (overlay_) overlay_(painter, map);
}

QImage DrawingView::renderImage() {
  QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
  QPainter painter(&image);
  paintDrawing(painter);
  return image;
}

void DrawingView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintDrawing(painter);
}

void DrawingView::resizeEvent(QResizeEvent*) { syncScreen(); }

void DrawingView::wheelEvent(QWheelEvent* event) {
  double notches = event->angleDelta().y() / 120.0;
  if (notches != 0) zoomAbout(event->position(), std::pow(kWheelFactor, notches));
  event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    panning_ = true;
    panFrom_ = event->position();
    return;
  }
  emit pointerPressed(event->position(), event->button(), event->modifiers());
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
  if (panning_) {
    pan(event->position() - panFrom_);
    panFrom_ = event->position();
    return;
  }
  emit pointerMoved(event->position());
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    panning_ = false;
    return;
  }
  emit pointerReleased(event->position(), event->button());
}

}  // namespace gui
