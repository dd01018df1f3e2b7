// The entity functions: entget, entmod, entmake, entlast, entnext, entdel, handent. Objects write
// and read their own items through a LISP filer; this file only turns items into lists and back.
#include <memory>

#include "db/dbdatabase.h"
#include "db/dbentity.h"
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "db/polyline_kinds.h"
#include "lisp/builtins.h"
#include "lisp/entity_lists.h"
#include "lisp/entmake_sequence.h"

namespace lisp {

namespace {

typedef std::vector<ValuePtr> Args;

const AcDbObjectId& enameArg(const ValuePtr& value) {
  if (!value || value->type != Type::kEname) badArgument(L"lentityp", value);
  return value->id;
}

std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c < 128) ? static_cast<char>(c) : '?';
  return out;
}

// Closes an opened object when leaving scope.
struct Closer {
  AcDbObject* object = nullptr;
  ~Closer() {
    if (object != nullptr) object->close();
  }
};

ValuePtr fnEntget(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 2);
  AcDbObjectId id = enameArg(a[0]);
  std::vector<std::wstring> apps;
  if (a.size() == 2) {
    for (const ValuePtr& app : listItems(listArg(a[1]))) apps.push_back(stringArg(app));
  }
  Closer closer;
  if (acdbOpenAcDbObject(closer.object, id, AcDb::kForRead) != Acad::eOk) return nullptr;
  DxfItemListFiler filer(closer.object->database(), AcDbDxfFiler::kLispFiler);
  closer.object->dxfOutFields(&filer);
  std::vector<ValuePtr> pairs = {cons(makeInt(-1), makeEname(id)),
                                 cons(makeInt(0), makeString(std::wstring(
                                                      closer.object->dxfName(),
                                                      closer.object->dxfName() +
                                                          std::char_traits<char>::length(
                                                              closer.object->dxfName()))))};
  for (const DxfItem& item : filer.items()) {
    // A reference to nothing is left out, as the host leaves out unset references.
    if (item.kind == DxfKind::kId && item.id.isNull()) continue;
    pairs.push_back(itemToPair(item));
  }
  if (!apps.empty()) {
    ValuePtr xdata = xdataEntry(closer.object->xDataItems(), apps);
    if (xdata) pairs.push_back(xdata);
  }
  return makeList(pairs);
}

// The items of an association list: -1, 0 and -3 are taken apart; false when an entry is not
// valid for its code.
struct ParsedList {
  AcDbObjectId id;
  std::wstring type;
  DxfItemList items;
  bool hasXdata = false;
  DxfItemList xdata;
  std::vector<std::wstring> apps;
};

bool parseList(const ValuePtr& list, ParsedList& parsed) {
  for (const ValuePtr& pair : listItems(list)) {
    if (!isCons(pair) || !pair->car || pair->car->type != Type::kInt) return false;
    int code = pair->car->integer;
    if (code == -1) {
      if (!pair->cdr || pair->cdr->type != Type::kEname) return false;
      parsed.id = pair->cdr->id;
    } else if (code == 0) {
      if (!pair->cdr || pair->cdr->type != Type::kString) return false;
      parsed.type = pair->cdr->text;
    } else if (code == -3) {
      parsed.hasXdata = true;
      if (!xdataItems(pair, parsed.xdata, parsed.apps)) return false;
    } else if (code == 5 || code == 105) {
      continue;  // the database gives handles
    } else if (code < 0) {
      continue;  // other negative codes (-2 block references, -4 filters) carry nothing to store
    } else {
      DxfItem item;
      if (!pairToItem(pair, item)) return false;
      parsed.items.push_back(item);
    }
  }
  return true;
}

bool appsRegistered(AcDbDatabase* db, const std::vector<std::wstring>& apps) {
  AcDbRegAppTable* table = nullptr;
  if (db->getRegAppTable(table, AcDb::kForRead) != Acad::eOk) return false;
  bool ok = true;
  for (const std::wstring& app : apps) ok = ok && table->has(app.c_str());
  table->close();
  return ok;
}

