#include "ed/selection_wildcard.h"

#include <cwctype>
#include <vector>

#include "os/case_map.h"

namespace ed {

namespace {

bool isLetter(wchar_t c) { return toUpperLatin(c) != toLowerLatin(c) || std::iswalpha(c); }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool sameCharacter(wchar_t a, wchar_t b, bool fold) {
  return fold ? toUpperLatin(a) == toUpperLatin(b) : a == b;
}

// A bracket class starting just after "["; end receives the index after "]". An unclosed
// bracket is taken literally.
bool matchClass(const std::wstring& p, size_t start, wchar_t c, size_t& end, bool& closed, bool fold) {
  size_t i = start;
  bool negate = i < p.size() && p[i] == L'~';
  if (negate) ++i;
  bool found = false;
  bool first = true;
  while (i < p.size() && (p[i] != L']' || first)) {
    wchar_t low = p[i];
    if (low == L'`' && i + 1 < p.size()) low = p[++i];
    wchar_t high = low;
    if (i + 2 < p.size() && p[i + 1] == L'-' && p[i + 2] != L']') {
      high = p[i + 2];
      i += 2;
    }
    wchar_t uc = toUpperLatin(c);
    if ((c >= low && c <= high) || (fold && uc >= toUpperLatin(low) && uc <= toUpperLatin(high)))
      found = true;
    ++i;
    first = false;
  }
  closed = i < p.size();
  end = i + 1;
  return negate ? !found : found;
}

// One alternative, without its "~". Backtracking over "*" only, as patterns are short.
bool matchOne(const std::wstring& t, size_t ti, const std::wstring& p, size_t pi, bool fold) {
  while (pi < p.size()) {
    wchar_t pc = p[pi];
    if (pc == L'*') {
      while (pi < p.size() && p[pi] == L'*') ++pi;
      if (pi == p.size()) return true;
      for (size_t k = ti; k <= t.size(); ++k)
        if (matchOne(t, k, p, pi, fold)) return true;
      return false;
    }
    if (ti >= t.size()) return false;
    wchar_t c = t[ti];
    switch (pc) {
      case L'?':
        break;
      case L'#':
        if (!isDigit(c)) return false;
        break;
      case L'@':
        if (!isLetter(c)) return false;
        break;
      case L'.':
        if (isLetter(c) || isDigit(c)) return false;
        break;
      case L'[': {
        size_t end = 0;
        bool closed = false;
        bool ok = matchClass(p, pi + 1, c, end, closed, fold);
        if (closed) {
          if (!ok) return false;
          pi = end;
          ++ti;
          continue;
        }
        if (c != L'[') return false;
        break;
      }
      case L'`':
        if (pi + 1 < p.size()) ++pi;
        if (!sameCharacter(c, p[pi], fold)) return false;
        break;
      default:
        if (!sameCharacter(c, pc, fold)) return false;
    }
    ++pi;
    ++ti;
  }
  return ti == t.size();
}

// The alternatives of a pattern: commas split it, except escaped ones and those inside brackets.
std::vector<std::wstring> alternatives(const std::wstring& pattern) {
  std::vector<std::wstring> parts(1);
  bool inBracket = false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    wchar_t c = pattern[i];
    if (c == L'`' && i + 1 < pattern.size()) {
      parts.back() += c;
      parts.back() += pattern[++i];
      continue;
    }
    if (c == L'[') inBracket = true;
    if (c == L']') inBracket = false;
    if (c == L',' && !inBracket) {
      parts.emplace_back();
      continue;
    }
    parts.back() += c;
  }
  return parts;
}

}  // namespace

bool matchesWildcard(const std::wstring& text, const std::wstring& pattern, bool ignoreCase) {
  for (const std::wstring& part : alternatives(pattern)) {
    bool negate = !part.empty() && part[0] == L'~';
    bool matched = matchOne(text, 0, part, negate ? 1 : 0, ignoreCase);
    if (matched != negate) return true;
  }
  return false;
}

}  // namespace ed
