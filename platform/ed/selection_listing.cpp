// LIST: one block of lines per entity, in the host's manner: the kind and layer, the space, the
// handle, then what defines the geometry, each label right-aligned on a common column.
#include "ed/selection_listing.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbmtext.h"
#include "db/dbpl.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/editor.h"

namespace ed {

namespace {

constexpr double kPi = 3.14159265358979323846;

void say(const std::wstring& text) { Editor::instance().transcript().write(text); }

int precision() {
  resbuf r{};
  if (acedGetVar(L"LUPREC", &r) == RTNORM && r.restype == RTSHORT) return r.resval.rint;
  return 4;
}

// A number with the drawing's decimals, "." whatever the locale.
std::wstring number(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", precision(), std::fabs(value) < 5e-13 ? 0.0 : value);
  return std::wstring(buffer, buffer + std::char_traits<char>::length(buffer));
}

std::wstring degrees(double radians) {
  double d = std::fmod(radians * 180.0 / kPi, 360.0);
  if (d < 0) d += 360.0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.0f", d);
  return std::wstring(buffer, buffer + std::char_traits<char>::length(buffer));
}

// "label, X=… Y=… Z=…" or "label = value", the label ending at column 24.
void line(const std::wstring& label, const std::wstring& rest) {
  std::wstring padded = label.size() < 24 ? std::wstring(24 - label.size(), L' ') + label : label;
  say(padded + rest + L"\n");
}

void pointLine(const std::wstring& label, const AcGePoint3d& p) {
  line(label, L", X=" + number(p.x) + L"  Y=" + number(p.y) + L"  Z=" + number(p.z));
}

void valueLine(const std::wstring& label, const std::wstring& value) {
  line(label, L" = " + value);
}

std::wstring recordName(AcDbObjectId id) {
  AcDbSymbolTableRecord* record = nullptr;
  if (acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk) return L"";
  const ACHAR* name = nullptr;
  record->getName(name);
  std::wstring out = name ? name : L"";
  record->close();
  return out;
}

std::wstring handleText(const AcDbObject* object) {
  wchar_t buffer[32];
  AcDbHandle handle = object->objectHandle();
  std::swprintf(buffer, 32, L"%llX", static_cast<unsigned long long>(handle.value()));
  return buffer;
}

// The kind of entity as the French command line names it.
std::wstring kindName(const AcDbEntity* entity) {
  static const struct {
    const char* dxf;
    const wchar_t* name;
  } names[] = {
      {"LINE", L"LIGNE"},         {"CIRCLE", L"CERCLE"},  {"ARC", L"ARC"},
      {"TEXT", L"TEXTE"},         {"MTEXT", L"TEXTMULT"}, {"INSERT", L"REFERENCE DE BLOC"},
      {"ATTRIB", L"ATTRIBUT"},    {"POINT", L"POINT"},    {"LWPOLYLINE", L"LWPOLYLINE"},
      {"POLYLINE", L"POLYLIGNE"}, {"SPLINE", L"SPLINE"},  {"ATTDEF", L"DEFINITION D'ATTRIBUT"}};
  std::string dxf = entity->dxfName();
  for (const auto& n : names)
    if (dxf == n.dxf) return n.name;
  return std::wstring(dxf.begin(), dxf.end());
}

void header(const AcDbEntity* entity) {
  std::wstring kind = kindName(entity);
  std::wstring padded = std::wstring(kind.size() < 28 ? 28 - kind.size() : 1, L' ') + kind;
  say(L"\n" + padded + L"  Calque: \"" + entity->layerName() + L"\"\n");
  AcDbDatabase* db = entity->database();
  bool paper = db && entity->ownerId() == db->paperSpaceId();
  say(std::wstring(30, L' ') + L"Espace: " + (paper ? L"Espace papier" : L"Espace objet") + L"\n");
  valueLine(L"Maintien", handleText(entity));
}

void listText(const AcDbText* text) {
  valueLine(L"Style", L"\"" + recordName(text->textStyle()) + L"\"");
  pointLine(L"point de départ", text->position());
  valueLine(L"hauteur", number(text->height()));
  valueLine(L"texte", std::wstring(text->textStringConst()));
  valueLine(L"angle de rotation", degrees(text->rotation()));
  valueLine(L"facteur de largeur", number(text->widthFactor()));
}

void listAttributes(const AcDbBlockReference* reference) {
  std::unique_ptr<AcDbObjectIterator> it(reference->attributeIterator());
  for (it->start(); !it->done(); it->step()) {
    AcDbAttribute* attribute = nullptr;
    if (acdbOpenObject(attribute, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    header(attribute);
    valueLine(L"Étiquette", std::wstring(attribute->tagConst()));
    listText(attribute);
    if (attribute->isInvisible()) line(L"", L"Invisible");
    attribute->close();
  }
}

void listGeometry(const AcDbEntity* entity) {
  if (const AcDbLine* l = AcDbLine::cast(entity)) {
    pointLine(L"du point", l->startPoint());
    pointLine(L"au point", l->endPoint());
    AcGeVector3d d = l->endPoint() - l->startPoint();
    valueLine(L"Longueur", number(d.length()));
    valueLine(L"Angle dans le plan XY", degrees(std::atan2(d.y, d.x)));
  } else if (const AcDbArc* a = AcDbArc::cast(entity)) {
    pointLine(L"centre", a->center());
    valueLine(L"rayon", number(a->radius()));
    valueLine(L"angle de départ", degrees(a->startAngle()));
    valueLine(L"angle de fin", degrees(a->endAngle()));
    double sweep = a->endAngle() - a->startAngle();
    if (sweep < 0) sweep += 2.0 * kPi;
    valueLine(L"longueur", number(sweep * a->radius()));
  } else if (const AcDbCircle* c = AcDbCircle::cast(entity)) {
    pointLine(L"centre", c->center());
    valueLine(L"rayon", number(c->radius()));
    valueLine(L"circonférence", number(2.0 * kPi * c->radius()));
    valueLine(L"aire", number(kPi * c->radius() * c->radius()));
  } else if (const AcDbText* t = AcDbText::cast(entity)) {
    if (const AcDbAttribute* attribute = AcDbAttribute::cast(entity))
      valueLine(L"Étiquette", std::wstring(attribute->tagConst()));
    listText(t);
  } else if (const AcDbMText* m = AcDbMText::cast(entity)) {
    pointLine(L"point d'insertion", m->location());
    valueLine(L"hauteur", number(m->textHeight()));
    valueLine(L"texte", m->text());
  } else if (const AcDbBlockReference* r = AcDbBlockReference::cast(entity)) {
    valueLine(L"pour le bloc", recordName(r->blockTableRecord()));
    pointLine(L"au point", r->position());
    valueLine(L"facteur d'échelle X", number(r->scaleFactors().sx));
    valueLine(L"facteur d'échelle Y", number(r->scaleFactors().sy));
    valueLine(L"facteur d'échelle Z", number(r->scaleFactors().sz));
    valueLine(L"angle de rotation", degrees(r->rotation()));
    listAttributes(r);
  } else if (const AcDbPoint* p = AcDbPoint::cast(entity)) {
    pointLine(L"au point", p->position());
  } else if (const AcDbPolyline* pl = AcDbPolyline::cast(entity)) {
    line(L"", pl->isClosed() ? L"Fermée" : L"Ouverte");
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
      AcGePoint3d v;
      if (pl->getPointAt(i, v) == Acad::eOk) pointLine(L"au point", v);
    }
  } else if (const AcDbCurve* curve = AcDbCurve::cast(entity)) {
    AcGePoint3d start, end;
    if (curve->getStartPoint(start) == Acad::eOk) pointLine(L"point de départ", start);
    if (curve->getEndPoint(end) == Acad::eOk) pointLine(L"point de fin", end);
  }
}

}  // namespace

void listEntity(AcDbObjectId id) {
  AcDbEntity* entity = nullptr;
  if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return;
  header(entity);
  listGeometry(entity);
  entity->close();
}

}  // namespace ed
