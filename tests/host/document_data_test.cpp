// Each drawing has its own survey project while no other module hands one over: designated when
// the drawing becomes current, read from the drawing the first time, gone with the drawing.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "module_fixture.h"
#include "points/listePointsDuDessin.h"
#include "tools/command_output.h"

namespace {

class DocumentProjects : public ModuleHost {
 protected:
  void SetUp() override {
    ModuleHost::SetUp();
    defineHelpers();
  }
  void TearDown() override {
    ModuleHost::TearDown();
    std::filesystem::remove(file_);
  }
  // LISP helpers live in each drawing's own interpreter.
  void defineHelpers() {
    eval(L"(defun poignee (e) (cdr (assoc 5 (entget e))))");
    eval(L"(defun poignees (ss / i r) (setq i 0) (repeat (sslength ss) (setq r (cons (poignee "
         L"(ssname ss i)) r) i (1+ i))) (reverse r))");
  }
  std::filesystem::path file_ =
      std::filesystem::temp_directory_path() / ("document_data_" + std::to_string(getpid()) + ".dxf");
};

TEST_F(DocumentProjects, EachDrawingWorksOnItsOwnPoints) {
  AcApDocument* first = document;
  eval(L"(tpcdaddpt \"5\" 1 '(0.0 0.0) nil \"\")");
  EXPECT_EQ(eval(L"(maxnum)"), L"6");

  AcApDocument* second = acDocManager->newDocument();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(eval(L"(maxnum)"), L"1");
  eval(L"(tpcdaddpt \"1\" 1 '(0.0 0.0) nil \"\")");
  EXPECT_EQ(eval(L"(maxnum)"), L"2");

  ASSERT_EQ(acDocManager->activateDocument(first), Acad::eOk);
  EXPECT_EQ(eval(L"(maxnum)"), L"6");
  ASSERT_EQ(acDocManager->activateDocument(second), Acad::eOk);
  EXPECT_EQ(eval(L"(maxnum)"), L"2");

  // Closing the current drawing hands the work back to the other one's points.
  ASSERT_EQ(acDocManager->closeDocument(second), Acad::eOk);
  EXPECT_EQ(acDocManager->curDocument(), first);
  EXPECT_EQ(eval(L"(maxnum)"), L"6");
  // A new drawing has nothing stored: nothing is read.
  EXPECT_EQ(transcript().find(L"Lecture des données Topo"), std::wstring::npos);
}

TEST_F(DocumentProjects, PointsComeBackWhenTheSavedDrawingIsOpened) {
  eval(L"(tpcdaddpt \"12\" 42 '(100.0 200.0) 57.126 \"borne\")");
  eval(L"(add_pt \"B7\" 5 '(110.0 205.0) \"abc\" \"\")");
  eval(L"(add_pt \"3\" 42 '(120.0 190.0) 1 \"\")");
  const std::wstring handles = eval(L"(poignees (select_all))");
  const std::wstring code42 = eval(L"(poignees (seloncode 42))");
  ASSERT_EQ(acDocManager->saveDocument(document, file_.wstring().c_str()), Acad::eOk);
  ASSERT_EQ(acDocManager->closeDocument(document), Acad::eOk);

  clearTranscript();
  document = acDocManager->openDocument(file_.wstring().c_str());
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(transcript(), L"\nLecture des données Topo");
  defineHelpers();
  EXPECT_EQ(eval(L"(poignees (select_all))"), handles);
  EXPECT_EQ(eval(L"(poignees (seloncode 42))"), code42);
  EXPECT_EQ(eval(L"(maxnum)"), L"13");

  const std::string codes =
      commandOutput("/usr/bin/python3 " TEST_TOOLS_DIR "/point_record.py '" + file_.string() + "'");
  EXPECT_EQ(codes.rfind("90 90 300 90 92 310 90 40 40 40 330 92 310", 0), 0u) << codes;
}

TEST_F(DocumentProjects, ADrawingSavedWhileAnotherIsCurrentKeepsItsOwnPoints) {
  AcApDocument* first = document;
  eval(L"(tpcdaddpt \"20\" 1 '(0.0 0.0) nil \"\")");
  AcApDocument* second = acDocManager->newDocument();
  eval(L"(tpcdaddpt \"1\" 1 '(5.0 5.0) nil \"\")");
  ASSERT_EQ(acDocManager->saveDocument(first, file_.wstring().c_str()), Acad::eOk);
  EXPECT_EQ(eval(L"(maxnum)"), L"2");  // the current drawing still works on its own points
  ASSERT_EQ(acDocManager->closeDocument(first), Acad::eOk);
  ASSERT_EQ(acDocManager->curDocument(), second);

  document = acDocManager->openDocument(file_.wstring().c_str());
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(eval(L"(maxnum)"), L"21");
}

TEST_F(DocumentProjects, AProjectHandedOverByAnotherModuleStaysInUse) {
  using Designate = void (*)(AcDbDatabase*, projetsTopo*, int, int);
  auto designate = reinterpret_cast<Designate>(
      acrxDynamicLinker->getSymbolAddress(modulePath().c_str(), "setSrcInfosTopo"));
  ASSERT_NE(designate, nullptr);
  eval(L"(tpcdaddpt \"5\" 1 '(0.0 0.0) nil \"\")");

  {
    projetsTopo outside;
    pointDuDessin point;
    point.setParams(L"41", AcGePoint3d(1.0, 2.0, 3.0), 1);
    outside.currTable()->Ajouter(point);
    designate(database(), &outside, 1, 0);
    EXPECT_EQ(eval(L"(maxnum)"), L"42");
    acDocManager->newDocument();
    EXPECT_EQ(eval(L"(maxnum)"), L"42");
    designate(nullptr, nullptr, 0, 0);
  }
  // Once the other module lets go, the drawings' own projects come back at the next change.
  ASSERT_EQ(acDocManager->activateDocument(document), Acad::eOk);
  EXPECT_EQ(eval(L"(maxnum)"), L"6");
}

}  // namespace
