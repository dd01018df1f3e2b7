// AcDbBlockReference: an insertion of a block definition, placed by a position, scale factors, a
// rotation and a normal, and holding the attribute values of that insertion.
#pragma once
#include <memory>

#include "db/dbentity.h"
#include "ge/gemat3d.h"
#include "ge/gescl3d.h"

class AcDbAttribute;
class AcDbObjectIterator;
class EntityFollowers;

class AcDbBlockReference : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockReference);
  AcDbBlockReference();
  AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord);
  ~AcDbBlockReference() override;

  // The block definition. A name read before its definition (blocks that use blocks defined
  // later in a file) is looked up when first asked for.
  AcDbObjectId blockTableRecord() const;
  virtual Acad::ErrorStatus setBlockTableRecord(AcDbObjectId block);
  AcGePoint3d position() const { return position_; }
  virtual Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  AcGeScale3d scaleFactors() const { return scale_; }
  // Zero factors are refused (eInvalidInput).
  virtual Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
  double rotation() const { return rotation_; }  // (radians) about the normal
  virtual Acad::ErrorStatus setRotation(double angle);
  AcGeVector3d normal() const { return normal_; }
  virtual Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // The transform from the block definition's coordinates to world coordinates: the block's base
  // point goes to the position, then scale, rotation and the normal's coordinate system apply.
  AcGeMatrix3d blockTransform() const;
  // Sets position, scale, rotation and normal from a transform that scales each axis
  // (eCannotScaleNonUniformly when it shears).
  virtual Acad::ErrorStatus setBlockTransform(const AcGeMatrix3d& transform);

  // Attributes. appendAttribute gives the attribute to the reference: it becomes the attribute's
  // owner and, when the reference is in a database, adds the attribute to it (the attribute is then
  // open for write and the caller closes it). A reference not yet in a database keeps its
  // attributes and adds them when it is added.
  Acad::ErrorStatus appendAttribute(AcDbAttribute* attribute);
  Acad::ErrorStatus appendAttribute(AcDbObjectId& id, AcDbAttribute* attribute);
  Acad::ErrorStatus openAttribute(AcDbAttribute*& attribute, AcDbObjectId id, AcDb::OpenMode mode,
                                  bool openErased = false);
  // A new iterator over the attributes, in order; the caller deletes it.
  AcDbObjectIterator* attributeIterator() const;

  // The extents of the block's entities placed by parentTransform * blockTransform().
  Acad::ErrorStatus geomExtentsBestFit(
      AcDbExtents& extents, const AcGeMatrix3d& parentTransform = AcGeMatrix3d::kIdentity) const;

  // Platform bookkeeping: the attributes held.
  EntityFollowers& followers() const { return *followers_; }
  EntityFollowers* followerList() const override { return followers_.get(); }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_ENTITY_OVERRIDES();
  bool takesFollower(const AcDbEntity& follower) const override;
  // Writes the block reference level (marker, 66, 2, 10, 41-43, 50, 210).
  void dxfOutBlockReferenceFields(AcDbDxfFiler* filer, bool withScaleAndRotation) const;
  // For readers of subclass levels: values set without the checks of an open object.
  void setBlockTableRecordRaw(AcDbObjectId block) {
    block_ = block;
    pendingBlockName_.clear();
  }
  void setRotationRaw(double angle) { rotation_ = angle; }

 private:
  std::unique_ptr<EntityFollowers> followers_;
  mutable AcDbObjectId block_;
  mutable std::wstring pendingBlockName_;
  AcGePoint3d position_;
  AcGePoint3d filePosition_;
  bool positionRead_ = false;
  AcGeScale3d scale_;
  double rotation_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
};
