#include "computations/commandesCalculs.h"
#include "host/nonDisponible.h"

void commandeCorrPolFermee() { annoncerNonDisponible(L"CORRPOLFERMEE"); }
void commandeCorrPolOuverte() { annoncerNonDisponible(L"CORRPOLOUVERTE"); }
