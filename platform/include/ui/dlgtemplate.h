// Dialog resources as data: a module describes each dialog (id, caption, size in dialog units,
// font, controls) and its strings in tables, and registers them under its module handle when it
// loads. CDialog finds its template in the current resource handle, else in any registered table.
#pragma once
#include <cstddef>

#include "os/windef.h"
#include "rx/rxwintypes.h"

// What a control is; the drivers print these kinds and the controls behave after them.
enum class AcUiControlKind {
  kStatic,         // a label
  kEdit,           // single- or multi-line text
  kButton,         // push button
  kDefButton,      // the default push button (Enter)
  kCheckBox,       // auto check box (kCtlPushLike draws it as a push button)
  kRadio,          // auto radio button; kCtlGroup starts a new group
  kGroupBox,       // frame with a caption
  kComboDropList,  // combo box whose text is one of its items
  kComboDropDown,  // editable combo box
  kListBox,
  kListView,  // report-mode list view with columns
  kSpin,      // up-down control, moving its buddy edit
  kProgress,
  kRichEdit,
  kPicture,     // an area that holds a description of what it would show
  kColorCombo,  // colour index chooser (CAcUiColorComboBox)
  kMruCombo,    // most-recently-used combo (CAcUiMRUComboBox)
  kWebBrowser,  // embedded web view (CWebBrowser2)
};

// Style bits of a control template.
enum : unsigned {
  kCtlReadOnly = 0x0001,   // edit: text cannot be typed
  kCtlMultiline = 0x0002,  // edit: several lines
  kCtlPassword = 0x0004,   // edit: shown as stars
  kCtlPushLike = 0x0008,   // check box or radio drawn as a push button
  kCtlGroup = 0x0010,      // first control of a group (radio groups)
  kCtlSort = 0x0020,       // combo or list box: items kept sorted
  kCtlSingleSel = 0x0040,  // list view: one row at most
  kCtlMultiSel = 0x0080,   // list box: several rows
  kCtlShowSelAlways = 0x0100,
  kCtlNoSortHeader = 0x0200,  // list view: header not clickable
  kCtlNumber = 0x0400,        // edit: digits only
  kCtlHidden = 0x0800,        // created invisible
  kCtlDisabled = 0x1000,      // created disabled
  kCtlRight = 0x2000,         // text right-aligned
  kCtlAutoBuddy = 0x4000,     // spin: the previous control is its buddy
  kCtlSetBuddyInt = 0x8000,   // spin: writes its position into the buddy
  kCtlNotify = 0x10000,       // static or button: sends clicks to the dialog
};

struct AcUiControlTemplate {
  int id;  // -1 (IDC_STATIC) for labels that code never touches
  AcUiControlKind kind;
  const wchar_t* caption;  // initial text; "&" marks the mnemonic
  int x, y, cx, cy;        // (dialog units)
  unsigned style;
};

struct AcUiDialogTemplate {
  UINT id;
  const wchar_t* caption;
  int cx, cy;  // (dialog units)
  const wchar_t* font;
  int fontSize;  // (points)
  const AcUiControlTemplate* controls;
  size_t controlCount;
};

// A dialog's menu bar (the MENU statement of a dialog resource): items in order, each naming the
// popup it belongs to; consecutive items with the same popup caption form one popup.
enum : unsigned {
  kMenuGrayed = 0x1,     // created greyed: choosing it does nothing
  kMenuChecked = 0x2,    // created with its check mark
  kMenuSeparator = 0x4,  // a separator line (no id, no caption)
};

struct AcUiMenuItemTemplate {
  const wchar_t* popup;    // the popup's caption, "&" marking its mnemonic
  UINT id;                 // the command sent to the dialog (WM_COMMAND, code 0)
  const wchar_t* caption;  // the item's caption
  unsigned style;
};

struct AcUiDialogMenuTemplate {
  UINT id;        // the menu's own resource id
  UINT dialogId;  // the dialog template that shows it
  const AcUiMenuItemTemplate* items;
  size_t itemCount;
};

struct AcUiStringEntry {
  UINT id;
  const wchar_t* text;
};

// Registers (or, called again for the same module, extends) a module's tables. The tables are
// not copied: they must outlive the registration (static data of the module).
void AfxRegisterDialogTemplates(HINSTANCE module, const AcUiDialogTemplate* table, size_t count);
void AfxRegisterStringTable(HINSTANCE module, const AcUiStringEntry* table, size_t count);
void AfxRegisterDialogMenus(HINSTANCE module, const AcUiDialogMenuTemplate* table, size_t count);
// Drops a module's tables (the module is being unloaded).
void AfxUnregisterResources(HINSTANCE module);

// The template of id: in the current resource handle first, then in every registered table in
// the order of registration; null when none has it.
const AcUiDialogTemplate* AfxFindDialogTemplate(UINT id);
// The menu bar of the dialog template dialogId, found the same way; null when it has none.
const AcUiDialogMenuTemplate* AfxFindDialogMenu(UINT dialogId);
// The string of id, found the same way; null when none has it.
const wchar_t* AfxFindResourceString(UINT id);
