// How new stake-out points are named and how intermediate points are made along the elements the
// user selects.
#pragma once
#include "adesk.h"
#include "points/numeroteur.h"

struct parametresImplantation {
  Adesk::UInt32 codeStations = 100;
  Adesk::UInt32 interpolerDroites = 0;
  double valeurArcs = 20.0;         // a step along the arc, or the largest chord error
  double valeurClothoides = 20.0;   // the same for clothoids
  double distanceDroites = 100.0;   // step along straights
  Adesk::UInt32 modeClothoides = 0; // 0 by step, 1 by largest error
  Adesk::UInt32 modeArcs = 0;
  Adesk::UInt32 afficherCodeStations = 0;
  Adesk::UInt32 incrementerPrefixe = 1;
};

inline constexpr Adesk::UInt32 kInterpolationParPas = 0;
inline constexpr Adesk::UInt32 kInterpolationErreurMax = 1;
