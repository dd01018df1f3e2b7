// The line-of-sight test: terrain rising above the sight line, the station height, obstacles and
// their tops, and every way of having no answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "lisp/interpreter.h"
#include "stakeout/obstacleLineaireImplantation.h"
#include "stakeout/obstaclePonctuelImplantation.h"
#include "stakeout/observationMiseEnStationOrientee.h"
#include "stakeout/visibiliteImplantation.h"

namespace {

// A terrain given by a function, known over x in [xmin, xmax]; its profile has a vertex every
// metre of x, as a triangulation with one-metre columns would give.
class terrainAnalytique : public terrainImplantation {
 public:
  terrainAnalytique(std::function<double(double, double)> z, double xmin = -1e9, double xmax = 1e9)
      : z_(std::move(z)), xmin_(xmin), xmax_(xmax) {}

  bool altitude(AcGePoint3d& p) const override {
    if (p.x < xmin_ || p.x > xmax_) return false;
    p.z = z_(p.x, p.y);
    return true;
  }
  bool profil(const AcGePoint3d& a, const AcGePoint3d& b,
              std::vector<std::vector<AcGePoint3d>>& out) const override {
    std::vector<AcGePoint3d> line;
    const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(b.x - a.x))));
    for (int i = 0; i <= n; ++i) {
      const double t = static_cast<double>(i) / n;
      AcGePoint3d p(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), 0.0);
      if (altitude(p)) line.push_back(p);
    }
    out.push_back(line);
    return true;
  }

 private:
  std::function<double(double, double)> z_;
  double xmin_, xmax_;
};

class Visibility : public ::testing::Test {
 protected:
  Visibility() {
    station_.setPosition(0.0, 0.0, 100.0);
    point_.x = 100.0;
    point_.y = 0.0;
  }
  double run(const terrainImplantation* terrain, double height = 1.5) {
    testerVisibilite(point_, station_, height, obstacles_, terrain);
    return point_.obstruction;
  }

  observationMiseEnStationOrientee station_;
  observationImplantation point_;
  std::vector<std::unique_ptr<obstacleImplantation>> obstacles_;
};

TEST(SightLine, RiseIsMeasuredAtRightAnglesAndTouchingIsNotAbove) {
  EXPECT_DOUBLE_EQ(hauteurAuDessusVisee(0, 0, 10, 0, 5, 1), 1.0);
  EXPECT_EQ(hauteurAuDessusVisee(0, 0, 10, 0, 5, 0), 0.0);
  EXPECT_EQ(hauteurAuDessusVisee(0, 0, 10, 0, 5, -3), 0.0);
  EXPECT_NEAR(hauteurAuDessusVisee(0, 0, 10, 10, 0, 10), std::sqrt(50.0), 1e-12);
  // Far from the origin the answer keeps its digits.
  EXPECT_NEAR(hauteurAuDessusVisee(0, 1e6, 1e4, 1e6 + 1e4, 5e3, 1e6 + 5e3 + std::sqrt(2.0)), 1.0,
              1e-9);
}

TEST_F(Visibility, RidgeSlopeAndFlatGround) {
  // A ridge at x = 50 rising 4 m above the ground.
  terrainAnalytique ridge([](double x, double) { return 100.0 + std::max(0.0, 4.0 - std::fabs(x - 50.0)); });
  point_.z = 100.0;
  EXPECT_NEAR(run(&ridge), 2.5, 1e-9);  // 4 m of ridge less 1.5 m of instrument
  EXPECT_EQ(point_.visibiliteCalculee, 1u);
  EXPECT_FALSE(estVisible(point_, 1.0));
  EXPECT_TRUE(estVisible(point_, 2.5));  // equal to H.Min is visible
  EXPECT_NEAR(run(&ridge, 4.0), 0.0, 1e-12);  // a taller instrument sees over it
  // A steady slope never rises above a line joining two points raised by the same height.
  terrainAnalytique slope([](double x, double) { return 100.0 + 0.3 * x; });
  point_.z = kSansValeur;  // taken from the terrain
  EXPECT_NEAR(run(&slope, 0.0), 0.0, 1e-9);
  EXPECT_EQ(point_.visibiliteCalculee, 1u);
  EXPECT_EQ(point_.z, kSansValeur);  // the point itself keeps its unknown Z
}

TEST_F(Visibility, NoTerrainOrNoAnswerLeavesThePointNotVerified) {
  point_.visibiliteCalculee = 1;
  point_.obstruction = 3.0;
  EXPECT_EQ(run(nullptr), kSansValeur);
  EXPECT_EQ(point_.visibiliteCalculee, 0u);
  // The point lies off the terrain and has no Z of its own.
  terrainAnalytique shortTerrain([](double, double) { return 100.0; }, -10.0, 60.0);
  point_.z = kSansValeur;
  EXPECT_EQ(run(&shortTerrain), kSansValeur);
  EXPECT_FALSE(estVisible(point_, 1e30));
  // With a Z it is tested over the part of the profile that exists.
  point_.z = 100.0;
  EXPECT_EQ(run(&shortTerrain), 0.0);
  // A station without Z is never tested.
  station_.setZ(kSansValeur);
  EXPECT_EQ(run(&shortTerrain), kSansValeur);
}

