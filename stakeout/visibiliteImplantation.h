// The line-of-sight test from a station to a point over the terrain and past the obstacles.
#pragma once
#include <memory>
#include <vector>

#include "stakeout/obstacleImplantation.h"
#include "stakeout/observationImplantation.h"
#include "stakeout/observationMiseEnStation.h"
#include "stakeout/terrainImplantation.h"

// How far the profile point (x, y) rises above the sight line from (x1, y1) to (x2, y2), measured
// at right angles to it; 0 when it is on or below the line. x runs along the ground from the
// station, y is the elevation.
double hauteurAuDessusVisee(double x1, double y1, double x2, double y2, double x, double y);

// Runs the test for a point staked from the station: the sight line joins the station and the
// point, each raised by the station height (drawing units). The point's obstruction becomes the
// largest rise of the terrain or of an obstacle's top above it, and its visibility flag 1. Without
// a terrain, or when the terrain cannot give the point's Z or the profile, the point stays not
// verified. The station's Z must be known.
void testerVisibilite(observationImplantation& point, const observationMiseEnStation& station,
                      double hauteurStation,
                      const std::vector<std::unique_ptr<obstacleImplantation>>& obstacles,
                      const terrainImplantation* terrain);

// A verified point whose obstruction does not exceed the tolerance H.Min.
bool estVisible(const observationImplantation& point, double hauteurMinimale);
