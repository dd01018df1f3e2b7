// Internal: the selection prompt ("Choix des objets : ") and the modes of acedSSGet that work
// without asking.
#pragma once
#include <vector>

#include "db/dbid.h"
#include "ge/gepnt3d.h"

class AcDbDatabase;

namespace ed {

class SelectionFilter;

// Where a selection takes its entities from, and the filter each must pass.
struct SelectionContext {
  AcDbDatabase* database = nullptr;
  const SelectionFilter* filter = nullptr;
};

// Asks until Enter (or after the first answer when single). Returns RTNORM, or RTCAN on a cancel
// (^C or the input ending), with what was selected in ids.
int promptSelection(const SelectionContext& context, bool single, std::vector<AcDbObjectId>& ids);

// Asks for the two corners of a window: RTNORM, RTNONE when one was not given, RTCAN.
int askWindowCorners(AcGePoint3d& corner1, AcGePoint3d& corner2);

// The entities of the modes that need no answer.
std::vector<AcDbObjectId> allEntities(const SelectionContext& context, bool everySpace);
std::vector<AcDbObjectId> windowEntities(const SelectionContext& context,
                                         const AcGePoint3d& corner1, const AcGePoint3d& corner2,
                                         bool crossing);
std::vector<AcDbObjectId> lastEntity(const SelectionContext& context);
std::vector<AcDbObjectId> previousEntities(const SelectionContext& context);
std::vector<AcDbObjectId> entityAt(const SelectionContext& context, const AcGePoint3d& point);
// "#2A": the entity of that handle (of the current space), or nothing.
std::vector<AcDbObjectId> entityByHandle(const SelectionContext& context, const std::wstring& text);

}  // namespace ed
