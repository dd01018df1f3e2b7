// AcDbTable: a grid of text cells. In files it is written as a block reference (to the anonymous
// *T block that holds its graphics) followed by the AcDbTable level: row heights, column widths,
// then each cell opened by a 171 item, then the table's own settings opened by 70.
#include <algorithm>
#include <cmath>

#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbfiler.h"
#include "db/dbmtext.h"
#include "db/dbsymtb.h"
#include "db/dbtable.h"
#include "db/ent_support.h"
#include "db/repair_messages.h"
#include "db/symbol_util.h"
#include "ge/angles.h"
#include "ge/gemat3d.h"

ACRX_DEFINE_MEMBERS(AcDbTable, AcDbBlockReference, "ACAD_TABLE");

namespace {

// Far more cells than a table drawn on a plan ever has (a thousand rows of a thousand columns).
constexpr size_t kMaxCellsRead = 1 << 20;

// Per-cell override flags (91) the host uses for the values a cell sets itself.
constexpr int kOverrideAlignment = 0x01;
constexpr int kOverrideTextStyle = 0x10;
constexpr int kOverrideTextHeight = 0x20;

// Reading states of the AcDbTable level: before the first cell, then the table's settings after
// the cells.
constexpr int kBeforeCells = -1;
constexpr int kAfterCells = -2;

int typeIndex(AcDb::RowType type) {
  switch (type) {
    case AcDb::kHeaderRow:
      return 1;
    case AcDb::kTitleRow:
      return 2;
    default:
      return 0;
  }
}

}  // namespace

AcDbTable::AcDbTable() = default;

AcDbTable::Cell* AcDbTable::cellAt(int row, int column) {
  if (row < 0 || column < 0 || row >= static_cast<int>(numRows()) ||
      column >= static_cast<int>(numColumns())) {
    return nullptr;
  }
  return &cells_[static_cast<size_t>(row) * numColumns() + static_cast<size_t>(column)];
}

const AcDbTable::Cell* AcDbTable::cellAt(int row, int column) const {
  return const_cast<AcDbTable*>(this)->cellAt(row, column);
}

void AcDbTable::resizeCells(int rows, int columns) {
  std::vector<Cell> cells(static_cast<size_t>(rows) * static_cast<size_t>(columns));
  for (int r = 0; r < rows && r < static_cast<int>(numRows()); ++r) {
    for (int c = 0; c < columns && c < static_cast<int>(numColumns()); ++c) {
      cells[static_cast<size_t>(r) * static_cast<size_t>(columns) + static_cast<size_t>(c)] =
          *cellAt(r, c);
    }
  }
  cells_ = std::move(cells);
}

AcGeVector3d AcDbTable::direction() const { return entgeom::ocsDirection(normal(), rotation()); }

Acad::ErrorStatus AcDbTable::setDirection(const AcGeVector3d& direction) {
  if (direction.isZeroLength()) return Acad::eInvalidInput;
  return setRotation(entgeom::ocsAngle(normal(), direction));
}

Acad::ErrorStatus AcDbTable::setNumRows(int rows) {
  return setSize(rows, static_cast<int>(numColumns()));
}

Acad::ErrorStatus AcDbTable::setNumColumns(int columns) {
  return setSize(static_cast<int>(numRows()), columns);
}

