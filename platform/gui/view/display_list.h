// The display list: model space turned once into what the view draws (strokes in drawing units,
// with their resolved colours), one item per top-level entity, with the points object snaps go to.
#pragma once
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QRgb>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "db/dbid.h"
#include "ge/gemat3d.h"

class AcDbDatabase;
class AcDbEntity;

namespace gui {

// One thing to draw, in drawing units (plan: x, y).
struct Stroke {
  enum Kind { kPolyline, kText, kPoint };
  Kind kind = kPolyline;
  QRgb color = 0xffffffff;
  bool closed = false;
  double width = 0.0;            // polylines: the width in drawing units (0: one pixel)
  std::vector<QPointF> points;   // polylines: the vertices; texts: box corners BL, BR, TR, TL
  QString text;
};

// A point an object snap can go to.
struct SnapPoint {
  enum Kind { kEnd, kMiddle, kCenter, kInsertion, kNode };
  Kind kind = kEnd;
  QPointF at;
};

struct DisplayItem {
  AcDbObjectId id;
  QRectF bounds;  // of the strokes, drawing units
  std::vector<Stroke> strokes;
  std::vector<SnapPoint> snaps;
  // An item with nothing to draw or snap to (an erased entity, one on a layer that is off)
  // keeps its place in the drawing order but is not in the spatial index.
  bool shows() const { return !strokes.empty() || !snaps.empty(); }
};

// What drawing one entity again changed in the list.
struct ItemChange {
  uint32_t index = 0;
  bool showedBefore = false;
  QRectF before;  // the item's bounds before, when it showed
};

// How one entity is drawn: where it lies (block transform), the colour ByBlock gives, and the
// layer that entities on layer "0" of a block take from their reference.
struct DrawContext {
  AcGeMatrix3d transform;
  int byBlockColor = 7;
  AcDbObjectId inheritedLayer;  // null at the top level
  int depth = 0;
};

// Adds what an entity draws (and, when snaps is given, where its snaps are) to strokes. Entities
// on layers off or frozen draw nothing. The entity may be outside any database (a dragged one).
void appendEntity(const AcDbEntity* entity, const DrawContext& context, std::vector<Stroke>& strokes,
                  std::vector<SnapPoint>* snaps);

// The bounds of strokes (null rectangle when there is none).
QRectF strokeBounds(const std::vector<Stroke>& strokes);

class DisplayList {
 public:
  // Model space of the database, from scratch: one item per entity, in the drawing order.
  void build(AcDbDatabase* database);
  // Draws an entity of model space again: its item takes what the entity draws now (nothing once
  // it is erased); an entity new to the list gets an item at the end, after all others, as it
  // comes last in model space.
  // The extents are left as they were: recomputeExtents after the redraws of a change.
  ItemChange redraw(AcDbObjectId id);
  void recomputeExtents();

  const std::vector<DisplayItem>& items() const { return items_; }
  // Index of the item of an entity, -1 when it has none.
  long indexOf(AcDbObjectId id) const;
  QRectF extents() const { return extents_; }
  AcDbDatabase* database() const { return database_; }

 private:
  void fill(DisplayItem& item) const;

  AcDbDatabase* database_ = nullptr;
  std::vector<DisplayItem> items_;
  std::unordered_map<AcDbObjectId, uint32_t> indexOfId_;
  QRectF extents_;
};

}  // namespace gui
