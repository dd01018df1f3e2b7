// Evaluation: special forms, functions, arithmetic rules, strings and the host's error messages.
#include <gtest/gtest.h>

#include "lisp/interpreter.h"

using namespace lisp;

namespace {

class CapturedOutput : public OutputSink {
 public:
  void write(const std::wstring& text) override { text_ += text; }
  std::wstring text_;
};

class LispEval : public ::testing::Test {
 protected:
  LispEval() { lisp_.setOutput(&output_); }
  std::wstring run(const std::wstring& source) { return lisp_.evaluateToText(source); }
  Interpreter lisp_;
  CapturedOutput output_;
};

}  // namespace

TEST_F(LispEval, SetqDefunLambdaAndLocals) {
  EXPECT_EQ(run(L"(setq a 1 b (+ a 1))"), L"2");
  EXPECT_EQ(run(L"(list a b)"), L"(1 2)");
  EXPECT_EQ(run(L"(defun sq (x) (* x x))"), L"SQ");
  EXPECT_EQ(run(L"(sq 7)"), L"49");
  // Locals after "/" start as nil and are restored afterwards; parameters too.
  EXPECT_EQ(run(L"(setq x 100 tmp 5) (defun f (x / tmp) (setq tmp (+ x 1)) tmp) (f 1)"), L"2");
  EXPECT_EQ(run(L"(list x tmp)"), L"(100 5)");
  EXPECT_EQ(run(L"(defun g (/ v) v) (g)"), L"nil");
  EXPECT_EQ(run(L"((lambda (a b) (- a b)) 10 3)"), L"7");
  EXPECT_EQ(run(L"(mapcar '(lambda (v) (* 2 v)) '(1 2 3))"), L"(2 4 6)");
  EXPECT_EQ(run(L"(mapcar (function +) '(1 2 3) '(10 20))"), L"(11 22)");
  EXPECT_EQ(run(L"(apply 'max '(3 9 2))"), L"9");
  EXPECT_EQ(run(L"(eval '(+ 1 2))"), L"3");
  // Names are case-insensitive.
  EXPECT_EQ(run(L"(SETQ Mixed 4) mixed"), L"4");
  // Recursion.
  EXPECT_EQ(run(L"(defun fact (n) (if (<= n 1) 1 (* n (fact (1- n))))) (fact 10)"), L"3628800");
}

TEST_F(LispEval, ControlForms) {
  EXPECT_EQ(run(L"(if nil 1)"), L"nil");
  EXPECT_EQ(run(L"(if 0 'yes 'no)"), L"YES");
  EXPECT_EQ(run(L"(cond ((= 1 2) 'a) ((= 1 1) 'b 'c) (t 'd))"), L"C");
  EXPECT_EQ(run(L"(cond ((+ 1 2)))"), L"3");
  EXPECT_EQ(run(L"(cond (nil 1))"), L"nil");
  EXPECT_EQ(run(L"(setq i 0 s 0) (while (< i 5) (setq s (+ s i) i (1+ i))) s"), L"10");
  EXPECT_EQ(run(L"(setq s 0) (foreach e '(1 2 3) (setq s (+ s e)))"), L"6");
  EXPECT_EQ(run(L"(setq n 0) (repeat 4 (setq n (+ n 2))) n"), L"8");
  EXPECT_EQ(run(L"(progn 1 2 3)"), L"3");
  EXPECT_EQ(run(L"(list (and) (and 1 nil) (or) (or nil 2) (not nil) (null '(1)))"),
            L"(T nil nil T T nil)");
  // and/or stop at the first deciding argument.
  EXPECT_EQ(run(L"(or t (undefined-function)) (and nil (undefined-function))"), L"nil");
}

TEST_F(LispEval, IntegerAndRealArithmetic) {
  EXPECT_EQ(run(L"(/ 7 2)"), L"3");
  EXPECT_EQ(run(L"(/ 7 2.0)"), L"3.5");
  EXPECT_EQ(run(L"(/ -7 2)"), L"-3");
  EXPECT_EQ(run(L"(+ 1 2.0)"), L"3.0");
  EXPECT_EQ(run(L"(list (+) (*) (- 5) (/ 5))"), L"(0 0 -5 5)");
  EXPECT_EQ(run(L"(rem 7 3)"), L"1");
  EXPECT_EQ(run(L"(rem 7.5 2)"), L"1.5");
  // Integers are 32-bit and wrap like the host's.
  EXPECT_EQ(run(L"(+ 2147483647 1)"), L"-2147483648");
  EXPECT_EQ(run(L"(list (fix 3.7) (fix -3.7) (float 2) (abs -4) (max 1 2.0) (min 4 2))"),
            L"(3 -3 2.0 4 2.0 2)");
  EXPECT_EQ(run(L"(list (expt 2 10) (expt 2.0 0.5) (sqrt 16))"), L"(1024 1.41421 4.0)");
  EXPECT_EQ(run(L"(list (atan 1) (atan 1 -1) (atan -1 0))"), L"(0.785398 2.35619 -1.5708)");
  EXPECT_EQ(run(L"(list (exp 1) (log 1) (sin 0) (cos pi))"), L"(2.71828 0.0 0.0 -1.0)");
  EXPECT_EQ(run(L"(list (= 1 1.0) (/= 1 2) (< 1 2 3) (< 1 3 2) (>= 3 3 1) (< \"a\" \"b\"))"),
            L"(T T T nil T T)");
  EXPECT_EQ(run(L"(list (minusp -0.1) (zerop 0.0) (numberp \"1\"))"), L"(T T nil)");
}

