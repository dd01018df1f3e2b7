// Loci of an unknown point given by one observation towards known points, and their
// intersections: the building blocks of the approximate coordinates.
#pragma once
#include <vector>

#include "computations/moindresCarresGeometrie.h"

struct lieuPoint {
  enum genre { kCercle, kDroite, kArc } type = kDroite;
  pointPlan a;        // circle: centre; line: a point; arc: the reference point R
  pointPlan b;        // line: a second point 1000 units away; arc: the target point T
  double rayon = 0;   // circle
  double angle = 0;   // arc: the angle R-P-T seen from the point (radians, in [0, 2pi))
};

lieuPoint cercle(pointPlan centre, double rayon);
// The line through `origine` along the bearing (radians).
lieuPoint droiteGisement(pointPlan origine, double gisement);
lieuPoint droitePassantPar(pointPlan a, pointPlan b);
// The points P from which the angle from R to T (clockwise) is `angle`: an arc of a circle
// through R and T, or the line RT for a flat angle.
lieuPoint arcCapable(pointPlan r, pointPlan t, double angle);

// 0, 1 or 2 points common to both loci.
std::vector<pointPlan> intersecter(const lieuPoint& l1, const lieuPoint& l2);
