#include "editor/design/drag_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "editor/design/selection_handles.h"

void PrintTo(const DlgRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// The window manager's mapping for dialog base units of `bx` × `by` pixels:
// x × bx / 4 and y × by / 8, rounded half away from zero as MulDiv does.
class BaseUnitMap : public CDialogUnitMap {
 public:
  BaseUnitMap(int bx, int by) : bx(bx), by(by) {}
  int MapDialogRect(DlgRect& r) const override {
    if (fail) return 0;
    r = {MulDiv(r.left, bx, 4), MulDiv(r.top, by, 8), MulDiv(r.right, bx, 4), MulDiv(r.bottom, by, 8)};
    return 1;
  }
  static int MulDiv(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
  }
  int bx;
  int by;
  bool fail = false;
};

// Eight pixels per four units across, twelve per eight down: 2 and 1.5
// pixels per unit, so halves occur in both directions.
const BaseUnitMap kMap(8, 12);

// A dialog of 100 × 80 units whose client area is as large as its units map.
CSurfaceGeometry Dialog100x80(const CDialogUnitMap& map = kMap) {
  return CSurfaceGeometry(map, 100, 80, 200, 120);
}

TEST(DragGeometry, PixelsBecomeWholeUnitsAndAHalfRoundsDown) {
  const CSurfaceGeometry g = Dialog100x80();
  ASSERT_TRUE(g.Valid());
  EXPECT_EQ(g.px100, 200);
  EXPECT_EQ(g.py100, 150);
  const struct {
    int pixels;
    int x;  // 2 pixels a unit
    int y;  // 1.5 pixels a unit
  } cases[] = {{0, 0, 0},    {1, 0, 1},    {2, 1, 1},       {3, 1, 2},   {4, 2, 3},
               {-1, -1, -1}, {-3, -2, -2}, {301, 150, 201}, {-4, -2, -3}};
  for (const auto& c : cases) {
    EXPECT_EQ(g.UnitsX(c.pixels), c.x) << c.pixels;
    EXPECT_EQ(g.UnitsY(c.pixels), c.y) << c.pixels;
  }
  BaseUnitMap broken(8, 12);
  broken.fail = true;
  const CSurfaceGeometry none(broken, 100, 80, 200, 120);
  EXPECT_FALSE(none.Valid());
  std::vector<DlgRect> rects{{0, 0, 5, 5}};
  EXPECT_EQ(MoveGroup(none, rects, 1, 1), 0);
  EXPECT_EQ(rects[0], (DlgRect{0, 0, 5, 5}));
}

// A group keeps its spacing: it stops as a whole where its first member
// meets an edge of the dialog, or of the client area when that is smaller.
TEST(DragGeometry, GroupMovesStopAtTheEdgesKeepingTheirShape) {
  const CSurfaceGeometry g = Dialog100x80();
  const CSurfaceGeometry narrow(kMap, 100, 80, 180, 120);  // client only 90 units across
  const struct {
    const char* what;
    const CSurfaceGeometry* surface;
    int dx, dy;
    std::vector<DlgRect> before, after;
  } cases[] = {
      {"left edge", &g, -8, 0, {{5, 5, 15, 10}, {20, 30, 30, 40}}, {{0, 5, 10, 10}, {15, 30, 25, 40}}},
      {"right edge", &g, 10, 0, {{60, 5, 95, 10}, {20, 5, 30, 10}}, {{65, 5, 100, 10}, {25, 5, 35, 10}}},
      // At 75 its pixels (113 + 8) would overhang the 120 of the client area.
      {"bottom edge", &g, 0, 9, {{5, 70, 15, 75}}, {{5, 74, 15, 79}}},
      {"top, second member", &g, 0, -7, {{5, 20, 15, 25}, {30, 4, 40, 9}}, {{5, 16, 15, 21}, {30, 0, 40, 5}}},
      {"left, inside", &g, -12, 0, {{10, 5, 20, 10}, {40, 5, 99, 10}}, {{0, 5, 10, 10}, {30, 5, 89, 10}}},
      {"client narrower than dialog", &narrow, 10, 0, {{80, 5, 88, 10}}, {{82, 5, 90, 10}}},
      {"no move", &g, 0, 0, {{1, 2, 3, 4}}, {{1, 2, 3, 4}}},
  };
  for (const auto& c : cases) {
    std::vector<DlgRect> rects = c.before;
    ASSERT_EQ(MoveGroup(*c.surface, rects, c.dx, c.dy), 1) << c.what;
    EXPECT_EQ(rects, c.after) << c.what;
  }
}

// The primary control's corner follows the pointer in whole units: at 2
// pixels a unit a single pixel is half a unit and does not move it.
TEST(DragGeometry, MouseOffsetsRoundToWholeUnits) {
  const CSurfaceGeometry g = Dialog100x80();
  int dx = 0, dy = 0;
  ASSERT_EQ(MouseMoveOffset(g, DlgRect{10, 10, 20, 20}, 5, 4, dx, dy), 1);  // corner (20, 15) to (25, 19)
  EXPECT_EQ(dx, 2);
  EXPECT_EQ(dy, 3);
  ASSERT_EQ(MouseMoveOffset(g, DlgRect{10, 10, 20, 20}, 1, -1, dx, dy), 1);
  EXPECT_EQ(dx, 0);
  EXPECT_EQ(dy, -1);
}

TEST(DragGeometry, ResizingByEachHandle) {
  const CSurfaceGeometry g = Dialog100x80();
  const DlgRect r{20, 20, 40, 30};  // pixels (40, 30)-(80, 45)
  const struct {
    const char* what;
    ControlKind kind;
    int handle, dx, dy;
    DlgRect after;
  } cases[] = {
      {"top-left", ControlKind::Edit, kHandleTopLeft, -10, -3, {15, 18, 40, 30}},
      {"left ignores dy", ControlKind::Edit, kHandleLeft, 6, 30, {23, 20, 40, 30}},
      {"bottom-left", ControlKind::Edit, kHandleBottomLeft, 4, 6, {22, 20, 40, 34}},
      {"bottom ignores dx", ControlKind::Edit, kHandleBottom, 50, 3, {20, 20, 40, 32}},
      {"top-right", ControlKind::Edit, kHandleTopRight, 2, 6, {20, 24, 41, 30}},
      {"left past the right edge", ControlKind::Edit, kHandleLeft, 60, 0, {35, 20, 40, 30}},
      {"combo box minimum", ControlKind::ComboBox, kHandleBottomRight, -40, -15, {20, 20, 35, 32}},
      {"clamped at the right", ControlKind::Edit, kHandleRight, 200, 0, {20, 20, 100, 30}},
  };
  for (const auto& c : cases) {
    DlgRect after;
    ASSERT_EQ(ResizeByHandle(g, c.kind, r, c.handle, c.dx, c.dy, after), 1) << c.what;
    EXPECT_EQ(after, c.after) << c.what;
  }
  DlgRect after;
  EXPECT_EQ(ResizeByHandle(g, ControlKind::Edit, r, kNoHandle, 1, 1, after), 0);
  // A control lying wholly beyond the dialog is not turned inside out.
  EXPECT_EQ(ResizeByHandle(g, ControlKind::Edit, DlgRect{120, 5, 130, 10}, kHandleRight, 2, 0, after), 0);
}

TEST(DragGeometry, ResizingByKeyStopsAtTheMinimumAndTheDialog) {
  const CSurfaceGeometry g = Dialog100x80();
  const struct {
    const char* what;
    ControlKind kind;
    DlgRect before;
    int direction;
    DlgRect after;
  } cases[] = {
      {"up shrinks", ControlKind::Edit, {10, 10, 30, 20}, kKeyUp, {10, 10, 30, 19}},
      {"right grows", ControlKind::Edit, {10, 10, 30, 20}, kKeyRight, {10, 10, 31, 20}},
      {"others stop at 5", ControlKind::Edit, {10, 10, 30, 15}, kKeyUp, {10, 10, 30, 15}},
      {"combo box stops at 12", ControlKind::ComboBox, {10, 10, 30, 22}, kKeyUp, {10, 10, 30, 22}},
      {"combo box stops at 15 wide", ControlKind::ComboBox, {10, 10, 25, 22}, kKeyLeft, {10, 10, 25, 22}},
      {"not past the right edge", ControlKind::Edit, {80, 10, 100, 20}, kKeyRight, {80, 10, 100, 20}},
  };
  for (const auto& c : cases) {
    DlgRect after;
    ASSERT_EQ(ResizeByKey(g, c.kind, c.before, c.direction, after), 1) << c.what;
    EXPECT_EQ(after, c.after) << c.what;
  }
}

TEST(DragGeometry, DialogFrameKeepsItsControlsAndRoundsLikePixels) {
  const CSurfaceGeometry g = Dialog100x80();  // 200 × 120 pixels
  const struct {
    int handle, dx, dy, cx, cy;
  } cases[] = {
      {kHandleBottomRight, 20, 30, 110, 100},    // both ways
      {kHandleBottom, 20, 30, 100, 100},         // ignores dx
      {kHandleRight, 20, 30, 110, 80},           // ignores dy
      {kHandleBottomRight, 3, 0, 101, 80},       // 101.5 rounds down
      {kHandleBottomRight, -180, -200, 40, 30},  // not smaller than the controls
  };
  for (const auto& c : cases) {
    int cx = 0, cy = 0;
    ASSERT_EQ(ResizeDialogFrame(g, c.handle, c.dx, c.dy, 40, 30, cx, cy), 1) << c.handle << " " << c.dx;
    EXPECT_EQ(cx, c.cx) << c.handle << " " << c.dx;
    EXPECT_EQ(cy, c.cy) << c.handle << " " << c.dy;
  }
  int cx = 0, cy = 0;
  EXPECT_EQ(ResizeDialogFrame(g, kHandleTopLeft, 5, 5, 10, 10, cx, cy), 0);
  // A dialog of no size grows by the unit rule instead of dividing by zero.
  const CSurfaceGeometry empty(kMap, 0, 0, 0, 0);
  ASSERT_EQ(ResizeDialogFrame(empty, kHandleBottomRight, 40, 30, 10, 10, cx, cy), 1);
  EXPECT_EQ(cx, 20);
  EXPECT_EQ(cy, 20);
}

TEST(DragGeometry, NewControlRectangleIsNormalisedAndKeptOnTheDialog) {
  const CSurfaceGeometry g = Dialog100x80();
  const struct {
    const char* what;
    int x, y, dx, dy;
    DlgRect rect;
  } cases[] = {
      {"down and right", 20, 15, 40, 30, {10, 10, 30, 30}},
      {"right to left, bottom to top", 60, 45, -40, -30, {10, 10, 30, 30}},
      {"past the right edge", 180, 15, 100, 15, {90, 10, 99, 20}},
      {"past the top left", 20, 15, -60, -60, {0, 0, 10, 10}},
      {"from the dialog's caption", 20, -20, 10, 30, {10, 0, 15, 7}},
  };
  for (const auto& c : cases) {
    DlgRect rect;
    ASSERT_EQ(NewControlRect(g, c.x, c.y, c.dx, c.dy, rect), 1) << c.what;
    EXPECT_EQ(rect, c.rect) << c.what;
  }
}

TEST(DragGeometry, RubberBandTakesOnlyWhatItWhollyCovers) {
  const DlgRect band = Normalised(DlgRect{50, 40, 10, 10});
  EXPECT_EQ(band, (DlgRect{10, 10, 50, 40}));
  EXPECT_EQ(CornersInside(band, DlgRect{10, 10, 50, 40}), 1);
  EXPECT_EQ(CornersInside(band, DlgRect{20, 20, 60, 30}), 0);  // half covered
}

}  // namespace
