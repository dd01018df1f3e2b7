// Numbers and handles as drawing files write them: C locale whatever the process locale, reals in
// the shortest form that reads back, always with a decimal point.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dxf {

// Blanks around the text are allowed. False when the text is not a number.
bool parseReal(std::string_view text, double& value);
// Integers; an integral real ("1.0") is accepted too, as some programs write them so.
bool parseInteger(std::string_view text, std::int64_t& value);
// Hex handle ("1F"); "" and "0" give 0.
bool parseHandle(std::string_view text, std::uint64_t& value);
// Hex text to bytes (even number of hex digits).
bool parseHex(std::string_view text, std::string& bytes);

// Writes a real into buffer (at least 32 chars) and returns its length: the shortest text that
// reads back the same value when it fits in `precision` significant digits, else `precision`
// digits; always with a decimal point ("0.0", "1.5", "1.0e+20").
size_t formatReal(double value, char* buffer, int precision = 16);
std::string formatReal(double value, int precision = 16);

}  // namespace dxf
