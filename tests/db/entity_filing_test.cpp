// Entities written to group-code items and read back, as drawing files, copies and the LISP
// interface use them.
#include <cmath>
#include <functional>
#include <string>

#include "db/dbmtext.h"
#include "db/dbpl.h"
#include "db/dbspline.h"
#include "db/dbtable.h"
#include "db/dbviewport.h"
#include "db/entity_test_util.h"
#include "db/polyline_kinds.h"

using enttest::DrawingTest;
using enttest::expectNear;
using enttest::itemsOf;
using enttest::Opened;
using enttest::point;
using enttest::readObject;

namespace {

// Two item lists carry the same values: same codes and kinds, numbers equal to rounding (object
// coordinates go to world ones and back).
::testing::AssertionResult sameItems(const DxfItemList& a, const DxfItemList& b) {
  if (a.size() != b.size()) {
    return ::testing::AssertionFailure() << a.size() << " items, then " << b.size();
  }
  for (size_t i = 0; i < a.size(); ++i) {
    const DxfItem& x = a[i];
    const DxfItem& y = b[i];
    bool same = x.code == y.code && x.kind == y.kind;
    if (same && x.kind == DxfKind::kReal)
      same = std::fabs(x.real - y.real) <= 1e-9 * std::max(1.0, std::fabs(x.real));
    if (same && x.kind == DxfKind::kPoint) {
      for (int k = 0; k < 3; ++k)
        same = same &&
               std::fabs(x.point[k] - y.point[k]) <= 1e-9 * std::max(1.0, std::fabs(x.point[k]));
    }
    if (same && x.kind != DxfKind::kReal && x.kind != DxfKind::kPoint) same = x == y;
    if (!same)
      return ::testing::AssertionFailure() << "item " << i << " (code " << x.code << ") differs";
  }
  return ::testing::AssertionSuccess();
}

std::vector<int> codesOf(const DxfItemList& items) {
  std::vector<int> codes;
  for (const DxfItem& item : items) codes.push_back(item.code);
  return codes;
}

// A filer that keeps the repairs it is told about.
class ReportingFiler : public DxfItemListFiler {
 public:
  ReportingFiler(AcDbDatabase* db, DxfItemList items)
      : DxfItemListFiler(db, kFileFiler, std::move(items)) {}
  void reportRepair(const std::string& message) override { repairs.push_back(message); }
  std::vector<std::string> repairs;
};

class EntityItemsTest;
struct Kind {
  const char* name;
  std::function<AcDbEntity*(EntityItemsTest&)> make;
};

class EntityItemsTest : public DrawingTest, public ::testing::WithParamInterface<Kind> {
 public:
  AcDbObjectId style() { return addTextStyle(L"ROMANS"); }
  AcDbObjectId block() {
    return addBlock(L"MARK", AcGePoint3d(1, 1, 0),
                    {new AcDbCircle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 0.5)});
  }
};

