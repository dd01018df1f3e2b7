// The other controls, templates found through the resource stack, string tables, errors raised
// in handlers, and the terminal driver.
#include <gtest/gtest.h>

#include <cstdio>

#include "ed/ed_fixture.h"
#include "rx/acdocman.h"
#include "ui/acui.h"
#include "ui/afxrich.h"
#include "ui/afxtempl.h"
#include "ui/dialog_driver.h"
#include "ui/webbrowser2.h"

namespace {

enum : int {
  kColor = 2001,
  kRecent = 2002,
  kRich = 2003,
  kWeb = 2004,
  kPicture = 2005,
  kCodes = 2006,
  kSorted = 2007,
  kFail = 2008,
  kFrame = 2009,
};

const AcUiControlTemplate kControls[] = {
    {kFrame, AcUiControlKind::kGroupBox, L"Calques", 2, 2, 200, 100, 0},
    {kColor, AcUiControlKind::kColorCombo, L"", 5, 5, 60, 60, 0},
    {kRecent, AcUiControlKind::kMruCombo, L"", 5, 20, 60, 60, 0},
    {kRich, AcUiControlKind::kRichEdit, L"", 5, 35, 100, 30, kCtlMultiline},
    {kWeb, AcUiControlKind::kWebBrowser, L"", 5, 70, 100, 30, 0},
    {kPicture, AcUiControlKind::kPicture, L"", 110, 5, 50, 50, kCtlNotify},
    {kCodes, AcUiControlKind::kListBox, L"", 110, 60, 50, 50, kCtlMultiSel},
    {kSorted, AcUiControlKind::kComboDropDown, L"", 170, 5, 50, 60, kCtlSort},
    {kFail, AcUiControlKind::kButton, L"Échouer", 170, 60, 40, 14, 0},
    {IDOK, AcUiControlKind::kDefButton, L"OK", 170, 80, 40, 14, 0},
};
const AcUiDialogTemplate kTemplates[] = {
    {700, L"Contrôles", 230, 110, L"MS Shell Dlg", 8, kControls, std::size(kControls)}};

// The same id in another module, with another caption.
const AcUiControlTemplate kOtherControls[] = {
    {IDOK, AcUiControlKind::kDefButton, L"OK", 5, 5, 40, 14, 0}};
const AcUiDialogTemplate kOtherTemplates[] = {
    {700, L"Autre module", 50, 30, L"MS Shell Dlg", 8, kOtherControls, 1}};
const AcUiStringEntry kStrings[] = {{31, L"Texte de la ressource 31"}};

HINSTANCE module(int which) {
  static int anchors[2];
  return reinterpret_cast<HINSTANCE>(&anchors[which]);
}

class ControlsDialog : public CAdUiDialog {
 public:
  ControlsDialog() : CAdUiDialog(700) {}
  CAcUiColorComboBox color;
  CAcUiMRUComboBox recent;
  CRichEditCtrl rich;
  CWebBrowser2 web;
  std::vector<std::wstring> log;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kColor, color);
    DDX_Control(pDX, kRecent, recent);
    DDX_Control(pDX, kRich, rich);
    DDX_Control(pDX, kWeb, web);
  }
  BOOL OnInitDialog() override {
    CAdUiDialog::OnInitDialog();
    color.SetCurrentItemColor(256);
    recent.AddItemToList(L"b.dwg");
    recent.AddItemToList(L"a.dwg");
    recent.AddItemToList(L"b.dwg");
    rich.SetWindowText(L"Première ligne\nDeuxième");
    rich.SetSel(0, 8);
    rich.ReplaceSel(L"1re");
    web.Navigate(L"/tmp/rapport.htm");
    auto* codes = static_cast<CListBox*>(GetDlgItem(kCodes));
    codes->AddString(L"10 Borne");
    codes->AddString(L"20 Arbre");
    auto* sorted = static_cast<CComboBox*>(GetDlgItem(kSorted));
    sorted->AddString(L"Zinc");
    sorted->AddString(L"acier");
    sorted->AddString(L"Bois");
    return TRUE;
  }
  void OnColor() { log.push_back(L"couleur:" + std::to_wstring(color.GetCurrentItemColor())); }
  void OnPicture() { log.push_back(L"image"); }
  void OnCodes() {
    log.push_back(L"codes:" +
                  std::to_wstring(static_cast<CListBox*>(GetDlgItem(kCodes))->GetSelCount()));
  }
  void OnFail() {
    CArray<int, int> empty;
    empty.GetAt(3);
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ControlsDialog, CAdUiDialog)
ON_CBN_SELCHANGE(kColor, &ControlsDialog::OnColor)
ON_STN_CLICKED(kPicture, &ControlsDialog::OnPicture)
ON_LBN_SELCHANGE(kCodes, &ControlsDialog::OnCodes)
ON_BN_CLICKED(kFail, &ControlsDialog::OnFail)
END_MESSAGE_MAP()

