// A block that inserts itself, directly or through other blocks, has no finite drawing: reading
// drops the reference that closes the loop (and says so), adding one is refused, and measuring a
// reference to such a block ends with a refusal instead of running for ever.
#include <gtest/gtest.h>

#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbsymtb.h"
#include "dxf/dxf_test_util.h"

using namespace dxftest;

namespace {

AcDbObjectId blockNamed(AcDbDatabase& db, const wchar_t* name) {
  Opened<AcDbBlockTable> table(db.blockTableId());
  AcDbObjectId id;
  table->getAt(name, id);
  return id;
}

AcDbObjectId newBlock(AcDbDatabase& db, const wchar_t* name) {
  Opened<AcDbBlockTable> table(db.blockTableId(), AcDb::kForWrite);
  auto* record = new AcDbBlockTableRecord();
  record->setName(name);
  AcDbObjectId id;
  EXPECT_EQ(table->add(id, record), Acad::eOk);
  record->close();
  return id;
}

Acad::ErrorStatus append(AcDbObjectId block, AcDbEntity* entity, AcDbObjectId& id) {
  Opened<AcDbBlockTableRecord> record(block, AcDb::kForWrite);
  Acad::ErrorStatus es = record->appendAcDbEntity(id, entity);
  if (es == Acad::eOk) {
    entity->close();
  } else {
    delete entity;
  }
  return es;
}

}  // namespace

TEST(SelfInsertingBlocks, ReadingDropsTheReferenceThatClosesEachLoop) {
  AcDbDatabase db(false, true);
  ASSERT_EQ(db.readDwgFile(wide(dataPath("self_inserting_blocks.dxf")).c_str()), Acad::eOk)
      << db.lastError();
  // A inserts A; B inserts C which inserts B: the first reference of each loop goes.
  ASSERT_EQ(db.readReport().warnings.size(), 2u) << allWarnings(db);
  EXPECT_NE(db.readReport().warnings[0].find("ligne 31"), std::string::npos) << allWarnings(db);
  EXPECT_NE(db.readReport().warnings[0].find("A"), std::string::npos);
  EXPECT_NE(db.readReport().warnings[1].find("ligne 77"), std::string::npos) << allWarnings(db);
  EXPECT_TRUE(entitiesOfType(&db, "INSERT", blockNamed(db, L"A")).empty());
  EXPECT_TRUE(entitiesOfType(&db, "INSERT", blockNamed(db, L"B")).empty());
  EXPECT_EQ(entitiesOfType(&db, "INSERT", blockNamed(db, L"C")).size(), 1u);
  EXPECT_EQ(entitiesOfType(&db, "CIRCLE", blockNamed(db, L"A")).size(), 1u);

  // What remains measures and saves as any drawing.
  for (AcDbObjectId id : entitiesOfType(&db, "INSERT")) {
    Opened<AcDbBlockReference> reference(id);
    AcDbExtents extents;
    EXPECT_EQ(reference->getGeomExtents(extents), Acad::eOk);
  }
  std::string saved = scratchPath("self_inserting_saved.dxf"), output;
  ASSERT_EQ(db.saveAs(wide(saved).c_str()), Acad::eOk) << db.lastError();
  EXPECT_EQ(ezdxfCheck(saved, output), 0) << output;
}

TEST(SelfInsertingBlocks, AddingOrRedirectingAReferenceIntoALoop) {
  AcDbDatabase db;
  AcDbObjectId outer = newBlock(db, L"OUTER"), inner = newBlock(db, L"INNER"), id;
  ASSERT_EQ(append(inner, new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0), id),
            Acad::eOk);
  AcDbObjectId nested;
  ASSERT_EQ(append(outer, new AcDbBlockReference(AcGePoint3d(10, 0, 0), inner), nested), Acad::eOk);
  EXPECT_EQ(append(outer, new AcDbBlockReference(AcGePoint3d(), outer), id), Acad::eSelfReference);
  EXPECT_EQ(append(inner, new AcDbBlockReference(AcGePoint3d(), outer), id), Acad::eSelfReference);
  AcDbObjectId placed;
  ASSERT_EQ(append(db.modelSpaceId(), new AcDbBlockReference(AcGePoint3d(), outer), placed),
            Acad::eOk);
  {
    Opened<AcDbBlockReference> reference(placed);
    AcDbExtents extents;
    ASSERT_EQ(reference->getGeomExtents(extents), Acad::eOk);
    EXPECT_DOUBLE_EQ(extents.maxPoint().x, 11.0);
  }
  // A reference redirected by a program after the fact: measures are refused, not endless.
  {
    Opened<AcDbBlockReference> reference(nested, AcDb::kForWrite);
    reference->setBlockTableRecord(outer);
  }
  for (int copies = 0; copies < 30; ++copies) {
    ASSERT_EQ(append(outer, new AcDbBlockReference(AcGePoint3d(copies, 0, 0), inner), id), Acad::eOk);
  }
  Opened<AcDbBlockReference> reference(placed);
  AcDbExtents extents;
  EXPECT_EQ(reference->getGeomExtents(extents), Acad::eSelfReference);
}
