// A new current drawing with the command line fed by a queue, and helpers to put entities in it:
// the ground the selection and pick tests stand on.
#pragma once
#include <string>

#include "db/acutads.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "ed_fixture.h"
#include "rx/acdocman.h"

class SelectionDrawing : public ScriptedEditor {
 protected:
  void SetUp() override {
    acDocManager->closeAll();
    AcApDocument* document = acDocManager->newDocument();
    ASSERT_NE(document, nullptr);
    db = document->database();
    setsBefore = ed::liveSelectionSetCount();
  }
  void TearDown() override {
    EXPECT_EQ(db->openObjectCount(), 0);
    acDocManager->closeAll();
  }

  AcDbObjectId add(AcDbEntity* entity, AcDbObjectId block = AcDbObjectId()) {
    AcDbBlockTableRecord* record = nullptr;
    EXPECT_EQ(acdbOpenObject(record, block.isNull() ? db->modelSpaceId() : block, AcDb::kForWrite),
              Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    record->close();
    return id;
  }
  AcDbObjectId line(double x1, double y1, double x2, double y2, const wchar_t* layer = nullptr) {
    auto* l = new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0));
    l->setDatabaseDefaults(db);
    if (layer) l->setLayer(layer);
    return add(l);
  }
  AcDbObjectId circle(double x, double y, double r) {
    auto* c = new AcDbCircle(AcGePoint3d(x, y, 0), AcGeVector3d::kZAxis, r);
    c->setDatabaseDefaults(db);
    return add(c);
  }
  void layer(const wchar_t* name) {
    AcDbLayerTable* table = nullptr;
    ASSERT_EQ(db->getLayerTable(table, AcDb::kForWrite), Acad::eOk);
    auto* record = new AcDbLayerTableRecord();
    record->setName(name);
    EXPECT_EQ(table->add(record), Acad::eOk);
    record->close();
    table->close();
  }
  void registerApp(const wchar_t* name) {
    AcDbRegAppTable* table = nullptr;
    ASSERT_EQ(db->getRegAppTable(table, AcDb::kForWrite), Acad::eOk);
    auto* record = new AcDbRegAppTableRecord();
    record->setName(name);
    EXPECT_EQ(table->add(record), Acad::eOk);
    record->close();
    table->close();
  }
  void markWithApp(AcDbObjectId id, const wchar_t* app) {
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForWrite), Acad::eOk);
    resbuf* xdata = acutBuildList(1001, app, 1070, 1, 0);
    EXPECT_EQ(entity->setXData(xdata), Acad::eOk);
    acutRelRb(xdata);
    entity->close();
  }
  // A block definition holding a circle of radius 0.5 at its origin.
  AcDbObjectId block(const wchar_t* name) {
    AcDbBlockTable* table = nullptr;
    EXPECT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
    auto* record = new AcDbBlockTableRecord();
    record->setName(name);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, record), Acad::eOk);
    record->close();
    table->close();
    add(new AcDbCircle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 0.5), id);
    return id;
  }
  // A reference of the block at (x, y) in the given block (model space by default), with one
  // attribute NUMPT whose text stands at (x + 0.75, y + 0.5).
  AcDbObjectId insert(AcDbObjectId blockId, double x, double y, AcDbObjectId in = AcDbObjectId(),
                      bool withAttribute = true) {
    auto* reference = new AcDbBlockReference(AcGePoint3d(x, y, 0), blockId);
    reference->setDatabaseDefaults(db);
    AcDbObjectId id = add(reference, in);
    if (!withAttribute) return id;
    AcDbBlockReference* opened = nullptr;
    EXPECT_EQ(acdbOpenObject(opened, id, AcDb::kForWrite), Acad::eOk);
    auto* attribute = new AcDbAttribute(AcGePoint3d(x + 0.75, y + 0.5, 0), L"12", L"NUMPT");
    attribute->setDatabaseDefaults(db);
    attribute->setHeight(0.5);
    EXPECT_EQ(opened->appendAttribute(attributeId, attribute), Acad::eOk);
    attribute->close();
    opened->close();
    return id;
  }
  std::wstring handleOf(AcDbObjectId id) {
    wchar_t buffer[32];
    std::swprintf(buffer, 32, L"%llX", static_cast<unsigned long long>(id.handle().value()));
    return buffer;
  }
  // The entities of a selection set, the set released.
  std::vector<AcDbObjectId> take(ads_name ss) {
    std::vector<AcDbObjectId> ids;
    EXPECT_TRUE(ed::selectionSetIds(ss, ids));
    EXPECT_EQ(acedSSFree(ss), RTNORM);
    return ids;
  }

  AcDbDatabase* db = nullptr;
  AcDbObjectId attributeId;
  size_t setsBefore = 0;
};
