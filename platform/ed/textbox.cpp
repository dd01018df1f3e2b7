// acedTextBox: the box of a single-line text from its entity list, measured with the platform's
// text metrics exactly as the text entity measures itself, with its insertion point at the origin
// and no rotation.
#include <cmath>
#include <optional>
#include <string>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "db/symbol_lookup.h"
#include "ed/acedgraph.h"
#include "ed/editor.h"
#include "ge/text_metrics.h"

namespace {

// What the list (or the entity it names) says about the text; the rest comes from defaults.
struct TextDefinition {
  std::optional<std::wstring> type;  // 0
  std::optional<std::wstring> text;  // 1
  std::optional<std::wstring> tag;   // 2, what an attribute definition shows
  std::optional<std::wstring> style;
  std::optional<double> height, widthFactor, oblique;  // oblique in radians
  std::optional<int> generation, horizontal;
  std::optional<AcGePoint3d> position, alignment;
};

bool fromEntity(const ads_name name, TextDefinition& def) {
  AcDbObjectId id;
  if (acdbGetObjectId(id, name) != Acad::eOk || id.isNull() || id.isErased()) return false;
  AcDbText* text = nullptr;
  if (acdbOpenObject(text, id, AcDb::kForRead) != Acad::eOk) return false;
  def.text = text->textStringConst();
  if (auto* definition = AcDbAttributeDefinition::cast(text)) {
    def.type = L"ATTDEF";
    def.tag = definition->tagConst();
  }
  std::wstring style = symbolRecordName(text->textStyle());
  if (!style.empty()) def.style = style;
  def.height = text->height();
  def.widthFactor = text->widthFactor();
  def.oblique = text->oblique();
  def.generation = (text->isMirroredInX() ? 2 : 0) | (text->isMirroredInY() ? 4 : 0);
  def.horizontal = static_cast<int>(text->horizontalMode());
  def.position = text->position();
  def.alignment = text->alignmentPoint();
  text->close();
  return true;
}

bool isStringType(const resbuf* rb) { return rb->restype == 0 || rb->restype == RTDXF0; }

// Reads the list; false when a value is malformed or the named entity is not a text. Values in
// the list override those of the entity.
bool readList(const resbuf* chain, TextDefinition& def) {
  for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == -1 && !fromEntity(rb->resval.rlname, def)) return false;
  }
  for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    const ads_u_val& v = rb->resval;
    if (isStringType(rb) || rb->restype == 1 || rb->restype == 2 || rb->restype == 7) {
      if (v.rstring == nullptr) return false;
      std::wstring text = v.rstring;
      if (isStringType(rb)) def.type = text;
      else if (rb->restype == 1) def.text = text;
      else if (rb->restype == 2) def.tag = text;
      else def.style = text;
      continue;
    }
    switch (rb->restype) {
      case 40: def.height = v.rreal; break;
      case 41: def.widthFactor = v.rreal; break;
      case 51: def.oblique = v.rreal; break;
      case 71: def.generation = v.rint; break;
      case 72: def.horizontal = v.rint; break;
      case 10: def.position = AcGePoint3d(v.rpoint[0], v.rpoint[1], v.rpoint[2]); break;
      case 11: def.alignment = AcGePoint3d(v.rpoint[0], v.rpoint[1], v.rpoint[2]); break;
      default: break;  // fields that do not shape the text
    }
  }
  return true;
}

// The style's own settings, which stand in for what the list leaves out.
struct StyleSettings {
  double fixedHeight = 0.0;
  double widthFactor = 1.0;
  double oblique = 0.0;
  int generation = 0;
};

bool styleSettings(AcDbDatabase* db, const std::optional<std::wstring>& name, StyleSettings& out) {
  AcDbObjectId id = name ? findSymbolRecord(db, db->textStyleTableId(), *name) : db->textstyle();
  if (id.isNull()) return !name;  // a named style must exist; without one, plain defaults
  AcDbTextStyleTableRecord* style = nullptr;
  if (acdbOpenObject(style, id, AcDb::kForRead) != Acad::eOk) return !name;
  out.fixedHeight = style->textSize();
  out.widthFactor = style->xScale() > 0.0 ? style->xScale() : 1.0;
  out.oblique = style->obliquingAngle();
  out.generation = style->flagBits() & 6;
  style->close();
  return true;
}

bool finitePositive(double value) { return std::isfinite(value) && value > 0.0; }

}  // namespace

int acedTextBox(const resbuf* ent, ads_point p1, ads_point p2) {
  if (ent == nullptr || p1 == nullptr || p2 == nullptr) return RTERROR;
  TextDefinition def;
  if (!readList(ent, def)) return RTERROR;
  // An attribute definition shows its tag.
  bool attdef = def.type && (*def.type == L"ATTDEF" || *def.type == L"attdef");
  std::optional<std::wstring> shown = attdef && def.tag ? def.tag : def.text;
  if (!shown) return RTERROR;
  AcDbDatabase* db = ed::Editor::instance().currentDatabase();
  StyleSettings style;
  if (db != nullptr && !styleSettings(db, def.style, style)) return RTERROR;

  double height = def.height.value_or(style.fixedHeight > 0.0 ? style.fixedHeight
                                                                : (db ? db->textsize() : 2.5));
  double widthFactor = def.widthFactor.value_or(style.widthFactor);
  double oblique = def.oblique.value_or(style.oblique);
  int generation = def.generation.value_or(style.generation);
  if (!finitePositive(height) || !finitePositive(widthFactor) || !std::isfinite(oblique)) {
    return RTERROR;
  }
  // Aligned text takes the height, fitted text the width, that spans its two points.
  int mode = def.horizontal.value_or(AcDb::kTextLeft);
  if ((mode == AcDb::kTextAlign || mode == AcDb::kTextFit) && def.position && def.alignment) {
    double span = AcGeVector3d(*def.alignment - *def.position).length();
    double advance = ge::textAdvance(*shown, height, widthFactor);
    if (span > 0.0 && advance > 0.0) {
      if (mode == AcDb::kTextAlign) height *= span / advance;
      else widthFactor *= span / advance;
    }
  }
  ge::TextBox box = ge::textBox(*shown, height, widthFactor, oblique);
  double minX = box.min.x, maxX = box.max.x, minY = box.min.y, maxY = box.max.y;
  // Backwards text runs to the left of its insertion point, upside-down text hangs below it.
  if (generation & 2) {
    minX = -box.max.x;
    maxX = -box.min.x;
  }
  if (generation & 4) {
    minY = -box.max.y;
    maxY = -box.min.y;
  }
  p1[0] = minX + 0.0;  // no negative zero in the result
  p1[1] = minY + 0.0;
  p1[2] = 0.0;
  p2[0] = maxX + 0.0;
  p2[1] = maxY + 0.0;
  p2[2] = 0.0;
  return RTNORM;
}
