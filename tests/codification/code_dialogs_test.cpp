// The code list and the code dialog driven by actions as a script drives them, and the command
// that writes the code file when the list closes.
#include <gtest/gtest.h>

#include "codification/DlgCodification.h"
#include "codification/commandesCodification.h"
#include "codification_fixture.h"
#include "ed/view.h"
#include "resources/ressourcesModule.h"
#include "rx/acdocman.h"
#include "ui/dialog_driver.h"

namespace {

class CodeDialogs : public DossierInstallation {
 protected:
  CodeDialogs() {
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
  }
  ~CodeDialogs() override { retirerRessources(); }

  // The table of the code file once the command has written it.
  tableCodification fichierEcrit() {
    tableCodification lue(cheminModule("defcodif").c_str());
    return lue;
  }
  // Runs the code dialog on a new code of table, as "Nouveau" opens it.
  INT_PTR nouveauCode(DlgCodification& dialogue, tableCodification& table,
                      std::deque<std::wstring> actions) {
    answer(std::move(actions));
    ressourcesCourantes ressources;
    dialogue.m_code = L"-1";
    dialogue.m_libelle = L" ???";
    dialogue.m_table = &table;
    return dialogue.DoModal();
  }
  size_t compter(const std::wstring& texte) {
    size_t n = 0;
    for (size_t at = transcript().find(texte); at != std::wstring::npos;
         at = transcript().find(texte, at + 1)) {
      ++n;
    }
    return n;
  }
};

TEST_F(CodeDialogs, ListCreatesEditsDeletesAndTheFileFollowsWhenItCloses) {
  globalCodification();  // codes 1 and 100, written to the default file
  answer({L"click Nouveau", L"set 1041 ?", L"set 1043 Borne", L"ok", L"dblclick 1035 0",
          L"set 1043 Point modifié", L"set 1223 3", L"set 1053 Codes bornes", L"ok",
          L"select 1035 1,2", L"click Supprimer", L"non", L"click Supprimer", L"oui", L"ok"});
  commandeVCodification();
  EXPECT_NE(transcript().find(L"Table codification"), std::wstring::npos) << transcript();
  EXPECT_NE(transcript().find(L"Confirmez la suppression\n  des éléments sélectionnés"),
            std::wstring::npos);

  tableCodification lue = fichierEcrit();
  ASSERT_EQ(lue.count(), 1) << lireFichier(fichierDefaut());
  const codifPoint& point = lue.getAt(0);
  EXPECT_EQ(point.code, 1);
  EXPECT_STREQ(point.libelle, L"Point modifié");
  EXPECT_EQ(point.precisionAltitudes, 3);
  EXPECT_STREQ(point.getLayer(kLayerCode), L"Codes bornes");
  EXPECT_STREQ(point.getLayer(kLayerAltitudes), L"_ Altitudes Points");
  EXPECT_EQ(globalCodification()->count(), 1);
}

TEST_F(CodeDialogs, NewCodeWithQuestionMarkTakesTheSmallestFreeNumber) {
  globalCodification()->getCodif(2);  // the table holds 1, 100 and 2
  answer({L"click Nouveau", L"set 1041 ?", L"set Libellé Borne", L"set 1103 2.5", L"ok", L"ok"});
  commandeVCodification();
  tableCodification lue = fichierEcrit();
  ASSERT_EQ(lue.count(), 4);
  EXPECT_EQ(lue.getAt(3).code, 3);
  EXPECT_STREQ(lue.getAt(3).libelle, L"Borne");
  EXPECT_EQ(lue.getAt(3).tailleBlock, 1.0);  // only number, label and block are carried
}

TEST_F(CodeDialogs, CodeFieldRefusesOutOfRangeAndExistingNumbers) {
  tableCodification table(cheminModule("rien").c_str());
  table.getCodif(2);
  DlgCodification dialogue;
  EXPECT_EQ(nouveauCode(dialogue, table,
                        {L"set 1041 10000", L"focus 1043", L"ok", L"set 1041 100", L"focus 1043",
                         L"ok", L"set 1041 ?", L"focus 1043", L"ok"}),
            IDOK);
  EXPECT_EQ(compter(L"Code incorrect\n  Tapez un nombre compris entre 1 et 9999"), 1u)
      << transcript();
  EXPECT_EQ(
      compter(
          L"Code déjà existant\n  Tapez un '?' pour qu'un numéro soit attribué automatiquement"),
      1u);
  EXPECT_STREQ(dialogue.m_code, L"3");
  EXPECT_STREQ(dialogue.m_libelle, L" ???");
}

TEST_F(CodeDialogs, EditModeKeepsTheNumberAndTheListShowsTheChange) {
  globalCodification();
  answer({L"dblclick 1035 1", L"set 1041 7", L"set 1223 5", L"ok", L"show", L"cancel"});
  commandeVCodification();
  EXPECT_EQ(globalCodification()->getAt(1).code, 100);
  EXPECT_EQ(globalCodification()->getAt(1).precisionAltitudes, 5);
  // The row shows the new decimals; the file is written even when the list is cancelled.
  EXPECT_EQ(fichierEcrit().getAt(1).precisionAltitudes, 5);

  // The table's own edit of an entry: the same dialog, no list.
  answer({L"set 1043 Station GPS", L"set 1051 Stations", L"ok"});
  EXPECT_EQ(globalCodification()->editCode(1), IDOK);
  EXPECT_STREQ(globalCodification()->getAt(1).libelle, L"Station GPS");
  EXPECT_STREQ(globalCodification()->getAt(1).getLayer(kLayerBlock), L"Stations");
  EXPECT_EQ(globalCodification()->getAt(1).precisionAltitudes, 5);
}

TEST_F(CodeDialogs, BlockWithoutExtensionGetsItForThePreviewAndSymboleSetsTheEntryAtOnce) {
  const std::filesystem::path blocs =
      std::filesystem::path(TEST_DATA_DIR).parent_path().parent_path() / "share" / "biblio";
  tableCodification table(cheminModule("rien").c_str());
  answer({L"click Symbole", (blocs / "jaloblk3.dwg").wstring(), L"cancel"});
  {
    ressourcesCourantes ressources;
    DlgCodification dialogue;
    dialogue.m_modeEdition = true;
    dialogue.m_table = &table;
    dialogue.depuisCodif(table.getAt(1));  // code 100
    dialogue.m_chemin = (blocs / "jaloblk1").wstring().c_str();
    EXPECT_EQ(dialogue.DoModal(), IDCANCEL);
  }
  EXPECT_NE(transcript().find(L"aperçu de jaloblk1.dwg : "), std::wstring::npos) << transcript();
  EXPECT_NE(transcript().find(L"aperçu de jaloblk3.dwg : "), std::wstring::npos);
  EXPECT_NE(transcript().find(L"Fichier à utiliser"), std::wstring::npos);
  // Chosen before OK, kept although the dialog was cancelled.
  EXPECT_STREQ(table.getAt(1).chemin, (blocs / "jaloblk3.dwg").wstring().c_str());
}

TEST_F(CodeDialogs, SortingByDecimalsThenNumber) {
  tableCodification* table = globalCodification();
  table->getCodif(1).precisionAltitudes = 3;
  table->getCodif(100).precisionAltitudes = 0;
  table->getCodif(50).precisionAltitudes = 3;
  table->getCodif(7).precisionAltitudes = 3;
  answer({L"sort 1035 PreciZ", L"ok"});
  commandeVCodification();
  const std::wstring& texte = transcript();
  const size_t tri = texte.rfind(L"PreciZ");
  ASSERT_NE(tri, std::wstring::npos);
  const size_t a = texte.find(L"  100", tri), b = texte.find(L"    1", tri);
  const size_t c = texte.find(L"    7", tri), d = texte.find(L"   50", tri);
  EXPECT_TRUE(a < b && b < c && c < d) << texte.substr(tri);
}

TEST_F(CodeDialogs, VcodeMarksThePointsOfTheCodeInColoursOneToSeven) {
  acDocManager->closeAll();
  ASSERT_NE(acDocManager->newDocument(), nullptr);
  oublierCouleurVCode();
  setSourcePointsCode([] {
    return std::vector<pointCode>{{10, 20, 0, 12}, {30, 40, 5, 12}, {0, 0, 0, 3}};
  });
  std::deque<std::wstring> reponses;
  for (int i = 0; i < 8; ++i) reponses.push_back(L"12");
  reponses.push_back(L"x");
  answer(reponses);
  for (int i = 0; i < 9; ++i) lispVCode();
  setSourcePointsCode(nullptr);
  const auto& vecteurs = ed::transientVectors();
  ASSERT_EQ(vecteurs.size(), 32u);
  const int attendues[] = {1, 2, 3, 4, 5, 6, 7, 1};
  for (size_t i = 0; i < vecteurs.size(); ++i) EXPECT_EQ(vecteurs[i].color, attendues[i / 4]);
  const double h = ed::View::current().unitsPerPixel() * 5;
  EXPECT_NEAR(vecteurs[2].from.x, 30 - h, 1e-9);
  EXPECT_NEAR(vecteurs[2].to.x, 30 + h, 1e-9);
  EXPECT_EQ(vecteurs[2].from.z, 5);
  EXPECT_NEAR(vecteurs[3].from.y, 40 - h, 1e-9);
  EXPECT_FALSE(vecteurs[0].highlighted);
  EXPECT_NE(transcript().find(L"Code des points a visualiser:"), std::wstring::npos);
  acDocManager->closeAll();
}

}  // namespace
