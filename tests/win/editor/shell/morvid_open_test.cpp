// Morvid.exe started on a script named on its command line.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "editor/resources/resource.h"
#include "morvid_process.h"
#include "win_test_util.h"

namespace {

const std::wstring kExamples = wintest::Widen(EXAMPLES_DIR);

HWND FindTree(HWND frame) {
  for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (HWND tree = GetDlgItem(child, IDC_DIALOG_TREE)) return tree;
  return nullptr;
}

// Root, folder and the three dialogs of the example script.
bool ShowsTheExampleDialogs(ChildProcess& morvid) {
  HWND frame = morvid.WaitForTopWindow(L"FRAME_WIN_UFC");
  HWND tree = frame ? FindTree(frame) : nullptr;
  return tree && wintest::PumpUntil([&] { return TreeView_GetCount(tree) == 5; }, 10000);
}

}  // namespace

TEST(MorvidOpen, RelativePathIsFoundFromTheCurrentDirectoryWithItsHeader) {
  ChildProcess morvid;
  ASSERT_TRUE(morvid.Start(wintest::Widen(MORVID_EXE), L"morvid\\example.rc", kExamples));
  EXPECT_TRUE(ShowsTheExampleDialogs(morvid));
  EXPECT_EQ(morvid.FindTopWindow(L"#32770"), nullptr);  // no error box
}

TEST(MorvidOpen, QuotedPathWithBlanksOpens) {
  // A folder with a blank in its name, as Windows passes a file opened from the desktop.
  const std::wstring folder = wintest::Widen(SCRATCH_DIR) + L"\\Папка с пробелом";
  CreateDirectoryW(wintest::Widen(SCRATCH_DIR).c_str(), nullptr);
  CreateDirectoryW(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW((kExamples + L"\\morvid\\example.rc").c_str(), (folder + L"\\example.rc").c_str(), FALSE));
  ASSERT_TRUE(CopyFileW((kExamples + L"\\morvid\\Resource.h").c_str(), (folder + L"\\Resource.h").c_str(), FALSE));
  ChildProcess morvid;
  ASSERT_TRUE(morvid.Start(wintest::Widen(MORVID_EXE), L"\"" + folder + L"\\example.rc\""));
  EXPECT_TRUE(ShowsTheExampleDialogs(morvid));
}

TEST(MorvidOpen, ScriptThatFailsShowsTheErrorAndLeavesANewDocument) {
  ChildProcess morvid;
  ASSERT_TRUE(morvid.Start(wintest::Widen(MORVID_EXE), L"no_such_script.rc", kExamples));
  HWND box = morvid.WaitForTopWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  wchar_t caption[64] = {};
  GetWindowTextW(box, caption, 64);
  EXPECT_EQ(std::wstring(caption), L"Resource Editor");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  HWND frame = morvid.WaitForTopWindow(L"FRAME_WIN_UFC");
  ASSERT_NE(frame, nullptr);
  // Every box that follows is answered the same way, until the new document shows.
  HWND tree = FindTree(frame);
  ASSERT_NE(tree, nullptr);
  EXPECT_TRUE(wintest::PumpUntil(
      [&] {
        if (HWND next = morvid.FindTopWindow(L"#32770")) PostMessageW(next, WM_COMMAND, IDOK, 0);
        return !morvid.FindTopWindow(L"#32770") && TreeView_GetCount(tree) == 1;
      },
      10000));
}
