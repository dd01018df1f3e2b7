// Transient vectors (kept until the next redraw or regeneration) and grread over scripted input.
#include "ed/aced.h"
#include "ed/acedgraph.h"
#include "ed/host_commands.h"
#include "ed/view.h"
#include "ed_fixture.h"
#include "lisp/interpreter.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"

namespace {

class GraphicsTest : public ScriptedEditor {
 protected:
  void SetUp() override {
    acDocManager->closeAll();
    ed::registerHostCommands();
    document = acDocManager->newDocument();
    ASSERT_NE(document, nullptr);
  }
  void TearDown() override { acDocManager->closeAll(); }

  std::wstring lisp(const std::wstring& text) {
    return acDocManager->curDocument()->interpreter().evaluateToText(text);
  }
  size_t drawn() { return ed::transientVectors().size(); }

  AcApDocument* document = nullptr;
};

TEST_F(GraphicsTest, VectorsAreKeptUntilTheNextRegeneration) {
  ads_point a = {1, 2, 0}, b = {4, 6, 0};
  ASSERT_EQ(acedGrDraw(a, b, 1, 0), RTNORM);
  ASSERT_EQ(drawn(), 1u);
  const AcApViewState::TransientVector& v = ed::transientVectors()[0];
  EXPECT_EQ(v.from, AcGePoint3d(1, 2, 0));
  EXPECT_EQ(v.to, AcGePoint3d(4, 6, 0));
  EXPECT_EQ(v.color, 1);
  EXPECT_FALSE(v.highlighted);

  EXPECT_EQ(lisp(L"(grdraw '(0 0) '(10 0 5) -1 1)"), L"nil");
  ASSERT_EQ(drawn(), 2u);
  EXPECT_EQ(ed::transientVectors()[1].to, AcGePoint3d(10, 0, 5));
  EXPECT_TRUE(ed::transientVectors()[1].highlighted);
  EXPECT_NE(lisp(L"(grdraw '(0 0) \"a\" 1)").find(L"bad argument"), std::wstring::npos);

  AcEdCommandOutcome outcome = acedRunCommand(L"REGEN");
  EXPECT_TRUE(outcome.found);
  EXPECT_NE(transcript().find(L"Régénération du dessin."), std::wstring::npos);
  EXPECT_EQ(drawn(), 0u);

  // A zoom regenerates too, and so does (redraw) without an entity.
  acedGrDraw(a, b, 2, 0);
  answer({L"2x"});
  acedRunCommand(L"ZOOM");
  EXPECT_EQ(drawn(), 0u);
  acedGrDraw(a, b, 2, 0);
  EXPECT_EQ(lisp(L"(redraw)"), L"nil");
  EXPECT_EQ(drawn(), 0u);
}

TEST_F(GraphicsTest, VectorsBelongToTheViewTheyWereDrawnIn) {
  ads_point a = {0, 0, 0}, b = {1, 1, 0};
  acedGrDraw(a, b, 3, 0);
  AcApDocument* other = acDocManager->newDocument();
  EXPECT_EQ(drawn(), 0u);
  acedGrDraw(a, b, 3, 0);
  acDocManager->setCurDocument(document, AcAp::kNone, true);
  EXPECT_EQ(drawn(), 0u);
  EXPECT_TRUE(other->viewState().transients.empty());
}

TEST_F(GraphicsTest, VectorListsWithColoursAndATransform) {
  EXPECT_EQ(lisp(L"(grvecs '(1 (0 0) (1 0) -3 (0 0) (0 1) (2 2) (3 3)))"), L"nil");
  ASSERT_EQ(drawn(), 3u);
  const auto& v = ed::transientVectors();
  EXPECT_EQ(v[0].color, 1);
  EXPECT_FALSE(v[0].highlighted);
  EXPECT_EQ(v[1].color, 3);
  EXPECT_TRUE(v[1].highlighted);
  EXPECT_EQ(v[2].to, AcGePoint3d(3, 3, 0));

  // Scaled by 2 and moved by (10, 20).
  lisp(L"(redraw)");
  lisp(L"(grvecs '(5 (1 1) (2 3)) '((2 0 0 10) (0 2 0 20) (0 0 1 0) (0 0 0 1)))");
  ASSERT_EQ(drawn(), 1u);
  EXPECT_EQ(ed::transientVectors()[0].from, AcGePoint3d(12, 22, 0));
  EXPECT_EQ(ed::transientVectors()[0].to, AcGePoint3d(14, 26, 0));

  // A point without its pair: nothing is drawn.
  resbuf color{}, lone{};
  color.restype = RTSHORT;
  color.resval.rint = 1;
  color.rbnext = &lone;
  lone.restype = RTPOINT;
  EXPECT_EQ(acedGrVecs(&color, nullptr), RTERROR);
  EXPECT_EQ(drawn(), 1u);
}

TEST_F(GraphicsTest, GrreadGivesPicksKeysAndTrackedMovements) {
  answer({L">5,5", L"3,4", L"ab", L"", L">1,2", L"@1,1", L"^C"});
  int type = 0;
  resbuf rb{};
  // Movements are skipped unless tracked.
  ASSERT_EQ(acedGrRead(0, &type, &rb), RTNORM);
  EXPECT_EQ(type, 3);
  EXPECT_EQ(rb.restype, RT3DPOINT);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[0], 3.0);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[1], 4.0);
  // A typed line gives one key per call; its end gives no key of its own.
  int keys[2];
  for (int& key : keys) {
    ASSERT_EQ(acedGrRead(0, &type, &rb), RTNORM);
    EXPECT_EQ(type, 2);
    EXPECT_EQ(rb.restype, RTSHORT);
    key = rb.resval.rint;
  }
  EXPECT_EQ(keys[0], 'a');
  EXPECT_EQ(keys[1], 'b');
  // An empty line is Enter.
  ASSERT_EQ(acedGrRead(GRREAD_TRACK, &type, &rb), RTNORM);
  EXPECT_EQ(type, 2);
  EXPECT_EQ(rb.resval.rint, 13);
  ASSERT_EQ(acedGrRead(GRREAD_TRACK, &type, &rb), RTNORM);
  EXPECT_EQ(type, 5);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[1], 2.0);
  ASSERT_EQ(acedGrRead(0, &type, &rb), RTNORM);
  EXPECT_EQ(type, 3);  // relative to the last point entered (the origin here)
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[0], 1.0);
  EXPECT_EQ(acedGrRead(0, &type, &rb), RTCAN);
  EXPECT_EQ(acedGrRead(0, &type, &rb), RTCAN);  // nothing left
}

