#include <cmath>

#include "ge/gemat3d.h"
#include "ge/gescl3d.h"

const AcGeScale3d AcGeScale3d::kIdentity(1.0, 1.0, 1.0);

bool AcGeScale3d::isProportional(const AcGeTol& tol) const {
  return std::fabs(sx - sy) <= tol.equalVector() && std::fabs(sy - sz) <= tol.equalVector();
}

AcGeScale3d& AcGeScale3d::getMatrix(AcGeMatrix3d& mat) const {
  mat.setToIdentity();
  mat.entry[0][0] = sx;
  mat.entry[1][1] = sy;
  mat.entry[2][2] = sz;
  return const_cast<AcGeScale3d&>(*this);
}

AcGeScale3d::operator AcGeMatrix3d() const {
  AcGeMatrix3d m;
  getMatrix(m);
  return m;
}

AcGeScale3d& AcGeScale3d::extractScale(const AcGeMatrix3d& mat) {
  AcGePoint3d origin;
  AcGeVector3d x, y, z;
  mat.getCoordSystem(origin, x, y, z);
  sx = x.length();
  sy = y.length();
  sz = z.length();
  // A mirrored system (negative determinant) shows as a negative X factor.
  if (x.crossProduct(y).dotProduct(z) < 0.0) sx = -sx;
  return *this;
}

AcGeScale3d& AcGeScale3d::removeScale(AcGeMatrix3d& mat) {
  extractScale(mat);
  const double f[3] = {sx, sy, sz};
  for (int j = 0; j < 3; ++j) {
    if (f[j] == 0.0) continue;
    for (int i = 0; i < 3; ++i) mat.entry[i][j] /= f[j];
  }
  return *this;
}

bool AcGeScale3d::isEqualTo(const AcGeScale3d& s, const AcGeTol& tol) const {
  return std::fabs(sx - s.sx) <= tol.equalVector() && std::fabs(sy - s.sy) <= tol.equalVector() &&
         std::fabs(sz - s.sz) <= tol.equalVector();
}
