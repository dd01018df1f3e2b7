// Placing the adjusted stations of a traverse as survey points of the current table, and drawing
// the raw and adjusted traverses.
#pragma once
#include <vector>

#include "ui/afxstr.h"

class CWnd;

// What "Params mise en place" asks.
struct paramsMiseEnPlace {
  int code = 100;
  bool altitudes = false;  // false: the points are placed without altitude
  bool originelle = false;
  bool compensee = false;
};

// The stations to place, in traverse order, and the two traverses to draw.
struct resultatsAPlacer {
  std::vector<CString> noms;
  std::vector<double> x, y, z;
  std::vector<double> brutX, brutY;  // the raw traverse from the start station
  bool fermee = true;                // the adjusted traverse is drawn closed
};

// The placement dialog; false when cancelled. A code outside 1..9999 becomes 100.
bool demanderParamsMiseEnPlace(paramsMiseEnPlace& params, CWnd* parent);

// Makes sure the code has a codification entry (a new one is edited at once and its layers
// made), then replaces the points of the same names in the current table by the stations and
// draws the traverses asked for. Returns the number of points placed.
int placerResultats(const resultatsAPlacer& resultats, const paramsMiseEnPlace& params);
