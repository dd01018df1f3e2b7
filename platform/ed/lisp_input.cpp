// The LISP side of the command line: getvar/setvar, initget and the get… functions, added to the
// built-in registry so every interpreter has them.
#include <cstdlib>

#include "db/acutads.h"
#include "ed/aced.h"
#include "lisp/builtins.h"
#include "lisp/reader.h"
#include "lisp/resbuf_convert.h"

namespace {

using lisp::Interpreter;
using lisp::LispError;
using lisp::ValuePtr;
typedef std::vector<ValuePtr> Args;

[[noreturn]] void cancelled() { throw LispError(L"Function cancelled"); }

bool isString(const ValuePtr& v) { return v && v->type == lisp::Type::kString; }

// Optional leading point and optional message, in that order; either may be left out.
struct PointAndMessage {
  bool hasPoint = false;
  ads_point point = {0.0, 0.0, 0.0};
  std::wstring message;
  bool hasMessage = false;
};

PointAndMessage pointAndMessage(const Args& a) {
  lisp::checkArgCount(a, 0, 2);
  PointAndMessage result;
  size_t i = 0;
  if (i < a.size() && !isString(a[i])) {
    if (a[i]) {
      lisp::pointArg(a[i], result.point);
      result.hasPoint = true;
    }
    ++i;
  }
  if (i < a.size()) {
    result.message = lisp::stringArg(a[i]);
    result.hasMessage = true;
    ++i;
  }
  if (i < a.size()) lisp::tooManyArguments();
  return result;
}

const ACHAR* messageOf(const PointAndMessage& pm) { return pm.hasMessage ? pm.message.c_str() : nullptr; }

const ACHAR* onlyMessage(const Args& a, std::wstring& holder) {
  lisp::checkArgCount(a, 0, 1);
  if (a.empty()) return nullptr;
  holder = lisp::stringArg(a[0]);
  return holder.c_str();
}

ValuePtr keywordResult() {
  ACHAR text[kAcedGetStringBufferLength];
  acedGetInput(text);
  return lisp::makeString(text);
}

// The common ending of the get… functions: the value, nil on Enter, the keyword, or a cancel.
template <typename MakeValue>
ValuePtr finish(int code, MakeValue makeValue) {
  switch (code) {
    case RTNORM: return makeValue();
    case RTNONE: return nullptr;
    case RTKWORD: return keywordResult();
    case RTCAN: cancelled();
    default: throw LispError(L"Function cancelled");
  }
}

ValuePtr pointValue(const ads_point p) {
  return lisp::makeList({lisp::makeReal(p[0]), lisp::makeReal(p[1]), lisp::makeReal(p[2])});
}

ValuePtr fnGetpoint(Interpreter&, const Args& a) {
  PointAndMessage pm = pointAndMessage(a);
  ads_point result;
  int code = acedGetPoint(pm.hasPoint ? pm.point : nullptr, messageOf(pm), result);
  return finish(code, [&] { return pointValue(result); });
}

ValuePtr fnGetcorner(Interpreter&, const Args& a) {
  PointAndMessage pm = pointAndMessage(a);
  ads_point result;
  int code = acedGetCorner(pm.hasPoint ? pm.point : nullptr, messageOf(pm), result);
  return finish(code, [&] { return pointValue(result); });
}

template <int (*Get)(const ads_point, const ACHAR*, ads_real*)>
ValuePtr measure(Interpreter&, const Args& a) {
  PointAndMessage pm = pointAndMessage(a);
  ads_real result = 0.0;
  int code = Get(pm.hasPoint ? pm.point : nullptr, messageOf(pm), &result);
  return finish(code, [&] { return lisp::makeReal(result); });
}

ValuePtr fnGetint(Interpreter&, const Args& a) {
  std::wstring holder;
  int result = 0;
  int code = acedGetInt(onlyMessage(a, holder), &result);
  return finish(code, [&] { return lisp::makeInt(result); });
}

ValuePtr fnGetreal(Interpreter&, const Args& a) {
  std::wstring holder;
  ads_real result = 0.0;
  int code = acedGetReal(onlyMessage(a, holder), &result);
  return finish(code, [&] { return lisp::makeReal(result); });
}

ValuePtr fnGetstring(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 0, 2);
  bool blanks = false;
  std::wstring message;
  const ACHAR* prompt = nullptr;
  size_t i = 0;
  if (i < a.size() && !isString(a[i])) blanks = a[i++] != nullptr;
  if (i < a.size()) {
    message = lisp::stringArg(a[i++]);
    prompt = message.c_str();
  }
  if (i < a.size()) lisp::tooManyArguments();
  std::vector<ACHAR> buffer(kAcedGetStringBufferLength);
  int code = acedGetString(blanks ? 1 : 0, prompt, buffer.data(), buffer.size());
  if (code == RTCAN) cancelled();
  return lisp::makeString(buffer.data());
}

