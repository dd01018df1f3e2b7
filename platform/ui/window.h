// The platform's windows: what HWND points to. A dialog window owns its controls; each control
// keeps the whole state that the framework's classes read and change through their methods, so a
// temporary CWnd from GetDlgItem and an attached member see the same thing.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui/afxwin.h"

struct ListViewColumn {
  std::wstring caption;
  int format = 0;  // LVCFMT_*
  int width = 0;   // (pixels)
};

struct ListViewRow {
  std::vector<std::wstring> cells;  // one per column, the first is the item's text
  DWORD_PTR data = 0;
  UINT state = 0;  // LVIS_SELECTED, LVIS_FOCUSED
  bool checked = false;
};

// One item of a dialog's menu bar, with the state the program changes.
struct MenuItem {
  std::wstring popup;  // the caption of the popup it belongs to
  UINT id = 0;
  std::wstring caption;
  bool separator = false;
  bool grayed = false;
  bool checked = false;
};

struct HWND__ {
  HWND__();
  ~HWND__();

  bool isDialog = false;
  bool isMainWindow = false;
  int id = 0;
  AcUiControlKind kind = AcUiControlKind::kStatic;
  unsigned style = 0;  // kCtl* bits
  std::wstring text;
  RECT rect{0, 0, 0, 0};  // (dialog units: left, top, right, bottom)
  bool enabled = true;
  bool visible = true;
  int check = BST_UNCHECKED;

  HWND__* parent = nullptr;                       // a control's dialog
  HWND__* owner = nullptr;                        // a dialog's owner window
  std::vector<std::unique_ptr<HWND__>> children;  // in template (tab) order
  CWnd* permanent = nullptr;                      // the object attached to this window
  std::unique_ptr<CWnd> temporary;                // made by CWnd::FromHandle when none is attached
  std::unique_ptr<CWnd> headerView;  // list views: the CHeaderCtrl given by GetHeaderCtrl

  // Combo and list boxes.
  std::vector<std::wstring> items;
  std::vector<DWORD_PTR> itemData;
  std::vector<bool> itemSelected;  // multiple-selection list boxes
  int curSel = -1;
  int limitText = 0;

  // List views.
  std::vector<ListViewColumn> columns;
  std::vector<ListViewRow> rows;
  DWORD extendedStyle = 0;
  int selectionMark = -1;

  // Spin buttons and progress bars; colour combos keep their index in pos.
  int lower = 0;
  int upper = 100;
  int pos = 0;
  int step = 10;
  HWND__* buddy = nullptr;

  // Edits and rich edits: the selection (characters).
  int selStart = 0;
  int selEnd = 0;

  // Dialogs.
  const AcUiDialogTemplate* dialogTemplate = nullptr;
  HWND__* focus = nullptr;
  int defId = IDOK;
  bool hiddenForEditor = false;
  bool initialized = false;  // OnInitDialog has returned: text changes notify from now on
  bool modeless = false;
  bool modalRunning = false;
  bool ended = false;  // EndDialog was called
  int result = IDCANCEL;
  std::vector<MenuItem> menu;                     // the menu bar, item by item
  std::unique_ptr<CMenu> menuBar;                 // what GetMenu gives
  std::vector<std::unique_ptr<CMenu>> menuPopups;  // what GetSubMenu gives, by position
  std::wstring lastShown;    // the dialog as last printed
  std::wstring description;  // picture areas: what they would show
};

namespace ui {

// Every window alive; IsWindow and the pump check handles against it.
bool isLiveWindow(HWND hWnd);
// Builds a dialog window and its controls from a template; the caller owns it until it is
// destroyed with destroyWindow.
HWND createDialogWindow(const AcUiDialogTemplate& dialogTemplate, HWND owner);
// Destroys a top-level window and its controls, detaching their objects.
void destroyWindow(HWND hWnd);
// The host's main window.
HWND mainWindow();
// The dialog that has the input: the innermost modal dialog running, else the last modeless
// dialog opened and still visible; null when none.
HWND activeDialog();
bool modalDialogRunning();
// The modeless dialogs open and visible that have the input, the newest first: those opened
// after the innermost modal dialog running (a handler's progress dialog), or all when none runs.
std::vector<HWND> openModelessDialogs();

HWND findChild(HWND dialog, int id);
// The dialog a control belongs to (the window itself for a dialog).
HWND dialogOf(HWND hWnd);

bool isButtonKind(AcUiControlKind kind);
bool isComboKind(AcUiControlKind kind);
bool isEditKind(AcUiControlKind kind);
// Labels and frames: never focused, never the target of an action.
bool isDecorative(AcUiControlKind kind);

// Sends WM_COMMAND (code, id of the control) to the control's dialog.
void notifyCommand(HWND control, UINT code);
// Sends WM_NOTIFY with the given header (hwndFrom and idFrom filled) to the control's dialog.
LRESULT notifyParent(HWND control, NMHDR* header);
// Sends the list view's LVN_ITEMCHANGED for a state change of row.
void notifyItemChanged(HWND list, int row, UINT oldState, UINT newState);

// Moves the focus to control (null clears it): the control losing it and the one taking it
// notify their dialog (EN_KILLFOCUS, EN_SETFOCUS...).
void setFocus(HWND control);

// "« caption »", or "sans titre" for a dialog without caption, as the drivers name dialogs.
std::wstring dialogTitle(HWND dialog);
// The text a control shows: a drop-down list's selected item, an edit's text, a caption.
std::wstring controlText(HWND control);
// Sets the text as WM_SETTEXT does: an edit (or an editable combo) notifies EN_CHANGE
// (CBN_EDITCHANGE) when the text differs, once its dialog is initialised.
void setControlText(HWND control, const std::wstring& text);

// A caption as the user names it: no "&", no trailing ":", blanks trimmed, any case.
std::wstring normalCaption(const std::wstring& text);

// Gives a new dialog the menu bar registered for its template, if any.
void loadDialogMenu(HWND dialog);
// The popups of a dialog's menu bar, in order (their captions).
std::vector<std::wstring> menuPopups(HWND dialog);
// The menu item of a command id, or of a caption ("&" ignored, any case); null when none.
MenuItem* findMenuItem(HWND dialog, const std::wstring& name);
// The innermost modal dialog running; null when none.
HWND innermostModalDialog();

// Forgets what the pump remembered of earlier actions (a modeless dialog opens).
void resetScriptPump();

// Dialog units to pixels.
int dluToPixelsX(int x);
int dluToPixelsY(int y);

}  // namespace ui
