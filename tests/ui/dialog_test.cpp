// A dialog of the common controls driven by script actions: handlers, data exchange with ranges,
// OK and Cancel, list views, hiding to pick in the drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ed/aced.h"
#include "ed/ed_fixture.h"
#include "ui/adui.h"
#include "ui/afxcmn.h"
#include "ui/dialog_driver.h"

namespace {

enum : int {
  kTestDialogId = 500,
  kNameEdit = 1001,
  kCountEdit = 1002,
  kScaleEdit = 1003,
  kRoundCheck = 1004,
  kGradesRadio = 1005,
  kDegreesRadio = 1006,
  kRadiansRadio = 1007,
  kUnitCombo = 1008,
  kPointList = 1009,
  kComputeButton = 1010,
  kDecimalsSpin = 1011,
  kDecimalsEdit = 1012,
  kCodeEdit = 1013,
};

const AcUiControlTemplate kControls[] = {
    {IDC_STATIC, AcUiControlKind::kStatic, L"&Nom :", 5, 5, 40, 10, 0},
    {kNameEdit, AcUiControlKind::kEdit, L"", 50, 5, 80, 12, 0},
    {IDC_STATIC, AcUiControlKind::kStatic, L"Nombre", 5, 20, 40, 10, 0},
    {kCountEdit, AcUiControlKind::kEdit, L"", 50, 20, 40, 12, 0},
    {kScaleEdit, AcUiControlKind::kEdit, L"", 50, 35, 40, 12, 0},
    {kRoundCheck, AcUiControlKind::kCheckBox, L"&Arrondir", 5, 50, 60, 10, 0},
    {kGradesRadio, AcUiControlKind::kRadio, L"Grades", 5, 65, 60, 10, kCtlGroup},
    {kDegreesRadio, AcUiControlKind::kRadio, L"Degrés", 5, 75, 60, 10, 0},
    {kRadiansRadio, AcUiControlKind::kRadio, L"Radians", 5, 85, 60, 10, 0},
    {kUnitCombo, AcUiControlKind::kComboDropList, L"", 80, 65, 60, 60, 0},
    {kPointList, AcUiControlKind::kListView, L"", 5, 100, 200, 80, 0},
    {kComputeButton, AcUiControlKind::kButton, L"&Calculer", 5, 185, 50, 14, 0},
    {kDecimalsEdit, AcUiControlKind::kEdit, L"", 60, 185, 20, 12, 0},
    {kDecimalsSpin, AcUiControlKind::kSpin, L"", 80, 185, 10, 12, kCtlAutoBuddy},
    {kCodeEdit, AcUiControlKind::kEdit, L"", 100, 185, 20, 12, kCtlReadOnly},
    {IDOK, AcUiControlKind::kDefButton, L"OK", 150, 185, 40, 14, 0},
    {IDCANCEL, AcUiControlKind::kButton, L"Annuler", 195, 185, 40, 14, 0},
};

const AcUiDialogTemplate kTemplates[] = {
    {kTestDialogId, L"Essai", 240, 205, L"MS Shell Dlg", 8, kControls, std::size(kControls)},
};

HINSTANCE testModule() {
  static int anchor;
  return reinterpret_cast<HINSTANCE>(&anchor);
}

struct Point {
  const wchar_t* name;
  double x;
};
const Point kPoints[] = {{L"P2", 30.0}, {L"P10", 10.0}, {L"A7", 20.0}};

int CALLBACK_byX(LPARAM a, LPARAM b, LPARAM descending) {
  double xa = kPoints[a].x, xb = kPoints[b].x;
  int order = xa < xb ? -1 : xa > xb ? 1 : 0;
  return descending ? -order : order;
}

class TestDialog : public CAdUiDialog {
  DECLARE_DYNAMIC(TestDialog)

 public:
  TestDialog() : CAdUiDialog(kTestDialogId) {}

