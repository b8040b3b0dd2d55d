// The Morvid side of the in-process timing harnesses: the frame with a real
// document, a script of push buttons in a grid written to a folder of its
// own, and its dialog opened in a maximised design window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/app/win/design_host.h"
#include "editor/app/win/doc_shell_hooks.h"
#include "editor/app/win/frame.h"
#include "editor/design/win/design_window.h"

namespace timing {

// Dispatches whatever is queued now.
void Pump();

class CDesignGrid {
 public:
  // Button k (0 to count - 1) of the script, in dialog units.
  using Placement = std::function<DlgRect(int k)>;

  // Writes the script (dialog IDD_GRID of cx × cy units, buttons named by
  // their number, identifiers IDC_B0 up) into %TEMP%\folder, opens it and
  // the dialog; false when something of it fails.
  bool Start(const std::string& folder, int cx, int cy, int count, const Placement& place);
  void Stop();

  CDlgRes& Dialog() const { return *CDesignWindow::DialogOf(window); }
  HWND Window() const { return window; }
  HWND Surface() const { return CDesignWindow::FromWindow(window)->SurfaceDialog(); }
  // Every control selected, the first one primary.
  void SelectAll();
  // A menu command as the frame gets it.
  void Command(int id);
  // Paints now whatever the last command left to paint.
  void PaintNow();
  // Times a command alone and with the repaint it leaves (ms, added to the
  // series); with TIMING_TRACE set, every run is printed under `name`.
  void TimeCommand(int id, const std::string& name, std::vector<double>& alone, std::vector<double>& total);

  DocShellHooks hooks;
  CFrame frame;

 private:
  CFrameDesignHost host{frame, &hooks.Document()};
  std::string path;
  HWND window = nullptr;
};

}  // namespace timing