class ControlsTest : public ScriptedEditor {
 protected:
  ControlsTest() {
    static bool registered = false;
    if (!registered) {
      AfxRegisterDialogTemplates(module(0), kTemplates, std::size(kTemplates));
      AfxRegisterDialogTemplates(module(1), kOtherTemplates, std::size(kOtherTemplates));
      AfxRegisterStringTable(module(1), kStrings, std::size(kStrings));
    }
    registered = true;
    ui::setDialogDriver(nullptr);
  }
};

TEST_F(ControlsTest, ShowsEveryKindOfControlWithItsValue) {
  answer({L"ok"});
  ControlsDialog dialog;
  dialog.DoModal();
  EXPECT_NE(transcript().find(L"Dialogue « Contrôles » (230 x 110)\n"
                              L"  2009 groupe : Calques\n"
                              L"  2001 couleur : DuCalque\n"
                              L"  2002 combo récent : b.dwg {b.dwg | a.dwg}\n"
                              L"  2003 texte enrichi : 1re ligne | Deuxième\n"
                              L"  2004 navigateur : /tmp/rapport.htm\n"
                              L"  2005 image :\n"
                              L"  2006 liste : 2 ligne(s), 0 sélectionnée(s)\n"
                              L"      0: 10 Borne\n"
                              L"      1: 20 Arbre\n"
                              L"  2007 combo modifiable : {acier | Bois | Zinc}\n"),
            std::wstring::npos);
  EXPECT_EQ(dialog.web.GetSafeHwnd(), nullptr);
}

