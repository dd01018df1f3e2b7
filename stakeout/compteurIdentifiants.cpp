#include "stakeout/compteurIdentifiants.h"

#include <ctime>

Adesk::UInt32 compteurIdentifiants::courant_ = kAucunIdentifiant;
bool compteurIdentifiants::amorce_ = false;

Adesk::UInt32 compteurIdentifiants::nouveau() {
  if (!amorce_) {
    courant_ = static_cast<Adesk::UInt32>(static_cast<unsigned long long>(std::time(nullptr)));
    amorce_ = true;
  }
  if (courant_ == kAucunIdentifiant) ++courant_;  // "none" is skipped, wherever it comes up
  return courant_++;
}

void compteurIdentifiants::reinitialiser(Adesk::UInt32 valeur) {
  courant_ = valeur;
  amorce_ = valeur != kAucunIdentifiant;
}
