// The module as the host sees it: its command group, its LISP functions in every drawing, and what
// disappears when drawings close and the module unloads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module_fixture.h"
#include "rx/accmd.h"
#include "rx/cmdrun.h"

namespace {

TEST_F(ModuleHost, CommandGroupInOrderWithItsFlags) {
  const std::vector<std::pair<std::wstring, int>> expected = {
      {L"CARROYAGE", 2},    {L"VCODIFICATION", 1}, {L"COORDSXYZ", 0},    {L"CORRPOLFERMEE", 0},
      {L"CORRPOLOUVERTE", 0}, {L"CORRMCARRES", 0}, {L"IMPORTGSI", 0},    {L"RECT3PT", 3},
      {L"IMPORTPOINTS", 2}, {L"EXPORTPOINTS", 2},  {L"TABLEXYZ", 2},     {L"MAJPOINTS", 2},
      {L"PTSEN3D", 0}};
  for (const auto& [name, flags] : expected) {
    AcEdCommand* command = acedRegCmds()->lookupCmd(name.c_str(), true);
    ASSERT_NE(command, nullptr) << wideToUtf8(name);
    EXPECT_STREQ(command->groupName(), L"ARPENTA4");
    EXPECT_STREQ(command->localName(), name.c_str());
    EXPECT_EQ(command->commandFlags(), flags) << wideToUtf8(name);
  }
}

TEST_F(ModuleHost, EmptyCommandSaysNothing) {
  clearTranscript();
  EXPECT_TRUE(acedRunCommand(L"IMPORTGSI").found);
  EXPECT_EQ(transcript(), L"");
}

TEST_F(ModuleHost, EveryDrawingHasItsFunctionsUntilItCloses) {
  EXPECT_EQ(eval(L"(c:JALOVERSION)"), L"\"5.00.4428\"");
  AcApDocument* second = acDocManager->newDocument();  // created after the module was loaded
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(eval(L"(analyse \"x y\")"), L"(\"x\" \"y\")");
  EXPECT_EQ(acDocManager->curDocument(), second);
  lisp::Interpreter& firstLisp = document->interpreter();
  acDocManager->closeDocument(second);
  EXPECT_EQ(acDocManager->curDocument(), document);
  EXPECT_EQ(eval(L"(analyse \"x\")"), L"(\"x\")");
  // The closed drawing took its definitions with it; the others keep theirs.
  lisp::EvalResult stillThere = firstLisp.evaluate(L"(c:JALOVERSION)");
  EXPECT_TRUE(stillThere.ok);
}

TEST_F(ModuleHost, UnloadingRemovesTheCommandGroup) {
  ASSERT_NE(acedRegCmds()->lookupCmd(L"PTSEN3D", true), nullptr);
  acDocManager->closeAll();  // the module may go once no drawing holds its functions
  ASSERT_TRUE(acrxDynamicLinker->unloadModule(modulePath().c_str()));
  EXPECT_EQ(acedRegCmds()->lookupCmd(L"PTSEN3D", true), nullptr);
  std::vector<std::wstring> groups = acedRegCmds()->groupNames();
  EXPECT_EQ(std::find(groups.begin(), groups.end(), L"ARPENTA4"), groups.end());
}

}  // namespace