  CString name = L"départ";
  int count = 3;
  double scale = 1.0;
  int round = 0;
  int angleUnit = 0;
  int unit = 1;
  std::vector<std::wstring> log;
  CListCtrl points;
  CSpinButtonCtrl decimals;
  bool pickOnCompute = false;
  bool longNameOnCompute = false;
  bool keepFocusOnCount = false;  // the count edit takes the focus back when it loses it
  bool sortDescending = false;
  ads_point picked = {0, 0, 0};

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CAdUiDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kPointList, points);
    DDX_Control(pDX, kDecimalsSpin, decimals);
    DDX_Text(pDX, kNameEdit, name);
    DDV_MaxChars(pDX, name, 9);
    DDX_Text(pDX, kCountEdit, count);
    DDV_MinMaxInt(pDX, count, 1, 10);
    DDX_Text(pDX, kScaleEdit, scale);
    DDV_MinMaxDouble(pDX, scale, 1e-6, 1e6);
    DDX_Check(pDX, kRoundCheck, round);
    DDX_Radio(pDX, kGradesRadio, angleUnit);
    DDX_CBIndex(pDX, kUnitCombo, unit);
  }

  BOOL OnInitDialog() override {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(kUnitCombo));
    combo->AddString(L"Mètres");
    combo->AddString(L"Centimètres");
    combo->AddString(L"Millimètres");
    CAdUiDialog::OnInitDialog();
    points.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    points.InsertColumn(0, L"Num", LVCFMT_LEFT, 60);
    points.InsertColumn(1, L"X", LVCFMT_RIGHT, 60);
    for (int i = 0; i < 3; ++i) {
      points.InsertItem(i, kPoints[i].name);
      CString x;
      x.Format(L"%.3f", kPoints[i].x);
      points.SetItemText(i, 1, x);
      points.SetItemData(i, static_cast<DWORD_PTR>(i));
    }
    decimals.SetRange32(0, 8);
    decimals.SetPos32(2);
    return TRUE;
  }

  afx_msg void OnCompute() {
    log.push_back(L"calculer");
    if (longNameOnCompute) SetDlgItemText(kNameEdit, L"abcdefghijkl");
    if (!pickOnCompute) return;
    BeginEditorCommand();
    if (acedGetPoint(nullptr, L"\nPoint : ", picked) == RTNORM) {
      CompleteEditorCommand();
      SetDlgItemText(kNameEdit, L"choisi");
    } else {
      CancelEditorCommand();
    }
  }
  void OnNameChange() {
    CString text;
    GetDlgItemText(kNameEdit, text);
    log.push_back(L"nom:" + std::wstring(text.GetString()));
  }
  void OnCountKillFocus() {
    log.push_back(L"nombre quitté");
    if (keepFocusOnCount) GetDlgItem(kCountEdit)->SetFocus();
  }
  void OnUnitChange() {
    log.push_back(L"unité:" +
                  std::to_wstring(static_cast<CComboBox*>(GetDlgItem(kUnitCombo))->GetCurSel()));
  }
  void OnRound() { log.push_back(L"arrondir:" + std::to_wstring(IsDlgButtonChecked(kRoundCheck))); }
  void OnPointDblClk(NMHDR* header, LRESULT* result) {
    auto* activate = reinterpret_cast<NMITEMACTIVATE*>(header);
    log.push_back(L"double:" + std::wstring(points.GetItemText(activate->iItem, 0).GetString()));
    *result = 0;
  }
  void OnPointColumnClick(NMHDR* header, LRESULT* result) {
    auto* info = reinterpret_cast<NMLISTVIEW*>(header);
    log.push_back(L"colonne:" + std::to_wstring(info->iSubItem));
    if (info->iSubItem == 1) {
      points.SortItems(CALLBACK_byX, sortDescending);
      sortDescending = !sortDescending;
    }
    *result = 0;
  }
  void OnPointChanged(NMHDR* header, LRESULT* result) {
    auto* info = reinterpret_cast<NMLISTVIEW*>(header);
    if ((info->uNewState ^ info->uOldState) & LVIS_SELECTED) {
      log.push_back(std::wstring((info->uNewState & LVIS_SELECTED) ? L"+" : L"-") +
                    std::to_wstring(info->iItem));
    }
    *result = 0;
  }

  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(TestDialog, CAdUiDialog)

