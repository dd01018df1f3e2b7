// Dialogs run by the window's driver: a modal dialog waits for the user's events, a message box
// or a file dialog opened meanwhile is Qt's, and a modeless dialog is served by the pump.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "db/acutads.h"
#include "dialog_sample.h"
#include "dialog_test_support.h"
#include "dialogs/window_dialog_driver.h"
#include "ed/ed_fixture.h"
#include "ui/acedfiled.h"

namespace {

using namespace gui_test;

HINSTANCE testModule() {
  static int marker;
  return reinterpret_cast<HINSTANCE>(&marker);
}

// The sample dialog with a name that must not be left empty without confirming.
class StationDialog : public CDialog {
 public:
  StationDialog() : CDialog(kSample.id) {}
  CString name;
  std::vector<int> answers;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kName, name);
  }
  void OnOK() override {
    if (!UpdateData(TRUE)) return;
    if (name.IsEmpty()) {
      answers.push_back(AfxMessageBox(L"Nom vide : continuer ?", MB_YESNO | MB_ICONQUESTION));
      if (answers.back() != IDYES) return;
    }
    EndDialog(IDOK);
  }
};

class WindowDriverTest : public ScriptedEditor {
 protected:
  WindowDriverTest() { AfxRegisterDialogTemplates(testModule(), &kSample, 1); }
  ~WindowDriverTest() override { AfxUnregisterResources(testModule()); }

  static bool typeName(const QString& text) {
    auto* edit = control<QLineEdit>(shownDialog(QStringLiteral("Essai")), kName);
    if (!edit) return false;
    QTest::keyClicks(edit, text);
    return true;
  }
  static bool clickOk() {
    auto* ok = control<QPushButton>(shownDialog(QStringLiteral("Essai")), IDOK);
    if (!ok) return false;
    QTest::mouseClick(ok, Qt::LeftButton);
    return true;
  }

  WindowDialogs windowDialogs;
};

TEST_F(WindowDriverTest, ModalDialogTakesTypingAndEnter) {
  User user({[] { return typeName(QStringLiteral("S7")); },
             [] {
               auto* edit = control<QLineEdit>(shownDialog(), kName);
               QTest::keyClick(edit, Qt::Key_Return);
               return true;
             }});
  StationDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(user.finished());
  EXPECT_STREQ(dialog.name.GetString(), L"S7");
  size_t typed = transcript().find(L"Action : set 101 S7\n");
  ASSERT_NE(typed, std::wstring::npos);
  EXPECT_NE(transcript().find(L"Action : \n", typed), std::wstring::npos);
  EXPECT_NE(transcript().find(L"Dialogue « Essai » fermé : OK"), std::wstring::npos);
  QApplication::processEvents();
  EXPECT_EQ(shownDialog(), nullptr);
}

TEST_F(WindowDriverTest, MessageBoxOfAHandlerIsAQtBox) {
  QString shownText;
  User user({clickOk,
             [&] {
               auto* box = shownBox<QMessageBox>();
               if (!box) return false;
               shownText = box->text();
               for (QAbstractButton* b : box->buttons()) {
                 if (b->text() == QStringLiteral("Non")) QTest::mouseClick(b, Qt::LeftButton);
               }
               return true;
             },
             [] { return typeName(QStringLiteral("S8")); }, clickOk});
  StationDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(user.finished());
  EXPECT_EQ(shownText, QStringLiteral("Nom vide : continuer ?"));
  EXPECT_EQ(dialog.answers, std::vector<int>{IDNO});
  EXPECT_STREQ(dialog.name.GetString(), L"S8");
  EXPECT_NE(transcript().find(L"Réponse : Non\n"), std::wstring::npos);
}

TEST_F(WindowDriverTest, EscapeOnAMessageBoxGivesItsEscapeAnswer) {
  User user({[] {
    auto* box = shownBox<QMessageBox>();
    if (!box) return false;
    QTest::keyClick(box, Qt::Key_Escape);
    return true;
  }});
  EXPECT_EQ(AfxMessageBox(L"Recommencer ?", MB_YESNO), IDNO);
  EXPECT_TRUE(user.finished());
}

TEST_F(WindowDriverTest, FileDialogsAreQtsAndKeepThePlatformsChecks) {
  const QString example = QStringLiteral(EXAMPLES_DIR "/polygonale-fermee.obs");
  auto choose = [](const QString& path) {
    return [path] {
      auto* files = shownBox<QFileDialog>();
      if (!files) return false;
      files->selectFile(path);
      QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
      return true;
    };
  };
  auto cancel = [] {
    auto* files = shownBox<QFileDialog>();
    if (!files) return false;
    files->reject();
    return true;
  };
  // A missing file is refused by the platform, which asks again.
  User user({choose(QStringLiteral(EXAMPLES_DIR "/absent.obs")), choose(example), cancel});
  resbuf result{};
  ASSERT_EQ(acedGetFileD(L"Charger", L"", L"obs", 0, &result), RTNORM);
  ASSERT_EQ(result.restype, RTSTR);
  EXPECT_EQ(QString::fromWCharArray(result.resval.rstring), example);
  acutDelString(result.resval.rstring);
  EXPECT_NE(transcript().find(L"Fichier introuvable."), std::wstring::npos);
  EXPECT_EQ(acedGetFileD(L"Charger", L"", L"obs", 0, &result), RTERROR);
  EXPECT_TRUE(user.finished());
}

TEST_F(WindowDriverTest, ModelessDialogIsServedByThePump) {
  CDialog dialog;
  ASSERT_TRUE(dialog.Create(kSample.id));
  HWND bar = ui::findChild(dialog.m_hWnd, kProgressBar);
  int shownProgress = -1;
  User user({[&] {
    auto* window = shownDialog(QStringLiteral("Essai"));
    if (!window || bar->pos < 50) return false;
    shownProgress = control<QProgressBar>(window, kProgressBar)->value();
    QTest::mouseClick(control<QPushButton>(window, IDCANCEL), Qt::LeftButton);
    return true;
  }});
  // A long loop that pumps, as a computation with a Cancel button does.
  for (int step = 0; step < 5000000 && dialog.IsWindowVisible(); ++step) {
    bar->pos = std::min(100, step / 100);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!IsDialogMessage(dialog.m_hWnd, &msg)) DispatchMessage(&msg);
    }
  }
  EXPECT_TRUE(user.finished());
  EXPECT_FALSE(dialog.IsWindowVisible());
  // The window showed the progress the loop had made when the user looked.
  EXPECT_GE(shownProgress, 50);
  EXPECT_NE(transcript().find(L"Action : click 2\n"), std::wstring::npos);
  dialog.DestroyWindow();
}

// Nothing pumps while the command line waits: the click is run from the event loop it waits in.
TEST_F(WindowDriverTest, ModelessDialogClickRunsWhileThePromptWaits) {
  CDialog dialog;
  ASSERT_TRUE(dialog.Create(kSample.id));
  User user({[&] {
    auto* window = shownDialog(QStringLiteral("Essai"));
    if (!window) return false;
    QTest::mouseClick(control<QPushButton>(window, IDCANCEL), Qt::LeftButton);
    return true;
  }});
  for (int round = 0; round < 20000 && dialog.IsWindowVisible(); ++round) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QTest::qWait(1);
  }
  EXPECT_TRUE(user.finished());
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_NE(transcript().find(L"Action : click 2\n"), std::wstring::npos);
  dialog.DestroyWindow();
}

}  // namespace
