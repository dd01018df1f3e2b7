// The point LISP functions called as drawing routines call them, on a project designated for a
// drawing: what they leave in the table and in the drawing, and what they give back.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "codification/globalCodification.h"
#include "codification/lispCodification.h"
#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "ed/ed_fixture.h"
#include "lisp/acedads.h"
#include "lisp/interpreter.h"
#include "lisp/reader.h"
#include "points/attribsPoints.h"
#include "points/lispPoints.h"
#include "points/listePointsDuDessin.h"
#include "points/stockageTopo.h"
#include "rx/acdocman.h"
#include "tools/module_functions.h"

namespace {

class PointsLisp : public ScriptedEditor {
 protected:
  PointsLisp() {
    acDocManager->closeAll();
    oublierGlobalCodification();
    oublierModeNumero();
    oublierCodeSelectionne();
    globalPointScale = 1.0;
    document_ = acDocManager->newDocument();
    document_->interpreter().setExternalHandler(&functions_);
    setSrcInfosTopo(document_->database(), &project_, 1, 0);
    eval(L"(defun poignee (e) (cdr (assoc 5 (entget e))))");
    eval(L"(defun poignees (ss / i r) (setq i 0) (repeat (sslength ss) (setq r (cons (poignee "
         L"(ssname ss i)) r) i (1+ i))) (reverse r))");
  }
  ~PointsLisp() override {
    EXPECT_EQ(document_->database()->openObjectCount(), 0);
    setSrcInfosTopo(nullptr, nullptr, 0, 0);
    acDocManager->closeAll();
    globalPointScale = 1.0;
    oublierGlobalCodification();
  }

  std::wstring eval(const std::wstring& source) {
    lisp::EvalResult result = document_->interpreter().evaluate(source);
    return result.ok ? lisp::printValue(result.value, true) : result.error;
  }
  listePointsDuDessin& table() { return *project_.currTable(); }
  const pointDuDessin& point(int i) { return *table().getData(i); }

  // The block references of model space, and the name of the block each one shows.
  std::vector<std::wstring> blocks() {
    std::vector<std::wstring> names;
    AcDbBlockTableRecord* space = nullptr;
    acdbOpenObject(space, document_->database()->modelSpaceId(), AcDb::kForRead);
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    for (; !it->done(); it->step()) {
      AcDbEntity* entity = nullptr;
      if (it->getEntity(entity, AcDb::kForRead) != Acad::eOk) continue;
      if (auto* reference = AcDbBlockReference::cast(entity)) {
        AcDbBlockTableRecord* block = nullptr;
        const ACHAR* name = L"";
        if (acdbOpenObject(block, reference->blockTableRecord(), AcDb::kForRead) == Acad::eOk) {
          block->getName(name);
          names.push_back(name);
          block->close();
        }
      }
      entity->close();
    }
    delete it;
    space->close();
    return names;
  }

