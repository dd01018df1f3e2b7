// The view of a drawing: which part of model space the screen shows, the conversions between
// screen pixels and drawing units, zooms and regeneration. Each document keeps its own view
// (AcApDocument::viewState); a drawing given to the editor without a document (tests) has one too.
#pragma once
#include <vector>

#include "db/acadstrc.h"
#include "ge/gepnt2d.h"
#include "ge/gepnt3d.h"
#include "rx/acdocman.h"

class AcDbDatabase;

namespace ed {

// The screen of a new view (pixels).
inline constexpr int kDefaultScreenWidth = 1024;
inline constexpr int kDefaultScreenHeight = 768;
// How many placements ZOOM Précédent can go back.
inline constexpr size_t kPreviousViewCount = 10;
// Zoom extents leaves this fraction of the view's height around the drawing (half on each side).
inline constexpr double kExtentsMargin = 0.05;

// The model-space extents of a drawing (entities that cannot be read are left out); false when
// the drawing has nothing with extents. The drawing itself is not changed.
bool modelSpaceExtents(AcDbDatabase* database, AcGePoint3d& min, AcGePoint3d& max);
// The drawing limits (LIMMIN/LIMMAX, 2D; (0,0)-(12,9) when the drawing does not set them).
void drawingLimits(AcDbDatabase* database, AcGePoint2d& min, AcGePoint2d& max);

class View {
 public:
  View(AcApViewState& state, AcDbDatabase* database) : state_(&state), database_(database) {}

  // The view of the editor's current drawing, set up from the drawing on first use.
  static View current();
  // The view of a document, set up on first use.
  static View of(AcApDocument* document);

  AcGePoint3d center() const { return state_->placement.center; }
  double height() const { return state_->placement.height; }  // (drawing units)
  double width() const;                                        // (drawing units)
  int screenWidth() const { return state_->screenWidth; }
  int screenHeight() const { return state_->screenHeight; }
  // The size of one pixel in drawing units.
  double unitsPerPixel() const;

  // Pixels count from the upper-left corner of the screen, x to the right and y downwards; the
  // centre of the screen shows the view's centre.
  AcGePoint3d pixelToDrawing(double x, double y) const;
  AcGePoint2d drawingToPixel(const AcGePoint3d& point) const;
  // A screen of at least one pixel each way; the view keeps its centre and height.
  Acad::ErrorStatus setScreenSize(int width, int height);

  // Shows the window between two opposite corners (in any order), whole, at the screen's aspect.
  // eInvalidInput when the corners coincide.
  Acad::ErrorStatus zoomWindow(const AcGePoint3d& corner1, const AcGePoint3d& corner2);
  // Shows a box whole, with margin (a fraction of the height the box needs) around it.
  Acad::ErrorStatus zoomBox(const AcGePoint3d& min, const AcGePoint3d& max, double margin);
  // The drawing's extents with a margin; an empty drawing shows its limits.
  Acad::ErrorStatus zoomExtents();
  // The limits and the extents together (ZOOM Tout).
  Acad::ErrorStatus zoomAll();
  // A new centre and height (positive, drawing units).
  Acad::ErrorStatus zoomCenter(const AcGePoint3d& center, double height);
  // Magnifies the current view by factor (2: things look twice as large) about its centre.
  Acad::ErrorStatus zoomScale(double factor);
  // Magnifies relative to the limits: factor 1 shows the height of the limits.
  Acad::ErrorStatus zoomScaleLimits(double factor);
  // Goes back to the placement shown before the last zoom; eNotApplicable when there is none.
  Acad::ErrorStatus zoomPrevious();
  bool hasPrevious() const { return !state_->previous.empty(); }

  // Redraws from the drawing: the transient vectors are gone.
  void regen();
  // The placement a drawing opens with: its saved view (the active viewport record), else its
  // extents, else its limits. Forgets the previous views and the transient vectors.
  void resetToDrawing();

  const std::vector<AcApViewState::TransientVector>& transients() const {
    return state_->transients;
  }
  void addTransient(const AcApViewState::TransientVector& vector);
  void clearTransients() { state_->transients.clear(); }

  AcApViewState& state() const { return *state_; }
  AcDbDatabase* database() const { return database_; }

 private:
  // Moves to a new placement, remembering the current one for zoomPrevious. A zoom redraws.
  Acad::ErrorStatus place(const AcGePoint3d& center, double height);
  // The placement that shows a window whole, enlarged by margin (a fraction of the height).
  AcApViewState::Placement fit(const AcGePoint3d& min, const AcGePoint3d& max,
                               double margin) const;

  AcApViewState* state_;
  AcDbDatabase* database_;
};

// The transient vectors of the current view (acedGrDraw, acedGrVecs), oldest first.
const std::vector<AcApViewState::TransientVector>& transientVectors();

// Forgets the view of a drawing that has no document (the next use sets it up again from the
// drawing). Documents keep theirs.
void resetViewWithoutDocument();

}  // namespace ed
