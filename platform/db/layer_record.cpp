// Layer records.
#include <cstdlib>

#include "db/enum_items.h"
#include "db/acutads.h"
#include "db/database_state.h"
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "db/symbol_lookup.h"
#include "db/symbol_util.h"

ACRX_DEFINE_MEMBERS(AcDbLayerTableRecord, AcDbSymbolTableRecord, "LAYER");

namespace {
// The host keeps a layer's description as extended data of this application: an empty string,
// then the description.
const wchar_t kDescriptionApp[] = L"AcAecLayerStandard";
}  // namespace

AcDbLayerTableRecord::AcDbLayerTableRecord() = default;
AcDbLayerTableRecord::~AcDbLayerTableRecord() = default;

Acad::ErrorStatus AcDbLayerTableRecord::setColorIndex(Adesk::Int16 index) {
  if (index == 0 || std::abs(index) > 255) return Acad::eOutOfRange;
  assertWriteEnabled();
  // A negative index is the file's way of saying "off".
  colorIndex_ = static_cast<Adesk::Int16>(std::abs(index));
  if (index < 0) off_ = true;
  return Acad::eOk;
}

void AcDbLayerTableRecord::setIsOff(bool off) {
  assertWriteEnabled();
  off_ = off;
}

bool AcDbLayerTableRecord::isFrozen() const { return (symbolFlags() & 1) != 0; }

Acad::ErrorStatus AcDbLayerTableRecord::setIsFrozen(bool frozen) {
  assertWriteEnabled();
  setSymbolFlags(static_cast<Adesk::Int16>(frozen ? (symbolFlags() | 1) : (symbolFlags() & ~1)));
  return Acad::eOk;
}

bool AcDbLayerTableRecord::isLocked() const { return (symbolFlags() & 4) != 0; }

void AcDbLayerTableRecord::setIsLocked(bool locked) {
  assertWriteEnabled();
  setSymbolFlags(static_cast<Adesk::Int16>(locked ? (symbolFlags() | 4) : (symbolFlags() & ~4)));
}

bool AcDbLayerTableRecord::VPDFLT() const { return (symbolFlags() & 2) != 0; }

void AcDbLayerTableRecord::setVPDFLT(bool frozen) {
  assertWriteEnabled();
  setSymbolFlags(static_cast<Adesk::Int16>(frozen ? (symbolFlags() | 2) : (symbolFlags() & ~2)));
}

AcDbObjectId AcDbLayerTableRecord::linetypeObjectId() const { return linetype_; }

Acad::ErrorStatus AcDbLayerTableRecord::setLinetypeObjectId(AcDbObjectId linetype) {
  if (!linetype.isNull() && peekObject<AcDbLinetypeTableRecord>(linetype) == nullptr) {
    return Acad::eWrongObjectType;
  }
  assertWriteEnabled();
  linetype_ = linetype;
  pendingLinetype_.clear();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setLineWeight(AcDb::LineWeight weight) {
  return assignMember(lineWeight_, weight);
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsPlottable(bool plottable) {
  return assignMember(plottable_, plottable);
}

ACHAR* AcDbLayerTableRecord::description() const {
  resbuf* chain = xData(kDescriptionApp);
  std::wstring text;
  int strings = 0;
  for (resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == 1000 && ++strings == 2) text = rb->resval.rstring ? rb->resval.rstring : L"";
  }
  acutRelRb(chain);
  return newHostString(text);
}

Acad::ErrorStatus AcDbLayerTableRecord::setDescription(const ACHAR* text) {
  assertWriteEnabled();
  // Written directly so that the description needs no registration by the caller; the
  // application is registered in the layer's database when there is one.
  DxfItemList items;
  bool skipping = false;
  for (const DxfItem& item : xDataItems()) {
    if (item.code == 1001) skipping = sameSymbolName(item.text, kDescriptionApp);
    if (!skipping) items.push_back(item);
  }
  if (text != nullptr && *text != 0) {
    items.push_back(DxfItem::makeString(1001, kDescriptionApp));
    items.push_back(DxfItem::makeString(1000, L""));
    items.push_back(DxfItem::makeString(1000, text));
    if (AcDbDatabase* db = database()) {
      auto* apps = peekObject<AcDbRegAppTable>(db->regAppTableId());
      if (apps != nullptr && !apps->has(kDescriptionApp)) {
        auto* app = new AcDbRegAppTableRecord();
        app->setNameRaw(kDescriptionApp);
        AcDbObjectId appId;
        if (db->addAcDbObject(appId, app) == Acad::eOk) {
          app->setOwnerIdRaw(apps->objectId());
          apps->appendRecordIdRaw(appId);
          app->close();
        } else {
          delete app;
        }
      }
    }
  }
  setXDataItems(std::move(items));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setPlotStyleName(const AcDbObjectId& id) {
  return assignMember(plotStyle_, id);
}

Acad::ErrorStatus AcDbLayerTableRecord::setMaterialId(AcDbObjectId id) {
  return assignMember(material_, id);
}

void AcDbLayerTableRecord::setTrueColor(Adesk::Int32 rgb) {
  assertWriteEnabled();
  trueColor_ = rgb;
}

void AcDbLayerTableRecord::resolvePendingLinetype(AcDbObjectId linetype) {
  linetype_ = linetype;
  pendingLinetype_.clear();
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbSymbolTableRecord::dxfOutFields(filer);
  writeHeader(filer, L"AcDbLayerTableRecord");
  filer->writeInt16(62, off_ ? -colorIndex_ : colorIndex_);
  if (trueColor_ >= 0) filer->writeInt32(420, trueColor_);
  std::wstring linetype = linetype_.isNull() ? pendingLinetype_ : symbolRecordName(linetype_);
  filer->writeString(6, linetype.empty() ? std::wstring(L"Continuous") : linetype);
  if (!plottable_) filer->writeBool(290, false);
  filer->writeInt16(370, lineWeight_);
  if (isLiveId(plotStyle_)) filer->writeObjectId(390, plotStyle_);
  if (isLiveId(material_)) filer->writeObjectId(347, material_);
  for (const DxfItem& item : otherItems_) filer->writeItem(item);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  otherItems_.clear();
  return AcDbSymbolTableRecord::dxfInFields(filer);
}

bool AcDbLayerTableRecord::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 62: {
      Adesk::Int64 value = item.integer;
      off_ = value < 0;
      colorIndex_ = static_cast<Adesk::Int16>(value < 0 ? -value : value);
      if (colorIndex_ == 0 || colorIndex_ > 255) colorIndex_ = 7;
      return true;
    }
    case 420:
      trueColor_ = static_cast<Adesk::Int32>(item.integer & 0xFFFFFF);
      return true;
    case 6: {
      // A linetype read before the LTYPE table waits for resolveWellKnownObjects.
      AcDbDatabase* db = databaseOrWorking(filer->database() ? filer->database() : database());
      AcDbObjectId id = db ? findSymbolRecord(db, db->linetypeTableId(), item.text) : AcDbObjectId();
      linetype_ = id;
      pendingLinetype_ = id.isNull() ? item.text : std::wstring();
      return true;
    }
    case 290:
      plottable_ = item.integer != 0;
      return true;
    case 370:
      lineWeight_ = lineWeightFromItem(item.integer);
      return true;
    case 390:
      plotStyle_ = item.id;
      return true;
    case 347:
      material_ = item.id;
      return true;
    default:
      if (AcDbSymbolTableRecord::dxfInItem(filer, item)) return true;
      otherItems_.push_back(item);
      return true;
  }
}
