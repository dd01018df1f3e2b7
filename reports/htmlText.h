// A list item or a paragraph of a report page. The text and the attributes are HTML already:
// nothing is escaped.
#pragma once
#include "ui/afxstr.h"

enum htmlTextKind : unsigned int {
  kHtmlListItem = 0,
  kHtmlParagraph = 1,
};

class htmlText {
 public:
  htmlText() = default;
  // A paragraph.
  htmlText(const CStringA& text, const CStringA& attributes);
  // A number written with the given decimals.
  htmlText(double value, int decimals, const CStringA& attributes, unsigned int kind);
  virtual ~htmlText() = default;

  void set(unsigned int kind, const CStringA& text, const CStringA& attributes);
  // "<LI attributes>text</LI>" or "<P attributes>text</P>"; empty for any other kind.
  CStringA render() const;

 private:
  CStringA text_;
  CStringA attributes_;
  unsigned int kind_ = kHtmlParagraph;
};

// value with the given number of decimals ("%.<decimals>f"), shared by texts and table cells.
CStringA htmlFormatNumber(double value, int decimals);
