// The evaluator. Variables are dynamically scoped as in the host's LISP: a function call saves the
// values of its parameters and locals, binds them, and restores them when it returns or fails.
#include "lisp/interpreter.h"

#include <cstdio>

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "lisp/reader.h"
#include "lisp/resbuf_convert.h"
#include "lisp/builtins.h"
#include "lisp/entmake_sequence.h"

namespace lisp {

namespace {

std::string narrowOf(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c < 128) ? static_cast<char>(c) : '?';
  return out;
}

class StdoutSink : public OutputSink {
 public:
  void write(const std::wstring& text) override {
    std::fputs(narrowOf(text).c_str(), stdout);
    std::fflush(stdout);
  }
};

Interpreter* g_current = nullptr;

// Deep recursion would overflow the native stack; the host reports it as an error instead.
constexpr int kMaxDepth = 3000;

}  // namespace

LispError::LispError(const std::wstring& message)
    : std::runtime_error(narrowOf(message)), message_(message) {}

void badArgument(const wchar_t* predicate, const ValuePtr& value) {
  std::wstring name(predicate);
  // The host separates the value with ": " after the numeric tests and with a space otherwise.
  bool colon = name == L"numberp" || name == L"fixnump";
  throw LispError(L"bad argument type: " + name + (colon ? L": " : L" ") + printValue(value, true));
}

void tooFewArguments() { throw LispError(L"too few arguments"); }
void tooManyArguments() { throw LispError(L"too many arguments"); }

void checkArgCount(const std::vector<ValuePtr>& args, size_t min, size_t max) {
  if (args.size() < min) tooFewArguments();
  if (args.size() > max) tooManyArguments();
}

BuiltinRegistry& BuiltinRegistry::instance() {
  static BuiltinRegistry registry;
  return registry;
}

BuiltinRegistry::BuiltinRegistry() {
  registerSpecialForms(*this);
  registerListFunctions(*this);
  registerMathFunctions(*this);
  registerStringFunctions(*this);
  registerEntityFunctions(*this);
}

void BuiltinRegistry::add(const std::wstring& name, BuiltinFn fn) {
  Entry& entry = entries_[makeSymbol(name)->text];
  entry.name = makeSymbol(name)->text;
  entry.builtin = fn;
  entry.special = nullptr;
}

void BuiltinRegistry::addSpecial(const std::wstring& name, SpecialFn fn) {
  Entry& entry = entries_[makeSymbol(name)->text];
  entry.name = makeSymbol(name)->text;
  entry.builtin = nullptr;
  entry.special = fn;
}

Interpreter::Interpreter() {
  for (const auto& [name, entry] : BuiltinRegistry::instance().entries()) {
    auto subr = std::make_shared<Value>();
    subr->type = Type::kSubr;
    subr->text = name;
    subr->builtin = entry.builtin;
    subr->special = entry.special;
    globals_[name] = subr;
  }
  globals_[L"PI"] = makeReal(3.14159265358979323846);
}

Interpreter::~Interpreter() = default;

EntmakeSequence& Interpreter::entmakeSequence() {
  if (!entmakeSequence_) entmakeSequence_ = std::make_unique<EntmakeSequence>();
  return *entmakeSequence_;
}

Interpreter* Interpreter::current() { return g_current; }

AcDbDatabase* Interpreter::database() const {
  if (database_ != nullptr) return database_;
  return acdbHostApplicationServices()->workingDatabase();
}

void Interpreter::write(const std::wstring& text) {
  if (output_ != nullptr) {
    output_->write(text);
    return;
  }
  static StdoutSink standardOutput;
  standardOutput.write(text);
}

ValuePtr Interpreter::symbolValue(const std::wstring& name) const {
  std::wstring key = makeSymbol(name)->text;
  if (key == L"T") return makeT();
  auto it = globals_.find(key);
  return it == globals_.end() ? nullptr : it->second;
}

void Interpreter::setSymbolValue(const std::wstring& name, ValuePtr value) {
  std::wstring key = makeSymbol(name)->text;
  if (value) {
    globals_[key] = std::move(value);
  } else {
    globals_.erase(key);
  }
}

EvalResult Interpreter::evaluate(const std::wstring& source) {
  EvalResult result;
  depth_ = 0;
  evaluated_ = 0;
  try {
    for (const ValuePtr& form : readAll(source)) result.value = eval(form);
  } catch (const LispError& error) {
    result.ok = false;
    result.value = nullptr;
    result.error = L"; error: " + error.message();
    // A program's own *error* function takes the message instead of the default report.
    ValuePtr handler = symbolValue(L"*ERROR*");
    if (handler && handler->type == Type::kUsubr) {
      result.error.clear();
      depth_ = 0;
      try {
        apply(handler, {makeString(error.message())});
      } catch (const LispError& nested) {
        result.error = L"; error: " + nested.message();
      }
    }
  }
  return result;
}

std::wstring Interpreter::evaluateToText(const std::wstring& source) {
  EvalResult result = evaluate(source);
  return result.ok ? printValue(result.value, true) : result.error;
}

