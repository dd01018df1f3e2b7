// The LISP side of selections: ssget and the functions over selection sets, and the entity picks
// entsel, nentsel and nentselp, added to the built-in registry so every interpreter has them.
#include "db/acutads.h"
#include "db/dbobject.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "lisp/builtins.h"
#include "lisp/reader.h"
#include "lisp/resbuf_convert.h"

namespace {

using lisp::Interpreter;
using lisp::LispError;
using lisp::Type;
using lisp::ValuePtr;
typedef std::vector<ValuePtr> Args;

[[noreturn]] void cancelled() { throw LispError(L"Function cancelled"); }
[[noreturn]] void badFilter(const ValuePtr& item) {
  throw LispError(L"bad SSGET list value: " + lisp::printValue(item, true));
}

void setName(const ValuePtr& value, ads_name name) {
  name[0] = value->pickset;
  name[1] = lisp::kPicksetNameTag;
}

const ValuePtr& picksetArg(const ValuePtr& value) {
  if (!value || value->type != Type::kPickset) lisp::badArgument(L"lselsetp", value);
  return value;
}

const AcDbObjectId& enameArg(const ValuePtr& value) {
  if (!value || value->type != Type::kEname) lisp::badArgument(L"lentityp", value);
  return value->id;
}

// A set made on the C side becomes a LISP value, which from then on is what keeps it.
ValuePtr takeSet(ads_name ss) {
  ValuePtr value = lisp::makePickset(ss[0]);
  acedSSFree(ss);
  return value;
}

bool isPoint(const ValuePtr& v) {
  size_t n = lisp::listLength(v);
  if (n < 2 || n > 3) return false;
  for (const ValuePtr& item : lisp::listItems(v))
    if (!lisp::isNumber(item)) return false;
  return true;
}

// Filter lists: (code . value) pairs, (code x y z) for points, (-3 ("APP") …) for applications.
class FilterChain {
 public:
  ~FilterChain() { acutRelRb(head_); }
  const resbuf* head() const { return head_; }

  void build(const ValuePtr& list) {
    for (const ValuePtr& pair : lisp::listItems(list)) {
      if (!lisp::isCons(pair) || !pair->car || pair->car->type != Type::kInt) badFilter(pair);
      int code = pair->car->integer;
      const ValuePtr& value = pair->cdr;
      if (code == -3) {
        append(acutNewRb(-3));
        for (const ValuePtr& app : lisp::listItems(value)) {
          ValuePtr name = lisp::isCons(app) ? app->car : app;
          if (!name || name->type != Type::kString) badFilter(pair);
          resbuf* rb = acutNewRb(1001);
          rb->resval.rstring = acutNewString(name->text.c_str());
          append(rb);
        }
        continue;
      }
      append(item(code, value, pair));
    }
  }

 private:
  void append(resbuf* rb) {
    if (tail_)
      tail_->rbnext = rb;
    else
      head_ = rb;
    tail_ = rb;
  }

  static resbuf* item(int code, const ValuePtr& value, const ValuePtr& pair) {
    int type = code == 0 ? RTSTR : acdbGroupCodeToType(code);
    resbuf* rb = acutNewRb(code == 0 ? RTDXF0 : code);
    bool ok = true;
    switch (type) {
      case RTSTR:
        ok = value && value->type == Type::kString;
        if (ok) rb->resval.rstring = acutNewString(value->text.c_str());
        break;
      case RTREAL:
      case RTANG:
        ok = lisp::isNumber(value);
        if (ok) rb->resval.rreal = lisp::numberOf(value);
        break;
      case RTSHORT:
        ok = lisp::isNumber(value);
        if (ok) rb->resval.rint = static_cast<short>(lisp::numberOf(value));
        break;
      case RTLONG:
        ok = lisp::isNumber(value);
        if (ok) rb->resval.rlong = static_cast<Adesk::Int32>(lisp::numberOf(value));
        break;
      case RTINT64:
        ok = lisp::isNumber(value);
        if (ok) rb->resval.mnInt64 = static_cast<Adesk::Int64>(lisp::numberOf(value));
        break;
      case RT3DPOINT:
      case RTPOINT: {
        ok = isPoint(value);
        if (ok) {
          std::vector<ValuePtr> xyz = lisp::listItems(value);
          for (size_t i = 0; i < 3; ++i)
            rb->resval.rpoint[i] = i < xyz.size() ? lisp::numberOf(xyz[i]) : 0.0;
        }
        break;
      }
      case RTENAME:
        ok = value && value->type == Type::kEname;
        if (ok) acdbGetAdsName(rb->resval.rlname, value->id);
        break;
      default:
        ok = false;
    }
    if (!ok) {
      acutRelRb(rb);
      badFilter(pair);
    }
    return rb;
  }

