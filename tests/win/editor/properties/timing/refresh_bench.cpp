// Timing harness (run under Wine, prints figures, asserts nothing): the
// properties window switching between two selected controls, each switch a
// refresh that makes the tab strip and the page again, painted.
//   properties_refresh_bench.exe [RUNS] [EXTRA_NAMES]
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/app/win/design_host.h"
#include "editor/app/win/doc_shell_hooks.h"
#include "editor/app/win/frame.h"
#include "editor/design/dlg_res.h"
#include "editor/design/win/design_window.h"
#include "editor/properties/win/property_dlg.h"
#include "timing_figures.h"

namespace {

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// CPU time of this thread: what the switch costs without the waits for a
// busy machine (the window server's share is not in it).
double ThreadSeconds() {
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
  auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) /
           1e7;
  };
  return seconds(kernel) + seconds(user);
}

bool CopyData(const std::wstring& folder) {
  const std::string data = PROPERTIES_DATA_DIR;
  const std::wstring from(data.begin(), data.end());
  for (const wchar_t* name : {L"props.rc", L"Resource.h"})
    if (!CopyFileW((from + L"\\" + name).c_str(), (folder + L"\\" + name).c_str(), FALSE)) return false;
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(2, _wtoi(argv[1])) : 200;
  const int extra = argc > 2 ? std::max(0, _wtoi(argv[2])) : 0;
  INITCOMMONCONTROLSEX init = {sizeof init, 0x4FF};
  InitCommonControlsEx(&init);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!CFrame::RegisterClasses(instance, CDesignWindow::WindowProc)) return 1;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"morvid_refresh_bench";
  CreateDirectoryW(folder.c_str(), nullptr);
  if (!CopyData(folder)) return 1;
  SetCurrentDirectoryW(folder.c_str());

  DocShellHooks hooks;
  CFrame frame;
  if (!frame.Create(instance, &hooks)) return 1;
  CFrameDesignHost host(frame);
  CDesignWindow::SetHost(&host);
  SetWindowPos(frame.Window(), nullptr, 0, 0, 900, 650, SWP_NOZORDER);
  ShowWindow(frame.Window(), SW_SHOW);
  if (!hooks.OpenScript(folder + L"\\props.rc") || !hooks.OpenDesignWindow(L"IDD_PROPS")) return 1;
  for (int i = 0; i < extra; ++i) hooks.Document().ids.AllocateId("IDC_EXTRA" + std::to_string(i));
  Pump();
  CDlgRes& dialog = *hooks.Document().dialogs[0];
  auto select = [&](int order) {
    dialog.dialogSelected = 0;
    dialog.selection.SelectOnly(dialog.surface->ControlWindow(static_cast<std::uint16_t>(order)));
    hooks.RefreshProperties();
    RedrawWindow(g_propertyDlg.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  };
  hooks.ShowProperties();
  if (!g_propertyDlg.window) return 1;
  Pump();

  const char* tabs[] = {"General", "Styles"};
  for (int tab = 0; tab < 2; ++tab) {
    select(3);
    TabCtrl_SetCurSel(g_propertyDlg.Tabs(), tab);
    NMHDR header = {g_propertyDlg.Tabs(), 1301, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(g_propertyDlg.window, WM_NOTIFY, 1301, reinterpret_cast<LPARAM>(&header));
    for (int i = 0; i < 5; ++i) select(i % 2 ? 3 : 4);  // warm-up
    std::vector<double> ms;
    const double cpuStart = ThreadSeconds();
    for (int i = 0; i < runs; ++i) {
      const double start = timing::NowMs();
      select(i % 2 ? 3 : 4);  // the edit box and the list box in turn
      ms.push_back(timing::NowMs() - start);
      Pump();
    }
    const double cpu = (ThreadSeconds() - cpuStart) * 1000 / runs;
    const timing::Spread s = timing::SpreadOf(ms);
    printf(
        "switch between two selected controls, %s tab, %zu names: median %.2f ms, min %.2f, p90 %.2f, max "
        "%.2f "
        "(%d runs), this thread's CPU %.2f ms per switch; load average %s\n",
        tabs[tab], static_cast<size_t>(extra) + 16, s.median, s.min, s.p90, s.max, runs, cpu,
        timing::LoadAverage().c_str());
  }
  DestroyWindow(g_propertyDlg.window);
  hooks.Exit();
  CDesignWindow::SetHost(nullptr);
  SetCurrentDirectoryW(temp);
  for (const wchar_t* name : {L"props.rc", L"Resource.h"}) DeleteFileW((folder + L"\\" + name).c_str());
  RemoveDirectoryW(folder.c_str());
  return 0;
}
