// CDialog: modal dialogs run through the driver; modeless ones are reached by the message pump.
#include "ed/editor.h"
#include "ui/dialog_driver.h"
#include "ui/window.h"

namespace {

void say(const std::wstring& text) { ed::Editor::instance().transcript().write(text); }

std::wstring resultName(int result) {
  switch (result) {
    case IDOK:
      return L"OK";
    case IDCANCEL:
      return L"Annuler";
    default:
      return std::to_wstring(result);
  }
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_nIDHelp(0), m_lpszTemplateName(nullptr), m_pParentWnd(nullptr), templateId_(0) {}

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId),
      m_lpszTemplateName(nullptr),
      m_pParentWnd(parent),
      templateId_(templateId) {}

CDialog::~CDialog() {
  if (ui::isLiveWindow(m_hWnd) && m_hWnd->isDialog && m_hWnd->permanent == this) {
    ui::destroyWindow(m_hWnd);
    m_hWnd = nullptr;
  }
}

INT_PTR CDialog::DoModal() {
  const AcUiDialogTemplate* found = AfxFindDialogTemplate(templateId_);
  if (!found) {
    say(L"\nModèle de dialogue " + std::to_wstring(templateId_) + L" introuvable.\n");
    return -1;
  }
  CWnd* owner = GetSafeOwner(m_pParentWnd);
  BOOL ownerWasEnabled = owner->IsWindowEnabled();
  HWND hWnd = ui::createDialogWindow(*found, owner->m_hWnd);
  Attach(hWnd);
  hWnd->modalRunning = true;
  if (ownerWasEnabled) owner->EnableWindow(FALSE);

  BOOL focusDefault = TRUE;
  try {
    focusDefault = OnInitDialog();
  } catch (CUserException* e) {
    e->Delete();
  } catch (CException* e) {
    e->ReportError(MB_ICONEXCLAMATION);
    e->Delete();
  }
  if (ui::isLiveWindow(hWnd)) {
    hWnd->initialized = true;
    if (focusDefault && !hWnd->focus) {
      for (auto& child : hWnd->children) {
        if (!ui::isDecorative(child->kind) && child->enabled && child->visible) {
          hWnd->focus = child.get();
          break;
        }
      }
    }
  }

  if (ui::isLiveWindow(hWnd) && !hWnd->ended) {
    if (hWnd->visible) ui::printDialog(hWnd);
    ui::DialogDriver& driver = ui::dialogDriver();
    driver.opened(hWnd);
    while (ui::isLiveWindow(hWnd) && !hWnd->ended) {
      std::wstring action;
      if (!driver.readAction(hWnd, action)) {
        // The input ended: the dialog is cancelled as with Escape, and closes even if its
        // OnCancel refuses, since nothing could close it any more.
        say(L"Fin des entrées : dialogue annulé.\n");
        SendMessage(WM_COMMAND, MAKELONG(IDCANCEL, BN_CLICKED), 0);
        if (ui::isLiveWindow(hWnd) && !hWnd->ended) EndDialog(IDCANCEL);
        break;
      }
      ui::runDialogAction(hWnd, action);
    }
  }

  int result = IDCANCEL;
  if (ui::isLiveWindow(hWnd)) {
    result = hWnd->result;
    say(L"Dialogue " + ui::dialogTitle(hWnd) + L" fermé : " + resultName(result) + L"\n");
    hWnd->modalRunning = false;
    SendMessage(WM_DESTROY);
    ui::destroyWindow(hWnd);
  }
  m_hWnd = nullptr;
  if (ownerWasEnabled) owner->EnableWindow(TRUE);
  return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  if (ui::isLiveWindow(m_hWnd)) return FALSE;
  templateId_ = templateId;
  m_pParentWnd = parent;
  const AcUiDialogTemplate* found = AfxFindDialogTemplate(templateId);
  if (!found) {
    say(L"\nModèle de dialogue " + std::to_wstring(templateId) + L" introuvable.\n");
    return FALSE;
  }
  HWND hWnd = ui::createDialogWindow(*found, GetSafeOwner(parent)->m_hWnd);
  Attach(hWnd);
  hWnd->modeless = true;
  ui::resetScriptPump();
  try {
    OnInitDialog();
  } catch (CUserException* e) {
    e->Delete();
  } catch (CException* e) {
    e->ReportError(MB_ICONEXCLAMATION);
    e->Delete();
  }
  if (!ui::isLiveWindow(hWnd)) return FALSE;
  hWnd->initialized = true;
  if (hWnd->visible) ui::printDialog(hWnd);
  ui::dialogDriver().opened(hWnd);
  return TRUE;
}

BOOL CDialog::DestroyWindow() {
  if (!ui::isLiveWindow(m_hWnd)) return FALSE;
  if (m_hWnd->modeless) say(L"Dialogue " + ui::dialogTitle(m_hWnd) + L" fermé.\n");
  return CWnd::DestroyWindow();
}

void CDialog::EndDialog(int result) {
  if (!ui::isLiveWindow(m_hWnd)) return;
  m_hWnd->ended = true;
  m_hWnd->result = result;
  // A modeless dialog is only hidden: its owner destroys it.
  if (m_hWnd->modeless) m_hWnd->visible = false;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (control) control->SetFocus();
}

void CDialog::SetDefID(UINT id) {
  if (ui::isLiveWindow(m_hWnd)) m_hWnd->defId = static_cast<int>(id);
}

DWORD CDialog::GetDefID() const {
  // The high word says the value is an id (DC_HASDEFID).
  return ui::isLiveWindow(m_hWnd) ? MAKELONG(m_hWnd->defId, 0x534B) : 0;
}

void CDialog::MapDialogRect(LPRECT rect) const {
  if (!rect) return;
  rect->left = ui::dluToPixelsX(rect->left);
  rect->right = ui::dluToPixelsX(rect->right);
  rect->top = ui::dluToPixelsY(rect->top);
  rect->bottom = ui::dluToPixelsY(rect->bottom);
}
