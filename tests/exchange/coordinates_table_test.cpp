// The coordinates table: its layout from measured texts, and the table drawn from the point list.
#include <gtest/gtest.h>

#include "db/dbents.h"
#include "db/dbgroup.h"
#include "db/dbdict.h"
#include "db/dbpl.h"
#include "db/dbsymtb.h"
#include "exchange/commandesEchange.h"
#include "exchange/dispositionTableCoordonnees.h"
#include "exchange_fixture.h"

namespace {

// Every character 1 wide, every text 2.5 high: the widths are the lengths.
void mesureFixe(const CString& texte, double& largeur, double& hauteur) {
  largeur = texte.GetLength();
  hauteur = 2.5;
}

bool libelleConnu(int code, CString& libelle) {
  if (code == 99) return false;
  libelle.Format(L"Code numero %d", code);
  return true;
}

std::vector<pointTableCoord> troisPoints() {
  return {{L"12", 100.0, 200.0, 15.25, 1}, {L"S3", 1000.5, 2.0, kSansValeur, 99}, {L"7", 1.0, 2.0, 3.0, 1}};
}

const texteTableCoord* trouver(const dispositionTableCoord& t, const wchar_t* texte) {
  for (const texteTableCoord& x : t.textes)
    if (x.texte == texte) return &x;
  return nullptr;
}

TEST(CoordinatesTableLayout, RowsColumnsAndLinesOfTheDefaults) {
  const dispositionTableCoord t = disposerTableCoordonnees(troisPoints(), paramsTableCoordonnees(), 10.0, 100.0,
                                                           mesureFixe, libelleConnu);
  EXPECT_DOUBLE_EQ(t.uniteLigne, 2.5);
  // Widths: "Num" 3, "1000.5000" 9, "200.0000" 8, "15.25" 5.
  ASSERT_EQ(t.largeurs, (std::vector<double>{3, 9, 8, 5}));
  const texteTableCoord* entete = trouver(t, L"Num");
  ASSERT_NE(entete, nullptr);
  EXPECT_EQ(entete->alignement, kAlignCentre);
  EXPECT_DOUBLE_EQ(entete->x, 10.0 + 0.6 * 3);
  EXPECT_DOUBLE_EQ(entete->y, 100.0 - 2.75);
  // The first point row 7.25 below the corner; a numeric name right-aligned, S3 left-aligned.
  const texteTableCoord* douze = trouver(t, L"12");
  EXPECT_EQ(douze->alignement, kAlignDroite);
  EXPECT_DOUBLE_EQ(douze->x, 10.0 + 1.1 * 3);
  EXPECT_DOUBLE_EQ(douze->y, 100.0 - 7.25);
  const texteTableCoord* s3 = trouver(t, L"S3");
  EXPECT_EQ(s3->alignement, kAlignGauche);
  EXPECT_DOUBLE_EQ(s3->x, 10.0 + 0.3);
  const texteTableCoord* x = trouver(t, L"1000.5000");
  EXPECT_DOUBLE_EQ(x->x, 10.0 + 3.6 + 1.1 * 9);
  EXPECT_DOUBLE_EQ(x->y, 100.0 - 2 * 4.5 - 2.75);
  EXPECT_NE(trouver(t, L"3.00"), nullptr);  // Z with 2 decimals
  // 4 headings, 3 names, 3 X, 3 Y, 2 Z (S3 has none).
  EXPECT_EQ(t.textes.size(), 15u);
  // Three column separators and the heading line; no row lines by default.
  ASSERT_EQ(t.segments.size(), 4u);
  EXPECT_DOUBLE_EQ(t.segments[0].x1, 10.0 + 3.6);
  EXPECT_DOUBLE_EQ(t.segments[0].y2, 100.0 - 18.0);
  EXPECT_DOUBLE_EQ(t.segments[3].y1, 100.0 - 3.5);
  EXPECT_DOUBLE_EQ(t.segments[3].x2, 10.0 + 1.2 * 25);
  EXPECT_TRUE(t.cadre);
  EXPECT_DOUBLE_EQ(t.cadreY0 - t.cadreY1, 18.0);
}

TEST(CoordinatesTableLayout, CodeAndLabelColumnsRowLinesAndTallTexts) {
  paramsTableCoordonnees p;
  for (bool& c : p.colonnes) c = false;
  p.colonnes[kColCode] = true;
  p.cadre = paramsTableCoordonnees::kSeparerColonnes | paramsTableCoordonnees::kSeparerLignes;
  std::vector<pointTableCoord> points = troisPoints();
  points[0].code = 12345;  // wider than the heading
  dispositionTableCoord t = disposerTableCoordonnees(points, p, 0, 0, mesureFixe, libelleConnu);
  EXPECT_EQ(t.largeurs, std::vector<double>{5});
  ASSERT_EQ(t.segments.size(), 2u);  // no column separator for one column; lines under rows 1 and 2
  EXPECT_DOUBLE_EQ(t.segments[1].y1, -2 * 4.5 - 3.5);
  EXPECT_DOUBLE_EQ(t.segments[1].x2, 6.0);
  EXPECT_FALSE(t.cadre);

  p.colonnes[kColLibelle] = true;
  auto haute = [](const CString& texte, double& l, double& h) {
    l = texte.GetLength();
    h = texte == L"Libelle" ? 4.0 : 1.0;
  };
  t = disposerTableCoordonnees(points, p, 0, 0, haute, libelleConnu);
  EXPECT_DOUBLE_EQ(t.uniteLigne, 4.0);  // the tallest text wins over the height
  EXPECT_DOUBLE_EQ(t.largeurs[1], 17.0);  // "Code numero 12345"; the unknown code 99 is not measured
  EXPECT_EQ(trouver(t, L"Code numero 99"), nullptr);
  EXPECT_NE(trouver(t, L"Code numero 1"), nullptr);

  for (bool& c : p.colonnes) c = false;
  EXPECT_TRUE(disposerTableCoordonnees(points, p, 0, 0, mesureFixe, libelleConnu).textes.empty());
  EXPECT_TRUE(disposerTableCoordonnees({}, paramsTableCoordonnees(), 0, 0, mesureFixe, libelleConnu).textes.empty());
}

class CoordinatesTable : public ExchangeDrawing {
 protected:
  int groupes() {
    AcDbDictionary* d = nullptr;
    db_.getGroupDictionary(d, AcDb::kForRead);
    const int n = static_cast<int>(d->numEntries());
    d->close();
    return n;
  }
};

TEST_F(CoordinatesTable, TwoSelectedRowsOfFiftyInOneGroup) {
  for (int i = 0; i < 50; ++i) ajouter(std::to_wstring(i + 1).c_str(), i, 2 * i, i == 3 ? kSansValeur : 0.5 * i);
  answer({L"select 1112 3,7", L"click 1111", L"set 1132 1.5", L"ok", L"10,100", L"ok"});
  commandeTableXYZ();
  // 4 headings, 2 rows of 4 cells less the missing Z of point 4.
  EXPECT_EQ(entitesDuModele(AcDbText::desc()), 11);
  EXPECT_EQ(entitesDuModele(AcDbLine::desc()), 4);
  EXPECT_EQ(entitesDuModele(AcDbPolyline::desc()), 1);
  EXPECT_EQ(groupes(), 1);
  EXPECT_NE(transcript().find(L"\nPosition de la table des coordonnées"), std::wstring::npos);
}

TEST_F(CoordinatesTable, CancelNoCornerAndRangeOfTheHeight) {
  ajouter(L"1", 0, 0, 0);
  answer({L"click 1111", L"cancel", L"click 1111", L"set 1132 0", L"ok", L"ok", L"set 1132 2", L"ok", L"^C", L"ok",
          L"ok"});
  commandeTableXYZ();
  EXPECT_EQ(entitesDuModele(AcDbText::desc()), 0);
  EXPECT_EQ(groupes(), 0);
  EXPECT_NE(transcript().find(L"Entrez un nombre compris entre 0.001 et 1000000."), std::wstring::npos) << transcript();
  EXPECT_NE(transcript().find(L"Abandon"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"pas de point choisi"), std::wstring::npos);
}

}  // namespace
