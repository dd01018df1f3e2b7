// Any bytes given to the drawing reader end in a drawing or in a read error, never in a crash; a
// drawing that was read is also written back, since saving what was read is the next thing a user
// does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/dbdatabase.h"
#include "dxf/dxf_error.h"
#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  AcDbDatabase database(false, true);
  std::vector<std::string> warnings;
  try {
    dxf::readDrawing(&database, std::string_view(reinterpret_cast<const char*>(data), size),
                     warnings);
  } catch (const dxf::DxfReadError&) {
    return 0;
  }
  dxf::writeDrawingToString(&database);
  return 0;
}
