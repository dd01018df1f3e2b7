// Entities that own others (vertices of old-style polylines, attributes of block references), the
// common properties, and every kind through a drawing file and back.
#include <cmath>
#include <memory>
#include <numbers>

#include "db/dbmtext.h"
#include "db/dbpl.h"
#include "db/dbspline.h"
#include "db/dbtable.h"
#include "db/dbviewport.h"
#include "db/entity_test_util.h"
#include "ge/gemat3d.h"

using enttest::DrawingTest;
using enttest::expectNear;
using enttest::Opened;

namespace {

constexpr double kPi = std::numbers::pi;

std::vector<AcDbObjectId> followerIds(const AcDbEntity& entity) {
  AcDbObjectIdArray ids;
  entity.subentityIds(ids);
  return std::vector<AcDbObjectId>(ids.begin(), ids.end());
}

std::vector<AcGePoint3d> vertexPositions(const AcDb2dPolyline& polyline) {
  std::vector<AcGePoint3d> points;
  std::unique_ptr<AcDbObjectIterator> it(polyline.vertexIterator());
  for (it->start(); !it->done(); it->step())
    points.push_back(AcDb2dVertex::cast(it->entity())->position());
  return points;
}

}  // namespace

TEST_F(DrawingTest, PolylineVerticesFollowThePolylineIntoTheDrawing) {
  AcDbObjectId survey = addLayer(L"SURVEY", 3);
  auto* polyline =
      new AcDb2dPolyline(AcDb::k2dSimplePoly, {AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0)});
  polyline->setLayer(survey);
  EXPECT_TRUE(followerIds(*polyline).empty());  // kept by the polyline until it is added
  AcDbObjectId id = add(polyline);

  Opened<AcDb2dPolyline> opened(id, AcDb::kForWrite);
  std::vector<AcDbObjectId> vertices = followerIds(*opened.get());
  ASSERT_EQ(vertices.size(), 2u);
  for (const AcDbObjectId& vertex : vertices) {
    Opened<AcDb2dVertex> v(vertex);
    EXPECT_EQ(v->ownerId(), id);
    EXPECT_EQ(v->layerId(), survey);  // vertices take their polyline's properties
  }
  ASSERT_FALSE(opened->sequenceEndId().isNull());
  EXPECT_EQ(Opened<AcDbSequenceEnd>(opened->sequenceEndId())->ownerId(), id);

  // A vertex appended to a polyline in the drawing is added at once, open for its caller.
  auto* third = new AcDb2dVertex(AcGePoint3d(5, 5, 0));
  AcDbObjectId thirdId;
  ASSERT_EQ(opened->appendVertex(thirdId, third), Acad::eOk);
  EXPECT_TRUE(third->isWriteEnabled());
  third->close();
  auto* between = new AcDb2dVertex(AcGePoint3d(2, -1, 0));
  AcDbObjectId betweenId;
  ASSERT_EQ(opened->insertVertexAt(betweenId, vertices[0], between), Acad::eOk);
  between->close();
  std::vector<AcGePoint3d> points = vertexPositions(*opened.get());
  ASSERT_EQ(points.size(), 4u);
  expectNear(points[1], AcGePoint3d(2, -1, 0));
  expectNear(points[3], AcGePoint3d(5, 5, 0));

  // Erasing the polyline erases what it owns, and unerasing brings it back.
  ASSERT_EQ(opened->erase(), Acad::eOk);
  EXPECT_TRUE(thirdId.isErased());
  EXPECT_TRUE(opened->sequenceEndId().isErased());
  ASSERT_EQ(opened->erase(false), Acad::eOk);
  EXPECT_FALSE(thirdId.isErased());

  // Properties given with doSubents reach the vertices.
  ASSERT_EQ(opened->setColorIndex(5), Acad::eOk);
  EXPECT_EQ(Opened<AcDb2dVertex>(thirdId)->colorIndex(), 5);

  // A copy takes copies of the vertices.
  std::unique_ptr<AcDbEntity> copy(opened->clone());
  EXPECT_EQ(vertexPositions(*AcDb2dPolyline::cast(copy.get())).size(), 4u);
  EXPECT_EQ(copy->layerId(), survey);
}

