#include "codification/CDlgTabCodification.h"

#include <cwchar>

#include "codification/DlgCodification.h"
#include "codification/globalCodification.h"
#include "resources/resource.h"
#include "resources/ressourcesModule.h"

namespace {

// The columns: heading, alignment and share of the list's width (percent).
struct colonneListe {
  const wchar_t* titre;
  int format;
  int pourcentage;
};
const colonneListe kColonnes[] = {
    {L"Code", LVCFMT_LEFT, 20},
    {L"Libéllé", LVCFMT_LEFT, 30},
    {L"PreciZ", LVCFMT_RIGHT, 15},
    {L"Chemin", LVCFMT_LEFT, 35},
};

struct critereTri {
  const tableCodification* table;
  int colonne;
};

int comparerLignes(LPARAM codeA, LPARAM codeB, LPARAM critere) {
  const auto* tri = reinterpret_cast<const critereTri*>(critere);
  return tri->table->compareCodes(static_cast<int>(codeA), static_cast<int>(codeB), tri->colonne);
}

}  // namespace

CDlgTabCodification::CDlgTabCodification(tableCodification* table, CWnd* parent)
    : CAdUiDialog(IDD_TABLE_CODIFICATION, parent), m_table(table) {}

void CDlgTabCodification::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_TABCODIF_LISTE, m_liste);
}

BEGIN_MESSAGE_MAP(CDlgTabCodification, CAdUiDialog)
ON_BN_CLICKED(IDC_TABCODIF_NOUVEAU, &CDlgTabCodification::OnNouveau)
ON_BN_CLICKED(IDC_TABCODIF_SUPPRIMER, &CDlgTabCodification::OnSupprimer)
ON_NOTIFY(NM_DBLCLK, IDC_TABCODIF_LISTE, &CDlgTabCodification::OnDblClkListe)
ON_NOTIFY(LVN_COLUMNCLICK, IDC_TABCODIF_LISTE, &CDlgTabCodification::OnColumnClickListe)
END_MESSAGE_MAP()

BOOL CDlgTabCodification::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  m_liste.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP);
  CRect cadre;
  m_liste.GetClientRect(&cadre);
  for (int i = 0; i < 4; ++i) {
    m_liste.InsertColumn(i, kColonnes[i].titre, kColonnes[i].format,
                         cadre.Width() * kColonnes[i].pourcentage / 100);
  }
  for (int i = 0; i < m_table->count(); ++i) ajouterLigne(m_table->getAt(i).code);
  return TRUE;
}

void CDlgTabCodification::ajouterLigne(int code) {
  CString numero;
  numero.Format(L"%5d", code);
  const int ligne = m_liste.InsertItem(m_liste.GetItemCount(), numero);
  m_liste.SetItemData(ligne, static_cast<DWORD_PTR>(static_cast<unsigned>(code)));
  rafraichirLigne(ligne);
}

void CDlgTabCodification::rafraichirLigne(int ligne) {
  const int code = static_cast<int>(m_liste.GetItemData(ligne));
  const int index = m_table->indexOfCode(code);
  if (index < 0) return;
  const codifPoint& codif = m_table->getAt(index);
  CString decimales;
  decimales.Format(L"%d", codif.precisionAltitudes);
  m_liste.SetItemText(ligne, 1, codif.libelle);
  m_liste.SetItemText(ligne, 2, decimales);
  m_liste.SetItemText(ligne, 3, codif.chemin);
}

void CDlgTabCodification::OnNouveau() {
  DlgCodification dialogue(this);
  dialogue.m_code = L"-1";
  dialogue.m_libelle = L" ???";
  dialogue.m_table = m_table;
  if (dialogue.DoModal() != IDOK) return;
  // Only the number, label and block come from the dialog; the rest are a new code's defaults.
  codifPoint nouveau;
  nouveau.code = static_cast<int>(std::wcstol(dialogue.m_code, nullptr, 10));
  nouveau.libelle = dialogue.m_libelle;
  nouveau.chemin = dialogue.m_chemin;
  m_table->Add(nouveau);
  ajouterLigne(nouveau.code);
}

void CDlgTabCodification::OnDblClkListe(NMHDR* notification, LRESULT* resultat) {
  *resultat = 0;
  const int ligne = reinterpret_cast<NMITEMACTIVATE*>(notification)->iItem;
  if (ligne < 0 || ligne >= m_liste.GetItemCount()) return;
  codifPoint& codif = m_table->getCodif(static_cast<int>(m_liste.GetItemData(ligne)));
  DlgCodification dialogue(this);
  dialogue.m_modeEdition = true;
  dialogue.m_table = m_table;
  dialogue.depuisCodif(codif);
  if (dialogue.DoModal() != IDOK) return;
  dialogue.versCodif(codif);
  rafraichirLigne(ligne);
}

void CDlgTabCodification::OnSupprimer() {
  if (m_liste.GetSelectedCount() == 0) return;
  if (MessageBox(L"Confirmez la suppression\ndes éléments sélectionnés", L"Suppression",
                 MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }
  for (POSITION position = m_liste.GetFirstSelectedItemPosition(); position != nullptr;
       position = m_liste.GetFirstSelectedItemPosition()) {
    const int ligne = m_liste.GetNextSelectedItem(position);
    const int code = static_cast<int>(m_liste.GetItemData(ligne));
    m_liste.DeleteItem(ligne);
    const int index = m_table->indexOfCode(code);
    if (index >= 0) m_table->removeAt(index);
  }
}

void CDlgTabCodification::OnColumnClickListe(NMHDR* notification, LRESULT* resultat) {
  *resultat = 0;
  const critereTri critere{m_table, reinterpret_cast<NMLISTVIEW*>(notification)->iSubItem};
  m_liste.SortItems(comparerLignes, reinterpret_cast<DWORD_PTR>(&critere));
}

void editerTableCodification() {
  tableCodification* table = globalCodification();
  {
    ressourcesCourantes ressources;
    try {
      CDlgTabCodification dialogue(table);
      dialogue.DoModal();
    } catch (CException* erreur) {
      erreur->ReportError();
      erreur->Delete();
    }
  }
  table->save();
}
