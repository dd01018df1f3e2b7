#include <gtest/gtest.h>

#include "traverse_support.h"

namespace {

// Stations A (start), P1, P2, B (arrival), a back-sight R before A and a fore-sight R2 after B.
const stationVraie R{L"R", 900, 1900, 0}, A{L"A", 1000, 2000, 100}, P1{L"P1", 1150.2, 2080.6, 101.2},
    P2{L"P2", 1290.75, 2010.3, 100.4}, B{L"B", 1420.4, 2105.9, 99.1}, R2{L"R2", 1500, 2300, 0};

struct traverseMesuree {
  stationConnue depart, arrivee;
  double fermeture;
  std::vector<obsPolygonale> lignes;
};

// The angle at `ici` from `arriere` to `avant`, clockwise.
double angleEn(const stationVraie& ici, const stationVraie& arriere, const stationVraie& avant,
               int unite) {
  return reduireModulo(gisementUnite(ici, avant, unite) - gisementUnite(ici, arriere, unite),
                       tourComplet(unite));
}

traverseMesuree mesurer(int unite) {
  traverseMesuree t;
  t.depart = {A.nom, A.x, A.y, A.z, gisementUnite(R, A, unite)};
  t.arrivee = {B.nom, B.x, B.y, B.z, gisementUnite(B, R2, unite)};
  const stationVraie* chaine[] = {&R, &A, &P1, &P2, &B, &R2};
  for (int i = 1; i <= 3; ++i) {
    const stationVraie& ici = *chaine[i];
    const stationVraie& avant = *chaine[i + 1];
    t.lignes.push_back(rangee(avant.nom, angleEn(ici, *chaine[i - 1], avant, unite),
                              std::hypot(avant.x - ici.x, avant.y - ici.y), avant.z - ici.z));
  }
  t.fermeture = angleEn(B, P2, R2, unite);
  return t;
}

TEST(TraverseOuverte, MeasuredTraverseReproducesItsStationsInEveryUnit) {
  for (int unite : {kUniteGrades, kUniteDegres, kUniteRadians}) {
    traverseMesuree t = mesurer(unite);
    resultatPolygonaleOuverte r;
    ASSERT_EQ(calculerPolygonaleOuverte(t.depart, t.arrivee, t.fermeture, kNivellementSimple,
                                        unite, t.lignes, r),
              kPolygonaleCalculee);
    EXPECT_NEAR(r.erreurParAngle, 0, 1e-9);
    const stationVraie* attendu[] = {&A, &P1, &P2, &B};
    ASSERT_EQ(r.x.size(), 4u);
    for (int k = 0; k < 4; ++k) {
      EXPECT_NEAR(r.x[k], attendu[k]->x, 1e-8) << unite;
      EXPECT_NEAR(r.y[k], attendu[k]->y, 1e-8) << unite;
      EXPECT_NEAR(r.z[k], attendu[k]->z, 1e-9) << unite;
      EXPECT_EQ(r.noms[k], attendu[k]->nom);
    }
  }
}

// A worked exercise in grades between stations 1 and 4, each with a reference bearing (124.301
// gon from R1 to 1, 311.224 gon from 4 to R2): the corrected legs and the coordinates of 2 and 3
// it prints, to the centimetre (it rounds each leg before summing them).
TEST(TraverseOuverte, PublishedExerciseInGrades) {
  const stationConnue depart{L"1", 913471.84, 82405.79, 0, 124.301};
  const stationConnue arrivee{L"4", 913392.25, 82917.87, 0, 311.224};
  std::vector<obsPolygonale> lignes = {rangee(L"2", 79.683, 217.970, 0),
                                       rangee(L"3", 170.698, 127.180, 0),
                                       rangee(L"4", 209.870, 182.760, 0)};
  resultatPolygonaleOuverte r;
  ASSERT_EQ(calculerPolygonaleOuverte(depart, arrivee, 126.672, kNivellementAucun, kUniteGrades,
                                      lignes, r),
            kPolygonaleCalculee);
  EXPECT_NEAR(r.erreurParAngle, 0, 1e-9);
  const double gisements[] = {3.984, 374.682, 384.552};
  const double dx[] = {13.61, -49.27, -43.93}, dy[] = {217.49, 117.22, 177.37};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(r.gisementsCompenses[i], gisements[i], 1e-9) << i;
    EXPECT_NEAR(r.dxCorriges[i], dx[i], 0.01) << i;
    EXPECT_NEAR(r.dyCorriges[i], dy[i], 0.01) << i;
  }
  EXPECT_NEAR(r.x[1], 913485.45, 0.01);
  EXPECT_NEAR(r.y[1], 82623.28, 0.01);
  EXPECT_NEAR(r.x[2], 913436.18, 0.01);
  EXPECT_NEAR(r.y[2], 82740.50, 0.01);
  EXPECT_NEAR(r.x[3], arrivee.x, 1e-6);
  EXPECT_NEAR(r.y[3], arrivee.y, 1e-6);
}

