#include "points/attribsPoints.h"

attribsPoints::attribsPoints()
    : numero(L"NUMPT"), code(L"CODE"), altitude(L"Z"), observation(L"OBS") {}

attribsPoints globalAttribsPoints;
double globalPointScale = 1.0;
