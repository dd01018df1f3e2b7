// Selection sets: the store, the acedSSxxx functions that read and change sets, and the hold LISP
// values take on them.
#include <algorithm>

#include "db/dbobject.h"
#include "ed/acedsel.h"
#include "ed/selection_store.h"
#include "lisp/value.h"

namespace ed {

SelectionSetStore& SelectionSetStore::instance() {
  // Never destroyed: LISP values released at exit still let go of their sets.
  static SelectionSetStore* store = new SelectionSetStore();
  return *store;
}

void SelectionSetStore::create(const std::vector<AcDbObjectId>& ids, ads_name name) {
  Entry e;
  for (const AcDbObjectId& id : ids)
    if (!id.isNull() && std::find(e.ids.begin(), e.ids.end(), id) == e.ids.end())
      e.ids.push_back(id);
  Adesk::LongPtr number = next_++;
  sets_[number] = std::move(e);
  name[0] = number;
  name[1] = kSelectionSetTag;
}

SelectionSetStore::Entry* SelectionSetStore::entry(const ads_name name) {
  if (name == nullptr || name[1] != kSelectionSetTag) return nullptr;
  auto it = sets_.find(name[0]);
  return it == sets_.end() ? nullptr : &it->second;
}

std::vector<AcDbObjectId>* SelectionSetStore::find(const ads_name name) {
  Entry* e = entry(name);
  if (e == nullptr) return nullptr;
  e->ids.erase(
      std::remove_if(e->ids.begin(), e->ids.end(),
                     [](const AcDbObjectId& id) { return !id.isValid() || id.isErased(); }),
      e->ids.end());
  return &e->ids;
}

bool SelectionSetStore::release(const ads_name name) {
  Entry* e = entry(name);
  if (e == nullptr || !e->heldByC) return false;
  e->heldByC = false;
  if (e->pins == 0) sets_.erase(name[0]);
  return true;
}

std::shared_ptr<void> SelectionSetStore::pin(Adesk::LongPtr number) {
  auto it = sets_.find(number);
  if (it == sets_.end()) return nullptr;
  ++it->second.pins;
  return std::shared_ptr<void>(reinterpret_cast<void*>(number), [](void* p) {
    instance().unpin(reinterpret_cast<Adesk::LongPtr>(p));
  });
}

void SelectionSetStore::unpin(Adesk::LongPtr number) {
  auto it = sets_.find(number);
  if (it == sets_.end()) return;
  if (--it->second.pins <= 0 && !it->second.heldByC) sets_.erase(it);
}

void newSelectionSet(const std::vector<AcDbObjectId>& ids, ads_name ss) {
  SelectionSetStore::instance().create(ids, ss);
}

bool selectionSetIds(const ads_name ss, std::vector<AcDbObjectId>& ids) {
  std::vector<AcDbObjectId>* set = SelectionSetStore::instance().find(ss);
  if (set == nullptr) return false;
  ids = *set;
  return true;
}

bool isSelectionSetName(const ads_name name) {
  return name != nullptr && name[1] == kSelectionSetTag;
}

size_t liveSelectionSetCount() { return SelectionSetStore::instance().liveCount(); }

const std::vector<AcDbObjectId>& previousSelection() {
  return SelectionSetStore::instance().previous();
}

void setPreviousSelection(const std::vector<AcDbObjectId>& ids) {
  SelectionSetStore::instance().previous() = ids;
}

namespace {

// LISP values of type PICKSET keep their set alive.
const bool keeperInstalled = [] {
  lisp::setPicksetKeeper(
      [](Adesk::LongPtr number) { return SelectionSetStore::instance().pin(number); });
  return true;
}();

// An entity name, not a set name, that designates an object.
bool entityOf(const ads_name ename, AcDbObjectId& id) {
  if (ename == nullptr || isSelectionSetName(ename)) return false;
  return acdbGetObjectId(id, ename) == Acad::eOk && id.isValid();
}

}  // namespace

}  // namespace ed

using ed::SelectionSetStore;

int acedSSLength(const ads_name ss, Adesk::Int32* length) {
  std::vector<AcDbObjectId>* set = SelectionSetStore::instance().find(ss);
  if (set == nullptr || length == nullptr) return RTERROR;
  *length = static_cast<Adesk::Int32>(set->size());
  return RTNORM;
}

int acedSSLength(const ads_name ss, long* length) {
  Adesk::Int32 n = 0;
  int code = acedSSLength(ss, &n);
  if (code == RTNORM && length != nullptr) *length = n;
  return code;
}

int acedSSName(const ads_name ss, long i, ads_name entity) {
  std::vector<AcDbObjectId>* set = SelectionSetStore::instance().find(ss);
  if (set == nullptr || entity == nullptr || i < 0 || static_cast<size_t>(i) >= set->size())
    return RTERROR;
  acdbGetAdsName(entity, (*set)[static_cast<size_t>(i)]);
  return RTNORM;
}

int acedSSAdd(const ads_name ename, const ads_name ss, ads_name result) {
  if (result == nullptr) return RTERROR;
  SelectionSetStore& store = SelectionSetStore::instance();
  if (ename == nullptr) {
    store.create({}, result);
    return RTNORM;
  }
  AcDbObjectId id;
  if (!ed::entityOf(ename, id)) return RTERROR;
  if (ss == nullptr) {
    store.create({id}, result);
    return RTNORM;
  }
  std::vector<AcDbObjectId>* set = store.find(ss);
  if (set == nullptr) return RTERROR;
  if (std::find(set->begin(), set->end(), id) == set->end()) set->push_back(id);
  if (result != ss) ads_name_set(ss, result);
  return RTNORM;
}

int acedSSDel(const ads_name ename, const ads_name ss) {
  std::vector<AcDbObjectId>* set = SelectionSetStore::instance().find(ss);
  AcDbObjectId id;
  if (set == nullptr || ename == nullptr || acdbGetObjectId(id, ename) != Acad::eOk) return RTERROR;
  auto it = std::find(set->begin(), set->end(), id);
  if (it == set->end()) return RTERROR;
  set->erase(it);
  return RTNORM;
}

int acedSSMemb(const ads_name ename, const ads_name ss) {
  std::vector<AcDbObjectId>* set = SelectionSetStore::instance().find(ss);
  AcDbObjectId id;
  if (set == nullptr || ename == nullptr || acdbGetObjectId(id, ename) != Acad::eOk) return RTERROR;
  return std::find(set->begin(), set->end(), id) != set->end() ? RTNORM : RTERROR;
}

int acedSSFree(const ads_name ss) {
  return SelectionSetStore::instance().release(ss) ? RTNORM : RTERROR;
}
