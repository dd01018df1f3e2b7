// Groups: ordered members, each watched through a persistent reactor to the group.
#include <algorithm>

#include "db/acutads.h"
#include "db/dbdict.h"
#include "db/dbentity.h"
#include "db/dbfiler.h"
#include "db/dbgroup.h"
#include "db/symbol_util.h"

ACRX_DEFINE_MEMBERS(AcDbGroup, AcDbObject, "GROUP");

AcDbGroup::AcDbGroup() = default;

AcDbGroup::AcDbGroup(const ACHAR* description, bool selectable)
    : description_(description ? description : L""), selectable_(selectable) {}

AcDbGroup::~AcDbGroup() = default;

ACHAR* AcDbGroup::description() const { return newHostString(description_); }

Acad::ErrorStatus AcDbGroup::setDescription(const ACHAR* description) {
  return assignMember(description_, description ? description : L"");
}

Acad::ErrorStatus AcDbGroup::setSelectable(bool selectable) {
  return assignMember(selectable_, selectable);
}

Acad::ErrorStatus AcDbGroup::getName(ACHAR*& name) const {
  name = nullptr;
  auto* dictionary = peekObject<AcDbDictionary>(ownerId());
  if (dictionary == nullptr) return Acad::eNotInDatabase;
  return dictionary->nameAt(objectId(), name);
}

