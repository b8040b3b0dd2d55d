#include "editor/design/win/design_window.h"

#include <commctrl.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "editor/design/dlg_res.h"
#include "editor/foundation/win/float_tool_bar_u.h"
#include "editor/resources/resource.h"

namespace {

constexpr wchar_t kObjectProperty[] = L"CDesignWindow";
constexpr UINT_PTR kInnerSubclass = 2;
constexpr WPARAM kProgressShown = 60;  // a bar that shows it is one
constexpr wchar_t kEditText[] = L"Text";

CDesignHost* g_host = nullptr;
HMENU g_dialogMenu = nullptr;

// Each control's own procedure and its design window, kept here rather than
// by the common controls' subclassing: that looks up a window property on
// every message and again for each step down the chain, a round trip to the
// server under Wine, several per control in every move and paint.
struct TakenOver {
  WNDPROC own;
  CDesignWindow* design;
};
std::unordered_map<HWND, TakenOver> g_takenOver;

HINSTANCE InstanceOf(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

// The class names of the predefined atoms of a template, 0x0080 to 0x0085.
const wchar_t* ClassOf(const DlgItem& item) {
  static const wchar_t* const predefined[] = {L"BUTTON", L"EDIT", L"STATIC", L"LISTBOX", L"SCROLLBAR", L"COMBOBOX"};
  if (item.classOrdinalFlag == kOrdinalFlag) {
    const unsigned index = item.classAtom - ClassAtom::Button;
    return index < 6 ? predefined[index] : L"STATIC";
  }
  return item.className.W();
}

// Inner windows (the edit field of a combo box) stay disabled whatever their
// control does with them.
LRESULT CALLBACK InnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_ENABLE) return 0;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, InnerProc, kInnerSubclass);
  return DefSubclassProc(window, message, wParam, lParam);
}

BOOL CALLBACK DisableInner(HWND inner, LPARAM) {
  SetWindowSubclass(inner, InnerProc, kInnerSubclass, 0);
  EnableWindow(inner, FALSE);
  return TRUE;
}

bool IsMouseMessage(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

POINT PointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

int FindPopup(HMENU bar, HMENU popup) {
  const int n = GetMenuItemCount(bar);
  for (int i = 0; i < n; ++i)
    if (GetSubMenu(bar, i) == popup) return i;
  return -1;
}

}  // namespace

CSurfaceFreeze::CSurfaceFreeze(CDesignWindow* design) : design(design) {
  if (design && design->SurfaceDialog()) SendMessageW(design->SurfaceDialog(), WM_SETREDRAW, FALSE, 0);
}

CSurfaceFreeze::~CSurfaceFreeze() {
  if (!design || !design->SurfaceDialog()) return;
  SendMessageW(design->SurfaceDialog(), WM_SETREDRAW, TRUE, 0);
  design->Repaint();
}

void InsertDialogMenu(HWND frame, HMENU anchor) {
  HMENU bar = GetMenu(frame);
  if (!bar) return;
  if (!g_dialogMenu || !IsMenu(g_dialogMenu)) g_dialogMenu = LoadMenuW(InstanceOf(frame), MAKEINTRESOURCEW(IDR_DIALOG_MENU));
  if (!g_dialogMenu || FindPopup(bar, g_dialogMenu) >= 0) return;
  // Found by handle: a maximised MDI child puts its system menu in front.
  const int at = FindPopup(bar, anchor);
  if (at < 0) return;
  const wchar_t* text = nullptr;
  const int n = LoadStringW(InstanceOf(frame), IDS_DIALOG_MENU, reinterpret_cast<LPWSTR>(&text), 0);
  const std::wstring caption = n > 0 ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
  InsertMenuW(bar, static_cast<UINT>(at + 1), MF_BYPOSITION | MF_POPUP | MF_STRING,
              reinterpret_cast<UINT_PTR>(g_dialogMenu), caption.c_str());
  DrawMenuBar(frame);
}

