#include "computations/CDlgRattachZ.h"

#include "computations/lexiqueObservations.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "db/dbobject.h"
#include "points/pointDuDessin.h"
#include "resources/resourcePolygonales.h"
#include "resources/ressourcesModule.h"

rattachementAltitudes& rattachementCourant() {
  static rattachementAltitudes valeurs;
  return valeurs;
}

void oublierRattachement() { rattachementCourant() = rattachementAltitudes(); }

CDlgRattachZ::CDlgRattachZ(CWnd* parent) : CAdUiDialog(IDD_RATTACH_Z, parent) {}

BEGIN_MESSAGE_MAP(CDlgRattachZ, CAdUiDialog)
  ON_EN_KILLFOCUS(IDC_RZ_PRECEDENTE, &CDlgRattachZ::OnPrecedenteQuittee)
  ON_EN_KILLFOCUS(IDC_RZ_NOUVELLE, &CDlgRattachZ::OnNouvelleQuittee)
  ON_EN_KILLFOCUS(IDC_RZ_DIFFERENCE, &CDlgRattachZ::OnDifferenceQuittee)
  ON_BN_CLICKED(IDC_RZ_MODE_NOUVELLE, &CDlgRattachZ::OnModeNouvelle)
  ON_BN_CLICKED(IDC_RZ_MODE_DIFFERENCE, &CDlgRattachZ::OnModeDifference)
  ON_BN_CLICKED(IDC_RZ_SELECT, &CDlgRattachZ::OnSelect)
END_MESSAGE_MAP()

void CDlgRattachZ::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_RZ_TOUS, m_portee);
}

BOOL CDlgRattachZ::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  // The radios of the mode are not consecutive with the edits between them: checked by hand.
  CheckDlgButton(IDC_RZ_MODE_NOUVELLE, m_mode == 0 ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_RZ_MODE_DIFFERENCE, m_mode == 1 ? BST_CHECKED : BST_UNCHECKED);
  afficherValeurs();
  activerSaisies();
  return TRUE;
}

bool CDlgRattachZ::lireChamp(int id, double& valeur) const {
  CString texte;
  GetDlgItemText(id, texte);
  return lireNombreStrict(texte, valeur);
}

void CDlgRattachZ::afficherValeurs() {
  CString format;
  format.Format(L"%%.%df", 4);
  const rattachementAltitudes& v = rattachementCourant();
  const std::pair<int, double> champs[] = {
      {IDC_RZ_PRECEDENTE, v.precedente}, {IDC_RZ_NOUVELLE, v.nouvelle}, {IDC_RZ_DIFFERENCE, v.difference}};
  for (const auto& [id, valeur] : champs) {
    CString texte;
    texte.Format(format.GetString(), valeur);
    SetDlgItemText(id, texte);
  }
}

void CDlgRattachZ::activerSaisies() {
  if (CWnd* nouvelle = GetDlgItem(IDC_RZ_NOUVELLE)) nouvelle->EnableWindow(m_mode == 0);
  if (CWnd* difference = GetDlgItem(IDC_RZ_DIFFERENCE)) difference->EnableWindow(m_mode == 1);
}

void CDlgRattachZ::OnPrecedenteQuittee() {
  double valeur = 0;
  if (!lireChamp(IDC_RZ_PRECEDENTE, valeur)) return;
  rattachementCourant().changerPrecedente(valeur);
  afficherValeurs();
}

void CDlgRattachZ::OnNouvelleQuittee() {
  double valeur = 0;
  if (!lireChamp(IDC_RZ_NOUVELLE, valeur)) return;
  rattachementCourant().changerNouvelle(valeur);
  afficherValeurs();
}

void CDlgRattachZ::OnDifferenceQuittee() {
  double valeur = 0;
  if (!lireChamp(IDC_RZ_DIFFERENCE, valeur)) return;
  rattachementCourant().changerDifference(valeur);
  afficherValeurs();
}

void CDlgRattachZ::OnModeNouvelle() {
  m_mode = 0;
  activerSaisies();
}

void CDlgRattachZ::OnModeDifference() {
  m_mode = 1;
  activerSaisies();
}

// The reference altitude taken from a survey point picked in the drawing.
void CDlgRattachZ::OnSelect() {
  BeginEditorCommand();
  for (;;) {
    ads_name entite;
    ads_point point;
    const int reponse = acedEntSel(L"\nSelectionnez le point :", entite, point);
    if (reponse == RTCAN) break;
    if (reponse != RTNORM) continue;
    AcDbObjectId id;
    pointDuDessin lu;
    if (acdbGetObjectId(id, entite) != Acad::eOk || lu.updateFromDrawing(id) == 0) {
      acutPrintf(L"\nCe n'est pas un point Arpenta !");
      continue;
    }
    if (lu.getZ() == kSansValeur) {
      acutPrintf(L"\nAltitude invalide !");
      continue;
    }
    rattachementCourant().precedente = lu.getZ();
    break;
  }
  rattachementAltitudes& v = rattachementCourant();
  v.nouvelle = v.precedente + v.difference;
  afficherValeurs();
  CompleteEditorCommand();
}

bool demanderRattachementZ(double& difference, bool& tousLesPoints) {
  ressourcesCourantes ressources;
  CDlgRattachZ dialogue;
  if (dialogue.DoModal() != IDOK) return false;
  difference = rattachementCourant().difference;
  tousLesPoints = dialogue.m_portee == 0;
  return true;
}
