#include "reports/htmlText.h"

CStringA htmlFormatNumber(double value, int decimals) {
  CStringA format;
  format.Format("%%.%df", decimals);
  CStringA text;
  text.Format(format.GetString(), value);
  return text;
}

htmlText::htmlText(const CStringA& text, const CStringA& attributes)
    : text_(text), attributes_(attributes), kind_(kHtmlParagraph) {}

htmlText::htmlText(double value, int decimals, const CStringA& attributes, unsigned int kind)
    : text_(htmlFormatNumber(value, decimals)), attributes_(attributes), kind_(kind) {}

void htmlText::set(unsigned int kind, const CStringA& text, const CStringA& attributes) {
  kind_ = kind;
  text_ = text;
  attributes_ = attributes;
}

CStringA htmlText::render() const {
  CStringA html;
  if (kind_ == kHtmlListItem) {
    html.Format("<LI %s>%s</LI>", attributes_.GetString(), text_.GetString());
  } else if (kind_ == kHtmlParagraph) {
    html.Format("<P %s>%s</P>", attributes_.GetString(), text_.GetString());
  }
  return html;
}
