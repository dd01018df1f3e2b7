// Internal: keyword lists of acedInitGet and the matching of typed text against them.
#pragma once
#include <string>
#include <vector>

namespace ed {

struct KeywordList {
  std::vector<std::wstring> local;   // what the user sees and types
  std::vector<std::wstring> global;  // what the program receives (same as local without "_")
  // The abbreviation given after a comma ("LTYPE,LT"), else empty: the capitals decide.
  std::vector<std::wstring> abbreviations;
};

// "Oui Non" or "Oui Non _Yes No": the part after the "_" word gives the global names, in order.
// A local word may carry its abbreviation after a comma ("LTYPE,LT").
KeywordList parseKeywordList(const std::wstring& text);

// True when typed is a way to enter keyword. The capital letters of the keyword are its
// abbreviation: when they lead the word ("LType"), any prefix at least as long as them is accepted;
// otherwise ("eXit") the capitals alone or the whole word. A keyword without capitals must be typed
// in full. Case does not matter.
bool keywordMatches(const std::wstring& keyword, const std::wstring& typed);
// The same with an explicit abbreviation: it or any longer prefix of the keyword.
bool keywordMatches(const std::wstring& keyword, const std::wstring& abbreviation,
                    const std::wstring& typed);

// The global keyword that typed stands for, or empty. "_Yes" picks the global "Yes" directly.
std::wstring matchKeyword(const KeywordList& list, const std::wstring& typed);

}  // namespace ed
