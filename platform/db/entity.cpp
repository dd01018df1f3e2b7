// AcDbEntity: common properties, their group codes, and the defaults of the geometric queries.
#include <cwchar>
#include <functional>

#include "db/enum_items.h"
#include "db/acutads.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbmtext.h"
#include "db/dbsymtb.h"
#include "db/ent_curve_pieces.h"
#include "db/ent_followers.h"
#include "db/ent_support.h"
#include "db/repair_messages.h"
#include "db/symbol_lookup.h"
#include "db/symbol_util.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_ABSTRACT_MEMBERS(AcDbEntity, AcDbObject);

AcDbEntity::AcDbEntity() = default;
AcDbEntity::~AcDbEntity() = default;

namespace {

std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c < 128) ? static_cast<char>(c) : '?';
  return out;
}

// Applies a change to the followers of an entity (vertices, attributes) when doSubents asks for it.
// Followers in a database are opened for write for the change; one that cannot be opened keeps its
// value.
void forEachFollower(AcDbEntity* owner, const std::function<void(AcDbEntity*)>& change) {
  if (EntityFollowers* followers = followersOf(owner)) followers->modifyEach(change);
}

AcDbObjectId linetypeByLayer(AcDbDatabase* db) {
  return db != nullptr ? db->byLayerLinetype() : AcDbObjectId();
}

// A layer named by a file or a LISP list that the drawing lacks: other programs write such files,
// so the layer is made (colour 7, continuous) rather than the entity moved elsewhere.
AcDbObjectId createLayer(AcDbDatabase* db, const std::wstring& name) {
  AcDbLayerTable* table = nullptr;
  if (db->getLayerTable(table, AcDb::kForWrite) != Acad::eOk) return AcDbObjectId();
  auto* record = new AcDbLayerTableRecord();
  AcDbObjectId id;
  if (record->setName(name.c_str()) != Acad::eOk || table->add(id, record) != Acad::eOk) {
    delete record;
    table->close();
    return AcDbObjectId();
  }
  record->setColorIndex(7);
  record->setLinetypeObjectId(db->continuousLinetype());
  record->close();
  table->close();
  return id;
}

}  // namespace

AcDbObjectId AcDbEntity::blockId() const { return ownerId(); }

std::wstring AcDbEntity::layerName() const { return entfile::recordName(layerId_); }

ACHAR* AcDbEntity::layer() const { return newHostString(layerName()); }

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* name, bool doSubents) {
  if (name == nullptr) return Acad::eInvalidInput;
  AcDbDatabase* db = databaseOrWorking(database());
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbObjectId id = findSymbolRecord(db, db->layerTableId(), name);
  if (id.isNull()) return Acad::eKeyNotFound;
  return setLayer(id, doSubents);
}

Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId layer, bool doSubents) {
  if (layer.isNull()) return Acad::eNullObjectId;
  if (layer.objectClass() != nullptr &&
      !layer.objectClass()->isDerivedFrom(AcDbLayerTableRecord::desc())) {
    return Acad::eWrongObjectType;
  }
  assertWriteEnabled();
  layerId_ = layer;
  if (doSubents) forEachFollower(this, [layer](AcDbEntity* e) { e->setLayer(layer, false); });
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 index, bool doSubents) {
  if (index > 256) return Acad::eOutOfRange;
  assertWriteEnabled();
  colorIndex_ = index;
  trueColor_ = -1;
  if (doSubents) forEachFollower(this, [index](AcDbEntity* e) { e->setColorIndex(index, false); });
  return Acad::eOk;
}

ACHAR* AcDbEntity::linetype() const {
  return newHostString(linetypeId_.isNull() ? std::wstring(L"ByLayer")
                                            : entfile::recordName(linetypeId_));
}

Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* name, bool doSubents) {
  if (name == nullptr) return Acad::eInvalidInput;
  AcDbDatabase* db = databaseOrWorking(database());
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbObjectId id = findSymbolRecord(db, db->linetypeTableId(), name);
  if (id.isNull()) return Acad::eKeyNotFound;
  return setLinetype(id, doSubents);
}

