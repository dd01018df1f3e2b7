// The dialog templates of the traverses: closed and open traverses, bearing calculator, altitude
// transfer.
#include "resources/resourcePolygonales.h"
#include "resources/ressourcesModule.h"

void enregistrerDialoguesPolygonales() {}
