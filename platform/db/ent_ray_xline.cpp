// AcDbRay and AcDbXline: lines without end (one way and both ways). Their parameter is the signed
// distance from the base point; the ends they lack are reported as not applicable.
#include <cmath>

#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/ent_fields.h"
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

// The members a ray and a construction line define alike: a base point and a unit direction, set,
// queried through Unbounded (backwards: whether the line runs back past its base), offset,
// transformed and filed (the subclass marker, 10 and 11) the same way.
#define DEFINE_UNBOUNDED_LINE_MEMBERS(Class, backwards, marker)                                 \
  Class::Class() = default;                                                                     \
  void Class::setBasePoint(const AcGePoint3d& point) { assignMember(base_, point); }            \
  void Class::setUnitDir(const AcGeVector3d& direction) {                                       \
    if (!direction.isZeroLength()) assignMember(direction_, direction.normal());                \
  }                                                                                             \
  void Class::setSecondPoint(const AcGePoint3d& point) { setUnitDir(point - base_); }           \
  Acad::ErrorStatus Class::getPointAtParam(double param, AcGePoint3d& point) const {            \
    return Unbounded{base_, direction_, backwards}.pointAt(param, point);                       \
  }                                                                                             \
  Acad::ErrorStatus Class::getParamAtPoint(const AcGePoint3d& point, double& param) const {     \
    return Unbounded{base_, direction_, backwards}.paramAt(point, param);                       \
  }                                                                                             \
  Acad::ErrorStatus Class::getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,    \
                                             bool extend) const {                               \
    return Unbounded{base_, direction_, backwards}.closest(given, closest, extend);             \
  }                                                                                             \
  Acad::ErrorStatus Class::getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const {   \
    AcGePoint3d base;                                                                           \
    Unbounded{base_, direction_, backwards}.offset(distance, base);                             \
    auto* copy = new Class();                                                                   \
    copy->setPropertiesFrom(this);                                                              \
    copy->base_ = base;                                                                         \
    copy->direction_ = direction_;                                                              \
    curves.append(copy);                                                                        \
    return Acad::eOk;                                                                           \
  }                                                                                             \
  /* Unbounded entities have no box: drawing extents leave them out, as the host's do. */       \
  Acad::ErrorStatus Class::getGeomExtents(AcDbExtents&) const { return Acad::eInvalidExtents; } \
  Acad::ErrorStatus Class::transformBy(const AcGeMatrix3d& transform) {                         \
    assertWriteEnabled();                                                                       \
    transformLine(transform, base_, direction_);                                                \
    return Acad::eOk;                                                                           \
  }                                                                                             \
  Acad::ErrorStatus Class::dxfOutFields(AcDbDxfFiler* filer) const {                            \
    Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);                                      \
    if (es != Acad::eOk) return es;                                                             \
    filer->writeString(100, marker);                                                            \
    filer->writePoint3d(10, base_);                                                             \
    filer->writeVector3d(11, direction_);                                                       \
    return Acad::eOk;                                                                           \
  }                                                                                             \
  bool Class::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {                             \
    using entfile::Field;                                                                       \
    return entfile::readField(item,                                                             \
                              {Field::point(10, base_), Field::direction(11, direction_)}) ||   \
           AcDbCurve::dxfInItem(filer, item);                                                   \
  }

DEFINE_UNBOUNDED_LINE_MEMBERS(AcDbRay, false, L"AcDbRay")
DEFINE_UNBOUNDED_LINE_MEMBERS(AcDbXline, true, L"AcDbXline")

// AcDbRay: the end queries of a line that starts at its base point.

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

// AcDbXline: the end queries of a line without end either way.

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
