// The N X Y Z coordinate-file reader on arbitrary bytes: no crash, no hang, and every record it
// keeps has finite coordinates, a code from 1 to 9999, and survives being written and read again.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "exchange/fichierNXYZ.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  CArray<pointXYZ, const pointXYZ&> records;
  lireTexteNXYZ(std::string_view(reinterpret_cast<const char*>(data), size), records);
  std::string ecrit;
  for (INT_PTR i = 0; i < records.GetSize(); ++i) {
    const pointXYZ& r = records[i];
    if (!std::isfinite(r.x) || !std::isfinite(r.y) || std::isnan(r.z)) std::abort();
    if (r.code < 1 || r.code > 9999 || r.nom.IsEmpty()) std::abort();
    ecrireRecordNXYZ(r, ecrit);
  }
  CArray<pointXYZ, const pointXYZ&> relus;
  lireTexteNXYZ(ecrit, relus);
  // Long observations or huge coordinates can make a written line longer than the reader takes;
  // whatever is read back is the start of what was written.
  if (relus.GetSize() > records.GetSize()) std::abort();
  for (INT_PTR i = 0; i < relus.GetSize(); ++i) {
    if (relus[i].x != records[i].x && std::fabs(relus[i].x - records[i].x) > 1e-6 * (1 + std::fabs(records[i].x))) std::abort();
    if (relus[i].code != records[i].code) std::abort();
  }
  return 0;
}