TEST_F(Visibility, PointObstaclesAddTheirHeightToTheGroundAndNeedIt) {
  terrainAnalytique flat([](double, double) { return 100.0; }, -10.0, 80.0);
  point_.z = 100.0;
  auto tree = std::make_unique<obstaclePonctuelImplantation>();
  tree->setCentre(AcGePoint2d(40.0, 0.5));
  tree->setRayon(2.0);
  tree->setHauteur(5.0);
  obstacles_.push_back(std::move(tree));
  EXPECT_NEAR(run(&flat), 3.5, 1e-9);
  // The same tree where the terrain has no Z is ignored.
  static_cast<obstaclePonctuelImplantation*>(obstacles_[0].get())->setCentre(AcGePoint2d(90.0, 0.5));
  EXPECT_EQ(run(&flat), 0.0);
  // A tree beside the sight line is not crossed.
  static_cast<obstaclePonctuelImplantation*>(obstacles_[0].get())->setCentre(AcGePoint2d(40.0, 3.0));
  EXPECT_EQ(run(&flat), 0.0);
}

TEST(CircleCrossings, SecantTangentAndMissedCircles) {
  AcGePoint3dArray points;
  intersectionsCercleSegment(AcGePoint2d(5, 0), 1.0, AcGePoint2d(0, 0), AcGePoint2d(10, 0), points);
  ASSERT_EQ(points.length(), 2);
  EXPECT_DOUBLE_EQ(points[0].x, 4.0);
  EXPECT_DOUBLE_EQ(points[1].x, 6.0);
  points.setLogicalLength(0);
  intersectionsCercleSegment(AcGePoint2d(5, 1), 1.0, AcGePoint2d(0, 0), AcGePoint2d(10, 0), points);
  EXPECT_EQ(points.length(), 1);
  points.setLogicalLength(0);
  // The segment stops inside the circle: only the entry counts.
  intersectionsCercleSegment(AcGePoint2d(5, 0), 1.0, AcGePoint2d(0, 0), AcGePoint2d(5, 0), points);
  EXPECT_EQ(points.length(), 1);
  points.setLogicalLength(0);
  intersectionsCercleSegment(AcGePoint2d(5, 3), 1.0, AcGePoint2d(0, 0), AcGePoint2d(10, 0), points);
  intersectionsCercleSegment(AcGePoint2d(5, 0), 0.0, AcGePoint2d(0, 0), AcGePoint2d(10, 0), points);
  intersectionsCercleSegment(AcGePoint2d(0, 0), 1.0, AcGePoint2d(0, 0), AcGePoint2d(0, 0), points);
  EXPECT_EQ(points.length(), 0);
}

// Walls are curves of the drawing; their marks survive on the entities.
class Walls : public Visibility {
 protected:
  Walls() : db_(true, true) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
    lisp_.setDatabase(&db_);
    lisp_.evaluate(L"(regapp \"JALO_HAUTEURSOBJETS\")");
  }
  ~Walls() override { acdbHostApplicationServices()->setWorkingDatabase(nullptr); }
  AcDbObjectId make(const wchar_t* list) {
    lisp_.evaluate(list);
    return lisp_.evaluate(L"(entlast)").value->id;
  }
  AcDbDatabase db_;
  lisp::Interpreter lisp_;
};

TEST_F(Walls, AWallAcrossTheSightHidesThePoint) {
  const AcDbObjectId wall =
      make(L"(entmake '((0 . \"LINE\") (10 30.0 -5.0 0.0) (11 30.0 5.0 0.0)))");
  auto obstacle = std::make_unique<obstacleLineaireImplantation>();
  obstacle->setEntite(wall);
  obstacle->setHauteur(3.0);
  obstacles_.push_back(std::move(obstacle));
  terrainAnalytique flat([](double, double) { return 100.0; });
  point_.z = 100.0;
  EXPECT_NEAR(run(&flat), 1.5, 1e-9);
  // A wall beside the sight line does not count.
  const AcDbObjectId aside =
      make(L"(entmake '((0 . \"LINE\") (10 30.0 2.0 0.0) (11 30.0 5.0 0.0)))");
  obstacles_[0]->setEntite(aside);
  EXPECT_EQ(run(&flat), 0.0);
  // A wall that is no longer in the drawing is skipped.
  lisp_.evaluate(L"(entdel (entlast))");
  EXPECT_EQ(run(&flat), 0.0);
}

TEST_F(Walls, MarksAreWrittenReadAndRemoved) {
  const AcDbObjectId wall =
      make(L"(entmake '((0 . \"LINE\") (10 30.0 -5.0 0.0) (11 30.0 5.0 0.0)))");
  obstacleLineaireImplantation written;
  written.setEntite(wall);
  written.setHauteur(2.75);
  written.setCouleur(5);
  written.marquer();
  auto read = lireObstacle(wall);
  ASSERT_NE(read, nullptr);
  EXPECT_NE(dynamic_cast<obstacleLineaireImplantation*>(read.get()), nullptr);
  EXPECT_EQ(read->hauteur(), 2.75);
  EXPECT_EQ(read->couleur(), 5);
  read->liberer();
  EXPECT_EQ(lireObstacle(wall), nullptr);

  // A point mark with one item too many is not a point obstacle, nor a linear one.
  const AcDbObjectId block = make(
      L"(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0)"
      L" (-3 (\"JALO_HAUTEURSOBJETS\" (1071 . 87340) (1040 . 2.0) (1041 . 1.0) (1071 . 1)"
      L" (1071 . 9)))))");
  EXPECT_EQ(lireObstacle(block), nullptr);
  const AcDbObjectId good = make(
      L"(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0)"
      L" (-3 (\"JALO_HAUTEURSOBJETS\" (1071 . 87340) (1040 . 2.0) (1041 . 1.5) (1071 . 3)))))");
  auto pointObstacle = lireObstacle(good);
  ASSERT_NE(pointObstacle, nullptr);
  EXPECT_DOUBLE_EQ(static_cast<obstaclePonctuelImplantation*>(pointObstacle.get())->rayon(), 1.5);
}

}  // namespace
