// A triangulated terrain surface with a uniform grid over its plan extents: each cell lists the
// triangles whose bounding boxes overlap it, so an elevation lookup tests a handful of triangles
// and a profile visits only the cells its segment crosses.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ge/gepnt3d.h"

namespace terrain {

struct Triangle {
  AcGePoint3d a, b, c;
};

class TinSurface {
 public:
  // Triangles with no plan area (vertical, or with aligned corners) or with coordinates that are
  // not finite are left out; degenerateCount() tells how many.
  void build(const std::vector<Triangle>& triangles);

  size_t triangleCount() const { return triangles_.size(); }
  size_t degenerateCount() const { return degenerate_; }

  // The elevation under (x, y); false off the surface. Where triangles overlap in plan, the
  // highest one is the ground.
  bool elevationAt(double x, double y, double& z) const;

  // The surface under the segment from -> to, as polylines (one per stretch over the surface), with
  // a vertex at both ends of each stretch and wherever the segment crosses a triangle edge.
  std::vector<std::vector<AcGePoint3d>> profile(const AcGePoint3d& from,
                                                const AcGePoint3d& to) const;

 private:
  struct Plan {  // a triangle: its corners in plan and their elevations
    double x[3], y[3];
    double z[3];
  };
  bool cellOf(double x, double y, int& cx, int& cy) const;
  const uint32_t* cellBegin(int cx, int cy) const;
  const uint32_t* cellEnd(int cx, int cy) const;
  bool elevationIn(const Plan& t, double x, double y, double& z) const;
  void crossings(const Plan& t, const AcGePoint3d& from, double dx, double dy,
                 std::vector<std::pair<double, double>>& samples) const;

  std::vector<Plan> triangles_;
  size_t degenerate_ = 0;
  double minX_ = 0, minY_ = 0, cell_ = 1;
  int nx_ = 0, ny_ = 0;
  std::vector<uint32_t> cellStart_;  // nx*ny + 1 offsets into cellItems_
  std::vector<uint32_t> cellItems_;
  mutable std::vector<uint32_t> visitStamp_;  // per triangle, for the profile walk
  mutable uint32_t stamp_ = 0;
};

}  // namespace terrain
