// AcDbCircle and AcDbArc. Both keep their centre in world coordinates; drawing files give it in the
// object coordinate system of the normal, converted once the whole object is read (the normal comes
// after the centre).
#include <algorithm>
#include <cmath>

#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/ent_fields.h"
#include "db/ent_support.h"
#include "ge/angles.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_MEMBERS(AcDbCircle, AcDbCurve, "CIRCLE");
ACRX_DEFINE_MEMBERS(AcDbArc, AcDbCurve, "ARC");

namespace {

// The circle of centre c, radius r in the plane of normal n, by angle (radians) from the plane's
// object X axis.
struct CircleFrame {
  AcGePoint3d center;
  AcGeVector3d x, y;
  double radius;
  CircleFrame(const AcGePoint3d& c, const AcGeVector3d& n, double r)
      : center(c), x(entgeom::ocsXAxis(n)), y(entgeom::unitNormal(n).crossProduct(x)), radius(r) {}
  AcGePoint3d at(double angle) const {
    return center + (x * std::cos(angle) + y * std::sin(angle)) * radius;
  }
  AcGeVector3d derivative(double angle) const {
    return (y * std::cos(angle) - x * std::sin(angle)) * radius;
  }
  // Angle of a point's projection on the plane, and its distance from the circle (0 on it).
  double angleOf(const AcGePoint3d& p) const {
    AcGeVector3d d = p - center;
    return ge::normalizeAngle(std::atan2(d.dotProduct(y), d.dotProduct(x)));
  }
  double offCircle(const AcGePoint3d& p) const {
    AcGeVector3d d = p - center;
    AcGeVector3d n = x.crossProduct(y);
    double h = d.dotProduct(n);
    double inPlane = (d - n * h).length();
    return std::hypot(h, inPlane - radius);
  }
  double tolerance() const {
    return 1e-9 *
           std::max({1.0, radius, std::fabs(center.x), std::fabs(center.y), std::fabs(center.z)});
  }
};

constexpr double kAngleSlack = 1e-10;

// Whether a parameter (radians) lies outside an arc's sweep from its start angle, slack allowed.
bool outsideSweep(double param, double startAngle, double sweep) {
  return param < startAngle - kAngleSlack || param > startAngle + sweep + kAngleSlack;
}

// A circle or arc transformed: centre, normal and radius, and (for arcs) the new end points, taken
// in the order that keeps the arc counter-clockwise about its normal.
Acad::ErrorStatus transformCircle(const AcGeMatrix3d& transform, AcGePoint3d& center,
                                  AcGeVector3d& normal, double& radius, double& thickness,
                                  AcGePoint3d* start, AcGePoint3d* end) {
  double scale = 0.0;
  if (!entgeom::uniformScaleInPlane(transform, normal, scale))
    return Acad::eCannotScaleNonUniformly;
  AcGeVector3d n = transform * normal;
  if (n.isZeroLength()) return Acad::eCannotScaleNonUniformly;
  thickness *= n.length();
  center = transform * center;
  normal = n.normal();
  radius *= scale;
  if (start != nullptr && end != nullptr) {
    AcGePoint3d s = transform * *start;
    AcGePoint3d e = transform * *end;
    // A mirror reverses the arc's turn about the (transformed) normal: swap its ends.
    if (entgeom::isMirroring(transform)) std::swap(s, e);
    *start = s;
    *end = e;
  }
  return Acad::eOk;
}

// The circle level, which an arc files too (under the AcDbCircle marker, before its own): the
// centre in object coordinates, radius, thickness and normal.
void writeCircleLevel(AcDbDxfFiler* filer, const AcGePoint3d& center, const AcGeVector3d& normal,
                      double radius, double thickness) {
  filer->writeString(100, L"AcDbCircle");
  entfile::writeUnlessZero(filer, 39, thickness);
  filer->writePoint3d(10, entgeom::worldToOcs(normal, center));
  filer->writeDouble(40, radius);
  entfile::writeNormal(filer, normal);
}

// Reading the circle level. The centre read is kept apart until the whole object is read, as the
// normal comes after it.
struct CircleLevelReader {
  AcGePoint3d& center;
  AcGePoint3d& fileCenter;
  bool& centerRead;
  AcGeVector3d& normal;
  double& radius;
  double& thickness;

