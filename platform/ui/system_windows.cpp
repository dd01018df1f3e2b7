// The system's window functions over the platform's windows.
#include "ui/afxwin.h"
#include "ui/window.h"

BOOL IsWindow(HWND hWnd) { return ui::isLiveWindow(hWnd) || hWnd == ui::mainWindow(); }

BOOL EnableWindow(HWND hWnd, BOOL enable) {
  if (!IsWindow(hWnd)) return FALSE;
  // The result says whether the window was disabled before.
  BOOL wasDisabled = !hWnd->enabled;
  hWnd->enabled = enable != FALSE;
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd) { return IsWindow(hWnd) && hWnd->enabled; }

BOOL ShowWindow(HWND hWnd, int showCommand) {
  if (!IsWindow(hWnd)) return FALSE;
  BOOL wasVisible = hWnd->visible;
  hWnd->visible = showCommand != SW_HIDE;
  return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
  if (!IsWindow(hWnd)) return FALSE;
  // A control is visible only when its dialog is.
  for (HWND w = hWnd; w; w = w->parent) {
    if (!w->visible) return FALSE;
  }
  return TRUE;
}

BOOL DestroyWindow(HWND hWnd) {
  if (!ui::isLiveWindow(hWnd)) return FALSE;
  if (CWnd* wnd = CWnd::FromHandlePermanent(hWnd)) return wnd->DestroyWindow();
  if (!hWnd->isDialog) return FALSE;
  ui::destroyWindow(hWnd);
  return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) { return ui::findChild(dialog, id); }
int GetDlgCtrlID(HWND hWnd) { return ui::isLiveWindow(hWnd) ? hWnd->id : 0; }
HWND GetParent(HWND hWnd) {
  if (!ui::isLiveWindow(hWnd)) return nullptr;
  return hWnd->isDialog ? hWnd->owner : hWnd->parent;
}

HWND SetFocus(HWND hWnd) {
  HWND previous = GetFocus();
  ui::setFocus(hWnd);
  return previous;
}

HWND GetFocus() {
  HWND top = ui::activeDialog();
  return top ? top->focus : nullptr;
}

BOOL SetWindowText(HWND hWnd, LPCTSTR text) {
  if (!ui::isLiveWindow(hWnd)) return FALSE;
  ui::setControlText(hWnd, text ? text : L"");
  return TRUE;
}

int GetWindowText(HWND hWnd, LPTSTR buffer, int maxCount) {
  CWnd* wnd = CWnd::FromHandle(hWnd);
  return wnd ? wnd->GetWindowText(buffer, maxCount) : 0;
}

int GetWindowTextLength(HWND hWnd) { return static_cast<int>(ui::controlText(hWnd).size()); }

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandle(hWnd);
  return wnd ? wnd->SendMessage(message, wParam, lParam) : 0;
}
