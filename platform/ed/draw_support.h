// Internal: what the drawing commands share: the drawing they work on, adding their entities to
// it, and numbers as the command line shows them.
#pragma once
#include <string>

#include "db/dbid.h"
#include "ge/gepnt3d.h"

class AcDbDatabase;
class AcDbEntity;

namespace ed::draw {

// The current drawing, or null (the command then does nothing).
AcDbDatabase* drawing();

// Gives the entity the drawing's current layer, colour, linetype (and text style) when it has no
// layer yet, adds it to model space and closes it. On failure the entity is deleted and the id is
// null.
AcDbObjectId appendToModelSpace(AcDbDatabase* db, AcDbEntity* entity);

// Erases an entity drawn earlier in the command (the segment undone by "annUler").
void eraseEntity(AcDbObjectId id);

// A real with a fixed number of decimals and a point whatever the locale ("2.5000").
std::wstring fixed(double value, int decimals = 4);
// A real in its shortest form up to 8 decimals ("1", "0.5", "2.75"), as the prompts' defaults.
std::wstring shortest(double value);

// Writes to the command line.
void say(const std::wstring& text);

// The point of an answer of the prompts, and back.
AcGePoint3d toPoint(const double* adsPoint);
void toAds(const AcGePoint3d& point, double* adsPoint);

}  // namespace ed::draw