  Acad::ErrorStatus readFields(AcDbCurve* curve, AcDbDxfFiler* filer) {
    centerRead = false;
    Acad::ErrorStatus es = curve->AcDbCurve::dxfInFields(filer);
    if (centerRead) center = entgeom::ocsToWorld(normal, fileCenter);
    centerRead = false;
    return es;
  }
  bool readItem(const DxfItem& item) {
    if (item.code == 10) {
      fileCenter = entfile::pointOf(item);
      centerRead = true;
      return true;
    }
    using entfile::Field;
    return entfile::readField(
        item, {Field::real(40, radius), Field::real(39, thickness), Field::normal(210, normal)});
  }
};

// Transforms the members of a circle or arc in place (see transformCircle), the object opened for
// write; on failure they are left as they were.
Acad::ErrorStatus transformCircleMembers(AcDbObject* object, const AcGeMatrix3d& transform,
                                         AcGePoint3d& center, AcGeVector3d& normal, double& radius,
                                         double& thickness, AcGePoint3d* start, AcGePoint3d* end) {
  AcGePoint3d c = center;
  AcGeVector3d n = normal;
  double r = radius, t = thickness;
  Acad::ErrorStatus es = transformCircle(transform, c, n, r, t, start, end);
  if (es != Acad::eOk) return es;
  object->assertWriteEnabled();
  center = c;
  normal = n;
  radius = r;
  thickness = t;
  return Acad::eOk;
}

void addExtruded(AcDbExtents& extents, const AcGeVector3d& normal, double thickness) {
  if (thickness == 0.0 || extents.isEmpty()) return;
  AcDbExtents top = extents;
  AcGeVector3d shift = normal * thickness;
  top.set(top.minPoint() + shift, top.maxPoint() + shift);
  extents.addExt(top);
}

}  // namespace

// AcDbCircle.

AcDbCircle::AcDbCircle() = default;

AcDbCircle::AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius)
    : center_(center), normal_(entgeom::unitNormal(normal)), radius_(radius) {}

Acad::ErrorStatus AcDbCircle::setRadius(double radius) {
  if (!(radius > 0.0)) return Acad::eInvalidInput;
  return assignMember(radius_, radius);
}

double AcDbCircle::circumference() const { return ge::kTwoPi * radius_; }

Acad::ErrorStatus AcDbCircle::setCircumference(double length) {
  return setRadius(length / ge::kTwoPi);
}

