// Least-squares data files from arbitrary bytes, then the whole computation on what they gave:
// nothing may crash, hang or leave a value that is not a number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "computations/moindresCarresCalcul.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 20000) return 0;  // the computation is what is tried, not the size of the file
  reseauMoindresCarres reseau;
  if (!lireReseauMoindresCarres(std::string(reinterpret_cast<const char*>(data), size), reseau))
    return 0;
  afficherDonnees(reseau);
  CString journal;
  resoudreReseau(reseau, formulesPoids(), journal);
  calculerAltitudes(reseau, journal);
  for (const pointACalculer& p : reseau.points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) std::abort();
  return 0;
}
