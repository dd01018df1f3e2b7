// Selection sets: filters, the modes of acedSSGet, the selection prompt, the set functions, and
// the ERASE and LIST commands that use them.
#include <gtest/gtest.h>

#include <algorithm>

#include "db/dbpl.h"
#include "ed/host_commands.h"
#include "rx/cmdrun.h"
#include "selection_fixture.h"

namespace {

typedef std::vector<AcDbObjectId> Ids;

class Selection : public SelectionDrawing {
 protected:
  // acedSSGet "X" with a filter built by acutBuildList; the members, or nothing on RTERROR.
  Ids all(resbuf* filter) {
    ads_name ss;
    int code = acedSSGet(L"X", nullptr, nullptr, filter, ss);
    acutRelRb(filter);
    if (code != RTNORM) return {};
    return take(ss);
  }
  // The extended-data test: a -3 marker without value, then the application name.
  static resbuf* withApp(resbuf* chain, const wchar_t* app) {
    resbuf* tail = chain;
    while (tail && tail->rbnext) tail = tail->rbnext;
    resbuf* marker = acutNewRb(-3);
    marker->rbnext = acutBuildList(1001, app, 0);
    if (!tail) return marker;
    tail->rbnext = marker;
    return chain;
  }
  static bool has(const Ids& ids, AcDbObjectId id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
  }
};

TEST_F(Selection, FiltersOnTypeListsWildcardsAndSubclasses) {
  AcDbObjectId l = line(0, 0, 10, 0);
  AcDbObjectId c = circle(5, 5, 1);
  AcDbObjectId a = add(new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, 1.0));
  auto* poly = new AcDbPolyline();
  poly->addVertexAt(0, AcGePoint2d(0, 0));
  poly->addVertexAt(1, AcGePoint2d(1, 1));
  AcDbObjectId p = add(poly);
  AcDbObjectId t = add(new AcDbText(AcGePoint3d(0, 0, 0), L"abc"));

  EXPECT_EQ(all(acutBuildList(RTDXF0, L"line,ARC", 0)), (Ids{l, a}));
  EXPECT_EQ(all(acutBuildList(RTDXF0, L"*POLYLINE", 0)), (Ids{p}));
  EXPECT_EQ(all(acutBuildList(RTDXF0, L"~LINE", 0)), (Ids{c, a, p, t}));
  // A class name takes every class below it; an arc also writes the circle's marker.
  EXPECT_EQ(all(acutBuildList(100, L"AcDbCurve", 0)), (Ids{l, c, a, p}));
  EXPECT_EQ(all(acutBuildList(100, L"AcDbCircle", 0)), (Ids{c, a}));
  EXPECT_EQ(all(acutBuildList(100, L"AcDbText", 0)), (Ids{t}));
}

TEST_F(Selection, FiltersOnLayerColourNumbersAndApplications) {
  layer(L"MUR");
  registerApp(L"JALOPLUS");
  AcDbObjectId wall = line(0, 0, 1, 0, L"MUR");
  AcDbObjectId red = line(0, 1, 1, 1);
  {
    AcDbEntity* e = nullptr;
    ASSERT_EQ(acdbOpenObject(e, red, AcDb::kForWrite), Acad::eOk);
    e->setColorIndex(1);
    e->close();
  }
  AcDbObjectId small = circle(0, 0, 1);
  AcDbObjectId big = circle(0, 0, 3);
  AcDbObjectId def = block(L"PT");
  AcDbObjectId marked = insert(def, 10, 10);
  AcDbObjectId plain = insert(def, 20, 10);
  markWithApp(marked, L"JALOPLUS");

  EXPECT_EQ(all(acutBuildList(8, L"mur", 0)), (Ids{wall}));
  EXPECT_EQ(all(acutBuildList(62, 1, 0)), (Ids{red}));
  EXPECT_TRUE(has(all(acutBuildList(62, 256, 0)), wall));  // BYLAYER is a colour too
  EXPECT_EQ(all(acutBuildList(RTDXF0, L"CIRCLE", -4, L">=", 40, 2.0, 0)), (Ids{big}));
  EXPECT_EQ(all(acutBuildList(RTDXF0, L"CIRCLE", -4, L"<", 40, 2.0, 0)), (Ids{small}));
  EXPECT_EQ(all(acutBuildList(RTDXF0, L"INSERT", 2, L"PT", 0)), (Ids{marked, plain}));
  EXPECT_EQ(all(withApp(acutBuildList(RTDXF0, L"INSERT", 0), L"JALOPLUS")), (Ids{marked}));
  EXPECT_EQ(all(withApp(nullptr, L"JALO*")), (Ids{marked}));
  EXPECT_EQ(all(withApp(nullptr, L"AUTRE")), Ids{});
  // Points: one operator per coordinate.
  ads_point x15 = {15, 0, 0};
  EXPECT_EQ(all(acutBuildList(RTDXF0, L"INSERT", -4, L">,*,*", 10, x15, 0)), (Ids{plain}));
}

