// AcGeScale3d: three scale factors along the axes (the scale of a block reference).
#pragma once
#include "ge/getol.h"

class AcGeMatrix3d;

class AcGeScale3d {
 public:
  constexpr AcGeScale3d() = default;  // (1, 1, 1)
  constexpr explicit AcGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
  constexpr AcGeScale3d(double xFactor, double yFactor, double zFactor)
      : sx(xFactor), sy(yFactor), sz(zFactor) {}

  static const AcGeScale3d kIdentity;

  AcGeScale3d operator*(const AcGeScale3d& s) const { return {sx * s.sx, sy * s.sy, sz * s.sz}; }
  AcGeScale3d& operator*=(const AcGeScale3d& s) { sx *= s.sx; sy *= s.sy; sz *= s.sz; return *this; }
  AcGeScale3d operator*(double f) const { return {sx * f, sy * f, sz * f}; }
  AcGeScale3d& operator*=(double f) { sx *= f; sy *= f; sz *= f; return *this; }
  AcGeScale3d& setToProduct(const AcGeScale3d& a, const AcGeScale3d& b) { return *this = a * b; }
  AcGeScale3d& setToProduct(const AcGeScale3d& s, double f) { return *this = s * f; }
  AcGeScale3d inverse() const { return {1.0 / sx, 1.0 / sy, 1.0 / sz}; }
  AcGeScale3d& invert() { return *this = inverse(); }
  bool isProportional(const AcGeTol& tol = AcGeContext::gTol) const;

  // The diagonal matrix of these factors.
  AcGeScale3d& getMatrix(AcGeMatrix3d& mat) const;
  operator AcGeMatrix3d() const;
  // The scale factors of the images of the unit axes (their lengths; x negative when mirrored).
  AcGeScale3d& extractScale(const AcGeMatrix3d& mat);
  AcGeScale3d& removeScale(AcGeMatrix3d& mat);

  bool isEqualTo(const AcGeScale3d& s, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeScale3d& s) const { return isEqualTo(s); }
  bool operator!=(const AcGeScale3d& s) const { return !isEqualTo(s); }

  double operator[](unsigned int i) const { return i == 0 ? sx : (i == 1 ? sy : sz); }
  double& operator[](unsigned int i) { return i == 0 ? sx : (i == 1 ? sy : sz); }
  AcGeScale3d& set(double xFactor, double yFactor, double zFactor) {
    sx = xFactor; sy = yFactor; sz = zFactor; return *this;
  }

  double sx = 1.0;
  double sy = 1.0;
  double sz = 1.0;
};
