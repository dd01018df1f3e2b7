// A drawing built through the host interface survives a save and a reload: handles, extended data,
// extension records, groups, attributes and block descriptions. Every file written also goes
// through the independent reader.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdict.h"
#include "db/dbents.h"
#include "db/dbgroup.h"
#include "db/dbxrecord.h"
#include "dxf_test_util.h"
#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"

using namespace dxftest;

namespace {

struct BuiltDrawing {
  AcDbObjectId line, reference, attribute, block, xrecord, group;
};

void addRegApp(AcDbDatabase& db, const ACHAR* name) {
  Opened<AcDbRegAppTable> apps(db.regAppTableId(), AcDb::kForWrite);
  auto* app = new AcDbRegAppTableRecord();
  app->setName(name);
  ASSERT_EQ(apps->add(app), Acad::eOk);
  app->close();
}

resbuf* binaryItem(int code, const std::vector<unsigned char>& bytes) {
  resbuf* rb = acutNewRb(code);
  rb->resval.rbinary.clen = static_cast<short>(bytes.size());
  rb->resval.rbinary.buf = static_cast<char*>(std::malloc(bytes.size()));
  std::memcpy(rb->resval.rbinary.buf, bytes.data(), bytes.size());
  return rb;
}

std::vector<unsigned char> sampleBytes() {
  std::vector<unsigned char> bytes(300);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 7);
  return bytes;
}

BuiltDrawing build(AcDbDatabase& db) {
  BuiltDrawing built;
  addRegApp(db, L"MYSURVEY");
  {
    Opened<AcDbBlockTable> blocks(db.blockTableId(), AcDb::kForWrite);
    auto* block = new AcDbBlockTableRecord();
    block->setName(L"SURVPT");
    block->setComments(L"Symbole de point topographique");
    blocks->add(built.block, block);
    auto* circle = new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, 1), 0.5);
    block->appendAcDbEntity(circle);
    circle->close();
    auto* definition = new AcDbAttributeDefinition(AcGePoint3d(0.7, 0.2, 0), L"0", L"PTNO", L"Numéro");
    AcDbObjectId definitionId;
    block->appendAcDbEntity(definitionId, definition);
    definition->close();
    block->close();
  }
  Opened<AcDbBlockTableRecord> model(db.modelSpaceId(), AcDb::kForWrite);
  auto* line = new AcDbLine(AcGePoint3d(0.1 + 0.2, 1.0 / 3.0, 0), AcGePoint3d(1e7 + 0.125, -2.5, 3));
  model->appendAcDbEntity(built.line, line);
  line->close();
  auto* reference = new AcDbBlockReference(AcGePoint3d(100, 200, 0), built.block);
  model->appendAcDbEntity(built.reference, reference);
  auto* attribute = new AcDbAttribute(AcGePoint3d(100.7, 200.2, 0), L"P-101 é", L"PTNO");
  reference->appendAttribute(built.attribute, attribute);
  attribute->close();
  resbuf* xdata = acutBuildList(1001, L"MYSURVEY", 1000, L"point-id", 1040, 12.34, 1070, 7, 1071,
                                static_cast<long>(123456), 0);
  EXPECT_EQ(reference->setXData(xdata), Acad::eOk);
  acutRelRb(xdata);
  reference->close();

  {
    Opened<AcDbLayerTableRecord> layer0(db.layerZero(), AcDb::kForWrite);
    EXPECT_EQ(layer0->createExtensionDictionary(), Acad::eOk);
    Opened<AcDbDictionary> extension(layer0->extensionDictionary(), AcDb::kForWrite);
    resbuf* chain = acutBuildList(90, static_cast<long>(12345), 300, L"some string", 40, 3.14159, 0);
    resbuf* last = chain;
    while (last->rbnext != nullptr) last = last->rbnext;
    last->rbnext = binaryItem(310, sampleBytes());
    auto* record = new AcDbXrecord();
    EXPECT_EQ(record->setFromRbChain(*chain), Acad::eOk);
    acutRelRb(chain);
    extension->setAt(L"MYSURVEY_DATA", record, built.xrecord);
    record->close();
  }
  {
    Opened<AcDbDictionary> groups(db.groupDictionaryId(), AcDb::kForWrite);
    auto* group = new AcDbGroup(L"anon group");
    groups->setAt(L"*", group, built.group);
    group->setAnonymous();
    group->append(built.line);
    group->append(built.reference);
    group->close();
  }
  return built;
}

// The items of an extension record; binary chunks (at most 127 bytes each in files) are joined
// into one item, as how they are cut is the file's business.
std::vector<DxfItem> xrecordItems(AcDbObjectId id) {
  Opened<AcDbXrecord> record(id);
  std::vector<DxfItem> items;
  resbuf* chain = nullptr;
  if (!record || record->rbChain(chain) != Acad::eOk) return items;
  for (resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    DxfItem item;
    item.code = rb->restype;
    if (rb->restype == 310) {
      auto* data = reinterpret_cast<unsigned char*>(rb->resval.rbinary.buf);
      if (!items.empty() && items.back().code == 310) {
        items.back().bytes.insert(items.back().bytes.end(), data, data + rb->resval.rbinary.clen);
        continue;
      }
      item.bytes.assign(data, data + rb->resval.rbinary.clen);
    } else if (rb->restype == 300) {
      item.text = rb->resval.rstring;
    } else if (rb->restype == 40) {
      item.real = rb->resval.rreal;
    } else {
      item.integer = rb->resval.rlong;
    }
    items.push_back(item);
  }
  acutRelRb(chain);
  return items;
}

