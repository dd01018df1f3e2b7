// Platform helpers around block definitions, shared by the block table, the reader's assembly of
// definitions, new drawings and insertion.
#pragma once
#include <string>

#include "db/dbid.h"

class AcDbBlockTableRecord;

// Gives a database-resident record its BLOCK and ENDBLK objects when it has none (closed, owned by
// the record, on layer 0).
void createBlockMarkers(AcDbBlockTableRecord* record);
// *Model_Space, *Paper_Space and *Paper_Space0, *Paper_Space1…: the blocks of layouts, which are
// not anonymous although their names begin with '*'.
bool isLayoutBlockName(const std::wstring& name);
