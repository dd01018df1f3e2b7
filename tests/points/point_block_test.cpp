// A survey point's block: made from its code's entry, read back, brought up to date, saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "codification/globalCodification.h"
#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "points/attribsPoints.h"
#include "resources/ressourcesModule.h"
#include "points/listePointsDuDessin.h"
#include "points/pointDuDessin.h"

namespace {

struct AttributeSeen {
  std::wstring text;
  AcGePoint3d position;
  double height = 0.0;
  std::wstring layer;
  bool invisible = false;
};

class PointBlock : public ::testing::Test {
 protected:
  PointBlock() : db_(true, false) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
    oublierGlobalCodification();
    globalPointScale = 1.0;
  }
  ~PointBlock() override {
    EXPECT_EQ(db_.openObjectCount(), 0);
    globalPointScale = 1.0;
    oublierGlobalCodification();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  }

  static std::map<std::wstring, AttributeSeen> attributes(AcDbObjectId id) {
    std::map<std::wstring, AttributeSeen> seen;
    AcDbBlockReference* block = nullptr;
    if (acdbOpenObject(block, id, AcDb::kForRead) != Acad::eOk) return seen;
    AcDbObjectIterator* it = block->attributeIterator();
    for (; !it->done(); it->step()) {
      AcDbAttribute* a = nullptr;
      if (acdbOpenObject(a, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
      AttributeSeen s;
      s.text = a->textStringConst();
      s.position = a->position();
      s.height = a->height();
      ACHAR* layer = a->layer();
      s.layer = layer;
      acutDelString(layer);
      s.invisible = a->isInvisible();
      seen[a->tagConst()] = s;
      a->close();
    }
    delete it;
    block->close();
    return seen;
  }

  AcDbDatabase db_;
};

TEST_F(PointBlock, AttributesStandWhereTheScaleSays) {
  globalCodification()->getCodif(42).tailleBlock = 0.5;
  globalPointScale = 2.0;
  pointDuDessin p;
  p.setParams(L" b12 ", AcGePoint3d(100.0, 200.0, 57.126), 42);
  p.creer(true, L"  borne neuve ");
  ASSERT_FALSE(p.getId().isNull());

  AcDbBlockReference* block = nullptr;
  ASSERT_EQ(acdbOpenObject(block, p.getId(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(block->position(), AcGePoint3d(100.0, 200.0, 0.0));  // at elevation 0
  EXPECT_DOUBLE_EQ(block->scaleFactors().sx, 1.0);
  resbuf* mark = block->xData(L"JALOPLUS");
  block->close();
  ASSERT_NE(mark, nullptr);
  ASSERT_NE(mark->rbnext, nullptr);
  EXPECT_EQ(mark->rbnext->restype, 1070);
  EXPECT_EQ(mark->rbnext->resval.rint, 1);
  acutRelRb(mark);

  auto seen = attributes(p.getId());
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[L"NUMPT"].text, L"B12");
  EXPECT_EQ(seen[L"NUMPT"].position, AcGePoint3d(100.75, 200.5, 0.0));
  EXPECT_EQ(seen[L"Z"].text, L"57.13");  // two decimals by default
  EXPECT_EQ(seen[L"Z"].position, AcGePoint3d(100.75, 199.0, 0.0));
  EXPECT_EQ(seen[L"OBS"].text, L"borne neuve");
  EXPECT_EQ(seen[L"OBS"].position, AcGePoint3d(100.75, 197.5, 0.0));
  EXPECT_EQ(seen[L"CODE"].text, L"42");
  EXPECT_EQ(seen[L"CODE"].position, AcGePoint3d(100.75, 202.0, 0.0));
  EXPECT_TRUE(seen[L"CODE"].invisible);
  EXPECT_FALSE(seen[L"NUMPT"].invisible);
  EXPECT_DOUBLE_EQ(seen[L"NUMPT"].height, 1.0);
  EXPECT_EQ(seen[L"NUMPT"].layer, L"_ Numero Points");
  EXPECT_EQ(seen[L"Z"].layer, L"_ Altitudes Points");
  EXPECT_EQ(seen[L"CODE"].layer, L"_ Codes Points");
  EXPECT_STREQ(p.getNomPoint(), " b12 ");  // the record's own name is not changed
}

TEST_F(PointBlock, AltitudeTextsFollowTheCodesDecimals) {
  globalCodification()->getCodif(7).precisionAltitudes = 3;
  pointDuDessin p;
  p.setParams(L"P1", AcGePoint3d(1, 2, 12.34567), 7);
  CString text;
  p.getZAsString(text);
  EXPECT_STREQ(text.GetString(), L"12.346");
  p.setZ(kSansValeur);
  p.getZAsString(text);
  EXPECT_TRUE(text.IsEmpty());
  p.creer(false);
  EXPECT_EQ(attributes(p.getId())[L"Z"].text, L"");
}

TEST_F(PointBlock, UpdatedMovedRecreatedAndReadBackAfterASave) {
  pointDuDessin p;
  p.setParams(L"S1", AcGePoint3d(10, 20, 30), 100);
  p.creer(true);
  const AcDbObjectId first = p.getId();
  p.setXY(15, 25, 31.5);
  p.setNomPoint(L"S2");
  p.updateDrawing();
  EXPECT_EQ(p.getId(), first);
  auto seen = attributes(first);
  EXPECT_EQ(seen[L"NUMPT"].text, L"S2");
  EXPECT_EQ(seen[L"Z"].text, L"31.50");
  EXPECT_EQ(seen[L"NUMPT"].position, AcGePoint3d(15.75, 25.5, 0.0));  // moved with the block

  // Saved and read again, the block gives the same point.
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "point_block_test.dxf";
  ASSERT_EQ(db_.saveAs(file.wstring().c_str()), Acad::eOk);
  AcDbDatabase reread(false, true);
  ASSERT_EQ(reread.readDwgFile(file.wstring().c_str()), Acad::eOk);
  AcDbObjectId again;
  ASSERT_EQ(reread.getAcDbObjectId(again, false, first.handle()), Acad::eOk);
  pointDuDessin back;
  ASSERT_EQ(back.updateFromDrawing(again), 1);
  EXPECT_TRUE(back == p);
  std::filesystem::remove(file);

  // A block erased meanwhile is made again.
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenObject(entity, first, AcDb::kForWrite), Acad::eOk);
  entity->erase();
  entity->close();
  p.updateDrawing();
  EXPECT_NE(p.getId(), first);
  EXPECT_FALSE(p.getId().isNull());
}

TEST_F(PointBlock, RenumberingEveryPointUpdatesItsBlock) {
  listePointsDuDessin table;
  for (const wchar_t* name : {L"A", L"B"}) {
    pointDuDessin p;
    p.setParams(name, AcGePoint3d(table.nbPoint() * 10.0, 0, 5), 1);
    p.creer(true);
    table.Ajouter(p);
  }
  table.renumeroter(true);
  EXPECT_STREQ(table.getData(1)->getNomPoint(), "2");
  EXPECT_EQ(attributes(table.getData(0)->getId())[L"NUMPT"].text, L"1");
  EXPECT_EQ(attributes(table.getData(1)->getId())[L"NUMPT"].text, L"2");
  int position = -1;
  EXPECT_EQ(table.existPoint(L"2", position), 1);
  EXPECT_EQ(table.existPoint(L"B", position), 0);
}

TEST_F(PointBlock, TableReadFromTheBlocksAndWrittenBack) {
  enregistrerRessources();
  listePointsDuDessin made;
  for (const wchar_t* name : {L"10", L"11", L"12"}) {
    pointDuDessin p;
    p.setParams(name, AcGePoint3d(made.nbPoint() * 5.0, 1.0, 100.0 + made.nbPoint()), 1);
    p.creer(true);
    made.Ajouter(p);
  }
  // A reference of the same block without a number attribute is not a point.
  AcDbBlockReference* pointBlock = nullptr;
  ASSERT_EQ(acdbOpenObject(pointBlock, made.getData(0)->getId(), AcDb::kForRead), Acad::eOk);
  const AcDbObjectId definition = pointBlock->blockTableRecord();
  pointBlock->close();
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db_.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto* bare = new AcDbBlockReference(AcGePoint3d(50, 50, 0), definition);
  ASSERT_EQ(space->appendAcDbEntity(bare), Acad::eOk);
  bare->close();
  space->close();

  listePointsDuDessin table;
  table.setNomTable(L"LEVE");
  table.Ajouter(*made.getData(0));  // replaced by what the drawing holds
  table.updateFromDrawing();
  ASSERT_EQ(table.nbPoint(), 3);
  EXPECT_STREQ(table.getNomTable().GetString(), L"LEVE");
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(*table.getData(i) == *made.getData(i)) << i;
    EXPECT_EQ(table.getData(i)->getId(), made.getData(i)->getId());
  }

  table.getData(2)->setXY(40, 41, 42);
  table.updateDrawing();
  pointDuDessin back;
  ASSERT_EQ(back.updateFromDrawing(table.getData(2)->getId()), 1);
  EXPECT_EQ(back.getX(), 40.0);
  EXPECT_EQ(back.getZ(), 42.0);
  retirerRessources();
}

}  // namespace
