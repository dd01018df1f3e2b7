#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "computations/fichierObservations.h"

namespace {

donneesObservations fermee() {
  donneesObservations d;
  d.depart.nom = L"Borne été";
  d.depart.x = 1000.5;
  d.depart.y = 2000.25;
  d.depart.z = 100;
  d.depart.gisement = 12.3456;
  d.unite = kUniteDegres;
  d.nivellement = kNivellementRacines;
  d.lignes = {{L"S 2", L"300.00000", L"100.00000", L"0.50000"},
              {L"S3", L"299.99000", L"100.04000", L"-0.50000"}};
  return d;
}

TEST(FichierObservations, ClosedFileIsWrittenByteForByte) {
  const std::string attendu =
      "* Fichier de donn\xE9" "es pour calcul de polygonale Ferm\xE9" "e\r\n"
      "* Station de depart\r\n"
      "\r\nNom=\"Borne \xE9t\xE9\" X= 1000.50000 Y= 2000.25000 Z= 100.00000 Gis= 12.34560\r\n"
      "* Unit\xE9s angulaires\r\n* Syntaxe: \r\n* Angles : <unit\xE9 de mesure des angles>\r\n"
      "* Avec <unit\xE9 de mesure des angles> qui \xEAtre :\r\n* Grades Degres ou Radians\r\n"
      "\r\n\r\nAngles: degres\r\n"
      "* Mode de calcul du nivellement\r\n* Syntaxe: \r\n* Nivellement: <Mode de nivellement>\r\n"
      "* Avec <Mode de nivellement> qui peut \xEAtre\r\n"
      "* \taucun\tPour aucune compensation sur les alitutudes\r\n"
      "* \tsimple\tPour une compensation simple\r\n"
      "* \tdistance\tPour une compensation proportionnelle aux distances entre stations\r\n"
      "* \tracine\tPour une compensation proportionnelle aux racines des distances\r\n"
      "\r\n\r\nNivellement: racine\r\n"
      "* Donn\xE9" "es de la polygonale\r\n* Nom Station\t\tAngle\t\tDistance\t\tDz\r\n"
      "\r\n\"S 2\"\t\t\t300.00000\t100.00000\t\t0.50000\r\n"
      "\r\n\"S3\"\t\t\t299.99000\t100.04000\t\t-0.50000\r\n";
  EXPECT_EQ(ecrireObservations(fermee()), attendu);
}

TEST(FichierObservations, SaveThenLoadGivesTheSameFields) {
  const donneesObservations d = fermee();
  donneesObservations lu;
  lu.depart.x = 5;  // reset by the reader of a closed traverse
  lu.lignes.push_back({L"vieux", L"1", L"2", L"3"});
  lireObservations(ecrireObservations(d), lu);
  EXPECT_EQ(lu.depart.nom, d.depart.nom);
  EXPECT_DOUBLE_EQ(lu.depart.x, 1000.5);
  EXPECT_DOUBLE_EQ(lu.depart.gisement, 12.3456);
  EXPECT_EQ(lu.unite, kUniteDegres);
  EXPECT_EQ(lu.nivellement, kNivellementRacines);
  ASSERT_EQ(lu.lignes.size(), 2u);
  EXPECT_EQ(lu.lignes[0].station, L"S 2");
  EXPECT_EQ(lu.lignes[1].distance, L"100.04000");
  EXPECT_EQ(lu.lignes[1].denivelee, L"-0.50000");
}

TEST(FichierObservations, OpenFileRepeatsLevellingAndKeepsBothStations) {
  donneesObservations d;
  d.ouverte = true;
  d.depart = {L"A", 1, 2, 3, 4};
  d.arrivee = {L"B", 5, 6, 7, 8};
  d.fermeture = 123.45678;
  d.nivellement = kNivellementSimple;
  d.lignes = {{L"P1", L"10", L"20", L"0.1"}, {L"B", L"30", L"40", L"0.2"}};
  const std::string texte = ecrireObservations(d);
  EXPECT_NE(texte.find("polygonale Ouverte\r\n* Station de depart\r\n\r\nDepart=\"A\" X= 1.00000 "
                       "Y= 2.00000 Z= 3.00000 Gis= 4.00000\r\n\r\nArrivee=\"B\""),
            std::string::npos);
  EXPECT_NE(texte.find("\r\n\r\nFermeture: 123.4568\r\n"), std::string::npos);
  size_t fois = 0;
  for (size_t p = texte.find("Nivellement: simple"); p != std::string::npos;
       p = texte.find("Nivellement: simple", p + 1)) {
    ++fois;
  }
  EXPECT_EQ(fois, 2u);
  donneesObservations lu;
  lu.ouverte = true;
  lireObservations(texte, lu);
  EXPECT_EQ(lu.depart.nom, L"A");
  EXPECT_DOUBLE_EQ(lu.arrivee.gisement, 8);
  EXPECT_DOUBLE_EQ(lu.fermeture, 123.4568);
  EXPECT_EQ(lu.nivellement, kNivellementSimple);
  EXPECT_EQ(lu.lignes.size(), 2u);
}

TEST(FichierObservations, HandWrittenFileIsReadTolerantly) {
  const std::string texte =
      "* notes du terrain\n"
      "\n"
      "   Nom:\"Pied de mur\"\tX=10 Y=20 Z=abc G=5 \r\n"
      "angle: r\r\n"
      "Angles = Degres\n"
      "NIVELLEMENT:Racine\n"
      "Fermeture: 12\n"                     // ignored by a closed traverse
      "\"Coin nord\"\t101.5\t\t50\t0.2\n"
      "S9\t100\t50\n"                       // no height difference: dropped
      "S10 100 50 0.1 extra\n"              // five tokens: ignored
      "\"S11\" 1 2 3";                      // last line without line end
  donneesObservations d;
  lireObservations(texte, d);
  EXPECT_EQ(d.depart.nom, L"Pied de mur");
  EXPECT_DOUBLE_EQ(d.depart.x, 10);
  EXPECT_DOUBLE_EQ(d.depart.z, 0);
  EXPECT_DOUBLE_EQ(d.depart.gisement, 5);
  EXPECT_EQ(d.unite, kUniteDegres);
  EXPECT_EQ(d.nivellement, kNivellementRacines);
  EXPECT_DOUBLE_EQ(d.fermeture, 0);
  ASSERT_EQ(d.lignes.size(), 2u);
  EXPECT_EQ(d.lignes[0].station, L"Coin nord");
  EXPECT_EQ(d.lignes[0].angle, L"101.5");
  EXPECT_EQ(d.lignes[1].station, L"S11");
}

TEST(FichierObservations, OpenStationLinesNeedDepartOrArrivee) {
  donneesObservations d;
  d.ouverte = true;
  d.depart = {L"garde", 1, 1, 1, 1};
  lireObservations("Nom=X X=1 Y=2 Z=3 G=4\nArrivee=\"Q\" Depart=\"R\" X=7 Y=8 Z=9\n"
                   "A=E X=1 Y=1 Z=1 G=1\nAngles: x\nNive: ?\n",
                   d);
  EXPECT_EQ(d.depart.nom, L"R");  // the later of both letters decides
  EXPECT_DOUBLE_EQ(d.depart.x, 7);
  EXPECT_EQ(d.arrivee.nom, L"E");
  EXPECT_EQ(d.unite, kUniteGrades);
  EXPECT_EQ(d.nivellement, kNivellementAucun);
}

TEST(FichierObservations, FilesOnDiskAndSavedNames) {
  const CString chemin(L"/tmp/observation_fichier_test.obs");
  ASSERT_EQ(ecrireFichierObservations(chemin, fermee()), kObservationsEcrites);
  std::ifstream f("/tmp/observation_fichier_test.obs", std::ios::binary);
  const std::string octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  EXPECT_EQ(octets, ecrireObservations(fermee()));
  donneesObservations lu;
  ASSERT_EQ(lireFichierObservations(chemin, lu), kObservationsLues);
  EXPECT_EQ(lu.lignes.size(), 2u);
  std::remove("/tmp/observation_fichier_test.obs");

  donneesObservations garde = fermee();
  EXPECT_EQ(lireFichierObservations(CString(L"/tmp/pas/de/fichier.obs"), garde), kFichierNonOuvert);
  EXPECT_EQ(garde.lignes.size(), 2u);
  EXPECT_EQ(ecrireFichierObservations(CString(L"/tmp/pas/de/dossier/x.obs"), garde), kFichierNonCree);
  // A folder opens but cannot be read: the error is told.
  EXPECT_EQ(lireFichierObservations(CString(L"/tmp"), garde), kErreurLecture);

  EXPECT_EQ(nomFichierObservations(CString(L"C:\\Data\\Trav1"), 1), L"c:\\data\\trav1.obs");
  EXPECT_EQ(nomFichierObservations(CString(L"T.OBS"), 1), L"t.obs");
  EXPECT_EQ(nomFichierObservations(CString(L"T"), 4), L"t.txt");
  EXPECT_EQ(nomFichierObservations(CString(L"T"), 2), L"t");
  EXPECT_EQ(nomFichierObservations(CString(L"T.dat"), 3), L"t.dat");
}

std::string contenuDe(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// Saving over a file writes the new one beside it first: when the writing fails half-way (here
// the file size limit of the process, as a full disk would), the previous file is left byte for
// byte and no temporary stays in the folder; a read-only file is not replaced.
TEST(FichierObservations, AFailedSaveKeepsThePreviousFile) {
  namespace fs = std::filesystem;
  const fs::path dossier = fs::temp_directory_path() / ("obs_ecriture_" + std::to_string(getpid()));
  fs::remove_all(dossier);
  fs::create_directories(dossier);
  const std::string cible = (dossier / "trav.obs").string();
  const CString chemin(fs::path(cible).wstring().c_str());
  ASSERT_EQ(ecrireFichierObservations(chemin, fermee()), kObservationsEcrites);
  const std::string avant = contenuDe(cible);

  donneesObservations grand = fermee();
  grand.lignes.assign(2000, {L"STATION", L"123.45678", L"100.00000", L"0.10000"});
  const pid_t enfant = fork();
  if (enfant == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{4096, 4096};
    if (setrlimit(RLIMIT_FSIZE, &limite) != 0) _exit(3);
    _exit(ecrireFichierObservations(chemin, grand));
  }
  int statut = 0;
  waitpid(enfant, &statut, 0);
  ASSERT_TRUE(WIFEXITED(statut));
  EXPECT_EQ(WEXITSTATUS(statut), kErreurEcriture);
  EXPECT_EQ(contenuDe(cible), avant);
  EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 1);

  // Without the limit the same rows replace the file.
  ASSERT_EQ(ecrireFichierObservations(chemin, grand), kObservationsEcrites);
  EXPECT_EQ(contenuDe(cible), ecrireObservations(grand));
  EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 1);

  // A read-only file in a folder open to all: written by someone who may not change it.
  chmod(dossier.c_str(), 0777);
  chmod(cible.c_str(), 0444);
  const pid_t autre = fork();
  if (autre == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
    _exit(ecrireFichierObservations(chemin, fermee()));
  }
  waitpid(autre, &statut, 0);
  ASSERT_TRUE(WIFEXITED(statut));
  EXPECT_EQ(WEXITSTATUS(statut), kFichierNonCree);
  EXPECT_EQ(contenuDe(cible), ecrireObservations(grand));
  EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 1);
  fs::remove_all(dossier);
}

}  // namespace
