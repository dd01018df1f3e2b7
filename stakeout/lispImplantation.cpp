#include "stakeout/lispImplantation.h"

#include "host/nonDisponible.h"

void lispImplant2() { annoncerNonDisponible(L"c:IMPLANT2"); }
