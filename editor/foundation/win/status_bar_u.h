// CStatusBarU: the frame's status bar, a free text part followed by fixed
// panes sized to their texts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include <string>

// One fixed pane; an entry whose id is 0 ends the list.
struct PaneEntry {
  int32_t id;
  std::wstring text;
  int32_t dirty;  // nonzero: the text must be sent to the bar
};

class CStatusBarU {
 public:
  // The editor's list: no fixed pane, so the bar shows only its free text.
  static PaneEntry noPanes[];

  explicit CStatusBarU(PaneEntry* panes = noPanes) : panes(panes) {}
  CStatusBarU(const CStatusBarU&) = delete;
  CStatusBarU& operator=(const CStatusBarU&) = delete;
  virtual ~CStatusBarU();

  int CreateStatusBar(HWND frame);
  // Called with the frame's WM_SIZE parameters.
  void LayoutParts(WPARAM wParam, LPARAM lParam);
  // The free text part, drawn without borders.
  void SetStatusText(const wchar_t* text);
  void RefreshPanes();

  HWND Window() const { return hwnd; }
  int PaneCount() const { return paneCount; }
  const std::vector<int>& PaneWidths() const { return paneWidths; }

 private:
  void SetParts(int barWidth);

  HWND hwnd = nullptr;
  int paneCount = 0;
  std::vector<int> paneWidths;
  PaneEntry* panes;
};
