#include "db/ent_followers.h"

#include <algorithm>

#include "db/dbblkref.h"
#include "db/change_notices.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbpoly.h"
#include "db/symbol_util.h"

EntityFollowers::EntityFollowers(AcDbEntity* owner, bool sequenceEndAlways)
    : owner_(owner), sequenceEndAlways_(sequenceEndAlways) {}

EntityFollowers::~EntityFollowers() = default;

namespace {

// A follower entering the database takes the owner's properties when it has none of its own.
void adoptProperties(AcDbEntity* follower, const AcDbEntity* owner) {
  if (follower->layerId().isNull()) follower->setPropertiesFrom(owner);
}

AcDbObjectId addToDatabase(AcDbDatabase* db, AcDbEntity* entity, const AcDbEntity* owner) {
  adoptProperties(entity, owner);
  AcDbObjectId id;
  if (db->addAcDbObject(id, entity) != Acad::eOk) return AcDbObjectId();
  entity->setOwnerIdRaw(owner->objectId());
  return id;
}

}  // namespace

Acad::ErrorStatus EntityFollowers::append(AcDbEntity* follower, AcDbObjectId* id) {
  return insertAfter(nullptr, follower, id);
}

Acad::ErrorStatus EntityFollowers::insertAfter(const AcDbEntity* after, AcDbEntity* follower,
                                               AcDbObjectId* id) {
  if (follower == nullptr) return Acad::eNullEntityPointer;
  if (follower->isDatabaseResident()) return Acad::eAlreadyInDb;
  sync();
  AcDbDatabase* db = owner_->database();
  if (db == nullptr) {
    auto position = kept_.end();
    if (after == owner_) {
      position = kept_.begin();
    } else if (after != nullptr) {
      position =
          std::find_if(kept_.begin(), kept_.end(),
                       [after](const std::unique_ptr<AcDbEntity>& e) { return e.get() == after; });
      if (position == kept_.end()) return Acad::eInvalidInput;
      ++position;
    }
    kept_.insert(position, std::unique_ptr<AcDbEntity>(follower));
    if (id != nullptr) id->setNull();
    return Acad::eOk;
  }
  auto position = ids_.end();
  if (after == owner_) {
    position = ids_.begin();
  } else if (after != nullptr) {
    position = std::find(ids_.begin(), ids_.end(), after->objectId());
    if (position == ids_.end()) return Acad::eInvalidInput;
    ++position;
  }
  size_t index = static_cast<size_t>(position - ids_.begin());
  AcDbObjectId newId = addToDatabase(db, follower, owner_);
  if (newId.isNull()) return Acad::eInvalidInput;
  ids_.insert(ids_.begin() + static_cast<std::ptrdiff_t>(index), newId);
  if (id != nullptr) *id = newId;
  sync();  // a first attribute calls for a SEQEND
  return Acad::eOk;
}

Acad::ErrorStatus EntityFollowers::insertAfterId(AcDbObjectId afterId, AcDbEntity* follower,
                                                 AcDbObjectId* id) {
  const AcDbEntity* after = owner_;
  if (!afterId.isNull()) {
    after = peekObject<AcDbEntity>(afterId);
    if (after == nullptr || !contains(afterId)) return Acad::eInvalidInput;
  }
  return insertAfter(after, follower, id);
}

void EntityFollowers::sync() const {
  AcDbDatabase* db = owner_->database();
  if (db == nullptr) return;
  for (std::unique_ptr<AcDbEntity>& kept : kept_) {
    AcDbEntity* follower = kept.release();
    AcDbObjectId id = addToDatabase(db, follower, owner_);
    if (id.isNull()) {
      delete follower;
      continue;
    }
    follower->close();
    ids_.push_back(id);
  }
  kept_.clear();
  // An erased SEQEND stays (it comes back with its owner); only a missing one is made.
  bool wantsEnd = sequenceEndAlways_ || !ids_.empty();
  if (wantsEnd && !sequenceEnd_.isValid() && owner_->objectId().isValid() && !owner_->isErased()) {
    auto* end = new AcDbSequenceEnd();
    AcDbObjectId id = addToDatabase(db, end, owner_);
    if (id.isNull()) {
      delete end;
      return;
    }
    end->close();
    sequenceEnd_ = id;
  }
}

std::vector<AcDbEntity*> EntityFollowers::live() const {
  sync();
  std::vector<AcDbEntity*> result;
  if (owner_->database() == nullptr) {
    for (const auto& kept : kept_) result.push_back(kept.get());
    return result;
  }
  for (const AcDbObjectId& id : ids_) {
    if (!isLiveId(id)) continue;
    if (AcDbEntity* entity = peekObject<AcDbEntity>(id)) result.push_back(entity);
  }
  return result;
}

void EntityFollowers::ids(AcDbObjectIdArray& out) const {
  sync();
  out.removeAll();
  for (const AcDbObjectId& id : ids_) {
    if (isLiveId(id)) out.append(id);
  }
}