// The extended data of an object after the applications given in a list replace theirs; an
// application given without items loses its data.
DxfItemList mergeXdata(const DxfItemList& existing, const ParsedList& parsed) {
  DxfItemList out;
  std::vector<std::wstring> replaced;
  for (const std::wstring& app : parsed.apps) replaced.push_back(makeSymbol(app)->text);
  bool keep = true;
  for (const DxfItem& item : existing) {
    if (item.code == 1001) {
      std::wstring upper = makeSymbol(item.text)->text;
      keep = std::find(replaced.begin(), replaced.end(), upper) == replaced.end();
    }
    if (keep) out.push_back(item);
  }
  for (size_t i = 0; i < parsed.xdata.size(); ++i) {
    // An application name followed directly by another (or nothing) has no items: removed.
    bool empty = parsed.xdata[i].code == 1001 &&
                 (i + 1 == parsed.xdata.size() || parsed.xdata[i + 1].code == 1001);
    if (!empty || parsed.xdata[i].code != 1001) out.push_back(parsed.xdata[i]);
  }
  return out;
}

AcDbEntity* newEntity(const std::wstring& type) {
  AcRxClass* cls = AcRxClass::findByDxfName(narrow(makeSymbol(type)->text).c_str());
  if (cls == nullptr) return nullptr;
  std::unique_ptr<AcRxObject> object(cls->create());
  AcDbEntity* entity = AcDbEntity::cast(object.get());
  if (entity != nullptr) object.release();
  return entity;
}

// The first item of that code, or null.
const DxfItem* itemOf(const ParsedList& parsed, int code) {
  for (const DxfItem& item : parsed.items)
    if (item.code == code) return &item;
  return nullptr;
}

int intOf(const ParsedList& parsed, int code) {
  const DxfItem* item = itemOf(parsed, code);
  return item ? static_cast<int>(item->integer) : 0;
}

// BLOCK opens a definition (base point 10, flags 70, description 4); the name comes from 2.
ValuePtr beginBlock(EntmakeSequence& sequence, const ParsedList& parsed, const ValuePtr& list) {
  const DxfItem* name = itemOf(parsed, 2);
  if (name == nullptr || name->text.empty()) {
    sequence.cancel();
    return nullptr;
  }
  const DxfItem* base = itemOf(parsed, 10);
  const DxfItem* description = itemOf(parsed, 4);
  sequence.beginBlock(name->text,
                      base ? AcGePoint3d(base->point[0], base->point[1], base->point[2]) : AcGePoint3d(),
                      intOf(parsed, 70), description ? description->text : std::wstring());
  return list;
}

// A new entity read from the list: of the kind the flags give for POLYLINE and VERTEX.
std::unique_ptr<AcDbEntity> readEntity(AcDbDatabase* db, const ParsedList& parsed,
                                       const EntmakeSequence& sequence) {
  const std::wstring type = makeSymbol(parsed.type)->text;
  std::unique_ptr<AcDbEntity> entity;
  if (type == L"POLYLINE") entity.reset(createPolylineForFlags(intOf(parsed, 70)));
  else if (type == L"VERTEX") entity.reset(createVertexForFlags(intOf(parsed, 70), sequence.owner()));
  else entity.reset(newEntity(parsed.type));
  if (!entity) return nullptr;
  entity->setDatabaseDefaults(db);
  DxfItemListFiler filer(db, AcDbDxfFiler::kLispFiler, parsed.items);
  if (entity->dxfInFields(&filer) != Acad::eOk) return nullptr;
  if (parsed.hasXdata) entity->setXDataItems(mergeXdata(DxfItemList(), parsed));
  return entity;
}

// Adds the entity to the block being defined, or to its space: (67 . 1) is paper space.
bool place(AcDbDatabase* db, EntmakeSequence& sequence, std::unique_ptr<AcDbEntity> entity,
           bool paper) {
  if (sequence.inBlock()) {
    sequence.addToBlock(std::move(entity));
    return true;
  }
  AcDbBlockTableRecord* space = nullptr;
  AcDbObjectId spaceId = paper ? db->paperSpaceId() : db->modelSpaceId();
  if (acdbOpenObject(space, spaceId, AcDb::kForWrite) != Acad::eOk) return false;
  AcDbObjectId id;
  Acad::ErrorStatus es = space->appendAcDbEntity(id, entity.get());
  space->close();
  if (es != Acad::eOk) return false;
  entity.release()->close();
  return true;
}

