#include "exchange/cheminFichier.h"

#include <cwchar>

CString nettoyerChemin(const CString& chemin) {
  CString propre = chemin;
  propre.TrimLeft(L" \t,;");
  propre.TrimRight(L" \t,;.");
  return propre;
}

bool finitPar(const CString& chemin, const wchar_t* extension) {
  const int longueur = static_cast<int>(std::wcslen(extension));
  return chemin.GetLength() >= longueur && chemin.Right(longueur).CompareNoCase(extension) == 0;
}