  FonctionsModule functions_{{
      {L"ADD_PT", lispAddPt},         {L"TPCDADDPT", lispTpcdAddPt},   {L"ENAME_PT", lispEnamePt},
      {L"MAXNUM", lispMaxNum},        {L"SELECT_ALL", lispSelectAll},  {L"SELONCODE", lispSelonCode},
      {L"SELONNUM", lispSelonNum},    {L"REG_PTS", lispRegPts},        {L"CHGREPPTS", lispChgRepPts},
      {L"UPDARXTTXT", lispUpdArxtTxt}, {L"C:ZOOMLEVE", lispZoomLeve}, {L"C:TOPJNDRE", lispTopJndre},
      {L"SELECTIONNERCODE", lispSelectionnerCode}}};
  projetsTopo project_;
  AcApDocument* document_ = nullptr;
};

TEST_F(PointsLisp, TpcdaddptReplacesAPointWhereAddPtAddsASecondOne) {
  eval(L"(tpcdaddpt \"A1\" 42 '(10.0 20.0) 5.0 \"\")");
  eval(L"(tpcdaddpt \"a1\" \"17abc\" '(11.0 21.0 99.0) nil \"borne\")");
  ASSERT_EQ(table().nbPoint(), 1);
  EXPECT_EQ(blocks().size(), 1u);
  EXPECT_EQ(point(0).getCode(), 17);
  EXPECT_EQ(point(0).getX(), 11.0);
  EXPECT_EQ(point(0).getZ(), kSansValeur);

  eval(L"(add_pt \"B\" 0 '(1.0 2.0) 3 \"\")");
  eval(L"(add_pt \"B\" 42.9 '(1.5 2.5) 3 \"\")");
  ASSERT_EQ(table().nbPoint(), 3);
  EXPECT_EQ(blocks().size(), 3u);
  EXPECT_EQ(point(1).getCode(), 1);  // out of 1..9999
  EXPECT_EQ(point(2).getCode(), 42);
  eval(L"(tpcdaddpt \"C\" 12000 '(0.0 0.0) 1 \"\")");
  EXPECT_EQ(point(3).getCode(), 1);
}

TEST_F(PointsLisp, AltitudesPositionsAndArgumentsRefused) {
  eval(L"(add_pt \"1\" 5 '(1.0 2.0 3.0) \"12.5\" \"mur\")");
  eval(L"(add_pt \"2\" 5 '(1.0 2.0) \"abc\" \"\")");
  eval(L"(add_pt \"3\" 5 '(1 2) 7 \"\")");
  eval(L"(add_pt \"4\" 5 '(1.0 2.0) \" -0.25 \" 8)");
  ASSERT_EQ(table().nbPoint(), 4);
  EXPECT_EQ(point(0).getZ(), 12.5);
  EXPECT_EQ(point(1).getZ(), kSansValeur);
  EXPECT_EQ(point(2).getZ(), 7.0);
  EXPECT_EQ(point(3).getZ(), -0.25);
  EXPECT_EQ(point(2).getY(), 2.0);

  // Refused by add_pt with nil: name, code, position, too few arguments.
  EXPECT_EQ(eval(L"(add_pt 5 5 '(1.0 2.0) 1.0 \"\")"), L"nil");
  EXPECT_EQ(eval(L"(add_pt \"5\" \"5\" '(1.0 2.0) 1.0 \"\")"), L"nil");
  EXPECT_EQ(eval(L"(add_pt \"5\" 5 \"ici\" 1.0 \"\")"), L"nil");
  EXPECT_EQ(eval(L"(add_pt \"5\" 5 '(1.0 2.0) 1.0)"), L"nil");
  // Refused by tpcdaddpt: a string altitude, an observation that is no string, four arguments.
  eval(L"(tpcdaddpt \"1\" 5 '(1.0 2.0) \"1.0\" \"\")");
  eval(L"(tpcdaddpt \"1\" 5 '(1.0 2.0) 1.0 nil)");
  EXPECT_EQ(eval(L"(tpcdaddpt \"1\" 5 '(1.0 2.0) 1.0)"), L"nil");
  EXPECT_EQ(table().nbPoint(), 4);
  EXPECT_EQ(blocks().size(), 4u);
  EXPECT_EQ(point(0).getZ(), 12.5);
}

TEST_F(PointsLisp, MaxnumReadsTheLeadingNumberOfEachName) {
  EXPECT_EQ(eval(L"(maxnum)"), L"1");
  for (const wchar_t* name : {L"7", L"12A", L"B", L"-40"}) {
    table().Ajouter([&] {
      pointDuDessin p;
      p.setParams(name, AcGePoint3d(0, 0, 0), 1);
      return p;
    }());
  }
  EXPECT_EQ(eval(L"(maxnum)"), L"13");
}

TEST_F(PointsLisp, SelectionsHoldTheBlocksInTableOrder) {
  eval(L"(tpcdaddpt \"P5\" 42 '(5.0 0.0) nil \"\")");
  eval(L"(tpcdaddpt \"P3\" 7 '(3.0 0.0) nil \"\")");
  eval(L"(tpcdaddpt \"Q4\" 42 '(4.0 0.0) nil \"\")");
  eval(L"(tpcdaddpt \"P9\" 42 '(9.0 0.0) nil \"\")");
  const std::wstring p5 = eval(L"(poignee (ename_pt \"p5\"))");
  const std::wstring p3 = eval(L"(poignee (ename_pt \"P3\"))");
  const std::wstring q4 = eval(L"(poignee (ename_pt \"Q4\"))");
  const std::wstring p9 = eval(L"(poignee (ename_pt \"P9\"))");
  EXPECT_NE(p5, p3);
  EXPECT_EQ(eval(L"(poignees (select_all))"), L"(" + p5 + L" " + p3 + L" " + q4 + L" " + p9 + L")");
  EXPECT_EQ(eval(L"(poignees (seloncode 42))"), L"(" + p5 + L" " + q4 + L" " + p9 + L")");
  EXPECT_EQ(eval(L"(sslength (seloncode 8))"), L"0");
  // The bounds are swapped; Q4 has another prefix and P4 does not exist.
  EXPECT_EQ(eval(L"(poignees (selonnum \"P\" 5 3))"), L"(" + p3 + L" " + p5 + L")");

  EXPECT_EQ(eval(L"(ename_pt \"P6\")"), L"nil");
  EXPECT_EQ(eval(L"(seloncode 42.0)"), L"nil");
  EXPECT_EQ(eval(L"(seloncode)"), L"nil");
  EXPECT_EQ(eval(L"(selonnum \"P\" 3)"), L"nil");
  EXPECT_EQ(eval(L"(selonnum 1 3 5)"), L"nil");
}

TEST_F(PointsLisp, RegPtsAndChgrepptsChangeOnlyTheBlocks) {
  eval(L"(tpcdaddpt \"1\" 42 '(10.0 10.0) 1.5 \"\")");
  eval(L"(tpcdaddpt \"2\" 5 '(20.0 10.0) 2.5 \"\")");
  const std::vector<std::wstring> before = blocks();
  ASSERT_EQ(before.size(), 2u);

  eval(L"(chgreppts 42 \"biblio\\\\JALOBLK3\")");
  const std::vector<std::wstring> after = blocks();
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[0], L"jaloblk3");
  EXPECT_EQ(after[1], before[1]);
  eval(L"(chgreppts \"42\" \"biblio\\\\jaloblk1\")");
  eval(L"(chgreppts 42 \"biblio\\\\absent\")");
  EXPECT_EQ(blocks(), after);

