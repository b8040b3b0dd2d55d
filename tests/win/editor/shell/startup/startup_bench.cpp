// Timing harness (run under Wine, prints figures, asserts nothing): start-up
// of Morvid.exe to its first painted frame, beside a bare program that shows
// one window.
//   startup_bench.exe MORVID.EXE BARE.EXE [RUNS]
// A start ends when the program's top-level window is visible, the program
// waits for input, and neither the window nor its children need painting.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->pid && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

bool NeedsPaint(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return true;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (IsWindowVisible(child) && NeedsPaint(child)) return true;
  return false;
}

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// Seconds from process creation to the first painted window; negative on failure.
double TimeStart(const std::wstring& exe) {
  std::wstring line = L"\"" + exe + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  const double start = Now();
  if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return -1;
  double elapsed = -1;
  for (;;) {
    Search search = {info.dwProcessId, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    if (search.found && WaitForInputIdle(info.hProcess, 0) == 0 && !NeedsPaint(search.found)) {
      elapsed = Now() - start;
      PostMessageW(search.found, WM_CLOSE, 0, 0);
      break;
    }
    if (Now() - start > 30 || WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(1);  // a measuring loop of its own, outside any test
  }
  if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    fwprintf(stderr, L"usage: startup_bench MORVID.EXE BARE.EXE [RUNS]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 10;
  TimeStart(argv[1]);  // warm the page cache and Wine's services for both
  TimeStart(argv[2]);
  std::vector<double> morvid, bare;
  for (int i = 0; i < runs; ++i) {
    bare.push_back(TimeStart(argv[2]));
    morvid.push_back(TimeStart(argv[1]));
  }
  const double m = Median(morvid), b = Median(bare);
  printf("start-up to first painted window, median of %d runs\n", runs);
  printf("  bare window: %.3f s\n  Morvid.exe:  %.3f s\n  ratio:       %.2f\n", b, m, b > 0 ? m / b : 0.0);
  return m > 0 && b > 0 ? 0 : 1;
}