  resbuf* head_ = nullptr;
  resbuf* tail_ = nullptr;
};

// (ssget [mode] [pt1 [pt2]] [filter])
ValuePtr fnSsget(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 0, 4);
  size_t i = 0;
  std::wstring mode;
  bool hasMode = false;
  if (i < a.size() && a[i] && a[i]->type == Type::kString) {
    mode = a[i++]->text;
    hasMode = true;
  }
  ads_point points[2];
  int pointCount = 0;
  while (i < a.size() && pointCount < 2 && isPoint(a[i])) {
    lisp::pointArg(a[i++], points[pointCount]);
    if (lisp::listLength(a[i - 1]) == 2) points[pointCount][2] = 0.0;
    ++pointCount;
  }
  FilterChain filter;
  if (i < a.size()) {
    if (a[i] && !lisp::isCons(a[i])) lisp::badArgument(L"listp", a[i]);
    filter.build(a[i++]);
  }
  if (i < a.size()) lisp::tooManyArguments();
  ads_name ss;
  int code = acedSSGet(hasMode ? mode.c_str() : nullptr, pointCount > 0 ? points[0] : nullptr,
                       pointCount > 1 ? points[1] : nullptr, filter.head(), ss);
  if (code == RTCAN) cancelled();
  if (code != RTNORM) return nullptr;
  return takeSet(ss);
}

ValuePtr fnSslength(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 1, 1);
  ads_name ss;
  setName(picksetArg(a[0]), ss);
  Adesk::Int32 n = 0;
  if (acedSSLength(ss, &n) != RTNORM) return nullptr;
  return lisp::makeInt(n);
}

ValuePtr fnSsname(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 2, 2);
  ads_name ss, e;
  setName(picksetArg(a[0]), ss);
  if (!lisp::isNumber(a[1])) lisp::badArgument(L"numberp", a[1]);
  double index = lisp::numberOf(a[1]);
  if (index < 0) return nullptr;
  if (acedSSName(ss, static_cast<long>(index), e) != RTNORM) return nullptr;
  AcDbObjectId id;
  acdbGetObjectId(id, e);
  return lisp::makeEname(id);
}

// (ssadd) a new empty set; (ssadd e) a new set with e; (ssadd e ss) e added to ss, which is
// returned.
ValuePtr fnSsadd(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 0, 2);
  ads_name result;
  if (a.empty()) {
    if (acedSSAdd(nullptr, nullptr, result) != RTNORM) return nullptr;
    return takeSet(result);
  }
  ads_name e;
  acdbGetAdsName(e, enameArg(a[0]));
  if (a.size() == 1) {
    if (acedSSAdd(e, nullptr, result) != RTNORM) return nullptr;
    return takeSet(result);
  }
  ads_name ss;
  setName(picksetArg(a[1]), ss);
  if (acedSSAdd(e, ss, result) != RTNORM) return nullptr;
  return a[1];
}

ValuePtr fnSsdel(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 2, 2);
  ads_name e, ss;
  acdbGetAdsName(e, enameArg(a[0]));
  setName(picksetArg(a[1]), ss);
  return acedSSDel(e, ss) == RTNORM ? a[1] : nullptr;
}

ValuePtr fnSsmemb(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 2, 2);
  ads_name e, ss;
  acdbGetAdsName(e, enameArg(a[0]));
  setName(picksetArg(a[1]), ss);
  return acedSSMemb(e, ss) == RTNORM ? a[0] : nullptr;
}

ValuePtr pointValue(const ads_point p) {
  return lisp::makeList({lisp::makeReal(p[0]), lisp::makeReal(p[1]), lisp::makeReal(p[2])});
}

ValuePtr enameValue(const ads_name e) {
  AcDbObjectId id;
  acdbGetObjectId(id, e);
  return lisp::makeEname(id);
}

