// Export of points as text and HTML: the exact bytes of both formats.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "exchange/exportPoints.h"
#include "points/pointDuDessin.h"

namespace {

namespace fs = std::filesystem;

pointDuDessin point(const wchar_t* nom, double x, double y, double z, int code) {
  pointDuDessin p;
  p.setParams(nom, AcGePoint3d(x, y, z), code);
  return p;
}

TEST(TextExport, FixedColumnsWithTabsAndCrLf) {
  std::string ligne;
  ajouterLigneExport(point(L"P12", 1000, 2000, 15.5, 3), ligne);
  EXPECT_EQ(ligne, "       P12\t      1000.0000\t      2000.0000\t        15.5000\t    3\r\n");
  ligne.clear();
  ajouterLigneExport(point(L"P12", 1000, 2000, kSansValeur, 3), ligne);
  EXPECT_EQ(ligne, "       P12\t      1000.0000\t      2000.0000\t              .\t    3\r\n");
}

TEST(TextExport, WholeFileAndUnwritablePath) {
  const fs::path chemin = fs::temp_directory_path() / ("export_" + std::to_string(::getpid()) + ".txt");
  const pointDuDessin a = point(L"\u00C91", -1.23456, 0, 0, 12), b = point(L"2", 1, 2, 3, 1);
  ASSERT_TRUE(exporterTexte(CString(chemin.wstring().c_str()), {&a, &b}));
  std::ifstream f(chemin, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  EXPECT_EQ(s.str(),
            "        \xC9" "1\t        -1.2346\t         0.0000\t         0.0000\t   12\r\n"
            "         2\t         1.0000\t         2.0000\t         3.0000\t    1\r\n");
  fs::remove(chemin);
  EXPECT_FALSE(exporterTexte(L"/nonexistent_folder_x/a.txt", {&a}));
}

TEST(HtmlExport, TableCellsAndClasses) {
  const pointDuDessin a = point(L"S1", 1.5, 2, kSansValeur, 7), b = point(L"2", 3, 4, 5.25, 1);
  const CStringA table = tableHtmlExport({&a, &b}, 2);
  EXPECT_STREQ(table.GetString(),
               "<table text-align=\"center\" border=\"0\" cellpadding=\"0\" cellspacing =\"0\">\n"
               "<tr ><td CLASS=celgris>N\xB0</td><td CLASS=celgris>X</td><td CLASS=celgris>Y</td>"
               "<td CLASS=celgris>Z</td><td CLASS=celgris>Code</td></tr>"
               "<tr ><td class=celnorm align='left'>S1</td><td class=celnorm align=right>1.5000</td>"
               "<td class=celnorm align=right>2.0000</td><td class=celnorm align=right>&nbsp</td>"
               "<td class=celnorm align=right>7</td></tr>"
               "<tr ><td class=celnorm align='left'>2</td><td class=celnorm align=right>3.0000</td>"
               "<td class=celnorm align=right>4.0000</td><td class=celnorm align=right>5.2500</td>"
               "<td class=celnorm align=right>1</td></tr></table>");
}

TEST(HtmlExport, ExtensionDecidesTheFormatInAnyCase) {
  EXPECT_TRUE(estCheminHtml(L"points.HTML"));
  EXPECT_TRUE(estCheminHtml(L"/a/b.Htm"));
  EXPECT_FALSE(estCheminHtml(L"points.xyz"));
  EXPECT_FALSE(estCheminHtml(L"dossier.htm/points"));
  EXPECT_FALSE(estCheminHtml(L"html"));
}

}  // namespace
