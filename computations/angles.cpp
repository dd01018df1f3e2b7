#include "computations/angles.h"

#include <cmath>
#include <numbers>

#include "computations/fichierObservations.h"

double tourComplet(int unite) {
  if (unite == kUniteGrades) return 400.0;
  if (unite == kUniteDegres) return 360.0;
  return 2 * std::numbers::pi;
}

double versRadians(int unite) {
  if (unite == kUniteGrades) return std::numbers::pi / 200.0;
  if (unite == kUniteDegres) return std::numbers::pi / 180.0;
  return 1.0;
}

const wchar_t* nomUnite(int unite) {
  if (unite == kUniteGrades) return L"grades";
  if (unite == kUniteDegres) return L"degres";
  return L"radians";
}

double reduireModulo(double x, double m) {
  if (m == 0) return x;
  double r = x - std::floor(x / m) * m;
  if (r < 0) r += m;
  // floor's rounding can leave exactly m for a tiny negative x.
  if (r >= m) r -= m;
  return r;
}

double gisementRadians(double xa, double ya, double xb, double yb) {
  double g = std::numbers::pi / 2 - std::atan2(yb - ya, xb - xa);
  if (g < 0) g += 2 * std::numbers::pi;
  return g;
}

double gisementDansUnite(double xs, double ys, double xd, double yd, int unite) {
  return gisementRadians(xs, ys, xd, yd) / versRadians(unite);
}
