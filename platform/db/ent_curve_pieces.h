// Curve entities as pieces (straight and circular, bounded or not), for the queries that work on
// any pair of curves: intersections, and closest points seen along a direction.
#pragma once
#include <vector>

#include "db/acadstrc.h"
#include "db/acdb.h"
#include "ge/gept3dar.h"
#include "ge/gevec3d.h"

class AcDbCurve;
class AcDbEntity;
class AcGePlane;

namespace curvepieces {

// One straight or circular piece of a curve. Its parameter t runs from 0 at its start to 1 at its
// end: linear in length on a line, in angle on an arc.
struct Piece {
  bool isArc = false;
  AcGePoint3d start, end;  // a line's two defining points
  AcGePoint3d center;      // arcs: the point at angle a is center + radius (cos a x + sin a y)
  AcGeVector3d normal, xAxis, yAxis;
  double radius = 0.0;
  double startAngle = 0.0;
  double sweep = 0.0;  // signed about normal (radians)
  // Rays and construction lines run on without end; other pieces may be prolonged at the ends
  // of their curve when an intersection asks to extend it.
  bool unboundedStart = false, unboundedEnd = false;
  bool extendStart = false, extendEnd = false;

  AcGePoint3d pointAt(double t) const;
};

// The pieces of a line, arc, circle, ray, construction line or polyline; false for other entities.
bool piecesOf(const AcDbEntity* entity, std::vector<Piece>& pieces);

// Points common to two curve entities, as AcDbEntity::intersectWith gives them: prolonged as type
// says, and on a projection plane when one is given (the points are then those of a on its own
// geometry above the common projected points).
Acad::ErrorStatus intersect(const AcDbEntity* a, const AcDbEntity* b, AcDb::Intersect type,
                            const AcGePlane* projection, AcGePoint3dArray& points);

// The point of the curve whose projection along direction (unit) comes nearest to the given
// point's.
Acad::ErrorStatus closestAlongDirection(const AcDbCurve* curve, const AcGePoint3d& given,
                                        const AcGeVector3d& direction, bool extend,
                                        AcGePoint3d& closest);

}  // namespace curvepieces
