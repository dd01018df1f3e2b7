// The drawing view rendered offscreen: ink where the example's entities are, none where nothing
// is, colours from the entity and its layer, layers off hidden.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "gui/example_view_fixture.h"
#include "view/aci_palette.h"

namespace {

using guitest::entitiesOf;

class ViewRender : public guitest::ExampleViewTest {
 protected:
  QPointF pixelOf(const AcGePoint3d& p) const { return view_.toScreen(QPointF(p.x, p.y)); }

  // Pixels other than the background within radius of a pixel.
  static int inkNear(const QImage& image, const QPointF& at, int radius = 2) {
    int count = 0;
    for (int y = int(at.y()) - radius; y <= int(at.y()) + radius; ++y)
      for (int x = int(at.x()) - radius; x <= int(at.x()) + radius; ++x)
        if (image.valid(x, y) && image.pixelColor(x, y) != gui::DrawingView::background()) ++count;
    return count;
  }
};

TEST_F(ViewRender, EntitiesOfTheExampleLeaveInkWhereTheyLie) {
  QImage image = view_.renderImage();
  std::vector<AcDbObjectId> lines = entitiesOf<AcDbLine>(db());
  std::vector<AcDbObjectId> circles = entitiesOf<AcDbCircle>(db());
  std::vector<AcDbObjectId> texts = entitiesOf<AcDbText>(db());
  ASSERT_FALSE(lines.empty());
  ASSERT_FALSE(circles.empty());
  ASSERT_FALSE(texts.empty());
  for (AcDbObjectId id : lines) {
    AcDbLine* line = nullptr;
    ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
    AcGePoint3d a = line->startPoint(), b = line->endPoint();
    line->close();
    EXPECT_GT(inkNear(image, pixelOf(AcGePoint3d((a.x + b.x) / 2, (a.y + b.y) / 2, 0))), 0);
  }
  for (AcDbObjectId id : circles) {
    AcDbCircle* circle = nullptr;
    ASSERT_EQ(acdbOpenObject(circle, id, AcDb::kForRead), Acad::eOk);
    AcGePoint3d c = circle->center();
    double r = circle->radius();
    circle->close();
    // On the rim, east and north; the circle is not filled.
    EXPECT_GT(inkNear(image, pixelOf(AcGePoint3d(c.x + r, c.y, 0))), 0);
    EXPECT_GT(inkNear(image, pixelOf(AcGePoint3d(c.x, c.y + r, 0))), 0);
    if (r / view_.mapping().unitsPerPixel > 6) {
      EXPECT_EQ(inkNear(image, pixelOf(c), 1), 0);
    }
  }
  for (AcDbObjectId id : texts) {
    AcDbText* text = nullptr;
    ASSERT_EQ(acdbOpenObject(text, id, AcDb::kForRead), Acad::eOk);
    AcGePoint3dArray box;
    text->getBoundingPoints(box);
    text->close();
    AcGePoint3d middle((box[0].x + box[2].x) / 2, (box[0].y + box[2].y) / 2, 0);
    EXPECT_GT(inkNear(image, pixelOf(middle), 4), 0);
  }
}

TEST_F(ViewRender, NoInkWhereNothingIs) {
  QImage image = view_.renderImage();
  const gui::DisplayList& list = view_.displayList();
  ASSERT_FALSE(list.items().empty());
  // Pixels of a coarse lattice that are far from every item's extents stay background.
  double margin = 4 * view_.mapping().unitsPerPixel;
  int checked = 0;
  for (int y = 10; y < image.height(); y += 37) {
    for (int x = 10; x < image.width(); x += 41) {
      QPointF at = view_.toDrawing(QPointF(x, y));
      bool nearSomething = false;
      for (const gui::DisplayItem& item : list.items())
        if (item.bounds.adjusted(-margin, -margin, margin, margin).contains(at)) nearSomething = true;
      if (nearSomething) continue;
      ++checked;
      EXPECT_EQ(inkNear(image, QPointF(x, y), 1), 0) << "at pixel " << x << "," << y;
    }
  }
  EXPECT_GT(checked, 20);
}

TEST_F(ViewRender, ColoursFollowTheLayerAndLayersOffAreHidden) {
  std::vector<AcDbObjectId> lines = entitiesOf<AcDbLine>(db());
  ASSERT_FALSE(lines.empty());
  AcDbLine* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, lines.front(), AcDb::kForWrite), Acad::eOk);
  line->setColorIndex(256);
  AcGePoint3d a = line->startPoint(), b = line->endPoint();
  AcDbObjectId layerId = line->layerId();
  line->close();
  AcDbLayerTableRecord* layer = nullptr;
  ASSERT_EQ(acdbOpenObject(layer, layerId, AcDb::kForWrite), Acad::eOk);
  layer->setColorIndex(3);
  layer->close();
  view_.rebuild();
  QPointF middle = pixelOf(AcGePoint3d((a.x + b.x) / 2, (a.y + b.y) / 2, 0));
  QImage image = view_.renderImage();
  bool green = false;
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (image.pixelColor(int(middle.x()) + dx, int(middle.y()) + dy) == gui::aciColor(3)) green = true;
  EXPECT_TRUE(green);

  ASSERT_EQ(acdbOpenObject(layer, layerId, AcDb::kForWrite), Acad::eOk);
  layer->setIsOff(true);
  layer->close();
  view_.rebuild();
  long index = view_.displayList().indexOf(lines.front());
  ASSERT_GE(index, 0);
  EXPECT_FALSE(view_.displayList().items()[index].shows());
  image = view_.renderImage();
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      EXPECT_NE(image.pixelColor(int(middle.x()) + dx, int(middle.y()) + dy), gui::aciColor(3));
}

