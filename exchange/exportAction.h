// The export button of the point-list dialog: the user names a file, its extension chooses text
// or HTML, and the listed points are written under the progress dialog.
#pragma once
#include <vector>

class CWnd;
class listePointsDuDessin;

// indices: the table positions of the points to write, in list order.
void exporterPointsListes(CWnd* parent, listePointsDuDessin& table, const std::vector<int>& indices);
