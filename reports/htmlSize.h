// A CSS length of a report page: a value and a unit code.
#pragma once
#include "ui/afxstr.h"

// Unit codes; any other code writes the value alone.
enum htmlUnit : unsigned int {
  kHtmlPercent = 0,
  kHtmlPoints = 1,
  kHtmlMillimetres = 2,
  kHtmlCentimetres = 3,
  kHtmlPicas = 4,
  kHtmlInches = 5,
  kHtmlPixels = 6,
};

class htmlSize {
 public:
  htmlSize() = default;
  htmlSize(double value, unsigned int unit) : value_(value), unit_(unit) {}
  virtual ~htmlSize() = default;

  void set(double value, unsigned int unit) {
    value_ = value;
    unit_ = unit;
  }
  double value() const { return value_; }
  unsigned int unit() const { return unit_; }
  // A whole value as "%d" and its suffix ("10pt"), otherwise two decimals ("12.50mm"); a
  // fractional percentage takes a blank before its sign ("33.33 %").
  CStringA toCss() const;

 private:
  double value_ = 0.0;
  unsigned int unit_ = kHtmlPixels;
};
