// The command-line parts of the stake-out: picking the points to set out, setting up stations
// with their reference, and declaring obstacles.
#pragma once
#include <vector>

#include "adesk.h"

class contexteImplantation;

// Points by pick, or by element after "Select", until Enter or a cancel.
void saisirPointsImplantation(contexteImplantation& contexte);
// Stations for the points (all of them when the list is empty), one after the other, until Enter
// or a cancel.
void mettreEnStation(contexteImplantation& contexte, std::vector<Adesk::UInt32> points);
// The obstacle prompts, until "Quitter" or a cancel.
void gererObstacles(contexteImplantation& contexte);
// The obstacles already marked in the drawing join the context.
void chargerObstaclesDuDessin(contexteImplantation& contexte);
