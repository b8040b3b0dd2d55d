// Timing harness (run under Wine, prints figures, asserts nothing): one mouse
// move of a drag that moves 50 selected controls of a 200-control dialog in
// a maximised design window (the snapshot and the outlines composed and put
// on the window), and the Del command on all 200 controls, with and without
// the repaint that follows it.
//   drag_timing.exe [RUNS]        (DRAG_TIMING_RAW=1 prints every sample too)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "editor/app/win/design_host.h"
#include "editor/app/win/doc_shell_hooks.h"
#include "editor/app/win/frame.h"
#include "editor/design/dlg_res.h"
#include "editor/design/win/design_window.h"
#include "editor/resources/resource.h"

namespace {

constexpr int kColumns = 20;
constexpr int kRows = 10;
constexpr int kDragged = 50;
constexpr int kMovesPerDrag = 100;

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void WriteScript(const std::string& folder) {
  std::ofstream header(folder + "\\Resource.h", std::ios::binary);
  std::ofstream script(folder + "\\grid.rc", std::ios::binary);
  header << "#define IDD_GRID 100\r\n";
  script << "#include \"Resource.h\"\r\nIDD_GRID DIALOG 0, 0, " << kColumns * 22 + 10 << ", "
         << kRows * 14 + 40 << "\r\nFONT 8, \"MS Sans Serif\"\r\nBEGIN\r\n";
  for (int k = 0; k < kColumns * kRows; ++k) {
    header << "#define IDC_B" << k << " " << 1000 + k << "\r\n";
    script << "    PUSHBUTTON \"" << k << "\",IDC_B" << k << "," << 5 + (k % kColumns) * 22 << ","
           << 5 + (k / kColumns) * 14 << ",18,10\r\n";
  }
  script << "END\r\n";
}

void Print(const char* name, std::vector<double> ms) {
  if (std::getenv("DRAG_TIMING_RAW")) {
    for (double v : ms) std::printf("%.1f ", v);
    std::printf("\n");
  }
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  if (n == 0) return;
  const auto at = [&](double q) { return ms[static_cast<size_t>(q * static_cast<double>(n - 1))]; };
  std::printf("%-34s median %7.2f ms, p10 %.2f, p90 %.2f, min %.2f, max %.2f (%zu samples)\n", name, at(0.5),
              at(0.1), at(0.9), ms.front(), ms.back(), n);
}

void PrintLoad() {
  FILE* file = _wfopen(L"Z:\\proc\\loadavg", L"r");
  char text[128] = {};
  if (file) {
    if (!std::fgets(text, sizeof text, file)) text[0] = 0;
    std::fclose(file);
  }
  std::printf("load average: %s", text[0] ? text : "unknown\n");
}

LPARAM At(POINT p) {
  return MAKELPARAM(p.x, p.y);
}

class Harness {
 public:
  bool Start() {
    INITCOMMONCONTROLSEX init = {sizeof init, 0x4FF};
    InitCommonControlsEx(&init);
    CFrame::RegisterClasses(GetModuleHandleW(nullptr), CDesignWindow::WindowProc);
    frame.Create(GetModuleHandleW(nullptr), &hooks);
    CDesignWindow::SetHost(&host);
    SetWindowPos(frame.Window(), nullptr, 0, 0, 1024, 768, SWP_NOZORDER);
    ShowWindow(frame.Window(), SW_SHOW);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "morvid_drag_timing";
    CreateDirectoryA(folder.c_str(), nullptr);
    SetCurrentDirectoryA(folder.c_str());
    WriteScript(folder);
    const std::string script = folder + "\\grid.rc";
    if (!hooks.OpenScript(std::wstring(script.begin(), script.end()))) return false;
    if (!hooks.OpenDesignWindow(L"IDD_GRID")) return false;
    Pump();
    window = frame.ActiveDesignWindow();
    return window && IsZoomed(window) && Dialog().ControlCount() == kColumns * kRows;
  }
  void Stop() {
    hooks.Document().modified = 0;
    hooks.Exit();
    CDesignWindow::SetHost(nullptr);
    DeleteFileA((folder + "\\grid.rc").c_str());
    DeleteFileA((folder + "\\Resource.h").c_str());
  }
  CDlgRes& Dialog() { return *CDesignWindow::DialogOf(window); }
  HWND Surface() { return CDesignWindow::FromWindow(window)->SurfaceDialog(); }
  POINT CentreOf(std::uint32_t order) {
    RECT rc;
    GetWindowRect(GetDlgItem(Surface(), static_cast<int>(order)), &rc);
    POINT p = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ScreenToClient(Surface(), &p);
    return p;
  }

  // Every fourth control selected, then dragged about without letting go
  // where it would change anything.
  void Drag(std::vector<double>& moves) {
    CDlgRes& dialog = Dialog();
    dialog.selection.Clear();
    for (std::uint32_t order = 1; order <= kDragged; ++order) dialog.AddAsPrimaryAt(order * 4);
    const POINT start = CentreOf(4);
    HWND surface = Surface();
    SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, At(start));
    Pump();
    for (int k = 1; k <= kMovesPerDrag; ++k) {
      const POINT to = {start.x + (k % 40) - 20, start.y + (k % 16) - 8};
      const double begin = Now();
      SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, At(to));
      moves.push_back(Now() - begin);
    }
    SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, At(start));
    SendMessageW(surface, WM_LBUTTONUP, 0, At(start));
    UpdateWindow(window);
    Pump();
  }

  // Del on all 200, then Ctrl+Z to have them back, outside the timing.
  void Delete(std::vector<double>& command, std::vector<double>& withRepaint) {
    CDlgRes& dialog = Dialog();
    dialog.selection.Clear();
    for (std::uint32_t order = dialog.ControlCount(); order >= 1; --order) dialog.AddAsPrimaryAt(order);
    UpdateWindow(window);
    Pump();
    const double begin = Now();
    SendMessageW(frame.Window(), WM_COMMAND, MAKEWPARAM(IDM_DELETE, 0), 0);
    const double commanded = Now();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double end = Now();
    command.push_back(commanded - begin);
    withRepaint.push_back(end - begin);
    Pump();
    SendMessageW(frame.Window(), WM_COMMAND, MAKEWPARAM(IDM_UNDO, 0), 0);
    UpdateWindow(window);
    Pump();
  }

  DocShellHooks hooks;
  CFrame frame;
  CFrameDesignHost host{frame, nullptr};
  std::string folder;
  HWND window = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
  Harness harness;
  if (!harness.Start()) {
    std::printf("the grid could not be opened in a maximised design window\n");
    return 1;
  }
  RECT client;
  GetClientRect(harness.Surface(), &client);
  std::printf("%d controls, surface dialog %ld x %ld pixels, %d runs\n", kColumns * kRows, client.right,
              client.bottom, runs);
  PrintLoad();
  std::vector<double> moves, deleted, deletedAndPainted;
  for (int run = 0; run < runs; ++run) {
    harness.Drag(moves);
    harness.Delete(deleted, deletedAndPainted);
    if (harness.Dialog().ControlCount() != kColumns * kRows) {
      std::printf("the controls did not come back after the deletion\n");
      break;
    }
  }
  Print("drag move, 50 of 200 selected", moves);
  Print("Del of 200 (command)", deleted);
  Print("Del of 200 (command and repaint)", deletedAndPainted);
  PrintLoad();
  harness.Stop();
  return 0;
}
