// Painting of the design surface: the dialog frame's handles on the design
// window, and after the controls have painted themselves the handles of the
// selected ones on top.
#include <windows.h>

#include <vector>

#include "editor/design/dlg_res.h"
#include "editor/design/win/design_window.h"
#include "editor/design/win/surface_drawing.h"

namespace {

constexpr unsigned kClientPainted = 1;
constexpr unsigned kFramePainted = 2;

bool CoversClient(HWND control, const RECT& client) {
  RECT rc, common;
  return IsWindowVisible(control) && GetWindowRect(control, &rc) && IntersectRect(&common, &rc, &client);
}

// The part of the surface dialog's client area that can show, in screen
// pixels: a control outside the design window or the screen never paints,
// so it cannot be the last to paint.
RECT ScreenClient(HWND surface) {
  RECT shown = {};
  const HWND desktop = GetDesktopWindow();
  for (HWND w = surface; w && w != desktop; w = GetAncestor(w, GA_PARENT)) {
    RECT client = {};
    GetClientRect(w, &client);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&client), 2);
    if (w == surface) shown = client;
    else IntersectRect(&shown, &shown, &client);
  }
  RECT screen = {};
  GetWindowRect(desktop, &screen);
  IntersectRect(&shown, &shown, &screen);
  return shown;
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

void CDesignWindow::SurfacePainting() {
  paintedSince.clear();
  surfacePainted = true;
}

void CDesignWindow::ControlPainted(HWND control, bool client) {
  if (surfacePainted) paintedSince[control] |= client ? kClientPainted : kFramePainted;
  if (client) AfterControlPaint(control);
}

// Controls may overlap, and each paints over whatever lies beneath it: when
// the lowest has painted, those above it paint again from the bottom up,
// except those whose paint nothing beneath has covered, and the handles go
// on top of all.
void CDesignWindow::AfterControlPaint(HWND control) {
  if (!surfaceDialog || !IsLowestShown(control, ScreenClient(surfaceDialog))) return;
  for (HWND inner = GetWindow(control, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT))
    UpdateWindow(inner);
  std::vector<RECT> beneath;
  RECT rc;
  if (GetWindowRect(control, &rc)) beneath.push_back(rc);
  for (HWND above = GetWindow(control, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
    const bool shown = IsWindowVisible(above) && GetWindowRect(above, &rc);
    if (!shown || !KeepsItsPaint(above, rc, beneath))
      RedrawWindow(above, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (shown) beneath.push_back(rc);
  }
  paintedSince.clear();
  surfacePainted = false;
  if (dialog.active) DrawControlHandles();
}

// Inner windows (a combo box's edit field) paint after their control and are
// not watched: a control with any paints again.
bool CDesignWindow::KeepsItsPaint(HWND control, const RECT& rect, const std::vector<RECT>& beneath) const {
  const auto painted = paintedSince.find(control);
  if (!surfacePainted || painted == paintedSince.end() || painted->second != (kClientPainted | kFramePainted))
    return false;
  RECT common;
  for (const RECT& below : beneath)
    if (IntersectRect(&common, &rect, &below)) return false;
  return GetWindow(control, GW_CHILD) == nullptr;
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
