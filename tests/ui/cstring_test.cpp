#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/afxstr.h"

namespace {

std::wstring wide(const CString& s) { return std::wstring(s.GetString()); }
std::string narrow(const CStringA& s) { return std::string(s.GetString()); }

TEST(CStringFormat, StringWidthFollowsTheHostConvention) {
  CString s;
  // %s is wide in a wide format, %S narrow (Windows-1252), %hs/%ls explicit.
  s.Format(_T("[%s|%S|%hs|%ls]"), L"pt\u00e9", "caf\xe9", "\x9c", L"\u20ac");
  EXPECT_EQ(wide(s), L"[pt\u00e9|caf\u00e9|\u0153|\u20ac]");

  CString name(L"St-\u00c9tienne");
  s.Format(_T("%s/%-6s|%6.2s|"), name, L"ab", L"xyz");  // a CString stands for its text
  EXPECT_EQ(wide(s), L"St-\u00c9tienne/ab    |    xy|");

  const wchar_t* missing = nullptr;
  s.Format(_T("%s"), missing);
  EXPECT_EQ(wide(s), L"(null)");

  CStringA a;
  a.Format("%s %S %c %C", "\xe9", L"\u0153\u2603", 'x', L'\u20ac');
  EXPECT_EQ(narrow(a), "\xe9 \x9c? x \x80");
}

TEST(CStringFormat, NumbersAndCharacters) {
  CString s;
  s.Format(_T("%d|%i|%u|%x|%X|%05d|%-4d|%+d"), -12, 7, 4000000000u, 255, 255, 42, 3, 5);
  EXPECT_EQ(wide(s), L"-12|7|4000000000|ff|FF|00042|3   |+5");
  s.Format(_T("%.3f|%f|%e|%g|%10.1f|%*d|%.*f"), 3.14159, 0.5, 12345.678, 0.0001, -2.25, 4, 7, 2,
           1.005);
  EXPECT_EQ(wide(s), L"3.142|0.500000|1.234568e+04|0.0001|      -2.2|   7|1.00");
  s.Format(_T("%I64d|%I64u|%I64x|%lld"), -9000000000LL, 18000000000ULL, 0x1234567890LL, 5LL);
  EXPECT_EQ(wide(s), L"-9000000000|18000000000|1234567890|5");
  // long is 32 bits on the host: %ld and %lu read an int.
  s.Format(_T("%ld|%lu"), -3, 3000000000u);
  EXPECT_EQ(wide(s), L"-3|3000000000");
  s.Format(_T("%c%c|100%%|%3c"), L'\u00e9', L'\u0153', L'z');
  EXPECT_EQ(wide(s), L"\u00e9\u0153|100%|  z");
}

TEST(CStringFormat, AppendFormatKeepsTextAndMayUseItself) {
  CString s(L"x=");
  s.AppendFormat(_T("%.1f"), 2.0);
  s.AppendFormat(_T(", again %s"), s);
  EXPECT_EQ(wide(s), L"x=2.0, again x=2.0");
  s.Format(_T("%s!"), s);
  EXPECT_EQ(wide(s), L"x=2.0, again x=2.0!");
}

TEST(CStringConstruction, NarrowTextIsWindows1252) {
  EXPECT_EQ(wide(CString("caf\xe9 \x9cuvre \x80")), L"caf\u00e9 \u0153uvre \u20ac");
  EXPECT_EQ(wide(CString("ab\xe9z", 3)), L"ab\u00e9");
  EXPECT_EQ(narrow(CStringA(L"\u00e9\u0153\u2603")), "\xe9\x9c?");
  EXPECT_EQ(wide(CString(CStringA("\xc9t\xe9"))), L"\u00c9t\u00e9");
  EXPECT_EQ(wide(CString(L'-', 3)), L"---");
  EXPECT_EQ(wide(CString(static_cast<const wchar_t*>(nullptr))), L"");
  CString s;
  s = "\xe0";
  s += "\xe7";
  EXPECT_EQ(wide(s), L"\u00e0\u00e7");
}

TEST(CStringSearch, FindAndExtractAtTheBounds) {
  const CString s(L"abcabc");
  EXPECT_EQ(s.Find(L'c'), 2);
  EXPECT_EQ(s.Find(L'c', 3), 5);
  EXPECT_EQ(s.Find(L'c', 6), -1);
  EXPECT_EQ(s.Find(L'a', -1), -1);
  EXPECT_EQ(s.Find(L"bc", 2), 4);
  EXPECT_EQ(s.Find(L"", 6), 6);
  EXPECT_EQ(s.Find(L"bc", 7), -1);
  EXPECT_EQ(s.Find(L"cab"), 2);
  EXPECT_EQ(s.ReverseFind(L'b'), 4);
  EXPECT_EQ(s.ReverseFind(L'z'), -1);
  EXPECT_EQ(s.FindOneOf(L"xc"), 2);
  EXPECT_EQ(s.FindOneOf(L""), -1);

  EXPECT_EQ(wide(s.Mid(4)), L"bc");
  EXPECT_EQ(wide(s.Mid(6)), L"");
  EXPECT_EQ(wide(s.Mid(9)), L"");
  EXPECT_EQ(wide(s.Mid(-2, 3)), L"abc");
  EXPECT_EQ(wide(s.Mid(4, 10)), L"bc");
  EXPECT_EQ(wide(s.Mid(1, -1)), L"");
  EXPECT_EQ(wide(s.Left(99)), L"abcabc");
  EXPECT_EQ(wide(s.Left(-1)), L"");
  EXPECT_EQ(wide(s.Right(2)), L"bc");
  EXPECT_EQ(wide(s.SpanIncluding(L"ab")), L"ab");
  EXPECT_EQ(wide(s.SpanExcluding(L"c")), L"ab");
  EXPECT_EQ(wide(s.SpanExcluding(L"z")), L"abcabc");

  EXPECT_EQ(s[1], L'b');
  EXPECT_THROW(s.GetAt(6), std::out_of_range);
}

TEST(CStringEdit, ReplaceRemoveInsertDeleteCount) {
  CString s(L"aaaa");
  EXPECT_EQ(s.Replace(L"aa", L"a"), 2);  // left to right, no overlap
  EXPECT_EQ(wide(s), L"aa");
  EXPECT_EQ(s.Replace(L"a", L"ba"), 2);  // the inserted text is not searched again
  EXPECT_EQ(wide(s), L"baba");
  EXPECT_EQ(s.Replace(L"", L"x"), 0);
  EXPECT_EQ(s.Replace(L'a', L'a'), 0);
  EXPECT_EQ(s.Replace(L'a', L'o'), 2);
  EXPECT_EQ(s.Replace(L"zz", L"y"), 0);
  EXPECT_EQ(wide(s), L"bobo");
  EXPECT_EQ(s.Remove(L'o'), 2);
  EXPECT_EQ(wide(s), L"bb");
  EXPECT_EQ(s.Insert(1, L"\u00e9t\u00e9"), 5);
  EXPECT_EQ(s.Insert(99, L'!'), 6);
  EXPECT_EQ(s.Insert(-3, L'<'), 7);
  EXPECT_EQ(wide(s), L"<b\u00e9t\u00e9b!");
  EXPECT_EQ(s.Delete(5, 10), 5);
  EXPECT_EQ(s.Delete(9), 5);
  EXPECT_EQ(s.Delete(0, 2), 3);
  EXPECT_EQ(wide(s), L"\u00e9t\u00e9");
  s.SetAt(1, L'T');
  EXPECT_EQ(wide(s), L"\u00e9T\u00e9");
}

TEST(CStringEdit, TrimWhiteSpaceCharacterAndSet) {
  CString s(L" \t\r\nvaleur \n");
  EXPECT_EQ(wide(s.Trim()), L"valeur");
  s = L"--x--";
  EXPECT_EQ(wide(s.TrimLeft(L'-')), L"x--");
  EXPECT_EQ(wide(s.TrimRight(L'-')), L"x");
  s = L"\"; 12;34 ;\"";
  EXPECT_EQ(wide(s.Trim(L"\"; ")), L"12;34");
  s = L" \u00a0";  // no-break space is not white space
  EXPECT_EQ(wide(s.Trim()), L"\u00a0");
  s = L"   ";
  EXPECT_TRUE(s.Trim().IsEmpty());
}

TEST(CStringTokenize, LoopSkipsEmptyTokens) {
  const CString line(L";;P1; 10.5;;20;");
  std::vector<std::wstring> tokens;
  int position = 0;
  CString token = line.Tokenize(L";", position);
  while (position != -1) {
    tokens.push_back(wide(token));
    token = line.Tokenize(L";", position);
  }
  EXPECT_EQ(tokens, (std::vector<std::wstring>{L"P1", L" 10.5", L"20"}));
  EXPECT_TRUE(token.IsEmpty());

  position = 0;
  EXPECT_EQ(wide(CString(L"abc").Tokenize(L",", position)), L"abc");
  EXPECT_EQ(position, 4);
  CString(L"abc").Tokenize(L",", position);
  EXPECT_EQ(position, -1);
}

TEST(CStringCase, AccentedLettersChangeCase) {
  CString s(L"\u00e9cole \u0153uvre \u00ff \u00e7a \u0161 \u00df 1\u00b5");
  EXPECT_EQ(wide(s.MakeUpper()), L"\u00c9COLE \u0152UVRE \u0178 \u00c7A \u0160 \u00df 1\u00b5");
  EXPECT_EQ(wide(s.MakeLower()), L"\u00e9cole \u0153uvre \u00ff \u00e7a \u0161 \u00df 1\u00b5");
  CStringA a("\xe9l\xe8ve \x9c \xff");
  EXPECT_EQ(narrow(a.MakeUpper()), "\xc9L\xc8VE \x8c \x9f");
  EXPECT_EQ(wide(CString(L"abc\u00e9").MakeReverse()), L"\u00e9cba");
}

TEST(CStringCompare, CaseAccentsAndOrder) {
  const CString e(L"\u00e9cole");
  EXPECT_EQ(e.CompareNoCase(L"\u00c9COLE"), 0);
  EXPECT_NE(e.CompareNoCase(L"ECOLE"), 0);  // an accent is not a case
  EXPECT_LT(CString(L"a").CompareNoCase(L"B"), 0);
  EXPECT_GT(CString(L"b").Compare(L"B"), 0);
  EXPECT_LT(CString(L"ab").Compare(L"abc"), 0);
  EXPECT_EQ(CStringA("\xc9T\xc9").CompareNoCase("\xe9t\xe9"), 0);

  std::vector<CString> words{L"ecoles", L"\u00e9cole", L"Ecole", L"ecole", L"f", L"Z"};
  std::sort(words.begin(), words.end(),
            [](const CString& a, const CString& b) { return a.Collate(b) < 0; });
  std::vector<std::wstring> sorted;
  for (const CString& w : words) sorted.push_back(wide(w));
  EXPECT_EQ(sorted,
            (std::vector<std::wstring>{L"ecole", L"Ecole", L"\u00e9cole", L"ecoles", L"f", L"Z"}));
  EXPECT_EQ(CString(L"\u00c9cole").CollateNoCase(L"\u00e9COLE"), 0);

  EXPECT_TRUE(e == L"\u00e9cole");
  EXPECT_TRUE(L"\u00e9cole" == e);
  EXPECT_TRUE(e != CString(L"ecole"));
  EXPECT_TRUE(CString(L"a") < L"b");
  EXPECT_TRUE(CString(L"b") > CString(L"a"));
  EXPECT_EQ(wide(L"<" + e + L'>' + CString(L"!")), L"<\u00e9cole>!");
}

TEST(CStringBuffer, WrittenTextBecomesTheString) {
  CString s(L"ab");
  wchar_t* buffer = s.GetBuffer(10);
  wcscpy(buffer, L"0123456789");
  s.ReleaseBuffer();
  EXPECT_EQ(wide(s), L"0123456789");
  buffer = s.GetBuffer(4);  // never shrinks
  buffer[3] = L'\0';
  s.ReleaseBuffer();
  EXPECT_EQ(wide(s), L"012");
  buffer = s.GetBufferSetLength(2);
  buffer[1] = L'x';
  s.ReleaseBuffer(2);
  EXPECT_EQ(wide(s), L"0x");
  EXPECT_EQ(s.GetLength(), 2);
  EXPECT_FALSE(s.LoadString(100));
  EXPECT_EQ(wide(s), L"0x");
}

}  // namespace