TEST_F(GraphicsTest, KeysLeftByGrreadGoToTheNextPrompt) {
  answer({L"x3,4", L"y1,2"});
  int type = 0;
  resbuf rb{};
  ASSERT_EQ(acedGrRead(0, &type, &rb), RTNORM);
  EXPECT_EQ(rb.resval.rint, 'x');
  // What grread has not given yet is what the next prompt receives.
  ads_point p;
  ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTNORM);
  EXPECT_DOUBLE_EQ(p[0], 3.0);
  EXPECT_DOUBLE_EQ(p[1], 4.0);
  // The rest of a line is keys to come, even when it reads as a point.
  ASSERT_EQ(acedGrRead(0, &type, &rb), RTNORM);
  EXPECT_EQ(rb.resval.rint, 'y');
  ASSERT_EQ(acedGrRead(0, &type, &rb), RTNORM);
  EXPECT_EQ(type, 2);
  EXPECT_EQ(rb.resval.rint, '1');
}

TEST_F(GraphicsTest, LispGrreadReturnsTypeAndValue) {
  answer({L">1,2", L"q", L"7,8,9", L"^C"});
  EXPECT_EQ(lisp(L"(grread T)"), L"(5 (1.0 2.0 0.0))");
  EXPECT_EQ(lisp(L"(grread)"), L"(2 113)");
  EXPECT_EQ(lisp(L"(grread)"), L"(3 (7.0 8.0 9.0))");
  EXPECT_EQ(lisp(L"(grread)"), L"; error: Function cancelled");
}

}  // namespace
