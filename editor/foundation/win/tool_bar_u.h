// CToolBarU: a common toolbar built from a command table, and the refresh of
// toolbar buttons and menu items from that table.
#pragma once

#include <windows.h>

#include <cstdint>

#include <string>
#include "editor/foundation/win/unique_handle.h"

// One row of a command table; a row whose cmd is 0 ends the table. The same
// rows drive the menu items of the frame menu and the buttons of a toolbar.
struct CmdEntry {
  int32_t cmd;
  int32_t enabled;         // nonzero: the command is available
  int32_t menuGroup;       // kFrameMenuGroup: the frame menu has an item whose state follows `enabled`
  int32_t menuDirty;       // nonzero: the menu item must be refreshed
  int32_t toolbarId;       // control identifier of the toolbar showing the command as a button
  int32_t toolbarDirty;    // nonzero: the button must be refreshed
  int32_t separatorAfter;  // nonzero: a separator follows the button
};

constexpr int32_t kFrameMenuGroup = 3000;

class CToolBarU {
 public:
  CToolBarU() = default;
  CToolBarU(const CToolBarU&) = delete;
  CToolBarU& operator=(const CToolBarU&) = delete;
  virtual ~CToolBarU();

  // Builds the toolbar with one button per row of `table` whose toolbarId is
  // `toolbarId`, images taken in order from bitmap resource `bitmapId`.
  // Already created: 1 without change. The table must outlive the toolbar.
  int Create(HINSTANCE instance, CmdEntry* table, HWND parent, int bitmapId, int toolbarId, DWORD toolbarStyle,
             BYTE buttonStyle);

  // Buttons of this toolbar whose rows are marked dirty take their enabled state.
  void RefreshToolbarStates();
  // Items of `menu` whose rows are marked dirty are enabled or greyed.
  void RefreshMenuStates(HMENU menu);

  HWND Window() const { return hwnd; }
  int Id() const { return id; }

 protected:
  void DestroyControl();

  UniqueHBitmap bitmap;
  HWND hwnd = nullptr;
  int id = -1;
  std::wstring text;
  CmdEntry* table = nullptr;
};
