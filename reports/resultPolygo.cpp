#include "reports/resultPolygo.h"

#include "os/winfile.h"
#include "resources/resource.h"
#include "resources/ressourcesModule.h"
#include "ui/afxdlgs.h"

resultPolygo::resultPolygo(const CString& page, CWnd* parent)
    : CDialog(IDD_RESULTATS, parent), m_page(page) {}

void resultPolygo::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RESULTATS_NAVIGATEUR, m_navigateur);
}

BEGIN_MESSAGE_MAP(resultPolygo, CDialog)
  ON_BN_CLICKED(IDC_RESULTATS_SAUVEGARDER, &resultPolygo::OnSauvegarder)
END_MESSAGE_MAP()

BOOL resultPolygo::OnInitDialog() {
  CDialog::OnInitDialog();
  m_navigateur.Navigate(m_page);
  return TRUE;
}

// A copy of the page where the user says; a copy that fails is not reported.
void resultPolygo::OnSauvegarder() {
  CFileDialog choix(FALSE, L"html", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, this);
  if (choix.DoModal() != IDOK) return;
  CopyFile(m_page, choix.GetPathName(), FALSE);
}

void afficherResultats(const CString& page) {
  static bool conteneurActive = false;
  if (!conteneurActive) {
    AfxEnableControlContainer();
    conteneurActive = true;
  }
  ressourcesCourantes ressources;
  resultPolygo dialogue(page);
  dialogue.DoModal();
}
