// The contents of a new drawing, its current settings, extended data, and what a drawing read from
// a file is completed with.
#include <gtest/gtest.h>

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbfiler.h"
#include "db/dbgroup.h"
#include "db/dbents.h"
#include "db/dbproxy.h"
#include "db/dbsymtb.h"
#include "db/well_known.h"
#include "dxf/dxf_test_util.h"

using dxftest::Opened;

namespace {

template <class Table>
std::vector<std::wstring> recordNames(AcDbObjectId tableId) {
  std::vector<std::wstring> names;
  Opened<Table> table(tableId);
  for (AcDbObjectId id : table->recordIds()) {
    Opened<AcDbSymbolTableRecord> record(id);
    names.push_back(record->name());
  }
  return names;
}

std::vector<std::wstring> keysOf(AcDbObjectId dictionaryId) {
  std::vector<std::wstring> keys;
  Opened<AcDbDictionary> dictionary(dictionaryId);
  for (const auto& entry : dictionary->entries()) keys.push_back(entry.first);
  return keys;
}

AcDbObjectId layoutOf(AcDbObjectId block) {
  Opened<AcDbBlockTableRecord> record(block);
  return record->getLayoutId();
}

}  // namespace

TEST(NewDrawing, HasTheStandardTablesAndRecords) {
  AcDbDatabase db;
  EXPECT_EQ(recordNames<AcDbViewportTable>(db.viewportTableId()), std::vector<std::wstring>{L"*Active"});
  EXPECT_EQ(recordNames<AcDbLinetypeTable>(db.linetypeTableId()),
            (std::vector<std::wstring>{L"ByBlock", L"ByLayer", L"Continuous"}));
  EXPECT_EQ(recordNames<AcDbLayerTable>(db.layerTableId()), std::vector<std::wstring>{L"0"});
  EXPECT_EQ(recordNames<AcDbTextStyleTable>(db.textStyleTableId()), std::vector<std::wstring>{L"Standard"});
  EXPECT_TRUE(recordNames<AcDbViewTable>(db.viewTableId()).empty());
  EXPECT_TRUE(recordNames<AcDbUCSTable>(db.UCSTableId()).empty());
  EXPECT_EQ(recordNames<AcDbRegAppTable>(db.regAppTableId()), std::vector<std::wstring>{L"ACAD"});
  EXPECT_EQ(recordNames<AcDbDimStyleTable>(db.dimStyleTableId()), std::vector<std::wstring>{L"Standard"});
  EXPECT_EQ(recordNames<AcDbBlockTable>(db.blockTableId()),
            (std::vector<std::wstring>{L"*Model_Space", L"*Paper_Space"}));

  {
    Opened<AcDbLayerTableRecord> zero(db.layerZero());
    EXPECT_EQ(zero->colorIndex(), 7);
    EXPECT_EQ(zero->linetypeObjectId(), db.continuousLinetype());
    Opened<AcDbTextStyleTableRecord> standard(db.textstyle());
    const ACHAR* font = nullptr;
    standard->fileName(font);
    EXPECT_STREQ(font, L"txt");
    EXPECT_EQ(standard->xScale(), 1.0);
  }

  EXPECT_EQ(db.clayer(), db.layerZero());
  EXPECT_EQ(db.celtype(), db.byLayerLinetype());
  EXPECT_EQ(db.cecolorIndex(), 256);
  EXPECT_EQ(db.textsize(), 2.5);
  // The standard objects come first and have small handles.
  EXPECT_LT(db.handseed().value(), 0x40u);
  EXPECT_EQ(db.openObjectCount(), 0);
}