Acad::ErrorStatus AcDbTable::setSize(int rows, int columns) {
  if (rows < 1 || columns < 1) return Acad::eInvalidInput;
  assertWriteEnabled();
  double rowHeight = rowHeights_.empty() ? 1.0 : rowHeights_.back();
  double columnWidth = columnWidths_.empty() ? 2.5 : columnWidths_.back();
  resizeCells(rows, columns);
  rowHeights_.resize(static_cast<size_t>(rows), rowHeight);
  columnWidths_.resize(static_cast<size_t>(columns), columnWidth);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::insertRows(int row, double height, int count) {
  if (row < 0 || row > static_cast<int>(numRows()) || count < 1 || !(height > 0.0))
    return Acad::eInvalidInput;
  assertWriteEnabled();
  size_t at = static_cast<size_t>(row) * numColumns();
  cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(at),
                static_cast<size_t>(count) * numColumns(), Cell());
  rowHeights_.insert(rowHeights_.begin() + row, static_cast<size_t>(count), height);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::deleteRows(int row, int count) {
  if (row < 0 || count < 1 || row + count > static_cast<int>(numRows())) return Acad::eInvalidInput;
  assertWriteEnabled();
  size_t at = static_cast<size_t>(row) * numColumns();
  cells_.erase(
      cells_.begin() + static_cast<std::ptrdiff_t>(at),
      cells_.begin() + static_cast<std::ptrdiff_t>(at + static_cast<size_t>(count) * numColumns()));
  rowHeights_.erase(rowHeights_.begin() + row, rowHeights_.begin() + row + count);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::insertColumns(int column, double width, int count) {
  if (column < 0 || column > static_cast<int>(numColumns()) || count < 1 || !(width > 0.0)) {
    return Acad::eInvalidInput;
  }
  assertWriteEnabled();
  std::vector<Cell> cells;
  const int columns = static_cast<int>(numColumns()) + count;
  for (int r = 0; r < static_cast<int>(numRows()); ++r) {
    for (int c = 0; c < columns; ++c) {
      if (c >= column && c < column + count) {
        cells.emplace_back();
      } else {
        cells.push_back(*cellAt(r, c < column ? c : c - count));
      }
    }
  }
  cells_ = std::move(cells);
  columnWidths_.insert(columnWidths_.begin() + column, static_cast<size_t>(count), width);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::deleteColumns(int column, int count) {
  if (column < 0 || count < 1 || column + count > static_cast<int>(numColumns()))
    return Acad::eInvalidInput;
  assertWriteEnabled();
  std::vector<Cell> cells;
  for (int r = 0; r < static_cast<int>(numRows()); ++r) {
    for (int c = 0; c < static_cast<int>(numColumns()); ++c) {
      if (c < column || c >= column + count) cells.push_back(*cellAt(r, c));
    }
  }
  cells_ = std::move(cells);
  columnWidths_.erase(columnWidths_.begin() + column, columnWidths_.begin() + column + count);
  return Acad::eOk;
}

double AcDbTable::rowHeight(int row) const {
  return row >= 0 && row < static_cast<int>(numRows()) ? rowHeights_[static_cast<size_t>(row)]
                                                       : 0.0;
}

Acad::ErrorStatus AcDbTable::setRowHeight(int row, double height) {
  if (row < 0 || row >= static_cast<int>(numRows())) return Acad::eInvalidIndex;
  if (!(height > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  rowHeights_[static_cast<size_t>(row)] = height;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setRowHeight(double height) {
  if (!(height > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  std::fill(rowHeights_.begin(), rowHeights_.end(), height);
  return Acad::eOk;
}

double AcDbTable::columnWidth(int column) const {
  return column >= 0 && column < static_cast<int>(numColumns())
             ? columnWidths_[static_cast<size_t>(column)]
             : 0.0;
}

Acad::ErrorStatus AcDbTable::setColumnWidth(int column, double width) {
  if (column < 0 || column >= static_cast<int>(numColumns())) return Acad::eInvalidIndex;
  if (!(width > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  columnWidths_[static_cast<size_t>(column)] = width;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setColumnWidth(double width) {
  if (!(width > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  std::fill(columnWidths_.begin(), columnWidths_.end(), width);
  return Acad::eOk;
}

double AcDbTable::width() const {
  double sum = 0.0;
  for (double w : columnWidths_) sum += w;
  return sum;
}

double AcDbTable::height() const {
  double sum = 0.0;
  for (double h : rowHeights_) sum += h;
  return sum;
}

Acad::ErrorStatus AcDbTable::setHorzCellMargin(double margin) {
  if (margin < 0.0) return Acad::eInvalidInput;
  return assignMember(horzMargin_, margin);
}

Acad::ErrorStatus AcDbTable::setVertCellMargin(double margin) {
  if (margin < 0.0) return Acad::eInvalidInput;
  return assignMember(vertMargin_, margin);
}

Acad::ErrorStatus AcDbTable::suppressTitleRow(bool suppress) {
  return assignMember(titleSuppressed_, suppress);
}

Acad::ErrorStatus AcDbTable::suppressHeaderRow(bool suppress) {
  return assignMember(headerSuppressed_, suppress);
}

AcDb::RowType AcDbTable::rowType(int row) const {
  if (row < 0 || row >= static_cast<int>(numRows())) return AcDb::kUnknownRow;
  int next = 0;
  if (!titleSuppressed_) {
    if (row == next) return AcDb::kTitleRow;
    ++next;
  }
  if (!headerSuppressed_ && row == next) return AcDb::kHeaderRow;
  return AcDb::kDataRow;
}

// Cells.

AcDb::CellType AcDbTable::cellType(int row, int column) const {
  const Cell* cell = cellAt(row, column);
  return cell != nullptr ? cell->type : AcDb::kUnknownCell;
}

Acad::ErrorStatus AcDbTable::setCellType(int row, int column, AcDb::CellType type) {
  Cell* cell = cellAt(row, column);
  if (cell == nullptr) return Acad::eInvalidIndex;
  assertWriteEnabled();
  cell->type = type;
  return Acad::eOk;
}

ACHAR* AcDbTable::textString(int row, int column) const {
  return newHostString(textStringConst(row, column));
}

const ACHAR* AcDbTable::textStringConst(int row, int column) const {
  const Cell* cell = cellAt(row, column);
  return cell != nullptr ? cell->text.c_str() : L"";
}

Acad::ErrorStatus AcDbTable::setTextString(int row, int column, const ACHAR* text) {
  Cell* cell = cellAt(row, column);
  if (cell == nullptr) return Acad::eInvalidIndex;
  assertWriteEnabled();
  cell->text = text ? text : L"";
  cell->type = AcDb::kTextCell;
  return Acad::eOk;
}

AcDbObjectId AcDbTable::textStyle(int row, int column) const {
  const Cell* cell = cellAt(row, column);
  return cell != nullptr ? cell->style : AcDbObjectId();
}

Acad::ErrorStatus AcDbTable::setTextStyle(int row, int column, AcDbObjectId style) {
  Cell* cell = cellAt(row, column);
  if (cell == nullptr) return Acad::eInvalidIndex;
  assertWriteEnabled();
  cell->style = style;
  return Acad::eOk;
}

double AcDbTable::textHeight(int row, int column) const {
  const Cell* cell = cellAt(row, column);
  if (cell == nullptr) return 0.0;
  return cell->height > 0.0 ? cell->height : textHeight(rowType(row));
}

Acad::ErrorStatus AcDbTable::setTextHeight(int row, int column, double height) {
  Cell* cell = cellAt(row, column);
  if (cell == nullptr) return Acad::eInvalidIndex;
  if (!(height > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  cell->height = height;
  return Acad::eOk;
}

AcDb::CellAlignment AcDbTable::alignment(int row, int column) const {
  const Cell* cell = cellAt(row, column);
  if (cell == nullptr) return AcDb::kTopLeft;
  return cell->alignment != 0 ? static_cast<AcDb::CellAlignment>(cell->alignment)
                              : alignment(rowType(row));
}

Acad::ErrorStatus AcDbTable::setAlignment(int row, int column, AcDb::CellAlignment alignment) {
  Cell* cell = cellAt(row, column);
  if (cell == nullptr) return Acad::eInvalidIndex;
  if (alignment < AcDb::kTopLeft || alignment > AcDb::kBottomRight) return Acad::eInvalidInput;
  assertWriteEnabled();
  cell->alignment = alignment;
  return Acad::eOk;
}

double AcDbTable::textHeight(AcDb::RowType type) const { return heightByType_[typeIndex(type)]; }

Acad::ErrorStatus AcDbTable::setTextHeight(double height, int rowTypes) {
  if (!(height > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  for (AcDb::RowType type : {AcDb::kDataRow, AcDb::kTitleRow, AcDb::kHeaderRow}) {
    if (rowTypes & type) heightByType_[typeIndex(type)] = height;
  }
  return Acad::eOk;
}

AcDb::CellAlignment AcDbTable::alignment(AcDb::RowType type) const {
  return static_cast<AcDb::CellAlignment>(alignmentByType_[typeIndex(type)]);
}

Acad::ErrorStatus AcDbTable::setAlignment(AcDb::CellAlignment alignment, int rowTypes) {
  if (alignment < AcDb::kTopLeft || alignment > AcDb::kBottomRight) return Acad::eInvalidInput;
  assertWriteEnabled();
  for (AcDb::RowType type : {AcDb::kDataRow, AcDb::kTitleRow, AcDb::kHeaderRow}) {
    if (rowTypes & type) alignmentByType_[typeIndex(type)] = alignment;
  }
  return Acad::eOk;
}

// Layout: grid lines and cell texts in the table's own coordinates (x along the rows, y up, the
// top left corner at the origin), which the reference places.

AcGePoint3d AcDbTable::cellCorner(int row, int column) const {
  double x = 0.0, y = 0.0;
  for (int c = 0; c < column; ++c) x += columnWidths_[static_cast<size_t>(c)];
  for (int r = 0; r < row; ++r) y -= rowHeights_[static_cast<size_t>(r)];
  return AcGePoint3d(x, y, 0.0);
}

Acad::ErrorStatus AcDbTable::generateLayout() { return recomputeTableBlock(true); }

Acad::ErrorStatus AcDbTable::recomputeTableBlock(bool) {
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  if (numRows() == 0 || numColumns() == 0) return Acad::eOk;
  // The table's own anonymous block is emptied and refilled; a new one is made the first time.
  AcDbBlockTableRecord* record = nullptr;
  AcDbObjectId current = blockTableRecord();
  if (!current.isNull() && acdbOpenObject(record, current, AcDb::kForWrite) == Acad::eOk &&
      record->isAnonymous()) {
    AcDbBlockTableRecordIterator* it = nullptr;
    record->newIterator(it);
    for (; it != nullptr && !it->done(); it->step()) {
      AcDbEntity* entity = nullptr;
      if (it->getEntity(entity, AcDb::kForWrite) == Acad::eOk) {
        entity->erase();
        entity->close();
      }
    }
    delete it;
  } else {
    if (record != nullptr) record->close();
    AcDbBlockTable* table = nullptr;
    Acad::ErrorStatus es = db->getBlockTable(table, AcDb::kForWrite);
    if (es != Acad::eOk) return es;
    record = new AcDbBlockTableRecord();
    record->setName(L"*T");
    AcDbObjectId id;
    es = table->add(id, record);
    table->close();
    if (es != Acad::eOk) {
      delete record;
      return es;
    }
    setBlockTableRecord(id);
  }
  auto add = [&](AcDbEntity* entity) {
    entity->setPropertiesFrom(this);
    if (record->appendAcDbEntity(entity) == Acad::eOk) {
      entity->close();
    } else {
      delete entity;
    }
  };
  const double w = width(), h = height();
  for (int r = 0; r <= static_cast<int>(numRows()); ++r) {
    double y = r < static_cast<int>(numRows()) ? cellCorner(r, 0).y : -h;
    add(new AcDbLine(AcGePoint3d(0.0, y, 0.0), AcGePoint3d(w, y, 0.0)));
  }
  for (int c = 0; c <= static_cast<int>(numColumns()); ++c) {
    double x = c < static_cast<int>(numColumns()) ? cellCorner(0, c).x : w;
    add(new AcDbLine(AcGePoint3d(x, 0.0, 0.0), AcGePoint3d(x, -h, 0.0)));
  }
  for (int r = 0; r < static_cast<int>(numRows()); ++r) {
    for (int c = 0; c < static_cast<int>(numColumns()); ++c) {
      const Cell* cell = cellAt(r, c);
      if (cell->text.empty()) continue;
      AcGePoint3d corner = cellCorner(r, c);
      int attach = alignment(r, c);
      int column = (attach - 1) % 3, row = (attach - 1) / 3;
      double cw = columnWidths_[static_cast<size_t>(c)], ch = rowHeights_[static_cast<size_t>(r)];
      double x = corner.x + (column == 0 ? horzMargin_ : column == 1 ? cw / 2.0 : cw - horzMargin_);
      double y = corner.y - (row == 0 ? vertMargin_ : row == 1 ? ch / 2.0 : ch - vertMargin_);
      auto* text = new AcDbMText();
      text->setLocation(AcGePoint3d(x, y, 0.0));
      text->setTextHeight(textHeight(r, c));
      text->setAttachment(static_cast<AcDbMText::AttachmentPoint>(attach));
      text->setWidth(std::max(0.0, cw - 2.0 * horzMargin_));
      text->setContents(cell->text.c_str());
      text->setTextStyle(cell->style.isNull() ? db->textstyle() : cell->style);
      add(text);
    }
  }
  record->close();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setOwnerId(AcDbObjectId owner) {
  Acad::ErrorStatus es = AcDbBlockReference::setOwnerId(owner);
  // A caller holding the block table open keeps the table without graphics until it asks for
  // them (recomputeTableBlock); the table's data is complete either way.
  if (es == Acad::eOk && blockTableRecord().isNull() && isWriteEnabled()) recomputeTableBlock();
  return es;
}

// Geometry.

Acad::ErrorStatus AcDbTable::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  AcGeVector3d along = direction() * scaleFactors().sx;
  AcGeVector3d up = entgeom::unitNormal(normal()).crossProduct(direction()) * scaleFactors().sy;
  AcGePoint3d p = position();
  double w = width(), h = height();
  extents.addPoint(p);
  extents.addPoint(p + along * w);
  extents.addPoint(p - up * h);
  extents.addPoint(p + along * w - up * h);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::transformBy(const AcGeMatrix3d& transform) {
  double scale = 0.0;
  if (!entgeom::uniformScaleInPlane(transform, normal(), scale))
    return Acad::eCannotScaleNonUniformly;
  Acad::ErrorStatus es = AcDbBlockReference::transformBy(transform);
  if (es != Acad::eOk) return es;
  // Sizes take the scale: the table keeps a unit scale of its own.
  AcGeScale3d factors = scaleFactors();
  double s = std::fabs(factors.sy);
  for (double& v : rowHeights_) v *= s;
  for (double& v : columnWidths_) v *= s;
  for (double& v : heightByType_) v *= s;
  for (Cell& cell : cells_) cell.height *= s;
  horzMargin_ *= s;
  vertMargin_ *= s;
  setScaleFactors(AcGeScale3d(factors.sx < 0.0 ? -1.0 : 1.0, 1.0, 1.0));
  return Acad::eOk;
}

// Group codes.

Acad::ErrorStatus AcDbTable::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  dxfOutBlockReferenceFields(filer, entfile::writesEveryField(filer));
  filer->writeString(100, L"AcDbTable");
  filer->writeInt16(280, 0);
  filer->writeObjectId(342, tableStyle_);
  filer->writeObjectId(343, blockTableRecord());
  filer->writeVector3d(11, direction());
  filer->writeInt32(90, 22);
  filer->writeInt32(91, static_cast<Adesk::Int32>(numRows()));
  filer->writeInt32(92, static_cast<Adesk::Int32>(numColumns()));
  filer->writeInt32(93, 0);
  filer->writeInt32(94, 0);
  filer->writeInt32(95, 0);
  filer->writeInt32(96, 0);
  for (double h : rowHeights_) filer->writeDouble(141, h);
  for (double w : columnWidths_) filer->writeDouble(142, w);
  for (const Cell& cell : cells_) {
    int overrides = (cell.alignment != 0 ? kOverrideAlignment : 0) |
                    (!cell.style.isNull() ? kOverrideTextStyle : 0) |
                    (cell.height > 0.0 ? kOverrideTextHeight : 0);
    filer->writeInt16(171, cell.type == AcDb::kBlockCell ? 2 : 1);
    filer->writeInt16(172, 0);
    filer->writeInt16(173, 0);
    filer->writeInt16(174, 0);
    filer->writeInt16(175, 1);
    filer->writeInt16(176, 1);
    filer->writeInt32(91, overrides);
    filer->writeInt16(178, 0);
    filer->writeDouble(145, 0.0);
    entfile::writeChunkedText(filer, 2, 1, cell.text);
    if (!cell.style.isNull()) entfile::writeRecordReference(filer, 7, cell.style);
    if (cell.height > 0.0) filer->writeDouble(140, cell.height);
    if (cell.alignment != 0) filer->writeInt16(170, cell.alignment);
  }
  // The table's settings: flow direction first (it ends the cells), then margins, suppressions and
  // the text height and alignment of data, header and title rows.
  filer->writeInt16(70, flowDirection_);
  filer->writeDouble(40, horzMargin_);
  filer->writeDouble(41, vertMargin_);
  filer->writeInt16(280, titleSuppressed_ ? 1 : 0);
  filer->writeInt16(281, headerSuppressed_ ? 1 : 0);
  for (int type = 0; type < 3; ++type) {
    filer->writeDouble(140, heightByType_[type]);
    filer->writeInt16(170, alignmentByType_[type]);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::dxfInFields(AcDbDxfFiler* filer) {
  readingCell_ = kBeforeCells;
  chunks_.clear();
  rowHeights_.clear();
  columnWidths_.clear();
  cells_.clear();
  heightIndex_ = alignmentIndex_ = 0;
  tooLargeReported_ = false;
  Acad::ErrorStatus es = AcDbBlockReference::dxfInFields(filer);
  // Counts and lists that disagree (damaged files): the cells fit the lists.
  cells_.resize(static_cast<size_t>(numRows()) * numColumns());
  readingCell_ = kBeforeCells;
  return es;
}

bool AcDbTable::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  if (filer->currentSubclass() != L"AcDbTable") return AcDbBlockReference::dxfInItem(filer, item);
  // Each cell begins with its type.
  if (item.code == 171 && readingCell_ != kAfterCells) {
    if (readingCell_ == kBeforeCells) {
      cells_.assign(static_cast<size_t>(numRows()) * numColumns(), Cell());
      readingCell_ = 0;
    } else {
      ++readingCell_;
    }
    chunks_.clear();
    if (readingCell_ < static_cast<int>(cells_.size())) {
      cells_[static_cast<size_t>(readingCell_)].type =
          entfile::intOf(item) == 2 ? AcDb::kBlockCell : AcDb::kTextCell;
    }
    return true;
  }
  if (readingCell_ == kBeforeCells) {
    switch (item.code) {
      case 342:
        tableStyle_ = item.id;
        return true;
      case 343:
        if (!item.id.isNull()) setBlockTableRecordRaw(item.id);
        return true;
      case 11: {
        AcGeVector3d d = entfile::vectorOf(item);
        if (!d.isZeroLength()) setRotationRaw(entgeom::ocsAngle(normal(), d));
        return true;
      }
      case 141:
      case 142: {
        // Rows times columns cells are made: a damaged file giving thousands of each would ask
        // for more memory than any drawing needs.
        std::vector<double>& sizes = item.code == 141 ? rowHeights_ : columnWidths_;
        const size_t others = std::max<size_t>(1, (item.code == 141 ? columnWidths_ : rowHeights_).size());
        if ((sizes.size() + 1) * others > kMaxCellsRead) {
          if (!tooLargeReported_) filer->reportRepair(dbmsg::tableTooLarge(kMaxCellsRead));
          tooLargeReported_ = true;
          return true;
        }
        sizes.push_back(entfile::realOf(item));
        return true;
      }
      default:
        return true;  // version, flags, counts (the lists tell) and overrides
    }
  }
  if (readingCell_ >= 0 && item.code != 70) {
    if (readingCell_ >= static_cast<int>(cells_.size())) return true;
    Cell& cell = cells_[static_cast<size_t>(readingCell_)];
    switch (item.code) {
      case 2:
      case 3:
      case 303:
        chunks_ += item.text;
        break;
      case 1:
      case 302:
        cell.text = chunks_ + item.text;
        chunks_.clear();
        break;
      case 7:
        cell.style = entfile::textStyleOf(filer, this, item);
        break;
      case 140:
        cell.height = entfile::realOf(item);
        break;
      case 170:
        cell.alignment = std::clamp(entfile::intOf(item), 0, 9);
        break;
      default:
        break;
    }
    return true;
  }
  // The table's own settings, after the cells.
  readingCell_ = kAfterCells;
  switch (item.code) {
    case 70:
      flowDirection_ = entfile::intOf(item);
      break;
    case 40:
      horzMargin_ = entfile::realOf(item);
      break;
    case 41:
      vertMargin_ = entfile::realOf(item);
      break;
    case 280:
      titleSuppressed_ = entfile::intOf(item) != 0;
      break;
    case 281:
      headerSuppressed_ = entfile::intOf(item) != 0;
      break;
    case 140:
      if (heightIndex_ < 3) heightByType_[heightIndex_++] = entfile::realOf(item);
      break;
    case 170:
      if (alignmentIndex_ < 3)
        alignmentByType_[alignmentIndex_++] = std::clamp(entfile::intOf(item), 1, 9);
      break;
    default:
      break;
  }
  return true;
}