ValuePtr fnEntmake(Interpreter& interp, const Args& a) {
  checkArgCount(a, 0, 1);
  EntmakeSequence& sequence = interp.entmakeSequence();
  if (a.empty() || !a[0]) {
    sequence.cancel();  // what was begun is dropped
    return nullptr;
  }
  listArg(a[0]);
  ParsedList parsed;
  AcDbDatabase* db = interp.database();
  if (db == nullptr || !parseList(a[0], parsed) || parsed.type.empty()) return nullptr;
  if (parsed.hasXdata && !appsRegistered(db, parsed.apps)) return nullptr;
  const std::wstring type = makeSymbol(parsed.type)->text;
  if (type == L"BLOCK") return beginBlock(sequence, parsed, a[0]);
  if (type == L"ENDBLK") {
    if (!sequence.inBlock()) return nullptr;
    std::wstring name = sequence.endBlock(db);
    return name.empty() ? nullptr : makeString(name);
  }
  const bool follower = type == L"ATTRIB" || type == L"VERTEX";
  if ((follower || type == L"SEQEND") && !sequence.inFollowers()) return nullptr;
  if (type == L"SEQEND") return place(db, sequence, sequence.takeOwner(), intOf(parsed, 67) != 0) ? a[0] : nullptr;
  std::unique_ptr<AcDbEntity> entity = readEntity(db, parsed, sequence);
  if (!entity) return nullptr;
  if (follower) return sequence.addFollower(std::move(entity)) ? a[0] : nullptr;
  // An entity that announces followers waits for them and its SEQEND.
  if (type == L"POLYLINE" || (type == L"INSERT" && intOf(parsed, 66) != 0)) {
    sequence.beginFollowers(std::move(entity));
    return a[0];
  }
  return place(db, sequence, std::move(entity), intOf(parsed, 67) != 0) ? a[0] : nullptr;
}

ValuePtr fnEntmod(Interpreter& interp, const Args& a) {
  checkArgCount(a, 1, 1);
  listArg(a[0]);
  ParsedList parsed;
  if (!parseList(a[0], parsed) || parsed.id.isNull()) return nullptr;
  Closer closer;
  if (acdbOpenAcDbObject(closer.object, parsed.id, AcDb::kForWrite) != Acad::eOk) return nullptr;
  AcDbObject* object = closer.object;
  AcDbDatabase* db = object->database() ? object->database() : interp.database();
  if (parsed.hasXdata && !appsRegistered(db, parsed.apps)) return nullptr;
  // The given items replace the object's items of the same codes, where the first of them was;
  // codes not given keep their values.
  DxfItemListFiler out(db, AcDbDxfFiler::kLispFiler);
  object->dxfOutFields(&out);
  DxfItemList merged;
  std::vector<int> givenCodes;
  for (const DxfItem& item : parsed.items) givenCodes.push_back(item.code);
  auto given = [&](int code) {
    return std::find(givenCodes.begin(), givenCodes.end(), code) != givenCodes.end();
  };
  std::vector<int> placed;
  bool header = true;
  for (const DxfItem& item : out.items()) {
    // The header (handle, reactors, extension dictionary, owner) is the object's identity, which
    // copyFrom keeps; the fresh copy is read without it.
    if (item.code == 100) header = false;
    if (header) continue;
    if (!given(item.code) || item.code == 100) {
      merged.push_back(item);
      continue;
    }
    if (std::find(placed.begin(), placed.end(), item.code) != placed.end()) continue;
    placed.push_back(item.code);
    for (const DxfItem& replacement : parsed.items)
      if (replacement.code == item.code) merged.push_back(replacement);
  }
  for (const DxfItem& item : parsed.items) {
    if (item.code != 100 && std::find(placed.begin(), placed.end(), item.code) == placed.end())
      merged.push_back(item);
  }
  // Read into a fresh object of the same class, so that repeated items (vertices) are not added
  // to those already there, then copy its state over.
  std::unique_ptr<AcRxObject> created(object->isA()->create());
  AcDbObject* fresh = AcDbObject::cast(created.get());
  if (fresh == nullptr) return nullptr;
  if (AcDbEntity* entity = AcDbEntity::cast(fresh)) entity->setDatabaseDefaults(db);
  DxfItemListFiler in(db, AcDbDxfFiler::kLispFiler, merged);
  if (fresh->dxfInFields(&in) != Acad::eOk) return nullptr;
  fresh->setXDataItems(parsed.hasXdata ? mergeXdata(object->xDataItems(), parsed)
                                       : object->xDataItems());
  if (object->copyFrom(fresh) != Acad::eOk) return nullptr;
  return a[0];
}

