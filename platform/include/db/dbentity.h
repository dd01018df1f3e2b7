// AcDbEntity: an object with graphics, held by a block table record. Carries the common
// properties (layer, colour index, linetype, linetype scale, lineweight, visibility) and the
// geometric queries every entity answers.
#pragma once
#include <string>

#include "db/dbobject.h"
#include "ge/gept3dar.h"

class AcDbExtents;
class EntityFollowers;
class AcGeMatrix3d;
class AcGePlane;
typedef AcArray<void*> AcDbVoidPtrArray;
typedef AcArray<Adesk::Int32> AcDbIntArray;  // NOLINT

class AcDbEntity : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEntity);
  AcDbEntity();
  ~AcDbEntity() override;

  // The block table record that holds the entity (its owner).
  AcDbObjectId blockId() const;

  // Layer. Names are looked up in the entity's database, or in the working database for an entity
  // not yet added to one.
  AcDbObjectId layerId() const { return layerId_; }
  // The layer's name, a new string the caller frees with acutDelString (the host's convention).
  ACHAR* layer() const;
  std::wstring layerName() const;
  Acad::ErrorStatus setLayer(const ACHAR* layerName, bool doSubents = true);
  Acad::ErrorStatus setLayer(AcDbObjectId layer, bool doSubents = true);

  // Colour index: 0 ByBlock, 1-255, 256 ByLayer.
  Adesk::UInt16 colorIndex() const { return colorIndex_; }
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 index, bool doSubents = true);
  // True colour (DXF 420, 0xRRGGBB), or -1 when the entity has none.
  Adesk::Int32 trueColor() const { return trueColor_; }
  void setTrueColor(Adesk::Int32 rgb) { trueColor_ = rgb; }

  AcDbObjectId linetypeId() const { return linetypeId_; }
  ACHAR* linetype() const;
  Acad::ErrorStatus setLinetype(const ACHAR* linetypeName, bool doSubents = true);
  Acad::ErrorStatus setLinetype(AcDbObjectId linetype, bool doSubents = true);
  double linetypeScale() const { return linetypeScale_; }
  Acad::ErrorStatus setLinetypeScale(double scale, bool doSubents = true);
  AcDb::LineWeight lineWeight() const { return lineWeight_; }
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight weight, bool doSubents = true);
  AcDb::Visibility visibility() const { return visibility_; }
  Acad::ErrorStatus setVisibility(AcDb::Visibility visibility, bool doSubents = true);

  // Current layer, linetype, colour and text settings of the database (or the working one).
  void setDatabaseDefaults();
  void setDatabaseDefaults(AcDbDatabase* database);
  Acad::ErrorStatus setPropertiesFrom(const AcDbEntity* other, bool doSubents = true);

  // Geometry.
  virtual Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const;
  virtual Acad::ErrorStatus transformBy(const AcGeMatrix3d& transform);
  virtual Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& transform, AcDbEntity*& copy) const;
  // Intersections with another entity, as they are or projected on a plane.
  virtual Acad::ErrorStatus intersectWith(const AcDbEntity* other, AcDb::Intersect type,
                                          AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker = 0,
                                          Adesk::GsMarker otherGsMarker = 0) const;
  virtual Acad::ErrorStatus intersectWith(const AcDbEntity* other, AcDb::Intersect type,
                                          const AcGePlane& projectionPlane,
                                          AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker = 0,
                                          Adesk::GsMarker otherGsMarker = 0) const;
  // A new, non-resident copy with the same properties and geometry.
  AcDbEntity* clone() const;

  // Entities written with followers in files (attributes of a block reference, vertices of a
  // polyline): the followers in order and the end-of-sequence marker. Platform bookkeeping, done
  // here for every entity that has a follower list: followerList() is the one thing a kind gives.
  void subentityIds(AcDbObjectIdArray& ids) const;
  AcDbObjectId sequenceEndId() const;
  // Takes a follower read from a file; false when the entity takes none of that kind.
  bool adoptSubentity(AcDbObjectId id);
  void setSequenceEndId(AcDbObjectId id);
  // The followers are erased with their owner and enter the owner's database with it.
  Acad::ErrorStatus erase(bool erasing = true) override;
  Acad::ErrorStatus setOwnerId(AcDbObjectId owner) override;
  // The entity's follower list, or null for an entity that holds none.
  virtual EntityFollowers* followerList() const { return nullptr; }

  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  bool dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) override;
  // What a setter of a normal does: a zero vector is refused (eInvalidInput); any other is stored
  // as a unit vector, the object open for write.
  Acad::ErrorStatus assignNormal(AcGeVector3d& member, const AcGeVector3d& normal);
  // Whether a follower read from a file is of a kind this entity holds.
  virtual bool takesFollower(const AcDbEntity& follower) const {
    (void)follower;
    return false;
  }

 private:
  AcDbObjectId layerId_;
  AcDbObjectId linetypeId_;
  AcDbObjectId materialOrPlotStyle_;
  double linetypeScale_ = 1.0;
  Adesk::Int32 trueColor_ = -1;
  Adesk::UInt16 colorIndex_ = 256;
  AcDb::LineWeight lineWeight_ = AcDb::kLnWtByLayer;
  AcDb::Visibility visibility_ = AcDb::kVisible;
  bool paperSpace_ = false;
};

