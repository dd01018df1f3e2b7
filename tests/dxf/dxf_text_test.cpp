// The text layer of drawing files: tokens, numbers and encodings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "dxf/dxf_encoding.h"
#include "dxf/dxf_error.h"
#include "dxf/dxf_numbers.h"
#include "dxf/dxf_tokenizer.h"

using dxf::DxfReadError;
using dxf::DxfToken;
using dxf::DxfTokenizer;

namespace {

std::vector<DxfToken> tokenize(std::string_view text) {
  DxfTokenizer tokenizer(text);
  std::vector<DxfToken> tokens;
  DxfToken token;
  while (tokenizer.next(token)) tokens.push_back(token);
  return tokens;
}

// The error a text gives, or a status of eOk when it reads.
DxfReadError tokenizeError(std::string_view text) {
  try {
    tokenize(text);
  } catch (const DxfReadError& error) {
    return error;
  }
  return DxfReadError(Acad::eOk, 0, "");
}

}  // namespace

TEST(DxfTokenizer, AcceptsLineEndingsBlanksAndAMissingFinalNewline) {
  for (std::string_view text : {"  0\nSECTION\n  2\nHEADER\n", "  0\r\nSECTION\r\n  2\r\nHEADER\r\n",
                                "0\nSECTION\n\t2  \nHEADER", "\xEF\xBB\xBF  0\nSECTION\n2\nHEADER\n"}) {
    std::vector<DxfToken> tokens = tokenize(text);
    ASSERT_EQ(tokens.size(), 2u) << text;
    EXPECT_EQ(tokens[0].code, 0);
    EXPECT_EQ(tokens[0].value, "SECTION");
    EXPECT_EQ(tokens[1].code, 2);
    EXPECT_EQ(tokens[1].value, "HEADER");
    EXPECT_EQ(tokens[1].line, 3);
  }
}

TEST(DxfTokenizer, KeepsBlanksInsideTextValuesAndSkipsComments) {
  std::vector<DxfToken> tokens = tokenize("999\nwritten by hand\n  1\n  two words  \n  1\n\n");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].value, "  two words  ");
  EXPECT_EQ(tokens[0].line, 3);
  EXPECT_EQ(tokens[1].value, "");
}

TEST(DxfTokenizer, PushBackGivesTheSamePairAgain) {
  DxfTokenizer tokenizer("  0\nLINE\n  8\n0\n");
  DxfToken first, again, second;
  ASSERT_TRUE(tokenizer.next(first));
  tokenizer.pushBack();
  ASSERT_TRUE(tokenizer.next(again));
  EXPECT_EQ(again.value, first.value);
  ASSERT_TRUE(tokenizer.next(second));
  EXPECT_EQ(second.code, 8);
  EXPECT_FALSE(tokenizer.next(second));
}

TEST(DxfTokenizer, NamesTheLineOfAnOddCodeOrAMissingValue) {
  DxfReadError odd = tokenizeError("  0\nSECTION\nab\nHEADER\n");
  EXPECT_EQ(odd.status(), Acad::eInvalidDxfCode);
  EXPECT_EQ(odd.line(), 3);
  EXPECT_NE(odd.detail().find("\"ab\""), std::string::npos);

  EXPECT_EQ(tokenizeError("  0\nSECTION\n1 0\nX\n").status(), Acad::eInvalidDxfCode);
  EXPECT_EQ(tokenizeError("  0\nSECTION\n\n  2\nX\n").status(), Acad::eInvalidDxfCode);
  EXPECT_EQ(tokenizeError("  0\nEOF\n\n").status(), Acad::eOk);  // blank lines at the end

  DxfReadError truncated = tokenizeError("  0\nSECTION\n  2\n");
  EXPECT_EQ(truncated.status(), Acad::eDxfReadAborted);
  EXPECT_EQ(truncated.line(), 3);
}

TEST(DxfNumbers, RealsAreShortestAndReadBackExactly) {
  const double values[] = {0.0,   1.5,    -2.0,  0.1,       1.0 / 3.0, 0.7071067811865475,
                           1e20,  -1e-7,  1e-300, 123456.789, 2e15,     6378137.000123,
                           1e308, 4.9e-324};
  for (double value : values) {
    std::string text = dxf::formatReal(value);
    EXPECT_NE(text.find('.'), std::string::npos) << text;
    double back = 0.0;
    ASSERT_TRUE(dxf::parseReal(text, back)) << text;
    EXPECT_EQ(back, value) << text;
  }
  EXPECT_EQ(dxf::formatReal(0.0), "0.0");
  EXPECT_EQ(dxf::formatReal(-0.0), "0.0");
  EXPECT_EQ(dxf::formatReal(1.5), "1.5");
  EXPECT_EQ(dxf::formatReal(100.0), "100.0");
  EXPECT_EQ(dxf::formatReal(1e20), "1.0e+20");
  EXPECT_EQ(dxf::formatReal(0.1), "0.1");
}

