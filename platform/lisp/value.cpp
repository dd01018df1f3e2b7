#include "lisp/value.h"

#include <cmath>
#include <cwctype>
#include <utility>
#include <vector>

namespace lisp {

// Lists a program builds can be a million cells long or deep: the cells only this value holds are
// released from a work list, never by recursion.
Value::~Value() {
  if (!car && !cdr) return;
  std::vector<ValuePtr> pending;
  pending.push_back(std::move(car));
  pending.push_back(std::move(cdr));
  while (!pending.empty()) {
    ValuePtr cell = std::move(pending.back());
    pending.pop_back();
    if (cell && cell.use_count() == 1) {
      if (cell->car) pending.push_back(std::move(cell->car));
      if (cell->cdr) pending.push_back(std::move(cell->cdr));
    }
  }
}

ValuePtr makeInt(Adesk::Int32 value) {
  auto v = std::make_shared<Value>();
  v->type = Type::kInt;
  v->integer = value;
  return v;
}

ValuePtr makeReal(double value) {
  auto v = std::make_shared<Value>();
  v->type = Type::kReal;
  v->real = value;
  return v;
}

ValuePtr makeString(const std::wstring& text) {
  auto v = std::make_shared<Value>();
  v->type = Type::kString;
  v->text = text;
  return v;
}

ValuePtr makeSymbol(const std::wstring& name) {
  auto v = std::make_shared<Value>();
  v->type = Type::kSymbol;
  v->text = name;
  for (wchar_t& c : v->text) c = static_cast<wchar_t>(std::towupper(c));
  return v;
}

ValuePtr makeEname(AcDbObjectId id) {
  auto v = std::make_shared<Value>();
  v->type = Type::kEname;
  v->id = id;
  return v;
}

namespace {
PicksetKeeper g_picksetKeeper = nullptr;
}  // namespace

void setPicksetKeeper(PicksetKeeper keeper) { g_picksetKeeper = keeper; }

ValuePtr makePickset(Adesk::LongPtr setNumber) {
  auto v = std::make_shared<Value>();
  v->type = Type::kPickset;
  v->pickset = setNumber;
  if (g_picksetKeeper != nullptr) v->hold = g_picksetKeeper(setNumber);
  return v;
}

ValuePtr cons(ValuePtr car, ValuePtr cdr) {
  auto v = std::make_shared<Value>();
  v->type = Type::kCons;
  v->car = std::move(car);
  v->cdr = std::move(cdr);
  return v;
}

ValuePtr makeT() {
  static const ValuePtr t = makeSymbol(L"T");
  return t;
}

ValuePtr makeList(const std::vector<ValuePtr>& items) {
  ValuePtr list;
  for (auto it = items.rbegin(); it != items.rend(); ++it) list = cons(*it, list);
  return list;
}

std::vector<ValuePtr> listItems(const ValuePtr& list) {
  std::vector<ValuePtr> items;
  for (ValuePtr p = list; isCons(p); p = p->cdr) items.push_back(p->car);
  return items;
}

size_t listLength(const ValuePtr& list) {
  size_t n = 0;
  for (ValuePtr p = list; isCons(p); p = p->cdr) ++n;
  return n;
}

bool valuesEq(const ValuePtr& a, const ValuePtr& b) {
  if (a == b) return true;
  if (!a || !b || a->type != b->type) return false;
  switch (a->type) {
    case Type::kInt:
      return a->integer == b->integer;
    case Type::kSymbol:
      return a->text == b->text;
    case Type::kEname:
      return a->id == b->id;
    case Type::kPickset:
      return a->pickset == b->pickset;
    case Type::kSubr:
      return a->builtin == b->builtin && a->special == b->special;
    default:
      return false;
  }
}

namespace {

bool atomsEqual(const ValuePtr& a, const ValuePtr& b, double fuzz) {
  if (a == b) return true;
  if (!a || !b) return false;
  if (isNumber(a) && isNumber(b)) {
    if (a->type == Type::kInt && b->type == Type::kInt) return a->integer == b->integer;
    return std::fabs(numberOf(a) - numberOf(b)) <= fuzz;
  }
  if (a->type != b->type) return false;
  return a->type == Type::kString ? a->text == b->text : valuesEq(a, b);
}

}  // namespace

// Pairs still to compare are kept in a work list, so that long and deep lists need no stack.
bool valuesEqual(const ValuePtr& a, const ValuePtr& b, double fuzz) {
  std::vector<std::pair<const Value*, const Value*>> pending;
  auto compare = [&](const ValuePtr& x, const ValuePtr& y) {
    if (x == y) return true;
    if (isCons(x) && isCons(y)) {
      pending.emplace_back(x.get(), y.get());
      return true;
    }
    return atomsEqual(x, y, fuzz);
  };
  if (!compare(a, b)) return false;
  while (!pending.empty()) {
    auto [x, y] = pending.back();
    pending.pop_back();
    if (!compare(x->car, y->car) || !compare(x->cdr, y->cdr)) return false;
  }
  return true;
}

}  // namespace lisp
