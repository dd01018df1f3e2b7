// AcGeCircArc2d: a circular arc (or full circle) of the plane. The parameter is the angle
// (radians) measured from the reference vector, counter-clockwise, or clockwise for a clockwise
// arc; the arc runs from startAng() to endAng() (endAng - startAng in (0, 2pi]).
#pragma once
#include "ge/gecurv2d.h"

class AcGeLinearEnt2d;
class AcGeLine2d;

class AcGeCircArc2d : public AcGeCurve2d {
 public:
  AcGeCircArc2d();  // the unit circle at the origin
  AcGeCircArc2d(const AcGePoint2d& center, double radius);  // a full circle
  AcGeCircArc2d(const AcGePoint2d& center, double radius, double startAngle, double endAngle,
                const AcGeVector2d& refVec = AcGeVector2d(1, 0), bool isClockWise = false);
  // Through three points, from startPoint through point to endPoint.
  AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& point,
                const AcGePoint2d& endPoint);
  // From startPoint to endPoint. When bulgeFlag is true, bulge is the height of the arc above
  // its chord (drawing units); when false, it is tan(included angle / 4), as in polylines.
  // Positive values turn counter-clockwise.
  AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                bool bulgeFlag = true);

  AcGeCircArc2d& set(const AcGePoint2d& center, double radius);
  AcGeCircArc2d& set(const AcGePoint2d& center, double radius, double startAngle, double endAngle,
                     const AcGeVector2d& refVec = AcGeVector2d(1, 0), bool isClockWise = false);
  AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& point,
                     const AcGePoint2d& endPoint);
  AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                     bool bulgeFlag = true);

  AcGePoint2d center() const { return center_; }
  double radius() const { return radius_; }
  double startAng() const { return startAng_; }
  double endAng() const { return endAng_; }
  bool isClockWise() const { return clockwise_; }
  AcGeVector2d refVec() const { return refVec_; }
  AcGePoint2d startPoint() const { return evalPoint(startAng_); }
  AcGePoint2d endPoint() const { return evalPoint(endAng_); }
  double length() const { return radius_ * (endAng_ - startAng_); }
  using AcGeCurve2d::length;
  // The polyline bulge of this arc: tan(included angle / 4), negative when clockwise.
  double bulge() const;

  void setCenter(const AcGePoint2d& center) { center_ = center; }
  void setRadius(double radius) { radius_ = radius; }
  void setAngles(double startAngle, double endAngle);
  void setRefVec(const AcGeVector2d& vec) { refVec_ = vec.normal(); }
  void setToComplement();  // the rest of the circle
  AcGeCircArc2d& reverse();  // same points, travelled the other way

  // Intersections with a line, ray or segment, or with another arc: the count (0, 1 or 2) and the
  // points. A tangent contact counts once.
  bool intersectWith(const AcGeLinearEnt2d& line, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  bool intersectWith(const AcGeCircArc2d& arc, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  // The tangent line at a point of the arc; false when the point is not on it.
  bool tangent(const AcGePoint2d& pnt, AcGeLine2d& line,
               const AcGeTol& tol = AcGeContext::gTol) const;
  bool isInside(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  // The axis-aligned box of the arc, by its true extremes.
  void getExtents(AcGePoint2d& min, AcGePoint2d& max) const;

  AcGe::EntityId type() const override { return AcGe::kCircArc2d; }
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kCircArc2d || AcGeCurve2d::isKindOf(id);
  }
  AcGeCircArc2d* copy() const override { return new AcGeCircArc2d(*this); }
  AcGeCircArc2d& transformBy(const AcGeMatrix2d& xform) override;
  void getInterval(AcGeInterval& interval) const override { interval.set(startAng_, endAng_); }
  AcGePoint2d evalPoint(double param) const override;
  AcGePoint2d evalPoint(double param, int numDeriv, AcGeVector2dArray& derivs) const override;
  double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint2d closestPointTo(const AcGePoint2d& pnt,
                             const AcGeTol& tol = AcGeContext::gTol) const override;
  double length(double fromParam, double toParam,
                double tol = AcGeContext::gTol.equalPoint()) const override;
  bool hasStartPoint(AcGePoint2d& p) const override { p = startPoint(); return true; }
  bool hasEndPoint(AcGePoint2d& p) const override { p = endPoint(); return true; }
  bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const override;

 private:
  AcGeVector2d sideVec() const;  // refVec turned a quarter turn in the arc's sense

  AcGePoint2d center_;
  double radius_ = 1.0;
  double startAng_ = 0.0;
  double endAng_ = 6.283185307179586;
  AcGeVector2d refVec_ = AcGeVector2d(1, 0);
  bool clockwise_ = false;
};
