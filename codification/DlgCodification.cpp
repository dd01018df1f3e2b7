#include "codification/DlgCodification.h"

#include <cwchar>

#include "codification/apercuBloc.h"
#include "codification/codifPoint.h"
#include "codification/tableCodification.h"
#include "codification/valeursCodification.h"
#include "db/acutads.h"
#include "resources/resource.h"
#include "resources/ressourcesModule.h"
#include "ui/acedfiled.h"
#include "ui/afxcmn.h"

namespace {

// The smallest valid number the table does not hold; 0 when all are taken.
int premierCodeLibre(const tableCodification& table) {
  for (int code = kCodeMin; code <= kCodeMax; ++code) {
    if (table.indexOfCode(code) < 0) return code;
  }
  return 0;
}

}  // namespace

DlgCodification::DlgCodification(CWnd* parent) : CAdUiDialog(IDD_CODIFICATION, parent) {}

void DlgCodification::depuisCodif(const codifPoint& codif) {
  m_code.Format(L"%d", codif.code);
  m_libelle = codif.libelle;
  m_chemin = codif.chemin;
  m_layerBlock = codif.layers[kLayerBlock];
  m_layerAltitudes = codif.layers[kLayerAltitudes];
  m_layerNumero = codif.layers[kLayerNumero];
  m_layerObs = codif.layers[kLayerObs];
  m_layerCode = codif.layers[kLayerCode];
  m_taille = codif.tailleBlock;
  m_precision = codif.precisionAltitudes;
}

void DlgCodification::versCodif(codifPoint& codif) const {
  codif.tailleBlock = m_taille;
  codif.layers[kLayerBlock] = m_layerBlock;
  codif.layers[kLayerAltitudes] = m_layerAltitudes;
  codif.layers[kLayerNumero] = m_layerNumero;
  codif.layers[kLayerObs] = m_layerObs;
  codif.layers[kLayerCode] = m_layerCode;
  codif.chemin = m_chemin;
  codif.libelle = m_libelle;
  codif.precisionAltitudes = m_precision;
}

void DlgCodification::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_CODIF_CODE, m_code);
  DDX_Text(pDX, IDC_CODIF_LIBELLE, m_libelle);
  DDX_Text(pDX, IDC_CODIF_CHEMIN, m_chemin);
  DDX_Text(pDX, IDC_CODIF_LAYER_ALTITUDES, m_layerAltitudes);
  DDX_Text(pDX, IDC_CODIF_LAYER_BLOCK, m_layerBlock);
  DDX_Text(pDX, IDC_CODIF_LAYER_CODE, m_layerCode);
  DDX_Text(pDX, IDC_CODIF_LAYER_NUMERO, m_layerNumero);
  DDX_Text(pDX, IDC_CODIF_LAYER_OBS, m_layerObs);
  DDX_Text(pDX, IDC_CODIF_TAILLE, m_taille);
  DDV_MinMaxDouble(pDX, m_taille, 1e-6, 1e6);
  DDX_Text(pDX, IDC_CODIF_PRECISION, m_precision);
}

BEGIN_MESSAGE_MAP(DlgCodification, CAdUiDialog)
ON_EN_KILLFOCUS(IDC_CODIF_CODE, &DlgCodification::OnKillFocusCode)
ON_BN_CLICKED(IDC_CODIF_SYMBOLE, &DlgCodification::OnSymbole)
ON_STN_CLICKED(IDC_CODIF_APERCU, &DlgCodification::OnSymbole)
ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL DlgCodification::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  if (m_modeEdition) static_cast<CEdit*>(GetDlgItem(IDC_CODIF_CODE))->SetReadOnly(TRUE);
  auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_CODIF_PRECISION_SPIN));
  spin->SetRange32(0, 8);
  spin->SetBuddy(GetDlgItem(IDC_CODIF_PRECISION));
  spin->SetPos32(m_precision);
  afficherApercu();
  UpdateData(FALSE);
  return TRUE;
}

void DlgCodification::OnPaint() { afficherApercu(); }

void DlgCodification::afficherApercu() {
  if (m_chemin.IsEmpty()) return;
  CString extension = m_chemin.Right(4);
  if (extension.MakeLower() != L".dwg") m_chemin += L".dwg";
  afficherApercuBloc(m_chemin, GetDlgItem(IDC_CODIF_APERCU)->GetSafeHwnd());
}

void DlgCodification::OnSymbole() {
  if (!UpdateData(TRUE)) return;
  resbuf choisi{};
  if (acedGetFileD(L"Fichier à utiliser", m_chemin, L"dwg", 2, &choisi) == RTNORM &&
      choisi.restype == RTSTR) {
    m_chemin = choisi.resval.rstring;
    acutDelString(choisi.resval.rstring);
    // The entry of the number typed takes the block at once, before OK.
    if (m_table != nullptr) {
      const int index = m_table->indexOfCode(static_cast<int>(std::wcstol(m_code, nullptr, 10)));
      if (index >= 0) m_table->getAt(index).chemin = m_chemin;
    }
  }
  afficherApercu();
  UpdateData(FALSE);
}

// Only the code field is read back here: the other fields are checked at OK, and a scale being
// typed must not raise its range message each time the focus leaves the code.
void DlgCodification::OnKillFocusCode() {
  CWnd* champ = GetDlgItem(IDC_CODIF_CODE);
  champ->GetWindowText(m_code);
  m_code = rogner(m_code);
  if (m_code != L"?") {
    const long code = std::wcstol(m_code, nullptr, 10);
    if (code < kCodeMin || code > kCodeMax) {
      MessageBox(L"Code incorrect\nTapez un nombre compris entre 1 et 9999", L"Erreur",
                 MB_OK | MB_ICONEXCLAMATION);
      m_code = L"?";
      champ->SetWindowText(m_code);
      champ->SetFocus();
      return;
    }
    if (!m_modeEdition && m_table != nullptr && m_table->indexOfCode(static_cast<int>(code)) >= 0) {
      MessageBox(
          L"Code déjà existant\nTapez un '?' pour qu'un numéro soit attribué automatiquement",
          L"Erreur", MB_OK | MB_ICONEXCLAMATION);
      champ->SetFocus();
    }
    return;
  }
  const int libre = m_table != nullptr ? premierCodeLibre(*m_table) : kCodeMin;
  if (libre == 0) {
    MessageBox(L"Pas de code à attribuer", L"erreur", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  m_code.Format(L"%d", libre);
  champ->SetWindowText(m_code);
}

int tableCodification::editCode(int index) {
  codifPoint& codif = getAt(index);
  ressourcesCourantes ressources;
  DlgCodification dialogue;
  dialogue.m_modeEdition = true;
  dialogue.m_table = this;
  dialogue.depuisCodif(codif);
  if (dialogue.DoModal() != IDOK) return IDCANCEL;
  dialogue.versCodif(codif);
  return IDOK;
}
