// The triangulated surface: elevations, profiles, and what it does with bad triangles.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tin_surface.h"

namespace {

using terrain::Triangle;
using terrain::TinSurface;

// A regular grid of n × n squares of side `step`, each cut in two, on the plane z = f(x, y).
std::vector<Triangle> gridOf(int n, double step, double (*f)(double, double)) {
  std::vector<Triangle> triangles;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      auto p = [&](int a, int b) {
        const double x = (i + a) * step, y = (j + b) * step;
        return AcGePoint3d(x, y, f(x, y));
      };
      triangles.push_back({p(0, 0), p(1, 0), p(1, 1)});
      triangles.push_back({p(0, 0), p(1, 1), p(0, 1)});
    }
  }
  return triangles;
}

double plane(double x, double y) { return 100.0 + 0.25 * x - 0.5 * y; }

TEST(TinSurface, ElevationsOfAPlaneAreExactEverywhereOnIt) {
  TinSurface surface;
  surface.build(gridOf(40, 2.5, plane));
  EXPECT_EQ(surface.triangleCount(), 3200u);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> inside(0.0, 100.0);
  for (int k = 0; k < 2000; ++k) {
    const double x = inside(random), y = inside(random);
    double z = 0.0;
    ASSERT_TRUE(surface.elevationAt(x, y, z)) << x << "," << y;
    EXPECT_NEAR(z, plane(x, y), 1e-9);
  }
  double z = 0.0;
  // Corners, edges and the far border all belong to the surface.
  for (double x : {0.0, 2.5, 100.0}) {
    EXPECT_TRUE(surface.elevationAt(x, 100.0, z));
    EXPECT_NEAR(z, plane(x, 100.0), 1e-9);
  }
  EXPECT_FALSE(surface.elevationAt(100.01, 50.0, z));
  EXPECT_FALSE(surface.elevationAt(-5.0, -5.0, z));
  EXPECT_FALSE(surface.elevationAt(NAN, 5.0, z));
}

TEST(TinSurface, ProfileHasAVertexAtEveryEdgeItCrosses) {
  TinSurface surface;
  surface.build(gridOf(10, 10.0, plane));
  // Along y = 3 from x = 5 to x = 95: 9 vertical edges, 9 diagonals (x = 13, 23 ... 93), both ends.
  const auto profile = surface.profile(AcGePoint3d(5, 3, 0), AcGePoint3d(95, 3, 0));
  ASSERT_EQ(profile.size(), 1u);
  EXPECT_EQ(profile[0].size(), 20u);
  double previous = -1.0;
  for (const AcGePoint3d& p : profile[0]) {
    EXPECT_GT(p.x, previous);
    previous = p.x;
    EXPECT_NEAR(p.y, 3.0, 1e-12);
    EXPECT_NEAR(p.z, plane(p.x, p.y), 1e-9);
  }
  EXPECT_DOUBLE_EQ(profile[0].front().x, 5.0);
  EXPECT_DOUBLE_EQ(profile[0].back().x, 95.0);
  // Backwards, diagonally and vertically.
  const auto back = surface.profile(AcGePoint3d(95, 5, 0), AcGePoint3d(5, 5, 0));
  ASSERT_EQ(back.size(), 1u);
  EXPECT_DOUBLE_EQ(back[0].front().x, 95.0);
  const auto vertical = surface.profile(AcGePoint3d(33, 0, 0), AcGePoint3d(33, 100, 0));
  ASSERT_EQ(vertical.size(), 1u);
  EXPECT_GE(vertical[0].size(), 20u);
  const auto single = surface.profile(AcGePoint3d(33, 33, 0), AcGePoint3d(33, 33, 0));
  ASSERT_EQ(single.size(), 1u);
  EXPECT_EQ(single[0].size(), 1u);
}

TEST(TinSurface, ProfileSplitsWhereTheSegmentLeavesTheSurface) {
  // Two patches with a gap between x = 20 and x = 40.
  std::vector<Triangle> triangles = gridOf(2, 10.0, plane);
  for (Triangle t : gridOf(2, 10.0, plane)) {
    for (AcGePoint3d* p : {&t.a, &t.b, &t.c}) p->x += 40.0, p->z = plane(p->x, p->y);
    triangles.push_back(t);
  }
  TinSurface surface;
  surface.build(triangles);
  const auto profile = surface.profile(AcGePoint3d(-10, 5, 0), AcGePoint3d(70, 5, 0));
  ASSERT_EQ(profile.size(), 2u);
  EXPECT_DOUBLE_EQ(profile[0].front().x, 0.0);
  EXPECT_DOUBLE_EQ(profile[0].back().x, 20.0);
  EXPECT_DOUBLE_EQ(profile[1].front().x, 40.0);
  EXPECT_DOUBLE_EQ(profile[1].back().x, 60.0);
  EXPECT_TRUE(surface.profile(AcGePoint3d(-10, 50, 0), AcGePoint3d(70, 50, 0)).empty());
}

TEST(TinSurface, DegenerateTrianglesAreLeftOutAndAnEmptySurfaceAnswersNothing) {
  const AcGePoint3d o(0, 0, 0);
  std::vector<Triangle> triangles = {
      {o, AcGePoint3d(10, 0, 5), AcGePoint3d(20, 0, 9)},          // corners in a line
      {o, AcGePoint3d(0, 0, 5), AcGePoint3d(10, 0, 0)},           // vertical
      {o, AcGePoint3d(NAN, 0, 0), AcGePoint3d(10, 10, 0)},        // not a number
      {o, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 10, 0)},          // flat and fine
  };
  TinSurface surface;
  surface.build(triangles);
  EXPECT_EQ(surface.triangleCount(), 1u);
  EXPECT_EQ(surface.degenerateCount(), 3u);
  double z = 1.0;
  ASSERT_TRUE(surface.elevationAt(2, 2, z));
  EXPECT_EQ(z, 0.0);
  EXPECT_FALSE(std::isnan(z));

  surface.build({});
  EXPECT_EQ(surface.triangleCount(), 0u);
  EXPECT_FALSE(surface.elevationAt(0, 0, z));
  EXPECT_TRUE(surface.profile(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)).empty());
}

TEST(TinSurface, OverlappingFacesGiveTheHighestGround) {
  const AcGePoint3d a(0, 0, 0), b(10, 0, 0), c(0, 10, 0);
  TinSurface surface;
  surface.build({{a, b, c}, {a + AcGeVector3d(0, 0, 3), b + AcGeVector3d(0, 0, 3),
                             c + AcGeVector3d(0, 0, 3)}});
  double z = 0.0;
  ASSERT_TRUE(surface.elevationAt(1, 1, z));
  EXPECT_EQ(z, 3.0);
}

}  // namespace
