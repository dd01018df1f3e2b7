// What the display list makes of entities (polyline bulges and widths, hatch boundaries, snap
// points) and what the spatial grid gives back for a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "db/dbents.h"
#include "db/dbmtext.h"
#include "db/dbpl.h"
#include "view/display_list.h"
#include "view/hatch_outline.h"
#include "view/spatial_grid.h"

namespace {

bool hasSnap(const std::vector<gui::SnapPoint>& snaps, gui::SnapPoint::Kind kind, double x, double y) {
  return std::any_of(snaps.begin(), snaps.end(), [&](const gui::SnapPoint& s) {
    return s.kind == kind && std::abs(s.at.x() - x) < 1e-9 && std::abs(s.at.y() - y) < 1e-9;
  });
}

TEST(DisplayList, PolylineBulgesBendTheirSegmentsToTheCorrectSide) {
  // A positive bulge of 1 is a half circle turning left: from (0,0) to (10,0) it passes below.
  AcDbPolyline pline;
  pline.addVertexAt(0, AcGePoint2d(0, 0), 1.0);
  pline.addVertexAt(1, AcGePoint2d(10, 0), -0.5);
  pline.addVertexAt(2, AcGePoint2d(20, 0));
  std::vector<gui::Stroke> strokes;
  std::vector<gui::SnapPoint> snaps;
  gui::appendEntity(&pline, gui::DrawContext(), strokes, &snaps);
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_TRUE(hasSnap(snaps, gui::SnapPoint::kMiddle, 5, -5));
  EXPECT_TRUE(hasSnap(snaps, gui::SnapPoint::kCenter, 5, 0));
  EXPECT_TRUE(hasSnap(snaps, gui::SnapPoint::kEnd, 20, 0));
  QRectF bounds = gui::strokeBounds(strokes);
  EXPECT_NEAR(bounds.top(), -5, 1e-6);
  // The second arc (bulge -0.5, a quarter of 4 atan 0.5) rises above the chord by its sagitta.
  EXPECT_NEAR(bounds.bottom(), 10 * 0.5 / 2, 1e-2);
  for (const QPointF& p : strokes.front().points) EXPECT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
}

TEST(DisplayList, WidePolylineSegmentsKeepTheirWidthAndBounds) {
  AcDbPolyline pline;
  pline.addVertexAt(0, AcGePoint2d(0, 0), 0.0, 2.0, 2.0);
  pline.addVertexAt(1, AcGePoint2d(10, 0));
  std::vector<gui::Stroke> strokes;
  gui::appendEntity(&pline, gui::DrawContext(), strokes, nullptr);
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_DOUBLE_EQ(strokes.front().width, 2.0);
  EXPECT_NEAR(gui::strokeBounds(strokes).height(), 2.0, 1e-9);
}

TEST(DisplayList, LinesAndPointsGiveTheirSnaps) {
  AcDbLine line(AcGePoint3d(1, 2, 0), AcGePoint3d(5, 8, 0));
  AcDbPoint point(AcGePoint3d(3, 3, 0));
  std::vector<gui::Stroke> strokes;
  std::vector<gui::SnapPoint> snaps;
  gui::appendEntity(&line, gui::DrawContext(), strokes, &snaps);
  gui::appendEntity(&point, gui::DrawContext(), strokes, &snaps);
  EXPECT_TRUE(hasSnap(snaps, gui::SnapPoint::kEnd, 1, 2));
  EXPECT_TRUE(hasSnap(snaps, gui::SnapPoint::kEnd, 5, 8));
  EXPECT_TRUE(hasSnap(snaps, gui::SnapPoint::kMiddle, 3, 5));
  EXPECT_TRUE(hasSnap(snaps, gui::SnapPoint::kNode, 3, 3));
}

TEST(DisplayList, MTextShowsEachParagraphAndWrappedLineInItsOwnBoxAligned) {
  AcDbMText mtext;
  mtext.setLocation(AcGePoint3d(100, 50, 0));
  mtext.setTextHeight(2.0);
  mtext.setAttachment(AcDbMText::kTopCenter);
  mtext.setContents(L"{\\fArial;TITRE}\\PLIGNE PLUS LONGUE");
  std::vector<gui::Stroke> strokes;
  std::vector<gui::SnapPoint> snaps;
  gui::appendEntity(&mtext, gui::DrawContext(), strokes, &snaps);
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_EQ(strokes[0].text, QString("TITRE"));
  EXPECT_EQ(strokes[1].text, QString("LIGNE PLUS LONGUE"));
  // Boxes BL, BR, TR, TL: the first line's top at the location, the second a line pitch lower,
  // both centred on the location.
  for (const gui::Stroke& s : strokes) {
    ASSERT_EQ(s.points.size(), 4u);
    EXPECT_NEAR((s.points[0].x() + s.points[1].x()) / 2, 100.0, 1e-9);
    EXPECT_NEAR(s.points[3].y() - s.points[0].y(), 2.0, 1e-9);
  }
  EXPECT_NEAR(strokes[0].points[3].y(), 50.0, 1e-9);
  EXPECT_NEAR(strokes[0].points[0].y() - strokes[1].points[0].y(), 2.0 * 5.0 / 3.0, 1e-9);
  EXPECT_LT(strokes[0].points[1].x() - strokes[0].points[0].x(), strokes[1].points[1].x() - strokes[1].points[0].x());
  EXPECT_TRUE(hasSnap(snaps, gui::SnapPoint::kInsertion, 100, 50));

  // Wrapped at a width: more lines than paragraphs, none wider than the width.
  mtext.setAttachment(AcDbMText::kTopLeft);
  mtext.setWidth(12.0);
  mtext.setContents(L"UN DEUX TROIS QUATRE CINQ SIX");
  strokes.clear();
  gui::appendEntity(&mtext, gui::DrawContext(), strokes, nullptr);
  EXPECT_GT(strokes.size(), 1u);
  for (const gui::Stroke& s : strokes) {
    EXPECT_NEAR(s.points[0].x(), 100.0, 1e-9);
    EXPECT_LE(s.points[1].x() - s.points[0].x(), 12.0 + 1e-9);
  }
}

TEST(HatchOutline, PolylineAndEdgePathsAreFollowed) {
  DxfItemList items = {
      DxfItem::makePoint(10, 0, 0, 0), DxfItem::makeString(2, L"SOLID"), DxfItem::makeInt(70, 1),
      DxfItem::makeInt(71, 0), DxfItem::makeInt(91, 2),
      // A polyline path: a closed square.
      DxfItem::makeInt(92, 2), DxfItem::makeInt(72, 0), DxfItem::makeInt(73, 1), DxfItem::makeInt(93, 4),
      DxfItem::makePoint(10, 0, 0, 0, 2), DxfItem::makePoint(10, 4, 0, 0, 2), DxfItem::makePoint(10, 4, 4, 0, 2),
      DxfItem::makePoint(10, 0, 4, 0, 2), DxfItem::makeInt(97, 0),
      // An edge path: a line and a half circle back to its start.
      DxfItem::makeInt(92, 1), DxfItem::makeInt(93, 2), DxfItem::makeInt(72, 1), DxfItem::makePoint(10, 10, 0, 0, 2),
      DxfItem::makePoint(11, 14, 0, 0, 2), DxfItem::makeInt(72, 2), DxfItem::makePoint(10, 12, 0, 0, 2),
      DxfItem::makeReal(40, 2), DxfItem::makeReal(50, 0), DxfItem::makeReal(51, 180), DxfItem::makeInt(73, 1),
      DxfItem::makeInt(97, 0), DxfItem::makeInt(75, 1)};
  std::vector<gui::HatchLoop> loops = gui::hatchOutline(items);
  ASSERT_EQ(loops.size(), 2u);
  EXPECT_EQ(loops[0].points.size(), 4u);
  EXPECT_TRUE(loops[0].closed);
  double top = 0;
  for (const QPointF& p : loops[1].points) top = std::max(top, p.y());
  EXPECT_NEAR(top, 2.0, 1e-9);
  EXPECT_NEAR(loops[1].points.back().x(), 10.0, 1e-9);
}

TEST(HatchOutline, TruncatedItemsGiveWhatWasReadWithoutFailing) {
  DxfItemList items = {DxfItem::makeInt(91, 3), DxfItem::makeInt(92, 2), DxfItem::makeInt(72, 0),
                       DxfItem::makeInt(73, 1), DxfItem::makeInt(93, 5), DxfItem::makePoint(10, 1, 1, 0, 2)};
  std::vector<gui::HatchLoop> loops = gui::hatchOutline(items);
  ASSERT_LE(loops.size(), 1u);
}

TEST(SpatialGrid, GivesExactlyTheItemsAWindowMayMeet) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> position(-500, 1500), size(0, 40);
  std::vector<QRectF> bounds;
  for (int i = 0; i < 3000; ++i) bounds.emplace_back(position(random), position(random), size(random), size(random));
  bounds.emplace_back(-2000, -2000, 5000, 5000);  // one item larger than the whole grid
  gui::SpatialGrid grid;
  grid.reset(QRectF(0, 0, 1000, 1000), bounds.size());  // some items lie outside the grid
  for (size_t i = 0; i < bounds.size(); ++i) grid.insert(static_cast<uint32_t>(i), bounds[i]);
  for (int q = 0; q < 200; ++q) {
    QRectF window(position(random), position(random), size(random) * 5, size(random) * 5);
    std::vector<uint32_t> found = grid.query(window);
    ASSERT_TRUE(std::is_sorted(found.begin(), found.end()));
    ASSERT_EQ(std::adjacent_find(found.begin(), found.end()), found.end());
    for (size_t i = 0; i < bounds.size(); ++i) {
      if (bounds[i].intersects(window)) {
        ASSERT_TRUE(std::binary_search(found.begin(), found.end(), static_cast<uint32_t>(i)))
            << "item " << i << " missing";
      }
    }
  }
}

}  // namespace
