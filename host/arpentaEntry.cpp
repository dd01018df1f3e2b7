// The module's entry point: what it does on each message of the host.
#include "host/CDocData.h"
#include "host/tableCommandes.h"
#include "host/tableLisp.h"
#include "points/stockageTopo.h"
#include "resources/ressourcesModule.h"
#include "rx/rxdefs.h"
#include "rx/rxdlinkr.h"
#include "ui/afxrich.h"

namespace {

// Every step stops at the module's edge: an exception never reaches the host.
template <typename F>
void protege(F&& action) {
  try {
    action();
  } catch (...) {
  }
}

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  switch (message) {
    case AcRx::kInitAppMsg:
      acrxDynamicLinker->unlockApplication(appId);
      acrxDynamicLinker->registerAppMDIAware(appId);
      protege(enregistrerCommandes);
      AfxInitRichEdit();
      enregistrerRessources();
      protege(creerDonneesDocuments);
      break;
    case AcRx::kUnloadAppMsg:
      protege(retirerCommandes);
      retirerRessources();
      protege(detruireDonneesDocuments);
      break;
    case AcRx::kLoadDwgMsg:
      protege(definirFonctionsLisp);
      break;
    case AcRx::kUnloadDwgMsg:
      protege(retirerFonctionsLisp);
      break;
    case AcRx::kInvkSubrMsg:
      protege(appelerFonctionLisp);
      break;
    case AcRx::kSaveMsg:
      protege([] { enregistrerProjetDocument(acrxDynamicLinker->messageDocument()); });
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}

// The version of the host's programming interface the module was built for.
extern "C" int acrxGetApiVersion() { return 17; }
