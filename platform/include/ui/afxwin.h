// The dialog framework's core: windows, message maps, dialogs, data exchange, the standard
// controls and message boxes. Windows are objects of the platform (HWND points to one); the CWnd
// classes are thin views on them, as in the framework, so that GetDlgItem and an attached member
// see the same state. Dialogs run through a driver that reads actions from the editor's input.
#pragma once
#include <memory>
#include <string>

#include "os/windef.h"
#include "rx/rxwintypes.h"
#include "ui/afxstr.h"
#include "ui/dlgtemplate.h"

// Guarded so that another header of the platform may supply the same definitions.
#ifndef CADPLATFORM_HWND_DEFINED
#define CADPLATFORM_HWND_DEFINED
struct HWND__;
typedef HWND__* HWND;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef DWORD COLORREF;
#endif
typedef void* HICON;
typedef void* HCURSOR;
typedef void* HMENU;
typedef void* HFONT;
struct __POSITION {};
typedef __POSITION* POSITION;
typedef int* LPINT;

#define RGB(r, g, b) \
  ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) (LOBYTE(rgb))
#define GetGValue(rgb) (LOBYTE(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) (LOBYTE((rgb) >> 16))

#ifndef CADPLATFORM_RECT_DEFINED
#define CADPLATFORM_RECT_DEFINED
struct POINT {
  LONG x;
  LONG y;
};
struct SIZE {
  LONG cx;
  LONG cy;
};
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
#endif
typedef POINT* LPPOINT;
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

class CPoint : public POINT {
 public:
  CPoint() : POINT{0, 0} {}
  CPoint(int x0, int y0) : POINT{x0, y0} {}
};
class CSize : public SIZE {
 public:
  CSize() : SIZE{0, 0} {}
  CSize(int cx0, int cy0) : SIZE{cx0, cy0} {}
};
class CRect : public RECT {
 public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& r) : RECT(r) {}
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
  BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
  void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
  void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
  void DeflateRect(int dx, int dy) { left += dx, right -= dx, top += dy, bottom -= dy; }
  void InflateRect(int dx, int dy) { DeflateRect(-dx, -dy); }
  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }
};

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};
typedef MSG* LPMSG;

// The header of every WM_NOTIFY message.
struct NMHDR {
  HWND hwndFrom;
  UINT_PTR idFrom;
  UINT code;
};
typedef NMHDR* LPNMHDR;

// Dialog results and message-box answers.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#define IDCLOSE 8
#define IDHELP 9
#define IDC_STATIC (-1)

#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_ABORTRETRYIGNORE 0x00000002u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_RETRYCANCEL 0x00000005u
#define MB_ICONHAND 0x00000010u
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONEXCLAMATION 0x00000030u
#define MB_ICONASTERISK 0x00000040u
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000u
#define MB_DEFBUTTON2 0x00000100u
#define MB_DEFBUTTON3 0x00000200u
#define MB_APPLMODAL 0x00000000u
#define MB_SYSTEMMODAL 0x00001000u
#define MB_TASKMODAL 0x00002000u
#define MB_SETFOREGROUND 0x00010000u
#define MB_TOPMOST 0x00040000u
#define MB_TYPEMASK 0x0000000Fu
#define MB_ICONMASK 0x000000F0u
#define MB_DEFMASK 0x00000F00u

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWNA 8
#define SW_RESTORE 9

#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_INDETERMINATE 0x0002

// Notification codes sent with WM_COMMAND.
#define BN_CLICKED 0
#define BN_DOUBLECLICKED 5
#define BN_SETFOCUS 6
#define BN_KILLFOCUS 7
#define EN_SETFOCUS 0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
#define CBN_SELCHANGE 1
#define CBN_DBLCLK 2
#define CBN_SETFOCUS 3
#define CBN_KILLFOCUS 4
#define CBN_EDITCHANGE 5
#define CBN_EDITUPDATE 6
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8
#define CBN_SELENDOK 9
#define CBN_SELENDCANCEL 10
#define LBN_SELCHANGE 1
#define LBN_DBLCLK 2
#define LBN_SELCANCEL 3
#define LBN_SETFOCUS 4
#define LBN_KILLFOCUS 5
#define STN_CLICKED 0
#define STN_DBLCLK 1

