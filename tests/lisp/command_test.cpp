#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/adsdef.h"
#include "ed/aced.h"
#include "ed/acedcmd.h"
#include "ed/ed_fixture.h"
#include "lisp/interpreter.h"
#include "rx/accmd.h"
#include "rx/acdocman.h"

namespace {

// What the test command received: a point, then a word.
std::vector<std::wstring> g_received;

void pointThenWord() {
  ads_point p;
  int status = acedGetPoint(nullptr, L"\nPoint: ", p);
  if (status != RTNORM) {
    g_received.push_back(L"annulé");
    return;
  }
  g_received.push_back(std::to_wstring(p[0]) + L" " + std::to_wstring(p[1]));
  ACHAR word[64];
  if (acedGetString(0, L"\nMot: ", word) == RTNORM) g_received.push_back(word);
}

class LispCommandTest : public ScriptedEditor {
 protected:
  LispCommandTest() {
    g_received.clear();
    acedRegCmds()->addCommand(L"CMDTEST", L"PTMOT", L"PTMOT", ACRX_CMD_MODAL, pointThenWord);
    acDocManager->newDocument();
  }
  ~LispCommandTest() override {
    acDocManager->closeAll();
    acedRegCmds()->removeGroup(L"CMDTEST");
  }
  std::wstring lisp(const std::wstring& text) {
    return acDocManager->curDocument()->interpreter().evaluateToText(text);
  }
};

TEST_F(LispCommandTest, ArgumentsAnswerThePromptsAndWhatIsLeftStartsTheNextCommand) {
  EXPECT_EQ(lisp(L"(command \"PTMOT\" '(1.5 2) \"abc\" \"_ptmot\" (list 3 4.25) \"xyz\")"), L"nil");
  EXPECT_EQ(g_received, (std::vector<std::wstring>{L"1.500000 2.000000", L"abc",
                                                   L"3.000000 4.250000", L"xyz"}));
  EXPECT_NE(transcript().find(L"Commande: PTMOT\n"), std::wstring::npos);
}

TEST_F(LispCommandTest, MissingAnswersAndPausesComeFromTheUser) {
  answer({L"7,8", L"suite"});
  lisp(L"(command \"PTMOT\" \"\\\\\")");
  EXPECT_EQ(g_received, (std::vector<std::wstring>{L"7.000000 8.000000", L"suite"}));
}

TEST_F(LispCommandTest, UnknownCommandsAndUntypableValuesFail) {
  EXPECT_EQ(lisp(L"(command \"NEXISTEPAS\" 1)"), L"nil");
  EXPECT_NE(transcript().find(L"Commande inconnue \"NEXISTEPAS\""), std::wstring::npos);
  EXPECT_EQ(lisp(L"(command \"PTMOT\" T)"), L"; error: bad argument type: lselsetp T");
  EXPECT_TRUE(g_received.empty());
}

TEST_F(LispCommandTest, ProgramsRunCommandsThroughTypedValuesOrResultBuffers) {
  ads_point p = {10.0, 20.0, 0.0};
  EXPECT_EQ(acedCommand(RTSTR, L"PTMOT", RTPOINT, p, RTSTR, L"mot", RTNONE), RTNORM);
  resbuf word{};
  word.restype = RTSTR;
  word.resval.rstring = const_cast<ACHAR*>(L"deux");
  resbuf point{};
  point.restype = RT3DPOINT;
  point.resval.rpoint[0] = 5.0;
  point.resval.rpoint[1] = 6.0;
  point.rbnext = &word;
  resbuf name{};
  name.restype = RTSTR;
  name.resval.rstring = const_cast<ACHAR*>(L"PTMOT");
  name.rbnext = &point;
  EXPECT_EQ(acedCmd(&name), RTNORM);
  EXPECT_EQ(g_received, (std::vector<std::wstring>{L"10.000000 20.000000", L"mot",
                                                   L"5.000000 6.000000", L"deux"}));
  EXPECT_EQ(acedCommand(RTSTR, L"INCONNUE", RTNONE), RTERROR);
}

}  // namespace
