// Observation files of both traverse kinds, read from arbitrary bytes, then computed: nothing may
// crash, and whatever is read must be written and read back to the same rows.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "computations/fichierObservations.h"
#include "computations/polygonale.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view octets(reinterpret_cast<const char*>(data), size);
  for (bool ouverte : {false, true}) {
    donneesObservations d;
    d.ouverte = ouverte;
    lireObservations(octets, d);
    donneesObservations relu;
    relu.ouverte = ouverte;
    lireObservations(ecrireObservations(d), relu);
    if (relu.unite != d.unite || relu.nivellement != d.nivellement) std::abort();

    auto lignes = convertirLignes(d.lignes);
    if (ouverte) {
      resultatPolygonaleOuverte r;
      if (calculerPolygonaleOuverte(d.depart, d.arrivee, d.fermeture, d.nivellement, d.unite,
                                    lignes, r) == kPolygonaleCalculee) {
        for (double x : r.x) {
          if (!std::isfinite(x)) std::abort();
        }
      }
    } else {
      resultatPolygonaleFermee r;
      if (calculerPolygonaleFermee(d.depart, d.nivellement, d.unite, lignes, r) ==
          kPolygonaleCalculee) {
        for (double z : r.z) {
          if (!std::isfinite(z)) std::abort();
        }
      }
    }
  }
  return 0;
}
