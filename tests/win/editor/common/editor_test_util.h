// Small helpers the Windows tests of Morvid share: window texts, files,
// scratch folders, and mouse drags with real input.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace morvidtest {

// Asks the window itself, so that it works for another process's windows
// too (GetWindowText does not ask them).
std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);

// A file below tests/data.
std::wstring TestData(const std::wstring& name);
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);

// The text of a saved script from a dialog's statement to its END.
std::string DialogBlock(const std::string& script, const std::string& name);

// A fresh folder under %TEMP%, removed with everything in it at the end.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::wstring tag);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::wstring& Path() const { return path; }
  std::wstring operator/(const std::wstring& name) const { return path + L"\\" + name; }

 private:
  std::wstring path;
};

// Whether a window of the thread that owns `window` has the mouse capture.
bool Captured(HWND window);

// Press at `from`, moves along `path`, release at its end, with `keys` held,
// as real input to the thread that owns `window` (in this process or
// another). Press and release wait for the capture to come and go; each move
// waits until `drawn` holds, or 150 ms without it.
void Drag(HWND window, POINT from, std::initializer_list<POINT> path, std::initializer_list<WORD> keys = {},
          const std::function<bool()>& drawn = nullptr);
inline void Click(HWND window, POINT at, std::initializer_list<WORD> keys = {}) { Drag(window, at, {}, keys); }

}  // namespace morvidtest
