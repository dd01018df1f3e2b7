#include "host/CMyProgressDlg.h"

#include "resources/resource.h"

CMyProgressDlg::CMyProgressDlg() : CDialog(IDD_PROGRESSION) {}

CMyProgressDlg::~CMyProgressDlg() {
  if (m_hWnd != nullptr) destroy();
}

void CMyProgressDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PROGRESSION_BARRE, bar_);
}

int CMyProgressDlg::create(CWnd* parent) {
  owner_ = CWnd::GetSafeOwner(parent);
  if (owner_ != nullptr && owner_->IsWindowEnabled()) {
    owner_->EnableWindow(FALSE);
    ownerDisabled_ = true;
  }
  if (!Create(IDD_PROGRESSION, parent)) {
    if (ownerDisabled_) owner_->EnableWindow(TRUE);
    ownerDisabled_ = false;
    return 0;
  }
  return 1;
}

BOOL CMyProgressDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  bar_.SetRange(static_cast<short>(lower_), static_cast<short>(upper_));
  bar_.SetStep(step_);
  bar_.SetPos(lower_);
  SetWindowText(L"");
  return TRUE;
}

void CMyProgressDlg::OnCancel() { cancelled_ = true; }

void CMyProgressDlg::setRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  if (m_hWnd != nullptr) bar_.SetRange(static_cast<short>(lower), static_cast<short>(upper));
}

void CMyProgressDlg::setStep(int step) {
  step_ = step;
  if (m_hWnd != nullptr) bar_.SetStep(step);
}

void CMyProgressDlg::setPos(int position) {
  pumpMessages();
  if (m_hWnd == nullptr) return;
  bar_.SetPos(position);
  showPercentage(position);
}

void CMyProgressDlg::offsetPos(int delta) {
  pumpMessages();
  if (m_hWnd == nullptr) return;
  showPercentage(bar_.OffsetPos(delta) + delta);
}

void CMyProgressDlg::stepIt() {
  pumpMessages();
  if (m_hWnd == nullptr) return;
  showPercentage(bar_.StepIt() + step_);
}

bool CMyProgressDlg::checkCancel() {
  pumpMessages();
  const bool cancelled = cancelled_;
  cancelled_ = false;
  return cancelled;
}

void CMyProgressDlg::destroy() {
  if (ownerDisabled_ && owner_ != nullptr) owner_->EnableWindow(TRUE);
  ownerDisabled_ = false;
  if (m_hWnd != nullptr) DestroyWindow();
}

// Every pending message: the dialog's own handled as dialog messages (its Cancel button), the
// others dispatched, so the host stays responsive during the loop.
void CMyProgressDlg::pumpMessages() {
  MSG message;
  while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (m_hWnd == nullptr || !IsDialogMessage(&message)) {
      TranslateMessage(&message);
      DispatchMessage(&message);
    }
  }
}

// "25%": the share of the range covered, in whole percent; past a full turn it starts again,
// except at exactly 100. A range without width shows nothing new.
void CMyProgressDlg::showPercentage(int position) {
  if (upper_ == lower_) return;
  int percent = (position - lower_) * 100 / (upper_ - lower_);
  if (percent != 100) percent %= 100;
  CString text;
  text.Format(L"%d%c", percent, L'%');
  CString shown;
  GetDlgItemText(IDC_PROGRESSION_POURCENT, shown);
  if (shown != text) SetDlgItemText(IDC_PROGRESSION_POURCENT, text);
}
