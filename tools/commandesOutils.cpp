#include "tools/commandesOutils.h"

#include "host/nonDisponible.h"


void lispJlAjusterZ() { annoncerNonDisponible(L"c:JLAJUSTERZ"); }
