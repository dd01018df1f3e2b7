// The strict reading of a number written in a text (an attribute, a text entity): an optional
// sign, digits and at most one decimal point, nothing else.
#pragma once
#include <string>

bool lireDecimal(const std::wstring& texte, double& valeur);
