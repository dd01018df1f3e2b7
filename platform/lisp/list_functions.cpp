// List functions, predicates, evaluation helpers (eval, apply, mapcar) and printing.
#include "lisp/builtins.h"
#include "lisp/reader.h"

#include <vector>

namespace lisp {

double numberArg(const ValuePtr& value) {
  if (!isNumber(value)) badArgument(L"numberp", value);
  return numberOf(value);
}

Adesk::Int32 intArg(const ValuePtr& value) {
  if (!value || value->type != Type::kInt) badArgument(L"fixnump", value);
  return value->integer;
}

const std::wstring& stringArg(const ValuePtr& value) {
  if (!value || value->type != Type::kString) badArgument(L"stringp", value);
  return value->text;
}

const ValuePtr& listArg(const ValuePtr& value) {
  if (value && value->type != Type::kCons) badArgument(L"listp", value);
  return value;
}

void pointArg(const ValuePtr& value, double point[3], int* dim) {
  std::vector<ValuePtr> items = listItems(value);
  if (!isCons(value) || items.size() < 2 || items.size() > 3) badArgument(L"pointp", value);
  point[2] = 0.0;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!isNumber(items[i])) badArgument(L"pointp", value);
    point[i] = numberOf(items[i]);
  }
  if (dim != nullptr) *dim = static_cast<int>(items.size());
}

