// Picking one entity by a point: acedEntSel at the top level, acedNEntSelP and acedNEntSel inside
// block references.
#include <gtest/gtest.h>

#include "selection_fixture.h"

namespace {

class Pick : public SelectionDrawing {
 protected:
  AcDbObjectId picked(const ads_name e) {
    AcDbObjectId id;
    acdbGetObjectId(id, e);
    return id;
  }
  int errnoValue() {
    resbuf r{};
    EXPECT_EQ(acedGetVar(L"ERRNO", &r), RTNORM);
    return r.resval.rint;
  }
  // A distance well inside the pick aperture, and one well outside it.
  double near() const { return ed::pickTolerance() * 0.5; }
  double far() const { return ed::pickTolerance() * 3.0; }
  std::wstring at(double x, double y) {
    wchar_t buffer[96];
    std::swprintf(buffer, 96, L"%.6f,%.6f", x, y);
    return buffer;
  }
};

TEST_F(Pick, CurvesByTheirDistanceToThePoint) {
  AcDbObjectId l = line(0, 0, 10, 0);
  // A quarter arc of radius 5 about (20, 0): from (25, 0) to (20, 5).
  AcDbObjectId a = add(new AcDbArc(AcGePoint3d(20, 0, 0), 5.0, 0.0, 1.5707963267948966));
  ads_name e;
  ads_point p;
  answer({at(5, near()), at(20 + 5 * 0.7071067811865476 + near(), 5 * 0.7071067811865476)});
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(picked(e), l);
  EXPECT_DOUBLE_EQ(p[0], 5.0);
  ASSERT_EQ(acedEntSel(L"\nObjet : ", e, p), RTNORM);
  EXPECT_EQ(picked(e), a);
  EXPECT_NE(transcript().find(L"\nChoix de l'objet : "), std::wstring::npos);

  // Beside the line, at the arc's centre, and on the arc's circle outside its angle: misses.
  for (const std::wstring& miss : {at(5, far()), at(20, 0), at(15, 0)}) {
    answer({miss});
    EXPECT_EQ(acedEntSel(nullptr, e, p), RTERROR) << miss;
    EXPECT_EQ(errnoValue(), 7);
  }
  answer({L""});
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTERROR);
  EXPECT_EQ(errnoValue(), 52);
}

TEST_F(Pick, TextsAndInsertsByWhatTheyShowAndTheLatestWins) {
  auto* text = new AcDbText(AcGePoint3d(0, 10, 0), L"BORNE");
  text->setDatabaseDefaults(db);
  text->setHeight(1.0);
  AcDbObjectId t = add(text);
  AcDbObjectId def = block(L"PT");
  AcDbObjectId ref = insert(def, 30, 30);
  AcDbObjectId under = line(-10, 50, 10, 50);
  AcDbObjectId over = line(-10, 50, 10, 50);
  ads_name e;
  ads_point p;
  answer({L"1,10.5", at(30.5 + near(), 30), L"31,30.7", L"0,50", L"29,29"});
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(picked(e), t);
  // On the block's circle, then on its attribute's text: the reference either way.
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(picked(e), ref);
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(picked(e), ref);
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(picked(e), over);
  (void)under;
  // Inside the block's extents but on nothing it shows.
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTERROR);
}

TEST_F(Pick, KeywordsHandlesAndCancel) {
  AcDbObjectId l = line(0, 0, 10, 0);
  ads_name e;
  ads_point p;
  acedInitGet(0, L"Annuler");
  answer({L"a"});
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTKWORD);
  ACHAR keyword[32];
  acedGetInput(keyword);
  EXPECT_STREQ(keyword, L"Annuler");
  // A local keyword gives its global name.
  acedInitGet(0, L"Fin _Exit");
  answer({L"f"});
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTKWORD);
  acedGetInput(keyword);
  EXPECT_STREQ(keyword, L"Exit");
  // Text that is neither a point nor a keyword is refused and asked again.
  answer({L"bof", L"#" + handleOf(l)});
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(picked(e), l);
  EXPECT_NE(transcript().find(L"Point non valide."), std::wstring::npos);
  answer({L"#FFFFF"});
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTERROR);
  answer({L"^C"});
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTCAN);
  answer({});
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTCAN);
}

TEST_F(Pick, NestedPickGivesTheAttributeItself) {
  AcDbObjectId def = block(L"PT");
  AcDbObjectId ref = insert(def, 30, 30);
  ads_name e;
  ads_point p = {31.0, 30.7, 0.0};
  ads_matrix m;
  resbuf* refs = reinterpret_cast<resbuf*>(1);
  ASSERT_EQ(acedNEntSelP(nullptr, e, p, 1, m, &refs), RTNORM);
  EXPECT_EQ(picked(e), attributeId);
  EXPECT_EQ(refs, nullptr);
  // acedEntSel gives the reference that holds it.
  answer({L"31,30.7"});
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(picked(e), ref);
}

TEST_F(Pick, NestedPickGoesThroughBlocksWithTheirTransform) {
  AcDbObjectId inner = block(L"PT");
  AcDbObjectId outer = block(L"GROUPE");
  AcDbObjectId innerRef = insert(inner, 5, 0, outer, false);
  AcDbObjectId outerRef = insert(outer, 100, 100, AcDbObjectId(), false);
  // The circle of PT, placed at (105, 100) through both references.
  AcDbObjectId circleOfPt;
  {
    AcDbBlockTableRecord* record = nullptr;
    ASSERT_EQ(acdbOpenObject(record, inner, AcDb::kForRead), Acad::eOk);
    circleOfPt = record->entityIds().front();
    record->close();
  }
  ads_name e;
  ads_point p = {105.5, 100.0, 0.0};
  ads_matrix m;
  resbuf* refs = nullptr;
  ASSERT_EQ(acedNEntSelP(nullptr, e, p, 1, m, &refs), RTNORM);
  EXPECT_EQ(picked(e), circleOfPt);
  EXPECT_DOUBLE_EQ(m[0][3], 105.0);
  EXPECT_DOUBLE_EQ(m[1][3], 100.0);
  EXPECT_DOUBLE_EQ(m[0][0], 1.0);
  ASSERT_NE(refs, nullptr);
  EXPECT_EQ(picked(refs->resval.rlname), innerRef);
  ASSERT_NE(refs->rbnext, nullptr);
  EXPECT_EQ(picked(refs->rbnext->resval.rlname), outerRef);
  EXPECT_EQ(refs->rbnext->rbnext, nullptr);
  acutRelRb(refs);

  // acedNEntSel asks, and gives the transform as axes and origin.
  answer({L"105.5,100"});
  ads_point rows[4];
  refs = nullptr;
  ASSERT_EQ(acedNEntSel(nullptr, e, p, rows, &refs), RTNORM);
  EXPECT_EQ(picked(e), circleOfPt);
  EXPECT_DOUBLE_EQ(rows[3][0], 105.0);
  EXPECT_DOUBLE_EQ(rows[0][0], 1.0);
  acutRelRb(refs);

  // The outer reference is what acedEntSel finds there; beside the circle, nothing.
  answer({L"105.5,100", L"105,100"});
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(picked(e), outerRef);
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTERROR);
}

}  // namespace
