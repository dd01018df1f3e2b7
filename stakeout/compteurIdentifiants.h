// The one counter that hands out the identifiers linking stake-out points, stations and obstacles.
#pragma once
#include "adesk.h"

// Stands for "no identifier": a point without station, a counter not yet seeded.
inline constexpr Adesk::UInt32 kAucunIdentifiant = 0xFFFFFFFFu;

class compteurIdentifiants {
 public:
  // The next identifier; never kAucunIdentifiant. The counter is seeded with the time in seconds
  // (low 32 bits) at its first use.
  static Adesk::UInt32 nouveau();
  // Restarts the counter at a value (kAucunIdentifiant: seeded again at the next use).
  static void reinitialiser(Adesk::UInt32 valeur = kAucunIdentifiant);

 private:
  static Adesk::UInt32 courant_;
  static bool amorce_;
};
