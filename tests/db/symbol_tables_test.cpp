// Symbol tables and their records: names, lookups, iteration, properties and their group codes.
#include <gtest/gtest.h>

#include <cwchar>

#include "db/acutads.h"
#include "db/dbdatabase.h"
#include "db/dbblkref.h"
#include "db/dbents.h"
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "dxf/dxf_test_util.h"

using dxftest::Opened;

namespace {

AcDbObjectId addLayer(AcDbDatabase& db, const wchar_t* name, Acad::ErrorStatus expected = Acad::eOk) {
  Opened<AcDbLayerTable> table(db.layerTableId(), AcDb::kForWrite);
  auto* layer = new AcDbLayerTableRecord();
  layer->setNameRaw(name);
  AcDbObjectId id;
  Acad::ErrorStatus es = table->add(id, layer);
  EXPECT_EQ(es, expected) << acadErrorStatusText(es);
  if (es == Acad::eOk) {
    layer->close();
  } else {
    delete layer;
  }
  return id;
}

std::vector<std::wstring> layerNames(AcDbDatabase& db) {
  std::vector<std::wstring> names;
  Opened<AcDbLayerTable> table(db.layerTableId());
  AcDbLayerTableIterator* it = nullptr;
  table->newIterator(it);
  for (; !it->done(); it->step()) {
    AcDbLayerTableRecord* layer = nullptr;
    EXPECT_EQ(it->getRecord(layer, AcDb::kForRead), Acad::eOk);
    names.push_back(layer->name());
    layer->close();
  }
  delete it;
  return names;
}

DxfItemList itemsOf(AcDbObjectId id) {
  Opened<AcDbObject> object(id);
  DxfItemListFiler filer(id.database(), AcDbDxfFiler::kCopyFiler);
  object->dxfOutFields(&filer);
  return filer.takeItems();
}

const DxfItem* findItem(const DxfItemList& items, int code) {
  for (const DxfItem& item : items) {
    if (item.code == code) return &item;
  }
  return nullptr;
}

}  // namespace

