// The host's dialog base classes: hiding the dialog while the user works on the command line.
#include "ed/editor.h"
#include "os/winfile.h"
#include "ui/adui.h"
#include "ui/dialog_driver.h"
#include "ui/window.h"

namespace {

void say(const std::wstring& text) { ed::Editor::instance().transcript().write(text); }

}  // namespace

CAdUiBaseDialog::CAdUiBaseDialog(UINT templateId, CWnd* parent, HINSTANCE resources)
    : CDialog(templateId, parent) {
  (void)resources;
}

BOOL CAdUiBaseDialog::OnInitDialog() { return CDialog::OnInitDialog(); }

CAdUiDialog::CAdUiDialog(UINT templateId, CWnd* parent, HINSTANCE resources)
    : CAdUiBaseDialog(templateId, parent, resources) {}

void CAdUiDialog::BeginEditorCommand() {
  if (!ui::isLiveWindow(m_hWnd)) return;
  editorCommand_ = TRUE;
  m_hWnd->visible = false;
  m_hWnd->hiddenForEditor = true;
  // The host's window takes the input while the dialog is hidden.
  AfxGetMainWnd()->EnableWindow(TRUE);
  say(L"Dialogue " + ui::dialogTitle(m_hWnd) + L" masqué : à vous sur la ligne de commande.\n");
}

void CAdUiDialog::CompleteEditorCommand(BOOL restoreCursor) {
  (void)restoreCursor;
  if (!ui::isLiveWindow(m_hWnd) || !editorCommand_) return;
  editorCommand_ = FALSE;
  m_hWnd->visible = true;
  m_hWnd->hiddenForEditor = false;
  if (m_hWnd->modalRunning) AfxGetMainWnd()->EnableWindow(FALSE);
  say(L"Dialogue " + ui::dialogTitle(m_hWnd) + L" de retour.\n");
  ui::printDialog(m_hWnd);
}

void CAdUiDialog::CancelEditorCommand() { CompleteEditorCommand(TRUE); }

namespace ui {

void setPictureDescription(HWND picture, const std::wstring& description) {
  if (isLiveWindow(picture)) picture->description = description;
}

std::wstring pictureDescription(HWND picture) {
  return isLiveWindow(picture) ? picture->description : L"";
}

}  // namespace ui

bool acdbDisplayPreviewFromDwg(const ACHAR* fileName, HWND window,
                               const Adesk::UInt32* backgroundColor) {
  (void)backgroundColor;
  if (!ui::isLiveWindow(window)) return false;
  DWORD attributes = fileName ? GetFileAttributesW(fileName) : INVALID_FILE_ATTRIBUTES;
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    window->description.clear();
    return false;
  }
  std::wstring path = fileName;
  size_t slash = path.find_last_of(L"/\\");
  window->description =
      L"aperçu de " + (slash == std::wstring::npos ? path : path.substr(slash + 1));
  return true;
}
