#include "computations/CCalcGisementDlg.h"

#include "computations/angles.h"
#include "resources/resourcePolygonales.h"
#include "resources/ressourcesModule.h"

CCalcGisementDlg::CCalcGisementDlg(CWnd* parent) : CAdUiDialog(IDD_CALC_GISEMENT, parent) {}

BEGIN_MESSAGE_MAP(CCalcGisementDlg, CAdUiDialog)
  ON_EN_KILLFOCUS(IDC_CG_STA_X, &CCalcGisementDlg::OnCoordonneeQuittee)
  ON_EN_KILLFOCUS(IDC_CG_STA_Y, &CCalcGisementDlg::OnCoordonneeQuittee)
  ON_EN_KILLFOCUS(IDC_CG_DIR_X, &CCalcGisementDlg::OnCoordonneeQuittee)
  ON_EN_KILLFOCUS(IDC_CG_DIR_Y, &CCalcGisementDlg::OnCoordonneeQuittee)
END_MESSAGE_MAP()

void CCalcGisementDlg::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_CG_STA_NOM, m_station.nom);
  DDX_Text(pDX, IDC_CG_STA_X, m_station.x);
  DDX_Text(pDX, IDC_CG_STA_Y, m_station.y);
  DDX_Text(pDX, IDC_CG_DIR_NOM, m_direction.nom);
  DDX_Text(pDX, IDC_CG_DIR_X, m_direction.x);
  DDX_Text(pDX, IDC_CG_DIR_Y, m_direction.y);
  DDX_Text(pDX, IDC_CG_GISEMENT, m_gisement);
  DDX_Text(pDX, IDC_CG_UNITE, m_nomUnite);
}

BOOL CCalcGisementDlg::OnInitDialog() {
  m_nomUnite = nomUnite(m_unite);
  if (pointsDistincts()) {
    m_gisement.Format(L"%.4f", gisementDansUnite(m_station.x, m_station.y, m_direction.x,
                                                 m_direction.y, m_unite));
  }
  CAdUiDialog::OnInitDialog();
  return TRUE;
}

bool CCalcGisementDlg::pointsDistincts() const {
  return m_station.x != m_direction.x || m_station.y != m_direction.y;
}

void CCalcGisementDlg::recalculer() {
  if (pointsDistincts()) {
    m_valeur = gisementDansUnite(m_station.x, m_station.y, m_direction.x, m_direction.y, m_unite);
    m_gisement.Format(L"%.4f", m_valeur);
  } else {
    m_gisement.Empty();
  }
}

void CCalcGisementDlg::OnCoordonneeQuittee() {
  if (!UpdateData(TRUE)) return;
  recalculer();
  UpdateData(FALSE);
}

// Two equal points have no bearing: the user is told rather than given an arbitrary one.
void CCalcGisementDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!pointsDistincts()) {
    MessageBox(L"La station et la direction sont confondues : pas de gisement",
               L"Calcul de gisement", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  recalculer();
  EndDialog(IDOK);
}

bool calculerGisementVers(const stationConnue& visee, int unite, double& gisement, CWnd* parent) {
  ressourcesCourantes ressources;
  CCalcGisementDlg dialogue(parent);
  dialogue.m_unite = unite;
  dialogue.m_direction = visee;
  if (dialogue.DoModal() != IDOK) return false;
  gisement = dialogue.m_valeur;
  return true;
}
