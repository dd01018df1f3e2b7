// A dialog of the platform as a Qt dialog: its template's controls at their places, refreshed
// from the dialog's window state; what the user does is queued as the action texts a script
// gives, for the driver to hand to the platform.
#pragma once
#include <QDialog>
#include <deque>
#include <string>
#include <vector>

#include "dialogs/control_widgets.h"
#include "dialogs/dialog_units.h"

class QAction;
class QMenuBar;

namespace gui {

class DialogWindow : public QDialog, private ControlEvents {
  Q_OBJECT

 public:
  DialogWindow(HWND dialog, QWidget* parent);

  HWND handle() const { return dialog_; }
  const DialogUnits& units() const { return units_; }
  // The area the controls are placed in (below the menu bar, if any).
  QWidget* clientArea() const { return client_; }
  // The widget of a control; null when the dialog has none with that id.
  QWidget* controlWidget(int id) const;

  // Shows the dialog's state in the widgets (and the dialog itself shown or hidden).
  void refresh();
  // The oldest action the user gave; false when none is waiting.
  bool takeAction(std::wstring& action);
  bool hasAction() const { return !actions_.empty(); }
  const std::wstring& nextAction() const { return actions_.front(); }

 signals:
  void actionQueued();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  struct Control {
    HWND handle;
    QWidget* widget;
    std::wstring sent;  // the edit's text as last shown or sent: typing differs from it
  };

  void userAction(const std::wstring& action) override;
  void editLeft() override;
  void queue(const std::wstring& action);
  // Queues a "set" for each edit whose typed text was not sent yet.
  void flushEdits();
  void buildMenu();
  void refreshMenu();

  HWND dialog_;
  DialogUnits units_;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  std::vector<Control> controls_;
  std::vector<std::pair<unsigned, QAction*>> menuActions_;
  HWND shownFocus_ = nullptr;
  std::deque<std::wstring> actions_;
};

}  // namespace gui