AcDbObjectId sameHandle(AcDbDatabase& db, AcDbObjectId original) {
  AcDbObjectId id;
  db.getAcDbObjectId(id, false, original.handle());
  return id;
}

}  // namespace

TEST(DxfRoundTrip, ModuleDataSurvivesSaveAndReload) {
  AcDbDatabase db;
  acdbHostApplicationServices()->setWorkingDatabase(&db);
  BuiltDrawing built = build(db);
  ASSERT_EQ(db.openObjectCount(), 0);
  std::string path = scratchPath("roundtrip.dxf");
  ASSERT_EQ(db.saveAs(wide(path).c_str()), Acad::eOk) << db.lastError();
  std::string report;
  EXPECT_EQ(ezdxfCheck(path, report), 0) << report;

  AcDbDatabase back(false, true);
  acdbHostApplicationServices()->setWorkingDatabase(&back);
  ASSERT_EQ(back.readDwgFile(wide(path).c_str()), Acad::eOk) << back.lastError();
  EXPECT_TRUE(back.readReport().warnings.empty()) << allWarnings(back);

  // Handles are kept: each object is found again under its handle, of the same kind.
  for (AcDbObjectId original : {built.line, built.reference, built.attribute, built.block,
                                built.xrecord, built.group}) {
    AcDbObjectId id = sameHandle(back, original);
    ASSERT_TRUE(id.isValid()) << original.handle().toHex();
    EXPECT_EQ(id.objectClass(), original.objectClass()) << original.handle().toHex();
  }
  EXPECT_GE(back.handseed().value(), db.handseed().value());
  {
    Opened<AcDbLine> line(sameHandle(back, built.line));
    EXPECT_EQ(line->startPoint().x, 0.3);  // 16 significant digits
    EXPECT_EQ(line->startPoint().y, 1.0 / 3.0);
    EXPECT_EQ(line->endPoint().x, 1e7 + 0.125);
  }
  {
    Opened<AcDbBlockReference> reference(sameHandle(back, built.reference));
    EXPECT_EQ(reference->blockTableRecord(), sameHandle(back, built.block));
    AcDbObjectIdArray attributes;
    reference->subentityIds(attributes);
    ASSERT_EQ(attributes.length(), 1);
    EXPECT_EQ(attributes[0].handle(), built.attribute.handle());
    Opened<AcDbAttribute> attribute(attributes[0]);
    EXPECT_EQ(std::wstring(attribute->textStringConst()), L"P-101 é");
    Opened<AcDbBlockReference> original(built.reference);
    EXPECT_EQ(reference->xDataItems(), std::vector<DxfItem>(original->xDataItems()));
  }
  {
    Opened<AcDbBlockTableRecord> block(sameHandle(back, built.block));
    const ACHAR* comments = nullptr;
    block->comments(comments);
    EXPECT_EQ(std::wstring(comments), L"Symbole de point topographique");
    EXPECT_TRUE(block->hasAttributeDefinitions());
  }
  {
    Opened<AcDbLayerTableRecord> layer0(back.layerZero());
    Opened<AcDbDictionary> extension(layer0->extensionDictionary());
    ASSERT_TRUE(extension);
    AcDbObjectId record;
    ASSERT_EQ(extension->getAt(L"MYSURVEY_DATA", record), Acad::eOk);
    std::vector<DxfItem> before = xrecordItems(built.xrecord), after = xrecordItems(record);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(after[i].code, before[i].code);
      EXPECT_EQ(after[i].text, before[i].text);
      EXPECT_EQ(after[i].real, before[i].real);
      EXPECT_EQ(after[i].integer, before[i].integer);
      EXPECT_EQ(after[i].bytes, before[i].bytes);
    }
  }
  {
    Opened<AcDbGroup> group(sameHandle(back, built.group));
    EXPECT_TRUE(group->isAnonymous());
    AcDbObjectIdArray members;
    group->allEntityIds(members);
    ASSERT_EQ(members.length(), 2);
    EXPECT_EQ(members[0].handle(), built.line.handle());  // our reader keeps the order
    EXPECT_EQ(members[1].handle(), built.reference.handle());
  }
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

TEST(DxfRoundTrip, ErasedObjectsAreNotWrittenAndReferencesToThemAreCleared) {
  AcDbDatabase db;
  acdbHostApplicationServices()->setWorkingDatabase(&db);
  BuiltDrawing built = build(db);
  {
    Opened<AcDbLine> line(built.line, AcDb::kForWrite);
    ASSERT_EQ(line->erase(), Acad::eOk);
  }
  std::string path = scratchPath("erased.dxf");
  ASSERT_EQ(db.saveAs(wide(path).c_str()), Acad::eOk) << db.lastError();
  std::string text = readText(path);
  EXPECT_EQ(text.find("\n  5\n" + built.line.handle().toHex() + "\n"), std::string::npos);
  std::string report;
  EXPECT_EQ(ezdxfCheck(path, report), 0) << report;
  AcDbDatabase back(false, true);
  ASSERT_EQ(back.readDwgFile(wide(path).c_str()), Acad::eOk) << back.lastError();
  EXPECT_TRUE(back.readReport().warnings.empty()) << allWarnings(back);
  EXPECT_TRUE(entitiesOfType(&back, "LINE").empty());
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}