TEST_F(LispEval, EqualityAndLists) {
  EXPECT_EQ(run(L"(list (eq 'a 'a) (eq '(1) '(1)) (equal '(1 (2)) '(1 (2))))"), L"(T nil T)");
  EXPECT_EQ(run(L"(list (equal 1.0 1.05 0.1) (equal 1.0 1.2 0.1))"), L"(T nil)");
  EXPECT_EQ(run(L"(setq l '(10 20 30))"), L"(10 20 30)");
  EXPECT_EQ(run(L"(list (car l) (cdr l) (cadr l) (caddr l) (cddr l) (last l))"),
            L"(10 (20 30) 20 30 (30) 30)");
  EXPECT_EQ(run(L"(list (caar '((1 2))) (cdar '((1 2))) (car nil))"), L"(1 (2) nil)");
  EXPECT_EQ(run(L"(list (nth 0 l) (nth 5 l) (length l) (reverse l))"), L"(10 nil 3 (30 20 10))");
  EXPECT_EQ(run(L"(append '(1) nil '(2 3))"), L"(1 2 3)");
  EXPECT_EQ(run(L"(member 20 l)"), L"(20 30)");
  EXPECT_EQ(run(L"(assoc 8 '((0 . \"LINE\") (8 . \"0\")))"), L"(8 . \"0\")");
  EXPECT_EQ(run(L"(subst 'x 2 '(1 2 (2)))"), L"(1 X (X))");
  EXPECT_EQ(run(L"(cons 1 2)"), L"(1 . 2)");
  EXPECT_EQ(run(L"(list (listp nil) (atom '(1)) (type 1) (type 1.0) (type \"s\") (type 'a) "
                L"(type '(1)) (type car) (type nil))"),
            L"(T nil INT REAL STR SYM LIST SUBR nil)");
  EXPECT_EQ(run(L"(list (boundp 'l) (boundp 'unset-symbol))"), L"(T nil)");
}

TEST_F(LispEval, StringFunctions) {
  EXPECT_EQ(run(L"(strcat \"ab\" \"\" \"cd\")"), L"\"abcd\"");
  EXPECT_EQ(run(L"(list (substr \"Hello\" 2 3) (substr \"Hello\" 4) (substr \"Hi\" 5))"),
            L"(\"ell\" \"lo\" \"\")");
  EXPECT_EQ(run(L"(list (strlen \"abc\") (strcase \"aBc\") (strcase \"aBc\" t))"),
            L"(3 \"ABC\" \"abc\")");
  EXPECT_EQ(run(L"(list (itoa -12) (atoi \"42abc\") (atoi \"x\") (atof \"2.5\"))"),
            L"(\"-12\" 42 0 2.5)");
  EXPECT_EQ(run(L"(list (rtos 5) (rtos 3.14159 2 2) (rtos 2.5 2 0) (rtos 1234.5 1 3))"),
            L"(\"5.0000\" \"3.14\" \"2\" \"1.234E+03\")");
  EXPECT_EQ(run(L"(list (angtos (/ pi 4)) (angtos (/ pi 4) 0 2) (angtos -1.5708 0 0))"),
            L"(\"45\" \"45.00\" \"270\")");
  EXPECT_EQ(run(L"(list (angtos (/ pi 2) 2 0) (angtos 1.0 3 4))"), L"(\"100g\" \"1.0000r\")");
  EXPECT_EQ(run(L"(read \"(a . 1)\")"), L"(A . 1)");
}

TEST_F(LispEval, GeometryFunctions) {
  EXPECT_EQ(run(L"(distance '(0 0) '(3 4 12))"), L"5.0");
  EXPECT_EQ(run(L"(distance '(0 0 0) '(3 4 12))"), L"13.0");
  EXPECT_EQ(run(L"(angle '(1 1) '(1 0))"), L"4.71239");
  EXPECT_EQ(run(L"(polar '(1 2 3) (/ pi 2) 2)"), L"(1.0 4.0 3.0)");
}

TEST_F(LispEval, OutputGoesToTheSink) {
  EXPECT_EQ(run(L"(princ \"a\\nb\")"), L"\"a\\nb\"");
  run(L"(prin1 \"q\") (print 5) (prompt \"p\") (terpri) (princ '(1 \"s\"))");
  EXPECT_EQ(output_.text_, L"a\nb\"q\"\n5 p\n(1 s)");
  // (princ) ends a function quietly: its value prints as nothing.
  EXPECT_EQ(run(L"(princ)"), L"");
}

