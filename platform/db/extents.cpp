// AcDbExtents: an axis-aligned box that grows as points are added.
#include <algorithm>

#include "db/dbextents.h"
#include "ge/gemat3d.h"

namespace {
// The host's empty box: a minimum above any maximum.
constexpr double kEmpty = 1e20;
}  // namespace

AcDbExtents::AcDbExtents() : min_(kEmpty, kEmpty, kEmpty), max_(-kEmpty, -kEmpty, -kEmpty) {}

AcDbExtents::AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max) : AcDbExtents() {
  addPoint(min);
  addPoint(max);
}

void AcDbExtents::set(const AcGePoint3d& min, const AcGePoint3d& max) {
  *this = AcDbExtents(min, max);
}

void AcDbExtents::addPoint(const AcGePoint3d& point) {
  for (unsigned i = 0; i < 3; ++i) {
    min_[i] = std::min(min_[i], point[i]);
    max_[i] = std::max(max_[i], point[i]);
  }
}

void AcDbExtents::addExt(const AcDbExtents& other) {
  if (other.isEmpty()) return;
  addPoint(other.min_);
  addPoint(other.max_);
}

void AcDbExtents::expandBy(const AcGeVector3d& vector) {
  if (isEmpty()) return;
  for (unsigned i = 0; i < 3; ++i) {
    if (vector[i] > 0.0) {
      max_[i] += vector[i];
    } else {
      min_[i] += vector[i];
    }
  }
}

void AcDbExtents::transformBy(const AcGeMatrix3d& matrix) {
  if (isEmpty()) return;
  AcDbExtents result;
  for (int corner = 0; corner < 8; ++corner) {
    AcGePoint3d p((corner & 1) ? max_.x : min_.x, (corner & 2) ? max_.y : min_.y,
                  (corner & 4) ? max_.z : min_.z);
    result.addPoint(matrix * p);
  }
  *this = result;
}

bool AcDbExtents::isEmpty() const { return min_.x > max_.x; }
