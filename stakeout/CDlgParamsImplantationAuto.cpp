#include "stakeout/CDlgParamsImplantationAuto.h"

#include <set>

#include "codification/globalCodification.h"
#include "codification/tableCodification.h"
#include "points/listePointsDuDessin.h"
#include "resources/resourceImplantation.h"
#include "resources/ressourcesModule.h"
#include "stakeout/contexteImplantation.h"

namespace {
// Steps and errors below this would make points without end.
constexpr double kValeurMinimale = 1e-6;
constexpr double kValeurMaximale = 1e36;
}  // namespace

CDlgParamsImplantationAuto::CDlgParamsImplantationAuto(CWnd* parent)
    : CAdUiDialog(IDD_PARAMS_IMPLANTATION, parent) {}

BEGIN_MESSAGE_MAP(CDlgParamsImplantationAuto, CAdUiDialog)
END_MESSAGE_MAP()

void CDlgParamsImplantationAuto::depuis(const parametresImplantation& p) {
  m_increment = p.incrementerPrefixe != 0;
  m_modeClothoides = static_cast<int>(p.modeClothoides);
  m_valeurClothoides = p.valeurClothoides;
  m_modeArcs = static_cast<int>(p.modeArcs);
  m_valeurArcs = p.valeurArcs;
  m_droites = p.interpolerDroites != 0;
  m_distance = p.distanceDroites;
  m_afficherCode = p.afficherCodeStations != 0;
  m_codeStations = static_cast<int>(p.codeStations);
}

void CDlgParamsImplantationAuto::vers(parametresImplantation& p) const {
  p.incrementerPrefixe = m_increment != 0;
  p.modeClothoides = static_cast<Adesk::UInt32>(m_modeClothoides);
  p.valeurClothoides = m_valeurClothoides;
  p.modeArcs = static_cast<Adesk::UInt32>(m_modeArcs);
  p.valeurArcs = m_valeurArcs;
  p.interpolerDroites = m_droites != 0;
  p.distanceDroites = m_distance;
  if (m_afficherCode != 0) p.codeStations = static_cast<Adesk::UInt32>(m_codeStations);
}

// The station codes offered are those of the current table's points.
BOOL CDlgParamsImplantationAuto::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  if (m_afficherCode == 0) {
    for (int id : {IDC_PARIMPL_CODE, IDC_PARIMPL_CODE_LIBELLE}) {
      if (CWnd* controle = GetDlgItem(id)) controle->ShowWindow(SW_HIDE);
    }
    return TRUE;
  }
  std::set<int> codes;
  if (tablesPoints != nullptr && tablesPoints->nbTables() > 0) {
    listePointsDuDessin* table = tablesPoints->currTable();
    for (int i = 0; i < table->nbPoint(); ++i) codes.insert(table->getData(i)->getCode());
  }
  tableCodification* codification = globalCodification();
  for (int code : codes) {
    CString libelle;
    if (codification->indexOfCode(code) >= 0) {
      libelle = codification->getCodif(code).libelle;
    } else {
      libelle.Format(L"Code %d", code);
    }
    const int entree = m_codes.AddString(libelle);
    m_codes.SetItemData(entree, static_cast<DWORD_PTR>(code));
    if (code == m_codeStations) m_codes.SetCurSel(entree);
  }
  return TRUE;
}

void CDlgParamsImplantationAuto::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PARIMPL_CODE, m_codes);
  DDX_Text(pDX, IDC_PARIMPL_DEPART, m_numDepart);
  DDV_MinMaxInt(pDX, m_numDepart, 1, 2147483647);
  DDX_Text(pDX, IDC_PARIMPL_PREFIXE, m_prefixe);
  DDX_Text(pDX, IDC_PARIMPL_SUFFIXE, m_suffixe);
  DDX_Check(pDX, IDC_PARIMPL_INCREMENT, m_increment);
  DDX_Radio(pDX, IDC_PARIMPL_CLO_PAS, m_modeClothoides);
  DDX_Text(pDX, IDC_PARIMPL_CLO_VALEUR, m_valeurClothoides);
  DDV_MinMaxDouble(pDX, m_valeurClothoides, kValeurMinimale, kValeurMaximale);
  DDX_Radio(pDX, IDC_PARIMPL_ARC_PAS, m_modeArcs);
  DDX_Text(pDX, IDC_PARIMPL_ARC_VALEUR, m_valeurArcs);
  DDV_MinMaxDouble(pDX, m_valeurArcs, kValeurMinimale, kValeurMaximale);
  DDX_Check(pDX, IDC_PARIMPL_DROITES, m_droites);
  DDX_Text(pDX, IDC_PARIMPL_DISTANCE, m_distance);
  DDV_MinMaxDouble(pDX, m_distance, kValeurMinimale, kValeurMaximale);
}

void CDlgParamsImplantationAuto::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (m_afficherCode != 0 && m_codes.GetCurSel() >= 0) {
    m_codeStations = static_cast<int>(m_codes.GetItemData(m_codes.GetCurSel()));
  }
  EndDialog(IDOK);
}

bool choisirParametresImplantation(contexteImplantation& contexte) {
  ressourcesCourantes ressources;
  CDlgParamsImplantationAuto dialogue;
  dialogue.depuis(contexte.parametres());
  if (dialogue.DoModal() != IDOK) return false;
  dialogue.vers(contexte.parametres());
  contexte.numerotation().setParams(dialogue.m_prefixe, dialogue.m_numDepart, dialogue.m_suffixe, 1);
  return true;
}
