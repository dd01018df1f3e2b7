// The legend table: a scaled sample of each chosen block with its description, and optionally a
// sample line and the name of every layer, drawn downwards from a point.
#pragma once
#include <vector>

#include "db/dbid.h"
#include "ui/afxstr.h"

class AcDbDatabase;

// One block definition of the drawing.
struct infoBlocks {
  CString nom;
  int occurrences = 0;  // references placed directly in model space
  AcDbObjectId id;
  double tailleX = 0.0, tailleY = 0.0;  // of its extents at scale 1
  double minX = 0.0, minY = 0.0;        // lower-left corner of those extents
};

struct paramsLegende {
  double tailleTextes = 1.0;  // t
  double tailleBlocs = 1.0;   // b: the larger side of each sample
  double distanceLignes = 1.0;  // d: the least row step
  bool legendeCalques = false;
  double longueurTrait = 2.5;  // L: the least length of a layer's sample line
  bool grouper = false;
};

// The row step: max(1.2 max(b, t), d).
double pasLegende(const paramsLegende& params);
// The length of a layer's sample line: max(5 t, L).
double longueurTraitCalque(const paramsLegende& params);

// The block definitions of the drawing in table order, layouts left out, with their model-space
// reference counts and sizes; those whose extents cannot be computed are not listed.
std::vector<infoBlocks> listerBlocks(AcDbDatabase* dessin);

// Draws the legend of the ticked blocks (and the layers when asked) with its top-left corner at
// (x, y); the number of blocks drawn.
int dessinerLegende(const std::vector<infoBlocks>& blocs, const std::vector<CString>& descriptions,
                    const std::vector<bool>& coches, const paramsLegende& params, double x, double y);
