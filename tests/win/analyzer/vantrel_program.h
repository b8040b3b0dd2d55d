// Vantrel.exe started in a folder and driven from another process: commands
// posted to its main window, its file dialogs answered. Closed at the end.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "win_test_util.h"

class VantrelProgram {
 public:
  VantrelProgram(const wchar_t* exe, const std::wstring& dir) {
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    std::wstring command = L"\"" + std::wstring(exe) + L"\"";
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi_)) {
      std::printf("cannot start %ls: %lu\n", command.c_str(), GetLastError());
      return;
    }
    WaitForInputIdle(pi_.hProcess, 10000);
    wintest::PumpUntil([this] { return (main = FindWindowW(L"TVNT", nullptr)) != nullptr && IsWindowVisible(main); },
                       30000);
    if (!main) {
      DWORD code = 0;
      GetExitCodeProcess(pi_.hProcess, &code);
      std::printf("no main window; process exit code %lu\n", code);
      return;
    }
    SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
  }
  ~VantrelProgram() {
    if (!pi_.hProcess) return;
    if (main) PostMessageW(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  VantrelProgram(const VantrelProgram&) = delete;
  VantrelProgram& operator=(const VantrelProgram&) = delete;

  void Command(int id) { PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  // Waits until the window answers again (after a serial exchange).
  bool Settle() {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_BLOCK, 15000, &result) != 0;
  }
  // Answers the program's file dialog with a name and OK, first choosing the
  // file type at `type` (0 the first) when one is given.
  bool AnswerDialog(const wchar_t* caption, const std::wstring& path, int type = -1) {
    HWND dialog = nullptr;
    if (!wintest::PumpUntil([&] { return (dialog = FindWindowW(L"#32770", caption)) && IsWindowVisible(dialog); },
                            10000))
      return Failed("no dialog");
    if (type >= 0) {
      HWND combo = GetDlgItem(dialog, kTypeCombo);
      if (!combo || SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(type), 0) != type)
        return Failed("no file type " + std::to_string(type));
      // As a pick with the mouse ends: the dialog takes the type on CBN_SELENDOK.
      for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kTypeCombo, code), reinterpret_cast<LPARAM>(combo));
    }
    for (int id : {0x480, 0x47c}) SetDlgItemTextW(dialog, id, path.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    if (!wintest::PumpUntil([&] { return !IsWindow(dialog); }, 10000)) return Failed("the dialog stays open");
    return true;
  }

  HWND main = nullptr;

 private:
  static constexpr int kTypeCombo = 0x470;  // the file type box of the common dialogs

  static bool Failed(const std::string& why) {
    std::printf("file dialog: %s\n", why.c_str());
    return false;
  }

  PROCESS_INFORMATION pi_ = {};
};
