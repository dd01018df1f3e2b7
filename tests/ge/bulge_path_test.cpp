#include "ge/bulge_path.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "ge/geline2d.h"
#include "ge/gemat2d.h"
#include "ge_test_util.h"

using ge::BulgePath;
using ge::SegmentKind;

namespace {
constexpr double kPi = std::numbers::pi;
const double kQuarterBulge = std::tan(kPi / 8);  // a quarter circle

// Right along y = 0, a half circle about (10, 5) bulging to x = 15, left along y = 10.
BulgePath hairpin() {
  return BulgePath({{{0, 0}, 0.0}, {{10, 0}, 1.0}, {{10, 10}, 0.0}, {{0, 10}, 0.0}}, false);
}

BulgePath square(bool closed = true) {
  return BulgePath({{{0, 0}, 0.0}, {{10, 0}, 0.0}, {{10, 10}, 0.0}, {{0, 10}, 0.0}}, closed);
}

// A counter-clockwise 10 x 10 square whose upper right corner is rounded with radius 2.
BulgePath roundedSquare() {
  return BulgePath(
      {{{0, 0}, 0.0}, {{10, 0}, 0.0}, {{10, 8}, kQuarterBulge}, {{8, 10}, 0.0}, {{0, 10}, 0.0}},
      true);
}

void expectVertex(const BulgePath& p, int i, double x, double y, double bulge) {
  SCOPED_TRACE(testing::Message() << "vertex " << i);
  EXPECT_PT2(p.vertexAt(i), x, y, 1e-9);
  EXPECT_NEAR(p.bulgeAt(i), bulge, 1e-9);
}
}  // namespace

TEST(BulgePath, ParametersFollowLengthOnLinesAndAngleOnArcs) {
  const BulgePath p = hairpin();
  EXPECT_EQ(p.numSegments(), 3);
  EXPECT_EQ(p.segmentKind(1), SegmentKind::kArc);
  EXPECT_EQ(p.endParam(), 3.0);
  AcGePoint2d q;
  ASSERT_TRUE(p.pointAtParam(0.5, q));
  EXPECT_PT2(q, 5, 0, 1e-12);
  ASSERT_TRUE(p.pointAtParam(1.5, q));
  EXPECT_PT2(q, 15, 5, 1e-12);
  ASSERT_TRUE(p.pointAtParam(1.25, q));  // a quarter of the half turn: 45 degrees past the bottom
  EXPECT_PT2(q, 10 + 5 * std::sqrt(0.5), 5 - 5 * std::sqrt(0.5), 1e-12);
  EXPECT_FALSE(p.pointAtParam(3.01, q));
  EXPECT_FALSE(p.pointAtParam(-0.01, q));

  EXPECT_NEAR(p.length(), 20 + 5 * kPi, 1e-12);
  double d = 0, t = 0;
  ASSERT_TRUE(p.distAtParam(1.5, d));
  EXPECT_NEAR(d, 10 + 2.5 * kPi, 1e-12);
  ASSERT_TRUE(p.paramAtDist(10 + 5 * kPi + 5, t));
  EXPECT_NEAR(t, 2.5, 1e-12);
  EXPECT_FALSE(p.paramAtDist(p.length() + 0.1, t));

  ASSERT_TRUE(p.paramAtPoint(AcGePoint2d(15, 5), t));
  EXPECT_NEAR(t, 1.5, 1e-12);
  ASSERT_TRUE(p.paramAtPoint(AcGePoint2d(10, 10), t));
  EXPECT_NEAR(t, 2.0, 1e-12);
  EXPECT_FALSE(p.paramAtPoint(AcGePoint2d(15.001, 5), t));

  // Derivatives with respect to the parameter: the chord on a line, r * sweep on an arc.
  AcGeVector2d v;
  ASSERT_TRUE(p.firstDerivative(0.5, v));
  EXPECT_PT2(AcGePoint2d(v.x, v.y), 10, 0, 1e-12);
  ASSERT_TRUE(p.firstDerivative(1.5, v));
  EXPECT_PT2(AcGePoint2d(v.x, v.y), 0, 5 * kPi, 1e-12);
}

