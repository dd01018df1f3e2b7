#include "os/codepage.h"

#include <gtest/gtest.h>

#include <string>

#include "os/winerror.h"

namespace {

TEST(AnsiCodePage, RoundTripsTheWholeCodePage) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  const std::wstring text = ansiToWide(all);
  ASSERT_EQ(text.size(), all.size());
  EXPECT_EQ(text[0x80 - 1], L'\u20ac');
  EXPECT_EQ(text[0x9C - 1], L'\u0153');
  EXPECT_EQ(text[0x8C - 1], L'\u0152');
  EXPECT_EQ(text[0x9F - 1], L'\u0178');
  EXPECT_EQ(text[0x81 - 1], L'\u0081');  // undefined byte: kept as its control character
  EXPECT_EQ(text[0xE9 - 1], L'\u00e9');
  bool usedDefault = true;
  EXPECT_EQ(wideToAnsi(text, &usedDefault), all);
  EXPECT_FALSE(usedDefault);
}

TEST(AnsiCodePage, UnmappedCharactersBecomeQuestionMarks) {
  bool usedDefault = false;
  EXPECT_EQ(wideToAnsi(L"\u20ac\u2603\u0153\u0100", &usedDefault), "\x80?\x9c?");
  EXPECT_TRUE(usedDefault);

  char buffer[8] = {};
  BOOL used = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"a\u4e2d", -1, buffer, 8, nullptr, &used), 3);
  EXPECT_STREQ(buffer, "a?");
  EXPECT_TRUE(used);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"\u4e2d", 1, buffer, 8, "#", &used), 1);
  EXPECT_EQ(buffer[0], '#');
}

TEST(Utf8, RoundTripAndInvalidBytes) {
  const std::wstring text = L"\u00e9\u20ac\u0153 \U0001F600";
  const std::string utf8 = wideToUtf8(text);
  EXPECT_EQ(utf8, "\xc3\xa9\xe2\x82\xac\xc5\x93 \xf0\x9f\x98\x80");
  EXPECT_EQ(utf8ToWide(utf8), text);
  // A stray continuation byte, a truncated sequence and an overlong "/" each become U+FFFD; the
  // valid characters around them are kept.
  EXPECT_EQ(utf8ToWide("a\x80z\xc3"), L"a\ufffdz\ufffd");
  EXPECT_EQ(utf8ToWide("\xc0\xaf!"), L"\ufffd\ufffd!");
  EXPECT_EQ(wideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xef\xbf\xbd");
}

TEST(WindowsConversions, SizesAndErrors) {
  // -1: the NUL is converted and counted; 0 as destination size: the size needed.
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "\x80x", -1, nullptr, 0), 3);
  wchar_t wide[4] = {};
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "\x80x", -1, wide, 4), 3);
  EXPECT_STREQ(wide, L"\u20acx");
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xc3\xa9\xc3\xa8", 4, wide, 4), 2);
  EXPECT_EQ(std::wstring(wide, 2), L"\u00e9\u00e8");

  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abcdef", -1, wide, 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "\xff", 1, wide, 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));

  char narrow[8] = {};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"\u20ac", -1, narrow, 8, nullptr, nullptr), 4);
  EXPECT_STREQ(narrow, "\xe2\x82\xac");
  BOOL used = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"x", -1, narrow, 8, nullptr, &used), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(WideCharToMultiByte(50000, 0, L"x", -1, narrow, 8, nullptr, nullptr), 0);
}

}  // namespace
