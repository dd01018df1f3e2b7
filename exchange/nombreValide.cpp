#include "exchange/nombreValide.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool estBlanc(char c) { return c == ' ' || c == '\t'; }
bool estChiffre(char c) { return c >= '0' && c <= '9'; }

// Moves i over a run of digits; whether there was at least one.
bool chiffres(std::string_view t, size_t& i) {
  const size_t debut = i;
  while (i < t.size() && estChiffre(t[i])) ++i;
  return i > debut;
}

}  // namespace

bool estNombreValide(std::string_view t) {
  size_t i = 0;
  while (i < t.size() && estBlanc(t[i])) ++i;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  if (!chiffres(t, i)) return false;
  if (i < t.size() && t[i] == '.') {
    ++i;
    if (!chiffres(t, i)) return false;
    if (i < t.size() && t[i] == 'E') {
      ++i;
      if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
      if (!chiffres(t, i)) return false;
    }
  }
  while (i < t.size() && estBlanc(t[i])) ++i;
  return i == t.size();
}

double lireNombreEnTete(std::string_view t, double fallback) {
  size_t i = 0;
  while (i < t.size() && std::isspace(static_cast<unsigned char>(t[i]))) ++i;
  const size_t debut = i;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  const bool entiers = chiffres(t, i);
  bool fraction = false;
  if (i < t.size() && t[i] == '.') {
    size_t j = i + 1;
    fraction = chiffres(t, j);
    if (entiers || fraction) i = j;
  }
  if (!entiers && !fraction) return 0.0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (chiffres(t, j)) i = j;
  }
  // Only the characters checked above reach strtod, so it can read neither "inf" nor hexadecimal.
  const std::string nombre(t.substr(debut, i - debut));
  const double valeur = std::strtod(nombre.c_str(), nullptr);
  return std::isfinite(valeur) ? valeur : fallback;
}
