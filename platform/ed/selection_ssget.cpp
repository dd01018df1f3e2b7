// acedSSGet: the selection modes and the filter, and the new set that results.
#include <string>

#include "ed/acedsel.h"
#include "ed/editor.h"
#include "ed/selection_prompt.h"
#include "ed/ssget_filter.h"
#include "os/case_map.h"

namespace {

using ed::SelectionContext;

AcGePoint3d pointOf(const void* p) {
  const ads_real* a = static_cast<const ads_real*>(p);
  return AcGePoint3d(a[0], a[1], a[2]);
}

// The mode without its "_" prefixes, in upper case.
std::wstring normalMode(const ACHAR* mode) {
  std::wstring out;
  for (const ACHAR* c = mode; c && *c; ++c)
    if (*c != L'_') out += toUpperLatin(*c);
  return out;
}

// The selection a mode gives; RTCAN, RTERROR for an unknown mode or missing points.
int select(const std::wstring& mode, const void* pt1, const void* pt2,
           const SelectionContext& context, std::vector<AcDbObjectId>& ids) {
  if (mode.empty()) {
    if (pt1 != nullptr) {
      ids = ed::entityAt(context, pointOf(pt1));
      return RTNORM;
    }
    return ed::promptSelection(context, false, ids);
  }
  if (mode == L":S" || mode == L":S:E" || mode == L":E:S" || mode == L":E")
    return ed::promptSelection(context, mode.find(L":S") != std::wstring::npos, ids);
  if (mode == L"X") {
    ids = ed::allEntities(context, true);
    return RTNORM;
  }
  if (mode == L"W" || mode == L"C") {
    // Without corners the user gives them.
    AcGePoint3d corner1, corner2;
    if (pt1 != nullptr && pt2 != nullptr) {
      corner1 = pointOf(pt1);
      corner2 = pointOf(pt2);
    } else if (pt1 != nullptr || pt2 != nullptr) {
      return RTERROR;
    } else if (int code = ed::askWindowCorners(corner1, corner2); code != RTNORM) {
      return code == RTCAN ? int(RTCAN) : int(RTERROR);
    }
    ids = ed::windowEntities(context, corner1, corner2, mode == L"C");
    return RTNORM;
  }
  if (mode == L"L") {
    ids = ed::lastEntity(context);
    return RTNORM;
  }
  if (mode == L"P") {
    ids = ed::previousEntities(context);
    return RTNORM;
  }
  if (mode == L"I") {
    // No pick-first set: nothing is ever selected before a command here.
    ids.clear();
    return RTNORM;
  }
  return RTERROR;
}

}  // namespace

int acedSSGet(const ACHAR* mode, const void* pt1, const void* pt2, const resbuf* filter,
              ads_name ss) {
  if (ss == nullptr) return RTERROR;
  ads_name_clear(ss);
  try {
    ed::SelectionFilter compiled(filter);
    if (!compiled.ok()) return RTERROR;
    SelectionContext context;
    context.database = ed::Editor::instance().currentDatabase();
    context.filter = filter ? &compiled : nullptr;
    std::vector<AcDbObjectId> ids;
    int code = select(normalMode(mode), pt1, pt2, context, ids);
    if (code != RTNORM) return code;
    if (ids.empty()) return RTERROR;
    ed::newSelectionSet(ids, ss);
    ed::setPreviousSelection(ids);
    return RTNORM;
  } catch (...) {
    // Nothing may escape into the caller: an unexpected failure is an error result.
    return RTERROR;
  }
}
