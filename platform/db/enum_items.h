// Internal: enumerated values read from files. A number outside the enumeration (damage, or a
// later version's value) takes the default instead of becoming a value the type cannot hold.
#pragma once
#include "db/acdb.h"
#include "adesk.h"

inline AcDb::DuplicateRecordCloning mergeStyleFromItem(Adesk::Int64 value) {
  return value >= AcDb::kDrcNotApplicable && value <= AcDb::kDrcUnmangleName
             ? static_cast<AcDb::DuplicateRecordCloning>(value)
             : AcDb::kDrcIgnore;
}

inline AcDb::LineWeight lineWeightFromItem(Adesk::Int64 value) {
  switch (value) {
    case 0: case 5: case 9: case 13: case 15: case 18: case 20: case 25: case 30: case 35:
    case 40: case 50: case 53: case 60: case 70: case 80: case 90: case 100: case 106: case 120:
    case 140: case 158: case 200: case 211: case -1: case -2: case -3:
      return static_cast<AcDb::LineWeight>(value);
    default:
      return AcDb::kLnWtByLayer;
  }
}
