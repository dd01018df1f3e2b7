// "Poids des observations": every observation with its weight, fixed or from the formulas.
#pragma once
#include "computations/moindresCarresDonnees.h"
#include "computations/poidsFormules.h"
#include "ui/adui.h"
#include "ui/afxcmn.h"

class CDlgTabPoidsObse : public CAdUiDialog {
 public:
  CDlgTabPoidsObse(reseauMoindresCarres* reseau, formulesPoids* formules, CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnFixer();
  afx_msg void OnFormules();
  DECLARE_MESSAGE_MAP()

 private:
  void remplir();

  reseauMoindresCarres* m_reseau;
  formulesPoids* m_formules;
  CListCtrl m_liste;
};