TEST_F(DrawingTest, AttributesTakeTheirDefinitionPlacedByTheReference) {
  auto* definition =
      new AcDbAttributeDefinition(AcGePoint3d(0.7, 0.2, 0), L"0", L"ptno", L"Point number");
  definition->setHeight(0.25);
  definition->setPreset(true);
  AcDbObjectId block =
      addBlock(L"SURVPT", AcGePoint3d(0, 0, 0),
               {new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 0.5), definition});
  auto* reference = new AcDbBlockReference(AcGePoint3d(100, 200, 0), block);
  reference->setRotation(kPi / 2);
  reference->setScaleFactors(AcGeScale3d(2.0));
  AcDbObjectId referenceId = add(reference);

  Opened<AcDbBlockReference> opened(referenceId, AcDb::kForWrite);
  AcDbObjectId definitionId;
  {
    Opened<AcDbBlockTableRecord> record(block);
    definitionId = record->entityIds()[1];
  }
  Opened<AcDbAttributeDefinition> source(definitionId);
  auto* attribute = new AcDbAttribute();
  ASSERT_EQ(attribute->setAttributeFromBlock(source.get(), opened->blockTransform()), Acad::eOk);
  attribute->setTextString(L"101");
  AcDbObjectId attributeId;
  ASSERT_EQ(opened->appendAttribute(attributeId, attribute), Acad::eOk);
  attribute->close();

  Opened<AcDbAttribute> placed(attributeId);
  EXPECT_STREQ(placed->tagConst(), L"PTNO");
  EXPECT_TRUE(placed->isPreset());
  EXPECT_DOUBLE_EQ(placed->height(), 0.5);
  EXPECT_NEAR(placed->rotation(), kPi / 2, 1e-12);
  expectNear(placed->position(), AcGePoint3d(100 - 0.4, 200 + 1.4, 0));
  EXPECT_EQ(placed->ownerId(), referenceId);
  EXPECT_EQ(followerIds(*opened.get()), std::vector<AcDbObjectId>{attributeId});
  EXPECT_FALSE(opened->sequenceEndId().isNull());  // a first attribute calls for a SEQEND
}

