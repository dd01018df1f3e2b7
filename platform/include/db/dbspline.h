// AcDbSpline: a NURBS curve, given by its control points (degree, knots, weights) or by points it
// passes through (fit points, with optional end tangents) from which the control points follow.
// Its parameter is the knot value, from the first to the last knot of the curve's range.
#pragma once
#include <vector>

#include "db/dbentity.h"
#include "ge/gedblar.h"

class AcDbSpline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSpline);
  AcDbSpline();
  // Through the fit points (at least two), of the given order (degree + 1; 2 to 26).
  explicit AcDbSpline(const AcGePoint3dArray& fitPoints, int order = 4, double fitTolerance = 0.0);
  AcDbSpline(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
             const AcGeVector3d& endTangent, int order = 4, double fitTolerance = 0.0);
  // From control data: knots.length() == controlPoints.length() + degree + 1; weights empty for a
  // non-rational curve.
  AcDbSpline(int degree, bool rational, bool closed, bool periodic,
             const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
             const AcGeDoubleArray& weights, double controlPointTolerance = 0.0,
             double knotTolerance = 0.0);

  bool isNull() const;
  int degree() const { return degree_; }
  bool isRational() const { return (flags_ & 4) != 0; }
  bool isClosed() const override;
  bool isPeriodic() const override { return (flags_ & 2) != 0; }
  bool isPlanar() const { return (flags_ & 8) != 0; }
  AcGeVector3d normal() const { return normal_; }

  int numControlPoints() const;
  Acad::ErrorStatus getControlPointAt(int index, AcGePoint3d& point) const;
  Acad::ErrorStatus setControlPointAt(int index, const AcGePoint3d& point);
  double weightAt(int index) const;
  Acad::ErrorStatus setWeightAt(int index, double weight);
  Acad::ErrorStatus getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
                                 AcGePoint3dArray& controlPoints, AcGeDoubleArray& knots,
                                 AcGeDoubleArray& weights, double& controlPointTolerance,
                                 double& knotTolerance) const;
  Acad::ErrorStatus setNurbsData(int degree, bool rational, bool closed, bool periodic,
                                 const AcGePoint3dArray& controlPoints,
                                 const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
                                 double controlPointTolerance = 0.0, double knotTolerance = 0.0);

  bool hasFitData() const { return !fitPoints_.empty(); }
  int numFitPoints() const { return static_cast<int>(fitPoints_.size()); }
  Acad::ErrorStatus getFitPointAt(int index, AcGePoint3d& point) const;
  Acad::ErrorStatus setFitPointAt(int index, const AcGePoint3d& point);
  double fitTolerance() const { return fitTolerance_; }
  Acad::ErrorStatus getFitData(AcGePoint3dArray& fitPoints, int& degree, double& fitTolerance,
                               bool& tangentsExist, AcGeVector3d& startTangent,
                               AcGeVector3d& endTangent) const;
  Acad::ErrorStatus setFitData(const AcGePoint3dArray& fitPoints, int degree, double fitTolerance,
                               const AcGeVector3d& startTangent, const AcGeVector3d& endTangent);
  Acad::ErrorStatus getFitTangents(AcGeVector3d& startTangent, AcGeVector3d& endTangent) const;
  // Forgets the fit points, keeping the control points.
  Acad::ErrorStatus purgeFitData();

  ACDB_DECLARE_CURVE_QUERIES();
  Acad::ErrorStatus getArea(double& area) const override;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  // Control points from the fit points when only those are known.
  void computeFromFit();
  void updatePlanarity();

  int degree_ = 3;
  int flags_ = 0;  // 1 closed, 2 periodic, 4 rational, 8 planar, 16 linear
  std::vector<AcGePoint3d> controlPoints_;
  std::vector<double> knots_;
  std::vector<double> weights_;
  std::vector<AcGePoint3d> fitPoints_;
  AcGeVector3d startTangent_;
  AcGeVector3d endTangent_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double knotTolerance_ = 1e-10;
  double controlTolerance_ = 1e-10;
  double fitTolerance_ = 1e-10;
  // True when the control points were computed from the fit points (files then get the fit
  // points only, as they came).
  bool controlFromFit_ = false;
  bool tangentsGiven_ = false;
};
