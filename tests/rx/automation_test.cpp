#include <gtest/gtest.h>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "db/dbundo.h"
#include "rx/acaxdoc.h"
#include "rx/acdocman.h"

namespace {

class AutomationTest : public ::testing::Test {
 protected:
  void SetUp() override { document = acDocManager->newDocument(); }
  void TearDown() override { acDocManager->closeAll(); }
  AcApDocument* document = nullptr;
};

TEST_F(AutomationTest, UndoMarksReachTheJournalOncePerOutermostGroup) {
  int starts = 0, ends = 0;
  document->setUndoMarkHooks([&] { ++starts; }, [&] { ++ends; });
  AcAxDocument* ax = document->acadDocument();
  EXPECT_EQ(ax->invoke(L"StartUndoMark"), S_OK);
  EXPECT_EQ(ax->invoke(L"startundomark"), S_OK);
  EXPECT_EQ(document->undoMarkDepth(), 2);
  EXPECT_EQ(ax->invoke(L"EndUndoMark"), S_OK);
  EXPECT_EQ(ends, 0);
  EXPECT_EQ(ax->invoke(L"ENDUNDOMARK"), S_OK);
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(ends, 1);
  // A stray end changes nothing.
  EXPECT_EQ(ax->invoke(L"EndUndoMark"), S_OK);
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(document->undoMarkDepth(), 0);

  EXPECT_EQ(ax->invoke(L"Regen"), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(ax->invoke(L"StartUndoMark", {1.0}), DISP_E_BADPARAMCOUNT);
}

// Without hooks of its own, a document's marks group its drawing's journal: two commands between
// StartUndoMark and EndUndoMark are undone at once.
TEST_F(AutomationTest, UndoMarksGroupTheDrawingsCommandsByDefault) {
  AcDbDatabase* db = document->database();
  UndoJournal& journal = db->undoJournal();
  auto addLine = [&](double y) {
    journal.beginStep();
    AcDbBlockTableRecord* model = nullptr;
    ASSERT_EQ(acdbOpenObject(model, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* line = new AcDbLine(AcGePoint3d(0, y, 0), AcGePoint3d(1, y, 0));
    model->appendAcDbEntity(line);
    line->close();
    model->close();
    journal.endStep();
  };
  addLine(0.0);
  AcAxDocument* ax = document->acadDocument();
  ASSERT_EQ(ax->invoke(L"StartUndoMark"), S_OK);
  addLine(1.0);
  addLine(2.0);
  ASSERT_EQ(ax->invoke(L"EndUndoMark"), S_OK);
  EXPECT_EQ(journal.stepCount(), 2);
  ASSERT_EQ(journal.undoLastStep(), Acad::eOk);
  AcDbBlockTableRecord* model = nullptr;
  ASSERT_EQ(acdbOpenObject(model, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
  int lines = 0;
  for (const AcDbObjectId& id : model->entityIds()) lines += id.isErased() ? 0 : 1;
  model->close();
  EXPECT_EQ(lines, 1);
}

TEST_F(AutomationTest, ZoomWindowRecordsTheWindowOfTheActiveDocument) {
  AcAxApplication* app = acedGetAcadApplication();
  EXPECT_FALSE(document->viewState().zoomed);
  ASSERT_EQ(app->invoke(L"ZoomWindow", {AcGePoint3d(100, 5, 0), AcGePoint3d(10, 50, 0)}), S_OK);
  const AcApViewState& view = document->viewState();
  EXPECT_TRUE(view.zoomed);
  EXPECT_EQ(view.windowMin, AcGePoint3d(10, 5, 0));
  EXPECT_EQ(view.windowMax, AcGePoint3d(100, 50, 0));

  EXPECT_EQ(app->invoke(L"ZoomWindow", {AcGePoint3d(0, 0, 0)}), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(app->invoke(L"ZoomWindow", {AcGePoint3d(0, 0, 0), std::wstring(L"x")}), E_INVALIDARG);

  AcApDocument* other = acDocManager->newDocument();
  app->invoke(L"zoomwindow", {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)});
  EXPECT_EQ(other->viewState().windowMax, AcGePoint3d(1, 1, 0));
  EXPECT_EQ(document->viewState().windowMax, AcGePoint3d(100, 50, 0));

  acDocManager->closeAll();
  EXPECT_EQ(app->invoke(L"ZoomWindow", {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)}), E_FAIL);
}

}  // namespace
