// CWnd: the framework's window object over the platform's windows.
#include <cwchar>
#include <cwctype>

#include "ui/afxwin.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace ui {

std::wstring controlText(HWND control) {
  if (!isLiveWindow(control)) return L"";
  if (control->kind == AcUiControlKind::kComboDropList && !control->isDialog) {
    if (control->curSel >= 0 && control->curSel < static_cast<int>(control->items.size())) {
      return control->items[static_cast<size_t>(control->curSel)];
    }
    return L"";
  }
  return control->text;
}

std::wstring dialogTitle(HWND dialog) {
  if (!isLiveWindow(dialog) || dialog->text.empty()) return L"sans titre";
  return L"« " + dialog->text + L" »";
}

void setControlText(HWND control, const std::wstring& text) {
  if (!isLiveWindow(control)) return;
  if (control->kind == AcUiControlKind::kComboDropList && !control->isDialog) return;
  bool changed = control->text != text;
  control->text = text;
  if (control->isDialog || !changed) return;
  HWND dialog = control->parent;
  if (!dialog || !dialog->initialized) return;
  if (isEditKind(control->kind)) {
    notifyCommand(control, EN_CHANGE);
  } else if (control->kind == AcUiControlKind::kComboDropDown ||
             control->kind == AcUiControlKind::kMruCombo) {
    notifyCommand(control, CBN_EDITCHANGE);
  }
}

}  // namespace ui

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr) {}

CWnd::~CWnd() {
  if (ui::isLiveWindow(m_hWnd) && m_hWnd->permanent == this) m_hWnd->permanent = nullptr;
}

BOOL CWnd::Attach(HWND hWnd) {
  if (!ui::isLiveWindow(hWnd)) return FALSE;
  m_hWnd = hWnd;
  hWnd->permanent = this;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (ui::isLiveWindow(hWnd) && hWnd->permanent == this) hWnd->permanent = nullptr;
  m_hWnd = nullptr;
  return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) { return Attach(hWnd); }

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (!parent) return FALSE;
  return Attach(ui::findChild(parent->m_hWnd, static_cast<int>(id)));
}

BOOL CWnd::DestroyWindow() {
  if (!ui::isLiveWindow(m_hWnd)) return FALSE;
  HWND hWnd = m_hWnd;
  if (!hWnd->isDialog || hWnd->parent) return FALSE;
  SendMessage(WM_DESTROY);
  ui::destroyWindow(hWnd);
  m_hWnd = nullptr;
  PostNcDestroy();
  return TRUE;
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(ui::findChild(m_hWnd, id)); }

void CWnd::GetDlgItem(int id, HWND* out) const {
  if (out) *out = ui::findChild(m_hWnd, id);
}

int CWnd::GetDlgCtrlID() const { return ui::isLiveWindow(m_hWnd) ? m_hWnd->id : 0; }

CWnd* CWnd::GetParent() const {
  if (!ui::isLiveWindow(m_hWnd)) return nullptr;
  // A dialog's parent is the window that owns it, as for the system's owned windows.
  HWND parent = m_hWnd->isDialog ? m_hWnd->owner : m_hWnd->parent;
  return parent && ::IsWindow(parent) ? FromHandle(parent) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
  if (!ui::isLiveWindow(m_hWnd)) return nullptr;
  return FromHandle(ui::dialogOf(m_hWnd));
}

CWnd* CWnd::GetSafeOwner(CWnd* parent, HWND* topLevel) {
  CWnd* owner = parent && parent->m_hWnd ? parent : AfxGetMainWnd();
  if (topLevel) *topLevel = owner->m_hWnd;
  return owner;
}

void CWnd::SetWindowText(LPCTSTR text) {
  if (m_hWnd == ui::mainWindow()) return;
  ui::setControlText(m_hWnd, text ? text : L"");
}

int CWnd::GetWindowText(LPTSTR buffer, int maxCount) const {
  if (!buffer || maxCount <= 0) return 0;
  std::wstring text = ui::controlText(m_hWnd);
  int n = std::min(static_cast<int>(text.size()), maxCount - 1);
  std::wmemcpy(buffer, text.c_str(), static_cast<size_t>(n));
  buffer[n] = L'\0';
  return n;
}

