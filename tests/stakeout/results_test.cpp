// The results of a stake-out: the report page, the groups of the drawn result and the schematic
// tables; and the context's station bookkeeping behind them.
#include <gtest/gtest.h>

#include <memory>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbgroup.h"
#include "db/dbtable.h"
#include "lisp/interpreter.h"
#include "stakeout/contexteImplantation.h"
#include "stakeout/observationMiseEnStationOrientee.h"
#include "stakeout/observationMiseEnStationVisee.h"
#include "stakeout/reglagesImplantation.h"
#include "stakeout/resultatsImplantation.h"

namespace {

class Results : public ::testing::Test {
 protected:
  Results() : db_(true, true) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
    lisp_.setDatabase(&db_);
    reinitialiserReglagesImplantation();
    contexte_ = std::make_unique<contexteImplantation>(nullptr);
    contexte_->parametres().incrementerPrefixe = 0;
  }
  ~Results() override {
    contexte_.reset();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  Adesk::UInt32 add(double x, double y, double z = kSansValeur) {
    return contexte_->points()[contexte_->ajouterPoint(x, y, z)].identifiant;
  }
  std::unique_ptr<observationMiseEnStationOrientee> north(const wchar_t* name, double x, double y) {
    auto s = std::make_unique<observationMiseEnStationOrientee>();
    s->setNom(name);
    s->setPosition(x, y, kSansValeur);
    return s;
  }
  int entities(const wchar_t* filter) {
    const auto result = lisp_.evaluate(std::wstring(L"(if (setq s (ssget \"X\" '") + filter +
                                       L")) (sslength s) 0)");
    return result.value ? static_cast<int>(result.value->integer) : -1;
  }
  int anonymousGroups() {
    AcDbDictionary* groups = nullptr;
    if (db_.getGroupDictionary(groups, AcDb::kForRead) != Acad::eOk) return -1;
    const int count = static_cast<int>(groups->numEntries());
    groups->close();
    return count;
  }

  AcDbDatabase db_;
  lisp::Interpreter lisp_;
  std::unique_ptr<contexteImplantation> contexte_;
};

TEST_F(Results, PointsWithoutStationGiveOneFourColumnTable) {
  add(10, 20, 5);
  add(11.5, 21, kSansValeur);
  EXPECT_STREQ(corpsHtmlImplantation(*contexte_).GetString(),
               "<P class=grand>Implantations</P>"
               "<table text-align=\"center\" border=\"0\" cellpadding=\"0\" cellspacing =\"0\">\n"
               "<tr ><td class=celgris align=center>N\xB0</td><td class=celgris align=center>X</td>"
               "<td class=celgris align=center>Y</td><td class=celgris align=center>Z</td></tr>"
               "<tr ><td class=celnorm align='center'>1</td><td class=celnorm align=right>10.0000</td>"
               "<td class=celnorm align=right>20.0000</td><td class=celnorm align=right>5.0000</td></tr>"
               "<tr ><td class=celnorm align='center'>2</td><td class=celnorm align=right>11.5000</td>"
               "<td class=celnorm align=right>21.0000</td><td class=celnorm align=right></td></tr>"
               "</table>");
  schematiserImplantation(*contexte_, AcGePoint3d(0, 0, 0));
  EXPECT_EQ(entities(L"((0 . \"ACAD_TABLE\"))"), 1);
  EXPECT_EQ(entities(L"((0 . \"TEXT\"))"), 0);
}

TEST_F(Results, StationsListTheirPointsWithAnglesAndAnEmptyZ) {
  const Adesk::UInt32 a = add(100, 50);  // due north of the station, no Z
  const Adesk::UInt32 b = add(130, 0, 2.5);
  add(0, 0, 1);  // without station
  contexte_->affecterStation(north(L"S1", 100, 0), {a, b});
  const CStringA html = corpsHtmlImplantation(*contexte_);
  EXPECT_NE(html.Find("<br><u> Station :</u> S1 <b> x </b> = 100.0000<b> y </b>= 0.0000"
                      "<br><u> Reference </u>NORD (O gr)\n"),
            -1)
      << html.GetString();
  EXPECT_NE(html.Find("<td class=celgris align=center>Angle (gr)</td>"), -1);
  // The point without Z: empty Z cell, angle 0 and distance 50.
  EXPECT_NE(html.Find("<td class=celnorm align='center'>1</td><td class=celnorm align=right>100.0000"
                      "</td><td class=celnorm align=right>50.0000</td><td class=celnorm align=right>"
                      "</td><td class=celnorm align=right>0.0000</td><td class=celnorm align=right>"
                      "50.0000</td>"),
            -1)
      << html.GetString();
  EXPECT_NE(html.Find("100.0000</td><td class=celnorm align=right>30.0000</td></tr></table><br>"), -1);
  EXPECT_NE(html.Find("<td class=celgris align=center>Z</td></tr><tr ><td class=celnorm "
                      "align='center'>3</td>"),
            -1);
  EXPECT_EQ(texteAngleImplantation(*contexte_, b, L"-"), L"100.0000");
}

TEST_F(Results, GroupingByStationMakesOneGroupEachAndAllMakesOne) {
  const Adesk::UInt32 a = add(100, 50);
  const Adesk::UInt32 b = add(130, 0);
  contexte_->affecterStation(north(L"S1", 100, 0), {a});
  contexte_->affecterStation(north(L"S2", 0, 0), {b});
  dessinerResultatsImplantation(*contexte_);
  EXPECT_EQ(anonymousGroups(), 2);
  // Everything drawn was handed to the groups: nothing is left to erase.
  contexte_->effacerGraphismes();
  EXPECT_GT(entities(L"((0 . \"LINE\"))"), 0);

  contexte_->options().modeGroupement = kToutGrouper;
  dessinerResultatsImplantation(*contexte_);
  EXPECT_EQ(anonymousGroups(), 3);
  contexte_->options().modeGroupement = kNePasGrouper;
  dessinerResultatsImplantation(*contexte_);
  EXPECT_EQ(anonymousGroups(), 3);
  contexte_->effacerGraphismes();
}

TEST_F(Results, SchematicTablesPutEachStationsBlockAboveItsTable) {
  const Adesk::UInt32 a = add(100, 50);
  contexte_->affecterStation(north(L"S1", 100, 0), {a});
  auto sighted = std::make_unique<observationMiseEnStationVisee>();
  sighted->setPosition(0, 0, 3);
  sighted->setReference(L"", 10, 0, kSansValeur);
  contexte_->affecterStation(std::move(sighted), {});  // no point: a block and no table
  schematiserImplantation(*contexte_, AcGePoint3d(0, 0, 0));
  EXPECT_EQ(entities(L"((0 . \"ACAD_TABLE\"))"), 1);
  EXPECT_EQ(entities(L"((0 . \"TEXT\"))"), 4);
  EXPECT_EQ(entities(L"((0 . \"TEXT\") (1 . \"%%uStation :%%u S1 x  = 100.0000 y = 0.0000\"))"), 1);
  EXPECT_EQ(entities(L"((0 . \"TEXT\") (1 . \"%%uReference:%%u NORD (O gr)\"))"), 1);
  EXPECT_EQ(entities(L"((0 . \"TEXT\") (1 . \"%%uReference:%%u  x  = 10.0000 y = 0.0000\"))"), 1);
}

TEST_F(Results, UnusedStationsGoWhenTheirPointsAreTakenBack) {
  const Adesk::UInt32 a = add(100, 50);
  const Adesk::UInt32 b = add(130, 0);
  contexte_->affecterStation(north(L"S1", 100, 0), {a, b});
  contexte_->dessinerPoints({a, b}, contexte_->drapeauxDessin(), true);
  EXPECT_GT(entities(L"((0 . \"RAY\"))"), 0);
  contexte_->retirerStation({a});
  EXPECT_EQ(contexte_->stations().size(), 1u);
  contexte_->retirerStation({b});
  EXPECT_TRUE(contexte_->stations().empty());
  EXPECT_EQ(entities(L"((0 . \"RAY\"))"), 0);  // its ray went with it
  EXPECT_EQ(contexte_->point(a)->identifiantStation, kAucunIdentifiant);
  contexte_->effacerGraphismes();
}

TEST_F(Results, MarkersDrawnAsPointsComeInAreErasedWhateverTheListBecame) {
  for (int i = 0; i < 40; ++i) {
    const int rank = contexte_->ajouterPoint(i, 0, kSansValeur);
    contexte_->dessinerPoint(contexte_->points()[rank], kDessinNumeros);
  }
  contexte_->enleverPoints({contexte_->points()[3].identifiant});
  EXPECT_EQ(entities(L"((0 . \"LINE\"))"), 78);
  contexte_->effacerGraphismes();
  EXPECT_EQ(entities(L"((0 . \"LINE\"))"), 0);
  EXPECT_EQ(entities(L"((0 . \"TEXT\"))"), 0);
}

TEST_F(Results, NamesBatchesAndDuplicatesOfNewPoints) {
  contexte_->parametres().incrementerPrefixe = 1;
  contexte_->numerotation().setParams(L"AZ", 1, L"", 1);
  add(0, 0);
  contexte_->finirLot();
  add(1, 0);
  add(2, 0);
  contexte_->numerotation().setParams(L"ZZ", 1, L"", 1);
  contexte_->finirLot();
  add(3, 0);
  const auto& points = contexte_->points();
  EXPECT_EQ(points[0].nom, L"AZ1");
  EXPECT_EQ(points[1].nom, L"BA1");
  EXPECT_EQ(points[2].nom, L"BA2");
  EXPECT_EQ(points[3].nom, L"AAA1");
  EXPECT_NE(points[0].lot, points[1].lot);
  EXPECT_EQ(points[1].lot, points[2].lot);
  EXPECT_TRUE(contexte_->pointExiste(2.009, 0.0));
  EXPECT_FALSE(contexte_->pointExiste(2.011, 0.0));
}

}  // namespace
