// Selection sets and entity picks: acedSSGet and the functions that read and change a set, and
// acedEntSel / acedNEntSelP / acedNEntSel, which pick one entity by a point.
#pragma once
#include <vector>

#include "db/adsdef.h"
#include "db/dbid.h"

class AcDbDatabase;
class AcGePoint3d;

// Builds a selection set. mode: null (ask the user at "Choix des objets : "), "X" (the whole
// drawing), "W"/"C" (window/crossing between pt1 and pt2, asked for when both are null), "L" (last
// entity), "P" (previous set), "I" (pick-first set), ":S" (one answer only), "_" prefixes accepted.
// null mode with pt1 given picks the entity under pt1. Returns RTNORM with a new set in ss (release
// it with acedSSFree), RTERROR when nothing was found or the filter is malformed, RTCAN when the
// user cancels.
int acedSSGet(const ACHAR* mode, const void* pt1, const void* pt2, const resbuf* filter,
              ads_name ss);
int acedSSLength(const ads_name ss, Adesk::Int32* length);
int acedSSLength(const ads_name ss, long* length);
// The entity at index i (0-based) of the set; RTERROR for a bad set or index.
int acedSSName(const ads_name ss, long i, ads_name entity);
// ename null: a new empty set in result; ss null: a new set with the entity; otherwise the entity
// is added to ss (kept once) and result names ss.
int acedSSAdd(const ads_name ename, const ads_name ss, ads_name result);
int acedSSDel(const ads_name ename, const ads_name ss);
// RTNORM when the entity is in the set, RTERROR otherwise.
int acedSSMemb(const ads_name ename, const ads_name ss);
int acedSSFree(const ads_name ss);

// One entity picked by a point (prompt default "\nChoix de l'objet : "). RTNORM with the entity
// and the point; RTERROR on a miss (ERRNO 7) or Enter (ERRNO 52); RTKWORD for a keyword armed by
// acedInitGet; RTCAN on a cancel. "#HANDLE" picks by handle.
int acedEntSel(const ACHAR* prompt, ads_name entity, ads_point point);
// The same, going into block references: the attribute picked, or the entity of the block
// definition under the point with the transform from its block to the drawing (xform) and the
// chain of block references that hold it, innermost first (refstk, RTENAME items, released by the
// caller with acutRelRb; null for an entity not nested). pickflag non-zero: point is used as
// given, without asking.
int acedNEntSelP(const ACHAR* prompt, ads_name entity, ads_point point, int pickflag,
                 ads_matrix xform, resbuf** refstk);
// The transform given as four rows: the X, Y and Z axes and the origin of the block's system.
int acedNEntSel(const ACHAR* prompt, ads_name entity, ads_point point, ads_point xform[4],
                resbuf** refstk);

namespace ed {

// Platform services over selection sets, for the host's commands and the LISP.
// A new set holding ids (in that order, duplicates dropped).
void newSelectionSet(const std::vector<AcDbObjectId>& ids, ads_name ss);
// The entities of a set, erased ones left out; false when ss names no set.
bool selectionSetIds(const ads_name ss, std::vector<AcDbObjectId>& ids);
// True for the name of a set (as opposed to an entity name).
bool isSelectionSetName(const ads_name name);
// Sets alive (not freed, or still held by a LISP value).
size_t liveSelectionSetCount();
// The previous selection ("P"), and setting it (commands set it from what they worked on).
const std::vector<AcDbObjectId>& previousSelection();
void setPreviousSelection(const std::vector<AcDbObjectId>& ids);

// The pick aperture: PICKBOX pixels in drawing units of the current view (VIEWSIZE over the
// height of SCREENSIZE).
double pickTolerance();
// The entity of the drawing's current space under the point (the latest drawn wins), or null.
AcDbObjectId entityAtPoint(AcDbDatabase* database, const AcGePoint3d& point);

}  // namespace ed