void RemoveDialogMenu(HWND frame) {
  HMENU bar = GetMenu(frame);
  if (!bar || !g_dialogMenu) return;
  const int at = FindPopup(bar, g_dialogMenu);
  if (at < 0) return;
  // Removed, not deleted: the same popup comes back on the next activation.
  RemoveMenu(bar, static_cast<UINT>(at), MF_BYPOSITION);
  DrawMenuBar(frame);
}

int HasDialogMenu(HWND frame) {
  HMENU bar = GetMenu(frame);
  return bar && g_dialogMenu && FindPopup(bar, g_dialogMenu) >= 0 ? 1 : 0;
}

int CWindowUnitMap::MapDialogRect(DlgRect& rect) const {
  RECT rc = {rect.left, rect.top, rect.right, rect.bottom};
  if (!::MapDialogRect(dialog, &rc)) return 0;
  rect = {rc.left, rc.top, rc.right, rc.bottom};
  return 1;
}

void CDesignWindow::SetHost(CDesignHost* host) { g_host = host; }

CDesignHost* CDesignWindow::Host() { return g_host; }

// A control on the surface never reacts to the mouse itself: the surface
// dialog gets every click. Inside a group box the clicks go through to what
// lies beneath, so only its frame band belongs to it.
LRESULT CALLBACK CDesignWindow::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto found = g_takenOver.find(control);
  if (found == g_takenOver.end()) return DefWindowProcW(control, message, wParam, lParam);
  const WNDPROC own = found->second.own;
  CDesignWindow* self = found->second.design;
  if (message == WM_NCDESTROY) {
    g_takenOver.erase(found);
    return CallWindowProcW(own, control, message, wParam, lParam);
  }
  if (message == WM_NCHITTEST) {
    const LRESULT hit = CallWindowProcW(own, control, message, wParam, lParam);
    if (hit != HTTRANSPARENT) return HTCLIENT;
    const int order = GetDlgCtrlID(control);
    if (self->dialog.KindAt(static_cast<std::uint32_t>(order)) != ControlKind::GroupBox) return HTCLIENT;
    RECT inner;
    GetWindowRect(control, &inner);
    RECT margin = {2, 7, 2, 2};
    ::MapDialogRect(self->surfaceDialog, &margin);
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    inner.left += margin.left;
    inner.top += margin.top;
    inner.right -= margin.right;
    inner.bottom -= margin.bottom;
    return PtInRect(&inner, pt) ? HTTRANSPARENT : HTCLIENT;
  }
  if (IsMouseMessage(message) && self->surfaceDialog) {
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    MapWindowPoints(control, self->surfaceDialog, &pt, 1);
    SendMessageW(self->surfaceDialog, message, wParam, MAKELPARAM(pt.x, pt.y));
    return 0;
  }
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(self->SurfaceCursor());
      return TRUE;
    case WM_NCPAINT:
    case WM_PAINT: {
      const LRESULT painted = CallWindowProcW(own, control, message, wParam, lParam);
      self->ControlPainted(control, message == WM_PAINT);
      return painted;
    }
    default:
      break;
  }
  return CallWindowProcW(own, control, message, wParam, lParam);
}

CDesignWindow* CDesignWindow::FromWindow(HWND designWindow) {
  return designWindow ? static_cast<CDesignWindow*>(GetPropW(designWindow, kObjectProperty)) : nullptr;
}

CDlgRes* CDesignWindow::DialogOf(HWND designWindow) {
  CDesignWindow* self = FromWindow(designWindow);
  return self ? &self->dialog : nullptr;
}

void CDesignWindow::SetActive(HWND designWindow, int active) {
  CDesignWindow* self = FromWindow(designWindow);
  if (!self) return;
  self->dialog.active = active;
  if (g_host) {
    if (active)
      InsertDialogMenu(g_host->FrameWindow(), g_host->MenuAnchor());
    else
      RemoveDialogMenu(g_host->FrameWindow());
  }
  self->Repaint();
}