TEST(DxfNumbers, AtMostSixteenSignificantDigits) {
  // 0.1 + 0.2 needs 17 digits to read back exactly; files keep 16 (1 ulp away at most).
  double sum = 0.1 + 0.2;
  std::string text = dxf::formatReal(sum);
  EXPECT_EQ(text, "0.3");
  std::string third = dxf::formatReal(2.0 / 3.0);
  EXPECT_EQ(third, "0.6666666666666666");
  std::string large = dxf::formatReal(1234567.1234567891);
  double back = 0.0;
  ASSERT_TRUE(dxf::parseReal(large, back));
  EXPECT_NEAR(back, 1234567.1234567891, 1e-9);
  EXPECT_LE(large.size(), 17u);
  EXPECT_EQ(dxf::formatReal(0.123456789, 6), "0.123457");
  EXPECT_EQ(dxf::formatReal(std::numeric_limits<double>::quiet_NaN()), "0.0");
}

TEST(DxfNumbers, ParsingIsStrictButToleratesBlanksAndSigns) {
  double real = 0.0;
  EXPECT_TRUE(dxf::parseReal("  +1.25 ", real));
  EXPECT_EQ(real, 1.25);
  EXPECT_TRUE(dxf::parseReal("-.5", real));
  EXPECT_EQ(real, -0.5);
  EXPECT_TRUE(dxf::parseReal("1E3", real));
  EXPECT_EQ(real, 1000.0);
  for (const char* bad : {"", " ", "1,5", "1.2.3", "abc", "1.0x"}) {
    EXPECT_FALSE(dxf::parseReal(bad, real)) << bad;
  }
  std::int64_t integer = 0;
  EXPECT_TRUE(dxf::parseInteger("   62", integer));
  EXPECT_EQ(integer, 62);
  EXPECT_TRUE(dxf::parseInteger("7.0", integer));  // some programs write integers so
  EXPECT_EQ(integer, 7);
  EXPECT_FALSE(dxf::parseInteger("7.5", integer));
  EXPECT_FALSE(dxf::parseInteger("seven", integer));

  std::uint64_t handle = 0;
  EXPECT_TRUE(dxf::parseHandle(" 1fA ", handle));
  EXPECT_EQ(handle, 0x1FAu);
  EXPECT_TRUE(dxf::parseHandle("", handle));
  EXPECT_EQ(handle, 0u);
  EXPECT_FALSE(dxf::parseHandle("XYZ", handle));
  EXPECT_FALSE(dxf::parseHandle("12345678901234567", handle));

  std::string bytes;
  EXPECT_TRUE(dxf::parseHex("00FFa5", bytes));
  EXPECT_EQ(bytes, std::string("\x00\xFF\xA5", 3));
  EXPECT_FALSE(dxf::parseHex("ABC", bytes));
  EXPECT_FALSE(dxf::parseHex("GG", bytes));
}

TEST(DxfEncoding, OlderFilesUseTheirCodePageAndEscapes) {
  dxf::DxfTextDecoder decoder;  // Windows-1252 by default
  EXPECT_EQ(decoder.decode("Caf\xE9 \x80 \x9C"), L"Café € œ");
  EXPECT_EQ(decoder.decode("Caf\\U+00E9 \\U+03A9 \\U+00"), L"Café Ω \\U+00");
  decoder.setCodePage("ANSI_1251");
  EXPECT_EQ(decoder.decode("\xC4\xE0"), L"Да");
  decoder.setCodePage("NOT_A_CODE_PAGE");
  EXPECT_EQ(decoder.decode("\xE9"), L"é");
}

TEST(DxfEncoding, NewerFilesAreUtf8AndKeepEscapesLiterally) {
  dxf::DxfTextDecoder decoder;
  decoder.setUtf8();
  EXPECT_EQ(decoder.decode("Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\x90"), L"Café € \U0001F4D0");
  EXPECT_EQ(decoder.decode("\\U+00E9"), L"\\U+00E9");
  // A stray Windows-1252 byte in a UTF-8 file is kept, not dropped.
  EXPECT_EQ(decoder.decode("Caf\xE9!"), L"Café!");
  EXPECT_EQ(decoder.decode("\xED\xA0\x80"), L"\u00ED\u00A0\u20AC");  // an encoded surrogate is not UTF-8

  std::wstring text = L"Zoë ∑ \U0001F4D0 \uFFFF";
  EXPECT_EQ(dxf::toWide(dxf::toUtf8(text)), text);
  std::string invalid;
  dxf::appendUtf8(std::wstring(1, static_cast<wchar_t>(0xD800)), invalid);
  EXPECT_EQ(invalid, "\xEF\xBF\xBD");
}
