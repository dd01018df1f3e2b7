// Classic small networks (trilateration, resection, intersection, a mixed network of angles and
// distances) adjusted by CORRMCARRES's computation and, apart, by a Gauss-Newton written here
// from the observation equations alone: both must give the same coordinates to 0.1 mm, and the
// dense and sparse solutions of the module the same to 1e-9 m.
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "computations/moindresCarresCalcul.h"

namespace {

constexpr double kSans = NAN;  // no such measure on the line
constexpr double kTour = 2 * 3.14159265358979323846;

struct coordonnees {
  double x, y;
};

// One observation as a surveyor writes it: station, reference ("NORD" for a bearing, empty for
// a distance), target, the angle in grades or the distance, and its fixed weight (0: from the
// formulas, that is 1 with the formulas of these tests).
struct mesure {
  std::string station;
  std::string reference;
  std::string visee;
  double angle;
  double distance;
  double poids = 0;
};

struct reseauClassique {
  const char* nom;
  std::map<std::string, coordonnees> connus;
  std::map<std::string, coordonnees> approches;  // starting values of the independent solution
  std::vector<mesure> mesures;
};

std::string texte(const CString& c) {
  const std::wstring w = c.GetString();
  return std::string(w.begin(), w.end());
}

std::string fichierMc(const reseauClassique& r) {
  std::string t = "XYZ\n";
  char ligne[200];
  for (const auto& [nom, c] : r.connus) {
    std::snprintf(ligne, sizeof ligne, "%s %.4f %.4f\n", nom.c_str(), c.x, c.y);
    t += ligne;
  }
  t += "OBS\nANGLES GRADES\n";
  for (const mesure& m : r.mesures) {
    std::string poids = m.poids > 0 ? std::to_string(m.poids) : "-";
    if (std::isnan(m.distance))
      std::snprintf(ligne, sizeof ligne, "%s %s %s %.4f - - %s\n", m.station.c_str(),
                    m.reference.c_str(), m.visee.c_str(), m.angle, poids.c_str());
    else
      std::snprintf(ligne, sizeof ligne, "%s NORD %s - %.3f - - %s\n", m.station.c_str(),
                    m.visee.c_str(), m.distance, poids.c_str());
    t += ligne;
  }
  return t;
}

// Gauss-Newton on the observation equations: bearings clockwise from the north (Y axis),
// analytic derivatives, the weighted design matrix solved by a column-pivoting QR.
std::map<std::string, coordonnees> solutionIndependante(const reseauClassique& r) {
  std::map<std::string, coordonnees> pts = r.connus;
  std::map<std::string, int> colonne;
  for (const auto& [nom, c] : r.approches) {
    pts[nom] = c;
    colonne[nom] = 2 * static_cast<int>(colonne.size());
  }
  const int n = 2 * static_cast<int>(colonne.size());
  const int m = static_cast<int>(r.mesures.size());
  auto derivee = [&](Eigen::MatrixXd& a, int i, const std::string& p, double dx, double dy) {
    if (colonne.count(p)) {
      a(i, colonne[p]) += dx;
      a(i, colonne[p] + 1) += dy;
    }
  };
  // Adds the bearing s->t to row i with the given sign; returns the bearing.
  auto gisement = [&](Eigen::MatrixXd& a, int i, const std::string& s, const std::string& t, double signe) {
    const double dx = pts[t].x - pts[s].x, dy = pts[t].y - pts[s].y, q = dx * dx + dy * dy;
    derivee(a, i, t, signe * dy / q, -signe * dx / q);
    derivee(a, i, s, -signe * dy / q, signe * dx / q);
    return std::atan2(dx, dy);
  };
  for (int iteration = 0; iteration < 50; ++iteration) {
    Eigen::MatrixXd a = Eigen::MatrixXd::Zero(m, n);
    Eigen::VectorXd l(m);
    for (int i = 0; i < m; ++i) {
      const mesure& o = r.mesures[i];
      const double w = std::sqrt(o.poids > 0 ? o.poids : 1.0);
      if (!std::isnan(o.distance)) {
        const double dx = pts[o.visee].x - pts[o.station].x, dy = pts[o.visee].y - pts[o.station].y;
        const double d = std::hypot(dx, dy);
        derivee(a, i, o.visee, dx / d, dy / d);
        derivee(a, i, o.station, -dx / d, -dy / d);
        l(i) = o.distance - d;
      } else {
        double calcule = gisement(a, i, o.station, o.visee, 1);
        if (o.reference != "NORD") calcule -= gisement(a, i, o.station, o.reference, -1);
        l(i) = std::remainder(o.angle * kTour / 400 - calcule, kTour);
      }
      a.row(i) *= w;
      l(i) *= w;
    }
    const Eigen::VectorXd dx = a.colPivHouseholderQr().solve(l);
    for (const auto& [nom, c] : colonne) {
      pts[nom].x += dx(c);
      pts[nom].y += dx(c + 1);
    }
    if (dx.norm() < 1e-11) break;
  }
  for (const auto& [nom, c] : r.connus) pts.erase(nom);
  return pts;
}

formulesPoids poidsUnitaires() {
  formulesPoids f;
  f.angles = f.gisements = f.distances = L"1";
  return f;
}

// "Solution" then "Itérer" until the corrections are far below the tenth of a millimetre.
bool compenser(reseauMoindresCarres& r, methodeResolution methode, CString& journal,
               const formulesPoids& formules = poidsUnitaires()) {
  if (!resoudreReseau(r, formules, journal, methode)) return false;
  for (int i = 0; i < 6; ++i)
    if (!ajusterPlanimetrie(r, formules, journal, methode)) return false;
  return true;
}

// Observed values made from the design coordinates with a few millimetres and milligrades of
// error, rounded as a field book gives them.
std::vector<reseauClassique> reseauxClassiques() {
  return {
      {"trilateration",
       {{"A", {1000, 1000}}, {"B", {2000, 1050}}, {"C", {2100, 1900}}, {"D", {950, 2000}}},
       {{"P", {1400.4, 1499.7}}, {"Q", {1699.6, 1450.3}}},
       {{"A", "", "P", kSans, 640.309},
        {"B", "", "P", kSans, 750.003},
        {"C", "", "P", kSans, 806.222},
        {"D", "", "P", kSans, 672.683},
        {"A", "", "Q", kSans, 832.161},
        {"B", "", "Q", kSans, 500.003},
        {"C", "", "Q", kSans, 602.079},
        {"P", "", "Q", kSans, 304.144},
        {"D", "", "Q", kSans, 930.057}}},
      // One point far from its three stations (distances in feet); the solution is
      // X = 6861.3168, Y = 3727.8186.
      {"trilateration lointaine",
       {{"A", {865.40, 4527.15}}, {"B", {2432.55, 2047.25}}, {"C", {2865.22, 27.15}}},
       {{"U", {6860, 3730}}},
       {{"A", "", "U", kSans, 6049.00}, {"B", "", "U", kSans, 4736.83}, {"C", "", "U", kSans, 5446.49}}},
      {"relevement",
       {{"A", {1000, 4000}}, {"B", {3500, 4200}}, {"C", {4300, 2000}}, {"D", {2000, 800}}},
       {{"P", {2500.5, 2499.5}}},
       {{"P", "A", "B", 83.8507, kSans},
        {"P", "A", "C", 167.2486, kSans},
        {"P", "A", "D", 268.2113, kSans},
        {"P", "B", "C", 83.3984, kSans}}},
      {"intersection",
       {{"S1", {0, 0}}, {"S2", {1500, 100}}, {"S3", {700, -600}}},
       {{"P", {799.5, 1200.5}}},
       {{"S1", "S2", "P", 341.6700, kSans},
        {"S2", "S1", "P", 68.1597, kSans},
        {"S3", "NORD", "P", 3.5295, kSans},
        {"S3", "S1", "P", 58.4205, kSans}}},
      // Angles to 1.5 mgr (weight 1/sigma^2 in radians) and distances to 5 mm.
      {"mixte",
       {{"A", {5000, 5000}}, {"B", {5600, 4900}}},
       {{"P", {5200.3, 5499.8}}, {"Q", {5699.7, 5400.2}}, {"R", {5450.2, 5899.7}}},
       {{"A", "B", "P", 313.7133, kSans, 1.8e9},
        {"B", "A", "Q", 102.0537, kSans, 1.8e9},
        {"P", "A", "Q", 288.3407, kSans, 1.8e9},
        {"Q", "B", "R", 157.9183, kSans, 1.8e9},
        {"R", "P", "Q", 334.9220, kSans, 1.8e9},
        {"A", "NORD", "P", 24.2229, kSans, 1.8e9},
        {"P", "Q", "R", 322.9940, kSans, 1.8e9},
        {"A", "", "P", kSans, 538.517, 4e4},
        {"B", "", "Q", kSans, 509.905, 4e4},
        {"P", "", "Q", kSans, 509.902, 4e4},
        {"P", "", "R", kSans, 471.706, 4e4},
        {"Q", "", "R", kSans, 559.015, 4e4},
        {"B", "", "P", kSans, 721.114, 4e4}}},
  };
}


TEST(MoindresCarresReseaux, ClassicNetworksAgreeWithAnIndependentAdjustment) {
  for (const reseauClassique& classique : reseauxClassiques()) {
    reseauMoindresCarres donnees;
    ASSERT_TRUE(lireReseauMoindresCarres(fichierMc(classique), donnees)) << classique.nom;
    reseauMoindresCarres dense = donnees, creux = donnees;
    CString journal;
    ASSERT_TRUE(compenser(dense, methodeResolution::qrDense, journal)) << classique.nom << texte(journal);
    ASSERT_TRUE(compenser(creux, methodeResolution::choleskyCreux, journal)) << classique.nom;
    const std::map<std::string, coordonnees> attendu = solutionIndependante(classique);
    ASSERT_EQ(attendu.size(), classique.approches.size());
    for (const auto& [nom, c] : attendu) {
      const int i = dense.chercherPoint(CString(nom.c_str()));
      ASSERT_GE(i, 0) << nom;
      EXPECT_TRUE(dense.calcule[i]) << classique.nom << " " << nom;
      EXPECT_NEAR(dense.points[i].x, c.x, 1e-4) << classique.nom << " " << nom;
      EXPECT_NEAR(dense.points[i].y, c.y, 1e-4) << classique.nom << " " << nom;
      EXPECT_NEAR(creux.points[i].x, dense.points[i].x, 1e-9) << classique.nom << " " << nom;
      EXPECT_NEAR(creux.points[i].y, dense.points[i].y, 1e-9) << classique.nom << " " << nom;
    }
  }
}

// The network of examples/reseau-exemple.mc with the default weight formulas (1/sigma^2, angles
// to 1.5 mgr, distances to 5 mm). The coordinates checked here are those the example's script
// places in the drawing (tests/app/moindres_carres_exemple_test.cpp).
TEST(MoindresCarresReseaux, TheExampleNetworkAgreesWithAnIndependentAdjustment) {
  reseauMoindresCarres donnees;
  ASSERT_TRUE(chargerFichierMoindresCarres(L"" TEST_DATA_DIR "/../../examples/reseau-exemple.mc", donnees));
  reseauClassique exemple{"exemple", {}, {}, {}};
  auto nom = [&](int i) { return texte(donnees.points[i].nom); };
  for (size_t i = 0; i < donnees.points.size(); ++i) {
    const pointACalculer& p = donnees.points[i];
    if (p.connuPlan) exemple.connus[nom(static_cast<int>(i))] = {p.x, p.y};
  }
  exemple.approches = {{"P10", {1250, 1310}}, {"P11", {1480, 1290}}, {"P12", {1330, 1480}}};
  const double sigmaAngle = 0.0015 * 3.14159265358979323846 / 200, sigmaDistance = 0.005;
  for (const observationMC& o : donnees.observations) {
    if (o.type == kObsDenivelee) continue;
    const std::string reference = o.reference < 0 ? "NORD" : nom(o.reference);
    if (o.type == kObsAngle)
      exemple.mesures.push_back({nom(o.station), reference, nom(o.visee), o.valeur * 200 / 3.14159265358979323846,
                                 kSans, 1 / (sigmaAngle * sigmaAngle)});
    else
      exemple.mesures.push_back({nom(o.station), "", nom(o.visee), kSans, o.valeur,
                                 1 / (sigmaDistance * sigmaDistance)});
  }
  ASSERT_EQ(exemple.mesures.size(), 16u);
  reseauMoindresCarres dense = donnees, creux = donnees;
  CString journal;
  ASSERT_TRUE(compenser(dense, methodeResolution::qrDense, journal, formulesPoids())) << texte(journal);
  ASSERT_TRUE(compenser(creux, methodeResolution::choleskyCreux, journal, formulesPoids()));
  const std::map<std::string, coordonnees> attendu = solutionIndependante(exemple);
  const std::map<std::string, coordonnees> places = {
      {"P10", {1250.001457, 1310.001145}},
      {"P11", {1479.999949, 1289.999673}},
      {"P12", {1329.998193, 1479.998115}}};
  for (const auto& [point, c] : attendu) {
    const int i = dense.chercherPoint(CString(point.c_str()));
    EXPECT_NEAR(dense.points[i].x, c.x, 1e-4) << point;
    EXPECT_NEAR(dense.points[i].y, c.y, 1e-4) << point;
    EXPECT_NEAR(creux.points[i].x, dense.points[i].x, 1e-9) << point;
    EXPECT_NEAR(creux.points[i].y, dense.points[i].y, 1e-9) << point;
    EXPECT_NEAR(c.x, places.at(point).x, 1e-6) << point;
    EXPECT_NEAR(c.y, places.at(point).y, 1e-6) << point;
  }
}

// The point computed from one station by a bearing and a distance: no redundancy, the exact
// polar point, on both paths.
TEST(MoindresCarresReseaux, BearingAndDistanceGiveThePolarPointOnBothPaths) {
  const std::string fichier = "XYZ\nA 1000 1000 100\nB 1100 1000\nOBS\nA NORD C 50 100\n";
  for (methodeResolution methode : {methodeResolution::qrDense, methodeResolution::choleskyCreux}) {
    reseauMoindresCarres r;
    ASSERT_TRUE(lireReseauMoindresCarres(fichier, r));
    CString journal;
    ASSERT_TRUE(compenser(r, methode, journal)) << texte(journal);
    const pointACalculer& c = r.points[r.chercherPoint(CString("C"))];
    EXPECT_NEAR(c.x, 1000 + 50 * std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(c.y, 1000 + 50 * std::sqrt(2.0), 1e-9);
  }
}

}  // namespace
