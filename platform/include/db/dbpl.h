// AcDbPolyline: the lightweight polyline (LWPOLYLINE), a chain of straight and circular segments
// in the plane of its normal. Vertices are 2D points of that plane's object coordinate system, at
// the polyline's elevation; each carries the bulge and the widths of the segment that starts there.
// Its parameter runs from 0 at the first vertex by one per segment (vertex index plus the fraction
// of the segment: in length on straight segments, in angle on arcs).
#pragma once
#include <vector>

#include "db/dbentity.h"
#include "ge/gepnt2d.h"

class AcGeLineSeg2d;
class AcGeLineSeg3d;
class AcGeCircArc2d;
class AcGeCircArc3d;

class AcDbPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyline);
  AcDbPolyline();
  explicit AcDbPolyline(unsigned int numVerts);  // reserves room for that many vertices

  enum SegType { kLine, kArc, kCoincident, kPoint, kEmpty };

  unsigned int numVerts() const { return static_cast<unsigned int>(vertices_.size()); }
  // Inserts a vertex before index (index == numVerts() appends). Widths below zero take the
  // constant width.
  Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& point, double bulge = 0.0,
                                double startWidth = -1.0, double endWidth = -1.0,
                                Adesk::Int32 vertexIdentifier = 0);
  Acad::ErrorStatus removeVertexAt(unsigned int index);
  // Vertex in object coordinates, or in world coordinates (elevation and normal applied).
  Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& point) const;
  Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& point) const;
  Acad::ErrorStatus setPointAt(unsigned int index, const AcGePoint2d& point);
  Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
  Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
  Acad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
  Acad::ErrorStatus setWidthsAt(unsigned int index, double startWidth, double endWidth);
  Acad::ErrorStatus getVertexIdentifierAt(unsigned int index, Adesk::Int32& identifier) const;
  Acad::ErrorStatus setVertexIdentifierAt(unsigned int index, Adesk::Int32 identifier);
  // Clears the polyline (reuse = false) or keeps its first numVerts vertices.
  void reset(bool reuse, unsigned int numVerts);

  // The kind of segment that starts at vertex index: a line, an arc, a zero-length segment
  // (kCoincident), the single vertex of a one-vertex polyline (kPoint), or kEmpty past the end.
  SegType segType(unsigned int index) const;
  Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg2d& segment) const;
  Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg3d& segment) const;
  Acad::ErrorStatus getArcSegAt(unsigned int index, AcGeCircArc2d& arc) const;
  Acad::ErrorStatus getArcSegAt(unsigned int index, AcGeCircArc3d& arc) const;
  // True when the 2D point lies on segment index; param is then the polyline parameter there.
  bool onSegAt(unsigned int index, const AcGePoint2d& point, double& param) const;

  bool isClosed() const override { return closed_; }
  void setClosed(bool closed);
  bool isPlinegen() const { return plinegen_; }
  void setPlinegen(bool plinegen);
  bool isOnlyLines() const;
  bool hasBulges() const;
  bool hasWidth() const;
  double elevation() const { return elevation_; }
  void setElevation(double elevation);
  double thickness() const { return thickness_; }
  Acad::ErrorStatus setThickness(double thickness) { return assignMember(thickness_, thickness); }
  // The width common to every segment; eInvalidInput when the widths vary.
  Acad::ErrorStatus getConstantWidth(double& width) const;
  Acad::ErrorStatus setConstantWidth(double width);
  AcGeVector3d normal() const { return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal) { return assignNormal(normal_, normal); }
  // The object coordinate system: world from polyline coordinates (elevation included).
  void getCoordSystem(AcGeMatrix3d& transform) const;

  ACDB_DECLARE_CURVE_QUERIES();
  // New AcDbPolyline objects at the offset distance: positive to the right of the direction of
  // travel (seen from the normal's tip), so outwards for a counter-clockwise closed polyline and
  // to a larger radius on counter-clockwise arcs, as for circles and arcs. Self-intersecting
  // results are split, so one polyline may give several curves.
  Acad::ErrorStatus getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const override;
  Acad::ErrorStatus getArea(double& area) const override;

  // Platform: one vertex as stored.
  struct Vertex {
    AcGePoint2d point;
    double bulge = 0.0;
    double startWidth = 0.0;
    double endWidth = 0.0;
    Adesk::Int32 identifier = 0;
  };

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  std::vector<Vertex> vertices_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double elevation_ = 0.0;
  double thickness_ = 0.0;
  double constantWidth_ = 0.0;
  bool closed_ = false;
  bool plinegen_ = false;
  // While reading: vertices come as 10 then their 40/41/42/91.
  bool readingVertices_ = false;
};
