#include <gtest/gtest.h>

#include "traverse_support.h"

namespace {

stationConnue station(const wchar_t* nom, double x, double y, double z, double gisement) {
  stationConnue s;
  s.nom = nom;
  s.x = x;
  s.y = y;
  s.z = z;
  s.gisement = gisement;
  return s;
}

std::vector<obsPolygonale> carre(double exterieur, double cote) {
  return {rangee(L"ST2", exterieur, cote, 0), rangee(L"ST3", exterieur, cote, 0),
          rangee(L"ST4", exterieur, cote, 0), rangee(L"ST1", exterieur, cote, 0)};
}

TEST(TraverseFermee, SquareClosesInGradesAndDegrees) {
  const struct {
    int unite;
    double exterieur, quart;
  } cas[] = {{kUniteGrades, 300, 100}, {kUniteDegres, 270, 90},
             {kUniteRadians, 1.5 * std::numbers::pi, std::numbers::pi / 2}};
  for (const auto& c : cas) {
    auto lignes = carre(c.exterieur, 100);
    resultatPolygonaleFermee r;
    ASSERT_EQ(calculerPolygonaleFermee(station(L"ST1", 1000, 1000, 100, 0), kNivellementAucun,
                                       c.unite, lignes, r),
              kPolygonaleCalculee);
    EXPECT_NEAR(r.erreurAngulaire, 0, 1e-12);
    const double x[] = {1000, 1000, 1100, 1100}, y[] = {1000, 1100, 1100, 1000};
    for (int k = 0; k < 4; ++k) {
      EXPECT_NEAR(r.x[k], x[k], 1e-9) << c.unite << " " << k;
      EXPECT_NEAR(r.y[k], y[k], 1e-9) << c.unite << " " << k;
      EXPECT_NEAR(r.gisements[k], k * c.quart, 1e-9);
    }
    EXPECT_EQ(r.noms[0], L"ST1");
    EXPECT_EQ(r.noms[3], L"ST4");
  }
}

TEST(TraverseFermee, AngularMisclosureSharedEqually) {
  auto lignes = carre(299.999, 100);  // each interior 0.001 gr too large
  resultatPolygonaleFermee r;
  ASSERT_EQ(calculerPolygonaleFermee(station(L"ST1", 0, 0, 0, 0), 0, kUniteGrades, lignes, r), 0);
  EXPECT_NEAR(r.somme, 400.004, 1e-9);
  EXPECT_NEAR(r.erreurAngulaire, 0.004, 1e-9);
  EXPECT_NEAR(r.correctionAngulaire, 0.001, 1e-12);
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(r.interieursCorriges[i], 100, 1e-9);
    EXPECT_NEAR(r.anglesCorriges[i], 300, 1e-9);
  }
  EXPECT_NEAR(r.x[2], 100, 1e-9);
}

// Worked compass-rule example (bearings N76°E, S36°E, S61°W, N38°W; 80.40, 46.30, 72.80, 68.00):
// its published balanced latitudes and departures, to the millimetre it prints, whichever unit
// the same angles are given in.
TEST(TraverseFermee, CompassRuleMatchesPublishedExample) {
  for (int unite : {kUniteDegres, kUniteGrades, kUniteRadians}) {
    SCOPED_TRACE(unite);
    const double u = tourComplet(unite) / 360;
    std::vector<obsPolygonale> lignes = {
        rangee(L"B", 294 * u, 80.40, 0), rangee(L"C", 248 * u, 46.30, 0),
        rangee(L"D", 277 * u, 72.80, 0), rangee(L"A", 261 * u, 68.00, 0)};
    resultatPolygonaleFermee r;
    ASSERT_EQ(calculerPolygonaleFermee(station(L"A", 0, 0, 0, 76 * u), 0, unite, lignes, r), 0);
    EXPECT_NEAR(r.erreurAngulaire, 0, 1e-9);
    EXPECT_NEAR(r.distanceTotale, 267.5, 1e-9);
    const double latitudes[] = {19.3653, -37.5063, -35.3716, 53.5126};
    const double departs[] = {78.1055, 27.2678, -63.5874};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(r.dy[i] - r.cy[i], latitudes[i], 2e-3) << i;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(r.dx[i] - r.cx[i], departs[i], 2e-3) << i;
    // Coordinates are the balanced legs accumulated from A.
    EXPECT_NEAR(r.x[1], 78.1055, 2e-3);
    EXPECT_NEAR(r.y[2], 19.3653 - 37.5063, 2e-3);
  }
}

// Hand computation: a square whose west leg is measured 4 cm long.
TEST(TraverseFermee, CoordinateMisclosureInProportionToLengths) {
  std::vector<obsPolygonale> lignes = {rangee(L"ST2", 300, 100, 0), rangee(L"ST3", 300, 100, 0),
                                       rangee(L"ST4", 300, 100, 0), rangee(L"ST1", 300, 100.04, 0)};
  resultatPolygonaleFermee r;
  ASSERT_EQ(calculerPolygonaleFermee(station(L"ST1", 1000, 1000, 100, 0), 0, 0, lignes, r), 0);
  EXPECT_NEAR(r.sommeDx, -0.04, 1e-9);
  EXPECT_NEAR(r.sommeDy, 0, 1e-9);
  const double part = 100 * 0.04 / 400.04;
  EXPECT_NEAR(r.x[1], 1000 + part, 1e-9);
  EXPECT_NEAR(r.x[2], 1100 + 2 * part, 1e-9);
  EXPECT_NEAR(r.x[3], 1100 + 3 * part, 1e-9);
  EXPECT_NEAR(r.y[3], 1000, 1e-9);
}