TEST(BulgePath, ClosedPathRunsToVertexCountAndHandlesTheClosingSegment) {
  const BulgePath p = square();
  EXPECT_EQ(p.endParam(), 4.0);
  EXPECT_PT2(p.endPoint(), 0, 0, 0);
  double t = -1;
  // Nearest the closing segment from (0, 10) back to (0, 0).
  const AcGePoint2d c = p.closestPointTo(AcGePoint2d(-2, 4), false, &t);
  EXPECT_PT2(c, 0, 4, 1e-12);
  EXPECT_NEAR(t, 3.6, 1e-12);
  ASSERT_TRUE(p.paramAtPoint(AcGePoint2d(0, 4), t));
  EXPECT_NEAR(t, 3.6, 1e-12);
  ASSERT_TRUE(p.paramAtPoint(AcGePoint2d(0, 0), t));
  EXPECT_EQ(t, 0.0);  // the start, not the end, of the closed path
  AcGePoint2d q;
  ASSERT_TRUE(p.pointAtParam(4.0, q));
  EXPECT_PT2(q, 0, 0, 1e-12);
  EXPECT_FALSE(p.pointAtParam(4.5, q));
  EXPECT_NEAR(p.signedArea(), 100.0, 1e-12);

  // A closing segment that is a half circle bulging to x = -5.
  BulgePath round = square();
  round.setBulgeAt(3, 1.0);
  EXPECT_NEAR(round.signedArea(), 100 + 12.5 * kPi, 1e-9);
  EXPECT_PT2(round.closestPointTo(AcGePoint2d(-10, 5), false, &t), -5, 5, 1e-12);
  EXPECT_NEAR(t, 3.5, 1e-12);
  EXPECT_NEAR(round.length(), 30 + 5 * kPi, 1e-12);
}

TEST(BulgePath, ClosestPointWithAndWithoutProlongedEnds) {
  const BulgePath p = hairpin();
  double t = 0;
  EXPECT_PT2(p.closestPointTo(AcGePoint2d(20, 5), false, &t), 15, 5, 1e-12);
  EXPECT_NEAR(t, 1.5, 1e-12);
  // Behind the start: the start vertex itself, unless the first segment is prolonged.
  EXPECT_PT2(p.closestPointTo(AcGePoint2d(-3, 4), false, &t), 0, 0, 1e-12);
  EXPECT_EQ(t, 0.0);
  EXPECT_PT2(p.closestPointTo(AcGePoint2d(-3, 4), true, &t), -3, 0, 1e-12);
  EXPECT_NEAR(t, -0.3, 1e-12);
  // Past the end, the last segment goes on as a ray.
  EXPECT_PT2(p.closestPointTo(AcGePoint2d(-4, 9), true, &t), -4, 10, 1e-12);
  EXPECT_NEAR(t, 3.4, 1e-12);
  // A closed path is never prolonged.
  EXPECT_PT2(square().closestPointTo(AcGePoint2d(-3, -4), true), 0, 0, 1e-12);

  // An open path ending with an arc prolongs it to the whole circle.
  const BulgePath arcEnd({{{0, 0}, 0.0}, {{10, 0}, 1.0}, {{10, 10}, 0.0}}, false);
  EXPECT_PT2(arcEnd.closestPointTo(AcGePoint2d(7, 12), false), 10, 10, 1e-12);
  // On the whole circle about (10, 5): towards (7, 12), at radius 5.
  const double k = 5 / std::sqrt(58.0);
  EXPECT_PT2(arcEnd.closestPointTo(AcGePoint2d(7, 12), true), 10 - 3 * k, 5 + 7 * k, 1e-12);
}

