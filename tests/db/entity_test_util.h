// Helpers of the entity tests: a new drawing that is the working database, adding entities and
// records, and writing and reading group-code items.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "dxf/dxf_test_util.h"

namespace enttest {

using dxftest::Opened;

inline void expectNear(const AcGePoint3d& actual, const AcGePoint3d& expected, double tol = 1e-9) {
  EXPECT_NEAR(actual.x, expected.x, tol);
  EXPECT_NEAR(actual.y, expected.y, tol);
  EXPECT_NEAR(actual.z, expected.z, tol);
}

inline void expectNear(const AcGeVector3d& actual, const AcGeVector3d& expected,
                       double tol = 1e-9) {
  expectNear(AcGePoint3d::kOrigin + actual, AcGePoint3d::kOrigin + expected, tol);
}

// The items an object writes through an item-list filer of the given kind.
inline DxfItemList itemsOf(const AcDbObject* object, AcDbDatabase* db,
                           AcDbDxfFiler::FilerType type = AcDbDxfFiler::kFileFiler) {
  DxfItemListFiler out(db, type);
  object->dxfOutFields(&out);
  return out.takeItems();
}

// An object of the given class read from items (names looked up in db).
template <class T>
std::unique_ptr<T> readObject(const AcRxClass* cls, DxfItemList items, AcDbDatabase* db,
                              AcDbDxfFiler::FilerType type = AcDbDxfFiler::kFileFiler) {
  std::unique_ptr<T> object(T::cast(cls->create()));
  DxfItemListFiler in(db, type, std::move(items));
  object->dxfInFields(&in);
  return object;
}

inline DxfItem point(int code, double x, double y, double z = 0.0) {
  return DxfItem::makePoint(code, x, y, z);
}

// A new drawing, the working database while the test runs; every object opened by a test must be
// closed at its end.
class DrawingTest : public ::testing::Test {
 public:
  DrawingTest() : previous_(acdbHostApplicationServices()->workingDatabase()) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
  }
  ~DrawingTest() override {
    EXPECT_EQ(db_.openObjectCount(), 0);
    acdbHostApplicationServices()->setWorkingDatabase(previous_);
  }

  // Adds the entity to a block (model space by default) and closes it.
  AcDbObjectId add(AcDbEntity* entity, AcDbObjectId block = AcDbObjectId()) {
    Opened<AcDbBlockTableRecord> record(block.isNull() ? db_.modelSpaceId() : block,
                                        AcDb::kForWrite);
    AcDbObjectId id;
    EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    return id;
  }

  AcDbObjectId addLayer(const wchar_t* name, int color) {
    Opened<AcDbLayerTable> table(db_.layerTableId(), AcDb::kForWrite);
    auto* layer = new AcDbLayerTableRecord();
    layer->setName(name);
    layer->setColorIndex(static_cast<Adesk::Int16>(color));
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, layer), Acad::eOk);
    layer->close();
    return id;
  }

  AcDbObjectId addTextStyle(const wchar_t* name) {
    Opened<AcDbTextStyleTable> table(db_.textStyleTableId(), AcDb::kForWrite);
    auto* style = new AcDbTextStyleTableRecord();
    style->setName(name);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, style), Acad::eOk);
    style->close();
    return id;
  }

  // A block definition holding the entities (which it takes), its base point at origin.
  AcDbObjectId addBlock(const wchar_t* name, const AcGePoint3d& origin,
                        const std::vector<AcDbEntity*>& entities) {
    AcDbObjectId id;
    {
      Opened<AcDbBlockTable> table(db_.blockTableId(), AcDb::kForWrite);
      auto* record = new AcDbBlockTableRecord();
      record->setName(name);
      record->setOrigin(origin);
      EXPECT_EQ(table->add(id, record), Acad::eOk);
      record->close();
    }
    for (AcDbEntity* entity : entities) add(entity, id);
    return id;
  }

  AcDbDatabase db_;

 private:
  AcDbDatabase* previous_;
};

}  // namespace enttest
