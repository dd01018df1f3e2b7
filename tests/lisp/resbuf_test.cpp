// Values to result-buffer chains and back, and functions that modules define for LISP.
#include <gtest/gtest.h>

#include <functional>

#include "db/acutads.h"
#include "lisp/acedads.h"
#include "lisp/interpreter.h"
#include "lisp/reader.h"
#include "lisp/resbuf_convert.h"

using namespace lisp;

namespace {

std::vector<int> typesOf(const resbuf* chain) {
  std::vector<int> types;
  for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) types.push_back(rb->restype);
  return types;
}

// The chain of the values read from a text, back to values, printed.
std::wstring roundTrip(const std::wstring& text) {
  resbuf* chain = valuesToChain(readAll(text));
  std::wstring out;
  for (const ValuePtr& v : chainToValues(chain)) out += printValue(v, true) + L";";
  acutRelRb(chain);
  return out;
}

}  // namespace

TEST(LispResbuf, AtomsIntegersByRangeAndPoints) {
  resbuf* chain = valuesToChain(readAll(L"1 40000 -32768 -32769 2.5 \"s\" nil t (1 2) (1 2.0 3)"));
  EXPECT_EQ(typesOf(chain), (std::vector<int>{RTSHORT, RTLONG, RTSHORT, RTLONG, RTREAL, RTSTR,
                                              RTNIL, RTT, RTPOINT, RT3DPOINT}));
  const resbuf* rb = chain;
  EXPECT_EQ(rb->resval.rint, 1);
  EXPECT_EQ(rb->rbnext->resval.rlong, 40000);
  rb = rb->rbnext->rbnext->rbnext->rbnext->rbnext;
  EXPECT_STREQ(rb->resval.rstring, L"s");
  rb = rb->rbnext->rbnext->rbnext->rbnext;
  EXPECT_DOUBLE_EQ(rb->resval.rpoint[2], 3.0);
  acutRelRb(chain);
  EXPECT_EQ(valuesToChain({}), nullptr);
}

TEST(LispResbuf, NestedListsAndDottedPairs) {
  resbuf* chain = valuesToChain(readAll(L"(1 (2 \"a\") (3 . 4)) (5 6 7 8)"));
  EXPECT_EQ(typesOf(chain),
            (std::vector<int>{RTLB, RTSHORT, RTLB, RTSHORT, RTSTR, RTLE, RTLB, RTSHORT, RTDOTE,
                              RTSHORT, RTLE, RTLE, RTLB, RTSHORT, RTSHORT, RTSHORT, RTSHORT, RTLE}));
  acutRelRb(chain);
  EXPECT_EQ(roundTrip(L"(1 (2 \"a\") (3 . 4)) 9"), L"(1 (2 \"a\") (3 . 4));9;");
  EXPECT_EQ(roundTrip(L"(1.0 2.0) (a . \"b\") (nil t)"), L"(1.0 2.0);(\"A\" . \"b\");(nil T);");
}

TEST(LispResbuf, GroupCodesAndMalformedChains) {
  // Group code 0 travels as RTDXF0, since 0 ends a chain being built.
  ads_point start = {1, 2, 3};
  resbuf* chain = acutBuildList(RTLB, RTDXF0, L"LINE", 10, start, 40, 2.5, RTLE, 0);
  std::vector<ValuePtr> values = chainToValues(chain);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(printValue(values[0], true), L"((0 . \"LINE\") (10 1.0 2.0 3.0) (40 . 2.5))");
  acutRelRb(chain);
  resbuf* open = acutBuildList(RTLB, RTSHORT, 1, 0);
  EXPECT_THROW(chainToValues(open), LispError);
  acutRelRb(open);
  resbuf* close = acutBuildList(RTSHORT, 1, RTLE, 0);
  EXPECT_THROW(chainToValues(close), LispError);
  acutRelRb(close);
}

