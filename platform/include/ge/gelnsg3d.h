// AcGeLineSeg3d: a bounded straight segment of space; parameter 0 at the start point, 1 at the
// end point.
#pragma once
#include "ge/gelent3d.h"

class AcGeLineSeg3d : public AcGeLinearEnt3d {
 public:
  AcGeLineSeg3d() : AcGeLinearEnt3d(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0)) {}
  AcGeLineSeg3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2)
      : AcGeLinearEnt3d(pnt1, pnt2 - pnt1) {}
  AcGeLineSeg3d(const AcGePoint3d& pnt, const AcGeVector3d& vec) : AcGeLinearEnt3d(pnt, vec) {}

  AcGeLineSeg3d& set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) {
    point_ = pnt1;
    vector_ = pnt2 - pnt1;
    return *this;
  }
  AcGeLineSeg3d& set(const AcGePoint3d& pnt, const AcGeVector3d& vec) {
    point_ = pnt;
    vector_ = vec;
    return *this;
  }

  AcGePoint3d startPoint() const { return point_; }
  AcGePoint3d endPoint() const { return point_ + vector_; }
  AcGePoint3d midPoint() const { return point_ + vector_ * 0.5; }
  double length() const { return vector_.length(); }
  using AcGeLinearEnt3d::length;
  void getBisector(AcGePlane& plane) const;  // the plane of points equidistant from both ends

  AcGe::EntityId type() const override { return AcGe::kLineSeg3d; }
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kLineSeg3d || AcGeLinearEnt3d::isKindOf(id);
  }
  AcGeLineSeg3d* copy() const override { return new AcGeLineSeg3d(*this); }
  void getInterval(AcGeInterval& interval) const override { interval.set(0.0, 1.0); }
  bool hasStartPoint(AcGePoint3d& p) const override { p = startPoint(); return true; }
  bool hasEndPoint(AcGePoint3d& p) const override { p = endPoint(); return true; }
};