// Entities of the drawing in creation order: those of layouts, and the sub-entities (vertices,
// attributes) owned by other entities.
// The block's begin and end marks are entities of the database but not of the drawing.
bool isBlockMark(const AcDbEntity* entity) {
  std::string type = entity->dxfName();
  return type == "BLOCK" || type == "ENDBLK";
}

bool isMainEntity(AcDbDatabase* db, AcDbObjectId id) {
  if (id.isErased()) return false;
  AcDbEntity* entity = nullptr;
  if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return false;
  AcDbObjectId owner = entity->ownerId();
  bool mark = isBlockMark(entity);
  entity->close();
  return !mark && (owner == db->modelSpaceId() || owner == db->paperSpaceId());
}

ValuePtr fnEntlast(Interpreter& interp, const Args& a) {
  checkArgCount(a, 0, 0);
  AcDbDatabase* db = interp.database();
  if (db == nullptr) return nullptr;
  std::vector<AcDbObjectId> ids = db->allObjectIds();
  for (auto it = ids.rbegin(); it != ids.rend(); ++it)
    if (isMainEntity(db, *it)) return makeEname(*it);
  return nullptr;
}

// The entities of the drawing in the order entnext walks them: each entity of a layout in creation
// order, followed by its attributes or vertices in their order and their end marker (whenever
// those were created). visit returns true to stop the walk.
template <typename Visit>
void walkListedEntities(AcDbDatabase* db, Visit visit) {
  for (AcDbObjectId id : db->allObjectIds()) {
    if (!isMainEntity(db, id)) continue;
    if (visit(id)) return;
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
    AcDbObjectIdArray followers;
    entity->subentityIds(followers);
    const AcDbObjectId end = entity->sequenceEndId();
    entity->close();
    for (int i = 0; i < followers.length(); ++i) {
      if (!followers[i].isErased() && visit(followers[i])) return;
    }
    if (!end.isNull() && !end.isErased() && visit(end)) return;
  }
}

ValuePtr fnEntnext(Interpreter& interp, const Args& a) {
  checkArgCount(a, 0, 1);
  AcDbDatabase* db = interp.database();
  if (db == nullptr) return nullptr;
  // Without an entity the first one; otherwise the one after it (the walk stops there).
  bool found = a.empty();
  const AcDbObjectId after = a.empty() ? AcDbObjectId() : enameArg(a[0]);
  AcDbObjectId next;
  walkListedEntities(db, [&](AcDbObjectId id) {
    if (found) {
      next = id;
      return true;
    }
    found = id == after;
    return false;
  });
  return next.isNull() ? nullptr : makeEname(next);
}

// entdel erases an entity, or restores it when it is already erased.
ValuePtr fnEntdel(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  AcDbObjectId id = enameArg(a[0]);
  AcDbEntity* entity = nullptr;
  if (acdbOpenObject(entity, id, AcDb::kForWrite, true) != Acad::eOk) return nullptr;
  Acad::ErrorStatus es = entity->erase(!entity->isErased());
  entity->close();
  return es == Acad::eOk ? a[0] : nullptr;
}

ValuePtr fnHandent(Interpreter& interp, const Args& a) {
  checkArgCount(a, 1, 1);
  const std::wstring& hex = stringArg(a[0]);
  AcDbDatabase* db = interp.database();
  if (db == nullptr || hex.empty()) return nullptr;
  AcDbObjectId id;
  if (db->getAcDbObjectId(id, false, AcDbHandle(hex.c_str())) != Acad::eOk || id.isNull())
    return nullptr;
  return makeEname(id);
}

}  // namespace

void registerEntityFunctions(BuiltinRegistry& r) {
  r.add(L"entget", fnEntget);
  r.add(L"entmake", fnEntmake);
  r.add(L"entmod", fnEntmod);
  r.add(L"entlast", fnEntlast);
  r.add(L"entnext", fnEntnext);
  r.add(L"entdel", fnEntdel);
  r.add(L"handent", fnHandent);
}

}  // namespace lisp
