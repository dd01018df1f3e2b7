// The point commands end to end: the buttons each shows, export of the listed points, PTSEN3D.
#include <gtest/gtest.h>

#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "exchange/commandesEchange.h"
#include "exchange_fixture.h"

namespace {

class PointCommands : public ExchangeDrawing {
 protected:
  PointCommands() {
    for (int i = 0; i < 100; ++i) {
      const std::wstring nom = L"P" + std::to_wstring(i);
      ajouter(nom.c_str(), 1000 + i, 2000 + i, i % 10 == 0 ? kSansValeur : 10.5 + i, 1 + i % 3);
    }
  }
};

TEST_F(PointCommands, EachCommandShowsItsButtons) {
  // Buttons by id: 1110 export, 1111 coordinates table, 1100 place, 1114 import, 1113 refresh.
  const struct {
    void (*commande)();
    std::vector<const wchar_t*> montres, caches;
  } cas[] = {
      {commandeImportPoints, {L"1100 bouton", L"1114 bouton"}, {L"1110 bouton", L"1111 bouton", L"1113 bouton"}},
      {commandeExportPoints, {L"1110 bouton", L"1113 bouton"}, {L"1100 bouton", L"1114 bouton", L"1111 bouton"}},
      {commandeTableXYZ, {L"1111 bouton", L"1113 bouton"}, {L"1100 bouton", L"1110 bouton", L"1114 bouton"}},
      {commandeMajPoints, {L"1113 bouton"}, {L"1100 bouton", L"1110 bouton", L"1114 bouton", L"1111 bouton"}},
  };
  for (const auto& c : cas) {
    answer({L"ok"});
    ed::Editor::instance().transcript().clearCaptured();
    c.commande();
    const std::wstring dialogue = transcript();
    ASSERT_NE(dialogue.find(L"Points du dessin"), std::wstring::npos) << dialogue;
    // The printer leaves hidden controls out.
    for (const wchar_t* m : c.montres) EXPECT_NE(dialogue.find(m), std::wstring::npos) << m << "\n" << dialogue;
    for (const wchar_t* h : c.caches) EXPECT_EQ(dialogue.find(h), std::wstring::npos) << h << "\n" << dialogue;
  }
}

TEST_F(PointCommands, ExportsTheSelectedRowsOrAllOfThem) {
  answer({L"select 1112 3,5,41", L"click 1110", chemin("trois.txt"), L"select 1112", L"click 1110",
          chemin("points.HTML"), L"ok"});
  commandeExportPoints();
  EXPECT_EQ(contenu("trois.txt"),
            "        P3\t      1003.0000\t      2003.0000\t        13.5000\t    1\r\n"
            "        P5\t      1005.0000\t      2005.0000\t        15.5000\t    3\r\n"
            "       P41\t      1041.0000\t      2041.0000\t        51.5000\t    3\r\n");
  const std::string html = contenu("points.HTML");
  EXPECT_NE(html.find("<td CLASS=celgris>N\xB0</td>"), std::string::npos);
  EXPECT_NE(html.find(".celgris"), std::string::npos);
  EXPECT_NE(html.find("<td class=celnorm align='left'>P99</td>"), std::string::npos);
  EXPECT_NE(html.find("<td class=celnorm align=right>&nbsp</td>"), std::string::npos);  // P0, no Z
  size_t lignes = 0;
  for (size_t p = html.find("<tr "); p != std::string::npos; p = html.find("<tr ", p + 1)) ++lignes;
  EXPECT_EQ(lignes, 101u);
}

TEST_F(PointCommands, CodeFilterSortAndCancelledOrFailedExport) {
  std::filesystem::create_directories(dossier_ / "dossier.xyz");  // a folder cannot be written as a file
  std::deque<std::wstring> actions = {L"choose 1035 #1", L"sort 1112 Num", L"sort 1112 Num", L"click 1110",
                                      chemin("code1.xyz"), L"click 1110", L"annuler", L"click 1110",
                                      chemin("dossier.xyz"), L"ok", L"choose 1035 #2", L"click 1110", L"ok", L"ok"};
  answer(actions);
  commandeExportPoints();
  const std::string texte = contenu("code1.xyz");
  // Code 1 is every third point, sorted by name descending: P99 first.
  EXPECT_EQ(texte.rfind("       P99\t", 0), 0u) << texte;
  EXPECT_EQ(std::count(texte.begin(), texte.end(), '\n'), 34);
  EXPECT_NE(transcript().find(L"Impossible de créer le fichier"), std::wstring::npos);
  // No point of code 100: nothing to write, no file asked.
  EXPECT_NE(transcript().find(L"Aucun point à exporter"), std::wstring::npos) << transcript();
}

TEST_F(PointCommands, PointObjectsOnlyForKnownAltitudes) {
  ajouter(L"HAUT", 0, 0, 1e8);  // out of the range of real altitudes
  ajouter(L"BAS", 0, 0, -1e8);
  commandePtsEn3D();
  EXPECT_EQ(entitesDuModele(AcDbPoint::desc()), 91);
  EXPECT_NE(transcript().find(L"\n 91 points placés"), std::wstring::npos);
}

TEST_F(PointCommands, NoProjectDesignated) {
  tablesPoints = nullptr;
  commandePtsEn3D();
  commandeExportPoints();
  EXPECT_EQ(entitesDuModele(AcDbPoint::desc()), 0);
  EXPECT_NE(transcript().find(L"Aucune table de points"), std::wstring::npos);
}

}  // namespace
