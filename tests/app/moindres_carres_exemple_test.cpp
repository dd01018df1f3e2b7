// The least-squares example as the user runs it: cadhost on examples/reseau-exemple.scr from the
// repository folder (load the ".mc", "Solution", "Itérer", "Altitudes", "Placer !!!" with code
// 7), the drawing saved. The transcript must be tests/scenarios/moindres_carres_exemple.expected
// and the saved drawing, read back by ezdxf, must hold the three new points where the
// adjustment puts them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "dxf/dxf_test_util.h"
#include "tools/command_output.h"

namespace fs = std::filesystem;

namespace {

std::string lireTexte(const fs::path& chemin) { return dxftest::readText(chemin.string()); }

// Every survey point block of the model space: number, X, Y, the altitude text and the code.
const char* kLecteurPoints =
    "import sys, ezdxf\n"
    "for e in ezdxf.readfile(sys.argv[1]).modelspace().query('INSERT'):\n"
    "    a = {t.dxf.tag: t.dxf.text for t in e.attribs}\n"
    "    print(a.get('NUMPT'), '%.6f' % e.dxf.insert.x, '%.6f' % e.dxf.insert.y, a.get('Z'), a.get('CODE'))\n";

struct pointPlace {
  double x, y;
  std::string z, code;
};

TEST(ExempleMoindresCarres, TheScriptAdjustsAndPlacesTheNewPoints) {
  const fs::path depot = fs::path(TEST_DATA_DIR) / ".." / "..";
  const fs::path dossier = fs::temp_directory_path() / ("cadhost-moindres-carres-" + std::to_string(getpid()));
  fs::remove_all(dossier);
  fs::create_directories(dossier);
  const fs::path dessin = dossier / "reseau.dxf", transcription = dossier / "reseau.txt";
  const std::string commande = "cd '" + depot.string() + "' && '" CADHOST_PATH
                               "' --new --script examples/reseau-exemple.scr --transcript '" +
                               transcription.string() + "' --save '" + dessin.string() + "' > '" +
                               (dossier / "sortie.log").string() + "' 2>&1";
  const int statut = std::system(commande.c_str());
  ASSERT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0) << lireTexte(dossier / "sortie.log");

  const std::string attendu = lireTexte(fs::path(SCENARIO_DIR) / "moindres_carres_exemple.expected");
  const std::string obtenu = lireTexte(transcription);
  if (std::getenv("UPDATE_SCENARIOS") != nullptr) {
    std::ofstream(fs::path(SCENARIO_DIR) / "moindres_carres_exemple.expected", std::ios::binary) << obtenu;
  }
  EXPECT_EQ(obtenu, attendu);
  EXPECT_NE(obtenu.find("\n3 points placés.\nDialogue « Moindres carrés » de retour."), std::string::npos);

  std::ofstream(dossier / "points.py") << kLecteurPoints;
  std::istringstream lignes(commandOutput("/usr/bin/python3 '" + (dossier / "points.py").string() +
                                          "' '" + dessin.string() + "'"));
  std::map<std::string, pointPlace> places;
  std::string nom;
  pointPlace p;
  while (lignes >> nom >> p.x >> p.y >> p.z >> p.code) places[nom] = p;
  // The adjusted coordinates of the example network, as an independent adjustment gives them
  // (tests/computations/moindres_carres_reseaux_test.cpp); the altitudes after "Altitudes".
  const std::map<std::string, pointPlace> attendus = {
      {"P10", {1250.001457, 1310.001145, "151.02", "7"}},
      {"P11", {1479.999949, 1289.999673, "150.44", "7"}},
      {"P12", {1329.998193, 1479.998115, "153.10", "7"}},
  };
  ASSERT_EQ(places.size(), attendus.size()) << "points lus dans " << dessin;
  for (const auto& [numero, a] : attendus) {
    ASSERT_TRUE(places.count(numero)) << numero;
    EXPECT_NEAR(places[numero].x, a.x, 1e-4) << numero;
    EXPECT_NEAR(places[numero].y, a.y, 1e-4) << numero;
    EXPECT_EQ(places[numero].z, a.z) << numero;
    EXPECT_EQ(places[numero].code, a.code) << numero;
  }
  if (!HasFailure()) fs::remove_all(dossier);
}

}  // namespace
