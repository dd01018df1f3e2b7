#include "stakeout/CDlgImplantation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ed/aced.h"
#include "ed/acedgraph.h"
#include "os/codepage.h"
#include "resources/resourceImplantation.h"
#include "resources/ressourcesModule.h"
#include "rx/acaxdoc.h"
#include "stakeout/CDlgParamsImplantationAuto.h"
#include "stakeout/CDlgPrmDessImplantationAuto.h"
#include "stakeout/calculsImplantation.h"
#include "stakeout/contexteImplantation.h"
#include "stakeout/invitesImplantation.h"
#include "stakeout/reglagesImplantation.h"
#include "stakeout/resultatsImplantation.h"
#include "ui/afxdlgs.h"

namespace {

enum colonne { kNum, kX, kY, kZ, kStation, kRef, kAngle, kDistance, kVisible };

// A typed height: negative becomes 0, beyond 1e30 becomes 1.2; anything else than a number
// leaves the value as it was.
void lireHauteur(const CString& texte, double& valeur) {
  const std::string ascii = wideToAnsi(texte.GetString());
  char* fin = nullptr;
  const double lu = std::strtod(ascii.c_str(), &fin);
  if (fin == ascii.c_str() || !std::isfinite(lu)) return;
  valeur = lu < 0 ? 0.0 : (lu > 1e30 ? 1.2 : lu);
}

CString deuxDecimales(double valeur) {
  CString texte;
  texte.Format(L"%.2f", valeur);
  return texte;
}

}  // namespace

CDlgImplantation::CDlgImplantation(contexteImplantation& contexte, CWnd* parent)
    : CAdUiDialog(IDD_IMPLANTATION, parent), contexte_(contexte) {}

BEGIN_MESSAGE_MAP(CDlgImplantation, CAdUiDialog)
  ON_BN_CLICKED(IDC_IMPL_NUMEROTATION, &CDlgImplantation::OnNumerotation)
  ON_BN_CLICKED(IDC_IMPL_MISE_EN_STATION, &CDlgImplantation::OnMiseEnStation)
  ON_BN_CLICKED(IDC_IMPL_OBSTACLES, &CDlgImplantation::OnObstacles)
  ON_BN_CLICKED(IDC_IMPL_VERIFIER, &CDlgImplantation::OnVerifier)
  ON_EN_KILLFOCUS(IDC_IMPL_HMIN, &CDlgImplantation::OnSortieHMin)
  ON_EN_KILLFOCUS(IDC_IMPL_HSTAT, &CDlgImplantation::OnSortieHStat)
  ON_BN_CLICKED(IDC_IMPL_AJOUTER, &CDlgImplantation::OnAjouter)
  ON_BN_CLICKED(IDC_IMPL_ENLEVER, &CDlgImplantation::OnEnlever)
  ON_BN_CLICKED(IDC_IMPL_LOCALISER, &CDlgImplantation::OnLocaliser)
  ON_BN_CLICKED(IDC_IMPL_APERCU, &CDlgImplantation::OnApercu)
  ON_BN_CLICKED(IDC_IMPL_CONFIG, &CDlgImplantation::OnConfig)
  ON_NOTIFY(NM_DBLCLK, IDC_IMPL_LISTE, &CDlgImplantation::OnDoubleClic)
END_MESSAGE_MAP()

void CDlgImplantation::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_IMPL_LISTE, m_liste);
}

BOOL CDlgImplantation::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  m_liste.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  RECT cadre;
  m_liste.GetClientRect(&cadre);
  const int largeur = cadre.right - cadre.left;
  const struct {
    const wchar_t* titre;
    int pourcent;
    int format;
  } colonnes[] = {{L"Num", 8, LVCFMT_CENTER},      {L"X", 14, LVCFMT_CENTER},
                  {L"Y", 14, LVCFMT_CENTER},       {L"Z", 8, LVCFMT_CENTER},
                  {L"Station", 12, LVCFMT_RIGHT},  {L"Ref", 12, LVCFMT_RIGHT},
                  {L"Angle", 12, LVCFMT_CENTER},   {L"Distance", 12, LVCFMT_CENTER},
                  {L"Visible", 8, LVCFMT_CENTER}};
  int rang = 0;
  for (const auto& c : colonnes) m_liste.InsertColumn(rang++, c.titre, c.format, largeur * c.pourcent / 100);
  SetDlgItemText(IDC_IMPL_HMIN, deuxDecimales(reglagesGlobauxImplantation().hauteurMinimale));
  SetDlgItemText(IDC_IMPL_HSTAT, deuxDecimales(contexte_.options().hauteurStation));
  CheckDlgButton(IDC_IMPL_VERIFIER, contexte_.options().verifierVisibilite != 0 ? BST_CHECKED : BST_UNCHECKED);
  remplir();
  return TRUE;
}

