#include "host/nonDisponible.h"

#include "ed/aced.h"

void annoncerNonDisponible(const wchar_t* nom) {
  acutPrintf(L"\n%s : fonction non disponible dans cette version du module.", nom);
}
