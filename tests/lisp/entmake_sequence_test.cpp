// entmake over several calls: block definitions, references with attributes, old-style polylines.
#include <gtest/gtest.h>

#include "db/dbblkref.h"
#include "db/dbents.h"
#include "db/dbdatabase.h"
#include "db/dbpoly.h"
#include "db/dbsymtb.h"
#include "lisp/interpreter.h"

using namespace lisp;

namespace {

class EntmakeSequences : public ::testing::Test {
 protected:
  EntmakeSequences() : db_(true, true) { lisp_.setDatabase(&db_); }
  ~EntmakeSequences() override { EXPECT_EQ(db_.openObjectCount(), 0); }
  std::wstring run(const std::wstring& source) { return lisp_.evaluateToText(source); }

  int blockEntityCount(const wchar_t* name) {
    AcDbBlockTable* table = nullptr;
    db_.getBlockTable(table, AcDb::kForRead);
    AcDbBlockTableRecord* record = nullptr;
    Acad::ErrorStatus es = table->getAt(name, record, AcDb::kForRead);
    table->close();
    if (es != Acad::eOk) return -1;
    AcDbBlockTableRecordIterator* it = nullptr;
    record->newIterator(it);
    int count = 0;
    for (; !it->done(); it->step()) ++count;
    delete it;
    record->close();
    return count;
  }

