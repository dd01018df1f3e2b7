// LISP's command and the programming interface's acedCommand/acedCmd: values turned into the
// inputs a user would type, fed to commands through a nested input of the editor.
#include <cstdarg>
#include <cstdio>
#include <deque>
#include <string>

#include "db/dbobject.h"
#include "ed/acedcmd.h"
#include "ed/command_line.h"
#include "ed/editor.h"
#include "lisp/builtins.h"
#include "lisp/reader.h"
#include "rx/cmdrun.h"

namespace {

using lisp::LispError;
using lisp::ValuePtr;

// Numbers as typed: "." whatever the locale, every digit a double holds.
std::wstring typedNumber(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  std::wstring text;
  for (const char* c = buffer; *c != 0; ++c) text.push_back(*c == ',' ? L'.' : static_cast<wchar_t>(*c));
  return text;
}

std::wstring typedPoint(const double* p, bool threeD) {
  std::wstring text = typedNumber(p[0]) + L"," + typedNumber(p[1]);
  if (threeD) text += L"," + typedNumber(p[2]);
  return text;
}

// An entity is given by its handle, as a pick by handle is typed.
std::wstring typedEntity(const AcDbObjectId& id) {
  std::string hex = id.handle().toHex();
  return L"#" + std::wstring(hex.begin(), hex.end());
}

// Runs the commands the inputs spell. The first input names a command; inputs left when it ends
// start the next. Returns RTNORM, RTERROR (unknown command) or RTCAN (a command failed).
int runInputs(std::deque<std::wstring> inputs) {
  ed::Editor& editor = ed::Editor::instance();
  ed::Transcript& out = editor.transcript();
  int status = RTNORM;
  while (!inputs.empty()) {
    std::wstring name = std::move(inputs.front());
    inputs.pop_front();
    if (name.empty()) continue;  // Enter between commands
    const wchar_t* promptText = ed::kCommandPrompt;
    if (out.atLineStart()) ++promptText;
    out.write(std::wstring(promptText) + name + L"\n");
    editor.pushInput(std::move(inputs));
    AcEdCommandOutcome outcome = acedRunCommand(name.c_str());
    inputs = editor.popInput();
    if (!outcome.found) {
      std::wstring message = ed::unknownCommandMessage(name);
      out.write(message + L"\n");
      ed::noteCommandError(message);
      return RTERROR;
    }
    if (!outcome.error.empty()) {
      if (!out.atLineStart()) out.write(L"\n");
      out.write(outcome.error + L"\n");
      ed::noteCommandError(outcome.error);
      status = RTCAN;
    }
  }
  return status;
}

// A LISP value as one input.
void addInput(std::deque<std::wstring>& inputs, const ValuePtr& value) {
  if (!value) return;  // nil gives nothing to type
  switch (value->type) {
    case lisp::Type::kString:
      inputs.push_back(value->text);
      return;
    case lisp::Type::kInt:
      inputs.push_back(std::to_wstring(value->integer));
      return;
    case lisp::Type::kReal:
      inputs.push_back(typedNumber(value->real));
      return;
    case lisp::Type::kEname:
      inputs.push_back(typedEntity(value->id));
      return;
    case lisp::Type::kCons: {
      double p[3] = {0.0, 0.0, 0.0};
      int dim = 2;
      lisp::pointArg(value, p, &dim);
      inputs.push_back(typedPoint(p, dim == 3));
      return;
    }
    case lisp::Type::kSymbol:
      if (value->text == L"T") break;
      [[fallthrough]];
    default:
      break;
  }
  lisp::badArgument(L"lselsetp", value);
}

// (command arg...): nil. Without arguments it cancels what is running, which at the end of an
// expression is nothing.
ValuePtr fnCommand(lisp::Interpreter&, const std::vector<ValuePtr>& args) {
  std::deque<std::wstring> inputs;
  for (const ValuePtr& arg : args) addInput(inputs, arg);
  runInputs(std::move(inputs));
  return nullptr;
}

const bool registered = [] {
  lisp::BuiltinRegistry::instance().add(L"COMMAND", fnCommand);
  return true;
}();

// One resbuf as an input; false for a type that cannot be typed.
bool addInput(std::deque<std::wstring>& inputs, const resbuf& rb) {
  switch (rb.restype) {
    case RTSTR:
      inputs.push_back(rb.resval.rstring ? rb.resval.rstring : L"");
      return true;
    case RTSHORT:
      inputs.push_back(std::to_wstring(rb.resval.rint));
      return true;
    case RTLONG:
      inputs.push_back(std::to_wstring(rb.resval.rlong));
      return true;
    case RTREAL:
    case RTANG:
    case RTORINT:
      inputs.push_back(typedNumber(rb.resval.rreal));
      return true;
    case RTPOINT:
      inputs.push_back(typedPoint(rb.resval.rpoint, false));
      return true;
    case RT3DPOINT:
      inputs.push_back(typedPoint(rb.resval.rpoint, true));
      return true;
    case RTENAME: {
      AcDbObjectId id;
      if (acdbGetObjectId(id, rb.resval.rlname) != Acad::eOk) return false;
      inputs.push_back(typedEntity(id));
      return true;
    }
    case RTNIL:
    case RTNONE:
      return true;
    default:
      return false;
  }
}

}  // namespace

int acedCmd(const resbuf* rbp) {
  std::deque<std::wstring> inputs;
  for (const resbuf* rb = rbp; rb != nullptr; rb = rb->rbnext) {
    if (!addInput(inputs, *rb)) return RTERROR;
  }
  return runInputs(std::move(inputs));
}

int acedCommand(int rtype, ...) {
  std::deque<std::wstring> inputs;
  va_list args;
  va_start(args, rtype);
  bool ok = true;
  for (int type = rtype; type != 0 && type != RTNONE; type = va_arg(args, int)) {
    resbuf rb{};
    rb.restype = static_cast<short>(type);
    switch (type) {
      case RTSTR:
        rb.resval.rstring = const_cast<ACHAR*>(va_arg(args, const ACHAR*));
        break;
      case RTSHORT:
        rb.resval.rint = static_cast<short>(va_arg(args, int));
        break;
      case RTLONG:
        rb.resval.rlong = va_arg(args, int);
        break;
      case RTREAL:
      case RTANG:
      case RTORINT:
        rb.resval.rreal = va_arg(args, double);
        break;
      case RTPOINT:
      case RT3DPOINT: {
        const double* p = va_arg(args, const double*);
        for (int i = 0; i < 3; ++i) rb.resval.rpoint[i] = p ? p[i] : 0.0;
        break;
      }
      case RTENAME: {
        const Adesk::LongPtr* name = va_arg(args, const Adesk::LongPtr*);
        if (name) ads_name_set(name, rb.resval.rlname);
        break;
      }
      default:
        // The type says what the next argument is: one we do not know leaves the rest unreadable.
        ok = false;
        break;
    }
    if (!ok || !addInput(inputs, rb)) {
      ok = false;
      break;
    }
  }
  va_end(args);
  return ok ? runInputs(std::move(inputs)) : RTERROR;
}
