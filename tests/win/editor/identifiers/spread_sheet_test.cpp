// The grid control in process: what it paints, its scroll bars and header
// following the content, a header divider dragged, a long table scrolled to
// its end by its thumb, and the rows of the identifier view.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "editor/foundation/win/spread_sheet_u.h"
#include "editor/properties/win/identifier_view.h"
#include "win_test_util.h"

namespace {

const SpreadSheetColumn kColumns[] = {
    {u"Name", 150, SpreadSheetColumn::kHeaderLeft},
    {u"Value", 70, SpreadSheetColumn::kHeaderRight},
    {u"Using", 150, SpreadSheetColumn::kHeaderLeft},
};

uint32_t Rgb(COLORREF colour) { return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour); }
const uint32_t kWhite = 0xFFFFFF;

// The dark pixels of a band: leftmost and rightmost column, right < left when none.
struct Ink {
  int left = 1 << 20, right = -1;
  bool Any() const { return right >= 0; }
};
Ink InkIn(const wintest::Pixels& pixels, int left, int top, int right, int bottom) {
  Ink ink;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if ((pixels.At(x, y) & 0x808080) == 0) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
      }
  return ink;
}

// One top-level window for all the tests (hiding or destroying one makes
// Wine wait for the X server); each test works in a child panel of it,
// shown unless the grid is to be filled before it can be seen.
class Grid : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"GridTestHost";
    RegisterClassW(&wc);
    host = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 40, 40, 600, 400, nullptr, nullptr,
                           wc.hInstance, nullptr);
  }
  void SetUp() override {
    panel = CreateWindowExW(0, L"GridTestHost", L"", WS_CHILD, 0, 0, 600, 400, host, nullptr, nullptr, nullptr);
    ASSERT_NE(panel, nullptr);
  }
  void TearDown() override {
    grid.DeleteGrid();
    g_spreadSheet.DeleteGrid();
    DestroyWindow(panel);
  }
  void Create(CSpreadSheetU& sheet, int width, int height, int rows, bool shown = true) {
    if (shown) ShowWindow(panel, SW_SHOW);
    ASSERT_EQ(sheet.CreateGrid(panel, width, height, kColumns, 3), 1);
    for (int r = 0; r < rows; ++r) ASSERT_EQ(sheet.AddRow(), 1);
  }
  wintest::Pixels Screen(const wchar_t* name) {
    RedrawWindow(grid.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const wintest::Pixels pixels = wintest::CaptureScreenOfClient(grid.Window());
    wintest::SavePng(wintest::ScreenshotPath(name), pixels);
    return pixels;
  }
  POINT HeaderAt() {
    RECT rect;
    GetWindowRect(grid.Header(), &rect);
    POINT at = {rect.left, rect.top};
    ScreenToClient(grid.Window(), &at);
    return at;
  }
  bool HasBar(LONG style) { return (GetWindowLongW(grid.Window(), GWL_STYLE) & style) != 0; }

  static HWND host;
  HWND panel = nullptr;
  CSpreadSheetU grid;
};

HWND Grid::host = nullptr;

