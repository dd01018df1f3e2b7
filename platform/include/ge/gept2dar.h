// AcGePoint2dArray: a growable array of AcGePoint2d.
#pragma once
#include "acarray.h"
#include "ge/gepnt2d.h"

typedef AcArray<AcGePoint2d> AcGePoint2dArray;
