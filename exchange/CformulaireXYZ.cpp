#include "exchange/CformulaireXYZ.h"

#include "codification/globalCodification.h"
#include "codification/tableCodification.h"
#include "exchange/tableObsXYZ.h"
#include "points/CModeNumerotation.h"
#include "points/listePointsDuDessin.h"
#include "resources/resourceEchange.h"
#include "resources/ressourcesModule.h"
#include "ui/afxdlgs.h"

namespace {

constexpr wchar_t kFiltreLecture[] = L"Fichier XYZ (.XYZ)|*.xyz|Tous (*.*)|*.*||";
constexpr wchar_t kFiltreEcriture[] = L"Fichier Texte (.TXT)|*.txt|Tous (*.*)|*.*||";

struct triEnCours {
  const tableObsXYZ* table;
  int colonne;
};

}  // namespace

CformulaireXYZ::CformulaireXYZ(tableObsXYZ* table, tableCodification* codes, CWnd* parent)
    : CAdUiDialog(IDD_FORMULAIRE_XYZ, parent), m_table(table), m_codes(codes) {}

void CformulaireXYZ::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FXYZ_LISTE, m_liste);
}

BEGIN_MESSAGE_MAP(CformulaireXYZ, CAdUiDialog)
  ON_COMMAND(ID_TABLE_CHARGER, &CformulaireXYZ::OnCharger)
  ON_COMMAND(ID_TABLE_SAUVEGARDER, &CformulaireXYZ::OnSauvegarder)
  ON_COMMAND(ID_TABLE_FUSIONNER, &CformulaireXYZ::OnFusionner)
  ON_COMMAND(ID_TABLE_FIN, &CformulaireXYZ::OnFin)
  ON_COMMAND(ID_POINTS_PLACER, &CformulaireXYZ::OnPlacer)
  ON_COMMAND(ID_POINTS_RENUMEROTER, &CformulaireXYZ::OnRenumeroter)
  ON_NOTIFY(LVN_COLUMNCLICK, IDC_FXYZ_LISTE, &CformulaireXYZ::OnClicColonne)
END_MESSAGE_MAP()

BOOL CformulaireXYZ::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  CRect cadre;
  m_liste.GetClientRect(&cadre);
  const int largeur = cadre.Width();
  m_liste.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP);
  const struct {
    const wchar_t* titre;
    int format;
    int pourcent;
  } colonnes[] = {{L"Numero", LVCFMT_LEFT, 8}, {L"X  ", LVCFMT_RIGHT, 15}, {L"Y  ", LVCFMT_RIGHT, 15},
                  {L"Z  ", LVCFMT_RIGHT, 15},  {L"Code", LVCFMT_LEFT, 25},  {L"Obs", LVCFMT_LEFT, 22}};
  for (int i = 0; i < 6; ++i) m_liste.InsertColumn(i, colonnes[i].titre, colonnes[i].format, largeur * colonnes[i].pourcent / 100);
  remplir();
  return TRUE;
}

void CformulaireXYZ::remplir() {
  m_liste.DeleteAllItems();
  if (m_table == nullptr) return;
  m_liste.SetItemCount(m_table->count());
  CString texte;
  for (int i = 0; i < m_table->count(); ++i) {
    const pointXYZ& record = m_table->getAt(i);
    const int ligne = m_liste.InsertItem(i, record.nom);
    m_liste.SetItemData(ligne, static_cast<DWORD_PTR>(record.id));
    texte.Format(L"%.3f", record.x);
    m_liste.SetItemText(ligne, 1, texte);
    texte.Format(L"%.3f", record.y);
    m_liste.SetItemText(ligne, 2, texte);
    if (record.z == kSansValeur) {
      texte.Empty();
    } else {
      texte.Format(L"%.3f", record.z);
    }
    m_liste.SetItemText(ligne, 3, texte);
    if (m_codes != nullptr) m_liste.SetItemText(ligne, 4, m_codes->getLibelle(record.code));
  }
}

void CformulaireXYZ::charger(bool vider) {
  if (m_table == nullptr) return;
  CFileDialog choix(TRUE, L"XYZ", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kFiltreLecture, this);
  if (choix.DoModal() != IDOK) return;
  const CString chemin = choix.GetPathName();
  m_table->setChemin(chemin);
  if (!m_table->load(nullptr, vider)) {
    CString message;
    message.Format(L"Impossible de lire le fichier\n%s", chemin.GetString());
    MessageBox(message, L"erreur", MB_OK | MB_ICONEXCLAMATION);
  }
  remplir();
}

void CformulaireXYZ::OnCharger() { charger(true); }
void CformulaireXYZ::OnFusionner() { charger(false); }

bool CformulaireXYZ::tableNonVide() {
  if (m_table != nullptr && m_table->count() > 0) return true;
  MessageBox(L"La table ne contient aucun point", L"Points en XYZ", MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void CformulaireXYZ::OnSauvegarder() {
  // An empty table would replace a file with nothing.
  if (!tableNonVide()) return;
  CFileDialog choix(FALSE, L"XYZ", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                    kFiltreEcriture, this);
  if (choix.DoModal() != IDOK) return;
  m_table->save(choix.GetPathName());
}

void CformulaireXYZ::OnFin() { EndDialog(IDOK); }

void CformulaireXYZ::OnPlacer() {
  if (!tableNonVide()) return;
  if (tablesPoints == nullptr) {
    MessageBox(L"Aucune table de points n'est désignée pour ce dessin", L"erreur", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  m_table->placeInDrawing(m_codes);
}

void CformulaireXYZ::OnRenumeroter() {
  if (!tableNonVide()) return;
  CString prefixe, suffixe;
  int premier = 1;
  if (!choisirNumerotation(prefixe, premier, suffixe)) return;
  m_table->renumber(prefixe, premier, suffixe);
  remplir();
}

int CformulaireXYZ::comparer(LPARAM a, LPARAM b, LPARAM tri) {
  const auto* t = reinterpret_cast<const triEnCours*>(tri);
  return t->table->compare(static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(b), t->colonne);
}

void CformulaireXYZ::OnClicColonne(NMHDR* notification, LRESULT* resultat) {
  *resultat = 0;
  if (m_table == nullptr) return;
  triEnCours tri{m_table, reinterpret_cast<NMLISTVIEW*>(notification)->iSubItem};
  m_liste.SortItems(&CformulaireXYZ::comparer, reinterpret_cast<DWORD_PTR>(&tri));
}

void ouvrirFormulaireXYZ() {
  tableObsXYZ table;
  table.setCodes(globalCodification());
  ressourcesCourantes ressources;
  CformulaireXYZ formulaire(&table, table.codes());
  formulaire.DoModal();
}