ValuePtr fnGetkword(Interpreter&, const Args& a) {
  std::wstring holder;
  std::vector<ACHAR> buffer(kAcedGetStringBufferLength);
  int code = acedGetKword(onlyMessage(a, holder), buffer.data(), buffer.size());
  if (code == RTCAN) cancelled();
  if (code == RTNONE) return nullptr;
  return lisp::makeString(buffer.data());
}

ValuePtr fnInitget(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 0, 2);
  int flags = 0;
  std::wstring keywords;
  size_t i = 0;
  if (i < a.size() && !isString(a[i])) flags = lisp::intArg(a[i++]);
  if (i < a.size()) keywords = lisp::stringArg(a[i++]);
  if (i < a.size()) lisp::tooManyArguments();
  acedInitGet(flags, keywords.c_str());
  return nullptr;
}

ValuePtr fnGetvar(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 1, 1);
  resbuf value{};
  if (acedGetVar(lisp::stringArg(a[0]).c_str(), &value) != RTNORM) return nullptr;
  std::vector<ValuePtr> values = lisp::chainToValues(&value);
  if (value.restype == RTSTR) std::free(value.resval.rstring);
  return values.empty() ? nullptr : values[0];
}

int shortVar(const wchar_t* name, int fallback) {
  resbuf value{};
  return acedGetVar(name, &value) == RTNORM && value.restype == RTSHORT ? value.resval.rint : fallback;
}

// rtos and angtos default to the drawing's units: keep the interpreter's copy in step.
void refreshUnits(Interpreter& interp) {
  Interpreter::UnitSettings units = interp.units();
  units.lunits = shortVar(L"LUNITS", units.lunits);
  units.luprec = shortVar(L"LUPREC", units.luprec);
  units.aunits = shortVar(L"AUNITS", units.aunits);
  units.auprec = shortVar(L"AUPREC", units.auprec);
  interp.setUnits(units);
}

ValuePtr fnSetvar(Interpreter& interp, const Args& a) {
  lisp::checkArgCount(a, 2, 2);
  const std::wstring& name = lisp::stringArg(a[0]);
  resbuf* chain = lisp::valuesToChain({a[1]});
  int code = chain ? acedSetVar(name.c_str(), chain) : RTERROR;
  acutRelRb(chain);
  if (code != RTNORM)
    throw LispError(L"variable setting rejected: \"" + name + L"\" " + lisp::printValue(a[1], true));
  refreshUnits(interp);
  return a[1];
}

const bool registered = [] {
  lisp::BuiltinRegistry& r = lisp::BuiltinRegistry::instance();
  r.add(L"GETVAR", fnGetvar);
  r.add(L"SETVAR", fnSetvar);
  r.add(L"INITGET", fnInitget);
  r.add(L"GETPOINT", fnGetpoint);
  r.add(L"GETCORNER", fnGetcorner);
  r.add(L"GETDIST", measure<acedGetDist>);
  r.add(L"GETANGLE", measure<acedGetAngle>);
  r.add(L"GETORIENT", measure<acedGetOrient>);
  r.add(L"GETINT", fnGetint);
  r.add(L"GETREAL", fnGetreal);
  r.add(L"GETSTRING", fnGetstring);
  r.add(L"GETKWORD", fnGetkword);
  return true;
}();

}  // namespace
