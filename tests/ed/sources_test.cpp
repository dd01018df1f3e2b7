// Script files as an input source, and keyword list parsing.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ed/aced.h"
#include "ed/input_source.h"
#include "ed/keywords.h"
#include "ed_fixture.h"

namespace {

std::filesystem::path writeScript(const std::string& bytes) {
  std::filesystem::path path = std::filesystem::temp_directory_path() / "ed_source_test.scr";
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST(ScriptFile, SkipsCommentsAcceptsCrLfAndUtf8) {
  auto path = writeScript("\xEF\xBB\xBF; un commentaire\r\nCalque\r\n\r\n;autre\nB\xC3\xA2timent\n");
  ed::ScriptFileSource source(path.wstring());
  ASSERT_TRUE(source.ok());
  std::wstring line;
  ASSERT_TRUE(source.readLine(line));
  EXPECT_EQ(line, L"Calque");
  ASSERT_TRUE(source.readLine(line));
  EXPECT_EQ(line, L"");
  ASSERT_TRUE(source.readLine(line));
  EXPECT_EQ(line, L"Bâtiment");
  EXPECT_FALSE(source.readLine(line));
  std::filesystem::remove(path);
  EXPECT_FALSE(ed::ScriptFileSource(path.wstring()).ok());
}

class ScriptDriven : public ScriptedEditor {};

TEST_F(ScriptDriven, ScriptEndingMidPromptCancels) {
  auto path = writeScript("; distances\r\n2.5\r\n");
  ed::Editor::instance().setInput(std::make_unique<ed::ScriptFileSource>(path.wstring()));
  ads_real d = 0.0;
  ASSERT_EQ(acedGetReal(L"Distance: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 2.5);
  EXPECT_EQ(acedGetReal(L"Distance: ", &d), RTCAN);
  EXPECT_EQ(transcript(), L"Distance: 2.5\nDistance: *Annuler*\n");
  std::filesystem::remove(path);
}

TEST(KeywordMatching, CapitalsDecideTheShortestAnswer) {
  EXPECT_TRUE(ed::keywordMatches(L"LType", L"lt"));
  EXPECT_TRUE(ed::keywordMatches(L"LType", L"LTYP"));
  EXPECT_FALSE(ed::keywordMatches(L"LType", L"l"));
  EXPECT_FALSE(ed::keywordMatches(L"LType", L"ltypes"));
  EXPECT_TRUE(ed::keywordMatches(L"FIN", L"fin"));
  EXPECT_FALSE(ed::keywordMatches(L"FIN", L"fi"));
  EXPECT_FALSE(ed::keywordMatches(L"fin", L"f"));
  EXPECT_TRUE(ed::keywordMatches(L"Élever", L"é"));

  ed::KeywordList list = ed::parseKeywordList(L"  Oui   Non _Yes No ");
  ASSERT_EQ(list.local.size(), 2u);
  ASSERT_EQ(list.global.size(), 2u);
  EXPECT_EQ(list.global[1], L"No");
  EXPECT_EQ(ed::matchKeyword(list, L"non"), L"No");
  EXPECT_EQ(ed::matchKeyword(list, L"peut-être"), L"");

  // An abbreviation after a comma stands for the capitals; the keyword comes back as written.
  ed::KeywordList typed = ed::parseKeywordList(L"LTYPE,LT Couleur");
  EXPECT_EQ(ed::matchKeyword(typed, L"lt"), L"LTYPE");
  EXPECT_EQ(ed::matchKeyword(typed, L"ltyp"), L"LTYPE");
  EXPECT_EQ(ed::matchKeyword(typed, L"l"), L"");
  EXPECT_EQ(ed::matchKeyword(typed, L"c"), L"Couleur");
}

}  // namespace

namespace {

TEST(TranscriptLog, AppendsUtf8AndTracksLineStart) {
  std::filesystem::path path = std::filesystem::temp_directory_path() / "ed_transcript_test.log";
  std::filesystem::remove(path);
  ed::Transcript transcript;
  transcript.setStdout(false);
  ASSERT_TRUE(transcript.openLog(path.wstring()));
  transcript.write(L"Côté: ");
  EXPECT_FALSE(transcript.atLineStart());
  transcript.write(L"d\n");
  EXPECT_TRUE(transcript.atLineStart());
  transcript.closeLog();
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "C\xC3\xB4t\xC3\xA9: d\n");
  std::filesystem::remove(path);
}

}  // namespace
