// AcGeTol: the two tolerances of geometric comparisons, and the global default AcGeContext::gTol.
//   points p1, p2 are equal when (p1 - p2).length() <= equalPoint
//   vectors v1, v2 are equal when (v1 - v2).length() <= equalVector; parallel when their unit
//   vectors differ (or sum) by less than equalVector; perpendicular when the cosine of their angle
//   is at most equalVector in absolute value.
#pragma once

class AcGeTol {
 public:
  AcGeTol() = default;

  double equalPoint() const { return equalPoint_; }
  double equalVector() const { return equalVector_; }
  void setEqualPoint(double val) { equalPoint_ = val; }
  void setEqualVector(double val) { equalVector_ = val; }

 private:
  double equalPoint_ = 1e-10;   // (drawing units)
  double equalVector_ = 1e-10;  // (dimensionless)
};

struct AcGeContext {
  // The tolerance used wherever a function's tolerance argument is left out. Changing it changes
  // every later comparison in the process.
  static AcGeTol gTol;
};
