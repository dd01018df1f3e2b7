// The mouse on the drawing view answers the prompt waiting: a click gives a point (to the
// nearest snap point within the aperture) where a point is asked, "#HANDLE" of the entity under
// the pick box where an entity is asked, and at the selection prompt a pick or a window (left
// to right) or crossing (right to left) between two clicks. While a drag runs, the cursor's
// movements are given too. It draws the rubber band, the window, the dragged entity and the snap
// marker over the view.
#pragma once
#include <QObject>
#include <QPointF>
#include <optional>
#include <string>

#include "view/display_list.h"
#include "view/stroke_painter.h"

namespace gui {

class DrawingView;
class CommandInput;

class ViewPicker : public QObject {
  Q_OBJECT

 public:
  ViewPicker(DrawingView& view, CommandInput& input);

  // Where the cursor goes to: the snap point near the pixel when a point is asked, else the pixel.
  QPointF pointFor(const QPointF& pixel) const;
  std::optional<SnapPoint> snapAt(const QPointF& pixel) const;
  // The answer text of a point ("x,y", as short as it can be and exact).
  static std::wstring pointText(const QPointF& point);
  // The selection window started by a first click, if any.
  bool windowStarted() const { return windowStart_.has_value(); }

  // Object snaps and the pick box, in pixels.
  static constexpr double kAperturePixels = 10.0;
  static constexpr double kPickBoxPixels = 4.0;

 private:
  void pressed(QPointF pixel, Qt::MouseButton button);
  void moved(QPointF pixel);
  void released(QPointF pixel, Qt::MouseButton button);
  void finishWindow(const QPointF& pixel);
  std::wstring entityAnswer(const QPointF& pixel) const;
  void drawOverlay(QPainter& painter, const ScreenMapping& map);

  DrawingView& view_;
  CommandInput& input_;
  QPointF cursor_;
  bool hasCursor_ = false;
  std::optional<QPointF> windowStart_;  // pixel of the first corner
};

}  // namespace gui
