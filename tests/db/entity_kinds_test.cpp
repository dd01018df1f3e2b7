// The particular behaviour of each entity kind: paragraph text, tables, viewports, splines,
// meshes, lightweight polylines, aligned texts, and the copies the undo journal relies on.
#include <cmath>
#include <memory>
#include <numbers>

#include "db/dbextents.h"
#include "db/dbmtext.h"
#include "db/dbpl.h"
#include "db/dbspline.h"
#include "db/dbtable.h"
#include "db/dbviewport.h"
#include "db/entity_test_util.h"
#include "ge/gearc2d.h"
#include "ge/gearc3d.h"
#include "ge/gelnsg2d.h"
#include "ge/gemat3d.h"
#include "ge/text_metrics.h"

using enttest::DrawingTest;
using enttest::expectNear;
using enttest::itemsOf;
using enttest::Opened;
using enttest::point;
using enttest::readObject;

namespace {
constexpr double kPi = std::numbers::pi;
}  // namespace

TEST(ParagraphText, LaysOutLinesAndStripsFormatting) {
  AcDbMText text;
  text.setContents(L"{\\fArial|b1;North} \\S1^2; \\Lunder\\l\\Pline 2\\~end");
  EXPECT_EQ(text.text(), L"North 1/2 under\nline 2 end");

  // Two paragraphs, the first wrapped at the width: three lines, 5/3 of the height apart.
  text.setContents(L"one two three\\Pfour");
  text.setTextHeight(1.0);
  double oneTwo = ge::textAdvance(L"one two", 1.0);
  text.setWidth(oneTwo + 0.01);
  EXPECT_NEAR(text.actualHeight(), 1.0 + 2 * 5.0 / 3.0, 1e-12);
  EXPECT_NEAR(text.actualWidth(), std::max(oneTwo, ge::textAdvance(L"three", 1.0)), 1e-12);

  // Attached at its middle centre, the box is centred on the location, turned with the text.
  text.setLocation(AcGePoint3d(10, 10, 0));
  text.setAttachment(AcDbMText::kMiddleCenter);
  text.setRotation(kPi / 2);
  AcDbExtents extents;
  ASSERT_EQ(text.getGeomExtents(extents), Acad::eOk);
  EXPECT_NEAR((extents.minPoint().x + extents.maxPoint().x) / 2, 10.0, 1e-9);
  EXPECT_NEAR(extents.maxPoint().y - extents.minPoint().y, text.actualWidth(), 1e-9);
  expectNear(text.direction(), AcGeVector3d(0, 1, 0));

  // A rotation given as an angle (files without a direction) becomes the direction.
  auto read = readObject<AcDbMText>(
      AcDbMText::desc(),
      {DxfItem::makeString(100, L"AcDbMText"), point(10, 0, 0), DxfItem::makeReal(40, 1),
       DxfItem::makeString(1, L"x"), DxfItem::makeReal(50, kPi / 2)},
      nullptr);
  expectNear(read->direction(), AcGeVector3d(0, 1, 0));
  EXPECT_EQ(text.setLineSpacingFactor(5.0), Acad::eInvalidInput);
}

