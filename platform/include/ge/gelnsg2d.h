// AcGeLineSeg2d: a bounded straight segment of the plane; parameter 0 at the start point, 1 at
// the end point.
#pragma once
#include "ge/gelent2d.h"

class AcGeLineSeg2d : public AcGeLinearEnt2d {
 public:
  AcGeLineSeg2d() : AcGeLinearEnt2d(AcGePoint2d(0, 0), AcGeVector2d(1, 0)) {}
  AcGeLineSeg2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2)
      : AcGeLinearEnt2d(pnt1, pnt2 - pnt1) {}
  AcGeLineSeg2d(const AcGePoint2d& pnt, const AcGeVector2d& vec) : AcGeLinearEnt2d(pnt, vec) {}

  AcGeLineSeg2d& set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) {
    point_ = pnt1;
    vector_ = pnt2 - pnt1;
    return *this;
  }
  AcGeLineSeg2d& set(const AcGePoint2d& pnt, const AcGeVector2d& vec) {
    point_ = pnt;
    vector_ = vec;
    return *this;
  }

  AcGePoint2d startPoint() const { return point_; }
  AcGePoint2d endPoint() const { return point_ + vector_; }
  AcGePoint2d midPoint() const { return point_ + vector_ * 0.5; }
  double length() const { return vector_.length(); }
  using AcGeLinearEnt2d::length;
  // The perpendicular bisector.
  void getBisector(AcGeLine2d& line) const;

  AcGe::EntityId type() const override { return AcGe::kLineSeg2d; }
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kLineSeg2d || AcGeLinearEnt2d::isKindOf(id);
  }
  AcGeLineSeg2d* copy() const override { return new AcGeLineSeg2d(*this); }
  void getInterval(AcGeInterval& interval) const override { interval.set(0.0, 1.0); }
  bool hasStartPoint(AcGePoint2d& p) const override { p = startPoint(); return true; }
  bool hasEndPoint(AcGePoint2d& p) const override { p = endPoint(); return true; }
};
