#include "exchange/exportPoints.h"

#include <algorithm>
#include <cstdio>

#include "os/codepage.h"
#include "os/winfile.h"
#include "points/pointDuDessin.h"
#include "reports/htmlPage.h"
#include "reports/htmlTable.h"

void ajouterLigneExport(const pointDuDessin& point, std::string& sortie) {
  // Two widest doubles in %f are 309 digits each, plus the altitude and the code.
  char ligne[4 * 330];
  if (point.getZ() == kSansValeur) {
    std::snprintf(ligne, sizeof ligne, "%10s\t%15.4f\t%15.4f\t%15s\t%5d\r\n", point.getNomPoint(),
                  point.getX(), point.getY(), ".", point.getCode());
  } else {
    std::snprintf(ligne, sizeof ligne, "%10s\t%15.4f\t%15.4f\t%15.4f\t%5d\r\n", point.getNomPoint(),
                  point.getX(), point.getY(), point.getZ(), point.getCode());
  }
  sortie += ligne;
}

bool exporterTexte(const CString& chemin, const std::vector<const pointDuDessin*>& points) {
  std::string texte;
  texte.reserve(points.size() * 72);
  for (const pointDuDessin* point : points) ajouterLigneExport(*point, texte);
  FILE* fichier = _wfopen(chemin.GetString(), L"wb");
  if (fichier == nullptr) return false;
  const bool ecrit = std::fwrite(texte.data(), 1, texte.size(), fichier) == texte.size();
  return std::fclose(fichier) == 0 && ecrit;
}

CStringA tableHtmlExport(const std::vector<const pointDuDessin*>& points, int tailleTable) {
  htmlTable table;
  htmlSetStandardTable(table);
  table.reserve(tailleTable, 100);
  table.beginRow("");
  const CStringA gris = "CLASS=celgris";
  table.addCell("N\xB0", gris);  // "N°" in the ANSI code page
  table.addCell("X", gris);
  table.addCell("Y", gris);
  table.addCell("Z", gris);
  table.addCell("Code", gris);
  const CStringA gauche = "class=celnorm align='left'";
  const CStringA droite = "class=celnorm align=right";
  for (const pointDuDessin* point : points) {
    table.beginRow("");
    table.addCell(CStringA(point->getNomPoint()), gauche);
    table.addCell(point->getX(), 4, droite);
    table.addCell(point->getY(), 4, droite);
    if (point->getZ() == kSansValeur) {
      table.addCell("&nbsp", droite);
    } else {
      table.addCell(point->getZ(), 4, droite);
    }
    table.addCell(point->getCode(), droite);
  }
  return table.close();
}

void exporterHtml(const CString& chemin, const std::vector<const pointDuDessin*>& points, int tailleTable) {
  htmlPage page;
  page.setFileName(CStringA(wideToAnsi(chemin.GetString()).c_str()));
  addStandardReportStyles(page);
  page.addBodyLine(tableHtmlExport(points, tailleTable));
  page.write();
}

bool estCheminHtml(const CString& chemin) {
  const int point = chemin.ReverseFind(L'.');
  const int separateur = std::max(chemin.ReverseFind(L'\\'), chemin.ReverseFind(L'/'));
  if (point < 0 || point < separateur) return false;
  CString extension = chemin.Mid(point + 1);
  extension.MakeLower();
  return extension == L"htm" || extension == L"html";
}
