// AcDbText. Position and alignment point are kept in world coordinates; files give them in the
// object coordinate system of the normal (converted once the whole object is read).
//
// Alignment follows the host: a text aligned otherwise than left on the base line is anchored at
// its alignment point, and its position (the start of the base line) follows from the text's
// extent. The extent comes from the platform's text metrics (ge/text_metrics.h).
#include <cmath>
#include <cwctype>

#include "db/acutads.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/ent_fields.h"
#include "db/ent_support.h"
#include "db/symbol_util.h"
#include "ge/angles.h"
#include "ge/gemat3d.h"
#include "ge/text_metrics.h"

ACRX_DEFINE_MEMBERS(AcDbText, AcDbEntity, "TEXT");

namespace {

// The axes of a text: along the base line and up the characters, in world coordinates, with the
// generation flags applied (a backwards text runs against its direction, an upside-down one hangs
// below its base line).
struct TextAxes {
  AcGeVector3d along, up;
};

TextAxes axesOf(const AcGeVector3d& normal, double rotation, bool mirroredX, bool mirroredY) {
  AcGeVector3d along = entgeom::ocsDirection(normal, rotation);
  AcGeVector3d up = entgeom::unitNormal(normal).crossProduct(along);
  return {mirroredX ? -along : along, mirroredY ? -up : up};
}

// The alignment point's offset from the position, in the text's own axes (x along, y up).
AcGePoint2d alignmentOffset(AcDb::TextHorzMode horizontal, AcDb::TextVertMode vertical,
                            double advance, double height) {
  double x = 0.0, y = 0.0;
  switch (horizontal) {
    case AcDb::kTextCenter:
      x = advance / 2.0;
      break;
    case AcDb::kTextRight:
      x = advance;
      break;
    case AcDb::kTextMid:
      return AcGePoint2d(advance / 2.0, height / 2.0);
    default:
      break;
  }
  switch (vertical) {
    case AcDb::kTextBottom:
      y = -ge::kDescentRatio * height;
      break;
    case AcDb::kTextVertMid:
      y = height / 2.0;
      break;
    case AcDb::kTextTop:
      y = height;
      break;
    default:
      break;
  }
  return AcGePoint2d(x, y);
}

constexpr double kMaxOblique = 85.0 * ge::kPi / 180.0;

}  // namespace

AcDbText::AcDbText() = default;

AcDbText::AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style,
                   double height, double rotation)
    : position_(position),
      alignmentPoint_(position),
      text_(text ? text : L""),
      style_(style),
      height_(height),
      rotation_(rotation) {}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& position) {
  assertWriteEnabled();
  position_ = position;
  if (isDefaultAlignment()) alignmentPoint_ = position;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& point) {
  return assignMember(alignmentPoint_, point);
}

bool AcDbText::isDefaultAlignment() const {
  return horizontalMode_ == AcDb::kTextLeft && verticalMode_ == AcDb::kTextBase;
}

ACHAR* AcDbText::textString() const { return newHostString(text_); }

Acad::ErrorStatus AcDbText::setTextString(const ACHAR* text) {
  if (text == nullptr) return Acad::eInvalidInput;
  return assignMember(text_, text);
}

Acad::ErrorStatus AcDbText::setHeight(double height) {
  if (!(height > 0.0)) return Acad::eInvalidInput;
  return assignMember(height_, height);
}

Acad::ErrorStatus AcDbText::setWidthFactor(double factor) {
  if (!(factor > 0.0)) return Acad::eInvalidInput;
  return assignMember(widthFactor_, factor);
}

Acad::ErrorStatus AcDbText::setRotation(double angle) {
  return assignMember(rotation_, ge::normalizeAngle(angle));
}

