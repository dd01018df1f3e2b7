// What the point LISP functions share: the table they work on, and blocks given back to the LISP.
#pragma once
#include <vector>

#include "db/dbid.h"

class listePointsDuDessin;

// The current table of the designated project; null when no project or no table is designated.
listePointsDuDessin* tableCourantePoints();
// True when the block id can be given to the LISP as an entity name.
bool idEnNomEntite(const AcDbObjectId& id);
// Gives the LISP a new selection set of those blocks (ids that make no entity name are left out).
void retournerSelection(const std::vector<AcDbObjectId>& blocs);
