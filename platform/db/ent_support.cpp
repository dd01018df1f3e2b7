#include "db/ent_support.h"

#include "db/repair_messages.h"

#include <cmath>

#include "db/dbdatabase.h"
#include "db/dbextents.h"
#include "db/dbobject.h"
#include "db/dbsymtb.h"
#include "db/symbol_lookup.h"
#include "db/symbol_util.h"
#include "ge/angles.h"

namespace entfile {

bool writesEveryField(const AcDbDxfFiler* filer) {
  return filer->filerType() == AcDbDxfFiler::kCopyFiler ||
         filer->filerType() == AcDbDxfFiler::kUndoFiler;
}

double realOf(const DxfItem& item) {
  switch (item.kind) {
    case DxfKind::kReal:
      return item.real;
    case DxfKind::kInt:
    case DxfKind::kBool:
      return static_cast<double>(item.integer);
    case DxfKind::kPoint:
      return item.point[0];
    default:
      return 0.0;
  }
}

int intOf(const DxfItem& item) {
  switch (item.kind) {
    case DxfKind::kInt:
    case DxfKind::kBool:
      return static_cast<int>(item.integer);
    case DxfKind::kReal:
      return static_cast<int>(std::lround(item.real));
    default:
      return 0;
  }
}

AcGePoint3d pointOf(const DxfItem& item) {
  if (item.kind != DxfKind::kPoint) return AcGePoint3d(realOf(item), 0.0, 0.0);
  return AcGePoint3d(item.point[0], item.point[1], item.dim == 2 ? 0.0 : item.point[2]);
}

AcGeVector3d vectorOf(const DxfItem& item) { return pointOf(item).asVector(); }

AcDbDatabase* nameDatabase(const AcDbDxfFiler* filer, const AcDbObject* object) {
  if (filer != nullptr && filer->database() != nullptr) return filer->database();
  return databaseOrWorking(object != nullptr ? object->database() : nullptr);
}

namespace {
std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c < 128) ? static_cast<char>(c) : '?';
  return out;
}
}  // namespace

AcDbObjectId textStyleByName(AcDbDxfFiler* filer, const AcDbObject* object,
                             const std::wstring& name) {
  AcDbDatabase* db = nameDatabase(filer, object);
  if (db == nullptr || name.empty()) return AcDbObjectId();
  AcDbObjectId id = findSymbolRecord(db, db->textStyleTableId(), name);
  if (!id.isNull()) return id;
  id = findSymbolRecord(db, db->textStyleTableId(), L"Standard");
  if (id.isNull()) id = db->textstyle();
  filer->reportRepair(dbmsg::textStyleReplacedByStandard(narrow(name)));
  return id;
}

AcDbObjectId textStyleOf(AcDbDxfFiler* filer, const AcDbObject* object, const DxfItem& item) {
  return item.kind == DxfKind::kId ? item.id : textStyleByName(filer, object, item.text);
}

AcDbObjectId blockByName(AcDbDxfFiler* filer, const AcDbObject* object, const std::wstring& name) {
  AcDbDatabase* db = nameDatabase(filer, object);
  if (db == nullptr || name.empty()) return AcDbObjectId();
  return findSymbolRecord(db, db->blockTableId(), name);
}

std::wstring recordName(AcDbObjectId id) {
  return id.isNull() ? std::wstring() : symbolRecordName(id);
}

void writeRecordReference(AcDbDxfFiler* filer, int code, AcDbObjectId id) {
  if (writesEveryField(filer)) {
    filer->writeObjectId(code, id);
    return;
  }
  std::wstring name = recordName(id);
  if (!name.empty()) filer->writeString(code, name);
}

void writeChunkedText(AcDbDxfFiler* filer, int chunkCode, int lastCode, const std::wstring& text) {
  constexpr size_t kChunk = 250;
  size_t at = 0;
  while (text.size() - at > kChunk) {
    filer->writeString(chunkCode, text.substr(at, kChunk));
    at += kChunk;
  }
  filer->writeString(lastCode, text.substr(at));
}

}  // namespace entfile

