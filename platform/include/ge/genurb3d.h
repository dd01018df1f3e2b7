// AcGeNurbCurve3d: a non-uniform rational B-spline curve of space, given by its degree, knots,
// control points and optional weights, or interpolating fit points (a cubic through them, with
// or without end tangents). The parameter runs over [startParam(), endParam()], the knot range
// where the curve is defined.
#pragma once
#include "ge/gecurv3d.h"
#include "ge/gedblar.h"
#include "ge/gekvec.h"

class AcGeNurbCurve3d : public AcGeCurve3d {
 public:
  AcGeNurbCurve3d() = default;
  AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                  bool isPeriodic = false);
  AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                  const AcGeDoubleArray& weights, bool isPeriodic = false);
  // The cubic through the fit points. Defined end tangents give the curve's direction at its ends
  // (their length does not matter); undefined ones are taken from the parabola through the first
  // (last) three points.
  AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                  const AcGeVector3d& endTangent, bool startTangentDefined = true,
                  bool endTangentDefined = true, const AcGeTol& fitTolerance = AcGeContext::gTol);
  AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints,
                  const AcGeTol& fitTolerance = AcGeContext::gTol);

  // Definition.
  int degree() const { return degree_; }
  int order() const { return degree_ + 1; }
  bool isRational(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPeriodic() const { return periodic_; }
  int numControlPoints() const { return controlPoints_.length(); }
  AcGePoint3d controlPointAt(int i) const { return controlPoints_[i]; }
  AcGeNurbCurve3d& setControlPointAt(int i, const AcGePoint3d& point);
  int numWeights() const { return weights_.length(); }  // 0 when not rational
  double weightAt(int i) const { return weights_.isEmpty() ? 1.0 : weights_[i]; }
  AcGeNurbCurve3d& setWeightAt(int i, double weight);
  int numKnots() const { return knots_.length(); }
  double knotAt(int i) const { return knots_[i]; }
  const AcGeKnotVector& knots() const { return knots_; }
  void getDefinitionData(int& degree, bool& rational, bool& periodic, AcGeKnotVector& knots,
                         AcGePoint3dArray& controlPoints, AcGeDoubleArray& weights) const;
  AcGeNurbCurve3d& set(int degree, const AcGeKnotVector& knots,
                       const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& weights,
                       bool isPeriodic = false);

  // Fit data (kept when the curve was made from fit points).
  int numFitPoints() const { return fitPoints_.length(); }
  bool getFitPointAt(int i, AcGePoint3d& point) const;
  bool getFitData(AcGePoint3dArray& fitPoints, AcGeTol& fitTolerance, bool& tangentsExist,
                  AcGeVector3d& startTangent, AcGeVector3d& endTangent) const;
  bool getFitTangents(AcGeVector3d& startTangent, AcGeVector3d& endTangent) const;
  AcGeNurbCurve3d& setFitData(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                              const AcGeVector3d& endTangent,
                              const AcGeTol& fitTol = AcGeContext::gTol);
  bool purgeFitData();

  double startParam() const;
  double endParam() const;
  AcGePoint3d startPoint() const { return evalPoint(startParam()); }
  AcGePoint3d endPoint() const { return evalPoint(endParam()); }
  double length() const { return length(startParam(), endParam()); }
  using AcGeCurve3d::length;
  AcGeNurbCurve3d& reverseParam();
  // Points from fromParam to toParam no farther than approxEps (drawing units) from the curve
  // between them, with their parameters.
  void getSamplePoints(double fromParam, double toParam, double approxEps,
                       AcGePoint3dArray& pointArray, AcGeDoubleArray& paramArray) const;
  using AcGeCurve3d::getSamplePoints;

  AcGe::EntityId type() const override { return AcGe::kNurbCurve3d; }
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kNurbCurve3d || id == AcGe::kSplineEnt3d || AcGeCurve3d::isKindOf(id);
  }
  AcGeNurbCurve3d* copy() const override { return new AcGeNurbCurve3d(*this); }
  AcGeNurbCurve3d& transformBy(const AcGeMatrix3d& xform) override;
  void getInterval(AcGeInterval& interval) const override {
    interval.set(startParam(), endParam());
  }
  AcGePoint3d evalPoint(double param) const override;
  AcGePoint3d evalPoint(double param, int numDeriv, AcGeVector3dArray& derivs) const override;
  double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint3d closestPointTo(const AcGePoint3d& pnt,
                             const AcGeTol& tol = AcGeContext::gTol) const override;
  double length(double fromParam, double toParam,
                double tol = AcGeContext::gTol.equalPoint()) const override;
  bool hasStartPoint(AcGePoint3d& p) const override;
  bool hasEndPoint(AcGePoint3d& p) const override;
  bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;
  // The true extremes of the curve (not the control polygon's).
  AcGeBoundBlock3d orthoBoundBlock() const override;

 private:
  bool isValid() const;
  void interpolate(bool startDefined, bool endDefined);
  int findSpan(double u) const;

  int degree_ = 0;
  bool periodic_ = false;
  AcGeKnotVector knots_;
  AcGePoint3dArray controlPoints_;
  AcGeDoubleArray weights_;  // empty when not rational

  AcGePoint3dArray fitPoints_;
  AcGeVector3d startTangent_;
  AcGeVector3d endTangent_;
  bool tangentsDefined_ = false;
  AcGeTol fitTol_;
};
