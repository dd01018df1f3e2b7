// The members of AcGeVector2d and AcGeVector3d that read the same in either dimension: unit
// vectors, the tolerance tests, and products with matrices. DEFINE_VECTOR_MEMBERS(2d) or (3d)
// defines them in the vector file of that dimension.
#pragma once
#include <cmath>

#define DEFINE_VECTOR_MEMBERS(dim)                                                              \
  AcGeVector##dim& AcGeVector##dim::setToProduct(const AcGeMatrix##dim& mat,                    \
                                                 const AcGeVector##dim& v) {                    \
    return *this = mat * v;                                                                     \
  }                                                                                             \
  AcGeVector##dim& AcGeVector##dim::transformBy(const AcGeMatrix##dim& leftSide) {              \
    return *this = leftSide * *this;                                                            \
  }                                                                                             \
  AcGeVector##dim AcGeVector##dim::normal(const AcGeTol& tol) const {                           \
    AcGeVector##dim v = *this;                                                                  \
    return v.normalize(tol);                                                                    \
  }                                                                                             \
  AcGeVector##dim& AcGeVector##dim::normalize(const AcGeTol& tol) {                             \
    AcGe::ErrorCondition flag;                                                                  \
    return normalize(tol, flag);                                                                \
  }                                                                                             \
  AcGeVector##dim& AcGeVector##dim::normalize(const AcGeTol& tol, AcGe::ErrorCondition& flag) { \
    const double len = length();                                                                \
    if (len <= tol.equalVector() || len == 0.0) {                                               \
      flag = AcGe::k0This;                                                                      \
      return *this;                                                                             \
    }                                                                                           \
    flag = AcGe::kOk;                                                                           \
    return *this /= len;                                                                        \
  }                                                                                             \
  bool AcGeVector##dim::isUnitLength(const AcGeTol& tol) const {                                \
    return std::fabs(length() - 1.0) <= tol.equalVector();                                      \
  }                                                                                             \
  bool AcGeVector##dim::isZeroLength(const AcGeTol& tol) const {                                \
    return length() <= tol.equalVector();                                                       \
  }                                                                                             \
  bool AcGeVector##dim::isParallelTo(const AcGeVector##dim& v, const AcGeTol& tol) const {      \
    if (isZeroLength(tol) || v.isZeroLength(tol)) return false;                                 \
    const AcGeVector##dim a = normal(), b = v.normal();                                         \
    return (a - b).length() < tol.equalVector() || (a + b).length() < tol.equalVector();        \
  }                                                                                             \
  bool AcGeVector##dim::isCodirectionalTo(const AcGeVector##dim& v, const AcGeTol& tol) const { \
    if (isZeroLength(tol) || v.isZeroLength(tol)) return false;                                 \
    return (normal() - v.normal()).length() < tol.equalVector();                                \
  }                                                                                             \
  bool AcGeVector##dim::isPerpendicularTo(const AcGeVector##dim& v, const AcGeTol& tol) const { \
    if (isZeroLength(tol) || v.isZeroLength(tol)) return false;                                 \
    return std::fabs(dotProduct(v)) / (length() * v.length()) <= tol.equalVector();             \
  }                                                                                             \
  bool AcGeVector##dim::isEqualTo(const AcGeVector##dim& v, const AcGeTol& tol) const {         \
    return (*this - v).length() <= tol.equalVector();                                           \
  }
