// PLINE: a lightweight polyline of straight and tangent arc segments with start and end widths.
// The vertices are gathered while the user answers and the polyline is added at the end (Enter,
// Clore or a cancel, which keeps what was drawn), when it has at least one segment.
#include <cmath>
#include <string>
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbpl.h"
#include "ed/aced.h"
#include "ed/draw_bulge.h"
#include "ed/draw_commands.h"
#include "ed/draw_messages.h"
#include "ed/draw_pline_width.h"
#include "ed/draw_support.h"
#include "ed/editor.h"

namespace ed::draw {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Vertex {
  AcGePoint3d point;
  double bulge = 0.0;
  double startWidth = 0.0;
  double endWidth = 0.0;
};

class PolylineDrawing {
 public:
  explicit PolylineDrawing(AcDbDatabase* db) : db_(db) { startWidth_ = endWidth_ = plineWidth(db); }

  void run() {
    ads_point start;
    if (acedGetPoint(nullptr, msg::kPlineStart, start) != RTNORM) return;
    vertices_.push_back(Vertex{toPoint(start), 0.0, startWidth_, endWidth_});
    say(msg::kCurrentWidth + fixed(plineWidth(db_)));
    while (step()) {
    }
    finish();
  }

 private:
  // One prompt of the loop; false when the polyline is done.
  bool step() {
    bool canClose = vertices_.size() >= 2;
    const wchar_t* prompt;
    if (arcMode_) {
      acedInitGet(0, canClose ? msg::kArcKeywordsClose : msg::kArcKeywords);
      prompt = canClose ? msg::kArcEndClose : msg::kArcEnd;
    } else {
      acedInitGet(0, canClose ? msg::kPlineKeywordsClose : msg::kPlineKeywords);
      prompt = canClose ? msg::kPlineNextClose : msg::kPlineNext;
    }
    ads_point base, next;
    toAds(vertices_.back().point, base);
    int rc = acedGetPoint(base, prompt, next);
    if (rc == RTNORM) {
      if (arcMode_)
        addTangentArc(toPoint(next));
      else
        addSegment(toPoint(next), 0.0);
      return true;
    }
    if (rc != RTKWORD) return false;
    const std::wstring keyword = Editor::instance().lastInput();
    if (keyword == L"Arc")
      arcMode_ = true;
    else if (keyword == L"Line")
      arcMode_ = false;
    else if (keyword == L"Close")
      return !close();
    else if (keyword == L"Undo")
      undo();
    else if (keyword == L"Width")
      askWidths(false);
    else if (keyword == L"Halfwidth")
      askWidths(true);
    else if (keyword == L"Length")
      askLength();
    else
      arcOption(keyword);
    // A cancel in the prompts of an option ends the command, keeping what is drawn.
    return !cancelled_;
  }

  // Notes a cancel; true when the answer is a value.
  bool answered(int rc) {
    if (rc == RTCAN) cancelled_ = true;
    return rc == RTNORM;
  }

  // The direction of travel at the last vertex: along the last segment, or +X before the first.
  AcGeVector3d direction() const {
    for (size_t i = vertices_.size(); i >= 2; --i) {
      const Vertex& from = vertices_[i - 2];
      AcGeVector3d d = segmentEndDirection(from.point, vertices_[i - 1].point, from.bulge);
      if (!d.isZeroLength()) return d;
    }
    return AcGeVector3d::kXAxis;
  }

  // The arc to `end` tangent to the last segment. False when no arc goes there.
  bool addTangentArc(const AcGePoint3d& end) {
    return addArc(end, tangentArcBulge(direction(), last(), end));
  }

  bool addArc(const AcGePoint3d& end, std::optional<double> bulge) {
    if (!bulge) {
      say(msg::kNoSuchArc);
      return false;
    }
    addSegment(end, *bulge);
    return true;
  }

  void addSegment(const AcGePoint3d& end, double bulge) {
    Vertex& from = vertices_.back();
    from.bulge = bulge;
    from.startWidth = startWidth_;
    from.endWidth = endWidth_;
    // A tapered segment leaves the next one at its end width.
    startWidth_ = endWidth_;
    vertices_.push_back(Vertex{end, 0.0, startWidth_, endWidth_});
  }

  const AcGePoint3d& last() const { return vertices_.back().point; }

  // A point asked from the last vertex; false on Enter or a cancel.
  bool askPoint(const wchar_t* prompt, AcGePoint3d& point) {
    ads_point base, p;
    toAds(last(), base);
    if (!answered(acedGetPoint(base, prompt, p))) return false;
    point = toPoint(p);
    return true;
  }

