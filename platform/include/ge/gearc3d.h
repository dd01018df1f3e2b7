// AcGeCircArc3d: a circular arc (or full circle) of space. The parameter is the angle (radians)
// from the reference vector, counter-clockwise about the normal; the point at angle a is
// center + radius (cos a * refVec + sin a * (normal x refVec)). The arc runs from startAng() to
// endAng() (endAng - startAng in (0, 2pi]).
#pragma once
#include "ge/gecurv3d.h"

class AcGeLine3d;
class AcGeLinearEnt3d;
class AcGePlanarEnt;
class AcGePlane;

class AcGeCircArc3d : public AcGeCurve3d {
 public:
  AcGeCircArc3d();  // the unit circle about the Z axis
  AcGeCircArc3d(const AcGePoint3d& center, const AcGeVector3d& normal, double radius);
  // refVec need not be perpendicular to the normal: its projection on the arc's plane is used.
  AcGeCircArc3d(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGeVector3d& refVec,
                double radius, double startAngle = 0.0, double endAngle = 6.283185307179586);
  // Through three points, from startPoint through pnt to endPoint.
  AcGeCircArc3d(const AcGePoint3d& startPoint, const AcGePoint3d& pnt,
                const AcGePoint3d& endPoint);

  AcGeCircArc3d& set(const AcGePoint3d& center, const AcGeVector3d& normal, double radius);
  AcGeCircArc3d& set(const AcGePoint3d& center, const AcGeVector3d& normal,
                     const AcGeVector3d& refVec, double radius, double startAngle,
                     double endAngle);
  AcGeCircArc3d& set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt,
                     const AcGePoint3d& endPoint);

  AcGePoint3d center() const { return center_; }
  AcGeVector3d normal() const { return normal_; }
  AcGeVector3d refVec() const { return refVec_; }
  double radius() const { return radius_; }
  double startAng() const { return startAng_; }
  double endAng() const { return endAng_; }
  AcGePoint3d startPoint() const { return evalPoint(startAng_); }
  AcGePoint3d endPoint() const { return evalPoint(endAng_); }
  double length() const { return radius_ * (endAng_ - startAng_); }
  using AcGeCurve3d::length;
  void getPlane(AcGePlane& plane) const;

  void setCenter(const AcGePoint3d& center) { center_ = center; }
  void setRadius(double radius) { radius_ = radius; }
  void setAxis(const AcGeVector3d& normal, const AcGeVector3d& refVec);
  void setAngles(double startAngle, double endAngle);

  // Intersections with a line (count 0, 1 or 2; a tangent contact counts once), and with another
  // arc of the same plane.
  bool intersectWith(const AcGeLinearEnt3d& line, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  bool intersectWith(const AcGeCircArc3d& arc, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  // The tangent line at a point of the arc; false when the point is not on it.
  bool tangent(const AcGePoint3d& pnt, AcGeLine3d& line,
               const AcGeTol& tol = AcGeContext::gTol) const;

  AcGe::EntityId type() const override { return AcGe::kCircArc3d; }
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kCircArc3d || AcGeCurve3d::isKindOf(id);
  }
  AcGeCircArc3d* copy() const override { return new AcGeCircArc3d(*this); }
  AcGeCircArc3d& transformBy(const AcGeMatrix3d& xform) override;
  void getInterval(AcGeInterval& interval) const override { interval.set(startAng_, endAng_); }
  AcGePoint3d evalPoint(double param) const override;
  AcGePoint3d evalPoint(double param, int numDeriv, AcGeVector3dArray& derivs) const override;
  double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint3d closestPointTo(const AcGePoint3d& pnt,
                             const AcGeTol& tol = AcGeContext::gTol) const override;
  double length(double fromParam, double toParam,
                double tol = AcGeContext::gTol.equalPoint()) const override;
  bool hasStartPoint(AcGePoint3d& p) const override { p = startPoint(); return true; }
  bool hasEndPoint(AcGePoint3d& p) const override { p = endPoint(); return true; }
  bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGeBoundBlock3d orthoBoundBlock() const override;

 private:
  AcGePoint3d center_;
  AcGeVector3d normal_ = AcGeVector3d(0, 0, 1);
  AcGeVector3d refVec_ = AcGeVector3d(1, 0, 0);
  double radius_ = 1.0;
  double startAng_ = 0.0;
  double endAng_ = 6.283185307179586;
};
