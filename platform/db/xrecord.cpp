// Extension records: a value chain kept as given, converted to and from result buffers.
#include <cstdlib>
#include <cstring>

#include "db/acutads.h"
#include "db/dbfiler.h"
#include "db/dbxrecord.h"

ACRX_DEFINE_MEMBERS(AcDbXrecord, AcDbObject, "XRECORD");

AcDbXrecord::AcDbXrecord() = default;
AcDbXrecord::~AcDbXrecord() = default;

namespace {

std::wstring handleText(const DxfItem& item) {
  std::string hex = item.handle().toHex();
  return std::wstring(hex.begin(), hex.end());
}

resbuf* toResbuf(const DxfItem& item) {
  resbuf* rb = acutNewRb(item.code);
  switch (acdbGroupCodeToType(item.code)) {
    case RTSTR:
      rb->resval.rstring = acutNewString(
          (item.kind == DxfKind::kHandle ? handleText(item) : item.text).c_str());
      break;
    case RTREAL:
    case RTANG: rb->resval.rreal = item.real; break;
    case RT3DPOINT:
      for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = item.point[i];
      break;
    case RTSHORT: rb->resval.rint = static_cast<short>(item.integer); break;
    case RTLONG: rb->resval.rlong = static_cast<Adesk::Int32>(item.integer); break;
    case RTINT64: rb->resval.mnInt64 = item.integer; break;
    case RTENAME: acdbGetAdsName(rb->resval.rlname, item.id); break;
    case RTRESBUF: {
      rb->resval.rbinary.clen = static_cast<short>(item.bytes.size());
      rb->resval.rbinary.buf = static_cast<char*>(std::malloc(item.bytes.size() + 1));
      if (!item.bytes.empty()) std::memcpy(rb->resval.rbinary.buf, item.bytes.data(), item.bytes.size());
      break;
    }
    default: break;
  }
  return rb;
}

// False for a buffer that cannot be an item of an extension record (a value type instead of a
// group code, extended data, a handle code 5/105).
bool fromResbuf(const resbuf* rb, DxfItem& item) {
  const int code = rb->restype;
  if (code < 1 || code >= 1000 || code == 5 || code == 105) return false;
  switch (dxfKindOfCode(code)) {
    case DxfKind::kString:
      item = DxfItem::makeString(code, rb->resval.rstring ? rb->resval.rstring : L"");
      return true;
    case DxfKind::kHandle: {
      std::string hex;
      for (const ACHAR* p = rb->resval.rstring; p && *p; ++p) hex += static_cast<char>(*p);
      AcDbHandle handle;
      AcDbHandle::parse(hex.data(), hex.size(), handle);
      item = DxfItem::makeHandle(code, handle);
      return true;
    }
    case DxfKind::kReal: item = DxfItem::makeReal(code, rb->resval.rreal); return true;
    case DxfKind::kPoint:
      item = DxfItem::makePoint(code, rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
      return true;
    case DxfKind::kInt:
    case DxfKind::kBool: {
      const int type = acdbGroupCodeToType(code);
      Adesk::Int64 value = type == RTLONG    ? rb->resval.rlong
                           : type == RTINT64 ? rb->resval.mnInt64
                                             : rb->resval.rint;
      item = dxfKindOfCode(code) == DxfKind::kBool ? DxfItem::makeBool(code, value != 0)
                                                    : DxfItem::makeInt(code, value);
      return true;
    }
    case DxfKind::kId: {
      AcDbObjectId id;
      acdbGetObjectId(id, rb->resval.rlname);
      item = DxfItem::makeId(code, id);
      return true;
    }
    case DxfKind::kBinary:
      item = DxfItem::makeBinary(code, reinterpret_cast<const unsigned char*>(rb->resval.rbinary.buf),
                                 rb->resval.rbinary.clen > 0 ? static_cast<size_t>(rb->resval.rbinary.clen) : 0);
      return true;
  }
  return false;
}

}  // namespace

Acad::ErrorStatus AcDbXrecord::rbChain(resbuf** chain, AcDbDatabase* auxDatabase) const {
  if (chain == nullptr) return Acad::eInvalidInput;
  return rbChain(*chain, auxDatabase);
}

Acad::ErrorStatus AcDbXrecord::rbChain(resbuf*& chain, AcDbDatabase*) const {
  resbuf head{};
  resbuf* tail = &head;
  for (const DxfItem& item : items_) {
    tail->rbnext = toResbuf(item);
    tail = tail->rbnext;
  }
  chain = head.rbnext;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXrecord::setFromRbChain(const resbuf& chain, AcDbDatabase*) {
  DxfItemList items;
  for (const resbuf* rb = &chain; rb != nullptr; rb = rb->rbnext) {
    DxfItem item;
    if (!fromResbuf(rb, item)) return Acad::eInvalidResBuf;
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
    mergeStyle_ = static_cast<AcDb::DuplicateRecordCloning>(item.integer);
    return true;
  }
  cloningFlagRead_ = true;
  items_.push_back(item);
  return true;
}
