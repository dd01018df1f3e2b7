// The drag loop of AcEdJig and its acquire functions over the command line's input.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cwchar>
#include <optional>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "ed/dbjig.h"
#include "ed/editor.h"
#include "ed/jig_input.h"
#include "ed/keywords.h"
#include "ed/messages.h"
#include "ed/point_input.h"
#include "ui/afxstr.h"

ACRX_DEFINE_ABSTRACT_MEMBERS(AcEdJig, AcRxObject);

namespace {

constexpr double kPi = 3.14159265358979323846;

using ed::Editor;
namespace msg = ed::msg;

void say(const std::wstring& text) { Editor::instance().transcript().write(text); }

double normalizedAngle(double radians) {
  double a = std::fmod(radians, 2.0 * kPi);
  return a < 0.0 ? a + 2.0 * kPi : a;
}

std::optional<double> parseNumber(const std::wstring& text) {
  wchar_t* end = nullptr;
  double value = std::wcstod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

AcGePoint3d lastPoint() {
  const ads_real* p = Editor::instance().lastPoint();
  return AcGePoint3d(p[0], p[1], p[2]);
}

// What a typed answer gives to one acquire function.
struct Reading {
  enum Kind { kValue, kRefused, kNotValue };
  Kind kind = kNotValue;
  const wchar_t* complaint = nullptr;
};

}  // namespace

struct AcEdJig::State {
  std::wstring keywords;
  std::wstring prompt;
  CursorType cursorType = kNoSpecialCursor;
  int controls = 0;
  // The current drag: whether the sampler took an input, and whether it ended the drag.
  bool acquired = false;
  bool final = false;
  bool cancelled = false;
  bool hasCursor = false;
  AcGePoint3d cursor;

  bool has(int control) const { return (controls & control) != 0; }

  // The checks of kNoZeroResponseAccepted and kNoNegativeResponseAccepted on a typed number.
  const wchar_t* refuseNumber(double value) const {
    if (has(kNoZeroResponseAccepted) && value == 0.0) return msg::kNotZero;
    if (has(kNoNegativeResponseAccepted) && value < 0.0) return msg::kNotNegative;
    return nullptr;
  }

  // The input loop shared by the acquire functions. fromCursor turns a cursor position into the
  // value (false when it gives none); fromText reads a typed answer. `need` is said when an answer
  // is refused.
  template <typename FromCursor, typename FromText>
  DragStatus acquire(const wchar_t* need, FromCursor fromCursor, FromText fromText) {
    acquired = true;
    for (;;) {
      ed::DragInput input = ed::readDragInput(false, !has(kDontEchoCancelForCtrlC));
      switch (input.kind) {
        case ed::DragInput::kMove:
          cursor = input.cursor;
          hasCursor = true;
          if (fromCursor(cursor)) return kNormal;
          continue;
        case ed::DragInput::kCancel:
          final = cancelled = true;
          return kCancel;
        case ed::DragInput::kEnter:
          if (has(kNullResponseAccepted)) {
            final = true;
            return kNull;
          }
          refuse(need);
          continue;
        case ed::DragInput::kAnswer:
          break;
      }
      Reading reading = fromText(input.text);
      if (reading.kind == Reading::kValue) {
        final = true;
        return kNormal;
      }
      if (reading.kind == Reading::kRefused) {
        refuse(reading.complaint);
        continue;
      }
      if (std::optional<DragStatus> status = keyword(input.text)) {
        final = true;
        return *status;
      }
      refuse(keywords.empty() || need != msg::kInvalidPoint ? need : msg::kPointOrKeyword);
    }
  }

  // A keyword gives kKW1… by its place in the list; other text kOther when it is allowed.
  std::optional<DragStatus> keyword(const std::wstring& text) {
    ed::KeywordList list = ed::parseKeywordList(keywords);
    std::wstring global = ed::matchKeyword(list, text);
    if (!global.empty()) {
      for (size_t k = 0; k < list.global.size() && k < 9; ++k) {
        if (list.global[k] == global) {
          Editor::instance().setLastInput(global);
          return static_cast<DragStatus>(kKW1 + static_cast<int>(k));
        }
      }
    }
    if (has(kAcceptOtherInputString)) {
      Editor::instance().setLastInput(text);
      return kOther;
    }
    return std::nullopt;
  }

  // Says why and asks again.
  void refuse(const wchar_t* complaint) {
    say(std::wstring(complaint) + L"\n");
    say(prompt);
  }

