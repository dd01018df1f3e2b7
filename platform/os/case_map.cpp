#include "os/case_map.h"

namespace {

// Latin Extended-A pairs upper/lower on even/odd code points, except in the two runs where the
// pairing is shifted by one (Ĺ..ň and Ź..ž); ı, ĸ, ŉ and ſ have no partner here.
bool upperIsEven(wchar_t c) { return (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177); }
bool upperIsOdd(wchar_t c) { return (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E); }

// Base letters of À..ÿ (0xC0..0xFF), lower case; 0 where the character is not a letter.
constexpr char kLatin1Base[64 + 1] =
    "aaaaaaaceeeeiiii"    // C0..CF
    "dnooooo\0ouuuuyts"   // D0..DF (× is not a letter; Þ is kept as t, ß as s)
    "aaaaaaaceeeeiiii"    // E0..EF
    "dnooooo\0ouuuuyty";  // F0..FF

}  // namespace

wchar_t toUpperLatin(wchar_t c) {
  if (c < 0x80) return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 0x20) : c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 0x20);
  if (c == 0xFF) return 0x178;  // ÿ -> Ÿ
  if (c == 0x131) return L'I';  // dotless ı
  if (upperIsEven(c) && (c & 1)) return static_cast<wchar_t>(c - 1);
  if (upperIsOdd(c) && !(c & 1)) return static_cast<wchar_t>(c - 1);
  return c;
}

wchar_t toLowerLatin(wchar_t c) {
  if (c < 0x80) return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 0x20) : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 0x20);
  if (c == 0x178) return 0xFF;
  if (c == 0x130) return L'i';  // İ has no partner in its run
  if (upperIsEven(c) && !(c & 1)) return static_cast<wchar_t>(c + 1);
  if (upperIsOdd(c) && (c & 1)) return static_cast<wchar_t>(c + 1);
  return c;
}

wchar_t baseLetterLower(wchar_t c) {
  const wchar_t lower = toLowerLatin(c);
  if (lower >= 0xC0 && lower <= 0xFF && kLatin1Base[lower - 0xC0] != 0) {
    return static_cast<wchar_t>(kLatin1Base[lower - 0xC0]);
  }
  switch (lower) {
    case 0x153:
      return L'o';  // œ
    case 0x161:
      return L's';  // š
    case 0x17E:
      return L'z';  // ž
    case 0x142:
      return L'l';  // ł
    default:
      break;
  }
  return lower;
}

std::wstring toUpperLatin(std::wstring_view text) {
  std::wstring result(text);
  for (wchar_t& c : result) c = toUpperLatin(c);
  return result;
}

std::wstring toLowerLatin(std::wstring_view text) {
  std::wstring result(text);
  for (wchar_t& c : result) c = toLowerLatin(c);
  return result;
}
