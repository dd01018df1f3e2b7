// The results dialog: a computed report shown in a web view, with a button that saves a copy.
#pragma once
#include "ui/afxwin.h"
#include "ui/webbrowser2.h"

class resultPolygo : public CDialog {
 public:
  explicit resultPolygo(const CString& page, CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnSauvegarder();
  DECLARE_MESSAGE_MAP()

 private:
  CString m_page;
  CWebBrowser2 m_navigateur;
};

// Shows the page in the results dialog, the module's resources current while it runs. The host is
// made able to hold the web view the first time.
void afficherResultats(const CString& page);
