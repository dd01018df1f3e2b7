// Inserting one drawing into another as a block definition.
#include <gtest/gtest.h>

#include "db/acutads.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "db/dbxrecord.h"
#include "dxf/dxf_test_util.h"

using dxftest::Opened;

namespace {

AcDbObjectId addLayer(AcDbDatabase& db, const wchar_t* name, int color) {
  Opened<AcDbLayerTable> table(db.layerTableId(), AcDb::kForWrite);
  auto* layer = new AcDbLayerTableRecord();
  layer->setName(name);
  layer->setColorIndex(static_cast<Adesk::Int16>(color));
  AcDbObjectId id;
  EXPECT_EQ(table->add(id, layer), Acad::eOk);
  layer->close();
  return id;
}

AcDbObjectId append(AcDbObjectId block, AcDbEntity* entity, const wchar_t* layer) {
  Opened<AcDbBlockTableRecord> record(block, AcDb::kForWrite);
  AcDbObjectId id;
  EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
  EXPECT_EQ(entity->setLayer(layer), Acad::eOk);  // by name, once in the database
  entity->close();
  return id;
}

int colorOf(AcDbDatabase& db, const wchar_t* layerName) {
  Opened<AcDbLayerTable> table(db.layerTableId());
  AcDbLayerTableRecord* layer = nullptr;
  if (table->getAt(layerName, layer, AcDb::kForRead) != Acad::eOk) return -1;
  int color = layer->colorIndex();
  layer->close();
  return color;
}

// A survey drawing: two layers, a nested block on one of them, extended data and an extension
// dictionary whose record points at another entity.
struct SourceDrawing {
  AcDbDatabase db;
  AcDbObjectId first, reference, last;

  SourceDrawing() {
    addLayer(db, L"SURVEY", 3);
    addLayer(db, L"SHARED", 1);
    {
      Opened<AcDbRegAppTable> apps(db.regAppTableId(), AcDb::kForWrite);
      auto* app = new AcDbRegAppTableRecord();
      app->setName(L"SURVEYAPP");
      apps->add(app);
      app->close();
    }
    AcDbObjectId nested;
    {
      Opened<AcDbBlockTable> blocks(db.blockTableId(), AcDb::kForWrite);
      auto* block = new AcDbBlockTableRecord();
      block->setName(L"NESTED");
      block->setComments(L"station mark");
      blocks->add(nested, block);
      block->close();
    }
    append(nested, new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 0.5), L"SURVEY");
    first = append(db.modelSpaceId(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0)), L"SHARED");
    reference = append(db.modelSpaceId(), new AcDbBlockReference(AcGePoint3d(5, 0, 0), nested), L"SURVEY");
    last = append(db.modelSpaceId(), new AcDbLine(AcGePoint3d(5, 0, 0), AcGePoint3d(5, 5, 0)), L"0");

    Opened<AcDbLine> line(last, AcDb::kForWrite);
    resbuf* data = acutBuildList(1001, L"SURVEYAPP", 1000, L"P12", 0);
    EXPECT_EQ(line->setXData(data), Acad::eOk);
    acutRelRb(data);
    line->createExtensionDictionary();
    Opened<AcDbDictionary> xdict(line->extensionDictionary(), AcDb::kForWrite);
    auto* record = new AcDbXrecord();
    ads_name name;
    acdbGetAdsName(name, first);
    resbuf* chain = acutBuildList(330, name, 300, L"previous", 0);
    record->setFromRbChain(*chain);
    acutRelRb(chain);
    AcDbObjectId recordId;
    xdict->setAt(L"LINK", record, recordId);
    record->close();
    db.setInsbase(AcGePoint3d(10, 20, 0));
  }
};

std::vector<AcDbObjectId> entitiesOf(AcDbObjectId block) {
  Opened<AcDbBlockTableRecord> record(block);
  std::vector<AcDbObjectId> ids;
  for (AcDbObjectId id : record->entityIds()) {
    if (!id.isErased()) ids.push_back(id);
  }
  return ids;
}

}  // namespace

