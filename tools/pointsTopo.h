// The survey points the drawing tools work on: blocks carrying the survey point mark, chosen by
// the user or all of them, and the current point table of the project.
#pragma once
#include <vector>

#include "db/dbid.h"

class AcDbObject;
class listePointsDuDessin;

// True for an object carrying the survey point mark in its extended data.
bool estPointTopo(const AcDbObject& objet);

// The marked blocks the user selects (tous: every one of the drawing); empty on a cancel or when
// nothing fits.
std::vector<AcDbObjectId> selectionnerPointsTopo(bool tous);

// The project's current table, or null when no project or table is designated.
listePointsDuDessin* tableCourante();
