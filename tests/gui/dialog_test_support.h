// What the dialog tests share: the window dialogs installed around a test, finding the windows
// shown, and a user who acts on them step by step while the platform waits in its loops.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <deque>
#include <functional>

#include "dialogs/dialog_window.h"
#include "dialogs/window_dialogs.h"

namespace gui_test {

// The dialog window shown with that title (any title when empty); null when none.
inline gui::DialogWindow* shownDialog(const QString& title = QString()) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* window = qobject_cast<gui::DialogWindow*>(top);
    if (window && window->isVisible() && (title.isEmpty() || window->windowTitle() == title))
      return window;
  }
  return nullptr;
}

// The Qt box of type T shown (a QMessageBox, a QFileDialog); null when none.
template <class T>
T* shownBox() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<T*>(top);
    if (box && box->isVisible()) return box;
  }
  return nullptr;
}

// A control's widget of the kind expected; null when the dialog has none such.
template <class T>
T* control(gui::DialogWindow* window, int id) {
  return window ? qobject_cast<T*>(window->controlWidget(id)) : nullptr;
}

// Steps run from the event loop in order; a step returns false while what it waits for is not
// shown yet. A step that never comes true fails the test after many ticks and closes what is
// open, so that a broken dialog cannot hang the run.
class User {
 public:
  explicit User(std::deque<std::function<bool()>> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    timer_.start(2);
  }
  bool finished() const { return steps_.empty(); }

 private:
  void tick() {
    if (steps_.empty()) {
      timer_.stop();
      return;
    }
    if (steps_.front()()) {
      steps_.pop_front();
      ticks_ = 0;
      ++done_;
      return;
    }
    if (++ticks_ < kPatience) return;
    ADD_FAILURE() << "step " << done_ << " never found what it waits for";
    steps_.clear();
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible()) dialog->reject();
    }
  }

  static constexpr int kPatience = 5000;
  std::deque<std::function<bool()>> steps_;
  QTimer timer_;
  int ticks_ = 0;
  int done_ = 0;
};

// The window dialogs for the time of a test.
class WindowDialogs {
 public:
  WindowDialogs() { gui::installWindowDialogs(nullptr); }
  ~WindowDialogs() { gui::removeWindowDialogs(); }
};

}  // namespace gui_test
