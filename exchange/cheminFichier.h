// Paths typed by the user, made ready for opening. Windows drops trailing dots and blanks from
// file names and folds case; here names keep their case, so only the ends are cleaned and the
// rest is used exactly as given.
#pragma once
#include "ui/afxstr.h"

// Blanks, tabs, "," and ";" trimmed at both ends, and "." at the end only, so that "./x" and
// "../x" stay relative.
CString nettoyerChemin(const CString& chemin);

// Whether the path ends with the extension (".xyz"), ignoring case.
bool finitPar(const CString& chemin, const wchar_t* extension);