Acad::ErrorStatus AcDbCircle::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getEndParam(double& param) const {
  param = ge::kTwoPi;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getStartPoint(AcGePoint3d& point) const {
  point = CircleFrame(center_, normal_, radius_).at(0.0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getEndPoint(AcGePoint3d& point) const { return getStartPoint(point); }

Acad::ErrorStatus AcDbCircle::getPointAtParam(double param, AcGePoint3d& point) const {
  if (param < -kAngleSlack || param > ge::kTwoPi + kAngleSlack) return Acad::eInvalidInput;
  point = CircleFrame(center_, normal_, radius_).at(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  CircleFrame frame(center_, normal_, radius_);
  if (frame.offCircle(point) > frame.tolerance()) return Acad::eInvalidInput;
  param = frame.angleOf(point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getDistAtParam(double param, double& dist) const {
  if (param < -kAngleSlack || param > ge::kTwoPi + kAngleSlack) return Acad::eInvalidInput;
  dist = std::clamp(param, 0.0, ge::kTwoPi) * radius_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getParamAtDist(double dist, double& param) const {
  double length = circumference();
  if (dist < -kAngleSlack * radius_ || dist > length + kAngleSlack * radius_)
    return Acad::eInvalidInput;
  param = std::clamp(dist / radius_, 0.0, ge::kTwoPi);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getFirstDeriv(double param, AcGeVector3d& deriv) const {
  if (param < -kAngleSlack || param > ge::kTwoPi + kAngleSlack) return Acad::eInvalidInput;
  deriv = CircleFrame(center_, normal_, radius_).derivative(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                                bool) const {
  CircleFrame frame(center_, normal_, radius_);
  closest = frame.at(frame.angleOf(given));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const {
  // Circles run counter-clockwise about their normal: their right side is the outside.
  double radius = radius_ + distance;
  if (!(radius > 0.0)) return Acad::eInvalidOffset;
  auto* circle = new AcDbCircle(center_, normal_, radius);
  circle->setPropertiesFrom(this);
  circle->thickness_ = thickness_;
  curves.append(circle);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getArea(double& area) const {
  area = ge::kPi * radius_ * radius_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  CircleFrame frame(center_, normal_, radius_);
  entgeom::addArcExtents(extents, center_, frame.x, frame.y, radius_, 0.0, ge::kTwoPi);
  addExtruded(extents, normal_, thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::transformBy(const AcGeMatrix3d& transform) {
  return transformCircleMembers(this, transform, center_, normal_, radius_, thickness_, nullptr,
                                nullptr);
}

Acad::ErrorStatus AcDbCircle::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  writeCircleLevel(filer, center_, normal_, radius_, thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::dxfInFields(AcDbDxfFiler* filer) {
  CircleLevelReader level{center_, fileCenter_, centerRead_, normal_, radius_, thickness_};
  return level.readFields(this, filer);
}

bool AcDbCircle::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  CircleLevelReader level{center_, fileCenter_, centerRead_, normal_, radius_, thickness_};
  return level.readItem(item) || AcDbCurve::dxfInItem(filer, item);
}

// AcDbArc.

AcDbArc::AcDbArc() = default;

AcDbArc::AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle)
    : center_(center),
      radius_(radius),
      startAngle_(ge::normalizeAngle(startAngle)),
      endAngle_(ge::normalizeAngle(endAngle)) {}

AcDbArc::AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius,
                 double startAngle, double endAngle)
    : center_(center),
      normal_(entgeom::unitNormal(normal)),
      radius_(radius),
      startAngle_(ge::normalizeAngle(startAngle)),
      endAngle_(ge::normalizeAngle(endAngle)) {}

Acad::ErrorStatus AcDbArc::setRadius(double radius) {
  if (!(radius > 0.0)) return Acad::eInvalidInput;
  return assignMember(radius_, radius);
}

Acad::ErrorStatus AcDbArc::setStartAngle(double angle) {
  return assignMember(startAngle_, ge::normalizeAngle(angle));
}

Acad::ErrorStatus AcDbArc::setEndAngle(double angle) {
  return assignMember(endAngle_, ge::normalizeAngle(angle));
}

double AcDbArc::totalAngle() const {
  double sweep = ge::normalizeAngle(endAngle_ - startAngle_);
  return sweep == 0.0 ? ge::kTwoPi : sweep;
}

Acad::ErrorStatus AcDbArc::getStartParam(double& param) const {
  param = startAngle_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getEndParam(double& param) const {
  param = startAngle_ + totalAngle();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getStartPoint(AcGePoint3d& point) const {
  point = CircleFrame(center_, normal_, radius_).at(startAngle_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getEndPoint(AcGePoint3d& point) const {
  point = CircleFrame(center_, normal_, radius_).at(endAngle_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getPointAtParam(double param, AcGePoint3d& point) const {
  if (outsideSweep(param, startAngle_, totalAngle())) return Acad::eInvalidInput;
  point = CircleFrame(center_, normal_, radius_).at(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  CircleFrame frame(center_, normal_, radius_);
  if (frame.offCircle(point) > frame.tolerance()) return Acad::eInvalidInput;
  double offset = ge::normalizeAngle(frame.angleOf(point) - startAngle_);
  double angularTol = frame.tolerance() / radius_;
  if (offset > totalAngle() + angularTol) {
    // Just before the start, within tolerance, is the start.
    if (ge::kTwoPi - offset > angularTol) return Acad::eInvalidInput;
    offset = 0.0;
  }
  param = startAngle_ + std::min(offset, totalAngle());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getDistAtParam(double param, double& dist) const {
  if (outsideSweep(param, startAngle_, totalAngle())) return Acad::eInvalidInput;
  dist = std::clamp(param - startAngle_, 0.0, totalAngle()) * radius_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getParamAtDist(double dist, double& param) const {
  if (dist < -kAngleSlack * radius_ || dist > length() + kAngleSlack * radius_)
    return Acad::eInvalidInput;
  param = startAngle_ + std::clamp(dist / radius_, 0.0, totalAngle());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getFirstDeriv(double param, AcGeVector3d& deriv) const {
  if (outsideSweep(param, startAngle_, totalAngle())) return Acad::eInvalidInput;
  deriv = CircleFrame(center_, normal_, radius_).derivative(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                             bool extend) const {
  CircleFrame frame(center_, normal_, radius_);
  double angle = frame.angleOf(given);
  double offset = ge::normalizeAngle(angle - startAngle_);
  if (extend || offset <= totalAngle()) {
    closest = frame.at(angle);
    return Acad::eOk;
  }
  AcGePoint3d start = frame.at(startAngle_), end = frame.at(endAngle_);
  closest = given.distanceTo(start) <= given.distanceTo(end) ? start : end;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const {
  // Arcs turn counter-clockwise: to the right of travel is away from the centre.
  double radius = radius_ + distance;
  if (!(radius > 0.0)) return Acad::eInvalidOffset;
  auto* arc = new AcDbArc(center_, normal_, radius, startAngle_, endAngle_);
  arc->setPropertiesFrom(this);
  arc->thickness_ = thickness_;
  curves.append(arc);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getArea(double& area) const {
  double sweep = totalAngle();
  area = radius_ * radius_ * (sweep - std::sin(sweep)) / 2.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  CircleFrame frame(center_, normal_, radius_);
  entgeom::addArcExtents(extents, center_, frame.x, frame.y, radius_, startAngle_, totalAngle());
  addExtruded(extents, normal_, thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::transformBy(const AcGeMatrix3d& transform) {
  CircleFrame frame(center_, normal_, radius_);
  AcGePoint3d start = frame.at(startAngle_), end = frame.at(endAngle_);
  Acad::ErrorStatus es =
      transformCircleMembers(this, transform, center_, normal_, radius_, thickness_, &start, &end);
  if (es != Acad::eOk) return es;
  CircleFrame moved(center_, normal_, radius_);
  startAngle_ = moved.angleOf(start);
  endAngle_ = moved.angleOf(end);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  writeCircleLevel(filer, center_, normal_, radius_, thickness_);
  filer->writeString(100, L"AcDbArc");
  entfile::writeAngle(filer, 50, startAngle_);
  entfile::writeAngle(filer, 51, endAngle_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::dxfInFields(AcDbDxfFiler* filer) {
  CircleLevelReader level{center_, fileCenter_, centerRead_, normal_, radius_, thickness_};
  return level.readFields(this, filer);
}

bool AcDbArc::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  CircleLevelReader level{center_, fileCenter_, centerRead_, normal_, radius_, thickness_};
  return level.readItem(item) ||
         entfile::readField(
             item, {Field::reducedAngle(50, startAngle_), Field::reducedAngle(51, endAngle_)}) ||
         AcDbCurve::dxfInItem(filer, item);
}
