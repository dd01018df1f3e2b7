// Database reactors: every change of an object reaches them (additions, write-closes, erasures,
// undo), the database's end is told, and a reactor removed hears nothing more.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/dbpoly.h"
#include "db/dbreactor.h"
#include "db/dbundo.h"
#include "db/entity_test_util.h"

namespace {

using enttest::Opened;

// Notices as "kind handle" lines, in the order they came.
class Recorder : public AcDbDatabaseReactor {
 public:
  void objectAppended(const AcDbDatabase*, const AcDbObject* object) override { log("appended", object); }
  void objectModified(const AcDbDatabase*, const AcDbObject* object) override { log("modified", object); }
  void objectErased(const AcDbDatabase*, const AcDbObject* object, bool erased) override {
    log(erased ? "erased" : "unerased", object);
  }
  void goodbye(const AcDbDatabase* database) override { ended.push_back(database); }

  bool heard(const std::string& kind, AcDbObjectId id) const {
    std::string line = kind + " " + id.handle().toHex();
    for (const std::string& l : lines)
      if (l == line) return true;
    return false;
  }

  std::vector<std::string> lines;
  std::vector<const AcDbDatabase*> ended;

 private:
  void log(const char* kind, const AcDbObject* object) {
    lines.push_back(std::string(kind) + " " + object->objectHandle().toHex());
  }
};

class DatabaseReactorTest : public enttest::DrawingTest {
 protected:
  void SetUp() override { db_.addReactor(&recorder_); }
  void TearDown() override { db_.removeReactor(&recorder_); }
  Recorder recorder_;
};

TEST_F(DatabaseReactorTest, AdditionsWritesAndErasuresAreTold) {
  AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));
  EXPECT_TRUE(recorder_.heard("appended", line));
  EXPECT_TRUE(recorder_.heard("modified", line));  // its creator closed it
  EXPECT_TRUE(recorder_.heard("modified", db_.modelSpaceId()));

  recorder_.lines.clear();
  { Opened<AcDbLine> read(line); }
  EXPECT_TRUE(recorder_.lines.empty()) << "a read is no change";
  {
    Opened<AcDbLine> write(line, AcDb::kForWrite);
    write->setEndPoint(AcGePoint3d(20, 0, 0));
  }
  ASSERT_EQ(recorder_.lines.size(), 1u);
  EXPECT_TRUE(recorder_.heard("modified", line));

  recorder_.lines.clear();
  {
    Opened<AcDbLine> write(line, AcDb::kForWrite);
    ASSERT_EQ(write->erase(), Acad::eOk);
    EXPECT_EQ(write->erase(), Acad::eOk);  // erased again: no second notice
  }
  EXPECT_EQ(recorder_.lines, (std::vector<std::string>{"erased " + line.handle().toHex(),
                                                      "modified " + line.handle().toHex()}));
  {
    AcDbLine* erased = nullptr;
    ASSERT_EQ(acdbOpenObject(erased, line, AcDb::kForWrite, true), Acad::eOk);
    erased->erase(false);
    erased->close();
  }
  EXPECT_TRUE(recorder_.heard("unerased", line));
}

TEST_F(DatabaseReactorTest, ErasingAPolylineTellsOfItsVerticesAndUndoTellsOfWhatComesBack) {
  auto* polyline = new AcDb3dPolyline();
  AcDbObjectId id = add(polyline);
  std::vector<AcDbObjectId> vertices;
  {
    Opened<AcDb3dPolyline> open(id, AcDb::kForWrite);
    for (int i = 0; i < 2; ++i) {
      auto* vertex = new AcDb3dPolylineVertex(AcGePoint3d(i, i, 0));
      AcDbObjectId v;
      ASSERT_EQ(open->appendVertex(v, vertex), Acad::eOk);
      vertex->close();
      vertices.push_back(v);
    }
  }
  recorder_.lines.clear();
  UndoJournal& journal = db_.undoJournal();
  journal.beginStep();
  {
    Opened<AcDb3dPolyline> open(id, AcDb::kForWrite);
    ASSERT_EQ(open->erase(), Acad::eOk);
  }
  AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(5, 5, 0), AcGeVector3d::kZAxis, 1.0));
  journal.endStep();
  EXPECT_TRUE(recorder_.heard("erased", id));
  for (AcDbObjectId v : vertices) EXPECT_TRUE(recorder_.heard("erased", v));

  recorder_.lines.clear();
  ASSERT_EQ(journal.undoLastStep(), Acad::eOk);
  EXPECT_TRUE(recorder_.heard("unerased", id));
  for (AcDbObjectId v : vertices) EXPECT_TRUE(recorder_.heard("unerased", v));
  EXPECT_TRUE(recorder_.heard("erased", circle)) << "an object the step made goes";
}

TEST(DatabaseReactor, TheEndOfTheDatabaseIsToldAndARemovedReactorHearsNothing) {
  Recorder kept, removed;
  const AcDbDatabase* address = nullptr;
  {
    AcDbDatabase db;
    address = &db;
    db.addReactor(&kept);
    db.addReactor(&kept);  // once only
    db.addReactor(&removed);
    db.removeReactor(&removed);
    AcDbBlockTableRecord* model = nullptr;
    ASSERT_EQ(acdbOpenObject(model, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
    ASSERT_EQ(model->appendAcDbEntity(line), Acad::eOk);
    line->close();
    model->close();
  }
  EXPECT_EQ(kept.lines.size(), 3u);  // appended, modified (the line), modified (model space)
  EXPECT_EQ(kept.ended, (std::vector<const AcDbDatabase*>{address}));
  EXPECT_TRUE(removed.lines.empty());
  EXPECT_TRUE(removed.ended.empty());
}

}  // namespace