TEST_F(DrawingTest, TablesKeepTheirCellsThroughRowAndColumnChanges) {
  AcDbTable table;
  ASSERT_EQ(table.setSize(3, 2), Acad::eOk);
  table.setTextString(0, 0, L"title");
  table.setTextString(2, 1, L"12.5");
  ASSERT_EQ(table.insertRows(1, 0.8, 2), Acad::eOk);
  ASSERT_EQ(table.insertColumns(0, 4.0), Acad::eOk);
  EXPECT_EQ(table.numRows(), 5u);
  EXPECT_EQ(table.numColumns(), 3u);
  EXPECT_STREQ(table.textStringConst(0, 1), L"title");
  EXPECT_STREQ(table.textStringConst(4, 2), L"12.5");
  EXPECT_DOUBLE_EQ(table.rowHeight(2), 0.8);
  EXPECT_DOUBLE_EQ(table.width(), 4.0 + 2.5 + 2.5);
  ASSERT_EQ(table.deleteRows(1, 2), Acad::eOk);
  ASSERT_EQ(table.deleteColumns(0), Acad::eOk);
  EXPECT_STREQ(table.textStringConst(2, 1), L"12.5");
  EXPECT_EQ(table.setTextString(3, 0, L"x"), Acad::eInvalidIndex);

  // Row kinds, and what cells take from them.
  EXPECT_EQ(table.rowType(0), AcDb::kTitleRow);
  EXPECT_EQ(table.rowType(1), AcDb::kHeaderRow);
  table.suppressTitleRow(true);
  EXPECT_EQ(table.rowType(0), AcDb::kHeaderRow);
  table.setTextHeight(0.5, AcDb::kHeaderRow | AcDb::kDataRow);
  table.setAlignment(AcDb::kMiddleLeft, AcDb::kDataRow);
  EXPECT_DOUBLE_EQ(table.textHeight(2, 0), 0.5);
  EXPECT_EQ(table.alignment(2, 0), AcDb::kMiddleLeft);
  table.setAlignment(2, 0, AcDb::kBottomRight);
  EXPECT_EQ(table.alignment(2, 0), AcDb::kBottomRight);

  // Scaled, the table keeps a unit scale and takes the sizes.
  table.setPosition(AcGePoint3d(0, 0, 0));
  ASSERT_EQ(table.transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eOk);
  EXPECT_DOUBLE_EQ(table.scaleFactors().sx, 1.0);
  EXPECT_DOUBLE_EQ(table.width(), 10.0);
  EXPECT_DOUBLE_EQ(table.textHeight(2, 1), 1.0);
  // Its box runs along its direction and down.
  AcDbExtents extents;
  table.getGeomExtents(extents);
  expectNear(extents.minPoint(), AcGePoint3d(0, -table.height(), 0));
  expectNear(extents.maxPoint(), AcGePoint3d(10, 0, 0));
}

TEST_F(DrawingTest, TablesInADrawingGetTheirGraphicsBlock) {
  auto* table = new AcDbTable();
  table->setSize(2, 2);
  table->setTextString(1, 1, L"B2");
  table->setPosition(AcGePoint3d(100, 50, 0));
  AcDbObjectId id = add(table);
  Opened<AcDbTable> opened(id);
  AcDbObjectId block = opened->blockTableRecord();
  ASSERT_FALSE(block.isNull());
  Opened<AcDbBlockTableRecord> record(block);
  EXPECT_TRUE(record->isAnonymous());
  int lines = 0, texts = 0;
  for (AcDbObjectId entity : record->entityIds()) {
    if (entity.objectClass() == AcDbLine::desc()) ++lines;
    if (entity.objectClass() == AcDbMText::desc()) {
      ++texts;
      Opened<AcDbMText> text(entity);
      EXPECT_EQ(text->contentsString(), L"B2");
      // In the second column and row of a grid 2.5 wide and 1 high per cell.
      EXPECT_GT(text->location().x, 2.5);
      EXPECT_LT(text->location().y, -1.0);
    }
  }
  EXPECT_EQ(lines, 6);  // three across, three down
  EXPECT_EQ(texts, 1);
}

TEST(Viewports, ScaleAndFrozenLayers) {
  AcDbViewport viewport;
  viewport.setHeight(150);
  viewport.setViewHeight(300);
  EXPECT_DOUBLE_EQ(viewport.customScale(), 0.5);
  viewport.setCustomScale(2.0);
  EXPECT_DOUBLE_EQ(viewport.viewHeight(), 75.0);
  AcDbDatabase db;
  AcDbObjectIdArray layers;
  layers.append(db.layerZero());
  viewport.freezeLayersInViewport(layers);
  viewport.freezeLayersInViewport(layers);
  AcDbObjectIdArray frozen;
  viewport.getFrozenLayerList(frozen);
  EXPECT_EQ(frozen.length(), 1);
  viewport.thawLayersInViewport(layers);
  EXPECT_FALSE(viewport.isLayerFrozenInViewport(db.layerZero()));
  // Items of files the platform does not model come back where they were.
  DxfItemList items = {DxfItem::makeString(100, L"AcDbViewport"),
                       point(10, 1, 2),
                       DxfItem::makeReal(40, 10),
                       DxfItem::makeInt(281, 3),
                       DxfItem::makeReal(41, 5),
                       DxfItem::makeString(1, L"style.ctb")};
  auto read = readObject<AcDbViewport>(AcDbViewport::desc(), items, &db);
  DxfItemList written = itemsOf(read.get(), &db);
  std::vector<int> codes;
  for (const DxfItem& item : written) codes.push_back(item.code);
  auto at = [&](int code) { return std::find(codes.begin(), codes.end(), code) - codes.begin(); };
  EXPECT_LT(at(40), at(281));
  EXPECT_LT(at(281), at(41));
  EXPECT_LT(at(41), at(1));
  EXPECT_EQ(viewport.transformBy(AcGeMatrix3d::rotation(0.5, AcGeVector3d::kZAxis)),
            Acad::eCannotScaleNonUniformly);
}

