#include <algorithm>
#include <cmath>
#include <utility>

#include "ge/gemat3d.h"
#include "ge/geplane.h"
#include "ge/matrix_members.h"

namespace {

using Entries = double[4][4];

void copyEntries(const Entries& from, Entries& to) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) to[i][j] = from[i][j];
}

// Gauss-Jordan elimination with partial pivoting. False when a pivot is not larger than tol.
bool invertEntries(const Entries& m, Entries& inv, double tol) {
  double a[4][8];
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      a[i][j] = m[i][j];
      a[i][j + 4] = (i == j) ? 1.0 : 0.0;
    }
  }
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 4; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (std::fabs(a[pivot][col]) <= tol) return false;
    if (pivot != col)
      for (int j = 0; j < 8; ++j) std::swap(a[pivot][j], a[col][j]);
    const double d = a[col][col];
    for (int j = 0; j < 8; ++j) a[col][j] /= d;
    for (int r = 0; r < 4; ++r) {
      if (r == col || a[r][col] == 0.0) continue;
      const double f = a[r][col];
      for (int j = 0; j < 8; ++j) a[r][j] -= f * a[col][j];
    }
  }
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) inv[i][j] = a[i][j + 4];
  return true;
}

AcGeVector3d column(const AcGeMatrix3d& m, int j) {
  return {m.entry[0][j], m.entry[1][j], m.entry[2][j]};
}

}  // namespace

const AcGeMatrix3d AcGeMatrix3d::kIdentity;

AcGeMatrix3d& AcGeMatrix3d::setToIdentity() {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) entry[i][j] = (i == j) ? 1.0 : 0.0;
  return *this;
}

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& m) const {
  AcGeMatrix3d r;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      double s = 0.0;
      for (int k = 0; k < 4; ++k) s += entry[i][k] * m.entry[k][j];
      r.entry[i][j] = s;
    }
  }
  return r;
}

DEFINE_MATRIX_MEMBERS(3d)

AcGeMatrix3d& AcGeMatrix3d::invert() {
  Entries inv;
  if (invertEntries(entry, inv, 0.0)) copyEntries(inv, entry);
  return *this;
}

bool AcGeMatrix3d::inverse(AcGeMatrix3d& result, double tol) const {
  Entries inv;
  if (!invertEntries(entry, inv, tol)) return false;
  copyEntries(inv, result.entry);
  return true;
}

AcGeMatrix3d& AcGeMatrix3d::transposeIt() {
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j) std::swap(entry[i][j], entry[j][i]);
  return *this;
}

double AcGeMatrix3d::det() const {
  // Elimination with partial pivoting on a copy.
  double a[4][4];
  copyEntries(entry, a);
  double d = 1.0;
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 4; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (a[pivot][col] == 0.0) return 0.0;
    if (pivot != col) {
      for (int j = 0; j < 4; ++j) std::swap(a[pivot][j], a[col][j]);
      d = -d;
    }
    d *= a[col][col];
    for (int r = col + 1; r < 4; ++r) {
      const double f = a[r][col] / a[col][col];
      for (int j = col; j < 4; ++j) a[r][j] -= f * a[col][j];
    }
  }
  return d;
}

bool AcGeMatrix3d::isEqualTo(const AcGeMatrix3d& m, const AcGeTol& tol) const {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (std::fabs(entry[i][j] - m.entry[i][j]) > tol.equalVector()) return false;
  return true;
}

bool AcGeMatrix3d::isScaledOrtho(const AcGeTol& tol) const {
  const AcGeVector3d c0 = column(*this, 0), c1 = column(*this, 1), c2 = column(*this, 2);
  if (c0.isZeroLength(tol) || c1.isZeroLength(tol) || c2.isZeroLength(tol)) return false;
  return c0.isPerpendicularTo(c1, tol) && c1.isPerpendicularTo(c2, tol) &&
         c0.isPerpendicularTo(c2, tol);
}

bool AcGeMatrix3d::isUniScaledOrtho(const AcGeTol& tol) const {
  if (!isScaledOrtho(tol)) return false;
  const double l0 = column(*this, 0).length(), l1 = column(*this, 1).length(),
               l2 = column(*this, 2).length();
  const double rel = tol.equalPoint() * std::max({1.0, l0, l1, l2});
  return std::fabs(l0 - l1) <= rel && std::fabs(l1 - l2) <= rel;
}

double AcGeMatrix3d::scale() const {
  return std::max({column(*this, 0).length(), column(*this, 1).length(),
                   column(*this, 2).length()});
}

double AcGeMatrix3d::norm() const {
  double best = 0.0;
  for (int i = 0; i < 4; ++i) {
    double s = 0.0;
    for (int j = 0; j < 4; ++j) s += std::fabs(entry[i][j]);
    best = std::max(best, s);
  }
  return best;
}

AcGeMatrix3d& AcGeMatrix3d::setTranslation(const AcGeVector3d& v) {
  entry[0][3] = v.x;
  entry[1][3] = v.y;
  entry[2][3] = v.z;
  return *this;
}

AcGeVector3d AcGeMatrix3d::translation() const { return column(*this, 3); }

