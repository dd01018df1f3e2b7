// The old-style polylines, whose vertices are entities of their own held by the polyline: 2D
// polylines (with bulges and widths, in the plane of their normal), 3D polylines, polyface meshes
// and polygon meshes. In drawing files all four are POLYLINE entities told apart by their flags,
// followed by VERTEX entities and a SEQEND.
//
// A polyline owns its vertices. appendVertex gives a vertex to the polyline: when the polyline is
// in a database the vertex is added to it (and stays open for write: the caller closes it); a
// polyline not yet in a database keeps its vertices and adds them when it is added.
#pragma once
#include <memory>

#include "db/dbentity.h"
#include "ge/gedblar.h"

class AcDbObjectIterator;
class EntityFollowers;

// AcDbVertex: the common base of the vertex kinds.
class AcDbVertex : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbVertex);
  AcDbVertex();
  // DXF vertex flags (70) this vertex writes.
  virtual int vertexFlags() const { return 0; }
};

// AcDb2dVertex: a vertex of a 2D polyline. Its position is in the polyline's object coordinate
// system (z is the polyline's elevation); AcDb2dPolyline::vertexPosition gives world coordinates.
class AcDb2dVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2dVertex);
  AcDb2dVertex();
  explicit AcDb2dVertex(const AcGePoint3d& position, double bulge = 0.0, double startWidth = 0.0,
                        double endWidth = 0.0, double tangent = 0.0,
                        Adesk::Int32 vertexIdentifier = 0);

  AcDb::Vertex2dType vertexType() const;
  AcGePoint3d position() const { return position_; }
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  double startWidth() const { return startWidth_; }
  Acad::ErrorStatus setStartWidth(double width);
  double endWidth() const { return endWidth_; }
  Acad::ErrorStatus setEndWidth(double width);
  // tan(included angle / 4) of the segment from this vertex to the next; positive
  // counter-clockwise.
  double bulge() const { return bulge_; }
  Acad::ErrorStatus setBulge(double bulge) { return assignMember(bulge_, bulge); }
  bool isTangentUsed() const { return (flags_ & 2) != 0; }
  Acad::ErrorStatus useTangent();
  Acad::ErrorStatus ignoreTangent();
  double tangent() const { return tangent_; }  // (radians)
  Acad::ErrorStatus setTangent(double angle);
  Adesk::Int32 vertexIdentifier() const { return identifier_; }
  Acad::ErrorStatus setVertexIdentifier(Adesk::Int32 identifier);

  int vertexFlags() const override { return flags_ & ~(32 | 64 | 128); }
  void setVertexFlagsRaw(int flags) { flags_ = flags; }
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& transform) override;
  ACDB_DECLARE_FILING();

 private:
  AcGePoint3d position_;
  double startWidth_ = 0.0;
  double endWidth_ = 0.0;
  double bulge_ = 0.0;
  double tangent_ = 0.0;
  Adesk::Int32 identifier_ = 0;
  int flags_ = 0;
};

