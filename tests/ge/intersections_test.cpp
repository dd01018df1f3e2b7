#include "ge/intersections.h"

#include <cmath>

#include <gtest/gtest.h>

#include "ge/bulge_path.h"
#include "ge_test_util.h"

using ge::BulgePath;
using ge::ExtendMode;
using ge::PathSegment;
using ge::SegmentExtension;

namespace {
constexpr double kTol = 1e-9;

std::vector<AcGePoint2d> entities(const PathSegment& a, const PathSegment& b, ExtendMode mode) {
  return ge::intersectSegmentEntities(a, b, mode, kTol);
}
}  // namespace

TEST(SegmentIntersections, LinesCrossingMissingAndProlonged) {
  const PathSegment a = PathSegment::line({0, 0}, {10, 0});
  const PathSegment b = PathSegment::line({5, -5}, {5, 5});
  auto hits = ge::intersectSegments(a, {}, b, {}, kTol);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_PT2(hits[0].point, 5, 0, 1e-12);
  EXPECT_NEAR(hits[0].t1, 0.5, 1e-12);
  EXPECT_NEAR(hits[0].t2, 0.5, 1e-12);

  // c stops short of a: only prolonging c reaches it.
  const PathSegment c = PathSegment::line({12, 1}, {12, 5});
  EXPECT_TRUE(entities(a, c, ExtendMode::kOnBothOperands).empty());
  EXPECT_TRUE(entities(a, c, ExtendMode::kExtendArg).empty());  // a ends at x = 10
  EXPECT_TRUE(entities(a, c, ExtendMode::kExtendThis).empty());  // c ends at y = 1
  hits = ge::intersectSegments(a, SegmentExtension::both(), c, SegmentExtension::both(), kTol);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_PT2(hits[0].point, 12, 0, 1e-12);
  EXPECT_NEAR(hits[0].t1, 1.2, 1e-12);
  EXPECT_NEAR(hits[0].t2, -0.25, 1e-12);
  // Prolonging only past an end (a ray): the ray from c's end upwards never meets a.
  EXPECT_TRUE(ge::intersectSegments(a, SegmentExtension::both(), c, {false, true}, kTol).empty());

  // Touching at an end counts; parallel lines never meet; overlapping ones share the overlap's ends.
  EXPECT_EQ(entities(a, PathSegment::line({10, 0}, {10, 3}), ExtendMode::kOnBothOperands).size(),
            1u);
  EXPECT_TRUE(entities(a, PathSegment::line({0, 1}, {10, 1}), ExtendMode::kExtendBoth).empty());
  const auto overlap = entities(a, PathSegment::line({4, 0}, {15, 0}), ExtendMode::kOnBothOperands);
  ASSERT_EQ(overlap.size(), 2u);
  EXPECT_PT2(overlap[0], 10, 0, 1e-12);
  EXPECT_PT2(overlap[1], 4, 0, 1e-12);
}

TEST(SegmentIntersections, LinesAndArcs) {
  // The upper half of the circle of radius 5 about the origin, counter-clockwise from (5, 0).
  const PathSegment upper = PathSegment::fromBulge({5, 0}, {-5, 0}, 1.0);
  // A secant meets it twice.
  auto pts = entities(upper, PathSegment::line({-10, 3}, {10, 3}), ExtendMode::kOnBothOperands);
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_NEAR(std::fabs(pts[0].x), 4.0, 1e-12);
  EXPECT_NEAR(pts[1].x, -pts[0].x, 1e-12);
  // A tangent touches once.
  pts = entities(upper, PathSegment::line({-10, 5}, {10, 5}), ExtendMode::kOnBothOperands);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_PT2(pts[0], 0, 5, 1e-12);
  // Below the diameter the line misses the half circle, but meets the whole circle.
  const PathSegment below = PathSegment::line({-10, -3}, {10, -3});
  EXPECT_TRUE(entities(upper, below, ExtendMode::kOnBothOperands).empty());
  EXPECT_EQ(entities(upper, below, ExtendMode::kExtendThis).size(), 2u);
  // A line far away meets nothing, prolonged or not.
  EXPECT_TRUE(entities(upper, PathSegment::line({-10, 6}, {10, 6}), ExtendMode::kExtendBoth).empty());
}

TEST(SegmentIntersections, Circles) {
  const PathSegment c1 = PathSegment::circle({0, 0}, 5);
  // Crossing circles: the common chord at x = 4.
  auto pts = entities(c1, PathSegment::circle({8, 0}, 5), ExtendMode::kOnBothOperands);
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_NEAR(pts[0].x, 4.0, 1e-12);
  EXPECT_NEAR(std::fabs(pts[0].y), 3.0, 1e-12);
  // Touching outside and inside: once.
  pts = entities(c1, PathSegment::circle({8, 0}, 3), ExtendMode::kOnBothOperands);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_PT2(pts[0], 5, 0, 1e-12);
  pts = entities(c1, PathSegment::circle({-2, 0}, 3), ExtendMode::kOnBothOperands);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_PT2(pts[0], -5, 0, 1e-12);
  // Apart, nested, concentric: none.
  EXPECT_TRUE(entities(c1, PathSegment::circle({20, 0}, 3), ExtendMode::kExtendBoth).empty());
  EXPECT_TRUE(entities(c1, PathSegment::circle({1, 0}, 2), ExtendMode::kExtendBoth).empty());
  EXPECT_TRUE(entities(c1, PathSegment::circle({0, 0}, 2), ExtendMode::kExtendBoth).empty());
  // An arc of c1 from 0 to 90 degrees meets the crossing circle only at (4, 3).
  const PathSegment quarter = PathSegment::arc({0, 0}, 5, 0.0, std::acos(-1.0) / 2);
  pts = entities(quarter, PathSegment::circle({8, 0}, 5), ExtendMode::kOnBothOperands);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_PT2(pts[0], 4, 3, 1e-12);
}

