#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lisp/interpreter.h"
#include "rx/accmd.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"

namespace {

std::vector<std::string> g_ran;
AcAp::DocLockMode g_lockSeen = AcAp::kNone;

void runPoints() {
  g_ran.push_back("points");
  g_lockSeen = acDocManager->curDocument()->lockMode();
}
void runOther() { g_ran.push_back("other"); }
void leaveResourcePushed() { acDocManager->pushResourceHandle(reinterpret_cast<HINSTANCE>(0x10)); }
void throwFromCommand() { throw std::runtime_error("boom"); }

class CommandStackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_ran.clear();
    acDocManager->newDocument();
  }
  void TearDown() override {
    acedRegCmds()->removeGroup(L"SURVEY");
    acedRegCmds()->removeGroup(L"OTHER");
    acDocManager->closeAll();
  }
};

TEST_F(CommandStackTest, FindsCommandsByEitherNameInAnyCase) {
  AcEdCommandStack* stack = acedRegCmds();
  ASSERT_EQ(stack->addCommand(L"SURVEY", L"POINTS", L"Points_fr", ACRX_CMD_MODAL, runPoints),
            Acad::eOk);
  EXPECT_EQ(stack->lookupCmd(L"points", true)->functionAddr(), &runPoints);
  EXPECT_EQ(stack->lookupCmd(L"POINTS_FR", false)->functionAddr(), &runPoints);
  // Each flag searches one kind of name only.
  EXPECT_EQ(stack->lookupCmd(L"points_fr", true), nullptr);
  EXPECT_EQ(stack->lookupCmd(L"unknown", false), nullptr);

  EXPECT_EQ(stack->resolve(L"points_fr")->globalName(), std::wstring(L"POINTS"));
  EXPECT_EQ(stack->resolve(L"Points")->globalName(), std::wstring(L"POINTS"));
  EXPECT_EQ(stack->resolve(L"_points")->globalName(), std::wstring(L"POINTS"));
  EXPECT_EQ(stack->resolve(L"._POINTS")->globalName(), std::wstring(L"POINTS"));
  EXPECT_EQ(stack->resolve(L".points_fr")->globalName(), std::wstring(L"POINTS"));
  // "_" asks for the global name: the local one no longer matches.
  EXPECT_EQ(stack->resolve(L"_points_fr"), nullptr);
  EXPECT_EQ(stack->resolve(L"_"), nullptr);
}

TEST_F(CommandStackTest, RejectsDuplicatesWithinAGroupAndPrefersTheNewestGroup) {
  AcEdCommandStack* stack = acedRegCmds();
  ASSERT_EQ(stack->addCommand(L"SURVEY", L"POINTS", nullptr, ACRX_CMD_MODAL, runPoints), Acad::eOk);
  EXPECT_EQ(stack->addCommand(L"survey", L"points", L"x", ACRX_CMD_MODAL, runOther),
            Acad::eDuplicateKey);
  EXPECT_EQ(stack->addCommand(L"SURVEY", L"", nullptr, ACRX_CMD_MODAL, runOther),
            Acad::eInvalidInput);
  // A null local name is the global one.
  EXPECT_NE(stack->lookupCmd(L"POINTS", false), nullptr);

  ASSERT_EQ(stack->addCommand(L"OTHER", L"POINTS", nullptr, ACRX_CMD_MODAL, runOther), Acad::eOk);
  EXPECT_EQ(stack->lookupCmd(L"POINTS", true)->functionAddr(), &runOther);
  EXPECT_EQ(stack->removeGroup(L"other"), Acad::eOk);
  EXPECT_EQ(stack->lookupCmd(L"POINTS", true)->functionAddr(), &runPoints);

  EXPECT_EQ(stack->removeCmd(L"SURVEY", L"points"), Acad::eOk);
  EXPECT_EQ(stack->lookupCmd(L"POINTS", true), nullptr);
  EXPECT_EQ(stack->removeCmd(L"SURVEY", L"POINTS"), Acad::eKeyNotFound);
  EXPECT_EQ(stack->removeGroup(L"NOSUCHGROUP"), Acad::eKeyNotFound);
}

TEST_F(CommandStackTest, RunsCommandsLockedAndReportsUnknownOnes) {
  AcEdCommandStack* stack = acedRegCmds();
  stack->addCommand(L"SURVEY", L"POINTS", L"PTS", ACRX_CMD_MODAL, runPoints);
  stack->addCommand(L"SURVEY", L"FREE", nullptr, ACRX_CMD_NOINTERNALLOCK, runPoints);

  AcEdCommandOutcome outcome = acedRunCommand(L"_pts");
  EXPECT_FALSE(outcome.found);  // "_" with a local name
  outcome = acedRunCommand(L"pts");
  EXPECT_TRUE(outcome.found);
  EXPECT_FALSE(outcome.resourceImbalance);
  EXPECT_EQ(g_lockSeen, AcAp::kAutoWrite);
  // The lock lasts as long as the command.
  EXPECT_EQ(acDocManager->curDocument()->lockMode(), AcAp::kNotLocked);

  acedRunCommand(L"FREE");
  EXPECT_EQ(g_lockSeen, AcAp::kNotLocked);
  EXPECT_EQ(g_ran, (std::vector<std::string>{"points", "points"}));
  EXPECT_FALSE(acedRunCommand(L"NOSUCHCOMMAND").found);
}

TEST_F(CommandStackTest, ReportsResourceImbalanceAndExceptions) {
  AcEdCommandStack* stack = acedRegCmds();
  stack->addCommand(L"SURVEY", L"LEAK", nullptr, ACRX_CMD_MODAL, leaveResourcePushed);
  stack->addCommand(L"SURVEY", L"THROW", nullptr, ACRX_CMD_MODAL, throwFromCommand);
  AcEdCommandOutcome outcome = acedRunCommand(L"LEAK");
  EXPECT_TRUE(outcome.resourceImbalance);
  // The handle the command left behind is dropped, so the next command starts balanced.
  EXPECT_EQ(acDocManager->resourceDepth(), 0u);

  outcome = acedRunCommand(L"THROW");
  EXPECT_TRUE(outcome.found);
  EXPECT_EQ(outcome.error, L"boom");
  EXPECT_EQ(acDocManager->curDocument()->lockMode(), AcAp::kNotLocked);
}

TEST_F(CommandStackTest, RunsLispFunctionsNamedCColonAsCommands) {
  lisp::Interpreter& interp = acDocManager->curDocument()->interpreter();
  ASSERT_TRUE(interp.evaluate(L"(defun c:hello () (setq said 42))").ok);
  AcEdCommandOutcome outcome = acedRunCommand(L"_HELLO");
  EXPECT_TRUE(outcome.found);
  EXPECT_EQ(interp.evaluateToText(L"said"), L"42");

  ASSERT_TRUE(interp.evaluate(L"(defun c:fails () (/ 1 0))").ok);
  outcome = acedRunCommand(L"fails");
  EXPECT_TRUE(outcome.found);
  EXPECT_NE(outcome.error.find(L"divide by zero"), std::wstring::npos);
}

}  // namespace