BEGIN_MESSAGE_MAP(TestDialog, CAdUiDialog)
ON_BN_CLICKED(kComputeButton, &TestDialog::OnCompute)
ON_BN_CLICKED(kRoundCheck, &TestDialog::OnRound)
ON_EN_CHANGE(kNameEdit, &TestDialog::OnNameChange)
ON_EN_KILLFOCUS(kCountEdit, &TestDialog::OnCountKillFocus)
ON_CBN_SELCHANGE(kUnitCombo, &TestDialog::OnUnitChange)
ON_NOTIFY(NM_DBLCLK, kPointList, &TestDialog::OnPointDblClk)
ON_NOTIFY(LVN_COLUMNCLICK, kPointList, &TestDialog::OnPointColumnClick)
ON_NOTIFY(LVN_ITEMCHANGED, kPointList, &TestDialog::OnPointChanged)
END_MESSAGE_MAP()

// A dialog that refuses to close from OK and overrides only that.
class StubbornDialog : public TestDialog {
 protected:
  void OnOK() override { log.push_back(L"refusé"); }
  void OnCancel() override { log.push_back(L"refusé"); }
};

class DialogTest : public ScriptedEditor {
 protected:
  DialogTest() {
    static bool registered = false;
    if (!registered) AfxRegisterDialogTemplates(testModule(), kTemplates, std::size(kTemplates));
    registered = true;
    ui::setDialogDriver(nullptr);
  }
  static std::vector<std::wstring> logOf(std::initializer_list<const wchar_t*> items) {
    return std::vector<std::wstring>(items.begin(), items.end());
  }
};

TEST_F(DialogTest, OpensPrintedWithItsInitialValues) {
  answer({L"cancel"});
  TestDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  const std::wstring expected =
      L"Dialogue « Essai » (240 x 205)\n"
      L"  - texte : Nom :\n"
      L"  1001 édition : départ\n"
      L"  - texte : Nombre\n"
      L"  1002 édition : 3\n"
      L"  1003 édition : 1\n"
      L"  1004 case à cocher : [ ] Arrondir\n"
      L"  1005 option : (o) Grades\n"
      L"  1006 option : ( ) Degrés\n"
      L"  1007 option : ( ) Radians\n"
      L"  1008 liste déroulante : Centimètres {Mètres | Centimètres | Millimètres}\n"
      L"  1009 tableau : 3 ligne(s), 0 sélectionnée(s)\n"
      L"    #: Num | X\n"
      L"      0: P2 | 30.000\n"
      L"      1: P10 | 10.000\n"
      L"      2: A7 | 20.000\n"
      L"  1010 bouton : Calculer\n"
      L"  1012 édition : 2\n"
      L"  1011 compteur : 2 (0..8)\n"
      L"  1013 édition (lecture seule) :\n"
      L"  1 bouton par défaut : OK\n"
      L"  2 bouton : Annuler\n"
      L"Action : cancel\n"
      L"Dialogue « Essai » fermé : Annuler\n";
  EXPECT_EQ(transcript(), expected);
}

TEST_F(DialogTest, OkTransfersTheValuesTypedChosenAndChecked) {
  answer({L"set 1001 borne", L"set Nombre 7", L"set 1003 0.25", L"check arrondir on",
          L"check Radians on", L"choose 1008 #2", L"ok"});
  TestDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.name, L"borne");
  EXPECT_EQ(dialog.count, 7);
  EXPECT_DOUBLE_EQ(dialog.scale, 0.25);
  EXPECT_EQ(dialog.round, 1);
  EXPECT_EQ(dialog.angleUnit, 2);
  EXPECT_EQ(dialog.unit, 2);
  // The label "Nombre" named the edit after it; the edit was told when the focus left it.
  EXPECT_EQ(dialog.log, logOf({L"nom:borne", L"nombre quitté", L"arrondir:1", L"unité:2"}));
}

TEST_F(DialogTest, CancelLeavesTheMembersAsTheyWere) {
  answer({L"set 1001 autre", L"set 1002 9", L"cancel"});
  TestDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.name, L"départ");
  EXPECT_EQ(dialog.count, 3);
}

