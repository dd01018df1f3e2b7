// The open and close protocol, erasing, handles and entity names of database objects.
#include <gtest/gtest.h>

#include <set>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "dxf/dxf_test_util.h"

using dxftest::Opened;

namespace {

AcDbObjectId addLine(AcDbDatabase& db, double x) {
  AcDbBlockTableRecord* space = nullptr;
  EXPECT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbObjectId id;
  auto* line = new AcDbLine(AcGePoint3d(x, 0, 0), AcGePoint3d(x, 1, 0));
  EXPECT_EQ(space->appendAcDbEntity(id, line), Acad::eOk);
  line->close();
  space->close();
  return id;
}

}  // namespace

TEST(OpenClose, OneWriterAndNoReaderWhileItWrites) {
  AcDbDatabase db;
  AcDbObjectId id = addLine(db, 0);
  ASSERT_EQ(db.openObjectCount(), 0);

  AcDbLine* first = nullptr;
  AcDbLine* second = nullptr;
  AcDbLine* writer = nullptr;
  ASSERT_EQ(acdbOpenObject(first, id, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(second, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(acdbOpenObject(writer, id, AcDb::kForWrite), Acad::eWasOpenedForRead);
  EXPECT_EQ(writer, nullptr);
  EXPECT_EQ(db.openObjectCount(), 2);
  EXPECT_EQ(first->upgradeOpen(), Acad::eHadMultipleReaders);
  second->close();
  ASSERT_EQ(first->upgradeOpen(), Acad::eOk);  // the only reader may become the writer
  EXPECT_EQ(acdbOpenObject(second, id, AcDb::kForRead), Acad::eWasOpenedForWrite);
  EXPECT_EQ(acdbOpenObject(writer, id, AcDb::kForWrite), Acad::eWasOpenedForWrite);
  first->close();
  EXPECT_EQ(db.openObjectCount(), 0);
  EXPECT_TRUE(db.openObjectIds().empty());
}

TEST(OpenClose, WrongClassLeavesNothingOpen) {
  AcDbDatabase db;
  AcDbObjectId id = addLine(db, 0);
  AcDbCircle* circle = nullptr;
  EXPECT_EQ(acdbOpenObject(circle, id, AcDb::kForWrite), Acad::eNotThatKindOfClass);
  EXPECT_EQ(circle, nullptr);
  EXPECT_EQ(db.openObjectCount(), 0);
  AcDbObject* object = nullptr;
  EXPECT_EQ(acdbOpenAcDbObject(object, AcDbObjectId(), AcDb::kForRead), Acad::eNullObjectId);
}

TEST(OpenClose, ErasedObjectsOpenOnlyWhenAskedAndComeBack) {
  AcDbDatabase db;
  AcDbObjectId kept = addLine(db, 0);
  AcDbObjectId gone = addLine(db, 1);
  {
    Opened<AcDbLine> line(gone, AcDb::kForRead);
    EXPECT_EQ(line->erase(), Acad::eNotOpenForWrite);
  }
  {
    Opened<AcDbLine> line(gone, AcDb::kForWrite);
    EXPECT_EQ(line->erase(true), Acad::eOk);
  }
  EXPECT_TRUE(gone.isErased());
  Opened<AcDbLine> refused(gone);
  EXPECT_EQ(refused.status(), Acad::eWasErased);

  // Model space iteration passes over it.
  std::vector<AcDbObjectId> seen;
  {
    Opened<AcDbBlockTableRecord> space(db.modelSpaceId());
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    for (; !it->done(); it->step()) {
      AcDbObjectId id;
      it->getEntityId(id);
      seen.push_back(id);
    }
    delete it;
  }
  EXPECT_EQ(seen, std::vector<AcDbObjectId>{kept});

  AcDbLine* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, gone, AcDb::kForWrite, true), Acad::eOk);
  EXPECT_EQ(line->erase(false), Acad::eOk);
  EXPECT_EQ(line->erase(false), Acad::eWasNotErased);
  line->close();
  EXPECT_FALSE(gone.isErased());
  EXPECT_EQ(db.openObjectCount(), 0);
}

TEST(OpenClose, HandlesAreUniqueAndFindTheirObjects) {
  AcDbDatabase db;
  for (int i = 0; i < 5; ++i) addLine(db, i);
  std::set<Adesk::UInt64> handles;
  for (AcDbObjectId id : db.allObjectIds()) {
    ASSERT_FALSE(id.handle().isNull());
    EXPECT_TRUE(handles.insert(id.handle().value()).second) << id.handle().toHex();
    AcDbObjectId found;
    ASSERT_EQ(db.getAcDbObjectId(found, false, id.handle()), Acad::eOk);
    EXPECT_EQ(found, id);
  }
  EXPECT_GT(db.handseed().value(), *handles.rbegin());
  AcDbObjectId missing;
  EXPECT_EQ(db.getAcDbObjectId(missing, false, db.handseed()), Acad::eUnknownHandle);
}

TEST(OpenClose, EntityNamesGoBackToTheirIds) {
  AcDbDatabase db;
  AcDbObjectId id = addLine(db, 0);
  ads_name name;
  ASSERT_EQ(acdbGetAdsName(name, id), Acad::eOk);
  AcDbObjectId back;
  ASSERT_EQ(acdbGetObjectId(back, name), Acad::eOk);
  EXPECT_EQ(back, id);
  EXPECT_EQ(acdbGetAdsName(name, AcDbObjectId()), Acad::eNullObjectId);
}
