// AcGeCurve2d: a parametric curve of the plane.
#pragma once
#include "ge/geent2d.h"
#include "ge/geintrvl.h"
#include "ge/gept2dar.h"
#include "ge/gevc2dar.h"

class AcGeCurve2d : public AcGeEntity2d {
 public:
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kCurve2d || AcGeEntity2d::isKindOf(id);
  }

  virtual void getInterval(AcGeInterval& interval) const = 0;
  virtual AcGePoint2d evalPoint(double param) const = 0;
  // The point and its first numDeriv derivatives with respect to the parameter.
  virtual AcGePoint2d evalPoint(double param, int numDeriv, AcGeVector2dArray& derivatives) const = 0;
  virtual double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;
  virtual AcGePoint2d closestPointTo(const AcGePoint2d& pnt,
                                     const AcGeTol& tol = AcGeContext::gTol) const = 0;
  double distanceTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const {
    return closestPointTo(pnt, tol).distanceTo(pnt);
  }
  bool isOn(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override {
    return distanceTo(pnt, tol) <= tol.equalPoint();
  }
  virtual double length(double fromParam, double toParam,
                        double tol = AcGeContext::gTol.equalPoint()) const = 0;
  virtual bool hasStartPoint(AcGePoint2d& startPnt) const = 0;
  virtual bool hasEndPoint(AcGePoint2d& endPnt) const = 0;
  virtual bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const = 0;
  // numSample points equally spaced in parameter over the curve's interval (a bounded one).
  void getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const;
};