TEST(Splines, WeightedControlPointsMakeExactArcs) {
  // A quarter circle as a rational quadratic: every point lies on the unit circle.
  const double w = std::sqrt(0.5);
  AcDbSpline arc(2, true, false, false,
                 {AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 0), AcGePoint3d(0, 1, 0)},
                 {0, 0, 0, 1, 1, 1}, {1.0, w, 1.0});
  for (double u : {0.1, 0.5, 0.9}) {
    AcGePoint3d p;
    ASSERT_EQ(arc.getPointAtParam(u, p), Acad::eOk);
    EXPECT_NEAR(p.asVector().length(), 1.0, 1e-12);
  }
  double length = 0.0, end = 0.0;
  arc.getEndParam(end);
  arc.getDistAtParam(end, length);
  EXPECT_NEAR(length, kPi / 2, 1e-9);
  AcDbExtents extents;
  arc.getGeomExtents(extents);
  expectNear(extents.maxPoint(), AcGePoint3d(1, 1, 0), 1e-9);

  // Bad control data is refused; moving a control point forgets the fit points.
  EXPECT_EQ(arc.setNurbsData(3, false, false, false, {AcGePoint3d()}, {0, 1}, {}),
            Acad::eInvalidInput);
  AcDbSpline fitted({AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0), AcGePoint3d(2, 0, 0)});
  EXPECT_TRUE(fitted.hasFitData());
  ASSERT_EQ(fitted.setControlPointAt(1, AcGePoint3d(1, 5, 0)), Acad::eOk);
  EXPECT_FALSE(fitted.hasFitData());
  AcDbSpline lifted(
      {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 1), AcGePoint3d(2, 0, 0), AcGePoint3d(3, 3, -1)});
  EXPECT_FALSE(lifted.isPlanar());
}

TEST(Meshes, FacesIndexExistingVerticesAfterAllVertices) {
  AcDbPolyFaceMesh mesh;
  for (int i = 0; i < 3; ++i)
    ASSERT_EQ(mesh.appendVertex(new AcDbPolyFaceMeshVertex(AcGePoint3d(i, i * i, 0))), Acad::eOk);
  auto* bad = new AcDbFaceRecord(1, 2, 4, 0);
  EXPECT_EQ(mesh.appendFaceRecord(bad), Acad::eInvalidFaceVertexIndex);
  delete bad;
  ASSERT_EQ(mesh.appendFaceRecord(new AcDbFaceRecord(1, -2, 3, 0)), Acad::eOk);
  auto* late = new AcDbPolyFaceMeshVertex(AcGePoint3d(9, 9, 9));
  EXPECT_EQ(mesh.appendVertex(late), Acad::eVertexAfterFace);
  delete late;
  EXPECT_EQ(mesh.numVertices(), 3);
  EXPECT_EQ(mesh.numFaces(), 1);
  AcDbExtents extents;
  ASSERT_EQ(mesh.transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, 5))), Acad::eOk);
  mesh.getGeomExtents(extents);
  expectNear(extents.minPoint(), AcGePoint3d(0, 0, 5));
  expectNear(extents.maxPoint(), AcGePoint3d(2, 4, 5));

  AcDbFaceRecord face(1, -2, 3, 0);
  bool visible = true;
  Adesk::Int16 index = 0;
  face.isEdgeVisibleAt(1, visible);
  face.getVertexAt(1, index);
  EXPECT_FALSE(visible);
  EXPECT_EQ(index, 2);
  face.makeEdgeVisibleAt(1);
  face.isEdgeVisibleAt(1, visible);
  EXPECT_TRUE(visible);

  AcDbPolygonMesh grid(AcDb::kQuadSurfaceMesh, 2, 3, {}, false, true);
  EXPECT_EQ(grid.polyMeshType(), AcDb::kQuadSurfaceMesh);
  EXPECT_TRUE(grid.isNClosed());
  EXPECT_FALSE(grid.isMClosed());
  EXPECT_EQ(grid.setMSize(1), Acad::eInvalidInput);
}

