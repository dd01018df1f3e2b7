#include "exchange/commandesEchange.h"

#include "host/nonDisponible.h"

void commandeCoordsXYZ() { annoncerNonDisponible(L"COORDSXYZ"); }
void commandeImportPoints() { annoncerNonDisponible(L"IMPORTPOINTS"); }
void commandeExportPoints() { annoncerNonDisponible(L"EXPORTPOINTS"); }
void commandeTableXYZ() { annoncerNonDisponible(L"TABLEXYZ"); }
void commandeMajPoints() { annoncerNonDisponible(L"MAJPOINTS"); }
void commandePtsEn3D() { annoncerNonDisponible(L"PTSEN3D"); }

void lispDecrireBlock() { annoncerNonDisponible(L"c:decrireblock"); }
void lispTableGendes() { annoncerNonDisponible(L"c:tablegendes"); }
void lispGererLeves() { annoncerNonDisponible(L"c:gererLeves"); }
