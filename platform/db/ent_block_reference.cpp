// AcDbBlockReference: placement of a block definition, and the attributes it holds (followers in
// files, owned entities here: db/ent_followers.h).
#include <algorithm>
#include <cmath>
#include <vector>

#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "db/ent_fields.h"
#include "db/ent_followers.h"
#include "db/ent_support.h"
#include "db/symbol_util.h"
#include "ge/angles.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_MEMBERS(AcDbBlockReference, AcDbEntity, "INSERT");

namespace {

// Nested references deeper than this are not measured (no real drawing nests so deep).
constexpr size_t kMaxNesting = 32;

AcGePoint3d blockOrigin(AcDbObjectId block) {
  auto* record = peekObject<AcDbBlockTableRecord>(block);
  return record != nullptr ? record->origin() : AcGePoint3d::kOrigin;
}

// One measure of a reference: the box grows with each placed entity; the definitions being entered
// are kept so that a block met again inside itself is refused instead of measured for ever.
struct ExtentsWalk {
  AcDbExtents& extents;
  std::vector<AcDbObjectId> entered;
  bool selfReference = false;
};

// Extents of one entity placed by a transform: exact where the entity can be transformed (a moved
// circle keeps its true box), else its own box transformed.
void addPlacedExtents(const AcDbEntity* entity, const AcGeMatrix3d& transform, ExtentsWalk& walk);

void addBlockExtents(AcDbObjectId block, const AcGeMatrix3d& transform, ExtentsWalk& walk) {
  auto* record = peekObject<AcDbBlockTableRecord>(block);
  if (record == nullptr || walk.entered.size() > kMaxNesting) return;
  if (std::find(walk.entered.begin(), walk.entered.end(), block) != walk.entered.end()) {
    walk.selfReference = true;
    return;
  }
  walk.entered.push_back(block);
  for (const AcDbObjectId& id : record->entityIds()) {
    if (!isLiveId(id)) continue;
    auto* entity = peekObject<AcDbEntity>(id);
    if (entity == nullptr) continue;
    // Attribute definitions show in references only when constant (the others become attributes).
    if (auto* definition = AcDbAttributeDefinition::cast(entity);
        definition && !definition->isConstant()) {
      continue;
    }
    addPlacedExtents(entity, transform, walk);
  }
  walk.entered.pop_back();
}

void addAttributeExtents(const AcDbBlockReference* reference, const AcGeMatrix3d& transform,
                         ExtentsWalk& walk) {
  for (AcDbEntity* follower : reference->followers().live()) {
    auto* attribute = AcDbAttribute::cast(follower);
    // Hidden attributes take no room on the drawing.
    if (attribute == nullptr || attribute->isInvisible() ||
        attribute->visibility() == AcDb::kInvisible) {
      continue;
    }
    addPlacedExtents(attribute, transform, walk);
  }
}

void addPlacedExtents(const AcDbEntity* entity, const AcGeMatrix3d& transform, ExtentsWalk& walk) {
  AcDbExtents& extents = walk.extents;
  if (auto* nested = AcDbBlockReference::cast(entity)) {
    AcGeMatrix3d placed = transform * nested->blockTransform();
    addBlockExtents(nested->blockTableRecord(), placed, walk);
    addAttributeExtents(nested, transform, walk);
    return;
  }
  AcDbExtents own;
  if (transform.isEqualTo(AcGeMatrix3d::kIdentity)) {
    if (entity->getGeomExtents(own) == Acad::eOk) extents.addExt(own);
    return;
  }
  AcDbEntity* copy = nullptr;
  if (entity->getTransformedCopy(transform, copy) == Acad::eOk && copy != nullptr) {
    if (copy->getGeomExtents(own) == Acad::eOk) extents.addExt(own);
    delete copy;
    return;
  }
  if (entity->getGeomExtents(own) == Acad::eOk) {
    own.transformBy(transform);
    extents.addExt(own);
  }
}

}  // namespace

AcDbBlockReference::AcDbBlockReference()
    : followers_(std::make_unique<EntityFollowers>(this, false)) {}

