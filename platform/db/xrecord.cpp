// Extension records: a value chain kept as given, converted to and from result buffers.
#include <cstdlib>
#include <cstring>

#include "db/enum_items.h"
#include "db/acutads.h"
#include "db/dbfiler.h"
#include "db/dbxrecord.h"
#include "db/resbuf_items.h"

ACRX_DEFINE_MEMBERS(AcDbXrecord, AcDbObject, "XRECORD");

AcDbXrecord::AcDbXrecord() = default;
AcDbXrecord::~AcDbXrecord() = default;

namespace {

// A buffer that cannot be an item of an extension record: a value type instead of a group code,
// extended data, a handle code 5/105.
bool isRecordCode(int code) { return code >= 1 && code < 1000 && code != 5 && code != 105; }

}  // namespace

Acad::ErrorStatus AcDbXrecord::rbChain(resbuf** chain, AcDbDatabase* auxDatabase) const {
  if (chain == nullptr) return Acad::eInvalidInput;
  return rbChain(*chain, auxDatabase);
}

Acad::ErrorStatus AcDbXrecord::rbChain(resbuf*& chain, AcDbDatabase*) const {
  resbuf head{};
  resbuf* tail = &head;
  for (const DxfItem& item : items_) {
    tail->rbnext = dxfItemToResbuf(item);
    tail = tail->rbnext;
  }
  chain = head.rbnext;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXrecord::setFromRbChain(const resbuf& chain, AcDbDatabase*) {
  DxfItemList items;
  for (const resbuf* rb = &chain; rb != nullptr; rb = rb->rbnext) {
    DxfItem item;
    if (!isRecordCode(rb->restype) || !resbufToDxfItem(rb, item)) return Acad::eInvalidResBuf;
    items.push_back(std::move(item));
  }
  assertWriteEnabled();
  items_ = std::move(items);
  return Acad::eOk;
}

void AcDbXrecord::setXlateReferences(bool translate) {
  assertWriteEnabled();
  xlate_ = translate;
}

void AcDbXrecord::setMergeStyle(AcDb::DuplicateRecordCloning style) {
  assertWriteEnabled();
  mergeStyle_ = style;
}

void AcDbXrecord::setItems(DxfItemList items) {
  assertWriteEnabled();
  items_ = std::move(items);
}

Acad::ErrorStatus AcDbXrecord::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbObject::dxfOutFields(filer);
  filer->writeString(100, L"AcDbXrecord");
  filer->writeInt16(280, mergeStyle_);
  for (const DxfItem& item : items_) filer->writeItem(item);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXrecord::dxfInFields(AcDbDxfFiler* filer) {
  items_.clear();
  cloningFlagRead_ = false;
  return AcDbObject::dxfInFields(filer);
}

bool AcDbXrecord::dxfInItem(AcDbDxfFiler*, const DxfItem& item) {
  // The cloning flag comes first; every later item, 280 included, is data.
  if (!cloningFlagRead_ && items_.empty() && item.code == 280) {
    cloningFlagRead_ = true;
    mergeStyle_ = mergeStyleFromItem(item.integer);
    return true;
  }
  cloningFlagRead_ = true;
  items_.push_back(item);
  return true;
}
