#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cmath>
#include <random>
#include <string>

#include "computations/moindresCarresCalcul.h"
#include "computations/moindresCarresGeometrie.h"

namespace {

std::wstring texte(const CString& c) { return c.GetString(); }

int occurrences(const CString& journal, const wchar_t* motif) {
  int n = 0;
  for (size_t p = texte(journal).find(motif); p != std::wstring::npos;
       p = texte(journal).find(motif, p + 1))
    ++n;
  return n;
}

bool sansNaN(const reseauMoindresCarres& r, const CString& journal) {
  for (const pointACalculer& p : r.points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return false;
  const std::wstring t = texte(journal);
  return t.find(L"nan") == std::wstring::npos && t.find(L"inf") == std::wstring::npos;
}

reseauMoindresCarres lire(const std::string& contenu) {
  reseauMoindresCarres r;
  EXPECT_TRUE(lireReseauMoindresCarres(contenu, r)) << contenu;
  return r;
}

formulesPoids poidsEgaux() {
  formulesPoids f;
  f.angles = f.gisements = f.distances = L"1";
  return f;
}

// Solution, then iterations until the corrections vanish, as a user presses "Itérer".
bool compenser(reseauMoindresCarres& r, CString& journal,
               methodeResolution methode = methodeResolution::automatique,
               const formulesPoids& formules = poidsEgaux()) {
  if (!resoudreReseau(r, formules, journal, methode)) return false;
  for (int i = 0; i < 5; ++i)
    if (!ajusterPlanimetrie(r, formules, journal, methode)) return false;
  return true;
}

const pointACalculer& point(const reseauMoindresCarres& r, const char* nom) {
  return r.points.at(r.chercherPoint(CString(nom)));
}

TEST(MoindresCarres, BearingAndDistanceFromOneKnownPoint) {
  reseauMoindresCarres r = lire("XYZ\nA 1000 1000 100\nB 1100 1000\nOBS\nA NORD C 50 100\n");
  ASSERT_EQ(r.points.size(), 3u);
  EXPECT_TRUE(point(r, "A").connuAltitude);
  EXPECT_FALSE(point(r, "B").connuAltitude);
  EXPECT_FALSE(point(r, "C").connuPlan);
  ASSERT_EQ(r.observations.size(), 2u);
  EXPECT_EQ(r.observations[0].reference, -1);
  EXPECT_NEAR(r.observations[0].valeur, kPi / 4, 1e-15);
  EXPECT_EQ(texte(afficherDonnees(r)),
            L"XYZ\r\n0 Point          A  X=     1000.0000 Y=     1000.0000 Z=      100.0000"
            L"\r\n1 Point          B  X=     1100.0000 Y=     1000.0000 Z: Inconnu"
            L"\r\nPoints à calculer:\r\nPoint 2          C  \r\nObservations"
            L"\r\nAngle A NORD C =        50.0000 (grades)\r\nDistance A-C =       100.0000 ");

  CString journal;
  ASSERT_TRUE(resoudreReseau(r, formulesPoids(), journal));
  EXPECT_NEAR(point(r, "C").x, 1070.7107, 5e-5);
  EXPECT_NEAR(point(r, "C").y, 1070.7107, 5e-5);
  EXPECT_NE(texte(journal).find(L"Calcul du point C  à l'aide de 2 equations \r\n"
                                L"Solution trouvée: X=     1070.7107 Y=     1070.7107 \r\n"
                                L"Vecteur Solution (2 elements)\r\n"),
            std::wstring::npos)
      << texte(journal);
  EXPECT_NE(texte(journal).find(L"Valeur du chi 2=  0.0000000000"), std::wstring::npos);
}

TEST(MoindresCarres, ReaderUnitsCaseRepeatsAndBadLines) {
  reseauMoindresCarres r = lire(
      "* commentaire\n  xyz\na 0 0\nb 100 0 12.5\nc x 5\nobs\nangles degres\n"
      "a nord p 45\n\"a\" b p 40 70.7\nb a p  -  70.71 1.5\np a p 10\na a p 1\n"
      "XYZ\np 50 50\n");
  // "c" has no numeric X; a point seen from itself, or taken as its own reference, is refused.
  EXPECT_EQ(r.chercherPoint(CString("C")), -1);
  EXPECT_GE(r.chercherPoint(CString("p")), 0);
  EXPECT_TRUE(point(r, "P").connuPlan);  // coordinates given after the observations
  int angles = 0, distances = 0, denivelees = 0;
  for (const observationMC& o : r.observations) {
    angles += o.type == kObsAngle;
    distances += o.type == kObsDistance;
    denivelees += o.type == kObsDenivelee;
  }
  EXPECT_EQ(angles, 2);
  EXPECT_EQ(distances, 2);
  EXPECT_EQ(denivelees, 1);
  EXPECT_NEAR(r.observations[0].valeur, kPi / 4, 1e-15);
  EXPECT_EQ(r.remarques.size(), 2u);

  reseauMoindresCarres vide;
  EXPECT_FALSE(lireReseauMoindresCarres("XYZ\nA 0 0\n", vide));
  EXPECT_FALSE(lireReseauMoindresCarres("OBS\nA B C\nA B C x\n", vide));
  EXPECT_TRUE(vide.points.empty());

  reseauMoindresCarres deux = lire("A 0 0\nB 100 0\nOBS\nA NORD C 0 50\nC NORD A 0 50.002\n");
  CString journal;
  supprimerObservationsEquivalentes(deux, journal);
  EXPECT_EQ(occurrences(journal, L"Suppression de l'observation"), 1);
  EXPECT_NE(texte(journal).find(L"Suppression de l'observation 3 (equiv a 2)\r\n"
                                L"obs Distance de 0 à 2 d=       50.0000\r\n"
                                L"obs Distance de 2 à 0 d=       50.0020\r\n"),
            std::wstring::npos)
      << texte(journal);
  EXPECT_EQ(deux.observations.size(), 3u);
}

struct pointVrai {
  const char* nom;
  double x, y;
  bool connu;
};

// A ".mc" text whose observations are computed from true coordinates, with a seeded noise.
std::string reseauSimule(const std::vector<pointVrai>& points,
                         const std::vector<std::array<int, 3>>& angles,
                         const std::vector<std::array<int, 2>>& distances, double bruitAngle,
                         double bruitDistance, unsigned graine = 7) {
  std::mt19937 gen(graine);
  std::normal_distribution<double> normale(0, 1);
  std::string t = "XYZ\n";
  char ligne[200];
  for (const pointVrai& p : points)
    if (p.connu) {
      std::snprintf(ligne, sizeof ligne, "%s %.6f %.6f\n", p.nom, p.x, p.y);
      t += ligne;
    }
  t += "OBS\nANGLES RADIANS\n";
  auto pp = [&](int i) { return pointPlan{points[i].x, points[i].y}; };
  for (const auto& a : angles) {
    const double v = a[1] < 0 ? gisement(pp(a[0]), pp(a[2]))
                              : reduireTour(gisement(pp(a[0]), pp(a[2])) - gisement(pp(a[0]), pp(a[1])));
    std::snprintf(ligne, sizeof ligne, "%s %s %s %.12f\n", points[a[0]].nom,
                  a[1] < 0 ? "NORD" : points[a[1]].nom, points[a[2]].nom, v + bruitAngle * normale(gen));
    t += ligne;
  }
  for (const auto& d : distances) {
    std::snprintf(ligne, sizeof ligne, "%s NORD %s - %.6f\n", points[d[0]].nom, points[d[1]].nom,
                  distancePlan(pp(d[0]), pp(d[1])) + bruitDistance * normale(gen));
    t += ligne;
  }
  return t;
}

// An independent adjustment: Gauss-Newton on the weighted observation equations themselves,
// numerical derivatives, solved by a column-pivoting QR of the design matrix.
Eigen::VectorXd compensationIndependante(const reseauMoindresCarres& depart) {
  reseauMoindresCarres r = depart;
  std::vector<int> inconnus;
  for (size_t p = 0; p < r.points.size(); ++p)
    if (!r.points[p].connuPlan) inconnus.push_back(static_cast<int>(p));
  const int n = 2 * static_cast<int>(inconnus.size());
  auto residus = [&](const reseauMoindresCarres& etat) {
    Eigen::VectorXd v(etat.observations.size());
    for (size_t i = 0; i < etat.observations.size(); ++i) {
      const observationMC& o = etat.observations[i];
      const double ecart = valeurCalculee(etat, o) - o.valeur;
      v(i) = o.type == kObsAngle ? reduireDemiTour(ecart) : ecart;
    }
    return v;
  };
  for (int iteration = 0; iteration < 20; ++iteration) {
    const Eigen::VectorXd v0 = residus(r);
    Eigen::MatrixXd a(v0.size(), n);
    for (int k = 0; k < n; ++k) {
      reseauMoindresCarres d = r;
      double& c = k % 2 ? d.points[inconnus[k / 2]].y : d.points[inconnus[k / 2]].x;
      c += 1e-6;
      a.col(k) = (residus(d) - v0) / 1e-6;
    }
    const Eigen::VectorXd dx = a.colPivHouseholderQr().solve(-v0);
    for (int k = 0; k < n; ++k)
      (k % 2 ? r.points[inconnus[k / 2]].y : r.points[inconnus[k / 2]].x) += dx(k);
  }
  Eigen::VectorXd x(n);
  for (int k = 0; k < n; ++k) x(k) = k % 2 ? r.points[inconnus[k / 2]].y : r.points[inconnus[k / 2]].x;
  return x;
}

struct casReseau {
  const char* nom;
  std::vector<pointVrai> points;
  std::vector<std::array<int, 3>> angles;
  std::vector<std::array<int, 2>> distances;
};

std::vector<casReseau> reseauxTypes() {
  return {
      {"trilateration",
       {{"A", 0, 0, true}, {"B", 1000, 0, true}, {"C", 500, 866, true}, {"P", 420, 310, false}},
       {},
       {{0, 3}, {1, 3}, {2, 3}}},
      {"relevement",
       {{"A", 1000, 5000, true}, {"B", 4000, 5200, true}, {"C", 6000, 3000, true},
        {"D", 2000, 1000, true}, {"P", 3000, 3000, false}},
       {{4, 0, 1}, {4, 1, 2}, {4, 2, 3}},
       {}},
      {"intersection",
       {{"A", 100, 100, true}, {"B", 900, 150, true}, {"C", 500, -200, true}, {"P", 480, 700, false}},
       {{0, -1, 3}, {1, -1, 3}, {2, -1, 3}, {0, 1, 3}},
       {}},
      {"mixte",
       {{"A", 0, 0, true}, {"B", 800, 0, true}, {"P", 200, 500, false}, {"Q", 650, 520, false},
        {"R", 400, 900, false}},
       {{0, 1, 2}, {1, 3, 0}, {2, 0, 3}, {3, 2, 4}, {4, 2, 3}, {0, -1, 2}},
       {{0, 2}, {1, 3}, {2, 3}, {2, 4}, {3, 4}, {1, 2}}},
  };
}

TEST(MoindresCarres, ExactObservationsGiveBackTheTrueCoordinates) {
  for (const casReseau& c : reseauxTypes()) {
    reseauMoindresCarres r = lire(reseauSimule(c.points, c.angles, c.distances, 0, 0));
    CString journal;
    ASSERT_TRUE(compenser(r, journal)) << c.nom << "\n" << std::string(texte(journal).begin(), texte(journal).end());
    for (const pointVrai& p : c.points) {
      EXPECT_NEAR(point(r, p.nom).x, p.x, 1e-4) << c.nom << " " << p.nom;
      EXPECT_NEAR(point(r, p.nom).y, p.y, 1e-4) << c.nom << " " << p.nom;
    }
    EXPECT_TRUE(sansNaN(r, journal));
  }
}

TEST(MoindresCarres, NoisyNetworksAgreeWithAnIndependentSolverOnBothPaths) {
  for (const casReseau& c : reseauxTypes()) {
    const reseauMoindresCarres donnees = lire(reseauSimule(c.points, c.angles, c.distances, 2e-5, 0.004));
    reseauMoindresCarres dense = donnees, creux = donnees;
    CString journal;
    ASSERT_TRUE(compenser(dense, journal, methodeResolution::qrDense)) << c.nom;
    ASSERT_TRUE(compenser(creux, journal, methodeResolution::choleskyCreux)) << c.nom;
    const Eigen::VectorXd attendu = compensationIndependante(dense);
    int k = 0;
    for (size_t p = 0; p < dense.points.size(); ++p) {
      if (dense.points[p].connuPlan) continue;
      EXPECT_NEAR(dense.points[p].x, attendu(k++), 1e-4) << c.nom;
      EXPECT_NEAR(dense.points[p].y, attendu(k++), 1e-4) << c.nom;
      EXPECT_NEAR(dense.points[p].x, creux.points[p].x, 1e-9) << c.nom;
      EXPECT_NEAR(dense.points[p].y, creux.points[p].y, 1e-9) << c.nom;
    }
  }
}

TEST(MoindresCarres, FormulaWeightsAndTheirFailures) {
  const casReseau c = reseauxTypes()[3];
  const reseauMoindresCarres donnees = lire(reseauSimule(c.points, c.angles, c.distances, 3e-5, 0.01));
  formulesPoids egaux = poidsEgaux(), ponderes;
  ponderes.angles = L"1/sigma^2";
  ponderes.gisements = L"1/sigma^2";
  ponderes.distances = L"1/(0.005+1e-5*d1)^2";
  ponderes.variables.definir(L"sigma", 3e-5);
  reseauMoindresCarres a = donnees, b = donnees;
  CString journal;
  ASSERT_TRUE(compenser(a, journal, methodeResolution::automatique, egaux));
  ASSERT_TRUE(compenser(b, journal, methodeResolution::automatique, ponderes));
  // Different weights move the points, though by less than the noise.
  const double ecart = distancePlan(positionPoint(a, 2), positionPoint(b, 2));
  EXPECT_GT(ecart, 1e-5);
  EXPECT_LT(ecart, 0.05);

  formulesPoids faux = ponderes;
  faux.distances = L"1/(";
  faux.angles = L"1/inconnue";
  reseauMoindresCarres d = donnees;
  CString j2;
  // Angles and distances both weigh 0: only the bearing is left, far too little.
  EXPECT_FALSE(resoudreReseau(d, faux, j2));
  EXPECT_EQ(occurrences(j2, L"Formule des distances \"1/(\" : Erreur dans la formule, poids 0"), 1);
  EXPECT_EQ(occurrences(j2, L"Formule des angles \"1/inconnue\" : variable inconnue inconnue, poids 0"), 1);
  EXPECT_NE(texte(j2).find(L"Erreur lors de la résolution:\r\nMatrice AtP (6 Lignes, 12 Colonnes)"),
            std::wstring::npos);
  EXPECT_TRUE(sansNaN(d, j2));
}

TEST(MoindresCarres, DegenerateNetworksFailCleanly) {
  const std::pair<const char*, const char*> cas[] = {
      {"points confondus", "A 0 0\nB 0 0\nOBS\nA NORD P 0 10\nA B P 0\n"},
      {"une seule distance", "A 0 0\nB 100 0\nOBS\nA NORD P - 50\n"},
      {"sans point connu", "OBS\nP NORD Q 0 10\nQ NORD R 100 10\nR P Q 50\n"},
      {"relevement sur points alignes",
       "A 0 0\nB 100 0\nC 200 0\nOBS\nP A B 0\nP B C 0\n"},
      {"deux distances", "A 0 0\nB 100 0\nOBS\nA NORD P - 60\nB NORD P - 60\n"},
      {"distances nulles", "A 0 0\nOBS\nA NORD P 0 0\n"},
      {"relevement sur le cercle des points", "A 0 100\nB 100 0\nC 0 -100\nOBS\nP A B 50\nP B C 50\n"},
      // P is placed where the circles touch, but nothing fixes it across the line AB.
      {"cercles tangents", "A 0 0\nB 100 0\nOBS\nA NORD P - 40\nB NORD P - 60\n"},
  };
  for (const auto& [nom, contenu] : cas)
    for (methodeResolution methode : {methodeResolution::qrDense, methodeResolution::choleskyCreux}) {
      reseauMoindresCarres r;
      CString journal;
      if (lireReseauMoindresCarres(contenu, r)) {
        EXPECT_FALSE(resoudreReseau(r, formulesPoids(), journal, methode)) << nom;
        EXPECT_FALSE(calculerAltitudes(r, journal, methode)) << nom;
      }
      EXPECT_TRUE(sansNaN(r, journal)) << nom << "\n" << std::string(texte(journal).begin(), texte(journal).end());
    }
  reseauMoindresCarres tangents = lire(cas[7].second);
  CString j0;
  EXPECT_FALSE(resoudreReseau(tangents, formulesPoids(), j0, methodeResolution::choleskyCreux));
  EXPECT_NE(texte(j0).find(L"Erreur lors de la résolution:\r\nMatrice AtP (2 Lignes, 2 Colonnes)"),
            std::wstring::npos)
      << std::string(texte(j0).begin(), texte(j0).end());
  // A and B at the same place: the angle from B makes no locus, the approximate position of P
  // comes from the bearing and the distance alone.
  reseauMoindresCarres confondus = lire(cas[0].second);
  CString journal;
  EXPECT_FALSE(resoudreReseau(confondus, formulesPoids(), journal));
  EXPECT_NEAR(point(confondus, "P").x, 0, 1e-9);
  EXPECT_NEAR(point(confondus, "P").y, 10, 1e-9);
  EXPECT_NE(texte(journal).find(L"deux de ses points sont confondus"), std::wstring::npos);
}

TEST(MoindresCarres, APointThatCannotBeSituatedDoesNotStopTheRest) {
  // P is fixed by three distances; P2 hangs on one distance from P only.
  reseauMoindresCarres r = lire("A 0 0\nB 100 0\nC 0 100\nOBS\nA NORD P - 50\nB NORD P - 80.622577\n"
                                "C NORD P - 67.082039\nP NORD P2 - 10\n");
  CString journal;
  ASSERT_TRUE(resoudreReseau(r, formulesPoids(), journal)) << std::string(texte(journal).begin(), texte(journal).end());
  EXPECT_NEAR(point(r, "P").x, 30, 1e-5);
  EXPECT_NEAR(point(r, "P").y, 40, 1e-5);
  EXPECT_EQ(occurrences(journal, L"Point P2 non calculé : observations insuffisantes pour le situer"), 1);
  EXPECT_EQ(occurrences(journal, L"Observations écartées (elles visent des points non calculés) : 1"), 1);
  EXPECT_FALSE(r.calcule[r.chercherPoint(CString("P2"))]);
  EXPECT_EQ(point(r, "P2").x, kSansValeur);
  EXPECT_EQ(occurrences(journal, L"[P2]"), 0);
  EXPECT_TRUE(ajusterPlanimetrie(r, formulesPoids(), journal));  // "Itérer" stays possible
}

TEST(MoindresCarres, AltitudesFromHeightDifferences) {
  // A levelling loop from A (100 m): A->P +2.000, P->Q +1.000, Q->A -2.994 misclose by 6 mm.
  reseauMoindresCarres r = lire(
      "A 0 0 100\nB 100 0\nOBS\nA NORD P - 50 2.000\nP NORD Q - 50 1.000\nQ NORD A - 50 -2.994\n");
  CString journal;
  // The plan cannot be solved (one distance per point); the altitudes do not depend on it.
  EXPECT_FALSE(resoudreReseau(r, formulesPoids(), journal));
  reseauMoindresCarres creux = r;
  ASSERT_TRUE(calculerAltitudes(r, journal)) << std::string(texte(journal).begin(), texte(journal).end());
  EXPECT_NEAR(point(r, "P").z, 101.998, 1e-9);
  EXPECT_NEAR(point(r, "Q").z, 102.996, 1e-9);
  CString journalCreux;
  ASSERT_TRUE(calculerAltitudes(creux, journalCreux, methodeResolution::choleskyCreux));
  EXPECT_NEAR(point(creux, "P").z, point(r, "P").z, 1e-9);
  EXPECT_NEAR(point(creux, "Q").z, point(r, "Q").z, 1e-9);
  EXPECT_NE(texte(journal).find(L"Résidu pour l'observation 3 (mm) = -2.0000000000 "), std::wstring::npos);
  EXPECT_NE(texte(journal).find(L"Valeur du chi 2=  0.0000120000"), std::wstring::npos);

  // H is reached by a height difference only: it gets its altitude, never a made-up position.
  reseauMoindresCarres h = lire("A 0 0 100\nOBS\nA NORD P 50 100 2.000\nP NORD H - - -0.500\n");
  CString j1;
  ASSERT_TRUE(resoudreReseau(h, formulesPoids(), j1)) << std::string(texte(j1).begin(), texte(j1).end());
  EXPECT_EQ(occurrences(j1, L"Point H : dénivelées seules, pas de position en plan ; "
                            L"\"Altitudes\" calcule son altitude, il n'est pas placé"), 1);
  EXPECT_FALSE(h.calcule[h.chercherPoint(CString("H"))]);
  ASSERT_TRUE(calculerAltitudes(h, j1));
  EXPECT_NEAR(point(h, "H").z, 101.5, 1e-9);
  EXPECT_EQ(point(h, "H").x, kSansValeur);
  EXPECT_NE(texte(j1).find(L"Solution trouvée: X=       Inconnu Y=       Inconnu Z=      101.5000"),
            std::wstring::npos);
  EXPECT_NE(texte(j1).find(L"\t[H]\t(       Inconnu\t       Inconnu\t      101.5000\t)"),
            std::wstring::npos);
  EXPECT_EQ(texte(j1).find(L"00000000000000"), std::wstring::npos);  // no 1e38 printed out

  reseauMoindresCarres sansReference = lire("A 0 0\nOBS\nA NORD P - 50 2.000\n");
  CString j2;
  EXPECT_FALSE(calculerAltitudes(sansReference, j2));
  EXPECT_TRUE(sansNaN(sansReference, j2));
}

}  // namespace
