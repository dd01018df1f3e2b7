// The placement dialog of the computations' results: the code of the stations, whether their
// altitudes are placed, and the traverses to draw.
#pragma once
#include "computations/placementPolygonale.h"
#include "ui/adui.h"

class CParamMisePlaceResultCalcs : public CAdUiDialog {
 public:
  explicit CParamMisePlaceResultCalcs(CWnd* parent = nullptr);

  paramsMiseEnPlace m_params;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  afx_msg void OnAltitudes();
  DECLARE_MESSAGE_MAP()

 private:
  void legenderAltitudes();

  int m_code = 100;
  int m_altitudes = 0;
  int m_originelle = 0;
  int m_compensee = 0;
};
