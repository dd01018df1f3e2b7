// AcDbAttributeDefinition and AcDbAttribute: texts with a tag. In files both carry the text items
// under AcDbText and their own under their subclass marker, where 73 is the field length and 74
// the vertical alignment (a plain text's 73).
#include "db/dbents.h"
#include "db/dbfiler.h"
#include "db/ent_support.h"
#include "db/symbol_util.h"
#include "ge/gemat3d.h"
#include "os/case_map.h"

ACRX_DEFINE_MEMBERS(AcDbAttributeDefinition, AcDbText, "ATTDEF");
ACRX_DEFINE_MEMBERS(AcDbAttribute, AcDbText, "ATTRIB");

namespace {

// Tags take no spaces nor exclamation marks, and are kept in upper case, as the host keeps them.
bool normalizeTag(const ACHAR* tag, std::wstring& out) {
  if (tag == nullptr || *tag == L'\0') return false;
  out.clear();
  for (const ACHAR* c = tag; *c != L'\0'; ++c) {
    if (*c == L' ' || *c == L'!') return false;
    out += toUpperLatin(*c);
  }
  return true;
}

// Items of the attribute levels shared by both kinds. Returns true when the item was one of them.
bool readAttributeItem(AcDbDxfFiler* filer, const DxfItem& item, std::wstring& tag, int& flags,
                       Adesk::UInt16& fieldLength, bool& lock) {
  switch (item.code) {
    case 2:
      tag = item.text;
      return true;
    case 70:
      flags = entfile::intOf(item) & 15;
      return true;
    case 73:
      // Under AcDbText, 73 is the vertical alignment of a text; the caller passes it on.
      if (filer->currentSubclass() == L"AcDbText") return false;
      fieldLength = static_cast<Adesk::UInt16>(entfile::intOf(item));
      return true;
    case 280:
      lock = entfile::intOf(item) != 0;
      return true;
    default:
      return false;
  }
}

void writeAttributeItems(AcDbDxfFiler* filer, const std::wstring& tag, int flags,
                         Adesk::UInt16 fieldLength, AcDb::TextVertMode vertical, bool lock) {
  bool every = entfile::writesEveryField(filer);
  filer->writeString(2, tag);
  filer->writeInt16(70, flags);
  if (fieldLength != 0 || every) filer->writeInt16(73, fieldLength);
  if (vertical != AcDb::kTextBase || every) filer->writeInt16(74, vertical);
  if (lock || every) filer->writeInt16(280, lock ? 1 : 0);
}

// 74 is the vertical alignment of attributes: read as a text's 73.
DxfItem asTextVerticalMode(const DxfItem& item) {
  DxfItem vertical = item;
  vertical.code = 73;
  return vertical;
}

}  // namespace

// AcDbAttributeDefinition.

AcDbAttributeDefinition::AcDbAttributeDefinition() = default;

AcDbAttributeDefinition::AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text,
                                                 const ACHAR* tag, const ACHAR* prompt,
                                                 AcDbObjectId style)
    : AcDbText(position, text, style), prompt_(prompt ? prompt : L"") {
  if (!normalizeTag(tag, tag_)) tag_ = tag ? tag : L"";
}

ACHAR* AcDbAttributeDefinition::prompt() const { return newHostString(prompt_); }

Acad::ErrorStatus AcDbAttributeDefinition::setPrompt(const ACHAR* prompt) {
  return assignMember(prompt_, prompt ? prompt : L"");
}

ACHAR* AcDbAttributeDefinition::tag() const { return newHostString(tag_); }

Acad::ErrorStatus AcDbAttributeDefinition::setTag(const ACHAR* tag) {
  std::wstring normalized;
  if (!normalizeTag(tag, normalized)) return Acad::eInvalidInput;
  return assignMember(tag_, normalized);
}

namespace {
int withFlag(int flags, int bit, bool value) { return value ? (flags | bit) : (flags & ~bit); }
}  // namespace

Acad::ErrorStatus AcDbAttributeDefinition::setInvisible(bool value) {
  return assignMember(flags_, withFlag(flags_, 1, value));
}

Acad::ErrorStatus AcDbAttributeDefinition::setConstant(bool value) {
  return assignMember(flags_, withFlag(flags_, 2, value));
}

Acad::ErrorStatus AcDbAttributeDefinition::setVerifiable(bool value) {
  return assignMember(flags_, withFlag(flags_, 4, value));
}

Acad::ErrorStatus AcDbAttributeDefinition::setPreset(bool value) {
  return assignMember(flags_, withFlag(flags_, 8, value));
}