AcDbBlockReference::AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord)
    : AcDbBlockReference() {
  position_ = position;
  block_ = blockTableRecord;
}

AcDbBlockReference::~AcDbBlockReference() = default;

AcDbObjectId AcDbBlockReference::blockTableRecord() const {
  if (block_.isNull() && !pendingBlockName_.empty()) {
    block_ = entfile::blockByName(nullptr, this, pendingBlockName_);
    if (!block_.isNull()) pendingBlockName_.clear();
  }
  return block_;
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId block) {
  assertWriteEnabled();
  block_ = block;
  pendingBlockName_.clear();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& position) {
  return assignMember(position_, position);
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& scale) {
  if (scale.sx == 0.0 || scale.sy == 0.0 || scale.sz == 0.0) return Acad::eInvalidInput;
  return assignMember(scale_, scale);
}

Acad::ErrorStatus AcDbBlockReference::setRotation(double angle) {
  return assignMember(rotation_, ge::normalizeAngle(angle));
}

Acad::ErrorStatus AcDbBlockReference::setNormal(const AcGeVector3d& normal) {
  return assignNormal(normal_, normal);
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const {
  AcGeMatrix3d scale;
  scale.entry[0][0] = scale_.sx;
  scale.entry[1][1] = scale_.sy;
  scale.entry[2][2] = scale_.sz;
  AcGeVector3d n = entgeom::unitNormal(normal_);
  return AcGeMatrix3d::translation(position_.asVector()) * AcGeMatrix3d::planeToWorld(n) *
         AcGeMatrix3d::rotation(rotation_, AcGeVector3d::kZAxis) * scale *
         AcGeMatrix3d::translation(-blockOrigin(blockTableRecord()).asVector());
}

Acad::ErrorStatus AcDbBlockReference::setBlockTransform(const AcGeMatrix3d& transform) {
  // Columns: images of the block's axes. They must stay perpendicular (scaling along the axes
  // only).
  AcGeVector3d cx(transform.entry[0][0], transform.entry[1][0], transform.entry[2][0]);
  AcGeVector3d cy(transform.entry[0][1], transform.entry[1][1], transform.entry[2][1]);
  AcGeVector3d cz(transform.entry[0][2], transform.entry[1][2], transform.entry[2][2]);
  double lx = cx.length(), ly = cy.length(), lz = cz.length();
  if (lx < 1e-12 || ly < 1e-12 || lz < 1e-12) return Acad::eCannotScaleNonUniformly;
  const double tol = 1e-9;
  if (std::fabs(cx.dotProduct(cy)) > tol * lx * ly ||
      std::fabs(cx.dotProduct(cz)) > tol * lx * lz ||
      std::fabs(cy.dotProduct(cz)) > tol * ly * lz) {
    return Acad::eCannotScaleNonUniformly;
  }
  AcGeVector3d n = cz / lz;
  // A mirror within the plane shows as a negative X scale, the rotation following the Y axis.
  bool mirrored = cx.crossProduct(cy).dotProduct(n) < 0.0;
  double rotation = mirrored ? entgeom::ocsAngle(n, cy) - ge::kPi / 2.0 : entgeom::ocsAngle(n, cx);
  assertWriteEnabled();
  normal_ = n;
  rotation_ = ge::normalizeAngle(rotation);
  scale_.set(mirrored ? -lx : lx, ly, lz);
  position_ = transform * blockOrigin(blockTableRecord());
  return Acad::eOk;
}

// Attributes.

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbAttribute* attribute) {
  AcDbObjectId id;
  return appendAttribute(id, attribute);
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbObjectId& id, AcDbAttribute* attribute) {
  assertWriteEnabled();
  return followers_->append(attribute, &id);
}

Acad::ErrorStatus AcDbBlockReference::openAttribute(AcDbAttribute*& attribute, AcDbObjectId id,
                                                    AcDb::OpenMode mode, bool openErased) {
  return followers_->open(attribute, id, mode, openErased);
}