TEST(BulgePath, AreaExtentsReverseAndMirror) {
  BulgePath p = hairpin();
  EXPECT_NEAR(p.signedArea(), 100 + 12.5 * kPi, 1e-9);
  AcGePoint2d lo, hi;
  ASSERT_TRUE(p.extents(lo, hi));
  EXPECT_PT2(lo, 0, 0, 1e-12);
  EXPECT_PT2(hi, 15, 10, 1e-12);

  BulgePath r = p;
  r.reverse();
  expectVertex(r, 0, 0, 10, 0.0);
  expectVertex(r, 1, 10, 10, -1.0);
  expectVertex(r, 2, 10, 0, 0.0);
  EXPECT_NEAR(r.signedArea(), -p.signedArea(), 1e-9);
  AcGePoint2d q;
  ASSERT_TRUE(r.pointAtParam(1.5, q));
  EXPECT_PT2(q, 15, 5, 1e-12);

  // Reversing a closed path keeps its shape, including the closing arc.
  BulgePath closed = square();
  closed.setBulgeAt(3, 1.0);
  BulgePath rc = closed;
  rc.reverse();
  EXPECT_NEAR(rc.signedArea(), -closed.signedArea(), 1e-9);
  EXPECT_PT2(rc.closestPointTo(AcGePoint2d(-10, 5)), -5, 5, 1e-12);

  // A mirror flips the arcs' sense; a shear cannot keep them circular.
  BulgePath m = p;
  ASSERT_TRUE(m.transformBy(AcGeMatrix2d::mirroring(AcGeLine2d::kYAxis)));
  ASSERT_TRUE(m.pointAtParam(1.5, q));
  EXPECT_PT2(q, -15, 5, 1e-12);
  AcGeMatrix2d shear;
  shear.entry[0][1] = 0.5;
  EXPECT_FALSE(m.transformBy(shear));
}

TEST(BulgePath, ArcExtentsUseTheCircleWhereTheArcCrossesAnAxis) {
  const double r = 10, s = std::sqrt(0.5) * r;
  AcGePoint2d lo, hi;
  // 45 to 135 degrees crosses 90.
  BulgePath top({{{s, s}, kQuarterBulge}, {{-s, s}, 0.0}}, false);
  ASSERT_TRUE(top.extents(lo, hi));
  EXPECT_PT2(lo, -s, s, 1e-9);
  EXPECT_PT2(hi, s, r, 1e-9);
  // 30 to 300 degrees counter-clockwise crosses 90, 180 and 270.
  const AcGePoint2d a(r * std::cos(kPi / 6), r * std::sin(kPi / 6));
  const AcGePoint2d b(r * std::cos(5 * kPi / 3), r * std::sin(5 * kPi / 3));
  BulgePath big({{a, std::tan(1.5 * kPi / 4)}, {b, 0.0}}, false);
  ASSERT_TRUE(big.extents(lo, hi));
  EXPECT_PT2(lo, -r, -r, 1e-9);
  EXPECT_PT2(hi, a.x, r, 1e-9);
  // Clockwise from 30 to -60 degrees crosses 0 only.
  BulgePath cw({{a, -kQuarterBulge}, {AcGePoint2d(r * 0.5, -r * std::sqrt(0.75)), 0.0}}, false);
  ASSERT_TRUE(cw.extents(lo, hi));
  EXPECT_PT2(lo, a.x * 0 + r * 0.5, -r * std::sqrt(0.75), 1e-9);
  EXPECT_PT2(hi, r, a.y, 1e-9);
}

TEST(BulgePathOffset, LinesAndArcOfAnOpenPath) {
  // Outside (to the right of travel): the half circle grows to radius 6, stays a half circle.
  std::vector<BulgePath> out = hairpin().offset(1.0);
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(out[0].numVertices(), 4);
  EXPECT_FALSE(out[0].isClosed());
  expectVertex(out[0], 0, 0, -1, 0.0);
  expectVertex(out[0], 1, 10, -1, 1.0);
  expectVertex(out[0], 2, 10, 11, 0.0);
  expectVertex(out[0], 3, 0, 11, 0.0);

  // Inside: radius 3.
  out = hairpin().offset(-2.0);
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(out[0].numVertices(), 4);
  expectVertex(out[0], 1, 10, 2, 1.0);
  expectVertex(out[0], 2, 10, 8, 0.0);
}

