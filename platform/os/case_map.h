// Letter case of the characters Western European text uses, independent of the C locale (which is
// "C" in the platform, where towupper knows only ASCII): ASCII, Latin-1 and Latin Extended-A
// (œ, š, ž, ł, ő...). Other characters are left as they are.
#pragma once

#include <string>
#include <string_view>

wchar_t toUpperLatin(wchar_t c);
wchar_t toLowerLatin(wchar_t c);
// Whole texts in one case.
std::wstring toUpperLatin(std::wstring_view text);
std::wstring toLowerLatin(std::wstring_view text);
// The letter without its accent, in lower case, for comparisons that ignore accents
// ("É" -> 'e', "œ" -> 'o'); other characters in lower case.
wchar_t baseLetterLower(wchar_t c);
