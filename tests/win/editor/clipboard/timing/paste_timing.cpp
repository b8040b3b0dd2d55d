// Timing harness (run under Wine, prints figures, asserts nothing): Ctrl+V of
// 200 copied controls into their own dialog (each gets a new name and is
// shifted back inside) and the Ctrl+Z that takes them back, in a maximised
// design window of a real document. Each figure runs from the command to the
// end of the repaint it causes.
//   paste_timing.exe [RUNS]      (PASTE_TRACE=1 prints every run)
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
constexpr std::uint32_t kControls = kColumns * kRows;

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

// 200 push buttons of a few sizes in a grid; the last column reaches the
// dialog's right edge, so pasting shifts it back.
void WriteScript(const std::string& folder) {
  std::ofstream header(folder + "\\Resource.h", std::ios::binary);
  std::ofstream script(folder + "\\grid.rc", std::ios::binary);
  header << "#define IDD_GRID 100\r\n";
  script << "#include \"Resource.h\"\r\nIDD_GRID DIALOG 0, 0, " << kColumns * 24 << ", " << kRows * 14 + 40
         << "\r\nFONT 8, \"MS Sans Serif\"\r\nBEGIN\r\n";
  for (std::uint32_t k = 0; k < kControls; ++k) {
    header << "#define IDC_B" << k << " " << 1000 + k << "\r\n";
    script << "    PUSHBUTTON \"" << k << "\",IDC_B" << k << "," << 4 + (k % kColumns) * 24 << ","
           << 5 + (k / kColumns) * 14 << "," << 16 + k % 5 << "," << 8 + k % 3 << "\r\n";
  }
  script << "END\r\n";
}

struct Figures {
  const char* name;
  std::vector<double> ms;       // command and repaint
  std::vector<double> command;  // the command alone
};

void Stats(std::vector<double> values, double& median, double& low, double& high) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  low = values.front();
  high = values.back();
}

void Print(const Figures& f) {
  if (f.ms.empty()) return;
  double median, low, high, commandMedian, commandLow, commandHigh;
  Stats(f.ms, median, low, high);
  Stats(f.command, commandMedian, commandLow, commandHigh);
  std::printf("%-18s total median %7.2f ms (%.2f-%.2f), command alone %7.2f ms (%.2f-%.2f), %zu runs\n",
              f.name, median, low, high, commandMedian, commandLow, commandHigh, f.ms.size());
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
    folder = std::string(temp) + "morvid_paste_timing";
    CreateDirectoryA(folder.c_str(), nullptr);
    SetCurrentDirectoryA(folder.c_str());
    WriteScript(folder);
    const std::string script = folder + "\\grid.rc";
    if (!hooks.OpenScript(std::wstring(script.begin(), script.end()))) return false;
    if (!hooks.OpenDesignWindow(L"IDD_GRID")) return false;
    Pump();
    window = frame.ActiveDesignWindow();
    if (!window) return false;
    CDlgRes& dialog = *CDesignWindow::DialogOf(window);
    for (std::uint32_t order = kControls; order >= 1; --order) dialog.AddAsPrimaryAt(order);
    dialog.dialogSelected = 0;
    SendMessageW(frame.Window(), WM_COMMAND, MAKEWPARAM(IDM_COPY, 0), 0);
    return hooks.Clipboard().Records().size() == kControls;
  }
  void Stop() {
    hooks.Document().modified = 0;
    hooks.Exit();
    CDesignWindow::SetHost(nullptr);
    DeleteFileA((folder + "\\grid.rc").c_str());
    DeleteFileA((folder + "\\Resource.h").c_str());
  }

  std::uint32_t Count() { return CDesignWindow::DialogOf(window)->ControlCount(); }

  void Timed(int cmd, Figures& figures) {
    const double start = Now();
    SendMessageW(frame.Window(), WM_COMMAND, MAKEWPARAM(cmd, 0), 0);
    const double commanded = Now();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double end = Now();
    Pump();
    figures.ms.push_back(end - start);
    figures.command.push_back(commanded - start);
    if (std::getenv("PASTE_TRACE"))
      std::printf("%s %.1f %.1f\n", figures.name, commanded - start, end - start);
  }

  DocShellHooks hooks;
  CFrame frame;
  CFrameDesignHost host{frame, &hooks.Document()};
  std::string folder;
  HWND window = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
  Harness harness;
  if (!harness.Start()) {
    std::printf("the grid could not be opened and copied\n");
    return 1;
  }
  std::printf("%u controls copied from a maximised design window and pasted into it, %d runs\n", kControls,
              runs);
  PrintLoad();
  Figures paste{"paste of 200", {}, {}};
  Figures undo{"undo of the paste", {}, {}};
  for (int run = 0; run < runs; ++run) {
    harness.Timed(IDM_PASTE, paste);
    if (harness.Count() != 2 * kControls) {
      std::printf("the paste did not add the controls\n");
      break;
    }
    harness.Timed(IDM_UNDO, undo);
    if (harness.Count() != kControls) {
      std::printf("the undo did not take the controls back\n");
      break;
    }
  }
  Print(paste);
  Print(undo);
  PrintLoad();
  harness.Stop();
  return 0;
}
