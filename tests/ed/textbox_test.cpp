// The box of a text from its entity list, with the platform's character widths (fractions of the
// height: H .72, e .56, l .30, o .58, g .58, a .56, p .58, A .70, B .70, i .30, digits .60, ° .40;
// g and p descend a quarter of the height).
#include "db/acutads.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "ed/acedgraph.h"
#include "ed_fixture.h"
#include "lisp/interpreter.h"
#include "rx/acdocman.h"

namespace {

class TextBoxTest : public ScriptedEditor {
 protected:
  void SetUp() override {
    acDocManager->closeAll();
    document = acDocManager->newDocument();
    ASSERT_NE(document, nullptr);
    db = document->database();
    db->setTextsize(2.5);
  }
  void TearDown() override { acDocManager->closeAll(); }

  std::wstring textbox(const std::wstring& list) {
    return document->interpreter().evaluateToText(L"(textbox " + list + L")");
  }

  void addStyle(const wchar_t* name, double height, double widthFactor) {
    AcDbTextStyleTable* table = nullptr;
    ASSERT_EQ(db->getTextStyleTable(table, AcDb::kForWrite), Acad::eOk);
    auto* style = new AcDbTextStyleTableRecord();
    style->setName(name);
    style->setTextSize(height);
    style->setXScale(widthFactor);
    ASSERT_EQ(table->add(style), Acad::eOk);
    style->close();
    table->close();
  }

  AcApDocument* document = nullptr;
  AcDbDatabase* db = nullptr;
};

TEST_F(TextBoxTest, TextAloneTakesTheCurrentHeightAndStyle) {
  // "Hello": 2.46 heights wide, no descender.
  EXPECT_EQ(textbox(L"'((1 . \"Hello\"))"), L"((0.0 0.0 0.0) (6.15 2.5 0.0))");
  // Descenders go below the baseline; height and width factor from the list.
  EXPECT_EQ(textbox(L"'((0 . \"TEXT\") (1 . \"gap\") (40 . 2.0) (41 . 0.5))"),
            L"((0.0 -0.5 0.0) (1.72 2.0 0.0))");
  // Control codes count as the character they show.
  EXPECT_EQ(textbox(L"'((1 . \"10%%d\"))"), L"((0.0 0.0 0.0) (4.0 2.5 0.0))");
  EXPECT_EQ(textbox(L"'((1 . \"\"))"), L"((0.0 0.0 0.0) (0.0 0.0 0.0))");
}

TEST_F(TextBoxTest, StyleGivesTheHeightAndWidthTheListLeavesOut) {
  addStyle(L"Etroit", 5.0, 0.8);
  EXPECT_EQ(textbox(L"'((1 . \"AB\") (7 . \"ETROIT\"))"), L"((0.0 0.0 0.0) (5.6 5.0 0.0))");
  EXPECT_EQ(textbox(L"'((1 . \"AB\") (7 . \"Etroit\") (40 . 1.0) (41 . 1.0))"),
            L"((0.0 0.0 0.0) (1.4 1.0 0.0))");
  EXPECT_EQ(textbox(L"'((1 . \"AB\") (7 . \"Inconnu\"))"), L"nil");
}

TEST_F(TextBoxTest, JustificationAndGenerationFlags) {
  // Aligned between its two points: the height grows with the span (6.15 to 12.3).
  EXPECT_EQ(textbox(L"'((1 . \"Hello\") (72 . 3) (10 0.0 0.0 0.0) (11 12.3 0.0 0.0))"),
            L"((0.0 0.0 0.0) (12.3 5.0 0.0))");
  // Fitted: the width stretches, the height stays.
  EXPECT_EQ(textbox(L"'((1 . \"Hello\") (72 . 5) (10 1.0 1.0 0.0) (11 13.3 1.0 0.0))"),
            L"((0.0 0.0 0.0) (12.3 2.5 0.0))");
  // Centred text keeps the box of its left baseline point.
  EXPECT_EQ(textbox(L"'((1 . \"Hello\") (72 . 1) (11 50.0 50.0 0.0))"),
            L"((0.0 0.0 0.0) (6.15 2.5 0.0))");
  // Backwards and upside down.
  EXPECT_EQ(textbox(L"'((1 . \"Hello\") (71 . 2))"), L"((-6.15 0.0 0.0) (0.0 2.5 0.0))");
  EXPECT_EQ(textbox(L"'((1 . \"gap\") (40 . 2.0) (41 . 0.5) (71 . 4))"),
            L"((0.0 -2.0 0.0) (1.72 0.5 0.0))");
}

TEST_F(TextBoxTest, AnExistingTextWithValuesOverridden) {
  AcDbBlockTableRecord* model = nullptr;
  ASSERT_EQ(acdbOpenObject(model, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto* text = new AcDbText(AcGePoint3d(10, 10, 0), L"Hi", db->textstyle(), 3.0, 0.7);
  model->appendAcDbEntity(text);
  text->close();
  model->close();
  EXPECT_EQ(textbox(L"(list (cons -1 (entlast)))"), L"((0.0 0.0 0.0) (3.06 3.0 0.0))");
  EXPECT_EQ(textbox(L"(list (cons -1 (entlast)) '(40 . 1.0))"), L"((0.0 0.0 0.0) (1.02 1.0 0.0))");
  EXPECT_EQ(textbox(L"(entget (entlast))"), L"((0.0 0.0 0.0) (3.06 3.0 0.0))");
}

TEST_F(TextBoxTest, WhatIsNotATextGivesNothing) {
  EXPECT_EQ(textbox(L"'((40 . 2.0))"), L"nil");
  EXPECT_EQ(textbox(L"nil"), L"nil");
  EXPECT_EQ(textbox(L"'((1 . \"a\") (40 . -1.0))"), L"nil");
  EXPECT_NE(textbox(L"\"Hello\"").find(L"bad argument type"), std::wstring::npos);

  ads_point p1, p2;
  EXPECT_EQ(acedTextBox(nullptr, p1, p2), RTERROR);
  resbuf* list = acutBuildList(1, L"ll", 40, 10.0, 0);
  ASSERT_EQ(acedTextBox(list, p1, p2), RTNORM);
  EXPECT_DOUBLE_EQ(p2[0], 6.0);
  EXPECT_DOUBLE_EQ(p2[1], 10.0);
  acutRelRb(list);
}

}  // namespace
