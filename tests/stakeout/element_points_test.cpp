// Points taken along lines, arcs, polylines and clothoid alignments, with their interpolation.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "lisp/interpreter.h"
#include "stakeout/pointsElementImplantation.h"
#include "tools/clothoideEnregistrement.h"

namespace {

constexpr double kPi = std::numbers::pi;

std::vector<double> abscissas(const std::vector<AcGePoint3d>& points) {
  std::vector<double> xs;
  for (const AcGePoint3d& p : points) xs.push_back(p.x);
  return xs;
}

TEST(StraightRule, IntermediatePointsStopStrictlyBeforeTheEnd) {
  parametresImplantation p;
  p.interpolerDroites = 1;
  p.distanceDroites = 100.0;
  std::vector<AcGePoint3d> points;
  pointsDroite(AcGePoint3d(0, 0, 7), AcGePoint3d(250, 0, 9), p, points);
  EXPECT_EQ(abscissas(points), (std::vector<double>{0, 100, 200, 250}));
  EXPECT_EQ(points[1].z, 7.0);  // the start's Z
  EXPECT_EQ(points[3].z, 9.0);
  points.clear();
  pointsDroite(AcGePoint3d(0, 0, 0), AcGePoint3d(200, 0, 0), p, points);
  EXPECT_EQ(abscissas(points), (std::vector<double>{0, 100, 200}));
  points.clear();
  p.interpolerDroites = 0;
  pointsDroite(AcGePoint3d(0, 0, 0), AcGePoint3d(250, 0, 0), p, points);
  EXPECT_EQ(points.size(), 2u);
}

TEST(ArcRule, StepAlongTheArcOrByChordErrorLimitedToHalfTheSweep) {
  parametresImplantation p;
  p.valeurArcs = 5.0;  // 5 along a radius of 10: 0.5 rad
  std::vector<AcGePoint3d> points;
  pointsArc(AcGePoint3d(0, 0, 0), 10.0, 0.0, 1.2, p, points);
  ASSERT_EQ(points.size(), 4u);  // 0, 0.5, 1.0, 1.2
  EXPECT_NEAR(std::atan2(points[2].y, points[2].x), 1.0, 1e-12);
  EXPECT_NEAR(std::atan2(points[3].y, points[3].x), 1.2, 1e-12);

  // Error 20 on a radius 10: the step 20 / 10 rad, cut to half of the 3 rad sweep.
  p.modeArcs = kInterpolationErreurMax;
  p.valeurArcs = 20.0;
  points.clear();
  pointsArc(AcGePoint3d(0, 0, 0), 10.0, 0.0, 3.0, p, points);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_NEAR(std::atan2(points[1].y, points[1].x), 1.5, 1e-12);

  // A small error on a large radius: every chord departs at most that much.
  p.valeurArcs = 0.01;
  points.clear();
  pointsArc(AcGePoint3d(0, 0, 0), 100.0, kPi / 2, 0.0, p, points);  // across the zero angle
  ASSERT_GT(points.size(), 10u);
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    const AcGePoint3d middle((points[i].x + points[i + 1].x) / 2, (points[i].y + points[i + 1].y) / 2, 0);
    EXPECT_LE(100.0 - std::hypot(middle.x, middle.y), 0.01 + 1e-9);
  }
  points.clear();
  pointsArc(AcGePoint3d(0, 0, 0), 1e-9, 0.0, 1.0, p, points);
  EXPECT_TRUE(points.empty());
}

class DrawingElements : public ::testing::Test {
 protected:
  DrawingElements() : db_(true, true) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
    lisp_.setDatabase(&db_);
  }
  ~DrawingElements() override { acdbHostApplicationServices()->setWorkingDatabase(nullptr); }
  AcDbObjectId make(const wchar_t* list) {
    lisp_.evaluate(list);
    return lisp_.evaluate(L"(entlast)").value->id;
  }
  AcDbDatabase db_;
  lisp::Interpreter lisp_;
};