TEST_F(Grid, PaintsWhiteCellsFramedInShadowUnderItsHeader) {
  Create(grid, 400, 200, 3);
  EXPECT_EQ(grid.CreateGrid(panel, 400, 200, kColumns, 3), 0) << "one window per grid";
  EXPECT_EQ(GetDlgCtrlID(grid.Header()), CSpreadSheetU::kHeaderId);
  grid.SetCellFormat(SpreadSheetCell::kLeft, 0, 0);
  grid.SetCellText("IDC_NAME", 0, 0);
  grid.SetCellFormat(SpreadSheetCell::kRight, 1, 0);
  grid.SetCellNumber(65535, 0);
  const int h = grid.HeaderHeight();
  ASSERT_GT(h, 5);

  const wintest::Pixels pixels = Screen(L"grid_cells");
  const uint32_t shadow = Rgb(GetSysColor(COLOR_BTNSHADOW)), face = Rgb(GetSysColor(COLOR_BTNFACE));
  const struct {
    int x, y;
    uint32_t colour;
    const char* what;
  } expected[] = {
      {1, h + 1, kWhite, "inside the first cell"},
      {0, h + 7, shadow, "left frame of the first column"},
      {75, h, shadow, "top frame of the first row"},
      {149, h + 7, shadow, "the line the first two columns share"},
      {150, h + 7, kWhite, "inside the second column"},
      {295, h + 14, shadow, "the line the first two rows share"},
      {295, h + 15, kWhite, "inside the second row"},
      {369, h + 40, shadow, "right frame of the last column"},
      {200, h + 44, shadow, "bottom frame of the last row"},
      {380, h + 7, face, "right of the columns"},
      {200, h + 46, face, "below the rows"},
  };
  for (const auto& e : expected) EXPECT_EQ(pixels.At(e.x, e.y), e.colour) << e.what;

  // Texts and titles: "Name" nearer its left edge, "Value" nearer its right.
  const Ink texts[] = {InkIn(pixels, 1, h + 1, 149, h + 14), InkIn(pixels, 2, 2, 148, h - 2)};
  const Ink numbers[] = {InkIn(pixels, 150, h + 1, 219, h + 14), InkIn(pixels, 152, 2, 218, h - 2)};
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(texts[i].Any() && numbers[i].Any()) << (i ? "header" : "cells");
    EXPECT_LT(texts[i].left, 149 - texts[i].right);
    EXPECT_GT(numbers[i].left - 150, 219 - numbers[i].right);
  }
  EXPECT_FALSE(InkIn(pixels, 221, h + 1, 369, h + 14).Any()) << "an empty cell";
}

TEST_F(Grid, BarsAndTheHeaderFollowTheContentAndTheWindow) {
  Create(grid, 300, 120, 0);
  EXPECT_TRUE(HasBar(WS_HSCROLL));
  EXPECT_FALSE(HasBar(WS_VSCROLL));
  EXPECT_EQ(grid.HMax(), 70);
  for (int r = 0; r < 20; ++r) grid.AddRow();
  ASSERT_TRUE(HasBar(WS_VSCROLL));
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE;
  GetScrollInfo(grid.Window(), SB_VERT, &info);
  EXPECT_EQ(info.nMax, grid.VMax());

  // The header moves with the cells sideways, not up and down.
  SendMessageW(grid.Window(), WM_HSCROLL, SB_PAGEDOWN, 0);
  SendMessageW(grid.Window(), WM_HSCROLL, SB_LINEDOWN, 0);
  SendMessageW(grid.Window(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1000), 0);
  EXPECT_EQ(grid.HPos(), 13);
  EXPECT_EQ(grid.VPos(), grid.VMax());
  EXPECT_EQ(GetScrollPos(grid.Window(), SB_HORZ), 13);
  EXPECT_EQ(HeaderAt().x, -13);
  EXPECT_EQ(HeaderAt().y, 0);

  // Room for everything: positions back to 0, bars gone, header across the width.
  SetWindowPos(grid.Window(), nullptr, 0, 0, 500, 380, SWP_NOZORDER | SWP_NOMOVE);
  EXPECT_FALSE(HasBar(WS_HSCROLL | WS_VSCROLL));
  EXPECT_EQ(grid.HPos() + grid.VPos(), 0);
  EXPECT_EQ(HeaderAt().x, 0);
  RECT header;
  GetWindowRect(grid.Header(), &header);
  EXPECT_EQ(header.right - header.left, 500);
}

