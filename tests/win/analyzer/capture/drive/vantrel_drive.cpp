// Drives Vantrel.exe from outside as a user would: starts it in a working
// folder, answers its message boxes (printing them), clicks Start and Read,
// saves a screenshot of the window, and closes it.
//   vantrel_drive VANTREL.EXE WORKDIR SCREENSHOT.PNG
// Exit code 0 when no error box appeared and la.cfg was written (210 bytes).
#include <windows.h>

#include <cstdio>
#include <string>

#include "win_test_util.h"

namespace {

constexpr int kStart = 109;    // ID_START of the main window
constexpr int kButRead = 112;  // ID_BUTREAD

DWORD processId = 0;
int errorBoxes = 0;

struct Found {
  HWND main = nullptr;
  HWND box = nullptr;
};

BOOL CALLBACK FindWindows(HWND window, LPARAM data) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != processId || !IsWindowVisible(window)) return TRUE;
  auto* found = reinterpret_cast<Found*>(data);
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 64);
  if (std::wstring(cls) == L"TVNT") found->main = window;
  if (std::wstring(cls) == L"#32770") found->box = window;
  return TRUE;
}

BOOL CALLBACK BoxText(HWND child, LPARAM data) {
  wchar_t cls[32] = {};
  GetClassNameW(child, cls, 32);
  wchar_t text[256] = {};
  GetWindowTextW(child, text, 256);
  if (std::wstring(cls) == L"Static" && text[0]) *reinterpret_cast<std::wstring*>(data) = text;
  return TRUE;
}

Found Scan() {
  Found found;
  EnumWindows(FindWindows, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Answers every box that shows within the time; returns the main window
// once it responds and no box is up.
HWND Settle(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  HWND main = nullptr;
  while (GetTickCount() - start < timeoutMs) {
    Found found = Scan();
    if (found.box) {
      wchar_t caption[128] = {};
      GetWindowTextW(found.box, caption, 128);
      std::wstring text;
      EnumChildWindows(found.box, BoxText, reinterpret_cast<LPARAM>(&text));
      std::printf("box \"%s\": %s\n", wintest::Narrow(caption).c_str(), wintest::Narrow(text).c_str());
      if (std::wstring(caption) == L"Ошибка!") ++errorBoxes;
      PostMessageW(found.box, WM_COMMAND, IDOK, 0);
      Sleep(200);
      continue;
    }
    main = found.main;
    DWORD_PTR result = 0;
    if (main && SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &result)) {
      Sleep(300);  // a box raised by the command shows a moment later
      if (!Scan().box) return main;
    }
    Sleep(100);
  }
  return main;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::printf("usage: vantrel_drive VANTREL.EXE WORKDIR SCREENSHOT.PNG\n");
    return 2;
  }
  std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, argv[2], &si, &pi)) {
    std::printf("cannot start %s (%lu)\n", wintest::Narrow(argv[1]).c_str(), GetLastError());
    return 1;
  }
  processId = pi.dwProcessId;
  WaitForInputIdle(pi.hProcess, 10000);

  HWND main = Settle(15000);
  if (!main) {
    std::printf("the main window did not appear\n");
    return 1;
  }
  std::printf("Start\n");
  PostMessageW(main, WM_COMMAND, kStart, 0);
  Settle(10000);
  std::printf("Read\n");
  const DWORD readStart = GetTickCount();
  PostMessageW(main, WM_COMMAND, kButRead, 0);
  Sleep(200);
  Settle(60000);
  std::printf("read took %.1f s\n", (GetTickCount() - readStart) / 1000.0);

  SetForegroundWindow(main);
  Sleep(300);
  const wintest::Pixels pixels = wintest::CaptureScreenOfWindow(main);
  const bool saved = wintest::SavePng(argv[3], pixels);
  std::printf("screenshot %s%s\n", wintest::Narrow(argv[3]).c_str(), saved ? "" : " could not be written");

  PostMessageW(main, WM_CLOSE, 0, 0);
  Settle(5000);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);

  const std::wstring config = std::wstring(argv[2]) + L"\\la.cfg";
  WIN32_FILE_ATTRIBUTE_DATA attributes = {};
  const bool written = GetFileAttributesExW(config.c_str(), GetFileExInfoStandard, &attributes) &&
                       attributes.nFileSizeLow == 210 && attributes.nFileSizeHigh == 0;
  std::printf("la.cfg %s\n", written ? "written, 210 bytes" : "missing or not 210 bytes");
  return errorBoxes == 0 && written ? 0 : 1;
}