TEST(PathIntersections, SharedVerticesAndProlongedEnds) {
  const BulgePath zigzag({{{0, 0}, 0.0}, {{5, 5}, 0.0}, {{10, 0}, 0.0}}, false);
  // A line through the middle vertex: one point, not one per segment.
  auto pts = ge::intersectPathWithSegment(zigzag, PathSegment::line({5, 0}, {5, 10}),
                                          ExtendMode::kOnBothOperands, kTol);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_PT2(pts[0], 5, 5, 1e-12);
  // A horizontal line at y = 2 crosses both legs.
  EXPECT_EQ(ge::intersectPathWithSegment(zigzag, PathSegment::line({-20, 2}, {20, 2}),
                                         ExtendMode::kOnBothOperands, kTol)
                .size(),
            2u);
  // Below the path: only its prolonged first and last segments reach y = -2.
  const PathSegment low = PathSegment::line({-20, -2}, {20, -2});
  EXPECT_TRUE(ge::intersectPathWithSegment(zigzag, low, ExtendMode::kOnBothOperands, kTol).empty());
  pts = ge::intersectPathWithSegment(zigzag, low, ExtendMode::kExtendThis, kTol);
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_NEAR(std::fabs(pts[0].x - 5), 7.0, 1e-12);

  // Two paths: a closed square and the zigzag (closed paths are never prolonged).
  const BulgePath square({{{1, 1}, 0.0}, {{9, 1}, 0.0}, {{9, 3}, 0.0}, {{1, 3}, 0.0}}, true);
  EXPECT_EQ(ge::intersectPaths(zigzag, square, ExtendMode::kExtendBoth, kTol).size(), 4u);
  // Paths sharing a vertex: one point.
  const BulgePath other({{{5, 5}, 0.0}, {{5, 9}, 0.0}}, false);
  EXPECT_EQ(ge::intersectPaths(zigzag, other, ExtendMode::kOnBothOperands, kTol).size(), 1u);
}

TEST(PathIntersections, SelfCrossings) {
  // A figure eight drawn as a closed bow tie crosses itself once at (5, 5).
  const BulgePath bowtie({{{0, 0}, 0.0}, {{10, 10}, 0.0}, {{10, 0}, 0.0}, {{0, 10}, 0.0}}, true);
  const auto hits = ge::selfIntersections(bowtie, kTol);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_PT2(hits[0].point, 5, 5, 1e-12);
  EXPECT_NEAR(hits[0].param1, 0.5, 1e-12);
  EXPECT_NEAR(hits[0].param2, 2.5, 1e-12);
  // The joints of a simple square are not crossings.
  const BulgePath square({{{0, 0}, 0.0}, {{1, 0}, 0.0}, {{1, 1}, 0.0}, {{0, 1}, 0.0}}, true);
  EXPECT_TRUE(ge::selfIntersections(square, kTol).empty());
}

TEST(LineIntersections3d, CoplanarSkewAndParallel) {
  AcGePoint3d p;
  double s = 0, t = 0;
  ASSERT_TRUE(ge::intersectLines3d({0, 0, 1}, {1, 1, 0}, {4, 0, 1}, {0, 1, 0}, p, 1e-9, &s, &t));
  EXPECT_PT3(p, 4, 4, 1, 1e-12);
  EXPECT_NEAR(s, 4.0, 1e-12);
  EXPECT_NEAR(t, 4.0, 1e-12);
  // One unit apart vertically: skew.
  EXPECT_FALSE(ge::intersectLines3d({0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 1, 0}, p, 1e-9));
  EXPECT_FALSE(ge::intersectLines3d({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 0, 0}, p, 1e-9));
}

TEST(PathIntersections, ProlongedArcEndBecomesItsCircle) {
  // An open path ending with the upper half circle about (5, 0) of radius 5, from (10, 0) to (0, 0).
  const BulgePath hook({{{20, 0}, 0.0}, {{10, 0}, 1.0}, {{0, 0}, 0.0}}, false);
  const PathSegment low = PathSegment::line({5, -10}, {5, -1});
  EXPECT_TRUE(ge::intersectPathWithSegment(hook, low, ExtendMode::kOnBothOperands, kTol).empty());
  // Prolonging the segment reaches the top of the half circle only.
  auto pts = ge::intersectPathWithSegment(hook, low, ExtendMode::kExtendArg, kTol);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_PT2(pts[0], 5, 5, 1e-12);
  // Prolonging the path makes the arc its circle: the bottom (5, -5) is reached as well.
  pts = ge::intersectPathWithSegment(hook, low, ExtendMode::kExtendThis, kTol);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_PT2(pts[0], 5, -5, 1e-12);
  EXPECT_EQ(ge::intersectPathWithSegment(hook, low, ExtendMode::kExtendBoth, kTol).size(), 2u);
  // The first segment prolonged before its start is a ray towards +x: the line x = 30 meets it,
  // the line x = -30 meets neither it nor the circle (which spans x from 0 to 10).
  EXPECT_EQ(ge::intersectPathWithSegment(hook, PathSegment::line({30, -1}, {30, 1}),
                                         ExtendMode::kExtendThis, kTol)
                .size(),
            1u);
  EXPECT_TRUE(ge::intersectPathWithSegment(hook, PathSegment::line({-30, -1}, {-30, 1}),
                                           ExtendMode::kExtendThis, kTol)
                  .empty());
}
