// What the window's tests share: the example drawing opened as the current document, a main
// window over it, and the command loop run with the window as its input, each wait of the loop
// running the test's next step (typing, clicking) as a user would.
#pragma once
#include <gtest/gtest.h>

#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "ed/model_space_entities.h"
#include "ed/command_line.h"
#include "ed/editor.h"
#include "ed/host_commands.h"
#include "os/codepage.h"
#include "rx/acdocman.h"
#include "shell/command_input.h"
#include "shell/main_window.h"

namespace guitest {

inline std::wstring examplePath() { return utf8ToWide(EXAMPLES_DIR) + L"/parcelle.dxf"; }

// Opens a drawing as the current document; null when it cannot be read.
inline AcApDocument* openDocument(const std::wstring& file) {
  auto database = std::make_unique<AcDbDatabase>(false, false);
  if (database->readDwgFile(file.c_str()) != Acad::eOk) return nullptr;
  return acDocManager->addDocument(std::move(database), file.c_str());
}

// The entities of model space of a database, of one class.
template <class T>
std::vector<AcDbObjectId> entitiesOf(AcDbDatabase* database) {
  return modelSpaceEntitiesOf<T>(database);
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ed::Editor& editor = ed::Editor::instance();
    editor.resetState();
    editor.transcript().setStdout(false);
    ed::registerHostCommands();
    window_ = std::make_unique<gui::MainWindow>();
    window_->resize(1000, 760);
    window_->show();
  }

  void TearDown() override {
    ed::Editor& editor = ed::Editor::instance();
    editor.setInput(nullptr);
    window_.reset();
    acDocManager->closeAll();
    ed::removeHostCommands();
    editor.transcript().setStdout(true);
    editor.resetState();
  }

  gui::MainWindow& window() { return *window_; }

  // Runs the command loop on the window. Step i runs at the i-th time the loop waits for the
  // window (after a cursor movement too, during a drag); once they are all done the window's
  // input closes, which ends the loop. A step that gives no answer would leave the loop
  // waiting: a timer ends it.
  void runSteps(std::vector<std::function<void()>> steps) {
    size_t next = 0;
    gui::CommandInput& input = window_->input();
    QMetaObject::Connection connection =
        QObject::connect(&input, &gui::CommandInput::aboutToWait, window_.get(), [&](bool) {
          if (next < steps.size())
            steps[next++]();
          else
            input.close();
        });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
      ADD_FAILURE() << "the command loop waited at step " << next;
      input.close();
    });
    watchdog.start(20000);
    ed::Editor::instance().setInput(window_->makeInput(nullptr));
    ed::CommandLine commandLine;
    commandLine.run();
    QObject::disconnect(connection);
    EXPECT_EQ(next, steps.size()) << "steps left undone";
  }

 private:
  std::unique_ptr<gui::MainWindow> window_;
};

}  // namespace guitest
