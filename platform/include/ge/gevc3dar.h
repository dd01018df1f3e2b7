// AcGeVector3dArray: a growable array of AcGeVector3d.
#pragma once
#include "acarray.h"
#include "ge/gevec3d.h"

typedef AcArray<AcGeVector3d> AcGeVector3dArray;
