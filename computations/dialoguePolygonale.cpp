#include "computations/dialoguePolygonale.h"

#include "computations/lexiqueObservations.h"
#include "reports/htmlPage.h"
#include "reports/resultPolygo.h"
#include "resources/resourcePolygonales.h"
#include "resources/ressourcesModule.h"
#include "ui/afxdlgs.h"

namespace {

const wchar_t* const kUnites[] = {L"Grades", L"Degrés décimaux", L"Radians"};
const wchar_t* const kNivellements[] = {L"Pas de nivellement", L"Simple", L"Prop. distances",
                                        L"Prop. racine dist."};
constexpr DWORD kTailleChemin = 520;

CString nombreSaisi(const CString& texte) {
  CString sortie;
  sortie.Format(L"%.5f", lireNombreDonnees(texte));
  return sortie;
}

}  // namespace

void avertirCalculsTopo(CWnd* parent, const wchar_t* message) {
  if (parent != nullptr) {
    parent->MessageBox(message, L"Calculs Topo", MB_OK | MB_ICONEXCLAMATION);
  } else {
    MessageBox(nullptr, message, L"Calculs Topo", MB_OK | MB_ICONEXCLAMATION);
  }
}

dialoguePolygonale::dialoguePolygonale(UINT modele, const controlesPolygonale& controles,
                                       bool ouverte, CWnd* parent)
    : CAdUiDialog(modele, parent), m_ids(controles) {
  m_donnees.ouverte = ouverte;
}

BEGIN_MESSAGE_MAP(dialoguePolygonale, CAdUiDialog)
  ON_BN_CLICKED(IDC_POLY_AJOUTER, &dialoguePolygonale::OnAjouter)
  ON_BN_CLICKED(IDC_POLY_ENLEVER, &dialoguePolygonale::OnEnlever)
  ON_BN_CLICKED(IDC_POLY_CALCULER, &dialoguePolygonale::OnCalculer)
  ON_BN_CLICKED(IDC_POLY_PLACER, &dialoguePolygonale::OnPlacer)
  ON_BN_CLICKED(IDC_POLY_SAUVEGARDER, &dialoguePolygonale::OnSauvegarder)
  ON_BN_CLICKED(IDC_POLY_CHARGER, &dialoguePolygonale::OnCharger)
END_MESSAGE_MAP()

void dialoguePolygonale::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, m_ids.liste, m_liste);
  echangerStations(pDX);
  DDX_CBIndex(pDX, m_ids.unite, m_donnees.unite);
  DDX_CBIndex(pDX, m_ids.nivellement, m_donnees.nivellement);
  DDX_Text(pDX, m_ids.station, m_station);
  DDV_MaxChars(pDX, m_station, kLongueurMaxNomStation);
  DDX_Text(pDX, m_ids.angle, m_angle);
  DDX_Text(pDX, m_ids.distance, m_distance);
  DDX_Text(pDX, m_ids.altitude, m_altitude);
}

BOOL dialoguePolygonale::OnInitDialog() {
  // The combos get their items before the fields are shown in them.
  auto* unite = static_cast<CComboBox*>(GetDlgItem(m_ids.unite));
  auto* nivellement = static_cast<CComboBox*>(GetDlgItem(m_ids.nivellement));
  for (const wchar_t* texte : kUnites) unite->AddString(texte);
  for (const wchar_t* texte : kNivellements) nivellement->AddString(texte);
  CAdUiDialog::OnInitDialog();
  CRect cadre;
  m_liste.GetClientRect(&cadre);
  const int largeur = cadre.Width() / 4;
  m_liste.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  const wchar_t* const titres[] = {L"Station", L"Angle", L"Distance", L"Altitude"};
  for (int i = 0; i < 4; ++i) {
    m_liste.InsertColumn(i, titres[i], i == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT, largeur);
  }
  remplirListe();
  return TRUE;
}

