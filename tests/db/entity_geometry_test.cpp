// Offsets, intersections, extents and transforms of entities.
#include <array>
#include <cmath>
#include <memory>
#include <numbers>

#include "db/dbextents.h"
#include "db/dbmtext.h"
#include "db/dbpl.h"
#include "db/dbtable.h"
#include "db/entity_test_util.h"
#include "ge/gemat3d.h"
#include "ge/geplane.h"
#include "ge/text_metrics.h"

using enttest::DrawingTest;
using enttest::expectNear;
using enttest::Opened;

namespace {

constexpr double kPi = std::numbers::pi;

AcDbPolyline* polylineOf(std::initializer_list<std::array<double, 3>> vertices, bool closed) {
  auto* polyline = new AcDbPolyline();
  unsigned int i = 0;
  for (const auto& v : vertices) polyline->addVertexAt(i++, AcGePoint2d(v[0], v[1]), v[2]);
  polyline->setClosed(closed);
  return polyline;
}

// The offset curves, owned.
std::vector<std::unique_ptr<AcDbCurve>> offsets(const AcDbCurve& curve, double distance,
                                                Acad::ErrorStatus expected = Acad::eOk) {
  AcDbVoidPtrArray raw;
  EXPECT_EQ(curve.getOffsetCurves(distance, raw), expected);
  std::vector<std::unique_ptr<AcDbCurve>> curves;
  for (void* p : raw) curves.emplace_back(static_cast<AcDbCurve*>(p));
  return curves;
}

void expectVertices(const AcDbPolyline& polyline,
                    std::initializer_list<std::array<double, 3>> expected) {
  ASSERT_EQ(polyline.numVerts(), expected.size());
  unsigned int i = 0;
  for (const auto& v : expected) {
    AcGePoint2d p;
    double bulge = 0.0;
    polyline.getPointAt(i, p);
    polyline.getBulgeAt(i, bulge);
    EXPECT_NEAR(p.x, v[0], 1e-9) << "vertex " << i;
    EXPECT_NEAR(p.y, v[1], 1e-9) << "vertex " << i;
    EXPECT_NEAR(bulge, v[2], 1e-9) << "vertex " << i;
    ++i;
  }
}

AcGePoint3dArray intersections(const AcDbEntity& a, const AcDbEntity& b,
                               AcDb::Intersect type = AcDb::kOnBothOperands) {
  AcGePoint3dArray points;
  EXPECT_EQ(a.intersectWith(&b, type, points), Acad::eOk);
  return points;
}

bool contains(const AcGePoint3dArray& points, const AcGePoint3d& p) {
  for (const AcGePoint3d& q : points) {
    if (q.distanceTo(p) < 1e-9) return true;
  }
  return false;
}

void expectExtents(const AcDbEntity& entity, const AcGePoint3d& min, const AcGePoint3d& max,
                   double tol = 1e-9) {
  AcDbExtents extents;
  ASSERT_EQ(entity.getGeomExtents(extents), Acad::eOk);
  expectNear(extents.minPoint(), min, tol);
  expectNear(extents.maxPoint(), max, tol);
}

}  // namespace

TEST(Offsets, LinesArcsAndCirclesMoveToTheRightOfTravel) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  auto moved = offsets(line, 2.0);
  ASSERT_EQ(moved.size(), 1u);
  auto* offsetLine = AcDbLine::cast(moved[0].get());
  ASSERT_NE(offsetLine, nullptr);
  expectNear(offsetLine->startPoint(), AcGePoint3d(0, -2, 0));
  expectNear(offsetLine->endPoint(), AcGePoint3d(10, -2, 0));

  // Counter-clockwise arcs and circles: outwards.
  AcDbArc arc(AcGePoint3d(0, 0, 0), 2.0, 0.0, kPi / 2);
  auto bigger = offsets(arc, 1.0);
  ASSERT_EQ(bigger.size(), 1u);
  EXPECT_DOUBLE_EQ(AcDbArc::cast(bigger[0].get())->radius(), 3.0);
  EXPECT_DOUBLE_EQ(AcDbArc::cast(bigger[0].get())->endAngle(), kPi / 2);
  EXPECT_TRUE(offsets(arc, -2.0, Acad::eInvalidOffset).empty());
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 2.0);
  EXPECT_DOUBLE_EQ(AcDbCircle::cast(offsets(circle, -0.5)[0].get())->radius(), 1.5);
}