TEST_F(DialogTest, RangeAndNumberErrorsShowTheStandardMessageAndKeepTheDialogOpen) {
  answer({L"set 1002 11", L"ok", L"ok", L"set 1002 abc", L"ok", L"ok", L"set 1002 4", L"set 1003 0",
          L"ok", L"ok", L"set 1003 2.5", L"ok"});
  TestDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.count, 4);
  EXPECT_DOUBLE_EQ(dialog.scale, 2.5);
  const std::wstring& text = transcript();
  EXPECT_NE(text.find(L"Message « cadhost » (avertissement)\n  Entrez un entier compris entre 1 et "
                      L"10.\n  [OK]\nRéponse : ok\n"),
            std::wstring::npos);
  EXPECT_NE(text.find(L"  Entrez un entier.\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"  Entrez un nombre compris entre 1e-06 et 1000000.\n"), std::wstring::npos);
}

TEST_F(DialogTest, MaxCharsLimitsTypingAndRefusesALongerTextSetByTheProgram) {
  answer({L"set 1001 abcdefghij", L"ok"});
  TestDialog typed;
  EXPECT_EQ(typed.DoModal(), IDOK);
  EXPECT_EQ(typed.name, L"abcdefghi");

  answer({L"click 1010", L"ok", L"ok", L"set 1001 abc", L"ok"});
  TestDialog programmed;
  programmed.longNameOnCompute = true;
  EXPECT_EQ(programmed.DoModal(), IDOK);
  EXPECT_EQ(programmed.name, L"abc");
  EXPECT_NE(transcript().find(L"  Entrez au plus 9 caractères.\n"), std::wstring::npos);
}

TEST_F(DialogTest, MistakesInTheScriptAreToldAndTheDialogGoesOn) {
  answer({L"click 4242", L"frobnicate 1001", L"set 1013 x", L"choose 1008 Kilomètres",
          L"check 1004 peut-être", L"select 1009 7", L"set 1001 ok", L"ok"});
  TestDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.name, L"ok");
  const std::wstring& text = transcript();
  EXPECT_NE(text.find(L"Contrôle inconnu : 4242\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"Action inconnue : frobnicate\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"Le contrôle 1013 est en lecture seule.\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"Élément introuvable dans 1008 : Kilomètres\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"Valeur incorrecte pour le contrôle 1004 : peut-être\n"),
            std::wstring::npos);
  EXPECT_NE(text.find(L"Ligne incorrecte pour 1009 : 7\n"), std::wstring::npos);
}

TEST_F(DialogTest, TheEndOfTheInputCancelsEvenADialogThatRefusesToClose) {
  answer({L"set 1001 x", L"ok"});
  StubbornDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.log.back(), L"refusé");
  EXPECT_NE(transcript().find(L"Fin des entrées : dialogue annulé.\n"), std::wstring::npos);
}

TEST_F(DialogTest, DisabledAndHiddenControlsCannotBeUsed) {
  answer({L"click 1010", L"set 1001 x", L"cancel"});
  class Restricted : public TestDialog {
    BOOL OnInitDialog() override {
      TestDialog::OnInitDialog();
      GetDlgItem(kComputeButton)->EnableWindow(FALSE);
      GetDlgItem(kNameEdit)->ShowWindow(SW_HIDE);
      return TRUE;
    }
  } dialog;
  dialog.DoModal();
  EXPECT_TRUE(dialog.log.empty());
  EXPECT_NE(transcript().find(L"  1010 bouton (grisé) : Calculer\n"), std::wstring::npos);
  EXPECT_EQ(transcript().find(L"  1001 édition"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"Le contrôle 1010 est grisé.\n"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"Le contrôle 1001 n'est pas visible.\n"), std::wstring::npos);
}

