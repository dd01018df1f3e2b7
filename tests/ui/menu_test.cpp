// Dialog menu bars: built from the menu registered for a template, printed with the dialog,
// chosen from the input like buttons, greyed and checked by the program.
#include <gtest/gtest.h>

#include "ed/ed_fixture.h"
#include "ui/dialog_driver.h"

namespace {

constexpr UINT kCharger = 32771, kSauver = 32772, kPlacer = 32775;

const AcUiControlTemplate kControls[] = {
    {1018, AcUiControlKind::kListView, L"", 5, 5, 200, 100, 0},
    {IDOK, AcUiControlKind::kDefButton, L"OK", 5, 110, 40, 14, 0},
};
const AcUiDialogTemplate kTemplates[] = {
    {700, L"Points en XYZ", 210, 130, L"MS Shell Dlg", 8, kControls, std::size(kControls)},
    {701, L"Sans menu", 210, 130, L"MS Shell Dlg", 8, kControls, std::size(kControls)},
};
const AcUiMenuItemTemplate kItems[] = {
    {L"Table", kCharger, L"Charger ...", 0},
    {L"Table", kSauver, L"&Sauvegarder", kMenuGrayed},
    {L"Table", 0, nullptr, kMenuSeparator},
    {L"Table", 32774, L"Fin", 0},
    {L"&Points", kPlacer, L"&PLacer dans le dessin", kMenuChecked},
};
const AcUiDialogMenuTemplate kMenus[] = {{7000, 700, kItems, std::size(kItems)}};

HINSTANCE menuModule() {
  static int anchor;
  return reinterpret_cast<HINSTANCE>(&anchor);
}

class MenuDialog : public CDialog {
 public:
  explicit MenuDialog(UINT id = 700) : CDialog(id) {}
  std::vector<UINT> chosen;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (CMenu* bar = GetMenu()) bar->EnableMenuItem(kPlacer, MF_BYCOMMAND | MF_GRAYED);
    return TRUE;
  }
  void OnCharger() {
    chosen.push_back(kCharger);
    // Loading makes the table worth saving and placing.
    GetMenu()->EnableMenuItem(kSauver, MF_BYCOMMAND | MF_ENABLED);
    GetMenu()->GetSubMenu(1)->EnableMenuItem(0, MF_BYPOSITION | MF_ENABLED);
  }
  void OnSauver() { chosen.push_back(kSauver); }
  void OnPlacer() { chosen.push_back(kPlacer); }
  void OnFin() { EndDialog(IDOK); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuDialog, CDialog)
ON_COMMAND(kCharger, &MenuDialog::OnCharger)
ON_COMMAND(kSauver, &MenuDialog::OnSauver)
ON_COMMAND(kPlacer, &MenuDialog::OnPlacer)
ON_COMMAND(32774, &MenuDialog::OnFin)
END_MESSAGE_MAP()

class MenuTest : public ScriptedEditor {
 protected:
  MenuTest() {
    AfxRegisterDialogTemplates(menuModule(), kTemplates, std::size(kTemplates));
    AfxRegisterDialogMenus(menuModule(), kMenus, std::size(kMenus));
    ui::setDialogDriver(nullptr);
  }
  ~MenuTest() override { AfxUnregisterResources(menuModule()); }
};

TEST_F(MenuTest, ItemsAreChosenByIdOrCaptionAndGreyedOnesRefuse) {
  answer({L"click 32772", L"click 32775", L"click 32771", L"click sauvegarder", L"click \"PLacer dans le dessin\"",
          L"click Fin"});
  MenuDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.chosen, (std::vector<UINT>{kCharger, kSauver, kPlacer}));
  const std::wstring& shown = transcript();
  EXPECT_NE(shown.find(L"  menu Table : 32771 Charger ... | 32772 Sauvegarder (grisé) | --- | 32774 Fin\n"
                       L"  menu Points : 32775 PLacer dans le dessin [x] (grisé)\n"),
            std::wstring::npos)
      << shown;
  EXPECT_NE(shown.find(L"L'élément de menu 32772 est grisé."), std::wstring::npos);
  // After loading, the dialog is printed again with both items enabled.
  EXPECT_NE(shown.find(L"32772 Sauvegarder | --- | 32774 Fin\n  menu Points : 32775 PLacer dans le dessin [x]\n"),
            std::wstring::npos);
}

TEST_F(MenuTest, MenuStructureSeenThroughCMenu) {
  answer({L"ok"});
  struct Inspect : MenuDialog {
    BOOL OnInitDialog() override {
      MenuDialog::OnInitDialog();
      CMenu* bar = GetMenu();
      EXPECT_EQ(bar->GetMenuItemCount(), 2);
      CString text;
      bar->GetMenuString(1, text, MF_BYPOSITION);
      EXPECT_EQ(text, L"&Points");
      CMenu* table = bar->GetSubMenu(0);
      EXPECT_EQ(table->GetMenuItemCount(), 4);
      EXPECT_EQ(table->GetMenuItemID(2), 0u);  // separator
      EXPECT_EQ(table->GetMenuItemID(3), 32774u);
      EXPECT_EQ(bar->GetSubMenu(2), nullptr);
      EXPECT_EQ(bar->GetMenuState(kSauver, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
      EXPECT_EQ(bar->CheckMenuItem(kPlacer, MF_BYCOMMAND | MF_UNCHECKED), static_cast<UINT>(MF_CHECKED));
      EXPECT_EQ(bar->GetMenuState(kPlacer, MF_BYCOMMAND) & MF_CHECKED, 0u);
      EXPECT_EQ(bar->EnableMenuItem(12345, MF_BYCOMMAND | MF_ENABLED), static_cast<UINT>(-1));
      table->GetMenuString(0, text, MF_BYPOSITION);
      EXPECT_EQ(text, L"Charger ...");
      return TRUE;
    }
  } dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(MenuTest, DialogWithoutMenuHasNoneAndUnknownItemsAreRefused) {
  answer({L"click 32771", L"show", L"ok"});
  MenuDialog dialog(701);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.chosen.empty());
  EXPECT_EQ(transcript().find(L"  menu "), std::wstring::npos);
  EXPECT_NE(transcript().find(L"Contrôle inconnu : 32771"), std::wstring::npos);
}

}  // namespace
