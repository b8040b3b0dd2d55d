#include "editor/design/selection_handles.h"

namespace {

int MidX(const DlgRect& r) {
  return r.left + (r.right - r.left) / 2;
}
int MidY(const DlgRect& r) {
  return r.top + (r.bottom - r.top) / 2;
}

constexpr int kHitOrder[] = {kHandleTopLeft, kHandleBottomLeft, kHandleTopRight, kHandleBottomRight,
                             kHandleLeft,    kHandleRight,      kHandleTop,      kHandleBottom};

bool IsTopHandle(int handle) {
  return handle == kHandleTopLeft || handle == kHandleTop || handle == kHandleTopRight;
}

bool IsFrameHandle(int handle) {
  return handle == kHandleBottom || handle == kHandleBottomRight || handle == kHandleRight;
}

bool CanDrag(HandleSet set, int handle) {
  switch (set) {
    case HandleSet::Control:
      return true;
    case HandleSet::ComboBox:
      return !IsTopHandle(handle);
    case HandleSet::Several:
      return false;
    case HandleSet::DialogFrame:
      return IsFrameHandle(handle);
  }
  return false;
}

}  // namespace

// Edge handles span mid − 2 to mid + 3, so an odd size centres them.
DlgRect HandleRect(const DlgRect& r, int handle) {
  const int s = kHandleSize;
  const int mx = MidX(r);
  const int my = MidY(r);
  switch (handle) {
    case kHandleTopLeft:
      return {r.left - s, r.top - s, r.left, r.top};
    case kHandleLeft:
      return {r.left - s, my - 2, r.left, my + 3};
    case kHandleBottomLeft:
      return {r.left - s, r.bottom, r.left, r.bottom + s};
    case kHandleBottom:
      return {mx - 2, r.bottom, mx + 3, r.bottom + s};
    case kHandleBottomRight:
      return {r.right, r.bottom, r.right + s, r.bottom + s};
    case kHandleRight:
      return {r.right, my - 2, r.right + s, my + 3};
    case kHandleTopRight:
      return {r.right, r.top - s, r.right + s, r.top};
    case kHandleTop:
      return {mx - 2, r.top - s, mx + 3, r.top};
    default:
      return {};
  }
}

std::array<Segment, 8> HandleOutline(const DlgRect& r) {
  const int mx = MidX(r);
  const int my = MidY(r);
  const int leftX = r.left - 3;
  const int topY = r.top - 3;
  const int rightX = r.right + 2;
  const int bottomY = r.bottom + 2;
  return {{
      {r.left, topY, mx - 2, topY},
      {mx + 2, topY, r.right, topY},
      {r.left, bottomY, mx - 2, bottomY},
      {mx + 2, bottomY, r.right, bottomY},
      {leftX, r.top, leftX, my - 2},
      {leftX, my + 2, leftX, r.bottom},
      {rightX, r.top, rightX, my - 2},
      {rightX, my + 2, rightX, r.bottom},
  }};
}

int HandleDraggable(HandleSet set, int handle) {
  if (handle < kHandleTopLeft || handle > kHandleTop) return 0;
  return CanDrag(set, handle) ? 1 : 0;
}

int HitTestHandles(const DlgRect& around, int x, int y, HandleSet set) {
  for (int handle : kHitOrder) {
    if (!CanDrag(set, handle)) continue;
    const DlgRect h = HandleRect(around, handle);
    if (x >= h.left && x < h.right && y >= h.top && y < h.bottom) return handle;
  }
  return kNoHandle;
}