  // The table's coordinates move the block.
  table().getData(0)->setXY(15.0, 12.0, 1.5);
  eval(L"(reg_pts)");
  EXPECT_EQ(eval(L"(cdr (assoc 10 (entget (ename_pt \"1\"))))"), L"(15.0 12.0 0.0)");
  EXPECT_EQ(eval(L"(length (poignees (select_all)))"), L"2");
}

TEST_F(PointsLisp, UpdarxttxtSetsThePointScale) {
  eval(L"(updarxttxt -2.5)");
  EXPECT_EQ(globalPointScale, 2.5);
  eval(L"(updarxttxt \"3\")");
  EXPECT_EQ(globalPointScale, 2.5);
  eval(L"(updarxttxt 0)");
  EXPECT_EQ(globalPointScale, 1.0);
  eval(L"(updarxttxt 4)");
  eval(L"(updarxttxt 1e-7)");
  EXPECT_EQ(globalPointScale, 1.0);
}

TEST_F(PointsLisp, ZoomLeveFramesThePointsWithAMarginOfAtMostOneUnit) {
  eval(L"(tpcdaddpt \"1\" 1 '(100.0 50.0) nil \"\")");
  eval(L"(c:ZoomLeve)");
  EXPECT_NE(transcript().find(L"\nPas de points dans cette table"), std::wstring::npos);
  EXPECT_FALSE(document_->viewState().zoomed);

  eval(L"(tpcdaddpt \"2\" 1 '(500.0 70.0) nil \"\")");
  eval(L"(c:ZoomLeve)");
  const AcApViewState& view = document_->viewState();
  ASSERT_TRUE(view.zoomed);
  EXPECT_EQ(view.windowMin, AcGePoint3d(99.0, 49.5, 0.0));  // 400 units: 1.0; 20 units: 0.5
  EXPECT_EQ(view.windowMax, AcGePoint3d(501.0, 70.5, 0.0));
}

