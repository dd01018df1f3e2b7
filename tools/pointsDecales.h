// The survey points a parallel of a polyline gets: one at each vertex of the parallel whose
// vertex on the original line carries a survey point, at that point's altitude plus a height.
#pragma once
#include <vector>

#include "ge/gepnt2d.h"

class listePointsDuDessin;

// The vertices that count: the first, then each one farther than 1e-6 from the last one kept, as
// indices into the polyline.
std::vector<unsigned int> sommetsDistincts(const std::vector<AcGePoint2d>& sommets);

// Adds to the table (and draws) the new points; returns how many were made. A point found without
// an altitude gives a new point without one.
int creerPointsDecales(listePointsDuDessin& table, const std::vector<AcGePoint2d>& ligne,
                       const std::vector<AcGePoint2d>& parallele, double hauteur);

// The signed offset through a picked point whose closest point lies on a segment: negative on
// the left of the segment's direction. For an arc (bulge not 0) the centre's side is the left of
// a counter-clockwise arc, so a point inside the circle is on the left exactly when the bulge is
// positive.
double decalageSigne(const AcGePoint2d& debut, const AcGePoint2d& fin, double bulge,
                     const AcGePoint2d& pointe, const AcGePoint2d& proche);