namespace {
struct DepthGuard {
  explicit DepthGuard(int& depth) : depth_(depth) {
    if (++depth_ > kMaxDepth) {
      depth_ = 0;
      throw LispError(L"stack overflow");
    }
  }
  ~DepthGuard() {
    if (depth_ > 0) --depth_;
  }
  int& depth_;
};
}  // namespace

ValuePtr Interpreter::eval(const ValuePtr& form) {
  if (!form) return nullptr;
  // Every form counts, symbols too: (while x) evaluates nothing else.
  if (evaluationLimit_ > 0 && ++evaluated_ > evaluationLimit_) {
    throw LispError(L"evaluation limit reached");
  }
  switch (form->type) {
    case Type::kSymbol:
      return symbolValue(form->text);
    case Type::kCons:
      break;
    default:
      return form;
  }
  DepthGuard guard(depth_);
  const ValuePtr& head = form->car;
  ValuePtr function;
  if (head && head->type == Type::kSymbol) {
    function = symbolValue(head->text);
    if (!function || (function->type != Type::kSubr && function->type != Type::kUsubr)) {
      if (external_ != nullptr && external_->isDefined(head->text)) {
        std::vector<ValuePtr> args;
        for (const ValuePtr& arg : listItems(form->cdr)) args.push_back(eval(arg));
        return callExternal(head->text, args);
      }
      throw LispError(L"no function definition: " + head->text);
    }
  } else {
    function = eval(head);
  }
  if (!function || (function->type != Type::kSubr && function->type != Type::kUsubr))
    throw LispError(L"bad function: " + printValue(function, true));
  if (function->special != nullptr) return function->special(*this, form->cdr);
  std::vector<ValuePtr> args;
  for (const ValuePtr& arg : listItems(form->cdr)) args.push_back(eval(arg));
  return apply(function, args);
}

ValuePtr Interpreter::apply(const ValuePtr& function, const std::vector<ValuePtr>& args) {
  if (function && function->type == Type::kSymbol) {
    ValuePtr value = symbolValue(function->text);
    if ((!value || (value->type != Type::kSubr && value->type != Type::kUsubr)) &&
        external_ != nullptr && external_->isDefined(function->text)) {
      return callExternal(function->text, args);
    }
    if (!value) throw LispError(L"no function definition: " + function->text);
    return apply(value, args);
  }
  // A lambda expression given as a list, as (apply '(lambda (x) x) …) allows.
  if (isCons(function) && isSymbol(function->car, L"LAMBDA")) return apply(eval(function), args);
  if (!function || (function->type != Type::kSubr && function->type != Type::kUsubr))
    throw LispError(L"bad function: " + printValue(function, true));
  if (function->type == Type::kUsubr) return applyUser(function, args);
  if (function->special != nullptr) {
    // A special form called through apply sees the list as its form's arguments, so that
    // (apply 'setq '(a 1)) sets A.
    return function->special(*this, makeList(args));
  }
  return function->builtin(*this, args);
}

ValuePtr Interpreter::applyUser(const ValuePtr& function, const std::vector<ValuePtr>& args) {
  std::vector<ValuePtr> params = listItems(function->car);
  std::vector<ValuePtr> locals = listItems(function->cdr);
  if (args.size() < params.size()) tooFewArguments();
  if (args.size() > params.size()) tooManyArguments();
  std::vector<std::pair<std::wstring, ValuePtr>> saved;
  for (const ValuePtr& p : params) saved.emplace_back(p->text, symbolValue(p->text));
  for (const ValuePtr& l : locals) saved.emplace_back(l->text, symbolValue(l->text));
  struct Restore {
    Interpreter& interp;
    std::vector<std::pair<std::wstring, ValuePtr>>& saved;
    ~Restore() {
      for (auto it = saved.rbegin(); it != saved.rend(); ++it) interp.setSymbolValue(it->first, it->second);
    }
  } restore{*this, saved};
  for (size_t i = 0; i < params.size(); ++i) setSymbolValue(params[i]->text, args[i]);
  for (const ValuePtr& l : locals) setSymbolValue(l->text, nullptr);
  ValuePtr result;
  for (ValuePtr p = function->body; isCons(p); p = p->cdr) result = eval(p->car);
  return result;
}

ValuePtr Interpreter::callExternal(const std::wstring& name, const std::vector<ValuePtr>& args) {
  ExternalCall call;
  call.args = valuesToChain(args);
  ExternalCall* outerCall = call_;
  Interpreter* outer = g_current;
  call_ = &call;
  g_current = this;
  int status = RTERROR;
  try {
    status = external_->invoke(name, *this);
  } catch (...) {
    // An exception from a module never crosses back into LISP code.
    status = RTERROR;
  }
  call_ = outerCall;
  g_current = outer;
  acutRelRb(call.args);
  if (status != RTNORM) throw LispError(L"function cancelled");
  return call.result;
}

}  // namespace lisp
