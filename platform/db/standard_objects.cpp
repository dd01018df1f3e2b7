// The standard objects of a drawing: what a new drawing holds and what a drawing read from an
// older or smaller file is completed with.
#include "db/standard_objects.h"

#include "db/block_internal.h"
#include "db/dbdict.h"
#include "db/dbproxy.h"
#include "db/dbsymtb.h"
#include "db/symbol_lookup.h"
#include "db/symbol_util.h"

AcDbObjectId addClosedObject(AcDbDatabase* database, AcDbObject* object, AcDbObjectId owner) {
  AcDbObjectId id;
  if (database->addAcDbObject(id, object) != Acad::eOk) {
    delete object;
    return AcDbObjectId();
  }
  object->setOwnerIdRaw(owner);
  object->close();
  return id;
}

AcDbObjectId ensureSymbolRecord(AcDbDatabase* database, AcDbObjectId tableId, const std::wstring& name,
                                AcDbSymbolTableRecord* (*make)()) {
  auto* table = peekObject<AcDbSymbolTable>(tableId);
  if (table == nullptr) return AcDbObjectId();
  AcDbObjectId id = findSymbolRecord(database, tableId, name);
  if (!id.isNull()) return id;
  AcDbSymbolTableRecord* record = make();
  record->setNameRaw(name);
  id = addClosedObject(database, record, tableId);
  if (id.isNull()) return id;
  table->appendRecordIdRaw(id);
  if (auto* block = AcDbBlockTableRecord::cast(record)) createBlockMarkers(block);
  return id;
}

AcDbObjectId ensureDictionaryEntry(AcDbDatabase* database, AcDbObjectId dictionaryId,
                                   const std::wstring& key, AcDbObject* (*make)()) {
  auto* dictionary = peekObject<AcDbDictionary>(dictionaryId);
  if (dictionary == nullptr) return AcDbObjectId();
  AcDbObjectId id;
  if (dictionary->getAt(key.c_str(), id) == Acad::eOk) return id;
  AcDbObject* object = make();
  id = addClosedObject(database, object, dictionaryId);
  if (id.isNull()) return id;
  dictionary->setAtRaw(key, id);
  object->addPersistentReactor(dictionaryId);
  return id;
}

namespace {

DxfItem point2d(int code, double x, double y) { return DxfItem::makePoint(code, x, y, 0.0, 2); }
DxfItem point3d(int code, double x, double y, double z) { return DxfItem::makePoint(code, x, y, z); }

// Plot settings of a layout: no device, ISO A3 landscape in millimetres, scale 1:1.
void appendPlotSettings(DxfItemList& items) {
  items.push_back(DxfItem::makeString(100, L"AcDbPlotSettings"));
  items.push_back(DxfItem::makeString(1, L""));
  items.push_back(DxfItem::makeString(2, L"none_device"));
  items.push_back(DxfItem::makeString(4, L"ISO_A3_(420.00_x_297.00_MM)"));
  items.push_back(DxfItem::makeString(6, L""));
  const double margins[] = {7.5, 20.0, 7.5, 20.0, 420.0, 297.0, 0.0, 0.0, 0.0, 0.0};
  for (int i = 0; i < 10; ++i) items.push_back(DxfItem::makeReal(40 + i, margins[i]));
  items.push_back(DxfItem::makeReal(140, 0.0));
  items.push_back(DxfItem::makeReal(141, 0.0));
  items.push_back(DxfItem::makeReal(142, 1.0));
  items.push_back(DxfItem::makeReal(143, 1.0));
  items.push_back(DxfItem::makeInt(70, 688));
  items.push_back(DxfItem::makeInt(72, 1));   // millimetres
  items.push_back(DxfItem::makeInt(73, 0));   // no rotation
  items.push_back(DxfItem::makeInt(74, 5));   // plot the layout
  items.push_back(DxfItem::makeString(7, L""));
  items.push_back(DxfItem::makeInt(75, 16));  // 1:1
  items.push_back(DxfItem::makeInt(76, 0));
  items.push_back(DxfItem::makeInt(77, 2));
  items.push_back(DxfItem::makeInt(78, 300));
  items.push_back(DxfItem::makeReal(147, 1.0));
  items.push_back(DxfItem::makeReal(148, 0.0));
  items.push_back(DxfItem::makeReal(149, 0.0));
}

}  // namespace