TEST_F(ControlsTest, ActionsOnTheHostsCombosListsAndPictures) {
  answer({L"choose 2001 rouge", L"set 2001 42", L"choose 2001 bleu-nuit", L"click 2005",
          L"select 2006 0,1", L"choose 2007 bo", L"set 2007 Cuivre", L"ok"});
  ControlsDialog dialog;
  dialog.DoModal();
  EXPECT_EQ(dialog.log,
            (std::vector<std::wstring>{L"couleur:1", L"couleur:42", L"image", L"codes:2"}));
  const std::wstring& text = transcript();
  EXPECT_NE(text.find(L"  2001 couleur : 1 (rouge)\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"Valeur incorrecte pour le contrôle 2001 : bleu-nuit\n"),
            std::wstring::npos);
  EXPECT_NE(text.find(L"    > 0: 10 Borne\n    > 1: 20 Arbre\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"  2007 combo modifiable : Bois {acier | Bois | Zinc}\n"),
            std::wstring::npos);
  EXPECT_NE(text.find(L"  2007 combo modifiable : Cuivre {acier | Bois | Zinc}\n"),
            std::wstring::npos);
}

TEST_F(ControlsTest, AnExceptionInAHandlerIsReportedAndTheDialogGoesOn) {
  answer({L"click Échouer", L"ok", L"ok"});
  ControlsDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_NE(
      transcript().find(
          L"Message « cadhost » (avertissement)\n  Un argument non valide a été rencontré.\n"),
      std::wstring::npos);
}

TEST_F(ControlsTest, TheCurrentResourceHandleChoosesAmongTemplatesOfTheSameId) {
  answer({L"ok", L"ok"});
  ControlsDialog first;
  first.DoModal();
  acDocManager->pushResourceHandle(module(1));
  CDialog second(700);
  second.DoModal();
  EXPECT_EQ(AfxGetResourceHandle(), module(1));
  acDocManager->popResourceHandle();
  EXPECT_NE(transcript().find(L"Dialogue « Contrôles »"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"Dialogue « Autre module » (50 x 30)\n  1 bouton par défaut : OK\n"),
            std::wstring::npos);
}

TEST_F(ControlsTest, StringResourcesGiveTheTextOfAMessageBox) {
  answer({L"ok"});
  EXPECT_EQ(AfxMessageBox(31, MB_OK), IDOK);
  EXPECT_NE(transcript().find(L"  Texte de la ressource 31\n"), std::wstring::npos);
}

TEST_F(ControlsTest, GetDlgItemGivesTheAttachedMemberOrATemporaryOfTheControlsClass) {
  answer({L"ok"});
  class Probe : public ControlsDialog {
    BOOL OnInitDialog() override {
      ControlsDialog::OnInitDialog();
      attached = GetDlgItem(kRich) == &rich;
      auto* codes = dynamic_cast<CListBox*>(GetDlgItem(kCodes));
      temporaryIsListBox = codes != nullptr && GetDlgItem(kCodes) == codes;
      CRect rect;
      GetDlgItem(kPicture)->GetWindowRect(&rect);
      pictureRect = rect;
      return TRUE;
    }

   public:
    bool attached = false;
    bool temporaryIsListBox = false;
    CRect pictureRect;
  } dialog;
  dialog.DoModal();
  EXPECT_TRUE(dialog.attached);
  EXPECT_TRUE(dialog.temporaryIsListBox);
  // (110, 5, 50 x 50) dialog units at 6/4 and 13/8.
  EXPECT_EQ(dialog.pictureRect.left, 165);
  EXPECT_EQ(dialog.pictureRect.top, 8);
  EXPECT_EQ(dialog.pictureRect.Width(), 75);
  EXPECT_EQ(dialog.pictureRect.Height(), 81);
}

TEST_F(ControlsTest, APictureShowsThePreviewOfAnExistingDrawingOnly) {
  std::string file = ::testing::TempDir() + "ui_preview_bloc.dwg";
  std::FILE* f = std::fopen(file.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  answer({L"ok"});
  class Probe : public ControlsDialog {
    BOOL OnInitDialog() override {
      ControlsDialog::OnInitDialog();
      HWND picture = GetDlgItem(kPicture)->GetSafeHwnd();
      missingShown = acdbDisplayPreviewFromDwg(L"/nulle/part/absent.dwg", picture);
      shown = acdbDisplayPreviewFromDwg(path.c_str(), picture);
      return TRUE;
    }

   public:
    std::wstring path;
    bool missingShown = true, shown = false;
  } dialog;
  dialog.path = std::wstring(file.begin(), file.end());
  dialog.DoModal();
  std::remove(file.c_str());
  EXPECT_FALSE(dialog.missingShown);
  EXPECT_TRUE(dialog.shown);
  EXPECT_NE(transcript().find(L"  2005 image : aperçu de ui_preview_bloc.dwg\n"),
            std::wstring::npos);
}

TEST_F(ControlsTest, TheTerminalDriverPromptsAndExplainsTheActions) {
  ui::setDialogDriver(std::make_unique<ui::TerminalDialogDriver>());
  answer({L"aide", L"ok"});
  ControlsDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ui::setDialogDriver(nullptr);
  EXPECT_NE(transcript().find(L"(aide : liste des actions)\nAction : aide\nActions du dialogue"),
            std::wstring::npos);
  EXPECT_NE(transcript().find(L"Action : ok\nDialogue « Contrôles » fermé : OK\n"),
            std::wstring::npos);
}

}  // namespace
