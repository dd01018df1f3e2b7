// entmake, entget, entmod and the other entity functions on a new drawing.
#include <gtest/gtest.h>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbpl.h"
#include "db/dbsymtb.h"
#include "db/acutads.h"
#include "lisp/interpreter.h"
#include "lisp/resbuf_convert.h"

using namespace lisp;

namespace {

class LispEntities : public ::testing::Test {
 protected:
  LispEntities() : db_(true, true) { lisp_.setDatabase(&db_); }
  ~LispEntities() override { EXPECT_EQ(db_.openObjectCount(), 0); }

  std::wstring run(const std::wstring& source) { return lisp_.evaluateToText(source); }

  void registerApp(const wchar_t* name) {
    AcDbRegAppTable* table = nullptr;
    ASSERT_EQ(db_.getRegAppTable(table, AcDb::kForWrite), Acad::eOk);
    auto* record = new AcDbRegAppTableRecord();
    record->setName(name);
    ASSERT_EQ(table->add(record), Acad::eOk);
    record->close();
    table->close();
  }

  AcDbDatabase db_;
  Interpreter lisp_;
};

}  // namespace

TEST_F(LispEntities, EntmakeLineAndEntgetReadsItBack) {
  EXPECT_EQ(run(L"(entmake '((0 . \"LINE\") (8 . \"0\") (10 1.0 2.0 0.0) (11 4 6 0)))"),
            L"((0 . \"LINE\") (8 . \"0\") (10 1.0 2.0 0.0) (11 4 6 0))");
  EXPECT_EQ(run(L"(setq e (entlast) d (entget e)) (cdr (assoc 0 d))"), L"\"LINE\"");
  EXPECT_EQ(run(L"(equal (cdr (assoc -1 d)) e)"), L"T");
  EXPECT_EQ(run(L"(list (assoc 10 d) (assoc 11 d) (assoc 8 d))"),
            L"((10 1.0 2.0 0.0) (11 4.0 6.0 0.0) (8 . \"0\"))");
  EXPECT_EQ(run(L"(distance (cdr (assoc 10 d)) (cdr (assoc 11 d)))"), L"5.0");
  // The handle is a hexadecimal string that handent resolves.
  EXPECT_EQ(run(L"(equal (handent (cdr (assoc 5 d))) e)"), L"T");
  EXPECT_EQ(run(L"(handent \"FFFFFF\")"), L"nil");

  // The object in the drawing has the geometry.
  AcDbObjectId id = lisp_.evaluate(L"e").value->id;
  AcDbLine* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
  EXPECT_DOUBLE_EQ(line->endPoint().y, 6.0);
  EXPECT_EQ(line->ownerId(), db_.modelSpaceId());
  line->close();
}

TEST_F(LispEntities, EntmakeRefusesBadLists) {
  EXPECT_EQ(run(L"(entmake '((0 . \"NO-SUCH-TYPE\")))"), L"nil");
  EXPECT_EQ(run(L"(entmake '((8 . \"0\") (10 0 0 0)))"), L"nil");
  EXPECT_EQ(run(L"(entmake '((0 . \"LINE\") (10 . \"text\")))"), L"nil");
  EXPECT_EQ(run(L"(entmake '((0 . \"LINE\") (10 0 0) (11 1 1) (-3 (\"UNREGISTERED\" (1000 . \"x\")))))"),
            L"nil");
  EXPECT_EQ(run(L"(entlast)"), L"nil");
  // A layer that does not exist yet is created, as the host does.
  EXPECT_EQ(run(L"(entmake '((0 . \"CIRCLE\") (8 . \"NEW\") (10 0 0 0) (40 . 2)))"),
            L"((0 . \"CIRCLE\") (8 . \"NEW\") (10 0 0 0) (40 . 2))");
  EXPECT_EQ(run(L"(list (cdr (assoc 8 (entget (entlast)))) (cdr (assoc 40 (entget (entlast)))))"),
            L"(\"NEW\" 2.0)");
}

TEST_F(LispEntities, EntmodChangesTheGivenCodes) {
  run(L"(entmake '((0 . \"LINE\") (10 0 0 0) (11 1 0 0)))");
  EXPECT_NE(run(L"(setq d (entget (entlast)))"), L"nil");
  EXPECT_EQ(run(L"(entmod (subst '(11 3.0 4.0 0.0) (assoc 11 d) d)) (assoc 11 (entget (entlast)))"),
            L"(11 3.0 4.0 0.0)");
  // A partial list changes only what it names.
  EXPECT_EQ(run(L"(entmod (list (cons -1 (entlast)) (cons 8 \"OTHER\")))"
                L"(setq d (entget (entlast))) (list (assoc 8 d) (assoc 10 d) (assoc 11 d))"),
            L"((8 . \"OTHER\") (10 0.0 0.0 0.0) (11 3.0 4.0 0.0))");
  EXPECT_EQ(run(L"(entmod '((8 . \"X\")))"), L"nil");
}

