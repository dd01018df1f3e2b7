// Results of external functions: each acedRetXxx sets the value the LISP call gives back.
#include "lisp/acedads.h"

#include "db/dbobject.h"
#include "lisp/interpreter.h"
#include "lisp/resbuf_convert.h"

namespace {

// RTERROR outside an external function call, as the host refuses these calls then.
int setResult(lisp::ValuePtr value) {
  lisp::Interpreter* interp = lisp::Interpreter::current();
  if (interp == nullptr || interp->currentCall() == nullptr) return RTERROR;
  interp->currentCall()->result = std::move(value);
  return RTNORM;
}

}  // namespace

resbuf* acedGetArgs() {
  lisp::Interpreter* interp = lisp::Interpreter::current();
  if (interp == nullptr || interp->currentCall() == nullptr) return nullptr;
  return interp->currentCall()->args;
}

int acedRetInt(int value) { return setResult(lisp::makeInt(value)); }
int acedRetReal(ads_real value) { return setResult(lisp::makeReal(value)); }
int acedRetStr(const ACHAR* text) { return setResult(lisp::makeString(text ? text : L"")); }

int acedRetPoint(const ads_point point) {
  return setResult(lisp::makeList(
      {lisp::makeReal(point[0]), lisp::makeReal(point[1]), lisp::makeReal(point[2])}));
}

int acedRetName(const ads_name name, int type) {
  if (type != RTENAME && type != RTPICKS) return RTERROR;
  if (type == RTPICKS) return setResult(lisp::makePickset(name[0]));
  AcDbObjectId id;
  acdbGetObjectId(id, name);
  return setResult(lisp::makeEname(id));
}

int acedRetList(const resbuf* chain) {
  try {
    return setResult(lisp::chainToList(chain));
  } catch (const lisp::LispError&) {
    return RTERROR;
  }
}

int acedRetVal(const resbuf* value) {
  if (value == nullptr) return RTERROR;
  try {
    std::vector<lisp::ValuePtr> values = lisp::chainToValues(value);
    return setResult(values.empty() ? nullptr : values.front());
  } catch (const lisp::LispError&) {
    return RTERROR;
  }
}

int acedRetNil() { return setResult(nullptr); }
int acedRetT() { return setResult(lisp::makeT()); }
int acedRetVoid() { return setResult(nullptr); }
