// The widget of each kind of dialog control, made from the control's window state and refreshed
// from it after every action. A widget never changes the state itself: what the user does with it
// becomes an action text (the same a script gives) handed to the dialog's window.
#pragma once
#include <QWidget>
#include <string>

#include "ui/afxwin.h"

namespace gui {

// Where a control's widget sends what the user did.
class ControlEvents {
 public:
  virtual ~ControlEvents() = default;
  // An action for the dialog ("click 1047", "check 1005 on"...).
  virtual void userAction(const std::wstring& action) = 0;
  // The user left an edit (or pressed Enter in it): its text is due as a "set" action.
  virtual void editLeft() = 0;
};

// A widget for control (a child of parent) at no particular place; null for a kind the window
// does not draw.
QWidget* makeControlWidget(HWND control, QWidget* parent, ControlEvents& events);
// Shows the control's state: text, check, items and selection, rows, range, enabled, visible.
void refreshControlWidget(HWND control, QWidget* widget);
// The text the user typed into an edit or an editable combo, in the form the "set" action takes
// ("\n" for a line break); false for the other kinds.
bool typedText(HWND control, QWidget* widget, std::wstring& text);
// The control's text as typedText gives it, to see whether the user changed it.
std::wstring stateText(HWND control);

}  // namespace gui
