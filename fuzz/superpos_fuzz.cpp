// The overlap reduction's record files read back from any bytes: the first half as entity
// records, the rest as box records, then the reduction run on what was kept. Nothing may crash,
// hang or leave a box that is not finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "tools/fichiersSuperpos.h"
#include "tools/superpositions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t milieu = (size / 2 / kTailleEnregistrement) * kTailleEnregistrement;
  const std::vector<unsigned char> entites(data, data + milieu);
  const std::vector<unsigned char> boites(data + milieu, data + size);
  const std::vector<entiteEtiquetee> lues = lireEntites(entites);
  std::vector<boiteEtiquette> cadres = lireBoites(boites);
  if (cadres.size() > 2000) cadres.resize(2000);
  const bilanSuperpositions bilan = reduireSuperpositions(cadres, lues);
  if (bilan.iterations > 50) std::abort();
  for (const boiteEtiquette& b : cadres) {
    if (b.deplace && (std::isnan(b.x) || std::isnan(b.y))) std::abort();
  }
  return 0;
}