void dialoguePolygonale::remplirListe() {
  m_liste.DeleteAllItems();
  for (size_t i = 0; i < m_donnees.lignes.size(); ++i) {
    const ligneObservation& l = m_donnees.lignes[i];
    const int rang = m_liste.InsertItem(static_cast<int>(i), l.station);
    m_liste.SetItemText(rang, 1, l.angle);
    m_liste.SetItemText(rang, 2, l.distance);
    m_liste.SetItemText(rang, 3, l.denivelee);
  }
}

void dialoguePolygonale::OnChampQuitte() { UpdateData(TRUE); }

void dialoguePolygonale::OnAjouter() {
  if (!UpdateData(TRUE)) return;
  m_donnees.lignes.push_back(
      {m_station, nombreSaisi(m_angle), nombreSaisi(m_distance), nombreSaisi(m_altitude)});
  remplirListe();
}

void dialoguePolygonale::OnEnlever() {
  if (m_donnees.lignes.empty()) return;
  POSITION position = m_liste.GetFirstSelectedItemPosition();
  int rang = position != nullptr ? m_liste.GetNextSelectedItem(position)
                                 : static_cast<int>(m_donnees.lignes.size()) - 1;
  if (rang < 0 || rang >= static_cast<int>(m_donnees.lignes.size())) return;
  m_donnees.lignes.erase(m_donnees.lignes.begin() + rang);
  remplirListe();
}

bool dialoguePolygonale::champsCalculables() {
  if (!UpdateData(TRUE)) return false;
  if (m_donnees.lignes.size() < 2) {
    avertirCalculsTopo(this, L"Erreur , données insuffisantes ");
    return false;
  }
  return true;
}

void dialoguePolygonale::OnCalculer() {
  if (!champsCalculables()) return;
  htmlPage page;
  resultatsAPlacer resultats;
  const int statut = calculer(&page, resultats);
  if (statut != 0) {
    avertirCalculsTopo(this, messageStatut(statut));
    return;
  }
  page.write();
  afficherResultats(CString(page.fileName().GetString()));
}

void dialoguePolygonale::OnPlacer() {
  if (!champsCalculables()) return;
  paramsMiseEnPlace params;
  if (!demanderParamsMiseEnPlace(params, this)) return;
  resultatsAPlacer resultats;
  const int statut = calculer(nullptr, resultats);
  if (statut != 0) {
    avertirCalculsTopo(this, messageStatut(statut));
    return;
  }
  placerResultats(resultats, params);
}

void dialoguePolygonale::OnSauvegarder() {
  if (!UpdateData(TRUE)) return;
  CFileDialog choix(FALSE, nullptr, nullptr, OFN_PATHMUSTEXIST, kFiltreFichiersObservations, this);
  std::vector<wchar_t> chemin(kTailleChemin, 0);
  choix.m_ofn.lpstrFile = chemin.data();
  choix.m_ofn.nMaxFile = kTailleChemin;
  choix.m_ofn.nFilterIndex = 1;
  if (choix.DoModal() != IDOK) return;
  const CString nom = nomFichierObservations(choix.GetPathName(), static_cast<int>(choix.m_ofn.nFilterIndex));
  // A file that cannot be created is not reported (nothing is written); a write that fails on
  // the way is, and the previous file stays.
  if (ecrireFichierObservations(nom, m_donnees) == kErreurEcriture) {
    MessageBox(L"Ouverture impossible du fichier", L"Erreur", MB_OK | MB_ICONEXCLAMATION);
  }
}

void dialoguePolygonale::OnCharger() {
  CFileDialog choix(TRUE, nullptr, nullptr, OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                    kFiltreFichiersObservations, this);
  if (choix.DoModal() != IDOK) return;
  if (!UpdateData(TRUE)) return;
  if (lireFichierObservations(choix.GetPathName(), m_donnees) == kErreurLecture) {
    MessageBox(L"Ouverture impossible du fichier", L"Erreur", MB_OK | MB_ICONEXCLAMATION);
  }
  UpdateData(FALSE);
  remplirListe();
}
