// The point-list dialog driven by actions: filter, sorts, the chosen point, the buttons shown.
#include <gtest/gtest.h>

#include "codification/globalCodification.h"
#include "ed/ed_fixture.h"
#include "points/DlgPntsDuDessin.h"
#include "points/listePointsDuDessin.h"
#include "resources/ressourcesModule.h"
#include "ui/dialog_driver.h"

namespace {

TEST(PointNameOrder, LettersThenNumberThenRest) {
  EXPECT_LT(comparerNomsPoints("P2", "p3"), 0);
  EXPECT_LT(comparerNomsPoints("p3", "P10"), 0);
  EXPECT_LT(comparerNomsPoints("P10", "7"), 0);  // no leading letters: after
  EXPECT_EQ(comparerNomsPoints("b12", "B12"), 0);
  EXPECT_LT(comparerNomsPoints("B12a", "b12C"), 0);
  EXPECT_GT(comparerNomsPoints("C1", "b9"), 0);
  EXPECT_LT(comparerNomsPoints("9", "10"), 0);
}

class PointListDialog : public ScriptedEditor {
 protected:
  PointListDialog() {
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
    oublierGlobalCodification();
    oublierTriPoints();
    const struct {
      const wchar_t* name;
      double x, y;
      int code;
    } points[] = {{L"P2", 3, 1, 1}, {L"P10", 1, 2, 100}, {L"7", 4, 4, 1}, {L"p3", 2, 3, 1}};
    for (const auto& p : points) {
      pointDuDessin point;
      point.setParams(p.name, AcGePoint3d(p.x, p.y, 10), p.code);
      table.Ajouter(point);
    }
  }
  ~PointListDialog() override {
    retirerRessources();
    oublierGlobalCodification();
  }
  int choose(std::deque<std::wstring> actions, int mask = 31, int code = -1) {
    answer(std::move(actions));
    DlgPntsDuDessin dialog(globalCodification(), &table);
    dialog.m_masque = mask;
    dialog.m_codePreselectionne = code;
    dialog.DoModal();
    return dialog.m_pointChoisi;
  }
  listePointsDuDessin table;
};

TEST_F(PointListDialog, SortedByNameTheFirstRowIsTheChosenPoint) {
  EXPECT_EQ(choose({L"sort 1112 Num", L"select 1112 1", L"ok"}), 3);  // P2, p3, P10, 7
  EXPECT_EQ(choose({L"sort 1112 Num", L"select 1112 3", L"ok"}), 0);  // now descending: 7, P10, p3, P2
  EXPECT_EQ(choose({L"ok"}), -1);
}

TEST_F(PointListDialog, DirectionIsKeptAcrossColumnsAndOpenings) {
  // X twice: descending; then Y, still descending.
  EXPECT_EQ(choose({L"sort 1112 X", L"sort 1112 X", L"select 1112 0", L"ok"}), 2);  // x = 4
  EXPECT_EQ(choose({L"sort 1112 Y", L"select 1112 0", L"ok"}), 2);                  // y = 4
  EXPECT_EQ(choose({L"sort 1112 Y", L"select 1112 0", L"ok"}), 0);                  // y = 1
}

TEST_F(PointListDialog, CodeFilterAndButtonsOfTheMask) {
  EXPECT_EQ(choose({L"select 1112 0", L"ok"}, 4 | 16, 100), 1);  // only P10 has code 100
  const std::wstring& shown = transcript();
  EXPECT_NE(shown.find(L"Placer"), std::wstring::npos);
  EXPECT_EQ(shown.find(L"Importer"), std::wstring::npos) << shown;
  EXPECT_NE(shown.find(L"0100   Station"), std::wstring::npos);
  EXPECT_NE(shown.find(L"*** TOUS LES CODES ***"), std::wstring::npos);
}

}  // namespace
