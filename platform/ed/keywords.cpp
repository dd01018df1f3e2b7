#include "ed/keywords.h"

#include <cwctype>

#include "os/case_map.h"

namespace ed {

namespace {

std::wstring upper(const std::wstring& text) { return toUpperLatin(text); }

bool isCapital(wchar_t c) { return toLowerLatin(c) != c; }

}  // namespace

KeywordList parseKeywordList(const std::wstring& text) {
  KeywordList list;
  bool global = false;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && std::iswspace(text[i])) ++i;
    size_t start = i;
    while (i < text.size() && !std::iswspace(text[i])) ++i;
    if (start == i) break;
    std::wstring word = text.substr(start, i - start);
    if (word[0] == L'_') {
      // The first global word carries the underscore that separates the two lists.
      global = true;
      word.erase(0, 1);
      if (word.empty()) continue;
    }
    if (global) {
      list.global.push_back(word);
      continue;
    }
    std::wstring abbreviation;
    if (size_t comma = word.find(L','); comma != std::wstring::npos) {
      abbreviation = word.substr(comma + 1);
      word.erase(comma);
    }
    list.local.push_back(word);
    list.abbreviations.push_back(abbreviation);
  }
  if (!global) list.global = list.local;
  // A global list shorter than the local one leaves the rest global as typed.
  for (size_t k = list.global.size(); k < list.local.size(); ++k) list.global.push_back(list.local[k]);
  return list;
}

bool keywordMatches(const std::wstring& keyword, const std::wstring& typed) {
  if (typed.empty() || typed.size() > keyword.size()) return false;
  std::wstring up = upper(keyword);
  std::wstring in = upper(typed);
  if (in == up) return true;
  size_t leading = 0;
  while (leading < keyword.size() && isCapital(keyword[leading])) ++leading;
  std::wstring capitals;
  for (wchar_t c : keyword)
    if (isCapital(c)) capitals += c;
  if (capitals.empty()) return false;
  if (leading == capitals.size()) return in.size() >= leading && up.compare(0, in.size(), in) == 0;
  return in == capitals;
}

bool keywordMatches(const std::wstring& keyword, const std::wstring& abbreviation,
                    const std::wstring& typed) {
  if (abbreviation.empty()) return keywordMatches(keyword, typed);
  std::wstring up = upper(keyword);
  std::wstring in = upper(typed);
  if (in.empty() || in.size() > up.size()) return in == upper(abbreviation);
  return (in.size() >= abbreviation.size() && up.compare(0, in.size(), in) == 0) ||
         in == upper(abbreviation);
}

std::wstring matchKeyword(const KeywordList& list, const std::wstring& typed) {
  if (typed.empty()) return std::wstring();
  if (typed[0] == L'_') {
    std::wstring rest = typed.substr(1);
    for (const std::wstring& g : list.global)
      if (keywordMatches(g, rest)) return g;
    return std::wstring();
  }
  for (size_t k = 0; k < list.local.size(); ++k)
    if (keywordMatches(list.local[k], list.abbreviations[k], typed)) return list.global[k];
  return std::wstring();
}

}  // namespace ed