namespace entgeom {

AcGeVector3d unitNormal(const AcGeVector3d& normal) {
  double length = normal.length();
  if (length < 1e-12) return AcGeVector3d::kZAxis;
  return normal / length;
}

bool isZAxis(const AcGeVector3d& normal) {
  return std::fabs(normal.x) < 1e-12 && std::fabs(normal.y) < 1e-12 && normal.z > 0.0;
}

AcGeVector3d ocsXAxis(const AcGeVector3d& normal) { return unitNormal(normal).perpVector(); }

AcGePoint3d ocsToWorld(const AcGeVector3d& normal, const AcGePoint3d& point) {
  if (isZAxis(normal)) return point;
  return AcGeMatrix3d::planeToWorld(unitNormal(normal)) * point;
}

AcGePoint3d worldToOcs(const AcGeVector3d& normal, const AcGePoint3d& point) {
  if (isZAxis(normal)) return point;
  return AcGeMatrix3d::worldToPlane(unitNormal(normal)) * point;
}

double ocsAngle(const AcGeVector3d& normal, const AcGeVector3d& direction) {
  AcGeVector3d n = unitNormal(normal);
  AcGeVector3d x = n.perpVector();
  AcGeVector3d y = n.crossProduct(x);
  return ge::normalizeAngle(std::atan2(direction.dotProduct(y), direction.dotProduct(x)));
}

AcGeVector3d ocsDirection(const AcGeVector3d& normal, double angle) {
  AcGeVector3d n = unitNormal(normal);
  AcGeVector3d x = n.perpVector();
  AcGeVector3d y = n.crossProduct(x);
  return x * std::cos(angle) + y * std::sin(angle);
}

bool uniformScaleInPlane(const AcGeMatrix3d& transform, const AcGeVector3d& normal, double& scale) {
  AcGeVector3d n = unitNormal(normal);
  AcGeVector3d u = n.perpVector();
  AcGeVector3d v = n.crossProduct(u);
  AcGeVector3d mu = transform * u;
  AcGeVector3d mv = transform * v;
  double lu = mu.length();
  double lv = mv.length();
  scale = lu;
  if (lu < 1e-12 || lv < 1e-12) return false;
  const double tol = 1e-9;
  return std::fabs(lu - lv) <= tol * std::max(lu, lv) &&
         std::fabs(mu.dotProduct(mv)) <= tol * lu * lv;
}

void addArcExtents(AcDbExtents& extents, const AcGePoint3d& center, const AcGeVector3d& xAxis,
                   const AcGeVector3d& yAxis, double radius, double startAngle, double sweep) {
  auto at = [&](double a) { return center + (xAxis * std::cos(a) + yAxis * std::sin(a)) * radius; };
  extents.addPoint(at(startAngle));
  extents.addPoint(at(startAngle + sweep));
  double from = sweep >= 0.0 ? startAngle : startAngle + sweep;
  double span = std::fabs(sweep);
  for (int axis = 0; axis < 3; ++axis) {
    // Along one world axis the arc's coordinate is extreme where its derivative vanishes.
    double extreme =
        std::atan2(yAxis[static_cast<unsigned>(axis)], xAxis[static_cast<unsigned>(axis)]);
    for (double a : {extreme, extreme + ge::kPi}) {
      double offset = ge::normalizeAngle(a - from);
      if (offset <= span) extents.addPoint(at(from + offset));
    }
  }
}

bool isMirroring(const AcGeMatrix3d& transform) {
  const auto& e = transform.entry;
  double det = e[0][0] * (e[1][1] * e[2][2] - e[1][2] * e[2][1]) -
               e[0][1] * (e[1][0] * e[2][2] - e[1][2] * e[2][0]) +
               e[0][2] * (e[1][0] * e[2][1] - e[1][1] * e[2][0]);
  return det < 0.0;
}

void transformNormal(const AcGeMatrix3d& transform, AcGeVector3d& normal, double& thickness) {
  AcGeVector3d n = transform * normal;
  if (n.isZeroLength()) return;
  thickness *= n.length();
  normal = n.normal();
}

Acad::ErrorStatus cornerExtents(Acad::ErrorStatus cornersStatus, const AcGePoint3dArray& corners,
                                AcDbExtents& extents) {
  extents = AcDbExtents();
  if (cornersStatus != Acad::eOk) return cornersStatus;
  for (const AcGePoint3d& p : corners) extents.addPoint(p);
  return Acad::eOk;
}

bool similarityOfPlane(const AcGeMatrix3d& transform, const AcGeVector3d& normal, double& scale,
                       AcGeVector3d& transformedNormal) {
  if (!uniformScaleInPlane(transform, normal, scale)) return false;
  transformedNormal = transform * normal;
  return !transformedNormal.isZeroLength();
}

}  // namespace entgeom
