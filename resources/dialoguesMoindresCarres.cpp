// The dialog templates of the least-squares network: its dialog, weight formulas, variables,
// weights table.
#include "resources/resourceMoindresCarres.h"
#include "resources/ressourcesModule.h"

void enregistrerDialoguesMoindresCarres() {}