Acad::ErrorStatus AcDbText::setOblique(double angle) {
  double a = std::remainder(angle, ge::kTwoPi);
  if (std::fabs(a) > kMaxOblique + 1e-12) return Acad::eInvalidInput;
  return assignMember(oblique_, a);
}

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode) {
  if (mode < AcDb::kTextLeft || mode > AcDb::kTextFit) return Acad::eInvalidInput;
  return assignMember(horizontalMode_, mode);
}

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode) {
  if (mode < AcDb::kTextBase || mode > AcDb::kTextTop) return Acad::eInvalidInput;
  return assignMember(verticalMode_, mode);
}

Acad::ErrorStatus AcDbText::mirrorInX(bool mirror) {
  return assignMember(generationFlags_, mirror ? (generationFlags_ | 2) : (generationFlags_ & ~2));
}

Acad::ErrorStatus AcDbText::mirrorInY(bool mirror) {
  return assignMember(generationFlags_, mirror ? (generationFlags_ | 4) : (generationFlags_ & ~4));
}

Acad::ErrorStatus AcDbText::adjustAlignment(const AcDbDatabase*) {
  assertWriteEnabled();
  if (isDefaultAlignment()) {
    alignmentPoint_ = position_;
    return Acad::eOk;
  }
  std::wstring shown = ge::decodeSpecialCodes(text_);
  if (horizontalMode_ == AcDb::kTextAlign || horizontalMode_ == AcDb::kTextFit) {
    // The text runs from its position to its alignment point: aligned text scales its height with
    // its width, fitted text keeps its height and stretches its width.
    AcGeVector3d span = alignmentPoint_ - position_;
    double length = span.length();
    double advance = ge::textAdvance(shown, height_, widthFactor_);
    if (length <= 0.0 || advance <= 0.0) return Acad::eOk;
    rotation_ = entgeom::ocsAngle(normal_, isMirroredInX() ? -span : span);
    if (horizontalMode_ == AcDb::kTextAlign) {
      height_ *= length / advance;
    } else {
      widthFactor_ *= length / advance;
    }
    return Acad::eOk;
  }
  double advance = ge::textAdvance(shown, height_, widthFactor_);
  AcGePoint2d offset = alignmentOffset(horizontalMode_, verticalMode_, advance, height_);
  TextAxes axes = axesOf(normal_, rotation_, isMirroredInX(), isMirroredInY());
  position_ = alignmentPoint_ - axes.along * offset.x - axes.up * offset.y;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::getBoundingPoints(AcGePoint3dArray& points) const {
  points.removeAll();
  std::wstring shown = ge::decodeSpecialCodes(text_);
  if (shown.empty()) return Acad::eInvalidExtents;
  ge::TextBox box = ge::textBox(shown, height_, widthFactor_, oblique_);
  TextAxes axes = axesOf(normal_, rotation_, isMirroredInX(), isMirroredInY());
  // The position as the host would place it: aligned texts hang from their alignment point.
  AcGePoint3d origin = position_;
  if (!isDefaultAlignment() && horizontalMode_ != AcDb::kTextAlign &&
      horizontalMode_ != AcDb::kTextFit) {
    double advance = ge::textAdvance(shown, height_, widthFactor_);
    AcGePoint2d offset = alignmentOffset(horizontalMode_, verticalMode_, advance, height_);
    origin = alignmentPoint_ - axes.along * offset.x - axes.up * offset.y;
  }
  auto at = [&](double x, double y) { return origin + axes.along * x + axes.up * y; };
  points.append(at(box.min.x, box.min.y));
  points.append(at(box.max.x, box.min.y));
  points.append(at(box.max.x, box.max.y));
  points.append(at(box.min.x, box.max.y));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::getGeomExtents(AcDbExtents& extents) const {
  AcGePoint3dArray corners;
  return entgeom::cornerExtents(getBoundingPoints(corners), corners, extents);
}

Acad::ErrorStatus AcDbText::transformBy(const AcGeMatrix3d& transform) {
  double scale = 0.0;
  AcGeVector3d normal;
  if (!entgeom::similarityOfPlane(transform, normal_, scale, normal))
    return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  AcGeVector3d along = transform * entgeom::ocsDirection(normal_, rotation_);
  bool mirror = entgeom::isMirroring(transform);
  thickness_ *= normal.length();
  normal_ = normal.normal();
  position_ = transform * position_;
  alignmentPoint_ = transform * alignmentPoint_;
  height_ *= scale;
  // A mirrored text reads backwards: it keeps its up direction and runs against its base line.
  if (mirror) {
    along = -along;
    generationFlags_ ^= 2;
  }
  rotation_ = entgeom::ocsAngle(normal_, along);
  return Acad::eOk;
}

void AcDbText::dxfOutTextFields(AcDbDxfFiler* filer, bool plainText) const {
  bool every = entfile::writesEveryField(filer);
  filer->writeString(100, L"AcDbText");
  entfile::writeUnlessZero(filer, 39, thickness_);
  filer->writePoint3d(10, entgeom::worldToOcs(normal_, position_));
  filer->writeDouble(40, height_);
  filer->writeString(1, text_);
  if (rotation_ != 0.0 || every) entfile::writeAngle(filer, 50, rotation_);
  if (widthFactor_ != 1.0 || every) filer->writeDouble(41, widthFactor_);
  if (oblique_ != 0.0 || every) entfile::writeAngle(filer, 51, oblique_);
  entfile::writeRecordReference(filer, 7, style_);
  if (generationFlags_ != 0 || every) filer->writeInt16(71, generationFlags_);
  if (horizontalMode_ != AcDb::kTextLeft || every) filer->writeInt16(72, horizontalMode_);
  if (!isDefaultAlignment() || every)
    filer->writePoint3d(11, entgeom::worldToOcs(normal_, alignmentPoint_));
  entfile::writeNormal(filer, normal_);
  if (plainText) {
    filer->writeString(100, L"AcDbText");
    if (verticalMode_ != AcDb::kTextBase || every) filer->writeInt16(73, verticalMode_);
  }
}

Acad::ErrorStatus AcDbText::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  dxfOutTextFields(filer, true);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::dxfInFields(AcDbDxfFiler* filer) {
  positionRead_ = alignmentRead_ = false;
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (positionRead_) position_ = entgeom::ocsToWorld(normal_, filePosition_);
  if (alignmentRead_) {
    alignmentPoint_ = entgeom::ocsToWorld(normal_, fileAlignment_);
  } else if (positionRead_) {
    // Files leave the alignment point out for left-aligned texts.
    alignmentPoint_ = position_;
  }
  positionRead_ = alignmentRead_ = false;
  return es;
}

bool AcDbText::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 1:
      text_ = item.text;
      return true;
    case 51:
      oblique_ = std::remainder(entfile::angleOf(item), ge::kTwoPi);
      return true;
    case 7:
      style_ = entfile::textStyleOf(filer, this, item);
      return true;
    case 71:
      generationFlags_ = entfile::intOf(item) & 6;
      return true;
    case 72: {
      int mode = entfile::intOf(item);
      horizontalMode_ = static_cast<AcDb::TextHorzMode>(mode >= 0 && mode <= 5 ? mode : 0);
      return true;
    }
    case 73: {
      int mode = entfile::intOf(item);
      verticalMode_ = static_cast<AcDb::TextVertMode>(mode >= 0 && mode <= 3 ? mode : 0);
      return true;
    }
    default:
      return entfile::readField(item, {Field::point(10, filePosition_).flagging(positionRead_),
                                       Field::point(11, fileAlignment_).flagging(alignmentRead_),
                                       Field::real(40, height_), Field::reducedAngle(50, rotation_),
                                       Field::real(41, widthFactor_), Field::real(39, thickness_),
                                       Field::normal(210, normal_)}) ||
             AcDbEntity::dxfInItem(filer, item);
  }
}
