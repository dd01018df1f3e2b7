// Printed forms of values, as the host's command line shows them.
#include <cmath>
#include <cstdio>
#include <vector>

#include "db/adsdef.h"
#include "db/dbobject.h"
#include "lisp/reader.h"

namespace lisp {

std::wstring formatReal(double value) {
  if (std::isnan(value)) return L"-1.#IND";
  if (std::isinf(value)) return value > 0 ? L"1.#INF" : L"-1.#INF";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  std::string text(buffer);
  size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  if (mantissa.find('.') == std::string::npos) mantissa += ".0";
  if (e != std::string::npos) mantissa += text.substr(e);
  return std::wstring(mantissa.begin(), mantissa.end());
}

namespace {

std::wstring escapeString(const std::wstring& text) {
  std::wstring out = L"\"";
  for (wchar_t c : text) {
    switch (c) {
      case L'"': out += L"\\\""; break;
      case L'\\': out += L"\\\\"; break;
      case L'\n': out += L"\\n"; break;
      case L'\t': out += L"\\t"; break;
      case L'\r': out += L"\\r"; break;
      case L'\x1b': out += L"\\e"; break;
      default: out += c;
    }
  }
  return out + L"\"";
}

std::wstring hexOf(unsigned long long value) {
  wchar_t buffer[32];
  std::swprintf(buffer, 32, L"%llx", value);
  return buffer;
}

// Lists are printed from a work list of the lists being printed, so that a list nested a hundred
// thousand deep prints as any other.
std::wstring printList(const ValuePtr& list, bool escape) {
  std::wstring out = L"(";
  std::vector<ValuePtr> open = {list};  // the rest of each list being printed
  bool first = true;
  while (!open.empty()) {
    ValuePtr& rest = open.back();
    if (!isCons(rest)) {
      if (rest) out += L" . " + printValue(rest, escape);
      out += L')';
      open.pop_back();
      first = false;
      continue;
    }
    ValuePtr item = rest->car;
    rest = rest->cdr;
    if (!first) out += L' ';
    first = false;
    if (isCons(item)) {
      out += L'(';
      open.push_back(item);
      first = true;
    } else {
      out += printValue(item, escape);
    }
  }
  return out;
}

}  // namespace

std::wstring printValue(const ValuePtr& value, bool escape) {
  if (!value) return L"nil";
  switch (value->type) {
    case Type::kInt:
      return std::to_wstring(value->integer);
    case Type::kReal:
      return formatReal(value->real);
    case Type::kString:
      return escape ? escapeString(value->text) : value->text;
    case Type::kSymbol:
      return value->text;
    case Type::kEname: {
      ads_name name = {0, 0};
      acdbGetAdsName(name, value->id);
      return L"<Entity name: " + hexOf(static_cast<unsigned long long>(name[0])) + L">";
    }
    case Type::kPickset:
      return L"<Selection set: " + hexOf(static_cast<unsigned long long>(value->pickset)) + L">";
    case Type::kSubr:
      return L"#<SUBR @" + hexOf(reinterpret_cast<uintptr_t>(value.get())) + L" " + value->text +
             L">";
    case Type::kUsubr:
      return L"#<USUBR @" + hexOf(reinterpret_cast<uintptr_t>(value.get())) + L" " +
             (value->text.empty() ? std::wstring(L"-lambda-") : value->text) + L">";
    case Type::kCons:
      return printList(value, escape);
  }
  return L"";
}

}  // namespace lisp
