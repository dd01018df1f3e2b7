#include "ed/command_line.h"

#include <gtest/gtest.h>

#include "db/dbdatabase.h"
#include "db/dbobject.h"
#include "ed/ed_fixture.h"
#include "rx/accmd.h"
#include "ed/host_commands.h"
#include "lisp/interpreter.h"
#include "rx/acdocman.h"

namespace {

class CommandLineTest : public ScriptedEditor {
 protected:
  CommandLineTest() {
    ed::registerHostCommands();
    acDocManager->newDocument();
  }
  ~CommandLineTest() override {
    acDocManager->closeAll();
    ed::removeHostCommands();
  }
  // Runs the lines at the command line; gives the number of errors seen.
  int run(std::deque<std::wstring> lines, bool strict = false) {
    answer(std::move(lines));
    ed::CommandLine commandLine(strict);
    commandLine.run();
    return commandLine.errorCount();
  }
  std::wstring lisp(const std::wstring& text) {
    return acDocManager->curDocument()->interpreter().evaluateToText(text);
  }
  bool shows(const std::wstring& part) { return transcript().find(part) != std::wstring::npos; }
};

TEST(LispTextIsOpen, CountsParenthesesOutsideStringsAndComments) {
  EXPECT_TRUE(ed::lispTextIsOpen(L"(setq a (+ 1"));
  EXPECT_FALSE(ed::lispTextIsOpen(L"(setq a (+ 1 2))"));
  EXPECT_FALSE(ed::lispTextIsOpen(L"(strcat \"(((\" \")\")"));
  EXPECT_FALSE(ed::lispTextIsOpen(L"(princ \"a\\\"(\")"));
  EXPECT_TRUE(ed::lispTextIsOpen(L"(list 1 ; une remarque )\n"));
  EXPECT_TRUE(ed::lispTextIsOpen(L"(princ \"pas fini"));
  // Too many closing parentheses is an error for the reader, not a wait for more text.
  EXPECT_FALSE(ed::lispTextIsOpen(L"(+ 1 2))"));
}

TEST_F(CommandLineTest, LispLinesPrintTheirValueAndErrorsLetTheSessionGoOn) {
  EXPECT_EQ(run({L"(setq a (list \"a\" \"b\"))", L"(/ 1 0)", L"!a", L"(setq b (+ 1", L"2))"}), 1);
  EXPECT_TRUE(shows(L"Commande: (setq a (list \"a\" \"b\"))\n(\"a\" \"b\")\n"));
  EXPECT_TRUE(shows(L"Commande: (/ 1 0)\n; error: divide by zero\n"));
  EXPECT_TRUE(shows(L"Commande: !a\n(\"a\" \"b\")\n"));
  EXPECT_TRUE(shows(L"Commande: (setq b (+ 1\n(_> 2))\n3\n"));
  EXPECT_EQ(lisp(L"b"), L"3");
}

TEST_F(CommandLineTest, UnknownCommandsAreReportedAndEnterRepeatsTheLastCommand) {
  lisp(L"(setq n 0)");
  lisp(L"(defun c:compte () (setq n (1+ n)) (princ))");
  EXPECT_EQ(run({L"XYZ", L"compte", L"", L"  "}), 1);
  EXPECT_TRUE(
      shows(L"Commande: XYZ\nCommande inconnue \"XYZ\".  Appuyez sur F1 pour obtenir de l'aide.\n"));
  EXPECT_EQ(lisp(L"n"), L"3");
}

TEST_F(CommandLineTest, StrictStopsAtTheFirstErrorAndQuitEndsTheLoop) {
  EXPECT_EQ(run({L"(setq a 1)", L"(car 1)", L"(setq a 2)"}, true), 1);
  EXPECT_EQ(lisp(L"a"), L"1");

  EXPECT_EQ(run({L"(setq a 3)", L"QUITTER", L"(setq a 4)"}), 0);
  EXPECT_EQ(lisp(L"a"), L"3");
}

TEST_F(CommandLineTest, InputEndingInsideACommandIsAnError) {
  EXPECT_EQ(run({L"ANNULER"}), 1);
  EXPECT_TRUE(shows(L"*Annuler*\nFin du script au milieu d'une commande.\n"));
  // Ending at the command prompt is the normal end.
  EXPECT_EQ(run({L"(+ 1 2)"}), 0);
}

TEST_F(CommandLineTest, WithoutADrawingOnlyLispAndTheSessionCommandsRun) {
  acDocManager->closeAll();
  EXPECT_EQ(run({L"(+ 2 3)", L"ENREG", L"NOUVEAU", L"(getvar \"DWGNAME\")"}), 1);
  EXPECT_TRUE(shows(L"(+ 2 3)\n5\n"));
  EXPECT_TRUE(shows(L"Aucun dessin ouvert"));
  EXPECT_EQ(acDocManager->documentCount(), 1);
}

}  // namespace

namespace {

// A command that forgets to close what it opened.
void forgetfulCommand() {
  AcDbObject* object = nullptr;
  acdbOpenAcDbObject(object, acDocManager->curDocument()->database()->modelSpaceId(), AcDb::kForRead);
}

TEST_F(CommandLineTest, ObjectsLeftOpenByACommandAreReported) {
  acedRegCmds()->addCommand(L"ESSAI", L"OUBLI", L"OUBLI", ACRX_CMD_MODAL, forgetfulCommand);
  EXPECT_EQ(run({L"OUBLI", L"(+ 1 2)"}), 1);
  EXPECT_TRUE(shows(L"Objets laissés ouverts par la commande : 1\n"));
  AcDbObject* object = nullptr;
  ASSERT_EQ(acdbOpenAcDbObject(object, acDocManager->curDocument()->database()->modelSpaceId(),
                               AcDb::kForRead), Acad::eOk);
  object->close();
  object->close();  // the one the command left open
  acedRegCmds()->removeGroup(L"ESSAI");
}

}  // namespace
