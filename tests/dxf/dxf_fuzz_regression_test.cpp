// Inputs the fuzzers found harmful, kept under tests/data/dxf/fuzz/ (named by date and by what they
// broke): each is read, saved and read again without a crash, and run under the sanitizers in CI.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dxf/dxf_error.h"
#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "dxf_test_util.h"

using namespace dxftest;

TEST(DxfFuzzRegression, EachFoundInputIsReadOrRefusedAndWhatIsReadSaves) {
  std::vector<std::string> names;
  if (DIR* folder = opendir(dataPath("fuzz").c_str())) {
    while (dirent* entry = readdir(folder)) {
      if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    }
    closedir(folder);
  }
  std::sort(names.begin(), names.end());
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    AcDbDatabase db(false, true);
    std::vector<std::string> warnings;
    std::string text = readText(dataPath("fuzz/" + name));
    try {
      dxf::readDrawing(&db, text, warnings);
    } catch (const dxf::DxfReadError& error) {
      EXPECT_FALSE(error.detail().empty());
      continue;
    }
    // What was read is written, and what was written reads back without a repair.
    std::string saved = dxf::writeDrawingToString(&db);
    AcDbDatabase again(false, true);
    std::vector<std::string> second;
    EXPECT_NO_THROW(dxf::readDrawing(&again, saved, second));
    EXPECT_TRUE(second.empty()) << second.front();
  }
}
