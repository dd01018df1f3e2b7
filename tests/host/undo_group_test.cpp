#include <gtest/gtest.h>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "db/dbundo.h"
#include "host/CAcadUndoGroup.h"
#include "rx/acdocman.h"

namespace {

int modelSpaceCount(AcDbDatabase* database) {
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, database->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return -1;
  int count = 0;
  AcDbBlockTableRecordIterator* it = nullptr;
  space->newIterator(it);
  for (; !it->done(); it->step()) ++count;
  delete it;
  space->close();
  return count;
}

// One command's worth of change: a line added inside its own undo step.
void addLineAsCommand(AcDbDatabase* database, double x) {
  UndoJournal& journal = database->undoJournal();
  journal.beginStep();
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, database->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto* line = new AcDbLine(AcGePoint3d(x, 0, 0), AcGePoint3d(x, 1, 0));
  ASSERT_EQ(space->appendAcDbEntity(line), Acad::eOk);
  line->close();
  space->close();
  journal.endStep();
}

TEST(UndoGroup, CommandsInsideTheGroupUndoAsOneStep) {
  AcApDocument* document = acDocManager->newDocument();
  ASSERT_NE(document, nullptr);
  AcDbDatabase* database = document->database();
  acdbHostApplicationServices()->setWorkingDatabase(database);
  addLineAsCommand(database, -1);
  {
    CAcadUndoGroup group;
    EXPECT_TRUE(group.isOpen());
    addLineAsCommand(database, 1);
    addLineAsCommand(database, 2);
    addLineAsCommand(database, 3);
  }
  EXPECT_EQ(modelSpaceCount(database), 4);
  ASSERT_EQ(database->undoJournal().undoLastStep(), Acad::eOk);
  EXPECT_EQ(modelSpaceCount(database), 1);  // the line made before the group stays
  acDocManager->closeAll();
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

TEST(UndoGroup, WithoutADrawingNothingIsOpened) {
  acDocManager->closeAll();
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  CAcadUndoGroup none;
  EXPECT_FALSE(none.isOpen());

  // A database that no document shows cannot take a group either.
  AcDbDatabase loose(true, false);
  CAcadUndoGroup orphan(&loose);
  EXPECT_FALSE(orphan.isOpen());
  EXPECT_EQ(loose.undoJournal().undoMarkDepth(), 0);
}

TEST(UndoGroup, DrawingClosedDuringTheGroup) {
  AcApDocument* document = acDocManager->newDocument();
  ASSERT_NE(document, nullptr);
  {
    CAcadUndoGroup group(document->database());
    EXPECT_TRUE(group.isOpen());
    EXPECT_EQ(document->undoMarkDepth(), 1);
    acDocManager->closeDocument(document);
  }  // ends without touching the closed drawing
  EXPECT_EQ(acDocManager->documentCount(), 0);
}

}  // namespace
