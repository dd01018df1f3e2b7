// Reading LISP text and printing values back as the command line shows them.
#include <gtest/gtest.h>

#include "lisp/interpreter.h"
#include "lisp/reader.h"

using namespace lisp;

namespace {

std::wstring roundTrip(const std::wstring& text) { return printValue(readFirst(text), true); }

std::wstring readError(const std::wstring& text) {
  try {
    readAll(text);
  } catch (const LispError& error) {
    return error.message();
  }
  return L"(no error)";
}

}  // namespace

TEST(LispReader, NumbersIntegerOrRealByForm) {
  EXPECT_EQ(readFirst(L"1")->type, Type::kInt);
  EXPECT_EQ(readFirst(L"-2")->integer, -2);
  EXPECT_EQ(readFirst(L"+7")->integer, 7);
  EXPECT_DOUBLE_EQ(readFirst(L"1.5")->real, 1.5);
  EXPECT_DOUBLE_EQ(readFirst(L".5")->real, 0.5);
  EXPECT_DOUBLE_EQ(readFirst(L"-.5")->real, -0.5);
  EXPECT_DOUBLE_EQ(readFirst(L"1e3")->real, 1000.0);
  EXPECT_EQ(readFirst(L"1.")->type, Type::kReal);
  // Beyond 32 bits an integer literal becomes a real, as in the host.
  EXPECT_EQ(readFirst(L"2147483647")->type, Type::kInt);
  EXPECT_EQ(readFirst(L"2147483648")->type, Type::kReal);
  // Tokens that only look numeric are symbols.
  EXPECT_EQ(readFirst(L"1+")->type, Type::kSymbol);
  EXPECT_EQ(readFirst(L"-")->type, Type::kSymbol);
  EXPECT_EQ(readFirst(L"1e")->type, Type::kSymbol);
}

TEST(LispReader, StringsSymbolsQuotesAndComments) {
  EXPECT_EQ(readFirst(L"\"a\\\"b\\\\c\\nd\\te\"")->text, L"a\"b\\c\nd\te");
  EXPECT_EQ(readFirst(L"foo")->text, L"FOO");
  EXPECT_EQ(readFirst(L"nil"), nullptr);
  EXPECT_EQ(roundTrip(L"'x"), L"(QUOTE X)");
  EXPECT_EQ(roundTrip(L"; comment\n(a ; inside\n b)"), L"(A B)");
  EXPECT_EQ(readAll(L"1 2 ; three\n").size(), 2u);
  EXPECT_EQ(readFirst(L"  ; only a comment"), nullptr);
}

TEST(LispReader, ListsAndDottedPairs) {
  EXPECT_EQ(roundTrip(L"(1 . 2)"), L"(1 . 2)");
  EXPECT_EQ(roundTrip(L"(1 2 . 3)"), L"(1 2 . 3)");
  EXPECT_EQ(roundTrip(L"(1 . (2 3))"), L"(1 2 3)");
  EXPECT_EQ(roundTrip(L"(0 . \"LINE\")"), L"(0 . \"LINE\")");
  EXPECT_EQ(roundTrip(L"(1 .5)"), L"(1 0.5)");
  EXPECT_EQ(roundTrip(L"()"), L"nil");
  EXPECT_EQ(roundTrip(L"((a) (b (c)))"), L"((A) (B (C)))");
}

TEST(LispReader, MalformedInputGivesAClearError) {
  EXPECT_EQ(readError(L"(1 2"), L"malformed list on input");
  EXPECT_EQ(readError(L"((("), L"malformed list on input");
  EXPECT_EQ(readError(L"'"), L"malformed list on input");
  EXPECT_EQ(readError(L"1)"), L"extra right paren on input");
  EXPECT_EQ(readError(L"\"open"), L"malformed string on input");
  EXPECT_EQ(readError(L"( . 2)"), L"malformed dotted pair on input");
  EXPECT_EQ(readError(L"(1 . 2 3)"), L"malformed dotted pair on input");
  EXPECT_EQ(readError(std::wstring(100000, L'(')), L"malformed list on input");
}

TEST(LispPrint, RealsWithSixSignificantDigits) {
  EXPECT_EQ(formatReal(5.0), L"5.0");
  EXPECT_EQ(formatReal(1.23456789), L"1.23457");
  EXPECT_EQ(formatReal(-0.5), L"-0.5");
  EXPECT_EQ(formatReal(100000.0), L"100000.0");
  EXPECT_EQ(formatReal(1234567.0), L"1.23457e+06");
  EXPECT_EQ(formatReal(1e20), L"1.0e+20");
  EXPECT_EQ(formatReal(0.0001), L"0.0001");
}

TEST(LispPrint, Prin1QuotesAndPrincDoesNot) {
  ValuePtr text = makeString(L"say \"hi\"\n");
  EXPECT_EQ(printValue(text, true), L"\"say \\\"hi\\\"\\n\"");
  EXPECT_EQ(printValue(text, false), L"say \"hi\"\n");
  EXPECT_EQ(printValue(makeT(), true), L"T");
  EXPECT_EQ(printValue(nullptr, true), L"nil");
  EXPECT_EQ(printValue(makeList({makeInt(1), makeString(L"a"), makeReal(2.0)}), false),
            L"(1 a 2.0)");
}