bool EntityFollowers::contains(AcDbObjectId id) const {
  sync();
  return !id.isNull() && std::find(ids_.begin(), ids_.end(), id) != ids_.end();
}

AcDbObjectIterator* EntityFollowers::iterator() const {
  sync();
  std::vector<AcDbObjectIterator::Entry> entries;
  if (owner_->database() == nullptr) {
    for (const auto& kept : kept_) entries.push_back({AcDbObjectId(), kept.get()});
  } else {
    for (const AcDbObjectId& id : ids_) {
      AcDbEntity* entity = peekObject<AcDbEntity>(id);
      if (entity != nullptr) entries.push_back({id, entity});
    }
  }
  return new AcDbObjectIterator(std::move(entries));
}

bool EntityFollowers::adopt(AcDbObjectId id) {
  AcDbEntity* follower = peekObject<AcDbEntity>(id);
  if (follower == nullptr) return false;
  // Readers give each follower once, in order (a long polyline must not cost a search per vertex).
  if (ids_.empty() || ids_.back() != id) ids_.push_back(id);
  follower->setOwnerIdRaw(owner_->objectId());
  return true;
}

AcDbObjectId EntityFollowers::sequenceEnd() const {
  sync();
  return sequenceEnd_;
}

void EntityFollowers::setSequenceEnd(AcDbObjectId id) {
  if (sequenceEnd_ != id && isLiveId(sequenceEnd_)) setErasedFlag(sequenceEnd_.stub(), true);
  sequenceEnd_ = id;
  if (AcDbEntity* end = peekObject<AcDbEntity>(id)) end->setOwnerIdRaw(owner_->objectId());
}

void EntityFollowers::setErased(bool erased) {
  sync();
  auto mark = [erased](AcDbObjectId id) {
    if (id.stub() != nullptr && id.stub()->object) setErasedFlag(id.stub(), erased);
  };
  for (const AcDbObjectId& id : ids_) mark(id);
  mark(sequenceEnd_);
}

Acad::ErrorStatus EntityFollowers::modifyEach(const std::function<void(AcDbEntity*)>& change) {
  sync();
  if (owner_->database() == nullptr) {
    for (const auto& kept : kept_) change(kept.get());
    return Acad::eOk;
  }
  Acad::ErrorStatus result = Acad::eOk;
  for (const AcDbObjectId& id : ids_) {
    if (!isLiveId(id)) continue;
    AcDbEntity* follower = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(follower, id, AcDb::kForWrite);
    if (es != Acad::eOk) {
      result = es;
      continue;
    }
    change(follower);
    follower->close();
  }
  return result;
}

Acad::ErrorStatus EntityFollowers::transformAll(const AcGeMatrix3d& transform) {
  Acad::ErrorStatus result = Acad::eOk;
  Acad::ErrorStatus opened = modifyEach([&](AcDbEntity* follower) {
    Acad::ErrorStatus es = follower->transformBy(transform);
    if (es != Acad::eOk) result = es;
  });
  return opened != Acad::eOk ? opened : result;
}

void EntityFollowers::copyFrom(const EntityFollowers& source) {
  for (AcDbEntity* follower : source.live()) {
    if (AcDbEntity* copy = follower->clone()) {
      if (append(copy, nullptr) != Acad::eOk) delete copy;
    }
  }
}

EntityFollowers* followersOf(const AcDbEntity* entity) {
  return entity != nullptr ? entity->followerList() : nullptr;
}

// AcDbObjectIterator.

void AcDbObjectIterator::start(bool atEnd) {
  position_ = atEnd ? static_cast<int>(entries_.size()) - 1 : 0;
  skipErased(atEnd);
}

bool AcDbObjectIterator::done() const {
  return position_ < 0 || position_ >= static_cast<int>(entries_.size());
}

void AcDbObjectIterator::step(bool backwards, bool skipDeleted) {
  position_ += backwards ? -1 : 1;
  if (skipDeleted) skipErased(backwards);
}

void AcDbObjectIterator::skipErased(bool backwards) {
  while (!done() && entries_[static_cast<size_t>(position_)].id.isErased()) {
    position_ += backwards ? -1 : 1;
  }
}

AcDbObjectId AcDbObjectIterator::objectId() const {
  return done() ? AcDbObjectId() : entries_[static_cast<size_t>(position_)].id;
}

AcDbEntity* AcDbObjectIterator::entity() {
  return done() ? nullptr : entries_[static_cast<size_t>(position_)].entity;
}

bool AcDbObjectIterator::setPosition(AcDbObjectId id) {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].id == id) {
      position_ = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

bool AcDbObjectIterator::setPosition(AcDbEntity* entity) {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].entity == entity) {
      position_ = static_cast<int>(i);
      return true;
    }
  }
  return false;
}