void CDlgImplantation::remplir() {
  m_liste.DeleteAllItems();
  int ligne = 0;
  for (const observationImplantation& p : contexte_.points()) {
    const int rang = m_liste.InsertItem(ligne++, p.nom);
    m_liste.SetItemData(rang, static_cast<DWORD_PTR>(p.identifiant));
    m_liste.SetItemText(rang, kX, texteValeur(p.x));
    m_liste.SetItemText(rang, kY, texteValeur(p.y));
    m_liste.SetItemText(rang, kZ, texteValeur(p.z, L"%.3f"));
    if (const observationMiseEnStation* s = contexte_.stationDe(p)) {
      m_liste.SetItemText(rang, kStation, s->nom());
      m_liste.SetItemText(rang, kRef, s->texteReference());
      m_liste.SetItemText(rang, kDistance, texteValeur(s->distanceVers(p)));
    }
    m_liste.SetItemText(rang, kAngle, texteAngleImplantation(contexte_, p.identifiant, L"-"));
    m_liste.SetItemText(rang, kVisible,
                        p.visibiliteCalculee != 0 ? texteValeur(p.obstruction, L"%.2f") : CString(L"*"));
  }
  if (CWnd* numerotation = GetDlgItem(IDC_IMPL_NUMEROTATION)) {
    numerotation->EnableWindow(contexte_.points().empty());
  }
}

std::vector<Adesk::UInt32> CDlgImplantation::selection() const {
  std::vector<Adesk::UInt32> ids;
  POSITION position = m_liste.GetFirstSelectedItemPosition();
  while (position != nullptr) {
    ids.push_back(static_cast<Adesk::UInt32>(m_liste.GetItemData(m_liste.GetNextSelectedItem(position))));
  }
  return ids;
}

void CDlgImplantation::OnNumerotation() { choisirParametresImplantation(contexte_); }

void CDlgImplantation::OnMiseEnStation() {
  BeginEditorCommand();
  mettreEnStation(contexte_, selection());
  CompleteEditorCommand();
  remplir();
}

void CDlgImplantation::OnObstacles() {
  BeginEditorCommand();
  gererObstacles(contexte_);
  acedRedraw(nullptr, 0);
  CompleteEditorCommand();
}

void CDlgImplantation::OnVerifier() {
  contexte_.options().verifierVisibilite = IsDlgButtonChecked(IDC_IMPL_VERIFIER) == BST_CHECKED;
}

void CDlgImplantation::OnSortieHMin() {
  CString texte;
  GetDlgItemText(IDC_IMPL_HMIN, texte);
  double& valeur = reglagesGlobauxImplantation().hauteurMinimale;
  lireHauteur(texte, valeur);
  SetDlgItemText(IDC_IMPL_HMIN, deuxDecimales(valeur));
}

void CDlgImplantation::OnSortieHStat() {
  CString texte;
  GetDlgItemText(IDC_IMPL_HSTAT, texte);
  lireHauteur(texte, contexte_.options().hauteurStation);
  SetDlgItemText(IDC_IMPL_HSTAT, deuxDecimales(contexte_.options().hauteurStation));
}

void CDlgImplantation::OnAjouter() {
  BeginEditorCommand();
  saisirPointsImplantation(contexte_);
  contexte_.effacerGraphismes();
  acedRedraw(nullptr, 0);
  CompleteEditorCommand();
  remplir();
}

void CDlgImplantation::OnEnlever() {
  const std::vector<Adesk::UInt32> ids = selection();
  if (ids.empty()) return;
  contexte_.enleverPoints(ids);
  remplir();
}