TEST_F(DrawingElements, PolylineArcsFollowTheirBulgesInTheElementsOrder) {
  parametresImplantation p;
  p.valeurArcs = 1.0;
  // A straight side, then a clockwise half circle of radius 5 (bulge -1) from (10,0) to (20,0).
  const AcDbObjectId polyline = make(
      L"(entmake '((0 . \"LWPOLYLINE\") (100 . \"AcDbEntity\") (100 . \"AcDbPolyline\") (90 . 3)"
      L" (70 . 0) (38 . 4.0) (10 0.0 0.0) (10 10.0 0.0) (42 . -1.0) (10 20.0 0.0)))");
  const auto points = pointsDeLEntite(polyline, p);
  ASSERT_GE(points.size(), 10u);
  EXPECT_EQ(points[0].x, 0.0);
  EXPECT_EQ(points[1].x, 10.0);
  EXPECT_EQ(points.back().x, 20.0);
  for (size_t i = 1; i < points.size(); ++i) {
    EXPECT_GT(points[i].x, points[i - 1].x - 1e-9);  // walked from start to end
    EXPECT_EQ(points[i].z, 4.0);                      // the polyline's elevation
    if (i > 1) {
      EXPECT_NEAR(std::hypot(points[i].x - 15.0, points[i].y), 5.0, 1e-9);
      EXPECT_GE(points[i].y, -1e-9);  // clockwise from (10,0) to (20,0) passes above
    }
  }
}

TEST_F(DrawingElements, ClothoidPolylinesAreSampledByTheirRecord) {
  const AcDbObjectId polyline = make(
      L"(entmake '((0 . \"LWPOLYLINE\") (100 . \"AcDbEntity\") (100 . \"AcDbPolyline\") (90 . 2)"
      L" (10 0.0 0.0) (10 60.0 10.0)))");
  elementClothoide clothoid;
  clothoid.setParametre(80.0);
  clothoid.setLongueurs(0.0, 65.0);
  ASSERT_TRUE(ecrireClothoidePolyligne(polyline, clothoid));
  parametresImplantation p;
  p.valeurClothoides = 20.0;  // 0, 20, 40, 60, then the end at 65
  const auto points = pointsDeLEntite(polyline, p);
  ASSERT_EQ(points.size(), 5u);
  AcGePoint2d end;
  ASSERT_TRUE(clothoid.pointA(65.0, end));
  EXPECT_NEAR(points.back().x, end.x, 1e-6);
  EXPECT_NEAR(points.back().y, end.y, 1e-6);
  p.modeClothoides = kInterpolationErreurMax;
  p.valeurClothoides = 0.001;
  EXPECT_GT(pointsDeLEntite(polyline, p).size(), 5u);
}

TEST_F(DrawingElements, PointsBlocksLinesAndOtherEntities) {
  parametresImplantation p;
  EXPECT_EQ(pointsDeLEntite(make(L"(entmake '((0 . \"POINT\") (10 3.0 4.0 5.0)))"), p).size(), 1u);
  const auto line = pointsDeLEntite(
      make(L"(entmake '((0 . \"LINE\") (10 0.0 0.0 1.0) (11 3.0 4.0 2.0)))"), p);
  ASSERT_EQ(line.size(), 2u);
  EXPECT_EQ(line[1].z, 2.0);
  const auto arc = pointsDeLEntite(
      make(L"(entmake '((0 . \"ARC\") (10 0.0 0.0 6.0) (40 . 100.0) (50 . 0.0) (51 . 1.0)))"), p);
  ASSERT_GE(arc.size(), 3u);
  EXPECT_EQ(arc[1].z, 0.0);  // arcs give no altitude
  EXPECT_TRUE(pointsDeLEntite(make(L"(entmake '((0 . \"CIRCLE\") (10 0.0 0.0 0.0) (40 . 1.0)))"), p)
                  .empty());
  EXPECT_TRUE(pointsDeLEntite(AcDbObjectId(), p).empty());
}

}  // namespace