void CWnd::GetWindowText(CString& text) const { text = ui::controlText(m_hWnd).c_str(); }

int CWnd::GetWindowTextLength() const { return static_cast<int>(ui::controlText(m_hWnd).size()); }

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::ShowWindow(int showCommand) { return ::ShowWindow(m_hWnd, showCommand); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsWindow() const { return ::IsWindow(m_hWnd); }

void CWnd::SetDlgItemText(int id, LPCTSTR text) {
  ui::setControlText(ui::findChild(m_hWnd, id), text ? text : L"");
}

int CWnd::GetDlgItemText(int id, CString& text) const {
  text = ui::controlText(ui::findChild(m_hWnd, id)).c_str();
  return text.GetLength();
}

int CWnd::GetDlgItemText(int id, LPTSTR buffer, int maxCount) const {
  return ::GetWindowText(ui::findChild(m_hWnd, id), buffer, maxCount);
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
  wchar_t text[32];
  if (isSigned) {
    std::swprintf(text, 32, L"%d", static_cast<int>(value));
  } else {
    std::swprintf(text, 32, L"%u", value);
  }
  SetDlgItemText(id, text);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
  std::wstring text = ui::controlText(ui::findChild(m_hWnd, id));
  size_t i = 0;
  while (i < text.size() && std::iswspace(text[i])) ++i;
  bool negative = false;
  if (isSigned && i < text.size() && text[i] == L'-') {
    negative = true;
    ++i;
  }
  size_t first = i;
  long long value = 0;
  while (i < text.size() && std::iswdigit(text[i]) && value <= 0xFFFFFFFFLL) {
    value = value * 10 + (text[i] - L'0');
    ++i;
  }
  while (i < text.size() && std::iswspace(text[i])) ++i;
  bool ok = i > first && i == text.size() &&
            (isSigned ? value <= (negative ? 2147483648LL : 2147483647LL) : value <= 0xFFFFFFFFLL);
  if (translated) *translated = ok;
  if (!ok) return 0;
  return static_cast<UINT>(negative ? -value : value);
}

void CWnd::CheckDlgButton(int id, UINT check) {
  HWND button = ui::findChild(m_hWnd, id);
  if (button) button->check = static_cast<int>(check);
}

UINT CWnd::IsDlgButtonChecked(int id) const {
  HWND button = ui::findChild(m_hWnd, id);
  return button ? static_cast<UINT>(button->check) : 0;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
  if (!ui::isLiveWindow(m_hWnd)) return;
  for (auto& child : m_hWnd->children) {
    if (child->id >= firstId && child->id <= lastId) {
      child->check = child->id == checkId ? BST_CHECKED : BST_UNCHECKED;
    }
  }
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const {
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  for (auto& child : m_hWnd->children) {
    if (child->id >= firstId && child->id <= lastId && child->check == BST_CHECKED) {
      return child->id;
    }
  }
  return 0;
}

void CWnd::GetClientRect(LPRECT rect) const {
  if (!rect) return;
  *rect = RECT{0, 0, 0, 0};
  if (!ui::isLiveWindow(m_hWnd) && m_hWnd != ui::mainWindow()) return;
  rect->right = ui::dluToPixelsX(m_hWnd->rect.right - m_hWnd->rect.left);
  rect->bottom = ui::dluToPixelsY(m_hWnd->rect.bottom - m_hWnd->rect.top);
}

void CWnd::GetWindowRect(LPRECT rect) const {
  if (!rect) return;
  *rect = RECT{0, 0, 0, 0};
  if (!ui::isLiveWindow(m_hWnd) && m_hWnd != ui::mainWindow()) return;
  rect->left = ui::dluToPixelsX(m_hWnd->rect.left);
  rect->top = ui::dluToPixelsY(m_hWnd->rect.top);
  rect->right = ui::dluToPixelsX(m_hWnd->rect.right);
  rect->bottom = ui::dluToPixelsY(m_hWnd->rect.bottom);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  (void)repaint;
  if (!ui::isLiveWindow(m_hWnd)) return;
  // Pixels back to dialog units, so that GetWindowRect gives about what was set.
  m_hWnd->rect = RECT{x * 4 / 6, y * 8 / 13, (x + width) * 4 / 6, (y + height) * 8 / 13};
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  if (rect)
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

DWORD CWnd::GetStyle() const {
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  DWORD style = 0;
  if (m_hWnd->visible) style |= WS_VISIBLE;
  if (!m_hWnd->enabled) style |= WS_DISABLED;
  if (m_hWnd->style & kCtlGroup) style |= WS_GROUP;
  if (ui::isEditKind(m_hWnd->kind) && !m_hWnd->isDialog) {
    if (m_hWnd->style & kCtlReadOnly) style |= ES_READONLY;
    if (m_hWnd->style & kCtlMultiline) style |= ES_MULTILINE;
    if (m_hWnd->style & kCtlPassword) style |= ES_PASSWORD;
    if (m_hWnd->style & kCtlNumber) style |= ES_NUMBER;
  }
  return style;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
  (void)flags;
  if (!ui::isLiveWindow(m_hWnd)) return FALSE;
  if (remove & WS_VISIBLE) m_hWnd->visible = false;
  if (add & WS_VISIBLE) m_hWnd->visible = true;
  if (remove & WS_DISABLED) m_hWnd->enabled = true;
  if (add & WS_DISABLED) m_hWnd->enabled = false;
  if (remove & ES_READONLY) m_hWnd->style &= ~static_cast<unsigned>(kCtlReadOnly);
  if (add & ES_READONLY) m_hWnd->style |= kCtlReadOnly;
  return TRUE;
}

CWnd* CWnd::SetFocus() {
  CWnd* previous = GetFocus();
  ui::setFocus(m_hWnd);
  return previous;
}

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
  return ::MessageBox(m_hWnd, text, caption, type);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // What a handler throws stops at the window, as in the framework's window procedure: a
  // framework exception is reported to the user, anything else is told in one line.
  try {
    return WindowProc(message, wParam, lParam);
  } catch (CUserException* e) {
    e->Delete();
  } catch (CException* e) {
    e->ReportError(MB_ICONEXCLAMATION);
    e->Delete();
  } catch (const std::exception& e) {
    ui::reportInternalError(e.what());
  }
  return 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return static_cast<BOOL>(::SendMessage(ui::findChild(m_hWnd, id), message, wParam, lParam));
}

void CWnd::DoDataExchange(CDataExchange* pDX) { (void)pDX; }

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
    return TRUE;
  } catch (CUserException* e) {
    e->Delete();
  } catch (CException* e) {
    e->ReportError(MB_ICONEXCLAMATION);
    e->Delete();
  }
  return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG* msg) { return IsDialogMessage(msg); }

