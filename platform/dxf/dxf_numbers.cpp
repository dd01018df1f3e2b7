#include "dxf/dxf_numbers.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "dxf/dxf_tokenizer.h"

namespace dxf {

bool parseReal(std::string_view text, double& value) {
  text = trimBlanks(text);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool parseInteger(std::string_view text, std::int64_t& value) {
  text = trimBlanks(text);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc() && end == text.data() + text.size()) return true;
  double real = 0.0;
  if (!parseReal(text, real) || real != std::floor(real) || std::fabs(real) > 9.0e18) return false;
  value = static_cast<std::int64_t>(real);
  return true;
}

bool parseHandle(std::string_view text, std::uint64_t& value) {
  text = trimBlanks(text);
  value = 0;
  if (text.empty()) return true;
  if (text.size() > 16) return false;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return error == std::errc() && end == text.data() + text.size();
}

bool parseHex(std::string_view text, std::string& bytes) {
  text = trimBlanks(text);
  if (text.size() % 2 != 0) return false;
  bytes.resize(text.size() / 2);
  for (size_t i = 0; i < bytes.size(); ++i) {
    unsigned int byte = 0;
    auto [end, error] = std::from_chars(text.data() + 2 * i, text.data() + 2 * i + 2, byte, 16);
    if (error != std::errc() || end != text.data() + 2 * i + 2) return false;
    bytes[i] = static_cast<char>(byte);
  }
  return true;
}

namespace {

int significantDigits(const char* text, size_t length) {
  int digits = 0;
  bool leading = true;
  for (size_t i = 0; i < length; ++i) {
    char c = text[i];
    if (c == 'e' || c == 'E') break;
    if (c < '0' || c > '9') continue;
    if (leading && c == '0') continue;
    leading = false;
    ++digits;
  }
  return digits;
}

}  // namespace

size_t formatReal(double value, char* buffer, int precision) {
  if (value == 0.0) value = 0.0;  // no "-0.0" in files
  if (!std::isfinite(value)) value = 0.0;
  if (precision < 1 || precision > 17) precision = 16;
  char digits[64];
  double magnitude = std::fabs(value);
  // Fixed notation for the values drawings usually hold, scientific for the others, as the host
  // writes them.
  bool fixed = magnitude == 0.0 || (magnitude >= 1e-6 && magnitude < 1e16);
  auto result = std::to_chars(digits, digits + sizeof digits, value,
                              fixed ? std::chars_format::fixed : std::chars_format::scientific);
  size_t length = static_cast<size_t>(result.ptr - digits);
  if (significantDigits(digits, length) > precision) {
    result = std::to_chars(digits, digits + sizeof digits, value,
                           fixed ? std::chars_format::general : std::chars_format::scientific,
                           fixed ? precision : precision - 1);
    length = static_cast<size_t>(result.ptr - digits);
  }
  // Mantissa and exponent; the mantissa always gets a decimal point and loses the trailing zeros
  // that a fixed precision leaves.
  const char* exponent = static_cast<const char*>(std::memchr(digits, 'e', length));
  size_t mantissaLength = exponent ? static_cast<size_t>(exponent - digits) : length;
  bool hasPoint = std::memchr(digits, '.', mantissaLength) != nullptr;
  if (hasPoint) {
    while (mantissaLength > 1 && digits[mantissaLength - 1] == '0') --mantissaLength;
  }
  std::memcpy(buffer, digits, mantissaLength);
  size_t out = mantissaLength;
  if (!hasPoint) buffer[out++] = '.';
  if (buffer[out - 1] == '.') buffer[out++] = '0';
  if (exponent) {
    size_t exponentLength = static_cast<size_t>(digits + length - exponent);
    std::memcpy(buffer + out, exponent, exponentLength);
    out += exponentLength;
  }
  buffer[out] = '\0';
  return out;
}

std::string formatReal(double value, int precision) {
  char buffer[64];
  size_t length = formatReal(value, buffer, precision);
  return std::string(buffer, length);
}

}  // namespace dxf
