// Group-code items and result buffers: one conversion for extension records, extended data and
// the entity lists of the C interface.
#include "db/resbuf_items.h"

#include <cstdlib>
#include <cstring>

#include "db/acutads.h"
#include "db/dbobject.h"

namespace {

std::wstring handleText(const DxfItem& item) {
  std::string hex = item.handle().toHex();
  return std::wstring(hex.begin(), hex.end());
}

}  // namespace

resbuf* dxfItemToResbuf(const DxfItem& item) {
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

bool resbufToDxfItem(const resbuf* rb, DxfItem& item) {
  const int code = rb->restype;
  if (code < 0 || code >= 5000) return false;
  switch (dxfKindOfCode(code)) {
    case DxfKind::kString:
      item = DxfItem::makeString(code, rb->resval.rstring ? rb->resval.rstring : L"");
      return true;
    case DxfKind::kHandle: {
      std::string hex;
      for (const ACHAR* p = rb->resval.rstring; p && *p; ++p) hex += static_cast<char>(*p);
      AcDbHandle handle;
      if (!AcDbHandle::parse(hex.data(), hex.size(), handle)) return false;
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

