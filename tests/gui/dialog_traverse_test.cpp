// A traverse of the module in the window: its observations loaded through the file dialog, the
// adjustment started with the mouse, the report read in the results view, the dialogs closed
// with the keyboard.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "dialog_test_support.h"
#include "host/module_fixture.h"
#include "rx/cmdrun.h"

namespace {

using namespace gui_test;

const QString kTraverse = QStringLiteral("Correction de polygonale fermée");
const QString kResults = QStringLiteral("Résultats des calculs");

QPushButton* buttonStarting(QWidget* window, const QString& caption) {
  if (!window) return nullptr;
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    if (button->text().startsWith(caption)) return button;
  }
  return nullptr;
}

bool click(const QString& dialog, const QString& caption) {
  QPushButton* button = buttonStarting(shownDialog(dialog), caption);
  if (!button) return false;
  QTest::mouseClick(button, Qt::LeftButton);
  return true;
}

class TraverseInWindowTest : public ModuleHost {
 protected:
  WindowDialogs windowDialogs;
};

TEST_F(TraverseInWindowTest, LoadAdjustAndReadTheReport) {
  double distances = 0;
  int legs = 0;
  QString report;
  User user({
      [] { return click(kTraverse, QStringLiteral("Charger")); },
      [] {
        auto* files = shownBox<QFileDialog>();
        if (!files) return false;
        files->selectFile(QStringLiteral(EXAMPLES_DIR "/polygonale-fermee.obs"));
        QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
        return true;
      },
      [&] {
        gui::DialogWindow* window = shownDialog(kTraverse);
        auto* legsTable = window ? window->findChild<QTreeWidget*>() : nullptr;
        if (!legsTable || legsTable->topLevelItemCount() == 0) return false;
        legs = legsTable->topLevelItemCount();
        int distanceColumn = -1;
        for (int k = 0; k < legsTable->columnCount(); ++k) {
          if (legsTable->headerItem()->text(k) == QStringLiteral("Distance")) distanceColumn = k;
        }
        for (int r = 0; distanceColumn >= 0 && r < legs; ++r)
          distances += legsTable->topLevelItem(r)->text(distanceColumn).toDouble();
        return click(kTraverse, QStringLiteral("Calculer"));
      },
      [&] {
        gui::DialogWindow* window = shownDialog(kResults);
        auto* browser = window ? window->findChild<QTextBrowser*>() : nullptr;
        if (!browser || browser->toPlainText().isEmpty()) return false;
        report = browser->toPlainText();
        QTest::keyClick(window, Qt::Key_Escape);
        return true;
      },
      [] {
        if (shownDialog(kResults) || !shownDialog(kTraverse)) return false;
        QTest::keyClick(shownDialog(kTraverse), Qt::Key_Return);  // "Fermer", the default
        return true;
      },
  });
  EXPECT_TRUE(acedRunCommand(L"CORRPOLFERMEE").found);
  EXPECT_TRUE(user.finished());
  EXPECT_EQ(legs, 5);
  // The report's total length is the sum of the legs shown in the table, and its accents came
  // through the page's code page.
  EXPECT_TRUE(report.contains(QString::number(distances, 'f', 4))) << distances;
  EXPECT_TRUE(report.contains(QStringLiteral("Coordonnées finales")));
  for (const char* station : {"S1", "S2", "S3", "S4", "S5"})
    EXPECT_TRUE(report.contains(QString::fromLatin1(station)));
  EXPECT_NE(transcript().find(L"Dialogue « Résultats des calculs » fermé : Annuler"),
            std::wstring::npos);
  EXPECT_NE(transcript().find(L"Dialogue « " + kTraverse.toStdWString() + L" » fermé : OK"),
            std::wstring::npos);
}

}  // namespace
