#include "ed/pick_geometry.h"

#include <cmath>
#include <memory>

#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "ed/editor.h"
#include "ed/selection_geometry.h"

namespace ed {

namespace {

double realVar(const wchar_t* name, double fallback) {
  resbuf r{};
  if (acedGetVar(name, &r) != RTNORM) return fallback;
  if (r.restype == RTREAL) return r.resval.rreal;
  if (r.restype == RTSHORT) return r.resval.rint;
  return fallback;
}

bool inBox(const AcDbExtents& extents, const AcGePoint3d& p, double tolerance) {
  return p.x >= extents.minPoint().x - tolerance && p.x <= extents.maxPoint().x + tolerance &&
         p.y >= extents.minPoint().y - tolerance && p.y <= extents.maxPoint().y + tolerance;
}

bool curveUnderPoint(const AcDbCurve* curve, const AcGePoint3d& point, double tolerance) {
  AcGePoint3d closest;
  // In plan: the nearest point seen from above, whatever the curve's elevation.
  if (curve->getClosestPointTo(point, AcGeVector3d::kZAxis, closest) != Acad::eOk &&
      curve->getClosestPointTo(point, closest) != Acad::eOk)
    return false;
  return std::hypot(closest.x - point.x, closest.y - point.y) <= tolerance;
}

bool attributeUnderPoint(const AcDbBlockReference* reference, const AcGePoint3d& point,
                         double tolerance, AcDbObjectId* found) {
  std::unique_ptr<AcDbObjectIterator> it(reference->attributeIterator());
  for (it->start(); !it->done(); it->step()) {
    AcDbEntity* attribute = it->entity();
    if (attribute == nullptr) continue;
    AcDbAttribute* attr = AcDbAttribute::cast(attribute);
    if (attr != nullptr && attr->isInvisible()) continue;
    AcDbExtents extents;
    if (attribute->getGeomExtents(extents) == Acad::eOk && !extents.isEmpty() &&
        inBox(extents, point, tolerance)) {
      if (found) *found = it->objectId();
      return true;
    }
  }
  return false;
}

// The entities of a block definition, latest first, each placed in the drawing by transform.
bool searchBlock(AcDbObjectId block, const AcGeMatrix3d& transform, const AcGePoint3d& point,
                 double tolerance, NestedPick& pick, int depth);

// One entity of a block placed by transform: is it under the point? Block references are searched
// inside.
bool searchEntity(const AcDbEntity* entity, AcDbObjectId id, const AcGeMatrix3d& transform,
                  const AcGePoint3d& point, double tolerance, NestedPick& pick, int depth) {
  if (const AcDbBlockReference* reference = AcDbBlockReference::cast(entity)) {
    if (depth > 32) return false;  // a block that holds itself
    // Attributes of a reference of the space are in drawing coordinates: one picked is the
    // answer itself, with no transform or container (as the host gives it).
    AcDbObjectId attribute;
    if (transform.isEqualTo(AcGeMatrix3d::kIdentity) &&
        attributeUnderPoint(reference, point, tolerance, &attribute)) {
      pick.entity = attribute;
      pick.transform = AcGeMatrix3d::kIdentity;
      pick.containers.clear();
      return true;
    }
    NestedPick inner;
    if (searchBlock(reference->blockTableRecord(), transform * reference->blockTransform(), point,
                    tolerance, inner, depth + 1)) {
      pick = inner;
      pick.containers.push_back(id);
      return true;
    }
    return false;
  }
  bool under = false;
  if (transform.isEqualTo(AcGeMatrix3d::kIdentity)) {
    under = entityUnderPoint(entity, point, tolerance);
  } else {
    AcDbEntity* copy = nullptr;
    if (entity->getTransformedCopy(transform, copy) == Acad::eOk && copy != nullptr) {
      under = entityUnderPoint(copy, point, tolerance);
      delete copy;
    } else {
      AcDbExtents extents;
      if (entity->getGeomExtents(extents) == Acad::eOk && !extents.isEmpty()) {
        extents.transformBy(transform);
        under = inBox(extents, point, tolerance);
      }
    }
  }
  if (!under) return false;
  pick.entity = id;
  pick.transform = transform;
  pick.containers.clear();
  return true;
}

bool searchBlock(AcDbObjectId block, const AcGeMatrix3d& transform, const AcGePoint3d& point,
                 double tolerance, NestedPick& pick, int depth) {
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, block, AcDb::kForRead) != Acad::eOk) return false;
  std::vector<AcDbObjectId> ids = record->entityIds();
  record->close();
  for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
    if (!it->isValid() || it->isErased()) continue;
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, *it, AcDb::kForRead) != Acad::eOk) continue;
    // Attribute definitions do not show in references: their attributes do.
    bool isDefinition = AcDbAttributeDefinition::cast(entity) != nullptr;
    bool found =
        !isDefinition && searchEntity(entity, *it, transform, point, tolerance, pick, depth);
    entity->close();
    if (found) return true;
  }
  return false;
}

}  // namespace