TEST(Offsets, PolylineWithArcsKeepsItsArcs) {
  // A stadium run counter-clockwise: two straights joined by half circles of radius 2.
  std::unique_ptr<AcDbPolyline> stadium(
      polylineOf({{0, 0, 0}, {10, 0, 1}, {10, 4, 0}, {0, 4, 1}}, true));
  auto outside = offsets(*stadium, 1.0);
  ASSERT_EQ(outside.size(), 1u);
  auto* grown = AcDbPolyline::cast(outside[0].get());
  EXPECT_TRUE(grown->isClosed());
  expectVertices(*grown, {{0, -1, 0}, {10, -1, 1}, {10, 5, 0}, {0, 5, 1}});
  auto inside = offsets(*stadium, -1.0);
  ASSERT_EQ(inside.size(), 1u);
  expectVertices(*AcDbPolyline::cast(inside[0].get()),
                 {{0, 1, 0}, {10, 1, 1}, {10, 3, 0}, {0, 3, 1}});
  double area = 0.0;
  grown->getArea(area);
  EXPECT_NEAR(area, 10 * 6 + kPi * 9, 1e-9);
}

TEST(Offsets, PolylineThatPinchesSplitsInTwo) {
  // Two 10 by 10 squares joined by a neck 1 wide: shrunk by 1, the neck vanishes.
  std::unique_ptr<AcDbPolyline> dumbbell(polylineOf({{0, 0, 0},
                                                     {10, 0, 0},
                                                     {10, 4.5, 0},
                                                     {20, 4.5, 0},
                                                     {20, 0, 0},
                                                     {30, 0, 0},
                                                     {30, 10, 0},
                                                     {20, 10, 0},
                                                     {20, 5.5, 0},
                                                     {10, 5.5, 0},
                                                     {10, 10, 0},
                                                     {0, 10, 0}},
                                                    true));
  dumbbell->setElevation(4.0);
  auto parts = offsets(*dumbbell, -1.0);
  ASSERT_EQ(parts.size(), 2u);
  for (const auto& part : parts) {
    auto* square = AcDbPolyline::cast(part.get());
    ASSERT_NE(square, nullptr);
    EXPECT_TRUE(square->isClosed());
    EXPECT_EQ(square->numVerts(), 4u);
    EXPECT_EQ(square->elevation(), 4.0);
    double area = 0.0;
    square->getArea(area);
    EXPECT_NEAR(area, 64.0, 1e-9);
  }
}

TEST(Intersections, LinesArcsAndPolylines) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  AcDbArc upperHalf(AcGePoint3d(5, 0, 0), 3.0, 0.0, kPi);
  AcGePoint3dArray hits = intersections(line, upperHalf);
  EXPECT_EQ(hits.length(), 2);
  EXPECT_TRUE(contains(hits, AcGePoint3d(2, 0, 0)));
  EXPECT_TRUE(contains(hits, AcGePoint3d(8, 0, 0)));
  AcDbCircle circle(AcGePoint3d(5, 1, 0), AcGeVector3d::kZAxis, 2.0);
  hits = intersections(line, circle);
  EXPECT_TRUE(contains(hits, AcGePoint3d(5 - std::sqrt(3.0), 0, 0)));
  EXPECT_TRUE(contains(hits, AcGePoint3d(5 + std::sqrt(3.0), 0, 0)));

  // A short line reaches the circle only when prolonged.
  AcDbLine shortLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  AcDbCircle far(AcGePoint3d(5, 0, 0), AcGeVector3d::kZAxis, 3.0);
  EXPECT_EQ(intersections(shortLine, far).length(), 0);
  EXPECT_EQ(intersections(shortLine, far, AcDb::kExtendThis).length(), 2);
  EXPECT_EQ(intersections(shortLine, far, AcDb::kExtendArg).length(), 0);

  // Against a polyline: the bulge's arc counts, its chord does not.
  std::unique_ptr<AcDbPolyline> hook(polylineOf({{0, 0, 1}, {2, 0, 0}, {2, 2, 0}}, false));
  AcDbLine vertical(AcGePoint3d(1, -5, 0), AcGePoint3d(1, 5, 0));
  hits = intersections(vertical, *hook);
  ASSERT_EQ(hits.length(), 1);
  expectNear(hits[0], AcGePoint3d(1, -1, 0));
  AcDbLine across(AcGePoint3d(0, 1, 0), AcGePoint3d(5, 1, 0));
  hits = intersections(*hook, across);
  ASSERT_EQ(hits.length(), 1);
  expectNear(hits[0], AcGePoint3d(2, 1, 0));

  // Rays run one way from their base.
  AcDbRay ray;
  AcDbLine post(AcGePoint3d(5, -1, 0), AcGePoint3d(5, 1, 0));
  ray.setUnitDir(AcGeVector3d(1, 0, 0));
  EXPECT_EQ(intersections(ray, post).length(), 1);
  ray.setUnitDir(AcGeVector3d(-1, 0, 0));
  EXPECT_EQ(intersections(ray, post).length(), 0);
  EXPECT_EQ(intersections(post, ray, AcDb::kExtendBoth).length(), 0);
}

