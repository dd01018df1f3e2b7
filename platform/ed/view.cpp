// Zooms and conversions of a view. The width a view shows follows from its height and the
// screen's aspect, so a window is always shown whole.
#include "ed/view.h"

#include <algorithm>
#include <cmath>

#include "ed/view_drawing.h"

namespace ed {

namespace {

bool finitePoint(const AcGePoint3d& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

}  // namespace

double View::width() const {
  return height() * static_cast<double>(screenWidth()) / static_cast<double>(screenHeight());
}

double View::unitsPerPixel() const { return height() / static_cast<double>(screenHeight()); }

AcGePoint3d View::pixelToDrawing(double x, double y) const {
  double unit = unitsPerPixel();
  AcGePoint3d c = center();
  return AcGePoint3d(c.x + (x - screenWidth() / 2.0) * unit, c.y - (y - screenHeight() / 2.0) * unit,
                     0.0);
}

AcGePoint2d View::drawingToPixel(const AcGePoint3d& point) const {
  double unit = unitsPerPixel();
  AcGePoint3d c = center();
  return AcGePoint2d(screenWidth() / 2.0 + (point.x - c.x) / unit,
                     screenHeight() / 2.0 - (point.y - c.y) / unit);
}

Acad::ErrorStatus View::setScreenSize(int width, int height) {
  if (width < 1 || height < 1) return Acad::eInvalidInput;
  state_->screenWidth = width;
  state_->screenHeight = height;
  return Acad::eOk;
}

AcApViewState::Placement View::fit(const AcGePoint3d& min, const AcGePoint3d& max,
                                   double margin) const {
  AcApViewState::Placement placement;
  placement.center = AcGePoint3d((min.x + max.x) / 2.0, (min.y + max.y) / 2.0, 0.0);
  double aspect = static_cast<double>(screenWidth()) / static_cast<double>(screenHeight());
  double height = std::max(max.y - min.y, (max.x - min.x) / aspect);
  placement.height = height * (1.0 + margin);
  return placement;
}

Acad::ErrorStatus View::place(const AcGePoint3d& center, double height) {
  if (!finitePoint(center) || !std::isfinite(height) || height <= 0.0) return Acad::eInvalidInput;
  std::vector<AcApViewState::Placement>& previous = state_->previous;
  previous.push_back(state_->placement);
  if (previous.size() > kPreviousViewCount) previous.erase(previous.begin());
  state_->placement.center = AcGePoint3d(center.x, center.y, 0.0);
  state_->placement.height = height;
  clearTransients();
  return Acad::eOk;
}

Acad::ErrorStatus View::zoomWindow(const AcGePoint3d& corner1, const AcGePoint3d& corner2) {
  if (!finitePoint(corner1) || !finitePoint(corner2)) return Acad::eInvalidInput;
  AcGePoint3d min(std::min(corner1.x, corner2.x), std::min(corner1.y, corner2.y),
                  std::min(corner1.z, corner2.z));
  AcGePoint3d max(std::max(corner1.x, corner2.x), std::max(corner1.y, corner2.y),
                  std::max(corner1.z, corner2.z));
  if (max.x - min.x <= 0.0 && max.y - min.y <= 0.0) return Acad::eInvalidInput;
  AcApViewState::Placement placement = fit(min, max, 0.0);
  Acad::ErrorStatus es = place(placement.center, placement.height);
  if (es != Acad::eOk) return es;
  state_->zoomed = true;
  state_->windowMin = min;
  state_->windowMax = max;
  return Acad::eOk;
}

Acad::ErrorStatus View::zoomBox(const AcGePoint3d& min, const AcGePoint3d& max, double margin) {
  if (!finitePoint(min) || !finitePoint(max) || !std::isfinite(margin) || margin < 0.0) {
    return Acad::eInvalidInput;
  }
  AcApViewState::Placement placement = fit(min, max, margin);
  // A single point, or things all at one place: keep the height, centre on them.
  if (placement.height <= 0.0) placement.height = height();
  return place(placement.center, placement.height);
}

Acad::ErrorStatus View::zoomExtents() {
  AcGePoint3d min, max;
  if (!modelSpaceExtents(database_, min, max)) return zoomAll();
  return zoomBox(min, max, kExtentsMargin);
}

Acad::ErrorStatus View::zoomAll() {
  AcGePoint2d low, high;
  drawingLimits(database_, low, high);
  AcGePoint3d min(std::min(low.x, high.x), std::min(low.y, high.y), 0.0);
  AcGePoint3d max(std::max(low.x, high.x), std::max(low.y, high.y), 0.0);
  AcGePoint3d extMin, extMax;
  if (modelSpaceExtents(database_, extMin, extMax)) {
    min.set(std::min(min.x, extMin.x), std::min(min.y, extMin.y), 0.0);
    max.set(std::max(max.x, extMax.x), std::max(max.y, extMax.y), 0.0);
  }
  AcApViewState::Placement placement = fit(min, max, 0.0);
  if (placement.height <= 0.0) placement.height = height();
  return place(placement.center, placement.height);
}

Acad::ErrorStatus View::zoomCenter(const AcGePoint3d& newCenter, double newHeight) {
  return place(newCenter, newHeight);
}

Acad::ErrorStatus View::zoomScale(double factor) {
  if (!std::isfinite(factor) || factor <= 0.0) return Acad::eInvalidInput;
  return place(center(), height() / factor);
}

Acad::ErrorStatus View::zoomScaleLimits(double factor) {
  if (!std::isfinite(factor) || factor <= 0.0) return Acad::eInvalidInput;
  AcGePoint2d low, high;
  drawingLimits(database_, low, high);
  AcApViewState::Placement limits =
      fit(AcGePoint3d(std::min(low.x, high.x), std::min(low.y, high.y), 0.0),
          AcGePoint3d(std::max(low.x, high.x), std::max(low.y, high.y), 0.0), 0.0);
  if (limits.height <= 0.0) return Acad::eInvalidInput;
  return place(center(), limits.height / factor);
}

Acad::ErrorStatus View::zoomPrevious() {
  std::vector<AcApViewState::Placement>& previous = state_->previous;
  if (previous.empty()) return Acad::eNotApplicable;
  state_->placement = previous.back();
  previous.pop_back();
  clearTransients();
  return Acad::eOk;
}

void View::regen() { clearTransients(); }

void View::resetToDrawing() {
  AcApViewState::Placement placement;
  if (!savedView(database_, placement)) {
    AcGePoint3d min, max;
    bool hasExtents = modelSpaceExtents(database_, min, max);
    if (hasExtents) placement = fit(min, max, kExtentsMargin);
    if (placement.height <= 0.0) {
      AcGePoint2d low, high;
      drawingLimits(database_, low, high);
      AcApViewState::Placement limits =
          fit(AcGePoint3d(std::min(low.x, high.x), std::min(low.y, high.y), 0.0),
              AcGePoint3d(std::max(low.x, high.x), std::max(low.y, high.y), 0.0), 0.0);
      // Entities all at one place: centred on them, as high as the limits.
      if (hasExtents) limits.center = placement.center;
      placement = limits;
    }
    if (placement.height <= 0.0) {
      // Degenerate limits: the view of the default limits.
      placement.center = AcGePoint3d(6.0, 4.5, 0.0);
      placement.height = 9.0;
    }
  }
  state_->placement = placement;
  state_->previous.clear();
  state_->transients.clear();
  state_->initialized = true;
}

void View::addTransient(const AcApViewState::TransientVector& vector) {
  state_->transients.push_back(vector);
}

}  // namespace ed
