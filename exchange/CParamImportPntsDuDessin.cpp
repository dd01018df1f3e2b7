#include "exchange/CParamImportPntsDuDessin.h"

#include "db/acutads.h"
#include "db/dbents.h"
#include "db/dbobject.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "resources/resourceEchange.h"

namespace {

// The check box of each kind, bit i of the set being box i.
constexpr int kCases[12] = {IDC_IMP_POLY2D_ANCIENNES, IDC_IMP_MAILLAGES, IDC_IMP_POLY3D,
                            IDC_IMP_BLOCS_3D,         IDC_IMP_BLOCS_ARPENTA, IDC_IMP_BLOCS_ATTRIBUTS,
                            IDC_IMP_FACETTES,         IDC_IMP_LIGNES,    IDC_IMP_POLY2D,
                            IDC_IMP_POINTS,           IDC_IMP_POLYFACES, IDC_IMP_TEXTES};
constexpr int kBitTextes = 11;

}  // namespace

CParamImportPntsDuDessin::CParamImportPntsDuDessin(CWnd* parent) : CAdUiDialog(IDD_IMPORT_POINTS, parent) {}

BEGIN_MESSAGE_MAP(CParamImportPntsDuDessin, CAdUiDialog)
  ON_BN_CLICKED(IDC_IMP_TOUS, &CParamImportPntsDuDessin::OnTous)
  ON_BN_CLICKED(IDC_IMP_AUCUN, &CParamImportPntsDuDessin::OnAucun)
  ON_BN_CLICKED(IDC_IMP_TEXTES, &CParamImportPntsDuDessin::OnTextes)
  ON_BN_CLICKED(IDC_IMP_CONFIGURER, &CParamImportPntsDuDessin::OnConfigurer)
  ON_BN_CLICKED(IDC_IMP_PRELEVER, &CParamImportPntsDuDessin::OnPrelever)
END_MESSAGE_MAP()

BOOL CParamImportPntsDuDessin::OnInitDialog() {
  for (int i = 0; i < 12; ++i) m_coches[i] = (m_types >> i) & 1;
  CAdUiDialog::OnInitDialog();
  activerDecalage();
  return TRUE;
}

void CParamImportPntsDuDessin::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  for (int i = 0; i < 12; ++i) DDX_Check(pDX, kCases[i], m_coches[i]);
  DDX_Text(pDX, IDC_IMP_TAG_NUMERO, m_tagNumero);
  DDX_Text(pDX, IDC_IMP_TAG_ALTITUDE, m_tagAltitude);
  DDX_Text(pDX, IDC_IMP_TAG_CODE, m_tagCode);
  DDX_Text(pDX, IDC_IMP_DECALAGE_X, m_decalage.x);
  DDX_Text(pDX, IDC_IMP_DECALAGE_Y, m_decalage.y);
  if (pDX->m_bSaveAndValidate) {
    m_types = 0;
    for (int i = 0; i < 12; ++i)
      if (m_coches[i]) m_types |= 1 << i;
  }
}

void CParamImportPntsDuDessin::cocherTout(bool coche) {
  for (int id : kCases) CheckDlgButton(id, coche ? BST_CHECKED : BST_UNCHECKED);
  activerDecalage();
}

void CParamImportPntsDuDessin::OnTous() { cocherTout(true); }
void CParamImportPntsDuDessin::OnAucun() { cocherTout(false); }
void CParamImportPntsDuDessin::OnTextes() { activerDecalage(); }

// The offset only matters to altitudes read from texts.
void CParamImportPntsDuDessin::activerDecalage() {
  const BOOL actif = IsDlgButtonChecked(kCases[kBitTextes]) == BST_CHECKED;
  for (int id : {IDC_IMP_LIBELLE_X, IDC_IMP_LIBELLE_Y, IDC_IMP_DECALAGE_X, IDC_IMP_DECALAGE_Y, IDC_IMP_PRELEVER})
    if (CWnd* controle = GetDlgItem(id)) controle->EnableWindow(actif);
}

bool CParamImportPntsDuDessin::choisirTag(const wchar_t* question, CString& tag) {
  ads_name nom;
  ads_point ou;
  ads_point transformation[4];
  resbuf* imbrication = nullptr;
  if (acedNEntSel(question, nom, ou, transformation, &imbrication) != RTNORM) return false;
  if (imbrication != nullptr) acutRelRb(imbrication);
  AcDbObjectId id;
  AcDbAttribute* attribut = nullptr;
  if (acdbGetObjectId(id, nom) != Acad::eOk || acdbOpenObject(attribut, id, AcDb::kForRead) != Acad::eOk) return false;
  tag = attribut->tagConst();
  attribut->close();
  return true;
}

void CParamImportPntsDuDessin::OnConfigurer() {
  UpdateData(TRUE);
  BeginEditorCommand();
  CString numero, altitude;
  if (choisirTag(L"\nSelectionnez un modele de Numéro  de point:", numero) &&
      choisirTag(L"\nSelectionnez un modele d'altitude de point:", altitude)) {
    m_tagNumero = numero;
    m_tagAltitude = altitude;
    m_tagCode.Empty();
    CString code;
    if (choisirTag(L"\nSelectionnez un modele de code de point s'il y a lieu:", code)) m_tagCode = code;
  }
  CompleteEditorCommand();
  UpdateData(FALSE);
}

void CParamImportPntsDuDessin::OnPrelever() {
  UpdateData(TRUE);
  BeginEditorCommand();
  ads_name nom;
  ads_point ou;
  AcDbObjectId id;
  AcDbText* texte = nullptr;
  if (acedEntSel(L"\nSelectionnez l'altitude:", nom, ou) == RTNORM && acdbGetObjectId(id, nom) == Acad::eOk &&
      acdbOpenObject(texte, id, AcDb::kForRead) == Acad::eOk) {
    // Attributes are texts too, but only a plain text is an altitude label.
    const bool simple = texte->isA() == AcDbText::desc();
    const AcGePoint3d insertion = texte->position();
    texte->close();
    ads_point position;
    if (simple && acedGetPoint(nullptr, L"\nPosition du point", position) == RTNORM) {
      m_decalage.set(position[0] - insertion.x, position[1] - insertion.y);
    }
  }
  CompleteEditorCommand();
  UpdateData(FALSE);
}
