// Internal: what lies under a pick point, at the top level of a space or inside block references.
#pragma once
#include <vector>

#include "db/dbid.h"
#include "ge/gemat3d.h"
#include "ge/gepnt3d.h"

class AcDbDatabase;
class AcDbEntity;

namespace ed {

// True when the entity (in world coordinates) lies within tolerance of the point, in plan: curves
// by their distance to the point, texts, attributes and other entities by their extents, block
// references by what their block holds and by their attributes.
bool entityUnderPoint(const AcDbEntity* entity, const AcGePoint3d& point, double tolerance);

// What a pick finds when it goes into block references.
struct NestedPick {
  AcDbObjectId entity;  // the attribute or the entity of a block definition (or the entity itself)
  AcGeMatrix3d transform;                // from the entity's block to the drawing
  std::vector<AcDbObjectId> containers;  // block references holding it, innermost first
  bool nested() const { return !containers.empty(); }
};

// The top-level entity of the space under the point (the latest drawn wins).
AcDbObjectId topEntityAt(AcDbDatabase* database, AcDbObjectId space, const AcGePoint3d& point,
                         double tolerance);
// The same, going down into block references. False when nothing is under the point.
bool nestedEntityAt(AcDbDatabase* database, AcDbObjectId space, const AcGePoint3d& point,
                    double tolerance, NestedPick& pick);

}  // namespace ed
