// AcGeLine3d: an unbounded straight line of space.
#pragma once
#include "ge/gelent3d.h"

class AcGeLine3d : public AcGeLinearEnt3d {
 public:
  static const AcGeLine3d kXAxis;
  static const AcGeLine3d kYAxis;
  static const AcGeLine3d kZAxis;

  AcGeLine3d() = default;  // the X axis
  AcGeLine3d(const AcGePoint3d& pnt, const AcGeVector3d& vec) : AcGeLinearEnt3d(pnt, vec) {}
  AcGeLine3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) : AcGeLinearEnt3d(pnt1, pnt2 - pnt1) {}

  AcGeLine3d& set(const AcGePoint3d& pnt, const AcGeVector3d& vec) {
    point_ = pnt;
    vector_ = vec;
    return *this;
  }
  AcGeLine3d& set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) { return set(pnt1, pnt2 - pnt1); }

  AcGe::EntityId type() const override { return AcGe::kLine3d; }
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kLine3d || AcGeLinearEnt3d::isKindOf(id);
  }
  AcGeLine3d* copy() const override { return new AcGeLine3d(*this); }
  void getInterval(AcGeInterval& interval) const override { interval.set(); }
  bool hasStartPoint(AcGePoint3d&) const override { return false; }
  bool hasEndPoint(AcGePoint3d&) const override { return false; }
};
