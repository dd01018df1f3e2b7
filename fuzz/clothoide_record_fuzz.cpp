// The clothoid record as a drawing may carry it: any items after the application name. Reading
// must refuse or rebuild an element, and a rebuilt element must give finite points.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "db/acutads.h"
#include "tools/clothoideEnregistrement.h"

namespace {

// Each item: one byte choosing its group code, then its value (a long or three doubles).
resbuf* chainFrom(const uint8_t* data, size_t size) {
  resbuf* head = acutBuildList(1001, kApplicationClothoide, 0);
  resbuf* tail = head;
  size_t at = 0;
  while (at < size) {
    const uint8_t kind = data[at++];
    const int codes[] = {1071, 1011, 1010, 1040};
    const int code = codes[kind % 4];
    resbuf* item = acutNewRb(code);
    if (code == 1071) {
      int32_t value = kMarqueurClothoide;
      if (kind & 0x80) {
        if (at + 4 > size) {
          acutRelRb(item);
          break;
        }
        std::memcpy(&value, data + at, 4);
        at += 4;
      }
      item->resval.rlong = value;
    } else {
      double values[3] = {0, 0, 0};
      const size_t bytes = code == 1040 ? 8 : 24;
      if (at + bytes > size) {
        acutRelRb(item);
        break;
      }
      std::memcpy(values, data + at, bytes);
      at += bytes;
      if (code == 1040) {
        item->resval.rreal = values[0];
      } else {
        for (int i = 0; i < 3; ++i) item->resval.rpoint[i] = values[i];
      }
    }
    tail->rbnext = item;
    tail = item;
  }
  return head;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  resbuf* chain = chainFrom(data, size);
  elementClothoide element;
  if (lireChaineClothoide(chain, element)) {
    for (int i = 0; i <= 4; ++i) {
      const double s = element.longueurDebut() +
                       (element.longueurFin() - element.longueurDebut()) * i / 4;
      AcGePoint2d point;
      if (element.pointA(s, point) && (!std::isfinite(point.x) || !std::isfinite(point.y))) {
        std::abort();
      }
    }
  }
  acutRelRb(chain);
  return 0;
}
