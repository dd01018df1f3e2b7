#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "computations/rapportPolygonale.h"
#include "reports/htmlPage.h"
#include "traverse_support.h"

namespace {

// The page's body as ANSI text, what the browser reads.
std::string corps(htmlPage& page, const char* chemin) {
  page.setFileName(chemin);
  page.write();
  FILE* f = std::fopen(chemin, "rb");
  std::string texte;
  char tampon[4096];
  for (size_t n; f != nullptr && (n = std::fread(tampon, 1, sizeof tampon, f)) > 0;) texte.append(tampon, n);
  if (f != nullptr) std::fclose(f);
  if (std::getenv("GARDER_RAPPORTS") == nullptr) std::remove(chemin);
  return texte;
}

entreesPolygonale carre(int mode) {
  entreesPolygonale e;
  e.depart = {L"Borne é", 1000, 1000, 100, 0};
  e.nivellement = mode;
  e.observees = {rangee(L"B", 299.999, 100, 1.0), rangee(L"C", 299.999, 100, 0.5),
                 rangee(L"D", 299.999, 100, -1.0), rangee(L"Borne é", 299.999, 100, -0.48)};
  return e;
}

TEST(TraverseRapport, ClosedReportHoldsTheComputedNumbersInOrder) {
  entreesPolygonale e = carre(kNivellementSimple);
  std::vector<obsPolygonale> lignes = e.observees;
  resultatPolygonaleFermee r;
  ASSERT_EQ(calculerPolygonaleFermee(e.depart, e.nivellement, e.unite, lignes, r), 0);
  htmlPage page;
  rapportPolygonaleFermee(e, r, page);
  const std::string html = corps(page, "/tmp/traverse_rapport_fermee.html");
  const char* const attendus[] = {
      "<P CLASS=grand>Corrections de fermeture polygonale</P>",
      "Station de d\xE9part : Borne \xE9\tX=1000.0000\tY=1000.0000\tZ=100.000000\tVo=0.0000</P>",
      "Observations",
      "Erreur angulaire=0.00400</P>",
      "Correction angulaire=0.00100</P>",
      "Ang Ext Corr",
      ">300.0000<",
      "Correction des distances",
      "Correction simple, erreur de fermeture r\xE9partie uniform\xE8ment",
      ">0.9950<",  // first corrected height difference
      "Coordonn\xE9" "es finales",
      ">1100.0000<"};
  size_t position = 0;
  for (const char* texte : attendus) {
    const size_t trouve = html.find(texte, position);
    ASSERT_NE(trouve, std::string::npos) << texte;
    position = trouve;
  }
  EXPECT_EQ(html.find("nan"), std::string::npos);
}

TEST(TraverseRapport, LevellingTitlesFollowTheMode) {
  const struct {
    int mode;
    const char* present;
    const char* absent;
  } cas[] = {{kNivellementAucun, "Pas de correction de nivellement", "d.Z Corrig"},
             {kNivellementDistances, "Correction proportionnelle aux distances", "Racine.dist"},
             {kNivellementRacines, "Racine.dist", "aux distances<"}};
  for (const auto& c : cas) {
    entreesPolygonale e = carre(c.mode);
    std::vector<obsPolygonale> lignes = e.observees;
    resultatPolygonaleFermee r;
    ASSERT_EQ(calculerPolygonaleFermee(e.depart, e.nivellement, e.unite, lignes, r), 0);
    htmlPage page;
    rapportPolygonaleFermee(e, r, page);
    const std::string html = corps(page, "/tmp/traverse_rapport_modes.html");
    EXPECT_NE(html.find(c.present), std::string::npos) << c.mode;
    EXPECT_EQ(html.find(c.absent), std::string::npos) << c.mode;
  }
}

TEST(TraverseRapport, OpenReportNamesLegsAndKnownStations) {
  entreesPolygonale e;
  e.depart = {L"A", 0, 0, 10, 100};
  e.arrivee = {L"B", 200, 0, 10, 100};
  e.fermeture = 200;
  e.nivellement = kNivellementDistances;
  e.observees = {rangee(L"P", 200, 100, 0.01), rangee(L"B", 200, 100, 0.01)};
  std::vector<obsPolygonale> lignes = e.observees;
  resultatPolygonaleOuverte r;
  ASSERT_EQ(calculerPolygonaleOuverte(e.depart, e.arrivee, e.fermeture, e.nivellement, e.unite,
                                      lignes, r),
            0);
  EXPECT_NEAR(r.x[1], 100, 1e-9);
  htmlPage page;
  rapportPolygonaleOuverte(e, r, page);
  const std::string html = corps(page, "/tmp/traverse_rapport_ouverte.html");
  for (const char* texte : {"D\xE9part : A", "Arriv\xE9" "e : B", "Fermeture : 200.0000", ">A-P<",
                            ">P-B<", "Erreur :", "Comprensation des distances",
                            "R\xE9sultats finaux :", ">0.0100<"}) {
    EXPECT_NE(html.find(texte), std::string::npos) << texte;
  }
}

}  // namespace
