// A dialog template drawn as a widget: each control where its template puts it, of its kind.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "dialog_sample.h"
#include "dialogs/dialog_window.h"

namespace {

using namespace gui_test;

class DialogTemplateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    handle = makeSample();
    window = std::make_unique<gui::DialogWindow>(handle, nullptr);
    // The base units as the host takes them from the dialog's font: the average width of the
    // letters and the height of a line.
    QFontMetrics metrics(window->font());
    int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX = (letters / 26 + 1) / 2;
    baseY = metrics.height();
  }
  void TearDown() override {
    window.reset();
    ui::destroyWindow(handle);
  }

  int pixelsX(int units) const { return (units * baseX + 2) / 4; }
  int pixelsY(int units) const { return (units * baseY + 4) / 8; }

  HWND handle = nullptr;
  std::unique_ptr<gui::DialogWindow> window;
  int baseX = 0, baseY = 0;
};

TEST_F(DialogTemplateTest, ControlsSitAtTheirTemplateRectangles) {
  EXPECT_EQ(window->font().pointSize(), 8);
  // The font's base units are those of a small dialog font, not a default fallback of 6 x 13.
  EXPECT_GE(baseX, 4);
  EXPECT_LE(baseX, 9);
  EXPECT_GE(baseY, 9);
  EXPECT_LE(baseY, 18);
  EXPECT_EQ(window->clientArea()->size(), QSize(pixelsX(kSample.cx), pixelsY(kSample.cy)));
  int drawn = 0;
  for (size_t i = 0; i < kSample.controlCount; ++i) {
    const AcUiControlTemplate& t = kSample.controls[i];
    if (t.id < 0) continue;
    QWidget* w = window->controlWidget(t.id);
    ASSERT_NE(w, nullptr) << t.id;
    EXPECT_EQ(w->parentWidget(), window->clientArea());
    QRect expected(pixelsX(t.x), pixelsY(t.y), pixelsX(t.x + t.cx) - pixelsX(t.x),
                   pixelsY(t.y + t.cy) - pixelsY(t.y));
    if (ui::isComboKind(t.kind)) {
      // Closed, a combo keeps its place and width; its height is its own, not the list's.
      EXPECT_EQ(w->pos(), expected.topLeft()) << t.id;
      EXPECT_EQ(w->width(), expected.width()) << t.id;
      EXPECT_LT(w->height(), expected.height()) << t.id;
    } else {
      EXPECT_EQ(w->geometry(), expected) << t.id;
    }
    EXPECT_TRUE(window->clientArea()->rect().contains(w->geometry())) << t.id;
    ++drawn;
  }
  EXPECT_EQ(drawn, 16);
  // Controls that share a template column share a pixel column, whatever the font.
  EXPECT_EQ(window->controlWidget(kHeights)->x(), window->controlWidget(kUnits)->x());
  EXPECT_EQ(window->controlWidget(IDOK)->y(), window->controlWidget(IDCANCEL)->y());
}

TEST_F(DialogTemplateTest, EachKindHasItsWidgetAndState) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Essai"));
  EXPECT_NE(control<QLineEdit>(window.get(), kName), nullptr);
  EXPECT_NE(control<QPlainTextEdit>(window.get(), kNotes), nullptr);
  ASSERT_NE(control<QLineEdit>(window.get(), kRemarks), nullptr);
  EXPECT_TRUE(control<QLineEdit>(window.get(), kRemarks)->isReadOnly());
  EXPECT_EQ(control<QLineEdit>(window.get(), kRemarks)->text(), QStringLiteral("lecture seule"));
  EXPECT_NE(control<QCheckBox>(window.get(), kHeights), nullptr);
  EXPECT_NE(control<QRadioButton>(window.get(), kDegrees), nullptr);

  auto* units = control<QComboBox>(window.get(), kUnits);
  ASSERT_NE(units, nullptr);
  EXPECT_FALSE(units->isEditable());
  EXPECT_EQ(units->count(), 3);
  EXPECT_EQ(units->currentText(), QStringLiteral("Grades"));
  ASSERT_NE(control<QComboBox>(window.get(), kCode), nullptr);
  EXPECT_TRUE(control<QComboBox>(window.get(), kCode)->isEditable());

  auto* stations = control<QTreeWidget>(window.get(), kStations);
  ASSERT_NE(stations, nullptr);
  ASSERT_EQ(stations->topLevelItemCount(), 3);
  EXPECT_EQ(stations->headerItem()->text(1), QStringLiteral("Distance"));
  EXPECT_EQ(stations->topLevelItem(1)->text(1), QStringLiteral("128.494"));
  EXPECT_EQ(stations->topLevelItem(0)->checkState(0), Qt::Unchecked);
  EXPECT_TRUE(stations->topLevelItem(0)->textAlignment(1) & Qt::AlignRight);

  auto* layers = control<QListWidget>(window.get(), kLayers);
  ASSERT_NE(layers, nullptr);
  EXPECT_EQ(layers->count(), 3);
  ASSERT_NE(control<QProgressBar>(window.get(), kProgressBar), nullptr);
  EXPECT_EQ(control<QProgressBar>(window.get(), kProgressBar)->value(), 40);
  ASSERT_NE(control<QLabel>(window.get(), kPlan), nullptr);
  EXPECT_EQ(control<QLabel>(window.get(), kPlan)->text(), QStringLiteral("plan de situation"));
  ASSERT_NE(control<QPushButton>(window.get(), IDOK), nullptr);
  EXPECT_TRUE(control<QPushButton>(window.get(), IDOK)->isDefault());
  EXPECT_FALSE(control<QPushButton>(window.get(), IDCANCEL)->isDefault());
}

