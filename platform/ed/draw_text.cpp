// TEXT: one line of text placed by its start point or by a justification point. The host's
// command goes on with the next line below until an empty one; here each command places one
// line, and an empty answer places nothing.
#include <string>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "db/symbol_lookup.h"
#include "ed/aced.h"
#include "ed/draw_commands.h"
#include "ed/draw_messages.h"
#include "ed/draw_support.h"
#include "ed/editor.h"

namespace ed::draw {

namespace {

// A justification of the options list: the global keyword, the modes it sets and the prompt for
// its point.
struct Justification {
  const wchar_t* keyword;
  AcDb::TextHorzMode horizontal;
  AcDb::TextVertMode vertical;
  const wchar_t* prompt;
};

const Justification kJustifications[] = {
    {L"Center", AcDb::kTextCenter, AcDb::kTextBase,
     L"\nSpécifiez le point central de la ligne de base du texte: "},
    {L"Middle", AcDb::kTextMid, AcDb::kTextBase, L"\nSpécifiez le point milieu du texte: "},
    {L"Right", AcDb::kTextRight, AcDb::kTextBase,
     L"\nSpécifiez l'extrémité droite de la ligne de base du texte: "},
    {L"TL", AcDb::kTextLeft, AcDb::kTextTop, L"\nSpécifiez le point supérieur gauche du texte: "},
    {L"TC", AcDb::kTextCenter, AcDb::kTextTop,
     L"\nSpécifiez le point supérieur central du texte: "},
    {L"TR", AcDb::kTextRight, AcDb::kTextTop, L"\nSpécifiez le point supérieur droit du texte: "},
    {L"ML", AcDb::kTextLeft, AcDb::kTextVertMid, L"\nSpécifiez le point milieu gauche du texte: "},
    {L"MC", AcDb::kTextCenter, AcDb::kTextVertMid,
     L"\nSpécifiez le point milieu central du texte: "},
    {L"MR", AcDb::kTextRight, AcDb::kTextVertMid, L"\nSpécifiez le point milieu droit du texte: "},
    {L"BL", AcDb::kTextLeft, AcDb::kTextBottom,
     L"\nSpécifiez le point inférieur gauche du texte: "},
    {L"BC", AcDb::kTextCenter, AcDb::kTextBottom,
     L"\nSpécifiez le point inférieur central du texte: "},
    {L"BR", AcDb::kTextRight, AcDb::kTextBottom,
     L"\nSpécifiez le point inférieur droit du texte: "},
};

// Where the text goes: its modes, the point given (start or justification point) and, for
// aligned and fitted text, the end of its base line.
struct Placement {
  AcDb::TextHorzMode horizontal = AcDb::kTextLeft;
  AcDb::TextVertMode vertical = AcDb::kTextBase;
  AcGePoint3d point;
  AcGePoint3d baselineEnd;
  bool twoPoints() const { return horizontal == AcDb::kTextAlign || horizontal == AcDb::kTextFit; }
};

// The current text style's fixed height, width factor and obliquing angle.
struct StyleLook {
  std::wstring name;
  double fixedHeight = 0.0;
  double widthFactor = 1.0;
  double oblique = 0.0;
};

StyleLook currentStyle(AcDbDatabase* db) {
  StyleLook look;
  AcDbTextStyleTableRecord* style = nullptr;
  if (acdbOpenObject(style, db->textstyle(), AcDb::kForRead) != Acad::eOk) {
    look.name = L"Standard";
    return look;
  }
  look.name = style->name();
  look.fixedHeight = style->textSize();
  look.widthFactor = style->xScale();
  look.oblique = style->obliquingAngle();
  style->close();
  return look;
}

class TextPlacing {
 public:
  explicit TextPlacing(AcDbDatabase* db) : db_(db) {}

  void run() {
    Placement placement;
    if (!askPlacement(placement)) return;
    StyleLook look = currentStyle(db_);
    double height = look.fixedHeight;
    bool aligned = placement.horizontal == AcDb::kTextAlign;
    if (height <= 0.0 && !aligned && !askHeight(placement.point, height)) return;
    if (aligned) height = db_->textsize();
    double rotation = 0.0;
    if (!placement.twoPoints() && !askRotation(placement.point, rotation)) return;
    ACHAR text[kAcedGetStringBufferLength];
    if (acedGetString(1, msg::kTextEnter, text) != RTNORM || text[0] == L'\0') return;

    auto* entity = new AcDbText();
    entity->setDatabaseDefaults(db_);
    entity->setTextStyle(db_->textstyle());
    entity->setHeight(height);
    entity->setWidthFactor(look.widthFactor);
    entity->setOblique(look.oblique);
    entity->setRotation(rotation);
    entity->setTextString(text);
    entity->setHorizontalMode(placement.horizontal);
    entity->setVerticalMode(placement.vertical);
    if (placement.twoPoints()) {
      entity->setPosition(placement.point);
      entity->setAlignmentPoint(placement.baselineEnd);
    } else {
      entity->setPosition(placement.point);
      entity->setAlignmentPoint(placement.point);
    }
    entity->adjustAlignment(db_);
    appendToModelSpace(db_, entity);
  }

