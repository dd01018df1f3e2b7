#include "computations/moindresCarresDialogue.h"

#include "computations/moindresCarresCalcul.h"
#include "computations/poidsDialogue.h"
#include "ed/aced.h"
#include "points/lispPointsOutils.h"
#include "points/listePointsDuDessin.h"
#include "resources/resource.h"
#include "resources/resourceMoindresCarres.h"
#include "ui/afxdlgs.h"

namespace {

// The code given to placed points, remembered for the rest of the session.
int g_codePoints = 1;

}  // namespace

CDlgMoindresCarres::CDlgMoindresCarres(CWnd* parent) : CAdUiDialog(IDD_MOINDRES_CARRES, parent) {}

BEGIN_MESSAGE_MAP(CDlgMoindresCarres, CAdUiDialog)
  ON_BN_CLICKED(IDC_MC_DONNEES, &CDlgMoindresCarres::OnDonnees)
  ON_BN_CLICKED(IDC_MC_POIDS, &CDlgMoindresCarres::OnPoids)
  ON_BN_CLICKED(IDC_MC_PLACER_CANEVAS, &CDlgMoindresCarres::OnPlacerCanevas)
  ON_BN_CLICKED(IDC_MC_PLACER, &CDlgMoindresCarres::OnPlacer)
  ON_BN_CLICKED(IDC_MC_SOLUTION, &CDlgMoindresCarres::OnSolution)
  ON_BN_CLICKED(IDC_MC_ITERER, &CDlgMoindresCarres::OnIterer)
  ON_BN_CLICKED(IDC_MC_ALTITUDES, &CDlgMoindresCarres::OnAltitudes)
  ON_BN_CLICKED(IDC_MC_EFFACER, &CDlgMoindresCarres::OnEffacer)
END_MESSAGE_MAP()

BOOL CDlgMoindresCarres::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  GetDlgItem(IDC_MC_ITERER)->EnableWindow(FALSE);
  return TRUE;
}

void CDlgMoindresCarres::afficherJournal() { SetDlgItemText(IDC_MC_JOURNAL, m_journal); }

void CDlgMoindresCarres::terminerCalcul(bool reussi) {
  afficherJournal();
  GetDlgItem(IDC_MC_ITERER)->EnableWindow(reussi ? TRUE : FALSE);
}

void CDlgMoindresCarres::OnDonnees() {
  CFileDialog dialogue(TRUE, L"mc", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                       L"Fichier Moindres carrés (*.mc)|*.mc||", this);
  if (dialogue.DoModal() != IDOK) return;
  if (!chargerFichierMoindresCarres(dialogue.GetPathName().GetString(), m_reseau))
    AfxMessageBox(L"Le fichier ne contient pas de points et d'observations", MB_ICONEXCLAMATION);
  SetDlgItemText(IDC_MC_AFFICHAGE, m_reseau.points.empty() ? CString() : afficherDonnees(m_reseau));
  GetDlgItem(IDC_MC_ITERER)->EnableWindow(FALSE);
}

void CDlgMoindresCarres::OnPoids() {
  CDlgTabPoidsObse dialogue(&m_reseau, &m_formules, this);
  dialogue.DoModal();
}

void CDlgMoindresCarres::OnSolution() {
  m_journal.Empty();
  if (m_reseau.observations.empty()) {
    ajouterLigne(m_journal, L"Aucune donnée : choisissez un fichier avec \"Données\"");
    terminerCalcul(false);
    return;
  }
  terminerCalcul(resoudreReseau(m_reseau, m_formules, m_journal));
}

void CDlgMoindresCarres::OnIterer() { terminerCalcul(ajusterPlanimetrie(m_reseau, m_formules, m_journal)); }

void CDlgMoindresCarres::OnAltitudes() {
  if (!m_reseau.observations.empty()) calculerAltitudes(m_reseau, m_journal);
  afficherJournal();
}

void CDlgMoindresCarres::OnEffacer() {
  m_journal.Empty();
  afficherJournal();
}

void CDlgMoindresCarres::OnPlacerCanevas() { placer(true); }
void CDlgMoindresCarres::OnPlacer() { placer(false); }

void CDlgMoindresCarres::placer(bool connus) {
  BeginEditorCommand();
  CString invite;
  invite.Format(L"\nCode des points <%d> : ", g_codePoints);
  for (;;) {
    acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
    int code = g_codePoints;
    const int lu = acedGetInt(invite, &code);
    if (lu == RTCAN || lu == RTERROR) {
      CancelEditorCommand();
      return;
    }
    if (lu == RTNORM && code > 9999) {
      acutPrintf(L"\nUn code va de 1 à 9999.");
      continue;
    }
    if (lu == RTNORM) g_codePoints = code;
    break;
  }
  listePointsDuDessin* table = tableCourantePoints();
  int places = 0;
  for (size_t i = 0; i < m_reseau.points.size(); ++i) {
    const pointACalculer& p = m_reseau.points[i];
    const bool retenu = connus ? p.connuPlan : (!p.connuPlan && m_reseau.calcule[i]);
    if (!connus && !p.connuPlan && !m_reseau.calcule[i] && p.z != kSansValeur)
      acutPrintf(L"\nPoint %s non placé : altitude seule, pas de position en plan.", p.nom.GetString());
    if (!retenu || p.x == kSansValeur || p.y == kSansValeur) continue;
    pointDuDessin point;
    point.setParams(p.nom.GetString(), AcGePoint3d(p.x, p.y, p.z), g_codePoints);
    point.creer(true);
    if (table) table->Ajouter(point);
    ++places;
  }
  acutPrintf(L"\n%d points placés.\n", places);
  CompleteEditorCommand();
}