// AcDb2dPolyline. Its parameter runs from 0 at the first vertex by one per segment: vertex index
// plus the fraction of the segment (in length for straight segments, in angle for arcs).
class AcDb2dPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2dPolyline);
  AcDb2dPolyline();
  // Vertices given in world coordinates on the plane of the normal Z (x, y; z ignored).
  AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation = 0.0,
                 bool closed = false, double defaultStartWidth = 0.0, double defaultEndWidth = 0.0,
                 const AcGeDoubleArray* bulges = nullptr);
  ~AcDb2dPolyline() override;

  AcDb::Poly2dType polyType() const;
  Acad::ErrorStatus setPolyType(AcDb::Poly2dType type);
  Acad::ErrorStatus makeClosed();
  Acad::ErrorStatus makeOpen();
  bool isClosed() const override { return (flags_ & 1) != 0; }
  double defaultStartWidth() const { return defaultStartWidth_; }
  Acad::ErrorStatus setDefaultStartWidth(double width);
  double defaultEndWidth() const { return defaultEndWidth_; }
  Acad::ErrorStatus setDefaultEndWidth(double width);
  double thickness() const { return thickness_; }
  Acad::ErrorStatus setThickness(double thickness) { return assignMember(thickness_, thickness); }
  AcGeVector3d normal() const { return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal) { return assignNormal(normal_, normal); }
  double elevation() const { return elevation_; }
  Acad::ErrorStatus setElevation(double elevation);
  bool isLinetypeGenerationOn() const { return (flags_ & 128) != 0; }
  Acad::ErrorStatus setLinetypeGenerationOn();
  Acad::ErrorStatus setLinetypeGenerationOff();
  // 0 when the vertices have different widths.
  Acad::ErrorStatus constantWidth(double& width) const;
  Acad::ErrorStatus setConstantWidth(double width);

  Acad::ErrorStatus appendVertex(AcDb2dVertex* vertex);
  Acad::ErrorStatus appendVertex(AcDbObjectId& id, AcDb2dVertex* vertex);
  // Inserts after the vertex indexId (null: at the start).
  Acad::ErrorStatus insertVertexAt(const AcDb2dVertex* indexVertex, AcDb2dVertex* newVertex);
  Acad::ErrorStatus insertVertexAt(AcDbObjectId& newId, AcDbObjectId indexVertexId,
                                   AcDb2dVertex* newVertex);
  Acad::ErrorStatus openVertex(AcDb2dVertex*& vertex, AcDbObjectId id, AcDb::OpenMode mode,
                               bool openErased = false) const;
  AcDbObjectIterator* vertexIterator() const;
  // World position of one of this polyline's vertices.
  AcGePoint3d vertexPosition(const AcDb2dVertex& vertex) const;

  ACDB_DECLARE_CURVE_QUERIES();
  Acad::ErrorStatus getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const override;
  Acad::ErrorStatus getArea(double& area) const override;

  EntityFollowers& followers() const { return *followers_; }
  EntityFollowers* followerList() const override { return followers_.get(); }
  ACDB_DECLARE_ENTITY_OVERRIDES();
  bool takesFollower(const AcDbEntity& follower) const override;

 private:
  std::unique_ptr<EntityFollowers> followers_;
  int flags_ = 0;
  int curveType_ = 0;  // 75: 0 none, 5 quadratic, 6 cubic, 8 Bezier
  double elevation_ = 0.0;
  double thickness_ = 0.0;
  double defaultStartWidth_ = 0.0;
  double defaultEndWidth_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
};

// AcDb3dPolylineVertex: a vertex of a 3D polyline, in world coordinates.
class AcDb3dPolylineVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dPolylineVertex);
  AcDb3dPolylineVertex();
  explicit AcDb3dPolylineVertex(const AcGePoint3d& position);

  AcDb::Vertex3dType vertexType() const;
  AcGePoint3d position() const { return position_; }
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);

  int vertexFlags() const override { return (flags_ & ~(64 | 128)) | 32; }
  void setVertexFlagsRaw(int flags) { flags_ = flags; }
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& transform) override;
  ACDB_DECLARE_FILING();

 private:
  AcGePoint3d position_;
  int flags_ = 32;
};

