#include "computations/corrPolygoOuverteDLG.h"

#include "computations/CCalcGisementDlg.h"
#include "computations/rapportPolygonale.h"
#include "resources/resourcePolygonales.h"

namespace {

const controlesPolygonale kControles = {IDC_PO_LISTE,    IDC_PO_STATION,  IDC_PO_ANGLE,
                                        IDC_PO_DISTANCE, IDC_PO_ALTITUDE, IDC_PO_UNITE,
                                        IDC_PO_NIVELLEMENT};

}  // namespace

corrPolygoOuverteDLG::corrPolygoOuverteDLG(CWnd* parent)
    : dialoguePolygonale(IDD_CORR_POLYGO_OUVERTE, kControles, true, parent) {}

BEGIN_MESSAGE_MAP(corrPolygoOuverteDLG, dialoguePolygonale)
  ON_BN_CLICKED(IDC_PO_CAL_DEPART, &corrPolygoOuverteDLG::OnCalDepart)
  ON_BN_CLICKED(IDC_PO_CAL_ARRIVEE, &corrPolygoOuverteDLG::OnCalArrivee)
  ON_EN_KILLFOCUS(IDC_PO_DEP_NOM, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_DEP_X, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_DEP_Y, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_DEP_Z, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_DEP_GISEMENT, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_ARR_NOM, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_ARR_X, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_ARR_Y, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_ARR_Z, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_ARR_GISEMENT, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_DERNIER_ANGLE, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_STATION, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_ANGLE, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_DISTANCE, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PO_ALTITUDE, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_CBN_KILLFOCUS(IDC_PO_UNITE, &corrPolygoOuverteDLG::OnChampQuitte)
  ON_CBN_KILLFOCUS(IDC_PO_NIVELLEMENT, &corrPolygoOuverteDLG::OnChampQuitte)
END_MESSAGE_MAP()

void corrPolygoOuverteDLG::echangerStations(CDataExchange* pDX) {
  stationConnue& d = m_donnees.depart;
  stationConnue& a = m_donnees.arrivee;
  DDX_Text(pDX, IDC_PO_DEP_NOM, d.nom);
  DDX_Text(pDX, IDC_PO_DEP_X, d.x);
  DDX_Text(pDX, IDC_PO_DEP_Y, d.y);
  DDX_Text(pDX, IDC_PO_DEP_Z, d.z);
  DDX_Text(pDX, IDC_PO_DEP_GISEMENT, d.gisement);
  DDX_Text(pDX, IDC_PO_ARR_NOM, a.nom);
  DDX_Text(pDX, IDC_PO_ARR_X, a.x);
  DDX_Text(pDX, IDC_PO_ARR_Y, a.y);
  DDX_Text(pDX, IDC_PO_ARR_Z, a.z);
  DDX_Text(pDX, IDC_PO_ARR_GISEMENT, a.gisement);
  DDX_Text(pDX, IDC_PO_DERNIER_ANGLE, m_donnees.fermeture);
}

// The calculator aims at this station; on OK its bearing becomes the station's.
void corrPolygoOuverteDLG::calculerGisement(stationConnue& station) {
  if (!UpdateData(TRUE)) return;
  double gisement = station.gisement;
  if (!calculerGisementVers(station, m_donnees.unite, gisement, this)) return;
  station.gisement = gisement;
  UpdateData(FALSE);
}

void corrPolygoOuverteDLG::OnCalDepart() { calculerGisement(m_donnees.depart); }
void corrPolygoOuverteDLG::OnCalArrivee() { calculerGisement(m_donnees.arrivee); }

int corrPolygoOuverteDLG::calculer(htmlPage* page, resultatsAPlacer& resultats) {
  entreesPolygonale entrees;
  entrees.depart = m_donnees.depart;
  entrees.arrivee = m_donnees.arrivee;
  entrees.fermeture = m_donnees.fermeture;
  entrees.unite = m_donnees.unite;
  entrees.nivellement = m_donnees.nivellement;
  entrees.observees = convertirLignes(m_donnees.lignes);
  std::vector<obsPolygonale> lignes = entrees.observees;
  resultatPolygonaleOuverte r;
  const int statut = calculerPolygonaleOuverte(entrees.depart, entrees.arrivee, entrees.fermeture,
                                               entrees.nivellement, entrees.unite, lignes, r);
  if (statut != kPolygonaleCalculee) return statut;
  if (page != nullptr) rapportPolygonaleOuverte(entrees, r, *page);
  retenirStations(r, false, resultats);
  polygonaleBrute(entrees.depart, entrees.unite, true, entrees.observees, resultats.brutX,
                  resultats.brutY);
  return statut;
}
