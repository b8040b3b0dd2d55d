// SpreadSheetModel: everything of the grid control (CSpreadSheetU) that needs
// no window: the columns, row heights and cell texts, the scroll positions and
// maxima with the rule for bars that appear or disappear, the line and page
// steps, and which cells a paint rectangle touches. All sizes are pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editor/foundation/string_u.h"

// A column as callers describe it; a caller's list ends with a width of 0.
struct SpreadSheetColumn {
  static constexpr int32_t kHeaderLeft = 0x4000;   // string, left-aligned
  static constexpr int32_t kHeaderRight = 0x4001;  // string, right-aligned

  CStringU title;
  int32_t width = 0;
  int32_t format = kHeaderLeft;
};

// Text-drawing flags of a cell: single line, vertically centred, and
// centred, left- or right-aligned.
struct SpreadSheetCell {
  static constexpr int32_t kCentred = 37;
  static constexpr int32_t kLeft = 36;
  static constexpr int32_t kRight = 38;

  std::u16string text;
  int32_t format = kCentred;
};

struct GridRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

class SpreadSheetModel {
 public:
  static constexpr int32_t kRowHeight = 15;
  static constexpr int32_t kLineStep = 3;
  static constexpr int32_t kPageStep = 10;
  // The longest text a cell shows whole: it is kept with a blank on either
  // side inside the bound of CStringU.
  static constexpr int kCellTextLimit = CStringU::kCapacity - 2;

  // The scroll requests of the platform's scroll bars, by their codes.
  enum ScrollCode : int {
    kLineUp = 0,
    kLineDown = 1,
    kPageUp = 2,
    kPageDown = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
  };

  // What RecalcScroll asks of the window: a bar turns on or off, and the
  // resize that follows recomputes everything; or both bars take the new
  // maxima and positions, and the content moves by (dx, dy) when a position
  // was clamped.
  struct ScrollUpdate {
    enum Step { kHorizontalBar, kVerticalBar, kSettled } step = kSettled;
    int32_t dx = 0;
    int32_t dy = 0;
  };

  // Cells [firstColumn, endColumn) x [firstRow, endRow); (left, top) is the
  // content position of the first one.
  struct CellRange {
    int firstColumn = 0;
    int endColumn = 0;
    int firstRow = 0;
    int endRow = 0;
    int32_t left = 0;
    int32_t top = 0;
    bool IsEmpty() const { return firstColumn >= endColumn || firstRow >= endRow; }
  };

  SpreadSheetModel() = default;
  SpreadSheetModel(const SpreadSheetModel&) = delete;
  SpreadSheetModel& operator=(const SpreadSheetModel&) = delete;
  virtual ~SpreadSheetModel() = default;

  // Empties cells and rows and takes `count` columns (fewer when a width of 0
  // comes first); positions and maxima back to 0.
  void SetColumns(const SpreadSheetColumn* list, int count);
  // A row of kRowHeight with one empty centred cell per column.
  void AppendRow();
  // The cell's text becomes a blank, the text and a blank, each part only
  // when it still fits; 0 for a cell that does not exist.
  int SetCellText(const char* ansi, int column, int row);
  // The number in decimal into column 1.
  int SetCellNumber(int value, int row);
  int SetCellFormat(int format, int column, int row);
  // 0 for a column that does not exist or a negative width.
  int SetColumnWidth(int column, int32_t width);

  int ColumnCount() const { return static_cast<int>(columns.size()); }
  int RowCount() const { return static_cast<int>(rowHeights.size()); }
  const SpreadSheetColumn& Column(int column) const { return columns[static_cast<size_t>(column)]; }
  // nullptr outside the grid.
  const SpreadSheetCell* Cell(int column, int row) const;
  int64_t TotalWidth() const;
  int64_t TotalHeight() const { return totalHeight; }

  // New maxima for a client area of this size under a header this high.
  ScrollUpdate RecalcScroll(int32_t clientWidth, int32_t clientHeight, int32_t headerHeight);
  // One scroll request on a bar; returns how far the content moves (old
  // position minus new), 0 when the position stays.
  int32_t HScroll(int code, int32_t thumb) { return Scroll(hPos, hMax, code, thumb); }
  int32_t VScroll(int code, int32_t thumb) { return Scroll(vPos, vMax, code, thumb); }
  // The position a request asks for, clamped to 0..max.
  static int32_t ScrollTarget(int32_t pos, int32_t max, int code, int32_t thumb);
  // A scroll message carries the thumb in 16 bits; the bar's own tracking
  // position has all 32. The full one when it agrees with the message.
  static int32_t ThumbPosition(uint16_t fromMessage, int32_t trackPos);

  // The cells a rectangle in content coordinates touches (rows start under
  // the header, at headerHeight).
  CellRange CellsIn(const GridRect& content, int32_t headerHeight) const;
  // The rectangle a cell at content (x, y) is drawn in: one pixel wider to
  // the left and upwards except in the first column and row, so that
  // neighbours share their frame lines.
  GridRect CellFrame(int column, int row, int32_t x, int32_t y) const;

  int32_t HPos() const { return hPos; }
  int32_t HMax() const { return hMax; }
  int32_t VPos() const { return vPos; }
  int32_t VMax() const { return vMax; }

 protected:
  static int32_t Scroll(int32_t& pos, int32_t max, int code, int32_t thumb);
  void ResetPositions() { hPos = hMax = vPos = vMax = 0; }

  std::vector<SpreadSheetColumn> columns;
  std::vector<int32_t> rowHeights;
  // Row after row: cell (c, r) is cells[c + r * column count].
  std::vector<SpreadSheetCell> cells;
  int32_t hPos = 0;
  int32_t hMax = 0;
  int32_t vPos = 0;
  int32_t vMax = 0;

 private:
  int Index(int column, int row) const;
  // Kept as rows are added: a table of tens of thousands of rows adds each
  // row without summing all the others again.
  int64_t totalHeight = 0;
};
