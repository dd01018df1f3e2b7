// The dialog templates of point exchange: import and export, coordinate form, tables, block
// descriptions, point tables.
#include "resources/resourceEchange.h"
#include "resources/ressourcesModule.h"

void enregistrerDialoguesEchange() {}
