// AcGeEntity3d: the root of the 3D geometric entities.
#pragma once
#include "ge/gegbl.h"
#include "ge/gepnt3d.h"

class AcGeMatrix3d;

class AcGeEntity3d {
 public:
  virtual ~AcGeEntity3d() = default;

  virtual AcGe::EntityId type() const = 0;
  virtual bool isKindOf(AcGe::EntityId id) const { return id == AcGe::kEntity3d; }
  // A new copy; the caller owns it (the host's convention for geometry copies).
  virtual AcGeEntity3d* copy() const = 0;
  virtual AcGeEntity3d& transformBy(const AcGeMatrix3d& xform) = 0;
  virtual bool isOn(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;

 protected:
  AcGeEntity3d() = default;
  AcGeEntity3d(const AcGeEntity3d&) = default;
  AcGeEntity3d& operator=(const AcGeEntity3d&) = default;
};
