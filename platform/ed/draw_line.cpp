// LINE: one line entity per segment, each added as soon as its end point is given, so that a
// cancel keeps what is drawn.
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/draw_commands.h"
#include "ed/draw_messages.h"
#include "ed/draw_support.h"
#include "ed/editor.h"

namespace ed::draw {

namespace {

// Enter at the first point continues from the end of the last line drawn, when the last entity of
// model space is a line (the host continues from the last line or arc; arcs are not continued
// here). Gives false when there is nothing to continue.
bool lastLineEnd(AcDbDatabase* db, AcGePoint3d& end) {
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return false;
  AcDbBlockTableRecordIterator* it = nullptr;
  bool found = false;
  if (space->newIterator(it, false) == Acad::eOk) {
    AcDbEntity* entity = nullptr;
    if (!it->done() && it->getEntity(entity, AcDb::kForRead) == Acad::eOk) {
      if (AcDbLine* line = AcDbLine::cast(entity)) {
        end = line->endPoint();
        found = true;
      }
      entity->close();
    }
    delete it;
  }
  space->close();
  return found;
}

class LineDrawing {
 public:
  explicit LineDrawing(AcDbDatabase* db) : db_(db) {}

  void run() {
    if (!askFirstPoint()) return;
    for (;;) {
      bool canClose = segments_.size() >= 2;
      acedInitGet(0, canClose ? msg::kLineKeywordsClose : msg::kLineKeywords);
      ads_point base, next;
      toAds(points_.back(), base);
      int rc = acedGetPoint(base, canClose ? msg::kLineNextClose : msg::kLineNext, next);
      if (rc == RTNORM) {
        addSegment(toPoint(next));
        continue;
      }
      if (rc != RTKWORD) return;  // Enter or cancel: the segments stay
      if (Editor::instance().lastInput() == L"Close") {
        addSegment(points_.front());
        return;
      }
      undoSegment();
    }
  }

 private:
  bool askFirstPoint() {
    ads_point first;
    int rc = acedGetPoint(nullptr, msg::kLineFirst, first);
    AcGePoint3d start;
    if (rc == RTNORM) {
      start = toPoint(first);
    } else if (rc != RTNONE || !lastLineEnd(db_, start)) {
      return false;
    }
    points_.assign(1, start);
    return true;
  }

  void addSegment(const AcGePoint3d& end) {
    AcDbObjectId id = appendToModelSpace(db_, new AcDbLine(points_.back(), end));
    if (id.isNull()) return;
    segments_.push_back(id);
    points_.push_back(end);
  }

  void undoSegment() {
    if (segments_.empty()) {
      say(msg::kAllUndone);
      return;
    }
    eraseEntity(segments_.back());
    segments_.pop_back();
    points_.pop_back();
    ads_point last;
    toAds(points_.back(), last);
    Editor::instance().setLastPoint(last);
  }

  AcDbDatabase* db_;
  std::vector<AcGePoint3d> points_;
  std::vector<AcDbObjectId> segments_;
};

}  // namespace

void lineCommand() {
  if (AcDbDatabase* db = drawing()) LineDrawing(db).run();
}

}  // namespace ed::draw
