#include "view/spatial_grid.h"

#include <algorithm>
#include <cmath>

namespace gui {
namespace {
constexpr int kMaxSide = 1024;
// An item covering more cells than this goes to the list every query gives.
constexpr long kLargeCells = 256;
}  // namespace

void SpatialGrid::reset(const QRectF& area, size_t count) {
  area_ = area.isNull() ? QRectF(0, 0, 1, 1) : area;
  if (area_.width() <= 0) area_.setWidth(1.0);
  if (area_.height() <= 0) area_.setHeight(1.0);
  // About two items per cell, the cells about square.
  double cells = std::max<double>(1.0, static_cast<double>(count) / 2.0);
  double aspect = area_.width() / area_.height();
  columns_ = std::clamp(static_cast<int>(std::sqrt(cells * aspect)), 1, kMaxSide);
  rows_ = std::clamp(static_cast<int>(cells / columns_), 1, kMaxSide);
  cellWidth_ = area_.width() / columns_;
  cellHeight_ = area_.height() / rows_;
  cells_.assign(static_cast<size_t>(columns_) * rows_, {});
  large_.clear();
  seen_.clear();
}

void SpatialGrid::cellRange(const QRectF& r, int& x0, int& y0, int& x1, int& y1) const {
  auto column = [&](double x) {
    return std::clamp(static_cast<int>(std::floor((x - area_.left()) / cellWidth_)), 0, columns_ - 1);
  };
  auto row = [&](double y) {
    return std::clamp(static_cast<int>(std::floor((y - area_.top()) / cellHeight_)), 0, rows_ - 1);
  };
  QRectF n = r.normalized();
  x0 = column(n.left());
  x1 = column(n.right());
  y0 = row(n.top());
  y1 = row(n.bottom());
}

bool SpatialGrid::isLarge(int x0, int y0, int x1, int y1) const {
  return static_cast<long>(x1 - x0 + 1) * (y1 - y0 + 1) > kLargeCells;
}

void SpatialGrid::insert(uint32_t item, const QRectF& bounds) {
  if (seen_.size() <= item) seen_.resize(item + 1, 0);
  int x0, y0, x1, y1;
  cellRange(bounds, x0, y0, x1, y1);
  if (isLarge(x0, y0, x1, y1)) {
    large_.push_back(item);
    return;
  }
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) cells_[static_cast<size_t>(y) * columns_ + x].push_back(item);
}

void SpatialGrid::remove(uint32_t item, const QRectF& bounds) {
  auto drop = [item](std::vector<uint32_t>& list) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
  };
  int x0, y0, x1, y1;
  cellRange(bounds, x0, y0, x1, y1);
  if (isLarge(x0, y0, x1, y1)) {
    drop(large_);
    return;
  }
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) drop(cells_[static_cast<size_t>(y) * columns_ + x]);
}

std::vector<uint32_t> SpatialGrid::query(const QRectF& window) const {
  std::vector<uint32_t> found = large_;
  if (++stamp_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    stamp_ = 1;
  }
  for (uint32_t item : large_) seen_[item] = stamp_;
  int x0, y0, x1, y1;
  cellRange(window, x0, y0, x1, y1);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      for (uint32_t item : cells_[static_cast<size_t>(y) * columns_ + x]) {
        if (seen_[item] == stamp_) continue;
        seen_[item] = stamp_;
        found.push_back(item);
      }
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace gui
