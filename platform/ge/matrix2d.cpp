#include <algorithm>
#include <cmath>
#include <utility>

#include "ge/gemat2d.h"
#include "ge/matrix_members.h"

namespace {

AcGeVector2d column(const AcGeMatrix2d& m, int j) { return {m.entry[0][j], m.entry[1][j]}; }

// Gauss-Jordan elimination with partial pivoting. False when a pivot is not larger than tol.
bool invertEntries(const double (&m)[3][3], double (&inv)[3][3], double tol) {
  double a[3][6];
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      a[i][j] = m[i][j];
      a[i][j + 3] = (i == j) ? 1.0 : 0.0;
    }
  }
  for (int col = 0; col < 3; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 3; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (std::fabs(a[pivot][col]) <= tol) return false;
    if (pivot != col)
      for (int j = 0; j < 6; ++j) std::swap(a[pivot][j], a[col][j]);
    const double d = a[col][col];
    for (int j = 0; j < 6; ++j) a[col][j] /= d;
    for (int r = 0; r < 3; ++r) {
      if (r == col || a[r][col] == 0.0) continue;
      const double f = a[r][col];
      for (int j = 0; j < 6; ++j) a[r][j] -= f * a[col][j];
    }
  }
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) inv[i][j] = a[i][j + 3];
  return true;
}

}  // namespace

const AcGeMatrix2d AcGeMatrix2d::kIdentity;

AcGeMatrix2d& AcGeMatrix2d::setToIdentity() {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) entry[i][j] = (i == j) ? 1.0 : 0.0;
  return *this;
}

AcGeMatrix2d AcGeMatrix2d::operator*(const AcGeMatrix2d& m) const {
  AcGeMatrix2d r;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      double s = 0.0;
      for (int k = 0; k < 3; ++k) s += entry[i][k] * m.entry[k][j];
      r.entry[i][j] = s;
    }
  }
  return r;
}

DEFINE_MATRIX_MEMBERS(2d)

AcGeMatrix2d& AcGeMatrix2d::invert() {
  AcGeMatrix2d r;
  if (inverse(r, 0.0)) *this = r;
  return *this;
}

bool AcGeMatrix2d::inverse(AcGeMatrix2d& result, double tol) const {
  return invertEntries(entry, result.entry, tol);
}

AcGeMatrix2d& AcGeMatrix2d::transposeIt() {
  for (int i = 0; i < 3; ++i)
    for (int j = i + 1; j < 3; ++j) std::swap(entry[i][j], entry[j][i]);
  return *this;
}

double AcGeMatrix2d::det() const {
  const auto& e = entry;
  return e[0][0] * (e[1][1] * e[2][2] - e[1][2] * e[2][1]) -
         e[0][1] * (e[1][0] * e[2][2] - e[1][2] * e[2][0]) +
         e[0][2] * (e[1][0] * e[2][1] - e[1][1] * e[2][0]);
}

bool AcGeMatrix2d::isEqualTo(const AcGeMatrix2d& m, const AcGeTol& tol) const {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (std::fabs(entry[i][j] - m.entry[i][j]) > tol.equalVector()) return false;
  return true;
}

bool AcGeMatrix2d::isScaledOrtho(const AcGeTol& tol) const {
  const AcGeVector2d c0 = column(*this, 0), c1 = column(*this, 1);
  if (c0.isZeroLength(tol) || c1.isZeroLength(tol)) return false;
  return c0.isPerpendicularTo(c1, tol);
}

bool AcGeMatrix2d::isUniScaledOrtho(const AcGeTol& tol) const {
  if (!isScaledOrtho(tol)) return false;
  const double l0 = column(*this, 0).length(), l1 = column(*this, 1).length();
  return std::fabs(l0 - l1) <= tol.equalPoint() * std::max({1.0, l0, l1});
}

double AcGeMatrix2d::scale() const {
  return std::max(column(*this, 0).length(), column(*this, 1).length());
}

AcGeMatrix2d& AcGeMatrix2d::setTranslation(const AcGeVector2d& v) {
  entry[0][2] = v.x;
  entry[1][2] = v.y;
  return *this;
}

AcGeVector2d AcGeMatrix2d::translation() const { return column(*this, 2); }

AcGeMatrix2d& AcGeMatrix2d::setCoordSystem(const AcGePoint2d& origin, const AcGeVector2d& xAxis,
                                           const AcGeVector2d& yAxis) {
  setToIdentity();
  entry[0][0] = xAxis.x;
  entry[1][0] = xAxis.y;
  entry[0][1] = yAxis.x;
  entry[1][1] = yAxis.y;
  return setTranslation(origin.asVector());
}

void AcGeMatrix2d::getCoordSystem(AcGePoint2d& origin, AcGeVector2d& xAxis,
                                  AcGeVector2d& yAxis) const {
  xAxis = column(*this, 0);
  yAxis = column(*this, 1);
  origin.set(entry[0][2], entry[1][2]);
}

AcGeMatrix2d& AcGeMatrix2d::setToRotation(double angle, const AcGePoint2d& center) {
  setToIdentity();
  const double c = std::cos(angle), s = std::sin(angle);
  entry[0][0] = c;
  entry[0][1] = -s;
  entry[1][0] = s;
  entry[1][1] = c;
  const AcGeVector2d cv = center.asVector();
  return setTranslation(cv - (*this * cv));
}

AcGeMatrix2d& AcGeMatrix2d::setToScaling(double s, const AcGePoint2d& center) {
  setToIdentity();
  entry[0][0] = entry[1][1] = s;
  return setTranslation(center.asVector() * (1.0 - s));
}

AcGeMatrix2d& AcGeMatrix2d::setToAlignCoordSys(const AcGePoint2d& fromOrigin,
                                               const AcGeVector2d& fromE0,
                                               const AcGeVector2d& fromE1,
                                               const AcGePoint2d& toOrigin,
                                               const AcGeVector2d& toE0,
                                               const AcGeVector2d& toE1) {
  AcGeMatrix2d from, to;
  from.setCoordSystem(fromOrigin, fromE0, fromE1);
  to.setCoordSystem(toOrigin, toE0, toE1);
  return *this = to * from.inverse();
}

AcGeMatrix2d AcGeMatrix2d::rotation(double angle, const AcGePoint2d& center) {
  return AcGeMatrix2d().setToRotation(angle, center);
}
AcGeMatrix2d AcGeMatrix2d::alignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                         const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                         const AcGeVector2d& toE0, const AcGeVector2d& toE1) {
  return AcGeMatrix2d().setToAlignCoordSys(fromOrigin, fromE0, fromE1, toOrigin, toE0, toE1);
}
