// BulgePath: a 2D path of vertices joined by straight or circular segments, the geometry of the
// host's polylines. The segment from vertex i to vertex i+1 (to vertex 0 for the closing segment
// of a closed path) carries the bulge of vertex i: tan(included angle / 4), positive when the arc
// turns counter-clockwise, 0 for a straight segment.
//
// Parameters follow the host's polyline curves: vertex i has parameter i; within a segment the
// parameter is linear in length on a line and linear in angle on an arc; a closed path runs from
// 0 to n (n vertices), an open one from 0 to n - 1.
#pragma once
#include <vector>

#include "ge/gearc2d.h"
#include "ge/gelnsg2d.h"
#include "ge/gepnt2d.h"
#include "ge/path_segment.h"

class AcGeMatrix2d;

namespace ge {

struct BulgeVertex {
  AcGePoint2d point;
  double bulge = 0.0;
};

// The kinds of segment, as the host's polyline reports them.
enum class SegmentKind { kLine, kArc, kCoincident, kPoint, kEmpty };

class BulgePath {
 public:
  BulgePath() = default;
  BulgePath(std::vector<BulgeVertex> vertices, bool closed);

  // Vertices.
  int numVertices() const { return static_cast<int>(vertices_.size()); }
  const std::vector<BulgeVertex>& vertices() const { return vertices_; }
  const AcGePoint2d& vertexAt(int i) const { return vertices_[static_cast<size_t>(i)].point; }
  double bulgeAt(int i) const { return vertices_[static_cast<size_t>(i)].bulge; }
  void addVertex(const AcGePoint2d& point, double bulge = 0.0);
  void insertVertexAt(int i, const AcGePoint2d& point, double bulge = 0.0);
  void removeVertexAt(int i);
  void setVertexAt(int i, const AcGePoint2d& point);
  void setBulgeAt(int i, double bulge);
  bool isClosed() const { return closed_; }
  void setClosed(bool closed) { closed_ = closed; }

  // Segments: n - 1 for an open path, n for a closed one (none below two vertices).
  int numSegments() const;
  SegmentKind segmentKind(int i) const;
  PathSegment segment(int i) const;
  AcGeLineSeg2d lineSegmentAt(int i) const;
  AcGeCircArc2d arcSegmentAt(int i) const;

  // Curve queries. The functions returning bool fail (false) for a parameter, distance or point
  // outside the path, or for a path without segments.
  double startParam() const { return 0.0; }
  double endParam() const;
  AcGePoint2d startPoint() const;
  AcGePoint2d endPoint() const;  // the start point for a closed path
  double length() const;
  bool pointAtParam(double param, AcGePoint2d& point) const;
  // tol: how far (drawing units) the point may lie from the path.
  bool paramAtPoint(const AcGePoint2d& point, double& param,
                    double tol = AcGeContext::gTol.equalPoint()) const;
  bool distAtParam(double param, double& dist) const;
  bool paramAtDist(double dist, double& param) const;
  bool firstDerivative(double param, AcGeVector2d& deriv) const;
  bool secondDerivative(double param, AcGeVector2d& deriv) const;
  // The point of the path nearest to point. With extend, the first and last segments of an open
  // path are prolonged (lines as rays, arcs as whole circles); the parameter of a point on a
  // prolongation continues that segment's parameter beyond the path's range.
  AcGePoint2d closestPointTo(const AcGePoint2d& point, bool extend = false,
                             double* param = nullptr) const;
  double distanceTo(const AcGePoint2d& point) const;

  // Area enclosed (a closed path, or an open one closed by the chord from its end to its start):
  // positive when the path runs counter-clockwise.
  double signedArea() const;
  // The axis-aligned box, arcs by their true extremes; false when the path has no vertex.
  bool extents(AcGePoint2d& min, AcGePoint2d& max) const;

  void reverse();  // same geometry travelled the other way
  // Applies a similarity (rotation, uniform scale, translation, mirror); mirrors flip the bulges.
  // False, leaving the path unchanged, for transforms that would not keep arcs circular.
  bool transformBy(const AcGeMatrix2d& xform);

  // The paths at a distance from this one (drawing units): positive to the right of the direction
  // of travel, negative to the left. This is the host's rule for polyline offsets, and it agrees
  // with its documented rule for arcs and circles (a negative distance makes the curve "smaller"):
  // a counter-clockwise arc or closed path grows with a positive distance and shrinks with a
  // negative one; a clockwise one does the opposite.
  // Segments are offset one by one (arcs stay arcs about the same centre; an arc whose radius would
  // fall to zero gives way to arcs about its ends), consecutive offsets are prolonged or trimmed to
  // their intersection (joined by an arc about the original vertex where they do not meet), and
  // the parts that come closer to this path than |distance| are removed. The remaining pieces are
  // returned as separate paths: an offset may split into several paths, or vanish. Closed paths
  // give closed paths, starting at the offset of the first vertex when it survives.
  std::vector<BulgePath> offset(double distance) const;

  // Tolerance for position tests on this path (drawing units): the given tolerance, widened for
  // large coordinates.
  double tolerance(double tol = AcGeContext::gTol.equalPoint()) const;

  // The piece between two parameters (fromParam < toParam; on a closed path, toParam may exceed
  // endParam() to run through the start).
  BulgePath subPath(double fromParam, double toParam) const;
  // Removes zero-length segments (repeated vertices), and for a closed path a last vertex equal to
  // the first.
  void removeRepeatedVertices(double tol);

 private:
  // The segment index and parameter within it for a path parameter (already in range).
  void locate(double param, int& seg, double& t) const;

  std::vector<BulgeVertex> vertices_;
  bool closed_ = false;
};

}  // namespace ge
