// The numbering dialog driven by actions, as a script drives it.
#include <gtest/gtest.h>

#include "ed/ed_fixture.h"
#include "points/CModeNumerotation.h"
#include "resources/ressourcesModule.h"
#include "rx/acdocman.h"
#include "ui/dialog_driver.h"

namespace {

class NumberingDialogTest : public ScriptedEditor {
 protected:
  NumberingDialogTest() {
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
  }
  ~NumberingDialogTest() override { retirerRessources(); }
};

TEST_F(NumberingDialogTest, ExampleFollowsPrefixAndSuffixAndOkReturnsThem) {
  answer({L"set 1176 10", L"set 1175 B", L"set 1177 x", L"ok"});
  CString prefixe = L"P", suffixe;
  int depart = 1;
  EXPECT_EQ(choisirNumerotation(prefixe, depart, suffixe), 1);
  EXPECT_STREQ(prefixe.GetString(), L"B");
  EXPECT_EQ(depart, 10);
  EXPECT_STREQ(suffixe.GetString(), L"x");
  EXPECT_NE(transcript().find(L"B10x"), std::wstring::npos) << transcript();
  EXPECT_NE(transcript().find(L"Numérotation"), std::wstring::npos);
}

TEST_F(NumberingDialogTest, StartNumberAloneLeavesTheExampleAndCancelKeepsTheValues) {
  answer({L"set 1175 S", L"set 1176 42", L"show", L"cancel"});
  CString prefixe = L"A", suffixe = L"-b";
  int depart = 7;
  EXPECT_EQ(choisirNumerotation(prefixe, depart, suffixe), 0);
  EXPECT_STREQ(prefixe.GetString(), L"A");
  EXPECT_EQ(depart, 7);
  EXPECT_STREQ(suffixe.GetString(), L"-b");
  // The example was made when the prefix changed (start 7), not refreshed by the start number.
  EXPECT_NE(transcript().find(L"S7-b"), std::wstring::npos) << transcript();
  EXPECT_EQ(transcript().find(L"S42-b"), std::wstring::npos);
}

TEST_F(NumberingDialogTest, ResourcesAreCurrentOnlyWhileTheDialogRuns) {
  const size_t depth = acDocManager->resourceDepth();
  answer({});  // the input ends: the dialog is cancelled
  CString prefixe, suffixe;
  int depart = 1;
  EXPECT_EQ(choisirNumerotation(prefixe, depart, suffixe), 0);
  EXPECT_EQ(acDocManager->resourceDepth(), depth);
}

}  // namespace
