#include <gtest/gtest.h>

#include <iterator>

#include "ui/afxstr.h"
#include "ui/dlgtemplate.h"

namespace {

HINSTANCE stringModule() {
  static int anchor;
  return reinterpret_cast<HINSTANCE>(&anchor);
}

TEST(StringTable, LoadStringFindsTheRegisteredTexts) {
  const AcUiStringEntry table[] = {{7001, L"Numéro de départ"}, {7002, L""}};
  AfxRegisterStringTable(stringModule(), table, std::size(table));
  CString wide;
  EXPECT_TRUE(wide.LoadString(7001));
  EXPECT_STREQ(wide.GetString(), L"Numéro de départ");
  CStringA narrow;
  EXPECT_TRUE(narrow.LoadString(7001));
  EXPECT_STREQ(narrow.GetString(), "Num\xE9ro de d\xE9part");  // in the ANSI code page
  EXPECT_TRUE(wide.LoadString(7002));
  EXPECT_TRUE(wide.IsEmpty());
  CString kept = L"inchangé";
  EXPECT_FALSE(kept.LoadString(7999));
  EXPECT_STREQ(kept.GetString(), L"inchangé");
  AfxUnregisterResources(stringModule());
  EXPECT_FALSE(wide.LoadString(7001));
}

}  // namespace
