#include "computations/formuleDialogue.h"

#include "computations/formule.h"
#include "computations/formuleFichier.h"
#include "computations/lexiqueObservations.h"
#include "computations/variableDialogue.h"
#include "resources/resource.h"
#include "resources/resourceMoindresCarres.h"
#include "ui/afxdlgs.h"

namespace {

const wchar_t kFiltreFormules[] = L"Formules Moindres carrés (*.fmc)|*.fmc||";

double nombreDuChamp(const CWnd& dialogue, int champ) {
  CString texte;
  dialogue.GetDlgItemText(champ, texte);
  return lireNombreDonnees(texte);
}

}  // namespace

CDlgFormulePoids::CDlgFormulePoids(formulesPoids* formules, CWnd* parent)
    : CAdUiDialog(IDD_FORMULES_POIDS, parent), m_formules(formules) {}

void CDlgFormulePoids::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FORMULE_CONSTANTES, m_constantes);
}

BEGIN_MESSAGE_MAP(CDlgFormulePoids, CAdUiDialog)
  ON_BN_CLICKED(IDC_FORMULE_VERIFIER_ANGLES, &CDlgFormulePoids::OnVerifierAngles)
  ON_BN_CLICKED(IDC_FORMULE_VERIFIER_GISEMENTS, &CDlgFormulePoids::OnVerifierGisements)
  ON_BN_CLICKED(IDC_FORMULE_VERIFIER_DISTANCES, &CDlgFormulePoids::OnVerifierDistances)
  ON_BN_CLICKED(IDC_FORMULE_AJOUTER, &CDlgFormulePoids::OnAjouter)
  ON_BN_CLICKED(IDC_FORMULE_SUPPRIMER, &CDlgFormulePoids::OnSupprimer)
  ON_BN_CLICKED(IDC_FORMULE_MODIFIER, &CDlgFormulePoids::OnModifier)
  ON_BN_CLICKED(IDC_FORMULE_CALCULER, &CDlgFormulePoids::OnCalculer)
  ON_BN_CLICKED(IDC_FORMULE_ENREGISTRER, &CDlgFormulePoids::OnEnregistrer)
  ON_BN_CLICKED(IDC_FORMULE_CHARGER, &CDlgFormulePoids::OnCharger)
  ON_BN_CLICKED(IDC_FORMULE_IMPORTER, &CDlgFormulePoids::OnCharger)
END_MESSAGE_MAP()

BOOL CDlgFormulePoids::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  m_constantes.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  m_constantes.InsertColumn(0, L"Variable", LVCFMT_LEFT, 60);
  m_constantes.InsertColumn(1, L"Valeur", LVCFMT_RIGHT, 70);
  m_constantes.InsertColumn(2, L"Commentaire", LVCFMT_LEFT, 120);
  afficherFormules();
  remplirConstantes();
  return TRUE;
}

void CDlgFormulePoids::afficherFormules() {
  SetDlgItemText(IDC_FORMULE_ANGLES, m_formules->angles.c_str());
  SetDlgItemText(IDC_FORMULE_GISEMENTS, m_formules->gisements.c_str());
  SetDlgItemText(IDC_FORMULE_DISTANCES, m_formules->distances.c_str());
}

void CDlgFormulePoids::lireFormules() {
  CString texte;
  GetDlgItemText(IDC_FORMULE_ANGLES, texte);
  m_formules->angles = texte.GetString();
  GetDlgItemText(IDC_FORMULE_GISEMENTS, texte);
  m_formules->gisements = texte.GetString();
  GetDlgItemText(IDC_FORMULE_DISTANCES, texte);
  m_formules->distances = texte.GetString();
}

void CDlgFormulePoids::remplirConstantes() {
  m_constantes.DeleteAllItems();
  const tableVariables& t = m_formules->variables;
  for (int i = 0; i < t.taille(); ++i) {
    const int ligne = m_constantes.InsertItem(i, t.at(i).nom.c_str());
    CString valeur;
    if (t.at(i).interne) valeur = L"* obs *";
    else valeur.Format(L"%.4f", t.at(i).valeur);
    m_constantes.SetItemText(ligne, 1, valeur);
    m_constantes.SetItemText(ligne, 2, t.at(i).commentaire.c_str());
    m_constantes.SetItemData(ligne, static_cast<DWORD_PTR>(i));
  }
}

int CDlgFormulePoids::variableSelectionnee() const {
  const int ligne = m_constantes.GetNextItem(-1, LVNI_SELECTED);
  return ligne < 0 ? -1 : static_cast<int>(m_constantes.GetItemData(ligne));
}

