#include "editor/design/win/surface_drawing.h"

CDragFeedback g_dragFeedback;

namespace {

// A bitmap selected into a memory DC must be deselected before either goes.
void Release(UniqueHDc& dc, UniqueHBitmap& bitmap, HGDIOBJ& old) {
  if (dc && old) SelectObject(dc.get(), old);
  old = nullptr;
  dc.reset();
  bitmap.reset();
}

}  // namespace

void PaintHandles(HDC dc, const DlgRect& around, HandleSet set, COLORREF colour) {
  UniqueHBrush brush(CreateSolidBrush(colour));
  UniqueHPen pen(CreatePen(PS_SOLID, 1, colour));
  if (!brush || !pen) return;
  for (int handle = kHandleTopLeft; handle <= kHandleTop; ++handle) {
    const DlgRect h = HandleRect(around, handle);
    const RECT rc = {h.left, h.top, h.right, h.bottom};
    if (HandleDraggable(set, handle))
      FillRect(dc, &rc, brush.get());
    else
      FrameRect(dc, &rc, brush.get());
  }
  ScopedSelect selected(dc, pen.get());
  for (const Segment& s : HandleOutline(around)) {
    MoveToEx(dc, s.x1, s.y1, nullptr);
    LineTo(dc, s.x2, s.y2);
  }
}

CDragFeedback::~CDragFeedback() {
  EndDrag();
  ReleaseSnapshot();
}

void CDragFeedback::ReleaseSnapshot() {
  Release(snapshotDc, snapshot, snapshotOld);
}

int CDragFeedback::TakeSnapshot(HWND target) {
  EndDrag();
  ReleaseSnapshot();
  window = target;
  RECT client;
  if (!target || !GetClientRect(target, &client) || client.right <= 0 || client.bottom <= 0) return 0;
  width = client.right;
  height = client.bottom;
  WindowDc dc(target, kOverlayDcFlags);
  if (!dc.get()) return 0;
  snapshotDc.reset(CreateCompatibleDC(dc.get()));
  snapshot.reset(CreateCompatibleBitmap(dc.get(), width, height));
  if (snapshotDc && snapshot) {
    snapshotOld = SelectObject(snapshotDc.get(), snapshot.get());
    if (BitBlt(snapshotDc.get(), 0, 0, width, height, dc.get(), 0, 0, SRCCOPY)) return 1;
  }
  ReleaseSnapshot();
  return 0;
}

int CDragFeedback::Show(const std::vector<RECT>& frames, Pen pen) {
  if (!window || !snapshotOld || !IsWindow(window)) return 0;
  WindowDc dc(window, kOverlayDcFlags);
  if (!dc.get()) return 0;
  if (!composeDc) {
    composeDc.reset(CreateCompatibleDC(dc.get()));
    compose.reset(CreateCompatibleBitmap(dc.get(), width, height));
    if (composeDc && compose) composeOld = SelectObject(composeDc.get(), compose.get());
  }
  UniqueHPen& outline = pens[pen == Pen::Dotted ? 1 : 0];
  if (!outline) outline.reset(CreatePen(pen == Pen::Dotted ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0)));
  if (!composeOld || !outline) return 0;
  HDC memory = composeDc.get();
  BitBlt(memory, 0, 0, width, height, snapshotDc.get(), 0, 0, SRCCOPY);
  {
    ScopedSelect selectedPen(memory, outline.get());
    ScopedSelect hollow(memory, GetStockObject(NULL_BRUSH));
    const int oldMode = SetBkMode(memory, TRANSPARENT);
    for (const RECT& r : frames) Rectangle(memory, r.left, r.top, r.right, r.bottom);
    SetBkMode(memory, oldMode);
  }
  return BitBlt(dc.get(), 0, 0, width, height, memory, 0, 0, SRCCOPY) ? 1 : 0;
}

void CDragFeedback::EndDrag() {
  Release(composeDc, compose, composeOld);
}