TEST(SymbolTable, NamesAreFoundWithoutCaseAndAfterRenames) {
  AcDbDatabase db;
  AcDbObjectId points = addLayer(db, L"Points");
  addLayer(db, L"POINTS", Acad::eDuplicateRecordName);
  {
    Opened<AcDbLayerTable> table(db.layerTableId());
    AcDbObjectId found;
    EXPECT_EQ(table->getAt(L"pOiNtS", found), Acad::eOk);
    EXPECT_EQ(found, points);
    EXPECT_TRUE(table->has(points));
    EXPECT_FALSE(table->has(L"Stations"));
  }
  {
    Opened<AcDbLayerTableRecord> layer(points, AcDb::kForWrite);
    EXPECT_EQ(layer->setName(L"0"), Acad::eDuplicateRecordName);
    EXPECT_EQ(layer->setName(L"Stations"), Acad::eOk);
  }
  Opened<AcDbLayerTable> table(db.layerTableId());
  AcDbLayerTableRecord* renamed = nullptr;
  ASSERT_EQ(table->getAt(L"STATIONS", renamed, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(renamed->objectId(), points);
  ACHAR* copy = nullptr;
  renamed->getName(copy);
  EXPECT_STREQ(copy, L"Stations");
  acutDelString(copy);
  renamed->close();
  EXPECT_FALSE(table->has(L"Points"));
}

TEST(SymbolTable, RefusesInvalidNamesAndClosedTables) {
  AcDbDatabase db;
  for (const wchar_t* bad : {L"", L"a<b", L"a>b", L"a/b", L"a\\b", L"a\"b", L"a:b", L"a;b", L"a?b",
                             L"a*b", L"a|b", L"a,b", L"a=b", L"a`b"}) {
    AcDbLayerTableRecord layer;
    EXPECT_EQ(layer.setName(bad), Acad::eInvalidSymbolTableName) << std::string(bad, bad + wcslen(bad));
  }
  AcDbLayerTableRecord layer;
  EXPECT_EQ(layer.setName(L"Levé topo 2024"), Acad::eOk);

  Opened<AcDbLayerTable> table(db.layerTableId(), AcDb::kForRead);
  auto* record = new AcDbLayerTableRecord();
  record->setName(L"Free");
  EXPECT_EQ(table->add(record), Acad::eNotOpenForWrite);
  delete record;
}

TEST(SymbolTable, IteratesInOrderOfAdditionWithoutErasedRecords) {
  AcDbDatabase db;
  addLayer(db, L"C");
  AcDbObjectId b = addLayer(db, L"B");
  addLayer(db, L"A");
  EXPECT_EQ(layerNames(db), (std::vector<std::wstring>{L"0", L"C", L"B", L"A"}));
  {
    Opened<AcDbLayerTableRecord> layer(b, AcDb::kForWrite);
    layer->erase();
  }
  EXPECT_EQ(layerNames(db), (std::vector<std::wstring>{L"0", L"C", L"A"}));
  Opened<AcDbLayerTable> table(db.layerTableId());
  AcDbObjectId found;
  EXPECT_EQ(table->getAt(L"B", found), Acad::eKeyNotFound);
  EXPECT_EQ(table->getAt(L"B", found, true), Acad::eOk);
  EXPECT_EQ(found, b);
  // The name is free again.
  table.get()->upgradeOpen();
  auto* again = new AcDbLayerTableRecord();
  again->setName(L"b");
  EXPECT_EQ(table->add(again), Acad::eOk);
  again->close();
}

TEST(LayerRecord, PropertiesAndTheirItems) {
  AcDbDatabase db;
  {
    Opened<AcDbLinetypeTable> linetypes(db.linetypeTableId(), AcDb::kForWrite);
    auto* dashed = new AcDbLinetypeTableRecord();
    dashed->setName(L"DASHED");
    dashed->setComments(L"Dashed __ __");
    dashed->setNumDashes(2);
    dashed->setDashLengthAt(0, 0.5);
    dashed->setDashLengthAt(1, -0.25);
    dashed->setPatternLength(0.75);
    linetypes->add(dashed);
    dashed->close();
  }
  AcDbObjectId id = addLayer(db, L"Survey");
  {
    Opened<AcDbLayerTableRecord> layer(id, AcDb::kForWrite);
    EXPECT_EQ(layer->setColorIndex(3), Acad::eOk);
    layer->setIsOff(true);
    layer->setIsLocked(true);
    AcDbObjectId dashed;
    Opened<AcDbLinetypeTable> linetypes(db.linetypeTableId());
    linetypes->getAt(L"dashed", dashed);
    EXPECT_EQ(layer->setLinetypeObjectId(dashed), Acad::eOk);
    EXPECT_EQ(layer->setLinetypeObjectId(db.layerZero()), Acad::eWrongObjectType);
    EXPECT_EQ(layer->setDescription(L"Levé des points"), Acad::eOk);
    EXPECT_EQ(layer->setColorIndex(0), Acad::eOutOfRange);
  }
  DxfItemList items = itemsOf(id);
  EXPECT_EQ(findItem(items, 62)->integer, -3);  // off: negative colour
  EXPECT_EQ(findItem(items, 70)->integer, 4);   // locked
  EXPECT_EQ(findItem(items, 6)->text, L"DASHED");

  // Read back into a new record of the same database: the same layer.
  AcDbLayerTableRecord copy;
  DxfItemListFiler in(&db, AcDbDxfFiler::kCopyFiler, items);
  copy.dxfInFields(&in);
  EXPECT_EQ(copy.colorIndex(), 3);
  EXPECT_TRUE(copy.isOff());
  EXPECT_TRUE(copy.isLocked());
  EXPECT_FALSE(copy.isFrozen());
  Opened<AcDbLayerTableRecord> layer(id);
  EXPECT_EQ(copy.linetypeObjectId(), layer->linetypeObjectId());
  ACHAR* description = layer->description();
  EXPECT_STREQ(description, L"Levé des points");
  acutDelString(description);
  Opened<AcDbRegAppTable> apps(db.regAppTableId());
  EXPECT_TRUE(apps->has(L"AcAecLayerStandard"));
}

TEST(LinetypeRecord, DashesShapesAndTextsSurviveACopy) {
  AcDbDatabase db;
  DxfItemList items = {DxfItem::makeString(100, L"AcDbSymbolTableRecord"),
                       DxfItem::makeString(100, L"AcDbLinetypeTableRecord"),
                       DxfItem::makeString(2, L"GAS"), DxfItem::makeInt(70, 0),
                       DxfItem::makeString(3, L"Gas line ---- GAS ----"), DxfItem::makeInt(72, 65),
                       DxfItem::makeInt(73, 3), DxfItem::makeReal(40, 1.25),
                       DxfItem::makeReal(49, 0.5), DxfItem::makeInt(74, 0),
                       DxfItem::makeReal(49, -0.2), DxfItem::makeInt(74, 2),
                       DxfItem::makeInt(75, 0), DxfItem::makeReal(46, 0.1), DxfItem::makeReal(50, 0.0),
                       DxfItem::makeReal(44, -0.1), DxfItem::makeReal(45, -0.05),
                       DxfItem::makeString(9, L"GAS"), DxfItem::makeReal(49, -0.55),
                       DxfItem::makeInt(74, 0)};
  AcDbLinetypeTableRecord linetype;
  DxfItemListFiler in(&db, AcDbDxfFiler::kCopyFiler, items);
  linetype.dxfInFields(&in);
  ASSERT_EQ(linetype.numDashes(), 3);
  EXPECT_DOUBLE_EQ(linetype.dashLengthAt(1), -0.2);
  EXPECT_EQ(linetype.shapeFlagsAt(1), 2);
  const ACHAR* text = nullptr;
  linetype.textAt(1, text);
  EXPECT_STREQ(text, L"GAS");
  EXPECT_DOUBLE_EQ(linetype.patternLength(), 1.25);

  DxfItemListFiler out(&db, AcDbDxfFiler::kCopyFiler);
  linetype.dxfOutFields(&out);
  DxfItemList written = out.takeItems();
  // The same items after the common ones (handle and owner).
  DxfItemList tail(written.end() - static_cast<long>(items.size()), written.end());
  EXPECT_EQ(tail, items);
}

TEST(TextStyleRecord, FlagsAndFonts) {
  AcDbTextStyleTableRecord style;
  style.setIsVertical(true);
  style.setIsShapeFile(false);
  style.setFlagBits(4);  // upside down
  style.setFileName(L"romans.shx");
  EXPECT_TRUE(style.isVertical());
  EXPECT_EQ(style.symbolFlags(), 4);
  EXPECT_EQ(style.setXScale(0.0), Acad::eInvalidInput);
  EXPECT_EQ(style.setTextSize(-1.0), Acad::eNegativeValueNotAllowed);
  ACHAR* font = nullptr;
  style.fileName(font);
  EXPECT_STREQ(font, L"romans.shx");
  acutDelString(font);
}

TEST(BlockRecord, EntitiesInOrderAnonymousNamesAndReferences) {
  AcDbDatabase db;
  AcDbObjectId blockId;
  {
    Opened<AcDbBlockTable> blocks(db.blockTableId(), AcDb::kForWrite);
    auto* block = new AcDbBlockTableRecord();
    block->setName(L"*U");
    ASSERT_EQ(blocks->add(blockId, block), Acad::eOk);
    EXPECT_EQ(block->name(), L"*U1");
    EXPECT_TRUE(block->isAnonymous());
    EXPECT_FALSE(block->blockBeginId().isNull());
    EXPECT_FALSE(block->blockEndId().isNull());
    for (int i = 0; i < 3; ++i) {
      auto* line = new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 1, 0));
      ASSERT_EQ(block->appendAcDbEntity(line), Acad::eOk);
      EXPECT_EQ(line->ownerId(), blockId);
      EXPECT_EQ(line->layerId(), db.clayer());  // the drawing's current settings
      line->close();
    }
    EXPECT_FALSE(block->hasAttributeDefinitions());
    auto* tag = new AcDbAttributeDefinition(AcGePoint3d(0, 0, 0), L"1", L"NUM", L"Number?");
    block->appendAcDbEntity(tag);
    tag->close();
    EXPECT_TRUE(block->hasAttributeDefinitions());
    EXPECT_EQ(block->blockFlags(), 3);
    block->close();
  }
  {
    Opened<AcDbBlockTableRecord> block(blockId);
    AcDbBlockTableRecordIterator* it = nullptr;
    block->newIterator(it);
    double x = 0.0;
    for (; !it->done(); it->step()) {
      AcDbEntity* entity = nullptr;
      ASSERT_EQ(it->getEntity(entity, AcDb::kForRead), Acad::eOk);
      if (auto* line = AcDbLine::cast(entity)) {
        EXPECT_DOUBLE_EQ(line->startPoint().x, x++);
      }
      entity->close();
    }
    delete it;
    EXPECT_EQ(x, 3.0);
  }
  AcDbObjectId reference;
  {
    Opened<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    auto* insert = new AcDbBlockReference(AcGePoint3d(5, 5, 0), blockId);
    ASSERT_EQ(space->appendAcDbEntity(reference, insert), Acad::eOk);
    insert->close();
  }
  Opened<AcDbBlockTableRecord> block(blockId);
  AcDbObjectIdArray ids;
  ASSERT_EQ(block->getBlockReferenceIds(ids), Acad::eOk);
  ASSERT_EQ(ids.length(), 1);
  EXPECT_EQ(ids[0], reference);
}

TEST(DimStyleRecord, WritesItsHandleWith105) {
  AcDbDatabase db;
  Opened<AcDbDimStyleTable> styles(db.dimStyleTableId());
  AcDbObjectId standard;
  ASSERT_EQ(styles->getAt(L"Standard", standard), Acad::eOk);
  DxfItemList items = itemsOf(standard);
  EXPECT_EQ(findItem(items, 5), nullptr);
  ASSERT_NE(findItem(items, 105), nullptr);
  EXPECT_EQ(findItem(items, 105)->handle(), standard.handle());
}
