// Damaged data files (seeded random changes to good ones) go through the readers and the whole
// computation: no crash, no value that is not a number.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "computations/formule.h"
#include "computations/formuleFichier.h"
#include "computations/moindresCarresCalcul.h"

namespace {

std::string alterer(std::string octets, std::mt19937& gen) {
  std::uniform_int_distribution<int> nombre(1, 8), octet(0, 255);
  const char utiles[] = " \t\n-.0123456789E\"*:=NORDXYZOBS";
  for (int k = nombre(gen); k > 0 && !octets.empty(); --k) {
    const size_t position = std::uniform_int_distribution<size_t>(0, octets.size() - 1)(gen);
    switch (octet(gen) % 4) {
      case 0: octets[position] = static_cast<char>(octet(gen)); break;
      case 1: octets[position] = utiles[octet(gen) % (sizeof utiles - 1)]; break;
      case 2: octets.erase(position, 1 + octet(gen) % 6); break;
      default: octets.insert(position, octets.substr(position, octet(gen) % 40)); break;
    }
  }
  return octets;
}

TEST(ReseauAleatoire, DamagedNetworksNeverGiveNanOrCrash) {
  const std::string bon =
      "XYZ\nA 0 0 100\nB 1000 0 101.5\nC 500 866\nOBS\nANGLES DEGRES\nP A B 70 420 1.5\n"
      "P B C 80 600 -0.2\nP C A 210 300\nA NORD P 40 420.01\nQ A P 15 100\nQ P B 90 - 0.3 1 2 3\n";
  std::mt19937 gen(11);
  for (int essai = 0; essai < 1500; ++essai) {
    reseauMoindresCarres r;
    const std::string contenu = alterer(bon, gen);
    if (!lireReseauMoindresCarres(contenu, r)) continue;
    CString journal;
    if (resoudreReseau(r, formulesPoids(), journal)) ajusterPlanimetrie(r, formulesPoids(), journal);
    calculerAltitudes(r, journal);
    for (const pointACalculer& p : r.points)
      ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z)) << contenu;
    ASSERT_EQ(std::wstring(journal.GetString()).find(L"nan"), std::wstring::npos) << contenu;
  }
}

TEST(ReseauAleatoire, DamagedFormulaFilesAndTextsAreRefusedOrRead) {
  formulesPoids origine;
  origine.variables.definir(L"k", 2.5, L"commentaire");
  const std::string bon = ecrireOctetsFormules(origine);
  std::mt19937 gen(5);
  int lus = 0;
  for (int essai = 0; essai < 3000; ++essai) {
    formulesPoids f;
    if (!lireOctetsFormules(alterer(bon, gen), f)) continue;
    ++lus;
    for (const std::wstring* texte : {&f.angles, &f.gisements, &f.distances})
      ASSERT_TRUE(std::isfinite(formule(*texte).evaluer(f.variables, true)));
  }
  EXPECT_GT(lus, 0);
}

}  // namespace