TEST_F(Grid, DraggingAHeaderDividerWidensTheColumnAndItsCells) {
  Create(grid, 500, 200, 2);
  HWND header = grid.Header();
  const int h = grid.HeaderHeight();
  // The divider at the right edge of "Name", caught one pixel inside.
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(149, h / 2));
  SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(179, h / 2));
  EXPECT_EQ(grid.Column(0).width, 180) << "the cells follow while dragging";
  SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(199, h / 2));
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(199, h / 2));
  HDITEMW item = {};
  item.mask = HDI_WIDTH;
  SendMessageW(header, HDM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.cxy, 200);
  EXPECT_EQ(grid.Column(0).width, 200);

  const wintest::Pixels pixels = Screen(L"grid_dragged");
  EXPECT_EQ(pixels.At(149, h + 7), kWhite) << "the old line is gone";
  EXPECT_EQ(pixels.At(199, h + 7), Rgb(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(pixels.At(269, h + 7), Rgb(GetSysColor(COLOR_BTNSHADOW))) << "the next column moved along";
}

// Filled while it cannot be seen, as the identifier view fills it; taller
// than the 16 bits a scroll message gives the thumb.
TEST_F(Grid, ALongTableScrollsByItsThumbToItsLastRow) {
  Create(grid, 400, 200, 5000, false);
  grid.SetCellFormat(SpreadSheetCell::kLeft, 0, 4999);
  grid.SetCellText("IDC_LAST", 0, 4999);
  EXPECT_EQ(grid.VMax(), 0) << "nothing done for rows that cannot be seen";
  ShowWindow(panel, SW_SHOW);
  ASSERT_TRUE(wintest::PumpUntil([&] { return grid.VMax() > 0; }));
  RECT client;
  GetClientRect(grid.Window(), &client);
  ASSERT_EQ(grid.VMax(), grid.HeaderHeight() + 5000 * 15 - client.bottom);
  ASSERT_GT(grid.VMax(), 0xFFFF);

  SCROLLBARINFO bar = {};
  bar.cbSize = sizeof(bar);
  ASSERT_TRUE(GetScrollBarInfo(grid.Window(), OBJID_VSCROLL, &bar));
  const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
  wintest::LeftButtonOnScreen({x, bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2}, true);
  wintest::LeftButtonOnScreen({x, bar.rcScrollBar.bottom - 1}, false);
  ASSERT_TRUE(wintest::PumpUntil([&] { return grid.VPos() == grid.VMax(); })) << grid.VPos();
  SendMessageW(grid.Window(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(grid.VPos(), grid.VMax()) << "no further than the end";
  EXPECT_EQ(GetScrollPos(grid.Window(), SB_VERT), grid.VMax());

  // The last row ends at the bottom with its text; the header is left as it was.
  const wintest::Pixels pixels = Screen(L"grid_last_row");
  const int bottom = client.bottom - 1, h = grid.HeaderHeight();
  EXPECT_EQ(pixels.At(75, bottom), Rgb(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(pixels.At(75, bottom - 15), Rgb(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_TRUE(InkIn(pixels, 1, bottom - 14, 149, bottom).Any()) << "IDC_LAST";
  EXPECT_FALSE(InkIn(pixels, 1, bottom - 29, 149, bottom - 15).Any()) << "the row before is empty";
  EXPECT_TRUE(InkIn(pixels, 2, 2, 148, h - 2).Any()) << "the title of the first column";
}

TEST_F(Grid, IdentifierRowsShowValuesUnsignedAndLongUserListsCut) {
  IdentifierTable table;
  ASSERT_TRUE(table.AddHeaderId("IDC_STATIC", 0xFFFF));
  ASSERT_TRUE(table.AddHeaderId("IDC_SHARED", 1001));
  ASSERT_TRUE(table.AddHeaderId("IDC_TOP", 0xFFFF)) << "a second -1 is an ordinary identifier";
  table.AddUse(1, "IDOK", "IDD_A");
  table.AddUse(1001, "IDC_SHARED", "IDD_A");
  for (int d = 0; d < 40; ++d) table.AddUse(0, "IDC_TOP", "IDD_DIALOG_NUMBER_" + std::to_string(d));
  Create(g_spreadSheet, 400, 200, 0);
  FillIdentifierGrid(table);

  ASSERT_EQ(g_spreadSheet.RowCount(), 2);
  const std::u16string expected[2][2] = {{u" IDC_SHARED ", u" 1001 "}, {u" IDC_TOP ", u" 65535 "}};
  for (int r = 0; r < 2; ++r) {
    EXPECT_EQ(g_spreadSheet.Cell(0, r)->text, expected[r][0]);
    EXPECT_EQ(g_spreadSheet.Cell(1, r)->text, expected[r][1]);
    for (int c = 0; c < 3; ++c)
      EXPECT_EQ(g_spreadSheet.Cell(c, r)->format, c == 1 ? SpreadSheetCell::kRight : SpreadSheetCell::kLeft);
  }
  EXPECT_EQ(g_spreadSheet.Cell(2, 0)->text, u" IDD_A ");
  const std::u16string& many = g_spreadSheet.Cell(2, 1)->text;
  EXPECT_EQ(many.substr(0, 22), u" IDD_DIALOG_NUMBER_0; ");
  EXPECT_EQ(many.substr(many.size() - 6), u"; ... ") << "whole names, the mark, the closing blank";
}

}  // namespace