void CDlgFormulePoids::verifier(int champ) {
  CString texte;
  GetDlgItemText(champ, texte);
  formule f;
  CString message;
  if (!f.analyser(texte.GetString())) {
    message = L"Erreur dans la formule";
  } else {
    message = L"OK : ";
    message += f.imprimer().c_str();
    const std::wstring inconnue = f.premiereVariableInconnue(m_formules->variables);
    // Parsed, but its weight would be 0 until the constant is defined.
    if (!inconnue.empty()) message.AppendFormat(L"  Variable inconnue : %s", inconnue.c_str());
  }
  SetDlgItemText(IDC_FORMULE_MESSAGE, message);
}

void CDlgFormulePoids::OnVerifierAngles() { verifier(IDC_FORMULE_ANGLES); }
void CDlgFormulePoids::OnVerifierGisements() { verifier(IDC_FORMULE_GISEMENTS); }
void CDlgFormulePoids::OnVerifierDistances() { verifier(IDC_FORMULE_DISTANCES); }

void CDlgFormulePoids::OnAjouter() {
  CDefVariable dialogue(this);
  if (dialogue.DoModal() != IDOK) return;
  m_formules->variables.definir(dialogue.m_nom.GetString(), dialogue.m_valeur,
                                dialogue.m_commentaire.GetString());
  remplirConstantes();
}

void CDlgFormulePoids::OnSupprimer() {
  const int i = variableSelectionnee();
  if (i < 0 || m_formules->variables.at(i).interne) return;
  m_formules->variables.supprimer(i);
  remplirConstantes();
}

void CDlgFormulePoids::OnModifier() {
  const int i = variableSelectionnee();
  if (i < 0 || m_formules->variables.at(i).interne) return;
  CDefVariable dialogue(this);
  variableFormule& v = m_formules->variables.at(i);
  dialogue.m_nom = v.nom.c_str();
  dialogue.m_valeur = v.valeur;
  dialogue.m_commentaire = v.commentaire.c_str();
  if (dialogue.DoModal() != IDOK) return;
  const int autre = m_formules->variables.chercher(dialogue.m_nom.GetString());
  if (autre >= 0 && autre != i) {
    AfxMessageBox(L"Une variable porte déjà ce nom", MB_ICONEXCLAMATION);
    return;
  }
  v.nom = enMinuscules(dialogue.m_nom.GetString());
  v.valeur = dialogue.m_valeur;
  v.commentaire = dialogue.m_commentaire.GetString();
  remplirConstantes();
}

void CDlgFormulePoids::OnCalculer() {
  lireFormules();
  tableVariables& t = m_formules->variables;
  t.definir(L"d1", nombreDuChamp(*this, IDC_FORMULE_D1), L"", true);
  t.definir(L"d2", nombreDuChamp(*this, IDC_FORMULE_D2), L"", true);
  t.definir(L"d3", nombreDuChamp(*this, IDC_FORMULE_D3), L"", true);
  t.definir(L"ang", nombreDuChamp(*this, IDC_FORMULE_ANGLE), L"", true);
  const std::pair<const std::wstring*, int> resultats[] = {
      {&m_formules->angles, IDC_FORMULE_POIDS_ANGLE1},
      {&m_formules->gisements, IDC_FORMULE_POIDS_ANGLE2},
      {&m_formules->distances, IDC_FORMULE_POIDS_DIST}};
  for (const auto& [texte, champ] : resultats) {
    CString valeur;
    valeur.Format(L"%.4f", formule(*texte).evaluer(t));
    SetDlgItemText(champ, valeur);
  }
}

void CDlgFormulePoids::OnEnregistrer() {
  lireFormules();
  CFileDialog dialogue(FALSE, L"fmc", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       kFiltreFormules, this);
  if (dialogue.DoModal() != IDOK) return;
  const std::wstring erreur = enregistrerFichierFormules(dialogue.GetPathName().GetString(), *m_formules);
  if (!erreur.empty()) AfxMessageBox(erreur.c_str(), MB_ICONEXCLAMATION);
}

void CDlgFormulePoids::OnCharger() {
  CFileDialog dialogue(TRUE, L"fmc", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                       kFiltreFormules, this);
  if (dialogue.DoModal() != IDOK) return;
  const std::wstring erreur = chargerFichierFormules(dialogue.GetPathName().GetString(), *m_formules);
  if (!erreur.empty()) AfxMessageBox(erreur.c_str(), MB_ICONEXCLAMATION);
  afficherFormules();
  remplirConstantes();
}

void CDlgFormulePoids::OnOK() {
  lireFormules();
  CAdUiDialog::OnOK();
}

void CDlgFormulePoids::OnCancel() {
  lireFormules();
  CAdUiDialog::OnCancel();
}
