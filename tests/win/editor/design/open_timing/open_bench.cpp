// Timing harness (run under Wine, prints figures, asserts nothing): the open
// of a generated script of many dialogs named on Morvid.exe's command line,
// from process creation to the filled dialog list.
//   open_bench.exe MORVID.EXE [DIALOGS] [RUNS]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <string>
#include <vector>

#include "morvid_process.h"
#include "timing_figures.h"

namespace {

constexpr int kTreeId = 1101;
constexpr int kControlsPerDialog = 20;

double Now() { return timing::NowMs() / 1000; }

// A script of `dialogs` dialogs with 20 controls each, and its header.
bool WriteScript(const std::wstring& folder, int dialogs) {
  std::ofstream header(std::string(folder.begin(), folder.end()) + "\\Resource.h", std::ios::binary);
  std::ofstream script(std::string(folder.begin(), folder.end()) + "\\big.rc", std::ios::binary);
  if (!header || !script) return false;
  header << "#define IDC_STATIC -1\r\n";
  for (int c = 0; c < kControlsPerDialog; ++c) header << "#define IDC_C" << c << " " << 1000 + c << "\r\n";
  script << "#include \"Resource.h\"\r\n\r\n";
  for (int d = 0; d < dialogs; ++d) {
    header << "#define IDD_D" << d << " " << 5000 + d << "\r\n";
    script << "IDD_D" << d << " DIALOGEX 0, 0, 200, 220\r\nSTYLE WS_POPUP | WS_CAPTION\r\nCAPTION \"Dialog " << d
           << "\"\r\nFONT 8, \"MS Sans Serif\"\r\nBEGIN\r\n";
    for (int c = 0; c < kControlsPerDialog; ++c) {
      if (c % 2)
        script << "    EDITTEXT IDC_C" << c << ",5," << 5 + c * 10 << ",80,9,ES_AUTOHSCROLL\r\n";
      else
        script << "    PUSHBUTTON \"Button " << c << "\",IDC_C" << c << ",5," << 5 + c * 10 << ",80,9\r\n";
    }
    script << "END\r\n\r\n";
  }
  return true;
}

// Seconds from process creation to a tree of root, folder and every dialog.
double TimeOpen(const std::wstring& exe, const std::wstring& folder, int dialogs) {
  ChildProcess morvid;
  const double start = Now();
  if (!morvid.Start(exe, L"big.rc", folder)) return -1;
  double elapsed = -1;
  for (;;) {
    HWND frame = morvid.FindTopWindow(L"FRAME_WIN_UFC");
    HWND panel = frame ? FindWindowExW(frame, nullptr, L"#32770", nullptr) : nullptr;
    HWND tree = panel ? GetDlgItem(panel, kTreeId) : nullptr;
    if (tree && SendMessageW(tree, TVM_GETCOUNT, 0, 0) == dialogs + 2) {
      elapsed = Now() - start;
      break;
    }
    if (Now() - start > 120 || WaitForSingleObject(morvid.Handle(), 0) == WAIT_OBJECT_0) break;
    Sleep(1);  // a measuring loop of its own, outside any test
  }
  return elapsed;  // the process closes Morvid as it goes
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    fwprintf(stderr, L"usage: open_bench MORVID.EXE [DIALOGS] [RUNS]\n");
    return 2;
  }
  const int dialogs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 2000;
  const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 3;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"morvid_open_bench";
  CreateDirectoryW(folder.c_str(), nullptr);
  if (!WriteScript(folder, dialogs)) return 1;
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(TimeOpen(argv[1], folder, dialogs));
  const timing::Spread s = timing::SpreadOf(times);
  printf("open of %d dialogs (%d controls each) from the command line to the filled tree, %d runs: median %.3f s, "
         "min %.3f, max %.3f\n",
         dialogs, kControlsPerDialog, runs, s.median, s.min, s.max);
  timing::PrintLoad();
  DeleteFileW((folder + L"\\big.rc").c_str());
  DeleteFileW((folder + L"\\Resource.h").c_str());
  RemoveDirectoryW(folder.c_str());
  return s.median > 0 ? 0 : 1;
}