#define CB_ERR (-1)
#define CB_ERRSPACE (-2)
#define LB_ERR (-1)
#define LB_ERRSPACE (-2)

#define WM_NULL 0x0000
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_SHOWWINDOW 0x0018
#define WM_NOTIFY 0x004E
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_USER 0x0400
#define WM_APP 0x8000

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define PM_NOYIELD 0x0002

// Window style bits the module may read or change (ModifyStyle).
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_TABSTOP 0x00010000L
#define WS_GROUP 0x00020000L
#define ES_MULTILINE 0x0004L
#define ES_PASSWORD 0x0020L
#define ES_READONLY 0x0800L
#define ES_NUMBER 0x2000L

#define EM_SETREADONLY 0x00CF
#define EM_LIMITTEXT 0x00C5
#define EM_SETSEL 0x00B1
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1

class CWnd;
class CDataExchange;

// Declarations the framework's code generators write; here they add nothing.
#define afx_msg
#define DECLARE_DYNAMIC(className)
#define IMPLEMENT_DYNAMIC(className, baseClassName)
#define DECLARE_DYNCREATE(className)
#define IMPLEMENT_DYNCREATE(className, baseClassName)
#define AFX_MANAGE_STATE(state) ((void)(state))
inline void* AfxGetStaticModuleState() { return nullptr; }
#ifndef ASSERT
#define ASSERT(f) ((void)0)
#endif
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)0)
#define TRACE(...) ((void)0)

// ---------------------------------------------------------------------------------------------
// Objects and exceptions. Framework exceptions are thrown as pointers and freed with Delete().

class CObject {
 public:
  virtual ~CObject() = default;
};

class CException : public CObject {
 public:
  explicit CException(BOOL autoDelete = TRUE) : autoDelete_(autoDelete) {}
  // The text shown to the user; FALSE when there is none.
  virtual BOOL GetErrorMessage(LPTSTR error, UINT maxError, UINT* helpContext = nullptr) const;
  // Shows GetErrorMessage in a message box; returns the box's answer.
  virtual int ReportError(UINT type = MB_OK, UINT messageId = 0) const;
  void Delete();

 protected:
  virtual CString message() const { return CString(); }

 private:
  BOOL autoDelete_;
};

// Raised by DDX/DDV after the user was told what is wrong: UpdateData returns FALSE.
class CUserException : public CException {};

class CInvalidArgException : public CException {
 protected:
  CString message() const override;
};

class CMemoryException : public CException {
 protected:
  CString message() const override;
};

[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowMemoryException();

#define TRY try
#define CATCH(cls, e) catch (cls * e)
#define AND_CATCH(cls, e) catch (cls * e)
#define END_CATCH
#define CATCH_ALL(e) catch (CException * e)
#define AND_CATCH_ALL(e) catch (CException * e)
#define END_CATCH_ALL
#define THROW(e) throw e
#define THROW_LAST() throw

// ---------------------------------------------------------------------------------------------
// Message maps. Each entry holds a handler cast to a common member type and a signature tag that
// says how to call it back.

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

enum AfxSig : UINT_PTR {
  AfxSig_end = 0,
  AfxSig_vv,        // void f()
  AfxSig_vw,        // void f(UINT id)            ON_COMMAND_RANGE, ON_CONTROL_RANGE
  AfxSig_vNMHDRpl,  // void f(NMHDR*, LRESULT*)   ON_NOTIFY
  AfxSig_lwl,       // LRESULT f(WPARAM, LPARAM)  ON_MESSAGE
};

union AfxMsgHandler {
  AFX_PMSG pfn;
  void (CCmdTarget::*pfnId)(UINT);
  void (CCmdTarget::*pfnNotify)(NMHDR*, LRESULT*);
  LRESULT (CCmdTarget::*pfnMessage)(WPARAM, LPARAM);
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // WM_COMMAND, WM_NOTIFY or a window message
  UINT nCode;     // notification code
  UINT nID;       // control id (first of a range)
  UINT nLastID;   // last of a range, else nID
  UINT_PTR nSig;  // AfxSig
  AfxMsgHandler handler;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                      \
 protected:                                        \
  static const AFX_MSGMAP* GetThisMessageMap();    \
  virtual const AFX_MSGMAP* GetMessageMap() const; \
                                                   \
 public:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass [[maybe_unused]] = baseClass;                                \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                       \
  {                                                                                             \
    0, 0, 0, 0, AfxSig_end, { nullptr }                                                         \
  }                                                                                             \
  }                                                                                             \
  ;                                                                                             \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                           \
  }

