// AcDbRay and AcDbXline: lines without end (one way and both ways). Their parameter is the signed
// distance from the base point; the ends they lack are reported as not applicable.
#include <cmath>

#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/ent_support.h"
#include "ge/gegbl.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_MEMBERS(AcDbRay, AcDbCurve, "RAY");
ACRX_DEFINE_MEMBERS(AcDbXline, AcDbCurve, "XLINE");

namespace {

// The shared geometry: base point, unit direction, and whether the line runs back past the base.
struct Unbounded {
  const AcGePoint3d& base;
  const AcGeVector3d& dir;
  bool backwards;

  bool inRange(double param) const { return backwards || param >= -1e-10; }
  double tolerance(const AcGePoint3d& p) const {
    return 1e-9 * std::max({1.0, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
  }
  Acad::ErrorStatus pointAt(double param, AcGePoint3d& point) const {
    if (!inRange(param)) return Acad::eInvalidInput;
    point = base + dir * param;
    return Acad::eOk;
  }
  Acad::ErrorStatus paramAt(const AcGePoint3d& point, double& param) const {
    double t = (point - base).dotProduct(dir);
    if (!backwards && t < 0.0) t = 0.0;
    if ((base + dir * t).distanceTo(point) > tolerance(point)) return Acad::eInvalidInput;
    param = t;
    return Acad::eOk;
  }
  Acad::ErrorStatus closest(const AcGePoint3d& given, AcGePoint3d& point, bool extend) const {
    double t = (given - base).dotProduct(dir);
    if (!backwards && !extend && t < 0.0) t = 0.0;
    point = base + dir * t;
    return Acad::eOk;
  }
  Acad::ErrorStatus offset(double distance, AcGePoint3d& shiftedBase) const {
    // To the right of the direction seen from above (+Z), or any perpendicular for vertical lines.
    AcGeVector3d side = dir.crossProduct(AcGeVector3d::kZAxis);
    if (side.isZeroLength()) side = dir.perpVector();
    shiftedBase = base + side.normal() * distance;
    return Acad::eOk;
  }
};

void transformLine(const AcGeMatrix3d& transform, AcGePoint3d& base, AcGeVector3d& dir) {
  AcGePoint3d second = transform * (base + dir);
  base = transform * base;
  AcGeVector3d d = second - base;
  if (!d.isZeroLength()) dir = d.normal();
}

}  // namespace

// AcDbRay.

AcDbRay::AcDbRay() = default;

void AcDbRay::setBasePoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  base_ = point;
}

void AcDbRay::setUnitDir(const AcGeVector3d& direction) {
  if (direction.isZeroLength()) return;
  assertWriteEnabled();
  direction_ = direction.normal();
}

void AcDbRay::setSecondPoint(const AcGePoint3d& point) { setUnitDir(point - base_); }

Acad::ErrorStatus AcDbRay::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbRay::getEndParam(double& param) const {
  param = AcGe::kInfinity;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbRay::getStartPoint(AcGePoint3d& point) const {
  point = base_;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbRay::getEndPoint(AcGePoint3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbRay::getPointAtParam(double param, AcGePoint3d& point) const {
  return Unbounded{base_, direction_, false}.pointAt(param, point);
}
Acad::ErrorStatus AcDbRay::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  return Unbounded{base_, direction_, false}.paramAt(point, param);
}
Acad::ErrorStatus AcDbRay::getDistAtParam(double param, double& dist) const {
  if (param < -1e-10) return Acad::eInvalidInput;
  dist = std::max(param, 0.0);
  return Acad::eOk;
}
Acad::ErrorStatus AcDbRay::getParamAtDist(double dist, double& param) const {
  if (dist < -1e-10) return Acad::eInvalidInput;
  param = std::max(dist, 0.0);
  return Acad::eOk;
}
Acad::ErrorStatus AcDbRay::getFirstDeriv(double param, AcGeVector3d& deriv) const {
  if (param < -1e-10) return Acad::eInvalidInput;
  deriv = direction_;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbRay::getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                             bool extend) const {
  return Unbounded{base_, direction_, false}.closest(given, closest, extend);
}
Acad::ErrorStatus AcDbRay::getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const {
  AcGePoint3d base;
  Unbounded{base_, direction_, false}.offset(distance, base);
  auto* ray = new AcDbRay();
  ray->setPropertiesFrom(this);
  ray->base_ = base;
  ray->direction_ = direction_;
  curves.append(ray);
  return Acad::eOk;
}
// Unbounded entities have no box: drawing extents leave them out, as the host's do.
Acad::ErrorStatus AcDbRay::getGeomExtents(AcDbExtents&) const { return Acad::eInvalidExtents; }
Acad::ErrorStatus AcDbRay::transformBy(const AcGeMatrix3d& transform) {
  assertWriteEnabled();
  transformLine(transform, base_, direction_);
  return Acad::eOk;
}
Acad::ErrorStatus AcDbRay::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbRay");
  filer->writePoint3d(10, base_);
  filer->writeVector3d(11, direction_);
  return Acad::eOk;
}
bool AcDbRay::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 10:
      base_ = entfile::pointOf(item);
      return true;
    case 11: {
      AcGeVector3d d = entfile::vectorOf(item);
      if (!d.isZeroLength()) direction_ = d.normal();
      return true;
    }
    default:
      return AcDbCurve::dxfInItem(filer, item);
  }
}

