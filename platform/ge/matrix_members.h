// The members of AcGeMatrix2d and AcGeMatrix3d that read the same in either dimension: products,
// inverse and transpose as copies, singularity, and the translation, scaling and mirroring
// matrices. DEFINE_MATRIX_MEMBERS(2d) or (3d) defines them in the matrix file of that dimension.
#pragma once
#include <cmath>

#define DEFINE_MATRIX_MEMBERS(dim)                                                   \
  AcGeMatrix##dim& AcGeMatrix##dim::preMultBy(const AcGeMatrix##dim& leftSide) {     \
    return *this = leftSide * *this;                                                 \
  }                                                                                  \
  AcGeMatrix##dim& AcGeMatrix##dim::postMultBy(const AcGeMatrix##dim& rightSide) {   \
    return *this = *this * rightSide;                                                \
  }                                                                                  \
  AcGeMatrix##dim AcGeMatrix##dim::inverse() const {                                 \
    AcGeMatrix##dim r = *this;                                                       \
    return r.invert();                                                               \
  }                                                                                  \
  AcGeMatrix##dim AcGeMatrix##dim::transpose() const {                               \
    AcGeMatrix##dim r = *this;                                                       \
    return r.transposeIt();                                                          \
  }                                                                                  \
  bool AcGeMatrix##dim::isSingular(const AcGeTol& tol) const {                       \
    return std::fabs(det()) <= tol.equalVector();                                    \
  }                                                                                  \
  AcGeMatrix##dim& AcGeMatrix##dim::setToTranslation(const AcGeVector##dim& v) {     \
    setToIdentity();                                                                 \
    return setTranslation(v);                                                        \
  }                                                                                  \
  AcGeMatrix##dim& AcGeMatrix##dim::setToMirroring(const AcGePoint##dim& point) {    \
    return setToScaling(-1.0, point);                                                \
  }                                                                                  \
  AcGeMatrix##dim AcGeMatrix##dim::translation(const AcGeVector##dim& v) {           \
    return AcGeMatrix##dim().setToTranslation(v);                                    \
  }                                                                                  \
  AcGeMatrix##dim AcGeMatrix##dim::scaling(double s, const AcGePoint##dim& center) { \
    return AcGeMatrix##dim().setToScaling(s, center);                                \
  }                                                                                  \
  AcGeMatrix##dim AcGeMatrix##dim::mirroring(const AcGePoint##dim& point) {          \
    return AcGeMatrix##dim().setToMirroring(point);                                  \
  }
