// The curve queries of polylines, on their geometry as a path: a 2D bulge path in the plane of a
// normal at an elevation (lightweight and 2D polylines), or a chain of 3D points (3D polylines).
// Both follow the host's polyline parameters: vertex index plus the fraction of the segment.
#pragma once
#include <vector>

#include "db/acadstrc.h"
#include "db/dbentity.h"
#include "ge/bulge_path.h"
#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"

class AcDbExtents;

class PlanarPathCurve {
 public:
  PlanarPathCurve(ge::BulgePath path, const AcGeVector3d& normal, double elevation);

  const ge::BulgePath& path() const { return path_; }
  const AcGeVector3d& normal() const { return normal_; }
  double elevation() const { return elevation_; }
  AcGePoint3d toWorld(const AcGePoint2d& point) const;
  AcGeVector3d toWorld(const AcGeVector2d& vector) const;
  // Coordinates in the plane; z is the height above the plane's elevation.
  AcGePoint3d toPlane(const AcGePoint3d& point) const;

  Acad::ErrorStatus startParam(double& param) const;
  Acad::ErrorStatus endParam(double& param) const;
  Acad::ErrorStatus startPoint(AcGePoint3d& point) const;
  Acad::ErrorStatus endPoint(AcGePoint3d& point) const;
  Acad::ErrorStatus pointAtParam(double param, AcGePoint3d& point) const;
  Acad::ErrorStatus paramAtPoint(const AcGePoint3d& point, double& param) const;
  Acad::ErrorStatus distAtParam(double param, double& dist) const;
  Acad::ErrorStatus paramAtDist(double dist, double& param) const;
  Acad::ErrorStatus firstDeriv(double param, AcGeVector3d& deriv) const;
  // The nearest point of the curve to a point of space (the nearest to its projection on the
  // plane, lifted to the plane).
  Acad::ErrorStatus closestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                   bool extend) const;
  Acad::ErrorStatus area(double& value) const;
  void addExtents(AcDbExtents& extents) const;

 private:
  ge::BulgePath path_;
  AcGeVector3d normal_;
  double elevation_;
};

class PointChainCurve {
 public:
  PointChainCurve(std::vector<AcGePoint3d> points, bool closed);

  int numSegments() const;
  const std::vector<AcGePoint3d>& points() const { return points_; }
  bool isClosed() const { return closed_; }
  Acad::ErrorStatus startParam(double& param) const;
  Acad::ErrorStatus endParam(double& param) const;
  Acad::ErrorStatus startPoint(AcGePoint3d& point) const;
  Acad::ErrorStatus endPoint(AcGePoint3d& point) const;
  Acad::ErrorStatus pointAtParam(double param, AcGePoint3d& point) const;
  Acad::ErrorStatus paramAtPoint(const AcGePoint3d& point, double& param) const;
  Acad::ErrorStatus distAtParam(double param, double& dist) const;
  Acad::ErrorStatus paramAtDist(double dist, double& param) const;
  Acad::ErrorStatus firstDeriv(double param, AcGeVector3d& deriv) const;
  Acad::ErrorStatus closestPointTo(const AcGePoint3d& given, AcGePoint3d& closest,
                                   bool extend) const;
  // Area of a closed planar chain (of an open one closed by its chord); eNonPlanarEntity otherwise.
  Acad::ErrorStatus area(double& value) const;

 private:
  const AcGePoint3d& vertex(int i) const {
    return points_[static_cast<size_t>(i) % points_.size()];
  }
  double tolerance() const;

  std::vector<AcGePoint3d> points_;
  bool closed_;
};

class AcDbPolyline;
class AcDb2dPolyline;
class AcDb3dPolyline;

// The geometry of each polyline kind (2D and 3D polylines leave out their spline frame's control
// vertices, which are not on the curve).
PlanarPathCurve planarCurveOf(const AcDbPolyline& polyline);
PlanarPathCurve planarCurveOf(const AcDb2dPolyline& polyline);
PointChainCurve pointChainOf(const AcDb3dPolyline& polyline);

// Defines the curve queries of a polyline kind (those ACDB_DECLARE_CURVE_QUERIES declares, and
// getArea) as the queries of its geometry, curveOf(*this).
#define DEFINE_POLYLINE_CURVE_QUERIES(Class, curveOf)                                        \
  Acad::ErrorStatus Class::getStartParam(double& param) const {                              \
    return curveOf(*this).startParam(param);                                                 \
  }                                                                                          \
  Acad::ErrorStatus Class::getEndParam(double& param) const {                                \
    return curveOf(*this).endParam(param);                                                   \
  }                                                                                          \
  Acad::ErrorStatus Class::getStartPoint(AcGePoint3d& point) const {                         \
    return curveOf(*this).startPoint(point);                                                 \
  }                                                                                          \
  Acad::ErrorStatus Class::getEndPoint(AcGePoint3d& point) const {                           \
    return curveOf(*this).endPoint(point);                                                   \
  }                                                                                          \
  Acad::ErrorStatus Class::getPointAtParam(double param, AcGePoint3d& point) const {         \
    return curveOf(*this).pointAtParam(param, point);                                        \
  }                                                                                          \
  Acad::ErrorStatus Class::getParamAtPoint(const AcGePoint3d& point, double& param) const {  \
    return curveOf(*this).paramAtPoint(point, param);                                        \
  }                                                                                          \
  Acad::ErrorStatus Class::getDistAtParam(double param, double& dist) const {                \
    return curveOf(*this).distAtParam(param, dist);                                          \
  }                                                                                          \
  Acad::ErrorStatus Class::getParamAtDist(double dist, double& param) const {                \
    return curveOf(*this).paramAtDist(dist, param);                                          \
  }                                                                                          \
  Acad::ErrorStatus Class::getFirstDeriv(double param, AcGeVector3d& deriv) const {          \
    return curveOf(*this).firstDeriv(param, deriv);                                          \
  }                                                                                          \
  Acad::ErrorStatus Class::getClosestPointTo(const AcGePoint3d& given, AcGePoint3d& closest, \
                                             bool extend) const {                            \
    return curveOf(*this).closestPointTo(given, closest, extend);                            \
  }                                                                                          \
  Acad::ErrorStatus Class::getArea(double& area) const { return curveOf(*this).area(area); }
