// Arithmetic, comparison and geometry. Integers are 32-bit and wrap on overflow as the host's do;
// an operation on integers only gives an integer (so (/ 7 2) is 3), any real makes it real.
#include <algorithm>
#include <cmath>

#include "lisp/builtins.h"

namespace lisp {

namespace {

typedef std::vector<ValuePtr> Args;

// Every argument is checked to be a number before any is used, so that (* 1.5 nil) is a bad
// argument and not a read through nil.
bool allInts(const Args& a) {
  bool ints = true;
  for (const ValuePtr& v : a) {
    numberArg(v);
    ints = ints && v->type == Type::kInt;
  }
  return ints;
}

Adesk::Int32 wrap(Adesk::Int64 value) {
  return static_cast<Adesk::Int32>(static_cast<Adesk::UInt32>(static_cast<Adesk::UInt64>(value)));
}

ValuePtr fnAdd(Interpreter&, const Args& a) {
  if (allInts(a)) {
    Adesk::Int32 sum = 0;
    for (const ValuePtr& v : a) sum = wrap(Adesk::Int64(sum) + v->integer);
    return makeInt(sum);
  }
  double sum = 0.0;
  for (const ValuePtr& v : a) sum += numberOf(v);
  return makeReal(sum);
}

ValuePtr fnMultiply(Interpreter&, const Args& a) {
  if (a.empty()) return makeInt(0);
  if (allInts(a)) {
    Adesk::Int32 product = 1;
    for (const ValuePtr& v : a) product = wrap(Adesk::Int64(product) * v->integer);
    return makeInt(product);
  }
  double product = 1.0;
  for (const ValuePtr& v : a) product *= numberOf(v);
  return makeReal(product);
}

ValuePtr fnSubtract(Interpreter&, const Args& a) {
  if (a.empty()) return makeInt(0);
  if (allInts(a)) {
    if (a.size() == 1) return makeInt(wrap(-Adesk::Int64(a[0]->integer)));
    Adesk::Int32 result = a[0]->integer;
    for (size_t i = 1; i < a.size(); ++i) result = wrap(Adesk::Int64(result) - a[i]->integer);
    return makeInt(result);
  }
  if (a.size() == 1) return makeReal(-numberOf(a[0]));
  double result = numberOf(a[0]);
  for (size_t i = 1; i < a.size(); ++i) result -= numberOf(a[i]);
  return makeReal(result);
}

ValuePtr fnDivide(Interpreter&, const Args& a) {
  if (a.empty()) return makeInt(0);
  bool ints = allInts(a);
  if (a.size() == 1) return a[0];
  if (ints) {
    Adesk::Int32 result = a[0]->integer;
    for (size_t i = 1; i < a.size(); ++i) {
      if (a[i]->integer == 0) throw LispError(L"divide by zero");
      result = wrap(Adesk::Int64(result) / a[i]->integer);
    }
    return makeInt(result);
  }
  double result = numberOf(a[0]);
  for (size_t i = 1; i < a.size(); ++i) {
    if (numberOf(a[i]) == 0.0) throw LispError(L"divide by zero");
    result /= numberOf(a[i]);
  }
  return makeReal(result);
}

ValuePtr fnRem(Interpreter&, const Args& a) {
  checkArgCount(a, 1, SIZE_MAX);
  bool ints = allInts(a);
  if (ints) {
    Adesk::Int32 result = a[0]->integer;
    for (size_t i = 1; i < a.size(); ++i) {
      if (a[i]->integer == 0) throw LispError(L"divide by zero");
      result = wrap(Adesk::Int64(result) % a[i]->integer);
    }
    return makeInt(result);
  }
  double result = numberOf(a[0]);
  for (size_t i = 1; i < a.size(); ++i) {
    if (numberOf(a[i]) == 0.0) throw LispError(L"divide by zero");
    result = std::fmod(result, numberOf(a[i]));
  }
  return makeReal(result);
}

ValuePtr fnOnePlus(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  numberArg(a[0]);
  if (a[0]->type == Type::kInt) return makeInt(wrap(Adesk::Int64(a[0]->integer) + 1));
  return makeReal(a[0]->real + 1.0);
}

ValuePtr fnOneMinus(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  numberArg(a[0]);
  if (a[0]->type == Type::kInt) return makeInt(wrap(Adesk::Int64(a[0]->integer) - 1));
  return makeReal(a[0]->real - 1.0);
}

ValuePtr fnAbs(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  numberArg(a[0]);
  if (a[0]->type == Type::kInt) return makeInt(wrap(std::llabs(Adesk::Int64(a[0]->integer))));
  return makeReal(std::fabs(a[0]->real));
}

ValuePtr extremum(const Args& a, bool wantMax) {
  checkArgCount(a, 1, SIZE_MAX);
  bool ints = allInts(a);
  double best = numberOf(a[0]);
  for (const ValuePtr& v : a) best = wantMax ? std::max(best, numberOf(v)) : std::min(best, numberOf(v));
  return ints ? makeInt(static_cast<Adesk::Int32>(best)) : makeReal(best);
}
ValuePtr fnMax(Interpreter&, const Args& a) { return extremum(a, true); }
ValuePtr fnMin(Interpreter&, const Args& a) { return extremum(a, false); }

[[noreturn]] void undefinedFor(const ValuePtr& v) {
  throw LispError(L"function undefined for argument: " + (v->type == Type::kInt
                                                               ? std::to_wstring(v->integer)
                                                               : std::to_wstring(v->real)));
}

ValuePtr fnSqrt(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  double x = numberArg(a[0]);
  if (x < 0.0) undefinedFor(a[0]);
  return makeReal(std::sqrt(x));
}

ValuePtr fnSin(Interpreter&, const Args& a) { checkArgCount(a, 1, 1); return makeReal(std::sin(numberArg(a[0]))); }
ValuePtr fnCos(Interpreter&, const Args& a) { checkArgCount(a, 1, 1); return makeReal(std::cos(numberArg(a[0]))); }
ValuePtr fnExp(Interpreter&, const Args& a) { checkArgCount(a, 1, 1); return makeReal(std::exp(numberArg(a[0]))); }

ValuePtr fnAtan(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 2);
  double y = numberArg(a[0]);
  if (a.size() == 1) return makeReal(std::atan(y));
  return makeReal(std::atan2(y, numberArg(a[1])));
}

ValuePtr fnLog(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  double x = numberArg(a[0]);
  if (x <= 0.0) undefinedFor(a[0]);
  return makeReal(std::log(x));
}

ValuePtr fnExpt(Interpreter&, const Args& a) {
  checkArgCount(a, 2, 2);
  if (allInts(a) && a[1]->integer >= 0) {
    // By squaring, wrapping as repeated products would: a large exponent costs 31 steps.
    Adesk::Int32 result = 1, base = a[0]->integer;
    for (Adesk::Int32 e = a[1]->integer; e > 0; e >>= 1) {
      if (e & 1) result = wrap(Adesk::Int64(result) * base);
      base = wrap(Adesk::Int64(base) * base);
    }
    return makeInt(result);
  }
  return makeReal(std::pow(numberOf(a[0]), numberOf(a[1])));
}

ValuePtr fnFix(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  double x = numberArg(a[0]);
  if (a[0]->type == Type::kInt) return a[0];
  double t = std::trunc(x);
  // Beyond the integer range the host keeps a real.
  if (t < -2147483648.0 || t > 2147483647.0) return makeReal(t);
  return makeInt(static_cast<Adesk::Int32>(t));
}

ValuePtr fnFloat(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return makeReal(numberArg(a[0]));
}

// Comparison of numbers with numbers, strings with strings.
int compare(const ValuePtr& x, const ValuePtr& y) {
  if (x && y && x->type == Type::kString && y->type == Type::kString)
    return x->text < y->text ? -1 : (x->text > y->text ? 1 : 0);
  double dx = numberArg(x), dy = numberArg(y);
  return dx < dy ? -1 : (dx > dy ? 1 : 0);
}

template <bool (*Test)(int)>
ValuePtr compareChain(const Args& a) {
  checkArgCount(a, 1, SIZE_MAX);
  bool result = true;
  for (size_t i = 1; i < a.size(); ++i)
    if (!Test(compare(a[i - 1], a[i]))) result = false;
  if (a.size() == 1) compare(a[0], a[0]);
  return boolValue(result);
}
bool isEq(int c) { return c == 0; }
bool isNe(int c) { return c != 0; }
bool isLt(int c) { return c < 0; }
bool isGt(int c) { return c > 0; }
bool isLe(int c) { return c <= 0; }
bool isGe(int c) { return c >= 0; }
ValuePtr fnEqNum(Interpreter&, const Args& a) { return compareChain<isEq>(a); }
ValuePtr fnNeNum(Interpreter&, const Args& a) { return compareChain<isNe>(a); }
ValuePtr fnLt(Interpreter&, const Args& a) { return compareChain<isLt>(a); }
ValuePtr fnGt(Interpreter&, const Args& a) { return compareChain<isGt>(a); }
ValuePtr fnLe(Interpreter&, const Args& a) { return compareChain<isLe>(a); }
ValuePtr fnGe(Interpreter&, const Args& a) { return compareChain<isGe>(a); }

ValuePtr fnMinusp(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return boolValue(numberArg(a[0]) < 0.0);
}
ValuePtr fnZerop(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return boolValue(numberArg(a[0]) == 0.0);
}

// Geometry: distance is in 3D unless either point has two coordinates; angle is measured in the
// XY plane from the X axis, counter-clockwise, in [0, 2π) radians.
ValuePtr fnDistance(Interpreter&, const Args& a) {
  checkArgCount(a, 2, 2);
  double p[3], q[3];
  int dp = 3, dq = 3;
  pointArg(a[0], p, &dp);
  pointArg(a[1], q, &dq);
  double dz = (dp == 2 || dq == 2) ? 0.0 : q[2] - p[2];
  return makeReal(std::sqrt((q[0] - p[0]) * (q[0] - p[0]) + (q[1] - p[1]) * (q[1] - p[1]) + dz * dz));
}

ValuePtr fnAngle(Interpreter&, const Args& a) {
  checkArgCount(a, 2, 2);
  double p[3], q[3];
  pointArg(a[0], p);
  pointArg(a[1], q);
  double angle = std::atan2(q[1] - p[1], q[0] - p[0]);
  if (angle < 0.0) angle += 2.0 * M_PI;
  return makeReal(angle);
}

ValuePtr fnPolar(Interpreter&, const Args& a) {
  checkArgCount(a, 3, 3);
  double p[3];
  int dim = 3;
  pointArg(a[0], p, &dim);
  double angle = numberArg(a[1]), distance = numberArg(a[2]);
  std::vector<ValuePtr> out = {makeReal(p[0] + distance * std::cos(angle)),
                               makeReal(p[1] + distance * std::sin(angle))};
  if (dim == 3) out.push_back(makeReal(p[2]));
  return makeList(out);
}

}  // namespace