TEST(Intersections, InSpaceAndSeenOnAPlane) {
  // A line through the plane of a circle meets it where it crosses the plane, if on the circle.
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
  AcDbLine through(AcGePoint3d(1, 0, -1), AcGePoint3d(1, 0, 1));
  AcGePoint3dArray hits = intersections(through, circle);
  ASSERT_EQ(hits.length(), 1);
  expectNear(hits[0], AcGePoint3d(1, 0, 0));
  AcDbLine inside(AcGePoint3d(0.5, 0, -1), AcGePoint3d(0.5, 0, 1));
  EXPECT_EQ(intersections(inside, circle).length(), 0);

  // Lines at different heights cross only seen from above; the point is on this entity.
  AcDb3dPolyline slope(AcDb::k3dSimplePoly, {AcGePoint3d(0, 0, 0), AcGePoint3d(10, 10, 5)});
  AcDbLine low(AcGePoint3d(0, 10, -3), AcGePoint3d(10, 0, -3));
  EXPECT_EQ(intersections(slope, low).length(), 0);
  AcGePoint3dArray seen;
  ASSERT_EQ(slope.intersectWith(&low, AcDb::kOnBothOperands, AcGePlane::kXYPlane, seen), Acad::eOk);
  ASSERT_EQ(seen.length(), 1);
  expectNear(seen[0], AcGePoint3d(5, 5, 2.5));
  seen.removeAll();
  ASSERT_EQ(low.intersectWith(&slope, AcDb::kOnBothOperands, AcGePlane::kXYPlane, seen), Acad::eOk);
  expectNear(seen[0], AcGePoint3d(5, 5, -3));

  // Entities that are not curves have no intersections to give.
  AcDbText text;
  AcGePoint3dArray none;
  EXPECT_EQ(text.intersectWith(&low, AcDb::kOnBothOperands, none), Acad::eNotApplicable);
}

TEST_F(DrawingTest, ExtentsOfArcsAndTexts) {
  // An arc by its true extremes, not its end points.
  AcDbArc arc(AcGePoint3d(0, 0, 0), 2.0, kPi / 4, 3 * kPi / 4);
  expectExtents(arc, AcGePoint3d(-std::sqrt(2.0), std::sqrt(2.0), 0),
                AcGePoint3d(std::sqrt(2.0), 2, 0));

  // A text turned a quarter: its box from the text metrics, turned.
  AcDbText text(AcGePoint3d(10, 10, 0), L"Pt 12", AcDbObjectId(), 1.0, kPi / 2);
  ge::TextBox box = ge::textBox(L"Pt 12", 1.0);
  expectExtents(text, AcGePoint3d(10 - box.max.y, 10 + box.min.x, 0),
                AcGePoint3d(10 - box.min.y, 10 + box.max.x, 0));

  // A centred text hangs from its alignment point, wherever its position was left.
  AcDbText centred(AcGePoint3d(0, 0, 0), L"ABC", AcDbObjectId(), 2.0);
  centred.setHorizontalMode(AcDb::kTextCenter);
  centred.setAlignmentPoint(AcGePoint3d(50, 0, 0));
  double advance = ge::textAdvance(L"ABC", 2.0);
  AcDbExtents extents;
  ASSERT_EQ(centred.getGeomExtents(extents), Acad::eOk);
  EXPECT_NEAR((extents.minPoint().x + extents.maxPoint().x) / 2, 50.0, advance * 0.1);
  ASSERT_EQ(centred.adjustAlignment(), Acad::eOk);
  expectNear(centred.position(), AcGePoint3d(50 - advance / 2, 0, 0));

  AcDbText empty;
  EXPECT_EQ(empty.getGeomExtents(extents), Acad::eInvalidExtents);
}

