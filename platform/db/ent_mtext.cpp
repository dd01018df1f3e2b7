// AcDbMText: paragraph text. Its layout (lines wrapped at the reference width, 5/3 of the height
// apart times the spacing factor, as the host sets lines) uses the platform's text metrics.
#include <algorithm>
#include <cmath>
#include <cwctype>

#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/dbmtext.h"
#include "db/ent_fields.h"
#include "db/ent_support.h"
#include "db/symbol_util.h"
#include "ge/angles.h"
#include "ge/gemat3d.h"
#include "ge/text_metrics.h"

ACRX_DEFINE_MEMBERS(AcDbMText, AcDbEntity, "MTEXT");

namespace {

// Line pitch of paragraph text: 5/3 of the text height at a spacing factor of 1.
constexpr double kLinePitch = 5.0 / 3.0;

// The text of the contents: paragraph breaks become line feeds, formatting codes go.
std::wstring stripFormatting(const std::wstring& contents) {
  std::wstring out;
  for (size_t i = 0; i < contents.size(); ++i) {
    wchar_t c = contents[i];
    if (c == L'{' || c == L'}') continue;
    if (c != L'\\' || i + 1 >= contents.size()) {
      out += c;
      continue;
    }
    wchar_t code = contents[++i];
    switch (code) {
      case L'P':
      case L'N':
        out += L'\n';
        break;
      case L'~':
        out += L' ';
        break;
      case L'\\':
      case L'{':
      case L'}':
        out += code;
        break;
      case L'S': {
        // Stacked text "a^b", "a/b" or "a#b" up to ';': shown as a/b.
        size_t end = contents.find(L';', i);
        std::wstring stacked =
            contents.substr(i + 1, end == std::wstring::npos ? std::wstring::npos : end - i - 1);
        for (wchar_t& s : stacked) {
          if (s == L'^' || s == L'#') s = L'/';
        }
        out += stacked;
        i = end == std::wstring::npos ? contents.size() : end;
        break;
      }
      case L'L':
      case L'l':
      case L'O':
      case L'o':
      case L'K':
      case L'k':
        break;  // underline, overline, strike-through toggles
      default: {
        // Codes with a value up to ';' (font, height, width, colour, tracking, alignment...).
        size_t end = contents.find(L';', i);
        i = end == std::wstring::npos ? contents.size() : end;
        break;
      }
    }
  }
  return out;
}

// The lines of a paragraph text once wrapped at width (0: no wrapping).
std::vector<std::wstring> wrapLines(const std::wstring& text, double height, double width) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  while (true) {
    size_t end = text.find(L'\n', start);
    std::wstring paragraph =
        text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    std::wstring line;
    size_t pos = 0;
    while (pos <= paragraph.size()) {
      size_t space = paragraph.find(L' ', pos);
      std::wstring word =
          paragraph.substr(pos, space == std::wstring::npos ? std::wstring::npos : space - pos);
      std::wstring candidate = line.empty() ? word : line + L" " + word;
      if (width > 0.0 && !line.empty() && ge::textAdvance(candidate, height) > width) {
        lines.push_back(line);
        line = word;
      } else {
        line = candidate;
      }
      if (space == std::wstring::npos) break;
      pos = space + 1;
    }
    lines.push_back(line);
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace

AcDbMText::AcDbMText() = default;

Acad::ErrorStatus AcDbMText::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  double angle = rotation();
  assertWriteEnabled();
  normal_ = normal.normal();
  direction_ = entgeom::ocsDirection(normal_, angle);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setDirection(const AcGeVector3d& direction) {
  AcGeVector3d inPlane = direction - normal_ * direction.dotProduct(normal_);
  if (inPlane.isZeroLength()) return Acad::eInvalidInput;
  return assignMember(direction_, inPlane.normal());
}

double AcDbMText::rotation() const { return entgeom::ocsAngle(normal_, direction_); }

Acad::ErrorStatus AcDbMText::setRotation(double angle) {
  return assignMember(direction_, entgeom::ocsDirection(normal_, angle));
}

Acad::ErrorStatus AcDbMText::setWidth(double width) {
  if (width < 0.0) return Acad::eInvalidInput;
  return assignMember(width_, width);
}

Acad::ErrorStatus AcDbMText::setTextHeight(double height) {
  if (!(height > 0.0)) return Acad::eInvalidInput;
  return assignMember(height_, height);
}

Acad::ErrorStatus AcDbMText::setAttachment(AttachmentPoint attachment) {
  if (attachment < kTopLeft || attachment > kBottomRight) return Acad::eInvalidInput;
  return assignMember(attachment_, attachment);
}

Acad::ErrorStatus AcDbMText::setLineSpacingStyle(LineSpacingStyle style) {
  return assignMember(spacingStyle_, style);
}

Acad::ErrorStatus AcDbMText::setLineSpacingFactor(double factor) {
  if (factor < 0.25 || factor > 4.0) return Acad::eInvalidInput;
  return assignMember(spacingFactor_, factor);
}

ACHAR* AcDbMText::contents() const { return newHostString(contents_); }

int AcDbMText::setContents(const ACHAR* text) {
  assertWriteEnabled();
  contents_ = text ? text : L"";
  return static_cast<int>(contents_.size());
}

std::wstring AcDbMText::text() const { return stripFormatting(contents_); }

void AcDbMText::layout(double& width, double& height, std::vector<std::wstring>* laidOut) const {
  std::vector<std::wstring> lines = wrapLines(ge::decodeSpecialCodes(text()), height_, width_);
  width = 0.0;
  for (const std::wstring& line : lines) width = std::max(width, ge::textAdvance(line, height_));
  height =
      lines.empty() ? 0.0 : height_ + (lines.size() - 1) * height_ * kLinePitch * spacingFactor_;
  if (laidOut != nullptr) *laidOut = std::move(lines);
}

void AcDbMText::boxCorners(double w, double h, AcGePoint3dArray& points) const {
  int column = (attachment_ - 1) % 3;  // 0 left, 1 centre, 2 right
  int row = (attachment_ - 1) / 3;     // 0 top, 1 middle, 2 bottom
  double left = -w * column / 2.0;
  double top = h * row / 2.0;
  AcGeVector3d along = direction_;
  AcGeVector3d up = normal_.crossProduct(direction_);
  auto at = [&](double x, double y) { return location_ + along * x + up * y; };
  points.append(at(left, top));
  points.append(at(left + w, top));
  points.append(at(left, top - h));
  points.append(at(left + w, top - h));
}

void AcDbMText::explodeFragments(AcDbMTextEnum enumerate, void* param, AcGiWorldDraw*) const {
  if (enumerate == nullptr || text().empty()) return;
  std::vector<std::wstring> lines;
  double boxWidth = 0.0, boxHeight = 0.0;
  layout(boxWidth, boxHeight, &lines);
  AcGePoint3dArray box;
  boxCorners(boxWidth, boxHeight, box);
  const AcGePoint3d& topLeft = box[0];
  int column = (attachment_ - 1) % 3;  // each line aligned in the box as the attachment says
  AcGeVector3d up = normal_.crossProduct(direction_);
  for (size_t i = 0; i < lines.size(); ++i) {
    double width = ge::textAdvance(lines[i], height_);
    double baseline = height_ + i * height_ * kLinePitch * spacingFactor_;
    AcDbMTextFragment fragment;
    fragment.location = topLeft + direction_ * ((boxWidth - width) * column / 2.0) - up * baseline;
    fragment.normal = normal_;
    fragment.direction = direction_;
    fragment.text = lines[i].c_str();
    fragment.extents = AcGePoint2d(width, height_);
    fragment.capsHeight = height_;
    if (enumerate(&fragment, param) == 0) return;
  }
}

double AcDbMText::actualHeight() const {
  double w = 0.0, h = 0.0;
  layout(w, h);
  return h;
}

double AcDbMText::actualWidth() const {
  double w = 0.0, h = 0.0;
  layout(w, h);
  return w;
}

Acad::ErrorStatus AcDbMText::getBoundingPoints(AcGePoint3dArray& points) const {
  points.removeAll();
  if (text().empty()) return Acad::eInvalidExtents;
  double w = 0.0, h = 0.0;
  layout(w, h);
  boxCorners(w, h, points);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::getGeomExtents(AcDbExtents& extents) const {
  AcGePoint3dArray corners;
  return entgeom::cornerExtents(getBoundingPoints(corners), corners, extents);
}

Acad::ErrorStatus AcDbMText::transformBy(const AcGeMatrix3d& transform) {
  double scale = 0.0;
  AcGeVector3d normal;
  if (!entgeom::similarityOfPlane(transform, normal_, scale, normal))
    return Acad::eCannotScaleNonUniformly;
  AcGeVector3d direction = transform * direction_;
  if (direction.isZeroLength()) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  location_ = transform * location_;
  normal_ = normal.normal();
  direction_ = direction.normal();
  height_ *= scale;
  width_ *= scale;
  // Paragraph text cannot read backwards: a mirror keeps it readable and swaps left and right
  // attachments so that the text stays on the mirrored side.
  if (entgeom::isMirroring(transform)) {
    direction_ = -direction_;
    int column = (attachment_ - 1) % 3;
    int row = (attachment_ - 1) / 3;
    attachment_ = static_cast<AttachmentPoint>(row * 3 + (2 - column) + 1);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbMText");
  filer->writePoint3d(10, location_);
  filer->writeDouble(40, height_);
  filer->writeDouble(41, width_);
  filer->writeInt16(71, attachment_);
  filer->writeInt16(72, flow_);
  entfile::writeChunkedText(filer, 3, 1, contents_);
  entfile::writeRecordReference(filer, 7, style_);
  entfile::writeNormal(filer, normal_);
  filer->writeVector3d(11, direction_);
  filer->writeInt16(73, spacingStyle_);
  filer->writeDouble(44, spacingFactor_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::dxfInFields(AcDbDxfFiler* filer) {
  chunks_.clear();
  directionRead_ = rotationGiven_ = false;
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  // Chunks without their closing 1 item still are text.
  if (!chunks_.empty()) contents_ = chunks_;
  if (!directionRead_ && rotationGiven_) direction_ = entgeom::ocsDirection(normal_, rotationRead_);
  direction_ = direction_ - normal_ * direction_.dotProduct(normal_);
  direction_ = direction_.isZeroLength() ? entgeom::ocsXAxis(normal_) : direction_.normal();
  chunks_.clear();
  return es;
}

bool AcDbMText::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  using entfile::Field;
  switch (item.code) {
    case 71: {
      int a = entfile::intOf(item);
      attachment_ = static_cast<AttachmentPoint>(a >= 1 && a <= 9 ? a : 1);
      return true;
    }
    case 72:
      flow_ = static_cast<FlowDirection>(std::clamp(entfile::intOf(item), 1, 5));
      return true;
    case 3:
      chunks_ += item.text;
      return true;
    case 1:
      contents_ = chunks_ + item.text;
      chunks_.clear();
      return true;
    case 7:
      style_ = entfile::textStyleOf(filer, this, item);
      return true;
    case 11: {
      AcGeVector3d d = entfile::vectorOf(item);
      if (!d.isZeroLength()) {
        direction_ = d.normal();
        directionRead_ = true;
      }
      return true;
    }
    case 73:
      spacingStyle_ = entfile::intOf(item) == 2 ? kExactly : kAtLeast;
      return true;
    default:
      return entfile::readField(item, {Field::point(10, location_), Field::real(40, height_),
                                       Field::real(41, width_), Field::normal(210, normal_),
                                       Field::real(44, spacingFactor_),
                                       Field::angle(50, rotationRead_).flagging(rotationGiven_)}) ||
             AcDbEntity::dxfInItem(filer, item);
  }
}
