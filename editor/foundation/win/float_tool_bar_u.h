// CFloatToolBarU: the control palette, a toolbar inside a small floating tool
// window that stays beside the design windows without ever keeping the focus.
#pragma once

#include <windows.h>

#include "editor/foundation/win/tool_bar_u.h"

class CFloatToolBarU;

// Everything the palette window needs to build its toolbar, passed through
// window creation as one block.
struct PaletteParams {
  CFloatToolBarU* object;
  int bitmapId;
  int toolbarId;
  DWORD toolbarStyle;
  BYTE buttonStyle;
  CmdEntry* table;
};

class CFloatToolBarU : public CToolBarU {
 public:
  static constexpr const wchar_t* kClassName = L"ParentTB_ClassName";
  static constexpr int kHeight = 200;

  // The palette's own rows: commands 6000..6014 on toolbar 102. Button 6002
  // (pictures) is disabled: a picture cannot be placed from the palette.
  static CmdEntry paletteCommands[];

  CFloatToolBarU() = default;
  ~CFloatToolBarU() override;

  // Creates the palette (owned by `owner`) unless it exists; 1 on success.
  int CreatePalette(HINSTANCE instance, HWND owner, int x, int y, int width);
  // Shows an existing hidden palette without activating it.
  void ShowPalette();
  void HidePalette();
  // Asks the toolbar to fit its buttons after the palette got its size.
  void AutoSize();

  // The command of the first checked button in the low 16 bits, or 0.
  int CheckedTool() const;
  void CheckPointerTool();
  // Releases every button, so that no tool is active.
  void ReleaseTools();

  HWND Palette() const { return palette; }

  virtual int CreateInPalette(HWND window, const CREATESTRUCTW* creation, const PaletteParams* params);
  virtual void DestroyToolbar();

 private:
  static LRESULT CALLBACK PaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND palette = nullptr;
  bool appActive = true;
};

// The one palette of the editor.
extern CFloatToolBarU g_palette;
