// The host's graphics-screen functions: reading the pointing device and keyboard (acedGrRead),
// transient vectors drawn over the view (acedGrDraw, acedGrVecs, erased by acedRedraw and by any
// regeneration), and the box of a text (acedTextBox).
#pragma once
#include "db/adsdef.h"

// acedGrRead's tracking bits.
enum {
  GRREAD_TRACK = 1,       // report cursor movements (type 5)
  GRREAD_ALLKEYS = 2,     // every key, function keys included
  GRREAD_CURSOR = 4,      // the cursor form is given by the caller
  GRREAD_NOCANCELMSG = 8, // a cancel prints nothing
};

// Reads one input: type 2 a key (RTSHORT, its character code; a typed line gives one character
// per call, an empty line the Enter key 13), 3 a point picked (RT3DPOINT), 5 the cursor moved (RT3DPOINT,
// only when tracking). RTCAN on a cancel or when the input is exhausted.
int acedGrRead(int track, int* type, resbuf* result);
// A vector from one point to another in the current view, colour index color (-1: inverse of
// what is under it), highlighted when hl is non-zero. Not part of the drawing.
int acedGrDraw(const ads_point from, const ads_point to, int color, int hl);
// A list of vectors: pairs of points, each pair drawn in the colour of the last RTSHORT before
// it (a negative colour highlights). mat, when given, transforms the points first.
int acedGrVecs(const resbuf* vlist, ads_matrix mat);
// With no entity: redraws the view, erasing the transient vectors. With an entity: mode 1 redraw,
// 2 hide, 3 highlight, 4 unhighlight (the drawing is unchanged).
int acedRedraw(const ads_name ent, int mode);
// The lower-left and upper-right corners of a text's box, relative to its insertion point and
// unrotated. ent is an entity list (1 text, 7 style, 40 height, 41 width factor, 51 obliquing
// angle, 71 generation flags, 72 justification, 10/11 points; or -1 an existing text whose values
// the list may override). What it leaves out comes from the text style and the drawing's current
// text settings.
int acedTextBox(const resbuf* ent, ads_point p1, ads_point p2);
// Brings the screen up to date (a no-op here: the transcript is always current).
void acedUpdateDisplay();