  // The arc options: each asks what fixes the arc, then its end point. Enter in their prompts
  // goes back to the arc prompt; a cancel ends the command.
  void arcOption(const std::wstring& keyword) {
    AcGePoint3d end;
    if (keyword == L"Angle") {
      // Degrees, signed: negative turns clockwise.
      double degrees;
      acedInitGet(RSG_NOZERO, nullptr);
      if (!answered(acedGetReal(msg::kArcAngle, &degrees)) || !askPoint(msg::kArcEndOnly, end))
        return;
      addArc(end, includedAngleBulge(degrees * kPi / 180.0));
    } else if (keyword == L"Center") {
      AcGePoint3d center;
      if (!askPoint(msg::kArcCenter, center) || !askPoint(msg::kArcEndOnly, end)) return;
      std::optional<ArcEnd> arc = centeredArc(last(), center, end);
      if (arc)
        addSegment(arc->end, arc->bulge);
      else
        say(msg::kNoSuchArc);
    } else if (keyword == L"Direction") {
      AcGePoint3d toward;
      if (!askPoint(msg::kArcDirection, toward) || !askPoint(msg::kArcEndOnly, end)) return;
      addArc(end, tangentArcBulge(toward - last(), last(), end));
    } else if (keyword == L"Radius") {
      ads_point base;
      toAds(last(), base);
      double radius;
      acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
      if (!answered(acedGetDist(base, msg::kArcRadius, &radius)) ||
          !askPoint(msg::kArcEndOnly, end))
        return;
      addArc(end, radiusArcBulge(last(), end, radius));
    } else if (keyword == L"Second") {
      AcGePoint3d through;
      if (!askPoint(msg::kArcSecond, through) || !askPoint(msg::kArcEndOnly, end)) return;
      addArc(end, threePointArcBulge(last(), through, end));
    }
  }

  bool close() {
    AcGePoint3d first = vertices_.front().point;
    if (arcMode_) {
      if (!addTangentArc(first)) return false;
    } else {
      addSegment(first, 0.0);
    }
    // The closing segment ends on the first vertex, which the closed flag stands for.
    vertices_.pop_back();
    closed_ = true;
    return true;
  }

  void undo() {
    if (vertices_.size() < 2) {
      say(msg::kAllUndone);
      return;
    }
    vertices_.pop_back();
    vertices_.back().bulge = 0.0;
    ads_point at;
    toAds(vertices_.back().point, at);
    Editor::instance().setLastPoint(at);
  }

  // LArgeur and Demi-largeur: the start width (default the current one), then the end width
  // (default the new start width). A half-width is half the width.
  void askWidths(bool half) {
    double factor = half ? 2.0 : 1.0;
    ads_point base;
    toAds(vertices_.back().point, base);
    double start = startWidth_;
    std::wstring prompt =
        (half ? msg::kStartHalfWidth : msg::kStartWidth) + fixed(start / factor) + L">: ";
    acedInitGet(RSG_NONEG, nullptr);
    double value;
    int rc = acedGetDist(base, prompt.c_str(), &value);
    if (answered(rc))
      start = value * factor;
    else if (rc != RTNONE)
      return;
    double end = start;
    prompt = (half ? msg::kEndHalfWidth : msg::kEndWidth) + fixed(end / factor) + L">: ";
    acedInitGet(RSG_NONEG, nullptr);
    rc = acedGetDist(base, prompt.c_str(), &value);
    if (answered(rc))
      end = value * factor;
    else if (rc != RTNONE)
      return;
    startWidth_ = start;
    endWidth_ = end;
    setPlineWidth(db_, end);
  }

  // LOngueur: a straight segment of that length along the direction of travel.
  void askLength() {
    ads_point base;
    toAds(vertices_.back().point, base);
    double length;
    if (!answered(acedGetDist(base, msg::kSegmentLength, &length))) return;
    addSegment(last() + direction() * length, 0.0);
  }

  void finish() {
    if (vertices_.size() < 2) return;
    auto* polyline = new AcDbPolyline(static_cast<unsigned int>(vertices_.size()));
    polyline->setDatabaseDefaults(db_);
    for (unsigned int i = 0; i < vertices_.size(); ++i) {
      const Vertex& v = vertices_[i];
      polyline->addVertexAt(i, AcGePoint2d(v.point.x, v.point.y), v.bulge, v.startWidth,
                            v.endWidth);
    }
    polyline->setElevation(vertices_.front().point.z);
    polyline->setClosed(closed_);
    appendToModelSpace(db_, polyline);
  }

  AcDbDatabase* db_;
  std::vector<Vertex> vertices_;
  double startWidth_ = 0.0;
  double endWidth_ = 0.0;
  bool arcMode_ = false;
  bool closed_ = false;
  bool cancelled_ = false;
};

}  // namespace

void plineCommand() {
  if (AcDbDatabase* db = drawing()) PolylineDrawing(db).run();
}

}  // namespace ed::draw
