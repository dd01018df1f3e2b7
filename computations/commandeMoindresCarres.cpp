#include "computations/commandesCalculs.h"
#include "computations/moindresCarresDialogue.h"
#include "resources/ressourcesModule.h"
#include "rx/acdocman.h"

void commandeCorrMCarres() {
  // The drawing stays locked while the dialog is open: placing points writes to it.
  AcApDocument* document = curDoc();
  const bool verrouille = document && acDocManager->lockDocument(document) == Acad::eOk;
  {
    ressourcesCourantes ressources;
    CDlgMoindresCarres dialogue;
    dialogue.DoModal();
  }
  if (verrouille) acDocManager->unlockDocument(document);
}
