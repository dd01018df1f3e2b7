// Reading and printing LISP text.
#pragma once
#include <string>
#include <vector>

#include "lisp/value.h"

namespace lisp {

// Reads every expression of the text; throws LispError on malformed input.
std::vector<ValuePtr> readAll(const std::wstring& text);
// Reads the first expression (nil for an empty text).
ValuePtr readFirst(const std::wstring& text);

// The printed form: prin1 quotes and escapes strings, princ writes them as they are.
std::wstring printValue(const ValuePtr& value, bool escape);
// A real as the host prints it: six significant digits, always with a decimal point.
std::wstring formatReal(double value);

}  // namespace lisp