Acad::ErrorStatus AcDbEntity::setLinetype(AcDbObjectId linetype, bool doSubents) {
  if (!linetype.isNull() && linetype.objectClass() != nullptr &&
      !linetype.objectClass()->isDerivedFrom(AcDbLinetypeTableRecord::desc())) {
    return Acad::eWrongObjectType;
  }
  assertWriteEnabled();
  linetypeId_ = linetype;
  if (doSubents)
    forEachFollower(this, [linetype](AcDbEntity* e) { e->setLinetype(linetype, false); });
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetypeScale(double scale, bool doSubents) {
  if (!(scale > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  linetypeScale_ = scale;
  if (doSubents)
    forEachFollower(this, [scale](AcDbEntity* e) { e->setLinetypeScale(scale, false); });
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLineWeight(AcDb::LineWeight weight, bool doSubents) {
  assertWriteEnabled();
  lineWeight_ = weight;
  if (doSubents)
    forEachFollower(this, [weight](AcDbEntity* e) { e->setLineWeight(weight, false); });
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility visibility, bool doSubents) {
  assertWriteEnabled();
  visibility_ = visibility;
  if (doSubents) {
    forEachFollower(this, [visibility](AcDbEntity* e) { e->setVisibility(visibility, false); });
  }
  return Acad::eOk;
}

void AcDbEntity::setDatabaseDefaults() { setDatabaseDefaults(databaseOrWorking(database())); }

void AcDbEntity::setDatabaseDefaults(AcDbDatabase* database) {
  AcDbDatabase* db = databaseOrWorking(database);
  if (db == nullptr) return;
  assertWriteEnabled();
  layerId_ = !db->clayer().isNull() ? db->clayer() : db->layerZero();
  linetypeId_ = !db->celtype().isNull() ? db->celtype() : db->byLayerLinetype();
  colorIndex_ = static_cast<Adesk::UInt16>(db->cecolorIndex());
  trueColor_ = -1;
  linetypeScale_ = 1.0;
  lineWeight_ = AcDb::kLnWtByLayer;
  // Text kinds also take the current text style, and a height when they have none.
  if (auto* text = AcDbText::cast(this)) {
    if (text->textStyle().isNull()) text->setTextStyle(db->textstyle());
    if (text->height() <= 0.0) text->setHeight(db->textsize());
  } else if (auto* mtext = AcDbMText::cast(this)) {
    if (mtext->textStyle().isNull()) mtext->setTextStyle(db->textstyle());
    if (mtext->textHeight() <= 0.0) mtext->setTextHeight(db->textsize());
  }
}

Acad::ErrorStatus AcDbEntity::setPropertiesFrom(const AcDbEntity* other, bool doSubents) {
  if (other == nullptr) return Acad::eNullEntityPointer;
  assertWriteEnabled();
  layerId_ = other->layerId_;
  linetypeId_ = other->linetypeId_;
  colorIndex_ = other->colorIndex_;
  trueColor_ = other->trueColor_;
  linetypeScale_ = other->linetypeScale_;
  lineWeight_ = other->lineWeight_;
  visibility_ = other->visibility_;
  if (doSubents)
    forEachFollower(this, [other](AcDbEntity* e) { e->setPropertiesFrom(other, false); });
  return Acad::eOk;
}

// Geometry defaults: kinds without geometry answer that the query does not apply.

Acad::ErrorStatus AcDbEntity::getGeomExtents(AcDbExtents&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d&) { return Acad::eNotApplicable; }

Acad::ErrorStatus AcDbEntity::getTransformedCopy(const AcGeMatrix3d& transform,
                                                 AcDbEntity*& copy) const {
  copy = clone();
  if (copy == nullptr) return Acad::eNotApplicable;
  Acad::ErrorStatus es = copy->transformBy(transform);
  if (es != Acad::eOk) {
    delete copy;
    copy = nullptr;
  }
  return es;
}

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* other, AcDb::Intersect type,
                                            AcGePoint3dArray& points, Adesk::GsMarker,
                                            Adesk::GsMarker) const {
  if (other == nullptr) return Acad::eNullEntityPointer;
  return curvepieces::intersect(this, other, type, nullptr, points);
}

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* other, AcDb::Intersect type,
                                            const AcGePlane& projectionPlane,
                                            AcGePoint3dArray& points, Adesk::GsMarker,
                                            Adesk::GsMarker) const {
  if (other == nullptr) return Acad::eNullEntityPointer;
  return curvepieces::intersect(this, other, type, &projectionPlane, points);
}

AcDbEntity* AcDbEntity::clone() const {
  AcDbEntity* copy = AcDbEntity::cast(isA()->create());
  if (copy == nullptr) return nullptr;
  // Names (layer, linetype, style, block) resolve in this entity's database, so that the copy
  // refers to the same records even when it is not the working database.
  AcDbDatabase* db = databaseOrWorking(database());
  DxfItemListFiler out(db, AcDbDxfFiler::kCopyFiler);
  dxfOutFields(&out);
  for (const DxfItem& item : xDataItems()) out.writeItem(item);
  DxfItemListFiler in(db, AcDbDxfFiler::kCopyFiler, out.takeItems());
  copy->dxfInFields(&in);
  copy->setOwnerIdRaw(AcDbObjectId());
  copy->setExtensionDictionaryRaw(AcDbObjectId());
  for (const AcDbObjectId& reactor : std::vector<AcDbObjectId>(copy->persistentReactorIds())) {
    copy->removePersistentReactor(reactor);
  }
  copy->layerId_ = layerId_;
  copy->linetypeId_ = linetypeId_;
  EntityFollowers* from = followersOf(this);
  EntityFollowers* to = followersOf(copy);
  if (from != nullptr && to != nullptr) to->copyFrom(*from);
  return copy;
}

// Followers.

void AcDbEntity::subentityIds(AcDbObjectIdArray& ids) const {
  if (EntityFollowers* followers = followerList()) followers->ids(ids);
}

AcDbObjectId AcDbEntity::sequenceEndId() const {
  EntityFollowers* followers = followerList();
  return followers != nullptr ? followers->sequenceEnd() : AcDbObjectId();
}

bool AcDbEntity::adoptSubentity(AcDbObjectId id) {
  EntityFollowers* followers = followerList();
  const AcDbEntity* follower = peekObject<AcDbEntity>(id);
  return followers != nullptr && follower != nullptr && takesFollower(*follower) &&
         followers->adopt(id);
}

void AcDbEntity::setSequenceEndId(AcDbObjectId id) {
  if (EntityFollowers* followers = followerList()) followers->setSequenceEnd(id);
}

Acad::ErrorStatus AcDbEntity::erase(bool erasing) {
  Acad::ErrorStatus es = AcDbObject::erase(erasing);
  EntityFollowers* followers = followerList();
  if (es == Acad::eOk && followers != nullptr) followers->setErased(erasing);
  return es;
}

Acad::ErrorStatus AcDbEntity::setOwnerId(AcDbObjectId owner) {
  Acad::ErrorStatus es = AcDbObject::setOwnerId(owner);
  if (EntityFollowers* followers = followerList()) followers->sync();
  return es;
}

// Group codes.

Acad::ErrorStatus AcDbEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  bool every = entfile::writesEveryField(filer);
  filer->writeString(100, L"AcDbEntity");
  // Entities of paper-space layouts say so (files keep them in one section with model space's).
  bool paper = paperSpace_;
  if (auto* record = peekObject<AcDbBlockTableRecord>(ownerId())) {
    // The owner's own database says which layout is model space.
    AcDbDatabase* ownerDb = ownerId().database();
    paper = record->isLayout() && ownerDb != nullptr && ownerId() != ownerDb->modelSpaceId();
  }
  if (paper || every) filer->writeInt16(67, paper ? 1 : 0);
  if (every) {
    filer->writeObjectId(8, layerId_);
    filer->writeObjectId(6, linetypeId_);
  } else {
    std::wstring layer = layerName();
    filer->writeString(8, layer.empty() ? std::wstring(L"0") : layer);
    AcDbDatabase* db = databaseOrWorking(database());
    if (!linetypeId_.isNull() && linetypeId_ != linetypeByLayer(db)) {
      filer->writeString(6, entfile::recordName(linetypeId_));
    }
  }
  if (colorIndex_ != 256 || every) filer->writeInt16(62, colorIndex_);
  if (lineWeight_ != AcDb::kLnWtByLayer || every) filer->writeInt16(370, lineWeight_);
  if (linetypeScale_ != 1.0 || every) filer->writeDouble(48, linetypeScale_);
  if (visibility_ != AcDb::kVisible || every)
    filer->writeInt16(60, visibility_ == AcDb::kInvisible ? 1 : 0);
  if (trueColor_ >= 0 || every) filer->writeInt32(420, trueColor_);
  return Acad::eOk;
}

bool AcDbEntity::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 8: {
      AcDbDatabase* db = entfile::nameDatabase(filer, this);
      if (item.kind == DxfKind::kId) {
        layerId_ = item.id;
      } else if (db != nullptr) {
        std::wstring name = item.text.empty() ? std::wstring(L"0") : item.text;
        AcDbObjectId id = findSymbolRecord(db, db->layerTableId(), name);
        if (id.isNull() && filer->filerType() != AcDbDxfFiler::kCopyFiler) {
          id = createLayer(db, name);
          if (!id.isNull())
            filer->reportRepair(dbmsg::layerCreated(narrow(name)));
        }
        if (id.isNull()) id = db->layerZero();
        layerId_ = id;
      }
      // Entities read from files without a linetype item follow their layer's.
      if (linetypeId_.isNull() && item.kind != DxfKind::kId) linetypeId_ = linetypeByLayer(db);
      return true;
    }
    case 6: {
      AcDbDatabase* db = entfile::nameDatabase(filer, this);
      if (item.kind == DxfKind::kId) {
        linetypeId_ = item.id;
      } else if (db != nullptr) {
        AcDbObjectId id = findSymbolRecord(db, db->linetypeTableId(), item.text);
        if (id.isNull()) {
          filer->reportRepair(dbmsg::linetypeReplacedByByLayer(narrow(item.text)));
          id = linetypeByLayer(db);
        }
        linetypeId_ = id;
      }
      return true;
    }
    case 62: {
      int index = entfile::intOf(item);
      if (index < 0) index = -index;  // a negative index only means "layer off" on layers
      colorIndex_ = static_cast<Adesk::UInt16>(index > 256 ? 256 : index);
      return true;
    }
    case 370:
      lineWeight_ = lineWeightFromItem(entfile::intOf(item));
      return true;
    case 48:
      linetypeScale_ = entfile::realOf(item);
      return true;
    case 60:
      visibility_ = entfile::intOf(item) != 0 ? AcDb::kInvisible : AcDb::kVisible;
      return true;
    case 420:
      trueColor_ = static_cast<Adesk::Int32>(item.integer);
      return true;
    case 67:
      paperSpace_ = entfile::intOf(item) != 0;
      return true;
    case 347:  // material
    case 390:  // plot style
      materialOrPlotStyle_ = item.id;
      return true;
    default:
      return AcDbObject::dxfInItem(filer, item);
  }
}

