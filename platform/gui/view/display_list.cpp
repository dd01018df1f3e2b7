#include "view/display_list.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbmtext.h"
#include "db/dbpl.h"
#include "db/dbproxy.h"
#include "db/dbsymtb.h"
#include "view/aci_palette.h"
#include "view/hatch_outline.h"

namespace gui {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Nested block references deeper than this are not drawn (a block that holds itself).
constexpr int kMaxDepth = 16;
// Segments of a full circle; arcs take their share, at least two.
constexpr int kCircleSegments = 72;
constexpr int kByBlock = 0;
constexpr int kByLayer = 256;

// An object opened for read, closed when it goes out of scope.
template <class T>
class Opened {
 public:
  explicit Opened(AcDbObjectId id) {
    if (acdbOpenObject(object_, id, AcDb::kForRead) != Acad::eOk) object_ = nullptr;
  }
  ~Opened() {
    if (object_ != nullptr) object_->close();
  }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;
  T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  T* object_ = nullptr;
};

QPointF plan(const AcGeMatrix3d& transform, const AcGePoint3d& point) {
  AcGePoint3d p = transform * point;
  return QPointF(p.x, p.y);
}

// The layer an entity shows with, and whether it shows at all.
struct LayerLook {
  bool visible = true;
  int color = 7;
  AcDbObjectId id;
};

LayerLook layerOf(const AcDbEntity* entity, const DrawContext& context) {
  LayerLook look;
  look.id = entity->layerId();
  if (!context.inheritedLayer.isNull()) {
    Opened<AcDbLayerTableRecord> own(look.id);
    const ACHAR* name = nullptr;
    if (!own || (own->getName(name) == Acad::eOk && name != nullptr && std::wstring(name) == L"0"))
      look.id = context.inheritedLayer;
  }
  Opened<AcDbLayerTableRecord> layer(look.id);
  if (layer) {
    look.visible = !layer->isOff() && !layer->isFrozen();
    look.color = std::abs(layer->colorIndex());
  }
  return look;
}

int colorOf(const AcDbEntity* entity, const LayerLook& layer, const DrawContext& context) {
  int index = entity->colorIndex();
  if (index == kByLayer) return layer.color;
  if (index == kByBlock) return context.byBlockColor;
  return index;
}

// Builds the strokes and snaps of one entity.
class Emitter {
 public:
  Emitter(const DrawContext& context, QRgb color, std::vector<Stroke>& strokes,
          std::vector<SnapPoint>* snaps)
      : context_(context), color_(color), strokes_(strokes), snaps_(snaps) {}

  void snap(SnapPoint::Kind kind, const AcGePoint3d& at) {
    if (snaps_ != nullptr) snaps_->push_back({kind, plan(context_.transform, at)});
  }

  Stroke& polyline(std::vector<AcGePoint3d> points, bool closed, double width = 0.0) {
    Stroke stroke;
    stroke.color = color_;
    stroke.closed = closed;
    stroke.width = width;
    stroke.points.reserve(points.size());
    for (const AcGePoint3d& p : points) stroke.points.push_back(plan(context_.transform, p));
    strokes_.push_back(std::move(stroke));
    return strokes_.back();
  }

  // Points along an arc of the plan (radians, counter-clockwise from start through sweep).
  static void arcPoints(const AcGePoint3d& center, double radius, double start, double sweep,
                        std::vector<AcGePoint3d>& out) {
    int n = std::max(2, static_cast<int>(std::ceil(std::abs(sweep) / (2.0 * kPi) * kCircleSegments)));
    // Each point is the last one turned by the step: one sine and cosine per arc, not per point
    // (a drawing of circles spends most of its display list there otherwise).
    double stepCos = std::cos(sweep / n), stepSin = std::sin(sweep / n);
    double dx = radius * std::cos(start), dy = radius * std::sin(start);
    out.reserve(out.size() + n + 1);
    for (int i = 0; i <= n; ++i) {
      out.emplace_back(center.x + dx, center.y + dy, center.z);
      double nx = dx * stepCos - dy * stepSin;
      dy = dx * stepSin + dy * stepCos;
      dx = nx;
    }
  }

