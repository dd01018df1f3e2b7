// Internal: header variables of the current drawing that the database keeps as read (limits,
// angle base and direction), read and written by the view and the system variables.
#pragma once
#include "ge/gepnt3d.h"

class AcDbDatabase;

namespace ed {

// The value of a header variable such as "$LIMMIN" (a point, code 10) or "$ANGBASE" (a real,
// code 50); fallback when the drawing does not have it.
AcGePoint3d headerPoint(AcDbDatabase* database, const char* name, const AcGePoint3d& fallback);
double headerReal(AcDbDatabase* database, const char* name, double fallback);
// Sets it, adding the variable when the drawing does not have it yet. dim: 2 or 3 coordinates.
void setHeaderPoint(AcDbDatabase* database, const char* name, const AcGePoint3d& value, int dim);
void setHeaderReal(AcDbDatabase* database, const char* name, int code, double value);

}  // namespace ed
