// Rebuilding a polyline through the points found near it, in their order along it.
#pragma once
#include <vector>

struct pointProjete {
  double x, y;        // the point itself
  double parametre;   // where its closest point lies along the polyline
  double distance;    // horizontal distance from the point to that closest point
};

// The vertices of the rebuilt polyline: the points nearer than the search distance (all of them
// when it is 0 or less) sorted along the line, a point dropped when it projects within 1e-6 of the
// last one kept. Empty when fewer than two remain: the polyline stays as it is.
std::vector<pointProjete> sommetsProjection(std::vector<pointProjete> candidats, double distance);