LRESULT CALLBACK CDesignWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    const auto* mdi = static_cast<const MDICREATESTRUCTW*>(creation->lpCreateParams);
    auto* res = mdi ? reinterpret_cast<CDlgRes*>(mdi->lParam) : nullptr;
    if (!res) return FALSE;
    auto* self = new CDesignWindow(window, *res);
    SetPropW(window, kObjectProperty, self);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(res));
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    res->window = window;
    res->surface = self;
    return DefMDIChildProcW(window, message, wParam, lParam);
  }
  CDesignWindow* self = FromWindow(window);
  if (!self) return DefMDIChildProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // A creation that fails in WM_CREATE ends here without WM_DESTROY.
    if (self->dialog.surface == self) {
      self->dialog.surface = nullptr;
      self->dialog.window = nullptr;
    }
    RemovePropW(window, kObjectProperty);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete self;
    return DefMDIChildProcW(window, message, wParam, lParam);
  }
  return self->OnMessage(message, wParam, lParam);
}

LRESULT CDesignWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (!OnCreate()) return -1;
      break;
    case WM_MDIACTIVATE:
      if (reinterpret_cast<HWND>(lParam) == hwnd)
        OnActivate(1);
      else if (reinterpret_cast<HWND>(wParam) == hwnd)
        OnActivate(0);
      break;
    case WM_SIZE:
      // A minimised window is not the one being edited; restored, it is again.
      if (wParam == SIZE_MINIMIZED && dialog.active)
        OnActivate(0);
      else if (wParam != SIZE_MINIMIZED && !dialog.active && g_host && GetParent(hwnd) &&
               reinterpret_cast<HWND>(SendMessageW(GetParent(hwnd), WM_MDIGETACTIVE, 0, 0)) == hwnd)
        OnActivate(1);
      break;
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
      SetFocus(hwnd);
      break;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      OnDesignButtonDown(PointOf(lParam));
      return 0;
    case WM_RBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd) OnDragMove(PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd) OnDragEnd(PointOf(lParam), wParam);
      return 0;
    case WM_CAPTURECHANGED:
      OnCaptureLost();
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == hwnd && LOWORD(lParam) == HTCLIENT) {
        POINT at;
        GetCursorPos(&at);
        ScreenToClient(hwnd, &at);
        if (HCURSOR cursor = FrameCursor(at)) {
          SetCursor(cursor);
          return TRUE;
        }
      }
      break;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam)) return 0;
      break;
    case WM_DESTROY:
      OnDestroy();
      break;
    default:
      break;
  }
  return DefMDIChildProcW(hwnd, message, wParam, lParam);
}

