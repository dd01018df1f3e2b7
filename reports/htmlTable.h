// A table of a report page, built row by row as text. Cell texts and attributes are HTML already.
#pragma once
#include <optional>

#include "ui/afxstr.h"

enum htmlTableAlign : int {
  kHtmlTableLeft = 0,
  kHtmlTableRight = 1,
  kHtmlTableCenter = 2,
};

class htmlTable {
 public:
  // Empties the rows and makes room for rows * bytesPerRow characters.
  void reserve(int rows, int bytesPerRow);
  void clear() { rows_.Empty(); }

  void setAlign(int code) { align_ = code; }
  // Each is ignored when negative.
  void setBorder(int width);
  void setCellPadding(int n);
  void setCellSpacing(int n);

  // Closes the open row first, if any.
  void beginRow(const CStringA& attributes);
  void endRow();
  void addCell(const CStringA& text, const CStringA& attributes);
  void addCell(double value, int decimals, const CStringA& attributes);
  void addCell(int value, const CStringA& attributes);

  // The whole table: its opening tag, the rows (an open row closed) and "</table>".
  CStringA close();

 private:
  CStringA rows_;
  std::optional<int> align_;
  std::optional<int> border_;
  std::optional<int> cellPadding_;
  std::optional<int> cellSpacing_;
  bool rowOpen_ = false;
};

// A report's usual table: centred, no border, no padding, no spacing.
void htmlSetStandardTable(htmlTable& table);
