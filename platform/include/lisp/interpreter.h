// The LISP interpreter of one document: its symbols, the evaluation of forms, and the points where
// the rest of the system plugs in (built-in functions, functions defined by loaded modules, the
// output of princ/prompt/print).
#pragma once
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/adsdef.h"
#include "lisp/value.h"

class AcDbDatabase;

namespace lisp {

// An evaluation error. The message is the host's, without the "; error: " prefix.
class LispError : public std::runtime_error {
 public:
  explicit LispError(const std::wstring& message);
  const std::wstring& message() const { return message_; }

 private:
  std::wstring message_;
};

// Where princ, prin1, print, prompt and terpri write. The editor's transcript replaces the default,
// which writes to standard output.
class OutputSink {
 public:
  virtual ~OutputSink() = default;
  virtual void write(const std::wstring& text) = 0;
};

// Functions that loaded modules define with acedDefun. The module layer answers whether a name is
// one of them and runs it; the arguments are in the interpreter's current call (acedGetArgs) and
// the function's result is what it gave with acedRetXxx. invoke returns RTNORM or an error code.
class ExternalFunctionHandler {
 public:
  virtual ~ExternalFunctionHandler() = default;
  virtual bool isDefined(const std::wstring& upperName) const = 0;
  virtual int invoke(const std::wstring& upperName, Interpreter& interp) = 0;
};

// The built-in functions every interpreter starts with. Other areas of the platform add theirs
// (the editor's getpoint, ssget…) before interpreters are created.
class BuiltinRegistry {
 public:
  struct Entry {
    std::wstring name;
    BuiltinFn builtin = nullptr;
    SpecialFn special = nullptr;
  };
  static BuiltinRegistry& instance();
  void add(const std::wstring& name, BuiltinFn fn);
  void addSpecial(const std::wstring& name, SpecialFn fn);
  const std::map<std::wstring, Entry>& entries() const { return entries_; }

 private:
  BuiltinRegistry();
  std::map<std::wstring, Entry> entries_;
};

// What evaluating a text gave: the value of the last expression, or the error message. When the
// program defines *error*, that function receives the message (without the prefix) and error is
// left empty unless *error* itself fails.
struct EvalResult {
  bool ok = true;
  ValuePtr value;
  std::wstring error;  // the host's message, e.g. "; error: divide by zero"
};

class EntmakeSequence;

class Interpreter {
 public:
  Interpreter();
  ~Interpreter();
  Interpreter(const Interpreter&) = delete;
  Interpreter& operator=(const Interpreter&) = delete;

  // Reads and evaluates every expression of the text; stops at the first error.
  EvalResult evaluate(const std::wstring& source);
  // evaluate, then the result as the command line shows it (prin1 form) or the error message.
  std::wstring evaluateToText(const std::wstring& source);

  // Evaluation; throws LispError.
  ValuePtr eval(const ValuePtr& form);
  ValuePtr apply(const ValuePtr& function, const std::vector<ValuePtr>& args);

  // Global symbol values (names case-insensitive). Unbound symbols are nil.
  ValuePtr symbolValue(const std::wstring& name) const;
  void setSymbolValue(const std::wstring& name, ValuePtr value);

  void setOutput(OutputSink* sink) { output_ = sink; }
  void write(const std::wstring& text);
  void setExternalHandler(ExternalFunctionHandler* handler) { external_ = handler; }

  // The drawing entget/entmake… work on; the working database when none is set.
  void setDatabase(AcDbDatabase* database) { database_ = database; }
  AcDbDatabase* database() const;

  // Defaults of rtos and angtos (the drawing's LUNITS, LUPREC, AUNITS, AUPREC).
  struct UnitSettings {
    int lunits = 2;
    int luprec = 4;
    int aunits = 0;
    int auprec = 0;
  };
  const UnitSettings& units() const { return units_; }
  void setUnits(const UnitSettings& units) { units_ = units; }

  // The call of an external function in progress: its arguments, and the result it gives.
  struct ExternalCall {
    resbuf* args = nullptr;
    ValuePtr result;
  };
  ExternalCall* currentCall() { return call_; }
  // The interpreter running an external function, for acedGetArgs and acedRetXxx.
  static Interpreter* current();

  // The complex entity entmake is building over several calls (a block definition, an entity
  // with attributes or vertices).
  EntmakeSequence& entmakeSequence();

  // A bound on the forms one evaluate() may evaluate (0: none). Past it the evaluation ends in the
  // LISP error "evaluation limit reached", as a user's cancel would end it; callers that run
  // untrusted text unattended set it.
  void setEvaluationLimit(long long forms) { evaluationLimit_ = forms; }

 private:
  ValuePtr callExternal(const std::wstring& name, const std::vector<ValuePtr>& args);
  ValuePtr applyUser(const ValuePtr& function, const std::vector<ValuePtr>& args);

  std::map<std::wstring, ValuePtr> globals_;
  OutputSink* output_ = nullptr;
  ExternalFunctionHandler* external_ = nullptr;
  AcDbDatabase* database_ = nullptr;
  UnitSettings units_;
  ExternalCall* call_ = nullptr;
  int depth_ = 0;
  long long evaluationLimit_ = 0;
  long long evaluated_ = 0;
  std::unique_ptr<EntmakeSequence> entmakeSequence_;
};

// Raises the host's "bad argument type" error for a value that failed the named test.
[[noreturn]] void badArgument(const wchar_t* predicate, const ValuePtr& value);
[[noreturn]] void tooFewArguments();
[[noreturn]] void tooManyArguments();
void checkArgCount(const std::vector<ValuePtr>& args, size_t min, size_t max);

}  // namespace lisp