TEST_F(Selection, FiltersWithNestedLogicalGroups) {
  layer(L"MUR");
  AcDbObjectId wall = line(0, 0, 1, 0, L"MUR");
  AcDbObjectId other = line(0, 1, 1, 1);
  AcDbObjectId c = circle(0, 0, 1);
  AcDbObjectId a = add(new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, 1.0));

  // Arcs, or lines of layer MUR.
  EXPECT_EQ(all(acutBuildList(-4, L"<OR", RTDXF0, L"ARC", -4, L"<AND", RTDXF0, L"LINE", 8, L"MUR",
                              -4, L"AND>", -4, L"OR>", 0)),
            (Ids{wall, a}));
  EXPECT_EQ(all(acutBuildList(-4, L"<NOT", RTDXF0, L"LINE", -4, L"NOT>", 0)), (Ids{c, a}));
  // Exactly one of: a line, on layer MUR.
  EXPECT_EQ(all(acutBuildList(-4, L"<XOR", RTDXF0, L"LINE", 8, L"MUR", -4, L"XOR>", 0)),
            (Ids{other}));
}

TEST_F(Selection, MalformedFiltersGiveAnErrorAndNoSet) {
  line(0, 0, 1, 0);
  const std::vector<resbuf*> bad = {
      acutBuildList(-4, L"<OR", RTDXF0, L"LINE", 0),                         // never closed
      acutBuildList(RTDXF0, L"LINE", -4, L"OR>", 0),                         // closed, never opened
      acutBuildList(-4, L"<OR", RTDXF0, L"LINE", -4, L"AND>", 0),            // crossed groups
      acutBuildList(-4, L"<NOT", RTDXF0, L"LINE", 8, L"0", -4, L"NOT>", 0),  // two operands
      acutBuildList(-4, L"<XOR", RTDXF0, L"LINE", -4, L"XOR>", 0),           // one operand
      acutBuildList(-4, L"<OR", -4, L"OR>", 0),                              // empty group
      acutBuildList(RTDXF0, L"LINE", -4, L">", 0),                           // operator at the end
      acutBuildList(-4, L"~~", 40, 1.0, 0),                                  // unknown operator
  };
  for (resbuf* filter : bad) {
    ads_name ss = {7, 7};
    EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, filter, ss), RTERROR);
    EXPECT_TRUE(ads_name_nil(ss));
    acutRelRb(filter);
  }
  EXPECT_EQ(ed::liveSelectionSetCount(), setsBefore);
}

