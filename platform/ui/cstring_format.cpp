#include "ui/cstring_format.h"

#include <locale.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string_view>

#include "os/codepage.h"

namespace {

// The "C" locale for the duration of one format, so that a user's locale never turns the decimal
// point into a comma in drawing data.
class CNumericLocale {
 public:
  CNumericLocale() : previous_(uselocale(cLocale())) {}
  ~CNumericLocale() { uselocale(previous_); }
  CNumericLocale(const CNumericLocale&) = delete;
  CNumericLocale& operator=(const CNumericLocale&) = delete;

 private:
  static locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
  }
  locale_t previous_;
};

enum class Size { Default, Char, Short, Long32, Long64, Pointer, LongDouble, Narrow, Wide };

struct FieldFormat {
  std::string flags;
  int width = -1;
  int precision = -1;
  Size size = Size::Default;
  bool leftAlign() const { return flags.find('-') != std::string::npos; }
};

template <typename Char>
std::basic_string<Char> widenAscii(std::string_view text) {
  return std::basic_string<Char>(text.begin(), text.end());
}

// Formats one number with the C library, which is trusted for the digits, from a narrow field format.
template <typename T>
std::string formatNumber(const FieldFormat& field, const char* length, char conversion, T value) {
  std::string format = "%" + field.flags;
  if (field.width >= 0) format += std::to_string(field.width);
  if (field.precision >= 0) format += "." + std::to_string(field.precision);
  format += length;
  format += conversion;
  char small[128];
  const int needed = std::snprintf(small, sizeof small, format.c_str(), value);
  if (needed < 0) return {};
  if (static_cast<size_t>(needed) < sizeof small) return std::string(small, needed);
  std::string big(static_cast<size_t>(needed) + 1, '\0');
  std::snprintf(big.data(), big.size(), format.c_str(), value);
  big.resize(static_cast<size_t>(needed));
  return big;
}

template <typename Char>
void appendPadded(std::basic_string<Char>& out, const FieldFormat& field,
                  std::basic_string_view<Char> text) {
  const size_t width = field.width > 0 ? static_cast<size_t>(field.width) : 0;
  const size_t padding = width > text.size() ? width - text.size() : 0;
  if (!field.leftAlign()) out.append(padding, static_cast<Char>(' '));
  out.append(text);
  if (field.leftAlign()) out.append(padding, static_cast<Char>(' '));
}

// Text of a %s argument in the output's width.
template <typename Char>
std::basic_string<Char> stringArgument(bool wideArgument, const void* pointer);

template <>
std::basic_string<wchar_t> stringArgument<wchar_t>(bool wideArgument, const void* pointer) {
  if (!pointer) return L"(null)";
  if (wideArgument) return static_cast<const wchar_t*>(pointer);
  return ansiToWide(static_cast<const char*>(pointer));
}

template <>
std::basic_string<char> stringArgument<char>(bool wideArgument, const void* pointer) {
  if (!pointer) return "(null)";
  if (wideArgument) return wideToAnsi(static_cast<const wchar_t*>(pointer));
  return static_cast<const char*>(pointer);
}

template <typename Char>
Char charArgument(bool wideArgument, int value) {
  if constexpr (sizeof(Char) == 1) {
    if (!wideArgument) return static_cast<Char>(value);
    const int byte = wideCharToAnsi(static_cast<wchar_t>(value));
    return static_cast<Char>(byte < 0 ? '?' : byte);
  } else {
    if (wideArgument) return static_cast<Char>(value);
    return ansiCharToWide(static_cast<char>(value));
  }
}

template <typename Char>
bool isDigit(Char c) {
  return c >= static_cast<Char>('0') && c <= static_cast<Char>('9');
}

// Reads the size prefix of a conversion: h, hh, l, ll, L, w, I, I32, I64, j, z, t.
template <typename Char>
Size readSize(const Char*& p) {
  const auto at = [&](const char* text) {
    for (size_t k = 0; text[k]; ++k) {
      if (p[k] != static_cast<Char>(text[k])) return false;
    }
    p += std::strlen(text);
    return true;
  };
  if (at("I64") || at("ll") || at("j")) return Size::Long64;
  if (at("I32")) return Size::Long32;
  if (at("hh")) return Size::Char;
  if (at("h")) return Size::Short;
  // long is 32 bits on the host; %ld is therefore read as int, which is what the caller passed.
  if (at("l") || at("w")) return Size::Long32;
  if (at("L")) return Size::LongDouble;
  if (at("I") || at("z") || at("t")) return Size::Pointer;
  return Size::Default;
}

}  // namespace

