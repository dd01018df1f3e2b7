// The bearing calculator: the bearing from a station to a point aimed at, in the caller's unit.
#pragma once
#include "computations/fichierObservations.h"
#include "ui/adui.h"

class CCalcGisementDlg : public CAdUiDialog {
 public:
  explicit CCalcGisementDlg(CWnd* parent = nullptr);

  int m_unite = kUniteGrades;
  stationConnue m_station;
  stationConnue m_direction;
  CString m_gisement;  // as shown
  CString m_nomUnite = L"Grades";
  double m_valeur = 0;  // the bearing, in m_unite, after OK

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  afx_msg void OnCoordonneeQuittee();
  DECLARE_MESSAGE_MAP()

 private:
  bool pointsDistincts() const;
  void recalculer();
};

// Opens the calculator aiming at `visee`; on OK the bearing from the station the user gave to it,
// in `unite`, is put in `gisement`.
bool calculerGisementVers(const stationConnue& visee, int unite, double& gisement, CWnd* parent);
