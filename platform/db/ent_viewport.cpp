// AcDbViewport. The items of the AcDbViewport level are kept in file order; the modelled ones are
// written back from the object's values at their place, the others as they were read. A viewport
// made by code gets the items the host writes for a new one.
#include <algorithm>
#include <cmath>

#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/dbviewport.h"
#include "db/ent_fields.h"
#include "db/ent_support.h"
#include "ge/angles.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_MEMBERS(AcDbViewport, AcDbEntity, "VIEWPORT");

namespace {

constexpr int kFrozenLayerCode = 331;

bool isModelled(int code) {
  switch (code) {
    case 10:
    case 40:
    case 41:
    case 68:
    case 69:
    case 12:
    case 16:
    case 17:
    case 45:
    case 51:
    case 90:
    case 331:
    case 341:
      return true;
    default:
      return false;
  }
}

// The items of a new viewport, in the host's order (modelled ones as placeholders).
DxfItemList defaultItems() {
  DxfItemList items;
  auto point2 = [&](int code, double x, double y) {
    items.push_back(DxfItem::makePoint(code, x, y, 0.0, 2));
  };
  auto point3 = [&](int code, double x, double y, double z) {
    items.push_back(DxfItem::makePoint(code, x, y, z));
  };
  auto real = [&](int code, double v) { items.push_back(DxfItem::makeReal(code, v)); };
  auto integer = [&](int code, int v) { items.push_back(DxfItem::makeInt(code, v)); };
  point3(10, 0, 0, 0);
  real(40, 0);
  real(41, 0);
  integer(68, 0);
  integer(69, 0);
  point2(12, 0, 0);
  point2(13, 0, 0);
  point2(14, 10, 10);
  point2(15, 10, 10);
  point3(16, 0, 0, 1);
  point3(17, 0, 0, 0);
  real(42, 50);
  real(43, 0);
  real(44, 0);
  real(45, 1);
  real(50, 0);
  real(51, 0);
  integer(72, 1000);
  integer(kFrozenLayerCode, 0);
  integer(90, 0);
  items.push_back(DxfItem::makeString(1, L""));
  integer(281, 0);
  integer(71, 1);
  integer(74, 0);
  point3(110, 0, 0, 0);
  point3(111, 1, 0, 0);
  point3(112, 0, 1, 0);
  integer(79, 0);
  real(146, 0);
  integer(170, 0);
  return items;
}

}  // namespace

AcDbViewport::AcDbViewport() = default;

Acad::ErrorStatus AcDbViewport::setCenterPoint(const AcGePoint3d& point) {
  return assignMember(center_, point);
}

Acad::ErrorStatus AcDbViewport::setWidth(double width) {
  if (width < 0.0) return Acad::eInvalidInput;
  return assignMember(width_, width);
}

Acad::ErrorStatus AcDbViewport::setHeight(double height) {
  if (height < 0.0) return Acad::eInvalidInput;
  return assignMember(height_, height);
}

Acad::ErrorStatus AcDbViewport::setOn() {
  return assignMember(status_, static_cast<Adesk::Int16>(number_ > 0 ? number_ : 1));
}

Acad::ErrorStatus AcDbViewport::setViewCenter(const AcGePoint2d& center) {
  return assignMember(viewCenter_, center);
}

Acad::ErrorStatus AcDbViewport::setViewHeight(double height) {
  if (!(height > 0.0)) return Acad::eInvalidInput;
  return assignMember(viewHeight_, height);
}

Acad::ErrorStatus AcDbViewport::setViewTarget(const AcGePoint3d& target) {
  return assignMember(viewTarget_, target);
}

Acad::ErrorStatus AcDbViewport::setViewDirection(const AcGeVector3d& direction) {
  if (direction.isZeroLength()) return Acad::eInvalidInput;
  return assignMember(viewDirection_, direction);
}

Acad::ErrorStatus AcDbViewport::setTwistAngle(double angle) {
  return assignMember(twist_, ge::normalizeAngle(angle));
}

double AcDbViewport::customScale() const { return viewHeight_ > 0.0 ? height_ / viewHeight_ : 0.0; }

Acad::ErrorStatus AcDbViewport::setCustomScale(double scale) {
  if (!(scale > 0.0) || !(height_ > 0.0)) return Acad::eInvalidInput;
  return assignMember(viewHeight_, height_ / scale);
}

Acad::ErrorStatus AcDbViewport::setLocked(bool locked) {
  return assignMember(statusFlags_, locked ? (statusFlags_ | 0x4000) : (statusFlags_ & ~0x4000));
}

