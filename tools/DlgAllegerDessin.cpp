#include "tools/DlgAllegerDessin.h"

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "resources/resourceOutils.h"
#include "resources/ressourcesModule.h"
#include "ui/afxwin.h"

DlgAllegerDessin::DlgAllegerDessin(CWnd* parent) : CAdUiDialog(IDD_ALLEGER_DESSIN, parent) {}

void DlgAllegerDessin::DoDataExchange(CDataExchange* pDX) {
  CAdUiDialog::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_ALLEGER_DENSITE, m_critere);
  DDX_Text(pDX, IDC_ALLEGER_DENSITE_MAX, m_densiteMax);
  DDX_CBIndex(pDX, IDC_ALLEGER_ACTION, m_action);
  DDX_CBString(pDX, IDC_ALLEGER_LAYER, m_layer);
}

BOOL DlgAllegerDessin::OnInitDialog() {
  CAdUiDialog::OnInitDialog();
  auto* actions = static_cast<CComboBox*>(GetDlgItem(IDC_ALLEGER_ACTION));
  for (const wchar_t* action :
       {L"Cacher les points", L"Cacher les altitudes, puis les points",
        L"Cacher les numeros, puis les points", L"Cacher les altitudes, les numeros , puis les points",
        L"Cacher les numeros , les altitudes, puis les points"}) {
    actions->AddString(action);
  }
  // The layers of the drawing to choose from; a new name may be typed as well.
  auto* layers = static_cast<CComboBox*>(GetDlgItem(IDC_ALLEGER_LAYER));
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  AcDbLayerTable* table = nullptr;
  if (dessin != nullptr && dessin->getLayerTable(table, AcDb::kForRead) == Acad::eOk) {
    AcDbLayerTableIterator* it = nullptr;
    table->newIterator(it);
    for (; !it->done(); it->step()) {
      AcDbLayerTableRecord* layer = nullptr;
      if (it->getRecord(layer, AcDb::kForRead) != Acad::eOk) continue;
      const ACHAR* nom = nullptr;
      layer->getName(nom);
      layers->AddString(nom);
      layer->close();
    }
    delete it;
    table->close();
  }
  UpdateData(FALSE);
  return TRUE;
}

bool choisirAllegement() {
  ressourcesCourantes ressources;
  DlgAllegerDessin dialogue;
  return dialogue.DoModal() == IDOK;
}