TEST(TraverseFermee, FourLevellingModes) {
  // A 100 × 200 rectangle with a height misclosure of 0.06.
  auto faire = [](int mode, resultatPolygonaleFermee& r) {
    std::vector<obsPolygonale> lignes = {rangee(L"B", 300, 100, 1.0), rangee(L"C", 300, 200, 0.5),
                                         rangee(L"D", 300, 100, -1.0), rangee(L"A", 300, 200, -0.44)};
    EXPECT_EQ(calculerPolygonaleFermee(station(L"A", 0, 0, 100, 0), mode, 0, lignes, r), 0);
    return lignes;
  };
  resultatPolygonaleFermee r;
  auto lignes = faire(kNivellementAucun, r);
  EXPECT_NEAR(r.z[1], 101, 1e-9);
  EXPECT_NEAR(r.z[3], 100.5, 1e-9);
  EXPECT_DOUBLE_EQ(lignes[3].denivelee, -0.44);

  lignes = faire(kNivellementSimple, r);
  EXPECT_NEAR(r.nivellement.erreur, 0.06, 1e-12);
  EXPECT_NEAR(lignes[0].denivelee, 0.985, 1e-12);
  EXPECT_NEAR(r.z[3], 100 + 0.985 + 0.485 - 1.015, 1e-9);

  lignes = faire(kNivellementDistances, r);
  EXPECT_NEAR(r.nivellement.sommeLongueurs, 600, 1e-9);
  EXPECT_NEAR(r.nivellement.corrections[0], 0.01, 1e-12);
  EXPECT_NEAR(r.nivellement.corrections[1], 0.02, 1e-12);
  EXPECT_NEAR(r.z[2], 100 + 0.99 + 0.48, 1e-9);

  lignes = faire(kNivellementRacines, r);
  const double somme = 2 * (10 + std::sqrt(200.0));
  EXPECT_NEAR(r.nivellement.sommeLongueurs, somme, 1e-9);
  EXPECT_NEAR(r.nivellement.corrections[0], 10 * 0.06 / somme, 1e-12);
  EXPECT_NEAR(r.nivellement.corrections[1], std::sqrt(200.0) * 0.06 / somme, 1e-12);
  // Whatever the mode, the corrected loop closes in height.
  double fermeture = 0;
  for (const auto& l : lignes) fermeture += l.denivelee;
  EXPECT_NEAR(fermeture, 0, 1e-12);
}

// A pentagon measured on known stations comes back exactly in every unit; an error added to one
// angle is shared as one fifth of it over every angle.
TEST(TraverseFermee, MeasuredLoopReproducesItsStations) {
  const std::vector<stationVraie> vrai = {{L"P1", 1000, 2000, 50},
                                          {L"P2", 1130.25, 2210.4, 52.1},
                                          {L"P3", 1320.8, 2150.75, 49.9},
                                          {L"P4", 1290.1, 1930.05, 47.3},
                                          {L"P5", 1105.6, 1870.2, 48.8}};
  for (int unite : {kUniteGrades, kUniteDegres, kUniteRadians}) {
    auto lignes = boucleMesuree(vrai, unite);
    const double T = tourComplet(unite);
    lignes[2].angle += T / 400000;
    resultatPolygonaleFermee r;
    const stationConnue depart =
        station(L"P1", 1000, 2000, 50, gisementUnite(vrai[0], vrai[1], unite));
    ASSERT_EQ(calculerPolygonaleFermee(depart, kNivellementDistances, unite, lignes, r), 0);
    EXPECT_NEAR(r.erreurAngulaire, -T / 400000, 1e-9 * T);
    for (size_t k = 0; k < vrai.size(); ++k) {
      EXPECT_NEAR(r.x[k], vrai[k].x, 0.01) << unite;
      EXPECT_NEAR(r.y[k], vrai[k].y, 0.01) << unite;
      EXPECT_NEAR(r.z[k], vrai[k].z, 1e-9) << unite;
    }
    lignes[2].angle -= T / 400000;
    ASSERT_EQ(calculerPolygonaleFermee(depart, 0, unite, lignes, r), 0);
    for (size_t k = 0; k < vrai.size(); ++k) {
      EXPECT_NEAR(r.x[k], vrai[k].x, 1e-8) << unite;
      EXPECT_NEAR(r.y[k], vrai[k].y, 1e-8) << unite;
    }
  }
}

TEST(TraverseFermee, BadInputStopsWithoutNumbersThatAreNotFinite) {
  resultatPolygonaleFermee r;
  std::vector<obsPolygonale> une = {rangee(L"A", 300, 100, 0)};
  EXPECT_EQ(calculerPolygonaleFermee(station(L"A", 0, 0, 0, 0), 0, 0, une, r), kDonneesInsuffisantes);
  EXPECT_STREQ(messageStatut(kDonneesInsuffisantes), L"Erreur , données insuffisantes ");
  auto nulles = carre(300, 0);
  EXPECT_EQ(calculerPolygonaleFermee(station(L"A", 0, 0, 0, 0), 2, 0, nulles, r), kDistanceTotaleNulle);
  auto enormes = carre(300, 1e308);
  EXPECT_EQ(calculerPolygonaleFermee(station(L"A", 0, 0, 0, 0), 2, 0, enormes, r), kValeursHorsLimites);
  // Legs that cancel out leave no lengths for the distance mode: the shares become equal.
  std::vector<obsPolygonale> allerRetour = {rangee(L"B", 200, 50, 1), rangee(L"A", 200, 50, -0.9)};
  ASSERT_EQ(calculerPolygonaleFermee(station(L"A", 0, 0, 10, 0), 2, 0, allerRetour, r), 0);
  EXPECT_NEAR(r.z[1], 10.95, 1e-12);
}

}  // namespace
