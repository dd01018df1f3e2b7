#include "ed/draw_support.h"

#include <cstdio>

#include "db/dbdatabase.h"
#include "db/dbentity.h"
#include "db/dbsymtb.h"
#include "ed/editor.h"

namespace ed::draw {

AcDbDatabase* drawing() { return Editor::instance().currentDatabase(); }

AcDbObjectId appendToModelSpace(AcDbDatabase* db, AcDbEntity* entity) {
  if (entity == nullptr) return AcDbObjectId::kNull;
  AcDbBlockTableRecord* space = nullptr;
  if (db == nullptr || acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
    delete entity;
    return AcDbObjectId::kNull;
  }
  if (entity->layerId().isNull()) entity->setDatabaseDefaults(db);
  AcDbObjectId id;
  Acad::ErrorStatus es = space->appendAcDbEntity(id, entity);
  space->close();
  if (es != Acad::eOk) {
    delete entity;
    return AcDbObjectId::kNull;
  }
  entity->close();
  return id;
}

void eraseEntity(AcDbObjectId id) {
  AcDbEntity* entity = nullptr;
  if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk) return;
  entity->erase();
  entity->close();
}

namespace {

// The C library writes the locale's decimal separator; the command line always shows a point.
std::wstring withPoint(const char* text) {
  std::wstring result;
  for (const char* c = text; *c; ++c) result.push_back(*c == ',' ? L'.' : static_cast<wchar_t>(*c));
  return result;
}

}  // namespace

std::wstring fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::wstring text = withPoint(buffer);
  // No "-0.0000".
  if (text[0] == L'-' && text.find_first_not_of(L"-0.") == std::wstring::npos) text.erase(0, 1);
  return text;
}

std::wstring shortest(double value) {
  std::wstring text = fixed(value, 8);
  size_t point = text.find(L'.');
  if (point == std::wstring::npos) return text;
  while (text.back() == L'0') text.pop_back();
  if (text.back() == L'.') text.pop_back();
  return text;
}

void say(const std::wstring& text) { Editor::instance().transcript().write(text); }

AcGePoint3d toPoint(const double* p) { return AcGePoint3d(p[0], p[1], p[2]); }

void toAds(const AcGePoint3d& point, double* p) {
  p[0] = point.x;
  p[1] = point.y;
  p[2] = point.z;
}

}  // namespace ed::draw
