// What a file gives never costs more than the file holds: a megabyte of text in one value is read
// whole, and counts that would ask for enormous lists are bounded with a repair.
#include <gtest/gtest.h>

#include <string>

#include "db/dbents.h"
#include "db/dbtable.h"
#include "dxf/dxf_writer.h"
#include "dxf_test_util.h"

using namespace dxftest;

namespace {

std::string bareEntities(const std::string& entities) {
  return "  0\nSECTION\n  2\nENTITIES\n" + entities + "  0\nENDSEC\n  0\nEOF\n";
}

}  // namespace

TEST(DxfLimits, AMegabyteTextValueIsReadWholeAndSavedBack) {
  std::wstring value;
  for (int i = 0; i < 1 << 20; ++i) value += static_cast<wchar_t>(L'a' + i % 26);
  value += L"é";
  std::string utf8(value.begin(), value.end() - 1);
  utf8 += "\xC3\xA9";
  std::string path = scratchPath("long_text.dxf");
  writeText(path, "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1021\n  0\nENDSEC\n" +
                      bareEntities("  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n  1\n" + utf8 + "\n"));
  AcDbDatabase db(false, true);
  ASSERT_EQ(db.readDwgFile(wide(path).c_str()), Acad::eOk) << db.lastError();
  std::vector<AcDbObjectId> texts = entitiesOfType(&db, "TEXT");
  ASSERT_EQ(texts.size(), 1u);
  {
    Opened<AcDbText> text(texts[0]);
    EXPECT_EQ(std::wstring(text->textStringConst()), value);
  }
  std::string saved = scratchPath("long_text_saved.dxf");
  ASSERT_EQ(db.saveAs(wide(saved).c_str()), Acad::eOk) << db.lastError();
  AcDbDatabase again(false, true);
  ASSERT_EQ(again.readDwgFile(wide(saved).c_str()), Acad::eOk) << again.lastError();
  Opened<AcDbText> text(entitiesOfType(&again, "TEXT").at(0));
  EXPECT_EQ(std::wstring(text->textStringConst()), value);
}

TEST(DxfLimits, ATableAskingForBillionsOfCellsIsBounded) {
  std::string table = "  0\nACAD_TABLE\n100\nAcDbEntity\n  8\n0\n100\nAcDbBlockReference\n 10\n0\n 20\n0\n"
                      " 30\n0\n100\nAcDbTable\n";
  for (int i = 0; i < 40000; ++i) table += "141\n1.0\n142\n2.0\n";
  std::string path = scratchPath("huge_table.dxf");
  writeText(path, bareEntities(table));
  AcDbDatabase db(false, true);
  ASSERT_EQ(db.readDwgFile(wide(path).c_str()), Acad::eOk) << db.lastError();
  EXPECT_TRUE(hasWarning(db, "cellules")) << allWarnings(db);
  std::vector<AcDbObjectId> tables = entitiesOfType(&db, "ACAD_TABLE");
  ASSERT_EQ(tables.size(), 1u);
  Opened<AcDbTable> read(tables[0]);
  EXPECT_LE(static_cast<long>(read->numRows()) * read->numColumns(), 1L << 20);
  EXPECT_GE(read->numRows(), 1000);
}
