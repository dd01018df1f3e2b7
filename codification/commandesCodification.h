// The command VCODIFICATION and the LISP command c:vcode.
#pragma once
#include <vector>

// VCODIFICATION: the code list on the process-wide table, then the code file written.
void commandeVCodification();

// (c:vcode): asks for a code and marks every point of that code with a small cross of 5 screen
// pixels, drawn over the view until the next regeneration, in a colour that changes at each call
// (1 to 7 in turn).
void lispVCode();

// A point as c:vcode marks it.
struct pointCode {
  double x, y, z;  // (drawing units)
  int code;
};
// Where c:vcode finds the points of the current table. Until the point tables supply it, the
// points are the point blocks of the current drawing's model space (block references holding a
// CODE attribute). Null restores that default.
typedef std::vector<pointCode> (*sourcePointsCode)();
void setSourcePointsCode(sourcePointsCode source);

// The colour of the next call starts again at 1 (tests).
void oublierCouleurVCode();
