// The two parameter dialogs of the stake-out, driven as a script drives them.
#include <gtest/gtest.h>

#include "ed/ed_fixture.h"
#include "resources/ressourcesModule.h"
#include "stakeout/CDlgParamsImplantationAuto.h"
#include "stakeout/CDlgPrmDessImplantationAuto.h"
#include "stakeout/contexteImplantation.h"
#include "stakeout/reglagesImplantation.h"
#include "ui/dialog_driver.h"

namespace {

class ParameterDialogs : public ScriptedEditor {
 protected:
  ParameterDialogs() : contexte_(nullptr) {
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
    reinitialiserReglagesImplantation();
  }
  ~ParameterDialogs() override { retirerRessources(); }
  contexteImplantation contexte_;
};

TEST_F(ParameterDialogs, NumberingAlwaysOpensAtOneAndContinueResetsTheGenerator) {
  contexte_.numerotation().setParams(L"Q", 40, L"z", 1);
  answer({L"set 1179 B", L"set 1176 7", L"set 1180 -x", L"check 1184 off", L"check 1185 on",
          L"set 1186 0.05", L"check 1188 on", L"set 1187 25", L"check 1299 off", L"ok"});
  ASSERT_TRUE(choisirParametresImplantation(contexte_));
  // Opened with start 1 and no prefix nor suffix, whatever the generator held.
  EXPECT_NE(transcript().find(L"1176 édition : 1\n"), std::wstring::npos) << transcript();
  EXPECT_EQ(transcript().find(L"1179 édition : Q"), std::wstring::npos);
  EXPECT_EQ(contexte_.numerotation().getNextName(), L"B7-x");
  const parametresImplantation& p = contexte_.parametres();
  EXPECT_EQ(p.modeArcs, kInterpolationErreurMax);
  EXPECT_EQ(p.valeurArcs, 0.05);
  EXPECT_EQ(p.interpolerDroites, 1u);
  EXPECT_EQ(p.distanceDroites, 25.0);
  EXPECT_EQ(p.incrementerPrefixe, 0u);
  // The station code is not offered unless asked for.
  EXPECT_EQ(transcript().find(L"1189"), std::wstring::npos);
}

TEST_F(ParameterDialogs, OutOfRangeValuesKeepTheDialogOpenAndCancelChangesNothing) {
  answer({L"set 1176 0", L"ok", L"set 1176 3", L"set 1183 0", L"ok", L"cancel"});
  EXPECT_FALSE(choisirParametresImplantation(contexte_));
  EXPECT_EQ(contexte_.parametres().valeurClothoides, 20.0);
  EXPECT_EQ(contexte_.numerotation().getNextName(), L"1");
}

TEST_F(ParameterDialogs, GraphicsGoProcessWideAndOptionsIntoTheRun) {
  answer({L"set 1172 2.5", L"set 1295 4", L"check 1173 off", L"check 1166 on", L"ok"});
  ASSERT_TRUE(choisirParametresDessin(contexte_));
  const reglagesImplantation& r = reglagesGlobauxImplantation();
  EXPECT_EQ(r.hauteurTexte, 2.5);
  EXPECT_EQ(r.tailleCroixStations, 4.0);  // the dialog's own value wins over twice the text
  EXPECT_EQ(contexte_.options().textesAnglesDistances, 0u);
  EXPECT_EQ(contexte_.drapeauxDessin(), kDessinLignes | kDessinNumeros);
  EXPECT_EQ(contexte_.options().modeGroupement, kToutGrouper);

  answer({L"set 1172 9", L"check 1164 on", L"cancel"});
  EXPECT_FALSE(choisirParametresDessin(contexte_));
  EXPECT_EQ(r.hauteurTexte, 2.5);
  EXPECT_EQ(contexte_.options().modeGroupement, kToutGrouper);
  answer({L"set 1172 0", L"ok", L"cancel"});
  EXPECT_FALSE(choisirParametresDessin(contexte_));
}

}  // namespace
