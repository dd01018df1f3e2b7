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
// When the text is a private read-only mapping of the file (releasableText), the pages already
// read are given back to the system as the reading goes: a large file and the drawing made of it
// never take memory together.
void readDrawing(AcDbDatabase* database, std::string_view text, std::vector<std::string>& warnings,
                 bool releasableText = false);

}  // namespace dxf
