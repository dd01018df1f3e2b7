// Scenario tests: every tests/scenarios/NAME.scr runs through cadhost in a scratch folder, with
// NAME.dxf as the drawing when there is one, and the transcript must equal NAME.expected.
//
// Directives in the script's comment lines (cadhost skips them like any comment):
//   ;@args ARG...      more cadhost arguments ("--strict", "--save out.dxf"...)
//   ;@exit N           the exit status expected (0 by default)
//   ;@same A B         files A and B written by the run must be byte-identical
// "@MODULE@" in the script stands for the test module's path, and stands back for it in the
// transcript, which keeps expected transcripts free of machine paths; "@TERRAIN@" likewise stands
// for the terrain module. Every DXF file the run
// writes is checked with ezdxf and the shared validator.
// A failed scenario leaves its scratch folder (named in the failure) for inspection.
// UPDATE_SCENARIOS=1 rewrites the expected transcripts from the runs (review the diff!).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::string modulePath() {
  if (const char* path = std::getenv("APP_TEST_MODULE"); path && *path) return path;
#ifdef APP_TEST_MODULE_PATH
  return APP_TEST_MODULE_PATH;
#else
  return "";
#endif
}

fs::path scenarioDir() {
#ifdef SCENARIO_DIR
  return SCENARIO_DIR;
#else
  return fs::path(TEST_DATA_DIR) / ".." / "scenarios";
#endif
}

fs::path toolsDir() { return fs::path(TEST_DATA_DIR) / ".." / "tools"; }

int run(const std::string& command, std::string& output, const fs::path& folder) {
  fs::path log = folder / "command.log";
  int status = std::system((command + " > '" + log.string() + "' 2>&1").c_str());
  output = readText(log);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Directives {
  std::string args;
  int exitStatus = 0;
  std::vector<std::pair<std::string, std::string>> sameFiles;
};

Directives readDirectives(const std::string& script) {
  Directives directives;
  std::istringstream lines(script);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string tag;
    words >> tag;
    if (tag == ";@args") {
      std::string rest;
      std::getline(words, rest);
      directives.args += " " + rest;
    } else if (tag == ";@exit") {
      words >> directives.exitStatus;
    } else if (tag == ";@same") {
      std::string a, b;
      words >> a >> b;
      directives.sameFiles.emplace_back(a, b);
    }
  }
  return directives;
}

// Temporary files are named "_TP<hex>.tmp..." with a number chosen at run time: the transcript
// keeps "_TP####.tmp" instead, so that reports shown in a web view compare equal.
void maskTemporaryNames(std::string& text) {
  for (size_t at = text.find("_TP"); at != std::string::npos; at = text.find("_TP", at + 3)) {
    size_t end = at + 3;
    while (end < text.size() && std::isxdigit(static_cast<unsigned char>(text[end]))) ++end;
    if (end > at + 3 && text.compare(end, 4, ".tmp") == 0) text.replace(at + 3, end - at - 3, "####");
  }
}

std::vector<std::string> scenarioNames() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(scenarioDir(), error)) {
    if (entry.path().extension() == ".scr") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, TranscriptAndDrawingsAreTheExpectedOnes) {
  const std::string name = GetParam();
  const fs::path source = scenarioDir();
  const fs::path folder = fs::temp_directory_path() /
                          ("cadhost-scenarios-" + std::to_string(getpid())) / name;
  fs::remove_all(folder);
  fs::create_directories(folder);

  std::string script = readText(source / (name + ".scr"));
  const std::string module = modulePath();
  if (script.find("@MODULE@") != std::string::npos && module.empty()) {
    GTEST_SKIP() << "no test module (set APP_TEST_MODULE)";
  }
  replaceAll(script, "@MODULE@", module);
  replaceAll(script, "@TERRAIN@", TERRAIN_MODULE_PATH);
  writeText(folder / (name + ".scr"), script);
  const Directives directives = readDirectives(script);

  std::string command = "cd '" + folder.string() + "' && '" CADHOST_PATH "'";
  if (fs::exists(source / (name + ".dxf"))) {
    fs::copy_file(source / (name + ".dxf"), folder / (name + ".dxf"));
    command += " '" + name + ".dxf'";
  }
  command += " --script '" + name + ".scr' --transcript '" + name + ".txt'" + directives.args;
  std::string output;
  EXPECT_EQ(run(command, output, folder), directives.exitStatus) << output;

  std::string transcript = readText(folder / (name + ".txt"));
  replaceAll(transcript, module, "@MODULE@");
  replaceAll(transcript, TERRAIN_MODULE_PATH, "@TERRAIN@");
  maskTemporaryNames(transcript);
  const fs::path expectedPath = source / (name + ".expected");
  if (std::getenv("UPDATE_SCENARIOS") != nullptr) writeText(expectedPath, transcript);
  writeText(folder / (name + ".actual"), transcript);
  if (readText(expectedPath) != transcript) {
    std::string diff;
    run("diff -u '" + expectedPath.string() + "' '" + (folder / (name + ".actual")).string() + "'",
        diff, folder);
    ADD_FAILURE() << "transcript differs from " << expectedPath << ":\n" << diff;
  }

  for (const auto& [a, b] : directives.sameFiles) {
    ASSERT_TRUE(fs::exists(folder / a)) << a;
    ASSERT_TRUE(fs::exists(folder / b)) << b;
    EXPECT_TRUE(readText(folder / a) == readText(folder / b)) << a << " and " << b << " differ";
  }
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".dxf" || entry.path().filename() == name + ".dxf") continue;
    std::string check;
    EXPECT_EQ(run("/usr/bin/python3 '" + (toolsDir() / "ezdxf_check.py").string() + "' '" +
                      entry.path().string() + "'",
                  check, folder),
              0)
        << entry.path() << ":\n" << check;
  }
  // A failed run's folder stays for a look at what it wrote.
  if (!HasFailure()) {
    fs::remove_all(folder);
    std::error_code error;
    fs::remove(folder.parent_path(), error);  // once empty: the last scenario of the run
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, Scenario, ::testing::ValuesIn(scenarioNames()),
                         [](const ::testing::TestParamInfo<std::string>& scenario) { return scenario.param; });

}  // namespace
