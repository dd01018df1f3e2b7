#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "computations/angles.h"
#include "computations/fichierObservations.h"

namespace {

TEST(Gisement, QuadrantsClockwiseFromNorth) {
  const double g = 200 / std::numbers::pi;
  EXPECT_DOUBLE_EQ(gisementRadians(0, 0, 0, 100) * g, 0);
  EXPECT_DOUBLE_EQ(gisementRadians(0, 0, 100, 0) * g, 100);
  EXPECT_DOUBLE_EQ(gisementRadians(0, 0, 0, -100) * g, 200);
  EXPECT_DOUBLE_EQ(gisementRadians(0, 0, -100, 0) * g, 300);
  EXPECT_NEAR(gisementRadians(0, 0, 100, 100) * 180 / std::numbers::pi, 45, 1e-12);
  // Just west of north stays near a full turn, never negative.
  const double presque = gisementRadians(0, 0, -1e-9, 100);
  EXPECT_GT(presque, 6.28);
  EXPECT_LT(presque, 2 * std::numbers::pi);
}

TEST(Gisement, ReductionIntoOneTurn) {
  EXPECT_DOUBLE_EQ(reduireModulo(-10, 400), 390);
  EXPECT_DOUBLE_EQ(reduireModulo(400, 400), 0);
  EXPECT_DOUBLE_EQ(reduireModulo(1210.5, 400), 10.5);
  EXPECT_DOUBLE_EQ(reduireModulo(-1e-18, 400), 0);
  EXPECT_DOUBLE_EQ(reduireModulo(7, 0), 7);
}

}  // namespace