// Every kind with values away from its defaults.
const Kind kKinds[] = {
    {"Line",
     [](EntityItemsTest&) {
       auto* e = new AcDbLine(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6));
       e->setThickness(2.0);
       e->setNormal(AcGeVector3d(0, 1, 1));
       e->setColorIndex(3);
       e->setLineWeight(AcDb::kLnWt050);
       e->setLinetypeScale(2.5);
       e->setVisibility(AcDb::kInvisible);
       e->setTrueColor(0x123456);
       return e;
     }},
    {"Circle",
     [](EntityItemsTest&) {
       return new AcDbCircle(AcGePoint3d(1, 2, 3), AcGeVector3d(1, 1, 1), 4.0);
     }},
    {"Arc",
     [](EntityItemsTest&) {
       return new AcDbArc(AcGePoint3d(1, 2, 3), AcGeVector3d(0, 0, -1), 4.0, 5.5, 0.5);
     }},
    {"Point",
     [](EntityItemsTest&) {
       auto* e = new AcDbPoint(AcGePoint3d(7, 8, 9));
       e->setThickness(1.5);
       e->setEcsRotation(0.25);
       return e;
     }},
    {"Face",
     [](EntityItemsTest&) {
       return new AcDbFace(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 1),
                           AcGePoint3d(0, 1, 1), true, false, true, false);
     }},
    {"Text",
     [](EntityItemsTest& t) {
       auto* e = new AcDbText(AcGePoint3d(1, 2, 0), L"N 12.34", t.style(), 0.5, 0.3);
       e->setHorizontalMode(AcDb::kTextCenter);
       e->setVerticalMode(AcDb::kTextTop);
       e->setAlignmentPoint(AcGePoint3d(3, 2, 0));
       e->setOblique(0.2);
       e->setWidthFactor(0.8);
       e->mirrorInX(true);
       e->setNormal(AcGeVector3d(0.2, 0, 1));
       return e;
     }},
    {"AttributeDefinition",
     [](EntityItemsTest& t) {
       auto* e = new AcDbAttributeDefinition(AcGePoint3d(0.7, 0.2, 0), L"0", L"ptno",
                                             L"Point number", t.style());
       e->setHeight(0.25);
       e->setInvisible(true);
       e->setPreset(true);
       e->setFieldLength(8);
       e->setVerticalMode(AcDb::kTextVertMid);
       e->setLockPositionInBlock(true);
       return e;
     }},
    {"Attribute",
     [](EntityItemsTest&) {
       auto* e = new AcDbAttribute(AcGePoint3d(100.7, 200.2, 0), L"101", L"PTNO");
       e->setHeight(0.25);
       e->setInvisible(true);
       e->setVerticalMode(AcDb::kTextBottom);
       e->setHorizontalMode(AcDb::kTextRight);
       e->setAlignmentPoint(AcGePoint3d(101, 200.2, 0));
       return e;
     }},
    {"MText",
     [](EntityItemsTest& t) {
       auto* e = new AcDbMText();
       e->setLocation(AcGePoint3d(0, -4, 0));
       e->setTextHeight(0.4);
       e->setWidth(10.0);
       e->setAttachment(AcDbMText::kMiddleCenter);
       e->setContents((std::wstring(300, L'a') + L"\\P" + std::wstring(260, L'b')).c_str());
       e->setTextStyle(t.style());
       e->setRotation(0.5);
       e->setLineSpacingFactor(1.5);
       return e;
     }},
    {"LightweightPolyline",
     [](EntityItemsTest&) {
       auto* e = new AcDbPolyline();
       e->addVertexAt(0, AcGePoint2d(0, 0), 0.5, 0.1, 0.2);
       e->addVertexAt(1, AcGePoint2d(5, 0), 0.0, 0.2, 0.3);
       e->addVertexAt(2, AcGePoint2d(5, 5), -1.0);
       e->setClosed(true);
       e->setPlinegen(true);
       e->setElevation(12.5);
       e->setThickness(0.5);
       e->setNormal(AcGeVector3d(0, -1, 1));
       return e;
     }},
    {"Polyline2d",
     [](EntityItemsTest&) {
       auto* e = new AcDb2dPolyline();
       e->makeClosed();
       e->setElevation(3.0);
       e->setDefaultStartWidth(0.5);
       e->setPolyType(AcDb::k2dCubicSplinePoly);
       e->setNormal(AcGeVector3d(0, 0, -1));
       return e;
     }},
    {"Vertex2d",
     [](EntityItemsTest&) {
       auto* e = new AcDb2dVertex(AcGePoint3d(1, 2, 3), -0.5, 0.1, 0.2, 1.2, 7);
       e->useTangent();
       return e;
     }},
    {"Polyline3d",
     [](EntityItemsTest&) { return new AcDb3dPolyline(AcDb::k3dQuadSplinePoly, {}, true); }},
    {"Vertex3d", [](EntityItemsTest&) { return new AcDb3dPolylineVertex(AcGePoint3d(1, 2, 3)); }},
    {"PolyFaceMesh", [](EntityItemsTest&) { return new AcDbPolyFaceMesh(); }},
    {"PolyFaceVertex",
     [](EntityItemsTest&) { return new AcDbPolyFaceMeshVertex(AcGePoint3d(1, 2, 3)); }},
    {"FaceRecord", [](EntityItemsTest&) { return new AcDbFaceRecord(1, -2, 3, 4); }},
    {"PolygonMesh",
     [](EntityItemsTest&) {
       auto* e = new AcDbPolygonMesh(AcDb::kCubicSurfaceMesh, 3, 4, {}, true, false);
       e->setMSurfaceDensity(6);
       return e;
     }},
    {"PolygonMeshVertex",
     [](EntityItemsTest&) { return new AcDbPolygonMeshVertex(AcGePoint3d(1, 2, 3)); }},
    {"SplineByControlPoints",
     [](EntityItemsTest&) {
       return new AcDbSpline(2, true, false, false,
                             {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0), AcGePoint3d(2, 0, 0)},
                             {0, 0, 0, 1, 1, 1}, {1.0, 0.7071, 1.0});
     }},
    {"SplineByFitPoints",
     [](EntityItemsTest&) {
       return new AcDbSpline(
           {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 0), AcGePoint3d(3, 1, 0), AcGePoint3d(4, 4, 0)},
           AcGeVector3d(1, 0, 0), AcGeVector3d(0, 1, 0));
     }},
    {"Ray",
     [](EntityItemsTest&) {
       auto* e = new AcDbRay();
       e->setBasePoint(AcGePoint3d(1, 1, 0));
       e->setUnitDir(AcGeVector3d(1, 1, 0));
       return e;
     }},
    {"Xline",
     [](EntityItemsTest&) {
       auto* e = new AcDbXline();
       e->setBasePoint(AcGePoint3d(1, 1, 1));
       e->setUnitDir(AcGeVector3d(0, 0, 1));
       return e;
     }},
    {"BlockReference",
     [](EntityItemsTest& t) {
       auto* e = new AcDbBlockReference(AcGePoint3d(10, 20, 1), t.block());
       e->setScaleFactors(AcGeScale3d(2, 3, 4));
       e->setRotation(0.75);
       e->setNormal(AcGeVector3d(0, 1, 1));
       return e;
     }},
    {"Table",
     [](EntityItemsTest& t) {
       auto* e = new AcDbTable();
       e->setPosition(AcGePoint3d(5, 5, 0));
       e->setSize(3, 2);
       e->setRowHeight(1, 2.0);
       e->setColumnWidth(0, 7.5);
       e->setTextString(0, 0, L"Stations");
       e->setTextString(2, 1, std::wstring(600, L'x').c_str());
       e->setTextHeight(1, 0, 0.35);
       e->setTextStyle(1, 1, t.style());
       e->setAlignment(2, 0, AcDb::kMiddleRight);
       e->setTextHeight(0.3, AcDb::kTitleRow);
       e->suppressHeaderRow(true);
       e->setDirection(AcGeVector3d(0, 1, 0));
       return e;
     }},
    {"Viewport",
     [](EntityItemsTest& t) {
       auto* e = new AcDbViewport();
       e->setCenterPoint(AcGePoint3d(100, 80, 0));
       e->setWidth(200);
       e->setHeight(150);
       e->setViewCenter(AcGePoint2d(500, 600));
       e->setViewHeight(300);
       e->setTwistAngle(0.1);
       e->setLocked(true);
       e->freezeLayersInViewport({t.addLayer(L"HIDDEN", 2)});
       return e;
     }},
    {"SequenceEnd", [](EntityItemsTest&) { return new AcDbSequenceEnd(); }},
};

}  // namespace

