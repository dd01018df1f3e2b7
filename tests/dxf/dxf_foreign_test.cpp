// Drawings written by another program (ezdxf, for every version it writes and the byte-level
// variants other writers produce): each opens or is refused with one message naming the file and
// the line, and what opened survives a save and a reopen unchanged and reads cleanly in ezdxf.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "dxf/dxf_writer.h"
#include "dxf_test_util.h"

using namespace dxftest;

namespace {

std::vector<std::string> foreignDrawings() {
  std::vector<std::string> names;
  if (DIR* folder = opendir(dataPath("foreign").c_str())) {
    while (dirent* entry = readdir(folder)) {
      std::string name = entry->d_name;
      if (name.size() > 4 && name.substr(name.size() - 4) == ".dxf") names.push_back(name);
    }
    closedir(folder);
  }
  std::sort(names.begin(), names.end());
  return names;
}

class ForeignDrawing : public ::testing::TestWithParam<std::string> {};

// Where two drawing texts part: the line number and a few lines of each from there.
std::string firstDifference(const std::string& a, const std::string& b) {
  size_t at = 0, line = 1;
  while (at < a.size() && at < b.size() && a[at] == b[at]) {
    if (a[at] == '\n') ++line;
    ++at;
  }
  if (at == a.size() && at == b.size()) return "";
  size_t from = a.rfind('\n', at);
  from = from == std::string::npos ? 0 : from + 1;
  return "line " + std::to_string(line) + ":\n" + a.substr(from, 120) + "\n---\n" + b.substr(from, 120);
}

// What ezdxf finds in a file: "entité BLOCK KIND n", "xdata KIND APP n", "table TABLE NAME 1".
std::map<std::string, std::string> census(const std::string& path, const std::string& ignored) {
  std::string output;
  runCommand("/usr/bin/python3 " + toolPath("drawing_census.py") + " '" + path + "' " + ignored,
             output);
  std::map<std::string, std::string> lines;
  std::istringstream in(output);
  std::string line;
  while (std::getline(in, line)) {
    size_t count = line.rfind(' ');
    if (count != std::string::npos) lines[line.substr(0, count)] = line.substr(count + 1);
  }
  return lines;
}

// The kinds the reader said it left out ("… entités "DIMENSION" au format R12 ignorées …").
std::string kindsLeftOut(const AcDbDatabase& db) {
  std::string kinds;
  for (const std::string& warning : db.readReport().warnings) {
    if (warning.find("au format R12") == std::string::npos) continue;
    size_t open = warning.find('"'), close = warning.find('"', open + 1);
    if (open != std::string::npos && close != std::string::npos) {
      kinds += " " + warning.substr(open + 1, close - open - 1);
    }
  }
  return kinds;
}

}  // namespace

TEST_P(ForeignDrawing, OpensSavesAndReopensUnchanged) {
  const std::string path = dataPath("foreign/" + GetParam());
  AcDbDatabase first(false, true);
  ASSERT_EQ(first.readDwgFile(wide(path).c_str()), Acad::eOk) << first.lastError();
  EXPECT_FALSE(entitiesOfType(&first, "LINE").empty());
  EXPECT_FALSE(entitiesOfType(&first, "INSERT").empty());

  const std::string saved = scratchPath("foreign_" + GetParam());
  ASSERT_EQ(first.saveAs(wide(saved).c_str()), Acad::eOk) << first.lastError();
  std::string output;
  EXPECT_EQ(ezdxfCheck(saved, output), 0) << output;
  // Every entity and its extended data are still there, and every record of the tables (repairs
  // may add records: a layer an entity names and the file lacks).
  const std::string ignored = kindsLeftOut(first);
  std::map<std::string, std::string> before = census(path, ignored), after = census(saved, ignored);
  ASSERT_FALSE(before.empty());
  for (const auto& [what, count] : before) {
    EXPECT_EQ(after[what], count) << what;
  }
  for (const auto& [what, count] : after) {
    if (what.rfind("table ", 0) != 0) {
      EXPECT_EQ(before[what], count) << what;
    }
  }

  AcDbDatabase second(false, true);
  ASSERT_EQ(second.readDwgFile(wide(saved).c_str()), Acad::eOk) << second.lastError();
  EXPECT_TRUE(second.readReport().warnings.empty()) << allWarnings(second);
  // The writer gives every entity, table, block, dictionary and extended data: two equal texts
  // are two equal drawings.
  EXPECT_EQ(firstDifference(dxf::writeDrawingToString(&first), dxf::writeDrawingToString(&second)), "");
}

INSTANTIATE_TEST_SUITE_P(Corpus, ForeignDrawing, ::testing::ValuesIn(foreignDrawings()),
                         [](const ::testing::TestParamInfo<std::string>& drawing) {
                           std::string name = drawing.param.substr(0, drawing.param.size() - 4);
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(BinaryDrawing, ATruncatedFileIsRefusedNamingWhereItEnds) {
  std::string binary = readText(dataPath("foreign/variant_binary.dxf"));
  std::string path = scratchPath("truncated_binary.dxf");
  writeText(path, binary.substr(0, binary.size() / 2));
  AcDbDatabase db(false, true);
  EXPECT_NE(db.readDwgFile(wide(path).c_str()), Acad::eOk);
  EXPECT_EQ(db.lastError().rfind("impossible de lire le dessin \"" + path + "\" (ligne ", 0), 0u)
      << db.lastError();
  EXPECT_NE(db.lastError().find("fin de fichier inattendue"), std::string::npos) << db.lastError();
}