TEST_F(Selection, WindowHoldsWhileCrossingAlsoTakesWhatCutsItsSides) {
  AcDbObjectId inside = line(1, 1, 2, 2);
  AcDbObjectId across = line(-5, 1.5, 5, 1.5);
  // Its extents overlap the window but the line passes beyond the corner.
  line(0, 10, 10, 0);
  AcDbObjectId ring = circle(1.5, 1.5, 5);  // around the window: neither inside nor crossing
  ads_point a = {0, 0, 0}, b = {3, 3, 0};
  ads_name ss;
  ASSERT_EQ(acedSSGet(L"W", a, b, nullptr, ss), RTNORM);
  EXPECT_EQ(take(ss), (Ids{inside}));
  ASSERT_EQ(acedSSGet(L"_C", b, a, nullptr, ss), RTNORM);
  EXPECT_EQ(take(ss), (Ids{inside, across}));
  (void)ring;
  ads_point far1 = {50, 50, 0}, far2 = {60, 60, 0};
  EXPECT_EQ(acedSSGet(L"W", far1, far2, nullptr, ss), RTERROR);
  EXPECT_EQ(acedSSGet(L"W", far1, nullptr, nullptr, ss), RTERROR);
  // Without corners, the user gives them.
  answer({L"0,0", L"3,3"});
  ASSERT_EQ(acedSSGet(L"W", nullptr, nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(take(ss), (Ids{inside}));
  answer({L"0,0", L"^C"});
  EXPECT_EQ(acedSSGet(L"C", nullptr, nullptr, nullptr, ss), RTCAN);
}

TEST_F(Selection, AllLastPreviousAndSpaces) {
  AcDbObjectId first = line(0, 0, 1, 0);
  auto* paperLine = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
  paperLine->setDatabaseDefaults(db);
  AcDbObjectId paper = add(paperLine, db->paperSpaceId());
  AcDbObjectId last = circle(0, 0, 1);
  ads_name ss;
  ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(take(ss), (Ids{first, paper, last}));
  ASSERT_EQ(acedSSGet(L"_L", nullptr, nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(take(ss), (Ids{last}));
  ASSERT_EQ(acedSSGet(L"P", nullptr, nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(take(ss), (Ids{last}));
  // No pick-first set, and an unknown mode.
  EXPECT_EQ(acedSSGet(L"I", nullptr, nullptr, nullptr, ss), RTERROR);
  EXPECT_EQ(acedSSGet(L"Q", nullptr, nullptr, nullptr, ss), RTERROR);
  EXPECT_EQ(ed::liveSelectionSetCount(), setsBefore);
}

TEST_F(Selection, SetFunctionsKeepOrderAndDropErasedEntities) {
  AcDbObjectId a = line(0, 0, 1, 0);
  AcDbObjectId b = line(0, 1, 1, 1);
  ads_name ea, eb, ss, result, got;
  acdbGetAdsName(ea, a);
  acdbGetAdsName(eb, b);
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
  long n = -1;
  EXPECT_EQ(acedSSLength(ss, &n), RTNORM);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(acedSSAdd(eb, ss, result), RTNORM);
  EXPECT_TRUE(ads_name_equal(result, ss));
  EXPECT_EQ(acedSSAdd(ea, ss, result), RTNORM);
  EXPECT_EQ(acedSSAdd(eb, ss, result), RTNORM);  // already there: kept once
  Adesk::Int32 length = 0;
  EXPECT_EQ(acedSSLength(ss, &length), RTNORM);
  EXPECT_EQ(length, 2);
  EXPECT_EQ(acedSSName(ss, 0, got), RTNORM);
  EXPECT_TRUE(ads_name_equal(got, eb));
  EXPECT_EQ(acedSSName(ss, 2, got), RTERROR);
  EXPECT_EQ(acedSSName(ss, -1, got), RTERROR);
  EXPECT_EQ(acedSSMemb(ea, ss), RTNORM);
  EXPECT_EQ(acedSSDel(ea, ss), RTNORM);
  EXPECT_EQ(acedSSMemb(ea, ss), RTERROR);
  EXPECT_EQ(acedSSDel(ea, ss), RTERROR);
  // A set name is not an entity.
  EXPECT_EQ(acedSSAdd(ss, ss, result), RTERROR);

  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenObject(entity, b, AcDb::kForWrite), Acad::eOk);
  entity->erase();
  entity->close();
  EXPECT_EQ(acedSSLength(ss, &length), RTNORM);
  EXPECT_EQ(length, 0);

  ASSERT_EQ(acedSSAdd(ea, nullptr, result), RTNORM);
  EXPECT_FALSE(ads_name_equal(result, ss));
  EXPECT_EQ(acedSSFree(result), RTNORM);
  EXPECT_EQ(acedSSFree(ss), RTNORM);
  EXPECT_EQ(acedSSFree(ss), RTERROR);
  EXPECT_EQ(acedSSLength(ss, &length), RTERROR);
  EXPECT_EQ(ed::liveSelectionSetCount(), setsBefore);
}

TEST_F(Selection, PromptCountsEachAnswerUntilEnter) {
  AcDbObjectId a = line(0, 0, 10, 0);
  AcDbObjectId b = line(0, 5, 10, 5);
  AcDbObjectId c = circle(50, 50, 1);
  answer({L"5,0", L"F", L"-1,-1", L"11,6", L"#" + handleOf(c), L"n'importe", L""});
  ads_name ss;
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(take(ss), (Ids{a, b, c}));
  EXPECT_EQ(transcript(),
            L"\nChoix des objets : 5,0\n1 trouvé(s)"
            L"\nChoix des objets : F\n"
            L"\nPremier coin : -1,-1\n"
            L"\nSpécifiez le coin opposé : 11,6\n"
            L"2 trouvé(s) (1 en double), 2 au total"
            L"\nChoix des objets : #" +
                handleOf(c) +
                L"\n1 trouvé(s), 3 au total"
                L"\nChoix des objets : n'importe\n"
                L"*Choix incorrect*\nIndiquez un point ou "
                L"Fenêtre/Dernier/Capture/TOUT/Ajouter/Retirer/Précédent/#maintien\n"
                L"\nChoix des objets : \n");
}

TEST_F(Selection, PromptOptionsRemovingAndFilter) {
  AcDbObjectId a = line(0, 0, 10, 0);
  AcDbObjectId b = line(0, 5, 10, 5);
  AcDbObjectId c = circle(50, 50, 1);
  answer({L"TOUT", L"r", L"5,5", L"a", L"Dernier", L""});
  ads_name ss;
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(take(ss), (Ids{a, c}));
  EXPECT_NE(transcript().find(L"\nRetirer des objets : 5,5\n1 trouvé(s), 1 retiré(s), 2 au total"),
            std::wstring::npos);

  // The filter applies to what is picked; "P" gives the set just made.
  resbuf* lines = acutBuildList(RTDXF0, L"LINE", 0);
  answer({L"_ALL", L""});
  ASSERT_EQ(acedSSGet(L"_:S", nullptr, nullptr, lines, ss), RTNORM);
  EXPECT_EQ(take(ss), (Ids{a, b}));
  acutRelRb(lines);
  answer({L"Précédent", L""});
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(take(ss), (Ids{a, b}));
}

TEST_F(Selection, CancelEmptyAndExhaustedInput) {
  line(0, 0, 10, 0);
  ads_name ss;
  answer({L"5,0", L"^C"});
  EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN);
  EXPECT_TRUE(ads_name_nil(ss));
  EXPECT_NE(transcript().find(L"*Annuler*"), std::wstring::npos);
  // A script that ends in the middle of a window.
  answer({L"F", L"0,0"});
  EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN);
  // Nothing chosen: no set.
  answer({L"40,40", L""});
  EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTERROR);
  EXPECT_EQ(ed::liveSelectionSetCount(), setsBefore);
}

class SelectionCommands : public Selection {
 protected:
  void SetUp() override {
    Selection::SetUp();
    ed::registerHostCommands();
  }
  void run(const wchar_t* command, std::deque<std::wstring> answers) {
    answer(std::move(answers));
    AcEdCommandOutcome outcome = acedRunCommand(command);
    EXPECT_TRUE(outcome.found) << command;
    EXPECT_EQ(db->openObjectCount(), 0);
  }
};

TEST_F(SelectionCommands, EraseTakesTheSelection) {
  AcDbObjectId a = line(0, 0, 10, 0);
  AcDbObjectId b = line(0, 5, 10, 5);
  AcDbObjectId c = circle(50, 50, 1);
  run(L"EFFACER", {L"C", L"-1,-1", L"11,1", L"#" + handleOf(c), L""});
  EXPECT_TRUE(a.isErased());
  EXPECT_FALSE(b.isErased());
  EXPECT_TRUE(c.isErased());
  run(L"erase", {L"^C"});
  EXPECT_FALSE(b.isErased());
}

TEST_F(SelectionCommands, ListDescribesEachEntity) {
  AcDbObjectId l = line(1, 2, 4, 6);
  AcDbObjectId def = block(L"PT");
  AcDbObjectId ref = insert(def, 10, 10);
  run(L"LISTE", {L"#" + handleOf(l), L"#" + handleOf(ref), L""});
  const std::wstring& text = transcript();
  EXPECT_NE(text.find(L"LIGNE  Calque: \"0\"\n"), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"Espace: Espace objet\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"Maintien = " + handleOf(l) + L"\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"du point, X=1.0000  Y=2.0000  Z=0.0000\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"au point, X=4.0000  Y=6.0000  Z=0.0000\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"Longueur = 5.0000\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"REFERENCE DE BLOC  Calque"), std::wstring::npos);
  EXPECT_NE(text.find(L"pour le bloc = PT\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"Étiquette = NUMPT\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"texte = 12\n"), std::wstring::npos);
}

}  // namespace
