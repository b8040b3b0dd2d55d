// The shipped Morvid.exe driven from this process: its frame, accelerators,
// and the status bar texts of tooltips and menus.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "editor/resources/resource.h"
#include "editor_test_util.h"
#include "morvid_process.h"
#include "win_test_util.h"

namespace {

using morvidtest::ClassOf;
using morvidtest::TextOf;

class MorvidExe : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(morvid.Start(MorvidExePath()));
    frame = morvid.WaitForTopWindow(L"FRAME_WIN_UFC");
    ASSERT_NE(frame, nullptr);
    status = GetDlgItem(frame, IDC_STATUS_BAR);
    ASSERT_NE(status, nullptr);
  }
  bool StatusBecomes(const std::wstring& text, DWORD timeoutMs = 8000) {
    return wintest::PumpUntil([&] { return TextOf(status) == text; }, timeoutMs);
  }
  bool MakeForeground() {
    SetForegroundWindow(frame);
    return wintest::PumpUntil([&] { return GetForegroundWindow() == frame; }, 3000);
  }
  ChildProcess morvid;
  HWND frame = nullptr;
  HWND status = nullptr;
};

}  // namespace

TEST_F(MorvidExe, StartsWithItsFrameAndChildren) {
  EXPECT_EQ(TextOf(frame), L"Resource Editor");
  EXPECT_NE(GetMenu(frame), nullptr);
  EXPECT_EQ(ClassOf(GetDlgItem(frame, IDC_MAIN_TOOLBAR)), L"ToolbarWindow32");
  EXPECT_EQ(SendMessageW(GetDlgItem(frame, IDC_MAIN_TOOLBAR), TB_BUTTONCOUNT, 0, 0), 4);
  EXPECT_EQ(ClassOf(GetDlgItem(frame, IDC_MDI_CLIENT)), L"MDIClient");
  EXPECT_EQ(TextOf(status), L"Готово");
  // The dialog list panel: a dialog holding the tree.
  HWND tree = nullptr;
  for (HWND child = GetWindow(frame, GW_CHILD); child && !tree; child = GetWindow(child, GW_HWNDNEXT))
    tree = GetDlgItem(child, IDC_DIALOG_TREE);
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(TreeView_GetCount(tree), 1u);  // the root of the new project

  // For review: the frame as the user sees it.
  wintest::PumpUntil([&] { return !GetUpdateRect(frame, nullptr, FALSE); }, 3000);
  const wintest::Pixels pixels = wintest::CaptureScreenOfWindow(frame);
  EXPECT_NE(pixels.At(pixels.width / 2, pixels.height / 2), 0u);  // the MDI client's grey, not an empty capture
  EXPECT_TRUE(wintest::SavePng(wintest::ScreenshotPath(L"morvid_frame"), pixels));
}

TEST_F(MorvidExe, TooltipTextsReachTheStatusBar) {
  ASSERT_TRUE(MakeForeground());
  HWND toolbar = GetDlgItem(frame, IDC_MAIN_TOOLBAR);
  const LRESULT size = SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0);
  // The second button (Open); buttons are laid out from the left edge.
  POINT over = {LOWORD(size) + LOWORD(size) / 2, HIWORD(size) / 2 + 2};
  ClientToScreen(toolbar, &over);
  wintest::MoveOnScreen(over);
  EXPECT_TRUE(StatusBecomes(L"Открыть документ")) << wintest::Narrow(TextOf(status));

  RECT mdi;
  GetWindowRect(GetDlgItem(frame, IDC_MDI_CLIENT), &mdi);
  wintest::MoveOnScreen({(mdi.left + mdi.right) / 2, (mdi.top + mdi.bottom) / 2});
  EXPECT_TRUE(StatusBecomes(L"Готово")) << wintest::Narrow(TextOf(status));
}

TEST_F(MorvidExe, MenuHelpTextsReachTheStatusBar) {
  ASSERT_TRUE(MakeForeground());
  // A click on "&Файл" in the menu bar opens it; the pointer then rests on its first item.
  POINT client = {0, 0};
  ClientToScreen(frame, &client);
  const POINT file = {client.x + 20, client.y - GetSystemMetrics(SM_CYMENU) / 2};
  wintest::ClickOnScreen(file);
  EXPECT_TRUE(StatusBecomes(L"")) << wintest::Narrow(TextOf(status));
  wintest::MoveOnScreen({file.x + 10, client.y + 10});
  EXPECT_TRUE(StatusBecomes(L"Создать новый документ")) << wintest::Narrow(TextOf(status));
  wintest::PressKey(VK_ESCAPE);
  wintest::PressKey(VK_ESCAPE);
  EXPECT_TRUE(StatusBecomes(L"Готово")) << wintest::Narrow(TextOf(status));
}

TEST_F(MorvidExe, AltXClosesTheProgram) {
  ASSERT_TRUE(MakeForeground());
  wintest::PressKey('X', {VK_MENU});
  EXPECT_TRUE(morvid.WaitForExit(8000));
  EXPECT_EQ(morvid.ExitCode(), 0u);
}
