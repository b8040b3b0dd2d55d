// CFrame: the editor's MDI frame window (class FRAME_WIN_UFC) with its
// toolbar, status bar, dialog list panel and MDI client, and the routing of
// every command through commandHandlers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "editor/app/win/shell_hooks.h"
#include "editor/foundation/error_u.h"
#include "editor/foundation/win/status_bar_u.h"
#include "editor/foundation/win/tool_bar_u.h"
#include "editor/properties/win/ctrl_dlg.h"

class CFrame : public CCtrlDlgHost {
 public:
  static constexpr const wchar_t* kClassName = L"FRAME_WIN_UFC";
  static constexpr const wchar_t* kDesignClassName = L"CHILD_WIN_UFC";
  static constexpr int kToolbarHeight = 25;
  static constexpr int kPanelWidth = 192;
  static constexpr DWORD kToolbarStyle = 0x50000904;  // child, visible, flat, tooltips, no automatic resizing
  static constexpr DWORD kDesignWindowStyle = 0x01000001;  // opened maximised

  // Registers FRAME_WIN_UFC and CHILD_WIN_UFC (with the design window
  // procedure given); 1 when both are registered.
  static int RegisterClasses(HINSTANCE instance, WNDPROC designWindowProc = DefMDIChildProcW);

  CFrame() = default;
  CFrame(const CFrame&) = delete;
  CFrame& operator=(const CFrame&) = delete;
  ~CFrame() override;

  // Creates the frame window (hidden) with the program title; nullptr on failure.
  HWND Create(HINSTANCE instance, ShellHooks* hooks);

  // Routes one command; 1 when a handler took it.
  int RouteCommand(int cmd);
  // Menu items and toolbar buttons from the command table, and the status
  // panes. Copy and Paste are asked of the hooks first.
  void RefreshStates();
  // The message loop's keyboard handling: MDI and application accelerators
  // while the frame is active, then dialog keys of the panel and of the
  // properties window. 1 when the message was used.
  int PreTranslate(MSG* msg, HACCEL accelerators);

  // A message box owned by the frame with the program title, every other
  // top-level window of the frame disabled meanwhile.
  int ShowMessage(const std::wstring& text, UINT type);
  // The About dialog, modal.
  void ShowAbout();

  // A design window: MDI child of class CHILD_WIN_UFC titled `title`, 350 x 300
  // at (0, 0), opened maximised, created with `param`; shown and focused.
  HWND CreateDesignWindow(const std::wstring& title, void* param);
  // Called by a design window when it is destroyed.
  void ForgetDesignWindow(HWND designWindow);
  const std::vector<HWND>& OpenDesignWindows() const { return openDesignWindows; }

  // CCtrlDlgHost
  int OpenDesignWindow(const std::wstring& dialogName) override;
  HWND ActiveDesignWindow() override;
  void SetDesignActive(HWND designWindow, int active) override;
  void RefreshProperties() override;
  // Opens (or brings forward) the properties window on the active selection.
  void ShowProperties();

  HWND Window() const { return hwnd; }
  HWND MdiClient() const { return mdiClient; }
  // The "П&роект" popup, after which the dialog menu is inserted.
  HMENU ProjectMenu() const { return projectMenu; }
  const std::wstring& Title() const { return title; }
  CToolBarU& Toolbar() { return toolbar; }
  CStatusBarU& Status() { return status; }
  CCtrlDlg& Panel() { return panel; }
  CmdEntry* CommandTable() { return commandTable; }
  std::wstring LoadText(UINT id) const;

 private:
  struct CommandHandler {
    int first;
    int last;
    void (CFrame::*handler)(int cmd);
  };
  static const CommandHandler commandHandlers[];

  static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  int OnCreate();
  void OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(NMHDR* header);
  void OnMenuSelect(WPARAM wParam, LPARAM lParam);
  // The part after the first newline of a command's string, or empty.
  std::wstring HelpText(UINT cmd) const;
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

  void OnNew(int);
  void OnOpen(int);
  void OnSave(int);
  void OnExit(int);
  void OnUndo(int);
  void OnCopy(int);
  void OnPaste(int);
  void OnDelete(int);
  void OnAddDialog(int);
  void OnIdentifiers(int);
  void OnTest(int);
  void OnArrangeControls(int cmd);
  void OnTileVertical(int);
  void OnTileHorizontal(int);
  void OnCascade(int);
  void OnCloseAll(int);
  void OnAbout(int);
  void OnTool(int cmd);

  HINSTANCE instance = nullptr;
  HWND hwnd = nullptr;
  HWND mdiClient = nullptr;
  HMENU projectMenu = nullptr;
  ShellHooks* hooks = nullptr;
  std::wstring title;
  std::wstring tooltipText;
  bool appActive = true;
  CToolBarU toolbar;
  CStatusBarU status;
  CCtrlDlg panel;
  std::vector<HWND> openDesignWindows;
  // The row's enabled state, its menu item and button marked for refresh
  // when it changes.
  void SetCommandEnabled(int cmd, bool enabled);

  // Only the frame menu and the main toolbar follow this table. Copy (3012)
  // and Paste (3006) follow the selection and the control clipboard.
  CmdEntry commandTable[11] = {{3001, 1, kFrameMenuGroup, 1, 100, 1, 0},
                               {3002, 1, kFrameMenuGroup, 1, 100, 1, 0},
                               {3003, 1, kFrameMenuGroup, 1, 100, 1, 1},
                               {3004, 1, kFrameMenuGroup, 1, 0, 0, 0},
                               {3015, 1, kFrameMenuGroup, 1, 0, 0, 0},
                               {3012, 0, kFrameMenuGroup, 1, 0, 0, 0},
                               {3006, 0, kFrameMenuGroup, 1, 0, 0, 0},
                               {3014, 1, kFrameMenuGroup, 1, 0, 0, 0},
                               {3005, 1, kFrameMenuGroup, 1, 0, 0, 0},
                               {3013, 1, kFrameMenuGroup, 1, 0, 0, 0},
                               {0, 0, 0, 0, 0, 0, 0}};
};

// Disables every enabled top-level window owned by `frame` (the palette, the
// properties window) while a message box or modal dialog runs, and enables
// them again afterwards.
class ModalScope {
 public:
  explicit ModalScope(HWND frame);
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
  ~ModalScope();

 private:
  std::vector<HWND> disabled;
};

// CErrorU's sink in the executable: the frame's error box.
class FrameErrorSink : public CErrorSink {
 public:
  explicit FrameErrorSink(CFrame* frame) : frame(frame) {}
  void ShowError(const CStringU& text, const CStringU& caption) override;

 private:
  CFrame* frame;
};
