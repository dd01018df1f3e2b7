// The standard controls: buttons, edits, combo boxes and list boxes.
#include <algorithm>
#include <cwchar>

#include "ui/list_items.h"
#include "ui/window.h"

namespace {

int copyText(const std::wstring& text, LPTSTR buffer) {
  if (buffer) std::wcscpy(buffer, text.c_str());
  return static_cast<int>(text.size());
}

bool validIndex(HWND w, int index) {
  return ui::isLiveWindow(w) && index >= 0 && index < static_cast<int>(w->items.size());
}

}  // namespace

int CButton::GetCheck() const { return ui::isLiveWindow(m_hWnd) ? m_hWnd->check : 0; }

void CButton::SetCheck(int check) {
  if (!ui::isLiveWindow(m_hWnd)) return;
  m_hWnd->check = check;
}

UINT CButton::GetState() const { return static_cast<UINT>(GetCheck()); }

BOOL CEdit::SetReadOnly(BOOL readOnly) {
  return static_cast<BOOL>(DefWindowProc(EM_SETREADONLY, static_cast<WPARAM>(readOnly), 0));
}

void CEdit::SetLimitText(UINT maxChars) {
  if (ui::isLiveWindow(m_hWnd)) m_hWnd->limitText = static_cast<int>(maxChars);
}

UINT CEdit::GetLimitText() const {
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  return m_hWnd->limitText > 0 ? static_cast<UINT>(m_hWnd->limitText) : 30000u;
}

void CEdit::SetSel(int start, int end, BOOL noScroll) {
  (void)noScroll;
  if (!ui::isLiveWindow(m_hWnd)) return;
  int length = static_cast<int>(m_hWnd->text.size());
  if (start < 0) {
    m_hWnd->selStart = m_hWnd->selEnd = length;
    return;
  }
  if (end < 0 || end > length) end = length;
  m_hWnd->selStart = std::min(start, length);
  m_hWnd->selEnd = end;
}

void CEdit::GetSel(int& start, int& end) const {
  start = ui::isLiveWindow(m_hWnd) ? m_hWnd->selStart : 0;
  end = ui::isLiveWindow(m_hWnd) ? m_hWnd->selEnd : 0;
}

void CEdit::ReplaceSel(LPCTSTR text, BOOL canUndo) {
  (void)canUndo;
  if (!ui::isLiveWindow(m_hWnd)) return;
  std::wstring value = m_hWnd->text;
  size_t length = value.size();
  size_t a = std::min(static_cast<size_t>(std::max(0, std::min(m_hWnd->selStart, m_hWnd->selEnd))),
                      length);
  size_t b = std::min(static_cast<size_t>(std::max(0, std::max(m_hWnd->selStart, m_hWnd->selEnd))),
                      length);
  std::wstring inserted = text ? text : L"";
  value.replace(a, b - a, inserted);
  m_hWnd->selStart = m_hWnd->selEnd = static_cast<int>(a + inserted.size());
  ui::setControlText(m_hWnd, value);
}

int CEdit::GetLineCount() const {
  if (!ui::isLiveWindow(m_hWnd)) return 1;
  int lines = 1;
  for (wchar_t c : m_hWnd->text) lines += c == L'\n';
  return lines;
}

int CComboBox::AddString(LPCTSTR text) { return ui::insertItem(m_hWnd, -1, text ? text : L""); }

int CComboBox::InsertString(int index, LPCTSTR text) {
  if (index < 0) index = static_cast<int>(ui::isLiveWindow(m_hWnd) ? m_hWnd->items.size() : 0);
  int result = ui::insertItem(m_hWnd, index, text ? text : L"");
  return result < 0 ? CB_ERR : result;
}

int CComboBox::DeleteString(UINT index) {
  int remaining = ui::deleteItem(m_hWnd, static_cast<int>(index));
  return remaining < 0 ? CB_ERR : remaining;
}

void CComboBox::ResetContent() { ui::clearItems(m_hWnd); }

int CComboBox::GetCount() const {
  return ui::isLiveWindow(m_hWnd) ? static_cast<int>(m_hWnd->items.size()) : 0;
}

int CComboBox::SetCurSel(int index) { return ui::selectItem(m_hWnd, index) ? index : CB_ERR; }

int CComboBox::GetCurSel() const { return ui::isLiveWindow(m_hWnd) ? m_hWnd->curSel : CB_ERR; }

int CComboBox::GetLBText(int index, LPTSTR buffer) const {
  if (!validIndex(m_hWnd, index)) return CB_ERR;
  return copyText(m_hWnd->items[static_cast<size_t>(index)], buffer);
}

void CComboBox::GetLBText(int index, CString& text) const {
  text.Empty();
  if (validIndex(m_hWnd, index)) text = m_hWnd->items[static_cast<size_t>(index)].c_str();
}

int CComboBox::GetLBTextLen(int index) const {
  return validIndex(m_hWnd, index)
             ? static_cast<int>(m_hWnd->items[static_cast<size_t>(index)].size())
             : CB_ERR;
}

int CComboBox::SelectString(int startAfter, LPCTSTR text) {
  int index = ui::findItem(m_hWnd, startAfter, text ? text : L"", false);
  if (index < 0) return CB_ERR;
  ui::selectItem(m_hWnd, index);
  return index;
}

