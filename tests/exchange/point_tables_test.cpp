// The point-tables dialog: create, make current, rename, merge, delete, and the messages of a
// wrong selection.
#include <gtest/gtest.h>

#include "exchange/CTabListePoints.h"
#include "exchange_fixture.h"

namespace {

class PointTables : public ExchangeDrawing {
 protected:
  PointTables() {
    ajouter(L"A", 0, 0, 1);
    ajouter(L"B", 1, 0, 2);
    projet_.creerTablePoints(L"Table 2");
    projet_.getTable(1)->Ajouter([] {
      pointDuDessin p;
      p.setParams(L"Z9", AcGePoint3d(5, 5, 5), 1);
      return p;
    }());
    projet_.creerTablePoints(L"BORNES");
  }
  void run(std::deque<std::wstring> actions) {
    answer(std::move(actions));
    gererLeves();
  }
  std::wstring nom(int i) { return projet_.getTable(i)->getNomTable().GetString(); }
};

TEST_F(PointTables, CreateCurrentAndRename) {
  run({L"click Créer", L"select 1252 3", L"click Courant", L"set 1247   Chantier nord  ", L"click Renommer", L"ok"});
  ASSERT_EQ(projet_.nbTables(), 4);
  EXPECT_EQ(nom(3), L"Chantier nord");
  EXPECT_EQ(projet_.current(), 3);
  const std::wstring& t = transcript();
  EXPECT_NE(t.find(L"Table:LEVE"), std::wstring::npos);
  EXPECT_NE(t.find(L"Table:Table 4"), std::wstring::npos);
  EXPECT_NE(t.find(L"Table:Chantier nord"), std::wstring::npos);
  EXPECT_NE(t.find(L"0: LEVE | 2"), std::wstring::npos) << t;
}

TEST_F(PointTables, WrongSelectionsChangeNothing) {
  run({L"click Courant", L"ok", L"select 1252 0,1", L"click Renommer", L"ok", L"select 1252 1", L"click Fusionner", L"ok",
       L"select 1252 1", L"set 1247    ", L"click Renommer", L"ok"});
  EXPECT_EQ(projet_.nbTables(), 3);
  EXPECT_EQ(projet_.current(), 0);
  EXPECT_EQ(nom(1), L"Table 2");
  const std::wstring& t = transcript();
  EXPECT_NE(t.find(L"Selectionnez un seul element SVP"), std::wstring::npos);
  EXPECT_NE(t.find(L"Vous devez selectionner au moins"), std::wstring::npos);
}

TEST_F(PointTables, MergeNumbersTheNewTableAndKeepsTheOthersDeleteFromTheLast) {
  run({L"select 1252 0,1", L"click Fusionner", L"ok"});
  ASSERT_EQ(projet_.nbTables(), 4);
  EXPECT_EQ(nom(3), L"LEVE + Table 2");
  listePointsDuDessin& fusion = *projet_.getTable(3);
  ASSERT_EQ(fusion.nbPoint(), 3);
  EXPECT_STREQ(fusion.getData(0)->getNomPoint(), "1");
  EXPECT_STREQ(fusion.getData(2)->getNomPoint(), "3");
  EXPECT_EQ(fusion.getData(2)->getX(), 5.0);
  EXPECT_EQ(projet_.getTable(0)->nbPoint(), 2);
  EXPECT_NE(transcript().find(L"3: LEVE + Table 2 | 3"), std::wstring::npos);

  run({L"select 1252 1,2", L"click Supprimer", L"ok"});
  ASSERT_EQ(projet_.nbTables(), 2);
  EXPECT_EQ(nom(1), L"LEVE + Table 2");
}

TEST_F(PointTables, NoProject) {
  tablesPoints = nullptr;
  gererLeves();
  EXPECT_NE(transcript().find(L"\nAucun projet topo"), std::wstring::npos);
}

}  // namespace
