// AcGePoint3dArray: a growable array of AcGePoint3d.
#pragma once
#include "acarray.h"
#include "ge/gepnt3d.h"

typedef AcArray<AcGePoint3d> AcGePoint3dArray;
