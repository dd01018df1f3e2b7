// AcGePlane: an unbounded plane.
#pragma once
#include "ge/geplanar.h"

class AcGeMatrix3d;
class AcGeLine3d;

class AcGePlane : public AcGePlanarEnt {
 public:
  static const AcGePlane kXYPlane;
  static const AcGePlane kYZPlane;
  static const AcGePlane kZXPlane;

  AcGePlane();  // the XY plane
  // Axes chosen by the arbitrary axis algorithm.
  AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& normal);
  // Through three points: origin, and the ends of the two axes.
  AcGePlane(const AcGePoint3d& pntU, const AcGePoint3d& origin, const AcGePoint3d& pntV);
  AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);
  AcGePlane(double a, double b, double c, double d);  // ax + by + cz + d = 0

  AcGePlane& set(const AcGePoint3d& origin, const AcGeVector3d& normal);
  AcGePlane& set(const AcGePoint3d& pntU, const AcGePoint3d& origin, const AcGePoint3d& pntV);
  AcGePlane& set(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);
  AcGePlane& set(double a, double b, double c, double d);

  // Positive on the side the normal points to.
  double signedDistanceTo(const AcGePoint3d& point) const;
  // The line common to two planes; false when parallel.
  bool intersectWith(const AcGePlane& other, AcGeLine3d& line,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  using AcGePlanarEnt::intersectWith;

  AcGePlane& transformBy(const AcGeMatrix3d& xform);
};
