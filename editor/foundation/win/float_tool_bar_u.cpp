#include "editor/foundation/win/float_tool_bar_u.h"

#include <commctrl.h>

#include "editor/foundation/win/window_class.h"
#include "editor/resources/resource.h"

CFloatToolBarU g_palette;

CmdEntry CFloatToolBarU::paletteCommands[] = {
    {IDM_TOOL_POINTER, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_STATIC_TEXT, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_PICTURE, 0, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_PUSH_BUTTON, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_RADIO_BUTTON, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_CHECK_BOX, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_GROUP_BOX, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_EDIT, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_COMBO_BOX, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_LIST_BOX, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_V_SCROLL, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_H_SCROLL, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_UP_DOWN, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_PROGRESS, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {IDM_TOOL_SLIDER, 1, 0, 0, IDC_PALETTE_TOOLBAR, 0, 0},
    {0, 0, 0, 0, 0, 0, 0},
};

namespace {

constexpr UINT_PTR kReactivateTimer = 1;
constexpr UINT kReactivateMs = 10;

}  // namespace

CFloatToolBarU::~CFloatToolBarU() {
  if (palette && IsWindow(palette)) DestroyWindow(palette);
  palette = nullptr;
}

int CFloatToolBarU::CreatePalette(HINSTANCE instance, HWND owner, int x, int y, int width) {
  if (palette) return 1;
  if (!RegisterClassOnce(instance, kClassName, PaletteProc, CS_HREDRAW | CS_VREDRAW, 4,
                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
    return 0;
  PaletteParams params = {this,
                          IDB_PALETTE,
                          IDC_PALETTE_TOOLBAR,
                          WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_WRAPABLE | TBSTYLE_TOOLTIPS,
                          BTNS_CHECKGROUP,
                          paletteCommands};
  appActive = true;
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"SC", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                                x, y, width, kHeight, owner, nullptr, instance, &params);
  return window ? 1 : 0;
}

void CFloatToolBarU::ShowPalette() {
  if (palette && !IsWindowVisible(palette)) ShowWindow(palette, SW_SHOWNA);
}

void CFloatToolBarU::HidePalette() {
  if (palette && IsWindowVisible(palette)) ShowWindow(palette, SW_HIDE);
}

void CFloatToolBarU::AutoSize() {
  if (hwnd) SendMessageW(hwnd, TB_AUTOSIZE, 0, 0);
}

int CFloatToolBarU::CheckedTool() const {
  if (!hwnd) return 0;
  const int count = static_cast<int>(SendMessageW(hwnd, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    if (SendMessageW(hwnd, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)) && (button.fsState & TBSTATE_CHECKED))
      return button.idCommand & 0xFFFF;
  }
  return 0;
}

void CFloatToolBarU::CheckPointerTool() {
  if (hwnd) SendMessageW(hwnd, TB_CHECKBUTTON, IDM_TOOL_POINTER, MAKELPARAM(TRUE, 0));
}

void CFloatToolBarU::ReleaseTools() {
  if (!hwnd) return;
  for (const CmdEntry* row = paletteCommands; row->cmd != 0; ++row)
    SendMessageW(hwnd, TB_CHECKBUTTON, static_cast<WPARAM>(row->cmd), MAKELPARAM(FALSE, 0));
}

int CFloatToolBarU::CreateInPalette(HWND window, const CREATESTRUCTW* creation, const PaletteParams* params) {
  if (!Create(creation->hInstance, params->table, window, params->bitmapId, params->toolbarId, params->toolbarStyle,
              params->buttonStyle))
    return 0;
  palette = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return 1;
}

void CFloatToolBarU::DestroyToolbar() {
  DestroyControl();
  palette = nullptr;
  id = -1;
}

LRESULT CALLBACK CFloatToolBarU::PaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    const auto* params = static_cast<const PaletteParams*>(creation->lpCreateParams);
    if (!params || !params->object || !params->object->CreateInPalette(window, creation, params)) return -1;
    return 0;
  }
  auto* self = reinterpret_cast<CFloatToolBarU*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return self->OnMessage(window, message, wParam, lParam);
}

LRESULT CFloatToolBarU::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND owner = GetWindow(window, GW_OWNER);
  switch (message) {
    case WM_DESTROY:
      DestroyToolbar();
      return 0;
    case WM_CONTEXTMENU:
      return 0;
    case WM_ACTIVATE:
      // The palette never keeps the focus: the owner gets it back right away,
      // once the click that activated the palette has been handled.
      if (LOWORD(wParam) != WA_INACTIVE) SetTimer(window, kReactivateTimer, kReactivateMs, nullptr);
      break;
    case WM_TIMER:
      if (wParam == kReactivateTimer) {
        KillTimer(window, kReactivateTimer);
        if (owner) SetActiveWindow(owner);
        return 0;
      }
      break;
    case WM_ACTIVATEAPP:
      appActive = wParam != FALSE;
      SendMessageW(window, WM_NCACTIVATE, appActive, 0);
      return 0;
    case WM_ENABLE:
      SendMessageW(window, WM_NCACTIVATE, wParam, 0);
      break;
    case WM_NCACTIVATE:
      // The caption looks active exactly while the frame's does.
      if (!IsIconic(window)) {
        const bool live = appActive && IsWindowEnabled(window);
        if (live && wParam == FALSE) return TRUE;
        if (!live && wParam == TRUE) return TRUE;
      }
      break;
    case WM_SETCURSOR:
      if (HIWORD(lParam) == WM_LBUTTONDOWN && !appActive && !IsWindowEnabled(window) && owner)
        SendMessageW(owner, WM_SETCURSOR, wParam, lParam);
      break;
    case WM_NOTIFY:
    case WM_COMMAND:
      return owner ? SendMessageW(owner, message, wParam, lParam) : 0;
    case WM_SYSCOMMAND: {
      const WPARAM command = wParam & 0xFFF0;
      if (command == SC_KEYMENU || command == SC_MOUSEMENU) return 0;
      break;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
