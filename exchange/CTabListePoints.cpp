#include "exchange/CTabListePoints.h"

#include "ed/aced.h"
#include "points/listePointsDuDessin.h"
#include "resources/resourceEchange.h"
#include "resources/ressourcesModule.h"

CTabListePoints::CTabListePoints(projetsTopo* projet, CWnd* parent)
    : CAdUiDialog(IDD_TABLES_POINTS, parent), m_projet(projet) {}

void CTabListePoints::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_TP_LISTE, m_liste);
}

BEGIN_MESSAGE_MAP(CTabListePoints, CAdUiDialog)
  ON_BN_CLICKED(IDC_TP_CREER, &CTabListePoints::OnCreer)
  ON_BN_CLICKED(IDC_TP_FUSIONNER, &CTabListePoints::OnFusionner)
  ON_BN_CLICKED(IDC_TP_SUPPRIMER, &CTabListePoints::OnSupprimer)
  ON_BN_CLICKED(IDC_TP_RENOMMER, &CTabListePoints::OnRenommer)
  ON_BN_CLICKED(IDC_TP_COURANT, &CTabListePoints::OnCourant)
END_MESSAGE_MAP()

BOOL CTabListePoints::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  CRect cadre;
  m_liste.GetClientRect(&cadre);
  m_liste.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  m_liste.InsertColumn(0, L"Nom de la table", LVCFMT_LEFT, cadre.Width() * 4 / 5 - 2);
  m_liste.InsertColumn(1, L"Nb Pts", LVCFMT_RIGHT, cadre.Width() / 5);
  remplir();
  return TRUE;
}

void CTabListePoints::ajouterLigne(int table) {
  listePointsDuDessin* points = m_projet->getTable(table);
  const int ligne = m_liste.InsertItem(m_liste.GetItemCount(), points->getNomTable());
  CString nombre;
  nombre.Format(L"%d", points->nbPoint());
  m_liste.SetItemText(ligne, 1, nombre);
}

void CTabListePoints::remplir() {
  m_liste.DeleteAllItems();
  for (int i = 0; i < m_projet->nbTables(); ++i) ajouterLigne(i);
  afficherCourante();
}

void CTabListePoints::afficherCourante() {
  const int courante = m_projet->current();
  const CString nom = courante >= 0 && courante < m_projet->nbTables() ? m_projet->getTable(courante)->getNomTable() : CString();
  SetDlgItemText(IDC_TP_COURANTE, L"Table:" + nom);
}

std::vector<int> CTabListePoints::lignesChoisies() const {
  std::vector<int> lignes;
  for (int i = 0; i < m_liste.GetItemCount(); ++i)
    if (m_liste.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED) lignes.push_back(i);
  return lignes;
}

int CTabListePoints::seuleLigneChoisie() {
  const std::vector<int> lignes = lignesChoisies();
  if (lignes.size() == 1) return lignes.front();
  MessageBox(L"Selectionnez un seul element SVP", L"erreur", MB_OK | MB_ICONEXCLAMATION);
  return -1;
}

void CTabListePoints::OnCreer() {
  CString nom;
  nom.Format(L"Table %d", m_projet->nbTables() + 1);
  m_projet->creerTablePoints(nom);
  remplir();
}

void CTabListePoints::OnCourant() {
  const int ligne = seuleLigneChoisie();
  if (ligne < 0) return;
  m_projet->setCurrent(ligne);
  afficherCourante();
}

void CTabListePoints::OnRenommer() {
  const int ligne = seuleLigneChoisie();
  if (ligne < 0) return;
  CString nom;
  GetDlgItemText(IDC_TP_NOM, nom);
  nom.Trim();
  if (nom.IsEmpty()) return;
  m_projet->getTable(ligne)->setNomTable(nom);
  m_liste.SetItemText(ligne, 0, nom);
  afficherCourante();
}

void CTabListePoints::OnFusionner() {
  const std::vector<int> lignes = lignesChoisies();
  if (lignes.size() < 2) {
    MessageBox(L"Vous devez selectionner au moins\ndeux (02) tables a fusionner", L"erreur", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  CString nom = m_projet->getTable(lignes.front())->getNomTable();
  m_projet->creerTablePoints(nom);
  const int nouvelle = m_projet->nbTables() - 1;
  listePointsDuDessin* fusion = m_projet->getTable(nouvelle);
  fusion->fusionnerAvec(*m_projet->getTable(lignes.front()));
  for (size_t i = 1; i < lignes.size(); ++i) {
    const listePointsDuDessin* autre = m_projet->getTable(lignes[i]);
    CString suite;
    suite.Format(L"%s + %s", nom.GetString(), autre->getNomTable().GetString());
    nom = suite;
    fusion->fusionnerAvec(*autre);
  }
  fusion->setNomTable(nom);
  // The merged points keep the blocks of their tables: numbered again, those blocks show it.
  fusion->renumeroter(true);
  ajouterLigne(nouvelle);
}

void CTabListePoints::OnSupprimer() {
  const std::vector<int> lignes = lignesChoisies();
  if (lignes.empty()) return;
  for (auto it = lignes.rbegin(); it != lignes.rend(); ++it) m_projet->removeTablePoints(*it);
  remplir();
}

void gererLeves() {
  if (tablesPoints == nullptr) {
    acutPrintf(L"\nAucun projet topo n'est désigné pour ce dessin");
    return;
  }
  ressourcesCourantes ressources;
  CTabListePoints dialogue(tablesPoints);
  dialogue.DoModal();
}
