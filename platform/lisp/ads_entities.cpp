// The C interface to entities by name, over the LISP's own entity functions: one set of rules for
// both, the lists converted between result-buffer chains and association lists.
#include <string>
#include <vector>

#include "db/acdbads.h"
#include "db/acutads.h"
#include "db/dbobject.h"
#include "db/resbuf_items.h"
#include "ed/sysvars.h"
#include "lisp/entity_lists.h"
#include "lisp/interpreter.h"
#include "lisp/value.h"

namespace {

using lisp::ValuePtr;

// Errors the host reports through ERRNO.
constexpr short kErrnoBadEntityName = 4;
constexpr short kErrnoBadList = 21;

using ed::setErrno;

// The interpreter the calls go through: it works on the host's working database.
lisp::Interpreter& interpreter() {
  static lisp::Interpreter shared;
  return shared;
}

// Runs a built-in of the LISP; null with ERRNO set when it fails.
bool callBuiltin(const wchar_t* name, const std::vector<ValuePtr>& args, ValuePtr& result) {
  const auto& entries = lisp::BuiltinRegistry::instance().entries();
  auto it = entries.find(name);
  if (it == entries.end() || it->second.builtin == nullptr) return false;
  try {
    result = it->second.builtin(interpreter(), args);
    return true;
  } catch (const std::exception&) {
    setErrno(kErrnoBadList);
    return false;
  }
}

ValuePtr enameValue(const ads_name name) {
  AcDbObjectId id;
  if (name == nullptr || acdbGetObjectId(id, name) != Acad::eOk || id.isNull()) return nullptr;
  return lisp::makeEname(id);
}

bool giveName(const ValuePtr& value, ads_name result) {
  if (!value || value->type != lisp::Type::kEname) return false;
  return acdbGetAdsName(result, value->id) == Acad::eOk;
}

// An association list (((-1 . <ename>) (0 . "LINE") … (-3 ("APP" …)))) as a chain of buffers.
resbuf* listToChain(const ValuePtr& list) {
  resbuf head{};
  resbuf* tail = &head;
  auto append = [&tail](resbuf* rb) {
    tail->rbnext = rb;
    tail = rb;
  };
  for (const ValuePtr& pair : lisp::listItems(list)) {
    if (!pair || pair->type != lisp::Type::kCons || !pair->car) continue;
    const int code = pair->car->integer;
    if (code == -1 || code == -2) {
      resbuf* rb = acutNewRb(code);
      acdbGetAdsName(rb->resval.rlname, pair->cdr ? pair->cdr->id : AcDbObjectId());
      append(rb);
    } else if (code == -3) {
      append(acutNewRb(-3));
      DxfItemList items;
      std::vector<std::wstring> apps;
      lisp::xdataItems(pair, items, apps);
      for (const DxfItem& item : items) append(dxfItemToResbuf(item));
    } else {
      DxfItem item;
      if (lisp::pairToItem(pair, item)) append(dxfItemToResbuf(item));
    }
  }
  return head.rbnext;
}

// The reverse: false when a buffer cannot be an entry of an entity list.
bool chainToList(const resbuf* chain, ValuePtr& list) {
  std::vector<ValuePtr> pairs;
  for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    const int code = rb->restype;
    if (code == -1 || code == -2) {
      ValuePtr name = enameValue(rb->resval.rlname);
      if (!name) return false;
      pairs.push_back(lisp::cons(lisp::makeInt(code), name));
    } else if (code == -3) {
      DxfItemList xdata;
      for (rb = rb->rbnext; rb != nullptr; rb = rb->rbnext) {
        DxfItem item;
        if (rb->restype < 1000 || !resbufToDxfItem(rb, item)) return false;
        xdata.push_back(item);
      }
      ValuePtr entry = lisp::xdataEntry(xdata, {L"*"});
      // An empty -3 entry removes nothing and adds nothing.
      if (entry) pairs.push_back(entry);
      break;
    } else {
      DxfItem item;
      if (!resbufToDxfItem(rb, item)) return false;
      pairs.push_back(lisp::itemToPair(item));
    }
  }
  list = lisp::makeList(pairs);
  return true;
}

int changeByList(const wchar_t* builtin, const resbuf* chain) {
  ValuePtr list;
  if (chain == nullptr || !chainToList(chain, list)) {
    setErrno(kErrnoBadList);
    return RTERROR;
  }
  ValuePtr result;
  if (!callBuiltin(builtin, {list}, result) || !result) {
    setErrno(kErrnoBadList);
    return RTERROR;
  }
  return RTNORM;
}

}  // namespace

resbuf* acdbEntGetX(const ads_name entity, const resbuf* applications) {
  ValuePtr name = enameValue(entity);
  if (!name) {
    setErrno(kErrnoBadEntityName);
    return nullptr;
  }
  std::vector<ValuePtr> args = {name};
  if (applications != nullptr) {
    std::vector<ValuePtr> apps;
    for (const resbuf* rb = applications; rb != nullptr; rb = rb->rbnext) {
      if (rb->restype == RTSTR && rb->resval.rstring) apps.push_back(lisp::makeString(rb->resval.rstring));
    }
    args.push_back(lisp::makeList(apps));
  }
  ValuePtr list;
  if (!callBuiltin(L"ENTGET", args, list) || !list) return nullptr;
  return listToChain(list);
}

resbuf* acdbEntGet(const ads_name entity) { return acdbEntGetX(entity, nullptr); }

int acdbEntMod(const resbuf* list) { return changeByList(L"ENTMOD", list); }

int acdbEntMake(const resbuf* list) { return changeByList(L"ENTMAKE", list); }

int acdbEntDel(const ads_name entity) {
  ValuePtr name = enameValue(entity);
  ValuePtr result;
  if (!name || !callBuiltin(L"ENTDEL", {name}, result) || !result) {
    setErrno(kErrnoBadEntityName);
    return RTERROR;
  }
  return RTNORM;
}

int acdbEntLast(ads_name result) {
  ValuePtr last;
  if (!callBuiltin(L"ENTLAST", {}, last) || !giveName(last, result)) return RTERROR;
  return RTNORM;
}

int acdbEntNext(const ads_name entity, ads_name result) {
  std::vector<ValuePtr> args;
  if (entity != nullptr && !ads_name_nil(entity)) {
    ValuePtr name = enameValue(entity);
    if (!name) {
      setErrno(kErrnoBadEntityName);
      return RTERROR;
    }
    args.push_back(name);
  }
  ValuePtr next;
  if (!callBuiltin(L"ENTNEXT", args, next) || !giveName(next, result)) return RTERROR;
  return RTNORM;
}

int acdbHandEnt(const ACHAR* handle, ads_name result) {
  ValuePtr found;
  if (handle == nullptr || !callBuiltin(L"HANDENT", {lisp::makeString(handle)}, found) ||
      !giveName(found, result)) {
    setErrno(kErrnoBadEntityName);
    return RTERROR;
  }
  return RTNORM;
}

int acdbEntUpd(const ads_name entity) { return enameValue(entity) ? RTNORM : RTERROR; }

int acdbRegApp(const ACHAR* application) {
  ValuePtr added;
  if (application == nullptr || !callBuiltin(L"REGAPP", {lisp::makeString(application)}, added)) return RTERROR;
  return added ? RTNORM : RTERROR;
}
