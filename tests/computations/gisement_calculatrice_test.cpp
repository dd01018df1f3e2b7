// The bearing calculator driven as a script drives it.
#include <gtest/gtest.h>

#include "computations/CCalcGisementDlg.h"
#include "ed/ed_fixture.h"
#include "resources/ressourcesModule.h"
#include "ui/dialog_driver.h"

namespace {

class CalculatriceGisement : public ScriptedEditor {
 protected:
  CalculatriceGisement() {
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
  }
  ~CalculatriceGisement() override { retirerRessources(); }

  bool calculer(double x, double y, int unite, double& gisement) {
    stationConnue visee;
    visee.nom = L"V";
    visee.x = x;
    visee.y = y;
    return calculerGisementVers(visee, unite, gisement, nullptr);
  }
};

TEST_F(CalculatriceGisement, BearingFromTheStationToTheCallersStationInItsUnit) {
  const struct {
    double x, y;
    int unite;
    double attendu;
  } cas[] = {{0, 100, kUniteGrades, 0}, {100, 0, kUniteGrades, 100}, {100, 0, kUniteDegres, 90},
             {-100, 0, kUniteGrades, 300}, {0, -50, kUniteRadians, 3.141592653589793}};
  for (const auto& c : cas) {
    answer({L"set 1082 0", L"set 1083 0", L"focus 1076", L"ok"});
    double gisement = -1;
    ASSERT_TRUE(calculer(c.x, c.y, c.unite, gisement));
    EXPECT_NEAR(gisement, c.attendu, 1e-12) << c.x << " " << c.y << " " << c.unite;
  }
  // The bearing is shown with four decimals and the unit's name beside it.
  EXPECT_NE(transcript().find(L"1080 édition (lecture seule) : 300.0000"), std::wstring::npos) << transcript();
  EXPECT_NE(transcript().find(L"degres"), std::wstring::npos);
}

TEST_F(CalculatriceGisement, CancelAndEqualPointsLeaveTheBearingAlone) {
  answer({L"set 1082 5", L"cancel"});
  double gisement = 12.5;
  EXPECT_FALSE(calculer(0, 0, kUniteGrades, gisement));
  EXPECT_EQ(gisement, 12.5);
  // Station on the point aimed at: told, and the dialog stays open until cancelled.
  answer({L"set 1082 3", L"set 1083 4", L"ok", L"ok", L"cancel"});
  EXPECT_FALSE(calculer(3, 4, kUniteGrades, gisement));
  EXPECT_NE(transcript().find(L"confondues"), std::wstring::npos) << transcript();
  EXPECT_EQ(gisement, 12.5);
}

}  // namespace
