#include "computations/commandesCalculs.h"
#include "computations/corrPolygoDLG.h"
#include "computations/corrPolygoOuverteDLG.h"
#include "resources/ressourcesModule.h"

// Each command only opens its dialog: everything happens there.
void commandeCorrPolFermee() {
  ressourcesCourantes ressources;
  corrPolygoDLG dialogue;
  dialogue.DoModal();
}

void commandeCorrPolOuverte() {
  ressourcesCourantes ressources;
  corrPolygoOuverteDLG dialogue;
  dialogue.DoModal();
}
