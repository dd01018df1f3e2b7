// The style of one border of a report element, written as its CSS keyword.
#pragma once
#include "ui/afxstr.h"

class htmlBorderStyle {
 public:
  htmlBorderStyle() = default;
  explicit htmlBorderStyle(unsigned char code) : code_(code) {}
  virtual ~htmlBorderStyle() = default;

  // 2 dotted, 3 dashed, 4 solid, 5 double, 6 groove, 7 ridge, 8 inset, 9 outset; any other code
  // is no border.
  void setStyle(unsigned char code) { code_ = code; }
  unsigned char style() const { return code_; }
  CStringA toCss() const;

 private:
  unsigned char code_ = 0;
};

enum htmlBorderCode : unsigned char {
  kHtmlBorderNone = 0,
  kHtmlBorderSolid = 4,
};
