// Message maps with ranges and window messages, data exchange of lists and radio groups, the
// list and combo APIs the module calls, nested modal dialogs.
#include <gtest/gtest.h>

#include "ed/ed_fixture.h"
#include "ui/afxcmn.h"
#include "ui/dialog_driver.h"

namespace {

enum : int {
  kFirstTool = 3001,  // three push buttons handled by one range handler
  kLastTool = 3003,
  kRadioA = 3010,
  kRadioB = 3011,
  kNotes = 3020,
  kDigits = 3021,
  kChoice = 3030,
  kRows = 3040,
  kNested = 3050,
};

const AcUiControlTemplate kControls[] = {
    {kFirstTool, AcUiControlKind::kButton, L"Un", 5, 5, 30, 14, 0},
    {3002, AcUiControlKind::kButton, L"Deux", 40, 5, 30, 14, 0},
    {kLastTool, AcUiControlKind::kButton, L"Trois", 75, 5, 30, 14, 0},
    {kRadioA, AcUiControlKind::kRadio, L"A", 5, 25, 30, 10, kCtlGroup},
    {kRadioB, AcUiControlKind::kRadio, L"B", 40, 25, 30, 10, 0},
    {kNotes, AcUiControlKind::kEdit, L"", 5, 40, 100, 30, kCtlMultiline},
    {kDigits, AcUiControlKind::kEdit, L"", 5, 75, 30, 12, kCtlNumber},
    {kChoice, AcUiControlKind::kComboDropDown, L"", 5, 90, 60, 50, 0},
    {kRows, AcUiControlKind::kListView, L"", 70, 90, 100, 50, kCtlSingleSel},
    {kNested, AcUiControlKind::kButton, L"Imbriqué", 5, 145, 40, 14, 0},
    {IDOK, AcUiControlKind::kDefButton, L"OK", 130, 145, 40, 14, 0},
};
const AcUiDialogTemplate kTemplates[] = {
    {800, L"Cadre", 180, 165, L"MS Shell Dlg", 8, kControls, std::size(kControls)}};

HINSTANCE frameworkModule() {
  static int anchor;
  return reinterpret_cast<HINSTANCE>(&anchor);
}

constexpr UINT kRefreshMessage = WM_APP + 1;

class FrameDialog : public CDialog {
 public:
  explicit FrameDialog(CWnd* parent = nullptr) : CDialog(800, parent) {}
  int radio = -1;
  CString notes;
  CString choice = L"deux";
  std::vector<std::wstring> log;
  bool parentEnabledInside = true;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Radio(pDX, kRadioA, radio);
    DDX_Text(pDX, kNotes, notes);
    DDX_CBString(pDX, kChoice, choice);
  }
  BOOL OnInitDialog() override {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(kChoice));
    combo->AddString(L"Un");
    combo->AddString(L"Deux");
    if (CWnd* owner = GetParent()) parentEnabledInside = owner->IsWindowEnabled();
    return CDialog::OnInitDialog();
  }
  void OnTool(UINT id) { log.push_back(L"outil:" + std::to_wstring(id)); }
  LRESULT OnRefresh(WPARAM wParam, LPARAM lParam) {
    log.push_back(L"rafraîchir:" + std::to_wstring(wParam) + L"," + std::to_wstring(lParam));
    return 7;
  }
  void OnNested() {
    FrameDialog inner(this);
    INT_PTR result = inner.DoModal();
    log.push_back(L"imbriqué:" + std::to_wstring(result) +
                  (inner.parentEnabledInside ? L" parent actif" : L" parent grisé"));
  }
  LRESULT OnDestroyedMessage(WPARAM, LPARAM) {
    log.push_back(L"détruit");
    return 0;
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FrameDialog, CDialog)
ON_CONTROL_RANGE(BN_CLICKED, kFirstTool, kLastTool, &FrameDialog::OnTool)
ON_MESSAGE(kRefreshMessage, &FrameDialog::OnRefresh)
ON_BN_CLICKED(kNested, &FrameDialog::OnNested)
ON_MESSAGE(WM_DESTROY, &FrameDialog::OnDestroyedMessage)
END_MESSAGE_MAP()

class FrameworkTest : public ScriptedEditor {
 protected:
  FrameworkTest() {
    static bool registered = false;
    if (!registered)
      AfxRegisterDialogTemplates(frameworkModule(), kTemplates, std::size(kTemplates));
    registered = true;
    ui::setDialogDriver(nullptr);
  }
};

