// How dialogs meet the user: a driver reads the actions of a dialog from the editor's input (a
// script, a test's queue, or the keyboard) and the dialog prints itself to the transcript.
//
// Actions (one a line; controls are named by id, or by caption with "&" ignored, any case; a
// caption with blanks goes in double quotes; naming a label names the control that follows it):
//   set ID text          types text into an edit or editable combo (EN_CHANGE), or moves a spin
//                        to a number; "\n" breaks the line of a multi-line edit
//   check ID on|off      ticks or clears a check box, or checks a radio button (BN_CLICKED)
//   check ID row on|off  ticks or clears the check box of a list view's row (LVN_ITEMCHANGED)
//   choose ID text|#n    picks an item of a combo or list box by text or 0-based index
//                        (CBN_SELCHANGE); a colour combo takes a colour index or name
//   select ID 0,2        selects those rows of a list (0-based; nothing after ID clears it)
//   click ID [row]       presses a button (check boxes toggle); on a list, clicks a row; on a
//                        spin, "haut" or "bas" moves it one step (UDN_DELTAPOS)
//   dblclick ID row      double-clicks a row of a list (NM_DBLCLK, LBN_DBLCLK)
//   sort ID column       clicks a list view's column header, named by caption or #index
//   focus ID             moves the focus (the control leaving it gets EN_KILLFOCUS...)
//   ok | cancel          the OK button (focus moves to it first) | Escape
//   show                 prints the dialog again
//   (empty line)         Enter: presses the default button
// Every action that takes a control moves the focus to it first, as a click does, so an edit
// that was typed into is told it lost the focus when the next action goes elsewhere.
// An unknown action or control prints a French error line and the dialog stays open. The end of
// the input cancels the dialog.
//
// Message boxes and file dialogs opened meanwhile read their answers from the same input (see
// AfxMessageBox and CFileDialog::DoModal).
//
// Modeless dialogs: while one is open (and no modal dialog opened after it still runs), each
// message pump (PeekMessage) looks at the next input line; a line that is an action for the open
// modeless dialog is taken and handled by it, any other line stays for the prompts. "apres N
// action" lets N pumps pass before the action is taken (e.g. "apres 299 click 2" presses Cancel at
// the 300th pump). When the modeless dialog was opened from a modal dialog's handler, a line that
// the modal dialog can take as well ("ok", "cancel", "click 2"...) is left for it, to be read once
// the loop has ended; "apres N" (even "apres 0") gives such a line to the modeless dialog. A menu
// item of the dialog's menu bar is chosen with "click ID" (its command id, or its caption), as a
// button is pressed; "show" prints the menu bar with the controls. A pump takes one action at a time: the pump after it finds nothing, so a loop
// "while (PeekMessage(...))" ends before the next line is looked at.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/afxwin.h"

namespace ui {

// A message box as the platform asks it: its buttons (id, caption) in order.
struct MessageBoxRequest {
  std::wstring text;
  std::wstring caption;
  UINT type = 0;
  std::vector<std::pair<int, std::wstring>> buttons;
  int defaultId = IDOK;
  int escapeId = IDCANCEL;  // what Escape (or closing the box) answers
};

// A file dialog as the platform asks it; filters are (name, "*.txt;*.csv") pairs.
struct FileDialogRequest {
  bool open = true;
  std::wstring title;
  std::vector<std::pair<std::wstring, std::wstring>> filters;
  int filterIndex = 1;  // 1-based
  std::wstring defaultName;
  HWND owner = nullptr;
};

class DialogDriver {
 public:
  virtual ~DialogDriver() = default;
  // Called when a dialog opens, after it was printed: a modal one before its first action is
  // read, a modeless one once it is created.
  virtual void opened(HWND dialog) { (void)dialog; }
  // Called when a dialog window (modal or modeless) is destroyed.
  virtual void closed(HWND dialog) { (void)dialog; }
  // The next action for dialog; false when the input has ended. The driver echoes what it read.
  virtual bool readAction(HWND dialog, std::wstring& action) = 0;

  // A front end that draws message boxes and file dialogs itself (a window) answers them here;
  // otherwise they print themselves and read their answers from the editor's input.
  virtual bool showsOwnBoxes() const { return false; }
  // The id of the button chosen.
  virtual int messageBox(const MessageBoxRequest& box) { return box.escapeId; }
  // The line a file dialog reads: a path, "filtre N path", or false when cancelled.
  virtual bool fileName(const FileDialogRequest& request, std::wstring& line) {
    (void)request;
    (void)line;
    return false;
  }

  // A front end that has its own events for modeless dialogs gives the pump the user's next
  // action for one of the open ones (newest first), without waiting; null when there is none.
  // With consume false it only looks.
  virtual bool takesModelessInput() const { return false; }
  virtual HWND modelessAction(const std::vector<HWND>& dialogs, std::wstring& action,
                              bool consume) {
    (void)dialogs;
    (void)action;
    (void)consume;
    return nullptr;
  }
};

// Lines from a script or a test's queue, echoed after "Action : ".
class ScriptDialogDriver : public DialogDriver {
 public:
  bool readAction(HWND dialog, std::wstring& action) override;
};

// The keyboard: the same actions after a prompt; "aide" lists them.
class TerminalDialogDriver : public DialogDriver {
 public:
  void opened(HWND dialog) override;
  bool readAction(HWND dialog, std::wstring& action) override;
};

// The driver dialogs use; null restores the default (the terminal driver when the editor reads
// the terminal, else the script driver).
void setDialogDriver(std::unique_ptr<DialogDriver> driver);
DialogDriver& dialogDriver();

// The dialog as the drivers print it.
std::wstring describeDialog(HWND dialog);
void printDialog(HWND dialog);
// Echoes and runs one action on dialog, then prints the dialog again if the action changed it.
void runDialogAction(HWND dialog, const std::wstring& action);
// Runs one action without echo or printing; false (with a French line printed) when refused.
bool performDialogAction(HWND dialog, const std::wstring& action);
// What a picture area shows, as text (printed with the dialog).
void setPictureDescription(HWND picture, const std::wstring& description);
std::wstring pictureDescription(HWND picture);
// True when the line is an action that dialog can take (used by the pump).
bool isActionFor(HWND dialog, const std::wstring& line);

}  // namespace ui
