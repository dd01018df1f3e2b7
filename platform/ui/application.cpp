// The application object and the host's main window.
#include "ui/window.h"

namespace {

class MainFrame : public CWnd {};

}  // namespace

CWinApp::CWinApp() : m_pszAppName(L"cadhost"), m_pMainWnd(nullptr) {}

BOOL CWinApp::PumpMessage() {
  MSG msg{};
  if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) return FALSE;
  if (!IsDialogMessage(msg.hwnd, &msg)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  return TRUE;
}

CWinApp* AfxGetApp() {
  static CWinApp app;
  if (!app.m_pMainWnd) app.m_pMainWnd = AfxGetMainWnd();
  return &app;
}

CWnd* AfxGetMainWnd() {
  static MainFrame frame;
  if (!frame.m_hWnd) frame.m_hWnd = ui::mainWindow();
  return &frame;
}

HWND adsw_acadMainWnd() { return ui::mainWindow(); }
