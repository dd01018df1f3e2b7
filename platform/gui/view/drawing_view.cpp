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
  picture_ = QImage();
  if (document_ != nullptr) ed::View::of(document_);  // sets the view up from the drawing
  syncScreen();
  rebuild();
}

void DrawingView::syncScreen() {
  if (document_ == nullptr) return;
  ed::View::of(document_).setScreenSize(std::max(1, width()), std::max(1, height()));
}

void DrawingView::rebuild() {
  AcDbDatabase* database = document_ ? document_->database() : nullptr;
  // Listening first: what changes from here on is what the list does not hold yet.
  if (tracker_.database() != database) tracker_.attach(database);
  tracker_.forget();
  list_.build(database);
  ++fullRebuilds_;
  indexAll();
  changedPlaces_.clear();
  invalidate();
}

void DrawingView::indexAll() {
  const std::vector<DisplayItem>& items = list_.items();
  grid_.reset(list_.extents(), items.size());
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].shows()) grid_.insert(static_cast<uint32_t>(i), items[i].bounds);
}

void DrawingView::updateFromChanges() {
  AcDbDatabase* database = document_ ? document_->database() : nullptr;
  if (tracker_.database() != database) {
    rebuild();
    return;
  }
  if (!tracker_.hasChanges()) return;
  ChangeBatch batch = tracker_.take();
  if (batch.everything) {
    rebuild();
    return;
  }
  for (const AcDbObjectId& id : batch.entities) {
    ItemChange change = list_.redraw(id);
    const DisplayItem& item = list_.items()[change.index];
    if (change.showedBefore) {
      grid_.remove(change.index, change.before);
      changedPlaces_.push_back(change.before);
    }
    if (item.shows()) {
      grid_.insert(change.index, item.bounds);
      changedPlaces_.push_back(item.bounds);
    }
  }
  list_.recomputeExtents();
  // Entities beyond the grid pile up in its border cells: past a point a new grid is cheaper.
  if (!grid_.covers(list_.extents())) indexAll();
  update();
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

void DrawingView::drawRegion(QPainter& painter, const ScreenMapping& map, const QRect& pixels) {
  painter.save();
  painter.setClipRect(pixels);
  painter.fillRect(pixels, background());
  painter.setBrush(Qt::NoBrush);
  if (document_ != nullptr) {
    StrokePainter strokes(painter, map);
    const std::vector<DisplayItem>& items = list_.items();
    // A pixel more each way: wide strokes and dots straddle the edge.
    QRectF window = QRectF(map.toDrawing(QPointF(pixels.left() - 1, pixels.top() - 1)),
                           map.toDrawing(QPointF(pixels.right() + 2, pixels.bottom() + 2)))
                        .normalized();
    for (uint32_t index : grid_.query(window)) {
      const DisplayItem& item = items[index];
      if (!item.bounds.intersects(window) && !window.contains(item.bounds.topLeft())) continue;
      strokes.drawItem(item);
      ++lastDrawn_;
    }
  }
  painter.restore();
}

void DrawingView::updatePicture(const ScreenMapping& map) {
  QSize size(static_cast<int>(map.width), static_cast<int>(map.height));
  lastDrawn_ = 0;
  double dx = (pictureMapping_.centerX - map.centerX) / map.unitsPerPixel;
  double dy = (map.centerY - pictureMapping_.centerY) / map.unitsPerPixel;
  int shiftX = static_cast<int>(std::lround(dx)), shiftY = static_cast<int>(std::lround(dy));
  bool reusable = !picture_.isNull() && picture_.size() == size && pictureGeneration_ == generation_ &&
                  pictureMapping_.unitsPerPixel == map.unitsPerPixel && std::abs(dx - shiftX) < 1e-3 &&
                  std::abs(dy - shiftY) < 1e-3 && std::abs(shiftX) < size.width() &&
                  std::abs(shiftY) < size.height();
  if (reusable && shiftX == 0 && shiftY == 0) {
    if (!changedPlaces_.empty()) {
      QPainter painter(&picture_);
      drawChangedPlaces(painter, map);
      changedPlaces_.clear();
    }
    return;
  }
  QImage next(size, QImage::Format_RGB32);
  QPainter painter(&next);
  if (!reusable) {
    drawRegion(painter, map, QRect(QPoint(0, 0), size));
  } else {
    // A pan: the last picture moves, and only the strips it uncovers are drawn.
    painter.drawImage(QPoint(shiftX, shiftY), picture_);
    int w = size.width(), h = size.height();
    if (shiftX > 0) drawRegion(painter, map, QRect(0, 0, shiftX, h));
    if (shiftX < 0) drawRegion(painter, map, QRect(w + shiftX, 0, -shiftX, h));
    if (shiftY > 0) drawRegion(painter, map, QRect(0, 0, w, shiftY));
    if (shiftY < 0) drawRegion(painter, map, QRect(0, h + shiftY, w, -shiftY));
    drawChangedPlaces(painter, map);
  }
  changedPlaces_.clear();
  painter.end();
  picture_ = std::move(next);
  pictureMapping_ = map;
  pictureGeneration_ = generation_;
}

void DrawingView::drawChangedPlaces(QPainter& painter, const ScreenMapping& map) {
  // Many scattered changes are drawn as one region around them all.
  constexpr size_t kMostRegions = 32;
  // Pixels around a place: text glyphs and dots reach a little beyond the bounds.
  constexpr int kMargin = 3;
  std::vector<QRect> regions;
  QRect all;
  QRect screen(0, 0, static_cast<int>(map.width), static_cast<int>(map.height));
  for (const QRectF& place : changedPlaces_) {
    QRectF pixels = QRectF(map.toScreen(place.topLeft()), map.toScreen(place.bottomRight())).normalized();
    QRect region = pixels.toAlignedRect().adjusted(-kMargin, -kMargin, kMargin, kMargin) & screen;
    if (region.isEmpty()) continue;
    regions.push_back(region);
    all |= region;
  }
  if (regions.size() > kMostRegions) regions.assign(1, all);
  for (const QRect& region : regions) drawRegion(painter, map, region);
}

void DrawingView::paintDrawing(QPainter& painter) {
  ScreenMapping map = mapping();
  updatePicture(map);
  painter.drawImage(QPoint(0, 0), picture_);
  painter.setBrush(Qt::NoBrush);
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
