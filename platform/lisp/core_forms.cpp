// Forms whose arguments are not all evaluated first: quote, setq, defun, lambda, and the control
// forms.
#include "lisp/builtins.h"
#include "lisp/reader.h"

namespace lisp {

namespace {

std::vector<ValuePtr> formArgs(const ValuePtr& rest, size_t min) {
  std::vector<ValuePtr> args = listItems(rest);
  if (args.size() < min) tooFewArguments();
  return args;
}

ValuePtr evalBody(Interpreter& interp, const ValuePtr& body) {
  ValuePtr result;
  for (ValuePtr p = body; isCons(p); p = p->cdr) result = interp.eval(p->car);
  return result;
}

// Sets a symbol for the duration of a loop (foreach), as the host's dynamic binding does.
class Binding {
 public:
  Binding(Interpreter& interp, const std::wstring& name)
      : interp_(interp), name_(name), saved_(interp.symbolValue(name)) {}
  ~Binding() { interp_.setSymbolValue(name_, saved_); }
  Binding(const Binding&) = delete;
  Binding& operator=(const Binding&) = delete;

 private:
  Interpreter& interp_;
  std::wstring name_;
  ValuePtr saved_;
};

const std::wstring& symbolArg(const ValuePtr& value) {
  if (!value || value->type != Type::kSymbol) badArgument(L"symbolp", value);
  return value->text;
}

ValuePtr formQuote(Interpreter&, const ValuePtr& rest) {
  std::vector<ValuePtr> args = formArgs(rest, 1);
  if (args.size() > 1) tooManyArguments();
  return args[0];
}

ValuePtr formSetq(Interpreter& interp, const ValuePtr& rest) {
  std::vector<ValuePtr> args = formArgs(rest, 2);
  ValuePtr value;
  for (size_t i = 0; i < args.size(); i += 2) {
    const std::wstring& name = symbolArg(args[i]);
    if (i + 1 >= args.size()) tooFewArguments();
    if (name == L"T") throw LispError(L"attempt to set a constant: T");
    value = interp.eval(args[i + 1]);
    interp.setSymbolValue(name, value);
  }
  return value;
}

// The parameter list "(a b / c d)": parameters before the slash, locals after.
ValuePtr makeFunction(const ValuePtr& paramList, const ValuePtr& body, const std::wstring& name) {
  if (paramList && paramList->type != Type::kCons) badArgument(L"listp", paramList);
  std::vector<ValuePtr> params, locals;
  bool inLocals = false;
  for (const ValuePtr& p : listItems(paramList)) {
    symbolArg(p);
    if (p->text == L"/") {
      inLocals = true;
      continue;
    }
    (inLocals ? locals : params).push_back(p);
  }
  auto function = std::make_shared<Value>();
  function->type = Type::kUsubr;
  function->text = name;
  function->car = makeList(params);
  function->cdr = makeList(locals);
  function->body = body;
  return function;
}

ValuePtr formDefun(Interpreter& interp, const ValuePtr& rest) {
  formArgs(rest, 2);
  ValuePtr name = rest->car;
  symbolArg(name);
  interp.setSymbolValue(name->text, makeFunction(rest->cdr->car, rest->cdr->cdr, name->text));
  return name;
}

ValuePtr formLambda(Interpreter&, const ValuePtr& rest) {
  formArgs(rest, 1);
  return makeFunction(rest->car, rest->cdr, L"");
}

ValuePtr formFunction(Interpreter& interp, const ValuePtr& rest) {
  std::vector<ValuePtr> args = formArgs(rest, 1);
  if (args.size() > 1) tooManyArguments();
  if (isCons(args[0])) return interp.eval(args[0]);
  return args[0];
}

ValuePtr formIf(Interpreter& interp, const ValuePtr& rest) {
  std::vector<ValuePtr> args = formArgs(rest, 2);
  if (args.size() > 3) tooManyArguments();
  if (interp.eval(args[0])) return interp.eval(args[1]);
  return args.size() == 3 ? interp.eval(args[2]) : nullptr;
}

ValuePtr formCond(Interpreter& interp, const ValuePtr& rest) {
  for (const ValuePtr& clause : listItems(rest)) {
    if (!isCons(clause)) badArgument(L"listp", clause);
    ValuePtr test = interp.eval(clause->car);
    if (test) return clause->cdr ? evalBody(interp, clause->cdr) : test;
  }
  return nullptr;
}

ValuePtr formProgn(Interpreter& interp, const ValuePtr& rest) { return evalBody(interp, rest); }

ValuePtr formWhile(Interpreter& interp, const ValuePtr& rest) {
  formArgs(rest, 1);
  ValuePtr result;
  while (interp.eval(rest->car)) result = evalBody(interp, rest->cdr);
  return result;
}

ValuePtr formForeach(Interpreter& interp, const ValuePtr& rest) {
  formArgs(rest, 2);
  const std::wstring& name = symbolArg(rest->car);
  ValuePtr list = interp.eval(rest->cdr->car);
  listArg(list);
  Binding binding(interp, name);
  ValuePtr result;
  for (const ValuePtr& item : listItems(list)) {
    interp.setSymbolValue(name, item);
    result = evalBody(interp, rest->cdr->cdr);
  }
  return result;
}

ValuePtr formRepeat(Interpreter& interp, const ValuePtr& rest) {
  formArgs(rest, 1);
  ValuePtr count = interp.eval(rest->car);
  Adesk::Int32 n = intArg(count);
  ValuePtr result;
  for (Adesk::Int32 i = 0; i < n; ++i) result = evalBody(interp, rest->cdr);
  return result;
}

ValuePtr formAnd(Interpreter& interp, const ValuePtr& rest) {
  for (ValuePtr p = rest; isCons(p); p = p->cdr)
    if (!interp.eval(p->car)) return nullptr;
  return makeT();
}

ValuePtr formOr(Interpreter& interp, const ValuePtr& rest) {
  for (ValuePtr p = rest; isCons(p); p = p->cdr)
    if (interp.eval(p->car)) return makeT();
  return nullptr;
}

}  // namespace

void registerSpecialForms(BuiltinRegistry& registry) {
  registry.addSpecial(L"quote", formQuote);
  registry.addSpecial(L"setq", formSetq);
  registry.addSpecial(L"defun", formDefun);
  registry.addSpecial(L"lambda", formLambda);
  registry.addSpecial(L"function", formFunction);
  registry.addSpecial(L"if", formIf);
  registry.addSpecial(L"cond", formCond);
  registry.addSpecial(L"progn", formProgn);
  registry.addSpecial(L"while", formWhile);
  registry.addSpecial(L"foreach", formForeach);
  registry.addSpecial(L"repeat", formRepeat);
  registry.addSpecial(L"and", formAnd);
  registry.addSpecial(L"or", formOr);
}

}  // namespace lisp
