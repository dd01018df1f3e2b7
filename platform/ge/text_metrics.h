// Text metrics of the platform's single proportional font, shared by text extents and the
// renderer. Glyphs stand on the baseline (y = 0) and rise to the cap height, which is the text
// height; g, j, p, q, y (and their accented forms) descend to a quarter of the height below it.
// Each character advances by its own width, a fixed fraction of the height.
#pragma once
#include <string>
#include <string_view>

#include "ge/gepnt2d.h"

namespace ge {

inline constexpr double kDescentRatio = 0.25;  // depth of descenders / text height

// The advance width of a character as a fraction of the text height.
double characterAdvance(wchar_t c);
// Whether the character's glyph goes below the baseline.
bool hasDescender(wchar_t c);

// The characters displayed for a text string: the control codes %%d (degree sign), %%c (diameter
// sign), %%p (plus-minus sign), %%% (percent sign) and %%nnn (the character of decimal code nnn)
// each become one character; the overline and underline toggles %%o and %%u show nothing. Codes
// are not case-sensitive.
std::wstring decodeSpecialCodes(std::wstring_view text);

struct TextBox {
  AcGePoint2d min;  // lower left, in the text's own axes (insertion point at the origin)
  AcGePoint2d max;  // upper right
};

// The box of a single-line text in its own axes, the insertion point on the baseline at the
// origin, X along the baseline: height (drawing units), widthFactor (1 = normal width),
// obliqueAngle (radians from the vertical, positive leaning forward). An empty text gives an
// empty box at the origin.
TextBox textBox(std::wstring_view text, double height, double widthFactor = 1.0,
                double obliqueAngle = 0.0);
// The advance of the whole text along its baseline (drawing units).
double textAdvance(std::wstring_view text, double height, double widthFactor = 1.0);

}  // namespace ge
