// The coordinates table drawn into model space: texts and lines in the current text style,
// layer and colour, gathered into one anonymous group.
#pragma once
#include <vector>

#include "exchange/dispositionTableCoordonnees.h"

class CAdUiDialog;
class listePointsDuDessin;
class tableCodification;

// Asks for the top-left corner (the dialog, when given, hides meanwhile) and draws the table of
// those points (table positions). The number of texts drawn; 0 when nothing was drawn.
int placerTableCoordonnees(CAdUiDialog* dialogue, listePointsDuDessin& table, const std::vector<int>& indices,
                           const paramsTableCoordonnees& params, tableCodification* codes);

// Draws a laid-out table into the working drawing; the number of texts drawn.
int dessinerTableCoordonnees(const dispositionTableCoord& disposition, double hauteur);

// Measures texts in the working drawing's current text style at that height.
mesureTexteTable mesureStyleCourant(double hauteur);
