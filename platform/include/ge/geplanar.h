// AcGePlanarEnt: the common part of planar surfaces: an origin and two axes spanning the plane.
// Plane coordinates (u, v) denote origin + u * uAxis + v * vAxis.
#pragma once
#include "ge/gepnt2d.h"
#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"

class AcGeLinearEnt3d;

class AcGePlanarEnt {
 public:
  virtual ~AcGePlanarEnt() = default;

  AcGePoint3d pointOnPlane() const { return origin_; }
  AcGeVector3d normal() const { return normal_; }
  void getCoefficients(double& a, double& b, double& c, double& d) const;  // ax + by + cz + d = 0
  void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& axis1, AcGeVector3d& axis2) const;

  AcGePoint3d evalPoint(const AcGePoint2d& param) const;
  AcGePoint2d paramOf(const AcGePoint3d& point, const AcGeTol& tol = AcGeContext::gTol) const;
  AcGePoint3d closestPointTo(const AcGePoint3d& point) const;
  double distanceTo(const AcGePoint3d& point) const;
  bool isOn(const AcGePoint3d& point, const AcGeTol& tol = AcGeContext::gTol) const;

  bool isParallelTo(const AcGePlanarEnt& other, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isParallelTo(const AcGeLinearEnt3d& line, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGePlanarEnt& other,
                         const AcGeTol& tol = AcGeContext::gTol) const;
  bool isCoplanarTo(const AcGePlanarEnt& other, const AcGeTol& tol = AcGeContext::gTol) const;
  // One intersection point with a line, ray or segment; false when parallel or out of its bounds.
  bool intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& point,
                     const AcGeTol& tol = AcGeContext::gTol) const;

 protected:
  AcGePlanarEnt();
  AcGePlanarEnt(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);
  void setFrame(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);
  // Axes from the normal alone, by the arbitrary axis algorithm (as for the object coordinate
  // system of planar entities).
  void setFrame(const AcGePoint3d& origin, const AcGeVector3d& normal);

  AcGePoint3d origin_;
  AcGeVector3d uAxis_;
  AcGeVector3d vAxis_;
  AcGeVector3d normal_;  // unit, uAxis x vAxis direction
};
