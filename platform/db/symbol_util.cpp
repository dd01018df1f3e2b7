// Helpers for symbol names.
#include "db/symbol_util.h"

#include <algorithm>

#include "db/acdbads.h"
#include "db/acutads.h"
#include "os/case_map.h"

namespace {

// Names compare without case, accented letters included, whatever the C locale.
wchar_t foldChar(wchar_t c) { return toUpperLatin(c); }

}  // namespace

std::wstring foldSymbolName(const std::wstring& name) {
  std::wstring folded(name);
  for (wchar_t& c : folded) c = foldChar(c);
  return folded;
}

bool sameSymbolName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (foldChar(a[i]) != foldChar(b[i])) return false;
  }
  return true;
}

bool isValidSymbolName(const std::wstring& name) {
  if (name.empty()) return false;
  static const std::wstring kForbidden = L"<>/\\\":;?*|,=`";
  for (size_t i = 0; i < name.size(); ++i) {
    if (i == 0 && name[i] == L'*' && name.size() > 1) continue;
    if (kForbidden.find(name[i]) != std::wstring::npos) return false;
  }
  return true;
}

ACHAR* newHostString(const std::wstring& text) { return acutNewString(text.c_str()); }

namespace {
unsigned long long renames = 0;
}

unsigned long long symbolRenameCount() { return renames; }
void noteSymbolRename() { ++renames; }

int acdbSNValid(const ACHAR* name, int pipeAllowed) {
  if (name == nullptr) return RTERROR;
  std::wstring text(name);
  // The bar separates a reference's name from its record's: judged without it when allowed.
  if (pipeAllowed) std::replace(text.begin(), text.end(), L'|', L'_');
  return isValidSymbolName(text) ? RTNORM : RTERROR;
}