  void text(const AcGePoint3dArray& corners, const std::wstring& contents) {
    if (corners.length() < 4 || contents.empty()) return;
    Stroke stroke;
    stroke.kind = Stroke::kText;
    stroke.color = color_;
    for (int i = 0; i < 4; ++i) stroke.points.push_back(plan(context_.transform, corners[i]));
    stroke.text = QString::fromStdWString(contents);
    strokes_.push_back(std::move(stroke));
  }

  void point(const AcGePoint3d& at) {
    Stroke stroke;
    stroke.kind = Stroke::kPoint;
    stroke.color = color_;
    stroke.points.push_back(plan(context_.transform, at));
    strokes_.push_back(std::move(stroke));
    snap(SnapPoint::kNode, at);
  }

  const DrawContext& context() const { return context_; }

 private:
  const DrawContext& context_;
  QRgb color_;
  std::vector<Stroke>& strokes_;
  std::vector<SnapPoint>* snaps_;
};

void emitArc(Emitter& out, const AcGePoint3d& center, double radius, double start, double end) {
  double sweep = end - start;
  while (sweep <= 0.0) sweep += 2.0 * kPi;
  std::vector<AcGePoint3d> points;
  Emitter::arcPoints(center, radius, start, sweep, points);
  out.polyline(points, false);
  out.snap(SnapPoint::kEnd, points.front());
  out.snap(SnapPoint::kEnd, points.back());
  double middle = start + sweep / 2.0;
  out.snap(SnapPoint::kMiddle, AcGePoint3d(center.x + radius * std::cos(middle),
                                           center.y + radius * std::sin(middle), center.z));
  out.snap(SnapPoint::kCenter, center);
}

// The points of one polyline segment from a to b with a bulge (tan of a quarter of the sweep).
void bulgeSegment(const AcGePoint3d& a, const AcGePoint3d& b, double bulge, Emitter& out,
                  std::vector<AcGePoint3d>& points) {
  if (std::abs(bulge) < 1e-12 || a.isEqualTo(b)) {
    points.push_back(b);
    out.snap(SnapPoint::kMiddle, AcGePoint3d((a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2));
    return;
  }
  double sweep = 4.0 * std::atan(bulge);
  double chord = std::hypot(b.x - a.x, b.y - a.y);
  double radius = chord / (2.0 * std::sin(std::abs(sweep) / 2.0));
  // The centre lies on the chord's perpendicular through its middle, (chord / 2) cot(sweep / 2)
  // to the left (negative: to the right).
  double mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
  double ux = (b.x - a.x) / chord, uy = (b.y - a.y) / chord;
  double offset = chord / 2.0 * (1.0 - bulge * bulge) / (2.0 * bulge);
  AcGePoint3d center(mx - uy * offset, my + ux * offset, a.z);
  double start = std::atan2(a.y - center.y, a.x - center.x);
  std::vector<AcGePoint3d> arc;
  Emitter::arcPoints(center, radius, start, sweep, arc);
  points.insert(points.end(), arc.begin() + 1, arc.end());
  points.back() = b;
  double middle = start + sweep / 2.0;
  out.snap(SnapPoint::kMiddle, AcGePoint3d(center.x + radius * std::cos(middle),
                                           center.y + radius * std::sin(middle), a.z));
  out.snap(SnapPoint::kCenter, center);
}

void emitPolyline(const AcDbPolyline* pline, Emitter& out) {
  unsigned int n = pline->numVerts();
  if (n == 0) return;
  bool closed = pline->isClosed() && n > 2;
  unsigned int segments = closed ? n : n - 1;
  std::vector<AcGePoint3d> all;
  AcGePoint3d first;
  pline->getPointAt(0, first);
  all.push_back(first);
  bool widths = pline->hasWidth();
  for (unsigned int i = 0; i < n; ++i) {
    AcGePoint3d p;
    pline->getPointAt(i, p);
    out.snap(SnapPoint::kEnd, p);
  }
  for (unsigned int i = 0; i < segments; ++i) {
    AcGePoint3d a, b;
    double bulge = 0.0;
    pline->getPointAt(i, a);
    pline->getPointAt((i + 1) % n, b);
    pline->getBulgeAt(i, bulge);
    if (widths) {
      // A wide segment is one stroke of its mean width.
      double startWidth = 0.0, endWidth = 0.0;
      pline->getWidthsAt(i, startWidth, endWidth);
      std::vector<AcGePoint3d> piece{a};
      bulgeSegment(a, b, bulge, out, piece);
      out.polyline(piece, false, (startWidth + endWidth) / 2.0);
    } else {
      bulgeSegment(a, b, bulge, out, all);
    }
  }
  if (!widths) {
    if (closed) all.pop_back();
    out.polyline(all, closed);
  }
}

// Curves without a drawing of their own (old-style polylines, splines...): points along their
// parameter, the points of whole parameters being vertices.
void emitCurve(const AcDbCurve* curve, Emitter& out) {
  double start = 0.0, end = 0.0;
  if (curve->getStartParam(start) != Acad::eOk || curve->getEndParam(end) != Acad::eOk) return;
  if (!std::isfinite(start) || !std::isfinite(end) || end <= start) return;
  int steps = std::clamp(static_cast<int>(std::ceil(end - start)) * 16, 16, 4096);
  std::vector<AcGePoint3d> points;
  for (int i = 0; i <= steps; ++i) {
    AcGePoint3d p;
    if (curve->getPointAtParam(start + (end - start) * i / steps, p) == Acad::eOk) points.push_back(p);
  }
  if (points.size() < 2) return;
  for (double v = std::ceil(start); v <= end; v += 1.0) {
    AcGePoint3d p;
    if (curve->getPointAtParam(v, p) == Acad::eOk) out.snap(SnapPoint::kEnd, p);
  }
  out.polyline(points, false);
}

void emitFace(const AcDbFace* face, Emitter& out) {
  AcGePoint3d corners[4];
  for (Adesk::UInt16 i = 0; i < 4; ++i) {
    face->getVertexAt(i, corners[i]);
    out.snap(SnapPoint::kEnd, corners[i]);
  }
  for (Adesk::UInt16 i = 0; i < 4; ++i) {
    bool visible = true;
    face->isEdgeVisibleAt(i, visible);
    if (visible && !corners[i].isEqualTo(corners[(i + 1) % 4]))
      out.polyline({corners[i], corners[(i + 1) % 4]}, false);
  }
}

void emitText(const AcDbText* text, Emitter& out) {
  AcGePoint3dArray corners;
  if (text->getBoundingPoints(corners) == Acad::eOk) out.text(corners, text->textStringConst());
  out.snap(SnapPoint::kInsertion, text->position());
}

void emitMText(const AcDbMText* mtext, Emitter& out) {
  // Each laid-out line in its own box (BL, BR, TR, TL), without its formatting codes.
  auto line = [](AcDbMTextFragment* fragment, void* param) {
    AcGeVector3d along = fragment->direction * fragment->extents.x;
    AcGeVector3d up = fragment->normal.crossProduct(fragment->direction) * fragment->extents.y;
    AcGePoint3dArray corners;
    corners.append(fragment->location);
    corners.append(fragment->location + along);
    corners.append(fragment->location + along + up);
    corners.append(fragment->location + up);
    static_cast<Emitter*>(param)->text(corners, fragment->text);
    return 1;
  };
  mtext->explodeFragments(line, &out);
  out.snap(SnapPoint::kInsertion, mtext->location());
}

void emitHatch(const AcDbProxyEntity* proxy, Emitter& out) {
  for (const HatchLoop& loop : hatchOutline(proxy->items())) {
    std::vector<AcGePoint3d> points;
    for (const QPointF& p : loop.points) points.emplace_back(p.x(), p.y(), 0.0);
    if (points.size() >= 2) out.polyline(points, loop.closed);
  }
}

void emitBlockReference(const AcDbBlockReference* reference, Emitter& out, const LayerLook& layer,
                        int color, std::vector<Stroke>& strokes, std::vector<SnapPoint>* snaps) {
  out.snap(SnapPoint::kInsertion, reference->position());
  if (out.context().depth >= kMaxDepth) return;
  DrawContext inner;
  inner.transform = out.context().transform * reference->blockTransform();
  inner.byBlockColor = color;
  inner.inheritedLayer = layer.id;
  inner.depth = out.context().depth + 1;
  Opened<AcDbBlockTableRecord> block(reference->blockTableRecord());
  if (block) {
    AcDbBlockTableRecordIterator* raw = nullptr;
    if (block->newIterator(raw) == Acad::eOk) {
      std::unique_ptr<AcDbBlockTableRecordIterator> it(raw);
      for (; !it->done(); it->step()) {
        AcDbObjectId id;
        it->getEntityId(id);
        Opened<AcDbEntity> entity(id);
        // Attribute definitions show in the block's own editing only; the references show
        // their attributes.
        if (entity && !AcDbAttributeDefinition::cast(entity.get()))
          appendEntity(entity.get(), inner, strokes, nullptr);
      }
    }
  }
  // Attributes are already in world coordinates; they take the reference's ByBlock colour.
  DrawContext attributes = out.context();
  attributes.byBlockColor = color;
  std::unique_ptr<AcDbObjectIterator> it(reference->attributeIterator());
  for (; it && !it->done(); it->step()) {
    AcDbObjectId id = it->objectId();
    if (id.isNull()) {
      if (const AcDbEntity* follower = it->entity()) appendEntity(follower, attributes, strokes, snaps);
      continue;
    }
    Opened<AcDbEntity> attribute(id);
    if (attribute) appendEntity(attribute.get(), attributes, strokes, snaps);
  }
}

}  // namespace

void appendEntity(const AcDbEntity* entity, const DrawContext& context, std::vector<Stroke>& strokes,
                  std::vector<SnapPoint>* snaps) {
  if (entity == nullptr || entity->visibility() == AcDb::kInvisible) return;
  LayerLook layer = layerOf(entity, context);
  if (!layer.visible) return;
  int color = colorOf(entity, layer, context);
  Emitter out(context, aciColor(color).rgb(), strokes, snaps);
  if (auto* line = AcDbLine::cast(entity)) {
    out.polyline({line->startPoint(), line->endPoint()}, false);
    out.snap(SnapPoint::kEnd, line->startPoint());
    out.snap(SnapPoint::kEnd, line->endPoint());
    AcGePoint3d a = line->startPoint(), b = line->endPoint();
    out.snap(SnapPoint::kMiddle, AcGePoint3d((a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2));
  } else if (auto* arc = AcDbArc::cast(entity)) {
    emitArc(out, arc->center(), arc->radius(), arc->startAngle(), arc->endAngle());
  } else if (auto* circle = AcDbCircle::cast(entity)) {
    std::vector<AcGePoint3d> points;
    Emitter::arcPoints(circle->center(), circle->radius(), 0.0, 2.0 * kPi, points);
    points.pop_back();
    out.polyline(points, true);
    out.snap(SnapPoint::kCenter, circle->center());
  } else if (auto* pline = AcDbPolyline::cast(entity)) {
    emitPolyline(pline, out);
  } else if (auto* attribute = AcDbAttribute::cast(entity)) {
    if (!attribute->isInvisible()) emitText(attribute, out);
  } else if (AcDbAttributeDefinition::cast(entity)) {
    // Shown by the references to the block, as their attributes.
  } else if (auto* text = AcDbText::cast(entity)) {
    emitText(text, out);
  } else if (auto* mtext = AcDbMText::cast(entity)) {
    emitMText(mtext, out);
  } else if (auto* point = AcDbPoint::cast(entity)) {
    out.point(point->position());
  } else if (auto* face = AcDbFace::cast(entity)) {
    emitFace(face, out);
  } else if (auto* reference = AcDbBlockReference::cast(entity)) {
    emitBlockReference(reference, out, layer, color, strokes, snaps);
  } else if (auto* proxy = AcDbProxyEntity::cast(entity)) {
    if (std::string(proxy->originalDxfName()) == "HATCH") emitHatch(proxy, out);
  } else if (auto* curve = AcDbCurve::cast(entity)) {
    if (!AcDbRay::cast(entity) && !AcDbXline::cast(entity)) emitCurve(curve, out);
  }
}

QRectF strokeBounds(const std::vector<Stroke>& strokes) {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool any = false;
  for (const Stroke& s : strokes) {
    double pad = s.width / 2.0;
    for (const QPointF& p : s.points) {
      if (!any) {
        x0 = x1 = p.x();
        y0 = y1 = p.y();
        any = true;
      }
      x0 = std::min(x0, p.x() - pad);
      x1 = std::max(x1, p.x() + pad);
      y0 = std::min(y0, p.y() - pad);
      y1 = std::max(y1, p.y() + pad);
    }
  }
  if (!any) return QRectF();
  return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

void DisplayList::fill(DisplayItem& item) const {
  item.strokes.clear();
  item.snaps.clear();
  item.bounds = QRectF();
  Opened<AcDbEntity> entity(item.id);  // erased entities do not open: they draw nothing
  if (!entity) return;
  appendEntity(entity.get(), DrawContext(), item.strokes, &item.snaps);
  item.bounds = strokeBounds(item.strokes);
  if (item.bounds.isNull() && !item.snaps.empty()) item.bounds = QRectF(item.snaps.front().at, QSizeF(0, 0));
}

void DisplayList::build(AcDbDatabase* database) {
  items_.clear();
  indexOfId_.clear();
  database_ = database;
  if (database != nullptr) {
    Opened<AcDbBlockTableRecord> space(database->modelSpaceId());
    AcDbBlockTableRecordIterator* raw = nullptr;
    if (space && space->newIterator(raw) == Acad::eOk) {
      std::unique_ptr<AcDbBlockTableRecordIterator> it(raw);
      items_.reserve(space->entityIds().size());
      indexOfId_.reserve(space->entityIds().size());
      for (; !it->done(); it->step()) {
        DisplayItem item;
        it->getEntityId(item.id);
        fill(item);
        indexOfId_.emplace(item.id, static_cast<uint32_t>(items_.size()));
        items_.push_back(std::move(item));
      }
    }
  }
  recomputeExtents();
}

ItemChange DisplayList::redraw(AcDbObjectId id) {
  ItemChange change;
  auto [at, isNew] = indexOfId_.emplace(id, static_cast<uint32_t>(items_.size()));
  if (isNew) {
    items_.emplace_back().id = id;
  } else {
    change.showedBefore = items_[at->second].shows();
    change.before = items_[at->second].bounds;
  }
  change.index = at->second;
  fill(items_[change.index]);
  return change;
}

void DisplayList::recomputeExtents() {
  extents_ = QRectF();
  for (const DisplayItem& item : items_) {
    if (!item.shows()) continue;
    extents_ = extents_.isNull() ? item.bounds : extents_.united(item.bounds);
  }
}

long DisplayList::indexOf(AcDbObjectId id) const {
  auto found = indexOfId_.find(id);
  return found == indexOfId_.end() ? -1 : static_cast<long>(found->second);
}

}  // namespace gui
