// A drag follows the cursor: the module's oriented rectangle (RECT3PT) shows at the cursor while
// its last corner is dragged, and the click that ends the drag places it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <cmath>

#include "db/dbpl.h"
#include "gui/window_fixture.h"
#include "rx/rxdlinkr.h"
#include "shell/command_line_widget.h"
#include "view/drawing_view.h"

namespace {

using guitest::entitiesOf;

class ShellJig : public guitest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(acrxDynamicLinker->loadModule(utf8ToWide(ARPENTA_MODULE_PATH).c_str()));
    document_ = acDocManager->newDocument();
    ASSERT_NE(document_, nullptr);
  }
  void TearDown() override {
    WindowTest::TearDown();
    acrxDynamicLinker->unloadAll();
  }
  void click(const QPointF& pixel) { QTest::mouseClick(&window().view(), Qt::LeftButton, {}, pixel.toPoint()); }
  AcApDocument* document_ = nullptr;
};

TEST_F(ShellJig, OrientedRectangleFollowsTheCursorThenIsPlaced) {
  gui::DrawingView& view = window().view();
  QPointF origin, rotation, corner;
  QImage before, during;
  runSteps({
      [&] {
        QLineEdit* line = window().commandLine().inputLine();
        QTest::keyClicks(line, "RECT3PT");
        QTest::keyClick(line, Qt::Key_Return);
      },
      [&] {
        origin = QPointF(view.width() / 2 - 150, view.height() / 2 + 100);
        click(origin);
      },
      [&] {
        rotation = origin + QPointF(300, 0);
        click(rotation);
      },
      // The drag: the cursor moves, the rectangle follows.
      [&] {
        before = view.renderImage();
        corner = origin + QPointF(150, -200);
        QTest::mouseMove(&view, corner.toPoint());
      },
      [&] {
        during = view.renderImage();
        click(corner);
      },
  });
  // The rectangle's side opposite the first one is drawn along the cursor's height.
  auto inkAt = [&](const QImage& image, QPointF p) {
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (image.pixelColor(int(p.x()) + dx, int(p.y()) + dy) != gui::DrawingView::background()) return true;
    return false;
  };
  QPointF farSide(origin.x() + 75, corner.y());
  EXPECT_FALSE(inkAt(before, farSide));
  EXPECT_TRUE(inkAt(during, farSide)) << window().commandLine().historyText().toStdString();
  std::vector<AcDbObjectId> plines = entitiesOf<AcDbPolyline>(document_->database());
  ASSERT_EQ(plines.size(), 1u);
  AcDbPolyline* pline = nullptr;
  ASSERT_EQ(acdbOpenObject(pline, plines.front(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(pline->numVerts(), 4u);
  bool reachesCorner = false;
  QPointF target = view.toDrawing(corner);
  for (unsigned int i = 0; i < pline->numVerts(); ++i) {
    AcGePoint3d p;
    pline->getPointAt(i, p);
    if (std::abs(p.y - target.y()) < 1e-6) reachesCorner = true;
  }
  pline->close();
  EXPECT_TRUE(reachesCorner);
}

}  // namespace
