// The three values of an altitude transfer, kept together: a reference altitude, the altitude it
// should have, and their difference. Changing one keeps the other two consistent.
#pragma once

struct rattachementAltitudes {
  double precedente = 100.0;
  double nouvelle = 100.0;
  double difference = 0.0;

  void changerPrecedente(double valeur) {
    precedente = valeur;
    nouvelle = precedente + difference;
  }
  void changerNouvelle(double valeur) {
    nouvelle = valeur;
    difference = nouvelle - precedente;
  }
  void changerDifference(double valeur) {
    difference = valeur;
    nouvelle = precedente + difference;
  }
};

// The values shared by every opening of the altitude transfer dialog, for the whole run.
rattachementAltitudes& rattachementCourant();
// Back to 100, 100 and 0 (tests start afresh with it).
void oublierRattachement();
