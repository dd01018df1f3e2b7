// "Formules poids des observations": the three weight formulas, their constants, a worked example
// and the formula file.
#pragma once
#include "computations/poidsFormules.h"
#include "ui/adui.h"
#include "ui/afxcmn.h"

class CDlgFormulePoids : public CAdUiDialog {
 public:
  // The formulas are edited in place; they are taken back from the fields when the dialog closes.
  explicit CDlgFormulePoids(formulesPoids* formules, CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnVerifierAngles();
  afx_msg void OnVerifierGisements();
  afx_msg void OnVerifierDistances();
  afx_msg void OnAjouter();
  afx_msg void OnSupprimer();
  afx_msg void OnModifier();
  afx_msg void OnCalculer();
  afx_msg void OnEnregistrer();
  afx_msg void OnCharger();
  DECLARE_MESSAGE_MAP()

 private:
  void verifier(int champ);
  void lireFormules();
  void afficherFormules();
  void remplirConstantes();
  int variableSelectionnee() const;

  formulesPoids* m_formules;
  CListCtrl m_constantes;
};
