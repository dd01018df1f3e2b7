// The functions a formula may call: racine (or sqrt), abs, exp, ln, log (base 10).
#pragma once
#include <string>

bool fonctionConnue(const std::wstring& nom);
// 0 outside the function's domain or when the result is not finite.
double appliquerFonction(const std::wstring& nom, double argument);
