// The LISP side of the graphics screen: grread, grdraw, grvecs, redraw and textbox, added to the
// built-in registry so every interpreter has them.
#include <vector>

#include "db/acutads.h"
#include "db/dbobject.h"
#include "ed/acedgraph.h"
#include "lisp/builtins.h"

namespace {

using lisp::Interpreter;
using lisp::LispError;
using lisp::ValuePtr;
typedef std::vector<ValuePtr> Args;

ValuePtr pointValue(const ads_point p) {
  return lisp::makeList({lisp::makeReal(p[0]), lisp::makeReal(p[1]), lisp::makeReal(p[2])});
}

bool isList(const ValuePtr& v) { return v == nullptr || lisp::isCons(v); }

// (grread [track [allkeys [cursor]]]): (2 code) for a key, (3 point) for a pick, (5 point) for a
// cursor movement when tracking.
ValuePtr fnGrread(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 0, 3);
  int flags = 0;
  if (!a.empty() && a[0] != nullptr) flags |= GRREAD_TRACK;
  if (a.size() > 1) flags |= lisp::intArg(a[1]);
  if (a.size() > 2) lisp::intArg(a[2]);
  int type = 0;
  resbuf result{};
  if (acedGrRead(flags, &type, &result) != RTNORM) throw LispError(L"Function cancelled");
  ValuePtr value = result.restype == RTSHORT ? lisp::makeInt(result.resval.rint)
                                             : pointValue(result.resval.rpoint);
  return lisp::makeList({lisp::makeInt(type), value});
}

// (grdraw from to color [highlight])
ValuePtr fnGrdraw(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 3, 4);
  ads_point from, to;
  lisp::pointArg(a[0], from);
  lisp::pointArg(a[1], to);
  int color = lisp::intArg(a[2]);
  int highlight = a.size() > 3 ? lisp::intArg(a[3]) : 0;
  acedGrDraw(from, to, color, highlight);
  return nullptr;
}

// (grvecs vlist [trans]): colours (integers) and pairs of points; trans a list of four rows.
ValuePtr fnGrvecs(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 1, 2);
  std::vector<resbuf> items;
  for (const ValuePtr& item : lisp::listItems(lisp::listArg(a[0]))) {
    resbuf rb{};
    if (item && item->type == lisp::Type::kInt) {
      rb.restype = RTSHORT;
      rb.resval.rint = static_cast<short>(item->integer);
    } else {
      rb.restype = RT3DPOINT;
      lisp::pointArg(item, rb.resval.rpoint);
    }
    items.push_back(rb);
  }
  for (size_t i = 0; i + 1 < items.size(); ++i) items[i].rbnext = &items[i + 1];
  ads_matrix matrix;
  bool transformed = a.size() > 1 && a[1] != nullptr;
  if (transformed) {
    std::vector<ValuePtr> rows = lisp::listItems(lisp::listArg(a[1]));
    if (rows.size() != 4) lisp::badArgument(L"listp", a[1]);
    for (int r = 0; r < 4; ++r) {
      std::vector<ValuePtr> cells = lisp::listItems(lisp::listArg(rows[r]));
      if (cells.size() != 4) lisp::badArgument(L"listp", rows[r]);
      for (int c = 0; c < 4; ++c) matrix[r][c] = lisp::numberArg(cells[c]);
    }
  }
  // A list the host cannot draw (a point without its pair) draws nothing.
  acedGrVecs(items.empty() ? nullptr : items.data(), transformed ? matrix : nullptr);
  return nullptr;
}

// (redraw [ename [mode]])
ValuePtr fnRedraw(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 0, 2);
  if (a.empty() || a[0] == nullptr) {
    acedRedraw(nullptr, 0);
    return nullptr;
  }
  if (a[0]->type != lisp::Type::kEname) lisp::badArgument(L"lentityp", a[0]);
  int mode = a.size() > 1 ? lisp::intArg(a[1]) : 1;
  ads_name name;
  acdbGetAdsName(name, a[0]->id);
  acedRedraw(name, mode);
  return nullptr;
}

// One (code . value) pair of an entity list as a result buffer of that group code; null for a
// pair whose value does not suit its code.
resbuf* pairToResbuf(const ValuePtr& pair) {
  if (!lisp::isCons(pair) || !pair->car || pair->car->type != lisp::Type::kInt) return nullptr;
  int code = pair->car->integer;
  const ValuePtr& v = pair->cdr;
  int type = acdbGroupCodeToType(code);
  resbuf* rb = acutNewRb(code);
  bool ok = false;
  switch (type) {
    case RTSTR:
      ok = v && v->type == lisp::Type::kString;
      if (ok) rb->resval.rstring = acutNewString(v->text.c_str());
      break;
    case RTREAL:
    case RTANG:
      ok = lisp::isNumber(v);
      if (ok) rb->resval.rreal = lisp::numberOf(v);
      break;
    case RTSHORT:
      ok = v && v->type == lisp::Type::kInt;
      if (ok) rb->resval.rint = static_cast<short>(v->integer);
      break;
    case RTLONG:
      ok = v && v->type == lisp::Type::kInt;
      if (ok) rb->resval.rlong = v->integer;
      break;
    case RT3DPOINT: {
      std::vector<ValuePtr> coords = lisp::listItems(v);
      ok = lisp::isCons(v) && (coords.size() == 2 || coords.size() == 3);
      for (size_t i = 0; ok && i < coords.size(); ++i) {
        ok = lisp::isNumber(coords[i]);
        if (ok) rb->resval.rpoint[i] = lisp::numberOf(coords[i]);
      }
      break;
    }
    case RTENAME:
      ok = v && v->type == lisp::Type::kEname;
      if (ok) acdbGetAdsName(rb->resval.rlname, v->id);
      break;
    default:
      break;
  }
  if (!ok) {
    acutRelRb(rb);
    return nullptr;
  }
  return rb;
}

// (textbox elist): ((x1 y1 z1) (x2 y2 z2)), or nil when the list does not describe a text.
ValuePtr fnTextbox(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 1, 1);
  if (!isList(a[0])) lisp::badArgument(L"listp", a[0]);
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  for (const ValuePtr& pair : lisp::listItems(a[0])) {
    resbuf* rb = pairToResbuf(pair);
    if (rb == nullptr) continue;  // fields that cannot shape a text are not looked at
    if (tail) tail->rbnext = rb;
    else head = rb;
    tail = rb;
  }
  ads_point p1, p2;
  int code = head ? acedTextBox(head, p1, p2) : RTERROR;
  acutRelRb(head);
  if (code != RTNORM) return nullptr;
  return lisp::makeList({pointValue(p1), pointValue(p2)});
}

const bool registered = [] {
  lisp::BuiltinRegistry& r = lisp::BuiltinRegistry::instance();
  r.add(L"GRREAD", fnGrread);
  r.add(L"GRDRAW", fnGrdraw);
  r.add(L"GRVECS", fnGrvecs);
  r.add(L"REDRAW", fnRedraw);
  r.add(L"TEXTBOX", fnTextbox);
  return true;
}();

}  // namespace