TEST_P(EntityItemsTest, ReadBackWritesTheSameItems) {
  std::unique_ptr<AcDbEntity> entity(GetParam().make(*this));
  entity->setLayer(addLayer(L"SURVEY", 3));
  for (auto type : {AcDbDxfFiler::kFileFiler, AcDbDxfFiler::kCopyFiler, AcDbDxfFiler::kLispFiler}) {
    DxfItemList first = itemsOf(entity.get(), &db_, type);
    auto copy = readObject<AcDbEntity>(entity->isA(), first, &db_, type);
    EXPECT_TRUE(sameItems(first, itemsOf(copy.get(), &db_, type))) << "filer type " << type;
    EXPECT_EQ(copy->layerId(), entity->layerId());
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, EntityItemsTest, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<Kind>& p) { return p.param.name; });

// The tag layouts of files written by other programs (ezdxf's R2007 sample), item for item.
TEST_F(DrawingTest, ItemsFollowTheTagLayoutOfDrawingFiles) {
  AcDbObjectId romans = addTextStyle(L"ROMANS");
  AcDbText text(AcGePoint3d(0, -2, 0), L"TEXT sample", romans, 0.5);
  EXPECT_EQ(codesOf(itemsOf(&text, &db_)),
            (std::vector<int>{5, 330, 100, 8, 100, 10, 40, 1, 7, 100}));

  AcDbPolyline polyline;
  polyline.addVertexAt(0, AcGePoint2d(0, 0), 0.5);
  polyline.addVertexAt(1, AcGePoint2d(5, 0));
  polyline.addVertexAt(2, AcGePoint2d(5, 5));
  polyline.setClosed(true);
  polyline.setElevation(12.5);
  EXPECT_EQ(codesOf(itemsOf(&polyline, &db_)),
            (std::vector<int>{5, 330, 100, 8, 100, 90, 70, 38, 10, 42, 10, 10}));

  AcDbPolyFaceMesh mesh;
  for (int i = 0; i < 4; ++i)
    mesh.appendVertex(new AcDbPolyFaceMeshVertex(AcGePoint3d(i % 2, i / 2, 0)));
  ASSERT_EQ(mesh.appendFaceRecord(new AcDbFaceRecord(1, 2, 4, 3)), Acad::eOk);
  EXPECT_EQ(codesOf(itemsOf(&mesh, &db_)),
            (std::vector<int>{5, 330, 100, 8, 100, 66, 10, 70, 71, 72}));
  std::vector<AcDbEntity*> followers;
  std::unique_ptr<AcDbObjectIterator> it(mesh.vertexIterator());
  for (it->start(); !it->done(); it->step()) followers.push_back(it->entity());
  ASSERT_EQ(followers.size(), 5u);
  EXPECT_EQ(codesOf(itemsOf(followers[0], &db_)),
            (std::vector<int>{5, 330, 100, 8, 100, 100, 10, 70}));
  EXPECT_EQ(codesOf(itemsOf(followers[4], &db_)),
            (std::vector<int>{5, 330, 100, 8, 100, 10, 70, 71, 72, 73, 74}));

  // An attribute of a block reference: the vertical alignment goes to 74 under AcDbAttribute.
  AcDbAttribute attribute(AcGePoint3d(100.7, 200.2, 0), L"101", L"PTNO");
  attribute.setHeight(0.25);
  attribute.setVerticalMode(AcDb::kTextTop);
  EXPECT_EQ(codesOf(itemsOf(&attribute, &db_)),
            (std::vector<int>{5, 330, 100, 8, 100, 10, 40, 1, 11, 100, 2, 70, 74}));
}

