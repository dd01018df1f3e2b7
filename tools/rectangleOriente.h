// The geometry of a rectangle of any orientation: an origin, the direction of its first side and
// the signed lengths of its two sides.
#pragma once
#include <array>

#include "ge/gepnt2d.h"

struct rectangleOriente {
  AcGePoint2d origine;
  double angle = 0.0;     // direction of the first side (radians, counter-clockwise from +X)
  double premier = 1.0;   // signed length along that direction
  double second = 1.0;    // signed length along the direction turned by +90 degrees

  // O, O + L1 u, O + L1 u + L2 v, O + L2 v.
  std::array<AcGePoint2d, 4> sommets() const;
  // The side opposite the first one passes through the point: only its distance to the first
  // side's line counts. With a first side of no length the point gives the second side and the
  // direction.
  void parCoteOppose(const AcGePoint2d& point);
  // The point becomes the corner opposite the origin.
  void parDiagonale(const AcGePoint2d& point);
};
