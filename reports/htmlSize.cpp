#include "reports/htmlSize.h"

namespace {

const char* suffixOf(unsigned int unit, bool fractional) {
  switch (unit) {
    case kHtmlPercent: return fractional ? " %" : "%";
    case kHtmlPoints: return "pt";
    case kHtmlMillimetres: return "mm";
    case kHtmlCentimetres: return "cm";
    case kHtmlPicas: return "pc";
    case kHtmlInches: return "in";
    case kHtmlPixels: return "px";
    default: return "";
  }
}

}  // namespace

CStringA htmlSize::toCss() const {
  const int whole = static_cast<int>(value_);
  const bool fractional = value_ - whole != 0.0;
  CStringA text;
  if (fractional) {
    text.Format("%.2f%s", value_, suffixOf(unit_, true));
  } else {
    text.Format("%d%s", whole, suffixOf(unit_, false));
  }
  return text;
}
