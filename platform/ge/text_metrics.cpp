#include "ge/text_metrics.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

namespace ge {
namespace {

// Advances of the printable ASCII characters 32..126 (fractions of the height).
constexpr double kAscii[95] = {
    0.50, 0.30, 0.40, 0.65, 0.60, 0.85, 0.70, 0.25, 0.35, 0.35,  //  !"#$%&'()
    0.45, 0.60, 0.30, 0.40, 0.30, 0.40,                          // *+,-./
    0.60, 0.60, 0.60, 0.60, 0.60, 0.60, 0.60, 0.60, 0.60, 0.60,  // 0-9
    0.30, 0.30, 0.60, 0.60, 0.60, 0.55, 0.95,                    // :;<=>?@
    0.70, 0.70, 0.70, 0.72, 0.65, 0.60, 0.75, 0.72, 0.30, 0.50,  // A-J
    0.70, 0.58, 0.85, 0.72, 0.78, 0.66, 0.78, 0.70, 0.65, 0.62,  // K-T
    0.72, 0.68, 0.95, 0.68, 0.66, 0.62,                          // U-Z
    0.35, 0.40, 0.35, 0.50, 0.60, 0.35,                          // [\]^_`
    0.56, 0.58, 0.52, 0.58, 0.56, 0.32, 0.58, 0.58, 0.30, 0.30,  // a-j
    0.52, 0.30, 0.85, 0.58, 0.58, 0.58, 0.58, 0.38, 0.50, 0.35,  // k-t
    0.58, 0.52, 0.78, 0.52, 0.52, 0.50,                          // u-z
    0.38, 0.30, 0.38, 0.60,                                      // {|}~
};

// Advances of the Latin-1 signs 160..191.
constexpr double kLatin1Signs[32] = {
    0.50, 0.30, 0.60, 0.60, 0.60, 0.60, 0.30, 0.55,  // nbsp ¡ ¢ £ ¤ ¥ ¦ §
    0.35, 0.80, 0.40, 0.55, 0.60, 0.40, 0.80, 0.35,  // ¨ © ª « ¬ shy ® ¯
    0.40, 0.60, 0.38, 0.38, 0.35, 0.58, 0.60, 0.30,  // ° ± ² ³ ´ µ ¶ ·
    0.35, 0.38, 0.40, 0.55, 0.90, 0.90, 0.90, 0.55,  // ¸ ¹ º » ¼ ½ ¾ ¿
};

// The Latin-1 letters 192..255 by the ASCII letter whose width they share ('\0': own width).
constexpr char kLatin1Base[64 + 1] =
    "AAAAAA\0CEEEEIIII"   // À..Ï (Æ has its own width)
    "DNOOOOO\0OUUUUYPs"   // Ð..ß (× and ß have their own widths)
    "aaaaaa\0ceeeeiiii"   // à..ï (æ own)
    "dnooooo\0ouuuuypy";  // ð..ÿ (÷ own)

constexpr double kDefaultAdvance = 0.60;

}  // namespace

double characterAdvance(wchar_t c) {
  const unsigned long code = static_cast<unsigned long>(c);
  if (code >= 32 && code <= 126) return kAscii[code - 32];
  if (code >= 160 && code <= 191) return kLatin1Signs[code - 160];
  if (code >= 192 && code <= 255) {
    switch (code) {
      case 0xC6: return 0.95;  // Æ
      case 0xD7: return 0.60;  // ×
      case 0xDF: return 0.60;  // ß
      case 0xE6: return 0.85;  // æ
      case 0xF7: return 0.60;  // ÷
      default: break;
    }
    const char base = kLatin1Base[code - 192];
    if (base != '\0') return kAscii[static_cast<unsigned char>(base) - 32];
  }
  if (code == 0x2205 || code == 0x2300) return 0.70;  // diameter signs
  return kDefaultAdvance;
}

bool hasDescender(wchar_t c) {
  switch (c) {
    case L'g': case L'j': case L'p': case L'q': case L'y':
    case L'\u00E7':  // ç
    case L'\u00FD':  // ý
    case L'\u00FE':  // þ
    case L'\u00FF':  // ÿ
    case L'\u00B5':  // µ
      return true;
    default:
      return false;
  }
}

std::wstring decodeSpecialCodes(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'%' || i + 2 >= text.size() || text[i + 1] != L'%') {
      out.push_back(text[i]);
      continue;
    }
    const wchar_t code = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(text[i + 2])));
    switch (code) {
      case L'd': out.push_back(L'\u00B0'); i += 2; continue;  // degree
      case L'c': out.push_back(L'\u2205'); i += 2; continue;  // diameter
      case L'p': out.push_back(L'\u00B1'); i += 2; continue;  // plus-minus
      case L'%': out.push_back(L'%'); i += 2; continue;
      case L'o': case L'u': i += 2; continue;                 // overline / underline toggles
      default: break;
    }
    if (std::iswdigit(static_cast<wint_t>(code))) {
      // %%nnn: up to three digits giving a character code.
      size_t j = i + 2;
      unsigned value = 0;
      while (j < text.size() && j < i + 5 && std::iswdigit(static_cast<wint_t>(text[j]))) {
        value = value * 10 + static_cast<unsigned>(text[j] - L'0');
        ++j;
      }
      out.push_back(static_cast<wchar_t>(value));
      i = j - 1;
      continue;
    }
    out.push_back(text[i]);  // not a code: the percent sign shows as typed
  }
  return out;
}

double textAdvance(std::wstring_view text, double height, double widthFactor) {
  double sum = 0.0;
  for (wchar_t c : decodeSpecialCodes(text)) sum += characterAdvance(c);
  return sum * height * widthFactor;
}

TextBox textBox(std::wstring_view text, double height, double widthFactor, double obliqueAngle) {
  TextBox box;
  const std::wstring shown = decodeSpecialCodes(text);
  if (shown.empty()) return box;
  double advance = 0.0;
  bool descends = false;
  for (wchar_t c : shown) {
    advance += characterAdvance(c);
    descends = descends || hasDescender(c);
  }
  const double width = advance * height * widthFactor;
  const double bottom = descends ? -kDescentRatio * height : 0.0;
  const double top = height;
  // Obliquing shears the glyphs: x grows by y tan(angle), so the box spans the sheared corners.
  const double shear = std::tan(obliqueAngle);
  const double xs[4] = {bottom * shear, width + bottom * shear, top * shear, width + top * shear};
  box.min.set(*std::min_element(xs, xs + 4), bottom);
  box.max.set(*std::max_element(xs, xs + 4), top);
  return box;
}

}  // namespace ge
