// Finding or loading the block drawing of a point code.
#include <gtest/gtest.h>

#include <filesystem>

#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "points/getBlockDefinition.h"

namespace {

int entityCount(AcDbObjectId block) {
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, block, AcDb::kForRead) != Acad::eOk) return -1;
  AcDbBlockTableRecordIterator* it = nullptr;
  record->newIterator(it);
  int count = 0;
  for (; !it->done(); it->step()) ++count;
  delete it;
  record->close();
  return count;
}

std::wstring blockName(AcDbObjectId block) {
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, block, AcDb::kForRead) != Acad::eOk) return L"";
  const ACHAR* name = nullptr;
  record->getName(name);
  std::wstring result = name ? name : L"";
  record->close();
  return result;
}

// The repository's installation folder, as the build's registry gives it.
const std::filesystem::path kShare = std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / "share";

TEST(BlockDefinition, ReadOnceThenFoundByName) {
  AcDbDatabase drawing(true, false);
  AcDbObjectId first = getBlockDefinition((kShare / "biblio" / "jaloblk3.dwg").wstring().c_str(), &drawing);
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(blockName(first), L"jaloblk3");
  EXPECT_EQ(entityCount(first), 3);  // circle, triangle, centre point
  // Found again by name, whatever the case of the path and even if the file is not there.
  EXPECT_EQ(getBlockDefinition(L"Z:\\ailleurs\\JaloBlk3.dwg", &drawing), first);
}

TEST(BlockDefinition, RelativePathsComeFromTheInstallationFolder) {
  AcDbDatabase drawing(true, false);
  AcDbObjectId block = getBlockDefinition(L"biblio\\jaloblk1", &drawing);
  ASSERT_FALSE(block.isNull());
  EXPECT_EQ(blockName(block), L"jaloblk1");
  EXPECT_EQ(entityCount(block), 3);  // circle and cross
}

TEST(BlockDefinition, NamesWithoutFolderOrFileFail) {
  AcDbDatabase drawing(true, false);
  EXPECT_TRUE(getBlockDefinition(L"jaloblk1.dwg", &drawing).isNull());  // no folder part
  EXPECT_TRUE(getBlockDefinition(L"biblio\\", &drawing).isNull());
  EXPECT_TRUE(getBlockDefinition(L"\\nulle\\part\\absent.dwg", &drawing).isNull());
  EXPECT_TRUE(getBlockDefinition(nullptr, &drawing).isNull());
}

}  // namespace
