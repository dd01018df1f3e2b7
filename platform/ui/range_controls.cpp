// Spin buttons and progress bars.
#include <algorithm>

#include "ui/afxcmn.h"
#include "ui/window.h"

namespace {

// The position within the range, whichever way round the range is given.
int clampToRange(int pos, int a, int b) { return std::clamp(pos, std::min(a, b), std::max(a, b)); }

}  // namespace

void CSpinButtonCtrl::SetRange32(int lower, int upper) {
  if (!ui::isLiveWindow(m_hWnd)) return;
  m_hWnd->lower = lower;
  m_hWnd->upper = upper;
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const {
  lower = ui::isLiveWindow(m_hWnd) ? m_hWnd->lower : 0;
  upper = ui::isLiveWindow(m_hWnd) ? m_hWnd->upper : 0;
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* buddy) {
  if (!ui::isLiveWindow(m_hWnd)) return nullptr;
  CWnd* previous = GetBuddy();
  m_hWnd->buddy = buddy ? buddy->m_hWnd : nullptr;
  return previous;
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
  return ui::isLiveWindow(m_hWnd) && m_hWnd->buddy ? CWnd::FromHandle(m_hWnd->buddy) : nullptr;
}

int CSpinButtonCtrl::SetPos32(int pos) {
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  int previous = GetPos32();
  m_hWnd->pos = clampToRange(pos, m_hWnd->lower, m_hWnd->upper);
  // The buddy shows the position, as with the set-buddy-integer style.
  if (ui::isLiveWindow(m_hWnd->buddy))
    ui::setControlText(m_hWnd->buddy, std::to_wstring(m_hWnd->pos));
  return previous;
}

int CSpinButtonCtrl::GetPos32(LPBOOL error) const {
  if (error) *error = FALSE;
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  // With a buddy the position is what the buddy shows, when that is a number in the range.
  if (ui::isLiveWindow(m_hWnd->buddy)) {
    BOOL ok = FALSE;
    CWnd* dialog = CWnd::FromHandle(m_hWnd->parent);
    int value = static_cast<int>(dialog->GetDlgItemInt(m_hWnd->buddy->id, &ok, TRUE));
    if (ok && value == clampToRange(value, m_hWnd->lower, m_hWnd->upper)) return value;
    if (error) *error = TRUE;
  }
  return m_hWnd->pos;
}

void CProgressCtrl::SetRange32(int lower, int upper) {
  if (!ui::isLiveWindow(m_hWnd)) return;
  m_hWnd->lower = lower;
  m_hWnd->upper = upper;
  m_hWnd->pos = clampToRange(m_hWnd->pos, lower, upper);
}

void CProgressCtrl::GetRange(int& lower, int& upper) const {
  lower = ui::isLiveWindow(m_hWnd) ? m_hWnd->lower : 0;
  upper = ui::isLiveWindow(m_hWnd) ? m_hWnd->upper : 0;
}

int CProgressCtrl::SetStep(int step) {
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  int previous = m_hWnd->step;
  m_hWnd->step = step;
  return previous;
}

int CProgressCtrl::SetPos(int pos) {
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  int previous = m_hWnd->pos;
  m_hWnd->pos = clampToRange(pos, m_hWnd->lower, m_hWnd->upper);
  return previous;
}

int CProgressCtrl::OffsetPos(int delta) { return SetPos(GetPos() + delta); }

int CProgressCtrl::StepIt() {
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  int previous = m_hWnd->pos;
  int next = previous + m_hWnd->step;
  // Past the end the bar starts again from the beginning, as the control does.
  if (next > m_hWnd->upper) next = m_hWnd->lower + (next - m_hWnd->upper);
  if (next < m_hWnd->lower) next = m_hWnd->upper - (m_hWnd->lower - next);
  m_hWnd->pos = clampToRange(next, m_hWnd->lower, m_hWnd->upper);
  return previous;
}

int CProgressCtrl::GetPos() const { return ui::isLiveWindow(m_hWnd) ? m_hWnd->pos : 0; }

BOOL AfxInitCommonControls() { return TRUE; }
void InitCommonControls() {}
