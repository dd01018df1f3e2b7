// The LISP functions that drawing routines use to make, find and select survey points of the
// current point table (the current table of tablesPoints). None raises a LISP error: bad
// arguments give nil or no value.
#pragma once

// (add_pt name code position altitude observation): adds a point and its block, even when the
// table already holds that name; nil on bad arguments.
void lispAddPt();
// (tpcdaddpt name code position altitude observation): the same, replacing a point of that name
// and its block; nil with fewer than five arguments.
void lispTpcdAddPt();
// (ename_pt name) -> the entity name of the point's block, or nil.
void lispEnamePt();
// (maxnum) -> the highest leading number of the names, plus one.
void lispMaxNum();
// (select_all) -> a selection set of every point block, in table order.
void lispSelectAll();
// (seloncode code) -> the point blocks of that code, or nil for an argument that is no integer.
void lispSelonCode();
// (selonnum prefix first last) -> the blocks of the points named prefix + n, first <= n <= last.
void lispSelonNum();
// (reg_pts): every point block brought up to date.
void lispRegPts();
// (chgreppts code blockFile): the points of that code shown with another block drawing.
void lispChgRepPts();
// (updarxttxt scale): the scale of the point blocks made from now on.
void lispUpdArxtTxt();
// (C:ZoomLeve): the view shows every point of the current table.
void lispZoomLeve();
// (c:TopJndre): a polyline through the points numbered from a first to a last number.
void lispTopJndre();

// The answer mode of the number prompts of c:TopJndre (number or picked block), which the host
// keeps for its whole run: back to number mode (tests).
void oublierModeNumero();
