// AcGeInterval: a parameter range, bounded or not on either side.
#pragma once
#include "ge/getol.h"

class AcGeInterval {
 public:
  AcGeInterval() = default;  // unbounded on both sides
  AcGeInterval(double lower, double upper) { set(lower, upper); }
  AcGeInterval(bool boundedBelow, double bound);  // half-bounded

  double lowerBound() const { return lower_; }
  double upperBound() const { return upper_; }
  void getBounds(double& lower, double& upper) const { lower = lower_; upper = upper_; }
  double length() const { return isBounded() ? upper_ - lower_ : -1.0; }
  bool isBounded() const { return boundedBelow_ && boundedAbove_; }
  bool isBoundedBelow() const { return boundedBelow_; }
  bool isBoundedAbove() const { return boundedAbove_; }
  bool isUnBounded() const { return !boundedBelow_ && !boundedAbove_; }
  bool contains(double val, double tol = 1e-12) const {
    return (!boundedBelow_ || val >= lower_ - tol) && (!boundedAbove_ || val <= upper_ + tol);
  }

  AcGeInterval& set(double lower, double upper) {
    lower_ = lower < upper ? lower : upper;
    upper_ = lower < upper ? upper : lower;
    boundedBelow_ = boundedAbove_ = true;
    return *this;
  }
  AcGeInterval& set() { boundedBelow_ = boundedAbove_ = false; return *this; }
  void setLower(double lower) { lower_ = lower; boundedBelow_ = true; }
  void setUpper(double upper) { upper_ = upper; boundedAbove_ = true; }

 private:
  double lower_ = 0.0;
  double upper_ = 0.0;
  bool boundedBelow_ = false;
  bool boundedAbove_ = false;
};

inline AcGeInterval::AcGeInterval(bool boundedBelow, double bound) {
  if (boundedBelow) setLower(bound);
  else setUpper(bound);
}
