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

namespace {

void DoubleClickIn(HWND window, POINT at) {
  ClientToScreen(window, &at);
  wintest::ClickOnScreen(at, 2);
}

int DesignWindowCount(HWND mdiClient) {
  int count = 0;
  for (HWND child = GetWindow(mdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[64] = {};
    GetClassNameW(child, cls, 64);
    if (std::wstring(cls) == L"CHILD_WIN_UFC") ++count;
  }
  return count;
}

}  // namespace

TEST(MorvidOpen, DoubleClickOpensTheDialogOnceInAMaximisedDesignWindow) {
  ChildProcess morvid;
  ASSERT_TRUE(morvid.Start(wintest::Widen(MORVID_EXE), L"morvid\\example.rc", kExamples));
  ASSERT_TRUE(ShowsTheExampleDialogs(morvid));
  HWND frame = morvid.FindTopWindow(L"FRAME_WIN_UFC");
  HWND tree = FindTree(frame);
  HWND mdi = GetDlgItem(frame, IDC_MDI_CLIENT);
  SetForegroundWindow(frame);
  wintest::PumpUntil([&] { return GetForegroundWindow() == frame; }, 3000);

  HTREEITEM folder = TreeView_GetChild(tree, TreeView_GetRoot(tree));
  HTREEITEM second = TreeView_GetNextSibling(tree, TreeView_GetChild(tree, folder));
  ASSERT_NE(second, nullptr);
  TreeView_SelectItem(tree, second);
  // On the item's text: root, folder, first dialog, then this one.
  const int row = static_cast<int>(TreeView_GetItemHeight(tree));
  const POINT onItem = {3 * static_cast<int>(TreeView_GetIndent(tree)) + 20, 3 * row + row / 2};
  DoubleClickIn(tree, onItem);
  HWND design = nullptr;
  ASSERT_TRUE(wintest::PumpUntil([&] { return (design = GetWindow(mdi, GW_CHILD)) != nullptr && DesignWindowCount(mdi) == 1; }, 8000));
  wchar_t title[64] = {};
  GetWindowTextW(design, title, 64);
  EXPECT_EQ(std::wstring(title), L"IDD_SETTINGS");
  EXPECT_TRUE(IsZoomed(design));

  SetForegroundWindow(frame);
  DoubleClickIn(tree, onItem);
  wintest::PumpUntil([] { return false; }, 1000);  // time for a second window, which must not come
  EXPECT_EQ(DesignWindowCount(mdi), 1);
}

TEST(MorvidOpen, AddDialogOpensItAndListsItAndClosingThenAsks) {
  ChildProcess morvid;
  ASSERT_TRUE(morvid.Start(wintest::Widen(MORVID_EXE), L"", kExamples));
  HWND frame = morvid.WaitForTopWindow(L"FRAME_WIN_UFC");
  ASSERT_NE(frame, nullptr);
  HWND tree = FindTree(frame);
  HWND mdi = GetDlgItem(frame, IDC_MDI_CLIENT);
  PostMessageW(frame, WM_COMMAND, IDM_ADD_DIALOG, 0);
  ASSERT_TRUE(wintest::PumpUntil([&] { return DesignWindowCount(mdi) == 1 && TreeView_GetCount(tree) == 3; }, 8000));
  wchar_t title[64] = {};
  GetWindowTextW(GetWindow(mdi, GW_CHILD), title, 64);
  EXPECT_EQ(std::wstring(title), L"IDD_DLG1");

  // The new dialog is an unsaved change: closing asks first; No closes.
  PostMessageW(frame, WM_CLOSE, 0, 0);
  HWND box = morvid.WaitForTopWindow(L"#32770", 8000);
  ASSERT_NE(box, nullptr);
  PostMessageW(box, WM_COMMAND, IDNO, 0);
  EXPECT_TRUE(morvid.WaitForExit(8000));
}
