// Angles of drawing files. Objects and every other filer keep radians; files give the angle codes
// 50-58 of entities and symbol table records in degrees, except where the format says radians:
// MTEXT's rotation (50) and a linetype's shape rotation (50). Non-graphical objects (extension
// records, proxies) keep their values as written.
#pragma once
#include <cstring>

#include "db/dbentity.h"
#include "db/dbproxy.h"
#include "db/dbsymtb.h"

namespace dxf {

inline bool isAngleCode(int code) { return code >= 50 && code <= 58; }

inline double degreesToRadians(double degrees) { return degrees * (3.14159265358979323846 / 180.0); }
inline double radiansToDegrees(double radians) { return radians * (180.0 / 3.14159265358979323846); }

// True when an object of that class keeps its angle codes in degrees in files.
inline bool writesAnglesInDegrees(const AcRxClass* cls) {
  if (cls == nullptr) return false;
  const char* type = cls->dxfName();
  if (std::strcmp(type, "MTEXT") == 0 || std::strcmp(type, "LTYPE") == 0) return false;
  if (cls->isDerivedFrom(AcDbProxyEntity::desc()) || cls->isDerivedFrom(AcDbProxyObject::desc())) return false;
  return cls->isDerivedFrom(AcDbEntity::desc()) || cls->isDerivedFrom(AcDbSymbolTableRecord::desc());
}

}  // namespace dxf
