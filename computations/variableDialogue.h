// "Définir une variable": the name, value and comment of a constant of the weight formulas.
#pragma once
#include "ui/adui.h"

class CDefVariable : public CAdUiDialog {
 public:
  explicit CDefVariable(CWnd* parent = nullptr);

  CString m_nom;
  double m_valeur = 0;
  CString m_commentaire;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
};