AcDbObjectId createLayout(AcDbDatabase* database, AcDbObjectId layoutDictionary,
                          const std::wstring& name, int tabOrder, AcDbObjectId blockRecord) {
  auto* dictionary = peekObject<AcDbDictionary>(layoutDictionary);
  auto* record = peekObject<AcDbBlockTableRecord>(blockRecord);
  if (dictionary == nullptr || record == nullptr) return AcDbObjectId();
  DxfItemList items;
  appendPlotSettings(items);
  items.push_back(DxfItem::makeString(100, L"AcDbLayout"));
  items.push_back(DxfItem::makeString(1, name));
  items.push_back(DxfItem::makeInt(70, 1));
  items.push_back(DxfItem::makeInt(71, tabOrder));
  items.push_back(point2d(10, 0.0, 0.0));
  items.push_back(point2d(11, 420.0, 297.0));
  items.push_back(point3d(12, 0.0, 0.0, 0.0));
  items.push_back(point3d(14, 1e20, 1e20, 1e20));     // empty extents, as the host writes them
  items.push_back(point3d(15, -1e20, -1e20, -1e20));
  items.push_back(DxfItem::makeReal(146, 0.0));
  items.push_back(point3d(13, 0.0, 0.0, 0.0));
  items.push_back(point3d(16, 1.0, 0.0, 0.0));
  items.push_back(point3d(17, 0.0, 1.0, 0.0));
  items.push_back(DxfItem::makeInt(76, 0));
  items.push_back(DxfItem::makeId(330, blockRecord));
  AcDbProxyObject* layout = AcDbProxyObject::create("LAYOUT");
  layout->setItems(std::move(items));
  AcDbObjectId id = addClosedObject(database, layout, layoutDictionary);
  if (id.isNull()) return id;
  dictionary->setAtRaw(name, id);
  layout->addPersistentReactor(layoutDictionary);
  AcDbBlockTableRecord* writable = nullptr;
  if (acdbOpenObject(writable, blockRecord, AcDb::kForWrite) == Acad::eOk) {
    writable->setLayoutId(id);
    writable->close();
  }
  return id;
}

AcDbObject* makeStandardMlineStyle() {
  AcDbProxyObject* style = AcDbProxyObject::create("MLINESTYLE");
  // Proxies keep their items as files have them: these angles are in degrees.
  const double kRightAngle = 90.0;
  style->setItems({DxfItem::makeString(100, L"AcDbMlineStyle"), DxfItem::makeString(2, L"Standard"),
                   DxfItem::makeInt(70, 0), DxfItem::makeString(3, L""), DxfItem::makeInt(62, 256),
                   DxfItem::makeReal(51, kRightAngle), DxfItem::makeReal(52, kRightAngle),
                   DxfItem::makeInt(71, 2), DxfItem::makeReal(49, 0.5), DxfItem::makeInt(62, 256),
                   DxfItem::makeString(6, L"BYLAYER"), DxfItem::makeReal(49, -0.5),
                   DxfItem::makeInt(62, 256), DxfItem::makeString(6, L"BYLAYER")});
  return style;
}

AcDbObject* makePlaceholder() { return AcDbProxyObject::create("ACDBPLACEHOLDER"); }

AcDbSymbolTableRecord* makeActiveViewport() {
  auto* viewport = new AcDbViewportTableRecord();
  viewport->setOtherItems({point2d(10, 0.0, 0.0), point2d(11, 1.0, 1.0), point2d(12, 0.0, 0.0),
                           point2d(13, 0.0, 0.0), point2d(14, 0.5, 0.5), point2d(15, 0.5, 0.5),
                           point3d(16, 0.0, 0.0, 1.0), point3d(17, 0.0, 0.0, 0.0),
                           DxfItem::makeReal(40, 1000.0), DxfItem::makeReal(41, 1.34),
                           DxfItem::makeReal(42, 50.0), DxfItem::makeReal(43, 0.0),
                           DxfItem::makeReal(44, 0.0), DxfItem::makeReal(50, 0.0),
                           DxfItem::makeReal(51, 0.0), DxfItem::makeInt(71, 0),
                           DxfItem::makeInt(72, 1000), DxfItem::makeInt(73, 1),
                           DxfItem::makeInt(74, 3), DxfItem::makeInt(75, 0), DxfItem::makeInt(76, 0),
                           DxfItem::makeInt(77, 0), DxfItem::makeInt(78, 0),
                           DxfItem::makeInt(281, 0), DxfItem::makeInt(65, 0),
                           DxfItem::makeReal(146, 0.0)});
  return viewport;
}

AcDbSymbolTableRecord* makeStandardDimStyle() {
  auto* style = new AcDbDimStyleTableRecord();
  // Metric defaults: 2.5 text and arrows, extension lines 0.625 off and 1.25 beyond.
  style->setOtherItems({DxfItem::makeReal(40, 1.0), DxfItem::makeReal(41, 2.5),
                        DxfItem::makeReal(42, 0.625), DxfItem::makeReal(43, 3.75),
                        DxfItem::makeReal(44, 1.25), DxfItem::makeReal(140, 2.5),
                        DxfItem::makeReal(141, 2.5), DxfItem::makeReal(147, 0.625),
                        DxfItem::makeInt(77, 1), DxfItem::makeInt(78, 8), DxfItem::makeInt(271, 2),
                        DxfItem::makeInt(272, 2)});
  return style;
}