class TopJndre : public PointsLisp {
 protected:
  TopJndre() {
    for (int n = 1; n <= 12; ++n) {
      const int code = n == 6 ? 7 : 1;
      eval(L"(tpcdaddpt \"" + std::to_wstring(n) + L"\" " + std::to_wstring(code) + L" '(" +
           std::to_wstring(n) + L" " + std::to_wstring(n * n) + L") nil \"\")");
    }
    eval(L"(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0)))");
    line_ = eval(L"(poignee (entlast))");
  }
  // The vertices of the last entity, or its type when it is no polyline.
  std::wstring lastPolyline() {
    return eval(L"(if (= (cdr (assoc 0 (entget (entlast)))) \"LWPOLYLINE\") (progn (setq r nil) "
                L"(foreach g (entget (entlast)) (if (= (car g) 10) (setq r (cons (cdr g) r)))) "
                L"(reverse r)) (cdr (assoc 0 (entget (entlast)))))");
  }
  std::wstring line_;
};

TEST_F(TopJndre, VisitsFromFirstToLastByTheIncrement) {
  answer({L"10", L"4", L"T", L"2"});
  eval(L"(c:TopJndre)");
  EXPECT_EQ(lastPolyline(), L"((10.0 100.0) (8.0 64.0) (6.0 36.0) (4.0 16.0))");
  EXPECT_NE(transcript().find(L"\n\nNumero de départ / Sel :10"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"\nIncrement [1] :2"), std::wstring::npos);

  // Code 1 leaves point 6 out; the sign of the increment follows first and last; a name that is
  // no point is passed over.
  answer({L"3", L"13", L"1", L"-3"});
  eval(L"(c:TopJndre)");
  EXPECT_EQ(lastPolyline(), L"((3.0 9.0) (9.0 81.0) (12.0 144.0))");
  answer({L"5", L"6", L"1", L""});
  eval(L"(c:TopJndre)");
  EXPECT_EQ(lastPolyline(), L"((3.0 9.0) (9.0 81.0) (12.0 144.0))");  // one vertex: nothing drawn
}

TEST_F(TopJndre, StopsOnEqualEndsZeroIncrementOrCancel) {
  const std::wstring before = lastPolyline();
  for (std::deque<std::wstring> answers : {std::deque<std::wstring>{L"4", L"4", L"T", L"1"},
                                           std::deque<std::wstring>{L"4", L"8", L"T", L"0"},
                                           std::deque<std::wstring>{L"4", L"^C"},
                                           std::deque<std::wstring>{L"4", L"8", L"^C"},
                                           std::deque<std::wstring>{L"4", L"8", L"T", L"x"}}) {
    answer(answers);
    eval(L"(c:TopJndre)");
    EXPECT_EQ(lastPolyline(), before);
  }
}

TEST_F(TopJndre, NumbersPickedFromBlocksAndTheModeIsKept) {
  const std::wstring block8 = eval(L"(poignee (ename_pt \"8\"))");
  const std::wstring block2 = eval(L"(poignee (ename_pt \"2\"))");
  auto pick = [](const std::wstring& handle) { return L"#" + handle.substr(1, handle.size() - 2); };
  answer({L"S", pick(line_), pick(block8), pick(block2), L"T", L"3"});
  eval(L"(c:TopJndre)");
  EXPECT_EQ(lastPolyline(), L"((8.0 64.0) (5.0 25.0) (2.0 4.0))");
  EXPECT_NE(transcript().find(L"\nCe n'est pas un block Arpenta"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"\n\nNumero de fin / Numero :"), std::wstring::npos);

  // Still picking at the next call; typed text goes back to numbers, which must be above 0.
  answer({L"N", L"0", L"1", L"2", L"T", L""});
  eval(L"(c:TopJndre)");
  EXPECT_EQ(lastPolyline(), L"((1.0 1.0) (2.0 4.0))");
  EXPECT_NE(transcript().find(L"\n\nNumero de départ / Numero :N"), std::wstring::npos);
}

}  // namespace
