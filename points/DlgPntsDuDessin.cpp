#include "points/DlgPntsDuDessin.h"

#include <strings.h>

#include <cctype>
#include <cstdlib>

#include "codification/tableCodification.h"
#include "host/CMyProgressDlg.h"
#include "exchange/CParamImportPntsDuDessin.h"
#include "exchange/exportAction.h"
#include "exchange/CParamMiseEnPlaceTableCoordonnees.h"
#include "exchange/tableCoordonnees.h"
#include "os/codepage.h"
#include "points/listePointsDuDessin.h"
#include "resources/resource.h"

namespace {

enum colonne { kOrdre, kNum, kX, kY, kZ, kCode };
constexpr int kTous = -1;  // item data of "*** TOUS LES CODES ***"

// Shared by every opening of the dialog, as the user left it.
int g_colonneTri = -1;
bool g_descendant = false;

template <typename T>
int signe(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

void oublierTriPoints() {
  g_colonneTri = -1;
  g_descendant = false;
}

int comparerNomsPoints(const char* a, const char* b) {
  if (strcasecmp(a, b) == 0) return 0;
  auto decouper = [](const char* nom, std::string& tete, long& nombre, const char*& reste) {
    const char* p = nom;
    while (*p != '\0' && !std::isdigit(static_cast<unsigned char>(*p))) ++p;
    tete.assign(nom, p);
    char* fin = nullptr;
    nombre = std::isdigit(static_cast<unsigned char>(*p)) ? std::strtol(p, &fin, 10) : -1;
    reste = fin != nullptr ? fin : p;
  };
  std::string teteA, teteB;
  long nombreA = 0, nombreB = 0;
  const char *resteA = nullptr, *resteB = nullptr;
  decouper(a, teteA, nombreA, resteA);
  decouper(b, teteB, nombreB, resteB);
  if (teteA.empty() != teteB.empty()) return teteA.empty() ? 1 : -1;
  if (int c = strcasecmp(teteA.c_str(), teteB.c_str())) return c < 0 ? -1 : 1;
  if (nombreA != nombreB) return nombreA < nombreB ? -1 : 1;
  const int c = strcasecmp(resteA, resteB);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

DlgPntsDuDessin::DlgPntsDuDessin(tableCodification* codes, listePointsDuDessin* points, CWnd* parent)
    : CAdUiDialog(IDD_POINTS_DESSIN, parent), m_codes(codes), m_points(points) {}

void DlgPntsDuDessin::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PTS_CODE, m_filtre);
  DDX_Control(pDX, IDC_PTS_LISTE, m_liste);
}

BEGIN_MESSAGE_MAP(DlgPntsDuDessin, CAdUiDialog)
  ON_CBN_SELCHANGE(IDC_PTS_CODE, &DlgPntsDuDessin::OnChangementCode)
  ON_NOTIFY(LVN_COLUMNCLICK, IDC_PTS_LISTE, &DlgPntsDuDessin::OnClicColonne)
  ON_BN_CLICKED(IDC_PTS_RAFRAICHIR, &DlgPntsDuDessin::OnRaffraichir)
  ON_BN_CLICKED(IDC_PTS_PLACER, &DlgPntsDuDessin::OnPlacer)
  ON_BN_CLICKED(IDC_PTS_EXPORTER, &DlgPntsDuDessin::OnExporter)
  ON_BN_CLICKED(IDC_PTS_TABLEXYZ, &DlgPntsDuDessin::OnTableXYZ)
  ON_BN_CLICKED(IDC_PTS_IMPORTER, &DlgPntsDuDessin::OnImporter)
END_MESSAGE_MAP()

BOOL DlgPntsDuDessin::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  const int boutons[] = {IDC_PTS_EXPORTER, IDC_PTS_TABLEXYZ, IDC_PTS_PLACER, IDC_PTS_IMPORTER,
                         IDC_PTS_RAFRAICHIR};
  for (int i = 0; i < 5; ++i) {
    if (CWnd* bouton = GetDlgItem(boutons[i])) bouton->ShowWindow((m_masque & (1 << i)) ? SW_SHOW : SW_HIDE);
  }
  remplirCodes(m_codePreselectionne);

  CRect cadre;
  m_liste.GetClientRect(&cadre);
  const int largeur = cadre.Width();
  m_liste.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
  m_liste.InsertColumn(kOrdre, L"Ordre", LVCFMT_LEFT, largeur / 10);
  const wchar_t* titres[] = {L"Num", L"X", L"Y", L"Z", L"Code"};
  for (int i = 0; i < 5; ++i) m_liste.InsertColumn(kNum + i, titres[i], LVCFMT_RIGHT, largeur * 18 / 100);
  if (m_points != nullptr) m_liste.SetItemCount(m_points->nbPoint());
  remplir();
  return TRUE;
}

void DlgPntsDuDessin::remplirCodes(int codeChoisi) {
  m_filtre.ResetContent();
  m_filtre.SetItemData(m_filtre.AddString(L"*** TOUS LES CODES ***"), static_cast<DWORD_PTR>(kTous));
  int choisi = 0;
  for (int i = 0; m_codes != nullptr && i < m_codes->count(); ++i) {
    const codifPoint& codif = m_codes->getAt(i);
    CString texte;
    texte.Format(L"%04d   %s", codif.code, codif.libelle.GetString());
    const int item = m_filtre.AddString(texte);
    m_filtre.SetItemData(item, static_cast<DWORD_PTR>(codif.code));
    if (codif.code == codeChoisi && choisi == 0) choisi = item;
  }
  m_filtre.SetCurSel(choisi);
}

