// The coordinate grid of one closed region: crosses at the grid nodes strictly inside the region,
// ticks and labels where each grid line first and last meets the outline. Pure geometry: the
// command turns the result into lines and texts.
#pragma once
#include <string>
#include <vector>

// One vertex of a closed outline, as a lightweight polyline holds it: the bulge is that of the
// side from this vertex to the next one (0 straight).
struct sommetContour {
  double x = 0.0;
  double y = 0.0;
  double bulge = 0.0;
};

struct parametresCarroyage {
  double pasX = 100.0;     // (drawing units)
  double pasY = 100.0;     // (drawing units)
  double tailleCroix = 5.0;
  double hauteurTexte = 2.0;
  int decimales = 2;       // 0 to 4
  bool ecrituresInternes = false;
};

struct traitCarroyage {
  double x1, y1, x2, y2;
};

// Left-aligned texts stand on their base line at the point; right-aligned ones have the point at
// their bottom right.
struct texteCarroyage {
  double x, y;
  double rotation;  // (radians)
  bool alignDroite;
  std::wstring texte;
};

struct dessinCarroyage {
  std::vector<traitCarroyage> traits;
  std::vector<texteCarroyage> textes;
};

// The largest number of grid nodes a run may cover (over the extents of all its regions): beyond
// it the drawing would hold millions of entities.
constexpr double kNoeudsCarroyageMax = 1.0e6;

// The grid nodes of the extents of the outline (inside or not), a bound on what the grid draws.
double noeudsDansEmprise(const std::vector<sommetContour>& contour, double pasX, double pasY);

// The grid of one region (the outline is closed by its last side). Draws nothing for an outline
// with fewer than two distinct vertices, or whose extents hold more than kNoeudsCarroyageMax nodes.
dessinCarroyage calculerCarroyage(const std::vector<sommetContour>& contour,
                                  const parametresCarroyage& parametres);

// The label of a grid line: "%.nf" with n decimals, never "-0".
std::wstring texteCoordonnee(double valeur, int decimales);
