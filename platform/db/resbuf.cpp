// Result-buffer chains of the host's C interface.
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "db/acutads.h"
#include "db/dbtag.h"

ACHAR* acutNewString(const ACHAR* text) {
  if (text == nullptr) return nullptr;
  size_t length = std::wcslen(text);
  auto* copy = static_cast<ACHAR*>(std::malloc((length + 1) * sizeof(ACHAR)));
  std::wmemcpy(copy, text, length + 1);
  return copy;
}

int acutDelString(ACHAR*& text) {
  std::free(text);
  text = nullptr;
  return RTNORM;
}

int acdbGroupCodeToType(int code) {
  if (code >= 5000) return code;
  if (code == -1 || code == -2) return RTENAME;
  if (code == -3 || code == -4 || code == 0) return RTSTR;
  switch (dxfKindOfCode(code)) {
    case DxfKind::kString:
    case DxfKind::kHandle: return RTSTR;
    case DxfKind::kReal: return (code >= 50 && code <= 58) ? RTANG : RTREAL;
    case DxfKind::kPoint: return RT3DPOINT;
    case DxfKind::kInt:
    case DxfKind::kBool:
      return ((code >= 90 && code <= 99) || code == 1071 || (code >= 420 && code <= 429) ||
              (code >= 440 && code <= 459))
                 ? RTLONG
                 : (code >= 160 && code <= 169) ? RTINT64 : RTSHORT;
    case DxfKind::kId: return RTENAME;
    case DxfKind::kBinary: return RTRESBUF;
  }
  return RTSTR;
}

resbuf* acutNewRb(int type) {
  auto* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
  rb->restype = static_cast<short>(type);
  return rb;
}

// RTDXF0 is the entity type of a group-code list (group 0), a string.
static bool holdsString(const resbuf* rb) {
  int type = acdbGroupCodeToType(rb->restype);
  return type == RTSTR || type == RTDXF0;
}
static bool holdsBinary(const resbuf* rb) {
  return rb->restype == 1004 || (rb->restype >= 310 && rb->restype <= 319);
}

int acutRelRb(resbuf* chain) {
  while (chain != nullptr) {
    resbuf* next = chain->rbnext;
    if (holdsString(chain)) std::free(chain->resval.rstring);
    if (holdsBinary(chain)) std::free(chain->resval.rbinary.buf);
    std::free(chain);
    chain = next;
  }
  return RTNORM;
}

resbuf* acutCopyRbChain(const resbuf* chain) {
  resbuf head{};
  resbuf* tail = &head;
  for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    resbuf* copy = acutNewRb(rb->restype);
    copy->resval = rb->resval;
    if (holdsString(rb)) copy->resval.rstring = acutNewString(rb->resval.rstring);
    if (holdsBinary(rb) && rb->resval.rbinary.buf != nullptr) {
      copy->resval.rbinary.buf = static_cast<char*>(std::malloc(rb->resval.rbinary.clen + 1));
      std::memcpy(copy->resval.rbinary.buf, rb->resval.rbinary.buf, rb->resval.rbinary.clen);
    }
    tail->rbnext = copy;
    tail = copy;
  }
  return head.rbnext;
}

resbuf* acutBuildList(int type, ...) {
  va_list args;
  va_start(args, type);
  resbuf head{};
  resbuf* tail = &head;
  while (type != 0 && type != RTNONE) {
    resbuf* rb = acutNewRb(type);
    // -3 only marks where the extended data begins: it takes no value from the arguments.
    switch (type == -3 ? RTNONE : acdbGroupCodeToType(type)) {
      case RTREAL:
      case RTANG: rb->resval.rreal = va_arg(args, double); break;
      case RTPOINT:
      case RT3DPOINT: {
        const ads_real* point = va_arg(args, const ads_real*);
        rb->resval.rpoint[0] = point[0];
        rb->resval.rpoint[1] = point[1];
        rb->resval.rpoint[2] = type == RTPOINT ? 0.0 : point[2];
        break;
      }
      case RTSHORT: rb->resval.rint = static_cast<short>(va_arg(args, int)); break;
      case RTLONG: rb->resval.rlong = static_cast<Adesk::Int32>(va_arg(args, long)); break;
      case RTINT64: rb->resval.mnInt64 = va_arg(args, Adesk::Int64); break;
      case RTSTR:
      case RTDXF0: rb->resval.rstring = acutNewString(va_arg(args, const ACHAR*)); break;
      case RTENAME:
      case RTPICKS: {
        const Adesk::LongPtr* name = va_arg(args, const Adesk::LongPtr*);
        rb->resval.rlname[0] = name[0];
        rb->resval.rlname[1] = name[1];
        break;
      }
      default: break;  // list marks, nil, T and void carry no value
    }
    tail->rbnext = rb;
    tail = rb;
    type = va_arg(args, int);
  }
  va_end(args);
  return head.rbnext;
}
