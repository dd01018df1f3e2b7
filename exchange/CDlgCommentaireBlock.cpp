#include "exchange/CDlgCommentaireBlock.h"

#include "db/dbblkref.h"
#include "db/dbents.h"
#include "db/dbmtext.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "exchange/infoBlock.h"
#include "resources/resourceEchange.h"
#include "resources/ressourcesModule.h"

namespace {

constexpr int kErrnoEntree = 52;  // Enter instead of a pick

// The block definition of a picked reference; null when the user gives up.
AcDbObjectId choisirBlock() {
  for (;;) {
    ads_name nom;
    ads_point ou;
    const int reponse = acedEntSel(L"\nSelectionnez un block", nom, ou);
    if (reponse == RTERROR) {
      resbuf erreur{};
      // A miss asks again; Enter gives up, as a cancel does.
      if (acedGetVar(L"ERRNO", &erreur) == RTNORM && erreur.resval.rint == kErrnoEntree) return AcDbObjectId();
      continue;
    }
    if (reponse != RTNORM) return AcDbObjectId();
    AcDbObjectId id;
    AcDbBlockReference* reference = nullptr;
    if (acdbGetObjectId(id, nom) != Acad::eOk || acdbOpenObject(reference, id, AcDb::kForRead) != Acad::eOk) continue;
    const AcDbObjectId definition = reference->blockTableRecord();
    reference->close();
    return definition;
  }
}

// The contents of a text or multi-line text picked as the proposed description; false otherwise.
bool choisirCommentaire(CString& texte) {
  ads_name nom;
  ads_point ou;
  AcDbObjectId id;
  AcDbEntity* entite = nullptr;
  if (acedEntSel(L"\nCommentaire:", nom, ou) != RTNORM || acdbGetObjectId(id, nom) != Acad::eOk ||
      acdbOpenObject(entite, id, AcDb::kForRead) != Acad::eOk) {
    return false;
  }
  bool trouve = true;
  if (entite->isA() == AcDbText::desc()) {
    texte = static_cast<AcDbText*>(entite)->textStringConst();
  } else if (auto* paragraphe = AcDbMText::cast(entite)) {
    texte = paragraphe->contentsString().c_str();
  } else {
    trouve = false;
  }
  entite->close();
  return trouve;
}

CString nomBlock(AcDbObjectId bloc) {
  AcDbBlockTableRecord* definition = nullptr;
  CString nom;
  if (acdbOpenObject(definition, bloc, AcDb::kForRead) != Acad::eOk) return nom;
  const ACHAR* texte = nullptr;
  if (definition->getName(texte) == Acad::eOk && texte != nullptr) nom = texte;
  definition->close();
  return nom;
}

}  // namespace

CDlgCommentaireBlock::CDlgCommentaireBlock(CWnd* parent) : CAdUiDialog(IDD_COMMENTAIRE_BLOCK, parent) {}

void CDlgCommentaireBlock::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CB_DESCRIPTION, m_description);
}

BEGIN_MESSAGE_MAP(CDlgCommentaireBlock, CAdUiDialog)
  ON_BN_CLICKED(IDC_CB_CHOISIR, &CDlgCommentaireBlock::OnChoisir)
  ON_BN_CLICKED(IDC_CB_MODIFIER, &CDlgCommentaireBlock::OnModifier)
END_MESSAGE_MAP()

BOOL CDlgCommentaireBlock::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  rafraichir();
  return TRUE;
}

void CDlgCommentaireBlock::rafraichir() {
  const BOOL actif = m_bloc.isNull() ? FALSE : TRUE;
  for (int id : {IDC_CB_DESCRIPTION, IDC_CB_TAILLE_X, IDC_CB_TAILLE_Y, IDC_CB_NOM})
    if (CWnd* controle = GetDlgItem(id)) controle->EnableWindow(actif);
  if (!actif) return;
  m_description.ResetContent();
  for (const CString* texte : {&m_commentaires, &m_descriptionBloc, &m_descriptionEntite}) {
    if (!texte->IsEmpty() && m_description.FindStringExact(-1, *texte) == CB_ERR) m_description.AddString(*texte);
  }
  if (m_description.GetCount() == 0) {
    CString proposition;
    proposition.Format(L"Block %s", m_nom.GetString());
    m_description.AddString(proposition);
  }
  m_description.SetWindowText(m_commentaires);
  CString taille;
  taille.Format(L"%f", m_tailleX);
  SetDlgItemText(IDC_CB_TAILLE_X, taille);
  taille.Format(L"%f", m_tailleY);
  SetDlgItemText(IDC_CB_TAILLE_Y, taille);
  SetDlgItemText(IDC_CB_NOM, m_nom);
}

void CDlgCommentaireBlock::OnChoisir() {
  BeginEditorCommand();
  const AcDbObjectId bloc = choisirBlock();
  if (bloc.isNull()) {
    CancelEditorCommand();
    return;
  }
  CString propose;
  const bool commentaire = choisirCommentaire(propose);
  m_bloc = bloc;
  readBlockInfo(m_bloc, m_commentaires, m_descriptionBloc, m_descriptionEntite);
  if (commentaire) m_descriptionEntite = propose;
  m_nom = nomBlock(m_bloc);
  const etendueBlock etendue = mesurerBlock(m_bloc);
  m_tailleX = etendue.tailleX;
  m_tailleY = etendue.tailleY;
  CompleteEditorCommand();
  rafraichir();
}

void CDlgCommentaireBlock::OnModifier() {
  CString texte;
  m_description.GetWindowText(texte);
  if (texte.IsEmpty() || m_bloc.isNull()) return;
  writeBlockInfo(m_bloc, texte);
  readBlockInfo(m_bloc, m_commentaires, m_descriptionBloc, m_descriptionEntite);
  rafraichir();
}

void decrireBlock() {
  ressourcesCourantes ressources;
  CDlgCommentaireBlock dialogue;
  dialogue.DoModal();
}