template <typename Char>
void appendFormatted(std::basic_string<Char>& out, const Char* format, va_list incoming) {
  if (!format) return;
  va_list args;
  va_copy(args, incoming);
  CNumericLocale numbersWithPoint;
  constexpr bool wideFormat = sizeof(Char) != 1;
  const Char* p = format;
  while (*p) {
    if (*p != static_cast<Char>('%')) {
      out += *p++;
      continue;
    }
    const Char* start = p++;
    if (*p == static_cast<Char>('%')) {
      out += *p++;
      continue;
    }
    FieldFormat field;
    while (*p && *p < 0x80 && std::strchr("-+ #0", static_cast<int>(*p))) {
      field.flags += static_cast<char>(*p++);
    }
    if (*p == static_cast<Char>('*')) {
      field.width = va_arg(args, int);
      if (field.width < 0) {
        field.flags += '-';
        field.width = -field.width;
      }
      ++p;
    } else {
      while (isDigit(*p)) field.width = (field.width < 0 ? 0 : field.width * 10) + (*p++ - '0');
    }
    if (*p == static_cast<Char>('.')) {
      ++p;
      field.precision = 0;
      if (*p == static_cast<Char>('*')) {
        field.precision = va_arg(args, int);
        ++p;
      } else {
        while (isDigit(*p)) field.precision = field.precision * 10 + (*p++ - '0');
      }
    }
    const Size size = readSize(p);
    const Char conversion = *p;
    if (!conversion) {
      out.append(start, p);  // an unfinished conversion is kept as written
      break;
    }
    ++p;
    switch (static_cast<int>(conversion)) {
      case 'd':
      case 'i': {
        long long value = 0;
        if (size == Size::Long64)
          value = va_arg(args, long long);
        else if (size == Size::Pointer)
          value = va_arg(args, std::intptr_t);
        else
          value = va_arg(args, int);
        if (size == Size::Short) value = static_cast<short>(value);
        if (size == Size::Char) value = static_cast<signed char>(value);
        out += widenAscii<Char>(formatNumber(field, "ll", 'd', value));
        break;
      }
      case 'u':
      case 'o':
      case 'x':
      case 'X': {
        unsigned long long value = 0;
        if (size == Size::Long64)
          value = va_arg(args, unsigned long long);
        else if (size == Size::Pointer)
          value = va_arg(args, std::uintptr_t);
        else
          value = va_arg(args, unsigned);
        if (size == Size::Short) value = static_cast<unsigned short>(value);
        if (size == Size::Char) value = static_cast<unsigned char>(value);
        out += widenAscii<Char>(formatNumber(field, "ll", static_cast<char>(conversion), value));
        break;
      }
      case 'f':
      case 'F':
      case 'e':
      case 'E':
      case 'g':
      case 'G':
      case 'a':
      case 'A': {
        const char c = static_cast<char>(conversion);
        if (size == Size::LongDouble) {
          out += widenAscii<Char>(formatNumber(field, "L", c, va_arg(args, long double)));
        } else {
          out += widenAscii<Char>(formatNumber(field, "", c, va_arg(args, double)));
        }
        break;
      }
      case 'c':
      case 'C': {
        const bool sameWidth = conversion == static_cast<Char>('c');
        bool wideArgument = sameWidth ? wideFormat : !wideFormat;
        if (size == Size::Short) wideArgument = false;
        if (size == Size::Long32) wideArgument = true;
        const Char ch = charArgument<Char>(wideArgument, va_arg(args, int));
        appendPadded<Char>(out, field, std::basic_string_view<Char>(&ch, 1));
        break;
      }
      case 's':
      case 'S': {
        const bool sameWidth = conversion == static_cast<Char>('s');
        bool wideArgument = sameWidth ? wideFormat : !wideFormat;
        if (size == Size::Short) wideArgument = false;
        if (size == Size::Long32) wideArgument = true;
        std::basic_string<Char> text =
            stringArgument<Char>(wideArgument, va_arg(args, const void*));
        if (field.precision >= 0 && text.size() > static_cast<size_t>(field.precision)) {
          text.resize(static_cast<size_t>(field.precision));
        }
        appendPadded<Char>(out, field, text);
        break;
      }
      case 'p': {
        // The host prints a pointer as zero-padded upper-case hexadecimal.
        FieldFormat pointerSpec;
        pointerSpec.flags = "0";
        pointerSpec.width = static_cast<int>(sizeof(void*) * 2);
        const auto value = reinterpret_cast<std::uintptr_t>(va_arg(args, void*));
        out += widenAscii<Char>(
            formatNumber(pointerSpec, "ll", 'X', static_cast<unsigned long long>(value)));
        break;
      }
      case 'n':
        // Disabled by the host's runtime for safety; the argument is consumed and ignored.
        (void)va_arg(args, void*);
        break;
      default:
        out.append(start, p);  // not a conversion: kept as written
        break;
    }
  }
  va_end(args);
}

template void appendFormatted<char>(std::string&, const char*, va_list);
template void appendFormatted<wchar_t>(std::wstring&, const wchar_t*, va_list);
