// Mouse and keyboard on the design surface: selecting, the five kinds of
// drag and what mouse up makes of them, the arrow keys and the cursor. The
// model is changed first, in dialog units; the windows follow it.
#include <windows.h>

#include "editor/design/control_id.h"
#include "editor/design/dlg_res.h"
#include "editor/design/selection_handles.h"
#include "editor/design/toolbox.h"
#include "editor/design/win/design_window.h"
#include "editor/design/win/surface_drawing.h"
#include "editor/foundation/document_u.h"
#include "editor/foundation/win/float_tool_bar_u.h"

namespace {

// CDlgRes::mode while the mouse is captured.
enum DragMode : int {
  kModeResize = 0,      // one control by a handle
  kModeFrame = 1,       // the dialog frame
  kModeMove = 2,        // the selected controls
  kModeBand = 3,        // rubber-band selection
  kModeNewControl = 4,  // the rectangle of a control to place
};

RECT ToRect(const DlgRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

DlgRect Offset(const DlgRect& r, POINT by) {
  return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

HCURSOR Cursor(LPCWSTR id) {
  return LoadCursorW(nullptr, id);
}

// Double arrows along the direction each handle drags.
HCURSOR HandleCursor(int handle) {
  switch (handle) {
    case kHandleTopLeft:
    case kHandleBottomRight:
      return Cursor(IDC_SIZENWSE);
    case kHandleBottomLeft:
    case kHandleTopRight:
      return Cursor(IDC_SIZENESW);
    case kHandleLeft:
    case kHandleRight:
      return Cursor(IDC_SIZEWE);
    case kHandleTop:
    case kHandleBottom:
      return Cursor(IDC_SIZENS);
    default:
      return nullptr;
  }
}

int KeyDirectionOf(WPARAM key) {
  switch (key) {
    case VK_UP:
      return kKeyUp;
    case VK_DOWN:
      return kKeyDown;
    case VK_LEFT:
      return kKeyLeft;
    case VK_RIGHT:
      return kKeyRight;
    default:
      return -1;
  }
}

HandleSet HandleSetOf(const CDlgRes& dialog, std::uint32_t order) {
  return dialog.KindAt(order) == ControlKind::ComboBox ? HandleSet::ComboBox : HandleSet::Control;
}

// The rectangles of the controls after the group was moved, in the order given.
int MovedRects(const CDlgRes& dialog, const CSurfaceGeometry& surface,
               const std::vector<std::uint32_t>& orders, int dx, int dy, bool byPixels,
               std::vector<DlgRect>& rects) {
  rects.clear();
  for (std::uint32_t order : orders) {
    DlgRect r;
    if (!dialog.RectDialogUnits(order, r)) return 0;
    rects.push_back(r);
  }
  if (rects.empty()) return 0;
  if (byPixels && !MouseMoveOffset(surface, rects.front(), dx, dy, dx, dy)) return 0;
  return MoveGroup(surface, rects, dx, dy);
}

}  // namespace

CLiveGeometry::CLiveGeometry(HWND surface, const CDlgRes& dialog)
    : map(surface), geometry(map, dialog.cx, dialog.cy, 0, 0) {
  RECT client = {};
  if (surface) GetClientRect(surface, &client);
  geometry.clientWidth = client.right;
  geometry.clientHeight = client.bottom;
}

HWND CDesignWindow::ControlUnder(POINT surfacePoint) const {
  if (!surfaceDialog) return nullptr;
  POINT screen = surfacePoint;
  ClientToScreen(surfaceDialog, &screen);
  for (HWND c = GetWindow(surfaceDialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT rc;
    if (!GetWindowRect(c, &rc) || !PtInRect(&rc, screen)) continue;
    if (SendMessageW(c, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) != HTTRANSPARENT) return c;
  }
  return nullptr;
}

int CDesignWindow::HitControlHandles(POINT surfacePoint) const {
  if (!surfaceDialog || dialog.selection.Count() != 1) return kNoHandle;
  const std::vector<std::uint32_t> orders = dialog.SelectedOrders();
  DlgRect pixels;
  if (orders.empty() || !dialog.RectPixels(orders.front(), CWindowUnitMap(surfaceDialog), pixels))
    return kNoHandle;
  return HitTestHandles(pixels, surfacePoint.x, surfacePoint.y, HandleSetOf(dialog, orders.front()));
}

int CDesignWindow::HitFrameHandles(POINT designPoint) const {
  if (!surfaceDialog || !dialog.active || !dialog.dialogSelected) return kNoHandle;
  return HitTestHandles(SurfaceFrame(), designPoint.x, designPoint.y, HandleSet::DialogFrame);
}

HCURSOR CDesignWindow::SurfaceCursor() const {
  if (dialog.tool != kToolPointer) return Cursor(IDC_CROSS);
  if (dialog.active && surfaceDialog) {
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(surfaceDialog, &at);
    if (HCURSOR sizing = HandleCursor(HitControlHandles(at))) return sizing;
    HWND control = ControlUnder(at);
    if (control && dialog.selection.IsSelected(control)) return Cursor(IDC_SIZEALL);
  }
  return Cursor(IDC_ARROW);
}

HCURSOR CDesignWindow::FrameCursor(POINT designPoint) const {
  return HandleCursor(HitFrameHandles(designPoint));
}

void CDesignWindow::SelectionChanged() {
  // Painted now, so that the snapshot of the drag that follows shows it.
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (Host()) Host()->RefreshProperties();
}

void CDesignWindow::BeginDrag(int mode, HWND feedbackWindow, HWND captureWindow, POINT start) {
  g_dragFeedback.TakeSnapshot(feedbackWindow);  // without it no outline shows and mouse up applies nothing
  dialog.mode = mode;
  dialog.overlayDrawn = 0;
  dragOrders = dialog.SelectedOrders();
  dragging = true;
  SetCapture(captureWindow);
  g_dragFeedback.start = start;
}

void CDesignWindow::OnSurfaceButtonDown(POINT at, WPARAM keys, bool doubleClick) {
  SetFocus(hwnd);
  if (dialog.type != kResourceDialog || !surfaceDialog) return;
  if (dialog.tool != kToolPointer) {
    BeginDrag(kModeNewControl, surfaceDialog, surfaceDialog, at);
    return;
  }
  if (const int handle = HitControlHandles(at)) {
    dialog.sizingEdge = handle;
    BeginDrag(kModeResize, surfaceDialog, surfaceDialog, at);
    return;
  }
  if (HWND control = ControlUnder(at)) {
    if (doubleClick) {
      if (Host()) Host()->ShowProperties();
      return;
    }
    if (keys & MK_CONTROL) {
      dialog.selection.AddAsPrimary(control);
      SetCursor(Cursor(IDC_SIZEALL));
    } else if (keys & MK_SHIFT) {
      dialog.selection.Remove(control);
    } else if (!dialog.selection.IsSelected(control)) {
      dialog.selection.SelectOnly(control);
      SetCursor(Cursor(IDC_SIZEALL));
    }
    dialog.dialogSelected = 0;
    SelectionChanged();
    BeginDrag(kModeMove, surfaceDialog, surfaceDialog, at);
    return;
  }
  if (doubleClick) {
    if (Host()) Host()->ShowProperties();
    return;
  }
  if (dialog.selection.Count() > 0)
    dialog.selection.Clear();
  else
    dialog.dialogSelected = 0;
  SelectionChanged();
  BeginDrag(kModeBand, hwnd, surfaceDialog, at);
}

// Beside the dialog: its frame handles, else a rubber band that may start
// here, else (a tool is active) the end of placing.
void CDesignWindow::OnDesignButtonDown(POINT at) {
  if (dialog.type != kResourceDialog || !surfaceDialog) return;
  if (const int handle = HitFrameHandles(at)) {
    dialog.sizingEdge = handle;
    BeginDrag(kModeFrame, hwnd, hwnd, at);
    return;
  }
  if (dialog.tool == kToolPointer) {
    dialog.selection.Clear();
    dialog.dialogSelected = 0;
    SelectionChanged();
    POINT start = at;
    MapWindowPoints(hwnd, surfaceDialog, &start, 1);
    BeginDrag(kModeBand, hwnd, surfaceDialog, start);
    return;
  }
  CancelTools();
}

void CDesignWindow::OnDragMove(POINT at) {
  if (!dragging) return;
  const POINT offset = {at.x - g_dragFeedback.start.x, at.y - g_dragFeedback.start.y};
  if (dialog.mode == kModeMove) {
    // A click on a control must not show an outline of the selection.
    if (offset.x == 0 && offset.y == 0 && !dialog.overlayDrawn) return;
    SetCursor(Cursor(IDC_ARROW));
  }
  if (ShowDragOutline(offset)) dialog.overlayDrawn = 1;
}

int CDesignWindow::ShowDragOutline(POINT offset) {
  if (!surfaceDialog) return 0;
  const CLiveGeometry live(surfaceDialog, dialog);
  const CSurfaceGeometry& g = live.geometry;
  std::vector<RECT> frames;
  DlgRect units, pixels;
  switch (dialog.mode) {
    case kModeResize: {
      if (dragOrders.size() != 1 || !dialog.RectDialogUnits(dragOrders.front(), units)) return 0;
      DlgRect resized;
      if (!ResizeByHandle(g, dialog.KindAt(dragOrders.front()), units, dialog.sizingEdge, offset.x, offset.y,
                          resized) ||
          !g.ToPixels(resized, pixels))
        return 0;
      frames.push_back(ToRect(pixels));
      break;
    }
    case kModeFrame: {
      int extentX = 0, extentY = 0, cx = 0, cy = 0;
      dialog.ExtentOfControls(extentX, extentY);
      DlgRect size{0, 0, 0, 0};
      if (!ResizeDialogFrame(g, dialog.sizingEdge, offset.x, offset.y, extentX, extentY, cx, cy)) return 0;
      size.right = cx;
      size.bottom = cy;
      if (!live.map.MapDialogRect(size)) return 0;
      // The window keeps its border and caption around the new client area.
      const DlgRect frame = SurfaceFrame();
      frames.push_back({frame.left, frame.top,
                        frame.left + (frame.right - frame.left) - g.clientWidth + size.right,
                        frame.top + (frame.bottom - frame.top) - g.clientHeight + size.bottom});
      break;
    }
    case kModeMove: {
      std::vector<DlgRect> rects;
      if (!MovedRects(dialog, g, dragOrders, offset.x, offset.y, true, rects)) return 0;
      for (const DlgRect& r : rects) {
        if (!g.ToPixels(r, pixels)) return 0;
        frames.push_back(ToRect(pixels));
      }
      break;
    }
    case kModeBand: {
      const POINT& s = g_dragFeedback.start;
      const DlgRect band = Normalised({s.x, s.y, s.x + offset.x, s.y + offset.y});
      frames.push_back(ToRect(Offset(band, SurfaceOrigin())));
      return g_dragFeedback.Show(frames, CDragFeedback::Pen::Dotted);
    }
    case kModeNewControl: {
      const POINT& s = g_dragFeedback.start;
      if (!NewControlRect(g, s.x, s.y, offset.x, offset.y, units) || !g.ToPixels(units, pixels)) return 0;
      frames.push_back(ToRect(pixels));
      break;
    }
    default:
      return 0;
  }
  return g_dragFeedback.Show(frames, CDragFeedback::Pen::Solid);
}

void CDesignWindow::OnDragEnd(POINT at, WPARAM keys) {
  if (!dragging) return;
  dragging = false;
  const POINT offset = {at.x - g_dragFeedback.start.x, at.y - g_dragFeedback.start.y};
  switch (dialog.mode) {
    case kModeMove:
      if (dialog.overlayDrawn) {
        ApplyDrag(offset);
      } else if (!(keys & (MK_SHIFT | MK_CONTROL)) && dialog.selection.Count() > 1) {
        // A click without a drag on one of several selected controls.
        if (HWND control = ControlUnder(at)) {
          dialog.selection.SelectOnly(control);
          if (Host()) Host()->RefreshProperties();
        }
      }
      break;
    case kModeBand:
      ApplyRubberBand(at);
      break;
    case kModeNewControl:
      if (dialog.overlayDrawn && offset.x != 0 && offset.y != 0) PlaceFromTool(offset);
      break;
    default:
      if (dialog.overlayDrawn) ApplyDrag(offset);
      break;
  }
  g_dragFeedback.EndDrag();
  ReleaseCapture();
  Repaint();
}

void CDesignWindow::OnCaptureLost() {
  if (!dragging) return;
  // Taken away mid-drag (a box, another program): nothing is applied.
  dragging = false;
  g_dragFeedback.EndDrag();
  Repaint();
}

void CDesignWindow::ApplyDrag(POINT offset) {
  const CLiveGeometry live(surfaceDialog, dialog);
  const CSurfaceGeometry& g = live.geometry;
  CEditStep step(dialog, Host() ? Host()->Journal() : nullptr);
  if (dialog.mode == kModeFrame)
    step.KeepDialogFields();
  else
    step.KeepControls(dragOrders);
  bool changed = false;
  if (dialog.mode == kModeResize) {
    DlgRect units, resized;
    if (dragOrders.size() != 1 || !dialog.RectDialogUnits(dragOrders.front(), units) ||
        !ResizeByHandle(g, dialog.KindAt(dragOrders.front()), units, dialog.sizingEdge, offset.x, offset.y,
                        resized))
      return;
    changed = !(resized == units) && dialog.MoveControl(dragOrders.front(), resized, live.map);
  } else if (dialog.mode == kModeMove) {
    std::vector<DlgRect> rects;
    if (!MovedRects(dialog, g, dragOrders, offset.x, offset.y, true, rects)) return;
    for (std::size_t i = 0; i < rects.size(); ++i) {
      DlgRect before;
      dialog.RectDialogUnits(dragOrders[i], before);
      if (!(before == rects[i]) && dialog.MoveControl(dragOrders[i], rects[i], live.map)) changed = true;
    }
  } else if (dialog.mode == kModeFrame) {
    int extentX = 0, extentY = 0, cx = 0, cy = 0;
    dialog.ExtentOfControls(extentX, extentY);
    DlgRect size{0, 0, 0, 0};
    if (!ResizeDialogFrame(g, dialog.sizingEdge, offset.x, offset.y, extentX, extentY, cx, cy)) return;
    size.right = cx;
    size.bottom = cy;
    if (!live.map.MapDialogRect(size)) return;
    changed = cx != dialog.cx || cy != dialog.cy || dialog.x != 0 || dialog.y != 0;
    dialog.cx = static_cast<std::int16_t>(cx);
    dialog.cy = static_cast<std::int16_t>(cy);
    dialog.x = 0;
    dialog.y = 0;
    const DlgRect frame = SurfaceFrame();
    SetWindowPos(surfaceDialog, nullptr, 0, 0, frame.right - frame.left - g.clientWidth + size.right,
                 frame.bottom - frame.top - g.clientHeight + size.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (changed) CDocumentU::MarkModified();
}

// Every control whose window the band wholly covers joins the selection, in
// order sequence; nothing taken leaves the dialog frame selected.
void CDesignWindow::ApplyRubberBand(POINT at) {
  if (dialog.overlayDrawn) {
    const POINT& s = g_dragFeedback.start;
    const DlgRect band = Normalised({s.x, s.y, at.x, at.y});
    for (const auto& item : dialog.controls) {
      HWND control = static_cast<HWND>(ControlWindow(item->order));
      RECT rc;
      if (!control || !GetWindowRect(control, &rc)) continue;
      MapWindowPoints(nullptr, surfaceDialog, reinterpret_cast<POINT*>(&rc), 2);
      if (CornersInside(band, {rc.left, rc.top, rc.right, rc.bottom})) dialog.selection.AddAsPrimary(control);
    }
  }
  if (!dialog.overlayDrawn || dialog.selection.Count() == 0) dialog.dialogSelected = 1;
  if (Host()) Host()->RefreshProperties();
}

// Every control placed from the palette passes here: its identifier, the
// record with the tool's defaults, and its undo records.
void CDesignWindow::PlaceFromTool(POINT offset) {
  const CLiveGeometry live(surfaceDialog, dialog);
  const POINT& s = g_dragFeedback.start;
  DlgRect rect;
  // A rectangle of no width or height would be a control nobody can see.
  if (!NewControlRect(live.geometry, s.x, s.y, offset.x, offset.y, rect) || rect.right == rect.left ||
      rect.bottom == rect.top)
    return;
  const int tool = dialog.tool;
  IdentifierTable* ids = Host() ? Host()->Identifiers() : nullptr;
  DlgItem item;
  std::uint16_t id = 0;
  if (ids && ToolboxDefaults(tool, item) && AllocateControlId(tool, *ids, dialog.name.Ansi(), id)) {
    item.id = id;
    item.x = static_cast<std::int16_t>(rect.left);
    item.y = static_cast<std::int16_t>(rect.top);
    item.cx = static_cast<std::int16_t>(rect.right - rect.left);
    item.cy = static_cast<std::int16_t>(rect.bottom - rect.top);
    // The record stays even when its window cannot be made; only a placed
    // control is recorded for undo.
    if (dialog.PlaceNewControl(item) && Host()) Host()->ControlPlaced(dialog);
    CDocumentU::MarkModified();
  }
  CancelTools();
  if (Host()) Host()->RefreshProperties();
}

void CDesignWindow::CancelTools() {
  g_palette.ReleaseTools();
  dialog.tool = kToolPointer;
  HWND client = GetParent(hwnd);
  if (!client) return;
  for (HWND w = GetWindow(client, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (CDesignWindow* other = FromWindow(w)) other->dialog.tool = kToolPointer;
}

// Arrows move the selection by a unit; Shift with an arrow resizes the one
// selected control; with Ctrl nothing happens. Holding or tapping one arrow
// makes one undo step.
int CDesignWindow::OnKeyDown(WPARAM key) {
  const int direction = KeyDirectionOf(key);
  if (direction < 0) return 0;
  if (dialog.type != kResourceDialog || !surfaceDialog || dragging || GetKeyState(VK_CONTROL) < 0) return 1;
  const std::vector<std::uint32_t> orders = dialog.SelectedOrders();
  if (orders.empty()) return 1;
  const bool resize = GetKeyState(VK_SHIFT) < 0;
  const std::uint64_t run =
      keyRun.Press(direction + (resize ? 4 : 0), static_cast<std::uint32_t>(GetMessageTime()), orders);
  CEditStep step(dialog, Host() ? Host()->Journal() : nullptr);
  step.KeepControls(orders);
  const CLiveGeometry live(surfaceDialog, dialog);
  bool changed = false;
  if (resize) {
    DlgRect units, resized;
    if (orders.size() != 1 || !dialog.RectDialogUnits(orders.front(), units) ||
        !ResizeByKey(live.geometry, dialog.KindAt(orders.front()), units, direction, resized))
      return 1;
    changed = !(resized == units) && dialog.MoveControl(orders.front(), resized, live.map);
  } else {
    int dx = 0, dy = 0;
    KeyMoveOffset(direction, dx, dy);
    std::vector<DlgRect> rects;
    if (!MovedRects(dialog, live.geometry, orders, dx, dy, false, rects)) return 1;
    for (std::size_t i = 0; i < rects.size(); ++i) {
      DlgRect before;
      dialog.RectDialogUnits(orders[i], before);
      if (!(before == rects[i]) && dialog.MoveControl(orders[i], rects[i], live.map)) changed = true;
    }
  }
  if (changed) CDocumentU::MarkModified();
  keyRun.Recorded(step.Finish(run));
  Repaint();
  return 1;
}
