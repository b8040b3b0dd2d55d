#include "editor/foundation/win/tool_bar_u.h"

#include <commctrl.h>

#include <vector>

namespace {

// Some toolbars (Wine's among them) keep their tooltip's show and pop
// notifications to themselves; the parent needs them for its status bar.
LRESULT CALLBACK ForwardTooltipNotes(HWND toolbar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    const HWND tooltip = reinterpret_cast<HWND>(SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0));
    if (header->hwndFrom == tooltip && (header->code == TTN_SHOW || header->code == TTN_POP)) {
      const LRESULT result = DefSubclassProc(toolbar, message, wParam, lParam);
      if (HWND parent = GetParent(toolbar)) SendMessageW(parent, WM_NOTIFY, wParam, lParam);
      return result;
    }
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(toolbar, ForwardTooltipNotes, 0);
  return DefSubclassProc(toolbar, message, wParam, lParam);
}

}  // namespace

CToolBarU::~CToolBarU() { DestroyControl(); }

void CToolBarU::DestroyControl() {
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
  hwnd = nullptr;
  bitmap.reset();
}

int CToolBarU::Create(HINSTANCE instance, CmdEntry* commands, HWND parent, int bitmapId, int toolbarId,
                      DWORD toolbarStyle, BYTE buttonStyle) {
  if (hwnd) return 1;
  // The grey shades of the images become the user's button colours.
  UniqueHBitmap images(static_cast<HBITMAP>(
      LoadImageW(instance, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
  if (!images) return 0;
  HWND control = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, toolbarStyle, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(toolbarId)), instance, nullptr);
  if (!control) return 0;
  SendMessageW(control, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SetWindowSubclass(control, ForwardTooltipNotes, 0, 0);

  int count = 0;
  for (const CmdEntry* row = commands; row->cmd != 0; ++row)
    if (row->toolbarId == toolbarId) ++count;
  TBADDBITMAP add = {nullptr, reinterpret_cast<UINT_PTR>(images.get())};
  SendMessageW(control, TB_ADDBITMAP, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&add));

  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (const CmdEntry* row = commands; row->cmd != 0; ++row) {
    if (row->toolbarId != toolbarId) continue;
    TBBUTTON button = {};
    button.iBitmap = image++;
    button.idCommand = row->cmd;
    button.fsState = row->enabled ? TBSTATE_ENABLED : 0;
    button.fsStyle = buttonStyle;
    button.iString = text.empty() ? -1 : reinterpret_cast<INT_PTR>(text.c_str());
    buttons.push_back(button);
    if (row->separatorAfter) {
      TBBUTTON separator = {};
      separator.fsStyle = BTNS_SEP;
      buttons.push_back(separator);
    }
  }
  if (!buttons.empty())
    SendMessageW(control, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));

  hwnd = control;
  id = toolbarId;
  table = commands;
  bitmap = std::move(images);
  return 1;
}

void CToolBarU::RefreshToolbarStates() {
  if (!hwnd || !table) return;
  for (CmdEntry* row = table; row->cmd != 0; ++row) {
    if (row->toolbarId != id || !row->toolbarDirty) continue;
    SendMessageW(hwnd, TB_SETSTATE, static_cast<WPARAM>(row->cmd), MAKELPARAM(row->enabled ? TBSTATE_ENABLED : 0, 0));
    row->toolbarDirty = 0;
  }
}

void CToolBarU::RefreshMenuStates(HMENU menu) {
  if (!table) return;
  for (CmdEntry* row = table; row->cmd != 0; ++row) {
    if (row->menuGroup != kFrameMenuGroup || !row->menuDirty) continue;
    EnableMenuItem(menu, static_cast<UINT>(row->cmd), MF_BYCOMMAND | (row->enabled ? MF_ENABLED : MF_GRAYED));
    row->menuDirty = 0;
  }
}
