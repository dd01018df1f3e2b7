// The members of AcGeLinearEnt2d and AcGeLinearEnt3d that read the same in either dimension: a
// point and a vector, parameter t at point + t * vector. DEFINE_LINEAR_ENT_MEMBERS(2d) or (3d)
// defines them in the curve file of that dimension.
#pragma once
#include <algorithm>
#include <cmath>

#define DEFINE_LINEAR_ENT_MEMBERS(dim)                                                             \
  void AcGeLinearEnt##dim::getLine(AcGeLine##dim& line) const { line.set(point_, vector_); }       \
  double AcGeLinearEnt##dim::clampParam(double t) const {                                          \
    AcGeInterval range;                                                                            \
    getInterval(range);                                                                            \
    if (range.isBoundedBelow()) t = std::max(t, range.lowerBound());                               \
    if (range.isBoundedAbove()) t = std::min(t, range.upperBound());                               \
    return t;                                                                                      \
  }                                                                                                \
  bool AcGeLinearEnt##dim::isParallelTo(const AcGeLinearEnt##dim& other, const AcGeTol& tol)       \
      const {                                                                                      \
    return vector_.isParallelTo(other.vector_, tol);                                               \
  }                                                                                                \
  bool AcGeLinearEnt##dim::isPerpendicularTo(const AcGeLinearEnt##dim& other, const AcGeTol& tol)  \
      const {                                                                                      \
    return vector_.isPerpendicularTo(other.vector_, tol);                                          \
  }                                                                                                \
  bool AcGeLinearEnt##dim::isColinearTo(const AcGeLinearEnt##dim& other, const AcGeTol& tol)       \
      const {                                                                                      \
    if (!isParallelTo(other, tol)) return false;                                                   \
    AcGeLine##dim line;                                                                            \
    getLine(line);                                                                                 \
    return line.isOn(other.point_, tol);                                                           \
  }                                                                                                \
  AcGePoint##dim AcGeLinearEnt##dim::evalPoint(double param, int numDeriv,                         \
                                               AcGeVector##dim##Array& derivs) const {             \
    derivs.removeAll();                                                                            \
    if (numDeriv >= 1) derivs.append(vector_);                                                     \
    for (int i = 2; i <= numDeriv; ++i) derivs.append(AcGeVector##dim());                          \
    return evalPoint(param);                                                                       \
  }                                                                                                \
  double AcGeLinearEnt##dim::paramOf(const AcGePoint##dim& pnt, const AcGeTol&) const {            \
    const double len2 = vector_.lengthSqrd();                                                      \
    return len2 > 0.0 ? (pnt - point_).dotProduct(vector_) / len2 : 0.0;                           \
  }                                                                                                \
  AcGePoint##dim AcGeLinearEnt##dim::closestPointTo(const AcGePoint##dim& pnt, const AcGeTol& tol) \
      const {                                                                                      \
    return evalPoint(clampParam(paramOf(pnt, tol)));                                               \
  }                                                                                                \
  double AcGeLinearEnt##dim::length(double fromParam, double toParam, double) const {              \
    return std::fabs(toParam - fromParam) * vector_.length();                                      \
  }                                                                                                \
  AcGeLinearEnt##dim& AcGeLinearEnt##dim::transformBy(const AcGeMatrix##dim& xform) {              \
    const AcGePoint##dim p2 = xform * (point_ + vector_);                                          \
    point_ = xform * point_;                                                                       \
    vector_ = p2 - point_;                                                                         \
    return *this;                                                                                  \
  }
