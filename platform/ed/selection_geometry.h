// Internal: which entities of a drawing a selection mode takes: the entities of a space in drawing
// order, and those a window holds or crosses.
#pragma once
#include <vector>

#include "db/dbid.h"
#include "ge/gepnt3d.h"

class AcDbDatabase;
class AcDbEntity;

namespace ed {

// The entities of one space block (model space, paper space) in drawing order, erased ones left
// out.
std::vector<AcDbObjectId> spaceEntities(AcDbDatabase* database, AcDbObjectId space);
// The space selections work in: model space.
AcDbObjectId currentSpace(AcDbDatabase* database);

enum class WindowKind { kWindow, kCrossing };

// Window: the entity lies wholly inside the rectangle of the two corners (in plan, x and y).
// Crossing: inside, or crossing one of its sides.
bool entityInWindow(const AcDbEntity* entity, const AcGePoint3d& corner1,
                    const AcGePoint3d& corner2, WindowKind kind);

}  // namespace ed
