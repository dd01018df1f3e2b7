// The grid dialog: steps, cross and text sizes, label side and decimals, and the regions chosen
// in the drawing (lightweight polylines only).
#pragma once
#include "db/dbid.h"
#include "ui/adui.h"

class DlgCarroyage : public CAdUiDialog {
 public:
  explicit DlgCarroyage(CWnd* parent = nullptr);

  double m_pasX = 100.0;  // (drawing units) 1e-6 to 1e36, as the three below
  double m_pasY = 100.0;
  double m_tailleCroix = 5.0;
  double m_hauteurTexte = 2.0;
  int m_internes = 0;     // labels inside the regions
  int m_decimales = 2;    // index of the format, 0 to 4
  AcDbObjectIdArray m_regions;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnInternes();
  afx_msg void OnSelection();
  DECLARE_MESSAGE_MAP()

 private:
  void afficherCoteEcritures();
};
