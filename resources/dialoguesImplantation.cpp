// The dialog templates of the stake-out (stake-out dialog and its parameters).
#include "resources/resourceImplantation.h"
#include "resources/ressourcesModule.h"

void enregistrerDialoguesImplantation() {}
