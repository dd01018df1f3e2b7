// Message boxes and file dialogs answered from the input.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "db/acutads.h"
#include "ed/ed_fixture.h"
#include "ui/acedfiled.h"
#include "ui/afxdlgs.h"

namespace {

class CommonDialogsTest : public ScriptedEditor {
 protected:
  CommonDialogsTest() {
    folder_ =
        std::filesystem::temp_directory_path() /
        ("ui_common_dialogs_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  ~CommonDialogsTest() override { std::filesystem::remove_all(folder_); }

  std::wstring path(const char* name) const { return (folder_ / name).wstring(); }
  void touch(const char* name) const { std::ofstream(folder_ / name) << "x"; }

  std::filesystem::path folder_;
};

TEST_F(CommonDialogsTest, MessageBoxPrintsCaptionIconTextAndButtonsAndReadsTheAnswer) {
  answer({L"non"});
  EXPECT_EQ(MessageBox(nullptr, L"Confirmez la suppression\ndes éléments sélectionnés",
                       L"Suppression", MB_YESNO | MB_ICONQUESTION),
            IDNO);
  EXPECT_EQ(transcript(),
            L"Message « Suppression » (question)\n"
            L"  Confirmez la suppression\n"
            L"  des éléments sélectionnés\n"
            L"  [Oui] [Non]\n"
            L"Réponse : non\n");
}

TEST_F(CommonDialogsTest, AnswersByCaptionOrEnglishWordInAnyCaseAndEnterTakesTheDefault) {
  answer({L"OUI", L"Cancel", L"annuler", L"", L"", L"peut-être", L"Ignorer"});
  EXPECT_EQ(AfxMessageBox(L"a", MB_YESNOCANCEL), IDYES);
  EXPECT_EQ(AfxMessageBox(L"b", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(AfxMessageBox(L"c", MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(AfxMessageBox(L"d", MB_YESNO | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(AfxMessageBox(L"e", MB_OKCANCEL), IDOK);
  // A word that is no answer is refused and the box asks again.
  EXPECT_EQ(AfxMessageBox(L"f", MB_ABORTRETRYIGNORE), IDIGNORE);
  EXPECT_NE(transcript().find(
                L"Réponse non reconnue : peut-être (attendu : Abandonner, Recommencer, Ignorer)\n"),
            std::wstring::npos);
  EXPECT_NE(transcript().find(L"Message « cadhost »\n  a\n"), std::wstring::npos);
}

TEST_F(CommonDialogsTest, TheEndOfTheInputAnswersAsEscape) {
  answer({});
  EXPECT_EQ(AfxMessageBox(L"x", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(AfxMessageBox(L"x", MB_YESNO), IDNO);
  EXPECT_EQ(AfxMessageBox(L"x", MB_OK), IDOK);
}

TEST_F(CommonDialogsTest, AnOkBoxLeavesALineThatIsNoAnswerForWhatFollows) {
  answer({L"set 1 x"});
  EXPECT_EQ(AfxMessageBox(L"Pas de code à attribuer", MB_ICONEXCLAMATION), IDOK);
  std::wstring next;
  ASSERT_TRUE(ed::Editor::instance().readLine(next));
  EXPECT_EQ(next, L"set 1 x");
}

TEST_F(CommonDialogsTest, OpenDialogPrintsFiltersAndTakesTheChosenFilterAndPath) {
  touch("mesures.obs");
  answer({L"filtre 2 " + path("mesures.obs")});
  CFileDialog dialog(TRUE, L"obs", L"defaut.obs", OFN_FILEMUSTEXIST,
                     L"Observations (*.obs)|*.obs|Tous les fichiers (*.*)|*.*||");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_ofn.nFilterIndex, 2u);
  EXPECT_EQ(std::wstring(dialog.GetPathName()), path("mesures.obs"));
  EXPECT_EQ(dialog.GetFileName(), L"mesures.obs");
  EXPECT_EQ(dialog.GetFileExt(), L"obs");
  EXPECT_EQ(dialog.GetFileTitle(), L"mesures");
  EXPECT_EQ(std::wstring(dialog.m_ofn.lpstrFilter, 50),
            std::wstring(L"Observations (*.obs)\0*.obs\0Tous les fichiers (*.*)\0*.*\0\0", 50));
  EXPECT_NE(transcript().find(L"Ouverture de fichier « Ouvrir »\n"
                              L"  filtre 1 : Observations (*.obs) [*.obs] *\n"
                              L"  filtre 2 : Tous les fichiers (*.*) [*.*]\n"
                              L"  nom par défaut : defaut.obs\n"
                              L"Fichier : filtre 2 "),
            std::wstring::npos);
}

TEST_F(CommonDialogsTest, FileMustExistRefusesAndAsksAgain) {
  touch("present.obs");
  answer({path("absent"), path("present")});
  CFileDialog dialog(TRUE, L"obs", nullptr, OFN_FILEMUSTEXIST, L"Observations (*.obs)|*.obs||");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  // The default extension went on both names.
  EXPECT_EQ(std::wstring(dialog.GetPathName()), path("present.obs"));
  EXPECT_NE(
      transcript().find(path("absent.obs") +
                        L"\nFichier introuvable.\nVérifiez le nom du fichier et réessayez.\n"),
      std::wstring::npos);
}

TEST_F(CommonDialogsTest, PathMustExistRefusesAMissingFolder) {
  answer({path("nulle-part/x.txt"), L"annuler"});
  CFileDialog dialog(FALSE, L"txt", nullptr, OFN_PATHMUSTEXIST, L"Texte (*.txt)|*.txt||");
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_NE(transcript().find(L"Le chemin d'accès n'existe pas."), std::wstring::npos);
}

TEST_F(CommonDialogsTest, SaveAsksBeforeReplacingAnExistingFile) {
  touch("rapport.htm");
  answer({path("rapport"), L"non", path("rapport"), L"oui"});
  CFileDialog dialog(FALSE, L"htm", nullptr, OFN_OVERWRITEPROMPT, L"Pages (*.htm)|*.htm||");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::wstring(dialog.GetPathName()), path("rapport.htm"));
  const std::wstring question =
      L"  rapport.htm existe déjà.\n  Voulez-vous le remplacer ?\n  [Oui] [Non]\n";
  size_t first = transcript().find(question);
  ASSERT_NE(first, std::wstring::npos);
  EXPECT_NE(transcript().find(question, first + 1), std::wstring::npos);
}

TEST_F(CommonDialogsTest, AllFilesFilterKeepsANameWithoutExtension) {
  answer({L"filtre 2", path("brut")});
  CFileDialog dialog(FALSE, L"txt", nullptr, 0, L"Texte (*.txt)|*.txt|Tous (*.*)|*.*||");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::wstring(dialog.GetPathName()), path("brut"));
  EXPECT_EQ(dialog.GetFileExt(), L"");
}

TEST_F(CommonDialogsTest, TheEndOfTheInputCancelsTheFileDialog) {
  answer({});
  CFileDialog dialog(TRUE);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(CommonDialogsTest, HostFileDialogAppendsItsExtensionAndGivesTheChosenPath) {
  touch("borne.dwg");
  answer({path("borne"), L"annuler"});
  resbuf result{};
  ASSERT_EQ(acedGetFileD(L"Fichier à utiliser", L"", L"dwg", 2, &result), RTNORM);
  ASSERT_EQ(result.restype, RTSTR);
  EXPECT_EQ(std::wstring(result.resval.rstring), path("borne.dwg"));
  acutDelString(result.resval.rstring);
  EXPECT_NE(transcript().find(L"Ouverture de fichier « Fichier à utiliser »\n  filtre 1 : Fichiers "
                              L"(*.dwg) [*.dwg] *\n"),
            std::wstring::npos);
  resbuf untouched{};
  untouched.restype = RTNONE;
  EXPECT_EQ(acedGetFileD(L"Fichier à utiliser", L"", L"dwg", 2, &untouched), RTERROR);
  EXPECT_EQ(untouched.restype, RTNONE);
}

}  // namespace
