#include "tin_surface.h"

#include <algorithm>
#include <cmath>

namespace terrain {
namespace {

// The grid aims at about two triangles per cell and never exceeds this many cells per triangle.
constexpr double kCellsPerTriangle = 0.5;
constexpr int kMaxCellsPerSide = 8192;
// Relative tolerance of the inside test, so that a point on a shared edge finds a triangle.
constexpr double kInsideTolerance = 1e-12;

double planArea2(const double* x, const double* y) {
  return (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
}

bool finite(const AcGePoint3d& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

}  // namespace

void TinSurface::build(const std::vector<Triangle>& triangles) {
  triangles_.clear();
  degenerate_ = 0;
  triangles_.reserve(triangles.size());
  double maxX = -INFINITY, maxY = -INFINITY;
  minX_ = INFINITY;
  minY_ = INFINITY;
  for (const Triangle& t : triangles) {
    const Plan p{{t.a.x, t.b.x, t.c.x}, {t.a.y, t.b.y, t.c.y}, {t.a.z, t.b.z, t.c.z}};
    const double area = planArea2(p.x, p.y);
    const double size = std::max({std::fabs(p.x[1] - p.x[0]), std::fabs(p.x[2] - p.x[0]),
                                  std::fabs(p.y[1] - p.y[0]), std::fabs(p.y[2] - p.y[0])});
    if (!finite(t.a) || !finite(t.b) || !finite(t.c) || !(std::fabs(area) > 1e-12 * size * size)) {
      ++degenerate_;
      continue;
    }
    triangles_.push_back(p);
    for (int i = 0; i < 3; ++i) {
      minX_ = std::min(minX_, p.x[i]);
      minY_ = std::min(minY_, p.y[i]);
      maxX = std::max(maxX, p.x[i]);
      maxY = std::max(maxY, p.y[i]);
    }
  }
  cellStart_.clear();
  cellItems_.clear();
  visitStamp_.assign(triangles_.size(), 0);
  stamp_ = 0;
  nx_ = ny_ = 0;
  if (triangles_.empty()) return;

  const double width = std::max(maxX - minX_, 1e-9);
  const double height = std::max(maxY - minY_, 1e-9);
  cell_ = std::sqrt(width * height / (kCellsPerTriangle * triangles_.size()));
  cell_ = std::max({cell_, width / kMaxCellsPerSide, height / kMaxCellsPerSide});
  nx_ = std::max(1, static_cast<int>(std::ceil(width / cell_)));
  ny_ = std::max(1, static_cast<int>(std::ceil(height / cell_)));
  nx_ = std::min(nx_, kMaxCellsPerSide);
  ny_ = std::min(ny_, kMaxCellsPerSide);

  // Two passes: count the triangles of each cell, then fill them in (compressed rows).
  auto cellRange = [&](const Plan& p, int& x0, int& x1, int& y0, int& y1) {
    const double lowX = std::min({p.x[0], p.x[1], p.x[2]}), highX = std::max({p.x[0], p.x[1], p.x[2]});
    const double lowY = std::min({p.y[0], p.y[1], p.y[2]}), highY = std::max({p.y[0], p.y[1], p.y[2]});
    x0 = std::clamp(static_cast<int>((lowX - minX_) / cell_), 0, nx_ - 1);
    x1 = std::clamp(static_cast<int>((highX - minX_) / cell_), 0, nx_ - 1);
    y0 = std::clamp(static_cast<int>((lowY - minY_) / cell_), 0, ny_ - 1);
    y1 = std::clamp(static_cast<int>((highY - minY_) / cell_), 0, ny_ - 1);
  };
  cellStart_.assign(static_cast<size_t>(nx_) * ny_ + 1, 0);
  for (const Plan& p : triangles_) {
    int x0, x1, y0, y1;
    cellRange(p, x0, x1, y0, y1);
    for (int cy = y0; cy <= y1; ++cy)
      for (int cx = x0; cx <= x1; ++cx) ++cellStart_[static_cast<size_t>(cy) * nx_ + cx + 1];
  }
  for (size_t i = 1; i < cellStart_.size(); ++i) cellStart_[i] += cellStart_[i - 1];
  cellItems_.resize(cellStart_.back());
  std::vector<uint32_t> fill(cellStart_.begin(), cellStart_.end() - 1);
  for (uint32_t index = 0; index < triangles_.size(); ++index) {
    int x0, x1, y0, y1;
    cellRange(triangles_[index], x0, x1, y0, y1);
    for (int cy = y0; cy <= y1; ++cy)
      for (int cx = x0; cx <= x1; ++cx) cellItems_[fill[static_cast<size_t>(cy) * nx_ + cx]++] = index;
  }
}

bool TinSurface::cellOf(double x, double y, int& cx, int& cy) const {
  if (nx_ == 0 || !std::isfinite(x) || !std::isfinite(y)) return false;
  const double fx = (x - minX_) / cell_;
  const double fy = (y - minY_) / cell_;
  // A point on the far border belongs to the last cell.
  if (fx < -1e-9 || fy < -1e-9 || fx > nx_ + 1e-9 || fy > ny_ + 1e-9) return false;
  cx = std::clamp(static_cast<int>(fx), 0, nx_ - 1);
  cy = std::clamp(static_cast<int>(fy), 0, ny_ - 1);
  return true;
}

const uint32_t* TinSurface::cellBegin(int cx, int cy) const {
  return cellItems_.data() + cellStart_[static_cast<size_t>(cy) * nx_ + cx];
}

const uint32_t* TinSurface::cellEnd(int cx, int cy) const {
  return cellItems_.data() + cellStart_[static_cast<size_t>(cy) * nx_ + cx + 1];
}

bool TinSurface::elevationIn(const Plan& t, double x, double y, double& z) const {
  const double area = planArea2(t.x, t.y);
  const double w0 = ((t.x[1] - x) * (t.y[2] - y) - (t.x[2] - x) * (t.y[1] - y)) / area;
  const double w1 = ((t.x[2] - x) * (t.y[0] - y) - (t.x[0] - x) * (t.y[2] - y)) / area;
  const double w2 = 1.0 - w0 - w1;
  if (w0 < -kInsideTolerance || w1 < -kInsideTolerance || w2 < -kInsideTolerance) return false;
  z = w0 * t.z[0] + w1 * t.z[1] + w2 * t.z[2];
  return true;
}

bool TinSurface::elevationAt(double x, double y, double& z) const {
  int cx, cy;
  if (!cellOf(x, y, cx, cy)) return false;
  bool found = false;
  for (const uint32_t* i = cellBegin(cx, cy); i != cellEnd(cx, cy); ++i) {
    double candidate;
    if (elevationIn(triangles_[*i], x, y, candidate) && (!found || candidate > z)) {
      z = candidate;
      found = true;
    }
  }
  return found;
}

// Where the segment from + t (dx, dy) crosses the triangle's edges: (t, elevation) pairs.
void TinSurface::crossings(const Plan& t, const AcGePoint3d& from, double dx, double dy,
                           std::vector<std::pair<double, double>>& samples) const {
  for (int e = 0; e < 3; ++e) {
    const int f = (e + 1) % 3;
    const double ex = t.x[f] - t.x[e];
    const double ey = t.y[f] - t.y[e];
    const double det = dx * ey - dy * ex;
    if (det == 0.0) continue;  // parallel: the neighbouring edges give the crossing points
    const double wx = t.x[e] - from.x;
    const double wy = t.y[e] - from.y;
    const double along = (wx * ey - wy * ex) / det;  // on the segment
    const double onEdge = (wx * dy - wy * dx) / det;  // on the edge
    if (along < 0.0 || along > 1.0 || onEdge < 0.0 || onEdge > 1.0) continue;
    samples.emplace_back(along, t.z[e] + onEdge * (t.z[f] - t.z[e]));
  }
}

std::vector<std::vector<AcGePoint3d>> TinSurface::profile(const AcGePoint3d& from,
                                                          const AcGePoint3d& to) const {
  std::vector<std::vector<AcGePoint3d>> result;
  if (nx_ == 0 || !finite(from) || !finite(to)) return result;
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  std::vector<std::pair<double, double>> samples;
  for (double t : {0.0, 1.0}) {
    double z;
    if (elevationAt(from.x + t * dx, from.y + t * dy, z)) samples.emplace_back(t, z);
  }
  if (++stamp_ == 0) {  // the stamps wrapped round: start them again
    std::fill(visitStamp_.begin(), visitStamp_.end(), 0);
    stamp_ = 1;
  }
  // Where the segment runs over each triangle, so that the stretches over the surface follow
  // without looking the surface up again.
  std::vector<std::pair<double, double>> covered;
  auto visit = [&](int cx, int cy) {
    for (const uint32_t* i = cellBegin(cx, cy); i != cellEnd(cx, cy); ++i) {
      if (visitStamp_[*i] == stamp_) continue;
      visitStamp_[*i] = stamp_;
      const Plan& triangle = triangles_[*i];
      const size_t first = samples.size();
      crossings(triangle, from, dx, dy, samples);
      double z;
      const bool startInside = elevationIn(triangle, from.x, from.y, z);
      const bool endInside = elevationIn(triangle, to.x, to.y, z);
      double low = startInside ? 0.0 : INFINITY;
      double high = endInside ? 1.0 : -INFINITY;
      for (size_t k = first; k < samples.size(); ++k) {
        low = std::min(low, samples[k].first);
        high = std::max(high, samples[k].first);
      }
      if (startInside && endInside) low = 0.0, high = 1.0;
      if (low <= high) covered.emplace_back(low, high);
    }
  };
  // Walk the cells the segment crosses (Amanatides and Woo), clipped to the grid.
  const double length = std::hypot(dx, dy);
  double t0 = 0.0, t1 = 1.0;
  const double gx[2] = {minX_, minX_ + nx_ * cell_};
  const double gy[2] = {minY_, minY_ + ny_ * cell_};
  auto clip = [&](double p, double d, const double* range) {
    if (d == 0.0) return p >= range[0] && p <= range[1];
    double a = (range[0] - p) / d, b = (range[1] - p) / d;
    if (a > b) std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
    return t0 <= t1;
  };
  if (clip(from.x, dx, gx) && clip(from.y, dy, gy)) {
    const double sx = from.x + t0 * dx, sy = from.y + t0 * dy;
    int cx = std::clamp(static_cast<int>((sx - minX_) / cell_), 0, nx_ - 1);
    int cy = std::clamp(static_cast<int>((sy - minY_) / cell_), 0, ny_ - 1);
    const int stepX = dx > 0 ? 1 : -1, stepY = dy > 0 ? 1 : -1;
    const double deltaX = dx != 0.0 ? cell_ / std::fabs(dx) : INFINITY;
    const double deltaY = dy != 0.0 ? cell_ / std::fabs(dy) : INFINITY;
    double nextX = dx != 0.0 ? (minX_ + (cx + (dx > 0 ? 1 : 0)) * cell_ - from.x) / dx : INFINITY;
    double nextY = dy != 0.0 ? (minY_ + (cy + (dy > 0 ? 1 : 0)) * cell_ - from.y) / dy : INFINITY;
    const long maxSteps = static_cast<long>(nx_) + ny_ + 2;
    for (long step = 0; step <= maxSteps; ++step) {
      visit(cx, cy);
      if (length == 0.0 || std::min(nextX, nextY) > t1) break;
      if (nextX < nextY) {
        cx += stepX;
        nextX += deltaX;
      } else {
        cy += stepY;
        nextY += deltaY;
      }
      if (cx < 0 || cy < 0 || cx >= nx_ || cy >= ny_) break;
    }
  }

  // In order along the segment; where several triangles give the same place, the highest counts.
  std::sort(samples.begin(), samples.end());
  std::vector<std::pair<double, double>> merged;
  const double same = length > 0.0 ? 1e-9 / length : 1.0;
  for (const auto& s : samples) {
    if (!merged.empty() && s.first - merged.back().first <= same) {
      merged.back().second = std::max(merged.back().second, s.second);
    } else {
      merged.push_back(s);
    }
  }
  // The covered parts of the segment, merged; each is one stretch of the profile.
  std::sort(covered.begin(), covered.end());
  std::vector<std::pair<double, double>> stretches;
  for (const auto& c : covered) {
    if (!stretches.empty() && c.first <= stretches.back().second + same) {
      stretches.back().second = std::max(stretches.back().second, c.second);
    } else {
      stretches.push_back(c);
    }
  }
  std::vector<AcGePoint3d> stretch;
  size_t current = 0;
  for (const auto& sample : merged) {
    while (current + 1 < stretches.size() && sample.first > stretches[current].second + same) {
      if (!stretch.empty()) result.push_back(std::move(stretch));
      stretch.clear();
      ++current;
    }
    stretch.emplace_back(from.x + sample.first * dx, from.y + sample.first * dy, sample.second);
  }
  if (!stretch.empty()) result.push_back(std::move(stretch));
  return result;
}

}  // namespace terrain
