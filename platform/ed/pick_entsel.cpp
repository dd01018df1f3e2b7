// acedEntSel, acedNEntSelP and acedNEntSel: one entity picked by a point, or by "#HANDLE".
#include <algorithm>

#include "db/acutads.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "ed/editor.h"
#include "ed/keywords.h"
#include "ed/messages.h"
#include "ed/pick_geometry.h"
#include "ed/selection_geometry.h"
#include "ed/selection_messages.h"
#include "ed/selection_prompt.h"
#include "ed/sysvars.h"

namespace {

using ed::Editor;

// ERRNO values the host sets when a pick gives nothing.
constexpr int kErrnoPickFailed = 7;
constexpr int kErrnoPickNull = 52;

using ed::setErrno;

// The block reference that owns an attribute, or the entity itself.
AcDbObjectId mainEntity(AcDbObjectId id) {
  AcDbAttribute* attribute = nullptr;
  if (acdbOpenObject(attribute, id, AcDb::kForRead) != Acad::eOk) return id;
  AcDbObjectId owner = attribute->ownerId();
  attribute->close();
  return owner;
}

// One pick from the user: a point, "#HANDLE", or a keyword armed by acedInitGet. RTNORM with
// the point, or with handleGiven and the handle's entity (null when it designates none);
// RTKWORD, RTNONE (Enter) or RTCAN.
struct PickAnswer {
  ads_point point = {0.0, 0.0, 0.0};
  AcDbObjectId byHandle;
  bool handleGiven = false;
};

int askPick(const ACHAR* prompt, PickAnswer& answer) {
  Editor& editor = Editor::instance();
  const ACHAR* text = prompt ? prompt : ed::selmsg::kSelectObject;
  Editor::InitGet armed = editor.takeInitGet();
  ed::KeywordList keywords = ed::parseKeywordList(armed.keywords);
  for (;;) {
    // Arbitrary input is let through so that a "#HANDLE" answer reaches us.
    acedInitGet(armed.flags | RSG_OTHER, armed.keywords.c_str());
    ed::RequestScope scope(ed::InputRequest::kEntity);
    int code = acedGetPoint(nullptr, text, answer.point);
    if (code != RTKWORD) return code;
    std::wstring typed = editor.lastInput();
    if (!typed.empty() && typed[0] == L'#') {
      ed::SelectionContext context;
      context.database = editor.currentDatabase();
      std::vector<AcDbObjectId> ids = ed::entityByHandle(context, typed);
      answer.handleGiven = true;
      if (!ids.empty()) answer.byHandle = ids.front();
      return RTNORM;
    }
    // The prompt gave the keyword's global name when one matched.
    bool isKeyword =
        std::find(keywords.global.begin(), keywords.global.end(), typed) != keywords.global.end();
    if ((armed.flags & RSG_OTHER) != 0 || isKeyword) return RTKWORD;
    editor.transcript().write(
        std::wstring(keywords.local.empty() ? ed::msg::kInvalidPoint : ed::msg::kPointOrKeyword) +
        L"\n");
  }
}

// The common part of the three picks: what lies under the answer, going into blocks or not.
int pick(const ACHAR* prompt, bool nested, bool usePoint, ads_point point, ed::NestedPick& result) {
  Editor& editor = Editor::instance();
  AcDbDatabase* db = editor.currentDatabase();
  PickAnswer answer;
  if (usePoint) {
    ads_point_set(point, answer.point);
  } else {
    int code = askPick(prompt, answer);
    if (code == RTNONE) {
      setErrno(kErrnoPickNull);
      return RTERROR;
    }
    if (code != RTNORM) return code;
  }
  if (answer.handleGiven) {
    if (answer.byHandle.isNull()) {
      setErrno(kErrnoPickFailed);
      return RTERROR;
    }
    result = ed::NestedPick();
    result.entity = answer.byHandle;
    ads_point_set(answer.point, point);
    return RTNORM;
  }
  ads_point_set(answer.point, point);
  AcGePoint3d at(answer.point[0], answer.point[1], answer.point[2]);
  bool found = false;
  if (nested) {
    found = ed::nestedEntityAt(db, ed::currentSpace(db), at, ed::pickTolerance(), result);
  } else {
    result = ed::NestedPick();
    result.entity = ed::entityAtPoint(db, at);
    found = !result.entity.isNull();
  }
  if (!found) {
    setErrno(kErrnoPickFailed);
    return RTERROR;
  }
  return RTNORM;
}

resbuf* containerChain(const ed::NestedPick& p) {
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  for (const AcDbObjectId& id : p.containers) {
    resbuf* rb = acutNewRb(RTENAME);
    acdbGetAdsName(rb->resval.rlname, id);
    if (tail)
      tail->rbnext = rb;
    else
      head = rb;
    tail = rb;
  }
  return head;
}

}  // namespace

int acedEntSel(const ACHAR* prompt, ads_name entity, ads_point point) {
  if (entity == nullptr || point == nullptr) return RTERROR;
  try {
    ed::NestedPick result;
    int code = pick(prompt, false, false, point, result);
    if (code != RTNORM) return code;
    acdbGetAdsName(entity, mainEntity(result.entity));
    return RTNORM;
  } catch (...) {
    return RTERROR;
  }
}

int acedNEntSelP(const ACHAR* prompt, ads_name entity, ads_point point, int pickflag,
                 ads_matrix xform, resbuf** refstk) {
  if (entity == nullptr || point == nullptr) return RTERROR;
  if (refstk) *refstk = nullptr;
  try {
    ed::NestedPick result;
    int code = pick(prompt, true, pickflag != 0, point, result);
    if (code != RTNORM) return code;
    acdbGetAdsName(entity, result.entity);
    if (xform)
      for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) xform[r][c] = result.transform(r, c);
    if (refstk) *refstk = containerChain(result);
    return RTNORM;
  } catch (...) {
    return RTERROR;
  }
}

int acedNEntSel(const ACHAR* prompt, ads_name entity, ads_point point, ads_point xform[4],
                resbuf** refstk) {
  ads_matrix m;
  int code = acedNEntSelP(prompt, entity, point, 0, m, refstk);
  if (code != RTNORM || xform == nullptr) return code;
  // Rows: the images of the X, Y and Z axes, then the origin.
  for (int axis = 0; axis < 4; ++axis)
    for (int k = 0; k < 3; ++k) xform[axis][k] = m[k][axis];
  return RTNORM;
}