TEST(TraverseOuverte, MisclosuresAreSharedOverAnglesLegsAndHeights) {
  traverseMesuree t = mesurer(kUniteGrades);
  // 0.004 gr too much over the four angles (three rows and the closing angle).
  t.lignes[1].angle += 0.004;
  t.lignes[2].distance += 0.03;
  t.lignes[0].denivelee += 0.09;
  resultatPolygonaleOuverte r;
  ASSERT_EQ(calculerPolygonaleOuverte(t.depart, t.arrivee, t.fermeture, kNivellementSimple,
                                      kUniteGrades, t.lignes, r),
            0);
  EXPECT_NEAR(r.erreurParAngle, 0.001, 1e-9);
  // The arrival is held exactly, the intermediate stations move by millimetres.
  EXPECT_NEAR(r.x[3], B.x, 1e-9);
  EXPECT_NEAR(r.y[3], B.y, 1e-9);
  EXPECT_NEAR(r.x[1], P1.x, 0.02);
  EXPECT_NEAR(r.y[2], P2.y, 0.02);
  EXPECT_NEAR(r.nivellement.erreur, 0.09, 1e-9);
  EXPECT_NEAR(t.lignes[0].denivelee, P1.z - A.z + 0.06, 1e-9);
  EXPECT_NEAR(r.z[3], B.z, 1e-9);
  // Distance mode: each leg's share follows its length between its adjusted stations.
  t = mesurer(kUniteGrades);
  t.lignes[2].denivelee -= 0.1;
  ASSERT_EQ(calculerPolygonaleOuverte(t.depart, t.arrivee, t.fermeture, kNivellementDistances,
                                      kUniteGrades, t.lignes, r),
            0);
  const double l0 = std::hypot(P1.x - A.x, P1.y - A.y);
  EXPECT_NEAR(r.nivellement.corrections[0], l0 * -0.1 / r.nivellement.sommeLongueurs, 1e-12);
  EXPECT_NEAR(r.z[3], B.z, 1e-9);
}

TEST(TraverseOuverte, AnglesAreReducedIntoOneTurnFirst) {
  traverseMesuree t = mesurer(kUniteGrades);
  traverseMesuree decale = t;
  decale.lignes[1].angle -= 400;  // a negative angle reads as the same direction
  decale.fermeture += 800;
  resultatPolygonaleOuverte r1, r2;
  ASSERT_EQ(calculerPolygonaleOuverte(t.depart, t.arrivee, t.fermeture, 0, 0, t.lignes, r1), 0);
  ASSERT_EQ(calculerPolygonaleOuverte(decale.depart, decale.arrivee, decale.fermeture, 0, 0,
                                      decale.lignes, r2),
            0);
  EXPECT_NEAR(r2.angles[1], r1.angles[1], 1e-9);
  EXPECT_NEAR(r2.x[2], r1.x[2], 1e-9);
  std::vector<obsPolygonale> moinsDix = {rangee(L"X", -10, 1, 0), rangee(L"Y", 0, 1, 0)};
  ASSERT_EQ(calculerPolygonaleOuverte(t.depart, t.arrivee, 0, 0, 0, moinsDix, r1), 0);
  EXPECT_NEAR(r1.angles[0], 390, 1e-12);
}

TEST(TraverseOuverte, RawTraverseFollowsTheObservations) {
  traverseMesuree t = mesurer(kUniteDegres);
  std::vector<double> x, y;
  polygonaleBrute(t.depart, kUniteDegres, true, t.lignes, x, y);
  ASSERT_EQ(x.size(), 4u);
  EXPECT_NEAR(x[3], B.x, 1e-8);
  EXPECT_NEAR(y[2], P2.y, 1e-8);
}

TEST(TraverseOuverte, BadInput) {
  traverseMesuree t = mesurer(kUniteGrades);
  resultatPolygonaleOuverte r;
  std::vector<obsPolygonale> une(t.lignes.begin(), t.lignes.begin() + 1);
  EXPECT_EQ(calculerPolygonaleOuverte(t.depart, t.arrivee, 0, 0, 0, une, r), kDonneesInsuffisantes);
  for (auto& l : t.lignes) l.distance = 0;
  EXPECT_EQ(calculerPolygonaleOuverte(t.depart, t.arrivee, 0, 3, 0, t.lignes, r),
            kDistanceTotaleNulle);
  t = mesurer(kUniteGrades);
  t.arrivee.x = 1e308;
  t.depart.x = -1e308;
  EXPECT_EQ(calculerPolygonaleOuverte(t.depart, t.arrivee, t.fermeture, 0, 0, t.lignes, r),
            kValeursHorsLimites);
}

}  // namespace
