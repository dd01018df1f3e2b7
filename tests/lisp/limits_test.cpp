// What a program can build or ask for never exhausts the stack: lists a hundred thousand deep or a
// million long are printed, compared, substituted and released; runaway programs end in an error.
#include <gtest/gtest.h>

#include <string>

#include "lisp/interpreter.h"

using namespace lisp;

namespace {

class LispLimits : public ::testing::Test {
 protected:
  std::wstring run(const std::wstring& source) { return lisp_.evaluateToText(source); }
  Interpreter lisp_;
};

}  // namespace

TEST_F(LispLimits, DeeplyNestedListsBuiltByAProgram) {
  ASSERT_EQ(run(L"(setq d nil) (repeat 100000 (setq d (list d))) 'ok"), L"OK");
  EXPECT_EQ(run(L"d"), std::wstring(100000, L'(') + L"nil" + std::wstring(100000, L')'));
  EXPECT_EQ(run(L"(setq e nil) (repeat 100000 (setq e (list e))) (equal d e)"), L"T");
  EXPECT_EQ(run(L"(equal d (list e))"), L"nil");
  EXPECT_EQ(run(L"(setq d nil e nil) 'released"), L"RELEASED");
}

TEST_F(LispLimits, LongListsBuiltByAProgram) {
  ASSERT_EQ(run(L"(setq l nil) (repeat 1000000 (setq l (cons 1 l))) (length l)"), L"1000000");
  EXPECT_EQ(run(L"(equal l (reverse l))"), L"T");
  EXPECT_EQ(run(L"(length (subst 2 1 l))"), L"1000000");
  EXPECT_EQ(run(L"(car (subst 2 1 l))"), L"2");
  EXPECT_EQ(run(L"(subst 'x '(2 3) '(1 (2 3) 4 2 3))"), L"(1 X 4 . X)");
  EXPECT_EQ(run(L"(subst 0 'a '((a b) (c (a))))"), L"((0 B) (C (0)))");
  EXPECT_EQ(run(L"(setq l nil) 'released"), L"RELEASED");
}

TEST_F(LispLimits, RunawayProgramsEndInAnError) {
  EXPECT_EQ(run(std::wstring(100000, L'(') + std::wstring(100000, L')')),
            L"; error: malformed list on input");
  EXPECT_EQ(run(L"(defun f (x) (f x)) (f 1)"), L"; error: stack overflow");
  EXPECT_EQ(run(L"(defun g (x) (cons x (g (1+ x)))) (g 0)"), L"; error: stack overflow");
  // Unattended callers bound the work of one evaluation; the next evaluation starts afresh.
  lisp_.setEvaluationLimit(10000);
  EXPECT_EQ(run(L"(while t (setq i 1))"), L"; error: evaluation limit reached");
  EXPECT_EQ(run(L"(while repeat each x)"), L"; error: evaluation limit reached");  // found by fuzzing
  EXPECT_EQ(run(L"(setq i 0) (repeat 100 (setq i (1+ i)))"), L"100");
}

// Inputs the LISP fuzzer found harmful.
TEST_F(LispLimits, FoundByFuzzing) {
  // A real before nil: nil was read as a number.
  EXPECT_EQ(run(L"(* 1.5 nil)"), L"; error: bad argument type: numberp: nil");
  EXPECT_EQ(run(L"(+ 2 1.5 nil)"), L"; error: bad argument type: numberp: nil");
  EXPECT_EQ(run(L"(max 2.5 nil)"), L"; error: bad argument type: numberp: nil");
  // A huge integer exponent was a loop of that many products.
  EXPECT_EQ(run(L"(expt 2 30)"), L"1073741824");
  EXPECT_EQ(run(L"(expt 3 5)"), L"243");
  EXPECT_EQ(run(L"(expt 2 32)"), L"0");  // wraps as 32-bit integers do
  EXPECT_EQ(run(L"(expt 1 2000000000)"), L"1");
}
