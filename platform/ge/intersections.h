// Intersections of 2D segments and paths, with the host's ways of prolonging the operands.
#pragma once
#include <vector>

#include "ge/gepnt2d.h"
#include "ge/gepnt3d.h"
#include "ge/path_segment.h"

namespace ge {

class BulgePath;

// How the operands are prolonged, numbered as the host's entity intersection modes:
// neither, the first ("this"), the second ("argument"), or both.
enum class ExtendMode { kOnBothOperands = 0, kExtendThis = 1, kExtendArg = 2, kExtendBoth = 3 };

inline bool extendsThis(ExtendMode m) {
  return m == ExtendMode::kExtendThis || m == ExtendMode::kExtendBoth;
}
inline bool extendsArg(ExtendMode m) {
  return m == ExtendMode::kExtendArg || m == ExtendMode::kExtendBoth;
}

// Which ends of a segment may be prolonged: a line past its start and/or past its end; an arc
// prolonged at either end becomes its whole circle.
struct SegmentExtension {
  bool atStart = false;
  bool atEnd = false;
  static SegmentExtension none() { return {}; }
  static SegmentExtension both() { return {true, true}; }
};

struct SegmentHit {
  AcGePoint2d point;
  double t1 = 0.0;  // parameter on the first segment
  double t2 = 0.0;  // parameter on the second segment
};

// The points common to two segments. Tangent contacts give one point; lines that overlap give the
// ends of the overlap, arcs of one circle the ends of their common parts. tol: distance
// (drawing units) within which points are taken as equal.
std::vector<SegmentHit> intersectSegments(const PathSegment& a, SegmentExtension extendA,
                                          const PathSegment& b, SegmentExtension extendB,
                                          double tol);

// The points common to two paths, without repeats (a crossing at a vertex is reported once).
// Prolonging an open path extends its first and last segments (lines as rays, arcs as whole
// circles); a closed path is never prolonged.
std::vector<AcGePoint2d> intersectPaths(const BulgePath& a, const BulgePath& b, ExtendMode mode,
                                        double tol);
// The same with a single segment (a line, arc or circle entity) as the argument; prolonging it
// makes a line unbounded and an arc a whole circle.
std::vector<AcGePoint2d> intersectPathWithSegment(const BulgePath& path, const PathSegment& seg,
                                                  ExtendMode mode, double tol);
// The same between two single segments, by the entity rule above.
std::vector<AcGePoint2d> intersectSegmentEntities(const PathSegment& a, const PathSegment& b,
                                                  ExtendMode mode, double tol);

// Where a path crosses or touches itself, away from the joints of consecutive segments. Each hit
// carries the two path parameters (param1 < param2).
struct PathSelfHit {
  AcGePoint2d point;
  double param1 = 0.0;
  double param2 = 0.0;
};
std::vector<PathSelfHit> selfIntersections(const BulgePath& path, double tol);

// The common point of two lines of space given by a point and a direction each, when they meet
// within tol (drawing units); false for parallel or skew lines. The parameters along each line
// (multiples of the direction vectors) are returned as well when asked.
bool intersectLines3d(const AcGePoint3d& p1, const AcGeVector3d& d1, const AcGePoint3d& p2,
                      const AcGeVector3d& d2, AcGePoint3d& point, double tol,
                      double* t1 = nullptr, double* t2 = nullptr);

}  // namespace ge
