// Fresnel integrals and the clothoid element: points, tangents, centres of curvature, sampling.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>

#include "tools/clothoide.h"
#include "tools/clothoideFresnel.h"

namespace {

constexpr double kPi = std::numbers::pi;

TEST(Fresnel, MatchesTheReferenceTableTo1e12) {
  std::ifstream table(TEST_DATA_DIR "/fresnel_reference.txt");
  ASSERT_TRUE(table.good());
  std::string line;
  int rows = 0;
  while (std::getline(table, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    double x = 0.0, expectedC = 0.0, expectedS = 0.0;
    fields >> x >> expectedC >> expectedS;
    double c = -1.0, s = -1.0;
    ASSERT_TRUE(integralesFresnel(x, c, s)) << x;
    EXPECT_NEAR(c, expectedC, 1e-12) << "C(" << x << ")";
    EXPECT_NEAR(s, expectedS, 1e-12) << "S(" << x << ")";
    ++rows;
  }
  EXPECT_GT(rows, 30);
}

TEST(Fresnel, ContinuousAcrossTheMethodBoundaries) {
  for (double boundary : {1.6, 6.0}) {
    double c1, s1, c2, s2;
    ASSERT_TRUE(integralesFresnel(std::nextafter(boundary, 0.0), c1, s1));
    ASSERT_TRUE(integralesFresnel(boundary, c2, s2));
    EXPECT_NEAR(c1, c2, 1e-14) << boundary;
    EXPECT_NEAR(s1, s2, 1e-14) << boundary;
  }
}

TEST(Fresnel, FarOutAndInvalidArguments) {
  double c = 0.0, s = 0.0;
  ASSERT_TRUE(integralesFresnel(-1e6, c, s));
  EXPECT_EQ(c, -0.5);
  EXPECT_EQ(s, -0.5);
  c = 7.0;
  EXPECT_FALSE(integralesFresnel(std::nan(""), c, s));
  EXPECT_FALSE(integralesFresnel(INFINITY, c, s));
  EXPECT_EQ(c, 7.0);
}

// The textbook series of the clothoid: x = s − s⁵/40A⁴ + s⁹/3456A⁸ − s¹³/599040A¹²,
// y = s³/6A² − s⁷/336A⁶ + s¹¹/42240A¹⁰ − s¹⁵/9676800A¹⁴.
TEST(Clothoide, LocalPointsFollowTheTextbookSeries) {
  elementClothoide element;
  element.setParametre(100.0);
  for (double s : {10.0, 50.0, 80.0}) {
    const double a2 = 1e4;
    const double l = s * s / (2 * a2);  // τ
    const double x = s * (1 - l * l / 10 + std::pow(l, 4) / 216 - std::pow(l, 6) / 9360);
    const double y = s * (l / 3 - std::pow(l, 3) / 42 + std::pow(l, 5) / 1320 -
                          std::pow(l, 7) / 75600);
    AcGePoint2d p;
    ASSERT_TRUE(element.pointA(s, p));
    EXPECT_NEAR(p.x, x, 1e-9 * s) << s;
    EXPECT_NEAR(p.y, y, 1e-9 * s) << s;
  }
}

TEST(Clothoide, RadiusTangentAndCentreAtFiftyOnParameterHundred) {
  elementClothoide element;
  element.setParametre(100.0);
  element.setOrigine(AcGePoint2d(1000.0, 2000.0));
  element.setOrientation(0.3);
  EXPECT_DOUBLE_EQ(element.rayonA(50.0), 200.0);
  EXPECT_DOUBLE_EQ(element.tangenteA(50.0) - 0.3, 0.125);
  AcGePoint2d point, centre;
  ASSERT_TRUE(element.pointA(50.0, point));
  ASSERT_TRUE(element.centreCourbureA(50.0, centre));
  EXPECT_NEAR(point.distanceTo(centre), 200.0, 1e-9);
  // The centre lies to the left of the tangent, at right angles to it.
  const double tangent = 0.3 + 0.125;
  const AcGeVector2d towardsCentre = centre - point;
  EXPECT_NEAR(towardsCentre.x * std::cos(tangent) + towardsCentre.y * std::sin(tangent), 0.0, 1e-9);
  EXPECT_GT(-towardsCentre.x * std::sin(tangent) + towardsCentre.y * std::cos(tangent), 0.0);

  // At the origin: the point is the origin, the tangent the orientation, no centre.
  ASSERT_TRUE(element.pointA(0.0, point));
  EXPECT_NEAR(point.distanceTo(AcGePoint2d(1000.0, 2000.0)), 0.0, 1e-12);
  EXPECT_DOUBLE_EQ(element.tangenteA(0.0), 0.3);
  EXPECT_FALSE(element.centreCourbureA(0.0, centre));
  EXPECT_EQ(element.rayonA(0.0), 0.0);
}

TEST(Clothoide, MirroredElementIsTheReflectionAcrossItsInitialTangent) {
  elementClothoide gauche, droite;
  for (elementClothoide* e : {&gauche, &droite}) {
    e->setParametre(60.0);
    e->setOrigine(AcGePoint2d(10.0, 20.0));
    e->setOrientation(kPi / 2);
  }
  droite.setMiroir(true);
  AcGePoint2d pg, pd;
  ASSERT_TRUE(gauche.pointA(40.0, pg));
  ASSERT_TRUE(droite.pointA(40.0, pd));
  // Heading north, the ordinary clothoid turns west, the mirrored one east.
  EXPECT_LT(pg.x, 10.0);
  EXPECT_NEAR(pd.x - 10.0, 10.0 - pg.x, 1e-12);
  EXPECT_NEAR(pd.y, pg.y, 1e-12);
  EXPECT_NEAR(droite.tangenteA(40.0), kPi / 2 - 40.0 * 40.0 / (2 * 3600.0), 1e-15);
}

TEST(Clothoide, NoParameterGivesNoPoint) {
  elementClothoide element;
  element.setLongueurs(0.0, 50.0);
  AcGePoint2d p;
  EXPECT_FALSE(element.pointA(10.0, p));
  EXPECT_TRUE(element.echantillonnerParPas(5.0).empty());
  EXPECT_TRUE(element.echantillonnerErreurMax(0.01).empty());
}

// Parameters read from a drawing may be anything: a point is either refused or finite.
TEST(Clothoide, ExtremeParametersGiveNoPointRatherThanNaN) {
  const double huge = 1.7e308;
  int refused = 0;
  for (double origine : {0.0, huge, -huge}) {
    for (double parametre : {1e-300, 1.0, 1e154, huge}) {
      for (double s : {1.0, 1e154, huge}) {
        elementClothoide element;
        element.setParametre(parametre);
        element.setOrigine(AcGePoint2d(origine, origine));
        element.setOrientation(kPi / 4);
        element.setLongueurs(0.0, s);
        AcGePoint2d p;
        if (element.pointA(s, p)) {
          EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y))
              << origine << " " << parametre << " " << s;
        } else {
          ++refused;
        }
      }
    }
  }
  EXPECT_GT(refused, 0);
}