TEST_F(LispEval, ErrorsAbortWithTheHostMessage) {
  EXPECT_EQ(run(L"(foo 1)"), L"; error: no function definition: FOO");
  EXPECT_EQ(run(L"(+ 1 \"a\")"), L"; error: bad argument type: numberp: \"a\"");
  EXPECT_EQ(run(L"(itoa 1.5)"), L"; error: bad argument type: fixnump: 1.5");
  EXPECT_EQ(run(L"(strcat \"a\" 1)"), L"; error: bad argument type: stringp 1");
  EXPECT_EQ(run(L"(car 1)"), L"; error: bad argument type: listp 1");
  EXPECT_EQ(run(L"(defun two (a b) a) (two 1)"), L"; error: too few arguments");
  EXPECT_EQ(run(L"(two 1 2 3)"), L"; error: too many arguments");
  EXPECT_EQ(run(L"(cons 1)"), L"; error: too few arguments");
  EXPECT_EQ(run(L"(/ 1 0)"), L"; error: divide by zero");
  EXPECT_EQ(run(L"(/ 1.0 0)"), L"; error: divide by zero");
  EXPECT_EQ(run(L"(+ 1 (2"), L"; error: malformed list on input");
  EXPECT_EQ(run(L"(sqrt -1)"), L"; error: function undefined for argument: -1");
  EXPECT_EQ(run(L"(setq 1 2)"), L"; error: bad argument type: symbolp 1");
  // An error stops the evaluation where it happened; later input still runs.
  EXPECT_EQ(run(L"(setq z 1) (/ 1 0) (setq z 2)"), L"; error: divide by zero");
  EXPECT_EQ(run(L"z"), L"1");
  // Deep recursion is an error, not a crash, and a failing function restores its bindings.
  EXPECT_EQ(run(L"(setq y 'outer) (defun loop (y) (loop y)) (loop 1)"), L"; error: stack overflow");
  EXPECT_EQ(run(L"y"), L"OUTER");
}

TEST(LispDocuments, EachInterpreterHasItsOwnSymbols) {
  Interpreter first, second;
  first.evaluate(L"(setq shared 1) (defun f () 'first)");
  EXPECT_EQ(second.evaluateToText(L"shared"), L"nil");
  EXPECT_EQ(second.evaluateToText(L"(f)"), L"; error: no function definition: F");
  EXPECT_EQ(first.evaluateToText(L"(f)"), L"FIRST");
}

namespace {
ValuePtr doubleIt(Interpreter&, const std::vector<ValuePtr>& args) {
  checkArgCount(args, 1, 1);
  return makeInt(args[0]->integer * 2);
}
}  // namespace

TEST(LispRegistry, AddedFunctionsReachNewInterpreters) {
  BuiltinRegistry::instance().add(L"test-double", doubleIt);
  Interpreter lisp;
  EXPECT_EQ(lisp.evaluateToText(L"(test-double 21)"), L"42");
}

TEST_F(LispEval, ProgramErrorHandlerReceivesTheMessage) {
  run(L"(defun *error* (msg) (princ (strcat \"caught: \" msg)))");
  EvalResult result = lisp_.evaluate(L"(setq v 1) (car 5) (setq v 2)");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, L"");
  EXPECT_EQ(output_.text_, L"caught: bad argument type: listp 5");
  EXPECT_EQ(run(L"v"), L"1");
  // A failing handler is reported with its own error.
  run(L"(defun *error* (msg) (/ 1 0))");
  EXPECT_EQ(run(L"(undefined)"), L"; error: divide by zero");
}

TEST_F(LispEval, EdgesOfFormsAndConversions) {
  EXPECT_EQ(run(L"(setq s \"tab\\there \\\"q\\\"\")"), L"\"tab\\there \\\"q\\\"\"");
  EXPECT_EQ(run(L"(strlen s)"), L"12");
  // A long list is built and released without exhausting the stack.
  EXPECT_EQ(run(L"(setq big nil) (repeat 300000 (setq big (cons 1 big))) (length big)"), L"300000");
  EXPECT_EQ(run(L"(setq big nil)"), L"nil");
  EXPECT_EQ(run(L"(quote (a 'b))"), L"(A (QUOTE B))");
  EXPECT_EQ(run(L"(foreach v '(1 2) v) v"), L"nil");
  EXPECT_EQ(run(L"(apply '(lambda (a b) (list b a)) '(1 2))"), L"(2 1)");
  EXPECT_EQ(run(L"(apply 'setq '(w 3)) w"), L"3");
  EXPECT_EQ(run(L"(setq t 1)"), L"; error: attempt to set a constant: T");
  EXPECT_EQ(run(L"(1 2)"), L"; error: bad function: 1");
  EXPECT_EQ(run(L"(list (angtos (/ pi 4) 1 4) (angtos 0.5 1 0))"), L"(\"45d0'0\\\"\" \"29d\")");
  EXPECT_EQ(run(L"(rtos -0.00001 2 2)"), L"\"0.00\"");
  EXPECT_EQ(run(L"(rtos 1 4)"), L"; error: rtos: unit mode not supported: 4");
}