 private:
  void showStatus() {
    StyleLook look = currentStyle(db_);
    double height = look.fixedHeight > 0.0 ? look.fixedHeight : db_->textsize();
    say(msg::kTextStatus + look.name + msg::kTextStatusHeight + fixed(height) +
        msg::kTextStatusEnd);
  }

  // The start point, or a justification and its point(s). False on Enter or a cancel.
  bool askPlacement(Placement& placement) {
    for (;;) {
      showStatus();
      acedInitGet(0, msg::kTextStartKeywords);
      ads_point p;
      int rc = acedGetPoint(nullptr, msg::kTextStart, p);
      if (rc == RTNORM) {
        placement.point = toPoint(p);
        return true;
      }
      if (rc != RTKWORD) return false;
      if (Editor::instance().lastInput() == L"Justify") return askJustification(placement);
      if (!askStyle()) return false;
    }
  }

  bool askJustification(Placement& placement) {
    acedInitGet(RSG_NONULL, msg::kJustifyKeywords);
    ACHAR chosen[kAcedGetStringBufferLength];
    if (acedGetKword(msg::kJustifyOption, chosen) != RTNORM) return false;
    std::wstring keyword = chosen;
    if (keyword == L"Align" || keyword == L"Fit") {
      placement.horizontal = keyword == L"Align" ? AcDb::kTextAlign : AcDb::kTextFit;
      ads_point first, second;
      if (acedGetPoint(nullptr, msg::kBaselineFirst, first) != RTNORM) return false;
      if (acedGetPoint(first, msg::kBaselineSecond, second) != RTNORM) return false;
      placement.point = toPoint(first);
      placement.baselineEnd = toPoint(second);
      return true;
    }
    for (const Justification& j : kJustifications) {
      if (keyword != j.keyword) continue;
      placement.horizontal = j.horizontal;
      placement.vertical = j.vertical;
      ads_point p;
      if (acedGetPoint(nullptr, j.prompt, p) != RTNORM) return false;
      placement.point = toPoint(p);
      return true;
    }
    return false;
  }

  // Style: makes another text style current ("?" lists them). False on a cancel.
  bool askStyle() {
    for (;;) {
      std::wstring prompt = msg::kStyleName + currentStyle(db_).name + L">: ";
      ACHAR answer[kAcedGetStringBufferLength];
      if (acedGetString(0, prompt.c_str(), answer) != RTNORM) return false;
      std::wstring name = answer;
      if (name.empty()) return true;
      if (name == L"?") {
        listStyles();
        continue;
      }
      AcDbObjectId style = findSymbolRecord(db_, db_->textStyleTableId(), name);
      if (!style.isNull()) {
        db_->setTextstyle(style);
        return true;
      }
      say(msg::kStyleUnknown + name + L"\".");
    }
  }

  void listStyles() {
    say(msg::kStyleList);
    AcDbTextStyleTable* table = nullptr;
    if (db_->getTextStyleTable(table, AcDb::kForRead) != Acad::eOk) return;
    AcDbTextStyleTableIterator* it = nullptr;
    if (table->newIterator(it) == Acad::eOk) {
      for (; !it->done(); it->step()) {
        AcDbTextStyleTableRecord* record = nullptr;
        if (it->getRecord(record, AcDb::kForRead) != Acad::eOk) continue;
        say(L"\n  \"" + record->name() + L"\"");
        record->close();
      }
      delete it;
    }
    table->close();
  }

  // The height, default TEXTSIZE, which a new height updates.
  bool askHeight(const AcGePoint3d& at, double& height) {
    std::wstring prompt = msg::kTextHeight + fixed(db_->textsize()) + L">: ";
    ads_point base;
    toAds(at, base);
    acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
    double value;
    int rc = acedGetDist(base, prompt.c_str(), &value);
    if (rc == RTNONE) {
      height = db_->textsize();
      return true;
    }
    if (rc != RTNORM) return false;
    height = value;
    db_->setTextsize(value);
    return true;
  }

  bool askRotation(const AcGePoint3d& at, double& rotation) {
    std::wstring prompt = std::wstring(msg::kTextRotation) + L"0>: ";
    ads_point base;
    toAds(at, base);
    double value;
    int rc = acedGetAngle(base, prompt.c_str(), &value);
    if (rc == RTNONE) {
      rotation = 0.0;
      return true;
    }
    if (rc != RTNORM) return false;
    rotation = value;
    return true;
  }

  AcDbDatabase* db_;
};

}  // namespace

void textCommand() {
  if (AcDbDatabase* db = drawing()) TextPlacing(db).run();
}

}  // namespace ed::draw
