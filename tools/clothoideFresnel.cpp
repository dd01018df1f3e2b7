#include "tools/clothoideFresnel.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
// Below this the power series loses less than two digits to cancellation.
constexpr double kFinSerie = 1.6;
// Above this the asymptotic series reaches machine precision before it diverges.
constexpr double kDebutAsymptotique = 6.0;
// Beyond this both integrals equal 1/2 to double precision (the Cephes bound).
constexpr double kLimiteUnDemi = 36974.0;

// Both series at once: the k-th term is (π x²/2)^k / k! · x / (2k + 1); even k feed C, odd k feed
// S, with alternating signs within each.
void serieEntiere(double x, double& c, double& s) {
  const double u = kPi * x * x / 2.0;
  double puissance = x;  // (π x²/2)^k / k! · x
  c = 0.0;
  s = 0.0;
  for (int k = 0; k < 200; ++k) {
    const double terme = puissance / (2 * k + 1);
    const double signe = (k / 2) % 2 == 0 ? 1.0 : -1.0;
    if (k % 2 == 0) {
      c += signe * terme;
    } else {
      s += signe * terme;
    }
    if (k > 2 && terme < 1e-18 * std::fabs(c + s)) break;
    puissance *= u / (k + 1);
  }
}

// π x²/2 reduced modulo 2π without losing the fraction for large x: x² is split into its rounded
// value and the rounding error, and the rounded value reduced exactly modulo 4.
double phaseFresnel(double x) {
  const double carre = x * x;
  const double erreur = std::fma(x, x, -carre);
  const double reduit = std::fmod(carre, 4.0) + erreur;
  return kPi * reduit / 2.0;
}

// Continued fraction of the complementary error function (modified Lentz), for the middle range.
void fractionContinue(double x, double& c, double& s) {
  const double pix2 = kPi * x * x;
  std::complex<double> b(1.0, -pix2);
  std::complex<double> cc(1e300, 0.0);
  std::complex<double> d = 1.0 / b;
  std::complex<double> h = d;
  int n = -1;
  for (int k = 2; k < 500; ++k) {
    n += 2;
    const double a = -static_cast<double>(n) * (n + 1);
    b += 4.0;
    d = 1.0 / (a * d + b);
    cc = b + a / cc;
    const std::complex<double> delta = cc * d;
    h *= delta;
    if (std::fabs(delta.real() - 1.0) + std::fabs(delta.imag()) < 1e-17) break;
  }
  h *= std::complex<double>(x, -x);
  const double phase = phaseFresnel(x);
  const std::complex<double> cs =
      std::complex<double>(0.5, 0.5) *
      (1.0 - std::complex<double>(std::cos(phase), std::sin(phase)) * h);
  c = cs.real();
  s = cs.imag();
}

// Abramowitz and Stegun 7.3.9, 7.3.10 with the asymptotic auxiliary functions 7.3.27, 7.3.28,
// summed while their terms still decrease.
void developpementAsymptotique(double x, double& c, double& s) {
  const double v = 1.0 / (kPi * x * x);  // 1 / (π x²)
  double f = 1.0;
  double g = v;
  double termeF = 1.0;
  double termeG = v;
  for (int m = 1; m < 60; ++m) {
    // (4m-1)!! / (π x²)^{2m} from the previous term; likewise (4m+1)!! / (π x²)^{2m+1}.
    const double suivantF = -termeF * (4 * m - 3) * (4 * m - 1) * v * v;
    const double suivantG = -termeG * (4 * m - 1) * (4 * m + 1) * v * v;
    if (std::fabs(suivantF) >= std::fabs(termeF) || std::fabs(suivantF) < 1e-20) break;
    termeF = suivantF;
    termeG = suivantG;
    f += termeF;
    g += termeG;
  }
  f /= kPi * x;
  g /= kPi * x;
  const double phase = phaseFresnel(x);
  const double sinus = std::sin(phase);
  const double cosinus = std::cos(phase);
  c = 0.5 + f * sinus - g * cosinus;
  s = 0.5 - f * cosinus - g * sinus;
}

}  // namespace

bool integralesFresnel(double x, double& c, double& s) {
  if (!std::isfinite(x)) return false;
  const double ax = std::fabs(x);
  double cx = 0.0;
  double sx = 0.0;
  if (ax < kFinSerie) {
    serieEntiere(ax, cx, sx);
  } else if (ax < kDebutAsymptotique) {
    fractionContinue(ax, cx, sx);
  } else if (ax <= kLimiteUnDemi) {
    developpementAsymptotique(ax, cx, sx);
  } else {
    cx = 0.5;
    sx = 0.5;
  }
  // Both integrals are odd functions.
  c = x < 0 ? -cx : cx;
  s = x < 0 ? -sx : sx;
  return true;
}
