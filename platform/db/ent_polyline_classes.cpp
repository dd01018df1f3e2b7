// Run-time classes of the old-style polylines and their vertices, and the factory readers use.
//
// Four polyline classes share the DXF type POLYLINE and five vertex classes share VERTEX. The
// registry of DXF names keeps the last class registered under a name, so the classes that stand
// for the names when nothing else tells (the 2D polyline and its vertex) are registered after the
// others, whatever order the other classes are first asked for.
#include "db/dbpoly.h"
#include "db/polyline_kinds.h"

namespace {
template <class T>
AcRxObject* make() {
  return new T();
}
}  // namespace

#define POLYLINE_KIND_MEMBERS(CLASS, PARENT, DXFNAME)                        \
  AcRxClass* CLASS::desc() {                                                 \
    static AcRxClass cls(L## #CLASS, PARENT::desc(), DXFNAME, &make<CLASS>); \
    return &cls;                                                             \
  }                                                                          \
  AcRxClass* CLASS::isA() const { return desc(); }

ACRX_DEFINE_ABSTRACT_MEMBERS(AcDbVertex, AcDbEntity);
AcDbVertex::AcDbVertex() = default;
POLYLINE_KIND_MEMBERS(AcDb3dPolylineVertex, AcDbVertex, "VERTEX")
POLYLINE_KIND_MEMBERS(AcDbPolyFaceMeshVertex, AcDbVertex, "VERTEX")
POLYLINE_KIND_MEMBERS(AcDbFaceRecord, AcDbVertex, "VERTEX")
POLYLINE_KIND_MEMBERS(AcDbPolygonMeshVertex, AcDbVertex, "VERTEX")
POLYLINE_KIND_MEMBERS(AcDb3dPolyline, AcDbCurve, "POLYLINE")
POLYLINE_KIND_MEMBERS(AcDbPolyFaceMesh, AcDbEntity, "POLYLINE")
POLYLINE_KIND_MEMBERS(AcDbPolygonMesh, AcDbEntity, "POLYLINE")

AcRxClass* AcDb2dVertex::desc() {
  // The other vertex classes first, so that this one holds the name.
  static const bool othersFirst = (AcDb3dPolylineVertex::desc(), AcDbPolyFaceMeshVertex::desc(),
                                   AcDbFaceRecord::desc(), AcDbPolygonMeshVertex::desc(), true);
  (void)othersFirst;
  static AcRxClass cls(L"AcDb2dVertex", AcDbVertex::desc(), "VERTEX", &make<AcDb2dVertex>);
  return &cls;
}
AcRxClass* AcDb2dVertex::isA() const { return desc(); }

AcRxClass* AcDb2dPolyline::desc() {
  static const bool othersFirst =
      (AcDb3dPolyline::desc(), AcDbPolyFaceMesh::desc(), AcDbPolygonMesh::desc(), true);
  (void)othersFirst;
  static AcRxClass cls(L"AcDb2dPolyline", AcDbCurve::desc(), "POLYLINE", &make<AcDb2dPolyline>);
  return &cls;
}
AcRxClass* AcDb2dPolyline::isA() const { return desc(); }

namespace {
[[maybe_unused]] const AcRxClass* const registeredVertex = AcDb2dVertex::desc();
[[maybe_unused]] const AcRxClass* const registeredPolyline = AcDb2dPolyline::desc();
}  // namespace

AcDbEntity* createPolylineForFlags(int flags70) {
  if (flags70 & 64) return new AcDbPolyFaceMesh();
  if (flags70 & 16) return new AcDbPolygonMesh();
  if (flags70 & 8) return new AcDb3dPolyline();
  return new AcDb2dPolyline();
}

AcDbEntity* createVertexForFlags(int flags70, const AcDbEntity* polyline) {
  // The polyline's kind wins over flags that other programs write carelessly.
  if (AcDb2dPolyline::cast(polyline) != nullptr) return new AcDb2dVertex();
  if (AcDb3dPolyline::cast(polyline) != nullptr) return new AcDb3dPolylineVertex();
  if (AcDbPolygonMesh::cast(polyline) != nullptr) return new AcDbPolygonMeshVertex();
  if (AcDbPolyFaceMesh::cast(polyline) != nullptr) {
    if ((flags70 & 128) != 0 && (flags70 & 64) == 0) return new AcDbFaceRecord();
    return new AcDbPolyFaceMeshVertex();
  }
  if (flags70 & 128) {
    if (flags70 & 64) return new AcDbPolyFaceMeshVertex();
    return new AcDbFaceRecord();
  }
  if (flags70 & 64) return new AcDbPolygonMeshVertex();
  if (flags70 & 32) return new AcDb3dPolylineVertex();
  return new AcDb2dVertex();
}
