// Entities read from small drawing files the way other programs write them (R12 files without
// subclass markers, blocks used before they are defined).
#include <cmath>
#include <numbers>
#include <sstream>

#include "db/dbextents.h"
#include "db/dbpl.h"
#include "db/entity_test_util.h"

using enttest::expectNear;
using enttest::Opened;

namespace {

// A DXF text from "code value" pairs, one pair per line.
std::string dxfOf(const std::string& pairs) {
  std::istringstream in(pairs);
  std::string out, line;
  while (std::getline(in, line)) {
    size_t space = line.find_first_not_of(' ');
    if (space == std::string::npos) continue;
    size_t split = line.find(' ', space);
    out += line.substr(space, split - space) + "\n" +
           (split == std::string::npos ? "" : line.substr(split + 1)) + "\n";
  }
  return out;
}

void readDrawing(AcDbDatabase& db, const std::string& name, const std::string& pairs) {
  std::string path = dxftest::scratchPath(name);
  dxftest::writeText(path, dxfOf(pairs));
  ASSERT_EQ(db.readDwgFile(dxftest::wide(path).c_str()), Acad::eOk) << db.lastError();
}

}  // namespace

TEST(EntitiesFromFiles, R12PolylinesTakeTheirKindFromTheirFlags) {
  AcDbDatabase db(false);
  readDrawing(db, "r12_polylines.dxf", R"(
0 SECTION
2 ENTITIES
0 POLYLINE
8 0
66 1
10 0.0
20 0.0
30 2.5
70 1
0 VERTEX
8 0
10 0.0
20 0.0
30 2.5
42 1.0
0 VERTEX
8 0
10 2.0
20 0.0
30 2.5
0 VERTEX
8 0
10 2.0
20 2.0
30 2.5
0 SEQEND
8 0
0 POLYLINE
8 0
66 1
10 0.0
20 0.0
30 0.0
70 8
0 VERTEX
8 0
10 0.0
20 0.0
30 0.0
70 32
0 VERTEX
8 0
10 3.0
20 4.0
30 12.0
70 32
0 SEQEND
8 0
0 ENDSEC
0 EOF)");
  std::vector<AcDbObjectId> polylines = dxftest::entitiesOfType(&db, "POLYLINE");
  ASSERT_EQ(polylines.size(), 2u);
  Opened<AcDb2dPolyline> flat(polylines[0]);
  ASSERT_TRUE(flat);
  EXPECT_TRUE(flat->isClosed());
  EXPECT_DOUBLE_EQ(flat->elevation(), 2.5);
  // A half disc below (0,0)-(2,0) closed by the triangle up to (2,2).
  double area = 0.0;
  flat->getArea(area);
  EXPECT_NEAR(area, 2.0 + std::numbers::pi / 2, 1e-9);
  AcGePoint3d start;
  flat->getStartPoint(start);
  expectNear(start, AcGePoint3d(0, 0, 2.5));
  Opened<AcDb3dPolyline> spatial(polylines[1]);
  ASSERT_TRUE(spatial);
  double length = 0.0, end = 0.0;
  spatial->getEndParam(end);
  spatial->getDistAtParam(end, length);
  EXPECT_NEAR(length, 13.0, 1e-12);
}

TEST(EntitiesFromFiles, BlocksMayBeUsedBeforeTheyAreDefined) {
  AcDbDatabase db(false);
  readDrawing(db, "r12_nested_blocks.dxf", R"(
0 SECTION
2 BLOCKS
0 BLOCK
8 0
2 OUTER
70 0
10 0.0
20 0.0
30 0.0
0 INSERT
8 0
2 INNER
10 10.0
20 0.0
30 0.0
0 ENDBLK
8 0
0 BLOCK
8 0
2 INNER
70 0
10 0.0
20 0.0
30 0.0
0 CIRCLE
8 0
10 0.0
20 0.0
30 0.0
40 1.0
0 ENDBLK
8 0
0 ENDSEC
0 SECTION
2 ENTITIES
0 INSERT
8 0
2 OUTER
10 100.0
20 0.0
30 0.0
41 2.0
42 2.0
43 2.0
0 ENDSEC
0 EOF)");
  std::vector<AcDbObjectId> inserts = dxftest::entitiesOfType(&db, "INSERT");
  ASSERT_EQ(inserts.size(), 1u);
  Opened<AcDbBlockReference> reference(inserts[0]);
  // The inner circle, doubled, about (100 + 20, 0).
  AcDbExtents extents;
  ASSERT_EQ(reference->getGeomExtents(extents), Acad::eOk);
  expectNear(extents.minPoint(), AcGePoint3d(118, -2, 0));
  expectNear(extents.maxPoint(), AcGePoint3d(122, 2, 0));
}
