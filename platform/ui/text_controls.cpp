// The rich edit, the web view and the host's colour and MRU combo boxes.
#include <spawn.h>

#include <cstdlib>

#include "ed/editor.h"
#include "ui/acui.h"
#include "ui/afxrich.h"
#include "ui/list_items.h"
#include "ui/webbrowser2.h"
#include "ui/window.h"

extern char** environ;

void CRichEditCtrl::SetSel(long start, long end) {
  if (!ui::isLiveWindow(m_hWnd)) return;
  long length = static_cast<long>(m_hWnd->text.size());
  if (start < 0) {
    m_hWnd->selStart = m_hWnd->selEnd = static_cast<int>(length);
    return;
  }
  if (end < 0 || end > length) end = length;
  m_hWnd->selStart = static_cast<int>(std::min(start, length));
  m_hWnd->selEnd = static_cast<int>(end);
}

void CRichEditCtrl::GetSel(long& start, long& end) const {
  start = ui::isLiveWindow(m_hWnd) ? m_hWnd->selStart : 0;
  end = ui::isLiveWindow(m_hWnd) ? m_hWnd->selEnd : 0;
}

void CRichEditCtrl::ReplaceSel(LPCTSTR text, BOOL canUndo) {
  (void)canUndo;
  if (!ui::isLiveWindow(m_hWnd)) return;
  std::wstring value = m_hWnd->text;
  size_t length = value.size();
  size_t a = std::min<size_t>(
      static_cast<size_t>(std::max(0, std::min(m_hWnd->selStart, m_hWnd->selEnd))), length);
  size_t b = std::min<size_t>(
      static_cast<size_t>(std::max(0, std::max(m_hWnd->selStart, m_hWnd->selEnd))), length);
  std::wstring inserted = text ? text : L"";
  value.replace(a, b - a, inserted);
  m_hWnd->selStart = m_hWnd->selEnd = static_cast<int>(a + inserted.size());
  ui::setControlText(m_hWnd, value);
}

CString CRichEditCtrl::GetSelText() const {
  if (!ui::isLiveWindow(m_hWnd)) return CString();
  size_t length = m_hWnd->text.size();
  size_t a = std::min<size_t>(
      static_cast<size_t>(std::max(0, std::min(m_hWnd->selStart, m_hWnd->selEnd))), length);
  size_t b = std::min<size_t>(
      static_cast<size_t>(std::max(0, std::max(m_hWnd->selStart, m_hWnd->selEnd))), length);
  return CString(m_hWnd->text.substr(a, b - a).c_str());
}

long CRichEditCtrl::GetTextLength() const {
  return ui::isLiveWindow(m_hWnd) ? static_cast<long>(m_hWnd->text.size()) : 0;
}

int CRichEditCtrl::GetLineCount() const {
  if (!ui::isLiveWindow(m_hWnd)) return 1;
  int lines = 1;
  for (wchar_t c : m_hWnd->text) lines += c == L'\n';
  return lines;
}

BOOL CRichEditCtrl::SetReadOnly(BOOL readOnly) {
  return static_cast<BOOL>(DefWindowProc(EM_SETREADONLY, static_cast<WPARAM>(readOnly), 0));
}

BOOL AfxInitRichEdit() { return TRUE; }
BOOL AfxInitRichEdit2() { return TRUE; }

namespace {

std::string toUtf8(const std::wstring& text) {
  std::string out;
  for (wchar_t w : text) {
    auto c = static_cast<uint32_t>(w);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// The desktop's browser named by CADHOST_BROWSER, started without waiting for it.
void openInBrowser(const std::wstring& url) {
  const char* browser = std::getenv("CADHOST_BROWSER");
  if (!browser || !*browser) return;
  std::string target = toUtf8(url);
  char* argv[] = {const_cast<char*>(browser), target.data(), nullptr};
  pid_t pid = 0;
  posix_spawnp(&pid, browser, nullptr, nullptr, argv, environ);
}

}  // namespace

namespace {
bool g_controlContainer = false;
}  // namespace

void AfxEnableControlContainer() { g_controlContainer = true; }

bool AfxControlContainerEnabled() { return g_controlContainer; }

void CWebBrowser2::Navigate(LPCTSTR url, VARIANT*, VARIANT*, VARIANT*, VARIANT*) {
  if (!ui::isLiveWindow(m_hWnd)) return;
  m_hWnd->text = url ? url : L"";
  ed::Editor& editor = ed::Editor::instance();
  if (dynamic_cast<ed::TerminalSource*>(&editor.input())) {
    editor.transcript().write(L"Page affichée : " + m_hWnd->text + L"\n");
    openInBrowser(m_hWnd->text);
  }
}

CString CWebBrowser2::GetLocationURL() const {
  return ui::isLiveWindow(m_hWnd) ? CString(m_hWnd->text.c_str()) : CString();
}

CString CWebBrowser2::GetLocationName() const {
  CString url = GetLocationURL();
  int slash = std::max(url.ReverseFind(L'/'), url.ReverseFind(L'\\'));
  return url.Mid(slash + 1);
}

int CAcUiColorComboBox::GetCurrentItemColor() const {
  return ui::isLiveWindow(m_hWnd) ? m_hWnd->pos : 7;
}

void CAcUiColorComboBox::SetCurrentItemColor(int colorIndex) {
  if (!ui::isLiveWindow(m_hWnd) || colorIndex < 0 || colorIndex > 256) return;
  m_hWnd->pos = colorIndex;
}

int CAcUiMRUComboBox::AddItemToList(LPCTSTR text) {
  if (!ui::isLiveWindow(m_hWnd)) return CB_ERR;
  std::wstring value = text ? text : L"";
  int existing = ui::findItem(m_hWnd, -1, value, true);
  if (existing >= 0) ui::deleteItem(m_hWnd, existing);
  int index = ui::insertItem(m_hWnd, 0, value);
  ui::selectItem(m_hWnd, index);
  return index;
}

CString CAcUiMRUComboBox::GetCurrentItemText() const {
  return CString(ui::controlText(m_hWnd).c_str());
}