void registerMathFunctions(BuiltinRegistry& r) {
  r.add(L"+", fnAdd);
  r.add(L"-", fnSubtract);
  r.add(L"*", fnMultiply);
  r.add(L"/", fnDivide);
  r.add(L"rem", fnRem);
  r.add(L"1+", fnOnePlus);
  r.add(L"1-", fnOneMinus);
  r.add(L"abs", fnAbs);
  r.add(L"max", fnMax);
  r.add(L"min", fnMin);
  r.add(L"sqrt", fnSqrt);
  r.add(L"sin", fnSin);
  r.add(L"cos", fnCos);
  r.add(L"atan", fnAtan);
  r.add(L"exp", fnExp);
  r.add(L"log", fnLog);
  r.add(L"expt", fnExpt);
  r.add(L"fix", fnFix);
  r.add(L"float", fnFloat);
  r.add(L"=", fnEqNum);
  r.add(L"/=", fnNeNum);
  r.add(L"<", fnLt);
  r.add(L">", fnGt);
  r.add(L"<=", fnLe);
  r.add(L">=", fnGe);
  r.add(L"minusp", fnMinusp);
  r.add(L"zerop", fnZerop);
  r.add(L"distance", fnDistance);
  r.add(L"angle", fnAngle);
  r.add(L"polar", fnPolar);
}

}  // namespace lisp
