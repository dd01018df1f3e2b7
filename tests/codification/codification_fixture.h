// A command line fed by a queue, with the installation folder moved to a scratch folder so that
// the code file the module writes there never touches the repository; the process-wide table is
// dropped before and after each test.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "codification/globalCodification.h"
#include "ed/ed_fixture.h"
#include "host/cheminInstallation.h"
#include "os/winreg.h"

inline std::string lireFichier(const std::filesystem::path& fichier) {
  std::ifstream in(fichier, std::ios::binary);
  std::ostringstream texte;
  texte << in.rdbuf();
  return texte.str();
}

// The bad and hand-written code files kept beside the tests.
inline std::filesystem::path donneesCodif(const char* nom) {
  return std::filesystem::path(TEST_DATA_DIR).parent_path() / "codification" / "data" / nom;
}

class DossierInstallation : public ScriptedEditor {
 protected:
  DossierInstallation() {
    dossier =
        std::filesystem::temp_directory_path() / ("codification_essai_" + std::to_string(getpid()));
    std::filesystem::remove_all(dossier);
    std::filesystem::create_directories(dossier);
    registre = dossier / "registre.ini";
    std::ofstream(registre) << "[HKEY_LOCAL_MACHINE\\Software\\Cartovia\\Arpenta5]\nchemin="
                            << dossier.string() << "\\\n";
    setRegistryFile(registre.string());
    oublierCheminInstallation();
    oublierGlobalCodification();
  }
  ~DossierInstallation() override {
    oublierGlobalCodification();
    setRegistryFile("");
    oublierCheminInstallation();
    std::filesystem::remove_all(dossier);
  }
  // The default code file, as the module names it ("dossier\defcodif") and as it lies on disk.
  std::filesystem::path fichierDefaut() const { return dossier / "defcodif"; }
  std::wstring cheminModule(const char* nom) const {
    return (dossier.wstring() + L"\\") + std::wstring(nom, nom + std::strlen(nom));
  }

  std::filesystem::path dossier;
  std::filesystem::path registre;
};