Acad::ErrorStatus AcDbViewport::getFrozenLayerList(AcDbObjectIdArray& layers) const {
  layers.removeAll();
  for (const AcDbObjectId& id : frozenLayers_) layers.append(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbViewport::freezeLayersInViewport(const AcDbObjectIdArray& layers) {
  assertWriteEnabled();
  for (const AcDbObjectId& id : layers) {
    if (!id.isNull() && !isLayerFrozenInViewport(id)) frozenLayers_.push_back(id);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbViewport::thawLayersInViewport(const AcDbObjectIdArray& layers) {
  assertWriteEnabled();
  for (const AcDbObjectId& id : layers) {
    frozenLayers_.erase(std::remove(frozenLayers_.begin(), frozenLayers_.end(), id),
                        frozenLayers_.end());
  }
  return Acad::eOk;
}

bool AcDbViewport::isLayerFrozenInViewport(AcDbObjectId layer) const {
  return std::find(frozenLayers_.begin(), frozenLayers_.end(), layer) != frozenLayers_.end();
}

Acad::ErrorStatus AcDbViewport::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  AcGeVector3d half(width_ / 2.0, height_ / 2.0, 0.0);
  extents.addPoint(center_ - half);
  extents.addPoint(center_ + half);
  return Acad::eOk;
}

// A viewport stays an upright rectangle of the sheet: moves and uniform scales only.
Acad::ErrorStatus AcDbViewport::transformBy(const AcGeMatrix3d& transform) {
  const auto& e = transform.entry;
  double s = e[0][0];
  if (std::fabs(e[1][1] - s) > 1e-12 * std::fabs(s) || std::fabs(e[0][1]) > 1e-12 ||
      std::fabs(e[1][0]) > 1e-12 || !(s > 0.0)) {
    return Acad::eCannotScaleNonUniformly;
  }
  assertWriteEnabled();
  center_ = transform * center_;
  width_ *= s;
  height_ *= s;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbViewport::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbViewport");
  const DxfItemList items = otherItems_.empty() ? defaultItems() : otherItems_;
  bool frozenWritten = false;
  std::vector<int> written;
  auto writeFrozen = [&]() {
    if (frozenWritten) return;
    frozenWritten = true;
    for (const AcDbObjectId& id : frozenLayers_) filer->writeObjectId(kFrozenLayerCode, id);
  };
  auto writeModelled = [&](int code) {
    if (std::find(written.begin(), written.end(), code) != written.end()) return;
    written.push_back(code);
    switch (code) {
      case 10:
        filer->writePoint3d(10, center_);
        break;
      case 40:
        filer->writeDouble(40, width_);
        break;
      case 41:
        filer->writeDouble(41, height_);
        break;
      case 68:
        filer->writeInt16(68, status_);
        break;
      case 69:
        filer->writeInt16(69, number_);
        break;
      case 12:
        filer->writePoint2d(12, viewCenter_);
        break;
      case 16:
        filer->writeVector3d(16, viewDirection_);
        break;
      case 17:
        filer->writePoint3d(17, viewTarget_);
        break;
      case 45:
        filer->writeDouble(45, viewHeight_);
        break;
      case 51:
        entfile::writeAngle(filer, 51, twist_);
        break;
      case 90:
        filer->writeInt32(90, statusFlags_);
        break;
      default:
        break;
    }
  };
  for (const DxfItem& item : items) {
    if (item.code == 331 || item.code == 341) {
      writeFrozen();
    } else if (isModelled(item.code)) {
      if (item.code == 90) writeFrozen();
      writeModelled(item.code);
    } else {
      filer->writeItem(item);
    }
  }
  for (int code : {10, 40, 41, 68, 69, 12, 16, 17, 45, 51, 90}) writeModelled(code);
  writeFrozen();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbViewport::dxfInFields(AcDbDxfFiler* filer) {
  otherItems_.clear();
  frozenLayers_.clear();
  return AcDbEntity::dxfInFields(filer);
}

bool AcDbViewport::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  bool own = filer->currentSubclass() == L"AcDbViewport" || filer->currentSubclass().empty();
  if (!own) return AcDbEntity::dxfInItem(filer, item);
  using entfile::Field;
  bool read = entfile::readField(
      item, {Field::point(10, center_), Field::real(40, width_), Field::real(41, height_),
             Field::integer(68, status_), Field::integer(69, number_),
             Field::vector(16, viewDirection_), Field::point(17, viewTarget_),
             Field::real(45, viewHeight_), Field::reducedAngle(51, twist_)});
  if (!read) {
    switch (item.code) {
      case 12: {
        AcGePoint3d p = entfile::pointOf(item);
        viewCenter_.set(p.x, p.y);
        break;
      }
      case 90:
        statusFlags_ = static_cast<Adesk::Int32>(item.integer);
        break;
      case 331:
      case 341:
        if (!item.id.isNull()) frozenLayers_.push_back(item.id);
        break;
      default:
        // Entity-level items of files without subclass markers.
        if (filer->currentSubclass().empty() && AcDbEntity::dxfInItem(filer, item)) return true;
        break;
    }
  }
  // Keep the item's place (modelled ones are written from the object's values there).
  bool placeKept = std::any_of(otherItems_.begin(), otherItems_.end(), [&](const DxfItem& kept) {
    return isModelled(item.code) &&
           (kept.code == item.code ||
            ((kept.code == 331 || kept.code == 341) && (item.code == 331 || item.code == 341)));
  });
  if (!placeKept) otherItems_.push_back(item);
  return true;
}
