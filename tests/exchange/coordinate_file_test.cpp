// N X Y Z coordinate files: what a hand-written file keeps, the exact bytes written, the round
// trip, the record ids and the failures of a missing or unwritable file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ed/ed_fixture.h"
#include "exchange/compteurEnregistrements.h"
#include "exchange/fichierNXYZ.h"
#include "exchange/nombreValide.h"
#include "exchange/tableObsXYZ.h"

namespace {

namespace fs = std::filesystem;

std::string lireOctets(const fs::path& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

class CoordinateFile : public ScriptedEditor {
 protected:
  CoordinateFile() {
    dossier = fs::temp_directory_path() / ("nxyz_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dossier);
  }
  ~CoordinateFile() override {
    std::error_code ignore;
    fs::permissions(dossier, fs::perms::owner_all, ignore);
    fs::remove_all(dossier, ignore);
  }
  CString chemin(const char* nom) const { return CString((dossier / nom).wstring().c_str()); }
  fs::path dossier;
};

TEST(ValidNumber, StrictRuleOfCoordinates) {
  for (const char* oui : {"12", "-3.5", "+4", "1.25E-3", "  7  ", "0.0E+12", "\t-0.5"}) EXPECT_TRUE(estNombreValide(oui)) << oui;
  for (const char* non : {"1.", ".5", "1E5", "1.5e3", "-.5", "1,5", "", "+", "1.5E", "12a", "1 2", "--1"})
    EXPECT_FALSE(estNombreValide(non)) << non;
}

TEST(LeadingNumber, ReadsLikeTheCLibraryButNeverGivesInfinityOrNan) {
  EXPECT_DOUBLE_EQ(lireNombreEnTete("15.5m", 9), 15.5);
  EXPECT_DOUBLE_EQ(lireNombreEnTete("1e3", 9), 1000.0);
  EXPECT_DOUBLE_EQ(lireNombreEnTete("-.5", 9), -0.5);
  EXPECT_DOUBLE_EQ(lireNombreEnTete("2.E", 9), 2.0);
  EXPECT_EQ(lireNombreEnTete("abc", 9), 0.0);
  EXPECT_EQ(lireNombreEnTete("nan", 9), 0.0);
  EXPECT_EQ(lireNombreEnTete("inf", 9), 0.0);
  EXPECT_EQ(lireNombreEnTete("0x1p3", 9), 0.0);
  EXPECT_EQ(lireNombreEnTete("1e999", 9), 9.0);
}

TEST(CoordinateText, KeepsExactlyTheUsableLines) {
  const std::string longue = "L1 1.0 2.0 " + std::string(1100, 'x');
  const std::string texte =
      "A1 100.5 200.25\r\n"
      "\r\n"
      "   \t  \r\n"
      "A2\t1\t2\t3\t0\r\n"
      "A3 1,5 2 3\r\n"       // a comma is not a decimal point
      "A4 .5 2 3\r\n"
      "B1 abc 2\r\n"
      "B2 1 2.\r\n"
      "B3 1\r\n"
      "A5 1 2 3 7 haie   vive\r\n"
      "\xC9glise 10.0 20.0 3.5abc xyz\r\n"  // "Église", Windows-1252; Z has a valid prefix, code is text
      "A6 -4 +5 1.5e2 99999 z\r\n" +
      longue + "\r\nA7 1 2 3 4";
  CArray<pointXYZ, const pointXYZ&> records;
  lireTexteNXYZ(texte, records);
  ASSERT_EQ(records.GetSize(), 5);
  EXPECT_EQ(records[0].nom, L"A1");
  EXPECT_EQ(records[0].x, 100.5);
  EXPECT_EQ(records[0].y, 200.25);
  EXPECT_EQ(records[0].z, kSansValeur);
  EXPECT_EQ(records[0].code, 1);
  EXPECT_EQ(records[1].nom, L"A2");
  EXPECT_EQ(records[1].z, 3.0);
  EXPECT_EQ(records[1].code, 1);
  EXPECT_EQ(records[2].code, 7);
  EXPECT_EQ(records[2].obs, L"haie vive");
  EXPECT_EQ(records[3].nom, L"\u00C9glise");
  EXPECT_EQ(records[3].z, 3.5);
  EXPECT_EQ(records[3].code, 1);
  EXPECT_EQ(records[4].x, -4.0);
  EXPECT_EQ(records[4].y, 5.0);
  EXPECT_EQ(records[4].z, 150.0);
  EXPECT_EQ(records[4].code, 1);  // outside 1..9999
  EXPECT_EQ(records[4].obs, L"z");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(records[i].selection, 0);
}

TEST(CoordinateText, LineLengthLimitAndLastLineWithoutBreak) {
  CArray<pointXYZ, const pointXYZ&> records;
  std::string juste = "P 1.0 2.0 3 4 ";
  juste += std::string(kLongueurLigneNXYZ - juste.size(), 'o');
  lireTexteNXYZ(juste + "\nQ 3 4", records);
  ASSERT_EQ(records.GetSize(), 2);
  EXPECT_EQ(records[0].obs.GetLength(), static_cast<int>(kLongueurLigneNXYZ - 14));
  EXPECT_EQ(records[1].nom, L"Q");
  records.RemoveAll();
  lireTexteNXYZ(juste + "o\nQ 3 4", records);  // one character too many: reading stops there
  EXPECT_EQ(records.GetSize(), 0);
}

TEST(CoordinateText, RandomAndTruncatedInputKeepsOnlySaneRecords) {
  const std::string alphabet = "0123456789 \t\r\n.+-eE,aZ\xC9\0";
  unsigned graine = 12345;
  auto hasard = [&graine] { return (graine = graine * 1103515245u + 12345u) >> 16; };
  const std::string valide = "A1 100.5 200.25 3 7 obs\r\nB 1 2\r\n";
  for (int essai = 0; essai < 2000; ++essai) {
    std::string texte = valide.substr(0, hasard() % valide.size());
    const size_t longueur = hasard() % 300;
    for (size_t i = 0; i < longueur; ++i) texte += alphabet[hasard() % alphabet.size()];
    CArray<pointXYZ, const pointXYZ&> records;
    lireTexteNXYZ(texte, records);
    for (INT_PTR i = 0; i < records.GetSize(); ++i) {
      ASSERT_TRUE(std::isfinite(records[i].x) && std::isfinite(records[i].y)) << texte;
      ASSERT_FALSE(std::isnan(records[i].z)) << texte;
      ASSERT_TRUE(records[i].code >= 1 && records[i].code <= 9999) << texte;
      ASSERT_FALSE(records[i].nom.IsEmpty()) << texte;
    }
  }
}

TEST(RecordIds, OneCounterFromTheClockSkippingTheUnsetValue) {
  reinitialiserCompteurEnregistrements();
  const std::uint32_t premier = nouvelIdEnregistrement();
  EXPECT_NEAR(static_cast<double>(premier), static_cast<double>(std::time(nullptr)), 5.0);
  EXPECT_EQ(nouvelIdEnregistrement(), premier + 1);
  fixerCompteurEnregistrements(0xFFFFFFFEu);
  EXPECT_EQ(nouvelIdEnregistrement(), 0xFFFFFFFEu);
  EXPECT_NE(nouvelIdEnregistrement(), 0xFFFFFFFFu);
  CArray<pointXYZ, const pointXYZ&> records;
  lireTexteNXYZ("a 1 2\nb 3 4\n", records);
  EXPECT_EQ(records[1].id, records[0].id + 1);
  reinitialiserCompteurEnregistrements();
}

TEST_F(CoordinateFile, SavedBytesThenReadBackTheSame) {
  tableObsXYZ table;
  pointXYZ a;
  a.nom = L"P\u00E9";  // "Pé"
  a.x = 1000.5;
  a.y = -2.25;
  a.z = 15.125;
  a.code = 3;
  a.obs = L"haie vive";
  pointXYZ b;
  b.nom = L"12";
  b.x = 1;
  b.y = 2;
  table.add(a);
  table.add(b);
  ASSERT_TRUE(table.save(chemin("Terrain.TXT")));
  EXPECT_FALSE(fs::exists(dossier / "Terrain.TXT"));
  const std::string octets = lireOctets(dossier / "Terrain.TXT.xyz");
  EXPECT_EQ(octets,
            "\r\n        P\xE9\t   1000.500000\t     -2.250000\t     15.125000\t     3\thaie vive"
            "\r\n        12\t      1.000000\t      2.000000\t"
            "99999999999999997748809823456034029568.000000\t     1");

  tableObsXYZ relu;
  ASSERT_TRUE(relu.load(chemin("Terrain.TXT.xyz")));
  ASSERT_EQ(relu.count(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(relu.getAt(i).nom, table.getAt(i).nom);
    EXPECT_EQ(relu.getAt(i).x, table.getAt(i).x);
    EXPECT_EQ(relu.getAt(i).y, table.getAt(i).y);
    EXPECT_EQ(relu.getAt(i).z, table.getAt(i).z);
    EXPECT_EQ(relu.getAt(i).code, table.getAt(i).code);
    EXPECT_EQ(relu.getAt(i).obs, table.getAt(i).obs);
  }
  // An existing ".XYZ" is kept in its case; the table's own path serves when none is given.
  relu.setChemin(chemin("mesure.XYZ ;"));
  ASSERT_TRUE(relu.save());
  EXPECT_TRUE(fs::exists(dossier / "mesure.XYZ"));
  // Merging appends; loading with the flag replaces.
  ASSERT_TRUE(relu.load(nullptr, false));
  EXPECT_EQ(relu.count(), 4);
  ASSERT_TRUE(relu.load(chemin("mesure.XYZ"), true));
  EXPECT_EQ(relu.count(), 2);
}

TEST_F(CoordinateFile, MissingUnwritableAndEmptyPaths) {
  tableObsXYZ table;
  pointXYZ a;
  a.nom = L"A";
  table.add(a);
  EXPECT_FALSE(table.load(chemin("absent.xyz"), true));
  EXPECT_EQ(table.count(), 0);  // emptied, as asked, before the file failed to open
  EXPECT_FALSE(table.load(L" ;. "));
  EXPECT_FALSE(table.save(L""));
  EXPECT_EQ(transcript().find(L"Erreur ouverture"), std::wstring::npos);

  table.add(a);
  std::ofstream(dossier / "fichier") << "un fichier, pas un dossier";
  answer({L"ok"});
  EXPECT_FALSE(table.save(chemin("fichier/x.xyz")));
  EXPECT_NE(transcript().find(L"Erreur ouverture de fichier"), std::wstring::npos) << transcript();
  EXPECT_EQ(table.count(), 1);
}

TEST_F(CoordinateFile, RelativePathsStayRelative) {
  const fs::path ici = fs::current_path();
  fs::create_directories(dossier / "sous");
  fs::current_path(dossier / "sous");
  tableObsXYZ table;
  pointXYZ a;
  a.nom = L"A";
  table.add(a);
  EXPECT_TRUE(table.save(L"../Haut"));
  EXPECT_TRUE(table.save(L"./Ici.xyz."));
  fs::current_path(ici);
  EXPECT_TRUE(fs::exists(dossier / "Haut.xyz"));
  EXPECT_TRUE(fs::exists(dossier / "sous" / "Ici.xyz"));
}

}  // namespace
