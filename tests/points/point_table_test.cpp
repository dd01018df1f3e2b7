// Point tables and projects in memory.
#include <gtest/gtest.h>

#include <string>

#include "points/listePointsDuDessin.h"

namespace {

pointDuDessin point(const wchar_t* name, double x, double y, int code = 1, double z = 10.0) {
  pointDuDessin p;
  p.setParams(name, AcGePoint3d(x, y, z), code);
  return p;
}

bool throwsInvalidArgument(listePointsDuDessin& table, int i) {
  try {
    table.getData(i);
  } catch (CInvalidArgException* e) {
    e->Delete();
    return true;
  }
  return false;
}

TEST(PointTable, NamesAreFoundTrimmedAndInAnyCase) {
  listePointsDuDessin table;
  table.Ajouter(point(L"12", 0, 0));
  table.Ajouter(point(L"a1", 1, 1));
  table.Ajouter(point(L"TRES_LONG_NOM", 2, 2));
  int position = -2;
  EXPECT_EQ(table.existPoint(L" 12 ", position), 1);
  EXPECT_EQ(position, 0);
  EXPECT_EQ(table.existPoint(L"A1", position), 1);
  EXPECT_EQ(position, 1);
  EXPECT_EQ(table.existPoint(L"tres_long", position), 1);  // the name was cut to 9
  EXPECT_EQ(table.existPoint(L"absent", position), 0);
  EXPECT_EQ(position, -1);
  EXPECT_TRUE(throwsInvalidArgument(table, 3));
  EXPECT_TRUE(throwsInvalidArgument(table, -1));
  EXPECT_STREQ(table.getData(2)->getNomPoint(), "TRES_LONG");
}

TEST(PointTable, CreatedPointsAndCoordinateSearches) {
  listePointsDuDessin table;
  table.CreerPoint(AcGePoint3d(1, 1, 0.0), 5, L"zero");
  EXPECT_EQ(table.nbPoint(), 0);
  table.CreerPoint(AcGePoint3d(1, 1, 1e-9), 5, nullptr);
  ASSERT_EQ(table.nbPoint(), 1);
  EXPECT_STREQ(table.getData(0)->getNomPoint(), "*");

  listePointsDuDessin empty;
  pointDuDessin found;
  EXPECT_EQ(empty.findNearestTo(0, 0, found), 0);
  table.Ajouter(point(L"B", 4, 0));
  table.Ajouter(point(L"C", -2, 0));
  ASSERT_EQ(table.findNearestTo(1, 0.5, found), 1);
  EXPECT_STREQ(found.getNomPoint(), "*");
  ASSERT_EQ(table.findNearestTo(-1.9, 0, found), 1);
  EXPECT_STREQ(found.getNomPoint(), "C");
  listePointsDuDessin tie;
  tie.Ajouter(point(L"B", 4, 0));
  tie.Ajouter(point(L"C", -2, 0));
  ASSERT_EQ(tie.findNearestTo(1, 0, found), 1);  // at equal distance: the earlier one
  EXPECT_STREQ(found.getNomPoint(), "B");
  EXPECT_EQ(table.getAt(4.0000005, -0.0000005, found), 1);
  EXPECT_STREQ(found.getNomPoint(), "B");
  EXPECT_EQ(table.getAt(4.000002, 0, found), 0);
}

TEST(PointTable, RemovingMovesTheLastPointIntoThePlace) {
  listePointsDuDessin table;
  table.Ajouter(point(L"P1", 0, 0));
  table.Ajouter(point(L"P2", 1, 0));
  table.Ajouter(point(L"P3", 2, 0));
  table.supprimerPoint(L"p1");
  ASSERT_EQ(table.nbPoint(), 2);
  EXPECT_STREQ(table.getData(0)->getNomPoint(), "P3");
  int position = -1;
  EXPECT_EQ(table.existPoint(L"P3", position), 1);
  EXPECT_EQ(position, 0);
  EXPECT_EQ(table.existPoint(L"P1", position), 0);
  table.supprimerPoint(L"inconnu");
  EXPECT_EQ(table.nbPoint(), 2);
}

TEST(PointTable, DuplicatesKeepTheLowestCodeAndNothingChangesWithoutThem) {
  listePointsDuDessin table;
  table.Ajouter(point(L"A", 10, 10, 5));
  table.Ajouter(point(L"B", 10.000000001, 10, 2));
  table.Ajouter(point(L"C", 10, 9.999999999, 7));
  table.Ajouter(point(L"D", 0, 0, 1));
  table.delDups();
  ASSERT_EQ(table.nbPoint(), 2);
  EXPECT_STREQ(table.getData(0)->getNomPoint(), "D");  // sorted by x
  EXPECT_STREQ(table.getData(1)->getNomPoint(), "B");
  int position = -1;
  EXPECT_EQ(table.existPoint(L"B", position), 1);
  EXPECT_EQ(position, 1);
  EXPECT_EQ(table.existPoint(L"A", position), 0);

  listePointsDuDessin distinct;
  distinct.Ajouter(point(L"Z", 5, 0));
  distinct.Ajouter(point(L"Y", 1, 0));
  distinct.delDups();
  EXPECT_STREQ(distinct.getData(0)->getNomPoint(), "Z");  // order untouched
  EXPECT_EQ(distinct.existPoint(L"Y", position), 1);
  EXPECT_EQ(position, 1);
}

TEST(PointTable, NumbersCodesAndAltitudes) {
  listePointsDuDessin table;
  EXPECT_EQ(table.getMaxNum(), 0);
  table.Ajouter(point(L"12", 0, 0, 3));
  table.Ajouter(point(L" 40b", 0, 0, 3, kSansValeur));
  table.Ajouter(point(L"-70", 0, 0, 4));
  table.Ajouter(point(L"borne", 0, 0, 3));
  EXPECT_EQ(table.getMaxNum(), 40);
  EXPECT_EQ(table.nombreAyantCode(3), 3);
  table.decalZ(2.5);
  EXPECT_EQ(table.getData(0)->getZ(), 12.5);
  EXPECT_EQ(table.getData(1)->getZ(), kSansValeur);  // no altitude stays without
}

TEST(PointTable, NumbersForPointsWithoutOne) {
  listePointsDuDessin table;
  for (const wchar_t* name : {L"12", L"*", L"", L"3", L"."}) table.Ajouter(point(name, 0, 0));
  table.renumeroter(false);
  const char* expected[] = {"12", "13", "14", "3", "15"};
  for (int i = 0; i < 5; ++i) EXPECT_STREQ(table.getData(i)->getNomPoint(), expected[i]);
  int position = -1;
  EXPECT_EQ(table.existPoint(L"14", position), 1);
  EXPECT_EQ(position, 2);
  EXPECT_EQ(table.existPoint(L"*", position), 0);
}

TEST(Projects, TablesAndTheCurrentOne) {
  projetsTopo project;
  ASSERT_EQ(project.nbTables(), 1);
  EXPECT_STREQ(project.currTable()->getNomTable().GetString(), L"LEVE");
  project.removeTablePoints(0);  // the last table stays
  EXPECT_EQ(project.nbTables(), 1);
  project.removeAll();
  project.creerTablePoints(L"A");
  project.creerTablePoints(L"B");
  project.creerTablePoints(L"C");
  project.setCurrent(2);
  project.removeTablePoints(0);
  ASSERT_EQ(project.nbTables(), 2);
  EXPECT_EQ(project.current(), 1);
  EXPECT_STREQ(project.currTable()->getNomTable().GetString(), L"C");
  project.removeAll();
  EXPECT_EQ(project.current(), -1);
  bool thrown = false;
  try {
    project.currTable();
  } catch (CInvalidArgException* e) {
    e->Delete();
    thrown = true;
  }
  EXPECT_TRUE(thrown);
  project.reset();
  EXPECT_STREQ(project.currTable()->getNomTable().GetString(), L"LEVE");
}

}  // namespace
