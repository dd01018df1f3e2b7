// The dialog templates of the drawing tools (grid, label thinning and the other drawing tools).
#include "resources/resourceOutils.h"
#include "resources/ressourcesModule.h"

void enregistrerDialoguesOutils() {}
