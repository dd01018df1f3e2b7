// The embedded web view. Nothing is drawn: it records the page it shows; on a terminal it prints
// the page's path (and opens it with the desktop's browser when CADHOST_BROWSER names one).
#pragma once
#include "ui/afxwin.h"

struct VARIANT;

// Lets dialogs hold controls such as the web view; the host calls it once before the first one.
void AfxEnableControlContainer();
bool AfxControlContainerEnabled();

class CWebBrowser2 : public CWnd {
 public:
  // url: a file path or an address; the other arguments are those of the control and ignored.
  void Navigate(LPCTSTR url, VARIANT* flags = nullptr, VARIANT* targetFrameName = nullptr,
                VARIANT* postData = nullptr, VARIANT* headers = nullptr);
  CString GetLocationURL() const;
  CString GetLocationName() const;
  void Refresh() {}
  void Stop() {}
  void GoBack() {}
  void GoForward() {}
  BOOL GetBusy() const { return FALSE; }
};