#define AFX_MSG_VV(fn) \
  { .pfn = static_cast<AFX_PMSG>(fn) }

#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, 0, (UINT)(id), (UINT)(id), AfxSig_vv, AFX_MSG_VV(memberFxn)},
#define ON_CONTROL(code, id, memberFxn) \
  {WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), AfxSig_vv, AFX_MSG_VV(memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
  {WM_COMMAND,     0,         (UINT)(id),       \
   (UINT)(idLast), AfxSig_vw, {.pfnId = static_cast<void (CCmdTarget::*)(UINT)>(memberFxn)}},
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn) \
  {WM_COMMAND,     (UINT)(code), (UINT)(id),          \
   (UINT)(idLast), AfxSig_vw,    {.pfnId = static_cast<void (CCmdTarget::*)(UINT)>(memberFxn)}},
#define ON_NOTIFY(code, id, memberFxn) \
  {                                    \
      WM_NOTIFY,                       \
      (UINT)(code),                    \
      (UINT)(id),                      \
      (UINT)(id),                      \
      AfxSig_vNMHDRpl,                 \
      {.pfnNotify = static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(memberFxn)}},
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn) \
  {                                                  \
      WM_NOTIFY,                                     \
      (UINT)(code),                                  \
      (UINT)(id),                                    \
      (UINT)(idLast),                                \
      AfxSig_vNMHDRpl,                               \
      {.pfnNotify = static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(memberFxn)}},
#define ON_MESSAGE(message, memberFxn) \
  {(UINT)(message),                    \
   0,                                  \
   0,                                  \
   0,                                  \
   AfxSig_lwl,                         \
   {.pfnMessage = static_cast<LRESULT (CCmdTarget::*)(WPARAM, LPARAM)>(memberFxn)}},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
// Window messages without arguments: the handler is the framework's usual name.
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, AfxSig_vv, AFX_MSG_VV(&ThisClass::OnPaint)},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, AfxSig_vv, AFX_MSG_VV(&ThisClass::OnDestroy)},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, AfxSig_vv, AFX_MSG_VV(&ThisClass::OnClose)},

class CCmdTarget : public CObject {
 public:
  void BeginWaitCursor() {}
  void EndWaitCursor() {}
  void RestoreWaitCursor() {}
  // Finds the handler of (nCode, nID) for WM_COMMAND in this object's map and its bases, and
  // calls it. FALSE when none handles it.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
  // The first entry for (message, code, id) in the map chain; null when none.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;
  // Calls the entry's handler with the arguments its signature takes.
  LRESULT CallMessageEntry(const AFX_MSGMAP_ENTRY* entry, UINT id, WPARAM wParam, LPARAM lParam);
};

// ---------------------------------------------------------------------------------------------
// Menus: a dialog's menu bar (from its template's menu) and its popups. Items are found by
// command id (MF_BYCOMMAND) or position (MF_BYPOSITION); a greyed item sends no command.

#define MF_BYCOMMAND 0x0000
#define MF_BYPOSITION 0x0400
#define MF_ENABLED 0x0000
#define MF_GRAYED 0x0001
#define MF_DISABLED 0x0002
#define MF_UNCHECKED 0x0000
#define MF_CHECKED 0x0008
#define MF_POPUP 0x0010
#define MF_SEPARATOR 0x0800

class CMenu {
 public:
  CMenu() = default;
  CMenu(HWND window, int popup) : window_(window), popup_(popup) {}
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  HMENU m_hMenu = nullptr;

