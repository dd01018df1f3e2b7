// The one codification table of the process, shared by every drawing.
#pragma once
#include "codification/tableCodification.h"

// The table, built at the first call from the default code file (see tableCodification).
tableCodification* globalCodification();
// Destroys the table; the next call builds it again (the module's tests start afresh with it).
void oublierGlobalCodification();
