#include "ge/text_metrics.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "ge_test_util.h"

using ge::textBox;

TEST(TextMetrics, BoxesOfKnownStrings) {
  // Digits advance 0.6 of the height; no descender: from the baseline to the cap height.
  ge::TextBox box = textBox(L"123", 2.0);
  EXPECT_PT2(box.min, 0, 0, 1e-12);
  EXPECT_PT2(box.max, 3.6, 2.0, 1e-12);
  // W is wide, i narrow; "py" descends a quarter of the height.
  EXPECT_NEAR(textBox(L"Wi", 1.0).max.x, 0.95 + 0.3, 1e-12);
  box = textBox(L"py", 4.0);
  EXPECT_PT2(box.min, 0, -1.0, 1e-12);
  EXPECT_PT2(box.max, 4.0 * (0.58 + 0.52), 4.0, 1e-12);
  // Accented letters measure as their base letters.
  EXPECT_NEAR(textBox(L"\u00E9t\u00E9", 1.0).max.x, textBox(L"ete", 1.0).max.x, 1e-12);
  // A width factor stretches along the baseline only.
  box = textBox(L"A B", 1.0, 0.5);
  EXPECT_NEAR(box.max.x, 0.5 * (0.70 + 0.5 + 0.70), 1e-12);
  EXPECT_NEAR(box.max.y, 1.0, 1e-12);
  // An empty text has an empty box.
  box = textBox(L"", 3.0);
  EXPECT_PT2(box.min, 0, 0, 0);
  EXPECT_PT2(box.max, 0, 0, 0);
}

TEST(TextMetrics, ObliqueTextLeansItsBox) {
  const double angle = std::numbers::pi / 4;  // tan = 1
  ge::TextBox box = textBox(L"11", 1.0, 1.0, angle);
  EXPECT_NEAR(box.min.x, 0.0, 1e-12);
  EXPECT_NEAR(box.max.x, 1.2 + 1.0, 1e-12);  // the top leans one height forward
  // Descenders lean backwards below the baseline.
  box = textBox(L"g", 1.0, 1.0, angle);
  EXPECT_NEAR(box.min.x, -0.25, 1e-12);
  box = textBox(L"1", 1.0, 1.0, -angle);
  EXPECT_NEAR(box.min.x, -1.0, 1e-12);
  EXPECT_NEAR(box.max.x, 0.6, 1e-12);
}

TEST(TextMetrics, ControlCodesCountAsOneCharacter) {
  EXPECT_EQ(ge::decodeSpecialCodes(L"45%%d"), L"45\u00B0");
  EXPECT_EQ(ge::decodeSpecialCodes(L"%%C200"), L"\u2205" L"200");
  EXPECT_EQ(ge::decodeSpecialCodes(L"%%p0.05"), L"\u00B1" L"0.05");
  EXPECT_EQ(ge::decodeSpecialCodes(L"100%%%"), L"100%");
  EXPECT_EQ(ge::decodeSpecialCodes(L"%%176"), L"\u00B0");
  EXPECT_EQ(ge::decodeSpecialCodes(L"%%uNorth%%u"), L"North");
  EXPECT_EQ(ge::decodeSpecialCodes(L"50% off"), L"50% off");
  // The degree sign has its own width, once.
  EXPECT_NEAR(ge::textAdvance(L"1%%d", 1.0), 0.6 + ge::characterAdvance(L'\u00B0'), 1e-12);
  EXPECT_NEAR(ge::textAdvance(L"%%%", 2.0), 2.0 * 0.85, 1e-12);
}
