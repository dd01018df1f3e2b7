// ssget and the selection-set functions of the LISP, and the pick functions entsel, nentsel and
// nentselp, on a current drawing with a scripted command line.
#include <gtest/gtest.h>

#include "ed/selection_fixture.h"
#include "lisp/acedads.h"
#include "lisp/interpreter.h"
#include "lisp/resbuf_convert.h"

namespace {

// An external function (SETOF e) that gives back a new set holding e, as a module would: it
// reads its argument, makes the set, returns it with acedRetName and frees its own hold.
class SetMaker : public lisp::ExternalFunctionHandler {
 public:
  bool isDefined(const std::wstring& name) const override { return name == L"SETOF"; }
  int invoke(const std::wstring&, lisp::Interpreter&) override {
    const resbuf* args = acedGetArgs();
    if (args == nullptr || args->restype != RTENAME) return acedRetNil();
    ads_name ss;
    if (acedSSAdd(args->resval.rlname, nullptr, ss) != RTNORM) return RTERROR;
    acedRetName(ss, RTPICKS);
    acedSSFree(ss);
    return RTNORM;
  }
};

class LispSelection : public SelectionDrawing {
 protected:
  void SetUp() override {
    SelectionDrawing::SetUp();
    lisp_.setDatabase(db);
  }
  void TearDown() override {
    // Values still held by the interpreter keep their sets; letting them go frees them.
    lisp_.setSymbolValue(L"SS", nullptr);
    lisp_.setSymbolValue(L"S2", nullptr);
    lisp_.setSymbolValue(L"E", nullptr);
    SelectionDrawing::TearDown();
  }
  std::wstring run(const std::wstring& source) { return lisp_.evaluateToText(source); }

  lisp::Interpreter lisp_;
};

TEST_F(LispSelection, SsgetWithFilterListsAndTheSetFunctions) {
  registerApp(L"JALOPLUS");
  AcDbObjectId def = block(L"PT");
  AcDbObjectId marked = insert(def, 10, 10);
  insert(def, 20, 10);
  markWithApp(marked, L"JALOPLUS");
  line(0, 0, 1, 0);
  add(new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, 1.0));
  circle(0, 0, 1);

  std::wstring printed = run(L"(setq ss (ssget \"X\" '((0 . \"INSERT\") (-3 (\"JALOPLUS\")))))");
  EXPECT_EQ(printed.rfind(L"<Selection set: ", 0), 0u) << printed;
  EXPECT_EQ(run(L"(type ss)"), L"PICKSET");
  EXPECT_EQ(run(L"(sslength ss)"), L"1");
  EXPECT_EQ(run(L"(equal (ssname ss 0) (handent \"" + handleOf(marked) + L"\"))"), L"T");
  EXPECT_EQ(run(L"(ssname ss 1)"), L"nil");
  EXPECT_EQ(run(L"(sslength (ssget \"X\" '((-4 . \"<OR\") (100 . \"AcDbLine\") (100 . \"AcDbArc\") "
                L"(-4 . \"OR>\"))))"),
            L"2");
  EXPECT_EQ(run(L"(sslength (ssget \"_X\" '((0 . \"CIRCLE\") (-4 . \">\") (40 . 0.5))))"), L"1");
  // Nothing found, and a malformed filter: nil.
  EXPECT_EQ(run(L"(ssget \"X\" '((0 . \"TEXT\")))"), L"nil");
  EXPECT_EQ(run(L"(ssget \"X\" '((-4 . \"<OR\") (0 . \"LINE\")))"), L"nil");
  EXPECT_NE(run(L"(ssget \"X\" '((40 . \"deux\")))").find(L"; error: bad SSGET list"),
            std::wstring::npos);
  EXPECT_NE(run(L"(sslength \"ss\")").find(L"; error: bad argument type: lselsetp"),
            std::wstring::npos);

  // ssadd makes, extends and returns the set; ssdel and ssmemb.
  EXPECT_EQ(run(L"(setq s2 (ssadd)) (sslength s2)"), L"0");
  EXPECT_EQ(run(L"(setq e (entlast)) (eq (ssadd e s2) s2)"), L"T");
  EXPECT_EQ(run(L"(ssadd e s2) (sslength s2)"), L"1");
  EXPECT_EQ(run(L"(equal (ssmemb e s2) e)"), L"T");
  EXPECT_EQ(run(L"(sslength (ssadd e))"), L"1");
  EXPECT_EQ(run(L"(ssdel e s2) (list (ssmemb e s2) (sslength s2) (ssdel e s2))"), L"(nil 0 nil)");
}

