#include "tools/commandesOutils.h"

#include "host/nonDisponible.h"

void commandeRect3Pt() { annoncerNonDisponible(L"RECT3PT"); }

void lispDissocBlock() { annoncerNonDisponible(L"c:DISSOCBLOCK"); }
void lispJlAjusterZ() { annoncerNonDisponible(L"c:JLAJUSTERZ"); }
