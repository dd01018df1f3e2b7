#include <gtest/gtest.h>

#include "ed/ed_fixture.h"
#include "lisp/interpreter.h"

namespace {

class LispGetfiled : public ScriptedEditor {};

TEST_F(LispGetfiled, ThePathChosenOrNil) {
  lisp::Interpreter lisp;
  answer({L"/tmp/plan-essai", L"annuler"});
  EXPECT_EQ(lisp.evaluateToText(L"(getfiled \"Enregistrer le plan\" \"\" \"dxf\" 1)"),
            L"\"/tmp/plan-essai.dxf\"");  // the extension is added
  EXPECT_EQ(lisp.evaluateToText(L"(getfiled \"Ouvrir\" \"\" \"dxf\" 0)"), L"nil");
  EXPECT_EQ(lisp.evaluateToText(L"(getfiled \"Ouvrir\" \"\" \"dxf\")"),
            L"; error: too few arguments");
}

}  // namespace