// AcDb3dPolyline: straight segments through 3D vertices. Parameters as for 2D polylines.
class AcDb3dPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dPolyline);
  AcDb3dPolyline();
  AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, bool closed = false);
  ~AcDb3dPolyline() override;

  AcDb::Poly3dType polyType() const;
  Acad::ErrorStatus setPolyType(AcDb::Poly3dType type);
  Acad::ErrorStatus makeClosed();
  Acad::ErrorStatus makeOpen();
  bool isClosed() const override { return (flags_ & 1) != 0; }

  Acad::ErrorStatus appendVertex(AcDb3dPolylineVertex* vertex);
  Acad::ErrorStatus appendVertex(AcDbObjectId& id, AcDb3dPolylineVertex* vertex);
  Acad::ErrorStatus insertVertexAt(AcDbObjectId& newId, AcDbObjectId indexVertexId,
                                   AcDb3dPolylineVertex* newVertex);
  Acad::ErrorStatus openVertex(AcDb3dPolylineVertex*& vertex, AcDbObjectId id, AcDb::OpenMode mode,
                               bool openErased = false) const;
  AcDbObjectIterator* vertexIterator() const;

  ACDB_DECLARE_CURVE_QUERIES();
  // The area of the projection on the plane of the vertices, for planar closed polylines.
  Acad::ErrorStatus getArea(double& area) const override;

  EntityFollowers& followers() const { return *followers_; }
  EntityFollowers* followerList() const override { return followers_.get(); }
  ACDB_DECLARE_ENTITY_OVERRIDES();
  bool takesFollower(const AcDbEntity& follower) const override;

 private:
  std::unique_ptr<EntityFollowers> followers_;
  int flags_ = 8;
  int curveType_ = 0;
};

// AcDbPolyFaceMeshVertex: a corner of a polyface mesh, in world coordinates.
class AcDbPolyFaceMeshVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyFaceMeshVertex);
  AcDbPolyFaceMeshVertex();
  explicit AcDbPolyFaceMeshVertex(const AcGePoint3d& position);

  AcGePoint3d position() const { return position_; }
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);

  int vertexFlags() const override { return 192; }
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& transform) override;
  ACDB_DECLARE_FILING();

 private:
  AcGePoint3d position_;
};

// AcDbFaceRecord: a face of a polyface mesh, by the 1-based indices of up to four of its vertices;
// a negative index hides the edge that starts at that corner.
class AcDbFaceRecord : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbFaceRecord);
  AcDbFaceRecord();
  AcDbFaceRecord(Adesk::Int16 vtx0, Adesk::Int16 vtx1, Adesk::Int16 vtx2, Adesk::Int16 vtx3);

  // Corner 0 to 3: the vertex index (1-based, positive; 0 for an unused fourth corner).
  Acad::ErrorStatus getVertexAt(Adesk::UInt16 corner, Adesk::Int16& vertexIndex) const;
  Acad::ErrorStatus setVertexAt(Adesk::UInt16 corner, Adesk::Int16 vertexIndex);
  Acad::ErrorStatus isEdgeVisibleAt(Adesk::UInt16 corner, bool& visible) const;
  Acad::ErrorStatus makeEdgeVisibleAt(Adesk::UInt16 corner);
  Acad::ErrorStatus makeEdgeInvisibleAt(Adesk::UInt16 corner);

  int vertexFlags() const override { return 128; }
  // A face is made of indices: moving the mesh moves its vertices, not its faces.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d&) override { return Acad::eOk; }
  ACDB_DECLARE_FILING();

 private:
  Adesk::Int16 indices_[4] = {0, 0, 0, 0};  // signed as in files
};

// AcDbPolyFaceMesh: vertices, then faces that refer to them by index.
class AcDbPolyFaceMesh : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyFaceMesh);
  AcDbPolyFaceMesh();
  ~AcDbPolyFaceMesh() override;

  Adesk::Int16 numVertices() const;
  Adesk::Int16 numFaces() const;
  // Vertices come before faces (eVertexAfterFace otherwise).
  Acad::ErrorStatus appendVertex(AcDbPolyFaceMeshVertex* vertex);
  Acad::ErrorStatus appendVertex(AcDbObjectId& id, AcDbPolyFaceMeshVertex* vertex);
  // Face indices must refer to existing vertices (eInvalidFaceVertexIndex otherwise).
  Acad::ErrorStatus appendFaceRecord(AcDbFaceRecord* face);
  Acad::ErrorStatus appendFaceRecord(AcDbObjectId& id, AcDbFaceRecord* face);
  Acad::ErrorStatus openVertex(AcDbVertex*& vertex, AcDbObjectId id, AcDb::OpenMode mode,
                               bool openErased = false) const;
  AcDbObjectIterator* vertexIterator() const;

  EntityFollowers& followers() const { return *followers_; }
  EntityFollowers* followerList() const override { return followers_.get(); }
  ACDB_DECLARE_ENTITY_OVERRIDES();
  bool takesFollower(const AcDbEntity& follower) const override;

 private:
  std::unique_ptr<EntityFollowers> followers_;
};