// AcDbCurve: queries that follow from others, and the defaults of kinds that lack one.

ACRX_DEFINE_ABSTRACT_MEMBERS(AcDbCurve, AcDbEntity);

Acad::ErrorStatus AcDbCurve::getStartParam(double&) const { return Acad::eNotImplementedYet; }
Acad::ErrorStatus AcDbCurve::getEndParam(double&) const { return Acad::eNotImplementedYet; }
Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d&) const { return Acad::eNotImplementedYet; }
Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d&) const { return Acad::eNotImplementedYet; }
Acad::ErrorStatus AcDbCurve::getPointAtParam(double, AcGePoint3d&) const {
  return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getParamAtPoint(const AcGePoint3d&, double&) const {
  return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getDistAtParam(double, double&) const {
  return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getParamAtDist(double, double&) const {
  return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getFirstDeriv(double, AcGeVector3d&) const {
  return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getClosestPointTo(const AcGePoint3d&, AcGePoint3d&, bool) const {
  return Acad::eNotImplementedYet;
}
Acad::ErrorStatus AcDbCurve::getOffsetCurves(double, AcDbVoidPtrArray&) const {
  return Acad::eNotApplicable;
}
Acad::ErrorStatus AcDbCurve::getArea(double&) const { return Acad::eNotApplicable; }

Acad::ErrorStatus AcDbCurve::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es == Acad::eOk ? getDistAtParam(param, dist) : es;
}

Acad::ErrorStatus AcDbCurve::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  return es == Acad::eOk ? getPointAtParam(param, point) : es;
}

Acad::ErrorStatus AcDbCurve::getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& deriv) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es == Acad::eOk ? getFirstDeriv(param, deriv) : es;
}

Acad::ErrorStatus AcDbCurve::getClosestPointTo(const AcGePoint3d& given,
                                               const AcGeVector3d& direction, AcGePoint3d& closest,
                                               bool extend) const {
  if (direction.isZeroLength()) return Acad::eInvalidInput;
  return curvepieces::closestAlongDirection(this, given, direction.normal(), extend, closest);
}

Acad::ErrorStatus AcDbEntity::assignNormal(AcGeVector3d& member, const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  return assignMember(member, normal.normal());
}