// The template's 5, 5 places the client area, which would leave the dialog's
// caption and top border above the design window; the whole window goes there.
int CDesignWindow::CreateSurface() {
  const CDialogTemplate block = dialog.BuildTemplate(TemplateMode::DesignSurface);
  HWND surface = CreateDialogIndirectParamW(InstanceOf(hwnd), reinterpret_cast<LPCDLGTEMPLATEW>(block.Data()), hwnd,
                                            SurfaceProc, reinterpret_cast<LPARAM>(this));
  if (!surface) return 0;
  surfaceDialog = surface;
  RECT at = {kSurfaceX, kSurfaceY, 0, 0};
  ::MapDialogRect(surface, &at);
  SetWindowPos(surface, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 1;
}

int CDesignWindow::OnCreate() {
  if (!CreateSurface()) return 0;
  ShowPalette();
  // A palette left on the static text tool keeps it; any other tool is dropped.
  if (g_palette.CheckedTool() == IDM_TOOL_STATIC_TEXT) {
    dialog.tool = 1;
  } else {
    g_palette.ReleaseTools();
    dialog.tool = 0;
  }
  return 1;
}

void CDesignWindow::ShowPalette() {
  if (!g_host) return;
  RECT rc;
  GetWindowRect(surfaceDialog, &rc);
  const int width = kPaletteButtonsWidth + 2 * GetSystemMetrics(SM_CXEDGE);
  if (!g_palette.Palette()) {
    if (!g_palette.CreatePalette(InstanceOf(hwnd), g_host->FrameWindow(), rc.right + kPaletteGap, rc.top, width)) return;
    g_palette.AutoSize();
  }
  g_palette.ShowPalette();
}

void CDesignWindow::OnActivate(int activated) {
  dialog.active = activated;
  if (g_host) {
    if (activated) {
      InsertDialogMenu(g_host->FrameWindow(), g_host->MenuAnchor());
      g_palette.ShowPalette();
    } else {
      RemoveDialogMenu(g_host->FrameWindow());
      g_palette.HidePalette();
    }
    g_host->RefreshProperties();
  }
  Repaint();
}

void CDesignWindow::OnDestroy() {
  // The last active window leaves no dialog menu behind; when another one
  // takes over, it was deactivated first.
  if (dialog.active && g_host) {
    RemoveDialogMenu(g_host->FrameWindow());
    g_palette.HidePalette();
  }
  dialog.active = 0;
  dialog.window = nullptr;
  dialog.surface = nullptr;
  if (g_host) {
    g_host->DesignWindowDestroyed(hwnd);
    g_host->RefreshProperties();
  }
}

// The system window colour around the surface dialog, and the two top corner
// squares of its rectangle, where its caption corners may leave gaps.
void CDesignWindow::EraseBackground(HDC dc) {
  RECT client;
  GetClientRect(hwnd, &client);
  const int saved = SaveDC(dc);
  HBRUSH brush = GetSysColorBrush(COLOR_WINDOW);
  if (surfaceDialog && IsWindowVisible(surfaceDialog)) {
    RECT rc;
    GetWindowRect(surfaceDialog, &rc);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rc), 2);
    const int side = GetSystemMetrics(SM_CYCAPTION) / 2;
    RECT left = {rc.left, rc.top, rc.left + side, rc.top + side};
    RECT right = {rc.right - side, rc.top, rc.right, rc.top + side};
    FillRect(dc, &left, brush);
    FillRect(dc, &right, brush);
    ExcludeClipRect(dc, rc.left, rc.top, rc.right, rc.bottom);
  }
  FillRect(dc, &client, brush);
  RestoreDC(dc, saved);
}