TEST_F(FrameworkTest, RangeHandlersTellWhichButtonAndWindowMessagesReachTheirHandler) {
  answer({L"click Deux", L"click 3003", L"ok"});
  class Probe : public FrameDialog {
    BOOL OnInitDialog() override {
      FrameDialog::OnInitDialog();
      refreshResult = SendMessage(kRefreshMessage, 4, 5);
      return TRUE;
    }

   public:
    LRESULT refreshResult = 0;
  } dialog;
  dialog.DoModal();
  EXPECT_EQ(dialog.refreshResult, 7);
  EXPECT_EQ(dialog.log, (std::vector<std::wstring>{L"rafraîchir:4,5", L"outil:3002", L"outil:3003",
                                                   L"détruit"}));
}

TEST_F(FrameworkTest, RadioGroupWithNothingCheckedGivesMinusOneAndComboStringsExchange) {
  answer({L"ok"});
  FrameDialog untouched;
  untouched.DoModal();
  EXPECT_EQ(untouched.radio, -1);
  EXPECT_EQ(untouched.choice, L"Deux");

  answer({L"check B on", L"set 3030 Trois", L"ok"});
  FrameDialog changed;
  changed.DoModal();
  EXPECT_EQ(changed.radio, 1);
  EXPECT_EQ(changed.choice, L"Trois");
}

TEST_F(FrameworkTest, MultiLineAndDigitOnlyEdits) {
  answer({L"set 3020 ligne 1\\nligne 2", L"set 3021 12a", L"ok"});
  FrameDialog dialog;
  dialog.DoModal();
  EXPECT_EQ(dialog.notes, L"ligne 1\r\nligne 2");
  EXPECT_NE(transcript().find(L"  3020 édition : ligne 1 | ligne 2\n"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"Le contrôle 3021 n'accepte que des chiffres.\n"),
            std::wstring::npos);
}

TEST_F(FrameworkTest, ANestedDialogRunsOverItsParentWhichItDisables) {
  answer({L"click Imbriqué", L"set 3020 dedans", L"cancel", L"ok"});
  FrameDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.notes, L"");
  EXPECT_EQ(dialog.log, (std::vector<std::wstring>{L"imbriqué:2 parent grisé", L"détruit"}));
  const std::wstring& text = transcript();
  size_t inner = text.find(L"Dialogue « Cadre » fermé : Annuler\n");
  size_t outer = text.find(L"Dialogue « Cadre » fermé : OK\n");
  ASSERT_NE(inner, std::wstring::npos);
  ASSERT_NE(outer, std::wstring::npos);
  EXPECT_LT(inner, outer);
}

