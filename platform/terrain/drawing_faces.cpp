#include "drawing_faces.h"

#include <memory>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"

namespace terrain {

std::vector<Triangle> drawingTriangles(AcDbDatabase* database) {
  std::vector<Triangle> triangles;
  AcDbBlockTableRecord* space = nullptr;
  if (database == nullptr ||
      acdbOpenObject(space, database->modelSpaceId(), AcDb::kForRead) != Acad::eOk) {
    return triangles;
  }
  AcDbBlockTableRecordIterator* opened = nullptr;
  if (space->newIterator(opened) == Acad::eOk) {
    const std::unique_ptr<AcDbBlockTableRecordIterator> iterator(opened);
    for (; !iterator->done(); iterator->step()) {
      AcDbEntity* entity = nullptr;
      if (iterator->getEntity(entity, AcDb::kForRead) != Acad::eOk) continue;
      if (auto* face = AcDbFace::cast(entity)) {
        AcGePoint3d c[4];
        for (Adesk::UInt16 i = 0; i < 4; ++i) face->getVertexAt(i, c[i]);
        triangles.push_back({c[0], c[1], c[2]});
        if (!c[3].isEqualTo(c[2]) && !c[3].isEqualTo(c[0])) triangles.push_back({c[0], c[2], c[3]});
      }
      entity->close();
    }
  }
  space->close();
  return triangles;
}

}  // namespace terrain
