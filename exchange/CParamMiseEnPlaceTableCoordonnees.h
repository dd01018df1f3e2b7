// The parameters of a coordinates table: text height, the columns shown, decimals, the lines.
#pragma once
#include "exchange/dispositionTableCoordonnees.h"
#include "ui/adui.h"

class CParamMiseEnPlaceTableCoordonnees : public CAdUiDialog {
 public:
  explicit CParamMiseEnPlaceTableCoordonnees(CWnd* parent = nullptr);

  paramsTableCoordonnees m_params;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnInfosTout();
  afx_msg void OnInfosStd();
  afx_msg void OnCadreTout();
  afx_msg void OnCadreStd();
  DECLARE_MESSAGE_MAP()

 private:
  void cocher(const int* ids, const bool* etats, int nombre);
};

// Runs the dialog (the module's resources current); false on Cancel.
bool choisirParamsTableCoordonnees(paramsTableCoordonnees& params, CWnd* parent = nullptr);