  // The bar counts its popups, a popup its items.
  int GetMenuItemCount() const;
  // A popup's command id at a position; 0 for a separator, (UINT)-1 for a popup of the bar.
  UINT GetMenuItemID(int position) const;
  // The popup at that position of the bar (kept by the window); null from a popup or out of range.
  CMenu* GetSubMenu(int position) const;
  // The previous state (MF_ENABLED, MF_GRAYED | MF_DISABLED), or (UINT)-1 for no such item.
  UINT EnableMenuItem(UINT item, UINT flags);
  // The previous check state (MF_CHECKED or MF_UNCHECKED), or (UINT)-1 for no such item.
  UINT CheckMenuItem(UINT item, UINT flags);
  // MF_GRAYED, MF_CHECKED, MF_SEPARATOR, MF_POPUP bits; (UINT)-1 for no such item.
  UINT GetMenuState(UINT item, UINT flags) const;
  int GetMenuString(UINT item, CString& text, UINT flags) const;

 private:
  // The window's item of a command id or of a position in this menu; -1 when none.
  int itemIndex(UINT item, UINT flags) const;

  HWND window_ = nullptr;
  int popup_ = -1;  // -1: the menu bar
};

// ---------------------------------------------------------------------------------------------
// Windows.

class CWnd : public CCmdTarget {
 public:
  CWnd();
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd;

  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }
  // The object attached to a window, or a temporary one kept by the window (of the class that
  // matches the control's kind, so that casting it to CEdit*, CComboBox*... is right).
  static CWnd* FromHandle(HWND hWnd);
  static CWnd* FromHandlePermanent(HWND hWnd);
  BOOL Attach(HWND hWnd);
  HWND Detach();
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow() { return Detach(); }
  virtual BOOL DestroyWindow();

  CWnd* GetDlgItem(int id) const;
  void GetDlgItem(int id, HWND* out) const;
  int GetDlgCtrlID() const;
  CWnd* GetParent() const;
  CWnd* GetOwner() const { return GetParent(); }
  // The window that owns dialogs opened from parent: parent itself when given, else the host's
  // main window.
  static CWnd* GetSafeOwner(CWnd* parent = nullptr, HWND* topLevel = nullptr);
  CWnd* GetTopLevelParent() const;

  void SetWindowText(LPCTSTR text);
  int GetWindowText(LPTSTR buffer, int maxCount) const;
  void GetWindowText(CString& text) const;
  int GetWindowTextLength() const;
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int showCommand);
  BOOL IsWindowVisible() const;
  BOOL IsWindow() const;
  // The menu bar of a dialog whose template has one; null otherwise.
  CMenu* GetMenu() const;
  void DrawMenuBar() {}

  void SetDlgItemText(int id, LPCTSTR text);
  int GetDlgItemText(int id, CString& text) const;
  int GetDlgItemText(int id, LPTSTR buffer, int maxCount) const;
  void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
  UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;
  void CheckRadioButton(int firstId, int lastId, int checkId);
  // The id of the checked radio button between firstId and lastId; 0 when none is.
  int GetCheckedRadioButton(int firstId, int lastId) const;

  // Pixels from dialog units: x * 6 / 4 and y * 13 / 8 (the default dialog font's base units).
  void GetClientRect(LPRECT rect) const;
  void GetWindowRect(LPRECT rect) const;
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
  void ScreenToClient(LPRECT) const {}
  void ClientToScreen(LPRECT) const {}
  void ScreenToClient(LPPOINT) const {}
  void ClientToScreen(LPPOINT) const {}
  void CenterWindow(CWnd* = nullptr) {}
  void Invalidate(BOOL = TRUE) {}
  void UpdateWindow() {}
  void SetRedraw(BOOL = TRUE) {}
  void SetFont(void*, BOOL = TRUE) {}
  HICON SetIcon(HICON icon, BOOL) { return icon; }
  void BringWindowToTop() {}
  CWnd* SetActiveWindow() { return this; }

  DWORD GetStyle() const;
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);

  // Moves the focus here; the control that had it is told first (EN_KILLFOCUS...).
  CWnd* SetFocus();
  static CWnd* GetFocus();

  int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* pDX);
  BOOL IsDialogMessage(LPMSG msg);
  virtual BOOL PreTranslateMessage(MSG* msg);

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual void PostNcDestroy() {}
  void OnPaint() {}
  void OnDestroy() {}
  void OnClose();

  DECLARE_MESSAGE_MAP()
};