// AcDbPolygonMeshVertex: a vertex of a polygon mesh, in world coordinates.
class AcDbPolygonMeshVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolygonMeshVertex);
  AcDbPolygonMeshVertex();
  explicit AcDbPolygonMeshVertex(const AcGePoint3d& position);

  AcGePoint3d position() const { return position_; }
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);

  int vertexFlags() const override { return (flags_ & ~(32 | 128)) | 64; }
  void setVertexFlagsRaw(int flags) { flags_ = flags; }
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& transform) override;
  ACDB_DECLARE_FILING();

 private:
  AcGePoint3d position_;
  int flags_ = 64;
};

// AcDbPolygonMesh: an M by N grid of vertices (row by row: M rows of N vertices).
class AcDbPolygonMesh : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolygonMesh);
  AcDbPolygonMesh();
  AcDbPolygonMesh(AcDb::PolyMeshType type, Adesk::Int16 mSize, Adesk::Int16 nSize,
                  const AcGePoint3dArray& vertices, bool mClosed = false, bool nClosed = false);
  ~AcDbPolygonMesh() override;

  AcDb::PolyMeshType polyMeshType() const;
  Acad::ErrorStatus setPolyMeshType(AcDb::PolyMeshType type);
  Adesk::Int16 mSize() const { return mSize_; }
  Acad::ErrorStatus setMSize(Adesk::Int16 size);
  Adesk::Int16 nSize() const { return nSize_; }
  Acad::ErrorStatus setNSize(Adesk::Int16 size);
  bool isMClosed() const { return (flags_ & 1) != 0; }
  Acad::ErrorStatus makeMClosed();
  Acad::ErrorStatus makeMOpen();
  bool isNClosed() const { return (flags_ & 32) != 0; }
  Acad::ErrorStatus makeNClosed();
  Acad::ErrorStatus makeNOpen();
  Adesk::Int16 mSurfaceDensity() const { return mDensity_; }
  Acad::ErrorStatus setMSurfaceDensity(Adesk::Int16 density);
  Adesk::Int16 nSurfaceDensity() const { return nDensity_; }
  Acad::ErrorStatus setNSurfaceDensity(Adesk::Int16 density);

  Acad::ErrorStatus appendVertex(AcDbPolygonMeshVertex* vertex);
  Acad::ErrorStatus appendVertex(AcDbObjectId& id, AcDbPolygonMeshVertex* vertex);
  Acad::ErrorStatus openVertex(AcDbPolygonMeshVertex*& vertex, AcDbObjectId id, AcDb::OpenMode mode,
                               bool openErased = false) const;
  AcDbObjectIterator* vertexIterator() const;

  EntityFollowers& followers() const { return *followers_; }
  EntityFollowers* followerList() const override { return followers_.get(); }
  ACDB_DECLARE_ENTITY_OVERRIDES();
  bool takesFollower(const AcDbEntity& follower) const override;

 private:
  std::unique_ptr<EntityFollowers> followers_;
  int flags_ = 16;
  Adesk::Int16 mSize_ = 0;
  Adesk::Int16 nSize_ = 0;
  Adesk::Int16 mDensity_ = 0;
  Adesk::Int16 nDensity_ = 0;
  int surfaceType_ = 0;  // 75
};
