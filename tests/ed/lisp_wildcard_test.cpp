#include <gtest/gtest.h>

#include "lisp/interpreter.h"

namespace {

TEST(LispWcmatch, PatternsWithTheirCase) {
  lisp::Interpreter lisp;
  EXPECT_EQ(lisp.evaluateToText(L"(wcmatch \"Borne12\" \"B*##\")"), L"T");
  EXPECT_EQ(lisp.evaluateToText(L"(wcmatch \"borne12\" \"B*\")"), L"nil");  // letters keep their case
  EXPECT_EQ(lisp.evaluateToText(L"(wcmatch \"plan.dxf\" \"*.dwg,*.dxf\")"), L"T");
  EXPECT_EQ(lisp.evaluateToText(L"(wcmatch \"plan.dxf\" \"~*.dxf\")"), L"nil");
  EXPECT_EQ(lisp.evaluateToText(L"(wcmatch \"a,b\" \"a`,b\")"), L"T");
  EXPECT_EQ(lisp.evaluateToText(L"(wcmatch \"P7\" \"[A-O]#\")"), L"nil");
  EXPECT_EQ(lisp.evaluateToText(L"(wcmatch 7 \"7\")"), L"; error: bad argument type: stringp 7");
}

}  // namespace