namespace {

typedef std::vector<ValuePtr> Args;

// car and cdr of a list argument (nil gives nil).
ValuePtr carOf(const ValuePtr& v) { return listArg(v) ? v->car : nullptr; }
ValuePtr cdrOf(const ValuePtr& v) { return listArg(v) ? v->cdr : nullptr; }

ValuePtr fnCar(Interpreter&, const Args& a) { checkArgCount(a, 1, 1); return carOf(a[0]); }
ValuePtr fnCdr(Interpreter&, const Args& a) { checkArgCount(a, 1, 1); return cdrOf(a[0]); }
ValuePtr fnCadr(Interpreter&, const Args& a) { checkArgCount(a, 1, 1); return carOf(cdrOf(a[0])); }
ValuePtr fnCaddr(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return carOf(cdrOf(cdrOf(a[0])));
}
ValuePtr fnCddr(Interpreter&, const Args& a) { checkArgCount(a, 1, 1); return cdrOf(cdrOf(a[0])); }
ValuePtr fnCaar(Interpreter&, const Args& a) { checkArgCount(a, 1, 1); return carOf(carOf(a[0])); }
ValuePtr fnCdar(Interpreter&, const Args& a) { checkArgCount(a, 1, 1); return cdrOf(carOf(a[0])); }

ValuePtr fnList(Interpreter&, const Args& a) { return makeList(a); }
ValuePtr fnCons(Interpreter&, const Args& a) {
  checkArgCount(a, 2, 2);
  return cons(a[0], a[1]);
}

ValuePtr fnLast(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  ValuePtr p = listArg(a[0]);
  while (isCons(p) && isCons(p->cdr)) p = p->cdr;
  return p ? p->car : nullptr;
}

ValuePtr fnNth(Interpreter&, const Args& a) {
  checkArgCount(a, 2, 2);
  Adesk::Int32 n = intArg(a[0]);
  ValuePtr p = listArg(a[1]);
  if (n < 0) return nullptr;
  for (Adesk::Int32 i = 0; i < n && isCons(p); ++i) p = p->cdr;
  return isCons(p) ? p->car : nullptr;
}

ValuePtr fnLength(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return makeInt(static_cast<Adesk::Int32>(listLength(listArg(a[0]))));
}

ValuePtr fnAppend(Interpreter&, const Args& a) {
  std::vector<ValuePtr> items;
  for (const ValuePtr& list : a) {
    listArg(list);
    for (const ValuePtr& item : listItems(list)) items.push_back(item);
  }
  return makeList(items);
}

ValuePtr fnReverse(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  ValuePtr out;
  for (const ValuePtr& item : listItems(listArg(a[0]))) out = cons(item, out);
  return out;
}

ValuePtr fnMember(Interpreter&, const Args& a) {
  checkArgCount(a, 2, 2);
  for (ValuePtr p = listArg(a[1]); isCons(p); p = p->cdr)
    if (valuesEqual(a[0], p->car)) return p;
  return nullptr;
}

ValuePtr fnAssoc(Interpreter&, const Args& a) {
  checkArgCount(a, 2, 2);
  for (ValuePtr p = listArg(a[1]); isCons(p); p = p->cdr)
    if (isCons(p->car) && valuesEqual(a[0], p->car->car)) return p->car;
  return nullptr;
}

// Sublists deeper than the evaluator itself nests end in its error, not in a stack overflow.
constexpr int kMaxListDepth = 3000;

// Along a list by iteration, into its sublists by recursion.
ValuePtr substIn(const ValuePtr& replacement, const ValuePtr& old, const ValuePtr& tree, int depth) {
  if (valuesEqual(tree, old)) return replacement;
  if (!isCons(tree)) return tree;
  if (depth > kMaxListDepth) throw LispError(L"stack overflow");
  std::vector<ValuePtr> items;
  ValuePtr p = tree;
  do {
    items.push_back(substIn(replacement, old, p->car, depth + 1));
    p = p->cdr;
  } while (isCons(p) && !valuesEqual(p, old));
  ValuePtr out = valuesEqual(p, old) ? replacement : p;
  for (auto it = items.rbegin(); it != items.rend(); ++it) out = cons(*it, out);
  return out;
}

ValuePtr fnSubst(Interpreter&, const Args& a) {
  checkArgCount(a, 3, 3);
  return substIn(a[0], a[1], listArg(a[2]), 0);
}

ValuePtr fnListp(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return boolValue(!a[0] || a[0]->type == Type::kCons);
}
ValuePtr fnAtom(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return boolValue(!isCons(a[0]));
}
ValuePtr fnNot(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return boolValue(!a[0]);
}
ValuePtr fnNumberp(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return boolValue(isNumber(a[0]));
}
ValuePtr fnBoundp(Interpreter& interp, const Args& a) {
  checkArgCount(a, 1, 1);
  if (!a[0] || a[0]->type != Type::kSymbol) badArgument(L"symbolp", a[0]);
  return boolValue(interp.symbolValue(a[0]->text) != nullptr);
}

ValuePtr fnType(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  if (!a[0]) return nullptr;
  switch (a[0]->type) {
    case Type::kInt: return makeSymbol(L"INT");
    case Type::kReal: return makeSymbol(L"REAL");
    case Type::kString: return makeSymbol(L"STR");
    case Type::kSymbol: return makeSymbol(L"SYM");
    case Type::kCons: return makeSymbol(L"LIST");
    case Type::kEname: return makeSymbol(L"ENAME");
    case Type::kSubr: return makeSymbol(L"SUBR");
    case Type::kUsubr: return makeSymbol(L"USUBR");
    case Type::kPickset: return makeSymbol(L"PICKSET");
  }
  return nullptr;
}

ValuePtr fnEq(Interpreter&, const Args& a) {
  checkArgCount(a, 2, 2);
  return boolValue(valuesEq(a[0], a[1]));
}

ValuePtr fnEqual(Interpreter&, const Args& a) {
  checkArgCount(a, 2, 3);
  double fuzz = a.size() == 3 ? numberArg(a[2]) : 0.0;
  return boolValue(valuesEqual(a[0], a[1], fuzz));
}

ValuePtr fnEval(Interpreter& interp, const Args& a) {
  checkArgCount(a, 1, 1);
  return interp.eval(a[0]);
}

ValuePtr fnApply(Interpreter& interp, const Args& a) {
  checkArgCount(a, 2, 2);
  return interp.apply(a[0], listItems(listArg(a[1])));
}

ValuePtr fnMapcar(Interpreter& interp, const Args& a) {
  checkArgCount(a, 2, SIZE_MAX);
  std::vector<std::vector<ValuePtr>> lists;
  size_t count = SIZE_MAX;
  for (size_t i = 1; i < a.size(); ++i) {
    lists.push_back(listItems(listArg(a[i])));
    count = std::min(count, lists.back().size());
  }
  std::vector<ValuePtr> results;
  for (size_t k = 0; k < count; ++k) {
    std::vector<ValuePtr> args;
    for (const auto& list : lists) args.push_back(list[k]);
    results.push_back(interp.apply(a[0], args));
  }
  return makeList(results);
}

ValuePtr fnRead(Interpreter&, const Args& a) {
  checkArgCount(a, 0, 1);
  if (a.empty()) return nullptr;
  return readFirst(stringArg(a[0]));
}

// Output. princ and prin1 with no argument return the null symbol, which prints as nothing: the
// usual way for a command function to end quietly.
ValuePtr quietSymbol() {
  auto v = std::make_shared<Value>();
  v->type = Type::kSymbol;
  return v;
}

ValuePtr fnPrinc(Interpreter& interp, const Args& a) {
  checkArgCount(a, 0, 2);
  if (a.empty()) return quietSymbol();
  interp.write(printValue(a[0], false));
  return a[0];
}

ValuePtr fnPrin1(Interpreter& interp, const Args& a) {
  checkArgCount(a, 0, 2);
  if (a.empty()) return quietSymbol();
  interp.write(printValue(a[0], true));
  return a[0];
}

ValuePtr fnPrint(Interpreter& interp, const Args& a) {
  checkArgCount(a, 0, 2);
  if (a.empty()) return quietSymbol();
  interp.write(L"\n" + printValue(a[0], true) + L" ");
  return a[0];
}

ValuePtr fnPrompt(Interpreter& interp, const Args& a) {
  checkArgCount(a, 1, 1);
  interp.write(stringArg(a[0]));
  return nullptr;
}

ValuePtr fnTerpri(Interpreter& interp, const Args& a) {
  checkArgCount(a, 0, 0);
  interp.write(L"\n");
  return nullptr;
}

}  // namespace

