// The numbering dialog: prefix, start number and suffix of a series of point names, with an
// example that follows the prefix and the suffix as they are typed.
#pragma once
#include "ui/afxwin.h"

class CModeNumerotation : public CDialog {
 public:
  explicit CModeNumerotation(CWnd* parent = nullptr);

  int m_numDepart = 1;
  CString m_prefixe;
  CString m_suffixe;
  CString m_exemple;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnChangePrefixeOuSuffixe();
  DECLARE_MESSAGE_MAP()
};

// Runs the dialog on the three values with the module's resources: 1 and the values written back
// on OK; 0 and the values untouched on Cancel or when the dialog fails.
int choisirNumerotation(CString& prefixe, int& depart, CString& suffixe);
