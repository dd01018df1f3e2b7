// Angles to read, bearings and distances from both kinds of station; the texts of the list and of
// the report; the identifier counter.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "stakeout/calculsImplantation.h"
#include "stakeout/compteurIdentifiants.h"
#include "stakeout/observationMiseEnStationOrientee.h"
#include "stakeout/observationMiseEnStationVisee.h"

namespace {

observationImplantation point(double x, double y) {
  observationImplantation p;
  p.x = x;
  p.y = y;
  return p;
}

double grades(double radians) { return radiansEnGrades(radians); }

TEST(Bearings, QuadrantsSignedZerosAndTheStationItself) {
  EXPECT_DOUBLE_EQ(grades(gisement(0, 0, 0, 10)), 0.0);
  EXPECT_DOUBLE_EQ(grades(gisement(0, 0, 10, 0)), 100.0);
  EXPECT_DOUBLE_EQ(grades(gisement(0, 0, 0, -10)), 200.0);
  EXPECT_DOUBLE_EQ(grades(gisement(0, 0, -10, 0)), 300.0);
  EXPECT_DOUBLE_EQ(grades(gisement(0, 0, -10, -0.0)), 300.0);
  EXPECT_DOUBLE_EQ(grades(gisement(-0.0, 0, -0.0, 10)), 0.0);
  EXPECT_NEAR(grades(gisement(100, 100, 99, 101)), 350.0, 1e-12);
  // Just west of north stays below a full turn.
  const double g = gisement(0, 0, -1e-12, 1);
  EXPECT_LT(g, 2 * std::numbers::pi);
  EXPECT_GT(g, 0.0);
  EXPECT_DOUBLE_EQ(grades(gisement(5, 5, 5, 5)), 100.0);
  EXPECT_EQ(distanceHorizontale(5, 5, 5, 5), 0.0);
  EXPECT_DOUBLE_EQ(distanceHorizontale(1, 2, 4, 6), 5.0);
  EXPECT_EQ(gisement(kSansValeur, 0, 1, 1), kSansValeur);
  EXPECT_EQ(distanceHorizontale(0, 0, 1, kSansValeur), kSansValeur);
  EXPECT_EQ(texteGrades(kSansValeur), L"");
  EXPECT_EQ(texteGrades(std::numbers::pi / 3), L"66.6667");
}

TEST(Stations, OrientedNorthReadsTheBearingAndV0IsAddedUnreduced) {
  observationMiseEnStationOrientee station;
  station.setPosition(1000, 2000, kSansValeur);
  EXPECT_EQ(station.typeStation(), 10);
  EXPECT_NEAR(grades(station.angleVers(point(1000, 2050))), 0.0, 1e-12);
  EXPECT_NEAR(grades(station.angleVers(point(1030, 2000))), 100.0, 1e-12);
  EXPECT_NEAR(grades(station.angleVers(point(970, 2000))), 300.0, 1e-12);
  EXPECT_EQ(station.texteReference(), L"NORD");
  EXPECT_EQ(station.libelleOrientation(), L"NORD (O gr)");
  station.setV0(std::numbers::pi / 2);
  EXPECT_NEAR(grades(station.angleVers(point(970, 2000))), 400.0, 1e-12);
  EXPECT_EQ(station.texteReference(), L"V0=100.0000 gr");
  EXPECT_EQ(station.libelleOrientation(), L"EST (10O gr)");
  station.setV0(std::numbers::pi);
  EXPECT_EQ(station.libelleOrientation(), L"SUD (20O gr)");
  station.setV0(1.5 * std::numbers::pi);
  EXPECT_EQ(station.libelleOrientation(), L"OUEST (30O gr)");
  station.setV0(0.1);
  EXPECT_EQ(station.libelleOrientation(), L"6.3662 gr");
  EXPECT_EQ(station.angleVers(point(kSansValeur, 3)), kSansValeur);
}

TEST(Stations, SightedStationMeasuresFromItsReference) {
  observationMiseEnStationVisee station;
  station.setPosition(0, 0, 12.5);
  station.setReference(L"", 50, 0, kSansValeur);
  EXPECT_EQ(station.typeStation(), 20);
  // North with the reference due east: 0 − 100 gr, plus a turn.
  EXPECT_NEAR(grades(station.angleVers(point(0, 10))), 300.0, 1e-12);
  EXPECT_NEAR(grades(station.angleVers(point(10, -10))), 50.0, 1e-12);
  EXPECT_NEAR(grades(station.angleVers(point(20, 0))), 0.0, 1e-12);
  EXPECT_NEAR(grades(station.gisementVers(point(0, 10))), 0.0, 1e-12);
  EXPECT_DOUBLE_EQ(station.distanceVers(point(30, 40)), 50.0);
  EXPECT_EQ(station.texteReference(), L"X=50.0000,Y=0.0000");
  station.setReference(L"R12", 50, 0, 3);
  EXPECT_EQ(station.texteReference(), L"R12");
  station.setReference(L"", kSansValeur, kSansValeur, kSansValeur);
  EXPECT_EQ(station.angleVers(point(0, 10)), kSansValeur);
  EXPECT_NEAR(grades(station.gisementVers(point(0, 10))), 0.0, 1e-12);
}

TEST(Stations, ReportBlocksLeaveOutUnknownCoordinates) {
  observationMiseEnStationVisee visee;
  visee.setNom(L"S1");
  visee.setPosition(10, 20, kSansValeur);
  visee.setReference(L"Réf", 30, 40, 5);
  CStringA html;
  visee.descriptionHtml(html);
  EXPECT_STREQ(html.GetString(),
               "<br><u> Station :</u> S1 <b> x </b> = 10.0000<b> y </b>= 20.0000"
               "<br><u> Reference </u><b>R\xE9"
               "f</b><b> x </b> = 30.0000<b> y </b>= 40.0000<b> z </b>= 5.0000 \n\n");
  observationMiseEnStationOrientee orientee;
  orientee.setPosition(1, 2, 3);
  orientee.descriptionHtml(html);
  EXPECT_STREQ(html.GetString(),
               "<br><u> Station :</u>  <b> x </b> = 1.0000<b> y </b>= 2.0000<b> z </b>= 3.0000 \n"
               "<br><u> Reference </u>NORD (O gr)\n");
}

TEST(Identifiers, EveryRequestIsNewAndNoneIsNeverHandedOut) {
  compteurIdentifiants::reinitialiser(0xFFFFFFFEu);
  EXPECT_EQ(compteurIdentifiants::nouveau(), 0xFFFFFFFEu);
  EXPECT_EQ(compteurIdentifiants::nouveau(), 0u);
  EXPECT_EQ(compteurIdentifiants::nouveau(), 1u);
  compteurIdentifiants::reinitialiser();
  const Adesk::UInt32 first = compteurIdentifiants::nouveau();
  EXPECT_NE(first, kAucunIdentifiant);
  EXPECT_EQ(compteurIdentifiants::nouveau(), first + 1);
  observationMiseEnStationOrientee a, b;
  EXPECT_NE(a.identifiant(), b.identifiant());
}

}  // namespace
