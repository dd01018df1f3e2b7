#include "exchange/CTableLegendes.h"

#include "db/dbapserv.h"
#include "ed/aced.h"
#include "exchange/infoBlock.h"
#include "resources/resourceEchange.h"
#include "resources/ressourcesModule.h"

CTableLegendes::CTableLegendes(CWnd* parent) : CAdUiDialog(IDD_TABLE_LEGENDES, parent) {}

void CTableLegendes::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LEG_LISTE, m_liste);
  DDX_Text(pDX, IDC_LEG_TAILLE_TEXTES, m_params.tailleTextes);
  DDX_Text(pDX, IDC_LEG_TAILLE_BLOCS, m_params.tailleBlocs);
  DDX_Text(pDX, IDC_LEG_DISTANCE, m_params.distanceLignes);
  DDX_Text(pDX, IDC_LEG_LONGUEUR, m_params.longueurTrait);
  int calques = m_params.legendeCalques ? 1 : 0, grouper = m_params.grouper ? 1 : 0;
  DDX_Check(pDX, IDC_LEG_LAYERS, calques);
  DDX_Check(pDX, IDC_LEG_GROUPER, grouper);
  m_params.legendeCalques = calques != 0;
  m_params.grouper = grouper != 0;
}

BEGIN_MESSAGE_MAP(CTableLegendes, CAdUiDialog)
  ON_BN_CLICKED(IDC_LEG_TOUS, &CTableLegendes::OnTous)
  ON_BN_CLICKED(IDC_LEG_AUCUN, &CTableLegendes::OnAucun)
  ON_BN_CLICKED(IDC_LEG_INVERSER, &CTableLegendes::OnInverser)
  ON_BN_CLICKED(IDC_LEG_UTILISES, &CTableLegendes::OnUtilises)
  ON_BN_CLICKED(IDC_LEG_LAYERS, &CTableLegendes::OnLegendeCalques)
END_MESSAGE_MAP()

BOOL CTableLegendes::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  m_blocs = listerBlocks(acdbHostApplicationServices()->workingDatabase());
  m_descriptions.clear();
  for (const infoBlocks& bloc : m_blocs) m_descriptions.push_back(descriptionBlock(bloc.id, bloc.nom));
  m_coches.assign(m_blocs.size(), false);

  m_liste.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  CRect cadre;
  m_liste.GetClientRect(&cadre);
  const int l = cadre.Width();
  m_liste.InsertColumn(0, L"Block", LVCFMT_LEFT, l / 5);
  m_liste.InsertColumn(1, L"Description", LVCFMT_LEFT, 2 * l / 5);
  m_liste.InsertColumn(2, L"Occur", LVCFMT_RIGHT, l / 10);
  m_liste.InsertColumn(3, L"Taille X", LVCFMT_RIGHT, 3 * l / 20);
  m_liste.InsertColumn(4, L"Taille Y", LVCFMT_RIGHT, 3 * l / 20);
  CString texte;
  for (size_t i = 0; i < m_blocs.size(); ++i) {
    const int ligne = m_liste.InsertItem(static_cast<int>(i), m_blocs[i].nom);
    m_liste.SetItemText(ligne, 1, m_descriptions[i]);
    texte.Format(L"%d", m_blocs[i].occurrences);
    m_liste.SetItemText(ligne, 2, texte);
    texte.Format(L"%.2f", m_blocs[i].tailleX);
    m_liste.SetItemText(ligne, 3, texte);
    texte.Format(L"%.2f", m_blocs[i].tailleY);
    m_liste.SetItemText(ligne, 4, texte);
    m_liste.SetCheck(ligne, FALSE);
  }
  montrerLongueur();
  return TRUE;
}

void CTableLegendes::OnTous() {
  for (int i = 0; i < m_liste.GetItemCount(); ++i) m_liste.SetCheck(i, TRUE);
}

void CTableLegendes::OnAucun() {
  for (int i = 0; i < m_liste.GetItemCount(); ++i) m_liste.SetCheck(i, FALSE);
}

void CTableLegendes::OnInverser() {
  for (int i = 0; i < m_liste.GetItemCount(); ++i) m_liste.SetCheck(i, !m_liste.GetCheck(i));
}

void CTableLegendes::OnUtilises() {
  for (int i = 0; i < m_liste.GetItemCount(); ++i) m_liste.SetCheck(i, m_blocs[static_cast<size_t>(i)].occurrences != 0);
}

void CTableLegendes::OnLegendeCalques() { montrerLongueur(); }

void CTableLegendes::montrerLongueur() {
  const int montrer = IsDlgButtonChecked(IDC_LEG_LAYERS) == BST_CHECKED ? SW_SHOW : SW_HIDE;
  for (int id : {IDC_LEG_LONGUEUR, IDC_LEG_LIBELLE_LONGUEUR})
    if (CWnd* controle = GetDlgItem(id)) controle->ShowWindow(montrer);
}

void CTableLegendes::OnOK() {
  for (int i = 0; i < m_liste.GetItemCount(); ++i) m_coches[static_cast<size_t>(i)] = m_liste.GetCheck(i) != FALSE;
  CAdUiDialog::OnOK();
}

void tableDesLegendes() {
  CTableLegendes dialogue;
  {
    ressourcesCourantes ressources;
    if (dialogue.DoModal() != IDOK) return;
  }
  ads_point coin;
  if (acedGetPoint(nullptr, L"\nPosition des la table des légendes", coin) != RTNORM) return;
  dessinerLegende(dialogue.m_blocs, dialogue.m_descriptions, dialogue.m_coches, dialogue.m_params, coin[0], coin[1]);
}
