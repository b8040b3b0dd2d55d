// Starts the shipped Morvid.exe (or another program) and finds its windows
// from this process, for tests that drive the executable from outside.
#pragma once

#include <windows.h>

#include <string>

// The shipped Morvid.exe of this build tree.
std::wstring MorvidExePath();

class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  // Asks the program to close, then ends it if it does not.
  ~ChildProcess();

  bool Start(const std::wstring& exe, const std::wstring& arguments = L"", const std::wstring& directory = L"");
  // The first visible top-level window of the process with this class (and
  // caption, when given), or nullptr.
  HWND FindTopWindow(const wchar_t* className, const wchar_t* caption = nullptr) const;
  // Waits (pumping this thread's messages) until such a window exists.
  HWND WaitForTopWindow(const wchar_t* className, DWORD timeoutMs = 15000) const;
  bool WaitForExit(DWORD timeoutMs);
  DWORD ExitCode() const;
  DWORD Id() const { return info.dwProcessId; }
  HANDLE Handle() const { return info.hProcess; }

 private:
  PROCESS_INFORMATION info = {};
};