// ACDB_DECLARE_ENTITY_OVERRIDES() is ACDB_DECLARE_FILING() (see dbobject.h) with the two
// geometric overrides every drawn kind gives: its extents and its transform. It ends the public
// section the same way.
#define ACDB_DECLARE_ENTITY_OVERRIDES()                                  \
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override; \
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& transform) override; \
  ACDB_DECLARE_FILING()

// AcDbCurve: the curve queries of the host. Parameters are those of each curve kind (angles for
// arcs and circles, vertex index plus fraction for polylines, length for lines).
class AcDbCurve : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbCurve);

  virtual bool isClosed() const { return false; }
  virtual bool isPeriodic() const { return false; }
  virtual Acad::ErrorStatus getStartParam(double& param) const;
  virtual Acad::ErrorStatus getEndParam(double& param) const;
  virtual Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const;
  virtual Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const;
  virtual Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const;
  virtual Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const;
  virtual Acad::ErrorStatus getDistAtParam(double param, double& dist) const;
  virtual Acad::ErrorStatus getParamAtDist(double dist, double& param) const;
  virtual Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point, double& dist) const;
  virtual Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const;
  virtual Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& deriv) const;
  virtual Acad::ErrorStatus getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& deriv) const;
  virtual Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                              bool extend = false) const;
  virtual Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& given, const AcGeVector3d& direction,
                                              AcGePoint3d& closest, bool extend = false) const;
  // New non-resident curves at the offset distance; the caller owns them (deletes them or adds
  // them to a database).
  virtual Acad::ErrorStatus getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const;
  virtual Acad::ErrorStatus getArea(double& area) const;
};

// ACDB_DECLARE_CURVE_QUERIES() declares the parameter, point, distance, derivative and
// closest-point overrides every curve kind gives, and keeps AcDbCurve's other overloads of
// getClosestPointTo and getFirstDeriv visible. getOffsetCurves and getArea, which not every kind
// gives, are declared apart.
#define ACDB_DECLARE_CURVE_QUERIES()                                                         \
  Acad::ErrorStatus getStartParam(double& param) const override;                             \
  Acad::ErrorStatus getEndParam(double& param) const override;                               \
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;                        \
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;                          \
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;        \
  Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const override; \
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;               \
  Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;               \
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& deriv) const override;         \
  Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,        \
                                      bool extend = false) const override;                   \
  using AcDbCurve::getClosestPointTo;                                                        \
  using AcDbCurve::getFirstDeriv