BOOL CWnd::IsDialogMessage(LPMSG msg) { return ::IsDialogMessage(m_hWnd, msg); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) return OnCommand(wParam, lParam);
  if (message == WM_NOTIFY) {
    LRESULT result = 0;
    if (OnNotify(wParam, lParam, &result)) return result;
    return 0;
  }
  if (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0)) {
    return CallMessageEntry(entry, 0, wParam, lParam);
  }
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  switch (message) {
    case EM_SETREADONLY:
      if (wParam) {
        m_hWnd->style |= kCtlReadOnly;
      } else {
        m_hWnd->style &= ~static_cast<unsigned>(kCtlReadOnly);
      }
      return 1;
    case EM_LIMITTEXT:
      m_hWnd->limitText = static_cast<int>(wParam);
      return 0;
    case BM_GETCHECK:
      return m_hWnd->check;
    case BM_SETCHECK:
      m_hWnd->check = static_cast<int>(wParam);
      return 0;
    case WM_CLOSE:
      if (m_hWnd->isDialog) return OnCommand(MAKELONG(IDCANCEL, BN_CLICKED), 0);
      return 0;
    default:
      return 0;
  }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  UINT id = LOWORD(wParam);
  int code = HIWORD(wParam);
  return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  (void)wParam;
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header) return FALSE;
  const AFX_MSGMAP_ENTRY* entry =
      FindMessageEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
  if (!entry) return FALSE;
  LRESULT r = CallMessageEntry(entry, static_cast<UINT>(header->idFrom), wParam, lParam);
  if (result) *result = r;
  return TRUE;
}

void CWnd::OnClose() { DefWindowProc(WM_CLOSE, 0, 0); }
