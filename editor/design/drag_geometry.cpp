#include "editor/design/drag_geometry.h"

#include <algorithm>
#include <cmath>

#include "editor/design/selection_handles.h"

namespace {

// A dialog is at most this many units across; also the bound of the loops
// that walk a rectangle into the client area one unit at a time.
constexpr int kMaxUnits = 0x7FFF;

constexpr int kMinWidth = 5;
constexpr int kMinHeight = 5;
constexpr int kComboMinWidth = 15;
constexpr int kComboMinHeight = 12;

int RoundHalfDown(double value) {
  return static_cast<int>(std::ceil(value - 0.5));
}

DlgRect Shifted(const DlgRect& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Left and top at least 0, right and bottom at most the dialog's size, then
// in from the right and bottom while the pixels still stick out. 0 when the
// rectangle cannot be mapped or nothing of it is left inside.
int ClampIntoDialog(const CSurfaceGeometry& surface, DlgRect& r) {
  DlgRect clamped = r;
  clamped.left = std::max(clamped.left, 0);
  clamped.top = std::max(clamped.top, 0);
  clamped.right = std::min(clamped.right, surface.cx);
  clamped.bottom = std::min(clamped.bottom, surface.cy);
  // A control lying wholly outside the dialog would come out inside out.
  if (clamped.right < clamped.left || clamped.bottom < clamped.top) return 0;
  if (!surface.ShrinkIntoClient(clamped)) return 0;
  r = clamped;
  return 1;
}

}  // namespace

int UnitsToPixels(const CDialogUnitMap& map, const DlgRect& units, DlgRect& pixels) {
  DlgRect position{units.left, units.top, 0, 0};
  DlgRect size{0, 0, units.right - units.left, units.bottom - units.top};
  if (!map.MapDialogRect(position) || !map.MapDialogRect(size)) return 0;
  pixels = {position.left, position.top, position.left + size.right, position.top + size.bottom};
  return 1;
}

DlgRect Normalised(const DlgRect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

int CornersInside(const DlgRect& band, const DlgRect& r) {
  const auto inside = [&](int x, int y) {
    return x >= band.left && x <= band.right && y >= band.top && y <= band.bottom;
  };
  return inside(r.left, r.top) && inside(r.right, r.bottom) ? 1 : 0;
}

CSurfaceGeometry::CSurfaceGeometry(const CDialogUnitMap& map, int cx, int cy, int clientWidth,
                                   int clientHeight)
    : map(map), cx(cx), cy(cy), clientWidth(clientWidth), clientHeight(clientHeight) {
  DlgRect hundred{0, 0, 100, 100};
  if (map.MapDialogRect(hundred) && hundred.right > 0 && hundred.bottom > 0) {
    px100 = hundred.right;
    py100 = hundred.bottom;
  }
}

int CSurfaceGeometry::UnitsX(int pixels) const {
  return Valid() ? RoundHalfDown(pixels * 100.0 / px100) : 0;
}

int CSurfaceGeometry::UnitsY(int pixels) const {
  return Valid() ? RoundHalfDown(pixels * 100.0 / py100) : 0;
}

int CSurfaceGeometry::Overshoot(const DlgRect& rect, bool& right, bool& bottom) const {
  DlgRect pixels;
  if (!ToPixels(rect, pixels)) return 0;
  right = pixels.right > clientWidth;
  bottom = pixels.bottom > clientHeight;
  return 1;
}

int CSurfaceGeometry::ShiftIntoClient(DlgRect& rect) const {
  DlgRect r = rect;
  bool right = false, bottom = false;
  for (int step = 0; step < kMaxUnits; ++step) {
    if (!Overshoot(r, right, bottom)) return 0;
    if (!right && !bottom) break;
    r = Shifted(r, right ? -1 : 0, bottom ? -1 : 0);
  }
  rect = r;
  return 1;
}

int CSurfaceGeometry::ShrinkIntoClient(DlgRect& rect) const {
  DlgRect r = rect;
  bool right = false, bottom = false;
  for (int step = 0; step < kMaxUnits; ++step) {
    if (!Overshoot(r, right, bottom)) return 0;
    right = right && r.right > r.left;
    bottom = bottom && r.bottom > r.top;
    if (!right && !bottom) break;
    if (right) --r.right;
    if (bottom) --r.bottom;
  }
  rect = r;
  return 1;
}

int ShiftIntoDialog(const CSurfaceGeometry& surface, DlgRect& rect) {
  DlgRect r = rect;
  if (r.right > surface.cx)
    r = Shifted(r, surface.cx - r.right, 0);
  else if (r.left < 0)
    r = Shifted(r, -r.left, 0);
  if (r.bottom > surface.cy)
    r = Shifted(r, 0, surface.cy - r.bottom);
  else if (r.top < 0)
    r = Shifted(r, 0, -r.top);
  if (!surface.ShiftIntoClient(r)) return 0;
  rect = r;
  return 1;
}

int MouseMoveOffset(const CSurfaceGeometry& surface, const DlgRect& primary, int dxPixels, int dyPixels,
                    int& dx, int& dy) {
  DlgRect pixels;
  if (!surface.Valid() || !surface.ToPixels(primary, pixels)) return 0;
  dx = surface.UnitsX(pixels.left + dxPixels) - primary.left;
  dy = surface.UnitsY(pixels.top + dyPixels) - primary.top;
  return 1;
}

void KeyMoveOffset(int direction, int& dx, int& dy) {
  dx = direction == kKeyLeft ? -1 : direction == kKeyRight ? 1 : 0;
  dy = direction == kKeyUp ? -1 : direction == kKeyDown ? 1 : 0;
}

// The correction is what the group is shifted back by: the furthest any of
// its rectangles sticks out, in selection order, grown further while the
// pixels of a rectangle still reach past the client area.
int MoveGroup(const CSurfaceGeometry& surface, std::vector<DlgRect>& rects, int dx, int dy) {
  if (!surface.Valid()) return 0;
  std::vector<DlgRect> moved;
  moved.reserve(rects.size());
  for (const DlgRect& r : rects) moved.push_back(Shifted(r, dx, dy));
  int backX = 0, backY = 0;
  for (const DlgRect& r : moved) {
    if (r.left < 0 && r.left < backX) backX = r.left;
    if (r.right > surface.cx && r.right - surface.cx > backX) backX = r.right - surface.cx;
    if (r.top < 0 && r.top < backY) backY = r.top;
    if (r.bottom > surface.cy && r.bottom - surface.cy > backY) backY = r.bottom - surface.cy;
    const DlgRect back = Shifted(r, -backX, -backY);
    DlgRect inside = back;
    if (!surface.ShiftIntoClient(inside)) return 0;
    backX += back.left - inside.left;
    backY += back.top - inside.top;
  }
  for (DlgRect& r : moved) r = Shifted(r, -backX, -backY);
  rects.swap(moved);
  return 1;
}

void MinimumSize(ControlKind kind, int& cx, int& cy) {
  const bool combo = kind == ControlKind::ComboBox;
  cx = combo ? kComboMinWidth : kMinWidth;
  cy = combo ? kComboMinHeight : kMinHeight;
}

// The handle moves its edges in pixels; the new size, in units and at least
// the minimum, is then laid off from the edges that stayed.
int ResizeByHandle(const CSurfaceGeometry& surface, ControlKind kind, const DlgRect& rect, int handle,
                   int dxPixels, int dyPixels, DlgRect& result) {
  if (!surface.Valid() || handle < kHandleTopLeft || handle > kHandleTop) return 0;
  if (handle == kHandleLeft || handle == kHandleRight) dyPixels = 0;
  if (handle == kHandleBottom || handle == kHandleTop) dxPixels = 0;
  DlgRect p;
  if (!surface.ToPixels(rect, p)) return 0;
  const bool movesLeft = handle == kHandleTopLeft || handle == kHandleLeft || handle == kHandleBottomLeft ||
                         handle == kHandleTop;
  const bool movesTop =
      handle == kHandleTopLeft || handle == kHandleLeft || handle == kHandleTopRight || handle == kHandleTop;
  (movesLeft ? p.left : p.right) += dxPixels;
  (movesTop ? p.top : p.bottom) += dyPixels;
  int minCx = 0, minCy = 0;
  MinimumSize(kind, minCx, minCy);
  const int width = std::max(surface.UnitsX(p.right - p.left), minCx);
  const int height = std::max(surface.UnitsY(p.bottom - p.top), minCy);
  DlgRect r = rect;
  if (movesLeft)
    r.left = r.right - width;
  else
    r.right = r.left + width;
  if (movesTop)
    r.top = r.bottom - height;
  else
    r.bottom = r.top + height;
  if (!ClampIntoDialog(surface, r)) return 0;
  result = r;
  return 1;
}

int ResizeByKey(const CSurfaceGeometry& surface, ControlKind kind, const DlgRect& rect, int direction,
                DlgRect& result) {
  if (!surface.Valid() || direction < kKeyUp || direction > kKeyRight) return 0;
  DlgRect r = rect;
  if (direction == kKeyUp || direction == kKeyDown)
    r.bottom += direction == kKeyUp ? -1 : 1;
  else
    r.right += direction == kKeyLeft ? -1 : 1;
  int minCx = 0, minCy = 0;
  MinimumSize(kind, minCx, minCy);
  r.right = std::max(r.right, r.left + minCx);
  r.bottom = std::max(r.bottom, r.top + minCy);
  if (!ClampIntoDialog(surface, r)) return 0;
  result = r;
  return 1;
}

// New size = new pixels × units / old pixels, rounded as pixels are.
int ResizeDialogFrame(const CSurfaceGeometry& surface, int handle, int dxPixels, int dyPixels, int minCx,
                      int minCy, int& newCx, int& newCy) {
  if (!surface.Valid() || !HandleDraggable(HandleSet::DialogFrame, handle)) return 0;
  if (handle == kHandleBottom) dxPixels = 0;
  if (handle == kHandleRight) dyPixels = 0;
  DlgRect size{0, 0, surface.cx, surface.cy};
  if (!surface.map.MapDialogRect(size)) return 0;
  const int width = size.right + dxPixels;
  const int height = size.bottom + dyPixels;
  // A dialog of no width has no ratio to keep.
  const int cx = size.right > 0 ? RoundHalfDown(static_cast<double>(width) * surface.cx / size.right)
                                : surface.UnitsX(width);
  const int cy = size.bottom > 0 ? RoundHalfDown(static_cast<double>(height) * surface.cy / size.bottom)
                                 : surface.UnitsY(height);
  newCx = std::min(std::max(cx, minCx), kMaxUnits);
  newCy = std::min(std::max(cy, minCy), kMaxUnits);
  return 1;
}

// Both corners are kept on the dialog: a drag that starts on the surface
// dialog's caption must not put the control under it.
int NewControlRect(const CSurfaceGeometry& surface, int startX, int startY, int dxPixels, int dyPixels,
                   DlgRect& rect) {
  if (!surface.Valid()) return 0;
  const int lastX = std::max(surface.cx - 1, 0);
  const int lastY = std::max(surface.cy - 1, 0);
  const int x0 = surface.UnitsX(startX);
  const int y0 = surface.UnitsY(startY);
  const int x1 = x0 + surface.UnitsX(dxPixels);
  const int y1 = y0 + surface.UnitsY(dyPixels);
  rect = Normalised({std::clamp(x0, 0, lastX), std::clamp(y0, 0, lastY), std::clamp(x1, 0, lastX),
                     std::clamp(y1, 0, lastY)});
  return 1;
}