// The list and combo calls work on a live dialog; these run inside OnInitDialog.
TEST_F(FrameworkTest, ListViewSelectionChecksAndDeletion) {
  answer({L"ok"});
  class Probe : public FrameDialog {
    BOOL OnInitDialog() override {
      FrameDialog::OnInitDialog();
      auto* list = static_cast<CListCtrl*>(GetDlgItem(kRows));
      list->SetExtendedStyle(LVS_EX_CHECKBOXES);
      list->InsertColumn(0, L"Nom", LVCFMT_LEFT, 50);
      list->InsertColumn(1, L"Code", LVCFMT_RIGHT, 30);
      for (int i = 0; i < 4; ++i) list->InsertItem(i, std::to_wstring(i).c_str());
      list->InsertItem(1, L"nouveau");  // rows: 0 nouveau 1 2 3
      list->SetItemText(1, 1, L"100");
      list->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
      list->SetItemState(4, LVIS_SELECTED, LVIS_SELECTED);  // single selection: row 2 loses it
      selected = list->GetSelectedCount();
      POSITION pos = list->GetFirstSelectedItemPosition();
      firstSelected = list->GetNextSelectedItem(pos);
      afterLast = pos == nullptr;
      list->SetCheck(0);
      checked = list->GetCheck(0) && !list->GetCheck(1) &&
                list->GetItemState(0, LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
      list->DeleteItem(0);
      text = std::wstring(list->GetItemText(0, 0).GetString()) + L"/" +
             list->GetItemText(0, 1).GetString() + L"/" + list->GetItemText(9, 0).GetString();
      columns = list->GetHeaderCtrl()->GetItemCount();
      count = list->GetItemCount();
      return TRUE;
    }

   public:
    UINT selected = 0;
    int firstSelected = -1;
    bool afterLast = false;
    bool checked = false;
    std::wstring text;
    int columns = 0;
    int count = 0;
  } dialog;
  dialog.DoModal();
  EXPECT_EQ(dialog.selected, 1u);
  EXPECT_EQ(dialog.firstSelected, 4);
  EXPECT_TRUE(dialog.afterLast);
  EXPECT_TRUE(dialog.checked);
  EXPECT_EQ(dialog.text, L"nouveau/100/");
  EXPECT_EQ(dialog.columns, 2);
  EXPECT_EQ(dialog.count, 4);
}

TEST_F(FrameworkTest, RowCheckBoxesAreTickedFromTheScript) {
  answer({L"check 3040 1 on", L"check 3040 0 peut-être", L"check 3040 5 on", L"ok"});
  class Probe : public FrameDialog {
    BOOL OnInitDialog() override {
      FrameDialog::OnInitDialog();
      list = static_cast<CListCtrl*>(GetDlgItem(kRows));
      list->SetExtendedStyle(LVS_EX_CHECKBOXES);
      list->InsertColumn(0, L"Nom", LVCFMT_LEFT, 50);
      list->InsertItem(0, L"A");
      list->InsertItem(1, L"B");
      return TRUE;
    }
    void OnOK() override {
      secondChecked = list->GetCheck(1);
      firstChecked = list->GetCheck(0);
      FrameDialog::OnOK();
    }

   public:
    CListCtrl* list = nullptr;
    BOOL firstChecked = TRUE, secondChecked = FALSE;
  } dialog;
  dialog.DoModal();
  EXPECT_TRUE(dialog.secondChecked);
  EXPECT_FALSE(dialog.firstChecked);
  EXPECT_NE(transcript().find(L"      [ ] 0: A\n      [x] 1: B\n"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"Valeur incorrecte pour le contrôle 3040 : peut-être\n"),
            std::wstring::npos);
  EXPECT_NE(transcript().find(L"Ligne incorrecte pour 3040 : 5\n"), std::wstring::npos);
}

TEST_F(FrameworkTest, ComboItemsFindSelectDeleteAndKeepTheSelectionRight) {
  answer({L"ok"});
  class Probe : public FrameDialog {
    BOOL OnInitDialog() override {
      FrameDialog::OnInitDialog();
      auto* combo = static_cast<CComboBox*>(GetDlgItem(kChoice));
      combo->ResetContent();
      for (const wchar_t* item : {L"Grades", L"Degrés", L"Radians"}) combo->AddString(item);
      combo->SetItemData(2, 42);
      exact = combo->FindStringExact(-1, L"degrés");
      prefix = combo->FindString(0, L"gr");  // searches after item 0, wrapping round
      combo->SetCurSel(2);
      combo->DeleteString(0);
      selAfterDelete = combo->GetCurSel();
      data = combo->GetItemData(selAfterDelete);
      missing = combo->SelectString(-1, L"Tours");
      combo->GetLBText(0, first);
      return TRUE;
    }

   public:
    int exact = -2, prefix = -2, selAfterDelete = -2, missing = -2;
    DWORD_PTR data = 0;
    CString first;
  } dialog;
  dialog.DoModal();
  EXPECT_EQ(dialog.exact, 1);
  EXPECT_EQ(dialog.prefix, 0);
  EXPECT_EQ(dialog.selAfterDelete, 1);
  EXPECT_EQ(dialog.data, 42u);
  EXPECT_EQ(dialog.missing, CB_ERR);
  EXPECT_EQ(dialog.first, L"Degrés");
}

TEST_F(FrameworkTest, DialogItemIntegersAndRadioHelpers) {
  answer({L"ok"});
  class Probe : public FrameDialog {
    BOOL OnInitDialog() override {
      FrameDialog::OnInitDialog();
      SetDlgItemInt(kDigits, static_cast<UINT>(-12));
      BOOL ok = FALSE;
      value = static_cast<int>(GetDlgItemInt(kDigits, &ok));
      valueOk = ok;
      SetDlgItemText(kDigits, L"12x");
      GetDlgItemInt(kDigits, &ok);
      garbageOk = ok;
      CheckRadioButton(kRadioA, kRadioB, kRadioB);
      checkedRadio = GetCheckedRadioButton(kRadioA, kRadioB);
      return TRUE;
    }

   public:
    int value = 0;
    BOOL valueOk = FALSE, garbageOk = TRUE;
    int checkedRadio = 0;
  } dialog;
  dialog.DoModal();
  EXPECT_EQ(dialog.value, -12);
  EXPECT_TRUE(dialog.valueOk);
  EXPECT_FALSE(dialog.garbageOk);
  EXPECT_EQ(dialog.checkedRadio, kRadioB);
  EXPECT_EQ(dialog.radio, 1);
}

}  // namespace
