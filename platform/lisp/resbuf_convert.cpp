#include "lisp/resbuf_convert.h"

#include <cstring>

#include "db/acutads.h"
#include "db/dbobject.h"
#include "lisp/interpreter.h"

namespace lisp {

namespace {

resbuf* newRb(int type) { return acutNewRb(type); }

bool isPointList(const ValuePtr& value) {
  size_t n = listLength(value);
  if (n < 2 || n > 3) return false;
  ValuePtr p = value;
  for (; isCons(p); p = p->cdr)
    if (!isNumber(p->car)) return false;
  return p == nullptr;
}

}  // namespace

void appendValueToChain(const ValuePtr& value, std::vector<resbuf*>& chain) {
  if (!value) {
    chain.push_back(newRb(RTNIL));
    return;
  }
  resbuf* rb = nullptr;
  switch (value->type) {
    case Type::kInt:
      if (value->integer >= -32768 && value->integer <= 32767) {
        rb = newRb(RTSHORT);
        rb->resval.rint = static_cast<short>(value->integer);
      } else {
        rb = newRb(RTLONG);
        rb->resval.rlong = value->integer;
      }
      break;
    case Type::kReal:
      rb = newRb(RTREAL);
      rb->resval.rreal = value->real;
      break;
    case Type::kString:
      rb = newRb(RTSTR);
      rb->resval.rstring = acutNewString(value->text.c_str());
      break;
    case Type::kSymbol:
      if (value->text == L"T") {
        rb = newRb(RTT);
      } else {
        // Result buffers have no symbols; the name is the closest the C side can see.
        rb = newRb(RTSTR);
        rb->resval.rstring = acutNewString(value->text.c_str());
      }
      break;
    case Type::kEname:
      rb = newRb(RTENAME);
      acdbGetAdsName(rb->resval.rlname, value->id);
      break;
    case Type::kPickset:
      rb = newRb(RTPICKS);
      rb->resval.rlname[0] = value->pickset;
      rb->resval.rlname[1] = kPicksetNameTag;
      break;
    case Type::kSubr:
    case Type::kUsubr:
      rb = newRb(RTSTR);
      rb->resval.rstring = acutNewString(value->text.c_str());
      break;
    case Type::kCons: {
      if (isPointList(value)) {
        size_t n = listLength(value);
        rb = newRb(n == 2 ? RTPOINT : RT3DPOINT);
        std::vector<ValuePtr> items = listItems(value);
        for (size_t i = 0; i < 3; ++i) rb->resval.rpoint[i] = i < n ? numberOf(items[i]) : 0.0;
        break;
      }
      chain.push_back(newRb(RTLB));
      ValuePtr p = value;
      for (; isCons(p); p = p->cdr) appendValueToChain(p->car, chain);
      if (p) {
        chain.push_back(newRb(RTDOTE));
        appendValueToChain(p, chain);
      }
      chain.push_back(newRb(RTLE));
      return;
    }
  }
  chain.push_back(rb);
}

resbuf* valuesToChain(const std::vector<ValuePtr>& values) {
  std::vector<resbuf*> chain;
  for (const ValuePtr& v : values) appendValueToChain(v, chain);
  for (size_t i = 0; i + 1 < chain.size(); ++i) chain[i]->rbnext = chain[i + 1];
  return chain.empty() ? nullptr : chain.front();
}

namespace {

ValuePtr pointValue(const double* point, int dim) {
  std::vector<ValuePtr> items;
  for (int i = 0; i < dim; ++i) items.push_back(makeReal(point[i]));
  return makeList(items);
}

// A value of a result buffer that holds no list punctuation.
ValuePtr atomOf(const resbuf* rb) {
  switch (rb->restype) {
    case RTSHORT: return makeInt(rb->resval.rint);
    case RTLONG: return makeInt(rb->resval.rlong);
    case RTREAL:
    case RTANG: return makeReal(rb->resval.rreal);
    case RTSTR: return makeString(rb->resval.rstring ? rb->resval.rstring : L"");
    case RTPOINT: return pointValue(rb->resval.rpoint, 2);
    case RT3DPOINT: return pointValue(rb->resval.rpoint, 3);
    case RTPICKS:
      return makePickset(rb->resval.rlname[0]);
    case RTENAME: {
      AcDbObjectId id;
      acdbGetObjectId(id, rb->resval.rlname);
      return makeEname(id);
    }
    case RTT: return makeT();
    case RTNIL:
    case RTVOID:
    case RTNONE: return nullptr;
    default:
      break;
  }
  // A group code: the pair (code . value) of an entity's list, or (code x y z) for points.
  int code = rb->restype == RTDXF0 ? 0 : rb->restype;
  if (code == 0) return cons(makeInt(0), makeString(rb->resval.rstring ? rb->resval.rstring : L""));
  ValuePtr key = makeInt(code);
  switch (acdbGroupCodeToType(code)) {
    case RT3DPOINT: return cons(key, pointValue(rb->resval.rpoint, 3));
    case RTPOINT: return cons(key, pointValue(rb->resval.rpoint, 2));
    case RTREAL: return cons(key, makeReal(rb->resval.rreal));
    case RTSHORT: return cons(key, makeInt(rb->resval.rint));
    case RTLONG: return cons(key, makeInt(rb->resval.rlong));
    case RTSTR: return cons(key, makeString(rb->resval.rstring ? rb->resval.rstring : L""));
    case RTENAME: {
      AcDbObjectId id;
      acdbGetObjectId(id, rb->resval.rlname);
      return cons(key, makeEname(id));
    }
    default:
      throw LispError(L"bad result buffer type: " + std::to_wstring(code));
  }
}

// Reads values up to RTLE (inside a list) or the end of the chain; a dotted tail is kept.
ValuePtr readSequence(const resbuf*& rb, bool inList) {
  std::vector<ValuePtr> items;
  ValuePtr tail;
  bool dotted = false;
  bool tailSet = false;
  while (rb != nullptr) {
    if (rb->restype == RTLE) {
      if (!inList) throw LispError(L"malformed list in result buffers");
      rb = rb->rbnext;
      inList = false;
      break;
    }
    ValuePtr value;
    if (rb->restype == RTDOTE) {
      if (items.empty() || dotted) throw LispError(L"malformed dotted pair in result buffers");
      dotted = true;
      rb = rb->rbnext;
      continue;
    }
    if (rb->restype == RTLB) {
      rb = rb->rbnext;
      value = readSequence(rb, true);
    } else {
      value = atomOf(rb);
      rb = rb->rbnext;
    }
    if (dotted) {
      if (tailSet) throw LispError(L"malformed dotted pair in result buffers");
      tail = value;
      tailSet = true;
    } else {
      items.push_back(value);
    }
  }
  if (inList) throw LispError(L"malformed list in result buffers");
  ValuePtr list = tail;
  for (auto it = items.rbegin(); it != items.rend(); ++it) list = cons(*it, list);
  return list;
}

}  // namespace

std::vector<ValuePtr> chainToValues(const resbuf* chain) {
  std::vector<ValuePtr> values;
  const resbuf* rb = chain;
  while (rb != nullptr) {
    if (rb->restype == RTLB) {
      rb = rb->rbnext;
      values.push_back(readSequence(rb, true));
    } else if (rb->restype == RTLE || rb->restype == RTDOTE) {
      throw LispError(L"malformed list in result buffers");
    } else {
      values.push_back(atomOf(rb));
      rb = rb->rbnext;
    }
  }
  return values;
}

ValuePtr chainToList(const resbuf* chain) {
  const resbuf* rb = chain;
  return readSequence(rb, false);
}

}  // namespace lisp