void registerListFunctions(BuiltinRegistry& r) {
  r.add(L"car", fnCar);
  r.add(L"cdr", fnCdr);
  r.add(L"cadr", fnCadr);
  r.add(L"caddr", fnCaddr);
  r.add(L"cddr", fnCddr);
  r.add(L"caar", fnCaar);
  r.add(L"cdar", fnCdar);
  r.add(L"list", fnList);
  r.add(L"cons", fnCons);
  r.add(L"last", fnLast);
  r.add(L"nth", fnNth);
  r.add(L"length", fnLength);
  r.add(L"append", fnAppend);
  r.add(L"reverse", fnReverse);
  r.add(L"member", fnMember);
  r.add(L"assoc", fnAssoc);
  r.add(L"subst", fnSubst);
  r.add(L"listp", fnListp);
  r.add(L"atom", fnAtom);
  r.add(L"not", fnNot);
  r.add(L"null", fnNot);
  r.add(L"numberp", fnNumberp);
  r.add(L"boundp", fnBoundp);
  r.add(L"type", fnType);
  r.add(L"eq", fnEq);
  r.add(L"equal", fnEqual);
  r.add(L"eval", fnEval);
  r.add(L"apply", fnApply);
  r.add(L"mapcar", fnMapcar);
  r.add(L"read", fnRead);
  r.add(L"princ", fnPrinc);
  r.add(L"prin1", fnPrin1);
  r.add(L"print", fnPrint);
  r.add(L"prompt", fnPrompt);
  r.add(L"terpri", fnTerpri);
}

}  // namespace lisp
