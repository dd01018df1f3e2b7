// Writes a whole drawing as an ASCII DXF R2007 (AC1021) file, UTF-8, LF line endings.
#pragma once
#include <cstdio>
#include <string>

#include "db/acadstrc.h"

class AcDbDatabase;

namespace dxf {

// Writes the drawing to an open file. False (with a reason) when the file refused the data.
bool writeDrawing(AcDbDatabase* database, std::FILE* file, int precision, std::string& error);
// The same drawing as text, for tests and in-memory copies.
std::string writeDrawingToString(AcDbDatabase* database, int precision = 16);

}  // namespace dxf