TEST(NewDrawing, HasTheStandardDictionariesAndLayouts) {
  AcDbDatabase db;
  EXPECT_EQ(keysOf(db.namedObjectsDictionaryId()),
            (std::vector<std::wstring>{L"ACAD_GROUP", L"ACAD_LAYOUT", L"ACAD_MLINESTYLE",
                                       L"ACAD_PLOTSTYLENAME"}));
  Opened<AcDbDictionary> root(db.namedObjectsDictionaryId());
  AcDbObjectId groups, layouts, plotStyles;
  root->getAt(L"ACAD_GROUP", groups);
  root->getAt(L"ACAD_LAYOUT", layouts);
  root->getAt(L"ACAD_PLOTSTYLENAME", plotStyles);
  EXPECT_EQ(groups, db.groupDictionaryId());
  EXPECT_EQ(keysOf(layouts), (std::vector<std::wstring>{L"Model", L"Layout1"}));
  EXPECT_EQ(keysOf(plotStyles), std::vector<std::wstring>{L"Normal"});

  // Layouts and their blocks name each other.
  for (AcDbObjectId block : {db.modelSpaceId(), db.paperSpaceId()}) {
    Opened<AcDbProxyObject> layout(layoutOf(block));
    ASSERT_TRUE(layout) << acadErrorStatusText(layout.status());
    EXPECT_STREQ(layout->dxfName(), "LAYOUT");
    EXPECT_EQ(layout->ownerId(), layouts);
    AcDbObjectId named;
    for (const DxfItem& item : layout->items()) {
      if (item.code == 330) named = item.id;
    }
    EXPECT_EQ(named, block);
    Opened<AcDbBlockTableRecord> record(block);
    EXPECT_TRUE(record->isLayout());
    EXPECT_FALSE(record->isAnonymous());
    EXPECT_FALSE(record->blockBeginId().isNull());
  }
}

TEST(NewDrawing, CurrentSettingsRefuseWhatTheyCannotUse) {
  AcDbDatabase db;
  EXPECT_EQ(db.setClayer(db.continuousLinetype()), Acad::eInvalidLayer);
  EXPECT_EQ(db.setTextstyle(db.layerZero()), Acad::eInvalidTextStyle);
  EXPECT_EQ(db.setCeltype(db.layerZero()), Acad::eUndefinedLineType);
  EXPECT_EQ(db.setCeltype(db.continuousLinetype()), Acad::eOk);
  EXPECT_EQ(db.setTextsize(0.0), Acad::eOutOfRange);
  AcDbDatabase other;
  EXPECT_EQ(db.setClayer(other.layerZero()), Acad::eInvalidLayer);
}

TEST(NewDrawing, ExtentsFollowModelSpace) {
  AcDbDatabase db;
  db.updateExt();
  EXPECT_GT(db.extmin().x, db.extmax().x);  // nothing drawn
  {
    Opened<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    for (auto* line : {new AcDbLine(AcGePoint3d(-1, 2, 0), AcGePoint3d(3, 4, 0)),
                       new AcDbLine(AcGePoint3d(10, -5, 1), AcGePoint3d(0, 0, 0))}) {
      space->appendAcDbEntity(line);
      line->close();
    }
  }
  db.updateExt();
  EXPECT_EQ(db.extmin(), AcGePoint3d(-1, -5, 0));
  EXPECT_EQ(db.extmax(), AcGePoint3d(10, 4, 1));
}

TEST(ExtendedData, NeedsARegisteredApplicationAndReplacesPerApplication) {
  AcDbDatabase db;
  {
    Opened<AcDbRegAppTable> apps(db.regAppTableId(), AcDb::kForWrite);
    auto* app = new AcDbRegAppTableRecord();
    app->setName(L"SURVEY");
    apps->add(app);
    app->close();
  }
  Opened<AcDbLayerTableRecord> layer(db.layerZero(), AcDb::kForWrite);
  resbuf* unknown = acutBuildList(1001, L"NOBODY", 1000, L"x", 0);
  EXPECT_EQ(layer->setXData(unknown), Acad::eRegappIdNotFound);
  acutRelRb(unknown);

  resbuf* both = acutBuildList(1001, L"ACAD", 1000, L"kept", 1001, L"SURVEY", 1040, 1.5, 1070, 3, 0);
  ASSERT_EQ(layer->setXData(both), Acad::eOk);
  acutRelRb(both);
  resbuf* replace = acutBuildList(1001, L"survey", 1000, L"new", 0);
  ASSERT_EQ(layer->setXData(replace), Acad::eOk);
  acutRelRb(replace);

  resbuf* survey = layer->xData(L"SURVEY");
  ASSERT_NE(survey, nullptr);
  ASSERT_NE(survey->rbnext, nullptr);
  EXPECT_STREQ(survey->rbnext->resval.rstring, L"new");
  EXPECT_EQ(survey->rbnext->rbnext, nullptr);
  acutRelRb(survey);
  resbuf* acad = layer->xData(L"ACAD");
  ASSERT_NE(acad, nullptr);
  EXPECT_STREQ(acad->rbnext->resval.rstring, L"kept");
  acutRelRb(acad);

  // An application given without items loses its data.
  resbuf* remove = acutBuildList(1001, L"SURVEY", 0);
  ASSERT_EQ(layer->setXData(remove), Acad::eOk);
  acutRelRb(remove);
  EXPECT_EQ(layer->xData(L"SURVEY"), nullptr);
  resbuf* all = layer->xData();
  EXPECT_STREQ(all->resval.rstring, L"ACAD");
  acutRelRb(all);
}