TEST(Clothoide, SamplingByStepEndsOnTheElementsEnd) {
  elementClothoide element;
  element.setParametre(100.0);
  element.setLongueurs(10.0, 110.0);
  AcGePoint2d end;
  ASSERT_TRUE(element.pointA(110.0, end));
  auto points = element.echantillonnerParPas(30.0);  // 10, 40, 70, 100, then 110
  ASSERT_EQ(points.size(), 5u);
  EXPECT_NEAR(points.back().distanceTo(end), 0.0, 1e-12);
  points = element.echantillonnerParPas(25.0);  // a whole number of steps: no doubled end
  ASSERT_EQ(points.size(), 5u);
  EXPECT_GT(points[3].distanceTo(points[4]), 24.0);

  // Reversed: the same curve walked from 110 back to 10.
  elementClothoide reversed = element;
  reversed.setLongueurs(110.0, 10.0);
  const auto back = reversed.echantillonnerParPas(25.0);
  ASSERT_EQ(back.size(), 5u);
  EXPECT_NEAR(back.front().distanceTo(end), 0.0, 1e-12);
  EXPECT_NEAR(back.back().distanceTo(points.front()), 0.0, 1e-12);
}

TEST(Clothoide, SamplingByErrorKeepsEveryChordWithinTheBound) {
  elementClothoide element;
  element.setParametre(40.0);
  element.setLongueurs(0.0, 150.0);
  element.setOrientation(1.0);
  element.setMiroir(true);
  for (double maxError : {0.5, 0.05, 0.005}) {
    const auto points = element.echantillonnerErreurMax(maxError);
    ASSERT_GE(points.size(), 3u);
    // Walk the curve densely and measure each dense point against the chord it falls in.
    double worst = 0.0;
    for (int i = 0; i <= 3000; ++i) {
      AcGePoint2d p;
      ASSERT_TRUE(element.pointA(150.0 * i / 3000, p));
      // The distance to the nearest chord.
      double best = 1e300;
      for (size_t k = 0; k + 1 < points.size(); ++k) {
        const AcGeVector2d u = points[k + 1] - points[k];
        const AcGeVector2d v = p - points[k];
        const double t = std::clamp((u.x * v.x + u.y * v.y) / (u.x * u.x + u.y * u.y), 0.0, 1.0);
        best = std::min(best, (v - u * t).length());
      }
      worst = std::max(worst, best);
    }
    EXPECT_LE(worst, maxError * 1.0001) << maxError;
    // And the sampling is not needlessly dense: a tighter bound needs more points.
    if (maxError < 0.5) {
      EXPECT_GT(points.size(), element.echantillonnerErreurMax(maxError * 10).size());
    }
  }
}

}  // namespace