TEST_F(DialogTest, ListViewSelectionDoubleClickAndSortReachTheHandlers) {
  answer({L"select 1009 0,2", L"dblclick 1009 1", L"sort 1009 X", L"sort 1009 #1", L"sort 1009 Num",
          L"ok"});
  TestDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.log, logOf({L"+0", L"+2", L"-0", L"-2", L"+1", L"double:P10", L"colonne:1",
                               L"colonne:1", L"colonne:0"}));
  // Sorted by X ascending then descending: the last print shows P2, A7, P10 with P10 selected.
  const std::wstring& text = transcript();
  size_t last = text.rfind(L"    #: Num | X\n");
  ASSERT_NE(last, std::wstring::npos);
  size_t end = text.find(L"  1010", last);
  EXPECT_EQ(text.substr(last, end - last),
            L"    #: Num | X\n      0: P2 | 30.000\n      1: A7 | 20.000\n    > 2: P10 | 10.000\n");
}

TEST_F(DialogTest, AControlTakingTheFocusBackSwallowsTheClickThatMovedIt) {
  answer({L"focus 1002", L"focus 1001", L"click Calculer", L"cancel"});
  TestDialog dialog;
  dialog.keepFocusOnCount = true;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  // Leaving for the name edit and for the button both came back; the button was never pressed.
  EXPECT_EQ(dialog.log, logOf({L"nombre quitté", L"nombre quitté"}));
}

TEST_F(DialogTest, SpinMovesItsBuddyAndStaysInRange) {
  answer({L"set 1011 5", L"click 1011 haut", L"set 1011 42", L"ok"});
  TestDialog dialog;
  dialog.DoModal();
  EXPECT_NE(transcript().find(L"  1012 édition : 6\n  1011 compteur : 6 (0..8)\n"),
            std::wstring::npos);
  EXPECT_NE(transcript().find(L"  1012 édition : 8\n  1011 compteur : 8 (0..8)\n"),
            std::wstring::npos);
}

TEST_F(DialogTest, HidesToPickAndShowsAgainWithThePromptAnsweredInBetween) {
  answer({L"click Calculer", L"12.5,3", L"ok"});
  TestDialog dialog;
  dialog.pickOnCompute = true;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_DOUBLE_EQ(dialog.picked[0], 12.5);
  EXPECT_DOUBLE_EQ(dialog.picked[1], 3.0);
  EXPECT_EQ(dialog.name, L"choisi");
  const std::wstring& text = transcript();
  size_t hidden = text.find(L"Dialogue « Essai » masqué : à vous sur la ligne de commande.\n");
  size_t prompt = text.find(L"Point : 12.5,3\n");
  size_t back = text.find(L"Dialogue « Essai » de retour.\nDialogue « Essai » (240 x 205)\n");
  ASSERT_NE(hidden, std::wstring::npos);
  ASSERT_NE(prompt, std::wstring::npos);
  ASSERT_NE(back, std::wstring::npos);
  EXPECT_LT(hidden, prompt);
  EXPECT_LT(prompt, back);
}

TEST_F(DialogTest, ACancelledPickShowsTheDialogAgainUnchanged) {
  answer({L"click 1010", L"^C", L"ok"});
  TestDialog dialog;
  dialog.pickOnCompute = true;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.name, L"départ");
  EXPECT_NE(transcript().find(L"de retour."), std::wstring::npos);
}

TEST_F(DialogTest, EnterPressesTheDefaultButton) {
  answer({L"set 1002 5", L""});
  TestDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.count, 5);
}

TEST_F(DialogTest, AMissingTemplateIsToldAndGivesMinusOne) {
  answer({});
  CDialog dialog(9999);
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_NE(transcript().find(L"Modèle de dialogue 9999 introuvable."), std::wstring::npos);
}

TEST_F(DialogTest, TheOwnerIsDisabledWhileTheDialogRunsAndEnabledAfter) {
  answer({L"cancel"});
  class Watch : public TestDialog {
    BOOL OnInitDialog() override {
      ownerEnabledInside = AfxGetMainWnd()->IsWindowEnabled();
      return TestDialog::OnInitDialog();
    }

   public:
    BOOL ownerEnabledInside = TRUE;
  } dialog;
  dialog.DoModal();
  EXPECT_FALSE(dialog.ownerEnabledInside);
  EXPECT_TRUE(AfxGetMainWnd()->IsWindowEnabled());
}

}  // namespace
