// AcGeEntity2d: the root of the 2D geometric entities.
#pragma once
#include "ge/gegbl.h"
#include "ge/gepnt2d.h"

class AcGeMatrix2d;

class AcGeEntity2d {
 public:
  virtual ~AcGeEntity2d() = default;

  virtual AcGe::EntityId type() const = 0;
  virtual bool isKindOf(AcGe::EntityId id) const { return id == AcGe::kEntity2d; }
  // A new copy; the caller owns it (the host's convention for geometry copies).
  virtual AcGeEntity2d* copy() const = 0;
  virtual AcGeEntity2d& transformBy(const AcGeMatrix2d& xform) = 0;
  virtual bool isOn(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;

 protected:
  AcGeEntity2d() = default;
  AcGeEntity2d(const AcGeEntity2d&) = default;
  AcGeEntity2d& operator=(const AcGeEntity2d&) = default;
};
