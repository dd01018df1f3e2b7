// The drawing thinning dialog: the criterion, the maximum density, the preferred action and the
// layer the extra points would go to. Its values are kept in the dialog only.
#pragma once
#include "ui/adui.h"

class DlgAllegerDessin : public CAdUiDialog {
 public:
  explicit DlgAllegerDessin(CWnd* parent = nullptr);

  int m_critere = 0;           // 0 point density, 1 area taken by the drawing
  double m_densiteMax = 0.0;   // (%)
  int m_action = 0;
  CString m_layer;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
};

// Shows the dialog; true when it was closed with OK.
bool choisirAllegement();