TEST(LightweightPolylines, VertexEditingAndSegments) {
  AcDbPolyline polyline;
  EXPECT_EQ(polyline.addVertexAt(1, AcGePoint2d(0, 0)), Acad::eInvalidIndex);
  polyline.addVertexAt(0, AcGePoint2d(0, 0), -1.0);  // a clockwise half circle over (2, 0)
  polyline.addVertexAt(1, AcGePoint2d(4, 0));
  polyline.addVertexAt(2, AcGePoint2d(4, 0));  // repeated: a zero-length segment
  polyline.setConstantWidth(0.5);
  polyline.addVertexAt(3, AcGePoint2d(4, 4));  // takes the width the others share
  double width = 0.0;
  ASSERT_EQ(polyline.getConstantWidth(width), Acad::eOk);
  EXPECT_EQ(width, 0.5);
  polyline.setWidthsAt(3, 0.1, 0.2);
  EXPECT_EQ(polyline.getConstantWidth(width), Acad::eInvalidInput);

  EXPECT_EQ(polyline.segType(0), AcDbPolyline::kArc);
  EXPECT_EQ(polyline.segType(1), AcDbPolyline::kCoincident);
  EXPECT_EQ(polyline.segType(2), AcDbPolyline::kLine);
  EXPECT_EQ(polyline.segType(3), AcDbPolyline::kEmpty);
  AcGeLineSeg2d line;
  EXPECT_EQ(polyline.getLineSegAt(0, line), Acad::eNotApplicable);
  ASSERT_EQ(polyline.getLineSegAt(2, line), Acad::eOk);
  AcGeCircArc2d arc2d;
  ASSERT_EQ(polyline.getArcSegAt(0, arc2d), Acad::eOk);
  EXPECT_NEAR(arc2d.radius(), 2.0, 1e-12);
  // The arc of space runs like the segment: from (0, 0) over the top to (4, 0).
  AcGeCircArc3d arc3d;
  ASSERT_EQ(polyline.getArcSegAt(0, arc3d), Acad::eOk);
  expectNear(arc3d.startPoint(), AcGePoint3d(0, 0, 0));
  expectNear(arc3d.endPoint(), AcGePoint3d(4, 0, 0));
  expectNear(arc3d.evalPoint((arc3d.startAng() + arc3d.endAng()) / 2), AcGePoint3d(2, 2, 0));

  ASSERT_EQ(polyline.removeVertexAt(2), Acad::eOk);
  EXPECT_EQ(polyline.numVerts(), 3u);
  EXPECT_EQ(polyline.removeVertexAt(3), Acad::eInvalidIndex);
}

TEST(LightweightPolylines, PlaneOfANormalOtherThanZ) {
  // In the plane x = 2 (normal +X): object X is world +Y, object Y is world +Z, elevation along X.
  AcDbPolyline polyline;
  polyline.setNormal(AcGeVector3d::kXAxis);
  polyline.setElevation(2.0);
  polyline.addVertexAt(0, AcGePoint2d(0, 0));
  polyline.addVertexAt(1, AcGePoint2d(3, 0));
  polyline.addVertexAt(2, AcGePoint2d(3, 4));
  AcGePoint3d p;
  polyline.getPointAt(2, p);
  expectNear(p, AcGePoint3d(2, 3, 4));
  AcGePoint3d near;
  ASSERT_EQ(polyline.getClosestPointTo(AcGePoint3d(7, 1.5, -1), near), Acad::eOk);
  expectNear(near, AcGePoint3d(2, 1.5, 0));
  // Rotated into the XY plane, it becomes a plan polyline.
  ASSERT_EQ(polyline.transformBy(AcGeMatrix3d::rotation(-kPi / 2, AcGeVector3d::kYAxis)),
            Acad::eOk);
  expectNear(polyline.normal(), AcGeVector3d(0, 0, 1));
  polyline.getPointAt(2, p);
  expectNear(p, AcGeMatrix3d::rotation(-kPi / 2, AcGeVector3d::kYAxis) * AcGePoint3d(2, 3, 4));
  EXPECT_NEAR(polyline.elevation(), p.z, 1e-12);
}

