// Points made from drawing entities chosen by the user.
#include <gtest/gtest.h>

#include "codification/globalCodification.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "ed/ed_fixture.h"
#include "lisp/interpreter.h"
#include "points/listePointsDuDessin.h"

namespace {

class ImportPoints : public ScriptedEditor {
 protected:
  ImportPoints() : db_(true, true) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
    lisp_.setDatabase(&db_);
    oublierGlobalCodification();
  }
  ~ImportPoints() override {
    oublierGlobalCodification();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  void make(const std::wstring& list) { lisp_.evaluate(L"(entmake '" + list + L")"); }
  void import(int kinds) {
    CString number = L"NUM", altitude = L"ALT", code = L"COD";
    AcGeVector2d offset(0.5, -0.5);
    table_.importFromDrawing(kinds, number, altitude, code, offset);
  }

  AcDbDatabase db_;
  lisp::Interpreter lisp_;
  listePointsDuDessin table_;
};

TEST_F(ImportPoints, PolylineVerticesWithAnAltitudeNumberedAfterTheHighest) {
  table_.Ajouter([] {
    pointDuDessin p;
    p.setParams(L"20", AcGePoint3d(-100, -100, 1), 1);
    return p;
  }());
  make(L"((0 . \"POLYLINE\") (66 . 1) (70 . 8) (10 0.0 0.0 0.0))");
  make(L"((0 . \"VERTEX\") (10 0.0 0.0 5.0) (70 . 32))");
  make(L"((0 . \"VERTEX\") (10 10.0 0.0 0.0) (70 . 32))");
  make(L"((0 . \"VERTEX\") (10 10.0 10.0 6.0) (70 . 32))");
  make(L"((0 . \"VERTEX\") (10 0.0 10.0 7.0) (70 . 32))");
  make(L"((0 . \"SEQEND\"))");
  make(L"((0 . \"LINE\") (10 50.0 50.0 1.0) (11 60.0 50.0 2.0))");  // not of the kinds asked
  answer({L"TOUT", L""});
  import(0x4);
  ASSERT_EQ(table_.nbPoint(), 4);  // the vertex at z = 0 gives nothing
  for (int i = 1; i < 4; ++i) EXPECT_EQ(table_.getData(i)->getCode(), 9999);
  int position = -1;
  EXPECT_EQ(table_.existPoint(L"21", position), 1);
  EXPECT_EQ(table_.existPoint(L"23", position), 1);
  EXPECT_EQ(globalCodification()->getLibelle(9999), CString(L"Sommets importes a partir de polylines 3d"));
  EXPECT_NE(transcript().find(L"\nSelectionnez :"), std::wstring::npos);
}

TEST_F(ImportPoints, BlocksTextsAndCancel) {
  make(L"((0 . \"BLOCK\") (2 . \"B\") (70 . 2) (10 0.0 0.0 0.0))");
  make(L"((0 . \"CIRCLE\") (10 0.0 0.0 0.0) (40 . 0.5))");
  make(L"((0 . \"ENDBLK\"))");
  // A point block (NUMPT and Z), a block with the caller's tags, a bare block in 3D.
  make(L"((0 . \"INSERT\") (2 . \"B\") (66 . 1) (10 1.0 1.0 0.0))");
  make(L"((0 . \"ATTRIB\") (10 1.0 1.0 0.0) (40 . 1.0) (1 . \"P7\") (2 . \"NUMPT\") (70 . 0))");
  make(L"((0 . \"ATTRIB\") (10 1.0 1.0 0.0) (40 . 1.0) (1 . \"12.5\") (2 . \"Z\") (70 . 0))");
  make(L"((0 . \"ATTRIB\") (10 1.0 1.0 0.0) (40 . 1.0) (1 . \"42\") (2 . \"CODE\") (70 . 0))");
  make(L"((0 . \"SEQEND\"))");
  make(L"((0 . \"INSERT\") (2 . \"B\") (66 . 1) (10 2.0 2.0 0.0))");
  make(L"((0 . \"ATTRIB\") (10 2.0 2.0 0.0) (40 . 1.0) (1 . \"X9\") (2 . \"NUM\") (70 . 0))");
  make(L"((0 . \"ATTRIB\") (10 2.0 2.0 0.0) (40 . 1.0) (1 . \"3.25\") (2 . \"ALT\") (70 . 0))");
  make(L"((0 . \"SEQEND\"))");
  make(L"((0 . \"INSERT\") (2 . \"B\") (10 3.0 3.0 4.0))");
  make(L"((0 . \"TEXT\") (10 4.0 4.0 0.0) (40 . 1.0) (1 . \"101.75\"))");
  make(L"((0 . \"TEXT\") (10 5.0 5.0 0.0) (40 . 1.0) (1 . \"borne\"))");

  answer({L"^C"});
  import(0x10 | 0x20 | 0x8 | 0x800);
  EXPECT_EQ(table_.nbPoint(), 0);

  answer({L"TOUT", L""});
  import(0x10 | 0x20 | 0x8 | 0x800);
  ASSERT_EQ(table_.nbPoint(), 4);
  int position = -1;
  ASSERT_EQ(table_.existPoint(L"P7", position), 1);
  EXPECT_EQ(table_.getData(position)->getCode(), 42);
  EXPECT_EQ(table_.getData(position)->getZ(), 12.5);
  EXPECT_FALSE(table_.getData(position)->getId().isNull());
  ASSERT_EQ(table_.existPoint(L"X9", position), 1);
  EXPECT_EQ(table_.getData(position)->getCode(), 9989);
  EXPECT_TRUE(table_.getData(position)->getId().isNull());
  pointDuDessin found;
  ASSERT_EQ(table_.getAt(3.0, 3.0, found), 1);
  EXPECT_EQ(found.getCode(), 9990);
  ASSERT_EQ(table_.getAt(4.5, 3.5, found), 1);  // the text's position moved by the offset
  EXPECT_EQ(found.getZ(), 101.75);
  EXPECT_EQ(found.getCode(), 9988);
}

}  // namespace
