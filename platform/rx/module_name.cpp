#include <string>

#include "os/case_map.h"
#include "rx/rxdlinkr.h"

namespace {

std::wstring lastComponent(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool acrxSameModuleName(const std::wstring& a, const std::wstring& b) {
  std::wstring x = lastComponent(a);
  std::wstring y = lastComponent(b);
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i) {
    if (toUpperLatin(x[i]) != toUpperLatin(y[i])) return false;
  }
  return true;
}
