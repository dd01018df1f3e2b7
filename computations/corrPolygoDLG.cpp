#include "computations/corrPolygoDLG.h"

#include "computations/rapportPolygonale.h"
#include "resources/resourcePolygonales.h"

namespace {

const controlesPolygonale kControles = {IDC_PF_LISTE,    IDC_PF_STATION,  IDC_PF_ANGLE,
                                        IDC_PF_DISTANCE, IDC_PF_ALTITUDE, IDC_PF_UNITE,
                                        IDC_PF_NIVELLEMENT};

}  // namespace

corrPolygoDLG::corrPolygoDLG(CWnd* parent)
    : dialoguePolygonale(IDD_CORR_POLYGO_FERMEE, kControles, false, parent) {
  m_donnees.depart.nom = L"ST1";
  m_donnees.depart.x = 1000;
  m_donnees.depart.y = 1000;
  m_donnees.depart.z = 100;
}

BEGIN_MESSAGE_MAP(corrPolygoDLG, dialoguePolygonale)
  ON_EN_KILLFOCUS(IDC_PF_NOM, &corrPolygoDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PF_X, &corrPolygoDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PF_Y, &corrPolygoDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PF_Z, &corrPolygoDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PF_GISEMENT, &corrPolygoDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PF_STATION, &corrPolygoDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PF_ANGLE, &corrPolygoDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PF_DISTANCE, &corrPolygoDLG::OnChampQuitte)
  ON_EN_KILLFOCUS(IDC_PF_ALTITUDE, &corrPolygoDLG::OnChampQuitte)
  ON_CBN_KILLFOCUS(IDC_PF_UNITE, &corrPolygoDLG::OnChampQuitte)
  ON_CBN_KILLFOCUS(IDC_PF_NIVELLEMENT, &corrPolygoDLG::OnChampQuitte)
END_MESSAGE_MAP()

void corrPolygoDLG::echangerStations(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_PF_NOM, m_donnees.depart.nom);
  DDX_Text(pDX, IDC_PF_X, m_donnees.depart.x);
  DDX_Text(pDX, IDC_PF_Y, m_donnees.depart.y);
  DDX_Text(pDX, IDC_PF_Z, m_donnees.depart.z);
  DDX_Text(pDX, IDC_PF_GISEMENT, m_donnees.depart.gisement);
}

int corrPolygoDLG::calculer(htmlPage* page, resultatsAPlacer& resultats) {
  entreesPolygonale entrees;
  entrees.depart = m_donnees.depart;
  entrees.unite = m_donnees.unite;
  entrees.nivellement = m_donnees.nivellement;
  entrees.observees = convertirLignes(m_donnees.lignes);
  std::vector<obsPolygonale> lignes = entrees.observees;
  resultatPolygonaleFermee r;
  const int statut = calculerPolygonaleFermee(entrees.depart, entrees.nivellement, entrees.unite,
                                              lignes, r);
  if (statut != kPolygonaleCalculee) return statut;
  if (page != nullptr) rapportPolygonaleFermee(entrees, r, *page);
  retenirStations(r, true, resultats);
  polygonaleBrute(entrees.depart, entrees.unite, false, entrees.observees, resultats.brutX,
                  resultats.brutY);
  return statut;
}