TEST_F(DrawingTest, ReadsItemsAsOtherProgramsWriteThem) {
  // A closed lightweight polyline with an elevation and a bulge (ezdxf's sample).
  auto polyline = readObject<AcDbPolyline>(
      AcDbPolyline::desc(),
      {DxfItem::makeString(100, L"AcDbEntity"), DxfItem::makeString(8, L"0"),
       DxfItem::makeString(100, L"AcDbPolyline"), DxfItem::makeInt(90, 3), DxfItem::makeInt(70, 1),
       DxfItem::makeReal(38, 12.5), DxfItem::makePoint(10, 0, 0, 0, 2), DxfItem::makeReal(42, 0.5),
       DxfItem::makePoint(10, 5, 0, 0, 2), DxfItem::makePoint(10, 5, 5, 0, 2)},
      &db_);
  EXPECT_EQ(polyline->numVerts(), 3u);
  EXPECT_TRUE(polyline->isClosed());
  double bulge = 0.0;
  polyline->getBulgeAt(0, bulge);
  EXPECT_EQ(bulge, 0.5);
  AcGePoint3d third;
  polyline->getPointAt(2, third);
  expectNear(third, AcGePoint3d(5, 5, 12.5));

  // A spline given by its fit points only passes through them.
  DxfItemList splineItems = {DxfItem::makeString(100, L"AcDbSpline"),
                             DxfItem::makeInt(70, 0),
                             DxfItem::makeInt(71, 3),
                             DxfItem::makeInt(72, 0),
                             DxfItem::makeInt(73, 0),
                             DxfItem::makeInt(74, 4),
                             point(11, 0, 0),
                             point(11, 1, 2),
                             point(11, 3, 1),
                             point(11, 4, 4)};
  auto spline = readObject<AcDbSpline>(AcDbSpline::desc(), splineItems, &db_);
  EXPECT_EQ(spline->numFitPoints(), 4);
  for (AcGePoint3d fit :
       {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 0), AcGePoint3d(3, 1, 0), AcGePoint3d(4, 4, 0)}) {
    AcGePoint3d closest;
    ASSERT_EQ(spline->getClosestPointTo(fit, closest), Acad::eOk);
    EXPECT_LT(closest.distanceTo(fit), 1e-7);
  }
  // ... and is written back as it came, without control points.
  DxfItemList written = itemsOf(spline.get(), &db_);
  EXPECT_EQ(
      std::count_if(written.begin(), written.end(), [](const DxfItem& i) { return i.code == 10; }),
      0);

  // R12 files have no subclass markers: an attribute's 73 is its field length, 74 its vertical
  // alignment, while a text's 73 is its vertical alignment.
  auto attribute = readObject<AcDbAttribute>(
      AcDbAttribute::desc(),
      {DxfItem::makeString(8, L"0"), point(10, 1, 2), DxfItem::makeReal(40, 0.25),
       DxfItem::makeString(1, L"12.34"), DxfItem::makeString(2, L"ELEV"), DxfItem::makeInt(70, 1),
       DxfItem::makeInt(73, 6), DxfItem::makeInt(74, 2)},
      &db_);
  EXPECT_EQ(attribute->fieldLength(), 6);
  EXPECT_EQ(attribute->verticalMode(), AcDb::kTextVertMid);
  EXPECT_TRUE(attribute->isInvisible());
  EXPECT_STREQ(attribute->tagConst(), L"ELEV");
  auto text =
      readObject<AcDbText>(AcDbText::desc(),
                           {DxfItem::makeString(8, L"0"), point(10, 1, 2),
                            DxfItem::makeReal(40, 1.0), DxfItem::makeString(1, L"A"),
                            DxfItem::makeInt(72, 2), point(11, 9, 2), DxfItem::makeInt(73, 3)},
                           &db_);
  EXPECT_EQ(text->verticalMode(), AcDb::kTextTop);
  EXPECT_EQ(text->horizontalMode(), AcDb::kTextRight);
  expectNear(text->alignmentPoint(), AcGePoint3d(9, 2, 0));

  // Centres of circles are in the object coordinate system of their normal: (x, y, z) under the
  // normal -Z is (-x, y, -z) in the world.
  auto circle = readObject<AcDbCircle>(AcDbCircle::desc(),
                                       {DxfItem::makeString(100, L"AcDbCircle"), point(10, 1, 2, 3),
                                        DxfItem::makeReal(40, 0.5), point(210, 0, 0, -1)},
                                       &db_);
  expectNear(circle->center(), AcGePoint3d(-1, 2, -3));

  // Paragraph text split in chunks of 250 characters.
  std::wstring chunk(250, L'x');
  auto mtext =
      readObject<AcDbMText>(AcDbMText::desc(),
                            {DxfItem::makeString(100, L"AcDbMText"), point(10, 0, 0),
                             DxfItem::makeReal(40, 1), DxfItem::makeString(3, chunk),
                             DxfItem::makeString(3, chunk), DxfItem::makeString(1, L"end\\Pnext")},
                            &db_);
  EXPECT_EQ(mtext->contentsString(), chunk + chunk + L"end\\Pnext");
  EXPECT_EQ(mtext->text(), chunk + chunk + L"end\nnext");
}