AcDbObjectIterator* AcDbBlockReference::attributeIterator() const { return followers_->iterator(); }

// Geometry.

Acad::ErrorStatus AcDbBlockReference::geomExtentsBestFit(
    AcDbExtents& extents, const AcGeMatrix3d& parentTransform) const {
  extents = AcDbExtents();
  ExtentsWalk walk{extents, {}, false};
  addBlockExtents(blockTableRecord(), parentTransform * blockTransform(), walk);
  if (walk.selfReference) return Acad::eSelfReference;
  return extents.isEmpty() ? Acad::eInvalidExtents : Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::getGeomExtents(AcDbExtents& extents) const {
  if (geomExtentsBestFit(extents) == Acad::eSelfReference) return Acad::eSelfReference;
  ExtentsWalk walk{extents, {}, false};
  addAttributeExtents(this, AcGeMatrix3d::kIdentity, walk);
  if (extents.isEmpty()) {
    // An empty block still has a place: its insertion point.
    extents.addPoint(position_);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::transformBy(const AcGeMatrix3d& transform) {
  AcGeVector3d oldNormal = normal_;
  double oldRotation = rotation_;
  AcGeScale3d oldScale = scale_;
  AcGePoint3d oldPosition = position_;
  Acad::ErrorStatus es = setBlockTransform(transform * blockTransform());
  if (es != Acad::eOk) return es;
  es = followers_->transformAll(transform);
  if (es != Acad::eOk) {
    normal_ = oldNormal;
    rotation_ = oldRotation;
    scale_ = oldScale;
    position_ = oldPosition;
  }
  return es;
}

bool AcDbBlockReference::takesFollower(const AcDbEntity& follower) const {
  return AcDbAttribute::cast(&follower) != nullptr;
}

// Group codes.

void AcDbBlockReference::dxfOutBlockReferenceFields(AcDbDxfFiler* filer,
                                                    bool withScaleAndRotation) const {
  bool every = entfile::writesEveryField(filer);
  filer->writeString(100, L"AcDbBlockReference");
  if (followers_->count() > 0) filer->writeInt16(66, 1);
  AcDbObjectId block = blockTableRecord();
  if (block.isNull()) {
    filer->writeString(2, pendingBlockName_);
  } else if (every) {
    filer->writeObjectId(2, block);
  } else {
    filer->writeString(2, entfile::recordName(block));
  }
  filer->writePoint3d(10, entgeom::worldToOcs(normal_, position_));
  if (withScaleAndRotation) {
    if (scale_.sx != 1.0 || every) filer->writeDouble(41, scale_.sx);
    if (scale_.sy != 1.0 || every) filer->writeDouble(42, scale_.sy);
    if (scale_.sz != 1.0 || every) filer->writeDouble(43, scale_.sz);
    if (rotation_ != 0.0 || every) entfile::writeAngle(filer, 50, rotation_);
  }
  entfile::writeNormal(filer, normal_);
}

Acad::ErrorStatus AcDbBlockReference::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  dxfOutBlockReferenceFields(filer, true);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::dxfInFields(AcDbDxfFiler* filer) {
  positionRead_ = false;
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (positionRead_) position_ = entgeom::ocsToWorld(normal_, filePosition_);
  positionRead_ = false;
  return es;
}

bool AcDbBlockReference::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 2:
      if (item.kind == DxfKind::kId) {
        block_ = item.id;
        pendingBlockName_.clear();
      } else {
        block_ = entfile::blockByName(filer, this, item.text);
        pendingBlockName_ = block_.isNull() ? item.text : std::wstring();
      }
      return true;
    case 66:
      return true;  // the attributes come as followers
    default:
      return entfile::readField(item,
                                {Field::point(10, filePosition_).flagging(positionRead_),
                                 Field::real(41, scale_.sx), Field::real(42, scale_.sy),
                                 Field::real(43, scale_.sz), Field::reducedAngle(50, rotation_),
                                 Field::normal(210, normal_)}) ||
             AcDbEntity::dxfInItem(filer, item);
  }
}