int CComboBox::FindString(int startAfter, LPCTSTR text) const {
  int index = ui::findItem(m_hWnd, startAfter, text ? text : L"", false);
  return index < 0 ? CB_ERR : index;
}

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const {
  int index = ui::findItem(m_hWnd, startAfter, text ? text : L"", true);
  return index < 0 ? CB_ERR : index;
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
  if (!validIndex(m_hWnd, index)) return CB_ERR;
  m_hWnd->itemData[static_cast<size_t>(index)] = data;
  return 0;
}

DWORD_PTR CComboBox::GetItemData(int index) const {
  if (!validIndex(m_hWnd, index)) return static_cast<DWORD_PTR>(CB_ERR);
  return m_hWnd->itemData[static_cast<size_t>(index)];
}

BOOL CComboBox::LimitText(int maxChars) {
  if (!ui::isLiveWindow(m_hWnd)) return FALSE;
  m_hWnd->limitText = maxChars;
  return TRUE;
}

int CListBox::AddString(LPCTSTR text) { return ui::insertItem(m_hWnd, -1, text ? text : L""); }

int CListBox::InsertString(int index, LPCTSTR text) {
  if (index < 0) index = GetCount();
  int result = ui::insertItem(m_hWnd, index, text ? text : L"");
  return result < 0 ? LB_ERR : result;
}

int CListBox::DeleteString(UINT index) {
  int remaining = ui::deleteItem(m_hWnd, static_cast<int>(index));
  return remaining < 0 ? LB_ERR : remaining;
}

void CListBox::ResetContent() { ui::clearItems(m_hWnd); }

int CListBox::GetCount() const {
  return ui::isLiveWindow(m_hWnd) ? static_cast<int>(m_hWnd->items.size()) : 0;
}

int CListBox::SetCurSel(int index) {
  if (!ui::isLiveWindow(m_hWnd)) return LB_ERR;
  bool ok = ui::selectItem(m_hWnd, index);
  for (size_t i = 0; i < m_hWnd->itemSelected.size(); ++i) {
    m_hWnd->itemSelected[i] = static_cast<int>(i) == index;
  }
  return ok || index == -1 ? index : LB_ERR;
}

int CListBox::GetCurSel() const { return ui::isLiveWindow(m_hWnd) ? m_hWnd->curSel : LB_ERR; }

int CListBox::GetText(int index, LPTSTR buffer) const {
  if (!validIndex(m_hWnd, index)) return LB_ERR;
  return copyText(m_hWnd->items[static_cast<size_t>(index)], buffer);
}

void CListBox::GetText(int index, CString& text) const {
  text.Empty();
  if (validIndex(m_hWnd, index)) text = m_hWnd->items[static_cast<size_t>(index)].c_str();
}

int CListBox::GetTextLen(int index) const {
  return validIndex(m_hWnd, index)
             ? static_cast<int>(m_hWnd->items[static_cast<size_t>(index)].size())
             : LB_ERR;
}

int CListBox::FindString(int startAfter, LPCTSTR text) const {
  int index = ui::findItem(m_hWnd, startAfter, text ? text : L"", false);
  return index < 0 ? LB_ERR : index;
}

int CListBox::FindStringExact(int startAfter, LPCTSTR text) const {
  int index = ui::findItem(m_hWnd, startAfter, text ? text : L"", true);
  return index < 0 ? LB_ERR : index;
}

int CListBox::SelectString(int startAfter, LPCTSTR text) {
  int index = FindString(startAfter, text);
  return index < 0 ? LB_ERR : SetCurSel(index);
}

int CListBox::SetItemData(int index, DWORD_PTR data) {
  if (!validIndex(m_hWnd, index)) return LB_ERR;
  m_hWnd->itemData[static_cast<size_t>(index)] = data;
  return 0;
}

DWORD_PTR CListBox::GetItemData(int index) const {
  if (!validIndex(m_hWnd, index)) return static_cast<DWORD_PTR>(LB_ERR);
  return m_hWnd->itemData[static_cast<size_t>(index)];
}

int CListBox::SetSel(int index, BOOL select) {
  if (!ui::isLiveWindow(m_hWnd)) return LB_ERR;
  if (index == -1) {
    for (size_t i = 0; i < m_hWnd->itemSelected.size(); ++i) m_hWnd->itemSelected[i] = select;
    return 0;
  }
  if (!validIndex(m_hWnd, index)) return LB_ERR;
  m_hWnd->itemSelected[static_cast<size_t>(index)] = select;
  if (select) m_hWnd->curSel = index;
  return 0;
}

int CListBox::GetSel(int index) const {
  if (!validIndex(m_hWnd, index)) return LB_ERR;
  if (m_hWnd->style & kCtlMultiSel) return m_hWnd->itemSelected[static_cast<size_t>(index)] ? 1 : 0;
  return m_hWnd->curSel == index ? 1 : 0;
}

int CListBox::GetSelCount() const {
  if (!ui::isLiveWindow(m_hWnd)) return LB_ERR;
  if (!(m_hWnd->style & kCtlMultiSel)) return LB_ERR;
  int n = 0;
  for (bool s : m_hWnd->itemSelected) n += s;
  return n;
}

int CListBox::GetSelItems(int maxItems, LPINT items) const {
  if (!ui::isLiveWindow(m_hWnd) || !items) return LB_ERR;
  int n = 0;
  for (size_t i = 0; i < m_hWnd->itemSelected.size() && n < maxItems; ++i) {
    if (m_hWnd->itemSelected[i]) items[n++] = static_cast<int>(i);
  }
  return n;
}