TEST_F(ViewRender, WheelZoomKeepsThePointUnderTheCursorAndPanMovesTheDrawing) {
  QPointF cursor(200, 150);
  QPointF before = view_.toDrawing(cursor);
  double unit = view_.mapping().unitsPerPixel;
  view_.zoomAbout(cursor, 2.0);
  QPointF after = view_.toDrawing(cursor);
  EXPECT_NEAR(after.x(), before.x(), 1e-9 * std::abs(before.x()) + 1e-9);
  EXPECT_NEAR(after.y(), before.y(), 1e-9 * std::abs(before.y()) + 1e-9);
  EXPECT_NEAR(view_.mapping().unitsPerPixel, unit / 2, 1e-12 * unit);
  view_.pan(QPointF(30, -20));
  QPointF moved = view_.toScreen(before);
  EXPECT_NEAR(moved.x(), cursor.x() + 30, 1e-6);
  EXPECT_NEAR(moved.y(), cursor.y() - 20, 1e-6);
  // Only what the screen shows is drawn once zoomed in.
  view_.zoomAbout(cursor, 50.0);
  view_.renderImage();
  EXPECT_LT(view_.lastDrawnCount(), view_.displayList().items().size());
}

}  // namespace

namespace {

// A pan moves the last picture and draws only the strips it uncovers: the result is the picture
// a full redraw gives.
TEST_F(ViewRender, PanReusingThePictureDrawsWhatAFullRedrawDraws) {
  view_.zoomAbout(QPointF(400, 300), 1.7);
  view_.renderImage();
  view_.pan(QPointF(37, -23));
  QImage panned = view_.renderImage();
  size_t drawnAfterPan = view_.lastDrawnCount();
  view_.invalidate();
  QImage full = view_.renderImage();
  // Texts cut by a strip's edge may differ by an antialiased pixel or two, nothing more.
  EXPECT_LT(differingPixels(panned, full), 40);
  EXPECT_LT(drawnAfterPan, view_.lastDrawnCount());
}

}  // namespace