TEST(BulgePathOffset, RoundedSquareBothWays) {
  // Outwards: sharp corners move out diagonally, the rounded one keeps its centre (8, 8).
  std::vector<BulgePath> out = roundedSquare().offset(1.0);
  ASSERT_EQ(out.size(), 1u);
  const BulgePath& grown = out[0];
  EXPECT_TRUE(grown.isClosed());
  ASSERT_EQ(grown.numVertices(), 5);
  expectVertex(grown, 0, -1, -1, 0.0);
  expectVertex(grown, 1, 11, -1, 0.0);
  expectVertex(grown, 2, 11, 8, kQuarterBulge);
  expectVertex(grown, 3, 8, 11, 0.0);
  expectVertex(grown, 4, -1, 11, 0.0);
  EXPECT_NEAR(grown.arcSegmentAt(2).radius(), 3.0, 1e-12);

  out = roundedSquare().offset(-1.0);
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(out[0].numVertices(), 5);
  expectVertex(out[0], 0, 1, 1, 0.0);
  expectVertex(out[0], 2, 9, 8, kQuarterBulge);
  expectVertex(out[0], 3, 8, 9, 0.0);

  // Inwards by the corner's radius the arc vanishes and the straight offsets meet.
  out = roundedSquare().offset(-2.0);
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(out[0].numVertices(), 4);
  expectVertex(out[0], 2, 8, 8, 0.0);

  // Beyond it the offsets are trimmed to a plain square.
  out = roundedSquare().offset(-3.0);
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(out[0].numVertices(), 4);
  expectVertex(out[0], 0, 3, 3, 0.0);
  expectVertex(out[0], 1, 7, 3, 0.0);
  expectVertex(out[0], 2, 7, 7, 0.0);
  expectVertex(out[0], 3, 3, 7, 0.0);
  EXPECT_NEAR(out[0].signedArea(), 16.0, 1e-9);

  // Past half the width nothing is left.
  EXPECT_TRUE(roundedSquare().offset(-6.0).empty());
  // A clockwise square grows with a negative distance.
  BulgePath cw = square();
  cw.reverse();
  out = cw.offset(-1.0);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NEAR(out[0].signedArea(), -144.0, 1e-9);
}

TEST(BulgePathOffset, ConvexCornersOfAnArcAndAReversalGetRoundJoins) {
  // Out and back along the same line: the offset turns around the far end on a half circle.
  const BulgePath back({{{0, 0}, 0.0}, {{10, 0}, 0.0}, {{0, 0}, 0.0}}, false);
  std::vector<BulgePath> out = back.offset(1.0);
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(out[0].numVertices(), 4);
  expectVertex(out[0], 0, 0, -1, 0.0);
  expectVertex(out[0], 1, 10, -1, 1.0);
  expectVertex(out[0], 2, 10, 1, 0.0);
  expectVertex(out[0], 3, 0, 1, 0.0);
}

