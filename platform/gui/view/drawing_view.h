// The drawing view: model space of the current document, drawn from a display list through a
// spatial grid so that only what the screen shows is drawn. The placement (centre, height,
// screen size) is the document's own view, the one ZOOM and the picks of the command line use.
#pragma once
#include <QImage>
#include <QWidget>
#include <functional>

#include "view/change_tracker.h"
#include "view/display_list.h"
#include "view/spatial_grid.h"
#include "view/stroke_painter.h"

class AcApDocument;
struct AcApViewState;
class AcDbDatabase;

namespace gui {

class DrawingView : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingView(QWidget* parent = nullptr);

  // The document shown (null: nothing). Builds the display list and sets the view's screen.
  void setDocument(AcApDocument* document);
  AcApDocument* document() const { return document_; }
  // The display list from scratch.
  void rebuild();
  // Catches up with the drawing: the entities that changed since the last look are drawn again,
  // and only the part of the picture they cover; everything when a layer, a text style or a block
  // definition changed.
  void updateFromChanges();
  // How many times the display list was built from scratch.
  unsigned long fullRebuildCount() const { return fullRebuilds_; }

  const DisplayList& displayList() const { return list_; }
  const SpatialGrid& grid() const { return grid_; }
  ScreenMapping mapping() const;
  QPointF toDrawing(const QPointF& pixel) const { return mapping().toDrawing(pixel); }
  QPointF toScreen(const QPointF& point) const { return mapping().toScreen(point); }

  void zoomExtents();
  // The window between two pixels of the screen.
  void zoomWindow(const QPointF& pixel1, const QPointF& pixel2);
  // Magnifies by factor keeping the drawing point under the pixel where it is.
  void zoomAbout(const QPointF& pixel, double factor);
  // Moves the drawing by a distance in pixels.
  void pan(const QPointF& pixels);

  // Draws the drawing on a painter of the widget's size (offscreen images as well).
  void paintDrawing(QPainter& painter);
  QImage renderImage();
  // What the shell draws over the drawing (rubber bands, dragged entities, snap markers).
  void setOverlay(std::function<void(QPainter&, const ScreenMapping&)> overlay) {
    overlay_ = std::move(overlay);
  }
  // Items drawn by the last paint (after a pan, those of the uncovered strips only).
  size_t lastDrawnCount() const { return lastDrawn_; }
  // The next paint draws everything again instead of reusing the last picture.
  void invalidate() {
    ++generation_;
    update();
  }

  static QColor background() { return QColor(24, 24, 28); }

 signals:
  void pointerPressed(QPointF pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void pointerMoved(QPointF pixel);
  void pointerReleased(QPointF pixel, Qt::MouseButton button);
  void placementChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void indexAll();
  void syncScreen();
  // Draws the items meeting a rectangle of pixels, clipped to it.
  void drawRegion(QPainter& painter, const ScreenMapping& map, const QRect& pixels);
  // The cached picture brought to the current placement: shifted by a pan when it can be, the
  // uncovered strips and the changed places drawn; drawn whole otherwise.
  void updatePicture(const ScreenMapping& map);
  // Draws again the places of the picture where entities changed.
  void drawChangedPlaces(QPainter& painter, const ScreenMapping& map);

  AcApDocument* document_ = nullptr;
  DisplayList list_;
  SpatialGrid grid_;
  ChangeTracker tracker_;
  unsigned long fullRebuilds_ = 0;
  // Where entities changed since the picture was drawn (drawing units; a point is an empty
  // rectangle at its place).
  std::vector<QRectF> changedPlaces_;
  std::function<void(QPainter&, const ScreenMapping&)> overlay_;
  bool panning_ = false;
  QPointF panFrom_;
  size_t lastDrawn_ = 0;
  // The drawing without what is drawn over it, as last painted, and what it was painted for.
  QImage picture_;
  ScreenMapping pictureMapping_;
  unsigned long pictureGeneration_ = 0;
  unsigned long generation_ = 1;
};

}  // namespace gui