TEST_F(LispSelection, SetsLiveAsLongAsAValueHoldsThem) {
  line(0, 0, 1, 0);
  run(L"(setq ss (ssget \"X\") s2 ss)");
  EXPECT_EQ(ed::liveSelectionSetCount(), setsBefore + 1);
  run(L"(setq ss nil)");
  EXPECT_EQ(run(L"(sslength s2)"), L"1");
  run(L"(setq s2 nil)");
  EXPECT_EQ(ed::liveSelectionSetCount(), setsBefore);
}

// External functions receive a set as RTPICKS and give one back with acedRetName.
TEST_F(LispSelection, SetsCrossTheExternalInterfaceAsPicks) {
  AcDbObjectId l = line(0, 0, 1, 0);
  run(L"(setq ss (ssget \"X\"))");
  lisp::ValuePtr set = lisp_.symbolValue(L"SS");
  resbuf* chain = lisp::valuesToChain({set});
  ASSERT_NE(chain, nullptr);
  EXPECT_EQ(chain->restype, RTPICKS);
  ads_name first;
  ASSERT_EQ(acedSSName(chain->resval.rlname, 0, first), RTNORM);
  AcDbObjectId id;
  acdbGetObjectId(id, first);
  EXPECT_EQ(id, l);
  std::vector<lisp::ValuePtr> back = lisp::chainToValues(chain);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_TRUE(lisp::valuesEq(back[0], set));
  acutRelRb(chain);

  // A set made by the C side and handed over stays alive after the C side frees it.
  ads_name made, e;
  acdbGetAdsName(e, l);
  ASSERT_EQ(acedSSAdd(e, nullptr, made), RTNORM);
  lisp::ValuePtr handed = lisp::makePickset(made[0]);
  EXPECT_EQ(acedSSFree(made), RTNORM);
  lisp_.setSymbolValue(L"S2", handed);
  handed.reset();
  EXPECT_EQ(run(L"(sslength s2)"), L"1");

  SetMaker maker;
  lisp_.setExternalHandler(&maker);
  EXPECT_EQ(run(L"(setq s2 (setof (entlast))) (list (type s2) (sslength s2))"), L"(PICKSET 1)");
  lisp_.setExternalHandler(nullptr);
}

TEST_F(LispSelection, UserSelectionAndPicks) {
  AcDbObjectId l = line(0, 0, 10, 0);
  AcDbObjectId def = block(L"PT");
  insert(def, 30, 30);
  answer({L"5,0", L""});
  EXPECT_EQ(run(L"(sslength (ssget))"), L"1");
  answer({L"^C"});
  EXPECT_NE(run(L"(ssget)").find(L"; error: Function cancelled"), std::wstring::npos);
  answer({L"5,0"});
  EXPECT_EQ(run(L"(setq e (entsel \"\\nLigne : \")) (list (equal (car e) (handent \"" +
                handleOf(l) + L"\")) (cadr e))"),
            L"(T (5.0 0.0 0.0))");
  answer({L"50,50"});
  EXPECT_EQ(run(L"(entsel)"), L"nil");
  // nentselp with a point on the attribute: the attribute and the point only.
  EXPECT_EQ(
      run(L"(setq e (nentselp '(31.0 30.7))) (list (length e) (cdr (assoc 0 (entget (car e)))))"),
      L"(2 \"ATTRIB\")");
  // On the block's circle: the circle of the definition, its 4x4 transform and the reference.
  EXPECT_EQ(run(L"(setq e (nentselp \"\" '(30.5 30.0))) (list (length e) (cdr (assoc 0 (entget "
                L"(car e)))) "
                L"(nth 3 (nth 0 (caddr e))) (length (nth 3 e)))"),
            L"(4 \"CIRCLE\" 30.0 1)");
  answer({L"30.5,30"});
  EXPECT_EQ(run(L"(setq e (nentsel)) (list (length e) (nth 3 (caddr e)))"), L"(4 (30.0 30.0 0.0))");
}

}  // namespace