// AcDbXline.

AcDbXline::AcDbXline() = default;

void AcDbXline::setBasePoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  base_ = point;
}

void AcDbXline::setUnitDir(const AcGeVector3d& direction) {
  if (direction.isZeroLength()) return;
  assertWriteEnabled();
  direction_ = direction.normal();
}

void AcDbXline::setSecondPoint(const AcGePoint3d& point) { setUnitDir(point - base_); }

Acad::ErrorStatus AcDbXline::getStartParam(double& param) const {
  param = -AcGe::kInfinity;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbXline::getEndParam(double& param) const {
  param = AcGe::kInfinity;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbXline::getStartPoint(AcGePoint3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbXline::getEndPoint(AcGePoint3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbXline::getPointAtParam(double param, AcGePoint3d& point) const {
  return Unbounded{base_, direction_, true}.pointAt(param, point);
}
Acad::ErrorStatus AcDbXline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  return Unbounded{base_, direction_, true}.paramAt(point, param);
}
// Distances along a construction line count from its base point, signed like the parameter.
Acad::ErrorStatus AcDbXline::getDistAtParam(double param, double& dist) const {
  dist = param;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbXline::getParamAtDist(double dist, double& param) const {
  param = dist;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbXline::getFirstDeriv(double, AcGeVector3d& deriv) const {
  deriv = direction_;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbXline::getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                               bool extend) const {
  return Unbounded{base_, direction_, true}.closest(given, closest, extend);
}
Acad::ErrorStatus AcDbXline::getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const {
  AcGePoint3d base;
  Unbounded{base_, direction_, true}.offset(distance, base);
  auto* xline = new AcDbXline();
  xline->setPropertiesFrom(this);
  xline->base_ = base;
  xline->direction_ = direction_;
  curves.append(xline);
  return Acad::eOk;
}
Acad::ErrorStatus AcDbXline::getGeomExtents(AcDbExtents&) const { return Acad::eInvalidExtents; }
Acad::ErrorStatus AcDbXline::transformBy(const AcGeMatrix3d& transform) {
  assertWriteEnabled();
  transformLine(transform, base_, direction_);
  return Acad::eOk;
}
Acad::ErrorStatus AcDbXline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbXline");
  filer->writePoint3d(10, base_);
  filer->writeVector3d(11, direction_);
  return Acad::eOk;
}
bool AcDbXline::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 10:
      base_ = entfile::pointOf(item);
      return true;
    case 11: {
      AcGeVector3d d = entfile::vectorOf(item);
      if (!d.isZeroLength()) direction_ = d.normal();
      return true;
    }
    default:
      return AcDbCurve::dxfInItem(filer, item);
  }
}
