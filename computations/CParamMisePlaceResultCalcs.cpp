#include "computations/CParamMisePlaceResultCalcs.h"

#include "resources/resourcePolygonales.h"
#include "resources/ressourcesModule.h"

CParamMisePlaceResultCalcs::CParamMisePlaceResultCalcs(CWnd* parent)
    : CAdUiDialog(IDD_PARAM_MISE_PLACE, parent) {}

BEGIN_MESSAGE_MAP(CParamMisePlaceResultCalcs, CAdUiDialog)
  ON_BN_CLICKED(IDC_PMP_ALTITUDES, &CParamMisePlaceResultCalcs::OnAltitudes)
END_MESSAGE_MAP()

void CParamMisePlaceResultCalcs::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_PMP_CODE, m_code);
  DDX_Check(pDX, IDC_PMP_ALTITUDES, m_altitudes);
  DDX_Check(pDX, IDC_PMP_ORIGINELLE, m_originelle);
  DDX_Check(pDX, IDC_PMP_COMPENSEE, m_compensee);
}

BOOL CParamMisePlaceResultCalcs::OnInitDialog() {
  m_code = m_params.code;
  m_altitudes = m_params.altitudes ? 1 : 0;
  m_originelle = m_params.originelle ? 1 : 0;
  m_compensee = m_params.compensee ? 1 : 0;
  CAdUiDialog::OnInitDialog();
  legenderAltitudes();
  return TRUE;
}

// The push-like check box says what the current choice does.
void CParamMisePlaceResultCalcs::legenderAltitudes() {
  const bool placer = IsDlgButtonChecked(IDC_PMP_ALTITUDES) == BST_CHECKED;
  SetDlgItemText(IDC_PMP_ALTITUDES, placer ? L"Placer les altitudes" : L"Ne pas placer les altitudes");
}

void CParamMisePlaceResultCalcs::OnAltitudes() { legenderAltitudes(); }

void CParamMisePlaceResultCalcs::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_params.code = m_code >= 1 && m_code <= 9999 ? m_code : 100;
  m_params.altitudes = m_altitudes != 0;
  m_params.originelle = m_originelle != 0;
  m_params.compensee = m_compensee != 0;
  EndDialog(IDOK);
}

bool demanderParamsMiseEnPlace(paramsMiseEnPlace& params, CWnd* parent) {
  ressourcesCourantes ressources;
  CParamMisePlaceResultCalcs dialogue(parent);
  dialogue.m_params = params;
  if (dialogue.DoModal() != IDOK) return false;
  params = dialogue.m_params;
  return true;
}
