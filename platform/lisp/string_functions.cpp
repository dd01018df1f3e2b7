// String functions and the conversions of numbers and angles to text.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwctype>

#include "lisp/builtins.h"

namespace lisp {

namespace {

typedef std::vector<ValuePtr> Args;

std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c < 128) ? static_cast<char>(c) : '?';
  return out;
}

std::wstring widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

ValuePtr fnStrcat(Interpreter&, const Args& a) {
  std::wstring out;
  for (const ValuePtr& v : a) out += stringArg(v);
  return makeString(out);
}

ValuePtr fnStrlen(Interpreter&, const Args& a) {
  size_t length = 0;
  for (const ValuePtr& v : a) length += stringArg(v).size();
  return makeInt(static_cast<Adesk::Int32>(length));
}

// substr counts characters from 1.
ValuePtr fnSubstr(Interpreter&, const Args& a) {
  checkArgCount(a, 2, 3);
  const std::wstring& text = stringArg(a[0]);
  Adesk::Int32 start = intArg(a[1]);
  if (start < 1) badArgument(L"positive integer", a[1]);
  if (a.size() == 3 && intArg(a[2]) < 0) badArgument(L"positive integer", a[2]);
  size_t from = static_cast<size_t>(start - 1);
  if (from >= text.size()) return makeString(L"");
  size_t count = a.size() == 3 ? static_cast<size_t>(a[2]->integer) : std::wstring::npos;
  return makeString(text.substr(from, count));
}

ValuePtr fnStrcase(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 2);
  std::wstring text = stringArg(a[0]);
  bool lower = a.size() == 2 && a[1];
  for (wchar_t& c : text)
    c = static_cast<wchar_t>(lower ? std::towlower(c) : std::towupper(c));
  return makeString(text);
}

ValuePtr fnItoa(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return makeString(std::to_wstring(intArg(a[0])));
}

ValuePtr fnAtoi(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  long long value = std::strtoll(narrow(stringArg(a[0])).c_str(), nullptr, 10);
  return makeInt(static_cast<Adesk::Int32>(value));
}

ValuePtr fnAtof(Interpreter&, const Args& a) {
  checkArgCount(a, 1, 1);
  return makeReal(std::strtod(narrow(stringArg(a[0])).c_str(), nullptr));
}

int optionalInt(const Args& a, size_t index, int fallback) {
  if (a.size() <= index || !a[index]) return fallback;
  return intArg(a[index]);
}

std::string fixed(double value, int precision) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
  std::string text(buffer);
  if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);
  return text;
}

// Units of rtos: 1 scientific, 2 decimal. The others (engineering, architectural, fractional)
// are not provided yet and are reported as errors rather than formatted wrongly.
ValuePtr fnRtos(Interpreter& interp, const Args& a) {
  checkArgCount(a, 1, 3);
  double value = numberArg(a[0]);
  int mode = optionalInt(a, 1, interp.units().lunits);
  int precision = optionalInt(a, 2, interp.units().luprec);
  if (precision < 0 || precision > 15) badArgument(L"precision", a[2]);
  if (mode == 1) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*E", precision, value);
    return makeString(widen(buffer));
  }
  if (mode == 2) return makeString(widen(fixed(value, precision)));
  throw LispError(L"rtos: unit mode not supported: " + std::to_wstring(mode));
}

// Angle units of angtos: 0 degrees, 1 degrees/minutes/seconds, 2 grads, 3 radians. The angle is
// reduced to [0, 2π) first.
ValuePtr fnAngtos(Interpreter& interp, const Args& a) {
  checkArgCount(a, 1, 3);
  double angle = std::fmod(numberArg(a[0]), 2.0 * M_PI);
  if (angle < 0.0) angle += 2.0 * M_PI;
  int mode = optionalInt(a, 1, interp.units().aunits);
  int precision = optionalInt(a, 2, interp.units().auprec);
  if (precision < 0 || precision > 8) badArgument(L"precision", a[2]);
  auto reduced = [&](double full, const char* suffix) {
    double value = angle * full / (2.0 * M_PI);
    std::string text = fixed(value, precision);
    if (std::atof(text.c_str()) >= full) text = fixed(0.0, precision);
    return makeString(widen(text + suffix));
  };
  switch (mode) {
    case 0:
      return reduced(360.0, "");
    case 2:
      return reduced(400.0, "g");
    case 3:
      return reduced(2.0 * M_PI, "r");
    case 1: {
      // Precision 0 shows degrees, 1-2 adds minutes, 3-4 seconds, beyond that decimal seconds.
      double degrees = angle * 180.0 / M_PI;
      long totalSeconds = std::lround(degrees * 3600.0 * std::pow(10.0, std::max(0, precision - 4)));
      double scale = std::pow(10.0, std::max(0, precision - 4));
      double seconds = std::fmod(totalSeconds / scale, 60.0);
      long whole = static_cast<long>(std::floor(totalSeconds / scale));
      long d = (whole / 3600) % 360, m = (whole / 60) % 60;
      char buffer[96];
      if (precision == 0) {
        std::snprintf(buffer, sizeof buffer, "%ldd", std::lround(degrees) % 360);
      } else if (precision <= 2) {
        long minutes = std::lround(degrees * 60.0);
        std::snprintf(buffer, sizeof buffer, "%ldd%ld'", (minutes / 60) % 360, minutes % 60);
      } else if (precision <= 4) {
        std::snprintf(buffer, sizeof buffer, "%ldd%ld'%ld\"", d, m, std::lround(std::floor(seconds)));
      } else {
        std::snprintf(buffer, sizeof buffer, "%ldd%ld'%.*f\"", d, m, precision - 4, seconds);
      }
      return makeString(widen(buffer));
    }
    default:
      throw LispError(L"angtos: unit mode not supported: " + std::to_wstring(mode));
  }
}

}  // namespace

void registerStringFunctions(BuiltinRegistry& r) {
  r.add(L"strcat", fnStrcat);
  r.add(L"strlen", fnStrlen);
  r.add(L"substr", fnSubstr);
  r.add(L"strcase", fnStrcase);
  r.add(L"itoa", fnItoa);
  r.add(L"atoi", fnAtoi);
  r.add(L"atof", fnAtof);
  r.add(L"rtos", fnRtos);
  r.add(L"angtos", fnAngtos);
}

}  // namespace lisp
