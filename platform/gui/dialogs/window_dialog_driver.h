// The dialog driver of the window: each dialog that opens is drawn as a DialogWindow; reading an
// action shows it and spins the event loop until the user does something with it. Message boxes
// and file dialogs are Qt's own, and modeless dialogs are served from the pump (PeekMessage), or at once when the program
// waits in the event loop.
#pragma once
#include <QPointer>
#include <map>

#include "dialogs/dialog_window.h"
#include "ui/dialog_driver.h"

namespace gui {

class WindowDialogDriver : public ui::DialogDriver {
 public:
  explicit WindowDialogDriver(QWidget* mainWindow);
  ~WindowDialogDriver() override;

  void opened(HWND dialog) override;
  void closed(HWND dialog) override;
  bool readAction(HWND dialog, std::wstring& action) override;

  bool showsOwnBoxes() const override { return true; }
  int messageBox(const ui::MessageBoxRequest& box) override;
  bool fileName(const ui::FileDialogRequest& request, std::wstring& line) override;

  bool takesModelessInput() const override { return true; }
  HWND modelessAction(const std::vector<HWND>& dialogs, std::wstring& action,
                      bool consume) override;

  // The window drawn for a dialog; null when it has none (yet).
  DialogWindow* windowOf(HWND dialog) const;

 private:
  DialogWindow* ensureWindow(HWND dialog);
  // The widget new windows and boxes belong to: the innermost dialog shown, else the main window.
  QWidget* currentParent() const;
  void refreshAll();
  void serveModeless();

  QPointer<QWidget> mainWindow_;
  std::map<HWND, QPointer<DialogWindow>> windows_;
  bool quitting_ = false;
  int pumping_ = 0;  // inside modelessAction: the pump takes the actions itself
};

// The boxes drawn for the platform (window_boxes.cpp).
int showMessageBox(QWidget* parent, const ui::MessageBoxRequest& box);
bool chooseFile(QWidget* parent, const ui::FileDialogRequest& request, std::wstring& line);

}  // namespace gui
