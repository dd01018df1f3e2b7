// Any code file loads into a table of codes or is refused, without a crash; what was loaded can be
// written again.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "codification/tableCodification.h"

namespace {

// The table reads its code file by path: each input goes to one file of this process.
const std::string& inputPath() {
  static const std::string path = "/tmp/codification_fuzz_" + std::to_string(getpid()) + ".xml";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(inputPath().c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  std::wstring path(inputPath().begin(), inputPath().end());
  // A table made once from the installed code file; each input starts from an empty copy of it.
  static const tableCodification installed;
  tableCodification table(installed);
  table.RemoveAll();
  if (table.load(path.c_str())) {
    for (int i = 0; i < table.count(); ++i) table.getLibelle(table.getAt(i).code);
  }
  return 0;
}