TEST(AlignedTexts, AlignAndFitSpanTheirTwoPoints) {
  double advance = ge::textAdvance(L"ABCD", 1.0);
  AcDbText aligned(AcGePoint3d(0, 0, 0), L"ABCD", AcDbObjectId(), 1.0);
  aligned.setHorizontalMode(AcDb::kTextAlign);
  aligned.setAlignmentPoint(AcGePoint3d(0, 2 * advance, 0));
  ASSERT_EQ(aligned.adjustAlignment(), Acad::eOk);
  EXPECT_NEAR(aligned.height(), 2.0, 1e-12);  // twice as long: twice as high
  EXPECT_NEAR(aligned.rotation(), kPi / 2, 1e-12);
  AcDbText fitted(AcGePoint3d(0, 0, 0), L"ABCD", AcDbObjectId(), 1.0);
  fitted.setHorizontalMode(AcDb::kTextFit);
  fitted.setAlignmentPoint(AcGePoint3d(advance / 2, 0, 0));
  fitted.adjustAlignment();
  EXPECT_NEAR(fitted.height(), 1.0, 1e-12);
  EXPECT_NEAR(fitted.widthFactor(), 0.5, 1e-12);
  // Right-aligned at the top, written backwards: the text runs to the right of its end.
  AcDbText right(AcGePoint3d(0, 0, 0), L"ABCD", AcDbObjectId(), 1.0);
  right.setHorizontalMode(AcDb::kTextRight);
  right.setVerticalMode(AcDb::kTextTop);
  right.mirrorInX(true);
  right.setAlignmentPoint(AcGePoint3d(10, 10, 0));
  right.adjustAlignment();
  expectNear(right.position(), AcGePoint3d(10 + advance, 9, 0));
  EXPECT_EQ(right.setOblique(1.6), Acad::eInvalidInput);
  EXPECT_EQ(right.setHeight(0.0), Acad::eInvalidInput);
}

TEST_F(DrawingTest, CopiesAreExactAndPartialListsChangeOnlyWhatTheyName) {
  // A copy of a plain line onto a thick, coloured one gives the plain line back: copies carry the
  // defaults too (the undo journal restores objects this way).
  AcDbLine plain(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  plain.setLayer(db_.layerZero());
  AcDbLine changed(AcGePoint3d(5, 5, 5), AcGePoint3d(6, 6, 6));
  changed.setThickness(3.0);
  changed.setColorIndex(1);
  changed.setNormal(AcGeVector3d::kXAxis);
  ASSERT_EQ(changed.copyFrom(&plain), Acad::eOk);
  EXPECT_EQ(changed.thickness(), 0.0);
  EXPECT_EQ(changed.colorIndex(), 256);
  expectNear(changed.normal(), AcGeVector3d::kZAxis);
  expectNear(changed.endPoint(), AcGePoint3d(1, 0, 0));

  // A LISP list naming only the layer changes only the layer; new vertices replace the old ones.
  addLayer(L"TOPO", 2);
  auto* polyline = new AcDbPolyline();
  polyline->addVertexAt(0, AcGePoint2d(0, 0));
  polyline->addVertexAt(1, AcGePoint2d(1, 1));
  polyline->setElevation(7.0);
  AcDbObjectId id = add(polyline);
  {
    Opened<AcDbPolyline> opened(id, AcDb::kForWrite);
    DxfItemListFiler lisp(&db_, AcDbDxfFiler::kLispFiler,
                          {DxfItem::makeString(8, L"TOPO"), DxfItem::makePoint(10, 5, 5, 0, 2),
                           DxfItem::makePoint(10, 6, 5, 0, 2), DxfItem::makePoint(10, 6, 6, 0, 2)});
    opened->dxfInFields(&lisp);
  }
  Opened<AcDbPolyline> modified(id);
  EXPECT_EQ(modified->layerName(), L"TOPO");
  EXPECT_EQ(modified->numVerts(), 3u);
  EXPECT_EQ(modified->elevation(), 7.0);
}

TEST(Extents, BoxesGrowAndMove) {
  AcDbExtents box;
  EXPECT_TRUE(box.isEmpty());
  box.addPoint(AcGePoint3d(1, 2, 3));
  box.addPoint(AcGePoint3d(-1, 5, 0));
  EXPECT_FALSE(box.isEmpty());
  expectNear(box.minPoint(), AcGePoint3d(-1, 2, 0));
  expectNear(box.maxPoint(), AcGePoint3d(1, 5, 3));
  box.addExt(AcDbExtents());  // an empty box adds nothing
  expectNear(box.minPoint(), AcGePoint3d(-1, 2, 0));
  box.expandBy(AcGeVector3d(1, -1, 0));
  expectNear(box.minPoint(), AcGePoint3d(-1, 1, 0));
  expectNear(box.maxPoint(), AcGePoint3d(2, 5, 3));
  // A quarter turn about Z: the box of the turned corners.
  box.transformBy(AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis));
  expectNear(box.minPoint(), AcGePoint3d(-5, -1, 0));
  expectNear(box.maxPoint(), AcGePoint3d(-1, 2, 3));
}