TEST_F(DrawingTest, NamesReadFromFilesAreResolvedOrRepaired) {
  // An unknown layer is made (other programs write drawings that use layers they do not define);
  // an unknown linetype falls back to ByLayer, an unknown text style to Standard. Each is reported.
  ReportingFiler filer(
      &db_,
      {DxfItem::makeString(100, L"AcDbEntity"), DxfItem::makeString(8, L"TOPO"),
       DxfItem::makeString(6, L"NOSUCH"), DxfItem::makeString(100, L"AcDbText"), point(10, 0, 0),
       DxfItem::makeReal(40, 1), DxfItem::makeString(1, L"t"), DxfItem::makeString(7, L"MISSING")});
  AcDbText text;
  text.dxfInFields(&filer);
  EXPECT_EQ(text.layerName(), L"TOPO");
  Opened<AcDbLayerTableRecord> layer(text.layerId());
  ASSERT_TRUE(layer);
  EXPECT_EQ(layer->colorIndex(), 7);
  EXPECT_EQ(text.linetypeId(), db_.byLayerLinetype());
  EXPECT_EQ(enttest::Opened<AcDbTextStyleTableRecord>(text.textStyle())->name(), L"Standard");
  EXPECT_EQ(filer.repairs.size(), 3u);

  // The short form omits what is by default: no linetype, colour or lineweight for ByLayer.
  DxfItemList items = itemsOf(&text, &db_, AcDbDxfFiler::kLispFiler);
  for (int code : {6, 62, 370, 48, 60, 420, 67}) {
    EXPECT_TRUE(std::none_of(items.begin(), items.end(),
                             [code](const DxfItem& i) { return i.code == code; }))
        << "code " << code;
  }
}

