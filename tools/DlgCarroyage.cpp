#include "tools/DlgCarroyage.h"

#include <vector>

#include "db/acutads.h"
#include "ed/aced.h"
#include "db/dbpl.h"
#include "ed/acedsel.h"
#include "resources/resourceOutils.h"
#include "ui/afxwin.h"

DlgCarroyage::DlgCarroyage(CWnd* parent) : CAdUiDialog(IDD_CARROYAGE, parent) {}

void DlgCarroyage::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_CARROYAGE_PAS_X, m_pasX);
  DDV_MinMaxDouble(pDX, m_pasX, 1e-6, 1e36);
  DDX_Text(pDX, IDC_CARROYAGE_PAS_Y, m_pasY);
  DDV_MinMaxDouble(pDX, m_pasY, 1e-6, 1e36);
  DDX_Text(pDX, IDC_CARROYAGE_CROIX, m_tailleCroix);
  DDV_MinMaxDouble(pDX, m_tailleCroix, 1e-6, 1e36);
  DDX_Text(pDX, IDC_CARROYAGE_TEXTES, m_hauteurTexte);
  DDV_MinMaxDouble(pDX, m_hauteurTexte, 1e-6, 1e36);
  DDX_Check(pDX, IDC_CARROYAGE_INTERNES, m_internes);
  DDX_CBIndex(pDX, IDC_CARROYAGE_FORMAT, m_decimales);
}

BEGIN_MESSAGE_MAP(DlgCarroyage, CAdUiDialog)
ON_BN_CLICKED(IDC_CARROYAGE_INTERNES, &DlgCarroyage::OnInternes)
ON_BN_CLICKED(IDC_CARROYAGE_SELECTION, &DlgCarroyage::OnSelection)
END_MESSAGE_MAP()

BOOL DlgCarroyage::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  auto* format = static_cast<CComboBox*>(GetDlgItem(IDC_CARROYAGE_FORMAT));
  for (const wchar_t* entree : {L"0", L"0.0", L"0.00", L"0.000", L"0.0000"}) format->AddString(entree);
  UpdateData(FALSE);
  afficherCoteEcritures();
  return TRUE;
}

void DlgCarroyage::afficherCoteEcritures() {
  const bool internes = static_cast<CButton*>(GetDlgItem(IDC_CARROYAGE_INTERNES))->GetCheck() != 0;
  SetDlgItemText(IDC_CARROYAGE_INTERNES, internes ? L"Ecritures internes" : L"Ecritures externes");
}

void DlgCarroyage::OnInternes() { afficherCoteEcritures(); }

void DlgCarroyage::OnSelection() {
  BeginEditorCommand();
  acutPrintf(L"\nSelectionnez les polylines à carroyer");
  ads_name selection;
  const bool choisies = acedSSGet(nullptr, nullptr, nullptr, nullptr, selection) == RTNORM;
  if (choisies) {
    std::vector<AcDbObjectId> ids;
    ed::selectionSetIds(selection, ids);
    acedSSFree(selection);
    m_regions.setLogicalLength(0);
    for (const AcDbObjectId& id : ids) {
      AcDbEntity* entite = nullptr;
      if (acdbOpenObject(entite, id, AcDb::kForRead) != Acad::eOk) continue;
      if (entite->isKindOf(AcDbPolyline::desc())) m_regions.append(id);
      entite->close();
    }
  }
  CString nombre;
  nombre.Format(L"%d régions", m_regions.length());
  SetDlgItemText(IDC_CARROYAGE_NOMBRE, nombre);
  if (choisies) {
    CompleteEditorCommand();
  } else {
    CancelEditorCommand();
  }
}