TEST(BulgePathOffset, NarrowWaistSplitsTheOffset) {
  // Two 10 x 10 rooms joined by a corridor 2 wide and 4 long, counter-clockwise. Inwards by 1.5
  // the corridor closes: one path per room.
  const BulgePath dumbbell({{{0, 0}, 0.0},
                            {{10, 0}, 0.0},
                            {{10, 4}, 0.0},
                            {{14, 4}, 0.0},
                            {{14, 0}, 0.0},
                            {{24, 0}, 0.0},
                            {{24, 10}, 0.0},
                            {{14, 10}, 0.0},
                            {{14, 6}, 0.0},
                            {{10, 6}, 0.0},
                            {{10, 10}, 0.0},
                            {{0, 10}, 0.0}},
                           true);
  std::vector<BulgePath> out = dumbbell.offset(-1.5);
  ASSERT_EQ(out.size(), 2u);
  for (const BulgePath& room : out) {
    EXPECT_TRUE(room.isClosed());
    EXPECT_EQ(room.numVertices(), 4);
    EXPECT_NEAR(room.signedArea(), 49.0, 1e-9);
    AcGePoint2d lo, hi;
    room.extents(lo, hi);
    EXPECT_NEAR(hi.x - lo.x, 7.0, 1e-9);
  }
  // Inwards by less than the corridor's half width the offset stays whole.
  out = dumbbell.offset(-0.5);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].numVertices(), 12);

  // The same outline as an open path starting and ending halfway along the first room's floor.
  std::vector<ge::BulgeVertex> openOutline(dumbbell.vertices().begin() + 1,
                                           dumbbell.vertices().end());
  openOutline.insert(openOutline.begin(), {{5, 0}, 0.0});
  openOutline.push_back({{0, 0}, 0.0});
  openOutline.push_back({{5, 0}, 0.0});
  out = BulgePath(openOutline, false).offset(-1.5);
  ASSERT_EQ(out.size(), 2u);
  for (const BulgePath& room : out) {
    EXPECT_FALSE(room.isClosed());
    EXPECT_NEAR(room.length(), 28.0, 1e-9);
  }
}

TEST(BulgePathOffset, CircleMadeOfTwoArcs) {
  const BulgePath circle({{{-5, 0}, 1.0}, {{5, 0}, 1.0}}, true);
  std::vector<BulgePath> out = circle.offset(2.0);
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(out[0].numVertices(), 2);
  EXPECT_NEAR(out[0].signedArea(), kPi * 49, 1e-9);
  EXPECT_TRUE(circle.offset(-5.0).empty());
  out = circle.offset(-4.0);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NEAR(out[0].length(), 2 * kPi, 1e-9);
}

TEST(BulgePathOffset, OpenPathWhoseCornerArcCollapses) {
  // The rounded square without its left side; inwards by more than the corner's radius the
  // straight offsets meet in a sharp corner where the arc was.
  BulgePath open = roundedSquare();
  open.setClosed(false);
  std::vector<BulgePath> out = open.offset(-3.0);
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(out[0].numVertices(), 4);
  expectVertex(out[0], 0, 0, 3, 0.0);
  expectVertex(out[0], 1, 7, 3, 0.0);
  expectVertex(out[0], 2, 7, 7, 0.0);
  expectVertex(out[0], 3, 0, 7, 0.0);
}

TEST(BulgePathOffset, EveryPieceKeepsItsDistance) {
  // Star-shaped polygons (never self-intersecting), offset both ways: no piece of the result
  // comes closer to the original than the distance, the pieces are closed, and outwards the
  // result is always one path. The distance is measured independently of the offset's own
  // construction.
  for (int shape = 0; shape < 40; ++shape) {
    std::vector<ge::BulgeVertex> v;
    const int n = 3 + shape % 9;
    for (int i = 0; i < n; ++i) {
      const double a = 2 * kPi * (i + 0.3 * std::sin(shape + 7.0 * i)) / n;
      const double r = 6 + 3 * std::sin(shape * 1.7 + 2.3 * i);
      const double bulge = (shape + i) % 4 == 0 ? 0.2 * std::cos(shape + i) : 0.0;
      v.push_back({{r * std::cos(a), r * std::sin(a)}, bulge});
    }
    const BulgePath star(v, true);
    for (double d : {0.3, 1.5, -0.3, -1.5, -2.5}) {
      SCOPED_TRACE(testing::Message() << "shape " << shape << " distance " << d);
      const std::vector<BulgePath> out = star.offset(d);
      if (d > 0) {
        ASSERT_EQ(out.size(), 1u);
      }
      for (const BulgePath& piece : out) {
        EXPECT_TRUE(piece.isClosed());
        // Offsets to the right of a counter-clockwise path grow it.
        EXPECT_EQ(piece.signedArea() > star.signedArea(), d > 0);
        for (int i = 0; i < piece.numSegments(); ++i) {
          for (double t : {0.0, 0.3, 0.5, 0.8}) {
            EXPECT_GE(star.distanceTo(piece.segment(i).pointAt(t)), std::fabs(d) - 1e-9);
          }
        }
      }
    }
  }
}