class CDialog : public CWnd {
 public:
  CDialog();
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // Runs the dialog through the driver until EndDialog; IDOK, IDCANCEL or EndDialog's value, -1
  // when the template is missing.
  virtual INT_PTR DoModal();
  // A modeless dialog: created, initialised and shown (printed) at once; actions reach it through
  // the message pump.
  virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
  BOOL DestroyWindow() override;
  void EndDialog(int result);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  void GotoDlgCtrl(CWnd* control);
  void NextDlgCtrl() const {}
  void PrevDlgCtrl() const {}
  void SetDefID(UINT id);
  DWORD GetDefID() const;
  void MapDialogRect(LPRECT rect) const;

  UINT m_nIDHelp;
  LPCTSTR m_lpszTemplateName;
  CWnd* m_pParentWnd;

 protected:
  UINT templateId_;

  DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------------------------
// Data exchange and validation.

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate);
  // Remembers the control the next DDV checks; gives its window.
  HWND PrepareCtrl(int id);
  HWND PrepareEditCtrl(int id);
  // Puts the focus back on the last control prepared and throws CUserException.
  [[noreturn]] void Fail();

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  HWND m_hWndLastControl;
  BOOL m_bEditLastControl;
  int m_idLastControl;
};

void DDX_Text(CDataExchange* pDX, int id, CString& value);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, UINT& value);
void DDX_Text(CDataExchange* pDX, int id, long& value);
void DDX_Text(CDataExchange* pDX, int id, short& value);
void DDX_Text(CDataExchange* pDX, int id, double& value);
void DDX_Text(CDataExchange* pDX, int id, float& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
// value is the index of the checked button in the group that starts at id; -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
void DDX_CBString(CDataExchange* pDX, int id, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int id, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int id, int& index);
void DDX_LBString(CDataExchange* pDX, int id, CString& value);
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minValue, UINT maxValue);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minValue, long maxValue);
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minValue, double maxValue);
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minValue, float maxValue);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);

// ---------------------------------------------------------------------------------------------
// Standard controls. No data members: the state lives in the window.

class CStatic : public CWnd {
 public:
  HICON SetIcon(HICON icon) { return icon; }
};

// Device contexts: nothing is drawn, but paint handlers written for the framework compile and run.
class CDC {
 public:
  virtual ~CDC() = default;
  void FillSolidRect(LPCRECT, COLORREF) {}
  int SetBkMode(int mode) { return mode; }
  COLORREF SetTextColor(COLORREF color) { return color; }
  BOOL TextOut(int, int, LPCTSTR, int) { return TRUE; }
};
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd) { (void)wnd; }
};
class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd) { (void)wnd; }
};

class CButton : public CWnd {
 public:
  int GetCheck() const;
  void SetCheck(int check);
  UINT GetState() const;
  void SetState(BOOL highlight) const { (void)highlight; }
};

class CEdit : public CWnd {
 public:
  BOOL SetReadOnly(BOOL readOnly = TRUE);
  void SetLimitText(UINT maxChars);
  void LimitText(int maxChars = 0) { SetLimitText(static_cast<UINT>(maxChars)); }
  UINT GetLimitText() const;
  void SetSel(int start, int end, BOOL noScroll = FALSE);
  void GetSel(int& start, int& end) const;
  void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
  int GetLineCount() const;
};

