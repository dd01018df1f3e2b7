#include "stakeout/observationImplantation.h"

observationImplantation::observationImplantation(const observationImplantation& autre)
    : identifiant(autre.identifiant),
      nom(autre.nom),
      x(autre.x),
      y(autre.y),
      z(autre.z),
      identifiantStation(autre.identifiantStation),
      visibiliteCalculee(autre.visibiliteCalculee),
      obstruction(autre.obstruction),
      lot(autre.lot) {}

observationImplantation& observationImplantation::operator=(const observationImplantation& autre) {
  if (this == &autre) return *this;
  identifiant = autre.identifiant;
  nom = autre.nom;
  x = autre.x;
  y = autre.y;
  z = autre.z;
  graphismes.setLogicalLength(0);
  identifiantStation = autre.identifiantStation;
  visibiliteCalculee = autre.visibiliteCalculee;
  obstruction = autre.obstruction;
  lot = autre.lot;
  return *this;
}
