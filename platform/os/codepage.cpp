#include "os/codepage.h"

#include <cstring>

#include "os/winerror.h"

namespace {

// Windows-1252 bytes 0x80-0x9F. The five bytes the code page leaves undefined (81, 8D, 8F, 90, 9D)
// map to the control characters of the same value, as Windows converts them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr wchar_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at text[i]; advances i; returns -1 for an invalid sequence (i then
// moves past the first byte only, so that the next valid character is kept).
long decodeUtf8At(std::string_view text, size_t& i) {
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  int extra = 0;
  long cp = 0;
  long minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return -1;
  }
  if (i + extra >= text.size()) {
    ++i;
    return -1;
  }
  for (int k = 1; k <= extra; ++k) {
    const unsigned char c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0) != 0x80) {
      ++i;
      return -1;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not characters.
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return -1;
  }
  i += extra + 1;
  return cp;
}

void appendUtf8Char(unsigned long cp, std::string& out) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool isAnsiCodePage(UINT codePage) {
  return codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP ||
         codePage == 1252;
}

// Copies a converted string into the caller's buffer with the Windows size rules.
template <typename Char>
int deliver(const std::basic_string<Char>& converted, Char* buffer, int bufferLength) {
  const int needed = static_cast<int>(converted.size());
  if (bufferLength == 0) return needed;
  if (needed > bufferLength) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(buffer, converted.data(), converted.size() * sizeof(Char));
  return needed;
}

}  // namespace

wchar_t ansiCharToWide(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  if (byte >= 0x80 && byte < 0xA0) return static_cast<wchar_t>(kCp1252High[byte - 0x80]);
  return static_cast<wchar_t>(byte);
}

int wideCharToAnsi(wchar_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int k = 0; k < 32; ++k) {
    if (static_cast<wchar_t>(kCp1252High[k]) == c) return 0x80 + k;
  }
  return -1;
}

std::wstring ansiToWide(std::string_view ansi) {
  std::wstring out;
  out.reserve(ansi.size());
  for (char c : ansi) out += ansiCharToWide(c);
  return out;
}

std::string wideToAnsi(std::wstring_view wide, bool* usedDefault) {
  std::string out;
  out.reserve(wide.size());
  bool replaced = false;
  for (wchar_t c : wide) {
    const int byte = wideCharToAnsi(c);
    if (byte < 0) {
      out += '?';
      replaced = true;
    } else {
      out += static_cast<char>(byte);
    }
  }
  if (usedDefault) *usedDefault = replaced;
  return out;
}

std::wstring utf8ToWide(std::string_view utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    const long cp = decodeUtf8At(utf8, i);
    out += cp < 0 ? kReplacement : static_cast<wchar_t>(cp);
  }
  return out;
}

std::string wideToUtf8(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size());
  for (wchar_t c : wide) appendUtf8Char(static_cast<unsigned long>(c), out);
  return out;
}

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int multiByteLength,
                        LPWSTR wide, int wideLength) {
  if (!multiByte || multiByteLength == 0 || multiByteLength < -1 || wideLength < 0 ||
      (wideLength > 0 && !wide)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const size_t length =
      multiByteLength == -1 ? std::strlen(multiByte) + 1 : static_cast<size_t>(multiByteLength);
  const std::string_view text(multiByte, length);
  std::wstring converted;
  if (isAnsiCodePage(codePage)) {
    converted = ansiToWide(text);
  } else if (codePage == CP_UTF8) {
    size_t i = 0;
    while (i < text.size()) {
      const long cp = decodeUtf8At(text, i);
      if (cp < 0 && (flags & MB_ERR_INVALID_CHARS)) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
      }
      converted += cp < 0 ? kReplacement : static_cast<wchar_t>(cp);
    }
  } else {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return deliver(converted, wide, wideLength);
}

int WideCharToMultiByte(UINT codePage, DWORD /*flags*/, LPCWSTR wide, int wideLength,
                        LPSTR multiByte, int multiByteLength, LPCSTR defaultChar,
                        LPBOOL usedDefaultChar) {
  if (!wide || wideLength == 0 || wideLength < -1 || multiByteLength < 0 ||
      (multiByteLength > 0 && !multiByte)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const size_t length = wideLength == -1 ? std::wcslen(wide) + 1 : static_cast<size_t>(wideLength);
  const std::wstring_view text(wide, length);
  std::string converted;
  if (isAnsiCodePage(codePage)) {
    const char replacement = defaultChar && *defaultChar ? *defaultChar : '?';
    bool replaced = false;
    for (wchar_t c : text) {
      const int byte = wideCharToAnsi(c);
      replaced = replaced || byte < 0;
      converted += byte < 0 ? replacement : static_cast<char>(byte);
    }
    if (usedDefaultChar) *usedDefaultChar = replaced ? TRUE : FALSE;
  } else if (codePage == CP_UTF8) {
    // Windows refuses a default character for UTF-8: every character has a form there.
    if (defaultChar || usedDefaultChar) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
    converted = wideToUtf8(text);
  } else {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return deliver(converted, multiByte, multiByteLength);
}