TEST(ReadDrawing, MissingStandardObjectsAreCreated) {
  // What a reader of a file without BLOCK_RECORD table and OBJECTS section leaves: a layer table
  // with one layer using a linetype read after it, a block definition and one entity.
  AcDbDatabase db(false);
  auto place = [&](AcDbObject* object) {
    AcDbObjectId id;
    db.addAcDbObject(id, object);
    object->close();
    return id;
  };
  AcDbObjectId layers = place(AcDbSymbolTable::createForRecordType("LAYER"));
  auto* layer = new AcDbLayerTableRecord();
  DxfItemListFiler layerItems(&db, AcDbDxfFiler::kFileFiler,
                              {DxfItem::makeString(2, L"PTS"), DxfItem::makeInt(70, 0),
                               DxfItem::makeInt(62, 1), DxfItem::makeString(6, L"DASHED")});
  layer->dxfInFields(&layerItems);
  AcDbObjectId pts = place(layer);
  AcDbObjectId linetypes = place(AcDbSymbolTable::createForRecordType("LTYPE"));
  auto* dashed = new AcDbLinetypeTableRecord();
  dashed->setName(L"DASHED");
  AcDbObjectId dashedId = place(dashed);
  auto* begin = new AcDbBlockBegin();
  DxfItemListFiler beginItems(&db, AcDbDxfFiler::kFileFiler,
                              {DxfItem::makeString(2, L"SURVPT"), DxfItem::makeInt(70, 0),
                               DxfItem::makePoint(10, 1, 2, 0), DxfItem::makeString(4, L"Point symbol")});
  begin->dxfInFields(&beginItems);
  AcDbObjectId beginId = place(begin);
  AcDbObjectId circle = place(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 0.5));
  AcDbObjectId endId = place(new AcDbBlockEnd());
  AcDbObjectId line = place(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));

  AcDbObjectId block = assembleBlockDefinition(&db, beginId, {circle}, endId);
  appendToLayout(&db, line, false);
  setPendingHeaderNames(&db, {L"pts", L"", L""});
  resolveWellKnownObjects(&db);

  EXPECT_EQ(db.layerTableId(), layers);
  EXPECT_EQ(db.linetypeTableId(), linetypes);
  EXPECT_EQ(db.clayer(), pts);
  Opened<AcDbLayerTableRecord> readLayer(pts);
  EXPECT_EQ(readLayer->linetypeObjectId(), dashedId);
  EXPECT_EQ(recordNames<AcDbLayerTable>(layers), (std::vector<std::wstring>{L"PTS", L"0"}));
  EXPECT_EQ(recordNames<AcDbBlockTable>(db.blockTableId()),
            (std::vector<std::wstring>{L"SURVPT", L"*Model_Space", L"*Paper_Space"}));
  Opened<AcDbBlockTableRecord> survpt(block);
  EXPECT_EQ(survpt->origin(), AcGePoint3d(1, 2, 0));
  EXPECT_EQ(survpt->commentsText(), L"Point symbol");
  EXPECT_EQ(survpt->entityIds(), std::vector<AcDbObjectId>{circle});
  Opened<AcDbBlockTableRecord> model(db.modelSpaceId());
  EXPECT_EQ(model->entityIds(), std::vector<AcDbObjectId>{line});
  Opened<AcDbLine> drawn(line);
  EXPECT_EQ(drawn->ownerId(), db.modelSpaceId());
  EXPECT_FALSE(layoutOf(db.modelSpaceId()).isNull());
  EXPECT_FALSE(db.groupDictionaryId().isNull());
}

