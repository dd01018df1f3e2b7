#include "exchange/CParamMiseEnPlaceTableCoordonnees.h"

#include "resources/resourceEchange.h"
#include "resources/ressourcesModule.h"

namespace {

constexpr int kColonnes[kNbColonnesTable] = {IDC_TC_NUMEROS, IDC_TC_X, IDC_TC_Y, IDC_TC_Z, IDC_TC_CODE, IDC_TC_LIBELLE};
// Frame bits 1, 2, 4, 8 in this order.
constexpr int kCadres[4] = {IDC_TC_SEP_COLONNES, IDC_TC_SEP_ENTETE, IDC_TC_SEP_LIGNES, IDC_TC_ENCADRER};

}  // namespace

CParamMiseEnPlaceTableCoordonnees::CParamMiseEnPlaceTableCoordonnees(CWnd* parent)
    : CAdUiDialog(IDD_PARAMS_TABLE_COORD, parent) {}

BEGIN_MESSAGE_MAP(CParamMiseEnPlaceTableCoordonnees, CAdUiDialog)
  ON_BN_CLICKED(IDC_TC_INFOS_TOUT, &CParamMiseEnPlaceTableCoordonnees::OnInfosTout)
  ON_BN_CLICKED(IDC_TC_INFOS_STD, &CParamMiseEnPlaceTableCoordonnees::OnInfosStd)
  ON_BN_CLICKED(IDC_TC_CADRE_TOUT, &CParamMiseEnPlaceTableCoordonnees::OnCadreTout)
  ON_BN_CLICKED(IDC_TC_CADRE_STD, &CParamMiseEnPlaceTableCoordonnees::OnCadreStd)
END_MESSAGE_MAP()

BOOL CParamMiseEnPlaceTableCoordonnees::OnInitDialog() {
  for (int id : {IDC_TC_PRECISION_XY, IDC_TC_PRECISION_Z}) {
    auto* liste = static_cast<CComboBox*>(GetDlgItem(id));
    if (liste == nullptr) continue;
    for (const wchar_t* item : {L"0", L"0.0", L"0.00", L"0.000", L"0.0000", L"0.00000"}) liste->AddString(item);
  }
  return CAdUiDialog::OnInitDialog();
}

void CParamMiseEnPlaceTableCoordonnees::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_TC_HAUTEUR, m_params.hauteur);
  DDV_MinMaxDouble(pDX, m_params.hauteur, 0.001, 1e6);
  for (int c = 0; c < kNbColonnesTable; ++c) {
    int coche = m_params.colonnes[c] ? 1 : 0;
    DDX_Check(pDX, kColonnes[c], coche);
    m_params.colonnes[c] = coche != 0;
  }
  DDX_CBIndex(pDX, IDC_TC_PRECISION_XY, m_params.decimalesXY);
  DDX_CBIndex(pDX, IDC_TC_PRECISION_Z, m_params.decimalesZ);
  for (int b = 0; b < 4; ++b) {
    int coche = (m_params.cadre >> b) & 1;
    DDX_Check(pDX, kCadres[b], coche);
    m_params.cadre = coche ? (m_params.cadre | (1 << b)) : (m_params.cadre & ~(1 << b));
  }
}

void CParamMiseEnPlaceTableCoordonnees::cocher(const int* ids, const bool* etats, int nombre) {
  for (int i = 0; i < nombre; ++i) CheckDlgButton(ids[i], etats[i] ? BST_CHECKED : BST_UNCHECKED);
}

void CParamMiseEnPlaceTableCoordonnees::OnInfosTout() {
  const bool tout[kNbColonnesTable] = {true, true, true, true, true, true};
  cocher(kColonnes, tout, kNbColonnesTable);
}

void CParamMiseEnPlaceTableCoordonnees::OnInfosStd() {
  const bool standard[kNbColonnesTable] = {true, true, true, true, false, false};
  cocher(kColonnes, standard, kNbColonnesTable);
}

void CParamMiseEnPlaceTableCoordonnees::OnCadreTout() {
  const bool tout[4] = {true, true, true, true};
  cocher(kCadres, tout, 4);
}

void CParamMiseEnPlaceTableCoordonnees::OnCadreStd() {
  const bool standard[4] = {true, true, false, true};
  cocher(kCadres, standard, 4);
}

bool choisirParamsTableCoordonnees(paramsTableCoordonnees& params, CWnd* parent) {
  ressourcesCourantes ressources;
  CParamMiseEnPlaceTableCoordonnees dialogue(parent);
  dialogue.m_params = params;
  if (dialogue.DoModal() != IDOK) return false;
  params = dialogue.m_params;
  return true;
}