int DlgPntsDuDessin::codeFiltre() const {
  return m_filtre.GetCurSel() <= 0 ? kTous : static_cast<int>(m_filtre.GetItemData(m_filtre.GetCurSel()));
}

std::vector<int> DlgPntsDuDessin::lignesChoisies() const {
  std::vector<int> choisies, toutes;
  for (int ligne = 0; ligne < m_liste.GetItemCount(); ++ligne) {
    const int indice = static_cast<int>(m_liste.GetItemData(ligne));
    toutes.push_back(indice);
    if (m_liste.GetItemState(ligne, LVIS_SELECTED) & LVIS_SELECTED) choisies.push_back(indice);
  }
  return choisies.empty() ? toutes : choisies;
}

bool DlgPntsDuDessin::codeRetenu(int code) const {
  const int filtre = static_cast<int>(m_filtre.GetItemData(m_filtre.GetCurSel()));
  return m_filtre.GetCurSel() <= 0 || filtre == kTous || code == filtre;
}

void DlgPntsDuDessin::remplir() {
  m_liste.DeleteAllItems();
  if (m_points == nullptr) return;
  int rang = 0;
  for (int i = 0; i < m_points->nbPoint(); ++i) {
    const pointDuDessin& point = *m_points->getData(i);
    if (!codeRetenu(point.getCode())) continue;
    CString texte;
    texte.Format(L"%d", rang);
    const int ligne = m_liste.InsertItem(rang, texte);
    m_liste.SetItemText(ligne, kNum, CString(ansiToWide(point.getNomPoint()).c_str()));
    texte.Format(L"%.3f", point.getX());
    m_liste.SetItemText(ligne, kX, texte);
    texte.Format(L"%.3f", point.getY());
    m_liste.SetItemText(ligne, kY, texte);
    if (point.getZ() == kSansValeur) {
      texte.Empty();
    } else {
      texte.Format(L"%.3f", point.getZ());
    }
    m_liste.SetItemText(ligne, kZ, texte);
    texte.Format(L"%d", point.getCode());
    m_liste.SetItemText(ligne, kCode, texte);
    m_liste.SetItemData(ligne, static_cast<DWORD_PTR>(i));
    ++rang;
  }
}

void DlgPntsDuDessin::OnChangementCode() { remplir(); }

int DlgPntsDuDessin::comparer(LPARAM a, LPARAM b, LPARAM dialogue) {
  auto* self = reinterpret_cast<DlgPntsDuDessin*>(dialogue);
  const pointDuDessin& p = *self->m_points->getData(static_cast<int>(a));
  const pointDuDessin& q = *self->m_points->getData(static_cast<int>(b));
  int c = 0;
  switch (g_colonneTri) {
    case kOrdre: c = signe(a, b); break;
    case kNum: c = comparerNomsPoints(p.getNomPoint(), q.getNomPoint()); break;
    case kX: c = signe(p.getX(), q.getX()); break;
    case kY: c = signe(p.getY(), q.getY()); break;
    case kZ: c = signe(p.getZ(), q.getZ()); break;
    case kCode: c = signe(p.getCode(), q.getCode()); break;
    default: break;
  }
  return g_descendant ? -c : c;
}

void DlgPntsDuDessin::OnClicColonne(NMHDR* notification, LRESULT* resultat) {
  const int colonneClic = reinterpret_cast<NMLISTVIEW*>(notification)->iSubItem;
  if (colonneClic == g_colonneTri) {
    g_descendant = !g_descendant;
  } else {
    g_colonneTri = colonneClic;
  }
  m_liste.SortItems(&DlgPntsDuDessin::comparer, reinterpret_cast<DWORD_PTR>(this));
  *resultat = 0;
}

void DlgPntsDuDessin::OnRaffraichir() {
  if (m_points == nullptr) return;
  m_points->updateFromDrawing();
  remplir();
}

void DlgPntsDuDessin::OnPlacer() {
  if (m_points == nullptr) return;
  CMyProgressDlg progression;
  const bool visible = progression.create(this) != 0;
  if (visible) {
    progression.setRange(0, m_points->nbPoint());
    progression.setStep(1);
  }
  if (m_codes != nullptr) m_codes->createLayers();
  for (int i = 0; i < m_points->nbPoint(); ++i) {
    pointDuDessin& point = *m_points->getData(i);
    if (codeRetenu(point.getCode())) point.updateDrawing();
    if (visible) progression.stepIt();
  }
  if (visible) progression.destroy();
}

void DlgPntsDuDessin::OnExporter() {
  if (m_points != nullptr) exporterPointsListes(this, *m_points, lignesChoisies());
}

void DlgPntsDuDessin::OnTableXYZ() {
  if (m_points == nullptr) return;
  paramsTableCoordonnees params;
  if (!choisirParamsTableCoordonnees(params, this)) return;
  placerTableCoordonnees(this, *m_points, lignesChoisies(), params, m_codes);
}

void DlgPntsDuDessin::OnImporter() {
  if (m_points == nullptr) return;
  CParamImportPntsDuDessin options(this);
  if (options.DoModal() != IDOK || options.m_types == 0) return;
  const int code = codeFiltre();
  BeginEditorCommand();
  m_points->importFromDrawing(options.m_types, options.m_tagNumero, options.m_tagAltitude, options.m_tagCode,
                              options.m_decalage);
  CompleteEditorCommand();
  remplirCodes(code);
  remplir();
}

void DlgPntsDuDessin::OnOK() {
  POSITION position = m_liste.GetFirstSelectedItemPosition();
  m_pointChoisi = position != nullptr ? static_cast<int>(m_liste.GetItemData(m_liste.GetNextSelectedItem(position))) : -1;
  CAdUiDialog::OnOK();
}
