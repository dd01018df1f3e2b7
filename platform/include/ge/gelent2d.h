// AcGeLinearEnt2d: the common part of lines and line segments of the plane: a point and a
// direction vector; the point at parameter t is pointOnLine() + t * (direction vector).
#pragma once
#include "ge/gecurv2d.h"

class AcGeLine2d;

class AcGeLinearEnt2d : public AcGeCurve2d {
 public:
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kLinearEnt2d || AcGeCurve2d::isKindOf(id);
  }

  AcGePoint2d pointOnLine() const { return point_; }
  AcGeVector2d direction() const { return vector_.normal(); }  // unit
  void getLine(AcGeLine2d& line) const;  // the unbounded line through this entity
  void getPerpLine(const AcGePoint2d& pnt, AcGeLine2d& perpLine) const;

  // One intersection point within the bounds of both; false when parallel or outside.
  bool intersectWith(const AcGeLinearEnt2d& other, AcGePoint2d& pnt,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  bool isParallelTo(const AcGeLinearEnt2d& other, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGeLinearEnt2d& other,
                         const AcGeTol& tol = AcGeContext::gTol) const;
  bool isColinearTo(const AcGeLinearEnt2d& other, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGePoint2d evalPoint(double param) const override { return point_ + vector_ * param; }
  AcGePoint2d evalPoint(double param, int numDeriv, AcGeVector2dArray& derivs) const override;
  double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint2d closestPointTo(const AcGePoint2d& pnt,
                             const AcGeTol& tol = AcGeContext::gTol) const override;
  double length(double fromParam, double toParam,
                double tol = AcGeContext::gTol.equalPoint()) const override;
  bool isClosed(const AcGeTol& = AcGeContext::gTol) const override { return false; }
  AcGeLinearEnt2d& transformBy(const AcGeMatrix2d& xform) override;

 protected:
  AcGeLinearEnt2d() : vector_(1.0, 0.0) {}
  AcGeLinearEnt2d(const AcGePoint2d& point, const AcGeVector2d& vector)
      : point_(point), vector_(vector) {}
  double clampParam(double t) const;  // into the entity's interval

  AcGePoint2d point_;
  AcGeVector2d vector_;
};