TEST(HostServices, WorkingDatabaseResolvesNamesOfNewObjects) {
  AcDbDatabase db;
  AcDbDatabase* previous = acdbHostApplicationServices()->workingDatabase();
  acdbHostApplicationServices()->setWorkingDatabase(&db);
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  EXPECT_EQ(line.setLayer(L"0"), Acad::eOk);
  EXPECT_EQ(line.layerId(), db.layerZero());
  acdbHostApplicationServices()->setWorkingDatabase(previous);
}

TEST(SavedDrawing, GroupsRecordsAndDescriptionsComeBackFromTheFile) {
  AcDbDatabase db;
  AcDbObjectId first, second, groupId, blockId;
  {
    Opened<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    auto* a = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    space->appendAcDbEntity(first, a);
    a->close();
    auto* b = new AcDbLine(AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 0));
    space->appendAcDbEntity(second, b);
    b->close();
  }
  {
    Opened<AcDbDictionary> groups(db.groupDictionaryId(), AcDb::kForWrite);
    auto* group = new AcDbGroup(L"traverse", true);
    groups->setAt(L"TRAVERSE", group, groupId);
    group->append(second);  // the later entity first: order is the group's, not the drawing's
    group->append(first);
    group->close();
    Opened<AcDbBlockTable> blocks(db.blockTableId(), AcDb::kForWrite);
    auto* block = new AcDbBlockTableRecord();
    block->setName(L"SURVPT");
    block->setComments(L"Survey point");
    blocks->add(blockId, block);
    block->close();
    Opened<AcDbLayerTableRecord> zero(db.layerZero(), AcDb::kForWrite);
    zero->setDescription(L"Base layer");
  }
  const std::string path = dxftest::scratchPath("tables_roundtrip.dxf");
  ASSERT_EQ(db.dxfOut(dxftest::wide(path).c_str()), Acad::eOk);
  std::string report;
  EXPECT_EQ(dxftest::ezdxfCheck(path, report), 0) << report;

  AcDbDatabase read(false);
  ASSERT_EQ(read.readDwgFile(dxftest::wide(path).c_str()), Acad::eOk) << read.lastError();
  AcDbObjectId readFirst, readSecond, readGroup;
  read.getAcDbObjectId(readFirst, false, first.handle());
  read.getAcDbObjectId(readSecond, false, second.handle());
  {
    Opened<AcDbDictionary> groups(read.groupDictionaryId());
    ASSERT_EQ(groups->getAt(L"traverse", readGroup), Acad::eOk);
    EXPECT_EQ(readGroup.handle(), groupId.handle());
  }
  Opened<AcDbGroup> group(readGroup);
  AcDbObjectIdArray members;
  group->allEntityIds(members);
  ASSERT_EQ(members.length(), 2);
  EXPECT_EQ(members[0], readSecond);
  EXPECT_EQ(members[1], readFirst);
  Opened<AcDbLine> member(readFirst);
  EXPECT_EQ(member->persistentReactorIds(), std::vector<AcDbObjectId>{readGroup});

  Opened<AcDbBlockTable> blocks(read.blockTableId());
  AcDbBlockTableRecord* block = nullptr;
  ASSERT_EQ(blocks->getAt(L"SURVPT", block, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(block->commentsText(), L"Survey point");
  EXPECT_EQ(block->objectId().handle(), blockId.handle());
  AcDbObjectId beginId;
  {
    Opened<AcDbBlockTableRecord> original(blockId);
    beginId = original->blockBeginId();
  }
  EXPECT_EQ(block->blockBeginId().handle(), beginId.handle());  // BLOCK keeps its handle
  block->close();
  Opened<AcDbLayerTableRecord> zero(read.layerZero());
  ACHAR* description = zero->description();
  EXPECT_STREQ(description, L"Base layer");
  acutDelString(description);
}