TEST_F(DrawingTest, CommonPropertiesAndDrawingDefaults) {
  AcDbObjectId survey = addLayer(L"SURVEY", 3);
  AcDbLine line;
  EXPECT_EQ(line.setLayer(L"NO SUCH LAYER"), Acad::eKeyNotFound);
  EXPECT_EQ(line.setLayer(L"survey"), Acad::eOk);  // names compare without case
  EXPECT_EQ(line.layerId(), survey);
  EXPECT_EQ(line.setColorIndex(257), Acad::eOutOfRange);
  EXPECT_EQ(line.setLinetype(L"Continuous"), Acad::eOk);
  EXPECT_EQ(line.linetypeId(), db_.continuousLinetype());
  EXPECT_EQ(line.setLinetypeScale(0.0), Acad::eInvalidInput);

  // New entities take the drawing's current layer, colour, text style and height.
  db_.setClayer(survey);
  db_.setCecolorIndex(4);
  db_.setTextsize(0.75);
  AcDbObjectId textId = add(new AcDbText(AcGePoint3d(0, 0, 0), L"12"));
  Opened<AcDbText> text(textId);
  EXPECT_EQ(text->layerId(), survey);
  EXPECT_EQ(text->colorIndex(), 4);
  EXPECT_EQ(text->textStyle(), db_.textstyle());
  EXPECT_DOUBLE_EQ(text->height(), 0.75);

  // A copy of an entity of another drawing keeps that drawing's records, whatever the working one.
  AcDbDatabase other;
  AcDbLine foreign(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
  foreign.setLayer(other.layerZero());
  std::unique_ptr<AcDbEntity> copy(foreign.clone());
  EXPECT_EQ(copy->layerId(), other.layerZero());
}

// Every kind through a drawing file: our reader reads back what our writer wrote, and ezdxf finds
// the file sound.
TEST_F(DrawingTest, EveryKindSurvivesADrawingFile) {
  AcDbObjectId survey = addLayer(L"SURVEY", 3);
  auto* definition = new AcDbAttributeDefinition(AcGePoint3d(0.7, 0.2, 0), L"0", L"PTNO", L"Point");
  definition->setHeight(0.25);
  AcDbObjectId block =
      addBlock(L"SURVPT", AcGePoint3d(0, 0, 0),
               {new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 0.5), definition});

  add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));
  add(new AcDbArc(AcGePoint3d(5, 5, 0), 2.0, kPi / 6, 2 * kPi / 3));
  add(new AcDbCircle(AcGePoint3d(5, 5, 0), AcGeVector3d(0, 0, -1), 1.0));
  add(new AcDbPoint(AcGePoint3d(1, 2, 3)));
  auto* text = new AcDbText(AcGePoint3d(0, -2, 0), L"Stn 12 %%d", AcDbObjectId(), 0.5, kPi / 8);
  text->setHorizontalMode(AcDb::kTextCenter);
  text->setAlignmentPoint(AcGePoint3d(3, -2, 0));
  add(text);
  auto* mtext = new AcDbMText();
  mtext->setContents((std::wstring(400, L'm') + L"\\Pline2").c_str());
  mtext->setTextHeight(0.4);
  add(mtext);
  auto* light = new AcDbPolyline();
  light->addVertexAt(0, AcGePoint2d(0, 0), 0.5);
  light->addVertexAt(1, AcGePoint2d(5, 0));
  light->addVertexAt(2, AcGePoint2d(5, 5));
  light->setClosed(true);
  light->setElevation(12.5);
  add(light);
  add(new AcDb2dPolyline(AcDb::k2dSimplePoly,
                         {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0), AcGePoint3d(2, 0, 0)}, 3.0));
  add(new AcDb3dPolyline(AcDb::k3dSimplePoly, {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 1)}));
  auto* faces = new AcDbPolyFaceMesh();
  for (int i = 0; i < 4; ++i)
    faces->appendVertex(new AcDbPolyFaceMeshVertex(AcGePoint3d(i % 2, i / 2, 0)));
  faces->appendFaceRecord(new AcDbFaceRecord(1, 2, 4, -3));
  add(faces);
  add(new AcDbPolygonMesh(
      AcDb::kSimpleMesh, 2, 2,
      {AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 1)}));
  add(new AcDbFace(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 1),
                   AcGePoint3d(0, 1, 1)));
  add(new AcDbSpline(
      {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 0), AcGePoint3d(3, 1, 0), AcGePoint3d(4, 4, 0)}));
  add(new AcDbRay());
  add(new AcDbXline());
  auto* reference = new AcDbBlockReference(AcGePoint3d(100, 200, 0), block);
  reference->setLayer(survey);
  reference->setRotation(kPi / 12);
  AcDbObjectId referenceId = add(reference);
  {
    Opened<AcDbBlockReference> opened(referenceId, AcDb::kForWrite);
    auto* attribute = new AcDbAttribute();
    Opened<AcDbBlockTableRecord> record(block);
    attribute->setAttributeFromBlock(
        AcDbAttributeDefinition::cast(enttest::Opened<AcDbEntity>(record->entityIds()[1]).get()),
        opened->blockTransform());
    attribute->setTextString(L"101");
    opened->appendAttribute(attribute);
    attribute->close();
  }
  auto* table = new AcDbTable();
  table->setPosition(AcGePoint3d(50, 50, 0));
  table->setSize(3, 2);
  table->setTextString(0, 0, L"Stations");
  table->setTextString(2, 1, L"12.345");
  AcDbObjectId tableId = add(table);
  ASSERT_EQ(Opened<AcDbTable>(tableId, AcDb::kForWrite)->recomputeTableBlock(), Acad::eOk);
  auto* viewport = new AcDbViewport();
  viewport->setCenterPoint(AcGePoint3d(100, 80, 0));
  viewport->setWidth(200);
  viewport->setHeight(150);
  add(viewport, db_.paperSpaceId());

  std::string path = dxftest::scratchPath("every_kind.dxf");
  ASSERT_EQ(db_.saveAs(dxftest::wide(path).c_str()), Acad::eOk);
  std::string output;
  EXPECT_EQ(dxftest::ezdxfCheck(path, output), 0) << output;

  AcDbDatabase reread(false);
  ASSERT_EQ(reread.readDwgFile(dxftest::wide(path).c_str()), Acad::eOk) << reread.lastError();
  for (const char* type : {"LINE", "ARC", "CIRCLE", "POINT", "TEXT", "MTEXT", "LWPOLYLINE",
                           "3DFACE", "SPLINE", "RAY", "XLINE", "INSERT", "ACAD_TABLE"}) {
    EXPECT_EQ(dxftest::entitiesOfType(&reread, type).size(), 1u) << type;
  }
  EXPECT_EQ(dxftest::entitiesOfType(&reread, "POLYLINE").size(), 4u);
  EXPECT_EQ(dxftest::entitiesOfType(&reread, "VIEWPORT", reread.paperSpaceId()).size(), 1u);

  Opened<AcDbArc> arc(dxftest::entitiesOfType(&reread, "ARC")[0]);
  EXPECT_NEAR(arc->startAngle(), kPi / 6, 1e-12);
  Opened<AcDbCircle> circle(dxftest::entitiesOfType(&reread, "CIRCLE")[0]);
  expectNear(circle->center(), AcGePoint3d(5, 5, 0));
  Opened<AcDbMText> paragraph(dxftest::entitiesOfType(&reread, "MTEXT")[0]);
  EXPECT_EQ(paragraph->contentsString(), std::wstring(400, L'm') + L"\\Pline2");
  Opened<AcDbBlockReference> insert(dxftest::entitiesOfType(&reread, "INSERT")[0]);
  EXPECT_EQ(insert->layerName(), L"SURVEY");
  std::vector<AcDbObjectId> attributes = followerIds(*insert.get());
  ASSERT_EQ(attributes.size(), 1u);
  EXPECT_STREQ(Opened<AcDbAttribute>(attributes[0])->textStringConst(), L"101");
  Opened<AcDbTable> readTable(dxftest::entitiesOfType(&reread, "ACAD_TABLE")[0]);
  EXPECT_EQ(readTable->numRows(), 3u);
  EXPECT_STREQ(readTable->textStringConst(2, 1), L"12.345");
  EXPECT_FALSE(readTable->blockTableRecord().isNull());
  std::vector<AcDbObjectId> polylines = dxftest::entitiesOfType(&reread, "POLYLINE");
  Opened<AcDbPolyFaceMesh> mesh(polylines[2]);
  ASSERT_TRUE(mesh);
  EXPECT_EQ(mesh->numVertices(), 4);
  EXPECT_EQ(mesh->numFaces(), 1);
  Opened<AcDb2dPolyline> heavy(polylines[0]);
  ASSERT_TRUE(heavy);
  EXPECT_DOUBLE_EQ(heavy->elevation(), 3.0);
  EXPECT_EQ(vertexPositions(*heavy.get()).size(), 3u);
}

