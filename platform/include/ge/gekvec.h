// AcGeKnotVector: the non-decreasing knot sequence of a spline.
#pragma once
#include "ge/gedblar.h"

class AcGeKnotVector {
 public:
  AcGeKnotVector() = default;
  AcGeKnotVector(int size, const double knots[], double tol = 1e-9);
  explicit AcGeKnotVector(const AcGeDoubleArray& knots, double tol = 1e-9);

  double operator[](int i) const { return knots_[i]; }
  double& operator[](int i) { return knots_[i]; }
  int length() const { return knots_.length(); }
  int logicalLength() const { return knots_.length(); }
  bool isEmpty() const { return knots_.isEmpty(); }
  double startParam() const { return knots_.isEmpty() ? 0.0 : knots_.first(); }
  double endParam() const { return knots_.isEmpty() ? 0.0 : knots_.last(); }
  // How many knots equal (within tolerance) the knot at index i, or the value param.
  int multiplicityAt(int i) const;
  int multiplicityAt(double param) const;
  int numIntervals() const;  // distinct non-empty spans
  void getDistinctKnots(AcGeDoubleArray& knots) const;
  bool contains(double param) const { return param >= startParam() && param <= endParam(); }
  bool isOn(double knot) const;  // equal to one of the knots
  bool isEqualTo(const AcGeKnotVector& other) const;
  double tolerance() const { return tol_; }
  AcGeKnotVector& setTolerance(double tol) { tol_ = tol; return *this; }

  AcGeKnotVector& set(int size, const double knots[], double tol = 1e-9);
  int append(double knot) { return knots_.append(knot); }
  AcGeKnotVector& insertAt(int i, double knot) { knots_.insertAt(i, knot); return *this; }
  AcGeKnotVector& removeAt(int i) { knots_.removeAt(i); return *this; }
  AcGeKnotVector& setLogicalLength(int n) { knots_.setLogicalLength(n); return *this; }
  const double* getPtr() const { return knots_.asArrayPtr(); }
  const AcGeDoubleArray& asArray() const { return knots_; }

 private:
  AcGeDoubleArray knots_;
  double tol_ = 1e-9;
};