TEST_F(LispEntities, ExtendedDataWithAnApplicationList) {
  registerApp(L"SURVEY");
  registerApp(L"OTHER");
  run(L"(entmake '((0 . \"POINT\") (10 5 5 0)"
      L" (-3 (\"SURVEY\" (1000 . \"P12\") (1040 . 101.25) (1010 1.0 2.0 3.0)))))");
  EXPECT_EQ(run(L"(assoc -3 (entget (entlast)))"), L"nil");
  EXPECT_EQ(run(L"(assoc -3 (entget (entlast) '(\"survey\")))"),
            L"(-3 (\"SURVEY\" (1000 . \"P12\") (1040 . 101.25) (1010 1.0 2.0 3.0)))");
  // entmod replaces the data of the applications it names and keeps the others'.
  run(L"(entmod (list (cons -1 (entlast)) '(-3 (\"OTHER\" (1070 . 7)))))");
  EXPECT_EQ(run(L"(assoc -3 (entget (entlast) '(\"*\")))"),
            L"(-3 (\"SURVEY\" (1000 . \"P12\") (1040 . 101.25) (1010 1.0 2.0 3.0)) "
            L"(\"OTHER\" (1070 . 7)))");
  run(L"(entmod (list (cons -1 (entlast)) '(-3 (\"SURVEY\" (1000 . \"P13\")))))");
  EXPECT_EQ(run(L"(assoc -3 (entget (entlast) '(\"SURVEY\")))"),
            L"(-3 (\"SURVEY\" (1000 . \"P13\")))");
}

TEST_F(LispEntities, EntnextEntlastAndEntdel) {
  EXPECT_EQ(run(L"(entnext)"), L"nil");
  run(L"(entmake '((0 . \"LINE\") (10 0 0 0) (11 1 0 0)))"
      L"(setq a (entlast))"
      L"(entmake '((0 . \"LINE\") (10 0 0 0) (11 2 0 0)))"
      L"(setq b (entlast))");
  EXPECT_EQ(run(L"(list (equal (entnext) a) (equal (entnext a) b) (entnext b))"),
            L"(T T nil)");
  // entdel erases, and restores on a second call.
  EXPECT_EQ(run(L"(equal (entdel b) b)"), L"T");
  EXPECT_EQ(run(L"(list (equal (entlast) a) (entnext a))"), L"(T nil)");
  run(L"(entdel b)");
  EXPECT_EQ(run(L"(equal (entlast) b)"), L"T");
  EXPECT_EQ(run(L"(entget 1)"), L"; error: bad argument type: lentityp 1");
  // An entity name prints as the host prints it.
  std::wstring printed = run(L"a");
  EXPECT_EQ(printed.rfind(L"<Entity name: ", 0), 0u);
  EXPECT_EQ(printed.back(), L'>');
}

TEST_F(LispEntities, PolylineVerticesAreReplacedNotAdded) {
  EXPECT_NE(run(L"(entmake '((0 . \"LWPOLYLINE\") (100 . \"AcDbEntity\") (100 . \"AcDbPolyline\")"
                L" (90 . 3) (70 . 1) (10 0 0) (10 10 0) (42 . 1.0) (10 10 10)))"),
            L"nil");
  EXPECT_NE(run(L"(setq d (entget (entlast)))"), L"nil");
  EXPECT_EQ(run(L"(setq n 0) (foreach p d (if (= (car p) 10) (setq n (1+ n)))) n"), L"3");
  EXPECT_EQ(run(L"(cdr (assoc 42 d))"), L"1.0");
  // Moving the whole list back through entmod keeps three vertices, with the new first one.
  run(L"(entmod (subst '(10 -5.0 0.0) (assoc 10 d) d))");
  AcDbPolyline* pline = nullptr;
  AcDbObjectId id = lisp_.evaluate(L"(entlast)").value->id;
  ASSERT_EQ(acdbOpenObject(pline, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(pline->numVerts(), 3u);
  AcGePoint2d first;
  pline->getPointAt(0, first);
  EXPECT_DOUBLE_EQ(first.x, -5.0);
  EXPECT_TRUE(pline->isClosed());
  pline->close();
}

TEST_F(LispEntities, PaperSpaceAndOwnerReferences) {
  run(L"(entmake '((0 . \"CIRCLE\") (67 . 1) (10 0 0 0) (40 . 1.0)))");
  EXPECT_EQ(run(L"(cdr (assoc 67 (entget (entlast))))"), L"1");
  AcDbObjectId id = lisp_.evaluate(L"(entlast)").value->id;
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(entity->ownerId(), db_.paperSpaceId());
  entity->close();
  // The owner comes back as an entity name the functions accept.
  EXPECT_EQ(run(L"(cdr (assoc 0 (entget (cdr (assoc 330 (entget (entlast)))))))"),
            L"\"BLOCK_RECORD\"");
}

TEST_F(LispEntities, ErasedEntitiesAndEntityNamesThroughResultBuffers) {
  run(L"(entmake '((0 . \"LINE\") (10 0 0 0) (11 1 0 0))) (setq e (entlast)) (entdel e)");
  // An erased entity has no list and cannot be changed until it is restored.
  EXPECT_EQ(run(L"(entget e)"), L"nil");
  EXPECT_EQ(run(L"(entmod (list (cons -1 e) (cons 8 \"X\")))"), L"nil");
  EXPECT_EQ(run(L"(entdel e) (cdr (assoc 8 (entget e)))"), L"\"0\"");

  // An entity name reaches a C function as RTENAME and comes back as the same name.
  resbuf* chain = valuesToChain({lisp_.evaluate(L"e").value});
  ASSERT_NE(chain, nullptr);
  EXPECT_EQ(chain->restype, RTENAME);
  AcDbObjectId id;
  EXPECT_EQ(acdbGetObjectId(id, chain->resval.rlname), Acad::eOk);
  EXPECT_EQ(id, lisp_.evaluate(L"e").value->id);
  std::vector<ValuePtr> back = chainToValues(chain);
  acutRelRb(chain);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_TRUE(valuesEq(back[0], lisp_.evaluate(L"e").value));
}
