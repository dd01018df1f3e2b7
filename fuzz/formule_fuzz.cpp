// Formula texts and formula files from arbitrary bytes: the first byte chooses which reader runs.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "computations/formule.h"
#include "computations/formuleFichier.h"
#include "os/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string octets(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] & 1) {
    formulesPoids f;
    if (lireOctetsFormules(octets, f)) {
      formulesPoids relu;
      if (!lireOctetsFormules(ecrireOctetsFormules(f), relu)) std::abort();
    }
    return 0;
  }
  formule f;
  f.analyser(ansiToWide(octets));
  tableVariables t = tableVariables::avecVariablesInternes();
  t.definir(L"d1", 12.5);
  if (!std::isfinite(f.evaluer(t, true))) std::abort();
  // A printed tree parses again to the same tree.
  if (f.estValide() && f.imprimer().size() <= kLongueurMaxFormule &&
      formule(f.imprimer()).imprimer() != f.imprimer()) std::abort();
  return 0;
}