  // A point typed: absolute, relative to the base, or (with a base and a cursor) a distance along
  // the direction from the base to the cursor.
  Reading readPoint(const std::wstring& text, const AcGePoint3d* base, AcGePoint3d& point) {
    ads_point basePoint = {0.0, 0.0, 0.0};
    if (base) basePoint[0] = base->x, basePoint[1] = base->y, basePoint[2] = base->z;
    ads_point p;
    if (ed::parsePointInput(text, base ? basePoint : nullptr, Editor::instance().lastPoint(), p)) {
      point.set(p[0], p[1], has(kAccept3dCoordinates) ? p[2] : (base ? base->z : 0.0));
      if (!has(kDontUpdateLastPoint)) Editor::instance().setLastPoint(p);
      return {Reading::kValue};
    }
    std::optional<double> distance = parseNumber(text);
    if (!distance) return {};
    if (const wchar_t* refused = refuseNumber(*distance)) return {Reading::kRefused, refused};
    if (!base || !hasCursor || has(kDisableDirectDistanceInput))
      return {Reading::kRefused, msg::kInvalidPoint};
    AcGeVector3d direction = cursor - *base;
    direction.z = 0.0;
    if (direction.isZeroLength()) return {Reading::kRefused, msg::kInvalidPoint};
    point = *base + direction.normal() * *distance;
    if (!has(kDontUpdateLastPoint)) {
      ads_point chosen = {point.x, point.y, point.z};
      Editor::instance().setLastPoint(chosen);
    }
    return {Reading::kValue};
  }

  // A distance or an angle: a number typed, or a measure from the base (else the last point) to
  // a point typed or the cursor.
  template <typename Measure, typename FromNumber>
  DragStatus acquireMeasure(double& value, const AcGePoint3d* base, const wchar_t* need,
                            Measure measure, FromNumber fromNumber) {
    AcGePoint3d origin = base ? *base : lastPoint();
    return acquire(
        need,
        [&](const AcGePoint3d& at) {
          value = measure(origin, at);
          return true;
        },
        [&](const std::wstring& text) -> Reading {
          if (std::optional<double> number = parseNumber(text)) {
            if (const wchar_t* refused = refuseNumber(*number)) return {Reading::kRefused, refused};
            value = fromNumber(*number);
            return {Reading::kValue};
          }
          ads_point p;
          ads_point o = {origin.x, origin.y, origin.z};
          if (!ed::parsePointInput(text, o, Editor::instance().lastPoint(), p)) return {};
          value = measure(origin, AcGePoint3d(p[0], p[1], p[2]));
          if (const wchar_t* refused = refuseNumber(value)) return {Reading::kRefused, refused};
          return {Reading::kValue};
        });
  }
};

AcEdJig::AcEdJig() : state_(std::make_unique<State>()) {}

AcEdJig::~AcEdJig() = default;

AcEdJig::DragStatus AcEdJig::drag() {
  State& st = *state_;
  AcDbEntity* dragged = entity();
  // What is dragged shows with the drawing's current settings unless it has its own.
  if (dragged != nullptr && dragged->objectId().isNull() && dragged->layerId().isNull())
    dragged->setDatabaseDefaults(Editor::instance().currentDatabase());
  st.hasCursor = false;
  say(st.prompt);
  // What is dragged is shown at the cursor by a front end that can draw it.
  struct Showing {
    explicit Showing(const AcDbEntity* shown) { Editor::instance().setDragged(shown); }
    ~Showing() { Editor::instance().setDragged(nullptr); }
  } showing(dragged);
  for (;;) {
    st.acquired = st.final = st.cancelled = false;
    DragStatus status = sampler();
    if (st.cancelled) return kCancel;
    // A sampler that takes no input would loop for ever: its answer ends the drag.
    if (!st.acquired) return status;
    if (!st.final) {
      if (status == kNormal) {
        update();
        Editor::instance().setDragged(entity());
      } else if (status == kCancel)
        return kCancel;
      continue;
    }
    switch (status) {
      case kNormal:
      case kOther:
        return update() ? status : kOther;
      case kNoChange:
        return kNormal;  // the last sample already showed this value
      default:
        return status;
    }
  }
}

AcEdJig::DragStatus AcEdJig::sampler() { return kNormal; }

Adesk::Boolean AcEdJig::update() { return Adesk::kTrue; }

AcDbEntity* AcEdJig::entity() const { return nullptr; }

AcDbObjectId AcEdJig::append() {
  AcDbEntity* added = entity();
  AcDbDatabase* db = Editor::instance().currentDatabase();
  if (added == nullptr || db == nullptr) return AcDbObjectId::kNull;
  if (!added->objectId().isNull()) return added->objectId();
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk)
    return AcDbObjectId::kNull;
  AcDbObjectId id;
  Acad::ErrorStatus es = space->appendAcDbEntity(id, added);
  space->close();
  if (es != Acad::eOk) return AcDbObjectId::kNull;
  added->close();
  return id;
}

