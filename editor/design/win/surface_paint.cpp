// Painting of the design surface: the dialog frame's handles on the design
// window, and after the controls have painted themselves the handles of the
// selected ones on top.
#include <windows.h>

#include "editor/design/dlg_res.h"
#include "editor/design/win/design_window.h"
#include "editor/design/win/surface_drawing.h"

namespace {

bool CoversClient(HWND control, const RECT& client) {
  RECT rc, common;
  return IsWindowVisible(control) && GetWindowRect(control, &rc) && IntersectRect(&common, &rc, &client);
}

// The surface dialog's client area in screen pixels.
RECT ScreenClient(HWND surface) {
  RECT client = {};
  GetClientRect(surface, &client);
  MapWindowPoints(surface, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

// Whether no control below this one in the Z-order shows on the dialog: the
// last to paint in a full repaint. Looked for from the bottom, where it
// nearly always is, since every control of a big dialog paints and asks.
bool IsLowestShown(HWND control, const RECT& client) {
  for (HWND lowest = GetWindow(control, GW_HWNDLAST); lowest; lowest = GetWindow(lowest, GW_HWNDPREV)) {
    if (CoversClient(lowest, client)) return lowest == control;
    if (lowest == control) return false;
  }
  return false;
}

}  // namespace

DlgRect CDesignWindow::SurfaceFrame() const {
  RECT rc = {};
  if (surfaceDialog) {
    GetWindowRect(surfaceDialog, &rc);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rc), 2);
  }
  return {rc.left, rc.top, rc.right, rc.bottom};
}

POINT CDesignWindow::SurfaceOrigin() const {
  POINT origin = {0, 0};
  if (surfaceDialog) MapWindowPoints(surfaceDialog, hwnd, &origin, 1);
  return origin;
}

void CDesignWindow::OnPaint() {
  PaintScope paint(hwnd);
  if (dialog.active && dialog.dialogSelected && surfaceDialog) DrawFrameHandles(paint.get());
}

void CDesignWindow::DrawFrameHandles(HDC dc) {
  PaintHandles(dc, SurfaceFrame(), HandleSet::DialogFrame, kPrimaryHandleColour);
}

// Controls may overlap, and each paints over whatever lies beneath it: when
// the lowest has painted, those above it paint again in Z-order, and the
// handles go on top of all.
void CDesignWindow::AfterControlPaint(HWND control) {
  if (!surfaceDialog || !IsLowestShown(control, ScreenClient(surfaceDialog))) return;
  for (HWND inner = GetWindow(control, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT))
    UpdateWindow(inner);
  for (HWND above = GetWindow(control, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
    RedrawWindow(above, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (dialog.active) DrawControlHandles();
}

// One control: all eight handles filled (a combo box's top three hollow);
// several: all hollow. The primary one in the stronger blue.
void CDesignWindow::DrawControlHandles() {
  const std::size_t selected = dialog.selection.Count();
  if (!surfaceDialog || selected == 0) return;
  WindowDc dc(hwnd, kOverlayDcFlags);
  if (!dc.get()) return;
  const CWindowUnitMap map(surfaceDialog);
  const POINT origin = SurfaceOrigin();
  for (std::size_t i = 0; i < selected; ++i) {
    const auto order = static_cast<std::uint32_t>(OrderOf(dialog.selection.windows[i]));
    DlgRect r;
    if (!dialog.RectPixels(order, map, r)) continue;
    r = {r.left + origin.x, r.top + origin.y, r.right + origin.x, r.bottom + origin.y};
    HandleSet set = HandleSet::Several;
    if (selected == 1)
      set = dialog.KindAt(order) == ControlKind::ComboBox ? HandleSet::ComboBox : HandleSet::Control;
    PaintHandles(dc.get(), r, set, i == 0 ? kPrimaryHandleColour : kSecondaryHandleColour);
  }
}
