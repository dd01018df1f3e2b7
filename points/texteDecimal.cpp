#include "points/texteDecimal.h"

#include <cwchar>
#include <cwctype>

bool lireDecimal(const std::wstring& texte, double& valeur) {
  size_t i = (!texte.empty() && (texte[0] == L'-' || texte[0] == L'+')) ? 1 : 0;
  bool chiffre = false, point = false;
  for (; i < texte.size(); ++i) {
    if (std::iswdigit(texte[i])) {
      chiffre = true;
    } else if (texte[i] == L'.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  if (!chiffre) return false;
  valeur = std::wcstod(texte.c_str(), nullptr);
  return true;
}