  AcDbDatabase db_;
  Interpreter lisp_;
};

TEST_F(EntmakeSequences, BlockDefinitionEntersTheDrawingAtItsEnd) {
  EXPECT_EQ(run(L"(entmake '((0 . \"BLOCK\") (2 . \"BORNE\") (70 . 0) (10 1.0 2.0 0.0)))"),
            L"((0 . \"BLOCK\") (2 . \"BORNE\") (70 . 0) (10 1.0 2.0 0.0))");
  run(L"(entmake '((0 . \"CIRCLE\") (10 1.0 2.0 0.0) (40 . 0.5)))");
  run(L"(entmake '((0 . \"LINE\") (10 0.0 2.0 0.0) (11 2.0 2.0 0.0)))");
  EXPECT_EQ(blockEntityCount(L"BORNE"), -1);       // not yet
  EXPECT_EQ(run(L"(entlast)"), L"nil");             // nothing went to model space
  EXPECT_EQ(run(L"(entmake '((0 . \"ENDBLK\")))"), L"\"BORNE\"");
  EXPECT_EQ(blockEntityCount(L"BORNE"), 2);

  // The same name again is refused; an anonymous block is numbered by the drawing.
  run(L"(entmake '((0 . \"BLOCK\") (2 . \"BORNE\") (70 . 0) (10 0.0 0.0 0.0)))");
  EXPECT_EQ(run(L"(entmake '((0 . \"ENDBLK\")))"), L"nil");
  run(L"(entmake '((0 . \"BLOCK\") (2 . \"*U\") (70 . 1) (10 0.0 0.0 0.0)))");
  run(L"(entmake '((0 . \"POINT\") (10 0.0 0.0 0.0)))");
  EXPECT_EQ(run(L"(substr (entmake '((0 . \"ENDBLK\"))) 1 2)"), L"\"*U\"");
  EXPECT_EQ(run(L"(entmake '((0 . \"ENDBLK\")))"), L"nil");  // no block begun
}

TEST_F(EntmakeSequences, ReferenceWithAttributesAndPolylineWithVertices) {
  run(L"(entmake '((0 . \"BLOCK\") (2 . \"B\") (70 . 2) (10 0.0 0.0 0.0)))");
  run(L"(entmake '((0 . \"ATTDEF\") (10 1.0 0.0 0.0) (40 . 1.0) (1 . \"\") (3 . \"N\") (2 . \"NUMPT\") (70 . 0)))");
  run(L"(entmake '((0 . \"ENDBLK\")))");
  run(L"(entmake '((0 . \"INSERT\") (2 . \"B\") (66 . 1) (10 5.0 5.0 0.0)))");
  EXPECT_EQ(run(L"(entlast)"), L"nil");  // waits for its attributes
  run(L"(entmake '((0 . \"ATTRIB\") (10 6.0 5.0 0.0) (40 . 1.0) (1 . \"12\") (2 . \"NUMPT\") (70 . 0)))");
  EXPECT_NE(run(L"(entmake '((0 . \"SEQEND\")))"), L"nil");
  EXPECT_EQ(run(L"(cdr (assoc 0 (entget (setq b (entlast)))))"), L"\"INSERT\"");
  EXPECT_EQ(run(L"(cdr (assoc 1 (entget (entnext b))))"), L"\"12\"");

  run(L"(entmake '((0 . \"POLYLINE\") (66 . 1) (70 . 1) (10 0.0 0.0 0.0)))");
  run(L"(entmake '((0 . \"VERTEX\") (10 0.0 0.0 0.0)))");
  run(L"(entmake '((0 . \"VERTEX\") (10 4.0 0.0 0.0) (42 . 1.0)))");
  run(L"(entmake '((0 . \"VERTEX\") (10 4.0 3.0 0.0)))");
  run(L"(entmake '((0 . \"SEQEND\")))");
  AcDbObjectId id = lisp_.evaluate(L"(entlast)").value->id;
  AcDb2dPolyline* polyline = nullptr;
  ASSERT_EQ(acdbOpenObject(polyline, id, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(polyline->isClosed());
  double length = 0.0;
  double end = 0.0;
  polyline->getEndParam(end);
  polyline->getDistAtParam(end, length);
  polyline->close();
  // 4 straight, a half circle of diameter 3 (the bulge of the second vertex), the closing 5.
  EXPECT_NEAR(length, 4.0 + 1.5 * 3.14159265358979 + 5.0, 1e-9);
}

TEST_F(EntmakeSequences, BrokenSequencesAddNothing) {
  EXPECT_EQ(run(L"(entmake '((0 . \"ATTRIB\") (10 0.0 0.0 0.0) (40 . 1.0) (1 . \"x\") (2 . \"T\")))"), L"nil");
  EXPECT_EQ(run(L"(entmake '((0 . \"SEQEND\")))"), L"nil");
  run(L"(entmake '((0 . \"POLYLINE\") (66 . 1) (70 . 0) (10 0.0 0.0 0.0)))");
  run(L"(entmake '((0 . \"VERTEX\") (10 1.0 0.0 0.0)))");
  EXPECT_EQ(run(L"(entmake)"), L"nil");  // drops what was begun
  EXPECT_EQ(run(L"(entmake '((0 . \"SEQEND\")))"), L"nil");
  run(L"(entmake '((0 . \"BLOCK\") (2 . \"X\") (70 . 0) (10 0.0 0.0 0.0)))");
  run(L"(entmake)");
  EXPECT_EQ(run(L"(entmake '((0 . \"ENDBLK\")))"), L"nil");
  EXPECT_EQ(run(L"(entlast)"), L"nil");
  EXPECT_EQ(blockEntityCount(L"X"), -1);
}

}  // namespace

namespace {

// Attributes given to a reference already in the drawing come right after it, then the end marker.
TEST_F(EntmakeSequences, EntnextWalksAReferenceThenItsAttributesThenItsEnd) {
  run(L"(entmake '((0 . \"BLOCK\") (2 . \"B\") (70 . 0) (10 0.0 0.0 0.0)))");
  run(L"(entmake '((0 . \"POINT\") (10 0.0 0.0 0.0)))");
  run(L"(entmake '((0 . \"ENDBLK\")))");
  AcDbObjectId block;
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db_.getBlockTable(table, AcDb::kForRead), Acad::eOk);
  table->getAt(L"B", block);
  table->close();
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db_.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto* reference = new AcDbBlockReference(AcGePoint3d(1, 1, 0), block);
  ASSERT_EQ(space->appendAcDbEntity(reference), Acad::eOk);
  space->close();
  for (const wchar_t* tag : {L"T1", L"T2", L"T3"}) {
    auto* attribute = new AcDbAttribute(AcGePoint3d(1, 1, 0), L"x", tag);
    AcDbObjectId id;
    ASSERT_EQ(reference->appendAttribute(id, attribute), Acad::eOk);
    attribute->close();
  }
  reference->close();
  run(L"(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0)))");
  EXPECT_EQ(run(L"(setq e (entnext) kinds nil)"
                L"(while e (setq kinds (cons (cdr (assoc 0 (entget e))) kinds) e (entnext e)))"
                L"(reverse kinds)"),
            L"(\"INSERT\" \"ATTRIB\" \"ATTRIB\" \"ATTRIB\" \"SEQEND\" \"LINE\")");
}

}  // namespace
