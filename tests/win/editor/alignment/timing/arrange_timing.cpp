// Timing harness (run under Wine, prints figures, asserts nothing): the
// dialog menu's commands on 200 selected controls and Ctrl+Z of a deletion
// of 200 controls, in a maximised design window of a real document. Each
// figure runs from the command to the end of the repaint it causes; the
// paints counted are those made while the command itself ran (a paint there
// would show the controls half moved).
//   arrange_timing.exe [RUNS]      (ARRANGE_TRACE=1 prints every run)
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
#include "editor/design/win/design_window.h"
#include "editor/resources/resource.h"

namespace {

constexpr int kColumns = 20;
constexpr int kRows = 10;

int g_paintsDuringCommand = 0;
bool g_counting = false;

LRESULT CALLBACK CountPaints(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && g_counting && (message->message == WM_PAINT || message->message == WM_ERASEBKGND))
    ++g_paintsDuringCommand;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

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

// 200 push buttons in a grid, of sizes around 18 × 9 units, so that every
// command moves or sizes nearly all of them.
void WriteScript(const std::string& folder) {
  std::ofstream header(folder + "\\Resource.h", std::ios::binary);
  std::ofstream script(folder + "\\grid.rc", std::ios::binary);
  header << "#define IDD_GRID 100\r\n";
  script << "#include \"Resource.h\"\r\nIDD_GRID DIALOG 0, 0, " << kColumns * 24 + 10 << ", " << kRows * 14 + 40
         << "\r\nFONT 8, \"MS Sans Serif\"\r\nBEGIN\r\n";
  for (int k = 0; k < kColumns * kRows; ++k) {
    header << "#define IDC_B" << k << " " << 1000 + k << "\r\n";
    script << "    PUSHBUTTON \"" << k << "\",IDC_B" << k << "," << 5 + (k % kColumns) * 24 + (k / kColumns) << ","
           << 5 + (k / kColumns) * 14 << "," << 16 + k % 5 << "," << 8 + k % 3 << "\r\n";
  }
  script << "END\r\n";
}

struct Figures {
  const char* name;
  std::vector<double> ms;       // command and repaint
  std::vector<double> command;  // the command alone
  int paints = 0;
};

void Stats(std::vector<double> values, double& median, double& low, double& high) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  low = values.front();
  high = values.back();
}

void Print(const Figures& f) {
  double median, low, high, commandMedian, commandLow, commandHigh;
  Stats(f.ms, median, low, high);
  Stats(f.command, commandMedian, commandLow, commandHigh);
  std::printf("%-22s total median %7.2f ms (%.2f-%.2f), command alone %7.2f ms (%.2f-%.2f), %zu runs, paints during "
              "the command %d\n",
              f.name, median, low, high, commandMedian, commandLow, commandHigh, f.ms.size(), f.paints);
}

void PrintLoad() {
  FILE* file = _wfopen(L"Z:\\proc\\loadavg", L"r");
  char text[128] = {};
  if (file) {
    if (!std::fgets(text, sizeof text, file)) text[0] = 0;
    std::fclose(file);
  }
  std::printf("load average: %s\n", text[0] ? text : "unknown\n");
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
    folder = std::string(temp) + "morvid_arrange_timing";
    CreateDirectoryA(folder.c_str(), nullptr);
    SetCurrentDirectoryA(folder.c_str());
    WriteScript(folder);
    const std::string script = folder + "\\grid.rc";
    if (!hooks.OpenScript(std::wstring(script.begin(), script.end()))) return false;
    if (!hooks.OpenDesignWindow(L"IDD_GRID")) return false;
    Pump();
    window = frame.ActiveDesignWindow();
    if (!window) return false;
    for (const auto& item : Dialog().controls) original.push_back({item->x, item->y, item->x + item->cx, item->y + item->cy});
    hook = SetWindowsHookExW(WH_CALLWNDPROC, CountPaints, nullptr, GetCurrentThreadId());
    return true;
  }
  void Stop() {
    if (hook) UnhookWindowsHookEx(hook);
    hooks.Document().modified = 0;
    hooks.Exit();
    CDesignWindow::SetHost(nullptr);
    DeleteFileA((folder + "\\grid.rc").c_str());
    DeleteFileA((folder + "\\Resource.h").c_str());
  }

  CDlgRes& Dialog() { return *CDesignWindow::DialogOf(window); }

  // The grid back as the script has it, all controls selected, the first primary.
  void Reset() {
    CDlgRes& dialog = Dialog();
    const CWindowUnitMap map(CDesignWindow::FromWindow(window)->SurfaceDialog());
    for (std::uint32_t order = 1; order <= original.size(); ++order) dialog.MoveControl(order, original[order - 1], map);
    dialog.selection.Clear();
    for (std::uint32_t order = dialog.ControlCount(); order >= 1; --order) dialog.AddAsPrimaryAt(order);
    dialog.dialogSelected = 0;
    UpdateWindow(window);
    Pump();
  }

  // From the command to the end of its repaint.
  void Timed(int cmd, Figures& figures) {
    g_paintsDuringCommand = 0;
    g_counting = true;
    const double start = Now();
    SendMessageW(frame.Window(), WM_COMMAND, MAKEWPARAM(cmd, 0), 0);
    const double commanded = Now();
    g_counting = false;
    figures.paints += g_paintsDuringCommand;
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double end = Now();
    Pump();
    figures.ms.push_back(end - start);
    if (std::getenv("ARRANGE_TRACE")) std::printf("%s %.1f %.1f\n", figures.name, commanded - start, end - start);
    figures.command.push_back(commanded - start);
  }

  // Del on every control, outside the timing.
  void DeleteAll() {
    SendMessageW(frame.Window(), WM_COMMAND, MAKEWPARAM(IDM_DELETE, 0), 0);
    UpdateWindow(window);
    Pump();
  }

  DocShellHooks hooks;
  CFrame frame;
  CFrameDesignHost host{frame, &hooks.Document()};
  std::string folder;
  HWND window = nullptr;
  HHOOK hook = nullptr;
  std::vector<DlgRect> original;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
  Harness harness;
  if (!harness.Start()) {
    std::printf("the grid could not be opened\n");
    return 1;
  }
  std::printf("%d controls selected in a maximised design window, %d runs each\n", kColumns * kRows, runs);
  PrintLoad();
  std::vector<Figures> all;
  for (const char* name : {"align left", "align top", "same size", "spread horizontally", "spread vertically",
                           "centre horizontally", "centre vertically", "undo of deleting 200"})
    all.push_back({name, {}, {}, 0});
  const int commands[] = {IDM_ALIGN_LEFT,        IDM_ALIGN_TOP,       IDM_SAME_BOTH,       IDM_SPREAD_HORIZONTAL,
                          IDM_SPREAD_VERTICAL,   IDM_CENTRE_HORIZONTAL, IDM_CENTRE_VERTICAL};
  for (int run = 0; run < runs; ++run) {
    for (size_t k = 0; k < std::size(commands); ++k) {
      harness.Reset();
      harness.Timed(commands[k], all[k]);
    }
    harness.Reset();
    harness.DeleteAll();
    harness.Timed(IDM_UNDO, all.back());
    if (harness.Dialog().ControlCount() != static_cast<std::uint32_t>(kColumns * kRows)) {
      std::printf("the undo did not bring the controls back\n");
      break;
    }
  }
  for (const Figures& f : all) Print(f);
  PrintLoad();
  harness.Stop();
  return 0;
}