TEST_F(DialogTemplateTest, StateChangesReachTheWidgets) {
  ui::findChild(handle, kName)->text = L"S9";
  ui::findChild(handle, kNotes)->text = L"un\r\ndeux";
  ui::findChild(handle, kHeights)->check = BST_CHECKED;
  ui::findChild(handle, kDegrees)->check = BST_CHECKED;
  ui::findChild(handle, kUnits)->curSel = 2;
  ui::findChild(handle, kStations)->rows.pop_back();
  ui::findChild(handle, kStations)->rows[0].state = LVIS_SELECTED;
  ui::findChild(handle, kStations)->rows[1].checked = true;
  ui::findChild(handle, kLayers)->itemSelected = {false, true, true};
  ui::findChild(handle, IDOK)->enabled = false;
  ui::findChild(handle, kRemarks)->visible = false;
  window->refresh();

  EXPECT_EQ(control<QLineEdit>(window.get(), kName)->text(), QStringLiteral("S9"));
  EXPECT_EQ(control<QPlainTextEdit>(window.get(), kNotes)->toPlainText(),
            QStringLiteral("un\ndeux"));
  EXPECT_TRUE(control<QCheckBox>(window.get(), kHeights)->isChecked());
  EXPECT_TRUE(control<QRadioButton>(window.get(), kDegrees)->isChecked());
  EXPECT_FALSE(control<QRadioButton>(window.get(), kGrades)->isChecked());
  EXPECT_EQ(control<QComboBox>(window.get(), kUnits)->currentText(), QStringLiteral("Radians"));
  auto* stations = control<QTreeWidget>(window.get(), kStations);
  ASSERT_EQ(stations->topLevelItemCount(), 2);
  EXPECT_TRUE(stations->topLevelItem(0)->isSelected());
  EXPECT_FALSE(stations->topLevelItem(1)->isSelected());
  EXPECT_EQ(stations->topLevelItem(1)->checkState(0), Qt::Checked);
  auto* layers = control<QListWidget>(window.get(), kLayers);
  EXPECT_FALSE(layers->item(0)->isSelected());
  EXPECT_TRUE(layers->item(2)->isSelected());
  EXPECT_FALSE(window->controlWidget(IDOK)->isEnabled());
  EXPECT_TRUE(window->controlWidget(kRemarks)->isHidden());
  // The refresh is not something the user did: nothing is queued for the dialog.
  EXPECT_FALSE(window->hasAction());
}

}  // namespace

namespace {

using namespace gui_test;

int menuModuleMarker;

const AcUiMenuItemTemplate kSampleMenuItems[] = {
    {L"&Fichier", 40010, L"&Ouvrir", 0},
    {L"&Fichier", 0, nullptr, kMenuSeparator},
    {L"&Fichier", 40011, L"&Exporter", kMenuGrayed},
    {L"&Calculs", kMenuCompute, L"&Compenser", kMenuChecked},
};
const AcUiDialogMenuTemplate kSampleMenu{7001, kSample.id, kSampleMenuItems,
                                         std::size(kSampleMenuItems)};

TEST(DialogMenuTest, MenuBarAboveTheControlsGivesItsItemsCommands) {
  HINSTANCE module = reinterpret_cast<HINSTANCE>(&menuModuleMarker);
  AfxRegisterDialogTemplates(module, &kSample, 1);
  AfxRegisterDialogMenus(module, &kSampleMenu, 1);
  HWND handle = makeSample();
  {
    gui::DialogWindow window(handle, nullptr);
    auto* bar = window.findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QList<QAction*> popups = bar->actions();
    ASSERT_EQ(popups.size(), 2);
    EXPECT_EQ(popups[0]->text(), QStringLiteral("&Fichier"));
    QList<QAction*> fileItems = popups[0]->menu()->actions();
    ASSERT_EQ(fileItems.size(), 3);
    EXPECT_TRUE(fileItems[1]->isSeparator());
    EXPECT_FALSE(fileItems[2]->isEnabled());
    QAction* compute = popups[1]->menu()->actions().value(0);
    ASSERT_NE(compute, nullptr);
    EXPECT_TRUE(compute->isChecked());
    // The controls keep their template places below the bar.
    EXPECT_GE(window.clientArea()->y(), bar->sizeHint().height());

    compute->trigger();
    std::wstring action;
    ASSERT_TRUE(window.takeAction(action));
    EXPECT_EQ(action, L"click 40001");
    ui::performDialogAction(handle, action);
    // The program greys an item: the window follows.
    ui::findMenuItem(handle, L"40010")->grayed = true;
    window.refresh();
    EXPECT_FALSE(fileItems[0]->isEnabled());
  }
  ui::destroyWindow(handle);
  AfxUnregisterResources(module);
}

}  // namespace
