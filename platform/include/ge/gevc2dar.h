// AcGeVector2dArray: a growable array of AcGeVector2d.
#pragma once
#include "acarray.h"
#include "ge/gevec2d.h"

typedef AcArray<AcGeVector2d> AcGeVector2dArray;
