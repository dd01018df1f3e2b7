// Values of the stake-out that live for the whole process: the graphics parameters, the
// visibility tolerance, the batch counter and the obstacle sizes. Tests reset them.
#pragma once
#include "adesk.h"

// What the drawing operations draw, as a sum of these flags.
enum drapeauxDessinImplantation : int {
  kDessinNumeros = 1,   // point markers and names
  kDessinLignes = 2,    // lines from the station to each point
  kDessinDistance = 4,  // "d=" texts
  kDessinAngle = 8,     // " A=" texts
};

struct reglagesImplantation {
  // Graphics (drawing units, colour indexes).
  double largeurFleche = 2.5;
  double longueurFleche = 2.4;
  double hauteurTexte = 1.5;
  double tailleCroixPoints = 2.0;
  double tailleCroixStations = 3.0;
  int couleurNonVerifie = 7;
  int couleurNonVisible = 1;
  int couleurVisible = 4;
  int couleurStationObs = 1;
  int couleurStationRef = 6;
  // Visibility tolerance "H.Min" (drawing units): a larger obstruction is not visible.
  double hauteurMinimale = 1.0;
  // Every point added by one pick or one element gets the current batch.
  Adesk::UInt32 lotCourant = 0;
  double hauteurObstaclesLineaires = 2.0;
  double hauteurObstaclesPonctuels = 2.0;
  double tailleObstaclesPonctuels = 2.0;

  // The station crosses follow the text height (twice it).
  void setHauteurTexte(double hauteur) {
    hauteurTexte = hauteur;
    tailleCroixStations = 2.0 * hauteur;
  }
};

reglagesImplantation& reglagesGlobauxImplantation();
void reinitialiserReglagesImplantation();
