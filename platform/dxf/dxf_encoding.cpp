#include "dxf/dxf_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "os/codepage.h"

namespace dxf {

namespace {

// Windows-1252, the code page of drawings that do not name one, is the platform's ANSI code page.
wchar_t cp1252(unsigned char byte) { return ansiCharToWide(static_cast<char>(byte)); }

bool isAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

int hexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

// Code page names of drawing headers and their iconv names.
std::string iconvNameOf(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (upper == "ANSI_1252" || upper.empty()) return "";
  if (upper.rfind("ANSI_", 0) == 0) {
    std::string number = upper.substr(5);
    if (number == "932") return "CP932";
    if (number == "936") return "GBK";
    if (number == "949") return "CP949";
    if (number == "950") return "BIG5";
    if (number == "1361") return "JOHAB";
    return "CP" + number;
  }
  if (upper.rfind("DOS", 0) == 0) return "CP" + upper.substr(3);
  if (upper.rfind("ISO8859-", 0) == 0) return "ISO-8859-" + upper.substr(8);
  if (upper == "UTF8" || upper == "UTF-8") return "UTF-8";
  return "";
}

bool iconvDecode(const std::string& from, std::string_view bytes, std::wstring& out) {
  iconv_t cd = iconv_open("WCHAR_T", from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::vector<wchar_t> buffer(bytes.size() + 1);
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char* outPtr = reinterpret_cast<char*>(buffer.data());
  size_t outLeft = buffer.size() * sizeof(wchar_t);
  bool ok = true;
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) break;
    if (errno != EILSEQ && errno != EINVAL) {
      ok = false;
      break;
    }
    // A byte the code page does not define: keep it as its Windows-1252 character.
    if (outLeft < sizeof(wchar_t)) break;
    wchar_t replacement = cp1252(static_cast<unsigned char>(*in));
    std::memcpy(outPtr, &replacement, sizeof replacement);
    outPtr += sizeof(wchar_t);
    outLeft -= sizeof(wchar_t);
    ++in;
    --inLeft;
  }
  iconv_close(cd);
  if (!ok) return false;
  out.append(buffer.data(), static_cast<size_t>(reinterpret_cast<wchar_t*>(outPtr) - buffer.data()));
  return true;
}

}  // namespace

void decodeWindows1252(std::string_view bytes, std::wstring& out) {
  out.reserve(out.size() + bytes.size());
  for (char c : bytes) out.push_back(cp1252(static_cast<unsigned char>(c)));
}

void decodeUtf8(std::string_view bytes, std::wstring& out) {
  out.reserve(out.size() + bytes.size());
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const unsigned char* end = p + bytes.size();
  while (p < end) {
    unsigned char c = *p;
    if (c < 0x80) {
      out.push_back(static_cast<wchar_t>(c));
      ++p;
      continue;
    }
    int extra = c >= 0xF0 && c < 0xF5 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 && c < 0xE0 ? 1 : -1;
    if (c >= 0xF5) extra = -1;
    char32_t code = extra == 3 ? (c & 0x07u) : extra == 2 ? (c & 0x0Fu) : (c & 0x1Fu);
    bool valid = extra > 0 && end - p > extra;
    for (int i = 1; valid && i <= extra; ++i) {
      if ((p[i] & 0xC0) != 0x80) valid = false;
      code = (code << 6) | (p[i] & 0x3Fu);
    }
    if (valid && ((extra == 2 && (code < 0x800 || (code >= 0xD800 && code < 0xE000))) ||
                  (extra == 3 && (code < 0x10000 || code > 0x10FFFF)))) {
      valid = false;
    }
    if (!valid) {
      out.push_back(cp1252(c));
      ++p;
      continue;
    }
    out.push_back(static_cast<wchar_t>(code));
    p += extra + 1;
  }
}

void decodeUnicodeEscapes(std::wstring& text) {
  size_t found = text.find(L"\\U+");
  if (found == std::wstring::npos) return;
  std::wstring result;
  result.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == L'\\' && i + 6 < text.size() && text[i + 1] == L'U' && text[i + 2] == L'+') {
      int digits = 0;
      char32_t code = 0;
      while (digits < 4 && i + 3 + static_cast<size_t>(digits) < text.size()) {
        int value = hexDigit(text[i + 3 + static_cast<size_t>(digits)]);
        if (value < 0) break;
        code = (code << 4) | static_cast<char32_t>(value);
        ++digits;
      }
      if (digits == 4) {
        result.push_back(static_cast<wchar_t>(code));
        i += 7;
        continue;
      }
    }
    result.push_back(text[i]);
    ++i;
  }
  text = std::move(result);
}

void DxfTextDecoder::setUtf8() {
  utf8_ = true;
  iconvName_.clear();
}

void DxfTextDecoder::setCodePage(std::string_view name) {
  utf8_ = false;
  iconvName_ = iconvNameOf(name);
  if (iconvName_ == "UTF-8") {
    utf8_ = true;
    iconvName_.clear();
  } else if (!iconvName_.empty()) {
    iconv_t cd = iconv_open("WCHAR_T", iconvName_.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
      iconvName_.clear();
    } else {
      iconv_close(cd);
    }
  }
}

void DxfTextDecoder::decode(std::string_view bytes, std::wstring& out) const {
  out.clear();
  if (isAscii(bytes)) {
    out.assign(bytes.begin(), bytes.end());
  } else if (utf8_) {
    decodeUtf8(bytes, out);
  } else if (iconvName_.empty() || !iconvDecode(iconvName_, bytes, out)) {
    out.clear();
    decodeWindows1252(bytes, out);
  }
  if (!utf8_) decodeUnicodeEscapes(out);
}

std::wstring DxfTextDecoder::decode(std::string_view bytes) const {
  std::wstring out;
  decode(bytes, out);
  return out;
}

void appendUtf8(const wchar_t* text, size_t length, std::string& out) {
  for (size_t i = 0; i < length; ++i) {
    auto code = static_cast<char32_t>(text[i]);
    if (code < 0x80) {
      out.push_back(static_cast<char>(code));
      continue;
    }
    if ((code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) code = 0xFFFD;
    if (code < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    } else if (code < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (code >> 12)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (code >> 18)));
      out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    }
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

void appendUtf8(const std::wstring& text, std::string& out) {
  appendUtf8(text.data(), text.size(), out);
}

std::string toUtf8(const std::wstring& text) {
  std::string out;
  appendUtf8(text, out);
  return out;
}

std::wstring toWide(const std::string& utf8) {
  std::wstring out;
  decodeUtf8(utf8, out);
  return out;
}

}  // namespace dxf
