#include "reports/htmlTable.h"

#include "reports/htmlText.h"

void htmlTable::reserve(int rows, int bytesPerRow) {
  rows_.Empty();
  if (rows > 0 && bytesPerRow > 0) rows_.Preallocate(rows * bytesPerRow);
}

void htmlTable::setBorder(int width) {
  if (width >= 0) border_ = width;
}

void htmlTable::setCellPadding(int n) {
  if (n >= 0) cellPadding_ = n;
}

void htmlTable::setCellSpacing(int n) {
  if (n >= 0) cellSpacing_ = n;
}

void htmlTable::beginRow(const CStringA& attributes) {
  if (rowOpen_) rows_ += "</tr>";
  rows_ += "<tr " + attributes + ">";
  rowOpen_ = true;
}

void htmlTable::endRow() {
  rows_ += "</tr>";
  rowOpen_ = false;
}

void htmlTable::addCell(const CStringA& text, const CStringA& attributes) {
  rows_ += "<td " + attributes + ">" + text + "</td>";
}

void htmlTable::addCell(double value, int decimals, const CStringA& attributes) {
  addCell(htmlFormatNumber(value, decimals), attributes);
}

void htmlTable::addCell(int value, const CStringA& attributes) {
  CStringA text;
  text.Format("%d", value);
  addCell(text, attributes);
}

CStringA htmlTable::close() {
  if (rowOpen_) endRow();
  CStringA html = "<table ";
  if (align_) {
    html += "text-align=\"";
    html += *align_ == kHtmlTableLeft ? "left\"" : *align_ == kHtmlTableRight ? "right\"" : "center\"";
  }
  CStringA number;
  if (border_) {
    number.Format(" border=\"%d\"", *border_);
    html += number;
  }
  if (cellPadding_) {
    number.Format(" cellpadding=\"%d\"", *cellPadding_);
    html += number;
  }
  if (cellSpacing_) {
    number.Format(" cellspacing =\"%d\"", *cellSpacing_);
    html += number;
  }
  html += ">\n";
  html += rows_;
  html += "</table>";
  return html;
}

void htmlSetStandardTable(htmlTable& table) {
  table.setAlign(kHtmlTableCenter);
  table.setBorder(0);
  table.setCellPadding(0);
  table.setCellSpacing(0);
}
