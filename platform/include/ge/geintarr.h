// AcGeIntArray: a growable array of ints.
#pragma once
#include "acarray.h"

typedef AcArray<int> AcGeIntArray;