INT_PTR CALLBACK CDesignWindow::SurfaceProc(HWND surface, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CDesignWindow*>(lParam);
    SetWindowLongPtrW(surface, DWLP_USER, lParam);
    self->InitSurface(surface);
    return FALSE;  // the focus stays with the design window, never in a control
  }
  auto* self = reinterpret_cast<CDesignWindow*>(GetWindowLongPtrW(surface, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_NCHITTEST:
      SetWindowLongPtrW(surface, DWLP_MSGRESULT, HTCLIENT);
      return TRUE;
    case WM_SETCURSOR:
      SetCursor(self->SurfaceCursor());
      SetWindowLongPtrW(surface, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      self->OnSurfaceButtonDown(PointOf(lParam), wParam, message == WM_LBUTTONDBLCLK);
      return TRUE;
    case WM_MOUSEMOVE:
      if (GetCapture() == surface) self->OnDragMove(PointOf(lParam));
      return TRUE;
    case WM_LBUTTONUP:
      if (GetCapture() == surface) self->OnDragEnd(PointOf(lParam), wParam);
      return TRUE;
    case WM_CAPTURECHANGED:
      self->OnCaptureLost();
      return TRUE;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      SetFocus(self->hwnd);
      return TRUE;
    case WM_PAINT:
      self->SurfacePainting();
      for (HWND child = GetWindow(surface, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        InvalidateRect(child, nullptr, FALSE);
      return FALSE;
    case WM_DESTROY:
      self->dialog.selection.Clear();
      self->dialog.dialogSelected = 1;
      self->surfaceDialog = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

void CDesignWindow::InitSurface(HWND surface) {
  surfaceDialog = surface;
  for (const auto& item : dialog.controls) {
    HWND control = static_cast<HWND>(ControlWindow(item->order));
    if (!control) continue;
    TakeOverControl(control);
    if (item->kind == ControlKind::Edit) SetWindowTextW(control, kEditText);
    if (item->kind == ControlKind::Progress) SendMessageW(control, PBM_SETPOS, kProgressShown, 0);
  }
}

void CDesignWindow::TakeOverControl(HWND control) {
  // Also for a control made later whose class the template did not bring.
  const ULONG_PTR classStyle = GetClassLongPtrW(control, GCL_STYLE);
  if (!(classStyle & CS_DBLCLKS)) SetClassLongPtrW(control, GCL_STYLE, classStyle | CS_DBLCLKS);
  EnumChildWindows(control, DisableInner, 0);
  const auto taken = g_takenOver.find(control);
  if (taken != g_takenOver.end()) {
    taken->second.design = this;
    return;
  }
  const auto own = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CDesignWindow::ControlProc)));
  if (own) g_takenOver[control] = {own, this};
}

WindowHandle CDesignWindow::ControlWindow(std::uint16_t order) const {
  if (!surfaceDialog || order == 0) return nullptr;
  const auto known = [&]() -> HWND {
    HWND control = order <= windowsByOrder.size() ? windowsByOrder[order - 1u] : nullptr;
    return control && GetParent(control) == surfaceDialog && GetDlgCtrlID(control) == order ? control : nullptr;
  };
  if (HWND control = known()) return control;
  ListControlWindows();
  return known();
}

void CDesignWindow::ControlWindows(std::uint16_t count, std::vector<WindowHandle>& byOrder) const {
  ListControlWindows();
  byOrder.assign(count, nullptr);
  for (std::size_t k = 0; k < count && k < windowsByOrder.size(); ++k) byOrder[k] = windowsByOrder[k];
}

// The first in Z-order of two with one identifier, as GetDlgItem answers.
void CDesignWindow::ListControlWindows() const {
  windowsByOrder.clear();
  if (!surfaceDialog) return;
  EnumChildWindows(
      surfaceDialog,
      [](HWND child, LPARAM param) -> BOOL {
        const auto* self = reinterpret_cast<const CDesignWindow*>(param);
        const int order = GetDlgCtrlID(child);
        if (order >= 1 && order <= 0xFFFF && GetParent(child) == self->surfaceDialog &&
            (static_cast<std::size_t>(order) > self->windowsByOrder.size() || !self->windowsByOrder[order - 1u]))
          self->Remember(static_cast<std::uint16_t>(order), child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
}

void CDesignWindow::Remember(std::uint16_t order, HWND control) const {
  if (order == 0) return;
  if (windowsByOrder.size() < order) windowsByOrder.resize(order, nullptr);
  windowsByOrder[order - 1u] = control;
}

std::uint16_t CDesignWindow::OrderOf(WindowHandle window) const {
  return window ? static_cast<std::uint16_t>(GetDlgCtrlID(static_cast<HWND>(window))) : 0;
}

void CDesignWindow::MoveControlWindow(WindowHandle window, const DlgRect& pixels) {
  SetWindowPos(static_cast<HWND>(window), nullptr, pixels.left, pixels.top, pixels.right - pixels.left,
               pixels.bottom - pixels.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDesignWindow::RenumberControlWindow(std::uint16_t from, std::uint16_t to) {
  HWND control = static_cast<HWND>(ControlWindow(from));
  if (!control) return;
  SetWindowLongPtrW(control, GWLP_ID, to);
  Remember(from, nullptr);
  Remember(to, control);
}

WindowHandle CDesignWindow::CreateControlWindow(const DlgItem& item) {
  if (!surfaceDialog) return nullptr;
  DWORD style = item.style | WS_CHILD | WS_VISIBLE;
  // A buddy up-down would change its neighbour's text on the surface.
  if (item.kind == ControlKind::UpDown) style &= ~static_cast<DWORD>(UDS_SETBUDDYINT);
  DWORD exStyle = item.exStyle;
  if (item.style & WS_BORDER) exStyle |= WS_EX_CLIENTEDGE;
  DlgRect position{item.x, item.y, 0, 0};
  DlgRect size{0, 0, item.cx, item.cy};
  const CWindowUnitMap map(surfaceDialog);
  if (!map.MapDialogRect(position) || !map.MapDialogRect(size)) return nullptr;
  HWND control = CreateWindowExW(exStyle, ClassOf(item), L"", style, position.left, position.top, size.right,
                                 size.bottom, surfaceDialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.order)),
                                 InstanceOf(hwnd), nullptr);
  if (!control) return nullptr;
  TakeOverControl(control);
  SendMessageW(control, WM_SETFONT, SendMessageW(surfaceDialog, WM_GETFONT, 0, 0), FALSE);
  if (item.textOrdinalFlag != kOrdinalFlag && item.text.Length() > 0) SetWindowTextW(control, item.text.W());
  if (item.kind == ControlKind::Progress) SendMessageW(control, PBM_SETPOS, kProgressShown, 0);
  // A window made last already lies after its predecessor: no search, no move.
  HWND above = GetWindow(control, GW_HWNDPREV);
  const bool placed = item.order > 1 ? above && GetDlgCtrlID(above) == item.order - 1 : !above;
  HWND before = placed             ? nullptr
                : item.order > 1 ? static_cast<HWND>(ControlWindow(static_cast<std::uint16_t>(item.order - 1)))
                                 : HWND_TOP;
  if (before) SetWindowPos(control, before, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Remember(item.order, control);
  return control;
}

void CDesignWindow::DestroyControlWindow(WindowHandle window) {
  if (!window) return;
  const int order = GetDlgCtrlID(static_cast<HWND>(window));
  if (order >= 1 && static_cast<std::size_t>(order) <= windowsByOrder.size() && windowsByOrder[order - 1u] == window)
    windowsByOrder[order - 1u] = nullptr;
  DestroyWindow(static_cast<HWND>(window));
}

void CDesignWindow::Repaint() {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Each selected window is made again at its place in the Z-order; then the
// same controls are selected, the old primary first again.
int CDesignWindow::RecreateSelectedControls() {
  if (!surfaceDialog) return 0;
  const std::vector<std::uint32_t> selected = dialog.SelectedOrders();
  const std::uint32_t primary = selected.empty() ? 0 : selected.front();
  std::vector<std::uint32_t> remade;
  int result = 1;
  for (const auto& item : dialog.controls) {
    HWND window = static_cast<HWND>(ControlWindow(item->order));
    if (!window || !dialog.selection.IsSelected(window)) continue;
    remade.push_back(item->order);
    dialog.selection.Remove(window);
    HWND above = GetWindow(window, GW_HWNDPREV);
    DestroyWindow(window);
    HWND again = static_cast<HWND>(CreateControlWindow(*item));
    if (!again) {
      result = 0;
      break;
    }
    SetWindowPos(again, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (std::uint32_t order : remade) dialog.AddAsPrimaryAt(order);
  if (primary) dialog.AddAsPrimaryAt(primary);
  Repaint();
  return result;
}

int CDesignWindow::RebuildSurface() {
  if (surfaceDialog) DestroyWindow(surfaceDialog);  // empties the selection
  const int made = CreateSurface();
  Repaint();
  return made;
}

void CDesignWindow::UpdateControlWindow(const DlgItem& item, bool remake) {
  HWND window = static_cast<HWND>(ControlWindow(item.order));
  if (!window) return;
  if (remake) {
    RemakeControlWindow(window, item);
    return;
  }
  DlgRect pixels;
  if (UnitsToPixels(CWindowUnitMap(surfaceDialog), {item.x, item.y, item.x + item.cx, item.y + item.cy},
                    pixels))
    MoveControlWindow(window, pixels);
}

HWND CDesignWindow::RemakeControlWindow(HWND window, const DlgItem& item) {
  const int index = dialog.selection.IndexOf(window);
  HWND above = GetWindow(window, GW_HWNDPREV);
  DestroyWindow(window);
  HWND again = static_cast<HWND>(CreateControlWindow(item));
  std::vector<WindowHandle>& selected = dialog.selection.windows;
  if (!again) {
    if (index >= 0) selected.erase(selected.begin() + index);
    return nullptr;
  }
  SetWindowPos(again, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (index >= 0) selected[static_cast<size_t>(index)] = again;
  return again;
}

void CDesignWindow::CloseDesignWindow() {
  HWND client = GetParent(hwnd);
  if (client)
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
  else
    DestroyWindow(hwnd);
}
