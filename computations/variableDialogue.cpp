#include "computations/variableDialogue.h"

#include "computations/lexiqueObservations.h"
#include "resources/resourceMoindresCarres.h"

CDefVariable::CDefVariable(CWnd* parent) : CAdUiDialog(IDD_DEFINIR_VARIABLE, parent) {}

BOOL CDefVariable::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  SetDlgItemText(IDC_VARIABLE_NOM, m_nom);
  CString valeur;
  valeur.Format(L"%.6f", m_valeur);
  SetDlgItemText(IDC_VARIABLE_VALEUR, valeur);
  SetDlgItemText(IDC_VARIABLE_COMMENTAIRE, m_commentaire);
  return TRUE;
}

void CDefVariable::OnOK() {
  CString nom, valeur;
  GetDlgItemText(IDC_VARIABLE_NOM, nom);
  GetDlgItemText(IDC_VARIABLE_VALEUR, valeur);
  nom.Trim();
  // A constant is used by name in the formulas: it must read as one.
  bool nomValide = !nom.IsEmpty() && ((nom[0] >= L'a' && nom[0] <= L'z') || (nom[0] >= L'A' && nom[0] <= L'Z'));
  for (int i = 0; i < nom.GetLength(); ++i) {
    const wchar_t c = nom[i];
    nomValide &= (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9');
  }
  if (!nomValide) {
    AfxMessageBox(L"Le nom doit commencer par une lettre et ne contenir que des lettres et des chiffres",
                  MB_ICONEXCLAMATION);
    return;
  }
  double lu;
  if (!lireNombreStrict(valeur, lu)) {
    AfxMessageBox(L"La valeur doit être un nombre", MB_ICONEXCLAMATION);
    return;
  }
  m_nom = nom;
  m_valeur = lu;
  GetDlgItemText(IDC_VARIABLE_COMMENTAIRE, m_commentaire);
  CAdUiDialog::OnOK();
}
