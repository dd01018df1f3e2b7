// AcGeLinearEnt3d: the common part of lines and line segments of space: a point and a direction
// vector; the point at parameter t is pointOnLine() + t * (direction vector).
#pragma once
#include "ge/gecurv3d.h"

class AcGeLine3d;
class AcGePlane;
class AcGePlanarEnt;

class AcGeLinearEnt3d : public AcGeCurve3d {
 public:
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kLinearEnt3d || AcGeCurve3d::isKindOf(id);
  }

  AcGePoint3d pointOnLine() const { return point_; }
  AcGeVector3d direction() const { return vector_.normal(); }  // unit
  void getLine(AcGeLine3d& line) const;  // the unbounded line through this entity
  // The plane through pnt perpendicular to this entity.
  void getPerpPlane(const AcGePoint3d& pnt, AcGePlane& plane) const;

  // The common point within the bounds of both, when they meet (within tol); false for parallel
  // or skew entities.
  bool intersectWith(const AcGeLinearEnt3d& other, AcGePoint3d& pnt,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  bool intersectWith(const AcGePlanarEnt& plane, AcGePoint3d& pnt,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  // The point of this entity nearest to the other one, and the other's point nearest to it.
  AcGePoint3d closestPointTo(const AcGeLinearEnt3d& other, AcGePoint3d& pntOnOther,
                             const AcGeTol& tol = AcGeContext::gTol) const;
  using AcGeCurve3d::closestPointTo;
  bool isParallelTo(const AcGeLinearEnt3d& other, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGeLinearEnt3d& other,
                         const AcGeTol& tol = AcGeContext::gTol) const;
  bool isColinearTo(const AcGeLinearEnt3d& other, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGePoint3d evalPoint(double param) const override { return point_ + vector_ * param; }
  AcGePoint3d evalPoint(double param, int numDeriv, AcGeVector3dArray& derivs) const override;
  double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint3d closestPointTo(const AcGePoint3d& pnt,
                             const AcGeTol& tol = AcGeContext::gTol) const override;
  double length(double fromParam, double toParam,
                double tol = AcGeContext::gTol.equalPoint()) const override;
  bool isClosed(const AcGeTol& = AcGeContext::gTol) const override { return false; }
  AcGeLinearEnt3d& transformBy(const AcGeMatrix3d& xform) override;
  AcGeBoundBlock3d orthoBoundBlock() const override;

 protected:
  AcGeLinearEnt3d() : vector_(1.0, 0.0, 0.0) {}
  AcGeLinearEnt3d(const AcGePoint3d& point, const AcGeVector3d& vector)
      : point_(point), vector_(vector) {}
  double clampParam(double t) const;  // into the entity's interval

  AcGePoint3d point_;
  AcGeVector3d vector_;
};
