// The window used as a surveyor uses it: commands typed in the command line, points and entities
// picked with the mouse (snapped), windows and crossings, saving, a drawing that cannot be
// opened, closing with unsaved changes.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <filesystem>

#include "gui/window_fixture.h"
#include "rx/cmdrun.h"
#include "shell/command_line_widget.h"
#include "shell/view_picker.h"
#include "view/drawing_view.h"

#include <unistd.h>

namespace {

using guitest::entitiesOf;

class ShellWindow : public guitest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // A copy: saving writes the drawing back to its file.
    copy_ = tempFile("parcelle.dxf");
    std::filesystem::copy_file(wideToUtf8(guitest::examplePath()), copy_,
                               std::filesystem::copy_options::overwrite_existing);
    document_ = guitest::openDocument(utf8ToWide(copy_));
    ASSERT_NE(document_, nullptr);
  }
  void TearDown() override {
    WindowTest::TearDown();
    std::remove(copy_.c_str());
  }

  void type(const QString& line) {
    QLineEdit* input = window().commandLine().inputLine();
    QTest::keyClicks(input, line);
    QTest::keyClick(input, Qt::Key_Return);
  }
  void click(const QPointF& pixel, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&window().view(), button, {}, pixel.toPoint());
  }
  gui::DrawingView& view() { return window().view(); }
  QPointF pixelOf(const AcGePoint3d& p) { return view().toScreen(QPointF(p.x, p.y)); }

  // A pixel of the view with no snap point within the aperture and nothing under the pick box.
  QPoint emptyPixel() {
    for (int y = 40; y < view().height() - 40; y += 13)
      for (int x = 40; x < view().width() - 40; x += 17) {
        QPointF at = view().toDrawing(QPointF(x, y));
        double margin = 12 * view().mapping().unitsPerPixel;
        bool near = false;
        for (const gui::DisplayItem& item : view().displayList().items())
          if (item.bounds.adjusted(-margin, -margin, margin, margin).contains(at)) near = true;
        if (!near) return QPoint(x, y);
      }
    ADD_FAILURE() << "no empty pixel";
    return QPoint(1, 1);
  }

  AcGePoint3d firstLineStart() {
    std::vector<AcDbObjectId> lines = entitiesOf<AcDbLine>(document_->database());
    EXPECT_FALSE(lines.empty());
    AcDbLine* line = nullptr;
    acdbOpenObject(line, lines.front(), AcDb::kForRead);
    AcGePoint3d start = line->startPoint();
    line->close();
    return start;
  }

  // Named after the process: CTest runs the tests of this fixture side by side.
  std::string tempFile(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("cadhost_gui_" + std::to_string(getpid()) + "_" + name))
        .string();
  }

  AcApDocument* document_ = nullptr;
  std::string copy_;
};

// Opening, zooming, two points picked for a line (the first snapped to an existing end), saving:
// the saved drawing holds the line.
TEST_F(ShellWindow, LinePickedWithTheMouseIsSaved) {
  AcGePoint3d snapTo = firstLineStart();
  std::string saved = copy_;
  QPointF second;
  runSteps({
      [&] {
        window().zoomExtents();
        view().zoomAbout(pixelOf(snapTo), 1.5);
        type("_LINE");
      },
      // A few pixels off the end: the end snap takes it.
      [&] { click(pixelOf(snapTo) + QPointF(3, -2)); },
      [&] {
        QPoint empty = emptyPixel();
        second = view().toDrawing(QPointF(empty));
        click(empty);
      },
      [&] { click(QPointF(5, 5), Qt::RightButton); },  // Enter ends LINE
      [&] { window().saveDrawing(); },
  });
  AcDbDatabase reread(false, false);
  ASSERT_EQ(reread.readDwgFile(utf8ToWide(saved).c_str()), Acad::eOk)
      << window().commandLine().historyText().toStdString();
  bool found = false;
  for (AcDbObjectId id : entitiesOf<AcDbLine>(&reread)) {
    AcDbLine* line = nullptr;
    ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
    if (line->startPoint().isEqualTo(snapTo, AcGeTol()) && line->startPoint().x == snapTo.x &&
        std::abs(line->endPoint().x - second.x()) < 1e-9 && std::abs(line->endPoint().y - second.y()) < 1e-9)
      found = true;
    line->close();
  }
  EXPECT_TRUE(found) << wideToUtf8(window().commandLine().historyText().toStdWString());
}

// The rubber band and the snap marker follow the cursor while LINE asks its next point.
TEST_F(ShellWindow, RubberBandFollowsTheCursorFromTheBasePoint) {
  QImage withBand, withoutBand;
  runSteps({
      [&] {
        window().zoomExtents();
        type("_LINE");
      },
      [&] { click(QPointF(emptyPixel())); },
      [&] {
        QPoint target = emptyPixel() + QPoint(200, 0);
        withoutBand = view().renderImage();
        QTest::mouseMove(&view(), target);
        withBand = view().renderImage();
        window().input().submit(L"^C");
      },
  });
  ASSERT_FALSE(withBand.isNull());
  int changed = 0;
  for (int y = 0; y < withBand.height(); ++y)
    for (int x = 0; x < withBand.width(); ++x)
      if (withBand.pixel(x, y) != withoutBand.pixel(x, y)) ++changed;
  EXPECT_GT(changed, 50);  // a line of the band's length at least
}