const ACHAR* AcEdJig::keywordList() { return state_->keywords.c_str(); }

void AcEdJig::setKeywordList(const ACHAR* keywords) {
  state_->keywords = keywords ? keywords : L"";
}

const ACHAR* AcEdJig::dispPrompt() { return state_->prompt.c_str(); }

void AcEdJig::setDispPrompt(const ACHAR* format, ...) {
  if (format == nullptr) {
    state_->prompt.clear();
    return;
  }
  CString text;
  va_list args;
  va_start(args, format);
  text.FormatV(format, args);
  va_end(args);
  state_->prompt.assign(text.GetString(), text.GetLength());
}

AcEdJig::DragStatus AcEdJig::acquirePoint(AcGePoint3d& point) {
  State& st = *state_;
  return st.acquire(
      msg::kInvalidPoint,
      [&](const AcGePoint3d& at) {
        point = at;
        return true;
      },
      [&](const std::wstring& text) { return st.readPoint(text, nullptr, point); });
}

AcEdJig::DragStatus AcEdJig::acquirePoint(AcGePoint3d& point, const AcGePoint3d& basePoint) {
  State& st = *state_;
  return st.acquire(
      msg::kInvalidPoint,
      [&](const AcGePoint3d& at) {
        point = at;
        if (!st.has(kAccept3dCoordinates) || st.has(kUseBasePointElevation)) point.z = basePoint.z;
        return true;
      },
      [&](const std::wstring& text) { return st.readPoint(text, &basePoint, point); });
}

namespace {

double distanceBetween(const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b); }

double angleBetween(const AcGePoint3d& a, const AcGePoint3d& b) {
  return normalizedAngle(std::atan2(b.y - a.y, b.x - a.x));
}

double sameValue(double value) { return value; }

// Angles are typed in degrees, counter-clockwise from the X axis.
double degreesToRadians(double degrees) { return normalizedAngle(degrees * kPi / 180.0); }

}  // namespace

AcEdJig::DragStatus AcEdJig::acquireDist(double& distance) {
  return state_->acquireMeasure(distance, nullptr, msg::kNeedDistance, distanceBetween, sameValue);
}

AcEdJig::DragStatus AcEdJig::acquireDist(double& distance, const AcGePoint3d& basePoint) {
  return state_->acquireMeasure(distance, &basePoint, msg::kNeedDistance, distanceBetween,
                                sameValue);
}

AcEdJig::DragStatus AcEdJig::acquireAngle(double& angle) {
  return state_->acquireMeasure(angle, nullptr, msg::kNeedAngle, angleBetween, degreesToRadians);
}

AcEdJig::DragStatus AcEdJig::acquireAngle(double& angle, const AcGePoint3d& basePoint) {
  return state_->acquireMeasure(angle, &basePoint, msg::kNeedAngle, angleBetween, degreesToRadians);
}

AcEdJig::DragStatus AcEdJig::acquireString(ACHAR (&text)[2049]) {
  State& st = *state_;
  st.acquired = true;
  for (;;) {
    ed::DragInput input = ed::readDragInput(true, !st.has(kDontEchoCancelForCtrlC));
    if (input.kind == ed::DragInput::kMove) continue;
    st.final = true;
    if (input.kind == ed::DragInput::kCancel) {
      st.cancelled = true;
      return kCancel;
    }
    if (input.kind == ed::DragInput::kEnter && st.has(kNullResponseAccepted)) return kNull;
    size_t n = std::min<size_t>(input.text.size(), 2048);
    std::wmemcpy(text, input.text.data(), n);
    text[n] = L'\0';
    return kNormal;
  }
}

AcEdJig::CursorType AcEdJig::specialCursorType() { return state_->cursorType; }

void AcEdJig::setSpecialCursorType(CursorType type) { state_->cursorType = type; }

AcEdJig::UserInputControls AcEdJig::userInputControls() {
  return static_cast<UserInputControls>(state_->controls);
}

void AcEdJig::setUserInputControls(UserInputControls controls) { state_->controls = controls; }
