// AcDbTable: a grid of text cells placed like a block reference (its position is the table's top
// left corner; rows run down the sheet, columns along its direction).
#pragma once
#include <string>
#include <vector>

#include "db/dbblkref.h"

class AcDbTable : public AcDbBlockReference {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTable);
  AcDbTable();

  AcDbObjectId tableStyle() const { return tableStyle_; }
  Acad::ErrorStatus setTableStyle(AcDbObjectId style) { return assignMember(tableStyle_, style); }
  // The direction of the rows' text (world coordinates); rotation() follows it.
  AcGeVector3d direction() const;
  Acad::ErrorStatus setDirection(const AcGeVector3d& direction);

  Adesk::UInt32 numRows() const { return static_cast<Adesk::UInt32>(rowHeights_.size()); }
  Adesk::UInt32 numColumns() const { return static_cast<Adesk::UInt32>(columnWidths_.size()); }
  Acad::ErrorStatus setNumRows(int rows);
  Acad::ErrorStatus setNumColumns(int columns);
  Acad::ErrorStatus setSize(int rows, int columns);
  Acad::ErrorStatus insertRows(int row, double height, int count = 1);
  Acad::ErrorStatus deleteRows(int row, int count = 1);
  Acad::ErrorStatus insertColumns(int column, double width, int count = 1);
  Acad::ErrorStatus deleteColumns(int column, int count = 1);

  double rowHeight(int row) const;
  Acad::ErrorStatus setRowHeight(int row, double height);
  Acad::ErrorStatus setRowHeight(double height);  // every row
  double columnWidth(int column) const;
  Acad::ErrorStatus setColumnWidth(int column, double width);
  Acad::ErrorStatus setColumnWidth(double width);  // every column
  double width() const;
  double height() const;
  double horzCellMargin() const { return horzMargin_; }
  Acad::ErrorStatus setHorzCellMargin(double margin);
  double vertCellMargin() const { return vertMargin_; }
  Acad::ErrorStatus setVertCellMargin(double margin);
  bool isTitleSuppressed() const { return titleSuppressed_; }
  Acad::ErrorStatus suppressTitleRow(bool suppress);
  bool isHeaderSuppressed() const { return headerSuppressed_; }
  Acad::ErrorStatus suppressHeaderRow(bool suppress);
  // Title row first (unless suppressed), then the header row (unless suppressed), then data.
  AcDb::RowType rowType(int row) const;

  // Cells (row and column from 0). Out-of-range cells give empty values (and eInvalidIndex for
  // setters).
  AcDb::CellType cellType(int row, int column) const;
  Acad::ErrorStatus setCellType(int row, int column, AcDb::CellType type);
  ACHAR* textString(int row, int column) const;  // new copy, freed with acutDelString
  const ACHAR* textStringConst(int row, int column) const;
  Acad::ErrorStatus setTextString(int row, int column, const ACHAR* text);
  AcDbObjectId textStyle(int row, int column) const;
  Acad::ErrorStatus setTextStyle(int row, int column, AcDbObjectId style);
  double textHeight(int row, int column) const;
  Acad::ErrorStatus setTextHeight(int row, int column, double height);
  AcDb::CellAlignment alignment(int row, int column) const;
  Acad::ErrorStatus setAlignment(int row, int column, AcDb::CellAlignment alignment);
  // Text height and alignment given to cells that set none: by row type.
  double textHeight(AcDb::RowType type) const;
  Acad::ErrorStatus setTextHeight(double height, int rowTypes);
  AcDb::CellAlignment alignment(AcDb::RowType type) const;
  Acad::ErrorStatus setAlignment(AcDb::CellAlignment alignment, int rowTypes);

  // The table's graphics: an anonymous block (*T) of grid lines and cell texts that the reference
  // inserts. Regenerated when the table is in a database.
  Acad::ErrorStatus generateLayout();
  Acad::ErrorStatus recomputeTableBlock(bool forceUpdate = true);

  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& transform) override;
  // A table added to a drawing without graphics gets them (when the block table can be opened).
  Acad::ErrorStatus setOwnerId(AcDbObjectId owner) override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  struct Cell {
    AcDb::CellType type = AcDb::kTextCell;
    std::wstring text;
    AcDbObjectId style;   // null: the table's
    double height = 0.0;  // 0: by row type
    int alignment = 0;    // 0: by row type
  };
  Cell* cellAt(int row, int column);
  const Cell* cellAt(int row, int column) const;
  void resizeCells(int rows, int columns);
  // The cell a point of the grid falls in, for layout (top-left corner of each cell).
  AcGePoint3d cellCorner(int row, int column) const;

  AcDbObjectId tableStyle_;
  std::vector<double> rowHeights_;
  std::vector<double> columnWidths_;
  std::vector<Cell> cells_;  // row by row
  double horzMargin_ = 0.06;
  double vertMargin_ = 0.06;
  bool titleSuppressed_ = false;
  bool headerSuppressed_ = false;
  double heightByType_[3] = {0.18, 0.18, 0.25};  // data, header, title
  int alignmentByType_[3] = {AcDb::kTopCenter, AcDb::kTopCenter, AcDb::kTopCenter};
  int flowDirection_ = 0;  // 0 down, 1 up
  // While reading: cells come one after another, each opened by a 171 item.
  int readingCell_ = -1;
  int heightIndex_ = 0;
  int alignmentIndex_ = 0;
  bool tooLargeReported_ = false;  // while reading: the cell limit was reported
  std::wstring chunks_;
};
