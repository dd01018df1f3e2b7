// printf-style formatting with the host runtime's conventions, for both string widths.
#pragma once
#include <cstdarg>
#include <string>

// Appends the formatted text to out. In a wide format %s/%c are wide and %S/%C narrow; in a narrow
// format the other way round. Narrow text is converted through the ANSI code page. Numbers are
// written in the "C" locale.
template <typename Char>
void appendFormatted(std::basic_string<Char>& out, const Char* format, va_list args);