class CComboBox : public CWnd {
 public:
  int AddString(LPCTSTR text);
  int InsertString(int index, LPCTSTR text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetCount() const;
  int SetCurSel(int index);
  int GetCurSel() const;
  int GetLBText(int index, LPTSTR buffer) const;
  void GetLBText(int index, CString& text) const;
  int GetLBTextLen(int index) const;
  // Selects the first item starting with text (any case) at or after start + 1; CB_ERR if none.
  int SelectString(int startAfter, LPCTSTR text);
  int FindString(int startAfter, LPCTSTR text) const;
  int FindStringExact(int startAfter, LPCTSTR text) const;
  int SetItemData(int index, DWORD_PTR data);
  DWORD_PTR GetItemData(int index) const;
  int SetItemDataPtr(int index, void* data) {
    return SetItemData(index, reinterpret_cast<DWORD_PTR>(data));
  }
  void* GetItemDataPtr(int index) const { return reinterpret_cast<void*>(GetItemData(index)); }
  void ShowDropDown(BOOL = TRUE) {}
  BOOL LimitText(int maxChars);
  int SetDroppedWidth(UINT width) { return static_cast<int>(width); }
};

class CListBox : public CWnd {
 public:
  int AddString(LPCTSTR text);
  int InsertString(int index, LPCTSTR text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetCount() const;
  int SetCurSel(int index);
  int GetCurSel() const;
  int GetText(int index, LPTSTR buffer) const;
  void GetText(int index, CString& text) const;
  int GetTextLen(int index) const;
  int FindString(int startAfter, LPCTSTR text) const;
  int FindStringExact(int startAfter, LPCTSTR text) const;
  int SelectString(int startAfter, LPCTSTR text);
  int SetItemData(int index, DWORD_PTR data);
  DWORD_PTR GetItemData(int index) const;
  int SetSel(int index, BOOL select = TRUE);
  int GetSel(int index) const;
  int GetSelCount() const;
  int GetSelItems(int maxItems, LPINT items) const;
};

// The hourglass while a long operation runs: nothing to show on a text driver.
class CWaitCursor {
 public:
  CWaitCursor() = default;
  void Restore() {}
};

// ---------------------------------------------------------------------------------------------
// The application: the host's main window and resources.

class CWinApp : public CCmdTarget {
 public:
  CWinApp();
  // Takes one pending message (a script action for an open modeless dialog) and dispatches it;
  // FALSE when there was none.
  virtual BOOL PumpMessage();
  LPCTSTR m_pszAppName;
  CWnd* m_pMainWnd;
};

CWinApp* AfxGetApp();
// The host's main window (always there, enabled unless a dialog disabled it).
CWnd* AfxGetMainWnd();
HWND adsw_acadMainWnd();
// The current resource handle: the document manager's top one when set, else the one set here.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE handle);
HINSTANCE AfxGetInstanceHandle();

// ---------------------------------------------------------------------------------------------
// Message boxes, printed to the transcript and answered from the input: "ok", "oui"/"yes",
// "non"/"no", "annuler"/"cancel", the French caption of a button (any case), or an empty line for
// the default button. The end of the input answers as Escape does.

int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// The text is the string resource of id.
int AfxMessageBox(UINT id, UINT type = MB_OK, UINT helpId = (UINT)-1);
int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);
inline int MessageBoxW(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type) {
  return MessageBox(owner, text, caption, type);
}
BOOL MessageBeep(UINT type);

// ---------------------------------------------------------------------------------------------
// Window functions of the system.

BOOL IsWindow(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL enable);
BOOL IsWindowEnabled(HWND hWnd);
BOOL ShowWindow(HWND hWnd, int showCommand);
BOOL IsWindowVisible(HWND hWnd);
BOOL DestroyWindow(HWND hWnd);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hWnd);
HWND GetParent(HWND hWnd);
HWND SetFocus(HWND hWnd);
HWND GetFocus();
BOOL SetWindowText(HWND hWnd, LPCTSTR text);
int GetWindowText(HWND hWnd, LPTSTR buffer, int maxCount);
int GetWindowTextLength(HWND hWnd);
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The message pump of modeless dialogs. A script line addressed to an open modeless dialog (see
// the driver's notes) becomes a message for it; posted messages come first.
BOOL PeekMessage(LPMSG msg, HWND hWnd, UINT filterMin, UINT filterMax, UINT removeFlags);
BOOL GetMessage(LPMSG msg, HWND hWnd, UINT filterMin, UINT filterMax);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
BOOL IsDialogMessage(HWND dialog, LPMSG msg);
void PostQuitMessage(int exitCode);
