// The results dialog: the page shown, a copy saved where the user says, Fermer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ed/ed_fixture.h"
#include "os/codepage.h"
#include "reports/htmlPage.h"
#include "reports/resultPolygo.h"
#include "resources/ressourcesModule.h"
#include "ui/dialog_driver.h"

namespace {

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ResultsDialogTest : public ScriptedEditor {
 protected:
  ResultsDialogTest() {
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
    // One folder per test: ctest runs the tests of this program side by side.
    folder = std::filesystem::temp_directory_path() /
             (std::string("resultats_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    page.addBodyLine("<P CLASS=grand>Polygonale</P>");
    page.setFileName((folder / "page.html").string().c_str());
    page.write();
  }
  ~ResultsDialogTest() override {
    retirerRessources();
    std::filesystem::remove_all(folder);
  }
  CString pagePath() const { return CString(ansiToWide(page.fileName().GetString()).c_str()); }

  std::filesystem::path folder;
  htmlPage page;
};

TEST_F(ResultsDialogTest, SavesACopyThenCloses) {
  const std::filesystem::path copy = folder / "copie";  // the default extension is added
  answer({L"click Sauvegarder", copy.wstring(), L"click Fermer"});
  afficherResultats(pagePath());
  EXPECT_TRUE(AfxControlContainerEnabled());
  EXPECT_EQ(contents(folder / "copie.html"), contents(folder / "page.html"));
  EXPECT_NE(transcript().find(L"Résultats des calculs"), std::wstring::npos);
}

TEST_F(ResultsDialogTest, OverwriteAskedAndCancelCopiesNothing) {
  const std::filesystem::path existing = folder / "ancien.html";
  std::ofstream(existing) << "ancien";
  answer({L"click 1106", existing.wstring(), L"non", L"annuler", L"click 1106", existing.wstring(),
          L"oui", L"ok"});
  afficherResultats(pagePath());
  EXPECT_EQ(contents(existing), contents(folder / "page.html"));

  std::ofstream(existing) << "ancien";
  answer({L"click 1106", L"annuler", L"ok"});
  afficherResultats(pagePath());
  EXPECT_EQ(contents(existing), "ancien");
}

}  // namespace
