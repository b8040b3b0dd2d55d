#include "editor/design/selection_handles.h"

#include <gtest/gtest.h>

namespace {

TEST(SelectionHandles, SquaresJustOutsideCornersAndCentredOnEdges) {
  const DlgRect r{10, 20, 30, 41};  // middle at x 20, y 30
  const struct {
    int handle;
    DlgRect at;
  } cases[] = {
      {kHandleTopLeft, {5, 15, 10, 20}},      {kHandleLeft, {5, 28, 10, 33}},
      {kHandleBottomLeft, {5, 41, 10, 46}},   {kHandleBottom, {18, 41, 23, 46}},
      {kHandleBottomRight, {30, 41, 35, 46}}, {kHandleRight, {30, 28, 35, 33}},
      {kHandleTopRight, {30, 15, 35, 20}},    {kHandleTop, {18, 15, 23, 20}},
  };
  for (const auto& c : cases) EXPECT_EQ(HandleRect(r, c.handle), c.at) << c.handle;

  // The outline runs on the handles' centre lines and breaks at each middle handle.
  const auto outline = HandleOutline(r);
  EXPECT_EQ(outline[0].y1, 17);  // top: T − 3
  EXPECT_EQ(outline[0].x1, 10);
  EXPECT_EQ(outline[0].x2, 18);
  EXPECT_EQ(outline[1].x1, 22);
  EXPECT_EQ(outline[1].x2, 30);
  EXPECT_EQ(outline[2].y1, 43);  // bottom: B + 2
  EXPECT_EQ(outline[4].x1, 7);   // left: L − 3
  EXPECT_EQ(outline[4].y2, 28);
  EXPECT_EQ(outline[5].y1, 32);
  EXPECT_EQ(outline[6].x1, 32);  // right: R + 2
  for (const Segment& s : outline) EXPECT_TRUE(s.x1 == s.x2 || s.y1 == s.y2);
}

// A handle reacts to the mouse exactly when it is drawn filled: the combo
// box's top three and all handles of several controls are hollow and inert,
// as are the frame's handles other than bottom, corner and right.
TEST(SelectionHandles, OnlyFilledHandlesReact) {
  const DlgRect r{10, 20, 30, 41};
  const struct {
    HandleSet set;
    unsigned mask;  // bit n: handle n can be dragged
  } cases[] = {
      {HandleSet::Control, 0x1FE},
      {HandleSet::ComboBox, 0x1FE & ~((1u << kHandleTopLeft) | (1u << kHandleTopRight) | (1u << kHandleTop))},
      {HandleSet::Several, 0},
      {HandleSet::DialogFrame, (1u << kHandleBottom) | (1u << kHandleBottomRight) | (1u << kHandleRight)},
  };
  for (const auto& c : cases) {
    for (int handle = kHandleTopLeft; handle <= kHandleTop; ++handle) {
      const bool draggable = (c.mask >> handle) & 1;
      const DlgRect h = HandleRect(r, handle);
      EXPECT_EQ(HandleDraggable(c.set, handle), draggable ? 1 : 0) << handle;
      EXPECT_EQ(HitTestHandles(r, h.left, h.top, c.set), draggable ? handle : kNoHandle) << handle;
      EXPECT_EQ(HitTestHandles(r, h.right - 1, h.bottom - 1, c.set), draggable ? handle : kNoHandle)
          << handle;
    }
    EXPECT_EQ(HitTestHandles(r, 20, 30, c.set), kNoHandle);  // inside the control
    EXPECT_EQ(HitTestHandles(r, 35, 46, c.set), kNoHandle);  // just past the corner
  }
}

// Around a control of no size the edge handles lie on the corner ones; the
// corners are tried first.
TEST(SelectionHandles, CornersWinWhereHandlesOverlap) {
  const DlgRect dot{10, 10, 10, 10};
  EXPECT_EQ(HitTestHandles(dot, 7, 11, HandleSet::Control), kHandleBottomLeft);
  EXPECT_EQ(HitTestHandles(dot, 12, 8, HandleSet::Control), kHandleTopRight);
  EXPECT_EQ(HitTestHandles(dot, 12, 8, HandleSet::ComboBox), kHandleRight);
}

}  // namespace