TEST(PolylineKinds, ReadersGetTheClassTheFlagsName) {
  auto isA = [](AcDbEntity* entity, AcRxClass* cls) {
    std::unique_ptr<AcDbEntity> owned(entity);
    return owned->isA() == cls;
  };
  EXPECT_TRUE(isA(createPolylineForFlags(0), AcDb2dPolyline::desc()));
  EXPECT_TRUE(isA(createPolylineForFlags(8 | 1), AcDb3dPolyline::desc()));
  EXPECT_TRUE(isA(createPolylineForFlags(16), AcDbPolygonMesh::desc()));
  EXPECT_TRUE(isA(createPolylineForFlags(64), AcDbPolyFaceMesh::desc()));
  AcDbPolyFaceMesh mesh;
  EXPECT_TRUE(isA(createVertexForFlags(192, &mesh), AcDbPolyFaceMeshVertex::desc()));
  EXPECT_TRUE(isA(createVertexForFlags(128, &mesh), AcDbFaceRecord::desc()));
  AcDb3dPolyline polyline3d;
  EXPECT_TRUE(isA(createVertexForFlags(0, &polyline3d), AcDb3dPolylineVertex::desc()));
  EXPECT_TRUE(isA(createVertexForFlags(64), AcDbPolygonMeshVertex::desc()));
  // The names stand for the 2D kinds whatever class registered first; every kind writes its type.
  EXPECT_EQ(AcRxClass::findByDxfName("POLYLINE"), AcDb2dPolyline::desc());
  EXPECT_EQ(AcRxClass::findByDxfName("VERTEX"), AcDb2dVertex::desc());
  EXPECT_STREQ(AcDbPolygonMesh::desc()->dxfName(), "POLYLINE");
  EXPECT_STREQ(AcDbFaceRecord::desc()->dxfName(), "VERTEX");
}