Acad::ErrorStatus AcDbGroup::setName(const ACHAR* name) {
  auto* dictionary = peekObject<AcDbDictionary>(ownerId());
  if (dictionary == nullptr) return Acad::eNotInDatabase;
  if (name == nullptr || *name == 0) return Acad::eInvalidInput;
  ACHAR* current = nullptr;
  Acad::ErrorStatus es = dictionary->nameAt(objectId(), current);
  if (es != Acad::eOk) return es;
  std::wstring old(current);
  acutDelString(current);
  if (!dictionary->setName(old.c_str(), name)) return Acad::eDuplicateKey;
  anonymous_ = false;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::setAnonymous() { return assignMember(anonymous_, true); }

// Membership.

void AcDbGroup::linkMember(AcDbObjectId id, bool link) const {
  AcDbObject* member = peekObject<AcDbObject>(id);
  if (member == nullptr) return;
  if (link) {
    member->addPersistentReactor(objectId());
  } else {
    member->removePersistentReactor(objectId());
  }
}

Acad::ErrorStatus AcDbGroup::insertMembers(size_t index, const std::vector<AcDbObjectId>& ids) {
  // The group plants reactors on its members, so it needs an id of its own first.
  if (!isDatabaseResident()) return Acad::eNotInDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (index > members_.size()) return Acad::eInvalidIndex;
  for (const AcDbObjectId& id : ids) {
    if (id.isNull()) return Acad::eNullObjectId;
    if (id.database() != database()) return Acad::eWrongDatabase;
    if (peekObject<AcDbEntity>(id) == nullptr) return Acad::eNotAnEntity;
    if (has(id)) return Acad::eAlreadyInGroup;
  }
  members_.insert(members_.begin() + static_cast<long>(index), ids.begin(), ids.end());
  for (const AcDbObjectId& id : ids) linkMember(id, true);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::append(AcDbObjectId id) { return insertMembers(members_.size(), {id}); }

Acad::ErrorStatus AcDbGroup::append(const AcDbObjectIdArray& ids) {
  return insertMembers(members_.size(), std::vector<AcDbObjectId>(ids.begin(), ids.end()));
}

Acad::ErrorStatus AcDbGroup::prepend(AcDbObjectId id) { return insertMembers(0, {id}); }

Acad::ErrorStatus AcDbGroup::prepend(const AcDbObjectIdArray& ids) {
  return insertMembers(0, std::vector<AcDbObjectId>(ids.begin(), ids.end()));
}

Acad::ErrorStatus AcDbGroup::insertAt(Adesk::UInt32 index, AcDbObjectId id) {
  return insertMembers(index, {id});
}

Acad::ErrorStatus AcDbGroup::insertAt(Adesk::UInt32 index, const AcDbObjectIdArray& ids) {
  return insertMembers(index, std::vector<AcDbObjectId>(ids.begin(), ids.end()));
}

Acad::ErrorStatus AcDbGroup::remove(AcDbObjectId id) {
  for (auto it = members_.begin(); it != members_.end(); ++it) {
    if (*it != id) continue;
    assertWriteEnabled();
    members_.erase(it);
    linkMember(id, false);
    return Acad::eOk;
  }
  return Acad::eNotInGroup;
}

Acad::ErrorStatus AcDbGroup::remove(const AcDbObjectIdArray& ids) {
  for (const AcDbObjectId& id : ids) {
    if (!has(id)) return Acad::eNotInGroup;
  }
  for (const AcDbObjectId& id : ids) remove(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::removeAt(Adesk::UInt32 index) {
  if (index >= members_.size()) return Acad::eInvalidIndex;
  return remove(members_[index]);
}

Acad::ErrorStatus AcDbGroup::replace(AcDbObjectId oldId, AcDbObjectId newId) {
  for (AcDbObjectId& member : members_) {
    if (member != oldId) continue;
    if (peekObject<AcDbEntity>(newId) == nullptr) return Acad::eNotAnEntity;
    if (has(newId)) return Acad::eAlreadyInGroup;
    assertWriteEnabled();
    member = newId;
    linkMember(oldId, false);
    linkMember(newId, true);
    return Acad::eOk;
  }
  return Acad::eNotInGroup;
}

Acad::ErrorStatus AcDbGroup::clear() {
  assertWriteEnabled();
  for (const AcDbObjectId& id : members_) linkMember(id, false);
  members_.clear();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::getIndex(AcDbObjectId id, Adesk::UInt32& index) const {
  for (size_t i = 0; i < members_.size(); ++i) {
    if (members_[i] == id) {
      index = static_cast<Adesk::UInt32>(i);
      return Acad::eOk;
    }
  }
  return Acad::eKeyNotFound;
}

Acad::ErrorStatus AcDbGroup::reverse() {
  assertWriteEnabled();
  std::reverse(members_.begin(), members_.end());
  return Acad::eOk;
}

bool AcDbGroup::has(const AcDbEntity* entity) const {
  return entity != nullptr && has(entity->objectId());
}

bool AcDbGroup::has(AcDbObjectId id) const {
  if (id.isNull()) return false;
  for (const AcDbObjectId& member : members_) {
    if (member == id) return true;
  }
  return false;
}

Adesk::UInt32 AcDbGroup::numEntities() const {
  Adesk::UInt32 count = 0;
  for (const AcDbObjectId& id : members_) {
    if (isLiveId(id)) ++count;
  }
  return count;
}

Adesk::UInt32 AcDbGroup::allEntityIds(AcDbObjectIdArray& ids) const {
  ids.removeAll();
  for (const AcDbObjectId& id : members_) {
    if (isLiveId(id)) ids.append(id);
  }
  return static_cast<Adesk::UInt32>(ids.length());
}

Acad::ErrorStatus AcDbGroup::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbObject::dxfOutFields(filer);
  filer->writeString(100, L"AcDbGroup");
  filer->writeString(300, description_);
  filer->writeInt16(70, anonymous_ ? 1 : 0);
  filer->writeInt16(71, selectable_ ? 1 : 0);
  // Erased members stay in the group (unerasing brings them back) but are not written.
  for (const AcDbObjectId& id : members_) {
    if (isLiveId(id)) filer->writeObjectId(340, id);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::dxfInFields(AcDbDxfFiler* filer) {
  members_.clear();
  return AcDbObject::dxfInFields(filer);
}

bool AcDbGroup::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 300: description_ = item.text; return true;
    case 70: anonymous_ = item.integer != 0; return true;
    case 71: selectable_ = item.integer != 0; return true;
    case 340:
      if (!item.id.isNull() && !has(item.id)) members_.push_back(item.id);
      return true;
    default: return AcDbObject::dxfInItem(filer, item);
  }
}
