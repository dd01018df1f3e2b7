// AcDbSpline. The curve itself is evaluated by the geometry library's NURBS curve
// (ge/genurb3d.h), which also makes the control points of splines given by fit points only.
#include <algorithm>
#include <cmath>

#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/dbspline.h"
#include "db/ent_fields.h"
#include "db/ent_support.h"
#include "ge/gebbnd3d.h"
#include "ge/gemat3d.h"
#include "ge/genurb3d.h"
#include "ge/gevc3dar.h"

ACRX_DEFINE_MEMBERS(AcDbSpline, AcDbCurve, "SPLINE");

namespace {

enum SplineFlags { kClosed = 1, kPeriodic = 2, kRational = 4, kPlanar = 8, kLinear = 16 };

AcGePoint3dArray toArray(const std::vector<AcGePoint3d>& points) {
  AcGePoint3dArray out;
  for (const AcGePoint3d& p : points) out.append(p);
  return out;
}

AcGeDoubleArray toArray(const std::vector<double>& values) {
  AcGeDoubleArray out;
  for (double v : values) out.append(v);
  return out;
}

// The curve of a spline's control data.
AcGeNurbCurve3d curveOf(int degree, const std::vector<double>& knots,
                        const std::vector<AcGePoint3d>& points, const std::vector<double>& weights,
                        bool periodic) {
  AcGeKnotVector kv(toArray(knots));
  if (weights.empty()) return AcGeNurbCurve3d(degree, kv, toArray(points), periodic);
  return AcGeNurbCurve3d(degree, kv, toArray(points), toArray(weights), periodic);
}

double curveTolerance(const std::vector<AcGePoint3d>& points) {
  double m = 1.0;
  for (const AcGePoint3d& p : points)
    m = std::max({m, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
  return 1e-9 * m;
}

}  // namespace

AcDbSpline::AcDbSpline() = default;

AcDbSpline::AcDbSpline(const AcGePoint3dArray& fitPoints, int order, double fitTolerance)
    : degree_(std::clamp(order - 1, 1, 25)), fitTolerance_(fitTolerance) {
  for (const AcGePoint3d& p : fitPoints) fitPoints_.push_back(p);
  computeFromFit();
}

AcDbSpline::AcDbSpline(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                       const AcGeVector3d& endTangent, int order, double fitTolerance)
    : degree_(std::clamp(order - 1, 1, 25)),
      startTangent_(startTangent),
      endTangent_(endTangent),
      fitTolerance_(fitTolerance),
      tangentsGiven_(true) {
  for (const AcGePoint3d& p : fitPoints) fitPoints_.push_back(p);
  computeFromFit();
}

AcDbSpline::AcDbSpline(int degree, bool rational, bool closed, bool periodic,
                       const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
                       const AcGeDoubleArray& weights, double controlPointTolerance,
                       double knotTolerance) {
  setNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights,
               controlPointTolerance, knotTolerance);
}

void AcDbSpline::computeFromFit() {
  controlPoints_.clear();
  knots_.clear();
  weights_.clear();
  controlFromFit_ = true;
  if (fitPoints_.size() < 2) return;
  bool startDefined = tangentsGiven_ && !startTangent_.isZeroLength();
  bool endDefined = tangentsGiven_ && !endTangent_.isZeroLength();
  AcGeNurbCurve3d curve(toArray(fitPoints_), startTangent_, endTangent_, startDefined, endDefined);
  int degree = 0;
  bool rational = false, periodic = false;
  AcGeKnotVector knots;
  AcGePoint3dArray points;
  AcGeDoubleArray weights;
  curve.getDefinitionData(degree, rational, periodic, knots, points, weights);
  degree_ = degree;
  for (int i = 0; i < knots.length(); ++i) knots_.push_back(knots[i]);
  for (const AcGePoint3d& p : points) controlPoints_.push_back(p);
  flags_ &= ~kRational;
  updatePlanarity();
}

void AcDbSpline::updatePlanarity() {
  const std::vector<AcGePoint3d>& pts = controlPoints_.empty() ? fitPoints_ : controlPoints_;
  flags_ &= ~(kPlanar | kLinear);
  if (pts.size() < 2) return;
  double tol = curveTolerance(pts);
  AcGeVector3d axis;
  for (const AcGePoint3d& p : pts) {
    if (p.distanceTo(pts.front()) > tol) {
      axis = (p - pts.front()).normal();
      break;
    }
  }
  if (axis.isZeroLength()) return;
  AcGeVector3d normal;
  for (const AcGePoint3d& p : pts) {
    AcGeVector3d n = axis.crossProduct(p - pts.front());
    if (n.length() > tol) {
      normal = n.normal();
      break;
    }
  }
  if (normal.isZeroLength()) {
    flags_ |= kPlanar | kLinear;
    return;
  }
  for (const AcGePoint3d& p : pts) {
    if (std::fabs((p - pts.front()).dotProduct(normal)) > tol) return;
  }
  // Keep the normal pointing the way the given one did (Z for plan drawings).
  if (normal.dotProduct(normal_) < 0.0) normal = -normal;
  normal_ = normal;
  flags_ |= kPlanar;
}

bool AcDbSpline::isNull() const { return controlPoints_.empty() && fitPoints_.empty(); }

bool AcDbSpline::isClosed() const {
  if (flags_ & (kClosed | kPeriodic)) return true;
  if (controlPoints_.empty()) return false;
  AcGeNurbCurve3d curve = curveOf(degree_, knots_, controlPoints_, weights_, isPeriodic());
  return curve.startPoint().distanceTo(curve.endPoint()) <= curveTolerance(controlPoints_);
}

int AcDbSpline::numControlPoints() const { return static_cast<int>(controlPoints_.size()); }

Acad::ErrorStatus AcDbSpline::getControlPointAt(int index, AcGePoint3d& point) const {
  if (index < 0 || index >= numControlPoints()) return Acad::eInvalidIndex;
  point = controlPoints_[static_cast<size_t>(index)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setControlPointAt(int index, const AcGePoint3d& point) {
  if (index < 0 || index >= numControlPoints()) return Acad::eInvalidIndex;
  assertWriteEnabled();
  controlPoints_[static_cast<size_t>(index)] = point;
  // The curve no longer passes through its fit points.
  fitPoints_.clear();
  controlFromFit_ = false;
  updatePlanarity();
  return Acad::eOk;
}

double AcDbSpline::weightAt(int index) const {
  if (index < 0 || index >= static_cast<int>(weights_.size())) return 1.0;
  return weights_[static_cast<size_t>(index)];
}

Acad::ErrorStatus AcDbSpline::setWeightAt(int index, double weight) {
  if (index < 0 || index >= numControlPoints()) return Acad::eInvalidIndex;
  if (!(weight > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  if (weights_.empty()) weights_.assign(controlPoints_.size(), 1.0);
  weights_[static_cast<size_t>(index)] = weight;
  flags_ |= kRational;
  fitPoints_.clear();
  controlFromFit_ = false;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getNurbsData(int& degree, bool& rational, bool& closed,
                                           bool& periodic, AcGePoint3dArray& controlPoints,
                                           AcGeDoubleArray& knots, AcGeDoubleArray& weights,
                                           double& controlPointTolerance,
                                           double& knotTolerance) const {
  degree = degree_;
  rational = isRational();
  closed = isClosed();
  periodic = isPeriodic();
  controlPoints = toArray(controlPoints_);
  knots = toArray(knots_);
  weights = toArray(weights_);
  controlPointTolerance = controlTolerance_;
  knotTolerance = knotTolerance_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setNurbsData(int degree, bool rational, bool closed, bool periodic,
                                           const AcGePoint3dArray& controlPoints,
                                           const AcGeDoubleArray& knots,
                                           const AcGeDoubleArray& weights,
                                           double controlPointTolerance, double knotTolerance) {
  if (degree < 1 || controlPoints.length() < degree + 1 ||
      knots.length() != controlPoints.length() + degree + 1) {
    return Acad::eInvalidInput;
  }
  if (rational && weights.length() != controlPoints.length()) return Acad::eInvalidInput;
  assertWriteEnabled();
  degree_ = degree;
  controlPoints_.assign(controlPoints.begin(), controlPoints.end());
  knots_.assign(knots.begin(), knots.end());
  weights_.clear();
  if (rational) weights_.assign(weights.begin(), weights.end());
  flags_ = (closed ? kClosed : 0) | (periodic ? kPeriodic : 0) | (rational ? kRational : 0);
  controlTolerance_ = controlPointTolerance;
  knotTolerance_ = knotTolerance;
  fitPoints_.clear();
  controlFromFit_ = false;
  updatePlanarity();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFitPointAt(int index, AcGePoint3d& point) const {
  if (index < 0 || index >= numFitPoints()) return Acad::eInvalidIndex;
  point = fitPoints_[static_cast<size_t>(index)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setFitPointAt(int index, const AcGePoint3d& point) {
  if (index < 0 || index >= numFitPoints()) return Acad::eInvalidIndex;
  assertWriteEnabled();
  fitPoints_[static_cast<size_t>(index)] = point;
  computeFromFit();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFitData(AcGePoint3dArray& fitPoints, int& degree,
                                         double& fitTolerance, bool& tangentsExist,
                                         AcGeVector3d& startTangent,
                                         AcGeVector3d& endTangent) const {
  if (fitPoints_.empty()) return Acad::eNotApplicable;
  fitPoints = toArray(fitPoints_);
  degree = degree_;
  fitTolerance = fitTolerance_;
  tangentsExist = tangentsGiven_;
  startTangent = startTangent_;
  endTangent = endTangent_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setFitData(const AcGePoint3dArray& fitPoints, int degree,
                                         double fitTolerance, const AcGeVector3d& startTangent,
                                         const AcGeVector3d& endTangent) {
  if (fitPoints.length() < 2) return Acad::eInvalidInput;
  assertWriteEnabled();
  fitPoints_.assign(fitPoints.begin(), fitPoints.end());
  degree_ = std::clamp(degree, 1, 25);
  fitTolerance_ = fitTolerance;
  startTangent_ = startTangent;
  endTangent_ = endTangent;
  tangentsGiven_ = !startTangent.isZeroLength() || !endTangent.isZeroLength();
  flags_ &= ~(kRational | kPeriodic);
  computeFromFit();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFitTangents(AcGeVector3d& startTangent,
                                             AcGeVector3d& endTangent) const {
  if (fitPoints_.empty()) return Acad::eNotApplicable;
  startTangent = startTangent_;
  endTangent = endTangent_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::purgeFitData() {
  assertWriteEnabled();
  fitPoints_.clear();
  tangentsGiven_ = false;
  controlFromFit_ = false;
  return Acad::eOk;
}

// Curve queries.

// Splines without control points (fewer than two fit points) have no curve.
#define SPLINE_CURVE_OR_FAIL()                                  \
  if (controlPoints_.empty()) return Acad::eDegenerateGeometry; \
  AcGeNurbCurve3d curve = curveOf(degree_, knots_, controlPoints_, weights_, isPeriodic())

Acad::ErrorStatus AcDbSpline::getStartParam(double& param) const {
  SPLINE_CURVE_OR_FAIL();
  param = curve.startParam();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getEndParam(double& param) const {
  SPLINE_CURVE_OR_FAIL();
  param = curve.endParam();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getStartPoint(AcGePoint3d& point) const {
  SPLINE_CURVE_OR_FAIL();
  point = curve.startPoint();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getEndPoint(AcGePoint3d& point) const {
  SPLINE_CURVE_OR_FAIL();
  point = curve.endPoint();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getPointAtParam(double param, AcGePoint3d& point) const {
  SPLINE_CURVE_OR_FAIL();
  double slack = 1e-10 * std::max(1.0, std::fabs(curve.endParam()));
  if (param < curve.startParam() - slack || param > curve.endParam() + slack)
    return Acad::eInvalidInput;
  point = curve.evalPoint(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  SPLINE_CURVE_OR_FAIL();
  double u = curve.paramOf(point);
  if (curve.evalPoint(u).distanceTo(point) > 1e3 * curveTolerance(controlPoints_))
    return Acad::eInvalidInput;
  param = u;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getDistAtParam(double param, double& dist) const {
  SPLINE_CURVE_OR_FAIL();
  double slack = 1e-10 * std::max(1.0, std::fabs(curve.endParam()));
  if (param < curve.startParam() - slack || param > curve.endParam() + slack)
    return Acad::eInvalidInput;
  dist = curve.length(curve.startParam(), param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getParamAtDist(double dist, double& param) const {
  SPLINE_CURVE_OR_FAIL();
  double total = curve.length();
  double tol = curveTolerance(controlPoints_);
  if (dist < -tol || dist > total + tol) return Acad::eInvalidInput;
  // Length grows with the parameter: bisection to the parameter's resolution.
  double lo = curve.startParam(), hi = curve.endParam();
  for (int i = 0; i < 200 && hi - lo > 1e-14 * std::max(1.0, std::fabs(hi)); ++i) {
    double mid = (lo + hi) / 2.0;
    if (curve.length(curve.startParam(), mid) < dist) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  param = (lo + hi) / 2.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFirstDeriv(double param, AcGeVector3d& deriv) const {
  SPLINE_CURVE_OR_FAIL();
  AcGeVector3dArray derivs;
  curve.evalPoint(param, 1, derivs);
  if (derivs.isEmpty()) return Acad::eInvalidInput;
  deriv = derivs[0];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                                bool) const {
  SPLINE_CURVE_OR_FAIL();
  closest = curve.closestPointTo(given);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getArea(double& area) const {
  SPLINE_CURVE_OR_FAIL();
  // The polygon of close samples, closed by its chord (Newell's formula on its plane).
  AcGePoint3dArray points;
  AcGeDoubleArray params;
  curve.getSamplePoints(curve.startParam(), curve.endParam(), curveTolerance(controlPoints_) * 10.0,
                        points, params);
  AcGeVector3d newell;
  for (int i = 0; i < points.length(); ++i) {
    const AcGePoint3d& a = points[i];
    const AcGePoint3d& b = points[(i + 1) % points.length()];
    newell += AcGeVector3d((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x),
                           (a.x - b.x) * (a.y + b.y));
  }
  area = newell.length() / 2.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  SPLINE_CURVE_OR_FAIL();
  AcGePoint3d lo, hi;
  curve.orthoBoundBlock().getMinMaxPoints(lo, hi);
  extents.addPoint(lo);
  extents.addPoint(hi);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::transformBy(const AcGeMatrix3d& transform) {
  assertWriteEnabled();
  for (AcGePoint3d& p : controlPoints_) p = transform * p;
  for (AcGePoint3d& p : fitPoints_) p = transform * p;
  startTangent_ = transform * startTangent_;
  endTangent_ = transform * endTangent_;
  AcGeVector3d n = transform * normal_;
  if (!n.isZeroLength()) normal_ = n.normal();
  updatePlanarity();
  return Acad::eOk;
}

// Group codes.

Acad::ErrorStatus AcDbSpline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  bool every = entfile::writesEveryField(filer);
  // Control points derived from fit points are not written: readers derive them again.
  bool writeControl = !controlFromFit_ || every;
  filer->writeString(100, L"AcDbSpline");
  if (isPlanar() || every) filer->writeVector3d(210, normal_);
  filer->writeInt16(70, flags_);
  filer->writeInt16(71, degree_);
  filer->writeInt16(72, writeControl ? static_cast<int>(knots_.size()) : 0);
  filer->writeInt16(73, writeControl ? static_cast<int>(controlPoints_.size()) : 0);
  filer->writeInt16(74, static_cast<int>(fitPoints_.size()));
  filer->writeDouble(42, knotTolerance_);
  filer->writeDouble(43, controlTolerance_);
  if (!fitPoints_.empty()) {
    filer->writeDouble(44, fitTolerance_);
    if (tangentsGiven_) {
      filer->writeVector3d(12, startTangent_);
      filer->writeVector3d(13, endTangent_);
    }
  }
  if (writeControl) {
    for (double k : knots_) filer->writeDouble(40, k);
    for (double w : weights_) filer->writeDouble(41, w);
    for (const AcGePoint3d& p : controlPoints_) filer->writePoint3d(10, p);
  }
  for (const AcGePoint3d& p : fitPoints_) filer->writePoint3d(11, p);
  if (every) filer->writeInt16(290, controlFromFit_ ? 1 : 0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::dxfInFields(AcDbDxfFiler* filer) {
  controlPoints_.clear();
  knots_.clear();
  weights_.clear();
  fitPoints_.clear();
  tangentsGiven_ = false;
  controlFromFit_ = false;
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  bool copiedFromFit = controlFromFit_;
  if (!weights_.empty()) flags_ |= kRational;
  bool usable = !controlPoints_.empty() && knots_.size() == controlPoints_.size() + degree_ + 1;
  if (!usable && fitPoints_.size() >= 2) {
    computeFromFit();
  } else {
    controlFromFit_ = copiedFromFit;
    updatePlanarity();
  }
  return es;
}

bool AcDbSpline::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 71:
      degree_ = std::clamp(entfile::intOf(item), 1, 25);
      return true;
    case 72:
    case 73:
    case 74:
      return true;  // counts: the lists tell
    case 40:
      knots_.push_back(entfile::realOf(item));
      return true;
    case 41:
      weights_.push_back(entfile::realOf(item));
      return true;
    case 10:
      controlPoints_.push_back(entfile::pointOf(item));
      return true;
    case 11:
      fitPoints_.push_back(entfile::pointOf(item));
      return true;
    case 290:
      controlFromFit_ = entfile::intOf(item) != 0;
      return true;
    default:
      return entfile::readField(
                 item, {Field::normal(210, normal_), Field::integer(70, flags_),
                        Field::real(42, knotTolerance_), Field::real(43, controlTolerance_),
                        Field::real(44, fitTolerance_),
                        Field::vector(12, startTangent_).flagging(tangentsGiven_),
                        Field::vector(13, endTangent_).flagging(tangentsGiven_)}) ||
             AcDbCurve::dxfInItem(filer, item);
  }
}
