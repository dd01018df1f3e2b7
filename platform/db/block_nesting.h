// Internal: which blocks a block definition inserts, through its references and theirs. A block
// that inserts itself, directly or through others, has no finite drawing: readers drop such
// references and measures refuse them.
#pragma once
#include "db/dbid.h"

// True when the definition of block inserts target, directly or through the blocks it inserts.
bool blockReaches(AcDbObjectId block, AcDbObjectId target);

// True when a reference to block placed in the definition container would make a block insert
// itself.
inline bool insertionIsSelfReference(AcDbObjectId block, AcDbObjectId container) {
  return block == container || blockReaches(block, container);
}
