// AcGeLine2d: an unbounded straight line of the plane.
#pragma once
#include "ge/gelent2d.h"

class AcGeLine2d : public AcGeLinearEnt2d {
 public:
  static const AcGeLine2d kXAxis;
  static const AcGeLine2d kYAxis;

  AcGeLine2d() = default;  // the X axis
  AcGeLine2d(const AcGePoint2d& pnt, const AcGeVector2d& vec) : AcGeLinearEnt2d(pnt, vec) {}
  AcGeLine2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) : AcGeLinearEnt2d(pnt1, pnt2 - pnt1) {}

  AcGeLine2d& set(const AcGePoint2d& pnt, const AcGeVector2d& vec) {
    point_ = pnt;
    vector_ = vec;
    return *this;
  }
  AcGeLine2d& set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) { return set(pnt1, pnt2 - pnt1); }

  AcGe::EntityId type() const override { return AcGe::kLine2d; }
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kLine2d || AcGeLinearEnt2d::isKindOf(id);
  }
  AcGeLine2d* copy() const override { return new AcGeLine2d(*this); }
  void getInterval(AcGeInterval& interval) const override { interval.set(); }
  bool hasStartPoint(AcGePoint2d&) const override { return false; }
  bool hasEndPoint(AcGePoint2d&) const override { return false; }
};
