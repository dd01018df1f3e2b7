#include "exchange/exportAction.h"

#include "exchange/exportPoints.h"
#include "host/CMyProgressDlg.h"
#include "os/winfile.h"
#include "points/listePointsDuDessin.h"
#include "ui/afxdlgs.h"

void exporterPointsListes(CWnd* parent, listePointsDuDessin& table, const std::vector<int>& indices) {
  if (indices.empty()) {
    MessageBox(nullptr, L"Aucun point à exporter", L"Exporter", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  CFileDialog choix(FALSE, L"XYZ", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                    L"Fichier N° X Y Z (.xyz)|*.xyz|Fichier Texte N° X Y Z (.TXT)|*.txt|Fichier "
                    L"HTML(.htm)|*.htm; *.html|Tous (*.*)|*.*||",
                    parent);
  if (choix.DoModal() != IDOK) return;
  const CString chemin = choix.GetPathName();

  std::vector<const pointDuDessin*> points;
  points.reserve(indices.size());
  CMyProgressDlg progression;
  const bool visible = progression.create(parent) != 0;
  if (visible) {
    progression.setRange(0, static_cast<int>(indices.size()));
    progression.setStep(1);
  }
  for (int i : indices) {
    points.push_back(table.getData(i));
    if (visible) progression.stepIt();
  }
  bool ecrit = true;
  if (estCheminHtml(chemin)) {
    exporterHtml(chemin, points, table.nbPoint());
    ecrit = GetFileAttributes(chemin.GetString()) != INVALID_FILE_ATTRIBUTES;
  } else {
    ecrit = exporterTexte(chemin, points);
  }
  if (visible) progression.destroy();
  if (!ecrit) {
    CString message;
    message.Format(L"Impossible de créer le fichier\n%s", chemin.GetString());
    MessageBox(nullptr, message, L"erreur", MB_OK | MB_ICONEXCLAMATION);
  }
}
