#include "ed/view_header.h"

#include "db/database_state.h"

namespace ed {

namespace {

const HeaderVariable* findVariable(AcDbDatabase* database, const char* name) {
  if (database == nullptr) return nullptr;
  for (const HeaderVariable& v : database->state().otherHeaderVariables)
    if (v.name == name && !v.items.empty()) return &v;
  return nullptr;
}

void store(AcDbDatabase* database, const char* name, const DxfItem& item) {
  if (database == nullptr) return;
  for (HeaderVariable& v : database->state().otherHeaderVariables) {
    if (v.name == name) {
      v.items = {item};
      return;
    }
  }
  database->state().otherHeaderVariables.push_back(HeaderVariable{name, {item}});
}

}  // namespace

AcGePoint3d headerPoint(AcDbDatabase* database, const char* name, const AcGePoint3d& fallback) {
  const HeaderVariable* v = findVariable(database, name);
  if (v == nullptr || v->items[0].kind != DxfKind::kPoint) return fallback;
  const double* p = v->items[0].point;
  return AcGePoint3d(p[0], p[1], p[2]);
}

double headerReal(AcDbDatabase* database, const char* name, double fallback) {
  const HeaderVariable* v = findVariable(database, name);
  if (v == nullptr) return fallback;
  const DxfItem& item = v->items[0];
  if (item.kind == DxfKind::kReal) return item.real;
  if (item.kind == DxfKind::kInt) return static_cast<double>(item.integer);
  return fallback;
}

void setHeaderPoint(AcDbDatabase* database, const char* name, const AcGePoint3d& value, int dim) {
  store(database, name, DxfItem::makePoint(10, value.x, value.y, dim == 2 ? 0.0 : value.z, dim));
}

void setHeaderReal(AcDbDatabase* database, const char* name, int code, double value) {
  store(database, name, DxfItem::makeReal(code, value));
}

}  // namespace ed
