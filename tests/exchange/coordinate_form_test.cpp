// The coordinate form through its menu: load, merge, sort, renumber, save and place.
#include <gtest/gtest.h>

#include "codification/tableCodification.h"
#include "db/dbblkref.h"
#include "exchange/CformulaireXYZ.h"
#include "exchange/tableObsXYZ.h"
#include "exchange_fixture.h"

namespace {

class CoordinateForm : public ExchangeDrawing {
 protected:
  CoordinateForm() {
    codes_.setDefaults();  // codes 1 and 100 only
    table_.setCodes(&codes_);
    std::ofstream(dossier_ / "leve.xyz", std::ios::binary) << "P2 10.0 20.0 5.5 5 borne\r\nP10 11.0 21.0 . 12\r\nA1 9.0 19.0\r\n";
    std::ofstream(dossier_ / "autre.xyz", std::ios::binary) << "P2 30.0 40.0 1.0 1\r\n";
  }
  void run(std::deque<std::wstring> actions) {
    answer(std::move(actions));
    CformulaireXYZ form(&table_, &codes_);
    form.DoModal();
  }
  std::vector<std::wstring> noms() const {
    std::vector<std::wstring> n;
    for (int i = 0; i < table_.count(); ++i) n.push_back(table_.getAt(i).nom.GetString());
    return n;
  }

  tableCodification codes_;
  tableObsXYZ table_;
};

TEST_F(CoordinateForm, LoadAddsMissingCodesMergeAppendsSortByName) {
  run({L"click 32771", chemin("leve.xyz"), L"click 32773", chemin("autre.xyz"), L"sort 1018 Numero", L"click Fin"});
  EXPECT_EQ(noms(), (std::vector<std::wstring>{L"P2", L"P10", L"A1", L"P2"}));
  EXPECT_EQ(table_.getAt(3).x, 30.0);
  EXPECT_EQ(codes_.getLibelle(5), L"Code N° 5");
  EXPECT_EQ(codes_.getLibelle(12), L"Code N° 12");
  const std::wstring& t = transcript();
  EXPECT_NE(t.find(L"  menu Table : 32771 Charger ... | 32772 Sauvegarder | 32773 Fusionner | 32774 Fin\n"
                   L"  menu Points : 32775 PLacer dans le dessin | 32776 Renumeroter\n"),
            std::wstring::npos)
      << t;
  EXPECT_NE(t.find(L"0: P2 | 10.000 | 20.000 | 5.500 | Code N° 5 | "), std::wstring::npos);
  // The altitude "." is not a number: read as 0, as the leading-number rule gives.
  EXPECT_NE(t.find(L"1: P10 | 11.000 | 21.000 | 0.000 | Code N° 12 | "), std::wstring::npos);
  EXPECT_NE(t.find(L"2: A1 | 9.000 | 19.000 |  | Point topo | "), std::wstring::npos);
  // Sorted by name: A1, P2, P2, P10.
  const size_t tri = t.find(L"Action : sort 1018 Numero");
  ASSERT_NE(tri, std::wstring::npos);
  const size_t a1 = t.find(L"0: A1", tri), p10 = t.find(L"3: P10", tri);
  EXPECT_NE(a1, std::wstring::npos);
  EXPECT_NE(p10, std::wstring::npos);
}

TEST_F(CoordinateForm, RenumberThenSaveAndReadBack) {
  run({L"click 32771", chemin("leve.xyz"), L"click 32776", L"set 1175 P", L"set 1176 10", L"ok", L"click 32772",
       chemin("Renum.TXT"), L"click 32774"});
  EXPECT_EQ(noms(), (std::vector<std::wstring>{L"P10", L"P11", L"P12"}));
  ASSERT_TRUE(existe("Renum.TXT.xyz"));
  tableObsXYZ relu;
  ASSERT_TRUE(relu.load(chemin("Renum.TXT.xyz").c_str()));
  ASSERT_EQ(relu.count(), 3);
  EXPECT_EQ(relu.getAt(0).obs, L"borne");
  EXPECT_EQ(relu.getAt(2).nom, L"P12");
}

TEST_F(CoordinateForm, EmptyTableCancelledDialogsAndPlacingReplacesByName) {
  run({L"click 32772", L"ok", L"click 32775", L"ok", L"click 32771", L"annuler", L"click 32774"});
  EXPECT_EQ(table_.count(), 0);
  EXPECT_NE(transcript().find(L"La table ne contient aucun point"), std::wstring::npos);

  ajouter(L"P2", 0, 0, 0);
  table().getData(0)->creer(true);
  const AcDbObjectId ancien = table().getData(0)->getId();
  run({L"click 32771", chemin("leve.xyz"), L"click 32775", L"click 32774"});
  ASSERT_EQ(table().nbPoint(), 3);
  int position = -1;
  ASSERT_EQ(table().existPoint(L"P2", position), 1);
  const pointDuDessin& p2 = *table().getData(position);
  EXPECT_EQ(p2.getX(), 10.0);
  EXPECT_EQ(p2.getCode(), 5);
  EXPECT_FALSE(p2.getId().isNull());
  AcDbBlockReference* bloc = nullptr;
  EXPECT_NE(acdbOpenObject(bloc, ancien, AcDb::kForRead), Acad::eOk);  // the old block is erased
  ASSERT_EQ(acdbOpenObject(bloc, p2.getId(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(bloc->position().x, 10.0);
  bloc->close();
}

}  // namespace
