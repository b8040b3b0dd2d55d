// A plain top-level window for in-process tests: parent or owner of the
// control under test, remembering the commands and notifications it gets.
#pragma once

#include <windows.h>

#include <vector>

class HostWindow {
 public:
  explicit HostWindow(int width = 400, int height = 300);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND get() const { return hwnd; }
  std::vector<WPARAM> commands;   // wParam of each WM_COMMAND
  std::vector<UINT> notifications;  // code of each WM_NOTIFY

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd = nullptr;
};
