#include "reports/htmlStyle.h"

namespace {

const char* repeatKeyword(unsigned char code) {
  switch (code) {
    case 0: return "no-repeat";
    case 1: return "repeat";
    case 2: return "repeat-x";
    default: return "repeat-y";
  }
}

const char* alignKeyword(unsigned char code) {
  switch (code) {
    case kHtmlAlignLeft: return "left";
    case kHtmlAlignRight: return "right";
    case kHtmlAlignCenter: return "center";
    default: return "justify";
  }
}

CStringA decorationText(unsigned char bits) {
  if (bits == 0) return "none";
  CStringA text;
  if (bits & kHtmlUnderline) text += "underline ";
  if (bits & kHtmlOverline) text += "overline ";
  if (bits & kHtmlLineThrough) text += "line-through ";
  if (bits & kHtmlBlink) text += "blink";
  return text;
}

void appendDeclaration(CStringA& css, const char* property, const CStringA& value) {
  css += property;
  css += value;
  css += ";";
}

void appendSize(CStringA& css, const char* property, const std::optional<htmlSize>& size) {
  if (size) appendDeclaration(css, property, size->toCss());
}

}  // namespace

void htmlStyle::setFont(const CStringA& family, const char* generic) {
  fontFamily_ = family;
  if (generic != nullptr) genericFamily_ = CStringA(generic);
}

template <typename T>
void htmlStyle::appendSides(CStringA& css, const char* property, const char* suffix,
                            const Sides<T>& sides) {
  const std::optional<T>* values[] = {&sides.left, &sides.right, &sides.top, &sides.bottom};
  const char* names[] = {"left", "right", "top", "bottom"};
  for (int i = 0; i < 4; ++i) {
    if (!*values[i]) continue;
    CStringA name;
    name.Format("%s-%s%s:", property, names[i], suffix);
    appendDeclaration(css, name.GetString(), (*values[i])->toCss());
  }
}

CStringA htmlStyle::toCss() const {
  CStringA css;
  if (fontFamily_) {
    css += " font-family:'";
    css += *fontFamily_;
    css += "'";
    if (genericFamily_) {
      css += ",'";
      css += *genericFamily_;
      css += "';";
    } else {
      css += ";";
    }
  }
  appendSize(css, "font-size:", fontSize_);
  if (italic_) appendDeclaration(css, "font-style:", *italic_ ? "italic" : "normal");
  if (bold_) appendDeclaration(css, "font-weight:", *bold_ ? "bold" : "normal");
  if (decoration_) appendDeclaration(css, "text-decoration:", decorationText(*decoration_));
  if (color_) appendDeclaration(css, "color:", color_->toCss());
  if (backgroundColor_) appendDeclaration(css, "background-color:", backgroundColor_->toCss());
  if (backgroundImage_) appendDeclaration(css, "background-image:", "url('" + *backgroundImage_ + "')");
  if (backgroundAttachment_) {
    appendDeclaration(css, "background-attachment:", *backgroundAttachment_ == 2 ? "fixed" : "scroll");
  }
  if (backgroundRepeat_) appendDeclaration(css, "background-repeat:", repeatKeyword(*backgroundRepeat_));
  if (backgroundX_ || backgroundY_) {
    css += "background-position: ";
    css += backgroundX_ ? backgroundX_->toCss() + " " : CStringA("0px ");
    css += backgroundY_ ? backgroundY_->toCss() + ";" : CStringA("0px;");
  }
  if (textAlign_) appendDeclaration(css, "text-align:", alignKeyword(*textAlign_));
  appendSize(css, "text-indent:", textIndent_);
  appendSize(css, "line-height:", lineHeight_);
  appendSize(css, "letter-spacing:", letterSpacing_);
  appendSides(css, "margin", "", margins_);
  appendSides(css, "padding", "", paddings_);
  appendSides(css, "border", "-width", borderWidths_);
  appendSides(css, "border", "-style", borderStyles_);
  appendSides(css, "border", "-color", borderColors_);
  return css;
}
