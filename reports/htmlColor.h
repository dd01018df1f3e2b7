// A colour of a report page, written as CSS "rgb(r,g,b)".
#pragma once
#include "ui/afxstr.h"

class htmlColor {
 public:
  htmlColor() = default;
  htmlColor(unsigned char red, unsigned char green, unsigned char blue)
      : red_(red), green_(green), blue_(blue) {}
  virtual ~htmlColor() = default;

  void setRGB(unsigned char red, unsigned char green, unsigned char blue);
  // One of the 140 HTML named colours, keys 0 (aliceblue) to 139 (yellowgreen) in alphabetical
  // order; an unknown key leaves the colour as it was.
  void setNamed(unsigned int key);
  CStringA toCss() const;

  bool operator==(const htmlColor& other) const {
    return red_ == other.red_ && green_ == other.green_ && blue_ == other.blue_;
  }
  bool operator!=(const htmlColor& other) const { return !(*this == other); }

 private:
  unsigned char red_ = 0;
  unsigned char green_ = 0;
  unsigned char blue_ = 0;
};

// Keys of the named colours the reports use.
enum htmlNamedColorKey : unsigned int {
  kHtmlBlack = 7,
  kHtmlBlue = 9,
  kHtmlPurple = 112,
  kHtmlRed = 113,
  kHtmlWhite = 136,
};
