// "Moindres carrés": the network read from a data file, its solution, iterations and altitudes
// with their log, and the placing of its points.
#pragma once
#include "computations/moindresCarresDonnees.h"
#include "computations/poidsFormules.h"
#include "ui/adui.h"
#include "ui/afxrich.h"

class CDlgMoindresCarres : public CAdUiDialog {
 public:
  explicit CDlgMoindresCarres(CWnd* parent = nullptr);

  const reseauMoindresCarres& reseau() const { return m_reseau; }

 protected:
  BOOL OnInitDialog() override;
  afx_msg void OnDonnees();
  afx_msg void OnPoids();
  afx_msg void OnPlacerCanevas();
  afx_msg void OnPlacer();
  afx_msg void OnSolution();
  afx_msg void OnIterer();
  afx_msg void OnAltitudes();
  afx_msg void OnEffacer();
  DECLARE_MESSAGE_MAP()

 private:
  void afficherJournal();
  void terminerCalcul(bool reussi);
  // Asks the code of the points on the command line, then makes one point block per point kept.
  void placer(bool connus);

  reseauMoindresCarres m_reseau;
  formulesPoids m_formules;
  CString m_journal;
};
