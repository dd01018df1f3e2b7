// The points of a table written out for other software: a tab-separated text file (name, X, Y,
// Z, code) or an HTML page with the same columns.
#pragma once
#include <string>
#include <vector>

#include "ui/afxstr.h"

class pointDuDessin;

// The text line of a point, with its CR LF; "." stands for an unknown altitude.
void ajouterLigneExport(const pointDuDessin& point, std::string& sortie);
// The whole text file. False when the file cannot be created or written.
bool exporterTexte(const CString& chemin, const std::vector<const pointDuDessin*>& points);

// The page's table of the points, "N°" heading included.
CStringA tableHtmlExport(const std::vector<const pointDuDessin*>& points, int tailleTable);
// The whole page, written to the path (nothing written when it cannot be created).
void exporterHtml(const CString& chemin, const std::vector<const pointDuDessin*>& points, int tailleTable);

// Whether the path names an HTML page: its extension, in any case, is "htm" or "html".
bool estCheminHtml(const CString& chemin);
