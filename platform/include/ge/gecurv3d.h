// AcGeCurve3d: a parametric curve of space.
#pragma once
#include "ge/gebbnd3d.h"
#include "ge/geent3d.h"
#include "ge/geintrvl.h"
#include "ge/gept3dar.h"
#include "ge/gevc3dar.h"

class AcGeCurve3d : public AcGeEntity3d {
 public:
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kCurve3d || AcGeEntity3d::isKindOf(id);
  }

  virtual void getInterval(AcGeInterval& interval) const = 0;
  virtual AcGePoint3d evalPoint(double param) const = 0;
  // The point and its first numDeriv derivatives with respect to the parameter.
  virtual AcGePoint3d evalPoint(double param, int numDeriv, AcGeVector3dArray& derivs) const = 0;
  virtual double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;
  virtual AcGePoint3d closestPointTo(const AcGePoint3d& pnt,
                                     const AcGeTol& tol = AcGeContext::gTol) const = 0;
  double distanceTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const {
    return closestPointTo(pnt, tol).distanceTo(pnt);
  }
  bool isOn(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override {
    return distanceTo(pnt, tol) <= tol.equalPoint();
  }
  virtual double length(double fromParam, double toParam,
                        double tol = AcGeContext::gTol.equalPoint()) const = 0;
  virtual bool hasStartPoint(AcGePoint3d& startPnt) const = 0;
  virtual bool hasEndPoint(AcGePoint3d& endPnt) const = 0;
  virtual bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const = 0;
  // The axis-aligned box of the bounded curve.
  virtual AcGeBoundBlock3d orthoBoundBlock() const = 0;
  void getSamplePoints(int numSample, AcGePoint3dArray& pointArray) const;
};
