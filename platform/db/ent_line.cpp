// AcDbLine.
#include <algorithm>
#include <cmath>

#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/ent_fields.h"
#include "db/ent_support.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_MEMBERS(AcDbLine, AcDbCurve, "LINE");

AcDbLine::AcDbLine() = default;
AcDbLine::AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : start_(start), end_(end) {}

namespace {
// Parameters a hair outside the range still denote the ends (values computed at the ends).
double paramSlack(double length) { return 1e-10 * std::max(1.0, length); }
}  // namespace

Acad::ErrorStatus AcDbLine::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndParam(double& param) const {
  param = start_.distanceTo(end_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getStartPoint(AcGePoint3d& point) const {
  point = start_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndPoint(AcGePoint3d& point) const {
  point = end_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getPointAtParam(double param, AcGePoint3d& point) const {
  double length = start_.distanceTo(end_);
  if (param < -paramSlack(length) || param > length + paramSlack(length))
    return Acad::eInvalidInput;
  point = length > 0.0 ? start_ + (end_ - start_) * (param / length) : start_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  AcGeVector3d d = end_ - start_;
  double length = d.length();
  double t = length > 0.0 ? (point - start_).dotProduct(d) / (length * length) : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  AcGePoint3d foot = start_ + d * t;
  double magnitude = std::max({std::fabs(point.x), std::fabs(point.y), std::fabs(point.z), length});
  if (foot.distanceTo(point) > 1e-9 * std::max(1.0, magnitude)) return Acad::eInvalidInput;
  param = t * length;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getDistAtParam(double param, double& dist) const {
  double length = start_.distanceTo(end_);
  if (param < -paramSlack(length) || param > length + paramSlack(length))
    return Acad::eInvalidInput;
  dist = std::clamp(param, 0.0, length);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getParamAtDist(double dist, double& param) const {
  double length = start_.distanceTo(end_);
  if (dist < -paramSlack(length) || dist > length + paramSlack(length)) return Acad::eInvalidInput;
  param = std::clamp(dist, 0.0, length);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getFirstDeriv(double param, AcGeVector3d& deriv) const {
  double length = start_.distanceTo(end_);
  if (param < -paramSlack(length) || param > length + paramSlack(length))
    return Acad::eInvalidInput;
  if (length == 0.0) return Acad::eDegenerateGeometry;
  deriv = (end_ - start_) / length;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                              bool extend) const {
  AcGeVector3d d = end_ - start_;
  double len2 = d.lengthSqrd();
  double t = len2 > 0.0 ? (given - start_).dotProduct(d) / len2 : 0.0;
  if (!extend) t = std::clamp(t, 0.0, 1.0);
  closest = start_ + d * t;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const {
  AcGeVector3d d = end_ - start_;
  if (d.isZeroLength()) return Acad::eDegenerateGeometry;
  // To the right of the direction of travel, seen from the tip of the normal.
  AcGeVector3d side = d.crossProduct(normal_);
  if (side.isZeroLength()) return Acad::eInvalidInput;
  AcGeVector3d shift = side.normal() * distance;
  auto* line = new AcDbLine(start_ + shift, end_ + shift);
  line->setPropertiesFrom(this);
  line->normal_ = normal_;
  line->thickness_ = thickness_;
  curves.append(line);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getArea(double& area) const {
  area = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  extents.addPoint(start_);
  extents.addPoint(end_);
  if (thickness_ != 0.0) {
    extents.addPoint(start_ + normal_ * thickness_);
    extents.addPoint(end_ + normal_ * thickness_);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::transformBy(const AcGeMatrix3d& transform) {
  assertWriteEnabled();
  start_ = transform * start_;
  end_ = transform * end_;
  entgeom::transformNormal(transform, normal_, thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbLine");
  entfile::writeUnlessZero(filer, 39, thickness_);
  filer->writePoint3d(10, start_);
  filer->writePoint3d(11, end_);
  entfile::writeNormal(filer, normal_);
  return Acad::eOk;
}

bool AcDbLine::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  return entfile::readField(item, {Field::point(10, start_), Field::point(11, end_),
                                   Field::real(39, thickness_), Field::normal(210, normal_)}) ||
         AcDbCurve::dxfInItem(filer, item);
}
