// The CSS declarations of one style of a report page. Each property is written only once it has
// been set, and nothing unsets it: a style changed step by step keeps all it was given, which the
// standard style sheet relies on.
#pragma once
#include <optional>

#include "reports/htmlBorderStyle.h"
#include "reports/htmlColor.h"
#include "reports/htmlSize.h"
#include "ui/afxstr.h"

// Text decoration bits; 0 is none.
enum htmlDecoration : unsigned char {
  kHtmlUnderline = 1,
  kHtmlOverline = 2,
  kHtmlLineThrough = 4,
  kHtmlBlink = 8,
};

// Text alignment codes; any other is justify.
enum htmlTextAlign : unsigned char {
  kHtmlAlignLeft = 1,
  kHtmlAlignRight = 2,
  kHtmlAlignCenter = 4,
};

class htmlStyle {
 public:
  htmlStyle() = default;
  virtual ~htmlStyle() = default;

  // The generic family is kept only when given.
  void setFont(const CStringA& family, const char* generic = nullptr);
  void setFontSize(const htmlSize& size) { fontSize_ = size; }
  void setItalic() { italic_ = true; }
  void setBold() { bold_ = true; }
  void setTextDecoration(unsigned char bits) { decoration_ = bits; }
  void setColor(const htmlColor& color) { color_ = color; }
  void setBackgroundColor(const htmlColor& color) { backgroundColor_ = color; }
  void setBackgroundImage(const CStringA& url) { backgroundImage_ = url; }
  // 2 fixed, anything else scroll.
  void setBackgroundAttachment(unsigned char code) { backgroundAttachment_ = code; }
  // 0 no-repeat, 1 repeat, 2 repeat-x, anything else repeat-y.
  void setBackgroundRepeat(unsigned char code) { backgroundRepeat_ = code; }
  void setBackgroundPositionX(const htmlSize& size) { backgroundX_ = size; }
  void setBackgroundPositionY(const htmlSize& size) { backgroundY_ = size; }
  void setTextAlign(unsigned char code) { textAlign_ = code; }
  void setTextIndent(const htmlSize& size) { textIndent_ = size; }
  void setLineHeight(const htmlSize& size) { lineHeight_ = size; }
  void setLetterSpacing(const htmlSize& size) { letterSpacing_ = size; }

  void setMarginLeft(const htmlSize& s) { margins_.left = s; }
  void setMarginRight(const htmlSize& s) { margins_.right = s; }
  void setMarginTop(const htmlSize& s) { margins_.top = s; }
  void setMarginBottom(const htmlSize& s) { margins_.bottom = s; }
  void setMargins(const htmlSize& s) { margins_.setAll(s); }
  void setPaddingLeft(const htmlSize& s) { paddings_.left = s; }
  void setPaddingRight(const htmlSize& s) { paddings_.right = s; }
  void setPaddingTop(const htmlSize& s) { paddings_.top = s; }
  void setPaddingBottom(const htmlSize& s) { paddings_.bottom = s; }
  void setPaddings(const htmlSize& s) { paddings_.setAll(s); }
  void setBorderWidthLeft(const htmlSize& s) { borderWidths_.left = s; }
  void setBorderWidthRight(const htmlSize& s) { borderWidths_.right = s; }
  void setBorderWidthTop(const htmlSize& s) { borderWidths_.top = s; }
  void setBorderWidthBottom(const htmlSize& s) { borderWidths_.bottom = s; }
  void setBorderWidths(const htmlSize& s) { borderWidths_.setAll(s); }
  void setBorderStyleLeft(const htmlBorderStyle& s) { borderStyles_.left = s; }
  void setBorderStyleRight(const htmlBorderStyle& s) { borderStyles_.right = s; }
  void setBorderStyleTop(const htmlBorderStyle& s) { borderStyles_.top = s; }
  void setBorderStyleBottom(const htmlBorderStyle& s) { borderStyles_.bottom = s; }
  void setBorderStyles(const htmlBorderStyle& s) { borderStyles_.setAll(s); }
  void setBorderColorLeft(const htmlColor& c) { borderColors_.left = c; }
  void setBorderColorRight(const htmlColor& c) { borderColors_.right = c; }
  void setBorderColorTop(const htmlColor& c) { borderColors_.top = c; }
  void setBorderColorBottom(const htmlColor& c) { borderColors_.bottom = c; }
  void setBorderColors(const htmlColor& c) { borderColors_.setAll(c); }

  // The declarations of every property set, in a fixed order, with nothing between them.
  CStringA toCss() const;

 private:
  template <typename T>
  struct Sides {
    std::optional<T> left, right, top, bottom;
    void setAll(const T& value) { left = right = top = bottom = value; }
  };
  template <typename T>
  static void appendSides(CStringA& css, const char* property, const char* suffix,
                          const Sides<T>& sides);

  std::optional<CStringA> fontFamily_;
  std::optional<CStringA> genericFamily_;
  std::optional<htmlSize> fontSize_;
  std::optional<bool> italic_;
  std::optional<bool> bold_;
  std::optional<unsigned char> decoration_;
  std::optional<htmlColor> color_;
  std::optional<htmlColor> backgroundColor_;
  std::optional<CStringA> backgroundImage_;
  std::optional<unsigned char> backgroundAttachment_;
  std::optional<unsigned char> backgroundRepeat_;
  std::optional<htmlSize> backgroundX_;
  std::optional<htmlSize> backgroundY_;
  std::optional<unsigned char> textAlign_;
  std::optional<htmlSize> textIndent_;
  std::optional<htmlSize> lineHeight_;
  std::optional<htmlSize> letterSpacing_;
  Sides<htmlSize> margins_;
  Sides<htmlSize> paddings_;
  Sides<htmlSize> borderWidths_;
  Sides<htmlBorderStyle> borderStyles_;
  Sides<htmlColor> borderColors_;
};
