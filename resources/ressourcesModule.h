// The module's resources: its dialog templates, registered under the module's own handle, and the
// scope that makes them current while a command shows its dialogs.
#pragma once
#include "rx/rxwintypes.h"

HINSTANCE instanceModule();
void enregistrerRessources();
void retirerRessources();

// Each subsystem's templates (and strings) live in their own file, registered under the module's
// handle by enregistrerRessources.
void enregistrerDialoguesEchange();
void enregistrerDialoguesPolygonales();
void enregistrerDialoguesMoindresCarres();
void enregistrerDialoguesImplantation();
void enregistrerDialoguesOutils();

// Pushes the module's resource handle on the document manager, pops it at the end of the scope.
class ressourcesCourantes {
 public:
  ressourcesCourantes();
  ~ressourcesCourantes();
  ressourcesCourantes(const ressourcesCourantes&) = delete;
  ressourcesCourantes& operator=(const ressourcesCourantes&) = delete;
};
