// A uniform grid over the items' extents: which items may show in a window of the drawing,
// without looking at every item. Items larger than a good share of the grid are kept apart
// and always given.
#pragma once
#include <QRectF>
#include <cstdint>
#include <vector>

namespace gui {

class SpatialGrid {
 public:
  // A grid over area sized for about count items.
  void reset(const QRectF& area, size_t count);
  void insert(uint32_t item, const QRectF& bounds);
  // Takes an item out; bounds are those it was inserted with.
  void remove(uint32_t item, const QRectF& bounds);
  // Whether the grid's area holds a rectangle (items outside it all fall in the border cells).
  bool covers(const QRectF& r) const { return area_.contains(r.normalized()); }
  // The items whose bounds may meet window, in increasing order, each once.
  std::vector<uint32_t> query(const QRectF& window) const;
  size_t cellCount() const { return cells_.size(); }

 private:
  // The cells covering a rectangle, clamped to the grid: items and windows outside it meet in
  // the border cells.
  void cellRange(const QRectF& r, int& x0, int& y0, int& x1, int& y1) const;
  bool isLarge(int x0, int y0, int x1, int y1) const;

  QRectF area_;
  int columns_ = 1, rows_ = 1;
  double cellWidth_ = 1.0, cellHeight_ = 1.0;
  std::vector<std::vector<uint32_t>> cells_;
  std::vector<uint32_t> large_;
  mutable std::vector<uint32_t> seen_;  // the query's stamp of each item
  mutable uint32_t stamp_ = 0;
};

}  // namespace gui
