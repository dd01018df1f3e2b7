// Reads an ASCII drawing file (R12 to R2018) into a database.
#pragma once
#include <string>
#include <string_view>
#include <vector>

class AcDbDatabase;

namespace dxf {

// Reads the whole text of a file into an empty database (created without the default drawing).
// Repairs are added to warnings ("ligne N : …"). Throws DxfReadError when the file cannot be read;
// the database is then incomplete and should be dropped.
void readDrawing(AcDbDatabase* database, std::string_view text, std::vector<std::string>& warnings);

}  // namespace dxf