namespace {

// A module's functions, as acedDefun would register them.
class TestModule : public ExternalFunctionHandler {
 public:
  bool isDefined(const std::wstring& name) const override { return functions.count(name) != 0; }
  int invoke(const std::wstring& name, Interpreter&) override { return functions[name](); }
  std::map<std::wstring, std::function<int()>> functions;
};

}  // namespace

TEST(LispExternal, ArgumentsArriveAsChainsAndResultsComeBack) {
  Interpreter lisp;
  TestModule module;
  lisp.setExternalHandler(&module);
  std::vector<int> seen;
  module.functions[L"C:ARGS"] = [&]() {
    seen = typesOf(acedGetArgs());
    return acedRetInt(static_cast<int>(seen.size()));
  };
  module.functions[L"SUMPT"] = [&]() {
    const resbuf* rb = acedGetArgs();
    ads_point p = {rb->resval.rpoint[0] + 1, rb->resval.rpoint[1] + 1, rb->resval.rpoint[2] + 1};
    return acedRetPoint(p);
  };
  module.functions[L"MKLIST"] = [&]() {
    resbuf* list = acutBuildList(RTSHORT, 1, RTLB, RTSTR, L"a", RTDOTE, RTREAL, 2.0, RTLE, 0);
    int status = acedRetList(list);
    acutRelRb(list);
    return status;
  };
  module.functions[L"FAILS"] = []() { return RTERROR; };
  module.functions[L"THROWS"] = []() -> int { throw std::runtime_error("inside the module"); };
  module.functions[L"SILENT"] = []() { return RTNORM; };
  module.functions[L"STR"] = []() { return acedRetStr(L"text"); };
  module.functions[L"TRUE"] = []() { return acedRetT(); };

  EXPECT_EQ(lisp.evaluateToText(L"(c:args 1 '(2 3) \"x\" nil)"), L"4");
  EXPECT_EQ(seen, (std::vector<int>{RTSHORT, RTPOINT, RTSTR, RTNIL}));
  EXPECT_EQ(lisp.evaluateToText(L"(sumpt '(1 2 3))"), L"(2.0 3.0 4.0)");
  EXPECT_EQ(lisp.evaluateToText(L"(mklist)"), L"(1 (\"a\" . 2.0))");
  EXPECT_EQ(lisp.evaluateToText(L"(list (str) (true) (silent))"), L"(\"text\" T nil)");
  EXPECT_EQ(lisp.evaluateToText(L"(mapcar 'str '(1 2))"), L"(\"text\" \"text\")");
  EXPECT_EQ(lisp.evaluateToText(L"(fails)"), L"; error: function cancelled");
  EXPECT_EQ(lisp.evaluateToText(L"(throws)"), L"; error: function cancelled");
  // acedRetVal gives one value of a chain, acedRetList a list of all of them.
  module.functions[L"ONEVAL"] = []() {
    resbuf* values = acutBuildList(RTLB, RTSHORT, 1, RTLE, RTSTR, L"ignored", 0);
    int status = acedRetVal(values);
    acutRelRb(values);
    return status;
  };
  module.functions[L"BADLIST"] = []() {
    resbuf* values = acutBuildList(RTLB, RTSHORT, 1, 0);
    int status = acedRetList(values);
    acutRelRb(values);
    return status;
  };
  EXPECT_EQ(lisp.evaluateToText(L"(oneval)"), L"(1)");
  EXPECT_EQ(lisp.evaluateToText(L"(badlist)"), L"; error: function cancelled");
  // A name LISP defines itself comes before the module's.
  lisp.evaluate(L"(defun str () \"mine\")");
  EXPECT_EQ(lisp.evaluateToText(L"(str)"), L"\"mine\"");
  // Outside a call there are no arguments and nothing to return to.
  EXPECT_EQ(acedGetArgs(), nullptr);
  EXPECT_EQ(acedRetInt(1), RTERROR);
}
