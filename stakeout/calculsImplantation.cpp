#include "stakeout/calculsImplantation.h"

#include <cmath>
#include <numbers>

namespace {
bool indefini(double v) { return v == kSansValeur; }
}  // namespace

double gisement(double xA, double yA, double xB, double yB) {
  if (indefini(xA) || indefini(yA) || indefini(xB) || indefini(yB)) return kSansValeur;
  // + 0.0 turns a negative zero into a positive one, so a point due west never reads −π.
  double g = std::numbers::pi / 2 - std::atan2(yB - yA + 0.0, xB - xA + 0.0);
  if (g < 0) g += 2 * std::numbers::pi;
  return g;
}

double distanceHorizontale(double xA, double yA, double xB, double yB) {
  if (indefini(xA) || indefini(yA) || indefini(xB) || indefini(yB)) return kSansValeur;
  return std::hypot(xB - xA, yB - yA);
}

double radiansEnGrades(double radians) {
  return indefini(radians) ? kSansValeur : radians * 200.0 / std::numbers::pi;
}

CString texteGrades(double radians) { return texteValeur(radiansEnGrades(radians)); }

CString texteValeur(double valeur, const wchar_t* format) {
  CString texte;
  if (!indefini(valeur)) texte.Format(format, valeur);
  return texte;
}