TEST(Insert, CopiesModelSpaceWithTheRecordsItUses) {
  SourceDrawing source;
  AcDbDatabase target;
  addLayer(target, L"SHARED", 5);
  const size_t sourceObjects = source.db.allObjectIds().size();
  const AcDbHandle sourceSeed = source.db.handseed();

  AcDbObjectId blockId;
  ASSERT_EQ(target.insert(blockId, L"IMPORT", &source.db), Acad::eOk);
  EXPECT_EQ(target.openObjectCount(), 0);
  EXPECT_EQ(source.db.openObjectCount(), 0);

  {
    Opened<AcDbBlockTableRecord> block(blockId);
    EXPECT_EQ(block->name(), L"IMPORT");
    EXPECT_EQ(block->origin(), AcGePoint3d(10, 20, 0));
    EXPECT_FALSE(block->blockBeginId().isNull());
  }
  std::vector<AcDbObjectId> copies = entitiesOf(blockId);
  ASSERT_EQ(copies.size(), 3u);
  EXPECT_EQ(colorOf(target, L"SHARED"), 5);   // the target's definition is kept
  EXPECT_EQ(colorOf(target, L"SURVEY"), 3);   // the missing one comes along

  // The nested block came along and the reference uses the target's copy of it.
  AcDbObjectId nested;
  {
    Opened<AcDbBlockTable> blocks(target.blockTableId());
    ASSERT_EQ(blocks->getAt(L"NESTED", nested), Acad::eOk);
    Opened<AcDbBlockReference> reference(copies[1]);
    EXPECT_EQ(reference->blockTableRecord(), nested);
    EXPECT_EQ(reference->ownerId(), blockId);
    EXPECT_EQ(reference->database(), &target);
  }
  std::vector<AcDbObjectId> nestedEntities = entitiesOf(nested);
  ASSERT_EQ(nestedEntities.size(), 1u);
  {
    Opened<AcDbCircle> circle(nestedEntities[0]);
    EXPECT_EQ(circle->layerName(), L"SURVEY");
    EXPECT_EQ(circle->layerId().database(), &target);
    Opened<AcDbBlockTableRecord> nestedRecord(nested);
    EXPECT_EQ(nestedRecord->commentsText(), L"station mark");
  }

  // Extended data and the extension dictionary follow, the record pointing at the copy.
  Opened<AcDbLine> last(copies[2]);
  resbuf* data = last->xData(L"SURVEYAPP");
  ASSERT_NE(data, nullptr);
  EXPECT_STREQ(data->rbnext->resval.rstring, L"P12");
  acutRelRb(data);
  {
    Opened<AcDbRegAppTable> apps(target.regAppTableId());
    EXPECT_TRUE(apps->has(L"SURVEYAPP"));
  }
  ASSERT_FALSE(last->extensionDictionary().isNull());
  EXPECT_EQ(last->extensionDictionary().database(), &target);
  Opened<AcDbDictionary> xdict(last->extensionDictionary());
  EXPECT_EQ(xdict->ownerId(), copies[2]);
  AcDbObjectId recordId;
  ASSERT_EQ(xdict->getAt(L"LINK", recordId), Acad::eOk);
  Opened<AcDbXrecord> record(recordId);
  resbuf* chain = nullptr;
  record->rbChain(chain);
  AcDbObjectId linked;
  acdbGetObjectId(linked, chain->resval.rlname);
  EXPECT_EQ(linked, copies[0]);
  acutRelRb(chain);

  // The source is as it was.
  EXPECT_EQ(source.db.allObjectIds().size(), sourceObjects);
  EXPECT_EQ(source.db.handseed(), sourceSeed);
  EXPECT_EQ(colorOf(source.db, L"SHARED"), 1);
  EXPECT_EQ(entitiesOf(source.db.modelSpaceId()),
            (std::vector<AcDbObjectId>{source.first, source.reference, source.last}));
}

TEST(Insert, ASecondInsertUnderTheSameNameRedefinesTheBlock) {
  SourceDrawing source;
  AcDbDatabase target;
  AcDbObjectId firstId, secondId;
  ASSERT_EQ(target.insert(firstId, L"Import", &source.db), Acad::eOk);
  std::vector<AcDbObjectId> before = entitiesOf(firstId);
  ASSERT_EQ(target.insert(secondId, L"IMPORT", &source.db), Acad::eOk);
  EXPECT_EQ(secondId, firstId);
  std::vector<AcDbObjectId> after = entitiesOf(secondId);
  EXPECT_EQ(after.size(), 3u);
  for (AcDbObjectId old : before) EXPECT_TRUE(old.isErased());
  {
    Opened<AcDbBlockTable> blocks(target.blockTableId());
    std::vector<std::wstring> names;
    for (AcDbObjectId id : blocks->recordIds()) {
      Opened<AcDbBlockTableRecord> record(id);
      names.push_back(record->name());
    }
    EXPECT_EQ(names, (std::vector<std::wstring>{L"*Model_Space", L"*Paper_Space", L"Import", L"NESTED"}));
  }
  EXPECT_EQ(target.openObjectCount(), 0);
}

TEST(Insert, RefusesItselfAndBadNames) {
  SourceDrawing source;
  AcDbObjectId id;
  EXPECT_EQ(source.db.insert(id, L"SELF", &source.db), Acad::eSelfReference);
  AcDbDatabase target;
  EXPECT_EQ(target.insert(id, L"A|B", &source.db), Acad::eInvalidBlockName);
  EXPECT_EQ(target.insert(id, L"*Model_Space", &source.db), Acad::eInvalidBlockName);
  EXPECT_EQ(target.insert(id, L"", &source.db), Acad::eNullBlockName);
  EXPECT_TRUE(id.isNull());
}