void CDlgImplantation::montrer(const std::vector<Adesk::UInt32>& points, bool zoom) {
  BeginEditorCommand();
  contexte_.effacerGraphismes();
  contexte_.dessinerPoints(points, contexte_.drapeauxDessin(), !zoom);
  int reponse = 0;
  if (zoom) {
    double xmin = 1e300, ymin = 1e300, xmax = -1e300, ymax = -1e300;
    for (Adesk::UInt32 id : points) {
      const observationImplantation* p = contexte_.point(id);
      if (p == nullptr || p->x == kSansValeur || p->y == kSansValeur) continue;
      xmin = std::min(xmin, p->x);
      ymin = std::min(ymin, p->y);
      xmax = std::max(xmax, p->x);
      ymax = std::max(ymax, p->y);
    }
    if (xmin <= xmax) {
      acedGetAcadApplication()->invoke(L"ZoomWindow", {AcGePoint3d(xmin - 0.5, ymin - 0.5, 0.0),
                                                       AcGePoint3d(xmax + 0.5, ymax + 0.5, 0.0)});
    }
    acedInitGet(0, L"Redessiner _ Redraw");
    acedGetInt(L"\nPause [Redessiner]:", &reponse);
  } else {
    acedGetInt(L"\nPause :", &reponse);
  }
  contexte_.effacerGraphismes();
  acedRedraw(nullptr, 0);
  CompleteEditorCommand();
}

void CDlgImplantation::OnLocaliser() {
  const std::vector<Adesk::UInt32> ids = selection();
  if (!ids.empty()) montrer(ids, true);
}

void CDlgImplantation::OnApercu() { montrer(contexte_.identifiants(), false); }

void CDlgImplantation::OnConfig() { choisirParametresDessin(contexte_); }

// The whole batch of the row clicked becomes the selection.
void CDlgImplantation::OnDoubleClic(NMHDR* notification, LRESULT* resultat) {
  *resultat = 0;
  const auto* activation = reinterpret_cast<const NMITEMACTIVATE*>(notification);
  if (activation == nullptr || activation->iItem < 0) return;
  const observationImplantation* clique =
      contexte_.point(static_cast<Adesk::UInt32>(m_liste.GetItemData(activation->iItem)));
  if (clique == nullptr) return;
  for (int rang = 0; rang < m_liste.GetItemCount(); ++rang) {
    const observationImplantation* p =
        contexte_.point(static_cast<Adesk::UInt32>(m_liste.GetItemData(rang)));
    const bool meme = p != nullptr && p->lot == clique->lot;
    m_liste.SetItemState(rang, meme ? LVIS_SELECTED : 0, LVIS_SELECTED);
  }
}

void CDlgImplantation::OnOK() {
  const bool dessiner = IsDlgButtonChecked(IDC_IMPL_DESSINER) == BST_CHECKED;
  const bool exporter = IsDlgButtonChecked(IDC_IMPL_EXPORTER) == BST_CHECKED;
  const bool schematiser = IsDlgButtonChecked(IDC_IMPL_SCHEMATISER) == BST_CHECKED;
  if (!dessiner && !exporter && !schematiser) return;
  contexte_.effacerGraphismes();
  if (schematiser) {
    BeginEditorCommand();
    ads_point position;
    const bool choisi = acedGetPoint(nullptr, L"Position des textes", position) == RTNORM;
    if (choisi) schematiserImplantation(contexte_, AcGePoint3d(position[0], position[1], 0.0));
    CompleteEditorCommand();
  }
  if (exporter) {
    CFileDialog enregistrer(FALSE, L"htm", nullptr,
                            OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY,
                            L"Fichier HTML(.htm)|*.htm; *.html|Tous (*.*)|*.*||", this);
    if (enregistrer.DoModal() == IDOK) {
      exporterHtmlImplantation(contexte_, CStringA(wideToAnsi(enregistrer.GetPathName().GetString()).c_str()));
    }
  }
  if (dessiner) dessinerResultatsImplantation(contexte_);
  contexte_.oublierGraphismes();
  EndDialog(IDOK);
}

void CDlgImplantation::OnCancel() {
  contexte_.oublierGraphismes();
  EndDialog(IDCANCEL);
}

void commandeImplantation() {
  ressourcesCourantes ressources;
  contexteImplantation contexte(terrainDuDessin());
  chargerObstaclesDuDessin(contexte);
  CDlgImplantation dialogue(contexte);
  dialogue.DoModal();
}
