#include "computations/poidsDialogue.h"

#include <cmath>

#include "computations/formuleDialogue.h"
#include "computations/lexiqueObservations.h"
#include "resources/resourceMoindresCarres.h"

CDlgTabPoidsObse::CDlgTabPoidsObse(reseauMoindresCarres* reseau, formulesPoids* formules, CWnd* parent)
    : CAdUiDialog(IDD_POIDS_OBSERVATIONS, parent), m_reseau(reseau), m_formules(formules) {}

void CDlgTabPoidsObse::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_POIDS_LISTE, m_liste);
}

BEGIN_MESSAGE_MAP(CDlgTabPoidsObse, CAdUiDialog)
  ON_BN_CLICKED(IDC_POIDS_FIXER, &CDlgTabPoidsObse::OnFixer)
  ON_BN_CLICKED(IDC_POIDS_FORMULES, &CDlgTabPoidsObse::OnFormules)
END_MESSAGE_MAP()

BOOL CDlgTabPoidsObse::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  m_liste.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  const wchar_t* titres[] = {L"Obs", L"Type", L"Ref", L"Stat", L"P.Visé", L"Mesure", L"Poids"};
  for (int i = 0; i < 7; ++i) m_liste.InsertColumn(i, titres[i], i < 5 ? LVCFMT_LEFT : LVCFMT_RIGHT, 46);
  remplir();
  return TRUE;
}

void CDlgTabPoidsObse::remplir() {
  m_liste.DeleteAllItems();
  const reseauMoindresCarres& r = *m_reseau;
  auto nom = [&](int i) { return i < 0 ? CString(L"Nord") : r.points[i].nom; };
  for (size_t i = 0; i < r.observations.size(); ++i) {
    const observationMC& o = r.observations[i];
    CString texte;
    texte.Format(L"%d", static_cast<int>(i));
    const int ligne = m_liste.InsertItem(static_cast<int>(i), texte);
    m_liste.SetItemText(ligne, 1, o.type == kObsAngle ? L"Ang" : o.type == kObsDistance ? L"Dist" : L"DZ");
    m_liste.SetItemText(ligne, 2, o.type == kObsAngle ? nom(o.reference) : CString());
    m_liste.SetItemText(ligne, 3, nom(o.station));
    m_liste.SetItemText(ligne, 4, nom(o.visee));
    texte.Format(L"%.4f", o.type == kObsAngle ? versGrades(o.valeur) : o.valeur);
    m_liste.SetItemText(ligne, 5, texte);
    if (o.poids == kSansValeur) texte = L"* calc *";
    else texte.Format(L"%.4f", o.poids);
    m_liste.SetItemText(ligne, 6, texte);
  }
}

void CDlgTabPoidsObse::OnFixer() {
  CString texte;
  GetDlgItemText(IDC_POIDS_VALEUR, texte);
  texte.Trim();
  double poids = kSansValeur;
  if (!texte.IsEmpty()) {
    double lu;
    if (!lireNombreStrict(texte, lu)) {
      AfxMessageBox(L"Le poids doit être un nombre", MB_ICONEXCLAMATION);
      return;
    }
    poids = std::fabs(lu);
    if (poids == 0) poids = kSansValeur;
  }
  for (int ligne = m_liste.GetNextItem(-1, LVNI_SELECTED); ligne >= 0;
       ligne = m_liste.GetNextItem(ligne, LVNI_SELECTED))
    m_reseau->observations[ligne].poids = poids;
  remplir();
}

void CDlgTabPoidsObse::OnFormules() {
  CDlgFormulePoids dialogue(m_formules, this);
  dialogue.DoModal();
}
