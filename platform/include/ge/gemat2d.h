// AcGeMatrix2d: an affine transformation of the plane, as a 3x3 matrix acting on column vectors
// (x, y, 1). Products compose right to left: (A * B) applies B first.
#pragma once
#include "ge/gepnt2d.h"
#include "ge/gevec2d.h"

class AcGeLine2d;

class AcGeMatrix2d {
 public:
  // The identity (constant-initialised, so that kIdentity is usable during static initialisation).
  constexpr AcGeMatrix2d() : entry{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}} {}

  static const AcGeMatrix2d kIdentity;

  AcGeMatrix2d& setToIdentity();
  AcGeMatrix2d operator*(const AcGeMatrix2d& m) const;
  AcGeMatrix2d& operator*=(const AcGeMatrix2d& m) { return postMultBy(m); }
  AcGeMatrix2d& preMultBy(const AcGeMatrix2d& leftSide);     // this = leftSide * this
  AcGeMatrix2d& postMultBy(const AcGeMatrix2d& rightSide);   // this = this * rightSide
  AcGeMatrix2d& preMultiplyBy(const AcGeMatrix2d& leftSide) { return preMultBy(leftSide); }
  AcGeMatrix2d& postMultiplyBy(const AcGeMatrix2d& rightSide) { return postMultBy(rightSide); }
  AcGeMatrix2d& setToProduct(const AcGeMatrix2d& a, const AcGeMatrix2d& b) { return *this = a * b; }

  AcGeMatrix2d& invert();  // a singular matrix is left unchanged
  AcGeMatrix2d inverse() const;
  bool inverse(AcGeMatrix2d& result, double tol) const;  // false when singular
  AcGeMatrix2d& transposeIt();
  AcGeMatrix2d transpose() const;
  double det() const;
  bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isEqualTo(const AcGeMatrix2d& m, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeMatrix2d& m) const { return isEqualTo(m); }
  bool operator!=(const AcGeMatrix2d& m) const { return !isEqualTo(m); }
  // True when the linear part is a rotation (or reflection) times one scale factor.
  bool isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  double scale() const;  // the largest length of the images of the unit axes

  AcGeMatrix2d& setTranslation(const AcGeVector2d& v);
  AcGeVector2d translation() const;

  // The matrix taking (0,0), (1,0), (0,1) to origin, origin + xAxis, origin + yAxis.
  AcGeMatrix2d& setCoordSystem(const AcGePoint2d& origin, const AcGeVector2d& xAxis,
                               const AcGeVector2d& yAxis);
  void getCoordSystem(AcGePoint2d& origin, AcGeVector2d& xAxis, AcGeVector2d& yAxis) const;

  AcGeMatrix2d& setToTranslation(const AcGeVector2d& v);
  AcGeMatrix2d& setToRotation(double angle, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  AcGeMatrix2d& setToScaling(double scale, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  AcGeMatrix2d& setToMirroring(const AcGePoint2d& point);
  AcGeMatrix2d& setToMirroring(const AcGeLine2d& line);
  // Maps the "from" coordinate system onto the "to" one.
  AcGeMatrix2d& setToAlignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                   const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                   const AcGeVector2d& toE0, const AcGeVector2d& toE1);

  static AcGeMatrix2d translation(const AcGeVector2d& v);
  static AcGeMatrix2d rotation(double angle, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  static AcGeMatrix2d scaling(double scale, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  static AcGeMatrix2d mirroring(const AcGePoint2d& point);
  static AcGeMatrix2d mirroring(const AcGeLine2d& line);
  static AcGeMatrix2d alignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                    const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                    const AcGeVector2d& toE0, const AcGeVector2d& toE1);

  double operator()(unsigned int row, unsigned int col) const { return entry[row][col]; }
  double& operator()(unsigned int row, unsigned int col) { return entry[row][col]; }

  double entry[3][3];
};