// Picks at the selection prompt: an entity under the pick box by its handle, and a crossing.
TEST_F(ShellWindow, EntityPickAndCrossingChooseTheRightEntities) {
  std::vector<AcDbObjectId> circles = entitiesOf<AcDbCircle>(document_->database());
  ASSERT_FALSE(circles.empty());
  AcDbCircle* circle = nullptr;
  ASSERT_EQ(acdbOpenObject(circle, circles.front(), AcDb::kForRead), Acad::eOk);
  AcGePoint3d rim(circle->center().x + circle->radius(), circle->center().y, 0);
  circle->close();
  ACHAR handle[17];
  circles.front().handle().getIntoAsciiBuffer(handle);
  size_t linesBefore = entitiesOf<AcDbLine>(document_->database()).size();
  runSteps({
      [&] {
        window().zoomExtents();
        view().zoomAbout(pixelOf(rim), 3);
        type("_ERASE");
      },
      [&] { click(pixelOf(rim) + QPointF(1, 1)); },
      [&] { click(QPointF(5, 5), Qt::RightButton); },
      // A crossing from right to left over the whole screen takes every line shown.
      [&] {
        window().zoomExtents();
        type("_ERASE");
      },
      [&] {
        QPointF right(view().width() - 2, view().height() - 2);
        QPointF left(2, 2);
        QTest::mousePress(&view(), Qt::LeftButton, {}, right.toPoint());
        QTest::mouseMove(&view(), left.toPoint());
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, left.toPoint());
      },
      [&] { click(QPointF(5, 5), Qt::RightButton); },
  });
  std::wstring history = window().commandLine().historyText().toStdWString();
  EXPECT_NE(history.find(L"#" + std::wstring(handle)), std::wstring::npos);
  EXPECT_NE(history.find(L"_C\n"), std::wstring::npos);
  EXPECT_TRUE(circles.front().isErased());
  EXPECT_GT(linesBefore, 0u);
  EXPECT_TRUE(entitiesOf<AcDbLine>(document_->database()).empty());
}

// A drawing that cannot be read: the message shows in the window, which goes on working.
TEST_F(ShellWindow, DrawingThatFailsToOpenLeavesTheWindowUsable) {
  std::string bad = tempFile("bad.dxf");
  FILE* f = std::fopen(bad.c_str(), "w");
  std::fputs("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nnot a number\n", f);
  std::fclose(f);
  window().setFileChooser([&](bool, const QString&) { return QString::fromStdString(bad); });
  size_t historyAfterOpen = 0;
  runSteps({
      [&] { window().openDrawing(); },
      [&] {
        historyAfterOpen = window().commandLine().historyText().size();
        type("(+ 1 2)");
      },
  });
  QString history = window().commandLine().historyText();
  EXPECT_EQ(view().document(), document_);
  EXPECT_NE(history.indexOf("impossible de lire le dessin"), -1) << history.toStdString();
  EXPECT_NE(history.indexOf("3", static_cast<int>(historyAfterOpen)), -1);
  std::remove(bad.c_str());
}

// Closing with unsaved changes asks; Annuler keeps the window, Non closes without saving.
TEST_F(ShellWindow, ClosingWithUnsavedChangesAsks) {
  std::vector<QString> asked;
  gui::MainWindow::CloseAnswer answer = gui::MainWindow::CloseAnswer::kCancel;
  window().setCloseQuestion([&](const QString& title) {
    asked.push_back(title);
    return answer;
  });
  bool closedAfterCancel = true;
  runSteps({
      [&] { type("(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 1.0 0.0)))"); },
      [&] {
        window().close();
        closedAfterCancel = window().input().closed();
        answer = gui::MainWindow::CloseAnswer::kNo;
        window().close();
      },
  });
  EXPECT_FALSE(closedAfterCancel);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked.front(), QString::fromStdWString(document_->docTitle()));
  EXPECT_TRUE(window().input().closed());
}

TEST_F(ShellWindow, CommandLineHistoryRecallsWhatWasTyped) {
  runSteps({
      [&] { type("(+ 1 1)"); },
      [&] { type("(+ 2 2)"); },
      [&] {
        QLineEdit* input = window().commandLine().inputLine();
        QTest::keyClick(input, Qt::Key_Up);
        QTest::keyClick(input, Qt::Key_Up);
        EXPECT_EQ(input->text(), "(+ 1 1)");
        QTest::keyClick(input, Qt::Key_Down);
        EXPECT_EQ(input->text(), "(+ 2 2)");
        QTest::keyClick(input, Qt::Key_Return);
      },
  });
  QString history = window().commandLine().historyText();
  EXPECT_EQ(history.count("Commande: (+ 2 2)\n4"), 2) << history.toStdString();
}

}  // namespace
