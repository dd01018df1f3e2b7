// AcGeBoundBlock3d: an axis-aligned box of space (the extents of a curve), empty until a point
// is added.
#pragma once
#include "ge/gepnt3d.h"

class AcGeBoundBlock3d {
 public:
  AcGeBoundBlock3d() = default;  // empty
  AcGeBoundBlock3d(const AcGePoint3d& point1, const AcGePoint3d& point2) { set(point1, point2); }

  void getMinMaxPoints(AcGePoint3d& point1, AcGePoint3d& point2) const {
    point1 = min_;
    point2 = max_;
  }
  bool isEmpty() const { return empty_; }
  bool isBox() const { return true; }
  AcGeBoundBlock3d& set(const AcGePoint3d& point1, const AcGePoint3d& point2);
  AcGeBoundBlock3d& extend(const AcGePoint3d& point);
  AcGeBoundBlock3d& extend(const AcGeBoundBlock3d& block);
  AcGeBoundBlock3d& swell(double distance);  // grows by distance on every side
  bool contains(const AcGePoint3d& point) const;
  bool isDisjoint(const AcGeBoundBlock3d& block) const;

 private:
  AcGePoint3d min_;
  AcGePoint3d max_;
  bool empty_ = true;
};
