// Internal: the host's wild-card patterns, as selection filters use them for names and texts.
#pragma once
#include <string>

namespace ed {

// True when text matches pattern. A pattern is a comma-separated list of alternatives; in each,
// "*" any run of characters, "?" one character, "#" one digit, "@" one letter, "." one character
// that is neither letter nor digit, "[...]" one of the characters or ranges given ("[~...]" none of
// them), "`" takes the next character literally, and a leading "~" negates the alternative.
// Selection filters compare letters without regard to case; the LISP's wcmatch with it.
bool matchesWildcard(const std::wstring& text, const std::wstring& pattern, bool ignoreCase = true);

}  // namespace ed
