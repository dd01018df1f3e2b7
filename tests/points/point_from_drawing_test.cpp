// Reading survey points back from the blocks of a drawing.
#include <gtest/gtest.h>

#include <string>

#include "db/dbdatabase.h"
#include "lisp/interpreter.h"
#include "points/pointDuDessin.h"

namespace {

class PointFromDrawing : public ::testing::Test {
 protected:
  PointFromDrawing() : db_(true, true) {
    lisp_.setDatabase(&db_);
    lisp_.evaluate(L"(entmake '((0 . \"BLOCK\") (2 . \"PT\") (70 . 2) (10 0.0 0.0 0.0)))"
                   L"(entmake '((0 . \"CIRCLE\") (10 0.0 0.0 0.0) (40 . 0.5)))"
                   L"(entmake '((0 . \"ENDBLK\")))");
  }

  // A point block at (5, 6) with the attributes given as (tag text) pairs.
  AcDbObjectId block(const std::vector<std::pair<std::wstring, std::wstring>>& attributes) {
    lisp_.evaluate(L"(entmake '((0 . \"INSERT\") (2 . \"PT\") (66 . 1) (10 5.0 6.0 0.0)))");
    for (const auto& [tag, text] : attributes) {
      lisp_.evaluate(L"(entmake '((0 . \"ATTRIB\") (10 5.75 6.5 0.0) (40 . 1.0) (1 . \"" + text +
                     L"\") (2 . \"" + tag + L"\") (70 . 0)))");
    }
    lisp_.evaluate(L"(entmake '((0 . \"SEQEND\")))");
    return lisp_.evaluate(L"(entlast)").value->id;
  }

  AcDbDatabase db_;
  lisp::Interpreter lisp_;
};

TEST_F(PointFromDrawing, AttributesGiveNameCodeAndAltitude) {
  AcDbObjectId id = block({{L"numpt", L"Borne1234567"}, {L"CODE", L"42"}, {L"Z", L"-104.25"}});
  pointDuDessin p;
  ASSERT_EQ(p.updateFromDrawing(id), 1);
  EXPECT_EQ(p.getX(), 5.0);
  EXPECT_EQ(p.getY(), 6.0);
  EXPECT_EQ(p.getZ(), -104.25);
  EXPECT_EQ(p.getCode(), 42);
  EXPECT_STREQ(p.getNomPoint(), "Borne1234");  // nine characters
  EXPECT_EQ(p.getId(), id);
}

TEST_F(PointFromDrawing, CodesOutOfRangeAndAltitudesThatAreNotNumbers) {
  const std::pair<std::wstring, int> codes[] = {{L"12000", 1}, {L"-3", 1}, {L"9999", 9999}};
  for (const auto& [text, expected] : codes) {
    AcDbObjectId id = block({{L"NUMPT", L"P"}, {L"CODE", text}, {L"Z", L"abc"}});
    pointDuDessin p;
    ASSERT_EQ(p.updateFromDrawing(id), 1);
    EXPECT_EQ(p.getCode(), expected) << text.size();
    EXPECT_EQ(p.getZ(), kSansValeur);
  }
  for (const wchar_t* altitude : {L"1e3", L"1.2.3", L"", L"-", L"12 "}) {
    AcDbObjectId id = block({{L"NUMPT", L"P"}, {L"Z", altitude}});
    pointDuDessin p;
    ASSERT_EQ(p.updateFromDrawing(id), 1);
    EXPECT_EQ(p.getZ(), kSansValeur) << std::wstring(altitude).size();
    EXPECT_EQ(p.getCode(), 1);  // no code attribute
  }
}

TEST_F(PointFromDrawing, NotAPointBlock) {
  AcDbObjectId unnamed = block({{L"CODE", L"5"}});
  pointDuDessin p;
  EXPECT_EQ(p.updateFromDrawing(unnamed), 0);
  EXPECT_EQ(p.getX(), 5.0);  // the position and block are taken before the name is missed
  EXPECT_EQ(p.getId(), unnamed);

  lisp_.evaluate(L"(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0)))");
  AcDbObjectId line = lisp_.evaluate(L"(entlast)").value->id;
  pointDuDessin q;
  q.setId(line);
  EXPECT_EQ(q.updateFromDrawing(line), 0);
  EXPECT_TRUE(q.getId().isNull());
  AcDbObjectId none;
  EXPECT_EQ(q.updateFromDrawing(none), 0);
}

}  // namespace
