#include "dialogs/window_dialog_driver.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "dialogs/window_dialogs.h"
#include "ed/editor.h"
#include "ui/window.h"

namespace gui {

namespace {

// The code our own wake-ups end a nested loop with; any other end is the application quitting.
constexpr int kWoken = 1;

}  // namespace

WindowDialogDriver::WindowDialogDriver(QWidget* mainWindow) : mainWindow_(mainWindow) {
  if (qApp) {
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [this] { quitting_ = true; });
  }
}

WindowDialogDriver::~WindowDialogDriver() {
  for (auto& [handle, window] : windows_) delete window.data();
}

DialogWindow* WindowDialogDriver::windowOf(HWND dialog) const {
  auto it = windows_.find(dialog);
  return it == windows_.end() ? nullptr : it->second.data();
}

QWidget* WindowDialogDriver::currentParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return mainWindow_.data();
}

DialogWindow* WindowDialogDriver::ensureWindow(HWND dialog) {
  if (DialogWindow* existing = windowOf(dialog)) return existing;
  QWidget* parent = mainWindow_.data();
  if (DialogWindow* owner = dialog->owner ? windowOf(dialog->owner) : nullptr) parent = owner;
  auto* window = new DialogWindow(dialog, parent);
  window->setWindowModality(dialog->modeless ? Qt::NonModal : Qt::ApplicationModal);
  if (dialog->modeless) {
    // Queued: served from the event loop the window waits in, after the click's own handling.
    QObject::connect(window, &DialogWindow::actionQueued, window, [this] { serveModeless(); },
                     Qt::QueuedConnection);
  }
  windows_[dialog] = window;
  window->refresh();
  return window;
}

void WindowDialogDriver::refreshAll() {
  for (auto& [handle, window] : windows_) {
    if (window && ui::isLiveWindow(handle)) window->refresh();
  }
}

void WindowDialogDriver::opened(HWND dialog) {
  ensureWindow(dialog);
  // A modeless dialog is shown by its creator once it is made: the window follows as soon as the
  // event loop runs, whether or not anything pumps.
  if (dialog->modeless) {
    QTimer::singleShot(0, windowOf(dialog), [this, dialog] {
      if (DialogWindow* window = windowOf(dialog)) window->refresh();
    });
  }
}

void WindowDialogDriver::closed(HWND dialog) {
  auto it = windows_.find(dialog);
  if (it == windows_.end()) return;
  if (DialogWindow* window = it->second.data()) {
    window->hide();
    // Later: the close may come from inside one of the window's own signals.
    window->deleteLater();
  }
  windows_.erase(it);
}

bool WindowDialogDriver::readAction(HWND dialog, std::wstring& action) {
  QPointer<DialogWindow> window = ensureWindow(dialog);
  refreshAll();
  while (window && !window->takeAction(action)) {
    if (quitting_) return false;
    QEventLoop loop;
    QObject::connect(window, &DialogWindow::actionQueued, &loop, [&loop] { loop.exit(kWoken); });
    QObject::connect(window, &QObject::destroyed, &loop, [&loop] { loop.exit(kWoken); });
    if (loop.exec() != kWoken) quitting_ = true;
  }
  if (!window) return false;
  ed::Editor::instance().transcript().write(L"Action : " + action + L"\n");
  return true;
}

// A click in a modeless dialog while the program waits (at the command line, in a modal dialog)
// is run at once, as the host's own message loop would dispatch it; inside a pump it is left for
// that pump, which takes it when its event processing returns.
void WindowDialogDriver::serveModeless() {
  if (pumping_ > 0) return;
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  refreshAll();
}

HWND WindowDialogDriver::modelessAction(const std::vector<HWND>& dialogs, std::wstring& action,
                                        bool consume) {
  for (HWND dialog : dialogs) ensureWindow(dialog)->refresh();
  // The pump runs inside the program's loops: the window's events are served from here.
  ++pumping_;
  QCoreApplication::processEvents();
  --pumping_;
  for (HWND dialog : dialogs) {
    DialogWindow* window = windowOf(dialog);
    if (!window || !window->hasAction()) continue;
    if (consume) {
      window->takeAction(action);
    } else {
      action = window->nextAction();
    }
    return dialog;
  }
  return nullptr;
}

int WindowDialogDriver::messageBox(const ui::MessageBoxRequest& box) {
  return showMessageBox(currentParent(), box);
}

bool WindowDialogDriver::fileName(const ui::FileDialogRequest& request, std::wstring& line) {
  QWidget* parent = currentParent();
  if (DialogWindow* owner = request.owner ? windowOf(request.owner) : nullptr) parent = owner;
  return chooseFile(parent, request, line);
}

namespace {

WindowDialogDriver*& installed() {
  static WindowDialogDriver* driver = nullptr;
  return driver;
}

}  // namespace

void installWindowDialogs(QWidget* mainWindow) {
  auto driver = std::make_unique<WindowDialogDriver>(mainWindow);
  installed() = driver.get();
  ui::setDialogDriver(std::move(driver));
}

void removeWindowDialogs() {
  if (!installed()) return;
  installed() = nullptr;
  ui::setDialogDriver(nullptr);
}

WindowDialogDriver* windowDialogDriver() { return installed(); }

}  // namespace gui
