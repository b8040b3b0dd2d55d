// Morvid's entry: the start-up steps, the message loop and the clean-up at exit.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "editor/app/command_line.h"
#include "editor/app/win/design_host.h"
#include "editor/app/win/doc_shell_hooks.h"
#include "editor/app/win/frame.h"
#include "editor/design/win/design_window.h"
#include "editor/design/win/placeholder_class.h"
#include "editor/foundation/error_u.h"
#include "editor/foundation/win/app_path_u.h"
#include "editor/foundation/win/code_page_win.h"
#include "editor/resources/resource.h"
#include "editor/script/script_reader.h"

namespace {

constexpr DWORD kCommonControls = 0x4FF;  // list and tree views, bars, tab, up-down, progress, hot key, animate, cool bar

// Opens the script the command line names. The file's folder becomes the
// current and the working directory, so "Resource.h" is looked for beside it.
// 0 when the path cannot even be resolved.
int OpenFromCommandLine(CFrame& frame, ShellHooks& hooks, const std::wstring& argument) {
  wchar_t full[MAX_PATH * 2] = {};
  wchar_t* fileName = nullptr;
  const DWORD n = GetFullPathNameW(argument.c_str(), MAX_PATH * 2, full, &fileName);
  if (n == 0 || n >= MAX_PATH * 2 || !fileName) return 0;
  const std::wstring folder(full, static_cast<size_t>(fileName - full));
  SetCurrentDirectoryW(folder.c_str());
  AppPath().SetWorkDir(folder.c_str());
  if (!hooks.OpenScript(full)) {
    const std::wstring text = frame.LoadText(IDS_LOAD_ERROR) + L":   \n   " + full + L"   ";
    frame.ShowMessage(text, MB_OK | MB_ICONERROR);
    hooks.NewCommand();
  }
  return 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
  InstallSystemCodePage();
  if (!CFrame::RegisterClasses(instance, CDesignWindow::WindowProc)) return 0;
  morvid::SetCustomClassHook(RegisterPlaceholderClass);
  AppPath().Init(instance);
  INITCOMMONCONTROLSEX controls = {sizeof(controls), kCommonControls};
  if (!InitCommonControlsEx(&controls)) return 0;

  DocShellHooks hooks;
  CFrame frame;
  HWND window = frame.Create(instance, &hooks);
  if (!window) return 0;
  CFrameDesignHost designHost(frame, &hooks.Document());
  CDesignWindow::SetHost(&designHost);
  FrameErrorSink errorSink(&frame);
  AppError().SetSink(&errorSink);
  ShowWindow(window, show);
  UpdateWindow(window);

  const std::u16string argument = ScriptArgument(reinterpret_cast<const char16_t*>(commandLine ? commandLine : L""));
  if (argument.empty()) {
    hooks.NewCommand();
  } else if (!OpenFromCommandLine(frame, hooks, std::wstring(argument.begin(), argument.end()))) {
    return 0;
  }
  frame.RefreshStates();

  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
  if (!accelerators) return 0;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (frame.PreTranslate(&msg, accelerators)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }

  AppPath().SaveWorkDir();
  hooks.Exit();
  CDesignWindow::SetHost(nullptr);
  AppError().SetSink(nullptr);
  return static_cast<int>(msg.wParam);
}
