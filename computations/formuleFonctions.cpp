#include "computations/formuleFonctions.h"

#include <cmath>

#include "computations/variablesFormule.h"

bool fonctionConnue(const std::wstring& nom) {
  const std::wstring n = enMinuscules(nom);
  return n == L"racine" || n == L"sqrt" || n == L"abs" || n == L"exp" || n == L"ln" ||
         n == L"log";
}

double appliquerFonction(const std::wstring& nom, double x) {
  const std::wstring n = enMinuscules(nom);
  double y = 0;
  if (n == L"racine" || n == L"sqrt") y = x >= 0 ? std::sqrt(x) : 0;
  else if (n == L"abs") y = std::fabs(x);
  else if (n == L"exp") y = std::exp(x);
  else if (n == L"ln") y = x > 0 ? std::log(x) : 0;
  else if (n == L"log") y = x > 0 ? std::log10(x) : 0;
  return std::isfinite(y) ? y : 0;
}
