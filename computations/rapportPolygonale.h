// The HTML reports of the traverse adjustments: data, angular closure, distances, heights and the
// final coordinates, numbers with 4 decimals.
#pragma once
#include "computations/polygonale.h"

class htmlPage;

// What was given to the computation, as the report prints it back. The rows are the ones the
// computation adjusted (their height differences corrected).
struct entreesPolygonale {
  stationConnue depart;
  stationConnue arrivee;  // open traverse
  double fermeture = 0;   // open traverse
  int unite = kUniteGrades;
  int nivellement = kNivellementAucun;
  std::vector<obsPolygonale> observees;  // rows as measured, before the levelling
};

void rapportPolygonaleFermee(const entreesPolygonale& e, const resultatPolygonaleFermee& r,
                             htmlPage& page);
void rapportPolygonaleOuverte(const entreesPolygonale& e, const resultatPolygonaleOuverte& r,
                              htmlPage& page);
