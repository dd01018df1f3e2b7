// Values of the host's LISP: integers (32-bit, as the host keeps them), reals, strings, symbols,
// cons cells, entity names, selection sets and functions. nil is the null pointer; T is the
// symbol T.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "adesk.h"
#include "db/dbid.h"

namespace lisp {

class Interpreter;
struct Value;
typedef std::shared_ptr<Value> ValuePtr;

// A built-in function receives its evaluated arguments; a special form receives the unevaluated
// rest of its form.
typedef ValuePtr (*BuiltinFn)(Interpreter& interp, const std::vector<ValuePtr>& args);
typedef ValuePtr (*SpecialFn)(Interpreter& interp, const ValuePtr& rest);

enum class Type { kInt, kReal, kString, kSymbol, kCons, kEname, kSubr, kUsubr, kPickset };

struct Value {
  Value() = default;
  // Releases long lists iteratively: the default would recurse once per element.
  ~Value();
  Value(const Value&) = delete;
  Value& operator=(const Value&) = delete;

  Type type = Type::kInt;
  Adesk::Int32 integer = 0;
  double real = 0.0;
  std::wstring text;  // string contents, symbol name (upper case), or function name
  ValuePtr car;       // kCons; kUsubr: parameter list
  ValuePtr cdr;       // kCons; kUsubr: local variable list
  ValuePtr body;      // kUsubr: the forms
  AcDbObjectId id;    // kEname
  Adesk::LongPtr pickset = 0;  // kPickset: the number of the editor's selection set
  std::shared_ptr<void> hold;  // kPickset: keeps the set alive while the value lives
  BuiltinFn builtin = nullptr;
  SpecialFn special = nullptr;
};

ValuePtr makeInt(Adesk::Int32 value);
ValuePtr makeReal(double value);
ValuePtr makeString(const std::wstring& text);
// Symbol names are case-insensitive: the name is kept upper case.
ValuePtr makeSymbol(const std::wstring& name);
ValuePtr makeEname(AcDbObjectId id);
// A selection set value. The editor owns the sets; it installs the keeper that gives a value its
// hold on one (without a keeper the value only names the set).
ValuePtr makePickset(Adesk::LongPtr setNumber);
typedef std::shared_ptr<void> (*PicksetKeeper)(Adesk::LongPtr setNumber);
void setPicksetKeeper(PicksetKeeper keeper);
ValuePtr cons(ValuePtr car, ValuePtr cdr);
ValuePtr makeT();
ValuePtr makeList(const std::vector<ValuePtr>& items);

inline bool isNil(const ValuePtr& v) { return v == nullptr; }
inline bool isCons(const ValuePtr& v) { return v && v->type == Type::kCons; }
inline bool isNumber(const ValuePtr& v) {
  return v && (v->type == Type::kInt || v->type == Type::kReal);
}
inline bool isSymbol(const ValuePtr& v, const wchar_t* name) {
  return v && v->type == Type::kSymbol && v->text == name;
}
inline double numberOf(const ValuePtr& v) {
  return v->type == Type::kInt ? static_cast<double>(v->integer) : v->real;
}
// The elements of a proper list (the final cdr of a dotted list is left out).
std::vector<ValuePtr> listItems(const ValuePtr& list);
size_t listLength(const ValuePtr& list);

// Structural equality; numbers compare within fuzz.
bool valuesEqual(const ValuePtr& a, const ValuePtr& b, double fuzz = 0.0);
// The identity test of eq: same object, or same integer, symbol or entity.
bool valuesEq(const ValuePtr& a, const ValuePtr& b);

}  // namespace lisp