bool entityUnderPoint(const AcDbEntity* entity, const AcGePoint3d& point, double tolerance) {
  if (entity == nullptr) return false;
  if (const AcDbCurve* curve = AcDbCurve::cast(entity))
    return curveUnderPoint(curve, point, tolerance);
  if (const AcDbBlockReference* reference = AcDbBlockReference::cast(entity)) {
    // Nothing of the reference lies beyond its extents: most references go no further.
    AcDbExtents bounds;
    if (reference->getGeomExtents(bounds) != Acad::eOk || bounds.isEmpty() ||
        !inBox(bounds, point, tolerance))
      return false;
    if (attributeUnderPoint(reference, point, tolerance, nullptr)) return true;
    NestedPick inner;
    if (searchBlock(reference->blockTableRecord(), reference->blockTransform(), point, tolerance,
                    inner, 1))
      return true;
    // A reference to an empty block is found at its insertion point.
    AcDbExtents extents;
    return reference->getGeomExtents(extents) == Acad::eOk && !extents.isEmpty() &&
           extents.minPoint().isEqualTo(extents.maxPoint()) && inBox(extents, point, tolerance);
  }
  AcDbExtents extents;
  if (entity->getGeomExtents(extents) != Acad::eOk || extents.isEmpty()) return false;
  return inBox(extents, point, tolerance);
}

AcDbObjectId topEntityAt(AcDbDatabase* database, AcDbObjectId space, const AcGePoint3d& point,
                         double tolerance) {
  std::vector<AcDbObjectId> ids = spaceEntities(database, space);
  for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, *it, AcDb::kForRead) != Acad::eOk) continue;
    bool under = entityUnderPoint(entity, point, tolerance);
    entity->close();
    if (under) return *it;
  }
  return AcDbObjectId();
}

bool nestedEntityAt(AcDbDatabase* database, AcDbObjectId space, const AcGePoint3d& point,
                    double tolerance, NestedPick& pick) {
  AcDbObjectId top = topEntityAt(database, space, point, tolerance);
  if (top.isNull()) return false;
  AcDbEntity* entity = nullptr;
  if (acdbOpenObject(entity, top, AcDb::kForRead) != Acad::eOk) return false;
  NestedPick found;
  bool ok = searchEntity(entity, top, AcGeMatrix3d::kIdentity, point, tolerance, found, 0);
  entity->close();
  if (!ok) {
    // Under the point by its extents only: the entity itself.
    found = NestedPick();
    found.entity = top;
  }
  pick = found;
  return true;
}

double pickTolerance() {
  double height = realVar(L"VIEWSIZE", 9.0);
  resbuf screen{};
  double pixels = 768.0;
  if (acedGetVar(L"SCREENSIZE", &screen) == RTNORM &&
      (screen.restype == RTPOINT || screen.restype == RT3DPOINT) && screen.resval.rpoint[1] > 0.0)
    pixels = screen.resval.rpoint[1];
  double box = realVar(L"PICKBOX", 3.0);
  return std::max(box, 1.0) * height / pixels;
}

AcDbObjectId entityAtPoint(AcDbDatabase* database, const AcGePoint3d& point) {
  return topEntityAt(database, currentSpace(database), point, pickTolerance());
}

}  // namespace ed
