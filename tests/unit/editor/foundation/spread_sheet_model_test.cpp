#include "editor/foundation/spread_sheet_model.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

namespace {

using Model = SpreadSheetModel;

const SpreadSheetColumn kColumns[] = {
    {u"Name", 150, SpreadSheetColumn::kHeaderLeft},
    {u"Value", 70, SpreadSheetColumn::kHeaderRight},
    {u"Using", 150, SpreadSheetColumn::kHeaderLeft},
    {u"", 0, 0},
};
constexpr int kHeader = 20;
constexpr int kBar = 16;

// The window around a model: a bar is shown while its maximum is above 0,
// and a bar that turns on or off resizes the client area and runs the
// recalculation again, as the platform's resize does.
struct Window {
  Model& model;
  int width, height;
  bool hBar = false, vBar = false;
  int dx = 0, dy = 0, depth = 0;

  void Resize(int w, int h) {
    width = w;
    height = h;
    Recalc();
  }
  void Recalc() {
    ASSERT_LT(++depth, 20) << "the bars never settle";
    const auto update = model.RecalcScroll(width - (vBar ? kBar : 0), height - (hBar ? kBar : 0), kHeader);
    if (update.step == Model::ScrollUpdate::kHorizontalBar) hBar = model.HMax() > 0;
    if (update.step == Model::ScrollUpdate::kVerticalBar) vBar = model.VMax() > 0;
    if (update.step != Model::ScrollUpdate::kSettled) return Recalc();
    dx += update.dx;
    dy += update.dy;
    depth = 0;
  }
  void AddRows(int count) {
    for (int r = 0; r < count; ++r) {
      model.AppendRow();
      Recalc();
    }
  }
};

TEST(SpreadSheetModel, CellTextsKeepABlankOnEachSideWithinTheBound) {
  Model model;
  model.SetColumns(kColumns, 4);
  ASSERT_EQ(model.ColumnCount(), 3) << "the list ends at a width of 0";
  model.AppendRow();
  model.AppendRow();
  EXPECT_EQ(model.Cell(2, 1)->format, SpreadSheetCell::kCentred);

  const std::string fits(Model::kCellTextLimit, 'a'), oneMore(Model::kCellTextLimit + 1, 'b');
  const struct {
    std::string text;
    std::u16string shown;
  } cases[] = {
      {"IDC_NAME", u" IDC_NAME "},
      {fits, u" " + std::u16string(fits.begin(), fits.end()) + u" "},
      {oneMore, u" " + std::u16string(oneMore.begin(), oneMore.end())},  // no room for the closing blank
      {std::string(CStringU::kCapacity, 'c'), u"  "},                     // the text itself does not fit
  };
  for (const auto& c : cases) {
    ASSERT_EQ(model.SetCellText(c.text.c_str(), 0, 1), 1);
    EXPECT_EQ(model.Cell(0, 1)->text, c.shown) << c.text.size();
  }
  ASSERT_EQ(model.SetCellNumber(65535, 0), 1);
  EXPECT_EQ(model.Cell(1, 0)->text, u" 65535 ");

  // Cells outside the grid are refused and nothing else changes.
  const std::pair<int, int> outside[] = {{0, 2}, {3, 0}, {-1, 1}, {0, -1}};
  for (const auto& at : outside) {
    EXPECT_EQ(model.SetCellText("lost", at.first, at.second), 0);
    EXPECT_EQ(model.SetCellFormat(SpreadSheetCell::kLeft, at.first, at.second), 0);
  }
  EXPECT_EQ(model.SetCellNumber(5, 2), 0);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(model.Cell(c, r)->format, SpreadSheetCell::kCentred);
  EXPECT_EQ(model.Cell(2, 0)->text, u"");
}

TEST(SpreadSheetModel, BarsAppearAndDisappearAsRowsAndWidthsGrow) {
  Model model;
  model.SetColumns(kColumns, 3);
  Window window{model, 300, 100};
  window.Recalc();
  EXPECT_TRUE(window.hBar && !window.vBar);
  EXPECT_EQ(model.HMax(), 370 - 300);

  window.AddRows(4);  // 20 + 4 x 15 fits above the bar
  EXPECT_FALSE(window.vBar);
  window.AddRows(1);
  EXPECT_TRUE(window.vBar);
  EXPECT_EQ(model.VMax(), 20 + 5 * 15 - (100 - kBar));
  EXPECT_EQ(model.HMax(), 370 - (300 - kBar));

  // Wide enough for the columns beside the vertical bar: the horizontal bar
  // goes, and the taller client area leaves no need for the vertical one.
  window.Resize(370 + kBar, 100);
  EXPECT_FALSE(window.hBar || window.vBar);
  EXPECT_EQ(model.HMax(), 0);
  EXPECT_EQ(model.VMax(), 0);

  // A vertical bar that appears can make the horizontal one necessary.
  window.Resize(370, 200);
  window.AddRows(7);  // 12 rows fill the 200 pixels exactly
  EXPECT_FALSE(window.hBar || window.vBar);
  window.AddRows(1);
  EXPECT_TRUE(window.hBar && window.vBar);
  EXPECT_EQ(model.HMax(), kBar);
  EXPECT_EQ(model.VMax(), 20 + 13 * 15 - (200 - kBar));
}

TEST(SpreadSheetModel, PositionsAreClampedWhenTheWindowGrows) {
  Model model;
  model.SetColumns(kColumns, 3);
  Window window{model, 200, 150};
  window.AddRows(40);
  model.HScroll(Model::kThumbTrack, model.HMax());
  model.VScroll(Model::kThumbTrack, model.VMax());
  const int oldH = model.HPos(), oldV = model.VPos();

  window.Resize(300, 400);
  EXPECT_EQ(model.HPos(), model.HMax());
  EXPECT_EQ(model.VPos(), model.VMax());
  EXPECT_EQ(window.dx, oldH - model.HPos());
  EXPECT_EQ(window.dy, oldV - model.VPos());
  window.Resize(1000, 1000);
  EXPECT_EQ(model.HPos() + model.VPos(), 0);
  EXPECT_FALSE(window.hBar || window.vBar);
}

TEST(SpreadSheetModel, StepsAndTheThumbStayWithinTheRange) {
  const struct {
    int pos, max, code, thumb, expected;
  } cases[] = {
      {10, 100, Model::kLineDown, 0, 13},      {10, 100, Model::kLineUp, 0, 7},
      {10, 100, Model::kPageDown, 0, 20},      {10, 100, Model::kPageUp, 0, 0},
      {98, 100, Model::kLineDown, 0, 100},     {10, 100, Model::kThumbTrack, 60, 60},
      {10, 100, Model::kThumbTrack, 500, 100}, {10, 100, Model::kThumbPosition, 60, 10},
      {10, 100, 6 /* top */, 0, 10},           {0, 0, Model::kLineDown, 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Model::ScrollTarget(c.pos, c.max, c.code, c.thumb), c.expected) << c.pos << " code " << c.code;

  // The bar's own 32-bit tracking position wins when the message's 16 bits agree with it.
  EXPECT_EQ(Model::ThumbPosition(0x27C0, 600000), 600000);
  EXPECT_EQ(Model::ThumbPosition(0x1234, 0x1000), 0x1234);
}

TEST(SpreadSheetModel, APaintRectangleCoversTheCellsItTouches) {
  Model model;
  model.SetColumns(kColumns, 3);
  for (int r = 0; r < 10; ++r) model.AppendRow();
  // Rows start under the header at 20 and are 15 high; columns end at 150, 220, 370.
  const struct {
    GridRect content;
    int firstColumn, endColumn, firstRow, endRow, left, top;
  } cases[] = {
      {{0, 0, 400, 300}, 0, 3, 0, 10, 0, 20},
      {{150, 35, 220, 50}, 1, 2, 1, 2, 150, 35},
      {{149, 34, 151, 36}, 0, 2, 0, 2, 0, 20},
      {{369, 169, 500, 500}, 2, 3, 9, 10, 220, 155},
      {{0, 0, 400, 20}, 0, 3, 0, 0, 0, 20},        // the header only
      {{370, 0, 500, 500}, 3, 3, 0, 10, 370, 20},  // right of the columns
  };
  for (const auto& c : cases) {
    const Model::CellRange range = model.CellsIn(c.content, kHeader);
    EXPECT_EQ(range.firstColumn, c.firstColumn) << c.content.left << "," << c.content.top;
    EXPECT_EQ(range.endColumn, c.endColumn) << c.content.left << "," << c.content.top;
    EXPECT_EQ(range.firstRow, c.firstRow) << c.content.left << "," << c.content.top;
    EXPECT_EQ(range.endRow, c.endRow) << c.content.left << "," << c.content.top;
    if (!range.IsEmpty()) {
      EXPECT_EQ(std::make_pair(range.left, range.top), std::make_pair(c.left, c.top));
    }
  }

  // Each cell but the first of its row and column reaches back over the
  // frame line of the one before.
  const GridRect first = model.CellFrame(0, 0, 0, 20), inner = model.CellFrame(1, 1, 150, 35);
  EXPECT_EQ((std::array<int, 4>{first.left, first.top, first.right, first.bottom}), (std::array<int, 4>{0, 20, 150, 35}));
  EXPECT_EQ((std::array<int, 4>{inner.left, inner.top, inner.right, inner.bottom}),
            (std::array<int, 4>{149, 34, 220, 50}));
}

}  // namespace
