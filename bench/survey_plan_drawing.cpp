#include "survey_plan_drawing.h"

#include <string>

#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbpl.h"
#include "db/dbsymtb.h"

namespace {

const ACHAR* const kTags[] = {L"MATRICULE", L"ALTITUDE"};

// The point block: a small cross and the two attribute definitions.
AcDbObjectId addPointBlock(AcDbDatabase& db) {
  AcDbBlockTable* blocks = nullptr;
  db.getBlockTable(blocks, AcDb::kForWrite);
  auto* block = new AcDbBlockTableRecord();
  block->setName(L"PT");
  AcDbObjectId blockId;
  blocks->add(blockId, block);
  blocks->close();
  auto* cross = new AcDbLine(AcGePoint3d(-0.2, 0, 0), AcGePoint3d(0.2, 0, 0));
  block->appendAcDbEntity(cross);
  cross->close();
  for (int i = 0; i < 2; ++i) {
    auto* definition = new AcDbAttributeDefinition(AcGePoint3d(0.7, 0.3 * i, 0), L"", kTags[i], kTags[i]);
    block->appendAcDbEntity(definition);
    definition->close();
  }
  block->close();
  return blockId;
}

template <class T>
void append(AcDbBlockTableRecord* model, T* entity) {
  model->appendAcDbEntity(entity);
  entity->close();
}

}  // namespace

std::unique_ptr<AcDbDatabase> buildSurveyPlanDrawing() {
  auto db = std::make_unique<AcDbDatabase>();
  acdbHostApplicationServices()->setWorkingDatabase(db.get());
  AcDbObjectId block = addPointBlock(*db);
  AcDbBlockTableRecord* model = nullptr;
  acdbOpenObject(model, db->modelSpaceId(), AcDb::kForWrite);
  for (int i = 0; i < kPlanEntitiesPerKind; ++i) {
    double x = 1000.0 + (i % 400) * 3.1, y = 2000.0 + (i / 400) * 2.7;
    auto* reference = new AcDbBlockReference(AcGePoint3d(x, y, 0), block);
    model->appendAcDbEntity(reference);
    std::wstring values[] = {L"P" + std::to_wstring(i), std::to_wstring(100.0 + i * 0.001)};
    for (int k = 0; k < 2; ++k) {
      auto* attribute = new AcDbAttribute(AcGePoint3d(x + 0.7, y + 0.3 * k, 0), values[k].c_str(), kTags[k]);
      attribute->setHeight(0.2);
      reference->appendAttribute(attribute);
      attribute->close();
    }
    reference->close();
    append(model, new AcDbLine(AcGePoint3d(x, y, 0), AcGePoint3d(x + 2.25, y - 1.5, 0)));
    append(model, new AcDbCircle(AcGePoint3d(x + 1, y + 1, 0), AcGeVector3d::kZAxis, 0.3 + (i % 7) * 0.05));
    auto* polyline = new AcDbPolyline(4);
    for (unsigned int v = 0; v < 4; ++v)
      polyline->addVertexAt(v, AcGePoint2d(x + v * 0.5, y + (v % 2) * 0.5), v == 1 ? 0.25 : 0.0);
    polyline->setClosed(true);
    append(model, polyline);
    auto* text = new AcDbText(AcGePoint3d(x, y + 1.2, 0), (L"Texte n°" + std::to_wstring(i)).c_str());
    text->setHeight(0.25);
    append(model, text);
  }
  model->close();
  return db;
}
