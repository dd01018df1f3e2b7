#include "view/change_tracker.h"

#include "db/dbdatabase.h"
#include "db/dbentity.h"
#include "db/dbsymtb.h"

namespace gui {
namespace {
// Attributes sit in references and vertices in polylines: owners above that are not looked for.
constexpr int kMaxOwnerDepth = 8;
}  // namespace

ChangeTracker::~ChangeTracker() { attach(nullptr); }

void ChangeTracker::attach(AcDbDatabase* database) {
  if (database_ != nullptr) database_->removeReactor(this);
  database_ = database;
  forget();
  if (database_ != nullptr) database_->addReactor(this);
}

void ChangeTracker::forget() {
  clear();
  everything_ = false;
}

void ChangeTracker::clear() {
  changed_.clear();
  noted_.clear();
  appended_.clear();
}

void ChangeTracker::objectAppended(const AcDbDatabase*, const AcDbObject* object) { note(object, true); }
void ChangeTracker::objectModified(const AcDbDatabase*, const AcDbObject* object) { note(object, false); }
void ChangeTracker::objectErased(const AcDbDatabase*, const AcDbObject* object, bool) { note(object, false); }

void ChangeTracker::goodbye(const AcDbDatabase*) {
  database_ = nullptr;
  clear();
  everything_ = true;
}

void ChangeTracker::note(const AcDbObject* object, bool appended) {
  AcDbObjectId id = object->objectId();
  if (appended) appended_.insert(id);
  if (AcDbEntity::cast(object) != nullptr) {
    if (noted_.insert(id).second) changed_.push_back(id);
    return;
  }
  bool isNew = appended_.count(id) != 0;
  if (auto* block = AcDbBlockTableRecord::cast(object)) {
    // Model and paper space change whenever an entity is added; their entities tell the rest.
    if (!block->isLayout() && !isNew) everything_ = true;
    return;
  }
  // Colours and visibility come from layers, text boxes from styles.
  if ((AcDbLayerTableRecord::cast(object) != nullptr || AcDbTextStyleTableRecord::cast(object) != nullptr) &&
      !isNew)
    everything_ = true;
}

ChangeTracker::Place ChangeTracker::placeOf(AcDbObjectId id, AcDbObjectId& shown) const {
  AcDbObjectId current = id;
  for (int depth = 0; depth < kMaxOwnerDepth; ++depth) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, current, AcDb::kForRead, true) != Acad::eOk) return Place::kElsewhere;
    AcDbObjectId owner = entity->ownerId();
    entity->close();
    if (owner.isNull()) return Place::kElsewhere;
    if (owner == database_->modelSpaceId()) {
      shown = current;
      return Place::kModelSpace;
    }
    AcRxClass* ownerClass = owner.objectClass();
    if (ownerClass != nullptr && ownerClass->isDerivedFrom(AcDbBlockTableRecord::desc())) {
      if (appended_.count(owner) != 0) return Place::kElsewhere;
      AcDbBlockTableRecord* block = nullptr;
      if (acdbOpenObject(block, owner, AcDb::kForRead, true) != Acad::eOk) return Place::kBlockDefinition;
      bool layout = block->isLayout();
      block->close();
      return layout ? Place::kElsewhere : Place::kBlockDefinition;
    }
    current = owner;
  }
  return Place::kElsewhere;
}

ChangeBatch ChangeTracker::take() {
  ChangeBatch batch;
  batch.everything = everything_;
  if (!batch.everything && database_ != nullptr) {
    std::unordered_set<AcDbObjectId> shownOnce;
    for (const AcDbObjectId& id : changed_) {
      AcDbObjectId shown;
      Place place = placeOf(id, shown);
      if (place == Place::kBlockDefinition) {
        batch.everything = true;
        break;
      }
      if (place == Place::kModelSpace && shownOnce.insert(shown).second) batch.entities.push_back(shown);
    }
  }
  if (batch.everything) batch.entities.clear();
  forget();
  return batch;
}

}  // namespace gui