Acad::ErrorStatus AcDbAttributeDefinition::setFieldLength(Adesk::UInt16 length) {
  return assignMember(fieldLength_, length);
}

Acad::ErrorStatus AcDbAttributeDefinition::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  dxfOutTextFields(filer, false);
  filer->writeString(100, L"AcDbAttributeDefinition");
  filer->writeString(3, prompt_);
  writeAttributeItems(filer, tag_, flags_, fieldLength_, verticalMode(), lockPosition_);
  return Acad::eOk;
}

bool AcDbAttributeDefinition::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  if (item.code == 3) {
    prompt_ = item.text;
    return true;
  }
  if (item.code == 74) return AcDbText::dxfInItem(filer, asTextVerticalMode(item));
  if (readAttributeItem(filer, item, tag_, flags_, fieldLength_, lockPosition_)) return true;
  return AcDbText::dxfInItem(filer, item);
}

// AcDbAttribute.

AcDbAttribute::AcDbAttribute() = default;

AcDbAttribute::AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                             AcDbObjectId style)
    : AcDbText(position, text, style) {
  if (!normalizeTag(tag, tag_)) tag_ = tag ? tag : L"";
}

ACHAR* AcDbAttribute::tag() const { return newHostString(tag_); }

Acad::ErrorStatus AcDbAttribute::setTag(const ACHAR* tag) {
  std::wstring normalized;
  if (!normalizeTag(tag, normalized)) return Acad::eInvalidInput;
  return assignMember(tag_, normalized);
}

Acad::ErrorStatus AcDbAttribute::setInvisible(bool value) {
  return assignMember(flags_, withFlag(flags_, 1, value));
}

Acad::ErrorStatus AcDbAttribute::setFieldLength(Adesk::UInt16 length) {
  return assignMember(fieldLength_, length);
}

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcDbAttributeDefinition* definition,
                                                       const AcGeMatrix3d& blockTransform) {
  if (definition == nullptr) return Acad::eNullEntityPointer;
  assertWriteEnabled();
  setPropertiesFrom(definition);
  setTextStyle(definition->textStyle());
  setTextString(definition->textStringConst());
  setNormal(definition->normal());
  setThickness(definition->thickness());
  setPosition(definition->position());
  setHorizontalMode(definition->horizontalMode());
  setVerticalMode(definition->verticalMode());
  setAlignmentPoint(definition->alignmentPoint());
  if (definition->height() > 0.0) setHeight(definition->height());
  setWidthFactor(definition->widthFactor());
  setRotation(definition->rotation());
  setOblique(definition->oblique());
  mirrorInX(definition->isMirroredInX());
  mirrorInY(definition->isMirroredInY());
  tag_ = definition->tagConst();
  flags_ = (definition->isInvisible() ? 1 : 0) | (definition->isConstant() ? 2 : 0) |
           (definition->isVerifiable() ? 4 : 0) | (definition->isPreset() ? 8 : 0);
  fieldLength_ = definition->fieldLength();
  lockPosition_ = definition->lockPositionInBlock();
  if (transformBy(blockTransform) == Acad::eOk) return Acad::eOk;
  // A block scaled differently along its axes: the attribute keeps its shape as the host does,
  // its height following the scale across the base line and its width factor the rest.
  AcGeVector3d direction = entgeom::ocsDirection(definition->normal(), definition->rotation());
  AcGeVector3d along = blockTransform * direction;
  AcGeVector3d up = blockTransform * definition->normal().crossProduct(direction);
  AcGeVector3d normal = along.crossProduct(up);
  if (along.isZeroLength() || up.isZeroLength() || normal.isZeroLength())
    return Acad::eCannotScaleNonUniformly;
  setNormal(normal);
  setPosition(blockTransform * definition->position());
  setAlignmentPoint(blockTransform * definition->alignmentPoint());
  double upScale = (up - along.normal() * up.dotProduct(along.normal())).length();
  setHeight(definition->height() * upScale);
  setWidthFactor(definition->widthFactor() * along.length() / upScale);
  setRotation(entgeom::ocsAngle(normal, along));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAttribute::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  dxfOutTextFields(filer, false);
  filer->writeString(100, L"AcDbAttribute");
  writeAttributeItems(filer, tag_, flags_, fieldLength_, verticalMode(), lockPosition_);
  return Acad::eOk;
}

bool AcDbAttribute::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  if (item.code == 74) return AcDbText::dxfInItem(filer, asTextVerticalMode(item));
  if (readAttributeItem(filer, item, tag_, flags_, fieldLength_, lockPosition_)) return true;
  return AcDbText::dxfInItem(filer, item);
}
