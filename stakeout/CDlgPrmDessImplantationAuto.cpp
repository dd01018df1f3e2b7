#include "stakeout/CDlgPrmDessImplantationAuto.h"

#include "resources/resourceImplantation.h"
#include "resources/ressourcesModule.h"
#include "stakeout/contexteImplantation.h"
#include "stakeout/reglagesImplantation.h"

namespace {
constexpr int kCombosCouleurs[5] = {IDC_PARDESS_NON_VERIFIE, IDC_PARDESS_NON_VISIBLE,
                                    IDC_PARDESS_VISIBLE, IDC_PARDESS_STATION_OBS,
                                    IDC_PARDESS_STATION_REF};
}

CDlgPrmDessImplantationAuto::CDlgPrmDessImplantationAuto(CWnd* parent)
    : CAdUiDialog(IDD_PARAMS_DESSIN_IMPLANTATION, parent) {}

BEGIN_MESSAGE_MAP(CDlgPrmDessImplantationAuto, CAdUiDialog)
END_MESSAGE_MAP()

void CDlgPrmDessImplantationAuto::depuis(const contexteImplantation& contexte) {
  const reglagesImplantation& r = reglagesGlobauxImplantation();
  m_hauteurTexte = r.hauteurTexte;
  m_largeurFleche = r.largeurFleche;
  m_longueurFleche = r.longueurFleche;
  m_croixPoints = r.tailleCroixPoints;
  m_croixStations = r.tailleCroixStations;
  const int couleurs[5] = {r.couleurNonVerifie, r.couleurNonVisible, r.couleurVisible,
                           r.couleurStationObs, r.couleurStationRef};
  for (int i = 0; i < 5; ++i) m_couleurs[i] = couleurs[i];
  m_numeros = contexte.options().placerNumeros != 0;
  m_implantations = contexte.options().dessinerLignes != 0;
  m_textes = contexte.options().textesAnglesDistances != 0;
  m_stations = contexte.options().dessinerStations != 0;
  m_groupement = static_cast<int>(contexte.options().modeGroupement);
}

void CDlgPrmDessImplantationAuto::vers(contexteImplantation& contexte) const {
  reglagesImplantation& r = reglagesGlobauxImplantation();
  r.setHauteurTexte(m_hauteurTexte);
  r.largeurFleche = m_largeurFleche;
  r.longueurFleche = m_longueurFleche;
  r.tailleCroixPoints = m_croixPoints;
  r.tailleCroixStations = m_croixStations;  // the dialog's own value wins over the text's
  r.couleurNonVerifie = m_couleurs[0];
  r.couleurNonVisible = m_couleurs[1];
  r.couleurVisible = m_couleurs[2];
  r.couleurStationObs = m_couleurs[3];
  r.couleurStationRef = m_couleurs[4];
  contexte.options().placerNumeros = m_numeros != 0;
  contexte.options().dessinerLignes = m_implantations != 0;
  contexte.options().textesAnglesDistances = m_textes != 0;
  contexte.options().dessinerStations = m_stations != 0;
  contexte.options().modeGroupement = static_cast<Adesk::UInt32>(m_groupement);
}

BOOL CDlgPrmDessImplantationAuto::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  for (int i = 0; i < 5; ++i) m_combos[i].SetCurrentItemColor(m_couleurs[i]);
  return TRUE;
}

void CDlgPrmDessImplantationAuto::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  for (int i = 0; i < 5; ++i) DDX_Control(pDX, kCombosCouleurs[i], m_combos[i]);
  DDX_Text(pDX, IDC_PARDESS_TEXTES, m_hauteurTexte);
  DDV_MinMaxDouble(pDX, m_hauteurTexte, 1e-6, 1e36);
  DDX_Text(pDX, IDC_PARDESS_LARGEUR_FLECHE, m_largeurFleche);
  DDV_MinMaxDouble(pDX, m_largeurFleche, 0.0, 1e36);
  DDX_Text(pDX, IDC_PARDESS_LONGUEUR_FLECHE, m_longueurFleche);
  DDV_MinMaxDouble(pDX, m_longueurFleche, 0.0, 1e36);
  DDX_Text(pDX, IDC_PARDESS_CROIX_POINTS, m_croixPoints);
  DDV_MinMaxDouble(pDX, m_croixPoints, 0.0, 1e36);
  DDX_Text(pDX, IDC_PARDESS_CROIX_STATIONS, m_croixStations);
  DDV_MinMaxDouble(pDX, m_croixStations, 0.0, 1e36);
  DDX_Check(pDX, IDC_PARDESS_NUMEROS, m_numeros);
  DDX_Check(pDX, IDC_PARDESS_IMPLANTATIONS, m_implantations);
  DDX_Check(pDX, IDC_PARDESS_TEXTES_ANGLES, m_textes);
  DDX_Check(pDX, IDC_PARDESS_STATIONS, m_stations);
  DDX_Radio(pDX, IDC_PARDESS_NE_PAS_GROUPER, m_groupement);
  if (pDX->m_bSaveAndValidate) {
    for (int i = 0; i < 5; ++i) m_couleurs[i] = m_combos[i].GetCurrentItemColor();
  }
}

bool choisirParametresDessin(contexteImplantation& contexte) {
  ressourcesCourantes ressources;
  CDlgPrmDessImplantationAuto dialogue;
  dialogue.depuis(contexte);
  if (dialogue.DoModal() != IDOK) return false;
  dialogue.vers(contexte);
  return true;
}
