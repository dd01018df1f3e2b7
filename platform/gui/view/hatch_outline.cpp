#include "view/hatch_outline.h"

#include <cmath>

namespace gui {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kArcSegments = 48;  // per full turn

// Reads the items in order; codes that do not come where expected end the reading.
class Cursor {
 public:
  explicit Cursor(const DxfItemList& items) : items_(items) {}
  bool done() const { return at_ >= items_.size(); }
  const DxfItem* next(int code) {
    if (done() || items_[at_].code != code) return nullptr;
    return &items_[at_++];
  }
  // Skips to the next item of that code; false when there is none.
  bool seek(int code) {
    while (!done() && items_[at_].code != code) ++at_;
    return !done();
  }
  double real(int code, double fallback = 0.0) {
    const DxfItem* item = next(code);
    return item ? (item->kind == DxfKind::kReal ? item->real : static_cast<double>(item->integer)) : fallback;
  }
  long integer(int code, long fallback = 0) {
    const DxfItem* item = next(code);
    return item ? static_cast<long>(item->integer) : fallback;
  }
  bool point(int code, QPointF& p) {
    const DxfItem* item = next(code);
    if (!item) return false;
    p = QPointF(item->point[0], item->point[1]);
    return true;
  }

 private:
  const DxfItemList& items_;
  size_t at_ = 0;
};

void arc(std::vector<QPointF>& out, QPointF center, double radius, double start, double sweep) {
  int n = std::max(2, static_cast<int>(std::ceil(std::abs(sweep) / (2 * kPi) * kArcSegments)));
  for (int i = 0; i <= n; ++i) {
    double a = start + sweep * i / n;
    out.emplace_back(center.x() + radius * std::cos(a), center.y() + radius * std::sin(a));
  }
}

// The arc of a polyline path's bulge from a to b (points added after a).
void bulgeArc(std::vector<QPointF>& out, QPointF a, QPointF b, double bulge) {
  double chord = std::hypot(b.x() - a.x(), b.y() - a.y());
  if (std::abs(bulge) < 1e-12 || chord == 0.0) {
    out.push_back(b);
    return;
  }
  double sweep = 4.0 * std::atan(bulge);
  double offset = chord / 2.0 * (1.0 - bulge * bulge) / (2.0 * bulge);
  QPointF u((b.x() - a.x()) / chord, (b.y() - a.y()) / chord);
  QPointF center((a.x() + b.x()) / 2 - u.y() * offset, (a.y() + b.y()) / 2 + u.x() * offset);
  double radius = std::hypot(a.x() - center.x(), a.y() - center.y());
  std::vector<QPointF> points;
  arc(points, center, radius, std::atan2(a.y() - center.y(), a.x() - center.x()), sweep);
  out.insert(out.end(), points.begin() + 1, points.end());
}

bool polylinePath(Cursor& in, HatchLoop& loop) {
  bool bulges = in.integer(72) != 0;
  loop.closed = in.integer(73, 1) != 0;
  long count = in.integer(93);
  std::vector<std::pair<QPointF, double>> vertices;
  for (long i = 0; i < count; ++i) {
    QPointF p;
    if (!in.point(10, p)) return false;
    vertices.emplace_back(p, bulges ? in.real(42) : 0.0);
  }
  for (size_t i = 0; i < vertices.size(); ++i) {
    if (i == 0) {
      loop.points.push_back(vertices[0].first);
      continue;
    }
    bulgeArc(loop.points, vertices[i - 1].first, vertices[i].first, vertices[i - 1].second);
  }
  if (loop.closed && vertices.size() > 2) {
    bulgeArc(loop.points, vertices.back().first, vertices.front().first, vertices.back().second);
    loop.points.pop_back();
  }
  return true;
}

bool edgePath(Cursor& in, HatchLoop& loop) {
  long edges = in.integer(93);
  for (long e = 0; e < edges; ++e) {
    long type = in.integer(72);
    QPointF a, b;
    if (type == 1) {
      if (!in.point(10, a) || !in.point(11, b)) return false;
      if (loop.points.empty()) loop.points.push_back(a);
      loop.points.push_back(b);
    } else if (type == 2) {
      if (!in.point(10, a)) return false;
      double radius = in.real(40);
      double start = in.real(50) * kPi / 180.0;
      double end = in.real(51) * kPi / 180.0;
      bool ccw = in.integer(73, 1) != 0;
      double sweep = end - start;
      while (sweep <= 0) sweep += 2 * kPi;
      // Clockwise arcs give their angles measured clockwise.
      if (!ccw) start = -start, sweep = -sweep;
      arc(loop.points, a, radius, start, sweep);
    } else if (type == 3) {
      if (!in.point(10, a) || !in.point(11, b)) return false;
      loop.points.push_back(a + b);
    } else if (type == 4) {
      // A spline edge: through its control points.
      in.integer(94);
      in.integer(73);
      in.integer(74);
      long knots = in.integer(95);
      long controls = in.integer(96);
      for (long k = 0; k < knots; ++k) in.real(40);
      for (long c = 0; c < controls; ++c) {
        if (!in.point(10, a)) return false;
        loop.points.push_back(a);
        in.real(42);
      }
      long fits = in.integer(97);
      for (long f = 0; f < fits; ++f) in.point(11, a);
      in.point(12, a);
      in.point(13, a);
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<HatchLoop> hatchOutline(const DxfItemList& items) {
  std::vector<HatchLoop> loops;
  Cursor in(items);
  if (!in.seek(91)) return loops;
  long paths = in.integer(91);
  for (long p = 0; p < paths; ++p) {
    if (!in.seek(92)) break;
    long flags = in.integer(92);
    HatchLoop loop;
    bool ok = (flags & 2) != 0 ? polylinePath(in, loop) : edgePath(in, loop);
    if (!loop.points.empty()) loops.push_back(std::move(loop));
    if (!ok) break;
    // The boundary objects that follow each path.
    long sources = in.integer(97);
    for (long s = 0; s < sources; ++s) in.next(330);
  }
  return loops;
}

}  // namespace gui
