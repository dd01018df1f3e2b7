// What the user does in a dialog's window gives the same dialog state as the script's actions:
// one window is driven by synthesized mouse and key events, its twin by the script's lines.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "dialog_sample.h"
#include "dialogs/dialog_window.h"
#include "ed/ed_fixture.h"
#include "ui/dialog_driver.h"

namespace {

using namespace gui_test;

class DialogEventsTest : public ScriptedEditor {
 protected:
  DialogEventsTest() {
    scripted = makeSample();
    clicked = makeSample();
    window = std::make_unique<gui::DialogWindow>(clicked, nullptr);
    window->show();
    window->activateWindow();
  }
  ~DialogEventsTest() override {
    window.reset();
    ui::destroyWindow(scripted);
    ui::destroyWindow(clicked);
  }

  // Runs what the window queued on its dialog, as the driver does, and remembers the texts.
  void deliver() {
    std::wstring action;
    while (window->takeAction(action)) {
      given.push_back(action);
      ui::performDialogAction(clicked, action);
    }
    window->refresh();
  }
  void script(const std::vector<std::wstring>& lines) {
    for (const std::wstring& line : lines) ui::performDialogAction(scripted, line);
  }
  template <class T>
  T* widget(int id) {
    return control<T>(window.get(), id);
  }

  HWND scripted = nullptr;
  HWND clicked = nullptr;
  std::unique_ptr<gui::DialogWindow> window;
  std::vector<std::wstring> given;
};

TEST_F(DialogEventsTest, TypingAndClickingMatchesTheScript) {
  QTest::keyClicks(widget<QLineEdit>(kName), QStringLiteral("ST2"));
  auto* notes = widget<QPlainTextEdit>(kNotes);
  QTest::keyClicks(notes, QStringLiteral("ligne 1"));
  QTest::keyClick(notes, Qt::Key_Return);
  QTest::keyClicks(notes, QStringLiteral("ligne 2"));
  QTest::mouseClick(widget<QCheckBox>(kHeights), Qt::LeftButton);
  deliver();
  QTest::mouseClick(widget<QRadioButton>(kDegrees), Qt::LeftButton);
  deliver();
  QTest::keyClick(widget<QComboBox>(kUnits), Qt::Key_Down);
  deliver();
  QTest::keyClicks(widget<QComboBox>(kCode)->lineEdit(), QStringLiteral("REPERE"));
  QTest::mouseClick(window->controlWidget(kCountSpin)->findChild<QToolButton*>("haut"),
                    Qt::LeftButton);
  deliver();
  script({L"set 101 ST2", L"set 102 ligne 1\\nligne 2", L"check 103 on", L"check 105 on",
          L"choose 106 #1", L"set 107 REPERE", L"click 112 haut"});

  EXPECT_EQ(ui::describeDialog(clicked), ui::describeDialog(scripted));
  // The edits were sent before the click that followed them, once each.
  ASSERT_GE(given.size(), 3u);
  EXPECT_EQ(given[0], L"set 101 ST2");
  EXPECT_EQ(given[1], L"set 102 ligne 1\\nligne 2");
  EXPECT_EQ(given[2], L"check 103 on");
  EXPECT_EQ(ui::findChild(clicked, kCount)->text, L"4");
  // The radio group holds one option on, as the dialog's state decides.
  EXPECT_FALSE(widget<QRadioButton>(kGrades)->isChecked());
}

TEST_F(DialogEventsTest, ListsBySelectionDoubleClickHeaderAndCheck) {
  auto* stations = widget<QTreeWidget>(kStations);
  QRect row1 = stations->visualItemRect(stations->topLevelItem(1));
  QTest::mouseClick(stations->viewport(), Qt::LeftButton, {}, row1.center());
  deliver();
  QTest::mouseDClick(stations->viewport(), Qt::LeftButton, {}, row1.center());
  deliver();
  int header = stations->header()->sectionViewportPosition(1) + 5;
  QTest::mouseClick(stations->header()->viewport(), Qt::LeftButton, {}, QPoint(header, 5));
  deliver();
  // The check box of a row, as a click on it changes it.
  stations->topLevelItem(2)->setCheckState(0, Qt::Checked);
  deliver();
  auto* layers = widget<QListWidget>(kLayers);
  QTest::mouseClick(layers->viewport(), Qt::LeftButton, {},
                    layers->visualItemRect(layers->item(0)).center());
  QTest::mouseClick(layers->viewport(), Qt::LeftButton, {},
                    layers->visualItemRect(layers->item(2)).center());
  deliver();
  script({L"select 108 1", L"dblclick 108 1", L"sort 108 #1", L"check 108 2 on", L"select 109 0",
          L"select 109 0,2"});

  EXPECT_EQ(ui::describeDialog(clicked), ui::describeDialog(scripted));
  EXPECT_NE(std::find(given.begin(), given.end(), L"dblclick 108 1"), given.end());
  EXPECT_NE(std::find(given.begin(), given.end(), L"sort 108 #1"), given.end());
  EXPECT_EQ(given.back(), L"select 109 0,2");
  EXPECT_TRUE(ui::findChild(clicked, kStations)->rows[2].checked);
}

TEST_F(DialogEventsTest, KeysAndTitleBarGiveTheDialogsOwnAnswers) {
  QTest::keyClicks(widget<QLineEdit>(kName), QStringLiteral("A"));
  QTest::keyClick(widget<QLineEdit>(kName), Qt::Key_Return);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  window->close();
  std::vector<std::wstring> expected = {L"set 101 A", L"", L"cancel", L"cancel"};
  std::wstring action;
  std::vector<std::wstring> actions;
  while (window->takeAction(action)) actions.push_back(action);
  EXPECT_EQ(actions, expected);
  // The title bar's button leaves the closing to the dialog.
  EXPECT_TRUE(window->isVisible());
}

TEST_F(DialogEventsTest, RefusedTypingIsShownAsTheDialogKeptIt) {
  // Digits only: the dialog refuses the text and the widget shows what the dialog kept.
  QTest::keyClicks(widget<QLineEdit>(kCount), QStringLiteral("x"));
  QTest::mouseClick(widget<QPushButton>(IDCANCEL), Qt::LeftButton);
  deliver();
  EXPECT_EQ(ui::findChild(clicked, kCount)->text, L"3");
  EXPECT_EQ(widget<QLineEdit>(kCount)->text(), QStringLiteral("3"));
  EXPECT_NE(transcript().find(L"n'accepte que des chiffres"), std::wstring::npos);
}

}  // namespace
