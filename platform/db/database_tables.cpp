// The database's tables, dictionaries, well-known records and current settings.
#include "db/database_state.h"
#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbextents.h"
#include "db/dbsymtb.h"
#include "db/symbol_util.h"

namespace {
template <class T>
Acad::ErrorStatus openTable(T*& table, AcDbObjectId id, AcDb::OpenMode mode) {
  table = nullptr;
  if (id.isNull()) return Acad::eNullObjectId;
  return acdbOpenObject(table, id, mode);
}

// A live record of the given class in this database.
template <class T>
bool isRecordOf(const AcDbDatabase* database, AcDbObjectId id) {
  return id.database() == database && isLiveId(id) && peekObject<T>(id) != nullptr;
}
}  // namespace

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& t, AcDb::OpenMode m) { return openTable(t, state_->blockTable, m); }
Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& t, AcDb::OpenMode m) { return openTable(t, state_->layerTable, m); }
Acad::ErrorStatus AcDbDatabase::getTextStyleTable(AcDbTextStyleTable*& t, AcDb::OpenMode m) { return openTable(t, state_->textStyleTable, m); }
Acad::ErrorStatus AcDbDatabase::getLinetypeTable(AcDbLinetypeTable*& t, AcDb::OpenMode m) { return openTable(t, state_->linetypeTable, m); }
Acad::ErrorStatus AcDbDatabase::getRegAppTable(AcDbRegAppTable*& t, AcDb::OpenMode m) { return openTable(t, state_->regAppTable, m); }
Acad::ErrorStatus AcDbDatabase::getViewportTable(AcDbViewportTable*& t, AcDb::OpenMode m) { return openTable(t, state_->viewportTable, m); }
Acad::ErrorStatus AcDbDatabase::getViewTable(AcDbViewTable*& t, AcDb::OpenMode m) { return openTable(t, state_->viewTable, m); }
Acad::ErrorStatus AcDbDatabase::getUCSTable(AcDbUCSTable*& t, AcDb::OpenMode m) { return openTable(t, state_->ucsTable, m); }
Acad::ErrorStatus AcDbDatabase::getDimStyleTable(AcDbDimStyleTable*& t, AcDb::OpenMode m) { return openTable(t, state_->dimStyleTable, m); }
AcDbObjectId AcDbDatabase::blockTableId() const { return state_->blockTable; }
AcDbObjectId AcDbDatabase::layerTableId() const { return state_->layerTable; }
AcDbObjectId AcDbDatabase::textStyleTableId() const { return state_->textStyleTable; }
AcDbObjectId AcDbDatabase::linetypeTableId() const { return state_->linetypeTable; }
AcDbObjectId AcDbDatabase::regAppTableId() const { return state_->regAppTable; }
AcDbObjectId AcDbDatabase::viewportTableId() const { return state_->viewportTable; }
AcDbObjectId AcDbDatabase::viewTableId() const { return state_->viewTable; }
AcDbObjectId AcDbDatabase::UCSTableId() const { return state_->ucsTable; }
AcDbObjectId AcDbDatabase::dimStyleTableId() const { return state_->dimStyleTable; }

Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& d, AcDb::OpenMode m) { return openTable(d, state_->namedObjects, m); }
Acad::ErrorStatus AcDbDatabase::getGroupDictionary(AcDbDictionary*& d, AcDb::OpenMode m) { return openTable(d, state_->groupDictionary, m); }
AcDbObjectId AcDbDatabase::namedObjectsDictionaryId() const { return state_->namedObjects; }
AcDbObjectId AcDbDatabase::groupDictionaryId() const { return state_->groupDictionary; }

AcDbObjectId AcDbDatabase::modelSpaceId() const { return state_->modelSpace; }
AcDbObjectId AcDbDatabase::paperSpaceId() const { return state_->paperSpace; }
AcDbObjectId AcDbDatabase::layerZero() const { return state_->layerZero; }
AcDbObjectId AcDbDatabase::byLayerLinetype() const { return state_->byLayer; }
AcDbObjectId AcDbDatabase::byBlockLinetype() const { return state_->byBlock; }
AcDbObjectId AcDbDatabase::continuousLinetype() const { return state_->continuous; }
AcDbObjectId AcDbDatabase::clayer() const { return state_->clayer; }
Acad::ErrorStatus AcDbDatabase::setClayer(AcDbObjectId layer) {
  if (!isRecordOf<AcDbLayerTableRecord>(this, layer)) return Acad::eInvalidLayer;
  state_->clayer = layer;
  return Acad::eOk;
}
AcDbObjectId AcDbDatabase::textstyle() const { return state_->textstyle; }
Acad::ErrorStatus AcDbDatabase::setTextstyle(AcDbObjectId style) {
  if (!isRecordOf<AcDbTextStyleTableRecord>(this, style)) return Acad::eInvalidTextStyle;
  state_->textstyle = style;
  return Acad::eOk;
}
AcDbObjectId AcDbDatabase::celtype() const { return state_->celtype; }
Acad::ErrorStatus AcDbDatabase::setCeltype(AcDbObjectId linetype) {
  if (!isRecordOf<AcDbLinetypeTableRecord>(this, linetype)) return Acad::eUndefinedLineType;
  state_->celtype = linetype;
  return Acad::eOk;
}
int AcDbDatabase::cecolorIndex() const { return state_->cecolor; }
// 0 ByBlock, 1-255, 256 ByLayer; anything else is ignored.
void AcDbDatabase::setCecolorIndex(int colorIndex) {
  if (colorIndex >= 0 && colorIndex <= 256) state_->cecolor = colorIndex;
}
double AcDbDatabase::textsize() const { return state_->textsize; }
Acad::ErrorStatus AcDbDatabase::setTextsize(double size) {
  if (!(size > 0.0)) return Acad::eOutOfRange;
  state_->textsize = size;
  return Acad::eOk;
}
bool AcDbDatabase::mirrtext() const { return state_->mirrtext; }
void AcDbDatabase::setMirrtext(bool mirror) { state_->mirrtext = mirror; }
AcGePoint3d AcDbDatabase::insbase() const { return state_->insbase; }
Acad::ErrorStatus AcDbDatabase::setInsbase(const AcGePoint3d& base) {
  state_->insbase = base;
  return Acad::eOk;
}
AcGePoint3d AcDbDatabase::extmin() const { return state_->extmin; }
AcGePoint3d AcDbDatabase::extmax() const { return state_->extmax; }
Acad::ErrorStatus AcDbDatabase::updateExt(bool) {
  AcDbExtents total;
  if (auto* space = peekObject<AcDbBlockTableRecord>(state_->modelSpace)) {
    for (const AcDbObjectId& id : space->entityIds()) {
      auto* entity = isLiveId(id) ? peekObject<AcDbEntity>(id) : nullptr;
      AcDbExtents extents;
      if (entity != nullptr && entity->getGeomExtents(extents) == Acad::eOk && !extents.isEmpty()) {
        total.addExt(extents);
      }
    }
  }
  if (total.isEmpty()) {
    // An empty drawing has inverted extents, as the host writes them.
    state_->extmin.set(1e20, 1e20, 1e20);
    state_->extmax.set(-1e20, -1e20, -1e20);
  } else {
    state_->extmin = total.minPoint();
    state_->extmax = total.maxPoint();
  }
  return Acad::eOk;
}
int AcDbDatabase::insunits() const { return state_->insunits; }
// Insertion units 0 (unitless) to 20.
void AcDbDatabase::setInsunits(int units) {
  if (units >= 0 && units <= 20) state_->insunits = units;
}