TEST_F(DrawingTest, ExtentsOfScaledAndTurnedBlockReferences) {
  // Base point (1, 1); a line along +X and a circle of radius 1 about the base point.
  AcDbObjectId block = addBlock(L"STATION", AcGePoint3d(1, 1, 0),
                                {new AcDbLine(AcGePoint3d(1, 1, 0), AcGePoint3d(3, 1, 0)),
                                 new AcDbCircle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 1.0)});
  // Twice the size, turned a quarter, placed at (10, 10): the line runs up to (10, 14).
  AcDbBlockReference turned(AcGePoint3d(10, 10, 0), block);
  turned.setScaleFactors(AcGeScale3d(2.0));
  turned.setRotation(kPi / 2);
  expectExtents(turned, AcGePoint3d(8, 8, 0), AcGePoint3d(12, 14, 0));
  expectNear(turned.blockTransform() * AcGePoint3d(3, 1, 0), AcGePoint3d(10, 14, 0));

  // Stretched along X: the circle becomes an ellipse twice as wide.
  AcDbBlockReference stretched(AcGePoint3d(10, 10, 0), block);
  stretched.setScaleFactors(AcGeScale3d(2, 1, 1));
  expectExtents(stretched, AcGePoint3d(8, 9, 0), AcGePoint3d(14, 11, 0));

  // A reference to a reference: the inner one placed by the outer's transform.
  AcDbObjectId outer = addBlock(L"PAIR", AcGePoint3d(0, 0, 0),
                                {new AcDbBlockReference(AcGePoint3d(0, 0, 0), block),
                                 new AcDbBlockReference(AcGePoint3d(20, 0, 0), block)});
  AcDbBlockReference pair(AcGePoint3d(100, 0, 0), outer);
  expectExtents(pair, AcGePoint3d(99, -1, 0), AcGePoint3d(122, 1, 0));

  // Attributes count, hidden ones do not.
  AcDbObjectId id = add(new AcDbBlockReference(AcGePoint3d(0, 0, 0), block));
  {
    Opened<AcDbBlockReference> reference(id, AcDb::kForWrite);
    auto* visible = new AcDbAttribute(AcGePoint3d(0, 5, 0), L"12", L"PTNO");
    visible->setHeight(1.0);
    ASSERT_EQ(reference->appendAttribute(visible), Acad::eOk);
    visible->close();
    auto* hidden = new AcDbAttribute(AcGePoint3d(0, 50, 0), L"x", L"CODE");
    hidden->setHeight(1.0);
    hidden->setInvisible(true);
    ASSERT_EQ(reference->appendAttribute(hidden), Acad::eOk);
    hidden->close();
  }
  Opened<AcDbBlockReference> reference(id);
  AcDbExtents extents;
  ASSERT_EQ(reference->getGeomExtents(extents), Acad::eOk);
  EXPECT_NEAR(extents.maxPoint().y, 6.0, 1e-9);  // the visible attribute's cap line
  EXPECT_NEAR(extents.minPoint().y, -1.0, 1e-9);
}

TEST(Transforms, MirrorsKeepTextReadableAndArcsCounterClockwise) {
  AcGeMatrix3d mirror =
      AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis));

  AcDbText text(AcGePoint3d(2, 0, 0), L"A", AcDbObjectId(), 1.0);
  ASSERT_EQ(text.transformBy(mirror), Acad::eOk);
  expectNear(text.position(), AcGePoint3d(-2, 0, 0));
  EXPECT_TRUE(text.isMirroredInX());
  EXPECT_NEAR(text.rotation(), 0.0, 1e-12);
  expectNear(text.normal(), AcGeVector3d::kZAxis);

  // The first quadrant's arc becomes the second quadrant's, still counter-clockwise about +Z.
  AcDbArc arc(AcGePoint3d(0, 0, 0), 1.0, 0.0, kPi / 2);
  ASSERT_EQ(arc.transformBy(mirror), Acad::eOk);
  EXPECT_NEAR(arc.startAngle(), kPi / 2, 1e-12);
  EXPECT_NEAR(arc.endAngle(), kPi, 1e-12);
  expectNear(arc.normal(), AcGeVector3d::kZAxis);

  // A polyline's arcs turn the other way.
  std::unique_ptr<AcDbPolyline> hook(polylineOf({{0, 0, 1}, {2, 0, 0}, {2, 2, 0}}, false));
  ASSERT_EQ(hook->transformBy(mirror), Acad::eOk);
  double bulge = 0.0;
  hook->getBulgeAt(0, bulge);
  EXPECT_EQ(bulge, -1.0);
  AcGePoint3d p;
  hook->getPointAtParam(0.5, p);
  expectNear(p, AcGePoint3d(-1, -1, 0));
}

