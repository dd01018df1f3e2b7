#include "tools/commandesOutils.h"
#include "tools/rectorienteJig.h"

void commandeRect3Pt() {
  rectorienteJig jig;
  jig.executer();
}
