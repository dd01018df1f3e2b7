#include "points/CModeNumerotation.h"

#include "resources/resource.h"
#include "resources/ressourcesModule.h"

CModeNumerotation::CModeNumerotation(CWnd* parent) : CDialog(IDD_NUMEROTATION, parent) {}

void CModeNumerotation::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NUM_PREFIXE, m_prefixe);
  DDX_Text(pDX, IDC_NUM_DEPART, m_numDepart);
  DDX_Text(pDX, IDC_NUM_SUFFIXE, m_suffixe);
  DDX_Text(pDX, IDC_NUM_EXEMPLE, m_exemple);
}

BEGIN_MESSAGE_MAP(CModeNumerotation, CDialog)
  ON_EN_CHANGE(IDC_NUM_PREFIXE, &CModeNumerotation::OnChangePrefixeOuSuffixe)
  ON_EN_CHANGE(IDC_NUM_SUFFIXE, &CModeNumerotation::OnChangePrefixeOuSuffixe)
END_MESSAGE_MAP()

// A change of the start number alone does not refresh the example.
void CModeNumerotation::OnChangePrefixeOuSuffixe() {
  UpdateData(TRUE);
  m_exemple.Format(L"%s%d%s", m_prefixe.GetString(), m_numDepart, m_suffixe.GetString());
  UpdateData(FALSE);
}

int choisirNumerotation(CString& prefixe, int& depart, CString& suffixe) {
  ressourcesCourantes ressources;
  try {
    CModeNumerotation dialogue;
    dialogue.m_prefixe = prefixe;
    dialogue.m_numDepart = depart;
    dialogue.m_suffixe = suffixe;
    if (dialogue.DoModal() != IDOK) return 0;
    prefixe = dialogue.m_prefixe;
    depart = dialogue.m_numDepart;
    suffixe = dialogue.m_suffixe;
    return 1;
  } catch (CException* erreur) {
    erreur->ReportError();
    erreur->Delete();
    return 0;
  }
}
