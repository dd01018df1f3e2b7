#include "ed/draw_pline_width.h"

#include "db/acutads.h"
#include "db/database_state.h"
#include "db/dbdatabase.h"
#include "ed/editor.h"
#include "ed/sysvars.h"

namespace ed::draw {

namespace {

const char* const kHeaderName = "$PLINEWID";

int getVariable(resbuf& r) {
  r.restype = RTREAL;
  r.resval.rreal = plineWidth(Editor::instance().currentDatabase());
  return RTNORM;
}

int setVariable(const resbuf& v) {
  double width;
  if (v.restype == RTREAL)
    width = v.resval.rreal;
  else if (v.restype == RTSHORT)
    width = v.resval.rint;
  else if (v.restype == RTLONG)
    width = static_cast<double>(v.resval.rlong);
  else
    return RTERROR;
  AcDbDatabase* db = Editor::instance().currentDatabase();
  if (db == nullptr || width < 0.0) return RTERROR;
  setPlineWidth(db, width);
  return RTNORM;
}

// Registered with the other system variables when the platform loads.
[[maybe_unused]] const bool registered = [] {
  SysVarRegistry::instance().add(L"PLINEWID", getVariable, setVariable);
  return true;
}();

}  // namespace

double plineWidth(const AcDbDatabase* db) {
  if (db == nullptr) return 0.0;
  for (const HeaderVariable& v : db->state().otherHeaderVariables)
    if (v.name == kHeaderName && !v.items.empty()) return v.items[0].real;
  return 0.0;
}

void setPlineWidth(AcDbDatabase* db, double width) {
  if (db == nullptr) return;
  for (HeaderVariable& v : db->state().otherHeaderVariables) {
    if (v.name == kHeaderName) {
      v.items = {DxfItem::makeReal(40, width)};
      return;
    }
  }
  db->state().otherHeaderVariables.push_back(
      HeaderVariable{kHeaderName, {DxfItem::makeReal(40, width)}});
}

}  // namespace ed::draw
