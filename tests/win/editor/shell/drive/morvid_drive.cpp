// Drives one short session of Morvid.exe for scripts/run.sh without a
// display: start it on a script, wait until the dialog list is filled, open
// the first dialog, save a screenshot of the frame, close it.
//   morvid_drive.exe MORVID.EXE SCRIPT SCREENSHOT.png
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "editor/resources/resource.h"
#include "morvid_process.h"
#include "win_test_util.h"

namespace {

HWND FindTree(HWND frame) {
  for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (HWND tree = GetDlgItem(child, IDC_DIALOG_TREE)) return tree;
  return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: morvid_drive MORVID.EXE SCRIPT SCREENSHOT.png\n");
    return 2;
  }
  ChildProcess morvid;
  if (!morvid.Start(argv[1], L"\"" + std::wstring(argv[2]) + L"\"")) {
    fprintf(stderr, "morvid_drive: Morvid.exe did not start\n");
    return 1;
  }
  HWND frame = morvid.WaitForTopWindow(L"FRAME_WIN_UFC");
  if (!frame) {
    fprintf(stderr, "morvid_drive: no frame window\n");
    return 1;
  }
  HWND tree = FindTree(frame);
  const bool filled = wintest::PumpUntil([&] { return tree && TreeView_GetCount(tree) > 1; }, 10000);
  if (!filled) fprintf(stderr, "morvid_drive: the dialog list stayed empty (did the script open?)\n");
  if (filled) {
    // A double click on the first dialog (root, folder, then the dialogs) opens it.
    SetForegroundWindow(frame);
    wintest::PumpUntil([&] { return GetForegroundWindow() == frame; }, 3000);
    const int row = static_cast<int>(TreeView_GetItemHeight(tree));
    POINT at = {3 * static_cast<int>(TreeView_GetIndent(tree)) + 20, 2 * row + row / 2};
    ClientToScreen(tree, &at);
    SetCursorPos(at.x, at.y);
    wintest::PumpUntil([] { return false; }, 300);  // the tree sees the pointer arrive first
    wintest::ClickOnScreen(at, 2);
    HWND mdi = GetDlgItem(frame, IDC_MDI_CLIENT);
    if (!wintest::PumpUntil([&] { return GetWindow(mdi, GW_CHILD) != nullptr; }, 8000))
      fprintf(stderr, "morvid_drive: the first dialog did not open\n");
  }
  wintest::PumpUntil([&] { return !GetUpdateRect(frame, nullptr, FALSE); }, 3000);
  wintest::PumpUntil([] { return false; }, 500);  // the children paint after the frame
  // The palette beside the design window belongs in the picture too.
  const bool saved = wintest::SavePng(argv[3], wintest::CaptureScreenOfWindow(GetDesktopWindow()));
  if (!saved) fprintf(stderr, "morvid_drive: the screenshot was not written\n");
  return filled && saved ? 0 : 1;
}
