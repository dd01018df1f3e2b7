// The progress dialog of long loops: its percentage, its Cancel taken from the input while the
// loop runs, and its owner given back its input.
#include <gtest/gtest.h>

#include "ed/aced.h"
#include "ed/ed_fixture.h"
#include "host/CMyProgressDlg.h"
#include "resources/resource.h"
#include "resources/ressourcesModule.h"
#include "ui/dialog_driver.h"

namespace {

class ProgressDialogTest : public ScriptedEditor {
 protected:
  ProgressDialogTest() {
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
  }
  ~ProgressDialogTest() override { retirerRessources(); }

  static CString percentage(CMyProgressDlg& dialog) {
    CString text;
    dialog.GetDlgItemText(IDC_PROGRESSION_POURCENT, text);
    return text;
  }
};

TEST_F(ProgressDialogTest, PercentageOfTheRange) {
  CMyProgressDlg dialog;
  ASSERT_EQ(dialog.create(), 1);
  EXPECT_STREQ(percentage(dialog).GetString(), L" 0 %");  // the template's text until a move
  dialog.setRange(0, 200);
  dialog.setPos(50);
  EXPECT_STREQ(percentage(dialog).GetString(), L"25%");
  dialog.setPos(200);
  EXPECT_STREQ(percentage(dialog).GetString(), L"100%");
  dialog.setRange(10, 20);
  dialog.setStep(3);
  dialog.setPos(10);
  dialog.stepIt();
  EXPECT_STREQ(percentage(dialog).GetString(), L"30%");
  dialog.offsetPos(5);
  EXPECT_STREQ(percentage(dialog).GetString(), L"80%");
  // A range without width (a table of one point) leaves the text as it was.
  dialog.setRange(0, 0);
  dialog.setPos(0);
  EXPECT_STREQ(percentage(dialog).GetString(), L"80%");
  dialog.destroy();
}

TEST_F(ProgressDialogTest, CancelFromTheInputDuringTheLoop) {
  answer({L"apres 4 click 2", L"3,4"});
  CMyProgressDlg dialog;
  ASSERT_EQ(dialog.create(), 1);
  dialog.setRange(0, 9);
  dialog.setStep(1);
  int done = 0;
  while (done < 10 && !dialog.checkCancel()) {
    dialog.stepIt();
    ++done;
  }
  EXPECT_LT(done, 10);
  EXPECT_FALSE(dialog.checkCancel());  // asked once, then cleared
  dialog.destroy();
  // The line after the dialog's action stays for the prompts.
  ads_point p;
  ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTNORM);
  EXPECT_DOUBLE_EQ(p[0], 3.0);
}

TEST_F(ProgressDialogTest, OwnerDisabledBeforeStaysDisabled) {
  CWnd* owner = CWnd::GetSafeOwner(nullptr);
  ASSERT_NE(owner, nullptr);
  {
    CMyProgressDlg dialog;
    ASSERT_EQ(dialog.create(), 1);
    EXPECT_FALSE(owner->IsWindowEnabled());  // the loop holds the host's input
    dialog.destroy();
    EXPECT_TRUE(owner->IsWindowEnabled());
  }
  owner->EnableWindow(FALSE);
  {
    CMyProgressDlg dialog;
    ASSERT_EQ(dialog.create(), 1);
  }  // destroyed with the object
  EXPECT_FALSE(owner->IsWindowEnabled());
  owner->EnableWindow(TRUE);
}

}  // namespace
