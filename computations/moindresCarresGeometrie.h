// Computed values of observations and their partial derivatives, from the current coordinates.
#pragma once
#include "computations/moindresCarresDonnees.h"

struct pointPlan {
  double x = 0;
  double y = 0;
};

// Bearing from a to b (radians, clockwise from north, in [0, 2pi)).
double gisement(pointPlan a, pointPlan b);
// Into [0, 2pi).
double reduireTour(double angle);
// Into (-pi, pi]: the difference of two directions.
double reduireDemiTour(double angle);
double distancePlan(pointPlan a, pointPlan b);

pointPlan positionPoint(const reseauMoindresCarres& reseau, int indice);

// The value the observation would have with the points where they are now. For an observation
// that involves `remplace`, that point is taken at `position` instead.
double valeurCalculee(const reseauMoindresCarres& reseau, const observationMC& obs,
                      int remplace = -1, pointPlan position = {});

// False when two points of the observation coincide (no direction, no derivative).
bool deriver(const reseauMoindresCarres& reseau, const observationMC& obs,
             ObservationReduite& ligne);
