#include "editor/foundation/spread_sheet_model.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "editor/foundation/code_page.h"

namespace {

int32_t ClampToInt(int64_t value) { return static_cast<int32_t>(std::min<int64_t>(value, INT32_MAX)); }

}  // namespace

void SpreadSheetModel::SetColumns(const SpreadSheetColumn* list, int count) {
  cells.clear();
  columns.clear();
  rowHeights.clear();
  totalHeight = 0;
  for (int i = 0; list && i < count && list[i].width != 0; ++i) columns.push_back(list[i]);
  ResetPositions();
}

void SpreadSheetModel::AppendRow() {
  rowHeights.push_back(kRowHeight);
  totalHeight += kRowHeight;
  cells.resize(cells.size() + columns.size());
}

int SpreadSheetModel::Index(int column, int row) const {
  if (column < 0 || column >= ColumnCount() || row < 0 || row >= RowCount()) return -1;
  return column + row * ColumnCount();
}

const SpreadSheetCell* SpreadSheetModel::Cell(int column, int row) const {
  const int index = Index(column, row);
  return index < 0 ? nullptr : &cells[static_cast<size_t>(index)];
}

// The appends of CStringU, each part only when the total stays within its
// capacity, without building one: a view of tens of thousands of rows
// fills its cells as fast as it can.
int SpreadSheetModel::SetCellText(const char* ansi, int column, int row) {
  const int index = Index(column, row);
  if (index < 0) return 0;
  const std::u16string value = AnsiToUtf16(ansi ? ansi : "");
  std::u16string text(1, u' ');
  if (text.size() + value.size() <= static_cast<size_t>(CStringU::kCapacity)) text += value;
  if (text.size() < static_cast<size_t>(CStringU::kCapacity)) text += u' ';
  cells[static_cast<size_t>(index)].text = std::move(text);
  return 1;
}

int SpreadSheetModel::SetCellNumber(int value, int row) { return SetCellText(std::to_string(value).c_str(), 1, row); }

int SpreadSheetModel::SetCellFormat(int format, int column, int row) {
  const int index = Index(column, row);
  if (index < 0) return 0;
  cells[static_cast<size_t>(index)].format = format;
  return 1;
}

int SpreadSheetModel::SetColumnWidth(int column, int32_t width) {
  if (column < 0 || column >= ColumnCount() || width < 0) return 0;
  columns[static_cast<size_t>(column)].width = width;
  return 1;
}

int64_t SpreadSheetModel::TotalWidth() const {
  int64_t total = 0;
  for (const SpreadSheetColumn& column : columns) total += column.width;
  return total;
}

// A bar that turns on or off changes the client area; the platform then sends
// a resize, and the recalculation for that size settles the positions.
SpreadSheetModel::ScrollUpdate SpreadSheetModel::RecalcScroll(int32_t clientWidth, int32_t clientHeight,
                                                              int32_t headerHeight) {
  ScrollUpdate update;
  const int32_t newHMax = ClampToInt(std::max<int64_t>(0, TotalWidth() - clientWidth));
  const bool hToggles = (hMax == 0) != (newHMax == 0);
  hMax = newHMax;
  if (hToggles) {
    update.step = ScrollUpdate::kHorizontalBar;
    return update;
  }
  const int32_t newVMax = ClampToInt(std::max<int64_t>(0, headerHeight + totalHeight - clientHeight));
  const bool vToggles = (vMax == 0) != (newVMax == 0);
  vMax = newVMax;
  if (vToggles) {
    update.step = ScrollUpdate::kVerticalBar;
    return update;
  }
  const int32_t oldH = hPos;
  const int32_t oldV = vPos;
  hPos = std::min(hPos, hMax);
  vPos = std::min(vPos, vMax);
  update.dx = oldH - hPos;
  update.dy = oldV - vPos;
  return update;
}

int32_t SpreadSheetModel::ScrollTarget(int32_t pos, int32_t max, int code, int32_t thumb) {
  int64_t target = pos;
  switch (code) {
    case kLineUp:
      target -= kLineStep;
      break;
    case kLineDown:
      target += kLineStep;
      break;
    case kPageUp:
      target -= kPageStep;
      break;
    case kPageDown:
      target += kPageStep;
      break;
    case kThumbTrack:
      target = thumb;
      break;
    default:
      break;
  }
  return static_cast<int32_t>(std::clamp<int64_t>(target, 0, std::max(0, max)));
}

int32_t SpreadSheetModel::Scroll(int32_t& pos, int32_t max, int code, int32_t thumb) {
  const int32_t target = ScrollTarget(pos, max, code, thumb);
  const int32_t moved = pos - target;
  pos = target;
  return moved;
}

int32_t SpreadSheetModel::ThumbPosition(uint16_t fromMessage, int32_t trackPos) {
  return static_cast<uint16_t>(trackPos) == fromMessage ? trackPos : fromMessage;
}

SpreadSheetModel::CellRange SpreadSheetModel::CellsIn(const GridRect& content, int32_t headerHeight) const {
  CellRange range;
  if (content.left >= content.right || content.top >= content.bottom) return range;
  // Rows and columns are visited in order until the rectangle is passed.
  int64_t y = headerHeight;
  int row = 0;
  for (; row < RowCount() && y + rowHeights[static_cast<size_t>(row)] <= content.top; ++row)
    y += rowHeights[static_cast<size_t>(row)];
  range.firstRow = row;
  range.top = static_cast<int32_t>(std::min<int64_t>(y, INT32_MAX));
  for (; row < RowCount() && y < content.bottom; ++row) y += rowHeights[static_cast<size_t>(row)];
  range.endRow = row;

  int64_t x = 0;
  int column = 0;
  for (; column < ColumnCount() && x + columns[static_cast<size_t>(column)].width <= content.left; ++column)
    x += columns[static_cast<size_t>(column)].width;
  range.firstColumn = column;
  range.left = static_cast<int32_t>(std::min<int64_t>(x, INT32_MAX));
  for (; column < ColumnCount() && x < content.right; ++column) x += columns[static_cast<size_t>(column)].width;
  range.endColumn = column;
  return range;
}

GridRect SpreadSheetModel::CellFrame(int column, int row, int32_t x, int32_t y) const {
  GridRect frame;
  frame.left = x - (column > 0 ? 1 : 0);
  frame.top = y - (row > 0 ? 1 : 0);
  frame.right = x + (column >= 0 && column < ColumnCount() ? columns[static_cast<size_t>(column)].width : 0);
  frame.bottom = y + (row >= 0 && row < RowCount() ? rowHeights[static_cast<size_t>(row)] : 0);
  return frame;
}
