#include "reports/htmlBorderStyle.h"

CStringA htmlBorderStyle::toCss() const {
  static const char* const kKeywords[] = {"dotted", "dashed", "solid",  "double",
                                          "groove", "ridge",  "inset", "outset"};
  if (code_ >= 2 && code_ <= 9) return kKeywords[code_ - 2];
  return "none";
}