ValuePtr keywordValue() {
  ACHAR text[kAcedGetStringBufferLength];
  acedGetInput(text);
  return lisp::makeString(text);
}

// What the pick functions give for a result code other than a pick.
ValuePtr pickOutcome(int code) {
  if (code == RTCAN) cancelled();
  if (code == RTKWORD) return keywordValue();
  return nullptr;
}

const ACHAR* optionalMessage(const Args& a, size_t index, std::wstring& holder) {
  if (index >= a.size() || !a[index]) return nullptr;
  holder = lisp::stringArg(a[index]);
  return holder.c_str();
}

ValuePtr containersValue(resbuf* chain) {
  std::vector<ValuePtr> refs;
  for (resbuf* rb = chain; rb; rb = rb->rbnext) refs.push_back(enameValue(rb->resval.rlname));
  acutRelRb(chain);
  return lisp::makeList(refs);
}

ValuePtr fnEntsel(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 0, 1);
  std::wstring holder;
  ads_name e;
  ads_point p;
  int code = acedEntSel(optionalMessage(a, 0, holder), e, p);
  if (code != RTNORM) return pickOutcome(code);
  return lisp::makeList({enameValue(e), pointValue(p)});
}

// (nentsel [msg]): (ename point) or, inside a block, (ename point matrix refs) with the matrix as
// four rows: the X, Y and Z axes and the origin of the block's system in the drawing.
ValuePtr fnNentsel(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 0, 1);
  std::wstring holder;
  ads_name e;
  ads_point p;
  ads_point xform[4];
  resbuf* refs = nullptr;
  int code = acedNEntSel(optionalMessage(a, 0, holder), e, p, xform, &refs);
  if (code != RTNORM) return pickOutcome(code);
  if (refs == nullptr) return lisp::makeList({enameValue(e), pointValue(p)});
  std::vector<ValuePtr> rows;
  for (int r = 0; r < 4; ++r) rows.push_back(pointValue(xform[r]));
  return lisp::makeList(
      {enameValue(e), pointValue(p), lisp::makeList(rows), containersValue(refs)});
}

// (nentselp [msg] [point]): with a point, no question is asked. Inside a block the matrix is the
// 4x4 transform, row by row.
ValuePtr fnNentselp(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 0, 2);
  std::wstring holder;
  const ACHAR* message = nullptr;
  size_t i = 0;
  if (i < a.size() && a[i] && a[i]->type == Type::kString)
    message = optionalMessage(a, i++, holder);
  ads_point p = {0.0, 0.0, 0.0};
  bool given = false;
  if (i < a.size()) {
    if (a[i]) {
      lisp::pointArg(a[i], p);
      if (lisp::listLength(a[i]) == 2) p[2] = 0.0;
      given = true;
    }
    ++i;
  }
  if (i < a.size()) lisp::tooManyArguments();
  ads_name e;
  ads_matrix m;
  resbuf* refs = nullptr;
  int code = acedNEntSelP(message, e, p, given ? 1 : 0, m, &refs);
  if (code != RTNORM) return pickOutcome(code);
  if (refs == nullptr) return lisp::makeList({enameValue(e), pointValue(p)});
  std::vector<ValuePtr> rows;
  for (int r = 0; r < 4; ++r)
    rows.push_back(lisp::makeList({lisp::makeReal(m[r][0]), lisp::makeReal(m[r][1]),
                                   lisp::makeReal(m[r][2]), lisp::makeReal(m[r][3])}));
  return lisp::makeList(
      {enameValue(e), pointValue(p), lisp::makeList(rows), containersValue(refs)});
}

const bool registered = [] {
  lisp::BuiltinRegistry& r = lisp::BuiltinRegistry::instance();
  r.add(L"SSGET", fnSsget);
  r.add(L"SSLENGTH", fnSslength);
  r.add(L"SSNAME", fnSsname);
  r.add(L"SSADD", fnSsadd);
  r.add(L"SSDEL", fnSsdel);
  r.add(L"SSMEMB", fnSsmemb);
  r.add(L"ENTSEL", fnEntsel);
  r.add(L"NENTSEL", fnNentsel);
  r.add(L"NENTSELP", fnNentselp);
  return true;
}();

}  // namespace
