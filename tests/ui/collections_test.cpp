// The framework's arrays and maps as the module uses them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/afxtempl.h"

namespace {

// What the framework's TRY/CATCH would see: the exception's class, then it is freed.
template <typename F>
bool throwsInvalidArgument(F&& call) {
  try {
    call();
  } catch (CInvalidArgException* e) {
    e->Delete();
    return true;
  }
  return false;
}

TEST(CArrayTest, GrowsShrinksAndKeepsOrder) {
  CArray<int, int> a;
  a.Add(1);
  a.Add(3);
  a.InsertAt(1, 2);
  a.InsertAt(0, 0, 2);
  ASSERT_EQ(a.GetSize(), 5);
  EXPECT_EQ(a[0], 0);
  EXPECT_EQ(a[1], 0);
  EXPECT_EQ(a[2], 1);
  EXPECT_EQ(a.GetAt(3), 2);
  a.RemoveAt(0, 2);
  a.SetAt(0, 10);
  EXPECT_EQ(a.GetSize(), 3);
  EXPECT_EQ(a[0], 10);
  EXPECT_EQ(a[2], 3);
  a.SetSize(5);
  EXPECT_EQ(a[4], 0);
  a.SetAtGrow(7, 9);
  EXPECT_EQ(a.GetUpperBound(), 7);
  a.RemoveAll();
  EXPECT_TRUE(a.IsEmpty());
}

TEST(CArrayTest, OutOfRangeRaisesTheInvalidArgumentException) {
  CArray<CString, const CString&> a;
  a.Add(L"un");
  EXPECT_TRUE(throwsInvalidArgument([&] { a.GetAt(1); }));
  EXPECT_TRUE(throwsInvalidArgument([&] { a.GetAt(-1); }));
  EXPECT_TRUE(throwsInvalidArgument([&] { a.SetAt(3, L"x"); }));
  EXPECT_TRUE(throwsInvalidArgument([&] { a.RemoveAt(0, 2); }));
  EXPECT_TRUE(throwsInvalidArgument([&] { (void)a[5]; }));
  EXPECT_FALSE(throwsInvalidArgument([&] { a.GetAt(0); }));
  TCHAR text[100];
  CInvalidArgException e;
  EXPECT_TRUE(e.GetErrorMessage(text, 100));
  EXPECT_STREQ(text, L"Un argument non valide a été rencontré.");
}

TEST(CMapTest, LooksUpReplacesAndWalksInKeyOrder) {
  CMap<CString, const CString&, int, int> m;
  m.SetAt(L"b", 2);
  m.SetAt(L"a", 1);
  m[L"c"] = 3;
  m.SetAt(L"b", 20);
  int value = 0;
  EXPECT_TRUE(m.Lookup(L"b", value));
  EXPECT_EQ(value, 20);
  EXPECT_FALSE(m.Lookup(L"z", value));
  EXPECT_TRUE(m.RemoveKey(L"c"));
  EXPECT_FALSE(m.RemoveKey(L"c"));
  std::set<std::wstring> entries;  // positions walk the entries in no particular order
  for (POSITION pos = m.GetStartPosition(); pos;) {
    CString key;
    m.GetNextAssoc(pos, key, value);
    CString entry;
    entry.Format(L"%s=%d", key.GetString(), value);
    entries.insert(entry.GetString());
  }
  EXPECT_EQ(entries, (std::set<std::wstring>{L"a=1", L"b=20"}));
}

TEST(Collections, MapWalkVisitsEveryEntryOnce) {
  CMap<CString, const CString&, int, int> m;
  m.InitHashTable(10037);
  for (int i = 0; i < 1000; ++i) {
    CString key;
    key.Format(L"p%d", i);
    m[key] = i;
  }
  std::set<int> seen;
  for (POSITION pos = m.GetStartPosition(); pos;) {
    CString key;
    int value = -1;
    m.GetNextAssoc(pos, key, value);
    CString expected;
    expected.Format(L"p%d", value);
    EXPECT_EQ(key, expected);
    seen.insert(value);
  }
  EXPECT_EQ(seen.size(), 1000u);
  POSITION bad = nullptr;
  CString key;
  int value = 0;
  EXPECT_TRUE(throwsInvalidArgument([&] { m.GetNextAssoc(bad, key, value); }));
}

}  // namespace
