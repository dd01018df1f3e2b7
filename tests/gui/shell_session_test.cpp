// cadhost-gui runs a script in its window as cadhost does at the terminal: the same drawing is
// saved, compared group by group (numbers by value).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Group {
  int code = 0;
  std::string value;
};

std::vector<Group> readGroups(const std::string& file) {
  std::ifstream in(file);
  std::vector<Group> groups;
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) {
    if (!value.empty() && value.back() == '\r') value.pop_back();
    groups.push_back({std::stoi(code), value});
  }
  return groups;
}

bool sameValue(const Group& a, const Group& b) {
  if (a.code != b.code) return false;
  if (a.value == b.value) return true;
  // Reals may be written differently and still be the same number.
  bool real = (a.code >= 10 && a.code <= 59) || (a.code >= 110 && a.code <= 149) ||
              (a.code >= 1010 && a.code <= 1059);
  if (!real) return false;
  char* endA = nullptr;
  char* endB = nullptr;
  double x = std::strtod(a.value.c_str(), &endA), y = std::strtod(b.value.c_str(), &endB);
  return *endA == '\0' && *endB == '\0' && x == y;
}

std::string run(const std::string& host, const std::string& saved, const std::string& extra) {
  std::string command = "QT_QPA_PLATFORM=offscreen \"" + host + "\" \"" EXAMPLES_DIR "/parcelle.dxf\" --script \"" +
                        TEST_DATA_DIR "/gui/session.scr\" --save \"" + saved + "\" " + extra + " > /dev/null 2>&1";
  int status = std::system(command.c_str());
  return status == 0 ? std::string() : "exit status " + std::to_string(status) + " of " + command;
}

TEST(ShellSession, ScriptInTheWindowSavesTheSameDrawingAsTheTerminalHost) {
  std::filesystem::path dir = std::filesystem::temp_directory_path();
  std::string terminal = (dir / "cadhost_session_terminal.dxf").string();
  std::string window = (dir / "cadhost_session_window.dxf").string();
  std::filesystem::remove(terminal);
  std::filesystem::remove(window);
  ASSERT_EQ(run(CADHOST_PATH, terminal, ""), "");
  ASSERT_EQ(run(CADHOST_GUI_PATH, window, ""), "");
  std::vector<Group> a = readGroups(terminal), b = readGroups(window);
  ASSERT_GT(a.size(), 100u);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i)
    ASSERT_TRUE(sameValue(a[i], b[i])) << "group " << i << ": " << a[i].code << " \"" << a[i].value
                                       << "\" against " << b[i].code << " \"" << b[i].value << "\"";
  // The script drew a circle on layer BATI; both drawings have it.
  bool circle = false;
  for (size_t i = 0; i + 1 < b.size(); ++i)
    if (b[i].code == 0 && b[i].value == "CIRCLE") circle = true;
  EXPECT_TRUE(circle);
  std::filesystem::remove(terminal);
  std::filesystem::remove(window);
}

TEST(ShellSession, WrongArgumentsAreRefusedAsByTheTerminalHost) {
  std::string command = "QT_QPA_PLATFORM=offscreen \"" CADHOST_GUI_PATH "\" --bogus > /dev/null 2>&1";
  int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
