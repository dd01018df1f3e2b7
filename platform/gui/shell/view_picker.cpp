#include "shell/view_picker.h"

#include <QPainter>
#include <charconv>
#include <cmath>

#include "db/dbentity.h"
#include "ed/editor.h"
#include "ed/view.h"
#include "shell/command_input.h"
#include "view/aci_palette.h"
#include "view/drawing_view.h"
#include "view/pick_query.h"

namespace gui {
namespace {

// A release this far from its press (pixels) ends a window dragged with the button down.
constexpr double kDragThreshold = 4.0;

std::wstring number(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value == 0.0 ? 0.0 : value);
  return std::wstring(buffer, result.ptr);
}

bool asksPoint(ed::InputRequest::Kind kind) {
  return kind == ed::InputRequest::kPoint || kind == ed::InputRequest::kDrag;
}

}  // namespace

ViewPicker::ViewPicker(DrawingView& view, CommandInput& input) : view_(view), input_(input) {
  connect(&view_, &DrawingView::pointerPressed, this,
          [this](QPointF p, Qt::MouseButton b, Qt::KeyboardModifiers) { pressed(p, b); });
  connect(&view_, &DrawingView::pointerMoved, this, &ViewPicker::moved);
  connect(&view_, &DrawingView::pointerReleased, this, &ViewPicker::released);
  view_.setOverlay([this](QPainter& painter, const ScreenMapping& map) { drawOverlay(painter, map); });
}

std::wstring ViewPicker::pointText(const QPointF& point) {
  return number(point.x()) + L"," + number(point.y());
}

std::optional<SnapPoint> ViewPicker::snapAt(const QPointF& pixel) const {
  double aperture = kAperturePixels * view_.mapping().unitsPerPixel;
  return nearestSnap(view_.displayList(), view_.grid(), view_.toDrawing(pixel), aperture);
}

QPointF ViewPicker::pointFor(const QPointF& pixel) const {
  if (std::optional<SnapPoint> snap = snapAt(pixel)) return snap->at;
  return view_.toDrawing(pixel);
}

std::wstring ViewPicker::entityAnswer(const QPointF& pixel) const {
  double tolerance = kPickBoxPixels * view_.mapping().unitsPerPixel;
  AcDbObjectId id = entityUnderPickBox(view_.displayList(), view_.grid(), view_.toDrawing(pixel), tolerance);
  if (id.isNull()) return std::wstring();
  ACHAR handle[17];
  id.handle().getIntoAsciiBuffer(handle);
  return L"#" + std::wstring(handle);
}

void ViewPicker::pressed(QPointF pixel, Qt::MouseButton button) {
  if (!input_.waiting()) return;
  const ed::InputRequest& request = ed::Editor::instance().request();
  if (button == Qt::RightButton) {
    // The right button is Enter, as on the host.
    input_.submit(L"");
    return;
  }
  if (button != Qt::LeftButton) return;
  if (asksPoint(request.kind)) {
    input_.submit(pointText(pointFor(pixel)));
  } else if (request.kind == ed::InputRequest::kEntity) {
    std::wstring picked = entityAnswer(pixel);
    input_.submit(picked.empty() ? pointText(view_.toDrawing(pixel)) : picked);
  } else if (request.kind == ed::InputRequest::kSelection) {
    if (windowStart_) {
      finishWindow(pixel);
      return;
    }
    std::wstring picked = entityAnswer(pixel);
    if (!picked.empty()) {
      input_.submit(picked);
    } else {
      windowStart_ = pixel;
      view_.update();
    }
  }
}

void ViewPicker::released(QPointF pixel, Qt::MouseButton button) {
  if (button != Qt::LeftButton || !windowStart_) return;
  QPointF d = pixel - *windowStart_;
  if (std::hypot(d.x(), d.y()) > kDragThreshold) finishWindow(pixel);
}

void ViewPicker::finishWindow(const QPointF& pixel) {
  QPointF start = *windowStart_;
  windowStart_.reset();
  view_.update();
  if (ed::Editor::instance().request().kind != ed::InputRequest::kSelection) return;
  // Left to right: what lies wholly inside; right to left: what the window crosses too.
  input_.submit(pixel.x() >= start.x() ? L"_W" : L"_C");
  input_.submit(pointText(view_.toDrawing(start)));
  input_.submit(pointText(view_.toDrawing(pixel)));
}

void ViewPicker::moved(QPointF pixel) {
  cursor_ = pixel;
  hasCursor_ = true;
  const ed::InputRequest& request = ed::Editor::instance().request();
  if (request.kind == ed::InputRequest::kDrag && input_.waiting())
    input_.submitMove(L">" + pointText(pointFor(pixel)));
  view_.update();
}

void ViewPicker::drawOverlay(QPainter& painter, const ScreenMapping& map) {
  ed::Editor& editor = ed::Editor::instance();
  const ed::InputRequest& request = editor.request();
  painter.setBrush(Qt::NoBrush);
  // acedGrDraw's vectors, until the next regeneration.
  if (AcApDocument* document = view_.document()) {
    for (const AcApViewState::TransientVector& v : document->viewState().transients) {
      painter.setPen(QPen(v.color < 0 ? QColor(Qt::white) : aciColor(v.color), 0));
      painter.drawLine(map.toScreen(QPointF(v.from.x, v.from.y)), map.toScreen(QPointF(v.to.x, v.to.y)));
    }
  }
  if (const AcDbEntity* dragged = editor.dragged()) {
    std::vector<Stroke> strokes;
    appendEntity(dragged, DrawContext(), strokes, nullptr);
    StrokePainter(painter, map).draw(strokes);
  }
  if (!hasCursor_ || !input_.waiting()) return;
  QPointF target = map.toScreen(pointFor(cursor_));
  if (request.kind == ed::InputRequest::kPoint && request.hasBase) {
    QPointF base = map.toScreen(QPointF(request.base.x, request.base.y));
    painter.setPen(QPen(QColor(230, 230, 230), 0, Qt::DashLine));
    if (request.corner)
      painter.drawRect(QRectF(base, target).normalized());
    else
      painter.drawLine(base, target);
  }
  if (windowStart_) {
    bool window = cursor_.x() >= windowStart_->x();
    painter.setPen(QPen(window ? QColor(80, 140, 255) : QColor(80, 220, 120), 0,
                        window ? Qt::SolidLine : Qt::DashLine));
    painter.drawRect(QRectF(*windowStart_, cursor_).normalized());
  }
  if (asksPoint(request.kind)) {
    if (std::optional<SnapPoint> snap = snapAt(cursor_)) {
      QPointF p = map.toScreen(snap->at);
      painter.setPen(QPen(QColor(255, 220, 0), 2));
      painter.drawRect(QRectF(p.x() - 5, p.y() - 5, 10, 10));
    }
  }
}

}  // namespace gui
