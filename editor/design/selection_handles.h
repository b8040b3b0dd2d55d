#pragma once
// Where the sizing handles around a selected control or the dialog frame lie,
// which of them are drawn filled, and which one a point hits. All in pixels
// of the window the handles are measured in.

#include <array>

#include "editor/design/surface_link.h"

// Handle codes, the same for controls and for the dialog frame.
enum HandleCode : int {
  kNoHandle = 0,
  kHandleTopLeft = 1,
  kHandleLeft = 2,
  kHandleBottomLeft = 3,
  kHandleBottom = 4,
  kHandleBottomRight = 5,
  kHandleRight = 6,
  kHandleTopRight = 7,
  kHandleTop = 8,
};

constexpr int kHandleSize = 5;

// Colours as COLORREF values (0x00BBGGRR).
constexpr unsigned kPrimaryHandleColour = 0xC80000;
constexpr unsigned kSecondaryHandleColour = 0x800000;

// What is selected decides which handles can be dragged.
enum class HandleSet {
  Control,      // the one selected control: all eight
  ComboBox,     // its height is the list's, so its top handles are inert
  Several,      // more than one control: none
  DialogFrame,  // only bottom, bottom-right and right
};

// The 5 × 5 square of a handle (1 to 8) just outside the rectangle `around`.
DlgRect HandleRect(const DlgRect& around, int handle);

// A horizontal or vertical 1-pixel line from (x1, y1) up to, not including,
// (x2, y2), as a line drawn from one point to the next covers it.
struct Segment {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

// The outline that joins the handles on their centre lines: each side in two
// pieces that stop at its middle handle.
std::array<Segment, 8> HandleOutline(const DlgRect& around);

// 1 when the handle can be dragged; such handles are drawn filled, the
// others hollow.
int HandleDraggable(HandleSet set, int handle);

// The handle under the point, or 0. Corners are tried before edges, so where
// handles of a tiny rectangle overlap the corner wins.
int HitTestHandles(const DlgRect& around, int x, int y, HandleSet set);
