#include "morvid_process.h"

#include "win_test_util.h"

namespace {

struct Search {
  DWORD pid;
  const wchar_t* className;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t cls[64] = {}, text[64] = {};
  GetClassNameW(window, cls, 64);
  if (search->caption) GetWindowTextW(window, text, 64);
  if (pid == search->pid && IsWindowVisible(window) && lstrcmpiW(cls, search->className) == 0 &&
      (!search->caption || lstrcmpW(text, search->caption) == 0)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::wstring MorvidExePath() { return wintest::Widen(MORVID_EXE); }

bool ChildProcess::Start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& directory) {
  std::wstring line = L"\"" + exe + L"\"";
  if (!arguments.empty()) line += L" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  return CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info) != FALSE;
}

HWND ChildProcess::FindTopWindow(const wchar_t* className, const wchar_t* caption) const {
  Search search = {info.dwProcessId, className, caption, nullptr};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildProcess::WaitForTopWindow(const wchar_t* className, DWORD timeoutMs) const {
  HWND found = nullptr;
  wintest::PumpUntil([&] { return (found = FindTopWindow(className)) != nullptr; }, timeoutMs);
  return found;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) {
  if (!info.hProcess) return true;
  return wintest::PumpUntil([&] { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info.hProcess, &code);
  return code;
}

ChildProcess::~ChildProcess() {
  if (!info.hProcess) return;
  if (WaitForSingleObject(info.hProcess, 0) != WAIT_OBJECT_0) {
    // Through the window procedure, as the close box does; then by force.
    if (HWND frame = FindTopWindow(L"FRAME_WIN_UFC")) PostMessageW(frame, WM_CLOSE, 0, 0);
    if (!WaitForExit(5000)) TerminateProcess(info.hProcess, 1);
    WaitForSingleObject(info.hProcess, 5000);
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}
