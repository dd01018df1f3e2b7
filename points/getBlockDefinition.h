// The block definition of a point code's block drawing: found in the drawing by the file's name,
// or read from the file (or from the installation folder) and inserted as a new block.
#pragma once
#include "db/dbid.h"

class AcDbDatabase;

// Null when the path names no block or no readable drawing.
AcDbObjectId getBlockDefinition(const wchar_t* cheminBloc, AcDbDatabase* dessin);
