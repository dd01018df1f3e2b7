// A modeless progress dialog whose Cancel is pressed from the input while a loop pumps messages,
// the other lines staying for the prompts.
#include <gtest/gtest.h>

#include "ed/aced.h"
#include "ed/ed_fixture.h"
#include "ui/afxcmn.h"
#include "ui/dialog_driver.h"

namespace {

const AcUiControlTemplate kProgressControls[] = {
    {111, AcUiControlKind::kProgress, L"", 7, 7, 172, 14, 0},
    {112, AcUiControlKind::kStatic, L" 0 %", 80, 25, 30, 8, 0},
    {IDCANCEL, AcUiControlKind::kButton, L"Cancel", 68, 40, 50, 14, 0},
};
const AcUiControlTemplate kPlaceControls[] = {
    {10, AcUiControlKind::kButton, L"Placer", 5, 5, 40, 14, 0},
    {IDOK, AcUiControlKind::kDefButton, L"OK", 50, 5, 40, 14, 0},
};
const AcUiDialogTemplate kProgressTemplates[] = {
    {600, L"", 186, 63, L"MS Shell Dlg", 8, kProgressControls, std::size(kProgressControls)},
    {601, L"Points", 100, 30, L"MS Shell Dlg", 8, kPlaceControls, std::size(kPlaceControls)},
};

HINSTANCE progressModule() {
  static int anchor;
  return reinterpret_cast<HINSTANCE>(&anchor);
}

class ProgressDialog : public CDialog {
 public:
  bool cancelled = false;
  CProgressCtrl bar;

  BOOL create() { return Create(600, nullptr); }
  void pump() {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!IsDialogMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
      }
    }
  }
  void stepIt() {
    pump();
    bar.StepIt();
  }

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 111, bar); }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    bar.SetRange32(0, 1000);
    bar.SetStep(1);
    return TRUE;
  }
  void OnCancelClicked() { cancelled = true; }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProgressDialog, CDialog)
ON_BN_CLICKED(IDCANCEL, &ProgressDialog::OnCancelClicked)
END_MESSAGE_MAP()

// A modal dialog whose button runs a long loop under a progress dialog.
class PlaceDialog : public CDialog {
 public:
  PlaceDialog() : CDialog(601) {}
  int stepsDone = -1;

 protected:
  void OnPlace() {
    ProgressDialog progress;
    progress.create();
    int step = 0;
    for (; step < 100 && !progress.cancelled; ++step) progress.stepIt();
    stepsDone = step;
    progress.DestroyWindow();
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PlaceDialog, CDialog)
ON_BN_CLICKED(10, &PlaceDialog::OnPlace)
END_MESSAGE_MAP()

class ModelessTest : public ScriptedEditor {
 protected:
  ModelessTest() {
    static bool registered = false;
    if (!registered)
      AfxRegisterDialogTemplates(progressModule(), kProgressTemplates,
                                 std::size(kProgressTemplates));
    registered = true;
    ui::setDialogDriver(nullptr);
  }
};

TEST_F(ModelessTest, CancelAfterSomePumpsStopsTheLoopAtThatStep) {
  answer({L"apres 299 click 2", L"fin"});
  ProgressDialog dialog;
  ASSERT_TRUE(dialog.create());
  int step = 0;
  for (; step < 1000 && !dialog.cancelled; ++step) dialog.stepIt();
  EXPECT_EQ(step, 300);
  EXPECT_EQ(dialog.bar.GetPos(), 300);
  EXPECT_TRUE(dialog.IsWindowVisible());
  dialog.DestroyWindow();
  EXPECT_FALSE(::IsWindow(dialog.m_hWnd));
  // The line after the action stayed for the command line.
  std::wstring next;
  ASSERT_TRUE(ed::Editor::instance().readLine(next));
  EXPECT_EQ(next, L"fin");
  EXPECT_NE(transcript().find(L"Action : click 2\n"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"Dialogue sans titre fermé.\n"), std::wstring::npos);
}

TEST_F(ModelessTest, LinesNotMeantForTheDialogStayForThePrompts) {
  answer({L"42", L"cancel"});
  ProgressDialog dialog;
  ASSERT_TRUE(dialog.create());
  dialog.stepIt();
  EXPECT_FALSE(dialog.cancelled);
  int value = 0;
  EXPECT_EQ(acedGetInt(L"\nNombre : ", &value), RTNORM);
  EXPECT_EQ(value, 42);
  dialog.stepIt();
  EXPECT_TRUE(dialog.cancelled);
}

TEST_F(ModelessTest, EscapeReachesTheCancelHandlerAndPumpMessageTakesOneAction) {
  answer({L"cancel"});
  ProgressDialog dialog;
  ASSERT_TRUE(dialog.create());
  EXPECT_TRUE(AfxGetApp()->PumpMessage());
  EXPECT_TRUE(dialog.cancelled);
  EXPECT_FALSE(AfxGetApp()->PumpMessage());
}

TEST_F(ModelessTest, NoLineIsTakenOnceTheDialogIsDestroyed) {
  answer({L"click 2"});
  {
    ProgressDialog dialog;
    ASSERT_TRUE(dialog.create());
  }
  MSG msg;
  EXPECT_FALSE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
  std::wstring next;
  ASSERT_TRUE(ed::Editor::instance().readLine(next));
  EXPECT_EQ(next, L"click 2");
}

TEST_F(ModelessTest, AProgressDialogOpenedByAModalDialogsHandlerTakesTheInput) {
  answer({L"click Placer", L"apres 9 cancel", L"ok"});
  PlaceDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.stepsDone, 10);
}

TEST_F(ModelessTest, LinesForTheModalDialogUnderneathWaitForTheLoopToEnd) {
  // "cancel" and "ok" could close the progress dialog too; they are the modal dialog's.
  answer({L"click Placer", L"cancel"});
  PlaceDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.stepsDone, 100);
  answer({L"click Placer", L"apres 4 cancel", L"ok"});
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.stepsDone, 5);
  answer({L"click Placer", L"ok"});
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.stepsDone, 100);
}

TEST_F(ModelessTest, ProgressBarWrapsAfterItsEndAndClampsPositions) {
  answer({});
  ProgressDialog dialog;
  ASSERT_TRUE(dialog.create());
  dialog.bar.SetRange32(0, 10);
  dialog.bar.SetStep(4);
  dialog.bar.SetPos(8);
  EXPECT_EQ(dialog.bar.StepIt(), 8);
  EXPECT_EQ(dialog.bar.GetPos(), 2);
  dialog.bar.SetPos(50);
  EXPECT_EQ(dialog.bar.GetPos(), 10);
  dialog.bar.OffsetPos(-3);
  EXPECT_EQ(dialog.bar.GetPos(), 7);
}

}  // namespace