TEST(BulgePath, ProjectedCoordinatesKeepTheirPrecision) {
  // A parcel in projected coordinates (metres, millions of units from the origin).
  const AcGePoint2d o(652314.237, 6862047.915);
  const BulgePath parcel({{o, 0.0},
                          {o + AcGeVector2d(30.5, 0), kQuarterBulge},
                          {o + AcGeVector2d(40.5, 10), 0.0},
                          {o + AcGeVector2d(40.5, 25), 0.0},
                          {o + AcGeVector2d(0, 25), 0.0}},
                         true);
  double t = 0;
  // A point computed on the arc is found on it despite rounding at this magnitude.
  AcGePoint2d onArc;
  ASSERT_TRUE(parcel.pointAtParam(1.37, onArc));
  ASSERT_TRUE(parcel.paramAtPoint(onArc, t));
  EXPECT_NEAR(t, 1.37, 1e-9);
  EXPECT_FALSE(parcel.paramAtPoint(onArc + AcGeVector2d(0.001, 0.001), t));
  EXPECT_NEAR(parcel.signedArea(), 40.5 * 25 - 100 + 25 * kPi, 1e-6);
  const std::vector<BulgePath> out = parcel.offset(-2.0);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].numVertices(), 5);
  EXPECT_NEAR(out[0].arcSegmentAt(1).radius(), 8.0, 1e-6);
}

TEST(BulgePath, SegmentKindsSubPathsAndRepeatedVertices) {
  EXPECT_EQ(BulgePath().segmentKind(0), SegmentKind::kEmpty);
  EXPECT_EQ(BulgePath({{{1, 1}, 0.0}}, false).segmentKind(0), SegmentKind::kPoint);
  BulgePath p({{{0, 0}, 0.0}, {{5, 0}, 0.5}, {{5, 0}, 0.0}, {{10, 0}, 0.0}, {{0, 0}, 0.0}}, true);
  EXPECT_EQ(p.segmentKind(1), SegmentKind::kCoincident);
  EXPECT_EQ(p.segmentKind(4), SegmentKind::kCoincident);  // closing onto the first vertex
  p.removeRepeatedVertices(1e-9);
  ASSERT_EQ(p.numVertices(), 3);
  EXPECT_EQ(p.bulgeAt(1), 0.0);  // the bulge of the surviving segment

  // A piece from the middle of the first segment to the middle of the arc.
  const BulgePath sub = hairpin().subPath(0.5, 1.5);
  ASSERT_EQ(sub.numVertices(), 3);
  expectVertex(sub, 0, 5, 0, 0.0);
  expectVertex(sub, 1, 10, 0, kQuarterBulge);
  expectVertex(sub, 2, 15, 5, 0.0);
  // Through the start of a closed path.
  const BulgePath wrap = square().subPath(3.5, 4.5);
  ASSERT_EQ(wrap.numVertices(), 3);
  expectVertex(wrap, 0, 0, 5, 0.0);
  expectVertex(wrap, 1, 0, 0, 0.0);
  expectVertex(wrap, 2, 5, 0, 0.0);

  // The second derivative on an arc points to its centre, r * sweep^2 long.
  AcGeVector2d d2;
  ASSERT_TRUE(hairpin().secondDerivative(1.5, d2));
  EXPECT_PT2(AcGePoint2d(d2.x, d2.y), -5 * kPi * kPi, 0, 1e-9);
}
