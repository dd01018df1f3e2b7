// Internal: the listing LIST prints for one entity.
#pragma once
#include "db/dbid.h"

namespace ed {

// Prints the entity's kind, layer, space, handle and main geometry to the command line.
void listEntity(AcDbObjectId id);

}  // namespace ed
