// The code a point block shows in its CODE attribute.
#pragma once
#include "db/dbid.h"

// The leading number of the CODE attribute (tag compared ignoring case) of the block reference;
// false when the object is no block reference or has no such attribute.
bool lireAttributCode(AcDbObjectId reference, int& code);
