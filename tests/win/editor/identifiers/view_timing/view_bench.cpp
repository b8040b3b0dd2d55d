// Timing harness (run under Wine, prints figures, asserts nothing): the
// identifier view of Morvid.exe on a script of many dialogs of 20 controls
// and its header of one identifier per dialog and control.
//   view_bench.exe MORVID.EXE [DIALOGS] [RUNS]
// Opening: from the posted menu command to the first cell painted on the
// screen. Scrolling: one line or page step sent to the grid, which answers
// after it has repainted; beside it the round trip of a message that does
// nothing, which the steps include.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <string>
#include <vector>

#include "editor/foundation/win/spread_sheet_u.h"
#include "editor/resources/resource.h"
#include "morvid_process.h"
#include "timing_figures.h"

namespace {

constexpr int kTreeId = 1101;
constexpr int kControlsPerDialog = 20;

double Now() { return timing::NowMs() / 1000; }

// The header of the editor's own bench: each dialog's name, then 19 controls
// per dialog (one control is static).
bool WriteScript(const std::wstring& folder, int dialogs) {
  std::ofstream header(std::string(folder.begin(), folder.end()) + "\\Resource.h", std::ios::binary);
  std::ofstream script(std::string(folder.begin(), folder.end()) + "\\big.rc", std::ios::binary);
  if (!header || !script) return false;
  header << "#define IDC_STATIC -1\r\n";
  for (int d = 0; d < dialogs; ++d) header << "#define IDD_D" << d << " " << 100 + d << "\r\n";
  for (int d = 0; d < dialogs; ++d)
    for (int c = 1; c < kControlsPerDialog; ++c)
      header << "#define IDC_D" << d << "_C" << c << " " << 5000 + d * kControlsPerDialog + c << "\r\n";
  script << "#include \"Resource.h\"\r\n\r\n";
  for (int d = 0; d < dialogs; ++d) {
    script << "IDD_D" << d << " DIALOGEX 0, 0, 320, 200\r\nSTYLE WS_POPUP | WS_CAPTION\r\nCAPTION \"Dialog " << d
           << "\"\r\nFONT 8, \"MS Sans Serif\"\r\nBEGIN\r\n    LTEXT \"Label\",IDC_STATIC,7,7,60,8\r\n";
    for (int c = 1; c < kControlsPerDialog; ++c)
      script << "    PUSHBUTTON \"Button\",IDC_D" << d << "_C" << c << "," << 7 + (c % 4) * 70 << ","
             << 20 + (c / 4) * 20 << ",60,14\r\n";
    script << "END\r\n\r\n";
  }
  return true;
}

bool IsCellPainted(HWND grid) {
  HWND header = GetDlgItem(grid, CSpreadSheetU::kHeaderId);
  RECT rect;
  if (!header || !GetWindowRect(header, &rect)) return false;
  POINT at = {2, rect.bottom - rect.top + 2};  // inside the first cell, left of its text
  ClientToScreen(grid, &at);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return pixel == RGB(255, 255, 255);
}

// Seconds from the command to the first painted cell; the view is closed again.
double TimeOpen(const ChildProcess& morvid, HWND frame, int rows) {
  const double start = Now();
  PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDM_IDENTIFIERS, 0), 0);
  double elapsed = -1;
  HWND view = nullptr;
  while (Now() - start < 60) {
    if (!view) view = morvid.FindTopWindow(L"#32770", L"IDD_DLG");
    HWND grid = view ? FindWindowExW(view, nullptr, CSpreadSheetU::kClassName, nullptr) : nullptr;
    if (grid && IsCellPainted(grid)) {
      elapsed = Now() - start;
      if (SendMessageW(grid, CSpreadSheetU::kGetRowCount, 0, 0) != rows) elapsed = -1;
      break;
    }
    Sleep(1);  // a measuring loop of its own, outside any test
  }
  if (view) {
    PostMessageW(view, WM_CLOSE, 0, 0);
    while (IsWindow(view)) Sleep(1);
  }
  return elapsed;
}

void PrintSpread(const char* what, const std::vector<double>& seconds) {
  std::vector<double> ms;
  for (double s : seconds) ms.push_back(s * 1000);
  timing::PrintSpread(what, ms);
}

// Seconds of each of `count` messages sent to the grid.
std::vector<double> TimeMessages(HWND grid, UINT message, WPARAM wParam, int count) {
  std::vector<double> times;
  for (int i = 0; i < count; ++i) {
    const double start = Now();
    SendMessageW(grid, message, wParam, 0);
    times.push_back(Now() - start);
  }
  return times;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    fwprintf(stderr, L"usage: view_bench MORVID.EXE [DIALOGS] [RUNS]\n");
    return 2;
  }
  const int dialogs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 2000;
  const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 7;
  const int identifiers = dialogs * kControlsPerDialog;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"morvid_view_bench";
  CreateDirectoryW(folder.c_str(), nullptr);
  if (!WriteScript(folder, dialogs)) return 1;

  ChildProcess morvid;
  if (!morvid.Start(argv[1], L"big.rc", folder)) return 1;
  // The script is open when the dialog list holds the root, the folder and every dialog.
  HWND frame = nullptr;
  const double opened = Now();
  for (;;) {
    frame = morvid.FindTopWindow(L"FRAME_WIN_UFC");
    HWND panel = frame ? FindWindowExW(frame, nullptr, L"#32770", nullptr) : nullptr;
    HWND tree = panel ? GetDlgItem(panel, kTreeId) : nullptr;
    if (tree && SendMessageW(tree, TVM_GETCOUNT, 0, 0) == dialogs + 2) break;
    if (Now() - opened > 120) return 1;
    Sleep(10);
  }
  printf("script of %d dialogs and %d identifiers open after %.2f s\n", dialogs, identifiers, Now() - opened);
  timing::PrintLoad("before");

  std::vector<double> opens;
  for (int i = 0; i < runs; ++i) {
    const double t = TimeOpen(morvid, frame, identifiers);
    printf("open %d: %.1f ms\n", i + 1, t * 1000);
    if (t > 0) opens.push_back(t);
  }

  std::vector<double> idle, lines, pages, linesUp;
  PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDM_IDENTIFIERS, 0), 0);
  HWND view = nullptr;
  while (!(view = morvid.FindTopWindow(L"#32770", L"IDD_DLG"))) Sleep(1);
  HWND grid = nullptr;
  while (!(grid = FindWindowExW(view, nullptr, CSpreadSheetU::kClassName, nullptr)) || !IsCellPainted(grid)) Sleep(1);
  idle = TimeMessages(grid, CSpreadSheetU::kGetRowCount, 0, 300);
  lines = TimeMessages(grid, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 300);
  pages = TimeMessages(grid, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 300);
  linesUp = TimeMessages(grid, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), 300);
  PostMessageW(view, WM_CLOSE, 0, 0);
  while (IsWindow(view)) Sleep(1);
  timing::PrintLoad("after");

  PrintSpread("open to first painted grid", opens);
  PrintSpread("scroll line down (with repaint)", lines);
  PrintSpread("scroll line up (with repaint)", linesUp);
  PrintSpread("scroll page down (with repaint)", pages);
  PrintSpread("message round trip alone", idle);

  PostMessageW(frame, WM_CLOSE, 0, 0);
  morvid.WaitForExit(10000);
  DeleteFileW((folder + L"\\big.rc").c_str());
  DeleteFileW((folder + L"\\Resource.h").c_str());
  RemoveDirectoryW(folder.c_str());
  return opens.empty() ? 1 : 0;
}
