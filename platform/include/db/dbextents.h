// AcDbExtents: an axis-aligned box in world coordinates.
#pragma once
#include "ge/gepnt3d.h"

class AcGeMatrix3d;

class AcDbExtents {
 public:
  AcDbExtents();
  AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max);

  const AcGePoint3d& minPoint() const { return min_; }
  const AcGePoint3d& maxPoint() const { return max_; }
  void set(const AcGePoint3d& min, const AcGePoint3d& max);
  void addPoint(const AcGePoint3d& point);
  void addExt(const AcDbExtents& other);
  // Adds the eight corners of the box transformed by the matrix.
  void expandBy(const AcGeVector3d& vector);
  void transformBy(const AcGeMatrix3d& matrix);
  // True until a point has been added.
  bool isEmpty() const;

 private:
  AcGePoint3d min_;
  AcGePoint3d max_;
};