AcGeMatrix3d& AcGeMatrix3d::setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                                           const AcGeVector3d& yAxis, const AcGeVector3d& zAxis) {
  setToIdentity();
  const AcGeVector3d cols[4] = {xAxis, yAxis, zAxis, origin.asVector()};
  for (int j = 0; j < 4; ++j)
    for (unsigned int i = 0; i < 3; ++i) entry[i][j] = cols[j][i];
  return *this;
}

void AcGeMatrix3d::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                                  AcGeVector3d& zAxis) const {
  xAxis = column(*this, 0);
  yAxis = column(*this, 1);
  zAxis = column(*this, 2);
  const AcGeVector3d t = column(*this, 3);
  origin.set(t.x, t.y, t.z);
}

AcGeMatrix3d& AcGeMatrix3d::setToRotation(double angle, const AcGeVector3d& axis,
                                          const AcGePoint3d& center) {
  // Rodrigues: R = cI + s[k]x + (1 - c) k k^T about the unit axis k.
  setToIdentity();
  const AcGeVector3d k = axis.normal();
  if (k.isZeroLength()) return *this;
  const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
  entry[0][0] = c + t * k.x * k.x;
  entry[0][1] = t * k.x * k.y - s * k.z;
  entry[0][2] = t * k.x * k.z + s * k.y;
  entry[1][0] = t * k.x * k.y + s * k.z;
  entry[1][1] = c + t * k.y * k.y;
  entry[1][2] = t * k.y * k.z - s * k.x;
  entry[2][0] = t * k.x * k.z - s * k.y;
  entry[2][1] = t * k.y * k.z + s * k.x;
  entry[2][2] = c + t * k.z * k.z;
  // p' = R (p - c) + c
  const AcGeVector3d cv = center.asVector();
  return setTranslation(cv - (*this * cv));
}

AcGeMatrix3d& AcGeMatrix3d::setToScaling(double s, const AcGePoint3d& center) {
  setToIdentity();
  entry[0][0] = entry[1][1] = entry[2][2] = s;
  return setTranslation(center.asVector() * (1.0 - s));
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePlane& plane) {
  // p' = p - 2 ((p - o) . n) n
  setToIdentity();
  const AcGeVector3d n = plane.normal().normal();
  for (unsigned int i = 0; i < 3; ++i)
    for (unsigned int j = 0; j < 3; ++j) entry[i][j] -= 2.0 * n[i] * n[j];
  return setTranslation(n * (2.0 * plane.pointOnPlane().asVector().dotProduct(n)));
}

AcGeMatrix3d& AcGeMatrix3d::setToProjection(const AcGePlane& plane, const AcGeVector3d& dir) {
  // p' = p - d ((p - o) . n) / (d . n)
  setToIdentity();
  const AcGeVector3d n = plane.normal();
  const double dn = dir.dotProduct(n);
  if (dn == 0.0) return *this;
  for (unsigned int i = 0; i < 3; ++i)
    for (unsigned int j = 0; j < 3; ++j) entry[i][j] -= dir[i] * n[j] / dn;
  return setTranslation(dir * (plane.pointOnPlane().asVector().dotProduct(n) / dn));
}

AcGeMatrix3d& AcGeMatrix3d::setToAlignCoordSys(
    const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis, const AcGeVector3d& fromYAxis,
    const AcGeVector3d& fromZAxis, const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
    const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis) {
  AcGeMatrix3d from, to;
  from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
  to.setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
  return *this = to * from.inverse();
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGeVector3d& normal) {
  const AcGeVector3d n = normal.normal();
  const AcGeVector3d ax = n.perpVector();  // arbitrary axis algorithm
  const AcGeVector3d ay = n.crossProduct(ax).normal();
  return setCoordSystem(AcGePoint3d::kOrigin, ax, ay, n);
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGeVector3d& normal) {
  // The plane-to-world matrix is a rotation: its inverse is its transpose.
  setToPlaneToWorld(normal);
  return transposeIt();
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGePlane& plane) {
  AcGePoint3d origin;
  AcGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  return setCoordSystem(origin, u, v, plane.normal());
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGePlane& plane) {
  setToPlaneToWorld(plane);
  return invert();
}

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis,
                                    const AcGePoint3d& center) {
  return AcGeMatrix3d().setToRotation(angle, axis, center);
}
AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePlane& plane) {
  return AcGeMatrix3d().setToMirroring(plane);
}
AcGeMatrix3d AcGeMatrix3d::projection(const AcGePlane& plane, const AcGeVector3d& dir) {
  return AcGeMatrix3d().setToProjection(plane, dir);
}
AcGeMatrix3d AcGeMatrix3d::alignCoordSys(const AcGePoint3d& fromOrigin,
                                         const AcGeVector3d& fromXAxis,
                                         const AcGeVector3d& fromYAxis,
                                         const AcGeVector3d& fromZAxis,
                                         const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                         const AcGeVector3d& toYAxis,
                                         const AcGeVector3d& toZAxis) {
  return AcGeMatrix3d().setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, fromZAxis, toOrigin,
                                           toXAxis, toYAxis, toZAxis);
}
AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGeVector3d& normal) {
  return AcGeMatrix3d().setToPlaneToWorld(normal);
}
AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGeVector3d& normal) {
  return AcGeMatrix3d().setToWorldToPlane(normal);
}
AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGePlane& plane) {
  return AcGeMatrix3d().setToPlaneToWorld(plane);
}
AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGePlane& plane) {
  return AcGeMatrix3d().setToWorldToPlane(plane);
}
