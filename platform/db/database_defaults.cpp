// The contents of a new drawing: an empty database completed with the standard tables, records,
// dictionaries and layouts, with small handles since they come first.
#include "db/dbdatabase.h"
#include "db/well_known.h"

void buildDefaultDrawing(AcDbDatabase* database) { resolveWellKnownObjects(database); }
