#pragma once
// How pointer offsets and arrow keys become edits of the model. Every
// position and size the mouse produces is turned into whole dialog units;
// a moved group keeps its shape inside the dialog; a resized control keeps
// its minimum size and stays inside. The window manager's mapping of the
// surface dialog comes in as a CDialogUnitMap, so all of it runs without a
// window. Rectangles are in dialog units unless their name says pixels.

#include <vector>

#include "editor/design/control_kind.h"
#include "editor/design/surface_link.h"

// Arrow keys, numbered as the keyboard handlers pass them.
enum KeyDirection : int { kKeyUp = 0, kKeyDown = 1, kKeyLeft = 2, kKeyRight = 3 };

// Where the window of a control with this rectangle lies: position and size
// are mapped separately, as the window manager places a control of a
// template. 0 when the mapping fails.
int UnitsToPixels(const CDialogUnitMap& map, const DlgRect& units, DlgRect& pixels);

// Left above right and top above bottom.
DlgRect Normalised(const DlgRect& rect);

// 1 when both the top-left and the bottom-right corner of `rect` lie inside
// `band` (edges included).
int CornersInside(const DlgRect& band, const DlgRect& rect);

// The surface dialog as the edits see it: its unit mapping, its size in
// units (`cx`, `cy` of the model) and the pixels of its client area.
class CSurfaceGeometry {
 public:
  CSurfaceGeometry(const CDialogUnitMap& map, int cx, int cy, int clientWidth, int clientHeight);

  // 0 when the mapping failed; every operation then fails as well.
  int Valid() const { return px100 > 0 && py100 > 0 ? 1 : 0; }

  // Pixels to whole units: ceil(pixels × 100 / pixels per 100 units − 0.5),
  // so that a half rounds down.
  int UnitsX(int pixels) const;
  int UnitsY(int pixels) const;

  int ToPixels(const DlgRect& units, DlgRect& pixels) const { return UnitsToPixels(map, units, pixels); }

  // The rectangle moved left (up) one unit at a time while its pixels reach
  // past the right (bottom) edge of the client area. 0 when it cannot be mapped.
  int ShiftIntoClient(DlgRect& rect) const;
  // The same, but the right (bottom) edge comes in and the rectangle shrinks.
  int ShrinkIntoClient(DlgRect& rect) const;

  const CDialogUnitMap& map;
  int cx;
  int cy;
  int clientWidth;
  int clientHeight;
  int px100 = 0;  // pixels of 100 units across and down
  int py100 = 0;

 private:
  // Whether the pixels of the rectangle reach past the client area; 0 when
  // it cannot be mapped.
  int Overshoot(const DlgRect& rect, bool& right, bool& bottom) const;
};

// The rectangle kept inside the dialog by shifting, never by resizing: back
// within `cx` and `cy` in units, then up and left while its pixels still
// reach past the client area. 0 when it cannot be mapped.
int ShiftIntoDialog(const CSurfaceGeometry& surface, DlgRect& rect);

// The whole-unit move (dx, dy) that brings the primary control's top-left
// corner to where the pointer offset (in pixels) took it.
int MouseMoveOffset(const CSurfaceGeometry& surface, const DlgRect& primary, int dxPixels, int dyPixels,
                    int& dx, int& dy);
// One unit in the arrow's direction.
void KeyMoveOffset(int direction, int& dx, int& dy);

// Offsets every rectangle by (dx, dy), then shifts the group back as one
// until it lies inside the dialog, so that the distances between its
// controls stay. 0 when a rectangle cannot be mapped (nothing changed).
int MoveGroup(const CSurfaceGeometry& surface, std::vector<DlgRect>& rects, int dx, int dy);

// The smallest a control of the kind may become: a combo box needs room for
// its edit field.
void MinimumSize(ControlKind kind, int& cx, int& cy);

// The control's rectangle after its handle (1 to 8) was dragged by a pointer
// offset in pixels: at least the minimum size, grown from the edge opposite
// the handle, clamped inside the dialog. 0 when it cannot be mapped.
int ResizeByHandle(const CSurfaceGeometry& surface, ControlKind kind, const DlgRect& rect, int handle,
                   int dxPixels, int dyPixels, DlgRect& result);
// Shift with an arrow: up and left shrink by one unit, down and right grow,
// moving the bottom or right edge.
int ResizeByKey(const CSurfaceGeometry& surface, ControlKind kind, const DlgRect& rect, int direction,
                DlgRect& result);

// The dialog's size after its frame handle (bottom 4, corner 5, right 6) was
// dragged by a pointer offset in pixels; never smaller than `minCx` × `minCy`
// (the controls' extent). 0 when it cannot be mapped or the handle is another.
int ResizeDialogFrame(const CSurfaceGeometry& surface, int handle, int dxPixels, int dyPixels, int minCx,
                      int minCy, int& newCx, int& newCy);

// The rectangle of a new control drawn from a start point (surface client
// pixels) by a pointer offset: its far corner kept within the dialog, then
// normalised. 0 when it cannot be mapped.
int NewControlRect(const CSurfaceGeometry& surface, int startX, int startY, int dxPixels, int dyPixels,
                   DlgRect& rect);