TEST_F(DrawingTest, IteratorsSkipErasedFollowersAndCopiesTakeAttributes) {
  AcDbObjectId id = add(new AcDb3dPolyline(
      AcDb::k3dSimplePoly, {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(2, 0, 0)}));
  std::vector<AcDbObjectId> vertices = followerIds(*Opened<AcDb3dPolyline>(id).get());
  ASSERT_EQ(vertices.size(), 3u);
  {
    Opened<AcDb3dPolylineVertex> middle(vertices[1], AcDb::kForWrite);
    ASSERT_EQ(middle->erase(), Acad::eOk);
  }
  Opened<AcDb3dPolyline> polyline(id);
  std::unique_ptr<AcDbObjectIterator> it(polyline->vertexIterator());
  std::vector<AcDbObjectId> seen;
  for (it->start(true); !it->done(); it->step(true)) seen.push_back(it->objectId());
  EXPECT_EQ(seen, (std::vector<AcDbObjectId>{vertices[2], vertices[0]}));
  double length = 0.0;
  polyline->getDistAtParam(1.0, length);
  EXPECT_DOUBLE_EQ(length, 2.0);  // the erased vertex is no longer on the curve

  auto* reference = new AcDbBlockReference(AcGePoint3d(0, 0, 0), AcDbObjectId());
  auto* attribute = new AcDbAttribute(AcGePoint3d(1, 1, 0), L"12", L"PTNO");
  reference->appendAttribute(attribute);
  AcDbObjectId referenceId = add(reference);
  std::unique_ptr<AcDbEntity> copy(Opened<AcDbBlockReference>(referenceId)->clone());
  std::unique_ptr<AcDbObjectIterator> attributes(
      AcDbBlockReference::cast(copy.get())->attributeIterator());
  attributes->start();
  ASSERT_FALSE(attributes->done());
  EXPECT_TRUE(attributes->objectId().isNull());  // a copy outside the drawing holds its own
  EXPECT_STREQ(AcDbAttribute::cast(attributes->entity())->textStringConst(), L"12");
  attributes->step();
  EXPECT_TRUE(attributes->done());
}
