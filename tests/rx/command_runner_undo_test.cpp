#include <gtest/gtest.h>

#include <string>

#include "db/dbdatabase.h"
#include "db/dbundo.h"
#include "ed/ed_fixture.h"
#include "ed/host_commands.h"
#include "lisp/interpreter.h"
#include "rx/accmd.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"

namespace {

// Runs a LISP expression in the current drawing, giving its printed value.
std::wstring lisp(const std::wstring& text) {
  return acDocManager->curDocument()->interpreter().evaluateToText(text);
}

void closeCurrent() { acDocManager->closeDocument(acDocManager->curDocument()); }

class CommandUndoTest : public ScriptedEditor {
 protected:
  CommandUndoTest() {
    ed::registerHostCommands();
    acedRegCmds()->addCommand(L"UNDOTEST", L"CLOSEME", L"FERMEMOI", ACRX_CMD_MODAL, closeCurrent);
    acDocManager->newDocument();
    lisp(L"(defun c:deux () (entmake '((0 . \"POINT\") (10 1.0 0.0 0.0)))"
         L" (entmake '((0 . \"POINT\") (10 2.0 0.0 0.0))) (princ))");
    lisp(L"(defun c:rien () (princ))");
  }
  ~CommandUndoTest() override {
    acDocManager->closeAll();
    acedRegCmds()->removeGroup(L"UNDOTEST");
    ed::removeHostCommands();
  }
  UndoJournal& journal() { return acDocManager->curDocument()->database()->undoJournal(); }
  int points() { return std::stoi(lisp(L"(progn (setq n 0 e (entnext)) (while e (setq n (1+ n) e (entnext e))) n)")); }
};

TEST_F(CommandUndoTest, EachCommandIsOneNamedStepAndMarksTheDrawingModified) {
  AcApDocument* document = acDocManager->curDocument();
  EXPECT_FALSE(acedIsDocumentModified(document));
  acedRunCommand(L"RIEN");
  EXPECT_EQ(journal().stepCount(), 0);  // a command that changes nothing leaves no step
  EXPECT_FALSE(acedIsDocumentModified(document));

  acedRunCommand(L"DEUX");
  acedRunCommand(L"deux");
  EXPECT_EQ(journal().stepCount(), 2);
  EXPECT_EQ(points(), 4);
  EXPECT_EQ(acedLastUndoStepName(document), L"DEUX");
  EXPECT_TRUE(acedIsDocumentModified(document));

  answer({L""});
  acedRunCommand(L"ANNULER");  // Enter takes the default: one step
  EXPECT_EQ(points(), 2);
  EXPECT_NE(transcript().find(L"<1>: \nDEUX\n"), std::wstring::npos);
  acedRunCommand(L"U");
  acedRunCommand(L"U");
  EXPECT_EQ(points(), 0);
  EXPECT_NE(transcript().find(L"Rien à annuler"), std::wstring::npos);
}

TEST_F(CommandUndoTest, BeginAndEndGroupCommandsIntoOneStep) {
  answer({L"d", L"f", L"3"});
  acedRunCommand(L"ANNULER");
  acedRunCommand(L"DEUX");
  acedRunCommand(L"DEUX");
  acedRunCommand(L"ANNULER");
  acedRunCommand(L"DEUX");
  EXPECT_EQ(journal().stepCount(), 2);
  EXPECT_EQ(points(), 6);
  acedRunCommand(L"ANNULER");  // 3 steps asked, 2 there
  EXPECT_EQ(points(), 0);
  EXPECT_NE(transcript().find(L"\nDEUX GROUPE\nTout a été annulé\n"), std::wstring::npos);
}

TEST_F(CommandUndoTest, ACommandMayCloseItsOwnDrawing) {
  AcApDocument* first = acDocManager->curDocument();
  acDocManager->newDocument();
  acedRunCommand(L"DEUX");  // not defined in the second drawing: unknown there
  AcEdCommandOutcome outcome = acedRunCommand(L"FERMEMOI");
  EXPECT_TRUE(outcome.found);
  EXPECT_EQ(acDocManager->curDocument(), first);
  EXPECT_EQ(journal().stepCount(), 0);
  EXPECT_FALSE(journal().isStepOpen());
}

TEST_F(CommandUndoTest, WithoutADrawingOnlySessionCommandsRun) {
  acDocManager->closeAll();
  AcEdCommandOutcome outcome = acedRunCommand(L"ENREG");
  EXPECT_TRUE(outcome.found);
  EXPECT_TRUE(outcome.needsDrawing);
  outcome = acedRunCommand(L"NOUVEAU");
  EXPECT_FALSE(outcome.needsDrawing);
  EXPECT_EQ(acDocManager->documentCount(), 1);
}

}  // namespace
