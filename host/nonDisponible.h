// The notice given by a command or a LISP function whose work this version of the module does
// not do yet: said once per call, never silently ignored.
#pragma once

void annoncerNonDisponible(const wchar_t* nom);