TEST(Transforms, ShapesThatCannotStretchRefuseIt) {
  AcGeMatrix3d stretch;
  stretch.entry[0][0] = 2.0;
  AcDbCircle circle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 1.0);
  EXPECT_EQ(circle.transformBy(stretch), Acad::eCannotScaleNonUniformly);
  EXPECT_DOUBLE_EQ(circle.radius(), 1.0);
  AcDbText text(AcGePoint3d(0, 0, 0), L"A", AcDbObjectId(), 1.0);
  EXPECT_EQ(text.transformBy(stretch), Acad::eCannotScaleNonUniformly);
  AcDbLine line(AcGePoint3d(1, 1, 0), AcGePoint3d(2, 2, 0));
  ASSERT_EQ(line.transformBy(stretch), Acad::eOk);
  expectNear(line.endPoint(), AcGePoint3d(4, 2, 0));

  // A block reference takes the stretch in its scale factors; a mirror as a negative X scale.
  AcDbBlockReference reference(AcGePoint3d(1, 1, 0), AcDbObjectId());
  reference.setRotation(kPi / 2);
  ASSERT_EQ(reference.transformBy(AcGeMatrix3d::scaling(3.0)), Acad::eOk);
  EXPECT_NEAR(reference.scaleFactors().sx, 3.0, 1e-12);
  EXPECT_NEAR(reference.rotation(), kPi / 2, 1e-12);
  expectNear(reference.position(), AcGePoint3d(3, 3, 0));
  AcDbBlockReference flat(AcGePoint3d(1, 0, 0), AcDbObjectId());
  ASSERT_EQ(flat.transformBy(
                AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis))),
            Acad::eOk);
  EXPECT_NEAR(flat.scaleFactors().sx, -1.0, 1e-12);
  expectNear(flat.normal(), AcGeVector3d::kZAxis);
  expectNear(flat.position(), AcGePoint3d(-1, 0, 0));
  // A shear has no scale factors.
  AcGeMatrix3d shear;
  shear.entry[0][1] = 1.0;
  EXPECT_EQ(flat.transformBy(shear), Acad::eCannotScaleNonUniformly);
}

TEST(Intersections, CrossingPlanesAndOverlaps) {
  // Two unit circles about the origin, one flat, one upright: they meet at (0, +-1, 0).
  AcDbCircle flat(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
  AcDbCircle upright(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis, 1.0);
  AcGePoint3dArray hits = intersections(flat, upright);
  EXPECT_EQ(hits.length(), 2);
  EXPECT_TRUE(contains(hits, AcGePoint3d(0, 1, 0)));
  EXPECT_TRUE(contains(hits, AcGePoint3d(0, -1, 0)));
  // Lines along one another share the ends of their overlap.
  AcDbLine first(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  AcDbLine second(AcGePoint3d(5, 0, 0), AcGePoint3d(15, 0, 0));
  hits = intersections(first, second);
  EXPECT_EQ(hits.length(), 2);
  EXPECT_TRUE(contains(hits, AcGePoint3d(5, 0, 0)));
  EXPECT_TRUE(contains(hits, AcGePoint3d(10, 0, 0)));
}

TEST(CurveQueriesAlongADirection, SeenSideways) {
  // A flat circle seen along X is a segment of the Y axis: the point seen nearest (7, 2, 0) is its
  // top.
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
  AcGePoint3d seen;
  ASSERT_EQ(circle.getClosestPointTo(AcGePoint3d(7, 2, 0), AcGeVector3d::kXAxis, seen), Acad::eOk);
  expectNear(seen, AcGePoint3d(0, 1, 0), 1e-6);
}

TEST_F(DrawingTest, OldStylePolylinesOffsetAndMoveWithTheirVertices) {
  auto* polyline = new AcDb2dPolyline();
  polyline->appendVertex(new AcDb2dVertex(AcGePoint3d(0, 0, 0)));
  polyline->appendVertex(new AcDb2dVertex(AcGePoint3d(10, 0, 0)));
  AcDbObjectId id = add(polyline);
  Opened<AcDb2dPolyline> opened(id, AcDb::kForWrite);
  auto moved = offsets(*opened.get(), 1.0);
  ASSERT_EQ(moved.size(), 1u);
  auto* copy = AcDb2dPolyline::cast(moved[0].get());
  ASSERT_NE(copy, nullptr);
  AcGePoint3d start;
  copy->getStartPoint(start);
  expectNear(start, AcGePoint3d(0, -1, 0));
  // Turned a quarter about the origin and lifted, the vertices follow in the new plane.
  ASSERT_EQ(opened->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, 4)) *
                                AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d::kZAxis)),
            Acad::eOk);
  AcGePoint3d end;
  opened->getEndPoint(end);
  expectNear(end, AcGePoint3d(0, 10, 4));
  EXPECT_DOUBLE_EQ(opened->elevation(), 4.0);
}
