#include "tools/commandesOutils.h"

#include "host/nonDisponible.h"

void commandeRect3Pt() { annoncerNonDisponible(L"RECT3PT"); }

void lispProjPoly() { annoncerNonDisponible(L"c:projpoly"); }
void lispPointsParDecalage() { annoncerNonDisponible(L"C:pointsParDecalage"); }
void lispDissocBlock() { annoncerNonDisponible(L"c:DISSOCBLOCK"); }
void lispJlDeportPnts() { annoncerNonDisponible(L"c:JLDEPORTPNTS"); }
void lispJlAjusterZ() { annoncerNonDisponible(L"c:JLAJUSTERZ"); }
