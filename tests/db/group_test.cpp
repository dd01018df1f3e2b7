// Groups: members in order, reactors on members, erased members, group codes.
#include <gtest/gtest.h>

#include "db/acutads.h"
#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbents.h"
#include "db/dbfiler.h"
#include "db/dbgroup.h"
#include "db/dbsymtb.h"
#include "dxf/dxf_test_util.h"

using dxftest::Opened;

namespace {

class GroupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Opened<AcDbBlockTableRecord> space(db_.modelSpaceId(), AcDb::kForWrite);
    for (int i = 0; i < 4; ++i) {
      auto* line = new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 1, 0));
      AcDbObjectId id;
      space->appendAcDbEntity(id, line);
      line->close();
      lines_.push_back(id);
    }
  }

  AcDbObjectId addGroup(const wchar_t* key, AcDbGroup* group) {
    Opened<AcDbDictionary> groups(db_.groupDictionaryId(), AcDb::kForWrite);
    AcDbObjectId id;
    EXPECT_EQ(groups->setAt(key, group, id), Acad::eOk);
    return id;
  }

  std::vector<AcDbObjectId> written340(AcDbObjectId group) {
    Opened<AcDbGroup> opened(group);
    DxfItemListFiler out(&db_, AcDbDxfFiler::kCopyFiler);
    opened->dxfOutFields(&out);
    std::vector<AcDbObjectId> ids;
    for (const DxfItem& item : out.items()) {
      if (item.code == 340) ids.push_back(item.id);
    }
    return ids;
  }

  AcDbDatabase db_;
  std::vector<AcDbObjectId> lines_;
};

}  // namespace

TEST_F(GroupTest, MembersKeepTheOrderTheyWereGiven) {
  auto* group = new AcDbGroup(L"stations", true);
  EXPECT_EQ(group->append(lines_[0]), Acad::eNotInDatabase);  // needs an id for its reactors
  AcDbObjectId id = addGroup(L"STATIONS", group);
  EXPECT_EQ(group->append(lines_[2]), Acad::eOk);
  EXPECT_EQ(group->prepend(lines_[3]), Acad::eOk);
  EXPECT_EQ(group->insertAt(1, lines_[0]), Acad::eOk);
  EXPECT_EQ(group->append(lines_[0]), Acad::eAlreadyInGroup);
  EXPECT_EQ(group->append(db_.layerZero()), Acad::eNotAnEntity);
  group->close();
  EXPECT_EQ(written340(id), (std::vector<AcDbObjectId>{lines_[3], lines_[0], lines_[2]}));

  Opened<AcDbLine> member(lines_[0]);
  EXPECT_EQ(member->persistentReactorIds(), std::vector<AcDbObjectId>{id});
  Opened<AcDbGroup> opened(id);
  EXPECT_TRUE(opened->has(member.get()));
  ACHAR* name = nullptr;
  opened->getName(name);
  EXPECT_STREQ(name, L"STATIONS");
  acutDelString(name);
}

TEST_F(GroupTest, ErasedMembersAreLeftOutAndRemovalDropsTheReactor) {
  auto* group = new AcDbGroup(L"", false);
  AcDbObjectId id = addGroup(L"*", group);
  group->setAnonymous();
  AcDbObjectIdArray all;
  for (const AcDbObjectId& line : lines_) all.append(line);
  ASSERT_EQ(group->append(all), Acad::eOk);
  EXPECT_EQ(group->remove(lines_[1]), Acad::eOk);
  EXPECT_EQ(group->remove(lines_[1]), Acad::eNotInGroup);
  group->close();
  {
    Opened<AcDbLine> removed(lines_[1]);
    EXPECT_TRUE(removed->persistentReactorIds().empty());
    Opened<AcDbLine> erased(lines_[2], AcDb::kForWrite);
    erased->erase();
  }
  Opened<AcDbGroup> opened(id);
  EXPECT_EQ(opened->numEntities(), 2u);
  EXPECT_EQ(written340(id), (std::vector<AcDbObjectId>{lines_[0], lines_[3]}));
  EXPECT_TRUE(opened->isAnonymous());
  EXPECT_FALSE(opened->isSelectable());
  ACHAR* name = nullptr;
  opened->getName(name);
  EXPECT_STREQ(name, L"*A1");
  acutDelString(name);
}
