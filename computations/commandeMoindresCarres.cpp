#include "computations/commandesCalculs.h"
#include "host/nonDisponible.h"

void commandeCorrMCarres() { annoncerNonDisponible(L"CORRMCARRES"); }
